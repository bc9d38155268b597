// The engine's physical properties: the catalogue format, the built-in catalogue, and the entry
// points that the property search calls.
#include <engine/properties.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <thread>

namespace
{

using engine::PropertyEntry;

std::string CatalogueError(const std::string& text)
{
    std::vector<PropertyEntry> out = {{"KEPT", "Kept", false, false}};
    std::string error;
    EXPECT_FALSE(engine::ParsePropertyCatalogue(text, out, &error)) << text;
    EXPECT_EQ(out.size(), 1u) << "a failed parse leaves the target alone";
    return error;
}

// Every row that one listing of SMfetchprop delivers, as "name|alias".
std::vector<std::string> Listing(int pureOnly, int includeCorrelations)
{
    char name[84];
    char alias[84];
    std::vector<std::string> rows;
    if (SMfetchprop(name, alias, 1, pureOnly, includeCorrelations) != 1)
        return rows;
    while (SMfetchprop(name, alias, 0, pureOnly, includeCorrelations) == 1)
        rows.push_back(std::string(name) + "|" + alias);
    return rows;
}

// The engine's property state as every test starts it, and leaves it again.
class PropertiesTest : public ::testing::Test
{
protected:
    void SetUp() override { Reset(); }
    void TearDown() override { Reset(); }
    static void Reset()
    {
        engine::SetPropertyCatalogue(engine::BuiltInPropertyCatalogue());
        engine::SetMultiplePropertiesNotice(engine::NoticeChoice::kNotAnswered);
        engine::SetSimulation({});
    }
};

} // namespace

TEST(PropertyCatalogueTest, ReadsAliasKindAndName)
{
    std::vector<PropertyEntry> rows;
    std::string error;
    ASSERT_TRUE(engine::ParsePropertyCatalogue("# comment\n"
                                               "\n"
                                               "MW  P  Molecular weight\r\n"
                                               "\tPLHX PC Vapor pressure,  Halvex correlation  \n"
                                               "HENRYHX C Henry's constant\n"
                                               "HMX - Enthalpy of the mixture",
                                               rows, &error))
        << error;
    EXPECT_EQ(rows, (std::vector<PropertyEntry>{
                        {"MW", "Molecular weight", true, false},
                        {"PLHX", "Vapor pressure,  Halvex correlation", true, true},
                        {"HENRYHX", "Henry's constant", false, true},
                        {"HMX", "Enthalpy of the mixture", false, false},
                    }));
}

TEST(PropertyCatalogueTest, MistakesNameTheirLine)
{
    const std::string longName(84, 'n');
    struct Case
    {
        std::string text;
        std::string error;
    } cases[] = {
        {"MW P\n", "line 1: a property needs an alias, a kind and a name"},
        {"# x\nMW\n", "line 2: a property needs an alias, a kind and a name"},
        {"mw P Molecular weight\n",
         "line 1: alias \"mw\" is not an upper-case word of at most 8 characters"},
        {"TOOLONGAL P Name\n",
         "line 1: alias \"TOOLONGAL\" is not an upper-case word of at most 8 characters"},
        {"MW X Molecular weight\n", "line 1: unknown kind \"X\" (one of -, P, C, PC)"},
        {"MW CP Molecular weight\n", "line 1: unknown kind \"CP\" (one of -, P, C, PC)"},
        {"MW P " + longName + "\n", "line 1: the name is longer than 83 characters"},
        {"MW P Weight\nMW - Other\n", "line 2: alias \"MW\" is listed twice"},
        {"MW P Weight\nMWX - WEIGHT\n", "line 2: name \"WEIGHT\" is listed twice"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CatalogueError(c.text), c.error) << c.text;
}

TEST(PropertyCatalogueTest, TheBuiltInCatalogueIsTheDataFileAndHasEveryKind)
{
    std::ifstream file(QUARNEL_DATA_DIR "/properties/catalogue.txt", std::ios::binary);
    ASSERT_TRUE(file);
    std::ostringstream text;
    text << file.rdbuf();
    std::vector<PropertyEntry> parsed;
    std::string error;
    ASSERT_TRUE(engine::ParsePropertyCatalogue(text.str(), parsed, &error)) << error;
    const auto& builtIn = engine::BuiltInPropertyCatalogue();
    EXPECT_EQ(builtIn, parsed);
    EXPECT_GE(builtIn.size(), 300u);

    auto count = [&](bool pureOnly, bool correlation) {
        return std::count_if(builtIn.begin(), builtIn.end(), [&](const PropertyEntry& e) {
            return e.pureOnly == pureOnly && e.correlation == correlation;
        });
    };
    EXPECT_GT(count(false, false), 0);
    EXPECT_GT(count(true, false), 0);
    EXPECT_GT(count(true, true), 0);
    EXPECT_GT(count(false, true), 0);

    // The sample simulation's property set names catalogue rows.
    for (const char* alias : {"MW", "TB"})
    {
        EXPECT_TRUE(std::any_of(builtIn.begin(), builtIn.end(), [&](const PropertyEntry& e) {
            return e.alias == alias;
        })) << alias;
    }
}

TEST_F(PropertiesTest, ListingLetsThroughWhatTheTwoFiltersAllow)
{
    engine::SetPropertyCatalogue({
        {"HMX", "Enthalpy of the mixture", false, false},
        {"MW", "Molecular weight", true, false},
        {"PLHX", "Vapor pressure, Halvex correlation", true, true},
        {"HENRYHX", "Henry's constant, Halvex correlation", false, true},
    });
    EXPECT_EQ(Listing(0, 0),
              (std::vector<std::string>{"Enthalpy of the mixture|HMX", "Molecular weight|MW"}));
    EXPECT_EQ(Listing(1, 0), (std::vector<std::string>{"Molecular weight|MW"}));
    EXPECT_EQ(Listing(1, 1), (std::vector<std::string>{"Molecular weight|MW",
                                                       "Vapor pressure, Halvex correlation|PLHX"}));
    EXPECT_EQ(Listing(0, 1).size(), 4u);

    // Starting delivers nothing; the end stays the end.
    char name[84] = "old";
    char alias[84] = "old";
    EXPECT_EQ(SMfetchprop(name, alias, 1, 1, 0), 1);
    EXPECT_STREQ(name, "");
    EXPECT_STREQ(alias, "");
    EXPECT_EQ(SMfetchprop(name, alias, 0, 0, 0), 1);
    EXPECT_STREQ(alias, "MW");
    EXPECT_EQ(SMfetchprop(name, alias, 0, 0, 0), 0);
    EXPECT_EQ(SMfetchprop(name, alias, 0, 0, 0), 0);
}

TEST_F(PropertiesTest, AListingKeepsItsRowsWhateverHappensElsewhere)
{
    engine::SetPropertyCatalogue({{"A", "First", false, false}, {"B", "Second", false, false}});
    char name[84];
    char alias[84];
    ASSERT_EQ(SMfetchprop(name, alias, 1, 0, 0), 1);
    ASSERT_EQ(SMfetchprop(name, alias, 0, 0, 0), 1);
    EXPECT_STREQ(alias, "A");

    // Another thread's whole listing, and a new catalogue, leave this listing where it was.
    std::vector<std::string> other;
    std::thread([&] { other = Listing(0, 0); }).join();
    EXPECT_EQ(other.size(), 2u);
    engine::SetPropertyCatalogue({});
    ASSERT_EQ(SMfetchprop(name, alias, 0, 0, 0), 1);
    EXPECT_STREQ(alias, "B");
    EXPECT_EQ(SMfetchprop(name, alias, 0, 0, 0), 0);
    EXPECT_TRUE(Listing(0, 0).empty());
}

TEST_F(PropertiesTest, TextsStayInsideTheir84ByteBuffers)
{
    const std::string longest(83, 'N');
    engine::SetPropertyCatalogue(
        {{"L", longest, false, false}, {std::string(90, 'A'), longest + "overlong", false, false}});
    // Exactly 84 bytes each, so that the sanitizer builds see a write past them.
    auto name = std::make_unique<char[]>(84);
    auto alias = std::make_unique<char[]>(84);
    ASSERT_EQ(SMfetchprop(name.get(), alias.get(), 1, 0, 0), 1);
    ASSERT_EQ(SMfetchprop(name.get(), alias.get(), 0, 0, 0), 1);
    EXPECT_EQ(name.get(), longest);
    ASSERT_EQ(SMfetchprop(name.get(), alias.get(), 0, 0, 0), 1);
    EXPECT_EQ(name.get(), longest);
    EXPECT_EQ(alias.get(), std::string(83, 'A'));
    // Null buffers are skipped, not written.
    ASSERT_EQ(SMfetchprop(nullptr, nullptr, 1, 0, 0), 1);
    EXPECT_EQ(SMfetchprop(nullptr, nullptr, 0, 0, 0), 1);

    // An alias without its terminator is read no further than its 84 bytes.
    auto unterminated = std::make_unique<char[]>(84);
    std::memset(unterminated.get(), 'A', 84);
    EXPECT_EQ(SMinsertprop(unterminated.get()), 1);
    EXPECT_EQ(SMchkprop(unterminated.get()), 1);
    EXPECT_EQ(engine::CurrentSimulation().propertySet.back().size(), 84u);
}

TEST_F(PropertiesTest, ThePropertySetTakesEachAliasOnce)
{
    engine::ModifySimulation([](engine::Simulation& s) { s.propertySet = {"MW"}; });
    EXPECT_EQ(SMchkprop("MW"), 1);
    EXPECT_EQ(SMchkprop("mw"), 1);
    EXPECT_EQ(SMchkprop("TB"), 0);
    EXPECT_EQ(SMchkprop(""), 0);
    EXPECT_EQ(SMchkprop(nullptr), 0);

    EXPECT_EQ(SMinsertprop("TB"), 1);
    EXPECT_EQ(SMinsertprop("tb"), 0);
    EXPECT_EQ(SMinsertprop("MW"), 0);
    EXPECT_EQ(SMinsertprop(""), 0);
    EXPECT_EQ(SMinsertprop(nullptr), 0);
    EXPECT_EQ(SMinsertprop("PLHX"), 1);
    EXPECT_EQ(engine::CurrentSimulation().propertySet,
              (std::vector<std::string>{"MW", "TB", "PLHX"}));
    EXPECT_EQ(SMchkprop("plhx"), 1);
}

TEST_F(PropertiesTest, TheNoticeChoiceIsKeptUntilChanged)
{
    using engine::NoticeChoice;
    struct Step
    {
        int request;
        int answer;
        NoticeChoice stored;
    } steps[] = {
        {-1, 1, NoticeChoice::kNotAnswered}, {7, 1, NoticeChoice::kNotAnswered},
        {0, 0, NoticeChoice::kDontShow},     {-1, 0, NoticeChoice::kDontShow},
        {7, 0, NoticeChoice::kDontShow},     {1, 1, NoticeChoice::kShow},
        {1, 1, NoticeChoice::kShow},         {-2, 1, NoticeChoice::kShow},
    };
    for (const Step& step : steps)
    {
        EXPECT_EQ(SMchkmultiple(step.request), step.answer) << step.request;
        EXPECT_EQ(engine::MultiplePropertiesNotice(), step.stored) << step.request;
    }
    engine::SetMultiplePropertiesNotice(NoticeChoice::kDontShow);
    EXPECT_EQ(SMchkmultiple(-1), 0);
}
