// Window classes: registration, lookup, and the system's own classes.
//
// Does not do: class extra bytes beyond storage, class menus, or SetClassLongPtr.

#include "user/queue.h"

#include <algorithm>

namespace platform
{
namespace
{

struct ClassTable
{
    std::vector<std::unique_ptr<WindowClass>> classes;
    std::vector<SystemClassInfo> pending;
    ATOM nextAtom = 0xC000;
};

ClassTable& classes()
{
    static ClassTable* t = new ClassTable;
    return *t;
}

bool SameName(const std::string& a, LPCSTR b)
{
    return lstrcmpiA(a.c_str(), b) == 0;
}

} // namespace

SystemClass::SystemClass(const SystemClassInfo& info)
{
    classes().pending.push_back(info);
}

void EnsureSystemClasses()
{
    static std::once_flag once;
    std::call_once(once, [] {
        std::lock_guard g(Lock());
        for (const SystemClassInfo& info : classes().pending)
        {
            auto c = std::make_unique<WindowClass>();
            c->name = info.name;
            c->atom = classes().nextAtom++;
            c->style = info.style | CS_GLOBALCLASS;
            c->proc = info.proc;
            c->wndExtra = info.wndExtra;
            c->cursor = LoadCursorA(nullptr, info.cursor ? info.cursor : IDC_ARROW);
            c->background =
                info.backgroundColor >= 0
                    ? reinterpret_cast<HBRUSH>(static_cast<std::intptr_t>(info.backgroundColor + 1))
                    : nullptr;
            c->global = true;
            classes().classes.push_back(std::move(c));
        }
    });
}

WindowClass* FindClass(LPCSTR name, HINSTANCE instance)
{
    EnsureSystemClasses();
    auto& list = classes().classes;
    if (IS_INTRESOURCE(name))
    {
        const ATOM atom = static_cast<ATOM>(reinterpret_cast<std::uintptr_t>(name));
        for (auto& c : list)
            if (c->atom == atom)
                return c.get();
        return nullptr;
    }
    // The application's own classes of this instance first, then global and system classes.
    for (auto& c : list)
        if (!c->global && c->instance == instance && SameName(c->name, name))
            return c.get();
    for (auto& c : list)
        if (c->global && SameName(c->name, name))
            return c.get();
    if (!instance)
        for (auto& c : list)
            if (SameName(c->name, name))
                return c.get();
    return nullptr;
}

} // namespace platform

using namespace platform;

ATOM WINAPI RegisterClassExA(const WNDCLASSEXA* wc)
{
    if (!wc || !wc->lpszClassName || !wc->lpfnWndProc)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    EnsureSystemClasses();
    std::lock_guard g(Lock());
    const bool global = (wc->style & CS_GLOBALCLASS) != 0;
    for (auto& c : classes().classes)
        if (SameName(c->name, wc->lpszClassName) &&
            !(c->global && !global && c->instance == nullptr) &&
            (c->instance == wc->hInstance || (global && c->global)))
        {
            SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return 0;
        }
    auto c = std::make_unique<WindowClass>();
    c->name = wc->lpszClassName;
    c->atom = classes().nextAtom++;
    c->style = wc->style;
    c->proc = wc->lpfnWndProc;
    c->clsExtra = wc->cbClsExtra;
    c->wndExtra = wc->cbWndExtra;
    c->instance = wc->hInstance;
    c->icon = wc->hIcon;
    c->cursor = wc->hCursor;
    c->background = wc->hbrBackground;
    c->global = global;
    const ATOM atom = c->atom;
    classes().classes.push_back(std::move(c));
    return atom;
}

ATOM WINAPI RegisterClassA(const WNDCLASSA* wc)
{
    if (!wc)
        return 0;
    WNDCLASSEXA ex{sizeof(ex),        wc->style,        wc->lpfnWndProc,   wc->cbClsExtra,
                   wc->cbWndExtra,    wc->hInstance,    wc->hIcon,         wc->hCursor,
                   wc->hbrBackground, wc->lpszMenuName, wc->lpszClassName, nullptr};
    return RegisterClassExA(&ex);
}

BOOL WINAPI UnregisterClassA(LPCSTR className, HINSTANCE instance)
{
    std::lock_guard g(Lock());
    auto& list = classes().classes;
    for (auto it = list.begin(); it != list.end(); ++it)
    {
        WindowClass* c = it->get();
        if (IS_INTRESOURCE(className) ? c->atom == reinterpret_cast<std::uintptr_t>(className)
                                      : SameName(c->name, className))
        {
            if (c->instance != instance &&
                !(c->global && c->instance == nullptr && instance == nullptr))
                continue;
            // A class in use stays registered, as on Windows.
            std::vector<Window*> stack{Desktop()};
            while (!stack.empty())
            {
                Window* w = stack.back();
                stack.pop_back();
                if (w->cls == c)
                    return FALSE;
                stack.insert(stack.end(), w->children.begin(), w->children.end());
            }
            list.erase(it);
            return TRUE;
        }
    }
    SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
    return FALSE;
}

BOOL WINAPI GetClassInfoExA(HINSTANCE instance, LPCSTR className, LPWNDCLASSEXA wc)
{
    std::lock_guard g(Lock());
    WindowClass* c = FindClass(className, instance);
    if (!c || !wc)
    {
        SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
        return FALSE;
    }
    wc->style = c->style;
    wc->lpfnWndProc = c->proc;
    wc->cbClsExtra = c->clsExtra;
    wc->cbWndExtra = c->wndExtra;
    wc->hInstance = c->instance;
    wc->hIcon = c->icon;
    wc->hCursor = c->cursor;
    wc->hbrBackground = c->background;
    wc->lpszMenuName = nullptr;
    wc->lpszClassName = c->name.c_str();
    wc->hIconSm = nullptr;
    return c->atom;
}

BOOL WINAPI GetClassInfoA(HINSTANCE instance, LPCSTR className, LPWNDCLASSA wc)
{
    WNDCLASSEXA ex{};
    if (!GetClassInfoExA(instance, className, &ex) || !wc)
        return FALSE;
    wc->style = ex.style;
    wc->lpfnWndProc = ex.lpfnWndProc;
    wc->cbClsExtra = ex.cbClsExtra;
    wc->cbWndExtra = ex.cbWndExtra;
    wc->hInstance = ex.hInstance;
    wc->hIcon = ex.hIcon;
    wc->hCursor = ex.hCursor;
    wc->hbrBackground = ex.hbrBackground;
    wc->lpszMenuName = nullptr;
    wc->lpszClassName = ex.lpszClassName;
    return TRUE;
}

int WINAPI GetClassNameA(HWND hwnd, LPSTR name, int maxCount)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w || !name || maxCount <= 0)
        return 0;
    lstrcpynA(name, w->cls->name.c_str(), maxCount);
    return lstrlenA(name);
}

ULONG_PTR WINAPI GetClassLongPtrA(HWND hwnd, int index)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w)
        return 0;
    switch (index)
    {
    case GCLP_HCURSOR:
        return reinterpret_cast<ULONG_PTR>(w->cls->cursor);
    case GCLP_HBRBACKGROUND:
        return reinterpret_cast<ULONG_PTR>(w->cls->background);
    case GCLP_WNDPROC:
        return reinterpret_cast<ULONG_PTR>(w->cls->proc);
    case GCL_STYLE:
        return w->cls->style;
    }
    return 0;
}
