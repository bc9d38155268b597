// The tab control as programs and users drive it: tabs, the selection and its silent and
// notified changes, clicks, Left and Right, Ctrl+Tab through a dialog, and the tab row as the
// text renderer shows it.

#include "notify_test_util.h"
#include "platform/automation_tree.h"

#include <windows.h>

using namespace notify_test;
namespace automation = platform::automation;

namespace
{

int Insert(HWND tab, int index, const char* text, LPARAM data = 0)
{
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM;
    item.pszText = const_cast<char*>(text);
    item.lParam = data;
    return TabCtrl_InsertItem(tab, index, &item);
}

class TabTest : public ParentWindowTest
{
protected:
    HWND tab = nullptr;

    void SetUp() override
    {
        ParentWindowTest::SetUp();
        tab = Create(WC_TABCONTROLA, 0, 30 * 6, 5 * 13);
        ASSERT_NE(tab, nullptr);
    }

    void Fill()
    {
        Insert(tab, 0, "One", 10);
        Insert(tab, 1, "Two", 20);
        Insert(tab, 2, "Three", 30);
        Clear();
    }
};

TEST_F(TabTest, TabsKeepTextAndDataAndTheSelectionFollowsInsertsAndDeletes)
{
    EXPECT_EQ(TabCtrl_GetCurSel(tab), -1);
    Fill();
    EXPECT_EQ(TabCtrl_GetItemCount(tab), 3);
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 0) << "the first tab of an empty control is selected";
    EXPECT_EQ(TabCtrl_GetCurFocus(tab), 0);
    EXPECT_EQ(automation::TabText(tab, 2), "Three");

    EXPECT_EQ(Insert(tab, 0, "Zero", 0), 0);
    EXPECT_EQ(Insert(tab, 99, "Four", 40), 4) << "an index past the end appends";
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 1) << "the selected tab moved right";

    char text[8] = "";
    TCITEMA item{};
    item.mask = TCIF_TEXT | TCIF_PARAM | TCIF_STATE;
    item.pszText = text;
    item.cchTextMax = 3;
    item.dwStateMask = TCIS_BUTTONPRESSED;
    ASSERT_TRUE(TabCtrl_GetItem(tab, 1, &item));
    EXPECT_STREQ(text, "On") << "cut to the buffer";
    EXPECT_EQ(item.lParam, 10);
    EXPECT_EQ(item.dwState, static_cast<DWORD>(TCIS_BUTTONPRESSED)) << "the selected tab";
    item.mask = TCIF_PARAM;
    EXPECT_FALSE(TabCtrl_GetItem(tab, 5, &item));
    EXPECT_EQ(item.lParam, 0) << "a wrong index clears what was asked for";

    item.mask = TCIF_TEXT;
    item.pszText = const_cast<char*>("Uno");
    ASSERT_TRUE(TabCtrl_SetItem(tab, 1, &item));
    EXPECT_EQ(automation::TabText(tab, 1), "Uno");

    EXPECT_TRUE(TabCtrl_DeleteItem(tab, 0));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 0) << "the selected tab moved left";
    EXPECT_TRUE(TabCtrl_DeleteItem(tab, 0));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), -1) << "deleting the selected tab leaves none selected";
    EXPECT_FALSE(TabCtrl_DeleteItem(tab, 7));
    EXPECT_TRUE(TabCtrl_DeleteAllItems(tab));
    EXPECT_EQ(TabCtrl_GetItemCount(tab), 0);
    EXPECT_TRUE(Codes().empty()) << "programs change tabs silently";
}

TEST_F(TabTest, SetCurSelIsSilentAndSetCurFocusAsksTheParent)
{
    Fill();
    EXPECT_EQ(TabCtrl_SetCurSel(tab, 2), 0) << "returns the previous selection";
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 2);
    EXPECT_EQ(TabCtrl_GetCurFocus(tab), 2) << "the focus follows";
    EXPECT_EQ(TabCtrl_SetCurSel(tab, 3), -1) << "out of range";
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 2);
    EXPECT_TRUE(Codes().empty());

    TabCtrl_SetCurFocus(tab, 1);
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 1);
    EXPECT_EQ(Codes(), (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE}));
    Clear();
    Veto(TCN_SELCHANGING);
    TabCtrl_SetCurFocus(tab, 0);
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 1);
    EXPECT_EQ(Codes(), (std::vector<UINT>{TCN_SELCHANGING}));

    EXPECT_EQ(TabCtrl_SetCurSel(tab, -1), 1);
    EXPECT_EQ(TabCtrl_GetCurSel(tab), -1);
    EXPECT_EQ(TabCtrl_GetCurFocus(tab), -1);
}

TEST_F(TabTest, RectanglesHitTestAndThePageArea)
{
    Fill();
    RECT one{}, two{};
    ASSERT_TRUE(TabCtrl_GetItemRect(tab, 0, &one));
    ASSERT_TRUE(TabCtrl_GetItemRect(tab, 1, &two));
    EXPECT_EQ(one.left, 0);
    EXPECT_EQ(one.right, two.left) << "the tabs touch";
    EXPECT_EQ(one.right - one.left, 7 * 6) << "\"[ One ]\"";
    EXPECT_FALSE(TabCtrl_GetItemRect(tab, 3, &two));

    TCHITTESTINFO hit{};
    hit.pt = POINT{two.left + 1, two.top + 1};
    EXPECT_EQ(TabCtrl_HitTest(tab, &hit), 1);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TCHT_ONITEMLABEL));
    hit.pt = POINT{5, 40};
    EXPECT_EQ(TabCtrl_HitTest(tab, &hit), -1);
    EXPECT_EQ(hit.flags, static_cast<UINT>(TCHT_NOWHERE));

    RECT area{0, 0, 180, 65};
    TabCtrl_AdjustRect(tab, FALSE, &area);
    EXPECT_GE(area.top, one.bottom) << "pages go below the tabs";
    EXPECT_GT(area.left, 0);
    TabCtrl_AdjustRect(tab, TRUE, &area);
    EXPECT_EQ(area.left, 0);
    EXPECT_EQ(area.top, 0);
    EXPECT_EQ(area.right, 180);
    EXPECT_EQ(area.bottom, 65) << "larger undoes smaller";
}

TEST_F(TabTest, SnapshotShowsTheTabRowAndThePageFrame)
{
    Fill();
    TabCtrl_SetCurSel(tab, 1);
    EXPECT_EQ(Lines(platform::Snapshot(tab)), (std::vector<std::string>{
                                                  "[ One ][*Two*][ Three ]------+",
                                                  "|                            |",
                                                  "|                            |",
                                                  "|                            |",
                                                  "+----------------------------+",
                                              }));
}

// ---- The user, through simulated input in a dialog ----

constexpr int IdTab = 200;
constexpr int IdEdit = 201;

class TabInputTest : public DialogNotifyTest
{
protected:
    HWND tab = nullptr;

    void Open()
    {
        dialogTemplate.Add("SysTabControl32", "", IdTab, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 5, 5,
                           150, 80);
        dialogTemplate.Add("Edit", "", IdEdit, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 20,
                           40, 60, 12);
        Show();
        tab = Item(IdTab);
        ASSERT_NE(tab, nullptr);
        Insert(tab, 0, "One");
        Insert(tab, 1, "Two");
        Insert(tab, 2, "Three");
        Idle();
        Clear();
    }
};

TEST_F(TabInputTest, ClickingATabAsksChangesAndReportsTheClick)
{
    Open();
    ASSERT_TRUE(automation::ClickTab(tab, 2));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 2);
    EXPECT_EQ(Codes(), (std::vector<UINT>{TCN_SELCHANGING, TCN_SELCHANGE, NM_CLICK}));
    EXPECT_EQ(automation::FocusOf(), tab);

    Clear();
    Veto(TCN_SELCHANGING);
    ASSERT_TRUE(automation::ClickTab(tab, 0));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 2) << "the parent refused";
    EXPECT_EQ(Codes(), (std::vector<UINT>{TCN_SELCHANGING, NM_CLICK}));

    Veto(0);
    Clear();
    ASSERT_TRUE(automation::ClickTab(tab, 2));
    EXPECT_EQ(Codes(), (std::vector<UINT>{NM_CLICK})) << "the selected tab: nothing to change";
}

TEST_F(TabInputTest, ArrowsAndCtrlTabChangeTheSelection)
{
    Open();
    ASSERT_TRUE(automation::ClickTab(tab, 0));
    Clear();
    ASSERT_TRUE(automation::Press(VK_RIGHT));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 1);
    EXPECT_EQ(Codes(), (std::vector<UINT>{TCN_KEYDOWN, TCN_SELCHANGING, TCN_SELCHANGE}));
    ASSERT_TRUE(automation::Press(VK_LEFT));
    ASSERT_TRUE(automation::Press(VK_LEFT));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 0) << "no wrapping with arrows";

    Clear();
    ASSERT_TRUE(automation::Press(VK_TAB, automation::kControl | automation::kShift));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 2) << "Ctrl+Shift+Tab wraps to the last tab";
    EXPECT_EQ(automation::FocusOf(), tab) << "the dialog left Ctrl+Tab to the control";
    EXPECT_EQ(Codes(), (std::vector<UINT>{TCN_KEYDOWN, TCN_KEYDOWN, TCN_KEYDOWN, TCN_SELCHANGING,
                                          TCN_SELCHANGE}))
        << "Ctrl, Shift and Tab go down";
    ASSERT_TRUE(automation::Press(VK_TAB, automation::kControl));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 0);

    Veto(TCN_SELCHANGING);
    ASSERT_TRUE(automation::Press(VK_TAB, automation::kControl));
    EXPECT_EQ(TabCtrl_GetCurSel(tab), 0);

    ASSERT_TRUE(automation::Press(VK_TAB));
    EXPECT_EQ(automation::FocusOf(), Item(IdEdit)) << "a plain Tab still moves the focus";
}

TEST_F(TabInputTest, TheFocusedTabIsFramed)
{
    Open();
    ASSERT_TRUE(automation::ClickTab(tab, 1));
    const std::vector<std::string> rows = Rows(tab);
    ASSERT_FALSE(rows.empty());
    EXPECT_EQ(rows[0].substr(0, 15), "[ One ][>Two<][") << rows[0];
}

} // namespace
