// Message queues: SendMessage within and across threads, posted messages, GetMessage and
// PeekMessage, timers, hooks and idle detection.
//
// Does not do: WM_PAINT generation (windows are drawn on demand with WM_PRINT), message hooks
// other than WH_CBT, SendMessageTimeout's flags (its timeout is honoured), or broadcast of
// posted messages.

#include "user/queue.h"
#include "platform/user.h"

#include <algorithm>
#include <unordered_map>

namespace platform
{
namespace
{

using Clock = std::chrono::steady_clock;

struct Registry
{
    std::mutex mutex;
    std::unordered_map<DWORD, std::shared_ptr<ThreadQueue>> queues;
    std::vector<Hook> globalHooks;
    std::uintptr_t nextHook = 1;
};

Registry& registry()
{
    static Registry* r = new Registry;
    return *r;
}

void Reply(SentMessage* m, LRESULT result)
{
    ThreadQueue* s = m->sender;
    m->result = result;
    std::lock_guard g(s->mutex);
    m->done.store(true, std::memory_order_release);
    if (s->sleeping)
        s->wake.notify_all();
}

// Ends a thread's windows and queue: windows go without messages, since the thread's code is
// gone, and senders still waiting get 0.
struct QueueHolder
{
    std::shared_ptr<ThreadQueue> queue;

    ~QueueHolder()
    {
        if (!queue)
            return;
        ForgetWindowsOfQueue(queue.get());
        std::deque<SentMessage*> pending;
        {
            std::lock_guard g(queue->mutex);
            queue->exiting = true;
            pending.swap(queue->sent);
            queue->idleChanged.notify_all();
        }
        for (SentMessage* m : pending)
            Reply(m, 0);
        std::lock_guard g(registry().mutex);
        registry().queues.erase(queue->threadId);
    }
};

thread_local QueueHolder t_holder;
thread_local ThreadQueue* t_queue = nullptr;

constexpr UINT kRunOnThread = 0xFFFFFFFFu;

void PumpOneSent(ThreadQueue* q, SentMessage* m)
{
    Incoming in{m, false};
    Incoming* saved = q->current;
    q->current = &in;
    LRESULT r = 0;
    if (Window* w = OwnWindow(m->hwnd))
    {
        if (m->msg == kRunOnThread)
            r = (*reinterpret_cast<const std::function<LRESULT()>*>(m->lParam))();
        else
            r = CallProc(w, m->msg, m->wParam, m->lParam);
    }
    q->current = saved;
    if (!in.replied)
        Reply(m, r);
}

bool Matches(const MSG& m, HWND filter, UINT min, UINT max)
{
    if (min || max)
        if (m.message < min || m.message > max)
            return false;
    if (!filter)
        return true;
    if (filter == reinterpret_cast<HWND>(-1))
        return m.hwnd == nullptr;
    return m.hwnd == filter || IsChild(filter, m.hwnd);
}

void Spin(ThreadQueue* q, const std::atomic<bool>* done)
{
    // Spinning briefly before sleeping keeps a cross-thread SendMessage round trip near the cost
    // of a cache-line transfer instead of two futex wake-ups.
    const auto until = Clock::now() + std::chrono::microseconds(50);
    for (int i = 0;; ++i)
    {
        if (q->pending.load(std::memory_order_acquire) > 0)
            return;
        if (done && done->load(std::memory_order_acquire))
            return;
#if defined(__x86_64__) || defined(__i386__)
        __builtin_ia32_pause();
#endif
        if ((i & 63) == 63 && Clock::now() > until)
            return;
    }
}

bool TakeTimer(ThreadQueue* q, HWND filter, UINT min, UINT max, MSG* msg, bool remove)
{
    const auto now = Clock::now();
    for (Timer& t : q->timers)
    {
        if (t.due > now)
            continue;
        MSG m{t.hwnd, WM_TIMER, t.id, reinterpret_cast<LPARAM>(t.proc), NowMs(), {}};
        if (!Matches(m, filter, min, max))
            continue;
        if (remove)
            t.due = now + std::chrono::milliseconds(std::max<UINT>(t.elapse, 1));
        *msg = m;
        return true;
    }
    return false;
}

Clock::time_point NextTimer(ThreadQueue* q)
{
    auto next = Clock::time_point::max();
    for (const Timer& t : q->timers)
        next = std::min(next, t.due);
    return next;
}

// Looks for a message in order: sent, posted, quit, input, timers.
bool FindMessage(ThreadQueue* q, MSG* msg, HWND filter, UINT min, UINT max, UINT flags)
{
    ProcessSentMessages(q);
    const bool remove = (flags & PM_REMOVE) != 0;
    // Nothing queued and no timers: the common case of a thread about to wait.
    if (q->pending.load(std::memory_order_acquire) == 0 &&
        !q->quitPending.load(std::memory_order_acquire) &&
        !q->hasTimers.load(std::memory_order_acquire))
        return false;
    {
        std::lock_guard g(q->mutex);
        for (auto it = q->posted.begin(); it != q->posted.end(); ++it)
            if (Matches(*it, filter, min, max))
            {
                *msg = *it;
                if (remove)
                {
                    q->posted.erase(it);
                    q->pending.fetch_sub(1);
                }
                return true;
            }
        if (q->quit && ((!min && !max) || (min <= WM_QUIT && WM_QUIT <= max)))
        {
            *msg = MSG{nullptr, WM_QUIT, static_cast<WPARAM>(q->quitCode), 0, NowMs(), {}};
            if (remove)
            {
                q->quit = false;
                q->quitPending.store(false, std::memory_order_release);
            }
            return true;
        }
    }
    if (NextInputMessage(q, msg, filter, min, max, remove))
        return true;
    std::lock_guard g(Lock());
    return TakeTimer(q, filter, min, max, msg, remove);
}

} // namespace

DWORD NowMs()
{
    return GetTickCount();
}

ThreadQueue* CurrentQueue()
{
    if (t_queue)
        return t_queue;
    auto q = std::make_shared<ThreadQueue>();
    q->threadId = GetCurrentThreadId();
    {
        std::lock_guard g(registry().mutex);
        registry().queues[q->threadId] = q;
    }
    t_holder.queue = q;
    t_queue = q.get();
    return t_queue;
}

std::shared_ptr<ThreadQueue> QueueOfThread(DWORD threadId)
{
    std::lock_guard g(registry().mutex);
    auto it = registry().queues.find(threadId);
    return it == registry().queues.end() ? nullptr : it->second;
}

LRESULT RunOnWindowThread(HWND hwnd, const std::function<LRESULT()>& fn)
{
    if (OwnWindow(hwnd))
        return fn();
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, kRunOnThread, 0, reinterpret_cast<LPARAM>(&fn), 0, 0, &result);
    return static_cast<LRESULT>(result);
}

void ThreadQueue::NotifyLocked()
{
    if (sleeping)
        wake.notify_all();
}

void ThreadQueue::Push(SentMessage* m)
{
    std::lock_guard g(mutex);
    sent.push_back(m);
    pending.fetch_add(1, std::memory_order_release);
    NotifyLocked();
}

void ThreadQueue::Post(const MSG& m, bool front)
{
    std::lock_guard g(mutex);
    if (front)
        posted.push_front(m);
    else
        posted.push_back(m);
    pending.fetch_add(1, std::memory_order_release);
    NotifyLocked();
}

void ThreadQueue::PushInput(const InputEvent& e)
{
    std::lock_guard g(mutex);
    input.push_back(e);
    pending.fetch_add(1, std::memory_order_release);
    NotifyLocked();
}

bool ProcessSentMessages(ThreadQueue* q)
{
    bool any = false;
    for (;;)
    {
        SentMessage* m;
        {
            std::lock_guard g(q->mutex);
            if (q->sent.empty())
                return any;
            m = q->sent.front();
            q->sent.pop_front();
            q->pending.fetch_sub(1);
        }
        any = true;
        PumpOneSent(q, m);
    }
}

void WaitForWork(ThreadQueue* q, Clock::time_point deadline)
{
    {
        std::lock_guard g(q->mutex);
        q->waiting = true;
        if (q->idleWaiters)
            q->idleChanged.notify_all();
    }
    Spin(q, nullptr);
    std::unique_lock l(q->mutex);
    while (q->pending.load() == 0 && Clock::now() < deadline)
    {
        q->sleeping = true;
        if (deadline == Clock::time_point::max())
            q->wake.wait(l);
        else
            q->wake.wait_until(l, deadline);
        q->sleeping = false;
    }
    q->waiting = false;
}

} // namespace platform

using namespace platform;

LRESULT WINAPI SendMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Window* w = OwnWindow(hwnd))
        return CallProc(w, msg, wParam, lParam);
    if (hwnd == HWND_BROADCAST)
    {
        std::vector<HWND> tops;
        {
            std::lock_guard g(Lock());
            for (Window* c : Desktop()->children)
                if (!(c->style & WS_CHILD))
                    tops.push_back(c->handle);
        }
        for (HWND t : tops)
            SendMessageA(t, msg, wParam, lParam);
        return 0;
    }
    DWORD_PTR result = 0;
    SendMessageTimeoutA(hwnd, msg, wParam, lParam, 0, 0, &result);
    return static_cast<LRESULT>(result);
}

LRESULT WINAPI SendMessageTimeoutA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, UINT flags,
                                   UINT timeout, PDWORD_PTR result)
{
    if (result)
        *result = 0;
    if (Window* w = OwnWindow(hwnd))
    {
        const LRESULT r = CallProc(w, msg, wParam, lParam);
        if (result)
            *result = static_cast<DWORD_PTR>(r);
        return TRUE;
    }
    std::shared_ptr<ThreadQueue> target;
    {
        std::lock_guard g(Lock());
        Window* w = FromHandle(hwnd);
        if (!w || w == Desktop())
        {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return 0;
        }
        target = w->sharedQueue;
    }
    if (!target)
        return 0;
    ThreadQueue* self = CurrentQueue();
    SentMessage m;
    m.hwnd = hwnd;
    m.msg = msg;
    m.wParam = wParam;
    m.lParam = lParam;
    m.sender = self;
    {
        std::lock_guard g(target->mutex);
        if (target->exiting)
            return 0;
        target->sent.push_back(&m);
        target->pending.fetch_add(1, std::memory_order_release);
        target->NotifyLocked();
    }
    const auto deadline =
        timeout ? Clock::now() + std::chrono::milliseconds(timeout) : Clock::time_point::max();
    // While waiting, this thread still handles messages that other threads send to it.
    for (;;)
    {
        if (m.done.load(std::memory_order_acquire))
            break;
        if (ProcessSentMessages(self))
            continue;
        Spin(self, &m.done);
        std::unique_lock l(self->mutex);
        if (m.done.load(std::memory_order_acquire))
            break;
        if (!self->sent.empty())
            continue;
        if (Clock::now() >= deadline)
        {
            // Withdraw the message if the receiver has not taken it yet.
            l.unlock();
            std::lock_guard g(target->mutex);
            auto& s = target->sent;
            auto it = std::find(s.begin(), s.end(), &m);
            if (it != s.end())
            {
                s.erase(it);
                target->pending.fetch_sub(1);
                SetLastError(ERROR_TIMEOUT);
                return 0;
            }
            continue;
        }
        self->sleeping = true;
        if (deadline == Clock::time_point::max())
            self->wake.wait(l);
        else
            self->wake.wait_until(l, deadline);
        self->sleeping = false;
    }
    // The receiver may still hold our mutex right after marking the reply done.
    {
        std::lock_guard g(self->mutex);
    }
    if (result)
        *result = static_cast<DWORD_PTR>(m.result);
    return TRUE;
}

BOOL WINAPI PostMessageA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!hwnd)
        return PostThreadMessageA(GetCurrentThreadId(), msg, wParam, lParam);
    std::shared_ptr<ThreadQueue> target;
    {
        std::lock_guard g(Lock());
        Window* w = FromHandle(hwnd);
        if (!w || w == Desktop())
        {
            SetLastError(ERROR_INVALID_WINDOW_HANDLE);
            return FALSE;
        }
        target = w->sharedQueue;
    }
    if (!target)
        return FALSE;
    POINT pt;
    GetCursorPos(&pt);
    target->Post(MSG{hwnd, msg, wParam, lParam, NowMs(), pt});
    return TRUE;
}

BOOL WINAPI PostThreadMessageA(DWORD threadId, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto target = threadId == GetCurrentThreadId() ? QueueOfThread(CurrentQueue()->threadId)
                                                   : QueueOfThread(threadId);
    if (!target)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    POINT pt;
    GetCursorPos(&pt);
    target->Post(MSG{nullptr, msg, wParam, lParam, NowMs(), pt});
    return TRUE;
}

void WINAPI PostQuitMessage(int exitCode)
{
    ThreadQueue* q = CurrentQueue();
    std::lock_guard g(q->mutex);
    q->quit = true;
    q->quitCode = exitCode;
    q->quitPending.store(true, std::memory_order_release);
}

BOOL WINAPI PeekMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax, UINT removeMsg)
{
    ThreadQueue* q = CurrentQueue();
    MSG m{};
    if (!FindMessage(q, &m, hwnd, filterMin, filterMax, removeMsg))
        return FALSE;
    if (removeMsg & PM_REMOVE)
    {
        q->messageTime = static_cast<LONG>(m.time);
        q->messagePos = m.pt;
    }
    if (msg)
        *msg = m;
    return TRUE;
}

BOOL WINAPI GetMessageA(LPMSG msg, HWND hwnd, UINT filterMin, UINT filterMax)
{
    ThreadQueue* q = CurrentQueue();
    MSG m{};
    while (!FindMessage(q, &m, hwnd, filterMin, filterMax, PM_REMOVE))
    {
        Clock::time_point next;
        {
            std::lock_guard g(Lock());
            next = NextTimer(q);
        }
        WaitForWork(q, next);
    }
    q->messageTime = static_cast<LONG>(m.time);
    q->messagePos = m.pt;
    if (msg)
        *msg = m;
    return m.message == WM_QUIT ? FALSE : TRUE;
}

BOOL WINAPI WaitMessage()
{
    ThreadQueue* q = CurrentQueue();
    Clock::time_point next;
    {
        std::lock_guard g(Lock());
        next = NextTimer(q);
    }
    if (q->pending.load() == 0)
        WaitForWork(q, next);
    return TRUE;
}

DWORD WINAPI GetQueueStatus(UINT flags)
{
    ThreadQueue* q = CurrentQueue();
    std::lock_guard g(q->mutex);
    DWORD status = 0;
    if (!q->sent.empty())
        status |= QS_SENDMESSAGE;
    if (!q->posted.empty())
        status |= QS_POSTMESSAGE;
    for (const InputEvent& e : q->input)
        status |= e.keyboard ? QS_KEY : QS_MOUSEBUTTON;
    return MAKELONG(status & flags, status & flags);
}

LRESULT WINAPI DispatchMessageA(const MSG* msg)
{
    if (!msg)
        return 0;
    if (msg->message == WM_TIMER && msg->lParam)
    {
        reinterpret_cast<TIMERPROC>(msg->lParam)(msg->hwnd, WM_TIMER, msg->wParam, NowMs());
        return 0;
    }
    if (!msg->hwnd)
        return 0;
    Window* w = OwnWindow(msg->hwnd);
    if (!w)
        return 0;
    return CallProc(w, msg->message, msg->wParam, msg->lParam);
}

BOOL WINAPI InSendMessage()
{
    ThreadQueue* q = CurrentQueue();
    return q->current && !q->current->replied;
}

DWORD WINAPI InSendMessageEx(LPVOID)
{
    return InSendMessage() ? ISMEX_SEND : ISMEX_NOSEND;
}

BOOL WINAPI ReplyMessage(LRESULT result)
{
    ThreadQueue* q = CurrentQueue();
    if (!q->current || q->current->replied)
        return FALSE;
    q->current->replied = true;
    Reply(q->current->message, result);
    return TRUE;
}

LONG WINAPI GetMessageTime()
{
    return CurrentQueue()->messageTime;
}

DWORD WINAPI GetMessagePos()
{
    const POINT p = CurrentQueue()->messagePos;
    return static_cast<DWORD>(MAKELONG(p.x, p.y));
}

UINT_PTR WINAPI SetTimer(HWND hwnd, UINT_PTR id, UINT elapse, TIMERPROC proc)
{
    ThreadQueue* q = CurrentQueue();
    std::lock_guard g(Lock());
    if (hwnd)
    {
        Window* w = FromHandle(hwnd);
        if (!w || w->queue != q)
            return 0;
    }
    else
    {
        UINT_PTR next = 0x7FF0;
        for (const Timer& t : q->timers)
            if (!t.hwnd)
                next = std::max(next, t.id + 1);
        id = next;
    }
    std::erase_if(q->timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    Timer t;
    t.hwnd = hwnd;
    t.id = id;
    t.elapse = std::max<UINT>(elapse, 10);
    t.proc = proc;
    t.due = Clock::now() + std::chrono::milliseconds(t.elapse);
    q->timers.push_back(t);
    q->hasTimers.store(true, std::memory_order_release);
    return hwnd ? (id ? id : 1) : id;
}

BOOL WINAPI KillTimer(HWND hwnd, UINT_PTR id)
{
    ThreadQueue* q = CurrentQueue();
    std::lock_guard g(Lock());
    const auto before = q->timers.size();
    std::erase_if(q->timers, [&](const Timer& t) { return t.hwnd == hwnd && t.id == id; });
    q->hasTimers.store(!q->timers.empty(), std::memory_order_release);
    return q->timers.size() != before;
}

UINT WINAPI RegisterWindowMessageA(LPCSTR name)
{
    static std::mutex mutex;
    static std::vector<std::string> names;
    if (!name || !*name)
        return 0;
    std::lock_guard g(mutex);
    for (std::size_t i = 0; i < names.size(); ++i)
        if (lstrcmpiA(names[i].c_str(), name) == 0)
            return static_cast<UINT>(0xC000 + i);
    names.emplace_back(name);
    return static_cast<UINT>(0xC000 + names.size() - 1);
}

HHOOK WINAPI SetWindowsHookExA(int idHook, HOOKPROC proc, HINSTANCE, DWORD threadId)
{
    if (idHook != WH_CBT || !proc)
        return nullptr;
    Hook h;
    h.kind = idHook;
    h.proc = proc;
    {
        std::lock_guard g(registry().mutex);
        h.handle = reinterpret_cast<HHOOK>(registry().nextHook++);
    }
    if (threadId == 0)
    {
        std::lock_guard g(registry().mutex);
        registry().globalHooks.insert(registry().globalHooks.begin(), h);
        return h.handle;
    }
    auto q = threadId == GetCurrentThreadId() ? QueueOfThread(CurrentQueue()->threadId)
                                              : QueueOfThread(threadId);
    if (!q)
        return nullptr;
    std::lock_guard g(Lock());
    q->hooks.insert(q->hooks.begin(), h);
    return h.handle;
}

BOOL WINAPI UnhookWindowsHookEx(HHOOK hook)
{
    {
        std::lock_guard g(Lock());
        ThreadQueue* q = CurrentQueue();
        const auto n = q->hooks.size();
        std::erase_if(q->hooks, [hook](const Hook& h) { return h.handle == hook; });
        if (q->hooks.size() != n)
            return TRUE;
    }
    std::lock_guard g(registry().mutex);
    auto& list = registry().globalHooks;
    const auto n = list.size();
    std::erase_if(list, [hook](const Hook& h) { return h.handle == hook; });
    return list.size() != n;
}

namespace
{
std::vector<Hook> HookChain()
{
    std::vector<Hook> chain;
    {
        std::lock_guard g(Lock());
        chain = CurrentQueue()->hooks;
    }
    std::lock_guard g(registry().mutex);
    chain.insert(chain.end(), registry().globalHooks.begin(), registry().globalHooks.end());
    return chain;
}
} // namespace

LRESULT WINAPI CallNextHookEx(HHOOK hook, int code, WPARAM wParam, LPARAM lParam)
{
    const auto chain = HookChain();
    for (std::size_t i = 0; i < chain.size(); ++i)
        if (chain[i].handle == hook && i + 1 < chain.size())
            return chain[i + 1].proc(code, wParam, lParam);
    return 0;
}

namespace platform
{
LRESULT CallCbtHook(int code, WPARAM wParam, LPARAM lParam, bool& blocked)
{
    blocked = false;
    const auto chain = HookChain();
    if (chain.empty())
        return 0;
    const LRESULT r = chain.front().proc(code, wParam, lParam);
    blocked = r != 0 && (code == HCBT_CREATEWND || code == HCBT_DESTROYWND);
    return r;
}
} // namespace platform

BOOL PlatformWaitForIdle(DWORD threadId, DWORD timeoutMs)
{
    auto q = QueueOfThread(threadId);
    if (!q)
        return FALSE;
    std::unique_lock l(q->mutex);
    ++q->idleWaiters;
    const bool idle = q->idleChanged.wait_for(l, std::chrono::milliseconds(timeoutMs), [&] {
        return q->exiting || (q->waiting && q->pending.load() == 0);
    });
    --q->idleWaiters;
    return idle && !q->exiting;
}
