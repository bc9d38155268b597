#include <windows.h>

#include "platform/kernel/res/test_res.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(LoadString, LoadsStringsFromEachBlock)
{
    char buffer[64];
    EXPECT_EQ(LoadStringA(nullptr, IDS_HELLO, buffer, sizeof buffer), 12);
    EXPECT_STREQ(buffer, "Hello, world");
    // The last slot of block 1, the first of block 2 and a block far away.
    EXPECT_EQ(LoadStringA(nullptr, IDS_LAST_OF_FIRST_BLOCK, buffer, sizeof buffer), 7);
    EXPECT_STREQ(buffer, "Fifteen");
    EXPECT_EQ(LoadStringA(nullptr, IDS_SECOND_BLOCK, buffer, sizeof buffer), 9);
    EXPECT_STREQ(buffer, "Block two");
    EXPECT_EQ(LoadStringA(GetModuleHandleA(nullptr), IDS_HIGH, buffer, sizeof buffer), 10);
    EXPECT_STREQ(buffer, "High block");
}

TEST(LoadString, ConvertsToLatin1)
{
    char buffer[64];
    EXPECT_EQ(LoadStringA(nullptr, IDS_LATIN1, buffer, sizeof buffer), 4);
    EXPECT_STREQ(buffer, "caf\xE9");
    EXPECT_EQ(LoadStringA(nullptr, IDS_WIDE, buffer, sizeof buffer), 8);
    EXPECT_STREQ(buffer, "smile ?!");
}

TEST(LoadString, MissingAndEmptyStringsGiveZeroAndAnEmptyBuffer)
{
    char buffer[16];
    std::strcpy(buffer, "junk");
    EXPECT_EQ(LoadStringA(nullptr, 2, buffer, sizeof buffer), 0); // block exists, slot empty
    EXPECT_STREQ(buffer, "");
    std::strcpy(buffer, "junk");
    EXPECT_EQ(LoadStringA(nullptr, IDS_EMPTY, buffer, sizeof buffer), 0);
    EXPECT_STREQ(buffer, "");
    std::strcpy(buffer, "junk");
    EXPECT_EQ(LoadStringA(nullptr, 40000, buffer, sizeof buffer), 0); // no such block
    EXPECT_STREQ(buffer, "");
    // A buffer size of zero is not supported by the narrow function; it must not write.
    std::strcpy(buffer, "junk");
    EXPECT_EQ(LoadStringA(nullptr, IDS_HELLO, buffer, 0), 0);
    EXPECT_STREQ(buffer, "junk");
}

TEST(LoadString, TruncatesToTheBufferAndTerminates)
{
    char buffer[11];
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(LoadStringA(nullptr, IDS_LONG, buffer, 10), 9);
    EXPECT_STREQ(buffer, "The quick");
    EXPECT_EQ(buffer[10], 'x');
    EXPECT_EQ(LoadStringA(nullptr, IDS_LONG, buffer, 1), 0);
    EXPECT_STREQ(buffer, "");
}
