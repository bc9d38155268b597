// Dialog tests as a user's story: open, find, type, click, read, and the dialog's result; a
// step that cannot be done fails the test at the story's own line with the reason.

#include "support/story.h"
#include "test_windows.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using namespace platform;

namespace
{

class StoryTest : public ::testing::Test
{
protected:
    void Open(Story& s)
    {
        s.Open([this] {
            return DialogBoxIndirectParamA(nullptr, tmpl.Get(), ui.MainWindow(),
                                           testwin::EndWithCommand, 0);
        });
    }

    UiThread ui;
    TemplateBuilder tmpl = testwin::TypingDialog("Rename");
};

TEST_F(StoryTest, TypeTabAndClickOk)
{
    Story s(ui);
    Open(s);
    ASSERT_TRUE(s.Window("Rename"));
    EXPECT_EQ(s.Title(), "Rename");
    EXPECT_EQ(s.Focus(), s.Control(100));
    s.Type("abc");
    EXPECT_EQ(s.Text(100), "abc");
    s.Press(VK_TAB);
    EXPECT_EQ(s.Focus(), s.Control("OK"));
    EXPECT_TRUE(s.IsEnabled(IDOK));
    EXPECT_TRUE(s.IsVisible(IDOK));
    s.Click("OK");
    EXPECT_EQ(s.Result(), IDOK);
    EXPECT_FALSE(IsWindow(s.Current()));
}

TEST_F(StoryTest, CancelByItsMnemonicCaption)
{
    Story s(ui);
    Open(s);
    ASSERT_TRUE(s.Window("Rename"));
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), IDCANCEL);
}

TEST_F(StoryTest, AStepThatCannotBeDoneFailsWithTheReason)
{
    Story s(ui);
    Open(s);
    ASSERT_TRUE(s.Window("Rename"));
    EXPECT_NONFATAL_FAILURE(s.Click("Apply"), "has no control captioned \"Apply\"");
    EXPECT_NONFATAL_FAILURE(s.Text(555), "has no control with id 555");
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), IDCANCEL);
}

TEST_F(StoryTest, ADialogLeftOpenIsReportedAndClosed)
{
    EXPECT_NONFATAL_FAILURE(
        {
            Story s(ui);
            Open(s);
            s.Window("Rename");
        },
        "was still running at its end");
    EXPECT_EQ(FindWindowA(nullptr, "Rename"), nullptr);
}

} // namespace
