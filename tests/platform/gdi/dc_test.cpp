// Device contexts: origins, clipping, saved states and selected objects.

#include "gdi_test_util.h"

#include <gtest/gtest.h>

TEST(DeviceContext, ViewportAndWindowOriginsMoveDrawing)
{
    CanvasDC dc;
    SetViewportOrgEx(dc.hdc, 12, 13, nullptr);
    TextOutA(dc.hdc, 0, 0, "a", 1);
    // The window origin is subtracted: logical (6, 0) lands where logical (0, 0) did.
    SetWindowOrgEx(dc.hdc, 6, 0, nullptr);
    TextOutA(dc.hdc, 6, 13, "b", 1);
    POINT previous{};
    OffsetViewportOrgEx(dc.hdc, 6, 0, &previous);
    EXPECT_EQ(previous.x, 12);
    TextOutA(dc.hdc, 12, 26, "c", 1);
    EXPECT_EQ(dc.Text(), "\n  a\n  b\n    c\n");
}

TEST(DeviceContext, TextIsClippedCellByCell)
{
    CanvasDC dc;
    EXPECT_EQ(IntersectClipRect(dc.hdc, 6, 0, 24, 13), SIMPLEREGION);
    TextOutA(dc.hdc, 0, 0, "abcdef", 6);
    TextOutA(dc.hdc, 0, 13, "below", 5);
    EXPECT_EQ(dc.Text(), " bcd\n\n\n\n");
    // A second clip can only shrink the first.
    EXPECT_EQ(IntersectClipRect(dc.hdc, 30, 0, 60, 13), NULLREGION);
    RECT box{};
    EXPECT_EQ(GetClipBox(dc.hdc, &box), NULLREGION);
}

TEST(DeviceContext, ClipBoxIsInLogicalCoordinates)
{
    CanvasDC dc(10, 2);
    SetViewportOrgEx(dc.hdc, 12, 0, nullptr);
    RECT box{};
    EXPECT_EQ(GetClipBox(dc.hdc, &box), SIMPLEREGION);
    EXPECT_EQ(box.left, -12);
    EXPECT_EQ(box.right, 48);
    EXPECT_EQ(box.bottom, 26);
}

TEST(DeviceContext, RestoreDcBringsBackClipOriginAndColours)
{
    CanvasDC dc;
    int level = SaveDC(dc.hdc);
    EXPECT_EQ(level, 1);
    IntersectClipRect(dc.hdc, 0, 0, 6, 13);
    SetViewportOrgEx(dc.hdc, 60, 0, nullptr);
    SetTextColor(dc.hdc, RGB(1, 2, 3));
    EXPECT_EQ(SaveDC(dc.hdc), 2);
    EXPECT_TRUE(RestoreDC(dc.hdc, -1));
    POINT org{};
    GetViewportOrgEx(dc.hdc, &org);
    EXPECT_EQ(org.x, 60);
    EXPECT_TRUE(RestoreDC(dc.hdc, level));
    GetViewportOrgEx(dc.hdc, &org);
    EXPECT_EQ(org.x, 0);
    EXPECT_EQ(GetTextColor(dc.hdc), RGB(0, 0, 0));
    TextOutA(dc.hdc, 0, 0, "free", 4);
    EXPECT_EQ(dc.canvas.RowText(0), "free");
    // Nothing is left to restore.
    EXPECT_FALSE(RestoreDC(dc.hdc, 1));
    EXPECT_FALSE(RestoreDC(dc.hdc, -1));
}

TEST(DeviceContext, SelectedObjectsCannotBeDeleted)
{
    CanvasDC dc;
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HGDIOBJ previous = SelectObject(dc.hdc, brush);
    EXPECT_EQ(previous, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetCurrentObject(dc.hdc, OBJ_BRUSH), brush);
    EXPECT_FALSE(DeleteObject(brush));
    SelectObject(dc.hdc, previous);
    EXPECT_TRUE(DeleteObject(brush));
    EXPECT_FALSE(DeleteObject(brush));
    // Stock objects survive deletion.
    EXPECT_TRUE(DeleteObject(GetStockObject(BLACK_PEN)));
    EXPECT_NE(SelectObject(dc.hdc, GetStockObject(BLACK_PEN)), nullptr);
}

TEST(DeviceContext, RestoreDcReleasesObjectsSelectedAfterTheSave)
{
    CanvasDC dc;
    int level = SaveDC(dc.hdc);
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(9, 9, 9));
    SelectObject(dc.hdc, pen);
    RestoreDC(dc.hdc, level);
    EXPECT_TRUE(DeleteObject(pen));
}

TEST(GdiObjects, GetObjectDescribesEachKind)
{
    LOGFONTA font{};
    font.lfHeight = -11;
    font.lfWeight = FW_BOLD;
    strcpy(font.lfFaceName, "MS Sans Serif");
    HFONT hfont = CreateFontIndirectA(&font);
    LOGFONTA back{};
    EXPECT_EQ(GetObjectA(hfont, sizeof(back), &back), static_cast<int>(sizeof(LOGFONTA)));
    EXPECT_STREQ(back.lfFaceName, "MS Sans Serif");
    EXPECT_EQ(back.lfWeight, FW_BOLD);
    EXPECT_EQ(GetObjectA(hfont, 4, &back), 0);
    EXPECT_EQ(GetObjectA(hfont, 0, nullptr), static_cast<int>(sizeof(LOGFONTA)));

    HPEN pen = CreatePen(PS_DOT, 3, RGB(1, 2, 3));
    LOGPEN lp{};
    GetObjectA(pen, sizeof(lp), &lp);
    EXPECT_EQ(lp.lopnStyle, static_cast<UINT>(PS_DOT));
    EXPECT_EQ(lp.lopnWidth.x, 3);
    EXPECT_EQ(lp.lopnColor, RGB(1, 2, 3));

    LOGBRUSH lb{};
    GetObjectA(GetStockObject(NULL_BRUSH), sizeof(lb), &lb);
    EXPECT_EQ(lb.lbStyle, static_cast<UINT>(BS_NULL));
    DeleteObject(hfont);
    DeleteObject(pen);
}

TEST(DeviceContext, DeviceCapsDescribeTheScreen)
{
    CanvasDC dc;
    EXPECT_EQ(GetDeviceCaps(dc.hdc, HORZRES), 1280);
    EXPECT_EQ(GetDeviceCaps(dc.hdc, VERTRES), 1024);
    EXPECT_EQ(GetDeviceCaps(dc.hdc, LOGPIXELSY), 96);
    EXPECT_EQ(GetDeviceCaps(dc.hdc, BITSPIXEL), 32);
    EXPECT_EQ(GetDeviceCaps(nullptr, HORZRES), 0);
}
