// Shapes on the character grid: fills, frames, focus rectangles, edges and lines.

#include "gdi_test_util.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(FillRect, BlanksCellsAndMarksHighlightSelected)
{
    CanvasDC dc(10, 3);
    TextOutA(dc.hdc, 0, 0, "0123456789", 10);
    TextOutA(dc.hdc, 0, 13, "0123456789", 10);
    RECT a{6, 0, 20, 13};
    EXPECT_TRUE(FillRect(dc.hdc, &a, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))));
    // A system colour index plus one stands for that colour's brush.
    RECT b{0, 13, 12, 26};
    EXPECT_TRUE(FillRect(dc.hdc, &b, reinterpret_cast<HBRUSH>(COLOR_HIGHLIGHT + 1)));
    // The right edge's cell is outside: pixels 6 to 19 cover columns 1 and 2.
    EXPECT_EQ(dc.Text(), "0  3456789\n  23456789\n\n");
    EXPECT_EQ(dc.Attributes(1, 1), CellSelected);
    EXPECT_EQ(dc.Attributes(2, 1), 0);
    // A hollow brush paints nothing; a brush that is no brush fails.
    EXPECT_TRUE(FillRect(dc.hdc, &a, static_cast<HBRUSH>(GetStockObject(NULL_BRUSH))));
    EXPECT_FALSE(FillRect(dc.hdc, &a, reinterpret_cast<HBRUSH>(0x12345678)));
}

TEST(FillRect, PartialCellsCountAsCovered)
{
    CanvasDC dc(10, 3);
    RECT rect{5, 12, 13, 14};
    FillRect(dc.hdc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
    // Pixels 5..12 touch columns 0..1 (12 is the edge, excluded); rows 0 only.
    EXPECT_EQ(dc.Attributes(0, 0), CellSelected);
    EXPECT_EQ(dc.Attributes(1, 0), CellSelected);
    EXPECT_EQ(dc.Attributes(2, 0), 0);
    EXPECT_EQ(dc.Attributes(0, 1), 0);
}

TEST(DrawFocusRect, TogglesLikeXor)
{
    CanvasDC dc(10, 2);
    RECT rect{6, 0, 30, 13};
    DrawFocusRect(dc.hdc, &rect);
    EXPECT_EQ(dc.Attributes(0, 0), 0);
    EXPECT_EQ(dc.Attributes(1, 0), CellFocus);
    EXPECT_EQ(dc.Attributes(4, 0), CellFocus);
    EXPECT_EQ(dc.Attributes(5, 0), 0);
    DrawFocusRect(dc.hdc, &rect);
    EXPECT_EQ(dc.Attributes(1, 0), 0);
    EXPECT_EQ(dc.Attributes(4, 0), 0);
}

TEST(Rectangle, BoxesWithCornersAndOneRowBrackets)
{
    CanvasDC dc(12, 4);
    TextOutA(dc.hdc, 0, 13, "xxxxxxxxxxxx", 12);
    Rectangle(dc.hdc, 0, 0, 36, 39);
    Rectangle(dc.hdc, 42, 13, 72, 26);
    EXPECT_EQ(dc.Text(), "+----+\n|    |x[   ]\n+----+\n\n");
    // A hollow brush keeps the inside.
    SelectObject(dc.hdc, GetStockObject(NULL_BRUSH));
    TextOutA(dc.hdc, 0, 39, "abcdef", 6);
    Rectangle(dc.hdc, 0, 39, 36, 52);
    EXPECT_EQ(dc.canvas.RowText(3), "[bcde]");
}

TEST(Rectangle, WidePensMarkBold)
{
    CanvasDC dc(6, 3);
    HPEN pen = CreatePen(PS_SOLID, 2, RGB(0, 0, 0));
    HGDIOBJ old = SelectObject(dc.hdc, pen);
    Rectangle(dc.hdc, 0, 0, 36, 39);
    SelectObject(dc.hdc, old);
    DeleteObject(pen);
    EXPECT_EQ(dc.Attributes(0, 0), CellBold);
    EXPECT_EQ(dc.Attributes(1, 1), 0);
}

TEST(LineTo, PolylinesMeetInCorners)
{
    CanvasDC dc(9, 4);
    MoveToEx(dc.hdc, 0, 0, nullptr);
    LineTo(dc.hdc, 42, 0);
    LineTo(dc.hdc, 42, 26);
    LineTo(dc.hdc, 0, 26);
    LineTo(dc.hdc, 0, 0);
    // A line crossing another makes a '+' too.
    MoveToEx(dc.hdc, 24, 13, nullptr);
    LineTo(dc.hdc, 48, 13);
    POINT position{};
    MoveToEx(dc.hdc, 0, 39, &position);
    EXPECT_EQ(position.x, 48);
    EXPECT_EQ(dc.Text(), "+------+\n|   ---+-\n+------+\n\n");
    // A null pen moves without drawing.
    SelectObject(dc.hdc, GetStockObject(NULL_PEN));
    LineTo(dc.hdc, 48, 39);
    EXPECT_EQ(dc.canvas.RowText(3), "");
}

TEST(FrameRect, DrawsOnlyTheFrame)
{
    CanvasDC dc(6, 3);
    TextOutA(dc.hdc, 0, 13, "abcdef", 6);
    RECT rect{0, 0, 36, 39};
    FrameRect(dc.hdc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EXPECT_EQ(dc.Text(), "+----+\n|bcde|\n+----+\n");
}

TEST(DrawEdge, AdjustMovesInsideTheBoxByWholeCells)
{
    CanvasDC dc(10, 4);
    RECT rect{0, 0, 60, 52};
    DrawEdge(dc.hdc, &rect, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
    EXPECT_EQ(rect.left, 6);
    EXPECT_EQ(rect.top, 13);
    EXPECT_EQ(rect.right, 54);
    EXPECT_EQ(rect.bottom, 39);
    DrawTextA(dc.hdc, "inside", -1, &rect, DT_SINGLELINE);
    EXPECT_EQ(dc.Text(), "+--------+\n|inside  |\n|        |\n+--------+\n");
}

TEST(DrawEdge, SingleSidesAndMiddle)
{
    CanvasDC dc(6, 3);
    TextOutA(dc.hdc, 0, 0, "abcdef", 6);
    RECT line{0, 0, 36, 13};
    DrawEdge(dc.hdc, &line, EDGE_ETCHED, BF_BOTTOM);
    EXPECT_EQ(dc.canvas.RowText(0), "------");
    TextOutA(dc.hdc, 0, 13, "abcdef", 6);
    RECT button{0, 13, 36, 26};
    DrawEdge(dc.hdc, &button, EDGE_RAISED, BF_RECT | BF_MIDDLE);
    EXPECT_EQ(dc.canvas.RowText(1), "[    ]");
}

TEST(PatBlt, InvertTogglesSelection)
{
    CanvasDC dc(6, 1);
    PatBlt(dc.hdc, 0, 0, 12, 13, PATINVERT);
    EXPECT_EQ(dc.Attributes(1, 0), CellSelected);
    PatBlt(dc.hdc, 12, 13, -12, -13, DSTINVERT);
    EXPECT_EQ(dc.Attributes(1, 0), 0);
    RECT rect{0, 0, 36, 13};
    InvertRect(dc.hdc, &rect);
    EXPECT_EQ(dc.Attributes(5, 0), CellSelected);
}
