// CStatusBarCtrl over the real control: the wrappers reach the right messages with panes and
// types packed as the control expects, and owner-drawn panes draw through the reflected
// WM_DRAWITEM.

#include <afxcmn.h>

#include "platform/render.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

enum
{
    IDC_STATUS = 7501,
};

class CPaneBar : public CStatusBarCtrl
{
public:
    std::vector<ULONG_PTR> drawn;

    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override
    {
        drawn.push_back(lpDrawItemStruct->itemData);
        ::TextOutA(lpDrawItemStruct->hDC, lpDrawItemStruct->rcItem.left,
                   lpDrawItemStruct->rcItem.top, "own", 3);
    }
};

std::string FirstRow(HWND hwnd)
{
    const std::string text = platform::Snapshot(hwnd);
    return text.substr(0, text.find('\n'));
}

TEST(StatusBarCtrl, Wrappers)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_POPUP | WS_VISIBLE, 0, 0, 300,
                              200, nullptr, nullptr));
    CPaneBar bar;
    ASSERT_TRUE(bar.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 0, 0), &host, IDC_STATUS));
    CRect place;
    bar.GetWindowRect(&place);
    host.ScreenToClient(&place);
    EXPECT_EQ(place, CRect(0, 200 - 19, 300, 200)) << "at the bottom of the host";

    int widths[] = {120, -1};
    ASSERT_TRUE(bar.SetParts(2, widths));
    int got[3] = {};
    EXPECT_EQ(bar.GetParts(3, got), 2);
    EXPECT_EQ(got[0], 120);
    EXPECT_EQ(got[1], -1);

    EXPECT_TRUE(bar.SetText("Ready", 0, 0));
    EXPECT_TRUE(bar.SetText("Units: SI", 1, SBT_POPOUT));
    int type = -1;
    EXPECT_EQ(bar.GetText(1, &type), "Units: SI");
    EXPECT_EQ(type, SBT_POPOUT);
    EXPECT_EQ(bar.GetTextLength(0, &type), 5);
    EXPECT_EQ(type, 0);
    char buffer[16] = {};
    EXPECT_EQ(bar.GetText(buffer, 0), 5);
    EXPECT_STREQ(buffer, "Ready");
    EXPECT_EQ(bar.GetText(7), "") << "no such pane";

    CRect pane;
    ASSERT_TRUE(bar.GetRect(1, &pane));
    EXPECT_EQ(pane, CRect(122, 2, 300, 17));
    int horizontal = -1, vertical = -1, spacing = -1;
    ASSERT_TRUE(bar.GetBorders(horizontal, vertical, spacing));
    EXPECT_EQ(vertical, 2);
    EXPECT_EQ(spacing, 2);

    EXPECT_FALSE(bar.IsSimple());
    bar.SetText("Working", SB_SIMPLEID, 0);
    EXPECT_TRUE(bar.SetSimple(TRUE));
    EXPECT_TRUE(bar.IsSimple());
    EXPECT_EQ(bar.GetText(0), "Working");
    bar.SetSimple(FALSE);
    EXPECT_EQ(bar.GetText(0), "Ready");

    bar.SetMinHeight(26);
    bar.SendMessage(WM_SIZE);
    bar.GetWindowRect(&place);
    EXPECT_EQ(place.Height(), 32) << "26 pixels inside the borders";

    // An owner-drawn pane's value comes back to the bar's own DrawItem.
    bar.SetText(reinterpret_cast<LPCTSTR>(0x77), 1, SBT_OWNERDRAW);
    const std::string row = FirstRow(bar.m_hWnd);
    EXPECT_EQ(bar.drawn, (std::vector<ULONG_PTR>{0x77}));
    EXPECT_NE(row.find("own"), std::string::npos) << row;
    host.DestroyWindow();
}

} // namespace
