// The component Find's entry points of rava and vxg, reached the way the module reaches them:
// by name through LoadLibraryA and GetProcAddress, with the record as raw bytes.
#include <engine/databanks.h>
#include <engine/simulation.h>

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <thread>

namespace
{

using PFN_SMgetdbanks = int(CDECL*)(char*, int);
using PFN_SMfetchdbk = int(CDECL*)(const char*, void*, int);
using PFN_SMfindsynonym = int(CDECL*)(void*, const char*, int, const char**, int*);
using PFN_SMgetglobalunit = int(CDECL*)(int, int*);
using PFN_SMinsertcomp = int(CDECL*)(const char*, const char*, int);
using PFN_SMinsertcompext = int(CDECL*)(const char*, const char*, const char*, int);
using PFN_SMsetseldbanks = int(CDECL*)(const char* const*, int);
using PFN_GetTotalNumberOfPureDatabanks = int(CDECL*)();
using PFN_GetPureDatabanksList = int(CDECL*)(char**);
using PFN_EnumDbaseDbankName = int(CDECL*)(const char*, void*, int);

using Record = std::array<char, engine::record::kSize>;

class FindEntryPointsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        engine::SetSimulation({});
        rava = ::LoadLibraryA("rava.dll");
        vxg = ::LoadLibraryA("vxg.dll");
        ASSERT_NE(rava, nullptr);
        ASSERT_NE(vxg, nullptr);
        Fetch(rava, "SMgetdbanks", getdbanks);
        Fetch(rava, "SMfetchdbk", fetchdbk);
        Fetch(rava, "SMfindsynonym", findsynonym);
        Fetch(rava, "SMgetglobalunit", getglobalunit);
        Fetch(rava, "SMinsertcomp", insertcomp);
        Fetch(rava, "SMinsertcompext", insertcompext);
        Fetch(rava, "SMsetseldbanks", setseldbanks);
        Fetch(vxg, "GetTotalNumberOfPureDatabanks", totalPure);
        Fetch(vxg, "GetPureDatabanksList", pureList);
        Fetch(vxg, "EnumDbaseDbankName", enumDbank);
    }
    void TearDown() override
    {
        ::FreeLibrary(vxg);
        ::FreeLibrary(rava);
        engine::SetSimulation({});
    }

    template <class Function> void Fetch(HMODULE library, const char* name, Function& slot)
    {
        slot = reinterpret_cast<Function>(
            reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
        ASSERT_NE(slot, nullptr) << name;
    }

    std::vector<std::string> EnumerateDatabanks()
    {
        std::vector<std::string> names;
        char name[16];
        if (getdbanks(name, 1) != 1)
            return names;
        while (getdbanks(name, 0) == 1)
            names.emplace_back(name);
        return names;
    }

    // The record of a component, fetched the way the search does it.
    Record Fetched(const char* databank, const char* name)
    {
        Record record;
        record.fill('\x7f');
        EXPECT_EQ(fetchdbk(databank, nullptr, 1), 1);
        while (fetchdbk(nullptr, record.data(), 0) == 1)
        {
            if (Text(record, engine::record::kName, engine::record::kNameSize) == name)
                return record;
        }
        ADD_FAILURE() << name << " not in " << databank;
        return record;
    }

    static std::string Text(const Record& record, std::size_t offset, std::size_t size)
    {
        return engine::RecordText(record.data(), offset, size);
    }
    static double Number(const Record& record, std::size_t offset)
    {
        double value;
        std::memcpy(&value, record.data() + offset, sizeof value);
        return value;
    }

    std::vector<std::string> ComponentIds()
    {
        std::vector<std::string> ids;
        for (const engine::Component& c : engine::CurrentSimulation().components)
            ids.push_back(c.id);
        return ids;
    }

    HMODULE rava = nullptr;
    HMODULE vxg = nullptr;
    PFN_SMgetdbanks getdbanks = nullptr;
    PFN_SMfetchdbk fetchdbk = nullptr;
    PFN_SMfindsynonym findsynonym = nullptr;
    PFN_SMgetglobalunit getglobalunit = nullptr;
    PFN_SMinsertcomp insertcomp = nullptr;
    PFN_SMinsertcompext insertcompext = nullptr;
    PFN_SMsetseldbanks setseldbanks = nullptr;
    PFN_GetTotalNumberOfPureDatabanks totalPure = nullptr;
    PFN_GetPureDatabanksList pureList = nullptr;
    PFN_EnumDbaseDbankName enumDbank = nullptr;
};

} // namespace

TEST_F(FindEntryPointsTest, SelectedDatabanksAreEnumeratedAfterAnEmptyStart)
{
    char name[16] = "untouched";
    // Starting delivers no name: the first one comes with the first call with 0.
    EXPECT_EQ(getdbanks(name, 1), 1);
    EXPECT_STREQ(name, "");
    EXPECT_EQ(EnumerateDatabanks(), (std::vector<std::string>{"PURE25", "AQUEOUS", "INORGANIC"}));
    EXPECT_EQ(getdbanks(name, 0), 0);

    const char* chosen[] = {"AQUEOUS", "SYNTH-10"};
    EXPECT_EQ(setseldbanks(chosen, 2), 2);
    EXPECT_EQ(EnumerateDatabanks(), (std::vector<std::string>{"AQUEOUS", "SYNTH-10"}));
    // The selection is the simulation's, so a saved simulation keeps it.
    EXPECT_NE(engine::FormatSimulation(engine::CurrentSimulation())
                  .find("record Databanks SELECTED names=\"AQUEOUS SYNTH-10\""),
              std::string::npos);

    // No databank selected: the enumeration does not even start.
    EXPECT_EQ(setseldbanks(nullptr, 0), 0);
    EXPECT_EQ(getdbanks(name, 1), 0);
    EXPECT_EQ(setseldbanks(nullptr, 1), 0);
    EXPECT_EQ(getdbanks(nullptr, 1), 0);
}

TEST_F(FindEntryPointsTest, RecordsCarryEveryFieldAtItsOffsetEndedInsideItsField)
{
    Record water = Fetched("PURE25", "WATER");
    EXPECT_EQ(Text(water, engine::record::kFormula, engine::record::kFormulaSize), "H2O");
    EXPECT_NEAR(Number(water, engine::record::kBoilingPoint), 373.15, 1.0);
    EXPECT_NEAR(Number(water, engine::record::kMolecularWeight), 18.015, 0.01);
    EXPECT_EQ(Text(water, engine::record::kId, engine::record::kIdSize), "WATER");
    EXPECT_EQ(Text(water, engine::record::kCas, engine::record::kCasSize), "7732-18-5");
    EXPECT_EQ(Text(water, engine::record::kClass, engine::record::kClassSize), "Other-inorganics");
    EXPECT_EQ(Text(water, engine::record::kAltName, engine::record::kAltNameSize),
              "DIHYDROGEN OXIDE");
    EXPECT_EQ(std::string(water.data() + engine::record::kReserved, engine::record::kReservedSize),
              std::string(engine::record::kReservedSize, '\0'));

    // Every record of every databank ends its strings inside their fields, over a buffer that
    // held something else before (the search never clears it between records).
    for (const char* bank : {"PURE25", "AQUEOUS", "INORGANIC"})
    {
        Record record;
        record.fill('\x7f');
        ASSERT_EQ(fetchdbk(bank, nullptr, 1), 1);
        int count = 0;
        while (fetchdbk(nullptr, record.data(), 0) == 1)
        {
            ++count;
            for (auto [offset, size] :
                 {std::pair{engine::record::kFormula, engine::record::kFormulaSize},
                  {engine::record::kName, engine::record::kNameSize},
                  {engine::record::kCas, engine::record::kCasSize},
                  {engine::record::kClass, engine::record::kClassSize},
                  {engine::record::kAltName, engine::record::kAltNameSize}})
                ASSERT_LT(strnlen(record.data() + offset, size), size) << bank << " #" << count;
        }
        EXPECT_EQ(count, static_cast<int>(engine::FindDatabank(bank)->Components().size()));
        // Past the end it stays at the end.
        EXPECT_EQ(fetchdbk(nullptr, record.data(), 0), 0);
    }

    // A synthetic ID fills its whole field: no terminating zero to rely on.
    Record synthetic = Fetched("SYNTH-10", "SYNTHETIC COMPONENT 000003");
    EXPECT_EQ(Text(synthetic, engine::record::kId, engine::record::kIdSize), "S0000003");
    EXPECT_EQ(Text(synthetic, engine::record::kName, engine::record::kNameSize),
              "SYNTHETIC COMPONENT 000003");
}

TEST_F(FindEntryPointsTest, OpeningFailsForUnknownDatabanksAndFetchingNeedsAnOpenOne)
{
    Record record{};
    EXPECT_EQ(fetchdbk("NOSUCHBANK", nullptr, 1), 0);
    EXPECT_EQ(fetchdbk(nullptr, record.data(), 0), 0);
    EXPECT_EQ(fetchdbk(nullptr, nullptr, 1), 0);
    EXPECT_EQ(fetchdbk("INORGANIC", nullptr, 1), 1);
    EXPECT_EQ(fetchdbk(nullptr, nullptr, 0), 0);
    EXPECT_EQ(fetchdbk(nullptr, record.data(), 0), 1);
}

TEST_F(FindEntryPointsTest, SynonymsMatchByModeAndNameTheOneToShow)
{
    Record ethanol = Fetched("PURE25", "ETHANOL");
    struct Case
    {
        const char* text;
        int mode;
        int result;
        const char* shown;
    };
    const Case cases[] = {
        {"ALCOHOL", 0, 1, "ETHYL ALCOHOL"}, // contained
        {"ALCOHOL", 1, 0, "ETHYL ALCOHOL"}, // begins no synonym: the first is still shown
        {"GRAIN", 1, 1, "GRAIN ALCOHOL"},   // the synonym that matched is the one shown
        {"grain", 0, 1, "GRAIN ALCOHOL"},   {"", 0, 1, "ETHYL ALCOHOL"},
        {"METHYL", 0, 0, "ETHYL ALCOHOL"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.text + std::string(" mode ") + std::to_string(c.mode));
        const char* shown = nullptr;
        int done = 0;
        EXPECT_EQ(findsynonym(ethanol.data(), c.text, c.mode, &shown, &done), c.result);
        ASSERT_NE(shown, nullptr);
        EXPECT_STREQ(shown, c.shown);
        EXPECT_EQ(done, 1);
    }

    // Without alternate names nothing is shown.
    Record propane = Fetched("PURE25", "PROPANE");
    const char* shown = "stale";
    int done = 0;
    EXPECT_EQ(findsynonym(propane.data(), "", 0, &shown, &done), 0);
    EXPECT_EQ(shown, nullptr);

    // A name field without a terminating zero is read within its 64 bytes and names nothing.
    Record garbage;
    garbage.fill('X');
    shown = nullptr;
    done = 0;
    EXPECT_EQ(findsynonym(garbage.data(), "X", 0, &shown, &done), 0);
    EXPECT_EQ(done, 0);
    EXPECT_EQ(findsynonym(nullptr, "X", 0, &shown, &done), 0);

    // A record from a databank this thread did not open is still known by its name.
    ASSERT_EQ(fetchdbk("SYNTH-10", nullptr, 1), 1);
    EXPECT_EQ(findsynonym(ethanol.data(), "WOOD", 0, &shown, &done), 0);
    EXPECT_EQ(findsynonym(Fetched("SYNTH-10", "SYNTHETIC COMPONENT 000002").data(), "SYN-0000", 1,
                          &shown, &done),
              1);
    EXPECT_STREQ(shown, "SYN-000002");
}

TEST_F(FindEntryPointsTest, TheGlobalTemperatureUnitComesFromTheSimulation)
{
    int unit = -7;
    EXPECT_EQ(getglobalunit(22, &unit), 1);
    EXPECT_EQ(unit, engine::kKelvin);
    for (auto [text, code] : {std::pair{"F", 2}, {"C", 4}, {"R", 5}, {"K", 1}, {"X", 1}})
    {
        engine::Simulation simulation;
        std::string error;
        ASSERT_TRUE(engine::ParseSimulation(
            std::string("record Units GLOBAL temperature=") + text + "\n", simulation, &error));
        engine::SetSimulation(simulation);
        EXPECT_EQ(getglobalunit(22, &unit), 1);
        EXPECT_EQ(unit, code) << text;
    }
    engine::SetGlobalTemperatureUnit(engine::kRankine);
    EXPECT_EQ(engine::GlobalTemperatureUnit(), engine::kRankine);
    // Other quantities are not kept; the unit is left alone.
    unit = -7;
    EXPECT_EQ(getglobalunit(21, &unit), 0);
    EXPECT_EQ(unit, -7);
    EXPECT_EQ(getglobalunit(22, nullptr), 0);
}

TEST_F(FindEntryPointsTest, InsertedComponentsTakeTheirPositionInTheSimulation)
{
    std::string error;
    ASSERT_TRUE(
        engine::LoadSimulationFile(QUARNEL_DATA_DIR "/simulations/water-ethanol.sim", &error))
        << error;
    // Position n makes the component the n-th; 0, -1 and past the end append.
    EXPECT_EQ(insertcomp("PURE25", "METHANOL", 1), 1);
    EXPECT_EQ(insertcomp("PURE25", "ACETONE", 2), 1);
    EXPECT_EQ(insertcomp("AQUEOUS", "SODIUM ION", -1), 1);
    EXPECT_EQ(insertcomp("INORGANIC", "NITROGEN", 0), 1);
    EXPECT_EQ(insertcomp("PURE25", "n-hexane", 99), 1);
    EXPECT_EQ(ComponentIds(), (std::vector<std::string>{"METHANOL", "ACETONE", "WATER", "ETHANOL",
                                                        "SODIUMIO", "NITROGEN", "NHEXANE"}));
    const engine::Component added = engine::CurrentSimulation().components[0];
    EXPECT_EQ(
        added.attributes,
        (engine::Attributes{{"databank", "PURE25"}, {"name", "METHANOL"}, {"formula", "CH4O"}}));

    // Refused without a change: a component the simulation holds (from any databank), an
    // unknown component or databank, missing text.
    auto before = engine::CurrentSimulation();
    EXPECT_EQ(insertcomp("AQUEOUS", "methanol", 1), 0);
    EXPECT_EQ(insertcomp("PURE25", "WATER", 1), 0);
    EXPECT_EQ(insertcomp("PURE25", "UNOBTAINIUM", 1), 0);
    EXPECT_EQ(insertcomp("NOSUCHBANK", "WATER", 1), 0);
    EXPECT_EQ(insertcomp(nullptr, "WATER", 1), 0);
    EXPECT_EQ(insertcomp("PURE25", nullptr, 1), 0);
    EXPECT_EQ(engine::CurrentSimulation(), before);
}

TEST_F(FindEntryPointsTest, TheExtendedInsertTakesAFreeIdOfItsOwn)
{
    std::string error;
    engine::Simulation simulation;
    ASSERT_TRUE(engine::ParseSimulation("component METHANOL name=OTHER\n"
                                        "component METHANO2 name=THIRD\n",
                                        simulation, &error));
    engine::SetSimulation(simulation);
    // The default ID is taken twice: the engine numbers it.
    EXPECT_EQ(insertcompext("PURE25", "METHANOL", nullptr, -1), 1);
    EXPECT_EQ(insertcompext("PURE25", "ETHANOL", "ETOH", 1), 1);
    EXPECT_EQ(insertcompext("PURE25", "ACETONE", "", 2), 1);
    EXPECT_EQ(ComponentIds(),
              (std::vector<std::string>{"ETOH", "ACETONE", "METHANOL", "METHANO2", "METHANO3"}));
    // A taken or too long ID is refused.
    EXPECT_EQ(insertcompext("PURE25", "TOLUENE", "etoh", 1), 0);
    EXPECT_EQ(insertcompext("PURE25", "TOLUENE", "TOOLONGID", 1), 0);
    EXPECT_EQ(insertcompext("PURE25", "TOLUENE", "TOLU", 1), 1);
}

TEST_F(FindEntryPointsTest, TheDatabankLibraryListsAndWalksPureDatabanks)
{
    ASSERT_EQ(totalPure(), 3);
    std::array<std::array<char, 20>, 3> buffers{};
    char* names[] = {buffers[0].data(), buffers[1].data(), buffers[2].data()};
    EXPECT_EQ(pureList(names), 1);
    EXPECT_STREQ(names[0], "PURE25");
    EXPECT_STREQ(names[1], "AQUEOUS");
    EXPECT_STREQ(names[2], "INORGANIC");
    EXPECT_EQ(pureList(nullptr), 0);

    // The walk has its own position: a search's open databank is not disturbed by it.
    Record record{};
    Record walked{};
    ASSERT_EQ(fetchdbk("INORGANIC", nullptr, 1), 1);
    ASSERT_EQ(fetchdbk(nullptr, record.data(), 0), 1);
    std::string firstInorganic = Text(record, engine::record::kName, engine::record::kNameSize);
    int walkedCount = 0;
    for (int more = enumDbank("AQUEOUS", walked.data(), 1); more == 1;
         more = enumDbank(nullptr, walked.data(), 0))
        ++walkedCount;
    EXPECT_EQ(walkedCount, static_cast<int>(engine::FindDatabank("AQUEOUS")->Components().size()));
    ASSERT_EQ(fetchdbk(nullptr, record.data(), 0), 1);
    EXPECT_EQ(Text(record, engine::record::kName, engine::record::kNameSize),
              engine::FindDatabank("INORGANIC")->Components().at(1).name);
    EXPECT_NE(firstInorganic, Text(record, engine::record::kName, engine::record::kNameSize));
    EXPECT_EQ(enumDbank("NOSUCHBANK", walked.data(), 1), 0);
}

TEST_F(FindEntryPointsTest, EachThreadReadsItsOwnDatabank)
{
    // A search on a worker thread and the user-interface thread each keep their own position.
    auto count = [this](const char* bank, int& n) {
        Record record{};
        if (fetchdbk(bank, nullptr, 1) != 1)
            return;
        while (fetchdbk(nullptr, record.data(), 0) == 1)
            ++n;
    };
    int synthetic = 0;
    int pure = 0;
    std::thread worker([&] { count("SYNTH-20000", synthetic); });
    count("PURE25", pure);
    worker.join();
    EXPECT_EQ(synthetic, 20000);
    EXPECT_EQ(pure, static_cast<int>(engine::FindDatabank("PURE25")->Components().size()));
}
