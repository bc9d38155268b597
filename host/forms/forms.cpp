// The host's input forms: LoadForm opens a window that names the form, RefreshForms is
// recorded, and the host program reads both back.
//
// Does not do:
// - Show or edit any data: a form names its path and class and nothing more.
// - Refresh anything: RefreshForms only records that it was asked.
// - MDI: the host's forms are top-level windows owned by the host's main window (the root
//   owner of the calling window), kept below the window that opened them so that a modal
//   dialog stays in front, as it would in front of a disabled host.
#include "vxforms.h"
#include "vxhost.h"

#include <algorithm>
#include <mutex>
#include <set>

namespace
{

const char kFormClassName[] = "VxInputForm";
// The size of a form window: wide enough for a long form class name.
constexpr int kFormWidth = 480;
constexpr int kFormHeight = 120;

struct FormsState
{
    std::mutex mutex;
    std::vector<vxforms::LoadFormCall> loadCalls;
    std::vector<vxforms::RefreshFormsCall> refreshCalls;
    std::set<std::string> unavailable;
    std::vector<HWND> open;
};

FormsState& State()
{
    static auto* state = new FormsState;
    return *state;
}

LRESULT CALLBACK FormWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCDESTROY)
    {
        std::lock_guard lock(State().mutex);
        auto& open = State().open;
        open.erase(std::remove(open.begin(), open.end(), hwnd), open.end());
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterFormClass()
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = FormWndProc;
        wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = ::GetSysColorBrush(COLOR_BTNFACE);
        wc.lpszClassName = kFormClassName;
        return ::RegisterClassA(&wc) != 0;
    }();
    (void)registered;
}

void AddLine(HWND form, int y, const std::string& text)
{
    ::CreateWindowExA(0, "Static", text.c_str(), WS_CHILD | WS_VISIBLE | SS_LEFT, 12, y,
                      kFormWidth - 36, 13, form, nullptr, nullptr, nullptr);
}

HWND OpenFormWindow(HWND caller, const vxforms::LoadFormCall& call)
{
    RegisterFormClass();
    HWND topLevel = caller != nullptr ? ::GetAncestor(caller, GA_ROOT) : nullptr;
    HWND owner = caller != nullptr ? ::GetAncestor(caller, GA_ROOTOWNER) : nullptr;
    int x = call.hasPosition ? call.position.x : 40;
    int y = call.hasPosition ? call.position.y : 40;
    HWND form = ::CreateWindowExA(0, kFormClassName, call.title.c_str(), WS_OVERLAPPEDWINDOW, x, y,
                                  kFormWidth, kFormHeight, owner, nullptr, nullptr, nullptr);
    if (form == nullptr)
        return nullptr;
    AddLine(form, 12, "Path: " + call.path);
    AddLine(form, 32, "Form: " + call.formClass);
    {
        std::lock_guard lock(State().mutex);
        State().open.push_back(form);
    }
    // Shown without taking the activation, just below the window that asked for it.
    HWND insertAfter = topLevel != nullptr && topLevel != owner ? topLevel : HWND_TOP;
    ::SetWindowPos(form, insertAfter, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    return form;
}

} // namespace

namespace vxforms
{

int CDECL LoadForm(CWnd* pOwner, const char* path, const char* formClass, int flag, RECT* pPosition,
                   const char* title, int last)
{
    LoadFormCall call;
    call.owner = pOwner != nullptr ? pOwner->GetSafeHwnd() : nullptr;
    call.path = path != nullptr ? path : "";
    call.formClass = formClass != nullptr ? formClass : "";
    call.flag = flag;
    if (pPosition != nullptr)
    {
        call.position = {pPosition->left, pPosition->top};
        call.hasPosition = true;
    }
    call.title = title != nullptr ? title : "";
    call.last = last;
    bool available;
    {
        std::lock_guard lock(State().mutex);
        available = State().unavailable.count(call.formClass) == 0;
    }
    call.result = available && OpenFormWindow(call.owner, call) != nullptr ? 1 : 0;
    std::lock_guard lock(State().mutex);
    State().loadCalls.push_back(call);
    return call.result;
}

int CDECL RefreshForms(int what, int how)
{
    std::lock_guard lock(State().mutex);
    State().refreshCalls.push_back({what, how});
    return 0;
}

void Publish()
{
    vxhost::PublishItem("LoadForm", reinterpret_cast<void*>(&LoadForm));
    vxhost::PublishItem("RefreshForms", reinterpret_cast<void*>(&RefreshForms));
}

std::vector<LoadFormCall> LoadFormCalls()
{
    std::lock_guard lock(State().mutex);
    return State().loadCalls;
}

std::vector<RefreshFormsCall> RefreshFormsCalls()
{
    std::lock_guard lock(State().mutex);
    return State().refreshCalls;
}

void SetFormClassAvailable(const char* formClass, bool available)
{
    if (formClass == nullptr)
        return;
    std::lock_guard lock(State().mutex);
    if (available)
        State().unavailable.erase(formClass);
    else
        State().unavailable.insert(formClass);
}

std::vector<HWND> OpenForms()
{
    std::lock_guard lock(State().mutex);
    return State().open;
}

void CloseForm(HWND form)
{
    ::SendMessageA(form, WM_CLOSE, 0, 0);
}

void CloseAllForms()
{
    for (HWND form : OpenForms())
        CloseForm(form);
}

void Reset()
{
    CloseAllForms();
    std::lock_guard lock(State().mutex);
    State().loadCalls.clear();
    State().refreshCalls.clear();
    State().unavailable.clear();
}

} // namespace vxforms
