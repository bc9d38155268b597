// The canvas: cell storage, pixel-to-cell arithmetic and the text form.

#include "platform/canvas.h"

#include <gtest/gtest.h>

using platform::Canvas;
using platform::Cell;
using platform::CellRect;

TEST(Canvas, PixelsMapToCellsByFloorDivision)
{
    EXPECT_EQ(Canvas::ColumnOf(0), 0);
    EXPECT_EQ(Canvas::ColumnOf(5), 0);
    EXPECT_EQ(Canvas::ColumnOf(6), 1);
    EXPECT_EQ(Canvas::RowOf(12), 0);
    EXPECT_EQ(Canvas::RowOf(13), 1);
    // Pixels left of or above the origin fall into negative cells, not into cell 0.
    EXPECT_EQ(Canvas::ColumnOf(-1), -1);
    EXPECT_EQ(Canvas::ColumnOf(-6), -1);
    EXPECT_EQ(Canvas::ColumnOf(-7), -2);
    EXPECT_EQ(Canvas::RowOf(-13), -1);
}

TEST(Canvas, WritesOutsideAreIgnoredAndReadBlank)
{
    Canvas canvas(3, 2);
    canvas.Set(-1, 0, Cell{'x', 0});
    canvas.Set(3, 0, Cell{'x', 0});
    canvas.Set(0, 2, Cell{'x', 0});
    canvas.Set(2, 1, Cell{'z', platform::CellFocus});
    EXPECT_EQ(canvas.Text(), "\n  z\n");
    EXPECT_EQ(canvas.At(5, 5), Cell{});
    EXPECT_EQ(canvas.At(2, 1).attributes, platform::CellFocus);
}

TEST(Canvas, DrawCopiesAndClipsToTheTarget)
{
    Canvas source(3, 2);
    for (int row = 0; row < 2; ++row)
        for (int column = 0; column < 3; ++column)
            source.Set(column, row, Cell{static_cast<char>('a' + row * 3 + column), 0});
    Canvas target(4, 3);
    target.Draw(source, 2, -1);
    EXPECT_EQ(target.Text(), "  de\n\n\n");
    target.Draw(source, -2, 1);
    EXPECT_EQ(target.Text(), "  de\nc\nf\n");
}

TEST(CellRect, IntersectionOfDisjointRectanglesIsEmpty)
{
    CellRect a{0, 0, 4, 4};
    EXPECT_EQ(a.Intersect(CellRect{2, 1, 9, 3}), (CellRect{2, 1, 4, 3}));
    EXPECT_TRUE(a.Intersect(CellRect{4, 0, 6, 4}).IsEmpty());
}
