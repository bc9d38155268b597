// The maps from window handles to CWnd objects, and the per-thread window state.
//
// As in MFC, both maps are per thread. A permanent object (one that created, subclassed or
// attached a window) is found by FromHandlePermanent only on the thread that attached it, which
// is the thread that runs the window's messages. Temporary wrappers (FromHandle of a window
// nobody attached on this thread) are freed by DeleteTempMap, which CWinThread::OnIdle calls at
// idle time, and when the thread ends: a pointer FromHandle returned must not be kept across the
// message loop's idle time.
//
// Does NOT do:
// - Notice windows destroyed behind a temporary wrapper's back: the wrapper stays until the
//   next idle time, holding a dead handle.
#include "wnd_state.h"

#include <cstdio>
#include <map>
#include <mutex>
#include <unordered_map>
#include <utility>

namespace
{

// Keyed by window and attaching thread, so that a CWnd can be detached from any thread (its
// destructor may run anywhere) while lookups stay per thread.
struct PermanentMap
{
    std::mutex mutex;
    std::map<std::pair<HWND, DWORD>, CWnd*> windows;
};

// Never destroyed: CWnd objects with static storage may be destroyed after any other static.
PermanentMap& Permanent()
{
    static auto* map = new PermanentMap;
    return *map;
}

struct TemporaryMap
{
    std::unordered_map<HWND, CWnd*> windows;

    ~TemporaryMap() { Clear(); }

    void Clear()
    {
        auto doomed = std::move(windows);
        windows.clear();
        for (auto& entry : doomed)
        {
            // A wrapper never owns its window.
            entry.second->m_hWnd = nullptr;
            delete entry.second;
        }
    }
};

thread_local TemporaryMap t_temporary;
thread_local platform::mfc::WndThreadState t_state;

} // namespace

namespace platform::mfc
{

WndThreadState& ThisThreadWndState()
{
    return t_state;
}

void ReportHandlerException(const char* where, UINT message, const char* what)
{
    std::fprintf(stderr, "%s: exception in message 0x%04X not handled: %s\n", where, message, what);
}

} // namespace platform::mfc

CWnd* PASCAL CWnd::FromHandlePermanent(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    PermanentMap& map = Permanent();
    std::lock_guard lock(map.mutex);
    auto it = map.windows.find({hWnd, ::GetCurrentThreadId()});
    return it != map.windows.end() ? it->second : nullptr;
}

CWnd* PASCAL CWnd::FromHandle(HWND hWnd)
{
    if (hWnd == nullptr)
        return nullptr;
    if (CWnd* wnd = FromHandlePermanent(hWnd))
        return wnd;
    auto& temporary = t_temporary.windows;
    auto it = temporary.find(hWnd);
    if (it != temporary.end())
        return it->second;
    auto* wnd = new CWnd;
    wnd->m_hWnd = hWnd;
    temporary.emplace(hWnd, wnd);
    return wnd;
}

void PASCAL CWnd::DeleteTempMap()
{
    t_temporary.Clear();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr || (m_hWnd != nullptr && m_hWnd != hWndNew))
        return FALSE;
    const DWORD thread = ::GetCurrentThreadId();
    PermanentMap& map = Permanent();
    std::lock_guard lock(map.mutex);
    auto [it, inserted] = map.windows.emplace(std::make_pair(hWndNew, thread), this);
    if (!inserted && it->second != this)
    {
        TRACE("CWnd::Attach: window %p already belongs to another CWnd\n", hWndNew);
        return FALSE;
    }
    m_hWnd = hWndNew;
    m_nAttachThreadID = thread;
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr && m_nAttachThreadID != 0)
    {
        PermanentMap& map = Permanent();
        std::lock_guard lock(map.mutex);
        auto it = map.windows.find({hWnd, m_nAttachThreadID});
        if (it != map.windows.end() && it->second == this)
            map.windows.erase(it);
    }
    m_hWnd = nullptr;
    m_nAttachThreadID = 0;
    return hWnd;
}
