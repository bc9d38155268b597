// A user-interface thread for tests, scripts and host programs: it runs a message loop with a
// main window, and other threads run functions on it the way a host calls a module.
#pragma once
#include <windows.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace platform
{

class __attribute__((visibility("default"))) UiThread
{
public:
    // Starts the thread with a visible, active main window titled mainTitle.
    explicit UiThread(const char* mainTitle = "Main Window");
    // Closes the main window, ends the loop and joins the thread.
    ~UiThread();
    UiThread(const UiThread&) = delete;
    UiThread& operator=(const UiThread&) = delete;

    DWORD Id() const { return threadId; }
    HWND MainWindow() const { return mainWindow; }

    // Runs fn on the thread and returns its result; works while the thread sits in a modal loop.
    LRESULT Run(const std::function<LRESULT()>& fn);
    // Starts fn on the thread without waiting (fn may show a modal dialog); Finish waits for it.
    void Begin(std::function<LRESULT()> fn);
    // Waits until the function started with Begin returns; false on timeout.
    bool Finish(LRESULT* result = nullptr, DWORD timeoutMs = 30000);
    // Waits until the thread waits for messages with nothing queued.
    bool WaitIdle(DWORD timeoutMs = 30000) const;

private:
    static LRESULT CALLBACK ControlProc(HWND, UINT, WPARAM, LPARAM);
    void Main();

    std::thread thread;
    DWORD threadId = 0;
    HWND mainWindow = nullptr;
    HWND control = nullptr;
    std::mutex mutex;
    std::condition_variable changed;
    bool ready = false;
    int running = 0;
    bool finished = false;
    LRESULT result = 0;
};

} // namespace platform
