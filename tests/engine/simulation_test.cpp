// The engine's simulation: its text format, the current simulation and its files.
#include <engine/simulation.h>

#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <thread>

namespace
{

engine::Simulation Parse(const std::string& text)
{
    engine::Simulation simulation;
    std::string error;
    EXPECT_TRUE(engine::ParseSimulation(text, simulation, &error)) << error;
    return simulation;
}

std::string ErrorOf(const std::string& text)
{
    engine::Simulation simulation;
    simulation.propertySet = {"UNCHANGED"};
    std::string error;
    EXPECT_FALSE(engine::ParseSimulation(text, simulation, &error)) << text;
    // A failed parse leaves the target alone.
    EXPECT_EQ(simulation.propertySet, std::vector<std::string>{"UNCHANGED"});
    return error;
}

} // namespace

TEST(SimulationTextTest, ReadsItemsInOrderWithTheirAttributes)
{
    engine::Simulation s =
        Parse("# a comment\n"
              "\n"
              "component WATER databank=PURE25 name=WATER\r\n"
              "component ETOH name=\"ETHYL ALCOHOL\" note=\"say \\\"hi\\\"\" # x\n"
              "property MW\n"
              "  property\tTB\n"
              "record Chemistry GLOBAL empty=\"\" path=a\\b\n");
    ASSERT_EQ(s.components.size(), 2u);
    EXPECT_EQ(s.components[0].id, "WATER");
    EXPECT_EQ(s.components[0].attributes,
              (engine::Attributes{{"databank", "PURE25"}, {"name", "WATER"}}));
    EXPECT_EQ(*engine::FindAttribute(s.components[1].attributes, "name"), "ETHYL ALCOHOL");
    EXPECT_EQ(*engine::FindAttribute(s.components[1].attributes, "note"), "say \"hi\"");
    EXPECT_EQ(engine::FindAttribute(s.components[1].attributes, "formula"), nullptr);
    EXPECT_EQ(s.propertySet, (std::vector<std::string>{"MW", "TB"}));
    ASSERT_EQ(s.records.size(), 1u);
    EXPECT_EQ(s.records[0].type, "Chemistry");
    EXPECT_EQ(s.records[0].id, "GLOBAL");
    EXPECT_EQ(s.records[0].attributes, (engine::Attributes{{"empty", ""}, {"path", "a\\b"}}));
}

TEST(SimulationTextTest, MistakesNameTheirLine)
{
    EXPECT_EQ(ErrorOf("property MW\ncomp X\n"), "line 2: unknown item \"comp\"");
    EXPECT_EQ(ErrorOf("component\n"), "line 1: \"component\" needs a name");
    EXPECT_EQ(ErrorOf("record Chemistry\n"), "line 1: \"record\" needs a name");
    EXPECT_EQ(ErrorOf("record Chemistry id=GLOBAL\n"), "line 1: \"record\" needs a name");
    EXPECT_EQ(ErrorOf("component X name=\"open\n"), "line 1: a quoted value does not end");
    EXPECT_EQ(ErrorOf("component X name=\"a\"b\n"), "line 1: text follows a quoted value");
    EXPECT_EQ(ErrorOf("component X stray\n"), "line 1: \"stray\" is not a key=value pair");
    EXPECT_EQ(ErrorOf("property MW TB\n"), "line 1: \"property\" takes one name only");
    EXPECT_EQ(ErrorOf("id=X\n"), "line 1: a line starts with the kind of its item");
}

TEST(SimulationTextTest, WritingAndReadingBackGivesTheSameSimulation)
{
    engine::Simulation s;
    s.components.push_back({"A B", {{"name", "with \"quotes\" and \\"}, {"empty", ""}}});
    s.components.push_back({"C", {{"x", "a=b"}, {"hash", "#1"}}});
    s.propertySet = {"MW", "TB"};
    s.records.push_back({"Henry Comps", "HC-1", {{"list", "CO2 NH3"}}});
    const std::string text = engine::FormatSimulation(s);
    EXPECT_EQ(Parse(text), s) << text;
    EXPECT_EQ(engine::FormatSimulation(Parse("component W  name=WATER\nproperty MW\n")),
              "component W name=WATER\nproperty MW\n");
}

TEST(SimulationStoreTest, LoadsChangesAndSavesTheCurrentSimulation)
{
    TempDir dir;
    const std::string good = dir.File("good.sim", "component W name=WATER\nproperty MW\n");
    const std::string bad = dir.File("bad.sim", "component W\nbogus\n");
    std::string error;
    ASSERT_TRUE(engine::LoadSimulationFile(good.c_str(), &error)) << error;
    EXPECT_EQ(engine::CurrentSimulation().components.size(), 1u);

    EXPECT_FALSE(engine::LoadSimulationFile(bad.c_str(), &error));
    EXPECT_EQ(error, bad + ": line 2: unknown item \"bogus\"");
    EXPECT_FALSE(engine::LoadSimulationFile((dir.Path() + "/none.sim").c_str(), &error));
    EXPECT_EQ(engine::CurrentSimulation().propertySet, std::vector<std::string>{"MW"});

    // Changes from several threads all arrive.
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
    {
        threads.emplace_back([] {
            for (int j = 0; j < 50; ++j)
                engine::ModifySimulation(
                    [](engine::Simulation& s) { s.propertySet.push_back("P"); });
        });
    }
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(engine::CurrentSimulation().propertySet.size(), 201u);

    const std::string saved = dir.Path() + "/saved.sim";
    ASSERT_TRUE(engine::SaveSimulationFile(saved.c_str(), &error)) << error;
    const engine::Simulation before = engine::CurrentSimulation();
    engine::SetSimulation({});
    ASSERT_TRUE(engine::LoadSimulationFile(saved.c_str(), &error)) << error;
    EXPECT_EQ(engine::CurrentSimulation(), before);
    engine::SetSimulation({});
}

TEST(SimulationStoreTest, TheSampleSimulationLoads)
{
    std::string error;
    ASSERT_TRUE(
        engine::LoadSimulationFile(QUARNEL_DATA_DIR "/simulations/water-ethanol.sim", &error))
        << error;
    const engine::Simulation s = engine::CurrentSimulation();
    ASSERT_EQ(s.components.size(), 2u);
    EXPECT_EQ(*engine::FindAttribute(s.components[1].attributes, "name"), "ETHYL ALCOHOL");
    EXPECT_EQ(s.propertySet.size(), 2u);
    EXPECT_EQ(s.records.size(), 1u);
    engine::SetSimulation({});
}
