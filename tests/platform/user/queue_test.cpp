// Messages within and across threads: SendMessage re-entrancy, posting order, timers, idle.

#include "platform/ui_thread.h"
#include "platform/user.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace
{

constexpr UINT kAsk = WM_APP + 1;
constexpr UINT kAnswer = WM_APP + 2;
constexpr UINT kRecord = WM_APP + 3;

std::vector<UINT> g_log;

LRESULT CALLBACK AnswerProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == kAnswer)
        return static_cast<LRESULT>(wParam * 2);
    if (msg == kAsk)
    {
        // Calls back into the window of the thread that is waiting for this very message.
        return SendMessageA(reinterpret_cast<HWND>(lParam), kAnswer, wParam, 0) + 1;
    }
    if (msg == kRecord)
    {
        g_log.push_back(static_cast<UINT>(wParam));
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateAnswerWindow()
{
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = AnswerProc;
        wc.lpszClassName = "AnswerWindow";
        return RegisterClassA(&wc);
    }();
    (void)atom;
    return CreateWindowExA(0, "AnswerWindow", "answer", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                           nullptr, nullptr);
}

TEST(CrossThreadSend, CrossThreadReturnsTheReceiversResult)
{
    platform::UiThread ui;
    HWND remote = reinterpret_cast<HWND>(
        ui.Run([] { return reinterpret_cast<LRESULT>(CreateAnswerWindow()); }));
    EXPECT_EQ(SendMessageA(remote, kAnswer, 21, 0), 42);
    EXPECT_NE(GetWindowThreadProcessId(remote, nullptr), GetCurrentThreadId());
    ui.Run([remote] { return static_cast<LRESULT>(DestroyWindow(remote)); });
    EXPECT_FALSE(IsWindow(remote));
}

TEST(CrossThreadSend, WaitingSenderHandlesMessagesSentToItself)
{
    platform::UiThread ui;
    HWND remote = reinterpret_cast<HWND>(
        ui.Run([] { return reinterpret_cast<LRESULT>(CreateAnswerWindow()); }));
    HWND local = CreateAnswerWindow();
    // The remote handler sends kAnswer back to our window while we wait in SendMessage.
    EXPECT_EQ(SendMessageA(remote, kAsk, 5, reinterpret_cast<LPARAM>(local)), 11);
    DestroyWindow(local);
    ui.Run([remote] { return static_cast<LRESULT>(DestroyWindow(remote)); });
}

TEST(CrossThreadSend, InSendMessageTellsCrossThreadCalls)
{
    platform::UiThread ui;
    std::atomic<int> inside{-1};
    HWND remote = reinterpret_cast<HWND>(
        ui.Run([] { return reinterpret_cast<LRESULT>(CreateAnswerWindow()); }));
    // A subclass reports InSendMessage for a message sent from this thread.
    static std::atomic<int>* seen;
    seen = &inside;
    static WNDPROC original;
    original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(remote, GWLP_WNDPROC));
    SetWindowLongPtrA(
        remote, GWLP_WNDPROC,
        reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
            if (m == WM_USER)
                *seen = InSendMessage();
            return CallWindowProcA(original, h, m, w, l);
        }));
    SendMessageA(remote, WM_USER, 0, 0);
    EXPECT_EQ(inside.load(), 1);
    // A posted job runs outside any sent message, so its own SendMessage is a plain call.
    ui.Begin([remote] { return SendMessageA(remote, WM_USER, 0, 0); });
    ASSERT_TRUE(ui.Finish());
    EXPECT_EQ(inside.load(), 0);
    ui.Run([remote] { return static_cast<LRESULT>(DestroyWindow(remote)); });
}

TEST(Posting, ArrivesInOrderAfterSentMessages)
{
    g_log.clear();
    HWND w = CreateAnswerWindow();
    PostMessageA(w, kRecord, 1, 0);
    PostMessageA(w, kRecord, 2, 0);
    SendMessageA(w, kRecord, 0, 0);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    EXPECT_EQ(g_log, (std::vector<UINT>{0, 1, 2}));
    DestroyWindow(w);
}

TEST(Posting, FilteredPeekLeavesOtherMessages)
{
    HWND w = CreateAnswerWindow();
    PostMessageA(w, WM_USER + 10, 0, 0);
    PostMessageA(w, WM_USER + 20, 0, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_USER + 20, WM_USER + 20, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 20));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_USER + 10));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DestroyWindow(w);
}

TEST(MessageLoop, QuitEndsTheLoopWithItsCode)
{
    PostQuitMessage(7);
    MSG msg;
    EXPECT_FALSE(GetMessageA(&msg, nullptr, 0, 0));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST(Timers, FireThroughTheQueue)
{
    HWND w = CreateAnswerWindow();
    static int fired;
    fired = 0;
    SetTimer(w, 5, 10, [](HWND, UINT, UINT_PTR id, DWORD) { fired += static_cast<int>(id); });
    MSG msg;
    while (fired == 0 && GetMessageA(&msg, nullptr, 0, 0))
        DispatchMessageA(&msg);
    EXPECT_EQ(fired, 5);
    EXPECT_TRUE(KillTimer(w, 5));
    EXPECT_FALSE(KillTimer(w, 5));
    DestroyWindow(w);
}

TEST(Idle, WaitIdleReturnsOnceQueuedWorkIsDone)
{
    platform::UiThread ui;
    std::atomic<int> done{0};
    HWND remote = reinterpret_cast<HWND>(
        ui.Run([] { return reinterpret_cast<LRESULT>(CreateAnswerWindow()); }));
    ui.Begin([&] {
        done = 1;
        return LRESULT{0};
    });
    ASSERT_TRUE(ui.WaitIdle());
    EXPECT_EQ(done.load(), 1);
    ui.Run([remote] { return static_cast<LRESULT>(DestroyWindow(remote)); });
}

} // namespace
