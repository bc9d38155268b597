// CTreeCtrl over the real control: the wrappers' overloads reach the right messages, the
// selection arrives through ON_NOTIFY in the parent, and a reflected TVN_ITEMEXPANDING fills a
// branch the moment it opens, as MFC programs do.

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

enum
{
    IDC_TREE = 300,
};

RECT Rect(int left, int top, int right, int bottom)
{
    return RECT{left, top, right, bottom};
}

// A tree that fills an item's children when the user or a program first opens it.
class CLazyTree : public CTreeCtrl
{
public:
    int filled = 0;

protected:
    afx_msg void OnItemExpanding(NMHDR* header, LRESULT* result)
    {
        const auto* tv = reinterpret_cast<NMTREEVIEW*>(header);
        if (tv->action == TVE_EXPAND && !GetChildItem(tv->itemNew.hItem))
        {
            ++filled;
            InsertItem("loaded", tv->itemNew.hItem);
        }
        *result = FALSE;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLazyTree, CTreeCtrl)
ON_NOTIFY_REFLECT(TVN_ITEMEXPANDING, &CLazyTree::OnItemExpanding)
END_MESSAGE_MAP()

class CHostWnd : public CWnd
{
public:
    std::vector<std::string> seen;
    HTREEITEM selected = nullptr;

    BOOL Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "Host", WS_POPUP, 0, 0, 400, 300, nullptr,
                        nullptr);
    }

protected:
    afx_msg void OnTreeSelChanged(NMHDR* header, LRESULT* result)
    {
        selected = reinterpret_cast<NMTREEVIEW*>(header)->itemNew.hItem;
        seen.push_back("tree selection");
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, &CHostWnd::OnTreeSelChanged)
END_MESSAGE_MAP()

class TreeCtrlTest : public ::testing::Test
{
protected:
    CHostWnd host;
    CLazyTree tree;

    void SetUp() override
    {
        ASSERT_TRUE(host.Make());
        ASSERT_TRUE(tree.Create(WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_LINESATROOT,
                                Rect(0, 0, 200, 130), &host, IDC_TREE));
    }

    void TearDown() override { host.DestroyWindow(); }
};

TEST_F(TreeCtrlTest, InsertOverloadsNavigationAndItemData)
{
    HTREEITEM fruits = tree.InsertItem("Fruits");
    HTREEITEM pears = tree.InsertItem("Pears", fruits);
    HTREEITEM apples = tree.InsertItem("Apples", fruits, TVI_FIRST);
    HTREEITEM figs =
        tree.InsertItem(TVIF_TEXT | TVIF_PARAM, "Figs", 0, 0, 0, 0, 77, fruits, TVI_SORT);
    HTREEITEM nuts = tree.InsertItem("Nuts", 1, 2);

    EXPECT_EQ(tree.GetCount(), 5u);
    EXPECT_EQ(tree.GetRootItem(), fruits);
    EXPECT_EQ(tree.GetNextSiblingItem(fruits), nuts);
    EXPECT_EQ(tree.GetChildItem(fruits), apples);
    EXPECT_EQ(tree.GetNextSiblingItem(apples), figs) << "sorted between Apples and Pears";
    EXPECT_EQ(tree.GetNextSiblingItem(figs), pears);
    EXPECT_EQ(tree.GetPrevSiblingItem(pears), figs);
    EXPECT_EQ(tree.GetParentItem(pears), fruits);
    EXPECT_EQ(tree.GetParentItem(fruits), nullptr);
    EXPECT_TRUE(tree.ItemHasChildren(fruits));
    EXPECT_FALSE(tree.ItemHasChildren(pears));

    EXPECT_EQ(tree.GetItemData(figs), 77u);
    EXPECT_TRUE(tree.SetItemData(pears, 5));
    EXPECT_EQ(tree.GetItemData(pears), 5u);
    int image = 0, selectedImage = 0;
    EXPECT_TRUE(tree.GetItemImage(nuts, image, selectedImage));
    EXPECT_EQ(image, 1);
    EXPECT_EQ(selectedImage, 2);

    EXPECT_EQ(tree.GetItemText(pears), CString("Pears"));
    const CString longText(static_cast<char>('x'), 300);
    EXPECT_TRUE(tree.SetItemText(pears, longText));
    EXPECT_EQ(tree.GetItemText(pears), longText) << "the buffer grows for long texts";

    EXPECT_TRUE(tree.SortChildren(TVI_ROOT));
    EXPECT_TRUE(tree.DeleteItem(fruits));
    EXPECT_EQ(tree.GetCount(), 1u);
    EXPECT_TRUE(tree.DeleteAllItems());
    EXPECT_EQ(tree.GetCount(), 0u);
}

TEST_F(TreeCtrlTest, SelectionReachesOnNotifyAndReflectionFillsABranchOnExpanding)
{
    HTREEITEM folder = tree.InsertItem("Folder");
    TVITEM item{};
    item.mask = TVIF_CHILDREN;
    item.hItem = folder;
    item.cChildren = 1;
    ASSERT_TRUE(tree.SetItem(&item));
    EXPECT_TRUE(tree.ItemHasChildren(folder)) << "a button before any child exists";

    EXPECT_TRUE(tree.Expand(folder, TVE_EXPAND));
    EXPECT_EQ(tree.filled, 1);
    HTREEITEM loaded = tree.GetChildItem(folder);
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(tree.GetItemText(loaded), CString("loaded"));
    EXPECT_TRUE(tree.GetItemState(folder, TVIS_EXPANDED) & TVIS_EXPANDED);

    EXPECT_TRUE(tree.SelectItem(loaded));
    EXPECT_EQ(tree.GetSelectedItem(), loaded);
    EXPECT_EQ(host.selected, loaded);
    EXPECT_EQ(host.seen, (std::vector<std::string>{"tree selection"}));
    EXPECT_TRUE(tree.EnsureVisible(loaded));
    EXPECT_EQ(tree.GetFirstVisibleItem(), folder);
    EXPECT_EQ(tree.GetNextVisibleItem(folder), loaded);

    RECT text{};
    ASSERT_TRUE(tree.GetItemRect(loaded, &text, TRUE));
    UINT flags = 0;
    EXPECT_EQ(tree.HitTest(CPoint(text.left + 1, text.top + 1), &flags), loaded);
    EXPECT_EQ(flags, static_cast<UINT>(TVHT_ONITEMLABEL));
}

} // namespace
