// The reconcile question through gxAskReconcile: its text, its four answers and the keys, the
// suppressed mode, and the answer when it cannot be shown.
#include "prompts_support.h"

#include "res/resource.h"

#include <gtest/gtest.h>

using namespace prompts_test;

TEST(AskReconcileTest, FirstShownWithTheQuestionAboutTheBlock)
{
    TestHost host;
    Story s(host.Ui());
    s.Open(host.Export("gxAskReconcile", "B1"));
    HWND box = s.Window("#32770", "Tirel Plus");
    EXPECT_EQ(s.Text(IDC_RECONCILE_QUESTION),
              "Block B1 has errors or warnings. Do you wish to reconcile?");
    EXPECT_EQ("\n" + s.Snapshot(), R"(
+= Tirel Plus ===================================================================[X]+
|                                                                                   |
|                                                                                   |
|                                                                                   |
|      Block B1 has errors or warnings. Do you wish to reconcile?                   |
|                                                                                   |
|                                                                                   |
|                                                                                   |
|                                                                                   |
|                                                                                   |
|                                                                                   |
|    >[[   Yes    ]]<     [ Yes to All ]      [     No     ]       [   Cancel   ]   |
|                                                                                   |
|                                                                                   |
+-----------------------------------------------------------------------------------+
)");
    EXPECT_EQ(::GetWindow(box, GW_OWNER), host.MainWindow());
    s.Press(VK_RETURN);
    EXPECT_EQ(s.Result(), 1) << "Yes is the default";
}

TEST(AskReconcileTest, AnEmptyBlockNameLeavesTwoBlanks)
{
    TestHost host;
    Story s(host.Ui());
    s.Open(host.Export("gxAskReconcile", ""));
    s.Window("#32770", "Tirel Plus");
    EXPECT_EQ(s.Text(IDC_RECONCILE_QUESTION),
              "Block  has errors or warnings. Do you wish to reconcile?");
    s.Click("No");
    EXPECT_EQ(s.Result(), 0);
}

TEST(AskReconcileTest, EachAnswerHasItsOwnResult)
{
    TestHost host;
    struct Case
    {
        const char* button;
        int result;
    } cases[] = {{"Yes", 1}, {"Yes to All", 2}, {"No", 0}, {"Cancel", 3}};
    for (const Case& c : cases)
    {
        Story s(host.Ui());
        s.Open(host.Export("gxAskReconcile", "MIXER"));
        s.Window("#32770", "Tirel Plus");
        s.Click(c.button);
        EXPECT_EQ(s.Result(), c.result) << c.button;
    }
}

TEST(AskReconcileTest, EscapeAndTheCloseBoxCancelWithThree)
{
    TestHost host;
    {
        Story s(host.Ui());
        s.Open(host.Export("gxAskReconcile", "FLASH"));
        s.Window("#32770", "Tirel Plus");
        s.Press(VK_ESCAPE);
        EXPECT_EQ(s.Result(), 3) << "not the dialog's usual 2, which means Yes to All";
    }
    {
        Story s(host.Ui());
        s.Open(host.Export("gxAskReconcile", "FLASH"));
        HWND box = s.Window("#32770", "Tirel Plus");
        EXPECT_TRUE(ClickCloseBox(box));
        EXPECT_EQ(s.Result(), 3);
    }
    {
        // The keyboard reaches the other answers too.
        Story s(host.Ui());
        s.Open(host.Export("gxAskReconcile", "FLASH"));
        s.Window("#32770", "Tirel Plus");
        s.Press(VK_TAB);
        s.Press(VK_TAB);
        s.Press(VK_SPACE);
        EXPECT_EQ(s.Result(), 0);
    }
}

TEST(AskReconcileTest, WithDialogsSuppressedTheAnswerIsYesToAll)
{
    TestHost host;
    vxhost::SetDialogsSuppressed(true);
    EXPECT_EQ(host.Call("gxAskReconcile", "B1"), 2);
    EXPECT_EQ(::FindWindowA("#32770", nullptr), nullptr);
    const auto log = vxhost::SuppressedPrompts();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].message, "Reconcile blocks with errors or warnings?");
    EXPECT_EQ(log[0].answer, "Yes to All");
    EXPECT_EQ(log[0].result, 2);
}

TEST(AskReconcileTest, NotShownCountsAsYes)
{
    WithUnreadyHosts([](TestHost& host) { EXPECT_EQ(host.Call("gxAskReconcile", "B1"), 1); });
}
