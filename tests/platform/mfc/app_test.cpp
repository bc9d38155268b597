// The application object, its thread, the host helper, and AfxMessageBox.
#include <afxwin.h>
#include <platform/apphost.h>

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <stdexcept>
#include <string>
#include <thread>

namespace
{

std::string ProgramBaseName()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name = path;
    name.erase(0, name.find_last_of("/\\") + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

class TestApp : public CWinApp
{
public:
    explicit TestApp(LPCTSTR name = nullptr) : CWinApp(name) {}
    BOOL InitInstance() override
    {
        initThread = ::GetCurrentThreadId();
        return initResult;
    }
    int ExitInstance() override
    {
        exitInstanceCalls++;
        return CWinApp::ExitInstance();
    }

    BOOL initResult = TRUE;
    DWORD initThread = 0;
    int exitInstanceCalls = 0;
};

TEST(WinAppTest, ConstructionMakesTheCurrentApplicationAndThread)
{
    CWinApp* before = AfxGetApp();
    {
        CWinApp app("First");
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_STREQ(AfxGetAppName(), "First");
        EXPECT_STREQ(app.m_pszAppName, "First");
        EXPECT_EQ(AfxGetThread(), &app);

        CWinThread* elsewhere = &app;
        CWinApp* appElsewhere = nullptr;
        std::thread([&] {
            elsewhere = AfxGetThread();
            appElsewhere = AfxGetApp();
        }).join();
        EXPECT_EQ(elsewhere, nullptr);
        EXPECT_EQ(appElsewhere, &app);

        {
            CWinApp second("Second");
            EXPECT_EQ(AfxGetApp(), &second);
            EXPECT_STREQ(AfxGetAppName(), "Second");
        }
        EXPECT_EQ(AfxGetApp(), &app);
        EXPECT_STREQ(AfxGetAppName(), "First");
    }
    EXPECT_EQ(AfxGetApp(), before);
}

TEST(WinAppTest, AfxWinInitMovesTheApplicationToItsThreadAndNamesIt)
{
    CWinApp app; // no name: AfxWinInit takes the program's
    HINSTANCE program = ::GetModuleHandleA(nullptr);
    char commandLine[] = "-x";
    std::thread([&] { AfxWinInit(program, nullptr, commandLine, SW_SHOWNORMAL); }).join();

    EXPECT_NE(AfxGetThread(), &app);
    EXPECT_EQ(app.m_hInstance, program);
    EXPECT_EQ(app.m_lpCmdLine, commandLine);
    EXPECT_EQ(AfxGetInstanceHandle(), program);
    EXPECT_EQ(AfxGetResourceHandle(), program);
    ASSERT_NE(app.m_pszAppName, nullptr);
    EXPECT_EQ(std::string(app.m_pszAppName), ProgramBaseName());
    EXPECT_STREQ(AfxGetAppName(), app.m_pszAppName);
    EXPECT_EQ(std::string(app.m_pszExeName), ProgramBaseName());
}

TEST(AppHostTest, RunsTheApplicationOnItsOwnThread)
{
    TestApp app("Hosted");
    platform::AppHost host(app);
    ASSERT_TRUE(host.Initialized());
    EXPECT_EQ(app.initThread, host.ThreadId());
    EXPECT_NE(host.ThreadId(), ::GetCurrentThreadId());

    HWND main = host.MainWindow();
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(::IsWindowVisible(main));
    EXPECT_EQ(::GetWindowThreadProcessId(main, nullptr), host.ThreadId());
    EXPECT_EQ(host.Call([] { return AfxGetThread(); }), &app);
    EXPECT_EQ(host.Call([] { return AfxGetMainWnd()->m_hWnd; }), main);
    EXPECT_EQ(host.Call([] { return ::GetCurrentThreadId(); }), host.ThreadId());
    // The test thread is no longer the application's.
    EXPECT_EQ(AfxGetThread(), nullptr);
    EXPECT_EQ(AfxGetMainWnd(), nullptr);

    EXPECT_THROW(host.Call([]() -> int { throw std::runtime_error("failed on the app thread"); }),
                 std::runtime_error);

    EXPECT_EQ(host.Quit(), 0);
    EXPECT_EQ(app.exitInstanceCalls, 1);
    // Work posted after the end is never run.
    auto late = host.Post([] { return 1; });
    EXPECT_THROW(late.get(), std::future_error);
}

TEST(AppHostTest, QuitCodeAndMainWindowEndTheApplication)
{
    {
        TestApp app;
        platform::AppHost host(app);
        host.Call([] { AfxPostQuitMessage(3); });
        EXPECT_EQ(host.Quit(), 3);
    }
    {
        TestApp app;
        platform::AppHost host(app);
        HWND main = host.MainWindow();
        host.Call([main] { ::DestroyWindow(main); });
        EXPECT_EQ(host.Quit(), 0);
        EXPECT_FALSE(::IsWindow(main));
        EXPECT_EQ(app.m_pMainWnd, nullptr);
    }
}

TEST(AppHostTest, FailedInitInstanceEndsAtOnce)
{
    TestApp app;
    app.initResult = FALSE;
    platform::AppHost host(app);
    EXPECT_FALSE(host.Initialized());
    EXPECT_EQ(host.Quit(), 0);
    EXPECT_EQ(app.exitInstanceCalls, 1);
}

struct MainWindowReport
{
    std::promise<HWND> seen;
    CWnd* wrapper = nullptr;
};

UINT AFX_CDECL ReportMainWindow(LPVOID param)
{
    auto* report = static_cast<MainWindowReport*>(param);
    CWnd* main = AfxGetMainWnd();
    report->wrapper = main;
    report->seen.set_value(main != nullptr ? main->m_hWnd : nullptr);
    return 0;
}

TEST(AppHostTest, WorkerThreadsSeeTheApplicationsMainWindow)
{
    TestApp app;
    platform::AppHost host(app);
    MainWindowReport report;
    std::future<HWND> seen = report.seen.get_future();
    host.Call([&report] { return AfxBeginThread(ReportMainWindow, &report); });
    ASSERT_EQ(seen.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    EXPECT_EQ(seen.get(), host.MainWindow());
    // The worker has its own wrapper of the same window.
    EXPECT_NE(report.wrapper, app.m_pMainWnd);
}

} // namespace
