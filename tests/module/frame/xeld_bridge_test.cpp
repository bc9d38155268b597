// The enterprise database Find bridge: what it hands the integration library and in which
// order, every way the library can be missing or misbehave (with the messages word for word),
// and the library unloaded at the end of each call; then the stand-in's own Find dialog used
// by the simulated user to add components to the simulation.
#include "frame/xeld_bridge.h"

#include "module/frame/xeld_library.h"
#include "support/story.h"
#include "support/temp_dir.h"
#include "support/test_host.h"

#include <engine/databanks.h>
#include <engine/simulation.h>
#include <platform/automation_lists.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace
{

namespace automation = platform::automation;

constexpr int kMessageText = 0xFFFF;
const char kLaunch[] = "LaunchFindDialogWithWindowName";

// The log line of a launch with the engine's three callbacks, as the fakes write it.
std::string LaunchLine(int position, const char* initial)
{
    HMODULE rava = ::LoadLibraryA("rava.dll");
    HMODULE vxg = ::LoadLibraryA("vxg.dll");
    char line[512];
    std::snprintf(line, sizeof line, "Launch %p %p %p %d \"%s\" \"\" \"\"\n",
                  reinterpret_cast<void*>(::GetProcAddress(rava, "SMinsertcompext")),
                  reinterpret_cast<void*>(::GetProcAddress(vxg, "EnumDbaseDbankName")),
                  reinterpret_cast<void*>(::GetProcAddress(rava, "SMsetseldbanks")), position,
                  initial);
    ::FreeLibrary(vxg);
    ::FreeLibrary(rava);
    return line;
}

const char kPureList[] = "SetPureDatabankList 3 PURE25 AQUEOUS INORGANIC\n";

// Points the engine at a folder without databanks for the life of the object.
class NoDatabanks
{
public:
    NoDatabanks() { engine::SetDatabankFolder(empty.Path()); }
    ~NoDatabanks() { engine::SetDatabankFolder(""); }

private:
    TempDir empty;
};

class XeldBridgeTest : public ::testing::Test
{
protected:
    // Runs the bridge on the user-interface thread, for libraries that show nothing.
    int RunQuietly(int position, const char* initial)
    {
        LRESULT result = host.Ui().Run(
            [&] { return static_cast<LRESULT>(quarnel::RunXeldFind(position, initial)); });
        return static_cast<int>(result);
    }

    // Runs the bridge, answers the one message box it shows with OK, and returns its result.
    int RunAnsweringOneBox(int position, const char* caption, const char* text)
    {
        Story s(host.Ui());
        s.Open([=] { return static_cast<LRESULT>(quarnel::RunXeldFind(position, "x")); });
        s.Window("#32770", caption);
        EXPECT_EQ(s.Text(kMessageText), text);
        // OK and Cancel are offered; the answer changes nothing.
        EXPECT_NE(s.Control("Cancel"), nullptr);
        s.Click("OK");
        return static_cast<int>(s.Result());
    }

    TestHost host;
};

} // namespace

TEST_F(XeldBridgeTest, AbsentIntegrationLibraryIsReportedAndGivesZero)
{
    EXPECT_EQ(RunAnsweringOneBox(3, "Failed to load dll", "XeldIntegration.dll"), 0);
    EXPECT_FALSE(XeldLibrary::IsLoaded(XeldLibrary::StandIn()));
}

TEST_F(XeldBridgeTest, HandsOverTheDatabanksAndCallbacksThenTerminatesAndUnloads)
{
    std::string path = XeldLibrary::Fake("recorder");
    XeldLibrary fake(path);
    EXPECT_EQ(RunQuietly(7, "meth"), 1);
    EXPECT_EQ(fake.Log(), std::string("DllEnsureInit\n") + kPureList + "SetDatabankTabFlag 1\n" +
                              LaunchLine(7, "meth") + "DllForceTerm\n");
    // The bridge let go of the library: it goes as soon as the test does.
    fake.Close();
    EXPECT_FALSE(XeldLibrary::IsLoaded(path));
}

TEST_F(XeldBridgeTest, WithoutPureDatabanksTheListIsNotHandedOverButTheFindStillRuns)
{
    NoDatabanks none;
    XeldLibrary fake(XeldLibrary::Fake("recorder"));
    EXPECT_EQ(RunQuietly(0, ""), 1);
    EXPECT_EQ(fake.Log(),
              "DllEnsureInit\nSetDatabankTabFlag 1\n" + LaunchLine(0, "") + "DllForceTerm\n");
}

TEST_F(XeldBridgeTest, MissingInitialisationIsReportedAndTheLibraryStillReleased)
{
    std::string path = XeldLibrary::Fake("no_init");
    XeldLibrary fake(path);
    EXPECT_EQ(RunAnsweringOneBox(1, "Failed to load function", "DllEnsureInit"), 0);
    EXPECT_EQ(fake.Log(), "DllForceTerm\n");
    fake.Close();
    EXPECT_FALSE(XeldLibrary::IsLoaded(path));
}

TEST_F(XeldBridgeTest, MissingLaunchIsReportedButCountsAsReached)
{
    XeldLibrary fake(XeldLibrary::Fake("no_launch"));
    EXPECT_EQ(RunAnsweringOneBox(1, "Failed to load function", kLaunch), 1);
    EXPECT_EQ(fake.Log(), std::string("DllEnsureInit\n") + kPureList + "DllForceTerm\n");
}

TEST_F(XeldBridgeTest, MissingTerminationIsReportedAndTheLibraryKept)
{
    std::string path = XeldLibrary::Fake("no_term");
    XeldLibrary fake(path);
    EXPECT_EQ(RunAnsweringOneBox(1, "Failed to load function", "DllForceTerm"), 1);
    fake.Close();
    // A library that cannot be told to terminate is not pulled from under it.
    EXPECT_TRUE(XeldLibrary::IsLoaded(path));
    HMODULE kept = ::GetModuleHandleA("XeldIntegration.dll");
    ASSERT_NE(kept, nullptr);
    ::FreeLibrary(kept);
    EXPECT_FALSE(XeldLibrary::IsLoaded(path));
}

TEST_F(XeldBridgeTest, AnExceptionGivesZeroAndTheLibraryIsStillTerminatedAndUnloaded)
{
    std::string path = XeldLibrary::Fake("throws");
    XeldLibrary fake(path);
    EXPECT_EQ(RunQuietly(2, "water"), 0);
    EXPECT_EQ(fake.Log(), std::string("DllEnsureInit\n") + kPureList + "SetDatabankTabFlag 1\n" +
                              LaunchLine(2, "water") + "DllForceTerm\n");
    fake.Close();
    EXPECT_FALSE(XeldLibrary::IsLoaded(path));
    // The next call starts afresh.
    EXPECT_EQ(RunAnsweringOneBox(3, "Failed to load dll", "XeldIntegration.dll"), 0);
}

TEST_F(XeldBridgeTest, TheStandInFindAddsChosenComponentsToTheSimulation)
{
    engine::Simulation simulation;
    std::string error;
    ASSERT_TRUE(engine::ParseSimulation("component WATER databank=PURE25 name=WATER\n"
                                        "component ETHANOL databank=PURE25 name=ETHANOL\n",
                                        simulation, &error));
    engine::SetSimulation(simulation);
    XeldLibrary xeld(XeldLibrary::StandIn());

    Story s(host.Ui());
    s.Open([] { return static_cast<LRESULT>(quarnel::RunXeldFind(2, "meth")); });
    s.Window("Enterprise Database Find");
    HWND databanks = s.Control(1001);
    EXPECT_EQ(automation::ListItems(databanks),
              (std::vector<std::string>{"PURE25", "AQUEOUS", "INORGANIC"}));
    EXPECT_EQ(automation::SelectedItems(databanks), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(s.Text(1002), "meth");

    // Only the aqueous databank: the choice becomes the simulation's selection.
    automation::ClickItem(databanks, 0);
    automation::ClickItem(databanks, 2);
    s.Click("Search");
    HWND results = s.Control(1004);
    EXPECT_EQ(automation::ListItems(results),
              (std::vector<std::string>{"METHANE (CH4, AQUEOUS)", "METHANOL (CH4O, AQUEOUS)"}));
    EXPECT_EQ(s.Text(1007), "2 found");
    EXPECT_EQ(engine::SelectedDatabanks(), std::vector<std::string>{"AQUEOUS"});

    // The first component takes the caller's position and the ID the user typed.
    automation::ClickItem(results, 1);
    s.Click(1005);
    s.Type("meoh");
    s.Click("Add");
    EXPECT_EQ(s.Text(1007), "Added METHANOL");
    EXPECT_EQ(s.Text(1005), "");
    // Adding it twice is refused by the engine, and said so.
    s.Click("Add");
    EXPECT_EQ(s.Text(1007), "METHANOL was not added");
    // A double click adds too; later components are appended.
    automation::DoubleClickItem(results, 0);
    EXPECT_EQ(s.Text(1007), "Added METHANE");
    s.Click("Close");
    EXPECT_EQ(s.Result(), 1);

    std::vector<std::string> ids;
    for (const engine::Component& c : engine::CurrentSimulation().components)
        ids.push_back(c.id);
    EXPECT_EQ(ids, (std::vector<std::string>{"WATER", "MEOH", "ETHANOL", "METHANE"}));
    xeld.Close();
    EXPECT_FALSE(XeldLibrary::IsLoaded(XeldLibrary::StandIn()));
}

TEST_F(XeldBridgeTest, TheStandInFindRunsWithoutDatabanks)
{
    NoDatabanks none;
    XeldLibrary xeld(XeldLibrary::StandIn());
    Story s(host.Ui());
    s.Open([] { return static_cast<LRESULT>(quarnel::RunXeldFind(0, nullptr)); });
    s.Window("Enterprise Database Find");
    EXPECT_TRUE(automation::ListItems(s.Control(1001)).empty());
    EXPECT_EQ(s.Text(1002), "");
    EXPECT_EQ(s.Text(1007), "No databanks to search");
    s.Click("Search");
    EXPECT_TRUE(automation::ListItems(s.Control(1004)).empty());
    EXPECT_EQ(s.Text(1007), "0 found");
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), 1);
}

TEST_F(XeldBridgeTest, TheStandInFindAsFirstShown)
{
    XeldLibrary xeld(XeldLibrary::StandIn());
    Story s(host.Ui());
    s.Open([] { return static_cast<LRESULT>(quarnel::RunXeldFind(0, "water")); });
    s.Window("Enterprise Database Find");
    // Every databank chosen, the caller's text selected for typing over.
    EXPECT_EQ("\n" + s.Snapshot(), R"(
+= Enterprise Database Find ============================================[X]+
|                                                                          |
|  Databanks:             Name or formula:                                 |
|  +------------------+   >water*                        <  [[  Search  ]] |
|  *PURE25*           |                                                    |
|  *AQUEOUS*          |   +-----------------------------------------------+|
|  *INORGANIC*        |   |                                               ||
|  |                  |   |                                               ||
|  |                  |   |                                               ||
|  |                  |   |                                               ||
|  +------------------+   |                                               ||
|                         |                                               ||
|                         |                                               ||
|                         |                                               ||
|                         |                                               ||
|                         |                                               ||
|                         |                                               ||
|                         +-----------------------------------------------+|
|                                                                          |
|                                                                          |
|  ID:    [           ]   [    Add     ]                                   |
|                                                                          |
|                                                           [   Close    ] |
|                                                                          |
+--------------------------------------------------------------------------+
)");
    s.Press(VK_ESCAPE);
    EXPECT_EQ(s.Result(), 1);
}
