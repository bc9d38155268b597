// Worker and user-interface threads started through MFC.
#include <afxwin.h>

#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{

// A one-shot event with a generous timeout: sanitizer builds run several times slower.
class Signal
{
public:
    void Set()
    {
        std::lock_guard lock(m_mutex);
        m_set = true;
        m_changed.notify_all();
    }
    bool Wait()
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, std::chrono::seconds(60), [this] { return m_set; });
    }
    bool IsSet()
    {
        std::lock_guard lock(m_mutex);
        return m_set;
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_set = false;
};

struct WorkerReport
{
    Signal ran;
    CWinThread* current = nullptr;
    DWORD threadId = 0;
    AFX_MODULE_STATE* moduleState = nullptr;
    CWnd* mainWnd = nullptr;
};

UINT AFX_CDECL ReportingWorker(LPVOID param)
{
    auto* report = static_cast<WorkerReport*>(param);
    report->current = AfxGetThread();
    report->threadId = ::GetCurrentThreadId();
    report->moduleState = AfxGetModuleState();
    report->mainWnd = AfxGetMainWnd();
    report->ran.Set();
    return 0;
}

// A CWinThread whose destruction the test can observe.
class ProbeThread : public CWinThread
{
public:
    ProbeThread(AFX_THREADPROC proc, LPVOID param, Signal* destroyed)
        : CWinThread(proc, param), m_destroyed(destroyed)
    {
    }
    ~ProbeThread() override { m_destroyed->Set(); }

private:
    Signal* m_destroyed;
};

TEST(WorkerThreadTest, RunsWithItsParameterAndKnowsItself)
{
    WorkerReport report;
    CWinThread* thread =
        AfxBeginThread(ReportingWorker, &report, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    ASSERT_NE(thread, nullptr);
    // Suspended: the id is known, the procedure has not run.
    DWORD threadId = thread->m_nThreadID;
    EXPECT_NE(threadId, 0u);
    EXPECT_NE(threadId, ::GetCurrentThreadId());
    EXPECT_NE(thread->m_hThread, nullptr);
    EXPECT_TRUE(thread->m_bAutoDelete);
    CWinThread* expected = thread;
    EXPECT_EQ(thread->ResumeThread(), 1u);
    ASSERT_TRUE(report.ran.Wait());

    EXPECT_EQ(report.current, expected);
    EXPECT_EQ(report.threadId, threadId);
    EXPECT_EQ(report.moduleState, AfxGetAppModuleState());
}

TEST(WorkerThreadTest, SuspendCountGatesTheStart)
{
    Signal destroyed;
    WorkerReport report;
    auto* thread = new ProbeThread(ReportingWorker, &report, &destroyed);
    ASSERT_TRUE(thread->CreateThread(CREATE_SUSPENDED));
    EXPECT_EQ(thread->SuspendThread(), 1u);
    EXPECT_EQ(thread->ResumeThread(), 2u);
    EXPECT_FALSE(report.ran.IsSet());
    EXPECT_EQ(thread->ResumeThread(), 1u);
    ASSERT_TRUE(report.ran.Wait());
    // Auto-deleted when the procedure returned.
    EXPECT_TRUE(destroyed.Wait());
}

TEST(WorkerThreadTest, KeptAliveWithoutAutoDelete)
{
    Signal destroyed;
    WorkerReport report;
    auto* thread = new ProbeThread(ReportingWorker, &report, &destroyed);
    thread->m_bAutoDelete = FALSE;
    ASSERT_TRUE(thread->CreateThread());
    ASSERT_TRUE(report.ran.Wait());
    EXPECT_EQ(report.current, thread);
    // The object stays usable after its procedure has returned; deleting it waits for the
    // thread to let go of it.
    EXPECT_EQ(thread->m_nThreadID, report.threadId);
    EXPECT_FALSE(destroyed.IsSet());
    delete thread;
    EXPECT_TRUE(destroyed.IsSet());
}

TEST(WorkerThreadTest, DeletingANeverResumedThreadEndsIt)
{
    Signal destroyed;
    WorkerReport report;
    auto* thread = new ProbeThread(ReportingWorker, &report, &destroyed);
    ASSERT_TRUE(thread->CreateThread(CREATE_SUSPENDED));
    delete thread;
    EXPECT_TRUE(destroyed.IsSet());
    EXPECT_FALSE(report.ran.IsSet());
}

struct EndThreadReport
{
    Signal unwound;
    bool returnedFromEnd = false;
};

struct SetsOnUnwind
{
    Signal* signal;
    ~SetsOnUnwind() { signal->Set(); }
};

void EndFromDeepInside(EndThreadReport* report)
{
    SetsOnUnwind guard{&report->unwound};
    AfxEndThread(5);
}

UINT AFX_CDECL EndingWorker(LPVOID param)
{
    auto* report = static_cast<EndThreadReport*>(param);
    EndFromDeepInside(report);
    report->returnedFromEnd = true;
    return 0;
}

TEST(WorkerThreadTest, AfxEndThreadUnwindsAndDeletes)
{
    Signal destroyed;
    EndThreadReport report;
    auto* thread = new ProbeThread(EndingWorker, &report, &destroyed);
    ASSERT_TRUE(thread->CreateThread());
    EXPECT_TRUE(report.unwound.Wait());
    EXPECT_TRUE(destroyed.Wait());
    EXPECT_FALSE(report.returnedFromEnd);
}

TEST(WorkerThreadTest, InheritsTheCreatorsModuleState)
{
    AFX_MODULE_STATE dll(TRUE);
    WorkerReport report;
    {
        AFX_MANAGE_STATE(&dll);
        ASSERT_NE(AfxBeginThread(ReportingWorker, &report), nullptr);
    }
    ASSERT_TRUE(report.ran.Wait());
    EXPECT_EQ(report.moduleState, &dll);
}

TEST(WorkerThreadTest, PlainThreadsHaveNoCWinThread)
{
    CWinThread* seen = reinterpret_cast<CWinThread*>(1);
    std::thread([&] { seen = AfxGetThread(); }).join();
    EXPECT_EQ(seen, nullptr);
}

// A user-interface thread created from its runtime class.
Signal* g_uiStarted = nullptr;
Signal* g_uiDestroyed = nullptr;
int g_uiExitCode = -1;
BOOL g_uiInitResult = TRUE;

class UiThread : public CWinThread
{
    DECLARE_DYNCREATE(UiThread)
public:
    BOOL InitInstance() override
    {
        // Makes sure the thread has a message queue before the test posts to it.
        MSG msg;
        ::PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE);
        g_uiStarted->Set();
        return g_uiInitResult;
    }
    int ExitInstance() override
    {
        g_uiExitCode = CWinThread::ExitInstance();
        return g_uiExitCode;
    }
    ~UiThread() override { g_uiDestroyed->Set(); }
};

IMPLEMENT_DYNCREATE(UiThread, CWinThread)

TEST(UiThreadTest, RunsItsMessageLoopUntilQuit)
{
    Signal started;
    Signal destroyed;
    g_uiStarted = &started;
    g_uiDestroyed = &destroyed;
    g_uiInitResult = TRUE;
    CWinThread* thread = AfxBeginThread(RUNTIME_CLASS(UiThread));
    ASSERT_NE(thread, nullptr);
    DWORD threadId = thread->m_nThreadID;
    ASSERT_TRUE(started.Wait());
    // The thread's queue exists once it has started its loop; a posted WM_QUIT ends the loop
    // with its exit code.
    ASSERT_TRUE(::PostThreadMessageA(threadId, WM_QUIT, 7, 0));
    ASSERT_TRUE(destroyed.Wait());
    EXPECT_EQ(g_uiExitCode, 7);
}

TEST(UiThreadTest, FailedInitInstanceEndsTheThread)
{
    Signal started;
    Signal destroyed;
    g_uiStarted = &started;
    g_uiDestroyed = &destroyed;
    g_uiInitResult = FALSE;
    g_uiExitCode = -1;
    ASSERT_NE(AfxBeginThread(RUNTIME_CLASS(UiThread)), nullptr);
    ASSERT_TRUE(destroyed.Wait());
    EXPECT_EQ(g_uiExitCode, 0);
}

TEST(UiThreadTest, RejectsClassesThatAreNotThreads)
{
    EXPECT_EQ(AfxBeginThread(RUNTIME_CLASS(CGdiObject)), nullptr);
}

} // namespace
