// HtmlHelpA: the help viewer as the rest of the system sees it. One top-level window of class
// "HH Parent", without an owner, whose title names the file and the topic asked for
// ("C:\help\cmpnts.chm#1234" for a context number, "C:\help\cmpnts.chm::/intro.htm" for a
// topic); asking again retitles the same window and brings it to the front. The user closes it
// with its close box or the Escape key, a program with HH_CLOSE_ALL.
//
// Does not do: reading compiled help files (the file need not exist, and no error is shown when
// it does not), contents, index, search or navigation inside the viewer (HH_DISPLAY_TOC,
// HH_DISPLAY_INDEX and HH_DISPLAY_SEARCH only show the file's title), window types (a ">name"
// suffix stays part of the file name), text popups (HH_DISPLAY_TEXT_POPUP, HH_TP_HELP_*),
// keyword and ALink lookups, HH_GET_WIN_HANDLE, HH_SYNC, information types,
// HH_INITIALIZE / HH_UNINITIALIZE and HH_PRETRANSLATEMESSAGE. Those commands return NULL and
// change nothing.

#include <htmlhelp.h>

#include <mutex>
#include <string>

namespace
{

constexpr const char* kViewerClass = "HH Parent";

// The viewer sits at the right of the screen, where it hides as little of the caller's dialog
// as a window of useful size can.
constexpr RECT kViewerRect{800, 0, 1280, 720};

std::mutex g_mutex;
HWND g_viewer = nullptr; // guarded by g_mutex

void Paint(HWND hwnd, HDC hdc)
{
    char title[1024] = "";
    GetWindowTextA(hwnd, title, sizeof title);
    RECT r{};
    GetClientRect(hwnd, &r);
    InflateRect(&r, -6, -13);
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkMode(hdc, TRANSPARENT);
    DrawTextA(hdc, title, -1, &r, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
}

LRESULT OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    if (HDC hdc = BeginPaint(hwnd, &ps))
    {
        Paint(hwnd, hdc);
        EndPaint(hwnd, &ps);
    }
    return 0;
}

LRESULT OnKeyDown(HWND hwnd, WPARAM key, LPARAM lParam)
{
    if (key == VK_ESCAPE)
    {
        SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        return 0;
    }
    return DefWindowProcA(hwnd, WM_KEYDOWN, key, lParam);
}

void OnNcDestroy(HWND hwnd)
{
    std::lock_guard g(g_mutex);
    if (g_viewer == hwnd)
        g_viewer = nullptr;
}

LRESULT CALLBACK ViewerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_PRINTCLIENT:
        Paint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_KEYDOWN:
        return OnKeyDown(hwnd, wParam, lParam);
    case WM_SETTEXT: {
        const LRESULT r = DefWindowProcA(hwnd, msg, wParam, lParam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return r;
    }
    case WM_NCDESTROY:
        OnNcDestroy(hwnd);
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterViewerClass()
{
    static std::once_flag once;
    std::call_once(once, [] {
        WNDCLASSA wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = ViewerProc;
        wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = kViewerClass;
        RegisterClassA(&wc);
    });
}

bool IsViewer(HWND hwnd)
{
    char name[32] = "";
    return hwnd && IsWindow(hwnd) && GetClassNameA(hwnd, name, sizeof name) &&
           std::string(name) == kViewerClass;
}

HWND CurrentViewer()
{
    std::lock_guard g(g_mutex);
    if (!IsViewer(g_viewer))
        g_viewer = nullptr;
    return g_viewer;
}

void Present(HWND viewer, const std::string& title)
{
    SetWindowTextA(viewer, title.c_str());
    ShowWindow(viewer, SW_SHOW);
    SetForegroundWindow(viewer);
}

HWND Show(const std::string& title)
{
    if (HWND viewer = CurrentViewer())
    {
        Present(viewer, title);
        return viewer;
    }
    RegisterViewerClass();
    // The window is created without holding the lock: creating and activating it sends
    // messages to other threads' windows, and one of those may be asking for help itself.
    HWND created =
        CreateWindowExA(0, kViewerClass, title.c_str(), WS_OVERLAPPEDWINDOW, kViewerRect.left,
                        kViewerRect.top, kViewerRect.right - kViewerRect.left,
                        kViewerRect.bottom - kViewerRect.top, nullptr, nullptr, nullptr, nullptr);
    if (!created)
        return nullptr;
    HWND viewer;
    {
        std::lock_guard g(g_mutex);
        if (!IsViewer(g_viewer))
            g_viewer = created;
        viewer = g_viewer;
    }
    // Another thread opened the viewer meanwhile; there is only ever one.
    if (viewer != created)
        DestroyWindow(created);
    Present(viewer, title);
    return viewer;
}

void CloseViewer()
{
    HWND viewer = CurrentViewer();
    if (!viewer)
        return;
    // Only the viewer's own thread may destroy it; others ask it to close.
    if (GetWindowThreadProcessId(viewer, nullptr) == GetCurrentThreadId())
        DestroyWindow(viewer);
    else
        SendMessageA(viewer, WM_CLOSE, 0, 0);
}

} // namespace

HWND WINAPI HtmlHelpA(HWND caller, LPCSTR file, UINT command, DWORD_PTR data)
{
    switch (command)
    {
    case HH_CLOSE_ALL:
        CloseViewer();
        return nullptr;
    case HH_HELP_CONTEXT:
        if (!file || !*file)
            return nullptr;
        return Show(std::string(file) + "#" + std::to_string(data));
    case HH_DISPLAY_TOPIC: {
        if (!file || !*file)
            return nullptr;
        const char* topic = reinterpret_cast<const char*>(data);
        return Show(topic && *topic ? std::string(file) + "::" + topic : std::string(file));
    }
    case HH_DISPLAY_TOC:
    case HH_DISPLAY_INDEX:
    case HH_DISPLAY_SEARCH:
        if (!file || !*file)
            return nullptr;
        return Show(file);
    }
    return nullptr;
}
