// The combo box as a user drives it: choosing with the mouse, the keys open and closed, typing
// into a drop-down's edit, the focus, and a combo box in a dialog, with the order in which the
// parent hears of it all.

#include "listbox_test_util.h"
#include "user/template_builder.h"

using list_test::ListFixture;
using list_test::Note;
namespace automation = platform::automation;

namespace
{

constexpr int Id = 100;
using Notes = std::vector<Note>;
using Strings = std::vector<std::string>;

class ComboInput : public ListFixture
{
protected:
    HWND MakeCombo(DWORD style)
    {
        HWND combo = Create("ComboBox", style, 10, 10, 120, 100, Id);
        Add(combo, {"alpha", "beta", "gamma", "delta"}, CB_ADDSTRING);
        return combo;
    }

    COMBOBOXINFO Info(HWND combo)
    {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        EXPECT_TRUE(GetComboBoxInfo(combo, &info));
        return info;
    }

    void Press(WORD vk, unsigned modifiers = automation::kNoModifiers)
    {
        ASSERT_TRUE(automation::Press(vk, modifiers)) << automation::LastFailure();
    }

    void ClickButton(HWND combo)
    {
        const RECT button = Info(combo).rcButton;
        ASSERT_TRUE(automation::Click(combo, POINT{(button.left + button.right) / 2, 10}))
            << automation::LastFailure();
    }

    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(hwnd, msg, wParam, lParam);
    }

    bool Dropped(HWND combo) { return Send(combo, CB_GETDROPPEDSTATE) != FALSE; }
};

Note N(WORD code)
{
    return Note{Id, code};
}

} // namespace

TEST_F(ComboInput, ChoosingWithTheMouseChangesTheSelectionThenEndsItAndCloses)
{
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    ASSERT_TRUE(automation::ChooseComboItem(combo, "gamma")) << automation::LastFailure();
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_SETFOCUS), N(CBN_DROPDOWN), N(CBN_SELCHANGE),
                                  N(CBN_SELENDOK), N(CBN_CLOSEUP)}));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(automation::Text(combo), "gamma");
    EXPECT_FALSE(Dropped(combo));
    EXPECT_FALSE(IsWindowVisible(Info(combo).hwndList));
    // The list never took the focus or the activation.
    EXPECT_EQ(automation::FocusOf(ui.Id()), combo);
    EXPECT_EQ(GetForegroundWindow(), parent);
}

TEST_F(ComboInput, AnEditComboBoxTellsOfTheChoiceBeforeItsTextFollows)
{
    HWND combo = MakeCombo(CBS_DROPDOWN);
    ASSERT_TRUE(automation::ChooseComboItem(combo, "delta")) << automation::LastFailure();
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_SETFOCUS), N(CBN_DROPDOWN), N(CBN_SELCHANGE),
                                  N(CBN_SELENDOK), N(CBN_CLOSEUP)}));
    // As on Windows, the edit still showed the old text when CBN_SELCHANGE came.
    EXPECT_EQ(TakeTextsAtSelChange(), (Strings{""}));
    EXPECT_EQ(automation::Text(combo), "delta");
    // The focus is in the edit, with its text selected.
    EXPECT_EQ(automation::FocusOf(ui.Id()), Info(combo).hwndItem);
    EXPECT_EQ(Send(combo, CB_GETEDITSEL), MAKELRESULT(0, 5));
}

TEST_F(ComboInput, APressOutsideTheOpenListClosesItWithoutAChoice)
{
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    Send(combo, CB_SETCURSEL, 1);
    ClickButton(combo);
    EXPECT_TRUE(Dropped(combo));
    // The mouse over another item highlights it, but that is no choice.
    HWND list = Info(combo).hwndList;
    RECT item{};
    Send(list, LB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&item));
    POINT over{5, item.top + 4};
    ClientToScreen(list, &over);
    SetCursorPos(over.x, over.y);
    ui.WaitIdle();
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
    ASSERT_TRUE(automation::Click(parent, POINT{300, 300})) << automation::LastFailure();
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(TakeNotes(),
              (Notes{N(CBN_SETFOCUS), N(CBN_DROPDOWN), N(CBN_SELENDCANCEL), N(CBN_CLOSEUP)}));
    // A click on the button of an open list closes it too.
    ClickButton(combo);
    ClickButton(combo);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_DROPDOWN), N(CBN_SELENDCANCEL), N(CBN_CLOSEUP)}));
}

TEST_F(ComboInput, ArrowKeysChangeTheSelectionOfAClosedComboBoxAtOnce)
{
    HWND combo = MakeCombo(CBS_DROPDOWN);
    Focus(combo);
    TakeNotes();
    Press(VK_DOWN);
    Press(VK_DOWN);
    Press(VK_UP);
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_SELCHANGE), N(CBN_SELCHANGE), N(CBN_SELCHANGE)}));
    // Each time the edit still showed the previous item.
    EXPECT_EQ(TakeTextsAtSelChange(), (Strings{"", "alpha", "beta"}));
    EXPECT_EQ(automation::Text(combo), "alpha");
    Press(VK_UP); // already the first: nothing
    EXPECT_TRUE(TakeNotes().empty());
    EXPECT_FALSE(Dropped(combo));
}

TEST_F(ComboInput, ADropDownListSelectsTheNextItemStartingWithATypedLetter)
{
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    Add(combo, {"dusk"}, CB_ADDSTRING);
    Focus(combo);
    TakeNotes();
    ASSERT_TRUE(automation::Type("d")) << automation::LastFailure();
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 3);
    ASSERT_TRUE(automation::Type("d")) << automation::LastFailure();
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 4);
    ASSERT_TRUE(automation::Type("D")) << automation::LastFailure();
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 3);
    Press(VK_END);
    EXPECT_EQ(automation::Text(combo), "dusk");
    EXPECT_EQ(TakeNotes(),
              (Notes{N(CBN_SELCHANGE), N(CBN_SELCHANGE), N(CBN_SELCHANGE), N(CBN_SELCHANGE)}));
    EXPECT_EQ(TakeTextsAtSelChange(), (Strings{"delta", "dusk", "delta", "dusk"}));
}

TEST_F(ComboInput, F4OpensTheArrowsMoveInTheListAndEnterKeepsIt)
{
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    Focus(combo);
    TakeNotes();
    Press(VK_F4);
    EXPECT_TRUE(Dropped(combo));
    Press(VK_DOWN);
    Press(VK_DOWN);
    EXPECT_EQ(automation::Text(combo), "beta");
    Press(VK_RETURN);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_DROPDOWN), N(CBN_SELCHANGE), N(CBN_SELCHANGE),
                                  N(CBN_SELENDOK), N(CBN_CLOSEUP)}));
    // Alt+Down opens, Escape closes and keeps what the keys chose.
    Press(VK_DOWN, automation::kAlt);
    EXPECT_TRUE(Dropped(combo));
    Press(VK_DOWN);
    Press(VK_ESCAPE);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    EXPECT_EQ(TakeNotes(),
              (Notes{N(CBN_DROPDOWN), N(CBN_SELCHANGE), N(CBN_SELENDCANCEL), N(CBN_CLOSEUP)}));
}

TEST_F(ComboInput, WithTheExtendedInterfaceDownOpensTheList)
{
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    EXPECT_EQ(Send(combo, CB_SETEXTENDEDUI, TRUE), CB_OKAY);
    EXPECT_TRUE(Send(combo, CB_GETEXTENDEDUI));
    Focus(combo);
    Press(VK_F4);
    EXPECT_FALSE(Dropped(combo));
    Press(VK_DOWN);
    EXPECT_TRUE(Dropped(combo));
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
}

TEST_F(ComboInput, TypingIntoTheEditIsNoChoice)
{
    HWND combo = MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL);
    Send(combo, CB_SETCURSEL, 1);
    Focus(combo);
    TakeNotes();
    ASSERT_TRUE(automation::Type("ga")) << automation::LastFailure();
    EXPECT_EQ(TakeNotes(),
              (Notes{N(CBN_EDITUPDATE), N(CBN_EDITCHANGE), N(CBN_EDITUPDATE), N(CBN_EDITCHANGE)}));
    EXPECT_EQ(automation::Text(combo), "ga");
    // The typed text replaced the selected "beta", and the list's selection went with it.
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    // While the list is open, it shows the first item that starts with the text.
    Press(VK_F4);
    TakeNotes();
    ASSERT_TRUE(automation::Type("\b")) << automation::LastFailure();
    EXPECT_EQ(Send(Info(combo).hwndList, LB_GETCURSEL), 2);
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_EDITUPDATE), N(CBN_EDITCHANGE)}));
    // Escape closes the list and leaves the typed text alone.
    Press(VK_ESCAPE);
    EXPECT_EQ(automation::Text(combo), "g");
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_SELENDCANCEL), N(CBN_CLOSEUP)}));
}

TEST_F(ComboInput, TheFocusEntersAndLeavesTheComboBoxAsAWhole)
{
    HWND combo = MakeCombo(CBS_DROPDOWN);
    Send(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Rain"));
    Focus(combo);
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_SETFOCUS)}));
    EXPECT_EQ(automation::FocusOf(ui.Id()), Info(combo).hwndItem);
    EXPECT_EQ(Send(combo, CB_GETEDITSEL), MAKELRESULT(0, 4));
    // Open when the focus leaves: the list closes unchosen first.
    Press(VK_F4);
    Focus(parent);
    EXPECT_FALSE(Dropped(combo));
    EXPECT_EQ(TakeNotes(),
              (Notes{N(CBN_DROPDOWN), N(CBN_SELENDCANCEL), N(CBN_CLOSEUP), N(CBN_KILLFOCUS)}));
    EXPECT_EQ(Send(combo, CB_GETEDITSEL), 0);
}

TEST_F(ComboInput, ASimpleComboBoxChoosesFromItsListBelowTheEdit)
{
    HWND combo = MakeCombo(CBS_SIMPLE);
    ASSERT_TRUE(automation::ChooseComboItem(combo, "beta")) << automation::LastFailure();
    EXPECT_EQ(automation::Text(combo), "beta");
    // The click in the list brought the focus to the edit.
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_SETFOCUS), N(CBN_SELENDOK), N(CBN_SELCHANGE)}));
    EXPECT_EQ(automation::FocusOf(ui.Id()), Info(combo).hwndItem);
    Press(VK_DOWN);
    EXPECT_EQ(automation::Text(combo), "gamma");
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_SELCHANGE)}));
}

// In a dialog, an open list takes Enter and Escape for itself; closed, they are the dialog's.
class ComboInDialog : public ::testing::Test
{
protected:
    platform::UiThread ui;
    platform::TemplateBuilder tmpl{
        WS_POPUP | WS_CAPTION | DS_MODALFRAME, 0, 10, 10, 160, 100, "Combo dialog"};
    HWND dialog = nullptr;
    static inline std::vector<int> commands; // on the user-interface thread

    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
    {
        if (msg == WM_INITDIALOG)
        {
            HWND combo = GetDlgItem(hwnd, Id);
            for (const char* item : {"north", "south", "east"})
                SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
            return TRUE;
        }
        if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
        {
            commands.push_back(LOWORD(wParam));
            return TRUE;
        }
        return FALSE;
    }

    void SetUp() override
    {
        commands.clear();
        constexpr DWORD Child = WS_CHILD | WS_VISIBLE;
        tmpl.Add("ComboBox", "", Id, Child | CBS_DROPDOWNLIST | WS_TABSTOP | WS_VSCROLL, 7, 7, 80,
                 60);
        tmpl.Add("Button", "OK", IDOK, Child | BS_DEFPUSHBUTTON | WS_TABSTOP, 100, 7, 50, 14);
        tmpl.Add("Button", "Cancel", IDCANCEL, Child | WS_TABSTOP, 100, 24, 50, 14);
        const DLGTEMPLATE* t = tmpl.Get();
        HWND owner = ui.MainWindow();
        ui.Begin([t, owner] {
            return static_cast<LRESULT>(
                DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t, owner, Proc, 0));
        });
        dialog = automation::WaitForWindow("#32770", "Combo dialog");
        ASSERT_NE(dialog, nullptr) << automation::LastFailure();
        ASSERT_TRUE(automation::WaitIdle(dialog));
    }

    void TearDown() override
    {
        if (!dialog)
            return;
        ui.Run([this] { return static_cast<LRESULT>(EndDialog(dialog, 0)); });
        EXPECT_TRUE(ui.Finish());
    }

    std::vector<int> Commands()
    {
        std::vector<int> out;
        ui.Run([&] {
            out = commands;
            return LRESULT{0};
        });
        return out;
    }
};

TEST_F(ComboInDialog, EnterAndEscapeCloseAnOpenListWithoutReachingTheDialog)
{
    HWND combo = GetDlgItem(dialog, Id);
    ASSERT_EQ(automation::FocusOf(ui.Id()), combo);
    ASSERT_TRUE(automation::Press(VK_DOWN, automation::kAlt));
    ASSERT_TRUE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    ASSERT_TRUE(automation::Press(VK_DOWN));
    ASSERT_TRUE(automation::Press(VK_DOWN));
    ASSERT_TRUE(automation::Press(VK_RETURN));
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_EQ(automation::Text(combo), "south");
    ASSERT_TRUE(automation::Press(VK_F4));
    ASSERT_TRUE(automation::Press(VK_ESCAPE));
    EXPECT_FALSE(SendMessageA(combo, CB_GETDROPPEDSTATE, 0, 0));
    EXPECT_TRUE(Commands().empty());
    // Closed, Enter presses the default button.
    ASSERT_TRUE(automation::Press(VK_RETURN));
    EXPECT_EQ(Commands(), (std::vector<int>{IDOK}));
    // The open list shows on the screen below the combo box, over the dialog.
    ASSERT_TRUE(automation::Press(VK_F4));
    const std::string screen = platform::SnapshotText(platform::RenderScreen());
    EXPECT_NE(screen.find("*south*"), std::string::npos) << screen;
}
