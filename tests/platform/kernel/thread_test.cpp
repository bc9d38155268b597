#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <set>
#include <thread>
#include <vector>

TEST(Threads, ThreadIdsAreSmallStableAndDistinct)
{
    DWORD mine = GetCurrentThreadId();
    EXPECT_EQ(GetCurrentThreadId(), mine);
    EXPECT_GT(mine, 0u);

    std::vector<DWORD> ids(8);
    std::vector<std::thread> threads;
    for (auto& id : ids)
        threads.emplace_back([&id] { id = GetCurrentThreadId(); });
    for (auto& thread : threads)
        thread.join();
    std::set<DWORD> distinct(ids.begin(), ids.end());
    distinct.insert(mine);
    EXPECT_EQ(distinct.size(), ids.size() + 1);
    for (DWORD id : ids)
        EXPECT_LT(id, 10000u);

    // A thread started later never gets the id of one that ended.
    DWORD later = 0;
    std::thread([&later] { later = GetCurrentThreadId(); }).join();
    EXPECT_EQ(distinct.count(later), 0u);
}

TEST(Threads, LastErrorIsPerThread)
{
    SetLastError(1234);
    DWORD seen = 0;
    std::thread([&seen] {
        seen = GetLastError();
        SetLastError(99);
    }).join();
    EXPECT_EQ(seen, 0u);
    EXPECT_EQ(GetLastError(), 1234u);
}

TEST(Threads, TickCountIsMonotonicAndSleepWaitsAtLeastThatLong)
{
    DWORD before = GetTickCount();
    Sleep(20);
    DWORD after = GetTickCount();
    EXPECT_GE(after - before, 20u);
    Sleep(0); // only yields
    EXPECT_NE(GetCurrentProcessId(), 0u);
}

TEST(Threads, DebugOutputGoesToStderrOnlyWhenAsked)
{
    unsetenv("QUARNEL_DEBUG");
    testing::internal::CaptureStderr();
    OutputDebugStringA("hidden\n");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");

    setenv("QUARNEL_DEBUG", "1", 1);
    testing::internal::CaptureStderr();
    OutputDebugStringA("shown\n");
    OutputDebugStringA(nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "shown\n");
    unsetenv("QUARNEL_DEBUG");
}
