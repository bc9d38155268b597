#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

TEST(GlobalMemory, FixedMemoryIsItsOwnHandle)
{
    HGLOBAL fixed = GlobalAlloc(GPTR, 16);
    ASSERT_NE(fixed, nullptr);
    EXPECT_EQ(GlobalLock(fixed), fixed);
    auto* bytes = static_cast<unsigned char*>(fixed);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(bytes[i], 0);
    EXPECT_TRUE(GlobalUnlock(fixed));
    EXPECT_EQ(GlobalFree(fixed), nullptr);
}

TEST(GlobalMemory, MovableMemoryCountsLocks)
{
    HGLOBAL movable = GlobalAlloc(GHND, 8);
    ASSERT_NE(movable, nullptr);
    void* data = GlobalLock(movable);
    ASSERT_NE(data, nullptr);
    EXPECT_NE(data, movable);
    std::memcpy(data, "payload", 8);
    EXPECT_EQ(GlobalLock(movable), data);
    EXPECT_TRUE(GlobalUnlock(movable));
    SetLastError(1);
    EXPECT_FALSE(GlobalUnlock(movable));
    EXPECT_EQ(GetLastError(), DWORD(NO_ERROR));
    EXPECT_FALSE(GlobalUnlock(movable));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_LOCKED));
    EXPECT_STREQ(static_cast<char*>(GlobalLock(movable)), "payload");
    GlobalUnlock(movable);
    EXPECT_EQ(GlobalFree(movable), nullptr);
    EXPECT_EQ(GlobalFree(nullptr), nullptr);
}
