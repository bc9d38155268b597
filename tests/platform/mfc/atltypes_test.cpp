#include <afx.h>

#include <gtest/gtest.h>

namespace
{

TEST(CPointAndCSize, ArithmeticAndMessageCoordinates)
{
    CPoint point(10, 20);
    point += CSize(1, 2);
    point -= CPoint(1, 1);
    EXPECT_EQ(point, CPoint(10, 21));
    EXPECT_EQ(CPoint(5, 5) - CPoint(2, 3), CSize(3, 2));
    EXPECT_EQ(CPoint(5, 5) + CSize(1, 1), CPoint(6, 6));
    EXPECT_EQ(-CPoint(1, -2), CPoint(-1, 2));
    point.Offset(-10, -21);
    EXPECT_EQ(point, CPoint(0, 0));

    // Mouse messages pack signed 16-bit coordinates.
    CPoint fromMessage(static_cast<LPARAM>(MAKELPARAM(-5, 300)));
    EXPECT_EQ(fromMessage.x, -5);
    EXPECT_EQ(fromMessage.y, 300);

    CSize size(3, 4);
    size += CSize(1, 1);
    EXPECT_EQ(size, CSize(4, 5));
    EXPECT_NE(size, CSize(5, 4));
    EXPECT_EQ(CSize(2, 2) + CPoint(1, 1), CPoint(3, 3));
}

TEST(CRect, EmptinessAndExclusiveEdges)
{
    CRect rect(10, 20, 30, 50);
    EXPECT_EQ(rect.Width(), 20);
    EXPECT_EQ(rect.Height(), 30);
    EXPECT_EQ(rect.Size(), CSize(20, 30));
    EXPECT_EQ(rect.CenterPoint(), CPoint(20, 35));
    EXPECT_TRUE(rect.PtInRect(CPoint(10, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(30, 20)));
    EXPECT_FALSE(rect.PtInRect(CPoint(10, 50)));
    EXPECT_FALSE(rect.IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 5, 10).IsRectEmpty());
    EXPECT_TRUE(CRect(5, 5, 4, 10).IsRectEmpty());
    EXPECT_FALSE(CRect(5, 5, 5, 10).IsRectNull());
    EXPECT_TRUE(CRect().IsRectNull());
}

TEST(CRect, IntersectAndUnionFollowTheWin32Rules)
{
    CRect a(0, 0, 10, 10);
    CRect b(5, 5, 20, 20);
    EXPECT_EQ(a & b, CRect(5, 5, 10, 10));
    EXPECT_EQ(a | b, CRect(0, 0, 20, 20));

    // Touching edges do not intersect, and the result is set empty.
    CRect result(1, 2, 3, 4);
    EXPECT_FALSE(result.IntersectRect(a, CRect(10, 0, 20, 10)));
    EXPECT_TRUE(result.IsRectNull());

    // An empty rectangle takes no part in a union.
    EXPECT_TRUE(result.UnionRect(CRect(100, 100, 100, 200), b));
    EXPECT_EQ(result, b);
    EXPECT_FALSE(result.UnionRect(CRect(), CRect(3, 3, 3, 3)));
    EXPECT_TRUE(result.IsRectNull());

    // The destination may be a source.
    a &= b;
    EXPECT_EQ(a, CRect(5, 5, 10, 10));
    a |= CRect(0, 0, 1, 1);
    EXPECT_EQ(a, CRect(0, 0, 10, 10));
}

TEST(CRect, MovingInflatingAndNormalizing)
{
    CRect rect(10, 10, 20, 30);
    rect.MoveToXY(0, 5);
    EXPECT_EQ(rect, CRect(0, 5, 10, 25));
    rect.OffsetRect(CSize(1, 1));
    EXPECT_EQ(rect, CRect(1, 6, 11, 26));
    rect.InflateRect(1, 2);
    EXPECT_EQ(rect, CRect(0, 4, 12, 28));
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_EQ(rect, CRect(1, 6, 9, 24));
    EXPECT_EQ(rect + CPoint(1, 1), CRect(2, 7, 10, 25));
    // The inset goes as an LPCRECT: anything else would also match the built-in pointer
    // subtraction through CRect's conversion to LPRECT.
    CRect inset(1, 1, 1, 1);
    LPCRECT insetPointer = inset;
    EXPECT_EQ(rect - insetPointer, CRect(2, 7, 8, 23));
    EXPECT_EQ(rect + insetPointer, CRect(0, 5, 10, 25));

    CRect flipped(10, 20, 0, 5);
    flipped.NormalizeRect();
    EXPECT_EQ(flipped, CRect(0, 5, 10, 20));

    // The corners are the rectangle's own fields.
    flipped.TopLeft() = CPoint(1, 1);
    flipped.BottomRight().Offset(1, 1);
    EXPECT_EQ(flipped, CRect(1, 1, 11, 21));

    RECT plain = {1, 2, 3, 4};
    CRect fromPlain(plain);
    LPRECT asPointer = fromPlain;
    asPointer->left = 0;
    EXPECT_EQ(fromPlain.left, 0);
    EXPECT_TRUE(fromPlain != plain);
    fromPlain = plain;
    EXPECT_TRUE(fromPlain == plain);
    EXPECT_TRUE(fromPlain.EqualRect(&plain));
}

} // namespace
