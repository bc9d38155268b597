// CTabCtrl over the real control: the wrappers' overloads reach the right messages, and a
// change of tab by TCM_SETCURFOCUS arrives through ON_NOTIFY in the parent while SetCurSel stays
// silent.

#include <afxcmn.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

enum
{
    IDC_TABS = 301,
};

RECT Rect(int left, int top, int right, int bottom)
{
    return RECT{left, top, right, bottom};
}

class CHostWnd : public CWnd
{
public:
    std::vector<std::string> seen;

    BOOL Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "Host", WS_POPUP, 0, 0, 400, 300, nullptr,
                        nullptr);
    }

protected:
    afx_msg void OnTabSelChange(NMHDR*, LRESULT* result)
    {
        seen.push_back("tab selection");
        *result = 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CHostWnd, CWnd)
ON_NOTIFY(TCN_SELCHANGE, IDC_TABS, &CHostWnd::OnTabSelChange)
END_MESSAGE_MAP()

TEST(TabCtrl, WrappersAndNotifications)
{
    CHostWnd host;
    ASSERT_TRUE(host.Make());
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_CHILD | WS_VISIBLE, Rect(0, 0, 240, 120), &host, IDC_TABS));
    EXPECT_EQ(tabs.InsertItem(0, "General"), 0);
    EXPECT_EQ(tabs.InsertItem(1, "Units", 3), 1);
    EXPECT_EQ(tabs.InsertItem(TCIF_TEXT | TCIF_PARAM, 2, "Limits", 0, 99), 2);
    EXPECT_EQ(tabs.GetItemCount(), 3);
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_EQ(tabs.GetRowCount(), 1);

    TCITEM item{};
    item.mask = TCIF_PARAM | TCIF_IMAGE;
    ASSERT_TRUE(tabs.GetItem(2, &item));
    EXPECT_EQ(item.lParam, 99);
    ASSERT_TRUE(tabs.GetItem(1, &item));
    EXPECT_EQ(item.iImage, 3);
    EXPECT_EQ(tabs.GetItemState(0, TCIS_BUTTONPRESSED), static_cast<DWORD>(TCIS_BUTTONPRESSED));
    EXPECT_TRUE(tabs.SetItemState(2, TCIS_HIGHLIGHTED, TCIS_HIGHLIGHTED));
    EXPECT_EQ(tabs.GetItemState(2, TCIS_HIGHLIGHTED), static_cast<DWORD>(TCIS_HIGHLIGHTED));

    EXPECT_EQ(tabs.SetCurSel(2), 0);
    EXPECT_TRUE(host.seen.empty()) << "SetCurSel is silent";
    tabs.SetCurFocus(1);
    EXPECT_EQ(tabs.GetCurSel(), 1);
    EXPECT_EQ(tabs.GetCurFocus(), 1);
    EXPECT_EQ(host.seen, (std::vector<std::string>{"tab selection"}));

    RECT first{};
    ASSERT_TRUE(tabs.GetItemRect(0, &first));
    TCHITTESTINFO hit{};
    hit.pt = POINT{first.left + 2, first.top + 2};
    EXPECT_EQ(tabs.HitTest(&hit), 0);
    RECT page{0, 0, 240, 120};
    tabs.AdjustRect(FALSE, &page);
    EXPECT_GE(page.top, first.bottom);
    tabs.AdjustRect(TRUE, &page);
    EXPECT_EQ(page.bottom, 120);

    EXPECT_TRUE(tabs.DeleteItem(0));
    EXPECT_EQ(tabs.GetCurSel(), 0);
    EXPECT_TRUE(tabs.DeleteAllItems());
    EXPECT_EQ(tabs.GetItemCount(), 0);
    host.DestroyWindow();
}

} // namespace
