// The engine's databanks as data: what was generated at build time is sound chemistry in the
// record's limits, the synthetic databanks are what benchmarks expect, and a databank file
// with a mistake is refused with its line.
#include <engine/databanks.h>

#include "compsearch/class_table.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <set>

namespace
{

// The component Find's class table: a record's class must be one of these for the class
// criterion to find it.
std::set<std::string> ClassTable()
{
    std::set<std::string> classes;
    for (int i = 0; i < ComponentClassCount(); ++i)
        classes.insert(g_aszComponentClasses[i]);
    return classes;
}
const std::set<std::string> kClassTable = ClassTable();

// A CAS registry number: 2 to 7 digits, 2 digits, and a check digit that is the sum of the
// other digits times their place counted from the right, modulo 10.
bool IsValidCas(const std::string& cas)
{
    std::size_t first = cas.find('-');
    std::size_t second = cas.find('-', first + 1);
    if (first == std::string::npos || second != first + 3 || second + 2 != cas.size() ||
        first < 2 || first > 7)
        return false;
    std::string digits = cas.substr(0, first) + cas.substr(first + 1, 2);
    int sum = 0;
    int place = 1;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it, ++place)
    {
        if (!std::isdigit(static_cast<unsigned char>(*it)))
            return false;
        sum += (*it - '0') * place;
    }
    return std::isdigit(static_cast<unsigned char>(cas.back())) && sum % 10 == cas.back() - '0';
}

std::shared_ptr<const engine::Databank> Bank(const char* name)
{
    auto bank = engine::FindDatabank(name);
    EXPECT_NE(bank, nullptr) << name << " in " << engine::DatabankFolder();
    return bank;
}

const engine::PureComponent& Component(const char* bank, const char* name)
{
    static const engine::PureComponent kMissing;
    auto databank = Bank(bank);
    const engine::PureComponent* found = databank ? databank->Find(name) : nullptr;
    EXPECT_NE(found, nullptr) << name << " in " << bank;
    return found != nullptr ? *found : kMissing;
}

} // namespace

TEST(DatabankDataTest, ThreePureDatabanksInTheirOrder)
{
    EXPECT_EQ(engine::PureDatabankNames(),
              (std::vector<std::string>{"PURE25", "AQUEOUS", "INORGANIC"}));
    // The organic structures make hundreds of components; the curated tables the rest.
    EXPECT_GT(Bank("PURE25")->Components().size(), 500u);
    EXPECT_GT(Bank("AQUEOUS")->Components().size(), 60u);
    EXPECT_GT(Bank("INORGANIC")->Components().size(), 50u);
    // Names are looked up without regard to case.
    EXPECT_EQ(Bank("aqueous")->Name(), "AQUEOUS");
}

TEST(DatabankDataTest, EveryComponentIsCompleteAndFitsItsRecord)
{
    ASSERT_EQ(kClassTable.size(), 101u); // 102 rows, "Polyols" twice
    for (const std::string& name : engine::PureDatabankNames())
    {
        std::set<std::string> names;
        for (const engine::PureComponent& c : Bank(name.c_str())->Components())
        {
            SCOPED_TRACE(name + ": " + c.name);
            EXPECT_TRUE(names.insert(c.name).second) << "listed twice";
            EXPECT_TRUE(kClassTable.count(c.componentClass)) << c.componentClass;
            EXPECT_FALSE(c.formula.empty());
            EXPECT_GT(c.molecularWeight, 0.9);
            EXPECT_LT(c.name.size(), engine::record::kNameSize);
            EXPECT_LT(c.formula.size(), engine::record::kFormulaSize);
            EXPECT_LE(c.id.size(), engine::record::kIdSize);
            EXPECT_FALSE(c.id.empty());
            // The search upper-cases what the user types and compares case-sensitively.
            for (const std::string* text : {&c.name, &c.formula})
            {
                for (char ch : *text)
                    EXPECT_FALSE(std::islower(static_cast<unsigned char>(ch))) << *text;
            }
            if (!c.cas.empty())
            {
                EXPECT_TRUE(IsValidCas(c.cas)) << c.cas;
            }
            if (c.boilingPoint < 1e34)
            {
                EXPECT_GT(c.boilingPoint, 4.0);
                EXPECT_LT(c.boilingPoint, 4000.0);
            }
            for (const std::string& synonym : c.synonyms)
            {
                EXPECT_LT(synonym.size(), engine::record::kAltNameSize);
                EXPECT_NE(synonym, c.name);
            }
        }
    }
}

TEST(DatabankDataTest, CuratedComponentsCarryCasNumbersAndIdsAreUniqueAcrossDatabanks)
{
    // Everything in the aqueous and inorganic databanks comes from the curated tables.
    for (const char* bank : {"AQUEOUS", "INORGANIC"})
    {
        for (const engine::PureComponent& c : Bank(bank)->Components())
            EXPECT_FALSE(c.cas.empty()) << bank << ": " << c.name;
    }
    // One component has one ID everywhere, and no two components share one.
    std::map<std::string, std::string> nameOfId;
    for (const std::string& bank : engine::PureDatabankNames())
    {
        for (const engine::PureComponent& c : Bank(bank.c_str())->Components())
        {
            auto [it, added] = nameOfId.emplace(c.id, c.name);
            EXPECT_EQ(it->second, c.name) << "ID " << c.id;
        }
    }
}

TEST(DatabankDataTest, ElectrolyteComponentsAndDuplicatesAcrossDatabanks)
{
    for (const char* name :
         {"WATER", "SODIUM CHLORIDE", "CARBON DIOXIDE", "AMMONIA", "HYDROGEN SULFIDE",
          "HYDROGEN CHLORIDE", "SULFURIC ACID", "SODIUM HYDROXIDE", "SODIUM ION", "CHLORIDE ION",
          "HYDROXIDE ION", "BICARBONATE ION", "MONOETHANOLAMINE"})
        Component("AQUEOUS", name);
    // Found in all three: the search lists it once, from the first databank.
    for (const char* bank : {"PURE25", "AQUEOUS", "INORGANIC"})
        EXPECT_EQ(Component(bank, "WATER").cas, "7732-18-5");
    // Ions exist only in solution.
    EXPECT_EQ(Bank("PURE25")->Find("SODIUM ION"), nullptr);
}

TEST(DatabankDataTest, ValuesOfWellKnownComponents)
{
    struct Expected
    {
        const char* name;
        const char* formula;
        double mw;
        double tb; // 0: none known
        const char* cas;
        const char* componentClass;
    };
    const Expected table[] = {
        {"WATER", "H2O", 18.015, 373.15, "7732-18-5", "Other-inorganics"},
        {"ETHANOL", "C2H6O", 46.07, 351.15, "64-17-5", "n-Alcohols"},
        {"N-HEXANE", "C6H14", 86.18, 342.15, "110-54-3", "n-Alkanes"},
        {"TOLUENE", "C7H8", 92.14, 383.15, "108-88-3", "n-Alkylbenzenes"},
        {"ETHYL ACETATE", "C4H8O2", 88.11, 350.15, "141-78-6", "Acetates"},
        {"NAPHTHALENE", "C10H8", 128.17, 491.15, "91-20-3", "Naphthalenes"},
        {"GLYCEROL", "C3H8O3", 92.09, 563.15, "56-81-5", "Polyols"},
        {"SODIUM CHLORIDE", "NACL", 58.44, 1738.15, "7647-14-5", "Sodium-salts"},
        {"CARBON DIOXIDE", "CO2", 44.01, 0, "124-38-9", "Inorganic-gases"},
        {"HYDROGEN SULFIDE", "H2S", 34.08, 212.85, "7783-06-4", "Inorganic-gases"},
        {"SULFURIC ACID", "H2SO4", 98.08, 610.15, "7664-93-9", "Inorganic-acids"},
    };
    for (const Expected& e : table)
    {
        SCOPED_TRACE(e.name);
        const engine::PureComponent& c = Component("PURE25", e.name);
        EXPECT_EQ(c.formula, e.formula);
        EXPECT_NEAR(c.molecularWeight, e.mw, 0.02);
        if (e.tb == 0)
        {
            EXPECT_GT(c.boilingPoint, 1e34);
        }
        else
        {
            EXPECT_NEAR(c.boilingPoint, e.tb, 2.0);
        }
        EXPECT_EQ(c.cas, e.cas);
        EXPECT_EQ(c.componentClass, e.componentClass);
    }
    // Common names are the components' names; systematic ones are alternate names.
    const auto& ethanol = Component("PURE25", "ETHANOL").synonyms;
    EXPECT_NE(std::find(ethanol.begin(), ethanol.end(), "ETHYL ALCOHOL"), ethanol.end());
    const auto& butanol = Component("PURE25", "1-BUTANOL").synonyms;
    EXPECT_NE(std::find(butanol.begin(), butanol.end(), "BUTAN-1-OL"), butanol.end());
}

TEST(SyntheticDatabankTest, HasTheRequestedSizeAndSoundRecords)
{
    EXPECT_EQ(engine::SyntheticDatabankName(100000), "SYNTH-100000");
    auto bank = engine::FindDatabank("SYNTH-10000");
    ASSERT_NE(bank, nullptr);
    ASSERT_EQ(bank->Components().size(), 10000u);
    // Made once: a second look-up gets the same databank.
    EXPECT_EQ(engine::FindDatabank("synth-10000"), bank);
    std::set<std::string> names;
    int withoutBoilingPoint = 0;
    for (const engine::PureComponent& c : bank->Components())
    {
        EXPECT_TRUE(names.insert(c.name).second);
        EXPECT_TRUE(IsValidCas(c.cas)) << c.cas;
        EXPECT_TRUE(kClassTable.count(c.componentClass));
        EXPECT_EQ(c.id.size(), engine::record::kIdSize);
        withoutBoilingPoint += c.boilingPoint > 1e34;
    }
    EXPECT_GT(withoutBoilingPoint, 0);
    EXPECT_NE(bank->Find("SYNTHETIC COMPONENT 000042"), nullptr);
    EXPECT_EQ(engine::FindDatabank("SYNTH-100000")->Components().size(), 100000u);
}

TEST(SyntheticDatabankTest, OnlyWellFormedSizesNameOne)
{
    for (const char* name : {"SYNTH-0", "SYNTH-01", "SYNTH-", "SYNTH-1000001", "SYNTH-12x",
                             "SYNTH--5", "SYNTH-99999999999"})
        EXPECT_EQ(engine::FindDatabank(name), nullptr) << name;
    EXPECT_NE(engine::FindDatabank("SYNTH-1"), nullptr);
}

TEST(DatabankFileTest, MistakesAreRefusedWithTheirLine)
{
    const std::string header = "id\tname\tformula\tmw\ttb\tcas\tclass\tsynonyms\n";
    struct Case
    {
        std::string text;
        const char* error;
    };
    const Case cases[] = {
        {"", "X line 1: no header line"},
        {"id\tname\n", "X line 1: the header line is not the expected one"},
        {header + "A\tB\tC\t1\n", "X line 2: 4 cells instead of 8"},
        {header + "A\tB\tC\tx\t\t\tK\t\n", "X line 2: the molecular weight is not a number"},
        {header + "# c\nA\tB\tC\t1\t3x\t\tK\t\n", "X line 3: the boiling point is not a number"},
        {header + "A\t\tC\t1\t\t\tK\t\n", "X line 2: a field is empty or does not fit the record"},
        {header + "A\tB\tC234567890123456\t1\t\t\tK\t\n",
         "X line 2: a field is empty or does not fit the record"},
        {header + "ABCDEFGHI\tB\tC\t1\t\t\tK\t\n",
         "X line 2: a field is empty or does not fit the record"},
    };
    for (const Case& c : cases)
    {
        std::string error;
        EXPECT_EQ(engine::ParseDatabank("X", c.text, &error), nullptr) << c.text;
        EXPECT_EQ(error, c.error);
    }
    std::string error;
    auto bank = engine::ParseDatabank(
        "X", header + "W\tWATER\tH2O\t18.015\t373.15\t7732-18-5\tOther-inorganics\tA|B\r\n",
        &error);
    ASSERT_NE(bank, nullptr) << error;
    const engine::PureComponent& water = bank->Components().at(0);
    EXPECT_EQ(water.synonyms, (std::vector<std::string>{"A", "B"}));
    EXPECT_DOUBLE_EQ(water.boilingPoint, 373.15);
    EXPECT_EQ(bank->Find("water"), &water);
}

TEST(DatabankFolderTest, AnotherFolderServesItsOwnDatabanksAndAnEmptyOneNone)
{
    TempDir dir;
    dir.File("databanks.list", "# order\nSMALL\r\n\nMISSING\n");
    dir.File("SMALL.tsv", "id\tname\tformula\tmw\ttb\tcas\tclass\tsynonyms\n"
                          "W\tWATER\tH2O\t18.015\t373.15\t7732-18-5\tOther-inorganics\t\n");
    std::shared_ptr<const engine::Databank> before = engine::FindDatabank("PURE25");
    engine::SetDatabankFolder(dir.Path());
    EXPECT_EQ(engine::PureDatabankNames(), (std::vector<std::string>{"SMALL", "MISSING"}));
    EXPECT_EQ(engine::FindDatabank("SMALL")->Components().size(), 1u);
    // Listed without a file, or not listed at all: no databank.
    EXPECT_EQ(engine::FindDatabank("MISSING"), nullptr);
    EXPECT_EQ(engine::FindDatabank("PURE25"), nullptr);
    // A databank taken before the change stays whole for whoever holds it.
    EXPECT_GT(before->Components().size(), 500u);

    TempDir empty;
    engine::SetDatabankFolder(empty.Path());
    EXPECT_TRUE(engine::PureDatabankNames().empty());
    engine::SetDatabankFolder("");
    EXPECT_EQ(engine::PureDatabankNames().size(), 3u);
}
