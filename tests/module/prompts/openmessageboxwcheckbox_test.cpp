// The message box with the "Do not show this message again." check box, through
// gxOpen_message_box_wcheck: its buttons and cancel result, the check state handed back, the
// growth that moves the check box too, and the suppressed mode.
#include "prompts_support.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

using namespace prompts_test;

namespace
{

const char* const kNone = nullptr;

std::function<LRESULT()> Box(TestHost& host, const char* message, const char* b1, const char* b2,
                             const char* b3, const char* b4, const char* helpRef, int def,
                             int* check)
{
    return host.Export("gxOpen_message_box_wcheck", "Notice", message, b1, b2, b3, b4, helpRef, def,
                       check);
}

const int kButtons[] = {IDC_MSGBOXW_BUTTON1, IDC_MSGBOXW_BUTTON2, IDC_MSGBOXW_BUTTON3,
                        IDC_MSGBOXW_BUTTON4};

} // namespace

TEST(OpenMessageboxWCheckboxTest, FirstShownWithTheCheckBoxUnchecked)
{
    TestHost host;
    int check = 1;
    Story s(host.Ui());
    s.Open(Box(host, "The property set was changed.", "OK", kNone, kNone, kNone, "props.chm#94", 1,
               &check));
    s.Window("#32770", "Notice");
    EXPECT_EQ("\n" + s.Snapshot(), R"(
+= Notice ===============================================================[X]+
|                                                                           |
|    The property set was changed.                                          |
|                                                                           |
|                                                                           |
|                                                                           |
|               >[[    OK    ]]<               [    Help    ]               |
|     [ ] Do not show this message again.                                   |
|                                                                           |
+---------------------------------------------------------------------------+
)");
    EXPECT_FALSE(s.IsChecked(IDC_MSGBOXW_DONTSHOW)) << "whatever the caller's state";
    EXPECT_EQ(s.Focus(), s.Control(IDC_MSGBOXW_BUTTON1));
    s.Press(VK_RETURN);
    EXPECT_EQ(s.Result(), 1);
    EXPECT_EQ(check, 1) << "an untouched check box leaves the caller's state";
}

TEST(OpenMessageboxWCheckboxTest, EachButtonAnswersItsNumberAndHandsBackTheCheckState)
{
    TestHost host;
    for (int button = 1; button <= 4; ++button)
    {
        int check = 0;
        Story s(host.Ui());
        s.Open(Box(host, "Choose", "One", "Two", "Three", "Four", kNone, 0, &check));
        s.Window("#32770", "Notice");
        // Checked on odd buttons, checked and cleared again on even ones.
        s.Click(IDC_MSGBOXW_DONTSHOW);
        if (button % 2 == 0)
            s.Click(IDC_MSGBOXW_DONTSHOW);
        s.Click(kButtons[button - 1]);
        EXPECT_EQ(s.Result(), button);
        EXPECT_EQ(check, button % 2) << "button " << button;
    }
}

TEST(OpenMessageboxWCheckboxTest, EscapeAndTheCloseBoxAnswerTwoAndStillHandBackTheState)
{
    TestHost host;
    {
        int check = 1;
        Story s(host.Ui());
        s.Open(Box(host, "Escape", "Yes", "No", kNone, kNone, kNone, 1, &check));
        s.Window("#32770", "Notice");
        s.Click(IDC_MSGBOXW_DONTSHOW);
        s.Click(IDC_MSGBOXW_DONTSHOW);
        s.Press(VK_ESCAPE);
        EXPECT_EQ(s.Result(), IDCANCEL);
        EXPECT_EQ(check, 0);
    }
    {
        int check = 0;
        Story s(host.Ui());
        s.Open(Box(host, "Close", "Yes", "No", kNone, kNone, kNone, 4, &check));
        HWND box = s.Window("#32770", "Notice");
        s.Click("Do not show this message again.");
        EXPECT_TRUE(ClickCloseBox(box));
        EXPECT_EQ(s.Result(), IDCANCEL);
        EXPECT_EQ(check, 1);
    }
    {
        // No buttons at all: Enter does nothing, only Escape ends the box.
        int check = 0;
        Story s(host.Ui());
        s.Open(Box(host, "Nothing", kNone, kNone, kNone, kNone, kNone, 0, &check));
        HWND box = s.Window("#32770", "Notice");
        for (int id : kButtons)
            EXPECT_FALSE(s.IsVisible(id));
        s.Press(VK_RETURN);
        EXPECT_TRUE(::IsWindowVisible(box));
        s.Press(VK_ESCAPE);
        EXPECT_EQ(s.Result(), IDCANCEL);
    }
}

TEST(OpenMessageboxWCheckboxTest, HelpButtonsKeepTheBoxOpen)
{
    TestHost host;
    int check = 0;
    Story s(host.Ui());
    s.Open(Box(host, "Helpful", "Yes", "Help", kNone, kNone, "cmpnts.chm#35", 1, &check));
    HWND box = s.Window("#32770", "Notice");
    EXPECT_EQ(s.Text(IDC_MSGBOXW_BUTTON4), "&Help");
    s.Click(IDC_MSGBOXW_BUTTON2);
    EXPECT_EQ(HelpViewerText(), host.FirstInstallDir() + "\\cmpnts.chm#35");
    CloseHelpViewer(host);
    s.Click(IDC_MSGBOXW_BUTTON4);
    EXPECT_EQ(HelpViewerText(), host.FirstInstallDir() + "\\cmpnts.chm#35");
    CloseHelpViewer(host);
    EXPECT_TRUE(::IsWindowVisible(box));
    s.Click("Yes");
    EXPECT_EQ(s.Result(), 1);
}

TEST(OpenMessageboxWCheckboxTest, ALongMessageMovesTheButtonsAndTheCheckBoxDown)
{
    TestHost host;
    struct Look
    {
        int boxHeight = 0;
        RECT message{};
        RECT button{};
        RECT check{};
    };
    auto look = [&](const std::string& message) {
        Look seen;
        int check = 0;
        Story s(host.Ui());
        s.Open(Box(host, message.c_str(), "OK", "Cancel", kNone, kNone, kNone, 1, &check));
        HWND box = s.Window("#32770", "Notice");
        seen.boxHeight = HeightOf(box);
        seen.message = PlaceOf(box, IDC_MSGBOXW_TEXT);
        seen.button = PlaceOf(box, IDC_MSGBOXW_BUTTON2);
        seen.check = PlaceOf(box, IDC_MSGBOXW_DONTSHOW);
        s.Click("OK");
        EXPECT_EQ(s.Result(), 1);
        return seen;
    };
    const Look one = look("Short.");
    // Two newlines and a segment of 136 characters: 1 + 2 + 2 lines.
    const Look five = look("a\nb\n" + std::string(136, 'x'));

    // The message area is 29 pixels high (18 dialog units): a line is 9 of them.
    EXPECT_EQ(one.message.bottom - one.message.top, 29);
    const int growth = 3 * 9;
    EXPECT_EQ(five.boxHeight, one.boxHeight + growth);
    EXPECT_EQ(five.message.bottom, one.message.bottom + growth);
    EXPECT_EQ(five.button.top, one.button.top + growth);
    EXPECT_EQ(five.check.top, one.check.top + growth);
    EXPECT_EQ(five.check.left, one.check.left);
}

TEST(OpenMessageboxWCheckboxTest, WithDialogsSuppressedTheStateComesBackUnchanged)
{
    TestHost host;
    vxhost::SetDialogsSuppressed(true);
    int check = 1;
    EXPECT_EQ(host.Call("gxOpen_message_box_wcheck", "Notice", "Several properties match.", "OK",
                        "Skip", kNone, kNone, kNone, 2, &check),
              2);
    EXPECT_EQ(check, 1);
    check = 0;
    EXPECT_EQ(host.Call("gxOpen_message_box_wcheck", kNone, "Again", "OK", kNone, kNone, kNone,
                        kNone, 7, &check),
              7);
    EXPECT_EQ(check, 0);

    const auto log = vxhost::SuppressedPrompts();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].message, "Notice. Several properties match.");
    EXPECT_EQ(log[0].answer, "Skip");
    EXPECT_EQ(log[0].result, 2);
    EXPECT_EQ(log[1].message, "Tirel Plus. Again");
    EXPECT_EQ(log[1].answer, "Unknown");
}

TEST(OpenMessageboxWCheckboxTest, NotShownLeavesTheStateAlone)
{
    WithUnreadyHosts([](TestHost& host) {
        int check = 5;
        EXPECT_EQ(host.Call("gxOpen_message_box_wcheck", "T", "M", "OK", kNone, kNone, kNone, kNone,
                            1, &check),
                  0);
        EXPECT_EQ(check, 5);
    });
}

TEST(OpenMessageboxWCheckboxTest, ACallerWithoutAStateStillGetsTheAnswer)
{
    TestHost host;
    int* const noState = nullptr;
    Story s(host.Ui());
    s.Open(Box(host, "Stateless", "Yes", "No", kNone, kNone, kNone, 2, noState));
    s.Window("#32770", "Notice");
    s.Click(IDC_MSGBOXW_DONTSHOW);
    s.Click("No");
    EXPECT_EQ(s.Result(), 2);
}
