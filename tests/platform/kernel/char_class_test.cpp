#include <windows.h>

#include <gtest/gtest.h>

TEST(CharClass, ConvertsStringsInPlaceIncludingLatin1)
{
    char text[] = "Mix\xE9\xC0 \xDF\xF7\xFF 9";
    EXPECT_EQ(CharUpperA(text), text);
    EXPECT_STREQ(text, "MIX\xC9\xC0 \xDF\xF7\xFF 9");
    EXPECT_EQ(CharLowerA(text), text);
    EXPECT_STREQ(text, "mix\xE9\xE0 \xDF\xF7\xFF 9");
}

TEST(CharClass, ConvertsASingleCharacterPassedInTheLowWord)
{
    auto upper = CharUpperA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>('q')));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(upper), static_cast<ULONG_PTR>('Q'));
    auto lower = CharLowerA(reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(0xC9)));
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(lower), 0xE9u);
}

TEST(CharClass, ClassifiesLatin1Letters)
{
    EXPECT_TRUE(IsCharAlphaA('z'));
    EXPECT_TRUE(IsCharAlphaA('\xE9'));
    EXPECT_FALSE(IsCharAlphaA('\xD7')); // multiplication sign
    EXPECT_FALSE(IsCharAlphaA('5'));
    EXPECT_FALSE(IsCharAlphaA('_'));
    EXPECT_TRUE(IsCharAlphaNumericA('5'));
    EXPECT_TRUE(IsCharAlphaNumericA('\xC0'));
    EXPECT_FALSE(IsCharAlphaNumericA('-'));
}
