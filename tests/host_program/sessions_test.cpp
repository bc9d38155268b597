// Whole sessions of the host program: scripts run by the program itself, and the interactive
// host in a terminal.
#include "program.h"

#include <gtest/gtest.h>

namespace
{

using host_test::RunScript;

// The probe module has the module's frame and its flag setters but no dialog, so the menu it
// gives stays the same while dialogs are added to the real module.
const char kProbe[] = "--module quarnel_probe.dll --size 80x32";

// Waits of the simulated user that must fail do so quickly.
const char kShortWaits[] = "QUARNEL_TEST_TIMEOUT_MS=300";

TEST(Sessions, TheMainWindowShowsTheMenuAndTheSimulation)
{
    const host_test::Outcome outcome = RunScript("snapshot main\n", kProbe);
    EXPECT_EQ(outcome.status, 0);
    // Exports the module lacks are grey, the first one it has with arguments is open, the
    // simulation is the embedded default one, and start-up called QuarnelInitExtDLL.
    EXPECT_EQ(outcome.output,
              "> snapshot main\n"
              "+= Tirel Plus ==============================================================[X]+\n"
              "| Module quarnel_probe.dll: 3 of 17 functions                                  |\n"
              "|                                                                              |\n"
              "| Functions and host settings                Simulation                        |\n"
              "| QuarnelInitExtDLL         start-up, done   Components (4)                    |\n"
              "|~gxSearchComponents        (not in module)~   1  WATER      WATER             |\n"
              "|~gxSearchProperty          (not in module)~   2  METHANOL   METHANOL          |\n"
              "|~gxElectrolyteWizard       (not in module)~   3  CO2        CARBON DIOXIDE    |\n"
              "|~gxUserDefWizard           (not in module)~   4  NACL       SODIUM CHLORIDE   |\n"
              "|~gxReorderComp             (not in module)~ Property set (3): MW TB RHO       |\n"
              "|~gxPure_component_param    (not in module)~ Records (0)                       |\n"
              "|~gxUpwardComp              (not in module)~ Input forms open (0)              |\n"
              "|~gxUpwardComp1             (not in module)~                                   |\n"
              "|~gxFindTemplate            (not in module)~ Last call                         |\n"
              "|~gxAskReconcile            (not in module)~   QuarnelInitExtDLL() returned    |\n"
              "|~gxOpen_message_box        (not in module)~   no change to the simulation     |\n"
              "|~gxOpen_message_box2       (not in module)~                                   |\n"
              "|~gxOpen_message_box_wcheck (not in module)~                                   |\n"
              "|*gxSetXeldFlag             enterprise Find*                                   |\n"
              "|     flag:           [1]                                                      |\n"
              "| gxSetRefState             reference state                                    |\n"
              "|~gxDelStruct               (not in module)~                                   |\n"
              "| [ ] DontShowUpward                                                           |\n"
              "| [ ] Host refuses the Find                                                    |\n"
              "| [ ] Prompts suppressed                                                       |\n"
              "| --> Close the input forms                                                    |\n"
              "| --> Reload the simulation                                                    |\n"
              "| --> Quit                                                                     |\n"
              "|                                                                              |\n"
              "| Up/Down choose  Enter call  type/Del edit  Space switch  Ctrl+Q quit         |\n"
              "|                                                                              |\n"
              "+------------------------------------------------------------------------------+\n");
}

TEST(Sessions, KeysInTheMainWindowEditAFieldAndCallTheExport)
{
    const host_test::Outcome outcome = RunScript("main\n"
                                                 "press Down\n"
                                                 "press Delete\n"
                                                 "type 7\n"
                                                 "press Enter\n"
                                                 "set DontShowUpward 1\n"
                                                 "snapshot main\n",
                                                 kProbe);
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    for (const char* line : {"|    *flag:           [7_]*", "Last call",
                             "  gxSetXeldFlag(7) returned 7", "| [x] DontShowUpward"})
        EXPECT_NE(outcome.output.find(line), std::string::npos) << line << "\n" << outcome.output;
}

TEST(Sessions, CallsPrintTheirResultsAndWhatTheyChanged)
{
    const host_test::Outcome outcome = RunScript("call gxSetXeldFlag 3\n"
                                                 "return 3\n"
                                                 "call gxSetRefState \"-2\"\n"
                                                 "echo the call before is reported here\n"
                                                 "call gxSetRefState 0\n",
                                                 kProbe);
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    EXPECT_EQ(outcome.output, "> call gxSetXeldFlag 3\n"
                              "> return 3\n"
                              "gxSetXeldFlag(3) returned 3\n"
                              "> call gxSetRefState \"-2\"\n"
                              "the call before is reported here\n"
                              "> call gxSetRefState 0\n"
                              "gxSetRefState(-2) returned -2\n"
                              "gxSetRefState(0) returned 0\n");
}

TEST(Sessions, AStepThatFailsEndsTheScriptWithItsLine)
{
    const struct
    {
        const char* script;
        const char* failure;
    } cases[] = {
        {"return 1\n", "line 1 failed: no call is running\n"},
        {"call gxSetXeldFlag 2\nreturn 1\n", "line 2 failed: expected 1 as the result\n"},
        {"call gxAskReconcile B1\nreturn\n",
         "line 2 failed: gxAskReconcile(\"B1\"): the module has no gxAskReconcile\n"},
        {"call gxSetXeldFlag x\n", "at the end of the script: gxSetXeldFlag(x): flag: \"x\" is "
                                   "not a whole number\n"},
        {"main\nclick Nothing\n", "line 2 failed: no control Nothing in "},
        {"window Nowhere\n", "line 1 failed: "},
    };
    for (const auto& c : cases)
    {
        const host_test::Outcome outcome = RunScript(c.script, kProbe, kShortWaits);
        EXPECT_EQ(outcome.status, 1) << c.script;
        EXPECT_NE(outcome.output.find(c.failure), std::string::npos) << outcome.output;
    }
}

TEST(Sessions, AMistakeInTheScriptRunsNothing)
{
    const host_test::Outcome outcome = RunScript("echo never shown\nklick OK\n", kProbe);
    EXPECT_EQ(outcome.status, 2);
    EXPECT_NE(outcome.output.find(", line 2: unknown step \"klick\""), std::string::npos)
        << outcome.output;
    EXPECT_EQ(outcome.output.find("never shown"), std::string::npos);
}

TEST(Sessions, StartsOnASimulationFileAndReloadsIt)
{
    const std::string file = std::string(QUARNEL_DATA_DIR) + "/simulations/water-ethanol.sim";
    const host_test::Outcome outcome =
        RunScript("simulation\n", std::string(kProbe) + " --simulation " + file);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.output,
              "> simulation\n"
              "component WATER databank=PURE25 name=WATER formula=H2O\n"
              "component ETHANOL databank=PURE25 name=\"ETHYL ALCOHOL\" formula=C2H6O\n"
              "property MW\n"
              "property TB\n"
              "record Chemistry GLOBAL source=\"Generated by the electrolyte wizard\"\n");
    const host_test::Outcome missing =
        RunScript("simulation\n", std::string(kProbe) + " --simulation /nonexistent.sim");
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.output.find("the simulation cannot be read"), std::string::npos);
}

// The interactive host in a terminal: keys typed into tmux reach the main window, and the
// screen shows what the renderer draws.
TEST(Sessions, TheInteractiveHostAnswersKeysOnTheScreen)
{
    host_test::Tmux terminal(kProbe, 90, 34);
    std::string screen;
    ASSERT_TRUE(terminal.WaitFor("Functions and host settings", &screen)) << screen;
    EXPECT_NE(screen.find("+= Tirel Plus ="), std::string::npos) << screen;
    EXPECT_NE(screen.find("QuarnelInitExtDLL() returned"), std::string::npos) << screen;

    terminal.Keys("Down BSpace 4 2 Enter");
    EXPECT_TRUE(terminal.WaitFor("gxSetXeldFlag(42) returned 42", &screen)) << screen;

    // A double click on a line of the menu calls its export: gxSetRefState's line is the one
    // below gxSetXeldFlag's field, on the screen's row 20.
    ASSERT_NE(screen.find("\n| gxSetRefState "), std::string::npos) << screen;
    terminal.Click(5, 20, 2);
    EXPECT_TRUE(terminal.WaitFor("gxSetRefState(1) returned 1", &screen)) << screen;

    // A narrower terminal narrows the main window with it: 70 columns, frame included.
    terminal.Resize(70, 30);
    const std::string caption = "+= Tirel Plus " + std::string(52, '=') + "[X]+\n";
    EXPECT_TRUE(terminal.WaitFor(caption, &screen)) << screen;

    terminal.Keys("C-q");
    EXPECT_EQ(terminal.WaitForExit(), 0);
}

// A dialog of the real module in the terminal: it opens over the main window, stays in sight
// when the terminal shrinks, and answers keys.
TEST(Sessions, TheInteractiveHostKeepsADialogInSight)
{
    host_test::Tmux terminal("", 120, 40);
    std::string screen;
    ASSERT_TRUE(terminal.WaitFor("Functions and host settings", &screen)) << screen;
    ASSERT_NE(screen.find("| gxSearchComponents        component Find"), std::string::npos)
        << screen;
    // The component Find is the menu's first line with arguments, so it starts selected.
    terminal.Keys("Enter");
    ASSERT_TRUE(terminal.WaitFor("+= Find =", &screen)) << screen;
    EXPECT_NE(screen.find("Running gxSearchComponents(0, -1, \"\")"), std::string::npos) << screen;

    // 102 columns leave the dialog (99 wide) room only if it moves left: its right edge shows.
    terminal.Resize(102, 36);
    EXPECT_TRUE(terminal.WaitFor("=====[?]+|", &screen)) << screen;

    // Escape closes it; the wider terminal again has room for the whole report of the call.
    terminal.Keys("Escape");
    terminal.Resize(120, 40);
    EXPECT_TRUE(terminal.WaitFor("gxSearchComponents(0, -1, \"\") returned 0", &screen)) << screen;
    EXPECT_EQ(screen.find("+= Find ="), std::string::npos) << screen;
    terminal.Keys("C-q");
    EXPECT_EQ(terminal.WaitForExit(), 0);
}

} // namespace
