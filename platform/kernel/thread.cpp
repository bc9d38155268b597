// Threads and time: thread and process ids, the per-thread last error, GetTickCount, Sleep and
// OutputDebugStringA.
//
// Thread ids are small numbers handed out in the order threads first ask for one, starting at 1;
// they are unique for the life of the process (never reused), which the window manager relies on
// to tell message queues apart.
//
// Does not do:
// - A debugger channel: OutputDebugStringA writes to stderr, and only when the environment
//   variable QUARNEL_DEBUG is set; otherwise the text is dropped.
// - Alertable sleeps (SleepEx) or thread handles.

#include <windows.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace
{

std::atomic<DWORD> g_nextThreadId{1};
thread_local DWORD t_threadId = 0;
thread_local DWORD t_lastError = 0;

} // namespace

DWORD WINAPI GetCurrentThreadId()
{
    if (t_threadId == 0)
        t_threadId = g_nextThreadId.fetch_add(1, std::memory_order_relaxed);
    return t_threadId;
}

DWORD WINAPI GetCurrentProcessId()
{
    return static_cast<DWORD>(getpid());
}

DWORD WINAPI GetTickCount()
{
    // Milliseconds of a monotonic clock, wrapping at 2^32 like the Windows counter.
    auto since = std::chrono::steady_clock::now().time_since_epoch();
    auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(since).count();
    return static_cast<DWORD>(static_cast<std::uint64_t>(ms));
}

void WINAPI Sleep(DWORD milliseconds)
{
    if (milliseconds == 0)
    {
        // Gives up the rest of the time slice, as Sleep(0) does.
        std::this_thread::yield();
        return;
    }
    if (milliseconds == INFINITE)
    {
        for (;;)
            pause();
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

DWORD WINAPI GetLastError()
{
    return t_lastError;
}

void WINAPI SetLastError(DWORD error)
{
    t_lastError = error;
}

void WINAPI OutputDebugStringA(LPCSTR text)
{
    if (!text || !std::getenv("QUARNEL_DEBUG"))
        return;
    std::fputs(text, stderr);
    std::fflush(stderr);
}
