// CVxDialog: a plain dialog normally, an answer from its record while dialogs are suppressed.
#include "res/host_test_res.h"
#include "support/story.h"
#include "support/test_host.h"

#include <vxhost.h>

#include <gtest/gtest.h>

namespace
{

// A prompt that fills the record the way the module's prompts do, in its constructor.
class Prompt : public CVxDialog
{
public:
    explicit Prompt(const char* answer = "Yes to All") : CVxDialog(IDD_HOST_PROMPT)
    {
        m_nSuppressedResult = 2;
        m_strSuppressedMessage = "Reconcile blocks with errors or warnings?";
        m_strSuppressedAnswer = answer;
    }
    // Shown at all: counted, and closed at once so that a wrong answer cannot hang the test.
    int shown = 0;

protected:
    BOOL OnInitDialog() override
    {
        ++shown;
        EndDialog(IDABORT);
        return CVxDialog::OnInitDialog();
    }
};

// A prompt that completes its record only when it is about to be answered.
class LatePrompt : public CVxDialog
{
public:
    LatePrompt() : CVxDialog(IDD_HOST_PROMPT) {}
    int initCalls = 0;

protected:
    void InitSuppressed() override
    {
        ++initCalls;
        m_nSuppressedResult = IDOK;
        m_strSuppressedMessage = "Late";
    }
};

} // namespace

TEST(VxDialogTest, ShownAsAPlainDialogWhenNotSuppressed)
{
    TestHost host;
    Prompt prompt;
    EXPECT_EQ(host.Ui().Run([&] { return static_cast<LRESULT>(prompt.DoModal()); }), IDABORT);
    EXPECT_EQ(prompt.shown, 1);
    EXPECT_TRUE(vxhost::SuppressedPrompts().empty());
}

TEST(VxDialogTest, SuppressedItAnswersFromItsRecordAndTheHostLogsIt)
{
    TestHost host;
    vxhost::SetDialogsSuppressed(true);
    Prompt prompt;
    EXPECT_EQ(host.Ui().Run([&] { return static_cast<LRESULT>(prompt.DoModal()); }), 2);
    EXPECT_EQ(prompt.shown, 0);

    LatePrompt late;
    EXPECT_EQ(host.Ui().Run([&] { return static_cast<LRESULT>(late.DoModal()); }), IDOK);
    EXPECT_EQ(late.initCalls, 1);

    const auto log = vxhost::SuppressedPrompts();
    ASSERT_EQ(log.size(), 2u);
    EXPECT_EQ(log[0].message, "Reconcile blocks with errors or warnings?");
    EXPECT_EQ(log[0].answer, "Yes to All");
    EXPECT_EQ(log[0].result, 2);
    EXPECT_EQ(log[1].message, "Late");
    EXPECT_EQ(log[1].answer, "");

    vxhost::ClearSuppressedPrompts();
    EXPECT_TRUE(vxhost::SuppressedPrompts().empty());
    // Showing again once the host stops suppressing; the hook is not called then.
    vxhost::SetDialogsSuppressed(false);
    Story s(host.Ui());
    s.Open([&] { return static_cast<LRESULT>(late.DoModal()); });
    s.Window("Host prompt");
    s.Click("OK");
    EXPECT_EQ(s.Result(), IDOK);
    EXPECT_EQ(late.initCalls, 1);
}
