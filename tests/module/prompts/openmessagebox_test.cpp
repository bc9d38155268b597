// The message box through gxOpen_message_box and gxOpen_message_box2: what the user sees, what
// each button, key and the close box answer, help buttons, the growth for long messages, the
// button row, the suppressed mode, and the owner the box gets.
#include "prompts_support.h"

#include "res/resource.h"

#include <gtest/gtest.h>

#include <string>

using namespace prompts_test;

namespace
{

const char* const kNone = nullptr;

// gxOpen_message_box with the title "Question".
std::function<LRESULT()> Box(TestHost& host, const char* message, const char* b1, const char* b2,
                             const char* b3, const char* b4, const char* helpRef, int def)
{
    return host.Export("gxOpen_message_box", "Question", message, b1, b2, b3, b4, helpRef, def);
}

std::function<LRESULT()> Box2(TestHost& host, const char* b1, const char* b2, const char* b3,
                              const char* b4, const char* helpRef, int def, int cancel)
{
    return host.Export("gxOpen_message_box2", "Question", "Go on?", b1, b2, b3, b4, helpRef, def,
                       cancel);
}

const int kButtons[] = {IDC_MSGBOX_BUTTON1, IDC_MSGBOX_BUTTON2, IDC_MSGBOX_BUTTON3,
                        IDC_MSGBOX_BUTTON4};

} // namespace

TEST(OpenMessageboxTest, FirstShownWithTheCallersTitleMessageAndButtons)
{
    TestHost host;
    Story s(host.Ui());
    s.Open(host.Export("gxOpen_message_box", "Delete block", "Delete block B1 and its streams?",
                       "Yes", "No", "Cancel", kNone, kNone, 2));
    HWND box = s.Window("#32770", "Delete block");
    EXPECT_EQ("\n" + s.Snapshot(), R"(
+= Delete block ================================================================[X]+
|                                                                                  |
|                                                                                  |
|         Delete block B1 and its streams?                                         |
|                                                                                  |
|                                                                                  |
|         [     Yes      ]        >[[     No     ]]<        [    Cancel    ]       |
|                                                                                  |
|                                                                                  |
+----------------------------------------------------------------------------------+
)");
    EXPECT_EQ(s.Focus(), s.Control(IDC_MSGBOX_BUTTON2)) << "the default button has the focus";
    EXPECT_FALSE(s.IsVisible(IDC_MSGBOX_BUTTON4)) << "no fourth caption and no help reference";
    EXPECT_FALSE(s.IsVisible(IDC_MSGBOX_ICON)) << "the box shows no icon";
    EXPECT_FALSE(::IsWindowEnabled(host.MainWindow())) << "the box is modal";
    EXPECT_EQ(::GetWindow(box, GW_OWNER), host.MainWindow());
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), 2);
}

TEST(OpenMessageboxTest, EachButtonAnswersItsNumber)
{
    TestHost host;
    for (int button = 1; button <= 4; ++button)
    {
        Story s(host.Ui());
        s.Open(Box(host, "Choose one", "One", "Two", "Three", "Details", kNone, 1));
        s.Window("#32770", "Question");
        s.Click(kButtons[button - 1]);
        EXPECT_EQ(s.Result(), button) << "button " << button;
    }
}

TEST(OpenMessageboxTest, EnterAnswersAsTheDefaultButton)
{
    TestHost host;
    struct Case
    {
        int def;
        int result;
    } cases[] = {{2, 2},
                 {3, 3},
                 {4, 4},
                 {1, 1},
                 // No default chosen: the template's first button keeps its default style.
                 {0, 1},
                 {5, 1}};
    for (const Case& c : cases)
    {
        Story s(host.Ui());
        s.Open(Box(host, "Enter", "A", "B", "C", "D", kNone, c.def));
        s.Window("#32770", "Question");
        s.Press(VK_RETURN);
        EXPECT_EQ(s.Result(), c.result) << "default button " << c.def;
    }
}

TEST(OpenMessageboxTest, EscapeAndTheCloseBoxAnswerTheCancelResult)
{
    TestHost host;
    {
        // gxOpen_message_box: as the default button would.
        Story s(host.Ui());
        s.Open(Box(host, "Escape", "Yes", "No", kNone, kNone, kNone, 2));
        s.Window("#32770", "Question");
        s.Press(VK_ESCAPE);
        EXPECT_EQ(s.Result(), 2);
    }
    {
        Story s(host.Ui());
        s.Open(Box(host, "Close", "Yes", "No", kNone, kNone, kNone, 2));
        HWND box = s.Window("#32770", "Question");
        EXPECT_TRUE(ClickCloseBox(box));
        EXPECT_EQ(s.Result(), 2);
    }
    {
        // gxOpen_message_box2: the caller's own cancel result, whatever the default.
        Story s(host.Ui());
        s.Open(Box2(host, "Yes", "No", kNone, kNone, kNone, 1, 7));
        s.Window("#32770", "Question");
        s.Press(VK_ESCAPE);
        EXPECT_EQ(s.Result(), 7);
    }
    {
        Story s(host.Ui());
        s.Open(Box2(host, "Yes", "No", kNone, kNone, kNone, 1, 0));
        HWND box = s.Window("#32770", "Question");
        EXPECT_TRUE(ClickCloseBox(box));
        EXPECT_EQ(s.Result(), 0);
    }
}

TEST(OpenMessageboxTest, WithoutButtonsOnlyEscapeOrTheCloseBoxEndTheBox)
{
    TestHost host;
    Story s(host.Ui());
    s.Open(Box2(host, kNone, "", kNone, "", "cmpnts.chm", 3, 9));
    HWND box = s.Window("#32770", "Question");
    for (int id : kButtons)
        EXPECT_FALSE(s.IsVisible(id)) << id;
    // Enter reaches the hidden default button, which must not answer for the caller.
    s.Press(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(box));
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), 9);

    Story again(host.Ui());
    again.Open(Box2(host, kNone, kNone, kNone, kNone, kNone, 0, 4));
    box = again.Window("#32770", "Question");
    again.Press(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(box));
    EXPECT_TRUE(ClickCloseBox(box));
    EXPECT_EQ(again.Result(), 4);
}

TEST(OpenMessageboxTest, EnterOnAHiddenDefaultButtonAnswersNothing)
{
    TestHost host;
    // Button 3 is the default but has no caption: the focus sits on a hidden button.
    Story s(host.Ui());
    s.Open(Box(host, "Hidden default", "Yes", "No", kNone, kNone, kNone, 3));
    HWND box = s.Window("#32770", "Question");
    s.Press(VK_RETURN);
    EXPECT_TRUE(::IsWindowVisible(box));
    s.Click("No");
    EXPECT_EQ(s.Result(), 2);
}

TEST(OpenMessageboxTest, HelpCaptionsOpenTheTopicAndKeepTheBoxOpen)
{
    TestHost host;
    const std::string topic35 = host.FirstInstallDir() + "\\cmpnts.chm#35";
    {
        // A help caption on button 1 never answers 1.
        Story s(host.Ui());
        s.Open(Box(host, "Help first", "&Help", "No", kNone, kNone, "cmpnts.chm#35", 2));
        HWND box = s.Window("#32770", "Question");
        s.Click(IDC_MSGBOX_BUTTON1);
        EXPECT_EQ(HelpViewerText(), topic35);
        EXPECT_TRUE(::IsWindowVisible(box));
        CloseHelpViewer(host);
        s.Click("No");
        EXPECT_EQ(s.Result(), 2);
    }
    {
        // No fourth caption, but a help reference: the box adds "&Help" itself.
        Story s(host.Ui());
        s.Open(Box(host, "Added help", "OK", kNone, kNone, kNone, "props.chm# 94", 1));
        HWND box = s.Window("#32770", "Question");
        EXPECT_EQ(s.Text(IDC_MSGBOX_BUTTON4), "&Help");
        s.Click(IDC_MSGBOX_BUTTON4);
        EXPECT_EQ(HelpViewerText(), host.FirstInstallDir() + "\\props.chm#94");
        EXPECT_TRUE(::IsWindowVisible(box));
        CloseHelpViewer(host);
        s.Click("OK");
        EXPECT_EQ(s.Result(), 1);
    }
    {
        // Blanks, ampersands and case do not matter, on any of buttons 1 to 3.
        Story s(host.Ui());
        s.Open(Box(host, "Help third", "Yes", "No", " h&ELP ", kNone, "cmpnts.chm#35", 1));
        HWND box = s.Window("#32770", "Question");
        s.Click(IDC_MSGBOX_BUTTON3);
        EXPECT_EQ(HelpViewerText(), topic35);
        EXPECT_TRUE(::IsWindowVisible(box));
        CloseHelpViewer(host);
        s.Click("Yes");
        EXPECT_EQ(s.Result(), 1);
    }
}

TEST(OpenMessageboxTest, TheFourthButtonOpensHelpWheneverThereIsAReference)
{
    TestHost host;
    {
        Story s(host.Ui());
        s.Open(Box(host, "More?", "OK", kNone, kNone, "Details", "cmpnts.chm#12", 1));
        HWND box = s.Window("#32770", "Question");
        s.Click("Details");
        EXPECT_EQ(HelpViewerText(), host.FirstInstallDir() + "\\cmpnts.chm#12");
        EXPECT_TRUE(::IsWindowVisible(box));
        CloseHelpViewer(host);
        s.Click("OK");
        EXPECT_EQ(s.Result(), 1);
    }
    {
        // Without a "#" there is no reference: Details answers 4.
        Story s(host.Ui());
        s.Open(Box(host, "More?", "OK", kNone, kNone, "Details", "cmpnts.chm", 1));
        s.Window("#32770", "Question");
        s.Click("Details");
        EXPECT_EQ(s.Result(), 4);
    }
    {
        // A help caption without a reference opens nothing and keeps the box.
        Story s(host.Ui());
        s.Open(Box(host, "No reference", "OK", kNone, kNone, "Help", kNone, 1));
        HWND box = s.Window("#32770", "Question");
        s.Click("Help");
        EXPECT_FALSE(HelpViewerOpen());
        EXPECT_TRUE(::IsWindowVisible(box));
        s.Click("OK");
        EXPECT_EQ(s.Result(), 1);
    }
}

TEST(OpenMessageboxTest, ALineOf150CharactersGrowsTheBoxByOneLineHeight)
{
    TestHost host;
    struct Look
    {
        int boxHeight = 0;
        RECT message{};
        RECT button{};
    };
    auto look = [&](const std::string& message) {
        Look seen;
        Story s(host.Ui());
        s.Open(Box(host, message.c_str(), "OK", kNone, kNone, kNone, kNone, 1));
        HWND box = s.Window("#32770", "Question");
        seen.boxHeight = HeightOf(box);
        seen.message = PlaceOf(box, IDC_MSGBOX_TEXT);
        seen.button = PlaceOf(box, IDC_MSGBOX_BUTTON1);
        EXPECT_EQ(s.Text(IDC_MSGBOX_TEXT), message);
        s.Click("OK");
        EXPECT_EQ(s.Result(), 1);
        return seen;
    };
    const Look one = look("Short.");
    const Look two = look("First line.\nSecond line.");
    const Look three = look(std::string(150, 'x'));

    EXPECT_EQ(two.boxHeight, one.boxHeight) << "two lines fit";
    // The message area is 40 pixels high (25 dialog units): a line is 13 of them.
    EXPECT_EQ(one.message.bottom - one.message.top, 40);
    EXPECT_EQ(three.boxHeight, one.boxHeight + 13);
    EXPECT_EQ(three.message.top, one.message.top);
    EXPECT_EQ(three.message.bottom, one.message.bottom + 13);
    EXPECT_EQ(three.button.top, one.button.top + 13);
}

TEST(OpenMessageboxTest, TheShownButtonsShareTheRowWithEqualGaps)
{
    TestHost host;
    // The box is 504 pixels wide outside, each button 96: the gap is (504 - n * 96) / (n + 1),
    // and buttons without a caption leave no hole.
    struct Case
    {
        const char* captions[4];
        int left[4]; // by button, -1 where not shown
    } cases[] = {
        {{"A", kNone, kNone, kNone}, {204, -1, -1, -1}},
        {{kNone, "B", "C", kNone}, {-1, 104, 304, -1}},
        {{"A", kNone, "C", "D"}, {54, -1, 204, 354}},
        {{"A", "B", "C", "D"}, {24, 144, 264, 384}},
    };
    for (const Case& c : cases)
    {
        Story s(host.Ui());
        s.Open(
            Box(host, "Row", c.captions[0], c.captions[1], c.captions[2], c.captions[3], kNone, 0));
        HWND box = s.Window("#32770", "Question");
        for (int b = 0; b < 4; ++b)
        {
            const RECT place = PlaceOf(box, kButtons[b]);
            if (c.left[b] < 0)
            {
                EXPECT_FALSE(s.IsVisible(kButtons[b])) << "button " << b + 1;
                continue;
            }
            EXPECT_TRUE(s.IsVisible(kButtons[b])) << "button " << b + 1;
            EXPECT_EQ(s.Text(kButtons[b]), c.captions[b]);
            EXPECT_EQ(place.left, c.left[b]) << "button " << b + 1;
            EXPECT_EQ(place.right - place.left, 96);
            EXPECT_EQ(place.top, 70) << "every button keeps the first button's top";
        }
        s.Press(VK_ESCAPE);
        EXPECT_EQ(s.Result(), 0);
    }
}

TEST(OpenMessageboxTest, WithDialogsSuppressedTheDefaultButtonAnswersWithoutAWindow)
{
    TestHost host;
    vxhost::SetDialogsSuppressed(true);
    EXPECT_EQ(host.Call("gxOpen_message_box", "Save", "Save the changes?", "Yes", "No", "Cancel",
                        kNone, kNone, 2),
              2);
    // The fourth caption as the caller passed it, even where the box would show "&Help".
    EXPECT_EQ(host.Call("gxOpen_message_box2", kNone, "Read on?", "OK", kNone, kNone, kNone,
                        "cmpnts.chm#35", 4, 1),
              4);
    EXPECT_EQ(
        host.Call("gxOpen_message_box", "Odd", "No default", "OK", kNone, kNone, kNone, kNone, 0),
        0);
    EXPECT_EQ(
        host.Call("gxOpen_message_box2", "Odd", "Too far", "OK", kNone, kNone, kNone, kNone, 5, 3),
        5);
    EXPECT_EQ(::FindWindowA("#32770", nullptr), nullptr);

    const auto log = vxhost::SuppressedPrompts();
    ASSERT_EQ(log.size(), 4u);
    EXPECT_EQ(log[0].message, "Save. Save the changes?");
    EXPECT_EQ(log[0].answer, "No");
    EXPECT_EQ(log[0].result, 2);
    EXPECT_EQ(log[1].message, "Tirel Plus. Read on?");
    EXPECT_EQ(log[1].answer, "");
    EXPECT_EQ(log[1].result, 4);
    EXPECT_EQ(log[2].message, "Odd. No default");
    EXPECT_EQ(log[2].answer, "Unknown");
    EXPECT_EQ(log[2].result, 0);
    EXPECT_EQ(log[3].answer, "Unknown");
    EXPECT_EQ(log[3].result, 5);
}

TEST(OpenMessageboxTest, NotShownBeforeInitialisationOrWithoutAMainWindow)
{
    WithUnreadyHosts([](TestHost& host) {
        EXPECT_EQ(host.Call("gxOpen_message_box", "T", "M", "OK", kNone, kNone, kNone, kNone, 1),
                  0);
        EXPECT_EQ(
            host.Call("gxOpen_message_box2", "T", "M", "OK", kNone, kNone, kNone, kNone, 1, 5), 0);
    });
}

TEST(OpenMessageboxTest, TheForegroundWindowOfTheHostChoosesTheOwner)
{
    TestHost host;
    auto ownerOfNextBox = [&] {
        Story s(host.Ui());
        s.Open(Box(host, "Whose?", "OK", kNone, kNone, kNone, kNone, 1));
        HWND box = s.Window("#32770", "Question");
        HWND owner = ::GetWindow(box, GW_OWNER);
        s.Click("OK");
        EXPECT_EQ(s.Result(), 1);
        return owner;
    };

    {
        // The main window itself: asked, and the owner either way.
        OwnerQuestion main(host, host.MainWindow(), 1);
        ::SetForegroundWindow(host.MainWindow());
        EXPECT_EQ(ownerOfNextBox(), host.MainWindow());
        EXPECT_EQ(main.Questions(), 1);
    }
    {
        // A window of the host's own (owned by the main window) that wants the box.
        OwnerQuestion form(host, host.MainWindow(), 0, "Form");
        form.BringToFront();
        EXPECT_EQ(ownerOfNextBox(), form.Window());
        EXPECT_EQ(form.Questions(), 1);
    }
    {
        // One that hands the box to the main window.
        OwnerQuestion form(host, host.MainWindow(), 1, "Form");
        form.BringToFront();
        EXPECT_EQ(ownerOfNextBox(), host.MainWindow());
        EXPECT_EQ(form.Questions(), 1);
    }
    {
        // A window that is not the host's is not asked.
        OwnerQuestion stranger(host, nullptr, 0, "Stranger");
        stranger.BringToFront();
        EXPECT_EQ(ownerOfNextBox(), host.MainWindow());
        EXPECT_EQ(stranger.Questions(), 0);
    }
}
