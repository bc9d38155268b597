// The component Find's plain functions: reading databank records, holding them against the
// criteria, the texts the dialog shows, ordering rows, and the class table.
#include "compsearch/class_table.h"
#include "compsearch/component_row.h"
#include "compsearch/databank_record.h"
#include "compsearch/search_criteria.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>
#include <string>

namespace
{

// A record as the engine fills it: each text in its field, zero-terminated when it is shorter.
struct RecordBuilder
{
    DatabankRecord record = {};

    RecordBuilder& Put(size_t offset, size_t size, const std::string& text)
    {
        std::memcpy(record.bytes + offset, text.data(), std::min(size, text.size()));
        return *this;
    }
    RecordBuilder& Name(const std::string& text)
    {
        return Put(DatabankRecord::kName, DatabankRecord::kNameSize, text);
    }
    RecordBuilder& Formula(const std::string& text)
    {
        return Put(DatabankRecord::kFormula, DatabankRecord::kFormulaSize, text);
    }
    RecordBuilder& Cas(const std::string& text)
    {
        return Put(DatabankRecord::kCasNumber, DatabankRecord::kCasNumberSize, text);
    }
    RecordBuilder& Class(const std::string& text)
    {
        return Put(DatabankRecord::kClass, DatabankRecord::kClassSize, text);
    }
    RecordBuilder& Weight(double value)
    {
        std::memcpy(record.bytes + DatabankRecord::kMolecularWeight, &value, sizeof value);
        return *this;
    }
    RecordBuilder& Boiling(double value)
    {
        std::memcpy(record.bytes + DatabankRecord::kBoilingPoint, &value, sizeof value);
        return *this;
    }
};

SearchCriteria Advanced()
{
    SearchCriteria criteria;
    criteria.bAdvanced = TRUE;
    criteria.strClass = "All";
    return criteria;
}

} // namespace

TEST(DatabankRecordTest, FieldsFilledToTheBrimAreReadWithinTheirSize)
{
    // Every text field full, none terminated: each read must stop at its own field's end, or
    // it runs into the next field. The record is a heap block of its own, so that reading past
    // the alternate name (the last text field, before 6 spare bytes that are not zero here
    // either) runs past the block, which the address sanitizer catches.
    auto storage = std::make_unique<DatabankRecord>();
    RecordBuilder b;
    std::memset(b.record.bytes, 'Q', DatabankRecord::kSize);
    b.Formula(std::string(16, 'F')).Name(std::string(64, 'N')).Cas(std::string(20, 'C'));
    b.Class(std::string(50, 'K'));
    b.Put(DatabankRecord::kAltName, DatabankRecord::kAltNameSize, std::string(64, 'A'));
    *storage = b.record;

    EXPECT_EQ(storage->Formula(), std::string(16, 'F'));
    EXPECT_EQ(storage->Name(), std::string(64, 'N'));
    EXPECT_EQ(storage->CasNumber(), std::string(20, 'C'));
    EXPECT_EQ(storage->Class(), std::string(50, 'K'));
    EXPECT_EQ(storage->AltName(), std::string(64, 'A'));

    ComponentRow row(*storage, "PURE25");
    EXPECT_EQ(row.strName.GetLength(), 64);
    EXPECT_EQ(row.strAltName.GetLength(), 64);
}

TEST(DatabankRecordTest, TheAlternateNameKeepsAtMostSixtyThreeCharactersAndItsTerminator)
{
    RecordBuilder b;
    std::memset(b.record.bytes, 'Q', DatabankRecord::kSize);
    b.record.SetAltName(std::string(100, 'S').c_str());
    EXPECT_EQ(b.record.AltName(), std::string(63, 'S'));
    // The spare bytes after the field are untouched.
    EXPECT_EQ(b.record.bytes[DatabankRecord::kAltName + 64], 'Q');

    b.record.SetAltName("WOOD ALCOHOL");
    EXPECT_EQ(b.record.AltName(), "WOOD ALCOHOL");
}

TEST(SearchCriteriaTest, NameTest)
{
    struct Case
    {
        const char* name;
        const char* formula;
        const char* text;
        int mode;
        bool matches;
    } cases[] = {
        {"WATER", "H2O", "WATER", 0, true},
        {"WATER", "H2O", "ATE", 0, true},  // mode 0: anywhere in the name
        {"WATER", "H2O", "ATE", 1, false}, // mode 1: only at the start
        {"WATER", "H2O", "WAT", 1, true},
        {"WATER", "H2O", "H2", 0, true},  // the formula's start
        {"WATER", "H2O", "2O", 0, false}, // never inside a formula
        {"WATER", "H2O", "2O", 1, false},
        {"WATER", "H2O", "water", 0, false}, // the text arrives upper-cased; case counts
        {"WATER", "H2O", "", 0, true},
        {"WATER", "H2O", "", 1, true},
        {"ETHANOL", "C2H6O", "C2", 1, true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesNameOrFormula(c.name, c.formula, c.text, c.mode), c.matches)
            << c.name << " / " << c.formula << " against \"" << c.text << "\" mode " << c.mode;
}

TEST(SearchCriteriaTest, MolecularWeightRangeNeedsBothBoundsAndAKnownWeight)
{
    SearchCriteria criteria = Advanced();
    criteria.strMwFrom = "18";
    criteria.strMwTo = "20";
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, RecordBuilder().Weight(18.015).record));
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, RecordBuilder().Weight(20).record))
        << "bounds count";
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, RecordBuilder().Weight(18).record));
    EXPECT_FALSE(PassesAdvancedCriteria(criteria, RecordBuilder().Weight(20.01).record));
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, RecordBuilder().Weight(0).record))
        << "an unknown weight passes any range";

    criteria.strMwTo = "";
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, RecordBuilder().Weight(300).record))
        << "one bound applies no filter";

    // Away from the "Advanced" page nothing but the name counts.
    criteria = Advanced();
    criteria.strMwFrom = "1";
    criteria.strMwTo = "2";
    EXPECT_FALSE(PassesAdvancedCriteria(criteria, RecordBuilder().Weight(300).record));
    criteria.bAdvanced = FALSE;
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, RecordBuilder().Weight(300).record));
}

TEST(SearchCriteriaTest, BoilingPointBoundsAreInTheUnitShown)
{
    SearchCriteria criteria = Advanced();
    criteria.strBpFrom = "99.9";
    criteria.strBpTo = "100.1";
    const DatabankRecord water = RecordBuilder().Boiling(373.15).record;
    criteria.nUnit = kUnitCelsius;
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, water));
    criteria.nUnit = kUnitKelvin;
    EXPECT_FALSE(PassesAdvancedCriteria(criteria, water));
    criteria.nUnit = kUnitFahrenheit;
    criteria.strBpFrom = "211.9";
    criteria.strBpTo = "212.1";
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, water));

    // 0 degrees Celsius is a real boiling point, not an unknown one.
    criteria.nUnit = kUnitCelsius;
    criteria.strBpFrom = "5";
    criteria.strBpTo = "10";
    EXPECT_FALSE(PassesAdvancedCriteria(criteria, RecordBuilder().Boiling(273.15).record));
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, RecordBuilder().Boiling(0).record))
        << "a kelvin figure of 0 is unknown and passes";
    EXPECT_FALSE(PassesAdvancedCriteria(criteria, RecordBuilder().Boiling(1e35).record))
        << "a boiling point marked unknown lies outside every range";
}

TEST(SearchCriteriaTest, ClassAndCasNumberIgnoreCase)
{
    SearchCriteria criteria = Advanced();
    const DatabankRecord methanol = RecordBuilder().Class("n-Alcohols").Cas("67-56-1").record;
    criteria.strClass = "ALL";
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, methanol)) << "\"All\" in any case";
    criteria.strClass = "N-ALCOHOLS";
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, methanol));
    criteria.strClass = "n-Alcohol";
    EXPECT_FALSE(PassesAdvancedCriteria(criteria, methanol)) << "the whole class must match";

    criteria.strClass = "All";
    criteria.strCasNo = "67-";
    EXPECT_TRUE(PassesAdvancedCriteria(criteria, methanol));
    criteria.strCasNo = "56-1";
    EXPECT_FALSE(PassesAdvancedCriteria(criteria, methanol)) << "a prefix, not a part";
}

TEST(SearchTextsTest, BoilingPointsInEveryUnit)
{
    EXPECT_DOUBLE_EQ(ConvertBoilingPoint(373.15, kUnitKelvin), 373.15);
    EXPECT_NEAR(ConvertBoilingPoint(373.15, kUnitCelsius), 100, 1e-9);
    EXPECT_NEAR(ConvertBoilingPoint(373.15, kUnitFahrenheit), 212, 1e-3);
    EXPECT_NEAR(ConvertBoilingPoint(373.15, kUnitRankine), 671.67, 1e-9);
    EXPECT_DOUBLE_EQ(ConvertBoilingPoint(373.15, 7), 373.15) << "an unknown index is kelvin";

    EXPECT_EQ(std::string(BoilingPointTitle(kUnitFahrenheit)), "BP <F>");
    EXPECT_EQ(std::string(BoilingPointTitle(kUnitKelvin)), "BP <K>");
    EXPECT_EQ(std::string(BoilingPointTitle(kUnitCelsius)), "BP <C>");
    EXPECT_EQ(std::string(BoilingPointTitle(kUnitRankine)), "BP <R>");
    EXPECT_EQ(std::string(BoilingPointTitle(-1)), "BP <K>");

    EXPECT_EQ(std::string(BoilingPointText(373.15, kUnitKelvin)), "373.15");
    EXPECT_EQ(std::string(BoilingPointText(373.15, kUnitCelsius)), "100");
    EXPECT_EQ(std::string(BoilingPointText(2e34, kUnitKelvin)), " ");

    // The host's unit codes: 2 F, 4 C, 5 R, anything else K.
    EXPECT_EQ(UnitIndexOfGlobalUnit(2), kUnitFahrenheit);
    EXPECT_EQ(UnitIndexOfGlobalUnit(4), kUnitCelsius);
    EXPECT_EQ(UnitIndexOfGlobalUnit(5), kUnitRankine);
    EXPECT_EQ(UnitIndexOfGlobalUnit(1), kUnitKelvin);
    EXPECT_EQ(UnitIndexOfGlobalUnit(99), kUnitKelvin);
}

TEST(SearchTextsTest, StatusAtTheEndOfASearch)
{
    EXPECT_EQ(std::string(SearchEndText(5, false)), "Matches found : 5     ");
    EXPECT_EQ(std::string(SearchEndText(123456, false)), "Matches found : 123456");
    EXPECT_EQ(std::string(SearchEndText(1234567, false)), "Matches found : 1234567");
    EXPECT_EQ(std::string(SearchEndText(0, false)), "No Match" + std::string(18, ' '));
    EXPECT_EQ(std::string(SearchEndText(5, true)),
              "Matches found : 5     " + std::string(16, ' ') + "Search aborted");
    EXPECT_EQ(std::string(SearchEndText(0, true)),
              "No Match" + std::string(34, ' ') + "Search aborted");
}

TEST(ComponentRowTest, ColumnsOrderTextsWithoutCaseAndNumbersAsNumbers)
{
    ComponentRow a, b;
    a.strName = "methanol";
    b.strName = "ETHANOL";
    a.dMolecularWeight = 9.5; // as text "9.5" would sort after "32.04"
    b.dMolecularWeight = 32.04;
    a.dBoilingPoint = b.dBoilingPoint = 337.8;
    a.strCasNumber = "67-56-1";
    b.strCasNumber = "67-56-1";
    EXPECT_GT(CompareComponentRows(a, b, kColumnName), 0);
    EXPECT_LT(CompareComponentRows(a, b, kColumnMolecularWeight), 0);
    EXPECT_EQ(CompareComponentRows(a, b, kColumnBoilingPoint), 0);
    EXPECT_EQ(CompareComponentRows(a, b, kColumnCasNumber), 0);
    b.strName = "Methanol";
    EXPECT_EQ(CompareComponentRows(a, b, kColumnName), 0);
    EXPECT_EQ(CompareComponentRows(a, b, 8), 0);
}

TEST(ClassTableTest, HoldsItsHundredAndTwoRowsWithinTheirWidth)
{
    ASSERT_EQ(ComponentClassCount(), 102);
    EXPECT_STREQ(g_aszComponentClasses[0], "Methylalkanes");
    EXPECT_STREQ(g_aszComponentClasses[101], "n-Alkanes");
    std::multiset<std::string> names;
    for (int i = 0; i < ComponentClassCount(); ++i)
    {
        EXPECT_LT(std::strlen(g_aszComponentClasses[i]), 33u) << i;
        names.insert(g_aszComponentClasses[i]);
    }
    EXPECT_EQ(names.count("Polyols"), 2u);
    EXPECT_EQ(names.size() - names.count("Polyols"), 100u);
}
