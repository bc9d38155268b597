// The ID entry box, which has no export: the test program runs its own CIdBox modally on the
// host's user-interface thread, with the resource handle pointed at the loaded module so that
// the module's template is the one shown.
#include "prompts/idbox.h"

#include "prompts_support.h"

#include <platform/user.h>

#include <gtest/gtest.h>

#include <string>

using namespace prompts_test;

namespace
{

class IdBoxTest : public ::testing::Test
{
protected:
    // Starts the box with a prompt; Finish() returns its result and fills id.
    void Open(const char* prompt)
    {
        s.Open([this, prompt]() -> LRESULT {
            const HINSTANCE saved = AfxGetResourceHandle();
            AfxSetResourceHandle(host.Module());
            CIdBox box(CWnd::FromHandle(host.MainWindow()), prompt);
            const INT_PTR result = box.DoModal();
            id = box.m_szID;
            AfxSetResourceHandle(saved);
            return result;
        });
    }

    LONG BeepsTyping(const char* text)
    {
        const LONG before = PlatformBeepCount();
        s.Type(text);
        return PlatformBeepCount() - before;
    }

    TestHost host;
    Story s{host.Ui()};
    std::string id;
};

} // namespace

TEST_F(IdBoxTest, FirstShownWithThePromptAndTheFocusInTheField)
{
    Open("Enter ID for new Chemistry :");
    s.Window("#32770", "Enter ID");
    EXPECT_EQ(s.Text(IDC_IDBOX_PROMPT), "Enter ID for new Chemistry :");
    EXPECT_EQ(s.Focus(), s.Control(IDC_IDBOX_ID));
    EXPECT_EQ("\n" + s.Snapshot(), R"(
+= Enter ID ============================================================[X]+
|                                                                          |
|                                                                          |
|                                                                          |
|        Enter ID for new Chemistry :            >               <         |
|                                                                          |
|                                                                          |
|                                                                          |
|                                                                          |
|                   [[    OK    ]]         [   Cancel   ]                  |
|                                                                          |
|                                                                          |
+--------------------------------------------------------------------------+
)");
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), IDCANCEL);
    EXPECT_EQ(id, "");
}

TEST_F(IdBoxTest, TypedLettersBecomeCapitals)
{
    Open("Enter ID for new Henry Component :");
    s.Window("#32770", "Enter ID");
    EXPECT_EQ(BeepsTyping("ab1"), 0);
    EXPECT_EQ(s.Text(IDC_IDBOX_ID), "AB1");
    s.Click("OK");
    EXPECT_EQ(s.Result(), IDOK);
    EXPECT_EQ(id, "AB1");
}

TEST_F(IdBoxTest, TheFieldStopsAtEightCharacters)
{
    Open("Enter Vapor pressure data record ID:");
    s.Window("#32770", "Enter ID");
    s.Type("abcdefghi");
    EXPECT_EQ(s.Text(IDC_IDBOX_ID), "ABCDEFGH");
    s.Press(VK_RETURN);
    EXPECT_EQ(s.Result(), IDOK);
    EXPECT_EQ(id, "ABCDEFGH");
}

TEST_F(IdBoxTest, TheIdentifierFilterRefusesWhatAnIdCannotHold)
{
    Open("Enter ID for new Chemistry :");
    s.Window("#32770", "Enter ID");
    EXPECT_EQ(BeepsTyping(" "), 1);
    EXPECT_EQ(BeepsTyping("-"), 1) << "punctuation cannot start an id";
    EXPECT_EQ(s.Text(IDC_IDBOX_ID), "");
    EXPECT_EQ(BeepsTyping("a-1"), 0);
    EXPECT_EQ(BeepsTyping(" #"), 2);
    EXPECT_EQ(s.Text(IDC_IDBOX_ID), "A-1");
    s.Press(VK_RETURN);
    EXPECT_EQ(s.Result(), IDOK);
    EXPECT_EQ(id, "A-1");
}

TEST_F(IdBoxTest, CancelKeepsWhatWasTypedForTheCallerToIgnore)
{
    Open("Enter ID for new Chemistry :");
    s.Window("#32770", "Enter ID");
    s.Type("chem2");
    s.Press(VK_BACK);
    s.Click("Cancel");
    EXPECT_EQ(s.Result(), IDCANCEL);
    EXPECT_EQ(id, "CHEM");
}

TEST_F(IdBoxTest, TheCloseBoxCancels)
{
    Open("Enter ID for new Chemistry :");
    HWND box = s.Window("#32770", "Enter ID");
    s.Type("x");
    EXPECT_TRUE(ClickCloseBox(box));
    EXPECT_EQ(s.Result(), IDCANCEL);
    EXPECT_EQ(id, "X");
}

TEST_F(IdBoxTest, WithDialogsSuppressedTheBoxCancelsWithoutAWindow)
{
    vxhost::SetDialogsSuppressed(true);
    Open("Enter ID for new Chemistry :");
    EXPECT_EQ(s.Result(), IDCANCEL);
    EXPECT_EQ(id, "");
    const auto log = vxhost::SuppressedPrompts();
    ASSERT_EQ(log.size(), 1u);
    EXPECT_EQ(log[0].message, "ID Entry dialog cannot be displayed while dialogs are suppressed");
    EXPECT_EQ(log[0].answer, "");
    EXPECT_EQ(log[0].result, IDCANCEL);
}
