#include <windows.h>

#include <gtest/gtest.h>

TEST(MulDiv, RoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(-3, 1, 2), -2);
    EXPECT_EQ(MulDiv(3, -1, 2), -2);
    EXPECT_EQ(MulDiv(3, 1, -2), -2);
    EXPECT_EQ(MulDiv(-3, -1, -2), -2);
    EXPECT_EQ(MulDiv(5, 1, 3), 2); // 1.67
    EXPECT_EQ(MulDiv(4, 1, 3), 1); // 1.33
    EXPECT_EQ(MulDiv(-4, 1, 3), -1);
}

TEST(MulDiv, UsesAWideIntermediate)
{
    // Dialog units to pixels, the platform's main use.
    EXPECT_EQ(MulDiv(100, 6, 4), 150);
    EXPECT_EQ(MulDiv(7, 13, 8), 11); // 11.375
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
}

TEST(MulDiv, ReportsZeroDenominatorAndOverflowAsMinusOne)
{
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2, 1), -1);
    EXPECT_EQ(MulDiv(-2000000000, 2, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, 1, 1), -1);
    EXPECT_EQ(MulDiv(INT_MIN, INT_MIN, INT_MIN), -1);
    EXPECT_EQ(MulDiv(INT_MAX, 1, 1), INT_MAX);
}
