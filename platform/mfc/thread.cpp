// CWinThread: worker and user-interface threads on std::thread, MFC's message pump and idle
// loop, and the per-thread "current CWinThread".
//
// Does NOT do:
// - SuspendThread once the thread runs its own code: a std::thread cannot be stopped from
//   outside, so it fails with (DWORD)-1. Before that point the suspend count works as on
//   Windows (CREATE_SUSPENDED, SuspendThread, ResumeThread).
// - Thread priorities and stack sizes: recorded, never applied.
// - Thread message maps; command UI updates (WM_IDLEUPDATECMDUI) at idle time.
// - Waiting on m_hThread: it identifies the thread to this file only.
#include <afxwin.h>

#include <atomic>
#include <condition_variable>
#include <cstdio>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

// The state shared by a CWinThread object and its running thread. Both hold a reference; the
// last one to let go frees it, so neither depends on the other's lifetime.
struct _AFX_THREAD_RECORD
{
    std::mutex mutex;
    std::condition_variable changed;
    // The thread runs its own code only while this is zero. CreateThread holds one count until
    // the thread has reported its id; CREATE_SUSPENDED and SuspendThread add more.
    DWORD suspendCount = 1;
    bool reported = false;
    bool running = false;
    // The thread no longer touches its CWinThread object.
    bool finished = false;
    // The object was deleted before the thread ran: the thread ends without running anything.
    bool abandoned = false;
    DWORD threadId = 0;
    std::atomic<int> references{2};

    void Release()
    {
        if (references.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete this;
    }
};

namespace
{

// WM_KICKIDLE (afxpriv.h) only wakes a message loop up so that it runs its idle processing.
constexpr UINT kKickIdle = 0x036A;
// WM_SYSTIMER: the caret blink, which does not change what the user sees enough to need idle
// processing.
constexpr UINT kSysTimer = 0x0118;

thread_local CWinThread* t_currentThread = nullptr;
thread_local MSG t_currentMessage{};
thread_local POINT t_lastMousePoint{-1, -1};
thread_local UINT t_lastMouseMessage = 0;

// AfxEndThread's way out of a thread: only ThreadEntry catches it.
struct ThreadExit
{
    UINT exitCode;
    BOOL deleteThread;
};

HWND GetSafeHwndOf(CWnd* wnd)
{
    return wnd != nullptr ? wnd->m_hWnd : nullptr;
}

BOOL PumpOneMessage(CWinThread* thread)
{
    MSG& msg = t_currentMessage;
    if (!::GetMessageA(&msg, nullptr, 0, 0))
        return FALSE;
    BOOL translated = FALSE;
    if (msg.message != kKickIdle)
        translated = thread != nullptr ? thread->PreTranslateMessage(&msg) : FALSE;
    if (msg.message != kKickIdle && !translated)
    {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
    }
    return TRUE;
}

// Runs on the new thread: reports its id, waits to be resumed, then runs the thread procedure
// or the user-interface thread's InitInstance/Run, and ends as AfxEndThread does.
void ThreadEntry(CWinThread* thread, _AFX_THREAD_RECORD* record, AFX_MODULE_STATE* moduleState)
{
    // A new thread works in its creator's module state.
    AfxSetModuleState(moduleState);
    t_currentThread = thread;
    {
        std::unique_lock lock(record->mutex);
        record->threadId = ::GetCurrentThreadId();
        record->reported = true;
        record->changed.notify_all();
        record->changed.wait(lock,
                             [record] { return record->suspendCount == 0 || record->abandoned; });
        record->running = !record->abandoned;
    }
    if (!record->running)
    {
        t_currentThread = nullptr;
        AfxSetModuleState(nullptr);
        record->Release();
        return;
    }

    // The thread sees the application's main window as its own unless it sets one.
    CWnd threadWnd;
    CWinApp* app = AfxGetApp();
    if (app != nullptr && thread->m_pMainWnd == nullptr && app->m_pMainWnd != nullptr &&
        app->m_pMainWnd->m_hWnd != nullptr)
    {
        threadWnd.Attach(app->m_pMainWnd->m_hWnd);
        thread->m_pMainWnd = &threadWnd;
    }

    UINT exitCode = 0;
    BOOL deleteThread = TRUE;
    try
    {
        if (thread->m_pfnThreadProc != nullptr)
            exitCode = thread->m_pfnThreadProc(thread->m_pThreadParams);
        else if (!thread->InitInstance())
            exitCode = static_cast<UINT>(thread->ExitInstance());
        else
            exitCode = static_cast<UINT>(thread->Run());
    }
    catch (const ThreadExit& exit)
    {
        exitCode = exit.exitCode;
        deleteThread = exit.deleteThread;
    }
    (void)exitCode;

    if (threadWnd.m_hWnd != nullptr)
        threadWnd.Detach();
    if (thread->m_pMainWnd == &threadWnd)
        thread->m_pMainWnd = nullptr;
    t_currentThread = nullptr;
    // A thread object kept by its owner (m_bAutoDelete FALSE) may be deleted on another thread
    // as soon as its procedure has returned; so only an auto-deleting object gets the virtual
    // Delete call.
    if (deleteThread && thread->m_bAutoDelete)
        thread->Delete();
    {
        std::lock_guard lock(record->mutex);
        record->finished = true;
        record->changed.notify_all();
    }
    record->Release();
    AfxSetModuleState(nullptr);
}

} // namespace

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
{
    CommonConstruct();
}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
{
    CommonConstruct();
    m_pfnThreadProc = pfnThreadProc;
    m_pThreadParams = pParam;
}

void CWinThread::CommonConstruct()
{
    m_pMainWnd = nullptr;
    m_pActiveWnd = nullptr;
    m_bAutoDelete = TRUE;
    m_hThread = nullptr;
    m_nThreadID = 0;
    m_pThreadParams = nullptr;
    m_pfnThreadProc = nullptr;
    m_nPriority = THREAD_PRIORITY_NORMAL;
    m_pThreadRecord = nullptr;
}

CWinThread::~CWinThread()
{
    if (t_currentThread == this)
        t_currentThread = nullptr;
    _AFX_THREAD_RECORD* record = m_pThreadRecord;
    if (record != nullptr)
    {
        // Windows code waits on m_hThread before it deletes a thread object it keeps; here the
        // destructor itself waits until the thread is done with the object.
        std::unique_lock lock(record->mutex);
        if (!record->running)
        {
            record->abandoned = true;
            record->changed.notify_all();
        }
        else if (record->threadId != ::GetCurrentThreadId())
        {
            record->changed.wait(lock, [record] { return record->finished; });
        }
    }
    if (record != nullptr)
        record->Release();
    m_pThreadRecord = nullptr;
    m_hThread = nullptr;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize,
                              LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (m_pThreadRecord != nullptr)
        return FALSE;
    auto* record = new _AFX_THREAD_RECORD;
    if (dwCreateFlags & CREATE_SUSPENDED)
        ++record->suspendCount;
    m_pThreadRecord = record;
    m_hThread = reinterpret_cast<HANDLE>(record);
    try
    {
        std::thread(ThreadEntry, this, record, AfxGetModuleState()).detach();
    }
    catch (const std::system_error&)
    {
        record->references = 1;
        record->Release();
        m_pThreadRecord = nullptr;
        m_hThread = nullptr;
        return FALSE;
    }

    std::unique_lock lock(record->mutex);
    record->changed.wait(lock, [record] { return record->reported; });
    m_nThreadID = record->threadId;
    // From here on the thread may run to its end and delete this object: touch only the
    // record, which this object's reference keeps alive until the thread let go of it.
    --record->suspendCount;
    record->changed.notify_all();
    return TRUE;
}

int CWinThread::GetThreadPriority()
{
    return m_nPriority;
}

BOOL CWinThread::SetThreadPriority(int nPriority)
{
    if (m_pThreadRecord == nullptr)
        return FALSE;
    m_nPriority = nPriority;
    return TRUE;
}

DWORD CWinThread::SuspendThread()
{
    _AFX_THREAD_RECORD* record = m_pThreadRecord;
    if (record == nullptr)
        return static_cast<DWORD>(-1);
    std::lock_guard lock(record->mutex);
    if (record->running)
        return static_cast<DWORD>(-1);
    return record->suspendCount++;
}

DWORD CWinThread::ResumeThread()
{
    _AFX_THREAD_RECORD* record = m_pThreadRecord;
    if (record == nullptr)
        return static_cast<DWORD>(-1);
    std::lock_guard lock(record->mutex);
    DWORD previous = record->suspendCount;
    if (previous > 0)
        --record->suspendCount;
    // Notifying under the lock: the woken thread may delete this object (and with it the last
    // reference but its own) as soon as the lock is released.
    record->changed.notify_all();
    return previous;
}

BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return ::PostThreadMessageA(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::InitInstance()
{
    // A user-interface thread class overrides this; by default the thread does not enter its
    // message loop.
    return FALSE;
}

int CWinThread::Run()
{
    BOOL idle = TRUE;
    LONG idleCount = 0;
    MSG peeked;
    for (;;)
    {
        while (idle && !::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (!OnIdle(idleCount++))
                idle = FALSE;
        }
        do
        {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&t_currentMessage))
            {
                idle = TRUE;
                idleCount = 0;
            }
        } while (::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    // Thread messages have no window to translate them.
    if (pMsg->hwnd == nullptr)
        return FALSE;
    CWnd* mainWnd = AfxGetMainWnd();
    if (CWnd::WalkPreTranslateTree(GetSafeHwndOf(mainWnd), pMsg))
        return TRUE;
    // A modeless window outside the main window still gets the main window's translation.
    if (mainWnd != nullptr && mainWnd->m_hWnd != nullptr)
    {
        HWND top = pMsg->hwnd;
        while (HWND parent = ::GetParent(top))
        {
            if (!(::GetWindowLongA(top, GWL_STYLE) & WS_CHILD))
                break;
            top = parent;
        }
        if (top != mainWnd->m_hWnd)
            return mainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::PumpMessage()
{
    return PumpOneMessage(this);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount >= 0)
    {
        // Temporary wrapper objects handed out since the last idle time are no longer in use.
        CDC::DeleteTempMap();
        CGdiObject::DeleteTempMap();
        CWnd::DeleteTempMap();
    }
    return lCount < 0;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE)
    {
        // Repeated moves to the same point change nothing on the screen.
        if (pMsg->message == t_lastMouseMessage && pMsg->pt.x == t_lastMousePoint.x &&
            pMsg->pt.y == t_lastMousePoint.y)
            return FALSE;
        t_lastMousePoint = pMsg->pt;
        t_lastMouseMessage = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != kSysTimer;
}

int CWinThread::ExitInstance()
{
    // The exit code passed to PostQuitMessage.
    return static_cast<int>(t_currentMessage.wParam);
}

LRESULT CWinThread::ProcessWndProcException(CException* e, const MSG* pMsg)
{
    if (pMsg != nullptr && pMsg->message == WM_CREATE)
        return -1; // the window is not created
    if (pMsg != nullptr && pMsg->message == WM_PAINT)
        ::ValidateRect(pMsg->hwnd, nullptr); // or it would be repainted for ever
    char text[256] = "";
    if (e != nullptr)
        e->GetErrorMessage(text, sizeof text);
    std::fprintf(stderr, "unhandled exception in message 0x%04X: %s\n",
                 pMsg != nullptr ? pMsg->message : 0U, text);
    return 0;
}

CWnd* CWinThread::GetMainWnd()
{
    if (m_pActiveWnd != nullptr)
        return m_pActiveWnd;
    return m_pMainWnd;
}

void CWinThread::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority,
                                  UINT nStackSize, DWORD dwCreateFlags,
                                  LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    auto* thread = new CWinThread(pfnThreadProc, pParam);
    if (!thread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        thread->Delete();
        return nullptr;
    }
    thread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}

CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize,
                                  DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs)
{
    if (pThreadClass == nullptr || !pThreadClass->IsDerivedFrom(RUNTIME_CLASS(CWinThread)))
        return nullptr;
    auto* thread = static_cast<CWinThread*>(pThreadClass->CreateObject());
    if (thread == nullptr)
        return nullptr;
    if (!thread->CreateThread(dwCreateFlags | CREATE_SUSPENDED, nStackSize, lpSecurityAttrs))
    {
        thread->Delete();
        return nullptr;
    }
    thread->SetThreadPriority(nPriority);
    if (!(dwCreateFlags & CREATE_SUSPENDED))
        thread->ResumeThread();
    return thread;
}

void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete)
{
    throw ThreadExit{nExitCode, bDelete};
}

CWinThread* AFXAPI AfxGetThread()
{
    if (t_currentThread != nullptr)
        return t_currentThread;
    // The application object is the CWinThread of the one thread that runs it.
    CWinApp* app = AfxGetApp();
    if (app != nullptr && app->m_nThreadID == ::GetCurrentThreadId())
        return app;
    return nullptr;
}

BOOL AFXAPI AfxPumpMessage()
{
    CWinThread* thread = AfxGetThread();
    if (thread != nullptr)
        return thread->PumpMessage();
    return PumpOneMessage(nullptr);
}

MSG* AFXAPI AfxGetCurrentMessage()
{
    return &t_currentMessage;
}

void AFXAPI AfxPostQuitMessage(int nExitCode)
{
    ::PostQuitMessage(nExitCode);
}
