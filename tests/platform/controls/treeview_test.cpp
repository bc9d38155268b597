// The tree view as programs and users drive it: item order, navigation, the notifications of
// deletion, selection and expansion in Windows' order, the mouse, the keys and scrolling, and
// what the text renderer shows.

#include "notify_test_util.h"
#include "platform/automation_tree.h"

#include <windows.h>

#include <cstring>

using namespace notify_test;
namespace automation = platform::automation;

namespace
{

constexpr DWORD TreeStyle = TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS;

HTREEITEM Insert(HWND tree, HTREEITEM parent, const char* text, HTREEITEM after = TVI_LAST,
                 LPARAM data = 0)
{
    TVINSERTSTRUCTA insert{};
    insert.hParent = parent;
    insert.hInsertAfter = after;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.lParam = data;
    return TreeView_InsertItem(tree, &insert);
}

std::string Text(HWND tree, HTREEITEM item)
{
    char buffer[64] = "";
    TVITEMA request{};
    request.mask = TVIF_TEXT;
    request.hItem = item;
    request.pszText = buffer;
    request.cchTextMax = sizeof buffer;
    return TreeView_GetItem(tree, &request) ? buffer : "<invalid>";
}

// The texts of parent's children, in order, joined by blanks.
std::string Children(HWND tree, HTREEITEM parent)
{
    std::string texts;
    for (HTREEITEM item = TreeView_GetChild(tree, parent); item;
         item = TreeView_GetNextSibling(tree, item))
        texts += (texts.empty() ? "" : " ") + Text(tree, item);
    return texts;
}

bool Expanded(HWND tree, HTREEITEM item)
{
    return (TreeView_GetItemState(tree, item, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

// ---- Items and notifications, on the test thread ----

class TreeTest : public ParentWindowTest
{
protected:
    HWND tree = nullptr;
    // Fruits (Apples, Pears (Conference, Williams)), Vegetables (Leeks).
    HTREEITEM fruits = nullptr, apples = nullptr, pears = nullptr, conference = nullptr,
              williams = nullptr, vegetables = nullptr, leeks = nullptr;

    void SetUp() override
    {
        ParentWindowTest::SetUp();
        tree = Create(WC_TREEVIEWA, TreeStyle, 180, 13 * 8);
        ASSERT_NE(tree, nullptr);
    }

    void Fill()
    {
        fruits = Insert(tree, TVI_ROOT, "Fruits", TVI_LAST, 1);
        apples = Insert(tree, fruits, "Apples", TVI_LAST, 2);
        pears = Insert(tree, fruits, "Pears", TVI_LAST, 3);
        conference = Insert(tree, pears, "Conference", TVI_LAST, 4);
        williams = Insert(tree, pears, "Williams", TVI_LAST, 5);
        vegetables = Insert(tree, TVI_ROOT, "Vegetables", TVI_LAST, 6);
        leeks = Insert(tree, vegetables, "Leeks", TVI_LAST, 7);
        Clear();
    }

    std::vector<LPARAM> DeletedData()
    {
        std::vector<LPARAM> data;
        for (const Notification& n : Notifications())
        {
            if (n.code == TVN_DELETEITEMA)
                data.push_back(n.oldParam);
        }
        return data;
    }
};

TEST_F(TreeTest, SortedInsertsIgnoreCaseAndKeepEqualTextsInTheirOrder)
{
    for (const char* text : {"pear", "Apple", "cherry", "apple", "Banana", "APPLE"})
        ASSERT_NE(Insert(tree, TVI_ROOT, text, TVI_SORT), nullptr);
    EXPECT_EQ(Children(tree, TVI_ROOT), "Apple apple APPLE Banana cherry pear");

    HTREEITEM first = Insert(tree, TVI_ROOT, "first", TVI_FIRST);
    HTREEITEM banana = TreeView_GetNextSibling(
        tree, TreeView_GetNextSibling(
                  tree, TreeView_GetNextSibling(tree, TreeView_GetNextSibling(tree, first))));
    ASSERT_EQ(Text(tree, banana), "Banana");
    Insert(tree, TVI_ROOT, "after banana", banana);
    Insert(tree, TVI_ROOT, "last", TVI_LAST);
    EXPECT_EQ(Children(tree, TVI_ROOT),
              "first Apple apple APPLE Banana after banana cherry pear last");
    EXPECT_EQ(TreeView_GetCount(tree), 9u);
    EXPECT_EQ(Insert(tree, reinterpret_cast<HTREEITEM>(0x1234), "orphan"), nullptr)
        << "an unknown parent handle fails instead of being followed";
}

TEST_F(TreeTest, SortChildrenSortsOneLevelAndTheCallbackOrdersByItemData)
{
    HTREEITEM root = Insert(tree, TVI_ROOT, "root");
    EXPECT_FALSE(TreeView_SortChildren(tree, root, FALSE)) << "nothing to sort";
    HTREEITEM wasp = Insert(tree, root, "Wasp", TVI_LAST, 3);
    Insert(tree, root, "caribou", TVI_LAST, 1);
    Insert(tree, root, "Ocelot", TVI_LAST, 2);
    Insert(tree, wasp, "Zebra");
    Insert(tree, wasp, "Ant");
    EXPECT_TRUE(TreeView_SortChildren(tree, root, TRUE));
    EXPECT_EQ(Children(tree, root), "caribou Ocelot Wasp");
    EXPECT_EQ(Children(tree, wasp), "Zebra Ant") << "only the one level is sorted, as on Windows";

    TVSORTCB sort{};
    sort.hParent = root;
    sort.lpfnCompare = [](LPARAM a, LPARAM b, LPARAM descending) -> int {
        return descending ? static_cast<int>(b - a) : static_cast<int>(a - b);
    };
    sort.lParam = TRUE;
    EXPECT_TRUE(TreeView_SortChildrenCB(tree, &sort, 0));
    EXPECT_EQ(Children(tree, root), "Wasp Ocelot caribou");
}

TEST_F(TreeTest, NavigationFollowsTheHierarchyAndWhatExpansionShows)
{
    Fill();
    EXPECT_EQ(TreeView_GetRoot(tree), fruits);
    EXPECT_EQ(TreeView_GetChild(tree, nullptr), fruits);
    EXPECT_EQ(TreeView_GetChild(tree, TVI_ROOT), fruits);
    EXPECT_EQ(TreeView_GetChild(tree, pears), conference);
    EXPECT_EQ(TreeView_GetNextSibling(tree, fruits), vegetables);
    EXPECT_EQ(TreeView_GetNextSibling(tree, vegetables), nullptr);
    EXPECT_EQ(TreeView_GetPrevSibling(tree, pears), apples);
    EXPECT_EQ(TreeView_GetParent(tree, williams), pears);
    EXPECT_EQ(TreeView_GetParent(tree, fruits), nullptr);

    EXPECT_EQ(TreeView_GetFirstVisible(tree), fruits);
    EXPECT_EQ(TreeView_GetNextVisible(tree, fruits), vegetables) << "Fruits is collapsed";
    EXPECT_EQ(TreeView_GetNextVisible(tree, apples), nullptr) << "Apples is not shown";
    ASSERT_TRUE(TreeView_Expand(tree, fruits, TVE_EXPAND));
    EXPECT_EQ(TreeView_GetNextVisible(tree, fruits), apples);
    EXPECT_EQ(TreeView_GetNextVisible(tree, pears), vegetables);
    EXPECT_EQ(TreeView_GetPrevVisible(tree, vegetables), pears);
    EXPECT_EQ(TreeView_GetLastVisible(tree), vegetables);
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
}

TEST_F(TreeTest, GetAndSetItemCarryTextStateAndData)
{
    Fill();
    char small[5] = "";
    TVITEMA item{};
    item.mask = TVIF_TEXT | TVIF_PARAM;
    item.hItem = vegetables;
    item.pszText = small;
    item.cchTextMax = sizeof small;
    ASSERT_TRUE(TreeView_GetItem(tree, &item));
    EXPECT_STREQ(small, "Vege") << "the text is cut to the buffer, zero included";
    EXPECT_EQ(item.lParam, 6);

    TVITEMA change{};
    change.mask = TVIF_TEXT | TVIF_PARAM | TVIF_STATE;
    change.hItem = apples;
    change.pszText = const_cast<char*>("Quinces");
    change.lParam = 42;
    change.state = TVIS_BOLD;
    change.stateMask = TVIS_BOLD;
    ASSERT_TRUE(TreeView_SetItem(tree, &change));
    EXPECT_EQ(Text(tree, apples), "Quinces");
    EXPECT_EQ(TreeView_GetItemState(tree, apples, 0xFFFF), static_cast<UINT>(TVIS_BOLD));
    item.mask = TVIF_PARAM;
    item.hItem = apples;
    ASSERT_TRUE(TreeView_GetItem(tree, &item));
    EXPECT_EQ(item.lParam, 42);

    item.hItem = reinterpret_cast<HTREEITEM>(0xdeadbeef);
    EXPECT_FALSE(TreeView_GetItem(tree, &item));
    change.hItem = item.hItem;
    EXPECT_FALSE(TreeView_SetItem(tree, &change));
}

TEST_F(TreeTest, ChildrenCountFollowsTheItemsBelowUntilAProgramSetsIt)
{
    Fill();
    TVITEMA item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = vegetables;
    ASSERT_TRUE(TreeView_GetItem(tree, &item));
    EXPECT_EQ(item.cChildren, 1);
    TreeView_DeleteItem(tree, leeks);
    ASSERT_TRUE(TreeView_GetItem(tree, &item));
    EXPECT_EQ(item.cChildren, 0) << "automatic: no items below";
    EXPECT_FALSE(TreeView_Expand(tree, vegetables, TVE_EXPAND)) << "nothing to expand";

    item.hItem = apples;
    item.cChildren = 1;
    ASSERT_TRUE(TreeView_SetItem(tree, &item));
    item.cChildren = 0;
    ASSERT_TRUE(TreeView_GetItem(tree, &item));
    EXPECT_EQ(item.cChildren, 1) << "a program's count stands without items below";
}

TEST_F(TreeTest, DeletingAnItemNotifiesItsSubtreeChildrenFirst)
{
    Fill();
    ASSERT_TRUE(TreeView_DeleteItem(tree, pears));
    EXPECT_EQ(DeletedData(), (std::vector<LPARAM>{4, 5, 3}));
    for (const Notification& n : Notifications())
        EXPECT_EQ(n.newItem, nullptr);
    EXPECT_EQ(TreeView_GetCount(tree), 4u);
    EXPECT_EQ(Children(tree, fruits), "Apples");
    EXPECT_EQ(Text(tree, conference), "<invalid>") << "the handle is dead";
    EXPECT_FALSE(TreeView_DeleteItem(tree, pears));
}

TEST_F(TreeTest, DeletingAllAndDestroyingNotifyEveryRemainingItem)
{
    Fill();
    ASSERT_TRUE(TreeView_DeleteAllItems(tree));
    EXPECT_EQ(DeletedData(), (std::vector<LPARAM>{2, 4, 5, 3, 1, 7, 6}));
    EXPECT_EQ(TreeView_GetCount(tree), 0u);
    EXPECT_EQ(TreeView_GetRoot(tree), nullptr);

    Fill();
    DestroyWindow(tree);
    EXPECT_EQ(DeletedData(), (std::vector<LPARAM>{2, 4, 5, 3, 1, 7, 6}));
}

TEST_F(TreeTest, DeletingTheSelectedItemMovesTheSelectionFirst)
{
    Fill();
    TreeView_SelectItem(tree, williams);
    Clear();
    ASSERT_TRUE(TreeView_DeleteItem(tree, williams));
    EXPECT_EQ(Codes(), (std::vector<UINT>{TVN_SELCHANGINGA, TVN_SELCHANGEDA, TVN_DELETEITEMA}));
    EXPECT_EQ(TreeView_GetSelection(tree), conference) << "the previous sibling";
    TreeView_DeleteItem(tree, conference);
    EXPECT_EQ(TreeView_GetSelection(tree), pears) << "no sibling left: the parent";

    Clear();
    Veto(TVN_SELCHANGINGA);
    TreeView_DeleteItem(tree, fruits);
    EXPECT_EQ(TreeView_GetSelection(tree), vegetables) << "a veto cannot keep a deleted selection";
}

TEST_F(TreeTest, ProgramSelectionNotifiesChangesOnlyAndTheParentCanVeto)
{
    Fill();
    ASSERT_TRUE(TreeView_SelectItem(tree, fruits));
    ASSERT_TRUE(TreeView_SelectItem(tree, fruits));
    ASSERT_TRUE(TreeView_SelectItem(tree, nullptr));
    ASSERT_TRUE(TreeView_SelectItem(tree, nullptr));
    const std::vector<Notification> seen = Notifications();
    ASSERT_EQ(seen.size(), 4u) << "selecting what is selected says nothing";
    EXPECT_EQ(seen[0].code, static_cast<UINT>(TVN_SELCHANGINGA));
    EXPECT_EQ(seen[0].action, static_cast<UINT>(TVC_UNKNOWN));
    EXPECT_EQ(seen[0].oldItem, nullptr);
    EXPECT_EQ(seen[0].newItem, fruits);
    EXPECT_EQ(seen[1].code, static_cast<UINT>(TVN_SELCHANGEDA));
    EXPECT_EQ(seen[1].newState & TVIS_SELECTED, static_cast<UINT>(TVIS_SELECTED));
    EXPECT_EQ(seen[2].oldItem, fruits);
    EXPECT_EQ(seen[3].newItem, nullptr);

    Veto(TVN_SELCHANGINGA);
    Clear();
    EXPECT_FALSE(TreeView_SelectItem(tree, vegetables));
    EXPECT_EQ(Codes(), (std::vector<UINT>{TVN_SELCHANGINGA}));
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr);
    EXPECT_EQ(TreeView_GetItemState(tree, vegetables, TVIS_SELECTED), 0u);
}

TEST_F(TreeTest, SelectingAHiddenItemExpandsItsAncestorsBetweenTheNotifications)
{
    Fill();
    ASSERT_TRUE(TreeView_SelectItem(tree, williams));
    EXPECT_EQ(Codes(), (std::vector<UINT>{TVN_SELCHANGINGA, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA,
                                          TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA, TVN_SELCHANGEDA}));
    EXPECT_TRUE(Expanded(tree, fruits));
    EXPECT_TRUE(Expanded(tree, pears));

    Clear();
    ASSERT_TRUE(TreeView_Expand(tree, fruits, TVE_COLLAPSE));
    EXPECT_EQ(TreeView_GetSelection(tree), fruits) << "a collapse hides the selection: it moves up";
    EXPECT_EQ(Codes(), (std::vector<UINT>{TVN_SELCHANGINGA, TVN_SELCHANGEDA}))
        << "Fruits has been expanded once: a program's collapse is silent";
}

TEST_F(TreeTest, ProgramExpansionNotifiesOnlyUntilTheFirstExpansion)
{
    Fill();
    EXPECT_FALSE(TreeView_Expand(tree, fruits, TVE_COLLAPSE)) << "already collapsed";
    EXPECT_TRUE(Codes().empty());

    ASSERT_TRUE(TreeView_Expand(tree, fruits, TVE_EXPAND));
    const std::vector<Notification> seen = Notifications();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].code, static_cast<UINT>(TVN_ITEMEXPANDINGA));
    EXPECT_EQ(seen[0].action, static_cast<UINT>(TVE_EXPAND));
    EXPECT_EQ(seen[0].newState & TVIS_EXPANDED, 0u);
    EXPECT_EQ(seen[1].code, static_cast<UINT>(TVN_ITEMEXPANDEDA));
    EXPECT_EQ(seen[1].newState & (TVIS_EXPANDED | TVIS_EXPANDEDONCE),
              static_cast<UINT>(TVIS_EXPANDED))
        << "TVIS_EXPANDEDONCE comes after the notification";
    EXPECT_TRUE(TreeView_GetItemState(tree, fruits, TVIS_EXPANDEDONCE));

    Clear();
    EXPECT_TRUE(TreeView_Expand(tree, fruits, TVE_TOGGLE));
    EXPECT_FALSE(Expanded(tree, fruits));
    EXPECT_TRUE(TreeView_Expand(tree, fruits, TVE_EXPAND));
    EXPECT_TRUE(Codes().empty()) << "expanded once: no more notifications for programs";
    EXPECT_FALSE(TreeView_Expand(tree, apples, TVE_TOGGLE)) << "no children";

    Veto(TVN_ITEMEXPANDINGA);
    EXPECT_FALSE(TreeView_Expand(tree, vegetables, TVE_EXPAND));
    EXPECT_FALSE(Expanded(tree, vegetables));
}

TEST_F(TreeTest, HitTestAndRectanglesFollowTheRows)
{
    Fill();
    TreeView_Expand(tree, fruits, TVE_EXPAND);
    RECT text{};
    ASSERT_TRUE(TreeView_GetItemRect(tree, pears, &text, TRUE));
    EXPECT_EQ(text.top, 2 * 13) << "the third row";
    EXPECT_EQ(text.right - text.left, 5 * 6);
    RECT row{};
    ASSERT_TRUE(TreeView_GetItemRect(tree, pears, &row, FALSE));
    EXPECT_EQ(row.left, 0);
    EXPECT_FALSE(TreeView_GetItemRect(tree, conference, &row, FALSE))
        << "inside a collapsed branch";

    TVHITTESTINFO hit{};
    hit.pt = POINT{text.left + 3, text.top + 6};
    EXPECT_EQ(TreeView_HitTest(tree, &hit), pears);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMLABEL));
    hit.pt.x = text.left - 1;
    EXPECT_EQ(TreeView_HitTest(tree, &hit), pears);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMBUTTON));
    hit.pt.x = text.right + 10;
    TreeView_HitTest(tree, &hit);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMRIGHT));
    ASSERT_TRUE(TreeView_GetItemRect(tree, apples, &text, TRUE));
    hit.pt = POINT{text.left - 1, text.top};
    EXPECT_EQ(TreeView_HitTest(tree, &hit), apples);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ONITEMINDENT)) << "Apples has no button";
    hit.pt = POINT{10, 7 * 13};
    EXPECT_EQ(TreeView_HitTest(tree, &hit), nullptr);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_NOWHERE));
    hit.pt = POINT{10, -5};
    TreeView_HitTest(tree, &hit);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TVHT_ABOVE));
}

TEST_F(TreeTest, SnapshotShowsLevelsButtonsLinesAndTheSelection)
{
    Fill();
    TreeView_Expand(tree, fruits, TVE_EXPAND);
    TreeView_Expand(tree, pears, TVE_EXPAND);
    TreeView_SelectItem(tree, conference);
    EXPECT_EQ(Lines(platform::Snapshot(tree)), (std::vector<std::string>{
                                                   "[-] Fruits",
                                                   " |  |- Apples",
                                                   " | [-] Pears",
                                                   " |     |-*Conference*",
                                                   " |     `- Williams",
                                                   "[+] Vegetables",
                                                   "",
                                                   "",
                                               }));

    SetWindowLongA(tree, GWL_STYLE,
                   GetWindowLongA(tree, GWL_STYLE) & ~(TVS_LINESATROOT | TVS_HASLINES));
    EXPECT_EQ(Lines(platform::Snapshot(tree)), (std::vector<std::string>{
                                                   "Fruits",
                                                   "    Apples",
                                                   "[-] Pears",
                                                   "      *Conference*",
                                                   "       Williams",
                                                   "Vegetables",
                                                   "",
                                                   "",
                                               }))
        << "top-level items have no slot without TVS_LINESATROOT";
}

// ---- The user, through simulated input in a dialog ----

constexpr int IdTree = 100;
constexpr int IdOther = 101;

class TreeInputTest : public DialogNotifyTest
{
protected:
    HWND tree = nullptr;
    HTREEITEM fruits = nullptr, apples = nullptr, pears = nullptr, conference = nullptr,
              vegetables = nullptr;

    void Open(short height = 60)
    {
        // The button comes first, so that it has the focus when the dialog opens.
        dialogTemplate.Add("Button", "Other", IdOther, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 140, 10,
                           50, 14);
        dialogTemplate.Add("SysTreeView32", "", IdTree,
                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER | TreeStyle, 10, 10, 120,
                           height);
        Show();
        tree = Item(IdTree);
        ASSERT_NE(tree, nullptr);
    }

    void Fill()
    {
        fruits = Insert(tree, TVI_ROOT, "Fruits");
        apples = Insert(tree, fruits, "Apples");
        pears = Insert(tree, fruits, "Pears");
        conference = Insert(tree, pears, "Conference");
        vegetables = Insert(tree, TVI_ROOT, "Vegetables");
        Idle();
        Clear();
    }
};

TEST_F(TreeInputTest, ClickingAnItemFocusesClicksAndSelectsInWindowsOrder)
{
    Open();
    Fill();
    ASSERT_TRUE(automation::ClickTreeItem(tree, vegetables));
    const std::vector<Notification> seen = Notifications();
    EXPECT_EQ(Codes(),
              (std::vector<UINT>{NM_SETFOCUS, NM_CLICK, TVN_SELCHANGINGA, TVN_SELCHANGEDA}));
    ASSERT_EQ(seen.size(), 4u);
    EXPECT_EQ(seen[2].action, static_cast<UINT>(TVC_BYMOUSE));
    EXPECT_EQ(seen[3].newItem, vegetables);
    EXPECT_EQ(TreeView_GetSelection(tree), vegetables);
    EXPECT_EQ(automation::FocusOf(), tree);

    Clear();
    Veto(TVN_SELCHANGINGA);
    ASSERT_TRUE(automation::ClickTreeItem(tree, fruits));
    EXPECT_EQ(Codes(), (std::vector<UINT>{NM_CLICK, TVN_SELCHANGINGA}));
    EXPECT_EQ(TreeView_GetSelection(tree), vegetables) << "the parent refused";

    Veto(0);
    Clear();
    ASSERT_TRUE(automation::Press(VK_TAB));
    EXPECT_EQ(Codes(), (std::vector<UINT>{NM_KILLFOCUS}));
}

TEST_F(TreeInputTest, TheButtonAndADoubleClickToggleAnItem)
{
    Open();
    Fill();
    ASSERT_TRUE(automation::ToggleTreeItem(tree, fruits));
    EXPECT_TRUE(Expanded(tree, fruits));
    EXPECT_EQ(TreeView_GetSelection(tree), nullptr) << "the button does not select";
    const std::vector<UINT> expand{NM_SETFOCUS, NM_CLICK, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA};
    EXPECT_EQ(Codes(), expand);
    Clear();
    ASSERT_TRUE(automation::ToggleTreeItem(tree, fruits));
    EXPECT_FALSE(Expanded(tree, fruits));
    EXPECT_EQ(Codes(), (std::vector<UINT>{NM_CLICK, TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}))
        << "the user's expansions always notify";
    EXPECT_FALSE(automation::ToggleTreeItem(tree, vegetables)) << "no button without children";

    Clear();
    ASSERT_TRUE(automation::DoubleClickTreeItem(tree, fruits));
    EXPECT_TRUE(Expanded(tree, fruits));
    EXPECT_EQ(TreeView_GetSelection(tree), fruits);
    EXPECT_EQ(Codes(), (std::vector<UINT>{NM_CLICK, TVN_SELCHANGINGA, TVN_SELCHANGEDA, NM_DBLCLK,
                                          TVN_ITEMEXPANDINGA, TVN_ITEMEXPANDEDA}));

    Clear();
    ASSERT_TRUE(automation::DoubleClickTreeItem(tree, apples));
    EXPECT_EQ(Codes(), (std::vector<UINT>{NM_CLICK, TVN_SELCHANGINGA, TVN_SELCHANGEDA, NM_DBLCLK}))
        << "a leaf has nothing to toggle";
}

TEST_F(TreeInputTest, KeysMoveTheSelectionExpandAndCollapse)
{
    Open();
    Fill();
    ASSERT_TRUE(automation::ClickTreeItem(tree, fruits));
    Clear();
    auto press = [](WORD vk, unsigned modifiers = automation::kNoModifiers) {
        EXPECT_TRUE(automation::Press(vk, modifiers)) << automation::LastFailure();
    };

    press(VK_DOWN);
    EXPECT_EQ(TreeView_GetSelection(tree), vegetables) << "Fruits is collapsed";
    const std::vector<Notification> seen = Notifications();
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0].code, static_cast<UINT>(TVN_KEYDOWN));
    EXPECT_EQ(seen[1].code, static_cast<UINT>(TVN_SELCHANGINGA));
    EXPECT_EQ(seen[1].action, static_cast<UINT>(TVC_BYKEYBOARD));

    press(VK_UP);
    press(VK_RIGHT);
    EXPECT_TRUE(Expanded(tree, fruits));
    EXPECT_EQ(TreeView_GetSelection(tree), fruits) << "Right expands first";
    press(VK_RIGHT);
    EXPECT_EQ(TreeView_GetSelection(tree), apples) << "then goes to the first child";
    press(VK_END);
    EXPECT_EQ(TreeView_GetSelection(tree), vegetables);
    press(VK_HOME);
    EXPECT_EQ(TreeView_GetSelection(tree), fruits);
    press(VK_DOWN);
    press(VK_DOWN);
    EXPECT_EQ(TreeView_GetSelection(tree), pears);
    press(VK_ADD);
    EXPECT_TRUE(Expanded(tree, pears));
    press(VK_SUBTRACT);
    EXPECT_FALSE(Expanded(tree, pears));
    press(VK_LEFT);
    EXPECT_EQ(TreeView_GetSelection(tree), fruits) << "Left on a collapsed item goes to the parent";
    press(VK_LEFT);
    EXPECT_FALSE(Expanded(tree, fruits)) << "Left on an expanded item collapses it";
    press(VK_MULTIPLY);
    EXPECT_TRUE(Expanded(tree, fruits));
    EXPECT_TRUE(Expanded(tree, pears)) << "* expands everything below";
    ASSERT_TRUE(automation::Type("v"));
    EXPECT_EQ(TreeView_GetSelection(tree), vegetables)
        << "a character finds the next row starting with it";
    EXPECT_EQ(automation::TreeRows(tree),
              (std::vector<std::string>{"Fruits", "  Apples", "  Pears", "    Conference",
                                        "*Vegetables*"}));
}

TEST_F(TreeInputTest, ScrollingReachesEveryItem)
{
    Open(50);
    std::vector<HTREEITEM> items;
    for (int i = 0; i < 30; ++i)
        items.push_back(Insert(tree, TVI_ROOT, ("Item " + std::to_string(i)).c_str()));
    Idle();
    EXPECT_TRUE(GetWindowLongA(tree, GWL_STYLE) & WS_VSCROLL)
        << "the rows do not fit: a scroll bar";
    const int page = static_cast<int>(TreeView_GetVisibleCount(tree));
    ASSERT_GT(page, 1);
    ASSERT_LT(page, 30);

    ASSERT_TRUE(automation::ClickTreeItem(tree, items[0]));
    ASSERT_TRUE(automation::Press(VK_END));
    EXPECT_EQ(TreeView_GetSelection(tree), items[29]);
    EXPECT_EQ(TreeView_GetFirstVisible(tree), items[30 - page]);
    std::vector<std::string> rows = Rows(tree);
    ASSERT_FALSE(rows.empty());
    EXPECT_NE(rows[static_cast<std::size_t>(page)].find("Item 29"), std::string::npos)
        << "the last row in view, above the bottom border";

    // The scroll bar's top arrow is the client area's first row, just right of it.
    RECT client{};
    GetClientRect(tree, &client);
    ASSERT_TRUE(automation::Click(tree, POINT{client.right + 3, 3}));
    EXPECT_EQ(TreeView_GetFirstVisible(tree), items[29 - page]);
    ASSERT_TRUE(automation::ClickTreeItem(tree, items[3]));
    EXPECT_EQ(TreeView_GetFirstVisible(tree), items[3]) << "brought into view to be clicked";
    ASSERT_TRUE(automation::Press(VK_NEXT));
    EXPECT_EQ(TreeView_GetSelection(tree), items[static_cast<std::size_t>(3 + page - 1)]);

    while (TreeView_GetCount(tree) > 2)
        TreeView_DeleteItem(tree, TreeView_GetRoot(tree));
    Idle();
    EXPECT_FALSE(GetWindowLongA(tree, GWL_STYLE) & WS_VSCROLL) << "everything fits again";
}

} // namespace
