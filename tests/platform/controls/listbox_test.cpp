// The list box as code drives it: the LB_ messages and their error results, sorting, finding,
// the selection model of each kind of list, owner-drawn lists, geometry, scrolling and what the
// text renderer shows.

#include "listbox_test_util.h"

#include <cstring>

using list_test::ListFixture;
using list_test::Recorded;

namespace
{

class ListBox : public ListFixture
{
protected:
    // A list at (10, 10) in the parent, 120 pixels wide; its height without a border is whole
    // items, so 78 pixels show six of them.
    HWND MakeList(DWORD style, int height = 78)
    {
        return Create("ListBox", style, 10, 10, 120, height);
    }

    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(hwnd, msg, wParam, lParam);
    }

    LRESULT SendText(HWND hwnd, UINT msg, WPARAM wParam, const char* text)
    {
        return SendMessageA(hwnd, msg, wParam, reinterpret_cast<LPARAM>(text));
    }

    std::vector<std::string> Items(HWND hwnd) { return platform::automation::ListItems(hwnd); }

    // LB_GETCURSEL, LB_GETANCHORINDEX, LB_GETCARETINDEX, LB_GETSELCOUNT.
    std::vector<LRESULT> State(HWND hwnd)
    {
        return {Send(hwnd, LB_GETCURSEL), Send(hwnd, LB_GETANCHORINDEX),
                Send(hwnd, LB_GETCARETINDEX), Send(hwnd, LB_GETSELCOUNT)};
    }
};

using Strings = std::vector<std::string>;
using Results = std::vector<LRESULT>;

} // namespace

TEST_F(ListBox, SortedListsInsertInCaseInsensitiveOrderAfterEqualItems)
{
    HWND list = MakeList(LBS_SORT);
    EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "beta"), 0);
    EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "Alpha"), 0);
    EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "gamma"), 2);
    EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "BETA"), 2);
    EXPECT_EQ(SendText(list, LB_ADDSTRING, 0, "alpha2"), 1);
    EXPECT_EQ(Items(list), (Strings{"Alpha", "alpha2", "beta", "BETA", "gamma"}));
    // Inserting at a position does not sort, even in a sorted list.
    EXPECT_EQ(SendText(list, LB_INSERTSTRING, 0, "zeta"), 0);
    EXPECT_EQ(ItemText(list, 0), "zeta");
}

TEST_F(ListBox, UnsortedListsKeepTheOrderGivenAndInsertWhereAsked)
{
    HWND list = MakeList(0);
    Add(list, {"one", "two"});
    EXPECT_EQ(SendText(list, LB_INSERTSTRING, static_cast<WPARAM>(-1), "end"), 2);
    EXPECT_EQ(SendText(list, LB_INSERTSTRING, 1, "between"), 1);
    EXPECT_EQ(SendText(list, LB_INSERTSTRING, 5, "far"), LB_ERR);
    EXPECT_EQ(Items(list), (Strings{"one", "between", "two", "end"}));
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, 1), 7);
    EXPECT_EQ(Send(list, LB_DELETESTRING, 0), 3);
    Send(list, LB_RESETCONTENT);
    EXPECT_EQ(Send(list, LB_GETCOUNT), 0);
}

TEST_F(ListBox, BadIndexesAnswerLbErrAndChangeNothing)
{
    HWND list = MakeList(0);
    Add(list, {"a", "b", "c"});
    EXPECT_EQ(Send(list, LB_SETCURSEL, 1), 1);
    char buffer[8] = "x";
    EXPECT_EQ(Send(list, LB_GETTEXT, 3, reinterpret_cast<LPARAM>(buffer)), LB_ERR);
    EXPECT_STREQ(buffer, "x");
    EXPECT_EQ(Send(list, LB_GETTEXTLEN, static_cast<WPARAM>(-1)), LB_ERR);
    EXPECT_EQ(Send(list, LB_DELETESTRING, static_cast<WPARAM>(-1)), LB_ERR);
    EXPECT_EQ(Send(list, LB_DELETESTRING, 3), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 3), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETITEMDATA, 3, 7), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETTOPINDEX, 3), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETSEL, 3), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 3), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    EXPECT_EQ(Send(list, LB_SETITEMHEIGHT, 0, MAKELPARAM(256, 0)), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETITEMHEIGHT, 0), 13);
    // The multiple-selection messages do not apply to a single-selection list.
    EXPECT_EQ(Send(list, LB_SETSEL, TRUE, 0), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETSELCOUNT), LB_ERR);
    int items[3] = {};
    EXPECT_EQ(Send(list, LB_GETSELITEMS, 3, reinterpret_cast<LPARAM>(items)), LB_ERR);
    EXPECT_EQ(Send(list, LB_SELITEMRANGE, TRUE, MAKELPARAM(0, 2)), LB_ERR);
    EXPECT_EQ(Send(list, LB_DIR, 0, reinterpret_cast<LPARAM>("*")), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCOUNT), 3);
    // -1 clears the selection and still answers LB_ERR.
    EXPECT_EQ(Send(list, LB_SETCURSEL, static_cast<WPARAM>(-1)), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    Send(list, LB_RESETCONTENT);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    EXPECT_EQ(Send(list, LB_SETCURSEL, 0), LB_ERR);
}

TEST_F(ListBox, FindStringMatchesAPrefixAfterTheStartAndWrapsRound)
{
    HWND list = MakeList(0);
    Add(list, {"apple", "Apricot", "banana", "apple pie"});
    EXPECT_EQ(SendText(list, LB_FINDSTRING, static_cast<WPARAM>(-1), "ap"), 0);
    EXPECT_EQ(SendText(list, LB_FINDSTRING, 0, "ap"), 1);
    EXPECT_EQ(SendText(list, LB_FINDSTRING, 1, "AP"), 3);
    EXPECT_EQ(SendText(list, LB_FINDSTRING, 3, "ap"), 0);
    EXPECT_EQ(SendText(list, LB_FINDSTRING, 2, "BAN"), 2); // round to the start itself
    EXPECT_EQ(SendText(list, LB_FINDSTRING, 9, "apr"), 1); // a start past the end searches all
    EXPECT_EQ(SendText(list, LB_FINDSTRING, static_cast<WPARAM>(-1), "cherry"), LB_ERR);
    EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "APPLE"), 0);
    EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, 0, "apple"), 0);
    EXPECT_EQ(SendText(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), "app"), LB_ERR);

    EXPECT_EQ(SendText(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), "ban"), 2);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(SendText(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), "zz"), LB_ERR);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    // Code that selects hears nothing back.
    EXPECT_TRUE(TakeNotes().empty());
}

TEST_F(ListBox, EachKindOfListStartsAndSelectsRangesAsWindowsDoes)
{
    // Cursel, anchor, caret and selection count.
    HWND single = MakeList(0);
    Add(single, {"a", "b", "c", "d"});
    EXPECT_EQ(State(single), (Results{LB_ERR, LB_ERR, 0, LB_ERR}));

    HWND multiple = Create("ListBox", LBS_MULTIPLESEL, 140, 10, 100, 78, 101);
    Add(multiple, {"a", "b", "c", "d"});
    EXPECT_EQ(State(multiple), (Results{0, LB_ERR, 0, 0}));
    EXPECT_EQ(Send(multiple, LB_SELITEMRANGE, TRUE, MAKELPARAM(1, 2)), LB_OKAY);
    EXPECT_EQ(State(multiple), (Results{0, LB_ERR, 0, 2}));

    HWND extended = Create("ListBox", LBS_EXTENDEDSEL, 250, 10, 100, 78, 102);
    Add(extended, {"a", "b", "c", "d"});
    // The range's ends may come in either order; the last index is clamped to the items.
    EXPECT_EQ(Send(extended, LB_SELITEMRANGE, TRUE, MAKELPARAM(10, 1)), LB_OKAY);
    EXPECT_EQ(platform::automation::SelectedItems(extended), (std::vector<int>{1, 2, 3}));
    Send(extended, LB_SETSEL, FALSE, -1);
    EXPECT_EQ(Send(extended, LB_GETSELCOUNT), 0);
    // MAKELPARAM(1, -1) ends at 65535.
    Send(extended, LB_SELITEMRANGE, TRUE, MAKELPARAM(1, -1));
    EXPECT_EQ(Send(extended, LB_GETSELCOUNT), 3);
    // LB_SELITEMRANGEEX deselects when the first index is the larger.
    EXPECT_EQ(Send(extended, LB_SELITEMRANGEEX, 2, 1), LB_OKAY);
    EXPECT_EQ(platform::automation::SelectedItems(extended), (std::vector<int>{3}));
    // LB_SETSEL moves the caret and the anchor to the item it selects.
    EXPECT_EQ(Send(extended, LB_SETSEL, TRUE, 0), LB_OKAY);
    EXPECT_EQ(State(extended), (Results{0, 0, 0, 2}));
    int selected[4] = {-1, -1, -1, -1};
    EXPECT_EQ(Send(extended, LB_GETSELITEMS, 1, reinterpret_cast<LPARAM>(selected)), 1);
    EXPECT_EQ(selected[0], 0);
    EXPECT_EQ(selected[1], -1);
    EXPECT_EQ(Send(extended, LB_SETCARETINDEX, 2), LB_OKAY);
    EXPECT_EQ(Send(extended, LB_GETCARETINDEX), 2);

    // A single-selection list keeps its caret on its selection.
    Send(single, LB_SETCURSEL, 2);
    EXPECT_EQ(State(single), (Results{2, 2, 2, LB_ERR}));
    EXPECT_EQ(Send(single, LB_SETCARETINDEX, 1), LB_ERR);
}

TEST_F(ListBox, InsertingAndDeletingMoveTheSelection)
{
    HWND list = MakeList(0);
    Add(list, {"a", "b", "c"});
    Send(list, LB_SETCURSEL, 1);
    SendText(list, LB_INSERTSTRING, 0, "first");
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(Send(list, LB_DELETESTRING, 0), 3);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    Send(list, LB_DELETESTRING, 1);
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);

    HWND multiple = Create("ListBox", LBS_MULTIPLESEL, 140, 10, 100, 78, 101);
    Add(multiple, {"a", "b", "c"});
    Send(multiple, LB_SETSEL, TRUE, 2);
    SendText(multiple, LB_INSERTSTRING, 0, "first");
    EXPECT_EQ(platform::automation::SelectedItems(multiple), (std::vector<int>{3}));
    EXPECT_EQ(Send(multiple, LB_GETCARETINDEX), 3);
}

TEST_F(ListBox, ItemDataStaysWithItsItem)
{
    HWND list = MakeList(LBS_SORT);
    Add(list, {"m"});
    Send(list, LB_SETITEMDATA, 0, 0x1234);
    Add(list, {"a"});
    EXPECT_EQ(Send(list, LB_SETITEMDATA, 0, 7), TRUE);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 1), 0x1234);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 0), 7);
    // Plain lists tell the owner nothing about deleted items.
    Send(list, LB_RESETCONTENT);
    ui.WaitIdle();
    EXPECT_TRUE(ui.Run([] { return static_cast<LRESULT>(Recorded().deleted.size()); }) == 0);
}

TEST_F(ListBox, OwnerDrawnListsWithoutStringsSortFindAndDeleteByItemData)
{
    HWND list = MakeList(LBS_OWNERDRAWFIXED | LBS_SORT);
    for (LPARAM data : {30, 10, 20})
        Send(list, LB_ADDSTRING, 0, data);
    ULONG_PTR first = 0;
    EXPECT_EQ(Send(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(&first)),
              static_cast<LRESULT>(sizeof first));
    EXPECT_EQ(first, 10u);
    EXPECT_EQ(Send(list, LB_GETITEMDATA, 2), 30);
    EXPECT_EQ(Send(list, LB_FINDSTRING, static_cast<WPARAM>(-1), 20), 1);
    EXPECT_EQ(Send(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), 25), LB_ERR);

    // The owner draws every visible item.
    platform::Snapshot(list);
    auto drawn = ui.Run([] { return static_cast<LRESULT>(Recorded().drawn.size()); });
    EXPECT_EQ(drawn, 3);

    Send(list, LB_DELETESTRING, 1);
    Send(list, LB_RESETCONTENT);
    ui.WaitIdle();
    std::vector<ULONG_PTR> deleted;
    ui.Run([&] {
        deleted = Recorded().deleted;
        return LRESULT{0};
    });
    EXPECT_EQ(deleted, (std::vector<ULONG_PTR>{20, 30, 10}));
}

TEST_F(ListBox, HeightShrinksToWholeItemsUnlessNoIntegralHeight)
{
    HWND integral = MakeList(0, 100);
    RECT client{};
    GetClientRect(integral, &client);
    EXPECT_EQ(client.bottom, 91); // seven items of 13
    HWND any = Create("ListBox", LBS_NOINTEGRALHEIGHT, 140, 10, 100, 100, 101);
    GetClientRect(any, &client);
    EXPECT_EQ(client.bottom, 100);
}

TEST_F(ListBox, ItemRectanglesAndPointsFollowTheTopIndex)
{
    HWND list = MakeList(LBS_NOINTEGRALHEIGHT, 65); // five rows
    // An empty list has no item at any point.
    EXPECT_EQ(Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 5)), 0x1FFFF);
    for (int i = 0; i < 10; ++i)
        Add(list, {"item " + std::to_string(i)});
    RECT rect{};
    EXPECT_EQ(Send(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)), 1);
    EXPECT_EQ(rect.top, 26);
    EXPECT_EQ(rect.bottom, 39);
    EXPECT_EQ(rect.right, 120);
    EXPECT_EQ(Send(list, LB_SETTOPINDEX, 3), LB_OKAY);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 3);
    EXPECT_EQ(Send(list, LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)), 0);
    EXPECT_EQ(rect.top, -13);
    EXPECT_EQ(Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 14)), 4);
    // Above or below the client area: the nearest visible item, flagged as outside.
    EXPECT_EQ(Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, static_cast<WORD>(-4))), 0x10003);
    EXPECT_EQ(Send(list, LB_ITEMFROMPOINT, 0, MAKELPARAM(5, 300)), 0x10007);
    // The top index stops where the last page is full.
    Send(list, LB_SETTOPINDEX, 9);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 5);
}

TEST_F(ListBox, SelectingScrollsTheItemIntoViewAndTheScrollBarComesWhenNeeded)
{
    HWND list = MakeList(WS_VSCROLL | LBS_NOINTEGRALHEIGHT, 65);
    Add(list, {"a", "b", "c"});
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    for (int i = 3; i < 12; ++i)
        Add(list, {std::string(1, static_cast<char>('a' + i))});
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);

    Send(list, LB_SETCURSEL, 9);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 5);
    Send(list, WM_VSCROLL, MAKEWPARAM(SB_PAGEUP, 0));
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 0);
    Send(list, WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0));
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 7);
    Send(list, WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 2));
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 2);
    // A notch of the wheel towards the user scrolls three rows down.
    Send(list, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)));
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 5);

    while (Send(list, LB_GETCOUNT) > 4)
        Send(list, LB_DELETESTRING, 0);
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 0);

    HWND always = Create("ListBox", WS_VSCROLL | LBS_DISABLENOSCROLL, 140, 10, 100, 65, 101);
    EXPECT_TRUE(GetWindowLongA(always, GWL_STYLE) & WS_VSCROLL);
}

TEST_F(ListBox, TheRendererShowsTheRowsFromTheTopWithTheSelectionMarked)
{
    HWND list = MakeList(WS_BORDER | WS_VSCROLL, 80); // six rows: four items inside the box
    Add(list, {"Alpha", "Beta", "Gamma", "Delta", "Epsilon", "Zeta"});
    Send(list, LB_SETCURSEL, 1);
    EXPECT_EQ(Rows(list),
              (Strings{"+------------------+", "|Alpha            ^|", "*Beta*             |",
                       "|Gamma             |", "|Delta            v|", "+------------------+"}));
    // The keyboard keeps the caret item in sight on the renderer.
    Send(list, LB_SETCURSEL, 5);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 2);

    ui.Run([list] { return static_cast<LRESULT>(EnableWindow(list, FALSE)); });
    EXPECT_EQ(Rows(list)[1], "~Gamma~           ^|");
}

TEST_F(ListBox, FocusFramesTheCaretItem)
{
    // The focus markers stand on the border, around the whole row.
    HWND list = MakeList(LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT | WS_BORDER, 65);
    Add(list, {"one", "two", "three"});
    Focus(list);
    Send(list, LB_SETCARETINDEX, 1);
    EXPECT_EQ(Rows(list),
              (Strings{"+------------------+", "|one               |", ">two               <",
                       "|three             |", "+------------------+"}));
    // An empty list shows the caret on its first row.
    Send(list, LB_RESETCONTENT);
    EXPECT_EQ(Rows(list)[1], ">                  <");
}

TEST_F(ListBox, HorizontalExtentScrollsTheTextSideways)
{
    HWND list = MakeList(WS_HSCROLL | LBS_NOINTEGRALHEIGHT, 52);
    Add(list, {"0123456789abcdefghijklmnopqrstuvwxyz"});
    EXPECT_FALSE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
    Send(list, LB_SETHORIZONTALEXTENT, 216); // the text's 36 characters
    EXPECT_EQ(Send(list, LB_GETHORIZONTALEXTENT), 216);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_HSCROLL);
    Send(list, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0));
    Send(list, WM_HSCROLL, MAKEWPARAM(SB_LINERIGHT, 0));
    EXPECT_EQ(Rows(list)[0], "23456789abcdefghijkl");
    Send(list, WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0));
    EXPECT_EQ(Rows(list)[0], "ghijklmnopqrstuvwxyz");
}

TEST_F(ListBox, TabStopsLineUpColumnsWithUseTabStops)
{
    HWND list = MakeList(LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, 26);
    Add(list, {"a\tb\tc", "long\tx"});
    // Every 32 dialog units (eight characters) without LB_SETTABSTOPS.
    EXPECT_EQ(Rows(list), (Strings{"a       b       c", "long    x"}));
    const int stops[] = {12, 40};
    EXPECT_EQ(Send(list, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops)), TRUE);
    EXPECT_EQ(Rows(list), (Strings{"a  b      c", "long      x"}));
    // Without the style the tabs are not expanded and the message fails.
    HWND plain = Create("ListBox", LBS_NOINTEGRALHEIGHT, 140, 10, 100, 26, 101);
    EXPECT_EQ(Send(plain, LB_SETTABSTOPS, 2, reinterpret_cast<LPARAM>(stops)), FALSE);
}
