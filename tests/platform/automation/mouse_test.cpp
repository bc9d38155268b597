// The simulated mouse: clicks land at the point asked for, double clicks are recognised every
// time, quick single clicks never merge, and clicks a person could not make are refused.

#include "platform/automation.h"
#include "platform/recorder.h"
#include "support/messages.h"
#include "test_windows.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace platform::automation;

namespace
{

class PadWindow : public ::testing::Test
{
protected:
    void SetUp() override
    {
        host = testwin::RunForWindow(ui, [] { return testwin::PadHost("Pads"); });
        pad = GetDlgItem(host, 10);
        ASSERT_TRUE(pad);
        // Activation and capture bookkeeping are not what these tests are about.
        recorder.Ignore(WM_MOUSEACTIVATE);
        recorder.Ignore(WM_CAPTURECHANGED);
        recorder.Ignore(WM_SETFOCUS);
        recorder.Ignore(WM_KILLFOCUS);
        ASSERT_TRUE(recorder.Watch(pad, "pad"));
    }
    void TearDown() override
    {
        recorder.Stop(pad);
        ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(host)); });
    }

    UiThread ui;
    HWND host = nullptr;
    HWND pad = nullptr;
    MessageRecorder recorder;
};

TEST_F(PadWindow, ClickAtAClientPointCarriesItAndTheModifiers)
{
    ASSERT_TRUE(Click(pad, POINT{7, 9}, kShift));
    const ExpectedMessage click[] = {
        {WM_KEYDOWN, kWParam | kOptional, VK_SHIFT},
        {WM_LBUTTONDOWN, kWParam | kLParam, MK_LBUTTON | MK_SHIFT, MAKELPARAM(7, 9)},
        {WM_LBUTTONUP, kWParam | kLParam, MK_SHIFT, MAKELPARAM(7, 9)},
        {WM_KEYUP, kWParam | kOptional, VK_SHIFT},
    };
    EXPECT_TRUE(MatchesSequence(recorder, click, "shift-click at (7, 9)"));
}

TEST_F(PadWindow, DoubleClickIsRecognisedEveryTime)
{
    const ExpectedMessage doubleClick[] = {
        {WM_LBUTTONDOWN, kWParam, MK_LBUTTON},
        {WM_LBUTTONUP},
        {WM_LBUTTONDBLCLK, kWParam, MK_LBUTTON},
        {WM_LBUTTONUP},
    };
    for (int i = 0; i < 5; ++i)
    {
        ASSERT_TRUE(DoubleClick(pad)) << LastFailure();
        EXPECT_TRUE(MatchesSequence(recorder, doubleClick, "double click")) << "round " << i;
    }
}

TEST_F(PadWindow, QuickSingleClicksNeverMergeIntoADoubleClick)
{
    ASSERT_TRUE(Click(pad));
    ASSERT_TRUE(Click(pad));
    ASSERT_TRUE(Click(pad));
    const ExpectedMessage threeClicks[] = {
        {WM_LBUTTONDOWN}, {WM_LBUTTONUP},   {WM_LBUTTONDOWN},
        {WM_LBUTTONUP},   {WM_LBUTTONDOWN}, {WM_LBUTTONUP},
    };
    EXPECT_TRUE(MatchesSequence(recorder, threeClicks, "three single clicks"));
}

TEST_F(PadWindow, RightClickAndTheParentsNotifications)
{
    MessageRecorder parent;
    ASSERT_TRUE(parent.WatchNotifications(host, "host"));
    ASSERT_TRUE(RightClick(pad));
    ASSERT_TRUE(Click(pad));
    const ExpectedMessage own[] = {
        {WM_RBUTTONDOWN, kWParam, MK_RBUTTON},
        {WM_RBUTTONUP},
        {WM_CONTEXTMENU, kOptional},
        {WM_LBUTTONDOWN},
        {WM_LBUTTONUP},
    };
    EXPECT_TRUE(MatchesSequence(recorder, own, "right click, then click"));
    const ExpectedMessage notes[] = {
        {WM_NOTIFY, kParent | kWParam | kLParam, 10,
         static_cast<LPARAM>(testwin::kPadRightClicked)},
        {WM_COMMAND, kParent | kWParam, MAKEWPARAM(10, BN_CLICKED)},
    };
    EXPECT_TRUE(MatchesSequence(parent, notes, "the host's notifications"));
    parent.Stop(host);
}

TEST_F(PadWindow, ClicksAPersonCouldNotMakeAreRefused)
{
    ui.Run([this] { return static_cast<LRESULT>(ShowWindow(pad, SW_HIDE)); });
    EXPECT_FALSE(Click(pad));
    EXPECT_NE(LastFailure().find("is not visible"), std::string::npos) << LastFailure();
    ui.Run([this] { return static_cast<LRESULT>(ShowWindow(pad, SW_SHOW)); });
    recorder.Clear();

    // Another top-level window over the pad takes the click; the test asked for the pad.
    HWND cover = testwin::RunForWindow(ui, [] { return testwin::PadHost("Cover", 90, 90); });
    EXPECT_FALSE(Click(pad));
    EXPECT_NE(LastFailure().find("is covered by TestHost \"Cover\""), std::string::npos)
        << LastFailure();
    ui.Run([cover] { return static_cast<LRESULT>(DestroyWindow(cover)); });

    EXPECT_FALSE(Click(reinterpret_cast<HWND>(0x7777)));
    EXPECT_NE(LastFailure().find("not a window"), std::string::npos) << LastFailure();
    const ExpectedMessage nothing[] = {{WM_NULL, kOptional}};
    EXPECT_TRUE(MatchesSequence(recorder, nothing, "refused clicks reach nobody"));
}

} // namespace
