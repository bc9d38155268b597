// The property search's window-free logic: the word rules, matching, the sort order of the two
// lists, and where the controls go when the dialog grows.
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

std::string Describe(const CRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
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

TEST(PropertySearchSortTest, RowsCompareWithoutRegardToCaseByNameOrAlias)
{
    const PropertyRow density{"density", "RHOMX"};
    const PropertyRow enthalpy{"Enthalpy", "HMX"};
    EXPECT_LT(quarnel::CompareRows(density, enthalpy, 0, FALSE), 0);
    EXPECT_GT(quarnel::CompareRows(density, enthalpy, 0, TRUE), 0);
    EXPECT_GT(quarnel::CompareRows(density, enthalpy, 1, FALSE), 0);
    EXPECT_LT(quarnel::CompareRows(density, enthalpy, 1, TRUE), 0);
    EXPECT_EQ(quarnel::CompareRows(density, PropertyRow{"DENSITY", "rhomx"}, 0, FALSE), 0);
    EXPECT_EQ(quarnel::CompareRows(density, PropertyRow{"DENSITY", "rhomx"}, 1, TRUE), 0);
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

TEST(PropertySearchLayoutTest, ControlsMoveAndGrowByTheirShareOfTheGrowth)
{
    quarnel::PropertySearchLayout recorded;
    recorded.rcOk = CRect(93, 336, 168, 362);
    recorded.rcCancel = CRect(192, 336, 267, 362);
    recorded.rcHelp = CRect(291, 336, 366, 362);
    recorded.rcAdd = CRect(375, 167, 450, 193);
    recorded.rcRemove = CRect(375, 295, 450, 321);
    recorded.rcSelectionLabel = CRect(10, 201, 393, 217);
    recorded.rcResults = CRect(22, 105, 352, 193);
    recorded.rcSelection = CRect(22, 230, 352, 321);
    // Only the lists' left and top and the label's left and width come from the current
    // rectangles: a label the user cannot move, but that this proves is read.
    quarnel::PropertySearchLayout current;
    current.rcResults = CRect(20, 100, 0, 0);
    current.rcSelectionLabel = CRect(12, 0, 400, 0);
    current.rcSelection = CRect(24, 0, 0, 0);

    struct Case
    {
        CSize growth;
        const char* ok;
        const char* cancel;
        const char* help;
        const char* add;
        const char* remove;
        const char* label;
        const char* results;
        const char* selection;
    } cases[] = {
        {{0, 0},
         "93,336,168,362",
         "192,336,267,362",
         "291,336,366,362",
         "375,167,450,193",
         "375,295,450,321",
         "12,201,400,217",
         "20,100,352,193",
         "24,230,352,321"},
        {{40, 20},
         "103,356,178,382",
         "212,356,287,382",
         "321,356,396,382",
         "415,177,490,203",
         "415,315,490,341",
         "12,211,400,227",
         "20,100,392,203",
         "24,240,392,341"},
        // Quarters, halves and three quarters are truncated: 7 / 4 = 1, 7 / 2 = 3,
        // 3 * 7 / 4 = 5, 3 / 2 = 1.
        {{7, 3},
         "94,339,169,365",
         "195,339,270,365",
         "296,339,371,365",
         "382,168,457,194",
         "382,298,457,324",
         "12,202,400,218",
         "20,100,359,194",
         "24,231,359,324"},
    };
    for (const Case& c : cases)
    {
        const quarnel::PropertySearchLayout placed =
            quarnel::GrowLayout(recorded, current, c.growth);
        SCOPED_TRACE(testing::Message() << "growth " << c.growth.cx << "," << c.growth.cy);
        EXPECT_EQ(Describe(placed.rcOk), c.ok);
        EXPECT_EQ(Describe(placed.rcCancel), c.cancel);
        EXPECT_EQ(Describe(placed.rcHelp), c.help);
        EXPECT_EQ(Describe(placed.rcAdd), c.add);
        EXPECT_EQ(Describe(placed.rcRemove), c.remove);
        EXPECT_EQ(Describe(placed.rcSelectionLabel), c.label);
        EXPECT_EQ(Describe(placed.rcResults), c.results);
        EXPECT_EQ(Describe(placed.rcSelection), c.selection);
    }
}
