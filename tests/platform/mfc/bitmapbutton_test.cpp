// CBitmapButton: bitmaps loaded by name from the caption (AutoLoad) or by id, the button sized to
// them, and the bitmap of each state drawn through the reflected WM_DRAWITEM, with the normal
// bitmap standing in for a state that has none.

#include "res/bitmapbutton_test_res.h"

#include <afxext.h>

#include "platform/render.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

enum
{
    IDC_OK = 7401,
    IDC_GO = 7402,
    IDC_NOPE = 7403,
};

// The resources are this program's; the current resource handle points at it for one test.
class ResourcesHere
{
public:
    ResourcesHere() : previous(AfxGetResourceHandle())
    {
        AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    }
    ~ResourcesHere() { AfxSetResourceHandle(previous); }

private:
    HINSTANCE previous;
};

class BitmapButtonTest : public ::testing::Test
{
protected:
    ResourcesHere resources;
    CWnd host;

    void SetUp() override
    {
        ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_POPUP | WS_VISIBLE, 0, 0,
                                  300, 200, nullptr, nullptr));
    }

    void TearDown() override { host.DestroyWindow(); }

    // An owner-drawn button of the host, as a dialog template would make it.
    HWND Button(const char* caption, int id, int x)
    {
        return ::CreateWindowExA(
            0, "BUTTON", caption, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, x, 13, 60, 26,
            host.m_hWnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    // The button as the text renderer shows it: one row of six cells.
    static std::string Shown(CWnd& button)
    {
        std::string text = platform::Snapshot(button.m_hWnd);
        return text.substr(0, text.find('\n'));
    }
};

TEST_F(BitmapButtonTest, AutoLoadTakesTheBitmapsTheCaptionNamesAndSizesTheButton)
{
    ASSERT_NE(Button("OK", IDC_OK, 0), nullptr);
    CBitmapButton ok;
    ASSERT_TRUE(ok.AutoLoad(IDC_OK, &host));
    EXPECT_EQ(CWnd::FromHandlePermanent(::GetDlgItem(host.m_hWnd, IDC_OK)), &ok) << "subclassed";
    CRect r;
    ok.GetWindowRect(&r);
    EXPECT_EQ(r.Width(), 36) << "the normal bitmap's size";
    EXPECT_EQ(r.Height(), 13);

    EXPECT_EQ(Shown(ok), "######") << "OKU";
    ok.SetFocus();
    ASSERT_EQ(::GetFocus(), ok.m_hWnd);
    EXPECT_EQ(Shown(ok), "......") << "OKF";
    ok.SetState(TRUE);
    EXPECT_EQ(Shown(ok), "::::::") << "OKD: pushed wins over focused";
    ok.SetState(FALSE);
    host.SetFocus();
    ok.EnableWindow(FALSE);
    EXPECT_EQ(Shown(ok), "#:#:#:") << "OKX";
}

TEST_F(BitmapButtonTest, StatesWithoutABitmapShowTheNormalOne)
{
    ASSERT_NE(Button("Go", IDC_GO, 60), nullptr);
    CBitmapButton go;
    ASSERT_TRUE(go.SubclassDlgItem(IDC_GO, &host));
    EXPECT_TRUE(go.LoadBitmaps(IDB_GO_UP, IDB_GO_DOWN));
    go.SizeToContent();

    go.SetFocus();
    EXPECT_EQ(Shown(go), "######") << "no focus bitmap";
    go.SetState(TRUE);
    EXPECT_EQ(Shown(go), "::::::");
    go.SetState(FALSE);
    go.EnableWindow(FALSE);
    EXPECT_EQ(Shown(go), "######") << "no disabled bitmap";

    // A missing optional bitmap reports FALSE but keeps the ones that loaded; loading again
    // drops what the new set leaves out.
    EXPECT_FALSE(go.LoadBitmaps(IDB_GO_UP, 0, 0, 7999));
    go.EnableWindow(TRUE);
    go.SetState(TRUE);
    EXPECT_EQ(Shown(go), "######") << "the pushed bitmap of the first set is gone";
    EXPECT_FALSE(go.LoadBitmaps(7999, IDB_GO_DOWN)) << "the normal bitmap is required";
    EXPECT_TRUE(go.LoadBitmaps("OKU", "OKD", "OKF", "OKX")) << "by name";
}

TEST_F(BitmapButtonTest, AutoLoadFailsWithoutTheButtonOrItsBitmaps)
{
    CBitmapButton missing;
    EXPECT_FALSE(missing.AutoLoad(IDC_OK, &host)) << "no such button";
    ASSERT_NE(Button("NOPE", IDC_NOPE, 120), nullptr);
    CBitmapButton nope;
    EXPECT_FALSE(nope.AutoLoad(IDC_NOPE, &host)) << "no NOPEU bitmap";
}

} // namespace
