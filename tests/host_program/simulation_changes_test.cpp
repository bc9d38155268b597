// What the host reports that a call changed in the simulation.
#include "simulation_changes.h"

#include <gtest/gtest.h>

namespace
{

engine::Simulation Read(const char* text)
{
    engine::Simulation simulation;
    std::string error;
    EXPECT_TRUE(engine::ParseSimulation(text, simulation, &error)) << error;
    return simulation;
}

using Lines = std::vector<std::string>;

TEST(SimulationChanges, ListsRemovedThenAddedItems)
{
    const engine::Simulation before = Read("component WATER name=WATER\n"
                                           "property MW\nproperty TB\n");
    const engine::Simulation after = Read("component WATER name=WATER\n"
                                          "component CO2 name=\"CARBON DIOXIDE\"\n"
                                          "property MW\nrecord Chemistry GLOBAL\n");
    EXPECT_EQ(tirel::SimulationChanges(before, after),
              (Lines{"- property TB", "+ component CO2 name=\"CARBON DIOXIDE\"",
                     "+ record Chemistry GLOBAL"}));
    EXPECT_EQ(tirel::SimulationChanges(after, after), Lines{});
}

TEST(SimulationChanges, AChangedValueIsARemovalAndAnAddition)
{
    EXPECT_EQ(tirel::SimulationChanges(Read("component A x=1\n"), Read("component A x=2\n")),
              (Lines{"- component A x=1", "+ component A x=2"}));
}

TEST(SimulationChanges, CountsRepeatedItems)
{
    // Two equal lines before, one after: one of them went.
    EXPECT_EQ(tirel::SimulationChanges(Read("property MW\nproperty MW\n"), Read("property MW\n")),
              Lines{"- property MW"});
}

TEST(SimulationChanges, ReportsANewOrderOfTheSameComponents)
{
    EXPECT_EQ(tirel::SimulationChanges(Read("component A\ncomponent B\ncomponent C\n"),
                                       Read("component C\ncomponent A\ncomponent B\n")),
              Lines{"components now in the order C A B"});
}

} // namespace
