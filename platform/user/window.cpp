// Windows: the handle table, creation, destruction and the window tree.
//
// Does not do: menus (hMenu of a top-level window is ignored), window regions, minimised or
// maximised windows, WS_EX_TOPMOST ordering beyond keeping such windows first, or cross-thread
// DestroyWindow (refused, as on Windows).

#include "user/queue.h"
#include "user/sizing.h"

#include <algorithm>
#include <cstring>

namespace platform
{
namespace
{

constexpr std::size_t kSlots = 0x10000;

struct Slot
{
    std::atomic<Window*> window{nullptr};
    std::atomic<DWORD> thread{0};
    std::atomic<std::uintptr_t> handle{0};
    std::uint16_t generation = 0;
};

struct Table
{
    std::recursive_mutex lock;
    std::unique_ptr<Slot[]> slots{new Slot[kSlots]};
    std::vector<std::uint32_t> free;
    std::uint32_t next = 2; // slot 1 is the desktop
    Window desktop;

    Table()
    {
        desktop.handle = reinterpret_cast<HWND>(std::uintptr_t{0x10001});
        desktop.window = RECT{0, 0, 1280, 1024};
        desktop.client = desktop.window;
        desktop.style = WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN;
        slots[1].window = &desktop;
        slots[1].handle = 0x10001;
        slots[1].generation = 1;
    }
};

// Never destroyed: windows may outlive static destructors. Made when the library loads, before
// any code that could create a window runs.
Table* const g_table = new Table;

Table& table()
{
    return *g_table;
}

// The calling thread's id, kept here so that a thread's lookup of its own windows is a few loads.
thread_local DWORD t_threadId = 0;

DWORD ThisThread()
{
    DWORD id = t_threadId;
    if (id == 0)
        id = t_threadId = GetCurrentThreadId();
    return id;
}

std::uint32_t IndexOf(HWND hwnd)
{
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(hwnd) & 0xFFFF);
}

HWND AllocateHandle(Window* w)
{
    Table& t = table();
    std::uint32_t index;
    if (!t.free.empty())
    {
        index = t.free.back();
        t.free.pop_back();
    }
    else if (t.next < kSlots - 1)
        index = t.next++;
    else
        return nullptr;
    Slot& s = t.slots[index];
    s.generation = static_cast<std::uint16_t>(s.generation % 0x7FFF + 1);
    const std::uintptr_t value = (std::uintptr_t{s.generation} << 16) | index;
    s.thread.store(w->threadId);
    s.window.store(w);
    s.handle.store(value);
    return reinterpret_cast<HWND>(value);
}

void FreeHandle(HWND hwnd)
{
    Slot& s = table().slots[IndexOf(hwnd)];
    s.handle.store(0);
    s.window.store(nullptr);
    s.thread.store(0);
    table().free.push_back(IndexOf(hwnd));
}

void Unlink(Window* w)
{
    if (!w->parent)
        return;
    auto& siblings = w->parent->children;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), w), siblings.end());
}

} // namespace

std::recursive_mutex& Lock()
{
    return table().lock;
}

Window* Desktop()
{
    return &table().desktop;
}

Window* FromHandle(HWND hwnd)
{
    const auto value = reinterpret_cast<std::uintptr_t>(hwnd);
    if (value == 0 || value > 0x7FFFFFFF)
        return nullptr;
    Slot& s = table().slots[value & 0xFFFF];
    if (s.handle.load(std::memory_order_acquire) != value)
        return nullptr;
    return s.window.load(std::memory_order_acquire);
}

Window* OwnWindow(HWND hwnd)
{
    const auto value = reinterpret_cast<std::uintptr_t>(hwnd);
    if (value == 0 || value > 0x7FFFFFFF)
        return nullptr;
    Slot& s = table().slots[value & 0xFFFF];
    // Only the owning thread frees its windows, so once the slot says "yours" it stays valid.
    if (s.thread.load(std::memory_order_acquire) != ThisThread())
        return nullptr;
    if (s.handle.load(std::memory_order_acquire) != value)
        return nullptr;
    return s.window.load(std::memory_order_acquire);
}

LRESULT CallProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC proc = w->proc.load(std::memory_order_acquire);
    if (!proc)
        return 0;
    ++w->busy;
    const LRESULT r = proc(w->handle, msg, wParam, lParam);
    ReleaseWindow(w);
    return r;
}

void ReleaseWindow(Window* w)
{
    if (--w->busy == 0 && w->dead)
    {
        std::lock_guard g(Lock());
        delete w;
    }
}

bool IsTopLevel(const Window* w)
{
    return w->parent == Desktop();
}

bool IsDescendant(const Window* ancestor, const Window* w)
{
    for (const Window* p = w ? w->parent : nullptr; p; p = p->parent)
        if (p == ancestor)
            return true;
    return false;
}

Window* TopLevelOf(Window* w)
{
    while (w && w->parent && w->parent != Desktop())
        w = w->parent;
    return w;
}

bool IsReallyVisible(const Window* w)
{
    for (; w && w != Desktop(); w = w->parent)
        if (!(w->style & WS_VISIBLE))
            return false;
    return w != nullptr;
}

POINT ClientOrigin(const Window* w)
{
    POINT p{0, 0};
    for (; w && w != Desktop(); w = w->parent)
    {
        p.x += w->client.left;
        p.y += w->client.top;
    }
    return p;
}

RECT ScreenRect(const Window* w)
{
    RECT r = w->window;
    if (w->parent)
    {
        const POINT o = ClientOrigin(w->parent);
        OffsetRect(&r, o.x, o.y);
    }
    return r;
}

namespace
{

void LinkChild(Window* parent, Window* w, bool atBottom)
{
    auto& c = parent->children;
    if (atBottom)
        c.push_back(w);
    else
    {
        // Topmost windows stay above the others.
        auto it = c.begin();
        if (!(w->exStyle & WS_EX_TOPMOST))
            while (it != c.end() && ((*it)->exStyle & WS_EX_TOPMOST))
                ++it;
        c.insert(it, w);
    }
}

void SendParentNotify(Window* w, UINT event)
{
    if (!(w->style & WS_CHILD) || (w->exStyle & WS_EX_NOPARENTNOTIFY) || IsTopLevel(w))
        return;
    SendMessageA(w->parent->handle, WM_PARENTNOTIFY, MAKEWPARAM(event, w->id),
                 reinterpret_cast<LPARAM>(w->handle));
}

void SendMinMaxAndClamp(Window* w, int& cx, int& cy)
{
    if (!((w->style & WS_THICKFRAME) || !(w->style & (WS_POPUP | WS_CHILD))))
        return;
    MINMAXINFO mmi = DefaultMinMax();
    CallProc(w, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    cx = std::clamp<int>(cx, mmi.ptMinTrackSize.x,
                         std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
    cy = std::clamp<int>(cy, mmi.ptMinTrackSize.y,
                         std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
}

void FreeWindow(Window* w)
{
    // Children go first, then the window itself: the last message a window sees is WM_NCDESTROY.
    std::vector<Window*> kids;
    {
        std::lock_guard g(Lock());
        kids = w->children;
    }
    for (Window* c : kids)
        FreeWindow(c);
    ++w->busy;
    CallProc(w, WM_NCDESTROY, 0, 0);
    {
        std::lock_guard g(Lock());
        ThreadQueue* q = w->queue;
        if (q->focus == w->handle)
            q->focus = nullptr;
        if (q->active == w->handle)
            q->active = nullptr;
        if (q->capture == w->handle)
            q->capture = nullptr;
        std::erase_if(q->timers, [w](const Timer& t) { return t.hwnd == w->handle; });
        q->hasTimers.store(!q->timers.empty(), std::memory_order_release);
        Unlink(w);
        for (Window* c : w->children)
            c->parent = nullptr;
        w->children.clear();
        FreeHandle(w->handle);
        w->dead = true;
    }
    DestroyDialogInfo(w);
    ReleaseWindow(w);
}

void SendDestroy(Window* w)
{
    CallProc(w, WM_DESTROY, 0, 0);
    std::vector<HWND> kids;
    {
        std::lock_guard g(Lock());
        for (Window* c : w->children)
            kids.push_back(c->handle);
    }
    for (HWND k : kids)
        if (Window* c = OwnWindow(k))
            SendDestroy(c);
}

} // namespace

void ForgetWindowsOfQueue(ThreadQueue* q)
{
    std::lock_guard g(Lock());
    std::vector<Window*> doomed;
    std::vector<Window*> stack{Desktop()};
    while (!stack.empty())
    {
        Window* w = stack.back();
        stack.pop_back();
        for (Window* c : w->children)
        {
            if (c->queue == q)
                doomed.push_back(c);
            stack.push_back(c);
        }
    }
    for (Window* w : doomed)
        Unlink(w);
    for (Window* w : doomed)
    {
        FreeHandle(w->handle);
        w->children.clear();
        w->dead = true;
        if (w->busy == 0)
            delete w;
    }
}

} // namespace platform

using namespace platform;

HWND WINAPI CreateWindowExA(DWORD exStyle, LPCSTR className, LPCSTR windowName, DWORD style, int x,
                            int y, int width, int height, HWND parentHandle, HMENU menu,
                            HINSTANCE instance, LPVOID param)
{
    EnsureSystemClasses();
    ThreadQueue* q = CurrentQueue();
    auto w = std::make_unique<Window>();
    Window* parent = nullptr;
    {
        std::lock_guard g(Lock());
        WindowClass* cls = FindClass(className, instance);
        if (!cls)
        {
            SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
            return nullptr;
        }
        if (parentHandle && parentHandle != HWND_MESSAGE)
        {
            parent = FromHandle(parentHandle);
            if (!parent)
            {
                SetLastError(ERROR_INVALID_WINDOW_HANDLE);
                return nullptr;
            }
        }
        if ((style & WS_CHILD) && !parent)
        {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return nullptr;
        }
        w->cls = cls;
        w->proc = cls->proc;
        w->instance = instance;
        w->style = style & ~WS_VISIBLE;
        w->exStyle = exStyle;
        // A captioned or framed window gets the window edge, as on Windows.
        if ((style & WS_DLGFRAME) || (exStyle & WS_EX_DLGMODALFRAME) || (style & WS_THICKFRAME))
            w->exStyle |= WS_EX_WINDOWEDGE;
        if (windowName && !IS_INTRESOURCE(windowName))
            w->text = windowName;
        w->queue = q;
        w->sharedQueue = QueueOfThread(q->threadId);
        w->threadId = q->threadId;
        w->extra.assign(static_cast<std::size_t>(std::max(0, cls->wndExtra)), 0);
        if (style & WS_CHILD)
        {
            w->parent = parent;
            w->id = reinterpret_cast<LONG_PTR>(menu);
        }
        else
        {
            w->parent = Desktop();
            if (parent)
                w->owner = TopLevelOf(parent);
            if (x == CW_USEDEFAULT)
                x = y = 40;
            if (width == CW_USEDEFAULT)
            {
                width = 640;
                height = 480;
            }
        }
        w->window = RECT{x, y, x + width, y + height};
        const RECT in = NonClientInsets(w->style, w->exStyle);
        w->client = RECT{w->window.left + in.left, w->window.top + in.top,
                         w->window.right - in.right, w->window.bottom - in.bottom};
        w->lastActivePopup = nullptr;
        w->handle = AllocateHandle(w.get());
        if (!w->handle)
            return nullptr;
        w->lastActivePopup = w->handle;
        LinkChild(w->parent, w.get(), (style & (WS_CHILD | WS_MAXIMIZE)) == WS_CHILD);
    }
    Window* win = w.release();
    const HWND hwnd = win->handle;
    ++win->busy;

    CREATESTRUCTA cs{};
    cs.lpCreateParams = param;
    cs.hInstance = instance;
    cs.hMenu = menu;
    cs.hwndParent = parentHandle;
    cs.x = x;
    cs.y = y;
    cs.cx = width;
    cs.cy = height;
    cs.style = static_cast<LONG>(style);
    cs.lpszName = windowName;
    cs.lpszClass = className;
    cs.dwExStyle = exStyle;

    auto fail = [&]() -> HWND {
        if (!win->destroying)
            DestroyWindow(hwnd);
        ReleaseWindow(win);
        return nullptr;
    };

    CBT_CREATEWNDA cbt{&cs, HWND_TOP};
    bool blocked = false;
    CallCbtHook(HCBT_CREATEWND, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(&cbt),
                blocked);
    if (blocked || win->dead)
        return fail();

    int cx = width, cy = height;
    SendMinMaxAndClamp(win, cx, cy);
    if (cx != width || cy != height)
    {
        std::lock_guard g(Lock());
        win->window.right = win->window.left + cx;
        win->window.bottom = win->window.top + cy;
        cs.cx = cx;
        cs.cy = cy;
    }
    if (!CallProc(win, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(&cs)) || win->dead)
        return fail();
    {
        NCCALCSIZE_PARAMS p{};
        p.rgrc[0] = win->window;
        CallProc(win, WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&p.rgrc[0]));
        std::lock_guard g(Lock());
        win->client = p.rgrc[0];
    }
    if (CallProc(win, WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1 || win->dead)
        return fail();
    SendParentNotify(win, WM_CREATE);
    if (win->dead)
        return fail();
    {
        RECT c;
        GetClientRect(hwnd, &c);
        CallProc(win, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.right, c.bottom));
        CallProc(win, WM_MOVE, 0, MAKELPARAM(win->client.left, win->client.top));
    }
    if (win->dead)
        return fail();
    if (style & WS_VISIBLE)
        ShowWindow(hwnd, SW_SHOW);
    ReleaseWindow(win);
    return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL WINAPI DestroyWindow(HWND hwnd)
{
    Window* w = OwnWindow(hwnd);
    if (!w)
    {
        SetLastError(IsWindow(hwnd) ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
        return FALSE;
    }
    if (w->destroying || w == Desktop())
        return FALSE;
    ++w->busy;
    bool blocked = false;
    CallCbtHook(HCBT_DESTROYWND, reinterpret_cast<WPARAM>(hwnd), 0, blocked);
    if (blocked)
    {
        ReleaseWindow(w);
        return FALSE;
    }
    w->destroying = true;
    SendParentNotify(w, WM_DESTROY);

    // Hide it first so that focus and activation move elsewhere while the window still exists.
    if (w->style & WS_VISIBLE)
    {
        {
            std::lock_guard g(Lock());
            w->style &= ~WS_VISIBLE;
        }
        WindowHiddenOrDestroyed(w);
    }
    else
        WindowHiddenOrDestroyed(w);

    // Owned windows go before their owner.
    if (IsTopLevel(w))
    {
        std::vector<HWND> owned;
        {
            std::lock_guard g(Lock());
            for (Window* c : Desktop()->children)
                if (c->owner == w)
                    owned.push_back(c->handle);
        }
        for (HWND o : owned)
        {
            if (OwnWindow(o))
                DestroyWindow(o);
            else if (Window* other = FromHandle(o))
            {
                std::lock_guard g(Lock());
                other->owner = nullptr;
            }
        }
    }
    SendDestroy(w);
    FreeWindow(w);
    ReleaseWindow(w);
    return TRUE;
}

BOOL WINAPI IsWindow(HWND hwnd)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    return w && !w->dead;
}

BOOL WINAPI IsChild(HWND parent, HWND hwnd)
{
    std::lock_guard g(Lock());
    Window* p = FromHandle(parent);
    Window* w = FromHandle(hwnd);
    if (!p || !w)
        return FALSE;
    for (Window* x = w; x && (x->style & WS_CHILD); x = x->parent)
        if (x->parent == p)
            return TRUE;
    return FALSE;
}

BOOL WINAPI IsWindowVisible(HWND hwnd)
{
    std::lock_guard g(Lock());
    return IsReallyVisible(FromHandle(hwnd));
}

BOOL WINAPI IsWindowEnabled(HWND hwnd)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    return w && !(w->style & WS_DISABLED);
}

HWND WINAPI GetDesktopWindow()
{
    return Desktop()->handle;
}

HWND WINAPI GetParent(HWND hwnd)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w)
        return nullptr;
    if (w->style & WS_CHILD)
        return w->parent && w->parent != Desktop() ? w->parent->handle : nullptr;
    // As on Windows, a popup's "parent" is its owner.
    if ((w->style & WS_POPUP) && w->owner)
        return w->owner->handle;
    return nullptr;
}

HWND WINAPI SetParent(HWND child, HWND newParent)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(child);
    Window* p = newParent ? FromHandle(newParent) : Desktop();
    if (!w || !p || w == Desktop())
        return nullptr;
    Window* old = w->parent;
    Unlink(w);
    w->parent = p;
    LinkChild(p, w, false);
    return old && old != Desktop() ? old->handle : Desktop()->handle;
}

HWND WINAPI GetAncestor(HWND hwnd, UINT flags)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w || w == Desktop())
        return nullptr;
    switch (flags)
    {
    case GA_PARENT:
        return w->parent ? w->parent->handle : nullptr;
    case GA_ROOT:
        return TopLevelOf(w)->handle;
    case GA_ROOTOWNER: {
        Window* r = TopLevelOf(w);
        while (r->owner)
            r = r->owner;
        return r->handle;
    }
    }
    return nullptr;
}

HWND WINAPI GetWindow(HWND hwnd, UINT cmd)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w)
        return nullptr;
    if (cmd == GW_CHILD)
        return w->children.empty() ? nullptr : w->children.front()->handle;
    if (cmd == GW_OWNER)
        return w->owner ? w->owner->handle : nullptr;
    if (cmd == GW_ENABLEDPOPUP)
    {
        for (Window* c : Desktop()->children)
            if (c->owner == w && (c->style & WS_VISIBLE) && !(c->style & WS_DISABLED))
                return c->handle;
        return nullptr;
    }
    if (!w->parent)
        return nullptr;
    const auto& s = w->parent->children;
    const auto it = std::find(s.begin(), s.end(), w);
    switch (cmd)
    {
    case GW_HWNDFIRST:
        return s.front()->handle;
    case GW_HWNDLAST:
        return s.back()->handle;
    case GW_HWNDNEXT:
        return (it != s.end() && it + 1 != s.end()) ? (*(it + 1))->handle : nullptr;
    case GW_HWNDPREV:
        return (it != s.begin() && it != s.end()) ? (*(it - 1))->handle : nullptr;
    }
    return nullptr;
}

HWND WINAPI GetTopWindow(HWND hwnd)
{
    return GetWindow(hwnd ? hwnd : GetDesktopWindow(), GW_CHILD);
}

HWND WINAPI GetLastActivePopup(HWND hwnd)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w)
        return nullptr;
    Window* p = FromHandle(w->lastActivePopup);
    if (p && (p->style & WS_VISIBLE) && !(p->style & WS_DISABLED) && !p->dead)
        return p->handle;
    return hwnd;
}

namespace
{

LONG_PTR GetLong(HWND hwnd, int index, std::size_t size)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w)
    {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    switch (index)
    {
    case GWLP_WNDPROC:
        return reinterpret_cast<LONG_PTR>(w->proc.load());
    case GWLP_HINSTANCE:
        return reinterpret_cast<LONG_PTR>(w->instance);
    case GWLP_HWNDPARENT:
        return reinterpret_cast<LONG_PTR>(w->owner ? w->owner->handle : nullptr);
    case GWL_STYLE:
        return static_cast<LONG>(w->style);
    case GWL_EXSTYLE:
        return static_cast<LONG>(w->exStyle);
    case GWLP_USERDATA:
        return w->userData;
    case GWLP_ID:
        return w->id;
    }
    if (index < 0 || static_cast<std::size_t>(index) + size > w->extra.size())
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    LONG_PTR v = 0;
    std::memcpy(&v, w->extra.data() + index, size);
    if (size == sizeof(LONG))
        return static_cast<LONG>(v);
    return v;
}

LONG_PTR SetLong(HWND hwnd, int index, LONG_PTR value, std::size_t size)
{
    Window* w;
    LONG_PTR old = 0;
    DWORD oldStyle = 0, newStyle = 0;
    {
        std::lock_guard g(Lock());
        w = FromHandle(hwnd);
        if (!w)
        {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        switch (index)
        {
        case GWLP_WNDPROC:
            return reinterpret_cast<LONG_PTR>(w->proc.exchange(reinterpret_cast<WNDPROC>(value)));
        case GWLP_HINSTANCE:
            old = reinterpret_cast<LONG_PTR>(w->instance);
            w->instance = reinterpret_cast<HINSTANCE>(value);
            return old;
        case GWLP_HWNDPARENT:
            old = reinterpret_cast<LONG_PTR>(w->owner ? w->owner->handle : nullptr);
            w->owner = FromHandle(reinterpret_cast<HWND>(value));
            return old;
        case GWLP_USERDATA:
            old = w->userData;
            w->userData = value;
            return old;
        case GWLP_ID:
            old = w->id;
            w->id = value;
            return old;
        case GWL_STYLE:
        case GWL_EXSTYLE:
            oldStyle = index == GWL_STYLE ? w->style : w->exStyle;
            newStyle = static_cast<DWORD>(value);
            break;
        default:
            if (index < 0 || static_cast<std::size_t>(index) + size > w->extra.size())
            {
                SetLastError(ERROR_INVALID_PARAMETER);
                return 0;
            }
            std::memcpy(&old, w->extra.data() + index, size);
            std::memcpy(w->extra.data() + index, &value, size);
            return size == sizeof(LONG) ? static_cast<LONG>(old) : old;
        }
    }
    // Style changes are announced to the window, which may adjust them, as on Windows.
    // From another thread these are sent across, as Windows does.
    STYLESTRUCT ss{oldStyle, newStyle};
    SendMessageA(hwnd, WM_STYLECHANGING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
    {
        std::lock_guard g(Lock());
        w = FromHandle(hwnd);
        if (!w)
            return 0;
        DWORD& target = index == GWL_STYLE ? w->style : w->exStyle;
        target = ss.styleNew;
        // The client area follows frame changes.
        const RECT in = NonClientInsets(w->style, w->exStyle);
        w->client = RECT{w->window.left + in.left, w->window.top + in.top,
                         std::max(w->window.left + in.left, w->window.right - in.right),
                         std::max(w->window.top + in.top, w->window.bottom - in.bottom)};
    }
    SendMessageA(hwnd, WM_STYLECHANGED, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&ss));
    return static_cast<LONG>(oldStyle);
}

} // namespace

LONG WINAPI GetWindowLongA(HWND hwnd, int index)
{
    return static_cast<LONG>(GetLong(hwnd, index, sizeof(LONG)));
}

LONG WINAPI SetWindowLongA(HWND hwnd, int index, LONG value)
{
    return static_cast<LONG>(SetLong(hwnd, index, value, sizeof(LONG)));
}

LONG_PTR WINAPI GetWindowLongPtrA(HWND hwnd, int index)
{
    return GetLong(hwnd, index, sizeof(LONG_PTR));
}

LONG_PTR WINAPI SetWindowLongPtrA(HWND hwnd, int index, LONG_PTR value)
{
    return SetLong(hwnd, index, value, sizeof(LONG_PTR));
}

int WINAPI GetWindowTextA(HWND hwnd, LPSTR text, int maxCount)
{
    if (!text || maxCount <= 0)
        return 0;
    text[0] = '\0';
    if (!IsWindow(hwnd))
        return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXT, static_cast<WPARAM>(maxCount),
                                         reinterpret_cast<LPARAM>(text)));
}

int WINAPI GetWindowTextLengthA(HWND hwnd)
{
    if (!IsWindow(hwnd))
        return 0;
    return static_cast<int>(SendMessageA(hwnd, WM_GETTEXTLENGTH, 0, 0));
}

BOOL WINAPI SetWindowTextA(HWND hwnd, LPCSTR text)
{
    if (!IsWindow(hwnd))
        return FALSE;
    return static_cast<BOOL>(SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)));
}

DWORD WINAPI GetWindowThreadProcessId(HWND hwnd, LPDWORD processId)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (processId)
        *processId = w ? GetCurrentProcessId() : 0;
    return w ? w->threadId : 0;
}

BOOL WINAPI SetPropA(HWND hwnd, LPCSTR name, HANDLE data)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w || !name)
        return FALSE;
    const std::string key = IS_INTRESOURCE(name)
                                ? "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name))
                                : std::string(name);
    for (auto& p : w->props)
        if (lstrcmpiA(p.first.c_str(), key.c_str()) == 0)
        {
            p.second = data;
            return TRUE;
        }
    w->props.emplace_back(key, data);
    return TRUE;
}

namespace
{
HANDLE PropOp(HWND hwnd, LPCSTR name, bool remove)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w || !name)
        return nullptr;
    const std::string key = IS_INTRESOURCE(name)
                                ? "#" + std::to_string(reinterpret_cast<std::uintptr_t>(name))
                                : std::string(name);
    for (auto it = w->props.begin(); it != w->props.end(); ++it)
        if (lstrcmpiA(it->first.c_str(), key.c_str()) == 0)
        {
            HANDLE h = it->second;
            if (remove)
                w->props.erase(it);
            return h;
        }
    return nullptr;
}
} // namespace

HANDLE WINAPI GetPropA(HWND hwnd, LPCSTR name)
{
    return PropOp(hwnd, name, false);
}

HANDLE WINAPI RemovePropA(HWND hwnd, LPCSTR name)
{
    return PropOp(hwnd, name, true);
}

namespace
{
std::vector<HWND> ChildrenOf(Window* parent)
{
    std::vector<HWND> out;
    for (Window* c : parent->children)
        if (!c->dead && !c->destroying)
            out.push_back(c->handle);
    return out;
}

BOOL EnumList(const std::vector<HWND>& list, WNDENUMPROC proc, LPARAM lParam)
{
    for (HWND h : list)
        if (IsWindow(h) && !proc(h, lParam))
            return FALSE;
    return TRUE;
}

void CollectDescendants(Window* parent, std::vector<HWND>& out)
{
    for (Window* c : parent->children)
    {
        if (c->dead)
            continue;
        out.push_back(c->handle);
        CollectDescendants(c, out);
    }
}
} // namespace

BOOL WINAPI EnumWindows(WNDENUMPROC proc, LPARAM lParam)
{
    std::vector<HWND> list;
    {
        std::lock_guard g(Lock());
        list = ChildrenOf(Desktop());
    }
    return EnumList(list, proc, lParam);
}

BOOL WINAPI EnumThreadWindows(DWORD threadId, WNDENUMPROC proc, LPARAM lParam)
{
    std::vector<HWND> list;
    {
        std::lock_guard g(Lock());
        for (Window* c : Desktop()->children)
            if (c->threadId == threadId && !c->dead)
                list.push_back(c->handle);
    }
    return EnumList(list, proc, lParam);
}

BOOL WINAPI EnumChildWindows(HWND parent, WNDENUMPROC proc, LPARAM lParam)
{
    std::vector<HWND> list;
    {
        std::lock_guard g(Lock());
        Window* p = parent ? FromHandle(parent) : Desktop();
        if (!p)
            return FALSE;
        CollectDescendants(p, list);
    }
    return EnumList(list, proc, lParam);
}

HWND WINAPI FindWindowExA(HWND parent, HWND childAfter, LPCSTR className, LPCSTR windowName)
{
    std::lock_guard g(Lock());
    Window* p = parent ? FromHandle(parent) : Desktop();
    if (!p)
        return nullptr;
    WindowClass* wanted = nullptr;
    if (className)
    {
        wanted = FindClass(className, nullptr);
        if (!wanted)
            return nullptr;
    }
    bool started = childAfter == nullptr;
    for (Window* c : p->children)
    {
        if (!started)
        {
            started = c->handle == childAfter;
            continue;
        }
        if (c->dead || c->destroying)
            continue;
        if (wanted && c->cls->name != wanted->name)
            continue;
        if (windowName && lstrcmpiA(c->text.c_str(), windowName) != 0)
            continue;
        return c->handle;
    }
    return nullptr;
}

HWND WINAPI FindWindowA(LPCSTR className, LPCSTR windowName)
{
    return FindWindowExA(nullptr, nullptr, className, windowName);
}
