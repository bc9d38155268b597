#include <windows.h>

#include <gtest/gtest.h>

namespace
{

RECT R(int l, int t, int r, int b)
{
    return RECT{l, t, r, b};
}

bool Same(const RECT& a, const RECT& b)
{
    return EqualRect(&a, &b);
}

} // namespace

TEST(Rect, EmptinessAndHitTestingUseHalfOpenEdges)
{
    RECT r = R(10, 20, 30, 40);
    EXPECT_TRUE(PtInRect(&r, POINT{10, 20}));
    EXPECT_FALSE(PtInRect(&r, POINT{30, 25}));
    EXPECT_FALSE(PtInRect(&r, POINT{15, 40}));
    RECT flat = R(0, 0, 10, 0);
    RECT inverted = R(10, 0, 0, 10);
    EXPECT_TRUE(IsRectEmpty(&flat));
    EXPECT_TRUE(IsRectEmpty(&inverted));
    EXPECT_TRUE(IsRectEmpty(nullptr));
    EXPECT_FALSE(IsRectEmpty(&r));
}

TEST(Rect, IntersectAndUnionIgnoreEmptyRectanglesAndAllowAliasing)
{
    RECT a = R(0, 0, 10, 10), b = R(5, 5, 20, 20), out{};
    EXPECT_TRUE(IntersectRect(&out, &a, &b));
    EXPECT_TRUE(Same(out, R(5, 5, 10, 10)));
    RECT touching = R(10, 0, 20, 10);
    out = R(1, 1, 2, 2);
    EXPECT_FALSE(IntersectRect(&out, &a, &touching));
    EXPECT_TRUE(Same(out, R(0, 0, 0, 0)));

    RECT empty = R(100, 100, 100, 200);
    EXPECT_TRUE(UnionRect(&out, &a, &empty));
    EXPECT_TRUE(Same(out, a));
    EXPECT_FALSE(UnionRect(&out, &empty, &empty));
    EXPECT_TRUE(Same(out, R(0, 0, 0, 0)));

    // The destination may be one of the sources.
    EXPECT_TRUE(UnionRect(&a, &a, &b));
    EXPECT_TRUE(Same(a, R(0, 0, 20, 20)));
    EXPECT_TRUE(IntersectRect(&b, &a, &b));
    EXPECT_TRUE(Same(b, R(5, 5, 20, 20)));
}

TEST(Rect, MovingAndResizing)
{
    RECT r{};
    EXPECT_TRUE(SetRect(&r, 1, 2, 3, 4));
    EXPECT_TRUE(OffsetRect(&r, 10, -2));
    EXPECT_TRUE(Same(r, R(11, 0, 13, 2)));
    EXPECT_TRUE(InflateRect(&r, 1, 2));
    EXPECT_TRUE(Same(r, R(10, -2, 14, 4)));
    RECT copy{};
    EXPECT_TRUE(CopyRect(&copy, &r));
    EXPECT_TRUE(Same(copy, r));
    EXPECT_TRUE(SetRectEmpty(&copy));
    EXPECT_TRUE(Same(copy, R(0, 0, 0, 0)));
    EXPECT_FALSE(SetRect(nullptr, 0, 0, 1, 1));
    EXPECT_FALSE(EqualRect(&r, nullptr));
}
