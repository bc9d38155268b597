// AppHost: an MFC application on a thread of its own, with a way for other threads to run code
// inside that thread's message loops.
//
// Does NOT do:
// - Command lines: m_lpCmdLine is an empty string.
// - Run tasks after the application has ended: they are destroyed unrun (their futures report
//   a broken promise).
#include <afxwin.h>
#include <platform/apphost.h>

#include <memory>

namespace
{

const char kTaskWindowClass[] = "PlatformAppHostTasks";
const char kMainWindowClass[] = "PlatformAppHostMain";

// A private message of the task window: lParam owns a std::function<void()>.
constexpr UINT kRunTask = WM_USER + 0x100;

char g_emptyCommandLine[] = "";

LRESULT CALLBACK TaskWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kRunTask)
    {
        std::unique_ptr<std::function<void()>> task(
            reinterpret_cast<std::function<void()>*>(lParam));
        (*task)();
        return 0;
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Destroying the application's main window ends the application, as MFC's main windows do.
LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCDESTROY)
    {
        CWinThread* thread = AfxGetThread();
        if (thread != nullptr && thread->m_pMainWnd != nullptr &&
            thread->m_pMainWnd->m_hWnd == hwnd)
            AfxPostQuitMessage(0);
    }
    return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterHostClasses(HINSTANCE instance)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = TaskWindowProc;
    wc.hInstance = instance;
    wc.lpszClassName = kTaskWindowClass;
    ::RegisterClassA(&wc); // fails harmlessly when an earlier host registered it
    wc.lpfnWndProc = MainWindowProc;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
    wc.hCursor = ::LoadCursorA(nullptr, IDC_ARROW);
    wc.lpszClassName = kMainWindowClass;
    ::RegisterClassA(&wc);
}

} // namespace

namespace platform
{

AppHost::AppHost(CWinApp& app) : AppHost(app, Options{}) {}

AppHost::AppHost(CWinApp& app, const Options& options)
{
    std::promise<void> started;
    std::future<void> ready = started.get_future();
    m_thread = std::thread([this, &app, options, &started] { Run(app, options, started); });
    ready.wait();
}

AppHost::~AppHost()
{
    Quit();
}

void AppHost::Run(CWinApp& app, Options options, std::promise<void>& started)
{
    HINSTANCE instance =
        options.instance != nullptr ? options.instance : ::GetModuleHandleA(nullptr);
    AfxWinInit(instance, nullptr, g_emptyCommandLine, SW_SHOWNORMAL);
    m_threadId = ::GetCurrentThreadId();
    RegisterHostClasses(instance);
    m_taskWindow = ::CreateWindowExA(0, kTaskWindowClass, "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                     nullptr, instance, nullptr);
    {
        std::lock_guard lock(m_taskMutex);
        m_accepting = m_taskWindow != nullptr;
    }

    // The host's main window is attached to a CWnd that the host owns; an application that
    // makes its own main window in InitInstance keeps it.
    CWnd hostWindow;
    BOOL initialized = app.InitApplication() && app.InitInstance();
    if (initialized && app.m_pMainWnd == nullptr && options.createMainWindow)
    {
        HWND hwnd = ::CreateWindowExA(0, kMainWindowClass, options.mainWindowTitle,
                                      WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 640, 480, nullptr,
                                      nullptr, instance, nullptr);
        if (hwnd != nullptr)
        {
            hostWindow.Attach(hwnd);
            app.m_pMainWnd = &hostWindow;
        }
    }
    m_initialized = initialized;
    m_mainWindow = app.m_pMainWnd != nullptr ? app.m_pMainWnd->m_hWnd : nullptr;
    started.set_value();

    if (initialized)
    {
        m_exitCode = app.Run();
    }
    else
    {
        if (app.m_pMainWnd != nullptr && app.m_pMainWnd->m_hWnd != nullptr)
            ::DestroyWindow(app.m_pMainWnd->m_hWnd);
        m_exitCode = app.ExitInstance();
    }

    // Tasks that arrive from now on are refused; those already queued are dropped unrun.
    {
        std::lock_guard lock(m_taskMutex);
        m_accepting = false;
    }
    MSG msg;
    while (m_taskWindow != nullptr &&
           ::PeekMessageA(&msg, m_taskWindow, kRunTask, kRunTask, PM_REMOVE))
        delete reinterpret_cast<std::function<void()>*>(msg.lParam);

    if (app.m_pMainWnd == &hostWindow)
        app.m_pMainWnd = nullptr;
    if (hostWindow.m_hWnd != nullptr)
    {
        HWND hwnd = hostWindow.Detach();
        if (::IsWindow(hwnd))
            ::DestroyWindow(hwnd);
    }
    if (m_taskWindow != nullptr)
        ::DestroyWindow(m_taskWindow);
    AfxWinTerm();
}

void AppHost::PostTask(std::function<void()> task)
{
    auto owned = std::make_unique<std::function<void()>>(std::move(task));
    std::lock_guard lock(m_taskMutex);
    if (m_accepting &&
        ::PostMessageA(m_taskWindow, kRunTask, 0, reinterpret_cast<LPARAM>(owned.get())))
        owned.release();
}

int AppHost::Quit()
{
    if (m_thread.joinable())
    {
        PostTask([] {
            // A quit that the application asked for already keeps its exit code.
            MSG pending;
            if (!::PeekMessageA(&pending, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE))
                AfxPostQuitMessage(0);
        });
        m_thread.join();
    }
    return m_exitCode;
}

} // namespace platform
