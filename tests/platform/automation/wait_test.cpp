// Waiting on the user-interface thread: conditions it makes true are seen, a busy thread makes
// a wait time out with an explanation instead of hanging, and the test's own windows are served.

#include "platform/automation.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

using namespace platform;
using namespace platform::automation;

namespace
{

std::atomic<int> g_ticks{0};

void CALLBACK CountTick(HWND, UINT, UINT_PTR, DWORD)
{
    ++g_ticks;
}

TEST(WaitUntil, SeesWhatTheUserInterfaceThreadDoes)
{
    UiThread ui;
    g_ticks = 0;
    ui.Run([&] { return static_cast<LRESULT>(SetTimer(ui.MainWindow(), 1, 10, CountTick)); });
    EXPECT_TRUE(WaitUntil([] { return g_ticks.load() >= 3; }, "three timer ticks", DefaultTimeout(),
                          ui.Id()))
        << LastFailure();
    ui.Run([&] { return static_cast<LRESULT>(KillTimer(ui.MainWindow(), 1)); });
}

TEST(WaitUntil, EndsOnlyWhenTheHandlerThatMadeItTrueHasFinished)
{
    // The handler makes the condition true, then goes on only after the wait has seen it: what
    // it does next must be visible once the wait returns, as the rest of a screen after a
    // status line.
    UiThread ui;
    std::atomic<bool> first{false}, seen{false}, second{false};
    ui.Begin([&] {
        first = true;
        seen.wait(false);
        second = true;
        return LRESULT{0};
    });
    EXPECT_TRUE(WaitUntil(
        [&] {
            if (!first)
                return false;
            seen = true;
            seen.notify_one();
            return true;
        },
        "the first half of the handler", DefaultTimeout(), ui.Id()));
    EXPECT_TRUE(second);
    EXPECT_TRUE(ui.Finish());
}

TEST(WaitUntil, TimesOutNamingTheCondition)
{
    EXPECT_FALSE(WaitUntil([] { return false; }, "pigs fly", 30));
    EXPECT_EQ(LastFailure(), "timed out after 30 ms waiting until pigs fly");
}

TEST(WaitIdle, ABusyThreadTimesOutInsteadOfHanging)
{
    UiThread ui;
    std::promise<void> release;
    auto released = release.get_future().share();
    ui.Begin([released] {
        released.wait();
        return LRESULT{0};
    });
    EXPECT_FALSE(WaitIdle(ui.MainWindow(), 50));
    EXPECT_NE(LastFailure().find("did not become idle within 50 ms"), std::string::npos)
        << LastFailure();
    release.set_value();
    EXPECT_TRUE(ui.Finish());
    EXPECT_TRUE(WaitIdle(ui.MainWindow()));
}

std::atomic<int> g_handled{0};

LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_APP)
        ++g_handled;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

TEST(WaitIdle, OnTheCallersOwnThreadRunsItsQueue)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountingProc;
    wc.lpszClassName = "TestCountingWindow";
    RegisterClassA(&wc);
    HWND own = CreateWindowExA(0, "TestCountingWindow", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr, nullptr, nullptr);
    g_handled = 0;
    PostMessageA(own, WM_APP, 0, 0);
    PostMessageA(own, WM_APP, 0, 0);
    EXPECT_TRUE(WaitIdle(own));
    EXPECT_EQ(g_handled.load(), 2);
    DestroyWindow(own);
}

TEST(WaitIdle, AThreadThatHasEndedHasNothingLeftToDo)
{
    DWORD id = 0;
    {
        UiThread ui;
        id = ui.Id();
    }
    EXPECT_TRUE(WaitIdleThread(id, 50)) << LastFailure();
}

} // namespace
