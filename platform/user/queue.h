// Per-thread message queues: sent, posted and input messages, timers and idle tracking.
#pragma once
#include "user/window.h"

#include <chrono>
#include <condition_variable>
#include <deque>

namespace platform
{

struct SentMessage
{
    HWND hwnd = nullptr;
    UINT msg = 0;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    LRESULT result = 0;
    ThreadQueue* sender = nullptr;
    std::atomic<bool> done{false};
};

// A cross-thread message being handled by its receiver.
struct Incoming
{
    SentMessage* message = nullptr;
    bool replied = false;
};

struct InputEvent
{
    bool keyboard = false;
    WORD vk = 0;
    WORD ch = 0;
    DWORD flags = 0;
    DWORD time = 0;
    POINT pt{};
};

struct Timer
{
    HWND hwnd = nullptr;
    UINT_PTR id = 0;
    UINT elapse = 0;
    TIMERPROC proc = nullptr;
    std::chrono::steady_clock::time_point due;
};

struct Hook
{
    int kind = 0;
    HOOKPROC proc = nullptr;
    HHOOK handle = nullptr;
};

struct ThreadQueue
{
    DWORD threadId = 0;

    std::mutex mutex;
    std::condition_variable wake;
    std::condition_variable idleChanged;
    // Number of queued sent, posted and input messages; read without the mutex while spinning.
    std::atomic<int> pending{0};
    bool sleeping = false;
    bool waiting = false;
    int idleWaiters = 0;
    bool exiting = false;

    std::deque<SentMessage*> sent;
    std::deque<MSG> posted;
    std::deque<InputEvent> input;
    std::vector<Timer> timers;
    bool quit = false;
    int quitCode = 0;
    // Mirrors of quit and !timers.empty() that a thread reads without locks before it waits.
    std::atomic<bool> quitPending{false};
    std::atomic<bool> hasTimers{false};

    // State that only this thread changes; other threads read it under the window manager lock.
    HWND focus = nullptr;
    HWND active = nullptr;
    HWND capture = nullptr;
    HWND moveSize = nullptr;
    BYTE keys[256] = {};
    Incoming* current = nullptr;
    LONG messageTime = 0;
    POINT messagePos{};
    HWND lastClickWindow = nullptr;
    UINT lastClickMessage = 0;
    DWORD lastClickTime = 0;
    POINT lastClickPoint{};
    std::vector<Hook> hooks;
    std::vector<MSG> deferredChars;

    void Push(SentMessage* m);
    void Post(const MSG& m, bool front = false);
    void PushInput(const InputEvent& e);
    // Wakes this thread if it sleeps; the caller holds the mutex.
    void NotifyLocked();
};

// Waits until something arrives for the calling thread or the deadline passes.
void WaitForWork(ThreadQueue* q, std::chrono::steady_clock::time_point deadline);
// Handles every cross-thread message waiting for the calling thread.
bool ProcessSentMessages(ThreadQueue* q);
// Turns the next input event into a message; false when none is ready.
bool NextInputMessage(ThreadQueue* q, MSG* msg, HWND filter, UINT min, UINT max, bool remove);
std::shared_ptr<ThreadQueue> QueueOfThread(DWORD threadId);
DWORD NowMs();

} // namespace platform
