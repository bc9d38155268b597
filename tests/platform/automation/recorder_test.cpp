// The message recorder: what it records from any thread, how it compares with an expected
// table, and what people read when the two differ.

#include "platform/recorder.h"
#include "support/messages.h"
#include "test_windows.h"

#include <gtest/gtest.h>

using namespace platform;

namespace
{

RecordedMessage Got(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, const char* window = "box")
{
    return RecordedMessage{nullptr, window, message, wParam, lParam, false};
}

TEST(DiffMessages, ShowsBothListsSideBySideWithMarks)
{
    const std::vector<RecordedMessage> actual = {
        Got(WM_SETFOCUS),
        Got(WM_KEYDOWN, 'A', 0x1E0001),
        Got(WM_CHAR, 'b', 0x1E0001),
        Got(WM_USER + 5),
    };
    const ExpectedMessage expected[] = {
        {WM_SETFOCUS},  {WM_KEYDOWN, kWParam, 'A'}, {WM_CHAR, kWParam, 'a'}, {WM_KEYUP, kOptional},
        {WM_KILLFOCUS},
    };
    EXPECT_EQ(DiffMessages(actual, expected, "typing"),
              "message sequence differs (typing):\n"
              "  expected                                       | received\n"
              "  WM_SETFOCUS                                    | box: WM_SETFOCUS wParam=0x0 "
              "lParam=0x0\n"
              "  WM_KEYDOWN wParam=0x41                         | box: WM_KEYDOWN wParam=0x41 "
              "lParam=0x1e0001\n"
              "! WM_CHAR wParam=0x61                            | box: WM_CHAR wParam=0x62 "
              "lParam=0x1e0001\n"
              "? WM_KEYUP [optional]                            | \n"
              "- WM_KILLFOCUS                                   | \n"
              "+                                                | box: WM_USER+5 wParam=0x0 "
              "lParam=0x0\n");
}

TEST(DiffMessages, OptionalEntriesMayBeThereOrNot)
{
    const ExpectedMessage expected[] = {{WM_LBUTTONDOWN},
                                        {WM_MOUSEACTIVATE, kOptional},
                                        {WM_LBUTTONUP},
                                        {WM_CONTEXTMENU, kOptional}};
    EXPECT_EQ(DiffMessages({Got(WM_LBUTTONDOWN), Got(WM_LBUTTONUP)}, expected), "");
    EXPECT_EQ(
        DiffMessages({Got(WM_LBUTTONDOWN), Got(WM_MOUSEACTIVATE), Got(WM_LBUTTONUP)}, expected),
        "");
    // An optional entry out of its place is still a surprise.
    EXPECT_NE(
        DiffMessages({Got(WM_MOUSEACTIVATE), Got(WM_LBUTTONDOWN), Got(WM_LBUTTONUP)}, expected),
        "");
    // Required entries may not be replaced by optional ones of the same message.
    const ExpectedMessage twice[] = {{WM_CHAR, kOptional}, {WM_CHAR, kWParam, 'x'}};
    EXPECT_EQ(DiffMessages({Got(WM_CHAR, 'x')}, twice), "");
    EXPECT_NE(DiffMessages({Got(WM_CHAR, 'y')}, twice), "");
}

TEST(DiffMessages, WindowsParentsAndNotificationCodes)
{
    std::vector<RecordedMessage> actual = {Got(WM_ENABLE, 1, 0, "ok"),
                                           Got(WM_ENABLE, 1, 0, "cancel")};
    const ExpectedMessage byName[] = {{WM_ENABLE, kAny, 0, 0, "ok"},
                                      {WM_ENABLE, kAny, 0, 0, "cancel"}};
    EXPECT_EQ(DiffMessages(actual, byName), "");
    const ExpectedMessage swapped[] = {{WM_ENABLE, kAny, 0, 0, "cancel"},
                                       {WM_ENABLE, kAny, 0, 0, "ok"}};
    EXPECT_NE(DiffMessages(actual, swapped), "");

    RecordedMessage note{nullptr, "dlg", WM_NOTIFY, 10, static_cast<LPARAM>(static_cast<UINT>(-2)),
                         true};
    const ExpectedMessage signedCode[] = {{WM_NOTIFY, kParent | kWParam | kLParam, 10, -2}};
    EXPECT_EQ(DiffMessages({note}, signedCode), "");
    // A parent's notification is not the same entry as the message itself.
    const ExpectedMessage own[] = {{WM_NOTIFY}};
    EXPECT_NE(DiffMessages({note}, own), "");
    RecordedMessage command{nullptr, "dlg", WM_COMMAND, MAKEWPARAM(1001, 0x300), 0x1234, true};
    const ExpectedMessage wrongCode[] = {{WM_COMMAND, kParent | kWParam, MAKEWPARAM(1001, 0x400)}};
    EXPECT_NE(DiffMessages({command}, wrongCode)
                  .find("dlg: WM_COMMAND id 1001 code 0x300 from 0x1234 (parent)"),
              std::string::npos);
}

TEST(MessageName, NamesFromTheHeadersAndRanges)
{
    EXPECT_EQ(MessageName(WM_LBUTTONDOWN), "WM_LBUTTONDOWN");
    EXPECT_EQ(MessageName(WM_NULL), "WM_NULL");
    EXPECT_EQ(MessageName(WM_KEYDOWN), "WM_KEYDOWN");
    EXPECT_EQ(MessageName(WM_MOUSEWHEEL), "WM_MOUSEWHEEL");
    EXPECT_EQ(MessageName(BM_SETCHECK), "BM_SETCHECK");
    EXPECT_EQ(MessageName(LB_GETCURSEL), "LB_GETCURSEL");
    EXPECT_EQ(MessageName(WM_USER + 5), "WM_USER+5");
    EXPECT_EQ(MessageName(WM_APP + 1), "WM_APP+1");
    EXPECT_EQ(MessageName(0xC123), "0xC123");
    EXPECT_EQ(MessageName(0x0004), "0x0004");
}

class Recording : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = testwin::RunForWindow(ui, [] { return testwin::PadHost("Recorded"); });
        pad = GetDlgItem(host, 10);
    }
    void TearDown() override
    {
        if (IsWindow(host))
            ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(host)); });
    }
    WNDPROC ProcOf(HWND h) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrA(h, GWLP_WNDPROC)); }

    UiThread ui;
    HWND host = nullptr;
    HWND pad = nullptr;
};

TEST_F(Recording, RecordsWhatTheWindowReceivesFromEveryThread)
{
    MessageRecorder recorder;
    ASSERT_TRUE(recorder.Watch(pad, "pad"));
    SendMessageA(pad, WM_APP + 1, 1, 2);                            // from this thread
    ui.Run([this] { return SendMessageA(pad, WM_APP + 2, 3, 4); }); // on its own thread
    PostMessageA(pad, WM_APP + 3, 5, 6);                            // posted
    ui.WaitIdle();
    SendMessageA(pad, WM_NCHITTEST, 0, 0); // ignored by default
    const ExpectedMessage expected[] = {
        {WM_APP + 1, kWParam | kLParam, 1, 2, "pad"},
        {WM_APP + 2, kWParam | kLParam, 3, 4, "pad"},
        {WM_APP + 3, kWParam | kLParam, 5, 6, "pad"},
    };
    EXPECT_TRUE(MatchesSequence(recorder, expected, "three ways in"));
    recorder.Unignore(WM_NCHITTEST);
    SendMessageA(pad, WM_NCHITTEST, 0, 0);
    EXPECT_EQ(recorder.Messages().size(), 1u);
}

TEST_F(Recording, StoppingGivesTheWindowItsProcedureBack)
{
    const WNDPROC original = ProcOf(pad);
    {
        MessageRecorder recorder;
        ASSERT_TRUE(recorder.Watch(pad, "pad"));
        EXPECT_NE(ProcOf(pad), original);
        recorder.Stop(pad);
        EXPECT_EQ(ProcOf(pad), original);
        SendMessageA(pad, WM_APP, 0, 0);
        EXPECT_TRUE(recorder.Messages().empty());
        ASSERT_TRUE(recorder.Watch(pad, "pad"));
    }
    // The recorder's end stops it too.
    EXPECT_EQ(ProcOf(pad), original);
}

TEST_F(Recording, AWindowSubclassedAfterTheRecorderKeepsWorking)
{
    static WNDPROC below;
    static std::atomic<int> seenOnTop{0};
    seenOnTop = 0;
    {
        MessageRecorder recorder;
        ASSERT_TRUE(recorder.Watch(pad, "pad"));
        below = ProcOf(pad);
        ui.Run([this] {
            return SetWindowLongPtrA(
                pad, GWLP_WNDPROC,
                reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                    if (m == WM_APP)
                        ++seenOnTop;
                    return CallWindowProcA(below, h, m, w, l);
                }));
        });
    }
    // The recorder is gone but its procedure stays in the chain, passing messages on.
    EXPECT_EQ(SendMessageA(pad, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON);
    SendMessageA(pad, WM_APP, 0, 0);
    EXPECT_EQ(seenOnTop.load(), 1);
}

TEST_F(Recording, DestroyedWindowsLeaveTheRecordCleanly)
{
    MessageRecorder recorder;
    ASSERT_TRUE(recorder.Watch(pad, "pad"));
    ASSERT_TRUE(recorder.WatchNotifications(host, "host"));
    ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(host)); });
    const ExpectedMessage end[] = {
        {WM_SHOWWINDOW, kOptional, 0, 0, "pad"},
        {WM_WINDOWPOSCHANGING, kOptional, 0, 0, "pad"},
        {WM_WINDOWPOSCHANGED, kOptional, 0, 0, "pad"},
        {WM_DESTROY, kAny, 0, 0, "pad"},
        {WM_NCDESTROY, kAny, 0, 0, "pad"},
    };
    EXPECT_TRUE(MatchesSequence(recorder, end, "destroying the host"));
    EXPECT_FALSE(recorder.Watch(pad, "pad"));
}

TEST(RecordingThreads, OneRecorderForWindowsOfTwoThreads)
{
    UiThread first("First"), second("Second");
    MessageRecorder recorder;
    ASSERT_TRUE(recorder.Watch(first.MainWindow(), "first"));
    ASSERT_TRUE(recorder.Watch(second.MainWindow(), "second"));
    for (int i = 0; i < 20; ++i)
    {
        PostMessageA(first.MainWindow(), WM_APP, i, 0);
        PostMessageA(second.MainWindow(), WM_APP, i, 0);
    }
    first.WaitIdle();
    second.WaitIdle();
    int fromFirst = 0, fromSecond = 0;
    for (const auto& m : recorder.Messages())
        if (m.message == WM_APP)
        {
            // Each window's own messages stay in the order they were posted.
            int& count = m.window == "first" ? fromFirst : fromSecond;
            EXPECT_EQ(m.wParam, static_cast<WPARAM>(count));
            ++count;
        }
    EXPECT_EQ(fromFirst, 20);
    EXPECT_EQ(fromSecond, 20);
}

} // namespace
