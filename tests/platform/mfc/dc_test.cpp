// Device-context and GDI object wrappers: handle maps, selection, drawing helpers, bitmaps.
#include <afxwin.h>

#include "platform/mfc/extension_modules.h"

#include <gtest/gtest.h>

namespace
{

class MemoryDcTest : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_dc.CreateCompatibleDC(nullptr)); }
    CDC m_dc;
};

TEST_F(MemoryDcTest, AttachedWrappersArePermanentOthersTemporary)
{
    EXPECT_EQ(CDC::FromHandle(m_dc.m_hDC), &m_dc);
    EXPECT_EQ(CDC::FromHandle(nullptr), nullptr);

    HDC raw = m_dc.Detach();
    EXPECT_EQ(m_dc.m_hDC, nullptr);
    CDC* temporary = CDC::FromHandle(raw);
    ASSERT_NE(temporary, nullptr);
    EXPECT_NE(temporary, &m_dc);
    EXPECT_EQ(temporary->m_hDC, raw);
    EXPECT_EQ(CDC::FromHandle(raw), temporary);
    // Freeing temporaries leaves their handles alone.
    CDC::DeleteTempMap();
    EXPECT_TRUE(::DeleteDC(raw));
}

TEST_F(MemoryDcTest, DestructorDeletesItsDc)
{
    HDC handle = nullptr;
    {
        CDC dc;
        ASSERT_TRUE(dc.CreateCompatibleDC(&m_dc));
        handle = dc.m_hDC;
    }
    EXPECT_FALSE(::DeleteDC(handle));
}

TEST_F(MemoryDcTest, SelectionHandsBackTheWrappersThatWereSelected)
{
    CPen first(PS_SOLID, 1, RGB(255, 0, 0));
    CPen second(PS_SOLID, 1, RGB(0, 0, 255));
    CPen* original = m_dc.SelectObject(&first);
    ASSERT_NE(original, nullptr);
    EXPECT_NE(original, &first);
    EXPECT_EQ(m_dc.SelectObject(&second), &first);
    EXPECT_EQ(m_dc.SelectObject(original), &second);

    CBrush brush(RGB(0, 255, 0));
    CBrush* originalBrush = m_dc.SelectObject(&brush);
    ASSERT_NE(originalBrush, nullptr);
    CGdiObject* previous = m_dc.SelectStockObject(WHITE_BRUSH);
    EXPECT_EQ(previous, static_cast<CGdiObject*>(&brush));
    m_dc.SelectObject(originalBrush);
}

TEST(GdiObjectTest, HandleMapFollowsAttachDetachAndDelete)
{
    CBrush red(RGB(255, 0, 0));
    ASSERT_NE(red.m_hObject, nullptr);
    EXPECT_EQ(CBrush::FromHandle(red), &red);
    EXPECT_EQ(CGdiObject::FromHandle(red.m_hObject), static_cast<CGdiObject*>(&red));
    // A wrapper of another kind for the same handle is never the brush itself.
    EXPECT_NE(static_cast<CGdiObject*>(CPen::FromHandle(reinterpret_cast<HPEN>(red.m_hObject))),
              static_cast<CGdiObject*>(&red));

    HGDIOBJ handle = red.m_hObject;
    EXPECT_TRUE(red.DeleteObject());
    EXPECT_EQ(red.m_hObject, nullptr);
    EXPECT_FALSE(red.DeleteObject());
    EXPECT_NE(CGdiObject::FromHandle(handle), static_cast<CGdiObject*>(&red));
    CGdiObject::DeleteTempMap();

    // Two wrappers of one stock object: the first one's Detach leaves the second one mapped.
    CGdiObject a;
    CGdiObject b;
    ASSERT_TRUE(a.CreateStockObject(BLACK_BRUSH));
    ASSERT_TRUE(b.CreateStockObject(BLACK_BRUSH));
    EXPECT_EQ(a, b);
    a.Detach();
    EXPECT_EQ(CGdiObject::FromHandle(b.m_hObject), &b);
    b.Detach();
}

TEST(GdiObjectTest, PointFontConvertsTenthsOfAPoint)
{
    HDC screen = ::GetDC(nullptr);
    ASSERT_NE(screen, nullptr);
    int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);

    CFont font;
    ASSERT_TRUE(font.CreatePointFont(80, "MS Sans Serif"));
    LOGFONT logFont{};
    ASSERT_EQ(font.GetLogFont(&logFont), static_cast<int>(sizeof logFont));
    EXPECT_EQ(logFont.lfHeight, -(dpi * 80 / 720));
    EXPECT_STREQ(logFont.lfFaceName, "MS Sans Serif");
}

TEST_F(MemoryDcTest, TextMeasuresSixByThirteen)
{
    CString text("abcd");
    EXPECT_EQ(m_dc.GetTextExtent(text), CSize(24, 13));
    EXPECT_EQ(m_dc.GetTextExtent("ab", 1), CSize(6, 13));
    TEXTMETRIC metrics{};
    ASSERT_TRUE(m_dc.GetTextMetrics(&metrics));
    EXPECT_EQ(metrics.tmHeight, 13);
    EXPECT_EQ(metrics.tmAveCharWidth, 6);

    CRect rect(0, 0, 600, 100);
    EXPECT_EQ(m_dc.DrawText(text, &rect, DT_CALCRECT | DT_SINGLELINE), 13);
    EXPECT_EQ(rect.Width(), 24);
}

TEST_F(MemoryDcTest, StateChangesReportWhatWasThere)
{
    EXPECT_EQ(m_dc.SetViewportOrg(5, 7), CPoint(0, 0));
    EXPECT_EQ(m_dc.GetViewportOrg(), CPoint(5, 7));
    EXPECT_EQ(m_dc.SetViewportOrg(CPoint(0, 0)), CPoint(5, 7));

    m_dc.SetTextColor(RGB(1, 2, 3));
    int saved = m_dc.SaveDC();
    ASSERT_NE(saved, 0);
    EXPECT_EQ(m_dc.SetTextColor(RGB(4, 5, 6)), RGB(1, 2, 3));
    EXPECT_TRUE(m_dc.RestoreDC(saved));
    EXPECT_EQ(m_dc.GetTextColor(), RGB(1, 2, 3));

    // FillSolidRect leaves its colour as the background colour, as MFC's does.
    m_dc.SetBkColor(RGB(10, 10, 10));
    m_dc.FillSolidRect(0, 0, 6, 13, RGB(20, 20, 20));
    EXPECT_EQ(m_dc.GetBkColor(), RGB(20, 20, 20));

    EXPECT_EQ(m_dc.MoveTo(6, 13), CPoint(0, 0));
    EXPECT_EQ(m_dc.MoveTo(CPoint(12, 26)), CPoint(6, 13));
}

TEST(BitmapTest, LoadsFromTheModuleThatHasIt)
{
    const mfctest::ExtensionModule& two = mfctest::ExtensionTwo();
    ASSERT_TRUE(two.Loaded());
    AFX_MODULE_STATE state(TRUE);
    AFX_MANAGE_STATE(&state);
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    two.Chain();

    CBitmap missing;
    EXPECT_FALSE(missing.LoadBitmap(IDR_EXT_NOWHERE));
    EXPECT_EQ(missing.m_hObject, nullptr);

    CBitmap bitmap;
    ASSERT_TRUE(bitmap.LoadBitmap(IDB_EXT_TWO));
    BITMAP info{};
    ASSERT_NE(bitmap.GetBitmap(&info), 0);
    EXPECT_EQ(info.bmWidth, 8);
    EXPECT_EQ(info.bmHeight, 4);

    // The file stores its rows bottom up; the top row is white, below it black then blue.
    CDC dc;
    ASSERT_TRUE(dc.CreateCompatibleDC(nullptr));
    CBitmap* original = dc.SelectObject(&bitmap);
    EXPECT_EQ(::GetPixel(dc, 0, 0), RGB(255, 255, 255));
    EXPECT_EQ(::GetPixel(dc, 0, 3), RGB(0, 0, 0));
    EXPECT_EQ(::GetPixel(dc, 7, 3), RGB(0, 0, 255));
    dc.SelectObject(original);
    two.Unchain();
}

TEST(WindowDcTest, ClientAndPaintDcsBelongToTheirScope)
{
    WNDCLASSA wc{};
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.lpszClassName = "DcTestWindow";
    ::RegisterClassA(&wc);
    HWND hwnd = ::CreateWindowExA(0, "DcTestWindow", "dc", WS_OVERLAPPEDWINDOW, 0, 0, 120, 65,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(hwnd, nullptr);
    CWnd wnd;
    wnd.Attach(hwnd);
    {
        CClientDC dc(&wnd);
        ASSERT_NE(dc.m_hDC, nullptr);
        EXPECT_EQ(CDC::FromHandle(dc.m_hDC), &dc);
        EXPECT_EQ(dc.GetTextExtent("x", 1), CSize(6, 13));
    }
    {
        CPaintDC dc(&wnd);
        EXPECT_NE(dc.m_hDC, nullptr);
        EXPECT_EQ(dc.m_ps.hdc, dc.m_hDC);
    }
    {
        CWindowDC dc(&wnd);
        EXPECT_NE(dc.m_hDC, nullptr);
    }
    wnd.Detach();
    ::DestroyWindow(hwnd);
}

} // namespace
