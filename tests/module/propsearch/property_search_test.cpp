// The property search's window-free logic: the word rules, matching, the sort order of the two
// lists, and when the dialog's growth moves anything (where the controls go is shown by the
// dialog's own story, through the simulated user's hands).
#include "propsearch/property_search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

std::vector<std::string> Words(const char* text)
{
    std::vector<std::string> words;
    for (const CString& word : quarnel::SearchWords(text))
        words.emplace_back(word);
    return words;
}

bool Matches(const char* text, const char* upperName, const char* alias)
{
    return quarnel::MatchesSearch(quarnel::SearchWords(text), upperName, alias);
}

} // namespace

TEST(PropertySearchWordsTest, BlanksCommasAndTheWordAndSeparate)
{
    using List = std::vector<std::string>;
    struct Case
    {
        const char* text;
        List words;
    } cases[] = {
        {"", {}},
        {"   ", {}},
        {", ,,", {}},
        {"AND", {}},
        {"HEAT CAPACITY", {"HEAT", "CAPACITY"}},
        {"HEAT,CAPACITY", {"HEAT", "CAPACITY"}},
        {"  HEAT ,, CAPACITY,", {"HEAT", "CAPACITY"}},
        {"HEAT AND CAPACITY", {"HEAT", "CAPACITY"}},
        {"and HEAT And CAPACITY aNd", {"HEAT", "CAPACITY"}},
        // "AND" inside a word is part of the word.
        {"BAND ANDES", {"BAND", "ANDES"}},
        // Tabs are not separators.
        {"A\tB", {"A\tB"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Words(c.text), c.words) << '"' << c.text << '"';
}

TEST(PropertySearchWordsTest, EveryWordOccursInTheUpperCasedNameOrInTheAliasAsWritten)
{
    struct Case
    {
        const char* text;
        const char* upperName;
        const char* alias;
        bool matches;
    } cases[] = {
        {"", "ANYTHING", "X", true},
        {"HEAT", "HEAT CAPACITY OF THE MIXTURE", "CPMX", true},
        {"HEAT CAPACITY", "HEAT CAPACITY OF THE MIXTURE", "CPMX", true},
        {"CAPACITY HEAT", "HEAT CAPACITY OF THE MIXTURE", "CPMX", true},
        {"HEAT VAPOR", "HEAT CAPACITY OF THE MIXTURE", "CPMX", false},
        // One word in the name, the other in the alias.
        {"HEAT CPMX", "HEAT CAPACITY OF THE MIXTURE", "CPMX", true},
        {"MX", "HEAT CAPACITY OF THE MIXTURE", "CPMX", true},
        // The alias is compared as the engine delivered it.
        {"PLHX", "VAPOR PRESSURE", "plhx", false},
        {"PLHX", "VAPOR PRESSURE", "PLHX", true},
        // Parts of words match.
        {"PRESS VAP", "VAPOR PRESSURE", "PL", true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Matches(c.text, c.upperName, c.alias), c.matches) << '"' << c.text << '"';
}

TEST(PropertySearchSortTest, TheDescendingFlagIsSharedAndEachListKeepsItsColumn)
{
    int results = 0;
    int selection = 0;
    BOOL descending = FALSE;
    struct Click
    {
        int* list;
        int column;
        bool sorts;
        int lastColumn;
        BOOL descending;
    } clicks[] = {
        // The first click on column 0 toggles: column 0 counts as sorted already.
        {&results, 0, true, 0, TRUE},
        {&results, 0, true, 0, FALSE},
        {&results, 1, true, 1, FALSE},
        {&results, 1, true, 1, TRUE},
        // The other list's first click on its column 0 toggles the same flag.
        {&selection, 0, true, 0, FALSE},
        {&selection, 0, true, 0, TRUE},
        {&selection, 2, false, 0, TRUE},
        {&selection, -1, false, 0, TRUE},
        {&selection, 1, true, 1, FALSE},
        {&results, 1, true, 1, TRUE},
    };
    int step = 0;
    for (const Click& click : clicks)
    {
        EXPECT_EQ(quarnel::NextSortOrder(click.column, *click.list, descending), click.sorts)
            << "click " << step;
        EXPECT_EQ(*click.list, click.lastColumn) << "click " << step;
        EXPECT_EQ(descending, click.descending) << "click " << step;
        ++step;
    }
}

TEST(PropertySearchLayoutTest, GrowthIsTheExcessOverTheRecordedClientArea)
{
    const CSize recorded(460, 373);
    struct Case
    {
        CSize now;
        bool moves;
        CSize growth;
    } cases[] = {
        {{460, 373}, true, {0, 0}},  {{500, 393}, true, {40, 20}}, {{400, 393}, true, {0, 20}},
        {{500, 300}, true, {40, 0}}, {{459, 372}, false, {0, 0}},
    };
    for (const Case& c : cases)
    {
        CSize growth(-1, -1);
        EXPECT_EQ(quarnel::GrowthOf(recorded, c.now, growth), c.moves) << c.now.cx;
        if (c.moves)
        {
            EXPECT_EQ(growth.cx, c.growth.cx) << c.now.cx;
            EXPECT_EQ(growth.cy, c.growth.cy) << c.now.cx;
        }
    }
}
