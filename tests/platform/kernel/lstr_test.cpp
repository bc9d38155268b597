#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

TEST(Lstr, LengthAndCopiesTolerateNull)
{
    EXPECT_EQ(lstrlenA(nullptr), 0);
    EXPECT_EQ(lstrlenA("abc"), 3);
    char buffer[16] = "start";
    EXPECT_EQ(lstrcatA(buffer, nullptr), buffer);
    EXPECT_EQ(lstrcatA(buffer, "-end"), buffer);
    EXPECT_STREQ(buffer, "start-end");
    EXPECT_EQ(lstrcpyA(buffer, "new"), buffer);
    EXPECT_STREQ(buffer, "new");
}

TEST(Lstr, CopyNCopiesAtMostNMinusOneAndAlwaysTerminates)
{
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(lstrcpynA(buffer, "abcdef", 4), buffer);
    EXPECT_STREQ(buffer, "abc");
    EXPECT_EQ(buffer[4], 'x');

    std::memset(buffer, 'x', sizeof buffer);
    lstrcpynA(buffer, "ab", 8);
    EXPECT_STREQ(buffer, "ab");
    EXPECT_EQ(buffer[3], 'x'); // unlike strncpy, no zero fill

    std::memset(buffer, 'x', sizeof buffer);
    lstrcpynA(buffer, "abc", 1);
    EXPECT_EQ(buffer[0], '\0');
    std::memset(buffer, 'x', sizeof buffer);
    lstrcpynA(buffer, "abc", 0);
    EXPECT_EQ(buffer[0], 'x');
}
