// Running an MFC application on a user-interface thread of its own, the way a host program runs
// one, so that tests (and the interactive host) can play both the host and the user.
//
//     struct TestApp : CWinApp { TestApp() : CWinApp("Test") {} };
//     TestApp app;                          // any thread may construct it
//     platform::AppHost host(app);          // app thread: AfxWinInit, InitInstance, main window
//     HMODULE m = host.Call([] { return LoadLibraryA("quarnel.dll"); });
//     auto shown = host.Post([] { return ShowSomething(); });   // e.g. runs a modal dialog
//     ... drive the dialog from this thread, then shown.get() ...
//     host.Quit();                          // or let the destructor do it
//
// Post and Call work while the application thread sits in any message loop: its own, a modal
// dialog's or a message box's, because the work arrives as a message to a hidden window of that
// thread.
#pragma once

#include <afxwin.h>

#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>
#include <utility>

namespace platform
{

class AFX_CORE_DATA AppHost
{
public:
    struct Options
    {
        // AfxWinInit's instance: the module whose resources the application uses. NULL: the
        // program's module.
        HINSTANCE instance = nullptr;
        // When InitInstance leaves m_pMainWnd NULL, the host gives the application a visible
        // overlapped main window with this title (destroying it ends the application, as with
        // an MFC main window). Set createMainWindow false for a windowless application, which
        // CWinApp::Run then ends at once.
        bool createMainWindow = true;
        const char* mainWindowTitle = "Host";
    };

    // Starts the application thread and returns once InitInstance has returned there.
    explicit AppHost(CWinApp& app);
    AppHost(CWinApp& app, const Options& options);
    // Quits the application if it still runs and waits for its thread to end.
    ~AppHost();
    AppHost(const AppHost&) = delete;
    AppHost& operator=(const AppHost&) = delete;

    // InitInstance's result. When FALSE the thread has run ExitInstance and ended.
    BOOL Initialized() const { return m_initialized; }
    DWORD ThreadId() const { return m_threadId; }
    // The application's main window (the host's own or the one InitInstance made).
    HWND MainWindow() const { return m_mainWindow; }

    // Runs fn on the application thread and hands back its result (or exception) through the
    // future.
    template <class F> auto Post(F fn) -> std::future<std::invoke_result_t<F&>>
    {
        using Result = std::invoke_result_t<F&>;
        auto task = std::make_shared<std::packaged_task<Result()>>(std::move(fn));
        std::future<Result> result = task->get_future();
        PostTask([task] { (*task)(); });
        return result;
    }

    // Post, then wait for the result. Do not Call something that waits for the calling thread.
    template <class F> auto Call(F fn) -> std::invoke_result_t<F&>
    {
        return Post(std::move(fn)).get();
    }

    // Ends the application's message loop as PostQuitMessage(0) on its thread would, waits for
    // the thread to end and returns ExitInstance's result. Later calls return the same value.
    int Quit();

private:
    // Queues task for the application thread. A task that cannot be delivered (the thread has
    // ended) is destroyed unrun, which breaks the promise of its future.
    void PostTask(std::function<void()> task);
    void Run(CWinApp& app, Options options, std::promise<void>& started);

    std::thread m_thread;
    // Guards m_accepting: tasks are posted only while the application thread will run them.
    std::mutex m_taskMutex;
    bool m_accepting = false;
    BOOL m_initialized = FALSE;
    DWORD m_threadId = 0;
    HWND m_mainWindow = nullptr;
    HWND m_taskWindow = nullptr;
    int m_exitCode = 0;
};

} // namespace platform
