#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(Wsprintf, FormatsIntegersWithFlagsWidthAndPrecision)
{
    char buffer[1100];
    EXPECT_EQ(wsprintfA(buffer, "%d|%i|%u|%x|%X", -5, 42, 3000000000u, 255, 255), 22);
    EXPECT_STREQ(buffer, "-5|42|3000000000|ff|FF");
    wsprintfA(buffer, "[%5d][%-5d][%05d][%.3d][%#x][%#X][%04x]", 42, 42, -42, 7, 255, 255, 10);
    EXPECT_STREQ(buffer, "[   42][42   ][-0042][007][0xff][0XFF][000a]");
    // 'l' is a Windows LONG (32 bits); 'h' is 16 bits; I64 and ll are 64 bits.
    wsprintfA(buffer, "%ld %lu %hd %hu %I64d %llu", -1L, 4294967295UL, 70000, 70000, -9000000000LL,
              18000000000ULL);
    EXPECT_STREQ(buffer, "-1 4294967295 4464 4464 -9000000000 18000000000");
}

TEST(Wsprintf, FormatsCharactersStringsAndPointers)
{
    char buffer[1100];
    wsprintfA(buffer, "%c%c|%s|%-4s|%4s|%.2s|%s", 'o', 'k', "abc", "ab", "ab", "xyz", nullptr);
    EXPECT_STREQ(buffer, "ok|abc|ab  |  ab|xy|(null)");
    wsprintfA(buffer, "%S|%ls|%hs|%C", L"w\u00E9\u263A", L"x", "narrow", L'\u263A');
    EXPECT_STREQ(buffer, "w\xE9?|x|narrow|?");
    wsprintfA(buffer, "%p", reinterpret_cast<void*>(0xABC));
    EXPECT_EQ(std::string(buffer), std::string(2 * sizeof(void*) - 3, '0') + "ABC");
}

TEST(Wsprintf, UnknownConversionsWriteTheCharacter)
{
    char buffer[64];
    EXPECT_EQ(wsprintfA(buffer, "100%% %f %+d", 1), 9);
    EXPECT_STREQ(buffer, "100% f +d");
    wsprintfA(buffer, "end%");
    EXPECT_STREQ(buffer, "end");
}

TEST(Wsprintf, StopsAt1023CharactersAndTerminates)
{
    std::string big(2000, 'a');
    char buffer[1100];
    buffer[1024] = 'x';
    EXPECT_EQ(wsprintfA(buffer, "%s%d", big.c_str(), 5), 1023);
    EXPECT_EQ(std::string(buffer), std::string(1023, 'a'));
    EXPECT_EQ(buffer[1024], 'x');
    EXPECT_EQ(wsprintfA(buffer, "%2000d", 1), 1023);
}
