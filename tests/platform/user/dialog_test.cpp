// The dialog manager as a user meets it: modal loops and their owners, the keyboard interface
// (Tab, arrows, Enter, Escape, F1) and the default push button.

#include "platform/ui_thread.h"
#include "platform/user.h"
#include "user/template_builder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace
{

enum
{
    IDC_NAME = 100,
    IDC_APPLY = 101,
    IDC_RADIO1 = 102,
    IDC_RADIO2 = 103,
    IDC_RADIO3 = 104,
    IDC_DISABLED = 105,
    IDC_DEEPER = 106,
};

// Keys go to the foreground thread's focus window, exactly as typed keys do.
void Key(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

void Press(const platform::UiThread& ui, WORD vk, WORD modifier = 0)
{
    if (modifier)
        Key(modifier, false);
    Key(vk, false);
    Key(vk, true);
    if (modifier)
        Key(modifier, true);
    ASSERT_TRUE(ui.WaitIdle());
}

HWND FindDialog(const platform::UiThread& ui, const char* title)
{
    EXPECT_TRUE(ui.WaitIdle());
    return FindWindowA("#32770", title);
}

HWND Focus(const platform::UiThread& ui)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(ui.Id(), &info);
    return info.hwndFocus;
}

struct Recorded
{
    std::atomic<int> lastCommand{0};
    std::atomic<int> helpControl{0};
};
Recorded g_seen;

// The first dialog: an edit, push buttons, a radio group, a disabled button.
const DLGTEMPLATE* MainTemplate()
{
    static platform::TemplateBuilder t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 10,
                                       10, 200, 120, "First");
    static bool built = false;
    if (!built)
    {
        built = true;
        t.Add("Edit", "", IDC_NAME, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7, 7, 100,
              12);
        t.Add("Button", "&Apply", IDC_APPLY, WS_VISIBLE | WS_TABSTOP, 120, 7, 50, 14);
        t.Add("Button", "One", IDC_RADIO1, WS_VISIBLE | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON,
              7, 30, 50, 10);
        t.Add("Button", "Two", IDC_RADIO2, WS_VISIBLE | BS_AUTORADIOBUTTON, 7, 42, 50, 10);
        t.Add("Button", "Three", IDC_RADIO3, WS_VISIBLE | BS_AUTORADIOBUTTON, 7, 54, 50, 10);
        t.Add("Button", "Off", IDC_DISABLED, WS_VISIBLE | WS_TABSTOP | WS_DISABLED | WS_GROUP, 120,
              30, 50, 14);
        t.Add("Button", "Deeper", IDC_DEEPER, WS_VISIBLE | WS_TABSTOP, 120, 50, 50, 14);
        t.Add("Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 40, 95, 50, 14);
        t.Add("Button", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 100, 95, 50, 14);
    }
    return t.Get();
}

const DLGTEMPLATE* SecondTemplate()
{
    static platform::TemplateBuilder t(
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0, 0, 0, 120, 60, "Second");
    static bool built = false;
    if (!built)
    {
        built = true;
        t.Add("Button", "Ask", IDC_DEEPER, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 10, 20, 50,
              14);
        t.Add("Button", "Cancel", IDCANCEL, WS_VISIBLE | WS_TABSTOP, 65, 20, 50, 14);
    }
    return t.Get();
}

INT_PTR CALLBACK SecondProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && LOWORD(wParam) == IDC_DEEPER)
    {
        MessageBoxA(hwnd, "Third level", "Third", MB_OKCANCEL);
        return TRUE;
    }
    if (msg == WM_COMMAND && LOWORD(wParam) == IDCANCEL)
    {
        EndDialog(hwnd, IDCANCEL);
        return TRUE;
    }
    return FALSE;
}

INT_PTR CALLBACK MainProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        g_seen.lastCommand = LOWORD(wParam);
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL)
            EndDialog(hwnd, LOWORD(wParam));
        if (LOWORD(wParam) == IDC_DEEPER)
            DialogBoxIndirectParamA(nullptr, SecondTemplate(), hwnd, SecondProc, 0);
        return TRUE;
    case WM_HELP:
        g_seen.helpControl = reinterpret_cast<HELPINFO*>(lParam)->iCtrlId;
        return TRUE;
    }
    return FALSE;
}

class DialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_seen.lastCommand = 0;
        g_seen.helpControl = 0;
        HWND main = ui.MainWindow();
        ui.Begin([main] {
            return static_cast<LRESULT>(
                DialogBoxIndirectParamA(nullptr, MainTemplate(), main, MainProc, 0));
        });
        dialog = FindDialog(ui, "First");
        ASSERT_TRUE(dialog);
    }

    void TearDown() override
    {
        if (IsWindow(dialog))
            PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        ui.Finish();
    }

    LRESULT Result()
    {
        LRESULT r = -2;
        EXPECT_TRUE(ui.Finish(&r));
        return r;
    }

    HWND Item(int id) { return GetDlgItem(dialog, id); }

    platform::UiThread ui;
    HWND dialog = nullptr;
};

TEST_F(DialogTest, OpensWithTheOwnerDisabledAndTheFirstTabStopFocused)
{
    EXPECT_FALSE(IsWindowEnabled(ui.MainWindow()));
    EXPECT_TRUE(IsWindowVisible(dialog));
    EXPECT_EQ(GetForegroundWindow(), dialog);
    EXPECT_EQ(Focus(ui), Item(IDC_NAME));
    Press(ui, VK_ESCAPE);
    EXPECT_EQ(Result(), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(ui.MainWindow()));
    EXPECT_EQ(GetForegroundWindow(), ui.MainWindow());
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(DialogTest, TabVisitsTabStopsInOrderSkippingDisabledAndGroupMembers)
{
    Press(ui, VK_TAB);
    EXPECT_EQ(Focus(ui), Item(IDC_APPLY));
    Press(ui, VK_TAB);
    EXPECT_EQ(Focus(ui), Item(IDC_RADIO1));
    Press(ui, VK_TAB);
    EXPECT_EQ(Focus(ui), Item(IDC_DEEPER)); // "Off" is disabled
    Press(ui, VK_TAB);
    Press(ui, VK_TAB);
    Press(ui, VK_TAB);
    EXPECT_EQ(Focus(ui), Item(IDC_NAME)); // wraps around
    Press(ui, VK_TAB, VK_SHIFT);
    EXPECT_EQ(Focus(ui), Item(IDCANCEL));
}

TEST_F(DialogTest, ArrowKeysMoveAndCheckWithinARadioGroup)
{
    Press(ui, VK_TAB);
    Press(ui, VK_TAB);
    ASSERT_EQ(Focus(ui), Item(IDC_RADIO1));
    Press(ui, VK_DOWN);
    EXPECT_EQ(Focus(ui), Item(IDC_RADIO2));
    EXPECT_EQ(SendMessageA(Item(IDC_RADIO2), BM_GETCHECK, 0, 0), BST_CHECKED);
    Press(ui, VK_DOWN);
    Press(ui, VK_DOWN); // wraps within the group
    EXPECT_EQ(Focus(ui), Item(IDC_RADIO1));
    EXPECT_EQ(SendMessageA(Item(IDC_RADIO1), BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageA(Item(IDC_RADIO2), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Press(ui, VK_UP);
    EXPECT_EQ(Focus(ui), Item(IDC_RADIO3));
}

TEST_F(DialogTest, EnterPressesTheDefaultButtonFromAnEdit)
{
    Press(ui, VK_RETURN);
    EXPECT_EQ(Result(), IDOK);
}

TEST_F(DialogTest, TheDefaultLookFollowsTheFocusAmongPushButtons)
{
    auto isDefault = [&](int id) {
        return (GetWindowLongA(Item(id), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    };
    EXPECT_TRUE(isDefault(IDOK));
    Press(ui, VK_TAB);
    ASSERT_EQ(Focus(ui), Item(IDC_APPLY));
    EXPECT_TRUE(isDefault(IDC_APPLY));
    EXPECT_FALSE(isDefault(IDOK));
    // Enter now presses the focused button, which stays in the dialog.
    Press(ui, VK_RETURN);
    EXPECT_EQ(g_seen.lastCommand.load(), IDC_APPLY);
    EXPECT_TRUE(IsWindow(dialog));
    Press(ui, VK_TAB); // to the radio group: the default look goes back to OK
    EXPECT_TRUE(isDefault(IDOK));
    EXPECT_FALSE(isDefault(IDC_APPLY));
}

TEST_F(DialogTest, F1AsksForHelpNamingTheFocusedControl)
{
    Press(ui, VK_F1);
    EXPECT_EQ(g_seen.helpControl.load(), IDC_NAME);
    Press(ui, VK_TAB);
    Press(ui, VK_F1);
    EXPECT_EQ(g_seen.helpControl.load(), IDC_APPLY);
}

TEST_F(DialogTest, MnemonicsPressTheirButton)
{
    Press(ui, 'A', VK_MENU);
    EXPECT_EQ(g_seen.lastCommand.load(), IDC_APPLY);
}

TEST_F(DialogTest, ThreeModalLevelsDisableAndRestoreTheirOwners)
{
    SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_DEEPER)), TRUE);
    Press(ui, VK_SPACE);
    HWND second = FindDialog(ui, "Second");
    ASSERT_TRUE(second);
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_FALSE(IsWindowEnabled(ui.MainWindow()));
    Press(ui, VK_RETURN); // "Ask" is the default: a message box over the second dialog
    HWND box = FindDialog(ui, "Third");
    ASSERT_TRUE(box);
    EXPECT_EQ(GetWindow(box, GW_OWNER), second);
    EXPECT_FALSE(IsWindowEnabled(second));
    EXPECT_FALSE(IsWindowEnabled(dialog));
    EXPECT_EQ(GetForegroundWindow(), box);

    Press(ui, VK_ESCAPE); // the box closes; its owner comes back
    EXPECT_FALSE(IsWindow(box));
    EXPECT_TRUE(IsWindowEnabled(second));
    EXPECT_EQ(GetForegroundWindow(), second);
    EXPECT_FALSE(IsWindowEnabled(dialog));

    Press(ui, VK_ESCAPE);
    EXPECT_FALSE(IsWindow(second));
    EXPECT_TRUE(IsWindowEnabled(dialog));
    EXPECT_EQ(GetForegroundWindow(), dialog);
    EXPECT_EQ(Focus(ui), Item(IDC_DEEPER)); // focus comes back where it was

    Press(ui, VK_ESCAPE);
    EXPECT_EQ(Result(), IDCANCEL);
    EXPECT_TRUE(IsWindowEnabled(ui.MainWindow()));
}

TEST_F(DialogTest, ClickingTheDisabledOwnerBeepsAndChangesNothing)
{
    RECT r;
    GetWindowRect(ui.MainWindow(), &r);
    const LONG before = PlatformBeepCount();
    // A point of the main window's client area that the dialog does not cover.
    SetCursorPos(r.right - 20, r.bottom - 20);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
    ASSERT_TRUE(ui.WaitIdle());
    EXPECT_GT(PlatformBeepCount(), before);
    EXPECT_EQ(GetForegroundWindow(), dialog);
}

TEST_F(DialogTest, TheCloseBoxCancels)
{
    RECT r;
    GetWindowRect(dialog, &r);
    // The close box sits at the right end of the caption bar.
    SetCursorPos(r.right - 3 - 5, r.top + 3 + 8);
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_MOUSE;
    in[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    in[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    SendInput(2, in, sizeof in[0]);
    EXPECT_EQ(Result(), IDCANCEL);
}

TEST(MessageBoxes, ButtonsOfEachTypeAndTheirResults)
{
    platform::UiThread ui;
    struct Case
    {
        UINT type;
        WORD key;
        int result;
    } cases[] = {
        {MB_OK, VK_RETURN, IDOK},
        {MB_OK, VK_ESCAPE, IDOK},
        {MB_OKCANCEL, VK_ESCAPE, IDCANCEL},
        {MB_YESNO, VK_RETURN, IDYES},
        {MB_YESNO | MB_DEFBUTTON2, VK_RETURN, IDNO},
        {MB_YESNOCANCEL, 'N', IDNO},
        {MB_RETRYCANCEL, 'R', IDRETRY},
    };
    for (const Case& c : cases)
    {
        HWND main = ui.MainWindow();
        ui.Begin([main, c] {
            return static_cast<LRESULT>(MessageBoxA(main, "Text", "Caption", c.type));
        });
        HWND box = FindDialog(ui, "Caption");
        ASSERT_TRUE(box);
        Press(ui, c.key);
        LRESULT r = 0;
        ASSERT_TRUE(ui.Finish(&r));
        EXPECT_EQ(r, c.result) << "type " << c.type;
    }
}

TEST(MessageBoxes, YesNoIgnoresEscape)
{
    platform::UiThread ui;
    HWND main = ui.MainWindow();
    ui.Begin(
        [main] { return static_cast<LRESULT>(MessageBoxA(main, "Sure?", "Question", MB_YESNO)); });
    HWND box = FindDialog(ui, "Question");
    ASSERT_TRUE(box);
    Press(ui, VK_ESCAPE);
    EXPECT_TRUE(IsWindow(box));
    char text[32];
    GetDlgItemTextA(box, IDNO, text, sizeof text);
    EXPECT_STREQ(text, "&No");
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(text, "Sure?");
    Press(ui, 'N');
    LRESULT r = 0;
    ASSERT_TRUE(ui.Finish(&r));
    EXPECT_EQ(r, IDNO);
}

} // namespace
