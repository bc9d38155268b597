// The message boxes' arithmetic and caption rules, and the reconcile question, checked directly
// with tables of cases.
#include "prompts/askreconcile.h"
#include "prompts/message_layout.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace
{

std::string Repeat(char c, int n)
{
    return std::string(static_cast<size_t>(n), c);
}

} // namespace

TEST(MessageLayoutTest, LinesCountNewlinesAndSegmentsLongerThanALine)
{
    const std::string s68 = Repeat('a', 68);
    const std::string s69 = Repeat('b', 69);
    const std::string s135 = Repeat('c', 135);
    const std::string s136 = Repeat('d', 136);
    const std::string s150 = Repeat('e', 150);
    struct Case
    {
        std::string message;
        int lines;
    } cases[] = {
        {"", 1},
        {"Delete the block?", 1},
        {s68, 1},
        {s69, 2},
        {s135, 2},
        {s136, 3},
        {s150, 3},
        {"one\ntwo", 2},
        {"one\n", 2},
        {"\n\n", 3},
        // Each segment wraps on its own: 1 + 1 newline + 1 (69) + 2 (136).
        {s69 + "\n" + s136, 5},
        {s68 + "\n" + s68, 2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quarnel::CountMessageLines(c.message.c_str()), c.lines)
            << c.message.size() << " characters: \"" << c.message.substr(0, 20) << "\"";
    EXPECT_EQ(quarnel::CountMessageLines(nullptr), 1);
}

TEST(MessageLayoutTest, TheAreaGrowsOneThirdOfItsHeightPerLineBeyondTheSecond)
{
    struct Case
    {
        int lines;
        int height;
        int growth;
    } cases[] = {
        {1, 40, 0}, {2, 40, 0}, {3, 40, 13}, {5, 40, 39}, {3, 29, 9}, {4, 2, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(quarnel::MessageGrowth(c.lines, c.height), c.growth)
            << c.lines << " lines in " << c.height << " pixels";
}

TEST(MessageLayoutTest, TheButtonRowHasOneMoreGapThanButtons)
{
    // The outer widths of the two templates (client width plus two dialog frames of 3 pixels)
    // and their button widths.
    struct Case
    {
        int row;
        int buttons;
        int width;
        int gap;
    } cases[] = {
        {434, 1, 83, 175}, {434, 2, 83, 89}, {434, 3, 83, 46}, {434, 4, 83, 20},
        {398, 1, 75, 161}, {398, 2, 75, 82}, {398, 3, 75, 43}, {398, 4, 75, 19},
    };
    for (const Case& c : cases)
    {
        const int gap = quarnel::ButtonGap(c.row, c.buttons, c.width);
        EXPECT_EQ(gap, c.gap) << c.buttons << " buttons of " << c.width << " in " << c.row;
        // The row is filled to within the rounding of the division.
        const int used = c.buttons * c.width + (c.buttons + 1) * gap;
        EXPECT_LE(used, c.row);
        EXPECT_GT(used + c.buttons + 1, c.row);
    }
}

TEST(MessageLayoutTest, HelpCaptionsIgnoreAmpersandsBlanksAndCase)
{
    for (const char* caption : {"Help", "&Help", "HELP", "h&elp", " He lp ", "&&help&"})
        EXPECT_TRUE(quarnel::IsHelpCaption(caption)) << caption;
    for (const char* caption : {"", "Helps", "Help!", "Hilfe", "Help me", "OK", "H-elp"})
        EXPECT_FALSE(quarnel::IsHelpCaption(caption)) << caption;
    EXPECT_FALSE(quarnel::IsHelpCaption(nullptr));
}

TEST(MessageLayoutTest, AHelpReferenceIsAFileAndATopicReadAsADecimalNumber)
{
    struct Case
    {
        const char* reference;
        const char* file;
        int topic;
    } cases[] = {
        {"cmpnts.chm#35", "cmpnts.chm", 35},
        {"cmpnts.chm# -7x", "cmpnts.chm", -7},
        {"props.chm#+12", "props.chm", 12},
        {"props.chm#\t 8", "props.chm", 8},
        {"props.chm#topic", "props.chm", 0},
        {"props.chm#", "props.chm", 0},
        {"#5", "", 5},
        {"a.chm#1#2", "a.chm", 1},
        {"a.chm#99999999999", "a.chm", INT_MAX},
        {"a.chm#-99999999999", "a.chm", INT_MIN},
    };
    for (const Case& c : cases)
    {
        quarnel::HelpReference parsed;
        ASSERT_TRUE(quarnel::ParseHelpReference(c.reference, &parsed)) << c.reference;
        EXPECT_STREQ(parsed.file, c.file) << c.reference;
        EXPECT_EQ(parsed.topic, c.topic) << c.reference;
    }

    quarnel::HelpReference untouched;
    untouched.file = "kept";
    untouched.topic = 9;
    for (const char* reference : {"cmpnts.chm", "", static_cast<const char*>(nullptr)})
    {
        EXPECT_FALSE(quarnel::ParseHelpReference(reference, &untouched));
        EXPECT_STREQ(untouched.file, "kept");
        EXPECT_EQ(untouched.topic, 9);
    }
}

TEST(ReconcileQuestionTest, NamesTheBlockBetweenTheFixedWords)
{
    EXPECT_STREQ(quarnel::ReconcileQuestion("B1"),
                 "Block B1 has errors or warnings. Do you wish to reconcile?");
    EXPECT_STREQ(quarnel::ReconcileQuestion(""),
                 "Block  has errors or warnings. Do you wish to reconcile?");
    EXPECT_STREQ(quarnel::ReconcileQuestion(nullptr),
                 "Block  has errors or warnings. Do you wish to reconcile?");
}
