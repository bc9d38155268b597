// The combo box as code drives it: its parts and geometry, the CB_ messages and their error
// results, the text of the edit and of a drop-down list, opening the list by message, and what
// the text renderer shows.

#include "listbox_test_util.h"

using list_test::ListFixture;
using list_test::Note;

namespace
{

constexpr int Id = 100;
using Notes = std::vector<Note>;
using Strings = std::vector<std::string>;

class ComboBox : public ListFixture
{
protected:
    // A combo box at (10, 10) in the parent, 120 pixels wide and 100 high when open.
    HWND MakeCombo(DWORD style, int height = 100)
    {
        return Create("ComboBox", style, 10, 10, 120, height, Id);
    }

    COMBOBOXINFO Info(HWND combo)
    {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        EXPECT_TRUE(GetComboBoxInfo(combo, &info));
        return info;
    }

    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(hwnd, msg, wParam, lParam);
    }

    LRESULT SendText(HWND hwnd, UINT msg, WPARAM wParam, const char* text)
    {
        return SendMessageA(hwnd, msg, wParam, reinterpret_cast<LPARAM>(text));
    }

    std::string Text(HWND hwnd) { return platform::automation::Text(hwnd); }
};

Note N(WORD code)
{
    return Note{Id, code};
}

} // namespace

TEST_F(ComboBox, AComboBoxIsOneLineHighAndRemembersItsDroppedHeight)
{
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    RECT client{};
    GetClientRect(combo, &client);
    EXPECT_EQ(client.bottom, 21); // the field of 15 pixels and the frame
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1)), 15);
    EXPECT_EQ(Send(combo, CB_GETITEMHEIGHT, 0), 13);
    RECT dropped{};
    Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&dropped), 2);
    EXPECT_EQ(dropped.top, 10);
    EXPECT_EQ(dropped.bottom, 110);
    EXPECT_EQ(dropped.right - dropped.left, 120);

    // The field's height sets the closed height.
    EXPECT_EQ(Send(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20), 0);
    GetClientRect(combo, &client);
    EXPECT_EQ(client.bottom, 26);
    EXPECT_EQ(Send(combo, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 256), CB_ERR);

    // A taller size is the new dropped height; a shorter one changes only the width.
    MoveWindow(combo, 10, 10, 100, 150, TRUE);
    GetClientRect(combo, &client);
    EXPECT_EQ(client.bottom, 26);
    Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 150);
    MoveWindow(combo, 10, 10, 110, 10, TRUE);
    Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_EQ(dropped.bottom - dropped.top, 150);
    EXPECT_EQ(dropped.right - dropped.left, 110);
}

TEST_F(ComboBox, TheDroppedWidthIsAtLeastTheComboBoxsWidth)
{
    HWND combo = MakeCombo(CBS_DROPDOWN);
    EXPECT_EQ(Send(combo, CB_GETDROPPEDWIDTH), 120);
    EXPECT_EQ(Send(combo, CB_SETDROPPEDWIDTH, 80), 120);
    EXPECT_EQ(Send(combo, CB_SETDROPPEDWIDTH, 200), 200);
    EXPECT_EQ(Send(combo, CB_SETDROPPEDWIDTH, 0), 200); // 0 and -1 only ask
    EXPECT_EQ(Send(combo, CB_GETDROPPEDWIDTH), 200);
}

TEST_F(ComboBox, ItsPartsAreAnEditChildAndAPopUpList)
{
    HWND combo = MakeCombo(CBS_DROPDOWN | WS_VSCROLL);
    const COMBOBOXINFO info = Info(combo);
    EXPECT_EQ(platform::automation::ClassOf(info.hwndItem), "Edit");
    EXPECT_EQ(GetParent(info.hwndItem), combo);
    EXPECT_EQ(GetDlgCtrlID(info.hwndItem), 1001);
    EXPECT_EQ(platform::automation::ClassOf(info.hwndList), "ComboLBox");
    EXPECT_FALSE(GetWindowLongA(info.hwndList, GWL_STYLE) & WS_CHILD);
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
    // The combo box's scroll bar belongs to its list.
    EXPECT_FALSE(GetWindowLongA(combo, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(info.rcButton.right, 120);
    EXPECT_EQ(info.stateButton, 0u);

    HWND dropList = Create("ComboBox", CBS_DROPDOWNLIST, 150, 10, 100, 100, 101);
    EXPECT_EQ(Info(dropList).hwndItem, nullptr);
    HWND simple = Create("ComboBox", CBS_SIMPLE, 260, 10, 100, 100, 102);
    const COMBOBOXINFO simpleInfo = Info(simple);
    EXPECT_EQ(GetParent(simpleInfo.hwndList), simple);
    EXPECT_TRUE(IsWindowVisible(simpleInfo.hwndList));
    EXPECT_EQ(simpleInfo.stateButton, static_cast<DWORD>(STATE_SYSTEM_INVISIBLE));

    // The pop-up list goes with its combo box.
    ui.Run([combo] { return static_cast<LRESULT>(DestroyWindow(combo)); });
    EXPECT_FALSE(IsWindow(info.hwndList));
    COMBOBOXINFO bad{};
    EXPECT_FALSE(GetComboBoxInfo(dropList, &bad));
}

TEST_F(ComboBox, ItemMessagesGoToTheListAndBadIndexesAnswerCbErr)
{
    HWND combo = MakeCombo(CBS_DROPDOWN | CBS_SORT);
    Add(combo, {"Gamma", "alpha", "Beta"}, CB_ADDSTRING);
    EXPECT_EQ(platform::automation::ListItems(combo), (Strings{"alpha", "Beta", "Gamma"}));
    EXPECT_EQ(SendText(combo, CB_INSERTSTRING, 0, "zulu"), 0);
    EXPECT_EQ(SendText(combo, CB_INSERTSTRING, 9, "far"), CB_ERR);
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 0), 3);
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 3);
    char text[16] = "x";
    EXPECT_EQ(Send(combo, CB_GETLBTEXT, 1, reinterpret_cast<LPARAM>(text)), 4);
    EXPECT_STREQ(text, "Beta");
    EXPECT_EQ(Send(combo, CB_GETLBTEXT, 3, reinterpret_cast<LPARAM>(text)), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETLBTEXTLEN, 3), CB_ERR);
    EXPECT_EQ(Send(combo, CB_DELETESTRING, 3), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETITEMDATA, 3, 1), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETITEMDATA, 3), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETITEMDATA, 2, 99), TRUE);
    EXPECT_EQ(Send(combo, CB_GETITEMDATA, 2), 99);
    EXPECT_EQ(SendText(combo, CB_FINDSTRING, static_cast<WPARAM>(-1), "g"), 2);
    EXPECT_EQ(SendText(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "BETA"), 1);
    EXPECT_EQ(SendText(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "Bet"), CB_ERR);
    EXPECT_EQ(Send(combo, CB_DIR, 0, reinterpret_cast<LPARAM>("*")), CB_ERR);
}

TEST_F(ComboBox, SettingTheSelectionSetsTheEditsTextWithoutNotifications)
{
    HWND combo = MakeCombo(CBS_DROPDOWN);
    Add(combo, {"alpha", "beta", "gamma"}, CB_ADDSTRING);
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 1), 1);
    EXPECT_EQ(Text(combo), "beta");
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(SendText(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), "ga"), 2);
    EXPECT_EQ(Text(combo), "gamma");
    // No item starts with it: nothing changes.
    EXPECT_EQ(SendText(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), "zz"), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 2);
    // An index outside the list clears the selection and the text, and answers CB_ERR.
    EXPECT_EQ(Send(combo, CB_SETCURSEL, 7), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), CB_ERR);
    EXPECT_EQ(Text(combo), "");
    // WM_SETTEXT goes to the edit, and leaves the selection as it is.
    Send(combo, CB_SETCURSEL, 0);
    EXPECT_EQ(SendText(combo, WM_SETTEXT, 0, "typed"), TRUE);
    EXPECT_EQ(Text(combo), "typed");
    EXPECT_EQ(Text(Info(combo).hwndItem), "typed");
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 0);
    Send(combo, CB_RESETCONTENT);
    EXPECT_EQ(Text(combo), "");
    EXPECT_EQ(Send(combo, CB_GETCOUNT), 0);
    EXPECT_TRUE(TakeNotes().empty());
}

TEST_F(ComboBox, ADropDownListsTextIsItsSelectedItem)
{
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    Add(combo, {"alpha", "beta"}, CB_ADDSTRING);
    EXPECT_EQ(Text(combo), "");
    Send(combo, CB_SETCURSEL, 1);
    EXPECT_EQ(Text(combo), "beta");
    EXPECT_EQ(Send(combo, WM_GETTEXTLENGTH), 4);
    char small[3] = "";
    EXPECT_EQ(Send(combo, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 2);
    EXPECT_STREQ(small, "be");
    // It has no text of its own and no edit to limit or select in.
    EXPECT_EQ(SendText(combo, WM_SETTEXT, 0, "alpha"), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETCURSEL), 1);
    EXPECT_EQ(Send(combo, CB_LIMITTEXT, 5), CB_ERR);
    EXPECT_EQ(Send(combo, CB_SETEDITSEL, 0, MAKELPARAM(0, 2)), CB_ERR);
    EXPECT_EQ(Send(combo, CB_GETEDITSEL), CB_ERR);
}

TEST_F(ComboBox, TheEditsSelectionAndLimitAreReachedThroughTheComboBox)
{
    HWND combo = MakeCombo(CBS_DROPDOWN | CBS_AUTOHSCROLL);
    SendText(combo, WM_SETTEXT, 0, "Jason");
    EXPECT_EQ(Send(combo, CB_SETEDITSEL, 0, MAKELPARAM(1, 3)), TRUE);
    DWORD start = 0, end = 0;
    EXPECT_EQ(Send(combo, CB_GETEDITSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end)),
              MAKELRESULT(1, 3));
    EXPECT_EQ(start, 1u);
    EXPECT_EQ(end, 3u);
    // -1 as the end selects to the end of the text.
    Send(combo, CB_SETEDITSEL, 0, MAKELPARAM(2, -1));
    EXPECT_EQ(Send(combo, CB_GETEDITSEL), MAKELRESULT(2, 5));
    EXPECT_EQ(Send(combo, CB_LIMITTEXT, 3), TRUE);
    EXPECT_EQ(Send(Info(combo).hwndItem, EM_GETLIMITTEXT), 3);
}

TEST_F(ComboBox, ShowDropDownOpensTheListBelowAndClosesItUnchosen)
{
    HWND combo = MakeCombo(CBS_DROPDOWNLIST);
    Add(combo, {"alpha", "beta"}, CB_ADDSTRING);
    const COMBOBOXINFO info = Info(combo);
    EXPECT_EQ(Send(combo, CB_SHOWDROPDOWN, TRUE), TRUE);
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_DROPDOWN)}));
    EXPECT_TRUE(Send(combo, CB_GETDROPPEDSTATE));
    EXPECT_TRUE(IsWindowVisible(info.hwndList));
    EXPECT_EQ(Info(combo).stateButton, static_cast<DWORD>(STATE_SYSTEM_PRESSED));
    RECT comboRect{}, listRect{};
    GetWindowRect(combo, &comboRect);
    GetWindowRect(info.hwndList, &listRect);
    EXPECT_EQ(listRect.top, comboRect.bottom);
    EXPECT_EQ(listRect.left, comboRect.left);
    EXPECT_EQ(listRect.right - listRect.left, 120);
    // Two items: the list is no taller than they need, on the renderer too.
    EXPECT_EQ(Rows(info.hwndList), (Strings{"+------------------+", "|alpha             |",
                                            "|beta              |", "+------------------+"}));
    Send(combo, CB_SHOWDROPDOWN, FALSE);
    EXPECT_EQ(TakeNotes(), (Notes{N(CBN_SELENDCANCEL), N(CBN_CLOSEUP)}));
    EXPECT_FALSE(IsWindowVisible(info.hwndList));
    // Asking again to close tells nobody.
    Send(combo, CB_SHOWDROPDOWN, FALSE);
    EXPECT_TRUE(TakeNotes().empty());
}

TEST_F(ComboBox, TheOpenListShowsWhatFitsAndScrollsTheSelectionIntoView)
{
    // 100 pixels: 21 for the line, 2 for the list's border, 77 for five items of 13.
    HWND combo = MakeCombo(CBS_DROPDOWNLIST | WS_VSCROLL);
    for (int i = 0; i < 9; ++i)
        Add(combo, {"item " + std::to_string(i)}, CB_ADDSTRING);
    Send(combo, CB_SETCURSEL, 7);
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    HWND list = Info(combo).hwndList;
    EXPECT_EQ(Rows(list),
              (Strings{"+------------------+", "|item 4           ^|", "|item 5            |",
                       "|item 6            |", "*item 7*           |", "|item 8           v|",
                       "+------------------+"}));
}

TEST_F(ComboBox, NearTheScreensBottomTheListOpensAbove)
{
    HWND combo = Create("ComboBox", CBS_DROPDOWNLIST, 10, 0, 120, 200, Id);
    ui.Run([this] { return static_cast<LRESULT>(MoveWindow(parent, 60, 900, 420, 100, TRUE)); });
    Add(combo, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, CB_ADDSTRING);
    Send(combo, CB_SHOWDROPDOWN, TRUE);
    RECT comboRect{}, listRect{};
    GetWindowRect(combo, &comboRect);
    GetWindowRect(Info(combo).hwndList, &listRect);
    EXPECT_EQ(listRect.bottom, comboRect.top);
}

TEST_F(ComboBox, TheClosedLineShowsTheTextAndTheButton)
{
    HWND dropList = MakeCombo(CBS_DROPDOWNLIST);
    Add(dropList, {"Alpha", "Beta"}, CB_ADDSTRING);
    Send(dropList, CB_SETCURSEL, 1);
    EXPECT_EQ(Rows(dropList), (Strings{"[Beta             v]"}));
    // Focused, its text is selected and framed.
    Focus(dropList);
    EXPECT_EQ(Rows(dropList), (Strings{">Beta*            <]"}));

    HWND dropDown = Create("ComboBox", CBS_DROPDOWN, 10, 60, 120, 100, 101);
    SendText(dropDown, WM_SETTEXT, 0, "typed");
    EXPECT_EQ(Rows(dropDown), (Strings{"[typed            v]"}));
    ui.Run([dropDown] { return static_cast<LRESULT>(EnableWindow(dropDown, FALSE)); });
    // Grey throughout; the markers that would fall off the line's ends are left out.
    EXPECT_EQ(Rows(dropDown), (Strings{"[typed~          ~v]"}));

    HWND simple = Create("ComboBox", CBS_SIMPLE | CBS_NOINTEGRALHEIGHT, 150, 60, 90, 80, 102);
    Add(simple, {"one", "two"}, CB_ADDSTRING);
    SendText(simple, WM_SETTEXT, 0, "one");
    EXPECT_EQ(Rows(simple), (Strings{"[one          ]", "+-------------+", "|one          |",
                                     "|two          |", "+-------------+", ""}));
}
