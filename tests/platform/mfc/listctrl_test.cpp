// CListCtrl on a real list view: the members a dialog uses to fill, read, select, find and sort
// a report list, and its notifications reaching the parent's message map.

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

constexpr UINT IdList = 300;

class CListParent : public CWnd
{
public:
    CListCtrl list;
    std::vector<int> changedItems;
    std::vector<int> deletedItems;

    BOOL Make()
    {
        if (!CreateEx(0, AfxRegisterWndClass(0), "List parent", WS_POPUP | WS_VISIBLE, 0, 0, 320,
                      200, nullptr, nullptr))
            return FALSE;
        return list.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT, CRect(0, 0, 300, 180),
                           this, IdList);
    }

protected:
    afx_msg void OnItemChanged(NMHDR* header, LRESULT* result)
    {
        const auto* nm = reinterpret_cast<const NMLISTVIEW*>(header);
        if ((nm->uChanged & LVIF_STATE) && (nm->uNewState & LVIS_SELECTED))
            changedItems.push_back(nm->iItem);
        *result = 0;
    }

    afx_msg void OnDeleteItem(NMHDR* header, LRESULT* result)
    {
        deletedItems.push_back(reinterpret_cast<const NMLISTVIEW*>(header)->iItem);
        *result = 0;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CListParent, CWnd)
ON_NOTIFY(LVN_ITEMCHANGED, IdList, &CListParent::OnItemChanged)
ON_NOTIFY(LVN_DELETEITEM, IdList, &CListParent::OnDeleteItem)
END_MESSAGE_MAP()

int CALLBACK ByDataDescending(LPARAM a, LPARAM b, LPARAM)
{
    return static_cast<int>(b - a);
}

class ListCtrl : public ::testing::Test
{
protected:
    CListParent parent;

    void SetUp() override
    {
        ASSERT_TRUE(parent.Make());
        CListCtrl& list = parent.list;
        ASSERT_EQ(list.InsertColumn(0, "Name", LVCFMT_LEFT, 90), 0);
        ASSERT_EQ(list.InsertColumn(1, "Boils", LVCFMT_RIGHT, 60), 1);
        const char* names[] = {"Water", "Ethanol", "Methanol", "Acetone"};
        const char* boils[] = {"100", "78", "65", "56"};
        for (int i = 0; i < 4; ++i)
        {
            ASSERT_EQ(list.InsertItem(i, names[i]), i);
            ASSERT_TRUE(list.SetItemText(i, 1, boils[i]));
            ASSERT_TRUE(list.SetItemData(i, static_cast<DWORD_PTR>(100 + i)));
        }
    }

    void TearDown() override { parent.DestroyWindow(); }
};

TEST_F(ListCtrl, FillsAndReadsItemsColumnsAndData)
{
    CListCtrl& list = parent.list;
    EXPECT_EQ(list.GetItemCount(), 4);
    EXPECT_EQ(list.GetItemText(1, 0), CString("Ethanol"));
    EXPECT_EQ(list.GetItemText(1, 1), CString("78"));
    char buffer[4] = {};
    EXPECT_EQ(list.GetItemText(2, 0, buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "Met");
    EXPECT_EQ(list.GetItemData(3), 103u);
    EXPECT_EQ(list.GetColumnWidth(1), 60);
    EXPECT_TRUE(list.SetColumnWidth(1, 72));
    EXPECT_EQ(list.GetColumnWidth(1), 72);
    ASSERT_NE(list.GetHeaderCtrl(), nullptr);
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 2);
    EXPECT_EQ(list.GetStringWidth("abc"), 18);
    EXPECT_EQ(list.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES), 0u);
    EXPECT_EQ(list.GetExtendedStyle(), static_cast<DWORD>(LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES));

    // Long texts come back whole through the CString form.
    const std::string longText(700, 'x');
    ASSERT_TRUE(list.SetItemText(0, 1, longText.c_str()));
    EXPECT_EQ(list.GetItemText(0, 1).GetLength(), 700);
}

TEST_F(ListCtrl, WalksTheSelectionAndTellsTheParentsMap)
{
    CListCtrl& list = parent.list;
    ASSERT_TRUE(list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED));
    ASSERT_TRUE(list.SetItemState(3, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED));
    EXPECT_EQ(list.GetSelectedCount(), 2u);
    std::vector<int> selected;
    for (POSITION pos = list.GetFirstSelectedItemPosition(); pos;)
        selected.push_back(list.GetNextSelectedItem(pos));
    EXPECT_EQ(selected, (std::vector<int>{1, 3}));
    EXPECT_EQ(list.GetNextItem(-1, LVNI_FOCUSED), 3);
    EXPECT_EQ(list.GetItemState(3, LVIS_FOCUSED), static_cast<UINT>(LVIS_FOCUSED));
    EXPECT_EQ(parent.changedItems, (std::vector<int>{1, 3}));
}

TEST_F(ListCtrl, FindsSortsScrollsAndDeletes)
{
    CListCtrl& list = parent.list;
    LVFINDINFO find{};
    find.flags = LVFI_STRING;
    find.psz = "methanol";
    EXPECT_EQ(list.FindItem(&find), 2);
    find.flags = LVFI_PARAM;
    find.lParam = 101;
    EXPECT_EQ(list.FindItem(&find), 1);

    ASSERT_TRUE(list.SortItems(&ByDataDescending, 0));
    EXPECT_EQ(list.GetItemText(0, 0), CString("Acetone"));
    EXPECT_EQ(list.GetItemText(3, 1), CString("100"));

    for (int i = 0; i < 30; ++i)
        list.InsertItem(list.GetItemCount(), "more");
    const int perPage = list.GetCountPerPage();
    ASSERT_GT(perPage, 0);
    ASSERT_TRUE(list.EnsureVisible(33, FALSE));
    EXPECT_EQ(list.GetTopIndex(), 34 - perPage);
    CRect row;
    ASSERT_TRUE(list.GetItemRect(33, &row, LVIR_BOUNDS));
    EXPECT_EQ(list.HitTest(CPoint(10, row.top + 2)), 33);

    ASSERT_TRUE(list.DeleteItem(0));
    EXPECT_EQ(parent.deletedItems, (std::vector<int>{0}));
    ASSERT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
    EXPECT_EQ(parent.deletedItems.size(), 34u);
    ASSERT_TRUE(list.DeleteColumn(1));
    EXPECT_EQ(list.GetHeaderCtrl()->GetItemCount(), 1);
}

} // namespace
