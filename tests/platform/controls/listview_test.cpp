// The list view driven by code: columns, items, states and their notifications, finding,
// sorting, deletion, geometry and what the text renderer shows.

#include "listview_test_util.h"

#include <cstring>

using namespace listview_test;
namespace automation = platform::automation;

namespace
{

class ListView : public ListViewTest
{
protected:
    void ThreeColumns()
    {
        AddColumn("Name", 60);
        AddColumn("Formula", 48);
        AddColumn("Weight", 48, LVCFMT_RIGHT);
    }

    void AddLabels(std::initializer_list<const char*> labels)
    {
        LPARAM data = 0;
        for (const char* label : labels)
            AddRow({label}, data++);
    }

    std::vector<std::string> Labels()
    {
        std::vector<std::string> labels;
        for (int i = 0; i < automation::RowCount(list); ++i)
            labels.push_back(Text(i));
        return labels;
    }
};

TEST_F(ListView, ColumnsKeepTheirSubItemsWhenColumnsComeAndGo)
{
    Show();
    ThreeColumns();
    AddRow({"Methane", "CH4", "16.04"});
    AddRow({"Ethane", "C2H6", "30.07"});
    EXPECT_EQ(automation::ColumnTitles(list),
              (std::vector<std::string>{"Name", "Formula", "Weight"}));
    EXPECT_EQ(automation::RowTexts(list, 1), (std::vector<std::string>{"Ethane", "C2H6", "30.07"}));

    // A column inserted between others moves the later sub-items along; the labels stay first.
    EXPECT_EQ(AddColumn("Phase", 30, LVCFMT_LEFT, 1), 1);
    EXPECT_EQ(automation::RowTexts(list, 0),
              (std::vector<std::string>{"Methane", "", "CH4", "16.04"}));
    EXPECT_TRUE(Send(LVM_DELETECOLUMN, 1));
    EXPECT_EQ(automation::RowTexts(list, 0), (std::vector<std::string>{"Methane", "CH4", "16.04"}));
    EXPECT_FALSE(Send(LVM_DELETECOLUMN, 3));

    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    RECT second{};
    ASSERT_TRUE(SendMessageA(header, HDM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&second)));
    EXPECT_EQ(second.left, 60);
    EXPECT_EQ(second.right, 108);

    // Texts and formats read back; the first column is always left-aligned.
    char title[8] = {};
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_FMT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = title;
    column.cchTextMax = 5;
    ASSERT_TRUE(Send(LVM_GETCOLUMNA, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(title, "Form") << "truncated to the buffer";
    EXPECT_EQ(column.cx, 48);
    EXPECT_EQ(column.iSubItem, 1);
    column.mask = LVCF_FMT;
    column.fmt = LVCFMT_RIGHT;
    ASSERT_TRUE(Send(LVM_SETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
    ASSERT_TRUE(Send(LVM_GETCOLUMNA, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(column.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT);

    // Setting a sub-item of a column that does not exist fails.
    EXPECT_FALSE(SetText(0, 5, "x"));
}

TEST_F(ListView, ColumnWidthsFollowTheHeaderAndAutosize)
{
    Show();
    ThreeColumns();
    AddRow({"Methane", "CH4", "16.04"});
    AddRow({"Carbon dioxide", "CO2", "44.01"});
    EXPECT_EQ(Send(LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>("Carbon dioxide")), 14 * 6);

    ASSERT_TRUE(Send(LVM_SETCOLUMNWIDTH, 0, MAKELPARAM(LVSCW_AUTOSIZE, 0)));
    EXPECT_EQ(Send(LVM_GETCOLUMNWIDTH, 0), 14 * 6 + 12) << "the widest label and room around it";
    // Sized by its header, a column is at least as wide as its title.
    ASSERT_TRUE(Send(LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0)));
    EXPECT_EQ(Send(LVM_GETCOLUMNWIDTH, 1), 7 * 6 + 12);
    // The last one fills what room is left.
    ASSERT_TRUE(Send(LVM_SETCOLUMNWIDTH, 2, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0)));
    RECT client{};
    GetClientRect(list, &client);
    EXPECT_EQ(Send(LVM_GETCOLUMNWIDTH, 2), client.right - (14 * 6 + 12) - (7 * 6 + 12));

    // The header is where the widths live: a width set through it shows in the list.
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    item.cxy = 30;
    Clear();
    ASSERT_TRUE(SendMessageA(header, HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(Send(LVM_GETCOLUMNWIDTH, 1), 30);
    EXPECT_EQ(Notes(), (std::vector<Note>{Code(HDN_ITEMCHANGINGA, 1), Code(HDN_ITEMCHANGEDA, 1)}))
        << "header changes reach the list's parent";
}

TEST_F(ListView, ItemsInsertWhereAskedAndKeepTheirData)
{
    Show();
    ThreeColumns();
    EXPECT_EQ(AddRow({"b"}, 2), 0);
    EXPECT_EQ(AddRow({"d"}, 4), 1);
    EXPECT_EQ(AddRow({"a"}, 1, 0), 0);
    EXPECT_EQ(AddRow({"c"}, 3, 2), 2);
    EXPECT_EQ(Labels(), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 4);

    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = 2;
    ASSERT_TRUE(Send(LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)));
    EXPECT_EQ(item.lParam, 3);

    // Sub-items cannot be inserted, nor items before the first.
    item = LVITEMA{};
    item.mask = LVIF_TEXT;
    item.iSubItem = 1;
    item.pszText = const_cast<LPSTR>("x");
    EXPECT_EQ(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), -1);
    item.iSubItem = 0;
    item.iItem = -1;
    EXPECT_EQ(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), -1);

    // Text comes back truncated to the caller's buffer and always terminated.
    SetText(1, 0, "butane");
    char small[4] = {'x', 'x', 'x', 'x'};
    item = LVITEMA{};
    item.pszText = small;
    item.cchTextMax = 4;
    EXPECT_EQ(Send(LVM_GETITEMTEXTA, 1, reinterpret_cast<LPARAM>(&item)), 3);
    EXPECT_STREQ(small, "but");
    EXPECT_EQ(Send(LVM_GETITEMTEXTA, 9, reinterpret_cast<LPARAM>(&item)), 0);

    const std::vector<Note> inserted = NotesOf({LVN_INSERTITEM});
    EXPECT_EQ(inserted, (std::vector<Note>{Code(LVN_INSERTITEM, 0), Code(LVN_INSERTITEM, 1),
                                           Code(LVN_INSERTITEM, 0), Code(LVN_INSERTITEM, 2)}));
}

TEST_F(ListView, SortedListsPlaceItemsByLabelIgnoringCase)
{
    Show(LVS_SORTASCENDING);
    AddColumn("Name", 80);
    AddLabels({"delta", "Alpha", "charlie", "Bravo", "alpha"});
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Alpha", "alpha", "Bravo", "charlie", "delta"}));
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.pszText = LPSTR_TEXTCALLBACKA;
    EXPECT_EQ(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), -1)
        << "a sorted list cannot sort a label it does not have";

    SetWindowLongA(list, GWL_STYLE,
                   (GetWindowLongA(list, GWL_STYLE) & ~LVS_SORTASCENDING) | LVS_SORTDESCENDING);
    AddRow({"Echo"}, 0, 0);
    EXPECT_EQ(Text(0), "Echo");
}

TEST_F(ListView, StateChangesReportTheFocusMovingBetweenTheNewItemsNotifications)
{
    Show();
    AddColumn("Name", 80);
    AddLabels({"zero", "one", "two"});
    ASSERT_TRUE(SetState(0, Sel | Foc, Sel | Foc));
    Clear();

    ASSERT_TRUE(SetState(2, Sel | Foc, Sel | Foc));
    EXPECT_EQ(Notes(), (std::vector<Note>{Changing(2, Sel | Foc, 0), Changing(0, Sel, Sel | Foc),
                                          Changed(0, Sel, Sel | Foc), Changed(2, Sel | Foc, 0)}));
    EXPECT_EQ(State(0), Sel) << "a multiple selection list keeps the old selection";
    EXPECT_EQ(Send(LVM_GETSELECTEDCOUNT), 2);
    EXPECT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 2);
    EXPECT_EQ(Send(LVM_GETNEXTITEM, 0, LVNI_SELECTED), 2);
    EXPECT_EQ(Send(LVM_GETNEXTITEM, 2, LVNI_SELECTED), -1);
    EXPECT_EQ(Send(LVM_GETNEXTITEM, 2, LVNI_SELECTED | LVNI_ABOVE), 0);
    EXPECT_EQ(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_ALL), 0);
    EXPECT_EQ(Send(LVM_GETNEXTITEM, 1, LVNI_ALL), 2);

    // Setting a state an item already has says nothing.
    Clear();
    ASSERT_TRUE(SetState(2, Sel, Sel));
    EXPECT_TRUE(Notes().empty());

    // A parent that refuses LVN_ITEMCHANGING keeps the item as it was.
    {
        std::lock_guard g(Recorded().mutex);
        Recorded().refuseChangingOf = 1;
    }
    EXPECT_FALSE(SetState(1, Sel, Sel));
    EXPECT_EQ(State(1), 0u);
    EXPECT_EQ(Notes(), (std::vector<Note>{Changing(1, Sel, 0)}));
}

TEST_F(ListView, SingleSelectionDeselectsInsideTheNewItemsChange)
{
    Show(LVS_SINGLESEL);
    AddColumn("Name", 80);
    AddLabels({"zero", "one"});
    ASSERT_TRUE(SetState(0, Sel, Sel));
    Clear();
    ASSERT_TRUE(SetState(1, Sel, Sel));
    EXPECT_EQ(Notes(), (std::vector<Note>{Changing(1, Sel, 0), Changing(0, 0, Sel),
                                          Changed(0, 0, Sel), Changed(1, Sel, 0)}));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{1}));

    // All at once: selecting every item is refused here, and nothing can focus every item.
    EXPECT_FALSE(SetState(-1, Sel, Sel));
    EXPECT_FALSE(SetState(-1, Foc, Foc));
    EXPECT_TRUE(SetState(-1, 0, Sel));
    EXPECT_EQ(Send(LVM_GETSELECTEDCOUNT), 0);
}

TEST_F(ListView, FindItemMatchesLabelsIgnoringCaseFromAfterTheStart)
{
    Show();
    AddColumn("Name", 80);
    AddLabels({"Water", "Methanol", "water", "Ethanol", "Methane"});
    EXPECT_EQ(Find(LVFI_STRING, "WATER"), 0);
    EXPECT_EQ(Find(LVFI_STRING, "water", 0), 2) << "the start item itself is excluded";
    EXPECT_EQ(Find(LVFI_STRING, "water", 2), -1);
    EXPECT_EQ(Find(LVFI_STRING | LVFI_WRAP, "water", 2), 0);
    EXPECT_EQ(Find(LVFI_STRING, "Metha"), -1) << "exact unless partial";
    EXPECT_EQ(Find(LVFI_PARTIAL, "metha"), 1);
    EXPECT_EQ(Find(LVFI_PARTIAL | LVFI_STRING, "metha", 1), 4);
    EXPECT_EQ(Find(LVFI_PARTIAL, "metha", 4), -1);
    EXPECT_EQ(Find(LVFI_PARTIAL | LVFI_WRAP, "metha", 4), 1);
    EXPECT_EQ(Find(LVFI_PARTIAL, ""), 0) << "an empty prefix fits everything";

    LVFINDINFOA byData{};
    byData.flags = LVFI_PARAM;
    byData.lParam = 3;
    EXPECT_EQ(Send(LVM_FINDITEMA, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&byData)), 3);

    // The index follows labels as they change, items as they go and the order as it is sorted.
    SetText(3, 0, "Propanol");
    EXPECT_EQ(Find(LVFI_STRING, "ethanol"), -1);
    EXPECT_EQ(Find(LVFI_STRING, "propanol"), 3);
    ASSERT_TRUE(Send(LVM_DELETEITEM, 0));
    EXPECT_EQ(Find(LVFI_STRING, "water"), 1);
    EXPECT_EQ(Find(LVFI_STRING, "methane"), 3);
    auto reverse = [](LPARAM a, LPARAM b, LPARAM) -> int { return static_cast<int>(b - a); };
    ASSERT_TRUE(
        Send(LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(static_cast<PFNLVCOMPARE>(reverse))));
    EXPECT_EQ(Find(LVFI_STRING, "methane"), 0);
    EXPECT_EQ(Find(LVFI_STRING, "methanol"), 3);
}

TEST_F(ListView, CallbackLabelsComeFromTheParentAndCanBeFound)
{
    Show();
    AddColumn("Name", 80);
    AddColumn("Value", 80);
    AddLabels({"plain"});
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = 1;
    item.pszText = LPSTR_TEXTCALLBACKA;
    ASSERT_EQ(Send(LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)), 1);
    SetText(1, 1, LPSTR_TEXTCALLBACKA);
    EXPECT_EQ(Text(1), "cb1.0");
    EXPECT_EQ(Text(1, 1), "cb1.1");
    EXPECT_EQ(Find(LVFI_STRING, "CB1.0"), 1);
    EXPECT_EQ(Find(LVFI_STRING, "plain"), 0);
}

int CALLBACK ByName(LPARAM a, LPARAM b, LPARAM)
{
    return lstrcmpiA(reinterpret_cast<const char*>(a), reinterpret_cast<const char*>(b));
}

int CALLBACK ByIndexDescending(LPARAM a, LPARAM b, LPARAM order)
{
    return static_cast<int>((b - a) * order);
}

TEST_F(ListView, SortingByCallbackMovesItemsWithTheirStatesAndSubItems)
{
    static const char* names[] = {"Propane", "ethane", "Butane", "methane"};
    Show();
    AddColumn("Name", 80);
    AddColumn("Carbons", 40);
    const char* carbons[] = {"3", "2", "4", "1"};
    for (int i = 0; i < 4; ++i)
        AddRow({names[i], carbons[i]}, reinterpret_cast<LPARAM>(names[i]));
    ASSERT_TRUE(SetState(2, Sel | Foc, Sel | Foc));
    ASSERT_TRUE(Send(LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&ByName)));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Butane", "ethane", "methane", "Propane"}));
    EXPECT_EQ(Text(0, 1), "4");
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{0}));
    EXPECT_EQ(automation::FocusedRow(list), 0);

    // LVM_SORTITEMSEX hands the callback the indexes the items had before the sort.
    ASSERT_TRUE(Send(LVM_SORTITEMSEX, 1, reinterpret_cast<LPARAM>(&ByIndexDescending)));
    EXPECT_EQ(Labels(), (std::vector<std::string>{"Propane", "methane", "ethane", "Butane"}));
    EXPECT_FALSE(Send(LVM_SORTITEMS, 0, 0));
}

TEST_F(ListView, DeletingItemsTellsTheParentOfEachWhileItIsStillThere)
{
    Show();
    AddColumn("Name", 80);
    AddLabels({"a", "b", "c", "d"});
    ASSERT_TRUE(SetState(1, Sel | Foc, Sel | Foc));
    Clear();

    // The focused, selected item loses both before it goes.
    ASSERT_TRUE(Send(LVM_DELETEITEM, 1));
    EXPECT_EQ(Notes(), (std::vector<Note>{Changing(1, 0, Sel | Foc), Changed(1, 0, Sel | Foc),
                                          Code(LVN_DELETEITEM, 1)}));
    EXPECT_EQ(Send(LVM_GETSELECTEDCOUNT), 0);
    EXPECT_EQ(automation::FocusedRow(list), -1);
    EXPECT_FALSE(Send(LVM_DELETEITEM, 3));

    // Delete-all asks first, then reports each item from the last, each still readable.
    ASSERT_TRUE(SetState(0, Sel, Sel));
    Clear();
    ASSERT_TRUE(Send(LVM_DELETEALLITEMS));
    EXPECT_EQ(Notes(), (std::vector<Note>{Changing(0, 0, Sel), Changed(0, 0, Sel),
                                          Code(LVN_DELETEALLITEMS, -1), Code(LVN_DELETEITEM, 2),
                                          Code(LVN_DELETEITEM, 1), Code(LVN_DELETEITEM, 0)}));
    {
        std::lock_guard g(Recorded().mutex);
        EXPECT_EQ(Recorded().deletedLabels, (std::vector<std::string>{"d", "c", "a"}));
    }
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 0);
    EXPECT_EQ(Find(LVFI_STRING, "a"), -1);

    // A parent that answers TRUE hears of no single item.
    AddLabels({"x", "y"});
    {
        std::lock_guard g(Recorded().mutex);
        Recorded().deleteAllAnswer = TRUE;
    }
    Clear();
    ASSERT_TRUE(Send(LVM_DELETEALLITEMS));
    EXPECT_EQ(Notes(), (std::vector<Note>{Code(LVN_DELETEALLITEMS, -1)}));
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 0);
}

TEST_F(ListView, DestroyingTheListDeletesEveryItemWithNotifications)
{
    Show();
    AddColumn("Name", 80);
    AddLabels({"a", "b", "c"});
    ASSERT_TRUE(SetState(0, Sel | Foc, Sel | Foc));
    Clear();
    ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(list)); });
    EXPECT_EQ(NotesOf({LVN_ITEMCHANGING, LVN_ITEMCHANGED, LVN_DELETEALLITEMS, LVN_DELETEITEM}),
              (std::vector<Note>{Code(LVN_DELETEALLITEMS, -1), Code(LVN_DELETEITEM, 2),
                                 Code(LVN_DELETEITEM, 1), Code(LVN_DELETEITEM, 0)}));
}

TEST_F(ListView, GeometryPutsOneRowPerTextLineUnderTheHeader)
{
    Show();
    ThreeColumns();
    for (int i = 0; i < 20; ++i)
        AddRow({"row " + std::to_string(i)});
    // A page is what the text renderer shows: its rows less the frame and the header.
    const int perPage = static_cast<int>(Send(LVM_GETCOUNTPERPAGE));
    EXPECT_EQ(perPage, static_cast<int>(Rows().size()) - 3);
    EXPECT_TRUE(GetWindowLongA(list, GWL_STYLE) & WS_VSCROLL) << "more rows than fit";

    RECT rect{};
    rect.left = LVIR_BOUNDS;
    ASSERT_TRUE(Send(LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(rect.top, 13 + 2 * 13);
    EXPECT_EQ(rect.bottom, rect.top + 13);
    EXPECT_EQ(rect.right - rect.left, 156);
    rect.left = LVIR_LABEL;
    ASSERT_TRUE(Send(LVM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(rect.right - rect.left, 60);

    LVHITTESTINFO hit{};
    hit.pt = POINT{10, 13 + 3 * 13 + 5};
    hit.iSubItem = 77;
    EXPECT_EQ(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 3);
    EXPECT_EQ(hit.flags, static_cast<UINT>(LVHT_ONITEMLABEL));
    EXPECT_EQ(hit.iSubItem, 77) << "LVM_HITTEST leaves the sub-item alone";
    hit.pt.x = 70;
    EXPECT_EQ(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1)
        << "sub-items are not the item";
    EXPECT_EQ(Send(LVM_SUBITEMHITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 3);
    EXPECT_EQ(hit.iSubItem, 1);
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    EXPECT_EQ(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 3)
        << "unless the whole row selects";
    hit.pt = POINT{10, 5};
    EXPECT_EQ(Send(LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1) << "the header is no row";
    EXPECT_EQ(Send(LVM_GETEXTENDEDLISTVIEWSTYLE), LVS_EX_FULLROWSELECT);

    // Scrolling moves the top row; rows above it have rectangles above the client area.
    ASSERT_TRUE(Send(LVM_ENSUREVISIBLE, 15, FALSE));
    EXPECT_EQ(Top(), 15 - perPage + 1);
    ASSERT_TRUE(Send(LVM_ENSUREVISIBLE, 2, FALSE));
    EXPECT_EQ(Top(), 2);
    ASSERT_TRUE(Send(LVM_SCROLL, 0, 3 * 13 + 4));
    EXPECT_EQ(Top(), 5);
    ASSERT_TRUE(Send(LVM_SCROLL, 0, -1000));
    EXPECT_EQ(Top(), 0);
    ASSERT_TRUE(Send(LVM_SCROLL, 0, 100000));
    EXPECT_EQ(Top(), 20 - perPage) << "the last page is full";
    rect.left = LVIR_BOUNDS;
    ASSERT_TRUE(Send(LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(rect.top, 13 - (20 - perPage) * 13);
}

TEST_F(ListView, ColoursAndHintsAreKept)
{
    Show();
    EXPECT_EQ(static_cast<COLORREF>(Send(LVM_GETBKCOLOR)), GetSysColor(COLOR_WINDOW));
    ASSERT_TRUE(Send(LVM_SETBKCOLOR, 0, RGB(1, 2, 3)));
    ASSERT_TRUE(Send(LVM_SETTEXTCOLOR, 0, RGB(4, 5, 6)));
    ASSERT_TRUE(Send(LVM_SETTEXTBKCOLOR, 0, CLR_NONE));
    EXPECT_EQ(static_cast<COLORREF>(Send(LVM_GETBKCOLOR)), RGB(1, 2, 3));
    EXPECT_EQ(static_cast<COLORREF>(Send(LVM_GETTEXTCOLOR)), RGB(4, 5, 6));
    EXPECT_EQ(static_cast<COLORREF>(Send(LVM_GETTEXTBKCOLOR)), CLR_NONE);
    EXPECT_TRUE(Send(LVM_SETITEMCOUNT, 5000));
    EXPECT_EQ(Send(LVM_GETITEMCOUNT), 0) << "the count is only a hint";
}

TEST_F(ListView, SnapshotShowsHeaderCellsSelectionAndFocus)
{
    Show(LVS_SHOWSELALWAYS, 120, 50);
    ThreeColumns();
    AddRow({"Methane", "CH4", "16.04"});
    AddRow({"Carbon dioxide", "CO2", "44.01"});
    AddRow({"Water", "H2O", "18.02"});
    ASSERT_TRUE(SetState(1, Sel | Foc, Sel | Foc));
    // With the focus elsewhere the selection still shows (LVS_SHOWSELALWAYS), the focus does not.
    ui.Run([this] { return reinterpret_cast<LRESULT>(SetFocus(GetDlgItem(dialog, IDOK))); });
    EXPECT_EQ(Rows(), (std::vector<std::string>{
                          "+---------------------------------+",
                          "| Name    | For...| Weight|       |",
                          "| Methane   CH4      16.04        |",
                          "|*Carbo...* CO2      44.01        |",
                          "| Water     H2O      18.02        |",
                          "+---------------------------------+",
                      }));
    // With the focus, the focused row's label is framed.
    ui.Run([this] { return reinterpret_cast<LRESULT>(SetFocus(list)); });
    EXPECT_EQ(Rows()[3], "|>Carbo...< CO2      44.01        |");
}

} // namespace
