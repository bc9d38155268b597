// The user-interface thread behind tests and scripts.
//
// Does not do: more than one main window, or restarting after the loop has ended.

#include "platform/ui_thread.h"
#include "platform/user.h"

namespace platform
{
namespace
{

constexpr UINT kRunNow = WM_APP + 0x100;
constexpr UINT kRunLater = WM_APP + 0x101;

struct Job
{
    std::function<LRESULT()> fn;
};

ATOM RegisterClasses()
{
    static ATOM atom = [] {
        WNDCLASSA main{};
        main.lpfnWndProc = DefWindowProcA;
        main.lpszClassName = "PlatformMainWindow";
        main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        main.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        main.style = CS_DBLCLKS;
        RegisterClassA(&main);
        WNDCLASSA control{};
        control.lpfnWndProc = DefWindowProcA;
        control.lpszClassName = "PlatformUiThreadControl";
        return RegisterClassA(&control);
    }();
    return atom;
}

} // namespace

UiThread::UiThread(const char* mainTitle)
{
    RegisterClasses();
    std::string title = mainTitle ? mainTitle : "";
    thread = std::thread([this, title] {
        threadId = GetCurrentThreadId();
        mainWindow = CreateWindowExA(0, "PlatformMainWindow", title.c_str(),
                                     WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                                     nullptr, nullptr, nullptr);
        control = CreateWindowExA(0, "PlatformUiThreadControl", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                  nullptr, nullptr, nullptr);
        SetWindowLongPtrA(control, GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(&UiThread::ControlProc));
        SetWindowLongPtrA(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(mainWindow);
        {
            std::lock_guard g(mutex);
            ready = true;
        }
        changed.notify_all();
        Main();
    });
    std::unique_lock l(mutex);
    changed.wait(l, [this] { return ready; });
}

UiThread::~UiThread()
{
    Run([this] {
        if (IsWindow(mainWindow))
            DestroyWindow(mainWindow);
        DestroyWindow(control);
        PostQuitMessage(0);
        return LRESULT{0};
    });
    thread.join();
}

void UiThread::Main()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0))
    {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

LRESULT CALLBACK UiThread::ControlProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kRunNow)
        return (*reinterpret_cast<const std::function<LRESULT()>*>(lParam))();
    if (msg == kRunLater)
    {
        auto* self = reinterpret_cast<UiThread*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        std::unique_ptr<Job> job(reinterpret_cast<Job*>(lParam));
        const LRESULT r = job->fn();
        {
            std::lock_guard g(self->mutex);
            --self->running;
            self->finished = true;
            self->result = r;
        }
        self->changed.notify_all();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT UiThread::Run(const std::function<LRESULT()>& fn)
{
    if (GetCurrentThreadId() == threadId)
        return fn();
    return SendMessageA(control, kRunNow, 0, reinterpret_cast<LPARAM>(&fn));
}

void UiThread::Begin(std::function<LRESULT()> fn)
{
    {
        std::lock_guard g(mutex);
        ++running;
        finished = false;
    }
    PostMessageA(control, kRunLater, 0, reinterpret_cast<LPARAM>(new Job{std::move(fn)}));
}

bool UiThread::Finish(LRESULT* out, DWORD timeoutMs)
{
    std::unique_lock l(mutex);
    if (!changed.wait_for(l, std::chrono::milliseconds(timeoutMs), [this] { return finished; }))
        return false;
    finished = running > 0 ? false : finished;
    if (out)
        *out = result;
    return true;
}

bool UiThread::WaitIdle(DWORD timeoutMs) const
{
    return PlatformWaitForIdle(threadId, timeoutMs);
}

} // namespace platform
