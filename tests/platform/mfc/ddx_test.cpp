// Dialog data exchange: every DDX kind both ways, the MFC prompts of failed conversions and
// range checks (read from the message box a second thread finds and closes), focus back on the
// offending field, and no change notifications while UpdateData fills the controls.

#include "res/mfc_test_res.h"
#include "wnd_test_support.h"

#include "platform/user.h"

#include <atomic>
#include <thread>

namespace
{

class CDataDialog : public CDialog
{
public:
    CString m_name = "Ann";
    int m_count = 3;
    double m_ratio = 0.5;
    UINT m_amount = 7;
    short m_small = -2;
    int m_check = 1;
    int m_radio = 2;
    CString m_combo = "Be";
    int m_dropIndex = 1;
    CString m_list = "Gamma";
    bool exchangeMissing = false;
    int changesSeen = 0;

    BOOL Make() { return Create(IDD_DATA); }

protected:
    BOOL OnInitDialog() override
    {
        for (const char* item : {"Alpha", "Beta", "Gamma"})
        {
            SendDlgItemMessage(IDC_COMBO, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessage(IDC_DROPLIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            SendDlgItemMessage(IDC_LIST, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        return CDialog::OnInitDialog();
    }

    void DoDataExchange(CDataExchange* pDX) override
    {
        DDX_Text(pDX, IDC_NAME, m_name);
        DDV_MaxChars(pDX, m_name, 8);
        DDX_Text(pDX, IDC_COUNT, m_count);
        DDV_MinMaxInt(pDX, m_count, 0, 100);
        DDX_Text(pDX, IDC_RATIO, m_ratio);
        DDV_MinMaxDouble(pDX, m_ratio, 0.0, 1.0);
        DDX_Text(pDX, IDC_AMOUNT, m_amount);
        DDX_Text(pDX, IDC_SMALL, m_small);
        DDX_Check(pDX, IDC_CHECK, m_check);
        DDX_Radio(pDX, IDC_RADIO_A, m_radio);
        DDX_CBString(pDX, IDC_COMBO, m_combo);
        DDX_CBIndex(pDX, IDC_DROPLIST, m_dropIndex);
        DDX_LBString(pDX, IDC_LIST, m_list);
        if (exchangeMissing)
            DDX_Text(pDX, 4242, m_name);
    }

    afx_msg void OnNameChange() { ++changesSeen; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDataDialog, CDialog)
ON_EN_CHANGE(IDC_NAME, &CDataDialog::OnNameChange)
END_MESSAGE_MAP()

// Finds the message box that the given thread shows, records its texts and presses OK.
class BoxCloser
{
public:
    BoxCloser(DWORD thread, HWND except)
        : m_worker([this, thread, except] {
              while (!m_stop)
              {
                  if (!PlatformWaitForIdle(thread, 200))
                      continue;
                  if (HWND box = mfctest::FindThreadDialog(thread, except))
                  {
                      m_texts = mfctest::ChildTexts(box);
                      PostMessageA(box, WM_COMMAND, IDOK, 0);
                      return;
                  }
              }
          })
    {
    }
    ~BoxCloser() { Texts(); }

    // The box's texts (its message among them); empty when no box came.
    const std::vector<std::string>& Texts()
    {
        m_stop = true;
        if (m_worker.joinable())
            m_worker.join();
        return m_texts;
    }

private:
    std::atomic<bool> m_stop{false};
    std::vector<std::string> m_texts;
    std::thread m_worker;
};

bool Contains(const std::vector<std::string>& texts, const std::string& text)
{
    for (const auto& t : texts)
        if (t == text)
            return true;
    return false;
}

class DdxTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        mfctest::RegisterControls();
        ASSERT_TRUE(dialog.Make());
    }
    void TearDown() override { dialog.DestroyWindow(); }

    HWND Item(int id) { return GetDlgItem(dialog.m_hWnd, id); }
    std::string Text(int id) { return mfctest::TextOf(Item(id)); }
    void Type(int id, const char* text) { SetWindowTextA(Item(id), text); }
    LRESULT Send(int id, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(Item(id), msg, wParam, lParam);
    }

    // UpdateData(TRUE) that is expected to fail with a message box; returns the box's texts.
    std::vector<std::string> FailingSave()
    {
        BoxCloser closer(GetCurrentThreadId(), dialog.m_hWnd);
        EXPECT_FALSE(dialog.UpdateData(TRUE));
        return closer.Texts();
    }

    CDataDialog dialog;
};

} // namespace

TEST_F(DdxTest, OnInitDialogPutsEveryValueIntoItsControl)
{
    EXPECT_EQ(Text(IDC_NAME), "Ann");
    EXPECT_EQ(Text(IDC_COUNT), "3");
    EXPECT_EQ(Text(IDC_RATIO), "0.5");
    EXPECT_EQ(Text(IDC_AMOUNT), "7");
    EXPECT_EQ(Text(IDC_SMALL), "-2");
    EXPECT_EQ(Send(IDC_CHECK, BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(Send(IDC_RADIO_A, BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(Send(IDC_RADIO_C, BM_GETCHECK), BST_CHECKED);
    // "Be" selects the first item that starts with it.
    EXPECT_EQ(Send(IDC_COMBO, CB_GETCURSEL), 1);
    EXPECT_EQ(Send(IDC_DROPLIST, CB_GETCURSEL), 1);
    EXPECT_EQ(Send(IDC_LIST, LB_GETCURSEL), 2);
    // DDV_MaxChars limits the field while filling it.
    EXPECT_EQ(mfctest::StateOf(Item(IDC_NAME)).limit, 8u);
}

TEST_F(DdxTest, UpdateDataReadsEveryKindBack)
{
    Type(IDC_NAME, "Bob");
    Type(IDC_COUNT, "  -0 ");
    Type(IDC_RATIO, " 2.5e-1");
    Type(IDC_AMOUNT, "4000000000");
    Type(IDC_SMALL, "+300");
    Send(IDC_CHECK, BM_SETCHECK, BST_UNCHECKED);
    Send(IDC_RADIO_C, BM_SETCHECK, BST_UNCHECKED);
    Send(IDC_RADIO_A, BM_SETCHECK, BST_CHECKED);
    Type(IDC_COMBO, "Free text");
    Send(IDC_DROPLIST, CB_SETCURSEL, 2);
    Send(IDC_LIST, LB_SETCURSEL, 0);

    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_STREQ(dialog.m_name, "Bob");
    EXPECT_EQ(dialog.m_count, 0);
    EXPECT_DOUBLE_EQ(dialog.m_ratio, 0.25);
    EXPECT_EQ(dialog.m_amount, 4000000000u);
    EXPECT_EQ(dialog.m_small, 300);
    EXPECT_EQ(dialog.m_check, 0);
    EXPECT_EQ(dialog.m_radio, 0);
    EXPECT_STREQ(dialog.m_combo, "Free text");
    EXPECT_EQ(dialog.m_dropIndex, 2);
    EXPECT_STREQ(dialog.m_list, "Alpha");

    // No radio button checked reads as -1; a combo value no item starts with becomes its text.
    Send(IDC_RADIO_A, BM_SETCHECK, BST_UNCHECKED);
    ASSERT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_radio, -1);
    dialog.m_combo = "Zed";
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(Text(IDC_COMBO), "Zed");
}

TEST_F(DdxTest, FillingControlsSendsNoNotificationsAndSkipsUnchangedText)
{
    const int setsBefore = mfctest::StateOf(Item(IDC_NAME)).changes;
    dialog.changesSeen = 0;
    dialog.m_name = "Carl";
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(mfctest::StateOf(Item(IDC_NAME)).changes, setsBefore + 1);
    EXPECT_EQ(dialog.changesSeen, 0);
    // The same value again does not touch the control.
    ASSERT_TRUE(dialog.UpdateData(FALSE));
    EXPECT_EQ(mfctest::StateOf(Item(IDC_NAME)).changes, setsBefore + 1);
    // Outside UpdateData the dialog hears about changes as usual.
    Type(IDC_NAME, "Dora");
    EXPECT_EQ(dialog.changesSeen, 1);
}

TEST_F(DdxTest, ATextThatIsNotAnIntegerShowsMfcsPromptAndSelectsTheField)
{
    for (const char* bad : {"", "12x", "1.5", "- 4", "99999999999"})
    {
        SCOPED_TRACE(bad);
        Type(IDC_COUNT, bad);
        EXPECT_TRUE(Contains(FailingSave(), "Please enter an integer."));
        EXPECT_EQ(GetFocus(), Item(IDC_COUNT));
        EXPECT_EQ(mfctest::StateOf(Item(IDC_COUNT)).selStart, 0);
        EXPECT_EQ(mfctest::StateOf(Item(IDC_COUNT)).selEnd, -1);
        EXPECT_EQ(dialog.m_count, 3);
    }
    // Fields before the failing one were already read; that is how MFC behaves too.
    Type(IDC_COUNT, "5");
    Type(IDC_RATIO, "half");
    EXPECT_TRUE(Contains(FailingSave(), "Please enter a number."));
    EXPECT_EQ(GetFocus(), Item(IDC_RATIO));
    EXPECT_EQ(dialog.m_count, 5);

    Type(IDC_RATIO, "0.5");
    Type(IDC_AMOUNT, "-1");
    EXPECT_TRUE(Contains(FailingSave(), "Please enter a positive integer."));
}

TEST_F(DdxTest, RangeChecksShowMfcsPromptsWithTheLimits)
{
    Type(IDC_COUNT, "101");
    EXPECT_TRUE(Contains(FailingSave(), "Please enter an integer between 0 and 100."));
    Type(IDC_COUNT, "100");
    Type(IDC_RATIO, "1.5");
    EXPECT_TRUE(Contains(FailingSave(), "Please enter a number between 0 and 1."));
    Type(IDC_RATIO, "1");
    Type(IDC_NAME, "Maximilian");
    EXPECT_TRUE(Contains(FailingSave(), "Enter no more than 8 characters."));
    EXPECT_EQ(GetFocus(), Item(IDC_NAME));
    Type(IDC_NAME, "Max");
    EXPECT_TRUE(dialog.UpdateData(TRUE));
    EXPECT_EQ(dialog.m_count, 100);
}

TEST_F(DdxTest, AMissingControlFailsTheExchangeWithoutABox)
{
    dialog.exchangeMissing = true;
    EXPECT_FALSE(dialog.UpdateData(TRUE));
    EXPECT_EQ(mfctest::FindThreadDialog(GetCurrentThreadId(), dialog.m_hWnd), nullptr);
}

TEST(DdxFormat, PromptsReplaceNumberedArguments)
{
    CString text;
    AfxFormatString2(text, AFX_IDP_PARSE_INT_RANGE, "-5", "5");
    EXPECT_STREQ(text, "Please enter an integer between -5 and 5.");
    LPCTSTR args[] = {"a", "b"};
    AfxFormatStrings(text, "%2%1 %3 100%", args, 2);
    EXPECT_STREQ(text, "ba %3 100%");
}
