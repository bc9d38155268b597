// CDialog: modal dialogs from resource templates with MFC's owner rules and modal loop, EndDialog
// at any time, OK and Cancel, keyboard handling through PreTranslateMessage, modeless pages.

#include "res/mfc_test_res.h"
#include "wnd_test_support.h"

#include "platform/apphost.h"
#include "platform/user.h"

#include <atomic>

namespace
{

constexpr UINT kEndWith = WM_APP + 1;

class CPlainDialog : public CDialog
{
public:
    enum
    {
        IDD = IDD_PLAIN
    };
    explicit CPlainDialog(CWnd* parent = nullptr) : CDialog(IDD, parent) {}

    int endInInit = 0;
    std::atomic<int> initCount{0};
    CString m_name = "start";

protected:
    BOOL OnInitDialog() override
    {
        ++initCount;
        CDialog::OnInitDialog();
        if (endInInit != 0)
            EndDialog(endInInit);
        return TRUE;
    }
    void DoDataExchange(CDataExchange* pDX) override { DDX_Text(pDX, IDC_NAME, m_name); }
    afx_msg LRESULT OnEndWith(WPARAM wParam, LPARAM)
    {
        EndDialog(static_cast<int>(wParam));
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPlainDialog, CDialog)
ON_MESSAGE(kEndWith, &CPlainDialog::OnEndWith)
END_MESSAGE_MAP()

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ui.Run([] {
            mfctest::RegisterControls();
            return LRESULT(0);
        });
    }

    // Runs DoModal on the user-interface thread; the dialog's parent is the main window.
    void StartModal(CPlainDialog& dialog)
    {
        HWND main = ui.MainWindow();
        ui.Begin([&dialog, main] {
            dialog.m_pParentWnd = CWnd::FromHandle(main);
            return static_cast<LRESULT>(dialog.DoModal());
        });
    }

    LRESULT Finish()
    {
        LRESULT result = -2;
        EXPECT_TRUE(ui.Finish(&result));
        return result;
    }

    platform::UiThread ui;
};

void Key(WORD vk)
{
    INPUT in[2]{};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = vk;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
}

} // namespace

TEST_F(DialogTest, DoModalDisablesTheOwnerUntilEndDialogAndHandsActivationBack)
{
    CPlainDialog dialog;
    StartModal(dialog);
    HWND box = mfctest::WaitForDialog(ui);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(mfctest::TextOf(box), "Plain");
    EXPECT_EQ(GetWindow(box, GW_OWNER), ui.MainWindow());
    EXPECT_FALSE(IsWindowEnabled(ui.MainWindow()));
    EXPECT_EQ(dialog.initCount.load(), 1);
    // The template's RT_DLGINIT block filled the list.
    HWND list = GetDlgItem(box, IDC_LIST);
    ASSERT_EQ(SendMessageA(list, LB_GETCOUNT, 0, 0), 2);
    char item[16] = "";
    SendMessageA(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(item));
    EXPECT_STREQ(item, "Foxtrot");

    PostMessageA(box, kEndWith, 42, 0);
    EXPECT_EQ(Finish(), 42);
    EXPECT_FALSE(IsWindow(box));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(IsWindowEnabled(ui.MainWindow()));
    EXPECT_EQ(GetForegroundWindow(), ui.MainWindow());
}

TEST_F(DialogTest, EndDialogInOnInitDialogEndsBeforeTheDialogShows)
{
    CPlainDialog dialog;
    dialog.endInInit = 7;
    HWND main = ui.MainWindow();
    LRESULT result = ui.Run([&] {
        dialog.m_pParentWnd = CWnd::FromHandle(main);
        return static_cast<LRESULT>(dialog.DoModal());
    });
    EXPECT_EQ(result, 7);
    EXPECT_EQ(dialog.initCount.load(), 1);
    EXPECT_EQ(mfctest::FindThreadDialog(ui.Id()), nullptr);
    EXPECT_TRUE(IsWindowEnabled(main));
}

TEST_F(DialogTest, OkSavesTheDataAndCancelLeavesIt)
{
    CPlainDialog accepted;
    StartModal(accepted);
    HWND box = mfctest::WaitForDialog(ui);
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(mfctest::TextOf(GetDlgItem(box, IDC_NAME)), "start");
    SetWindowTextA(GetDlgItem(box, IDC_NAME), "typed");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Finish(), IDOK);
    EXPECT_STREQ(accepted.m_name, "typed");

    CPlainDialog cancelled;
    StartModal(cancelled);
    box = mfctest::WaitForDialog(ui);
    ASSERT_NE(box, nullptr);
    SetWindowTextA(GetDlgItem(box, IDC_NAME), "typed");
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(Finish(), IDCANCEL);
    EXPECT_STREQ(cancelled.m_name, "start");
}

TEST_F(DialogTest, EscapeReachesTheDialogThroughItsModalLoop)
{
    CPlainDialog dialog;
    StartModal(dialog);
    HWND box = mfctest::WaitForDialog(ui);
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(GetForegroundWindow(), box);
    Key(VK_ESCAPE);
    EXPECT_EQ(Finish(), IDCANCEL);
}

TEST_F(DialogTest, AModalDialogThatStaysPutIsCentredOnItsOwner)
{
    CPlainDialog dialog;
    StartModal(dialog);
    HWND box = mfctest::WaitForDialog(ui);
    ASSERT_NE(box, nullptr);
    RECT owner, placed;
    GetWindowRect(ui.MainWindow(), &owner);
    GetWindowRect(box, &placed);
    const int width = placed.right - placed.left;
    const int height = placed.bottom - placed.top;
    EXPECT_EQ(placed.left, (owner.left + owner.right) / 2 - width / 2);
    EXPECT_EQ(placed.top, (owner.top + owner.bottom) / 2 - height / 2);
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    Finish();
}

TEST_F(DialogTest, AModelessPageIsAChildOfItsParent)
{
    CDialog page;
    HWND main = ui.MainWindow();
    HWND created = reinterpret_cast<HWND>(ui.Run([&] {
        if (!page.Create(IDD_PAGE, CWnd::FromHandle(main)))
            return LRESULT(0);
        return reinterpret_cast<LRESULT>(page.m_hWnd);
    }));
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(GetParent(created), main);
    EXPECT_TRUE(GetWindowLongA(created, GWL_STYLE) & WS_CHILD);
    EXPECT_NE(GetDlgItem(created, IDC_NAME), nullptr);
    // The owner stays enabled: nothing is modal here.
    EXPECT_TRUE(IsWindowEnabled(main));
    ui.Run([&] { return LRESULT(page.DestroyWindow()); });
    EXPECT_FALSE(IsWindow(created));
    EXPECT_EQ(page.m_hWnd, nullptr);
}

TEST(DialogInApplication, WithoutAParentTheMainWindowOwnsItAndTheApplicationsPumpFeedsIt)
{
    struct App : CWinApp
    {
        App() : CWinApp("Dialog Test") {}
    } app;
    platform::AppHost host(app);
    host.Call([] { mfctest::RegisterControls(); });
    auto shown = host.Post([] {
        CPlainDialog dialog;
        return dialog.DoModal();
    });
    HWND box = nullptr;
    for (int attempt = 0; attempt < 1000 && box == nullptr; ++attempt)
    {
        ASSERT_TRUE(PlatformWaitForIdle(host.ThreadId(), 30000));
        box = mfctest::FindThreadDialog(host.ThreadId());
    }
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(GetWindow(box, GW_OWNER), host.MainWindow());
    EXPECT_FALSE(IsWindowEnabled(host.MainWindow()));
    // Keys go through CWinThread::PreTranslateMessage to the dialog's IsDialogMessage.
    Key(VK_ESCAPE);
    EXPECT_EQ(shown.get(), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(host.MainWindow()));
}
