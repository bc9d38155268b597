// Waiting for the user-interface threads: idle waits, conditions, and the shared timeout.
//
// Does not do: waiting on a thread that never pumps messages (it times out like any other
// wait), or telling why a thread is busy beyond what GetGUIThreadInfo shows.

#include "automation/common.h"
#include "platform/user.h"
#include "user/queue.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

namespace platform::automation
{
namespace
{

using Clock = std::chrono::steady_clock;

thread_local std::string t_failure;

// The slice a wait spends blocked before it looks after the calling thread's own messages.
constexpr DWORD kSliceMs = 50;

bool QueueGone(DWORD threadId)
{
    auto q = QueueOfThread(threadId);
    if (!q)
        return true;
    std::lock_guard g(q->mutex);
    return q->exiting;
}

// Handles messages that other threads send to the calling thread while it waits, as a thread
// blocked in MsgWaitForMultipleObjects would; a user-interface thread that sends to a window of
// the test's own thread would otherwise never become idle.
void ServeOwnSentMessages()
{
    MSG m;
    PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE);
}

// Runs the calling thread's own queue until nothing is left in it: the test thread owns the
// window it acts on, so nobody else will.
void PumpOwnQueue()
{
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
    {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
}

std::string BusyDescription(DWORD threadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(threadId, &info))
        return "";
    std::string s;
    if (info.hwndActive)
        s += "; its active window is " + Describe(info.hwndActive);
    if (info.hwndFocus)
        s += "; its focus is " + Describe(info.hwndFocus);
    if (info.hwndCapture)
        s += "; it has captured the mouse for " + Describe(info.hwndCapture);
    if (info.flags & GUI_INMOVESIZE)
        s += "; it is moving or sizing a window";
    return s;
}

} // namespace

bool Fail(std::string why)
{
    t_failure = std::move(why);
    return false;
}

const std::string& LastFailure()
{
    return t_failure;
}

DWORD DefaultTimeout()
{
    static const DWORD timeout = [] {
        if (const char* env = std::getenv("QUARNEL_TEST_TIMEOUT_MS"))
        {
            char* end = nullptr;
            const unsigned long v = std::strtoul(env, &end, 10);
            if (end != env && *end == '\0' && v > 0)
                return static_cast<DWORD>(v);
        }
        return DWORD{30000};
    }();
    return timeout;
}

DWORD ThreadOf(HWND hwnd)
{
    return hwnd ? GetWindowThreadProcessId(hwnd, nullptr) : 0;
}

std::string StoredText(HWND hwnd)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    return w ? w->text : std::string();
}

bool WaitIdleThread(DWORD threadId, DWORD timeoutMs)
{
    if (threadId == GetCurrentThreadId())
    {
        PumpOwnQueue();
        return true;
    }
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;)
    {
        // A thread that has ended, or is ending, has nothing left to do for anyone.
        if (QueueGone(threadId))
            return true;
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        const DWORD slice =
            static_cast<DWORD>(std::max<long long>(0, std::min<long long>(left, kSliceMs)));
        if (PlatformWaitForIdle(threadId, slice))
            return true;
        if (Clock::now() >= deadline)
            break;
        ServeOwnSentMessages();
    }
    return Fail("thread " + std::to_string(threadId) + " did not become idle within " +
                std::to_string(timeoutMs) + " ms" + BusyDescription(threadId));
}

bool WaitIdle(HWND hwnd, DWORD timeoutMs)
{
    const DWORD thread = ThreadOf(hwnd);
    if (!thread)
        return Fail("cannot wait for the thread of " + Describe(hwnd) + ": it is not a window");
    return WaitIdleThread(thread, timeoutMs);
}

bool Settle(std::initializer_list<DWORD> threads, const std::string& what)
{
    std::vector<DWORD> done;
    for (DWORD t : threads)
    {
        if (!t || std::find(done.begin(), done.end(), t) != done.end())
            continue;
        done.push_back(t);
        if (!WaitIdleThread(t, DefaultTimeout()))
            return Fail(what + ": " + LastFailure());
    }
    return true;
}

bool WaitUntil(const std::function<bool()>& condition, const char* description, DWORD timeoutMs,
               DWORD threadId)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    const auto msLeft = [&] {
        return std::max<long long>(
            0, std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now())
                   .count());
    };
    // The condition is read on this thread while the user-interface thread may be halfway
    // through the handler that made it true; a caller reads the rest of the screen next, so the
    // wait ends only once that thread is idle again, as a person sees the screen between
    // messages. A thread that stays busy does not turn a condition that held into a failure.
    const auto held = [&](DWORD ui) {
        if (ui && ui != GetCurrentThreadId())
            WaitIdleThread(ui, static_cast<DWORD>(std::max<long long>(msLeft(), kSliceMs)));
        return true;
    };
    for (;;)
    {
        const DWORD ui = threadId ? threadId : PlatformForegroundThread();
        if (condition())
            return held(ui);
        if (Clock::now() >= deadline)
            break;
        if (ui && ui != GetCurrentThreadId() && !QueueGone(ui))
            PlatformWaitForIdle(ui, static_cast<DWORD>(std::min<long long>(msLeft(), kSliceMs)));
        if (condition())
            return held(ui);
        // The condition may hang on another thread than the one awaited (a worker, a timer);
        // give it a moment rather than spinning.
        ServeOwnSentMessages();
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return Fail(std::string("timed out after ") + std::to_string(timeoutMs) + " ms waiting until " +
                (description ? description : "a condition held"));
}

bool WaitForClose(HWND hwnd, DWORD timeoutMs)
{
    const std::string who = Describe(hwnd);
    if (WaitUntil([hwnd] { return !IsWindow(hwnd) || !IsWindowVisible(hwnd); }, "", timeoutMs,
                  ThreadOf(hwnd)))
        return true;
    return Fail(who + " was still open after " + std::to_string(timeoutMs) + " ms");
}

} // namespace platform::automation
