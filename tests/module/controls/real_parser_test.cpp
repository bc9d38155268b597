// RealParser: the verdicts of the recogniser on numbers and on texts that only look like them,
// grouped by the part of a number they exercise.

#include "controls/real_parser.h"

#include <gtest/gtest.h>

namespace
{

void ExpectVerdicts(std::initializer_list<const char*> texts, bool expected)
{
    RealParser parser;
    for (const char* text : texts)
        EXPECT_EQ(parser.IsReal(text), expected) << '"' << text << '"';
}

TEST(RealParserTest, PlainNumbersAndSigns)
{
    ExpectVerdicts({"0", "7", "10", "100", "42", "-0.001", "+7", "-12.5", "0.5", "1.", ".5"}, true);
    ExpectVerdicts({"-", "+", "1-2", "1+2", "--1", "+-1", "1,5", "1.2.3", "abc", "1x"}, false);
}

TEST(RealParserTest, OnlyAFirstZeroStopsFurtherMantissaDigits)
{
    ExpectVerdicts({"0.5", "0e3", "10", "100", "-0", "0."}, true);
    ExpectVerdicts({"05", "00", "-05", "+00.1"}, false);
}

TEST(RealParserTest, ExponentsWithEitherLetterInEitherCase)
{
    ExpectVerdicts({"1e5", "1E+05", "2.5d-3", "3.0D2", ".5e1", "0e0", "1e007"}, true);
    ExpectVerdicts({"1e", "1e+", "1e5.0", "1.e5", "e5", "1e5e5", "1d5E5", "1e+-5", "-e5"}, false);
}

TEST(RealParserTest, EmptyTextBlanksAndLonePunctuation)
{
    ExpectVerdicts({"", " ", "   ", "  42", ".", "-.", "+."}, true);
    ExpectVerdicts({"42 ", "4 2", "- 1", "\t1", "1\t", "1\n"}, false);
}

TEST(RealParserTest, CharactersWithTheHighBitAreRefused)
{
    ExpectVerdicts({"1\xb2", "\xe9", "1.5\x80"}, false);
}

TEST(RealParserTest, EachCallStartsAfresh)
{
    RealParser parser;
    EXPECT_FALSE(parser.IsReal("1.5e"));
    EXPECT_TRUE(parser.IsReal("-3")) << "a sign must again be allowed at the start";
    EXPECT_TRUE(parser.IsReal("1"));
    EXPECT_FALSE(parser.IsReal("05")) << "the first digit of each text is a first digit again";
    EXPECT_FALSE(parser.IsReal("0 "));
    EXPECT_TRUE(parser.IsReal(""));
}

} // namespace
