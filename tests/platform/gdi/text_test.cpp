// Text output: glyph placement, background modes and the attributes that colours give.

#include "gdi_test_util.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(TextOut, GlyphsLandInTheCellHoldingTheirTopLeftPixel)
{
    CanvasDC dc;
    TextOutA(dc.hdc, 5, 12, "ab", 2);
    TextOutA(dc.hdc, 6, 13, "cd", 2);
    EXPECT_EQ(dc.Text(), "ab\n cd\n\n\n");
}

TEST(TextOut, TransparentBlanksLeaveWhatIsBeneath)
{
    CanvasDC dc;
    TextOutA(dc.hdc, 0, 0, "xxxxx", 5);
    SetBkMode(dc.hdc, TRANSPARENT);
    TextOutA(dc.hdc, 0, 0, "a b", 3);
    EXPECT_EQ(dc.canvas.RowText(0), "axbxx");
    SetBkMode(dc.hdc, OPAQUE);
    TextOutA(dc.hdc, 0, 0, "a b", 3);
    EXPECT_EQ(dc.canvas.RowText(0), "a bxx");
}

TEST(TextOut, ColoursBecomeAttributes)
{
    CanvasDC dc;
    SetTextColor(dc.hdc, GetSysColor(COLOR_GRAYTEXT));
    TextOutA(dc.hdc, 0, 0, "gray", 4);
    SetTextColor(dc.hdc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc.hdc, GetSysColor(COLOR_HIGHLIGHT));
    TextOutA(dc.hdc, 0, 13, "sel", 3);
    // A highlight background only shows when the background is painted.
    SetBkMode(dc.hdc, TRANSPARENT);
    TextOutA(dc.hdc, 0, 26, "plain", 5);
    EXPECT_EQ(dc.Attributes(0, 0), CellDisabled);
    EXPECT_EQ(dc.Attributes(0, 1), CellSelected);
    EXPECT_EQ(dc.Attributes(0, 2), 0);
}

TEST(TextOut, TransparentTextKeepsAHighlightFillBeneath)
{
    CanvasDC dc;
    RECT row{0, 0, 60, 13};
    FillRect(dc.hdc, &row, GetSysColorBrush(COLOR_HIGHLIGHT));
    SetBkMode(dc.hdc, TRANSPARENT);
    TextOutA(dc.hdc, 0, 0, "item", 4);
    EXPECT_EQ(dc.Attributes(0, 0), CellSelected);
    EXPECT_EQ(dc.Attributes(8, 0), CellSelected);
}

TEST(TextOut, OnlyCreatedBoldFontsMarkTextBold)
{
    CanvasDC dc;
    TextOutA(dc.hdc, 0, 0, "sys", 3);
    LOGFONTA lf{};
    lf.lfWeight = FW_BOLD;
    HFONT bold = CreateFontIndirectA(&lf);
    HGDIOBJ old = SelectObject(dc.hdc, bold);
    TextOutA(dc.hdc, 0, 13, "bold", 4);
    SelectObject(dc.hdc, old);
    DeleteObject(bold);
    EXPECT_EQ(dc.Attributes(0, 0), 0);
    EXPECT_EQ(dc.Attributes(0, 1), CellBold);
}

TEST(TextOut, ExtTextOutOpaqueFillsAndClips)
{
    CanvasDC dc;
    TextOutA(dc.hdc, 0, 0, "0123456789", 10);
    SetBkColor(dc.hdc, GetSysColor(COLOR_HIGHLIGHT));
    RECT rect{12, 0, 36, 13};
    ExtTextOutA(dc.hdc, 12, 0, ETO_OPAQUE | ETO_CLIPPED, &rect, "abcdefgh", 8, nullptr);
    EXPECT_EQ(dc.canvas.RowText(0), "01abcd6789");
    EXPECT_EQ(dc.Attributes(5, 0), CellSelected);
    EXPECT_EQ(dc.Attributes(6, 0), 0);
}

TEST(TextMetrics, EveryFontMeasuresSixByThirteen)
{
    CanvasDC dc;
    SIZE size{};
    EXPECT_TRUE(GetTextExtentPoint32A(dc.hdc, "hello", 5, &size));
    EXPECT_EQ(size.cx, 30);
    EXPECT_EQ(size.cy, 13);
    LOGFONTA lf{};
    lf.lfHeight = -40;
    HFONT big = CreateFontIndirectA(&lf);
    SelectObject(dc.hdc, big);
    TEXTMETRICA tm{};
    EXPECT_TRUE(GetTextMetricsA(dc.hdc, &tm));
    EXPECT_EQ(tm.tmHeight, 13);
    EXPECT_EQ(tm.tmAscent + tm.tmDescent, 13);
    EXPECT_EQ(tm.tmAveCharWidth, 6);
    EXPECT_EQ(tm.tmMaxCharWidth, 6);
    SelectObject(dc.hdc, GetStockObject(SYSTEM_FONT));
    DeleteObject(big);
}
