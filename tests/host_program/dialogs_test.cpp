// Script sessions of the real module: one for each of its dialogs, worked through the host as
// a person would, checked by what the program prints.
#include "program.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace
{

using host_test::RunScript;

// Lines the output must hold, in this order.
void ExpectInOrder(const std::string& output, std::initializer_list<const char*> lines)
{
    size_t at = 0;
    for (const char* line : lines)
    {
        const size_t found = output.find(line, at);
        ASSERT_NE(found, std::string::npos) << "missing after offset " << at << ": " << line << "\n"
                                            << output;
        at = found + std::string(line).size();
    }
}

TEST(Dialogs, TheComponentFindAddsAComponentWhereTheHostAsked)
{
    const host_test::Outcome outcome = RunScript("call gxSearchComponents 0 2 \"\"\n"
                                                 "window Find\n"
                                                 "snapshot\n"
                                                 "press F1\n"
                                                 "help\n"
                                                 "press Escape\n"
                                                 "window Find\n"
                                                 "click #12639\n"
                                                 "type ethanol\n"
                                                 "click \"Find now\"\n"
                                                 "expect #12520 Close\n"
                                                 "doublechoose #12593 ETHANOL\n"
                                                 "click Close\n"
                                                 "return 1\n"
                                                 "simulation\n");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    ExpectInOrder(outcome.output,
                  {// The search animation from the share folder: its eight frames are there.
                   "|        |  1/8   |      |",
                   // Help opens the name page's topic.
                   "help: cmpnts.chm#150",
                   "gxSearchComponents(0, 2, \"\") returned 1\n"
                   "  + component ETHANOL databank=PURE25 name=ETHANOL formula=C2H6O\n",
                   // Inserted at position 2, as the host asked.
                   "component WATER databank=PURE25 name=WATER formula=H2O\n"
                   "component ETHANOL databank=PURE25 name=ETHANOL formula=C2H6O\n"
                   "component METHANOL"});
}

TEST(Dialogs, TheComponentFindStaysShutWhileTheHostRefusesIt)
{
    const host_test::Outcome outcome = RunScript("set RefusesFind 1\n"
                                                 "call gxSearchComponents 0 -1 water\n"
                                                 "return 0\n");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
}

TEST(Dialogs, TheEnterpriseFindAddsAComponentWhenTheLibraryIsPresent)
{
    const host_test::Outcome outcome = RunScript("call gxSetXeldFlag 1\n"
                                                 "call gxSearchComponents 0 2 ethanol\n"
                                                 "window \"Enterprise Database Find\"\n"
                                                 "click &Search\n"
                                                 "choose #1004 \"ETHANOL (C2H6O, PURE25)\"\n"
                                                 "click &Add\n"
                                                 "click Close\n"
                                                 "return 1\n"
                                                 "simulation\n",
                                                 "--enterprise");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    ExpectInOrder(outcome.output, {"component WATER databank=PURE25 name=WATER formula=H2O\n"
                                   "component ETHANOL databank=PURE25 name=ETHANOL formula=C2H6O\n"
                                   "component METHANOL"});
}

TEST(Dialogs, WithoutTheEnterpriseLibraryTheHostIsToldSo)
{
    const host_test::Outcome outcome = RunScript("call gxSetXeldFlag 1\n"
                                                 "call gxSearchComponents 0 2 ethanol\n"
                                                 "window \"Failed to load dll\"\n"
                                                 "snapshot\n"
                                                 "press Enter\n"
                                                 "return 0\n");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    ExpectInOrder(outcome.output, {"XeldIntegration.dll"});
}

TEST(Dialogs, AMessageBoxShowsTheCallersButtonsAndItsHelp)
{
    const host_test::Outcome outcome = RunScript(
        "call gxOpen_message_box \"Tirel Plus\" \"Keep the changes?\" \"&Yes\" \"&No\" Cancel \"\" "
        "cmpnts.chm#35 1\n"
        "window \"Tirel Plus\"\n"
        "snapshot\n"
        "click &Help\n"
        "help\n"
        "press Escape\n"
        "window \"Tirel Plus\"\n"
        "click &No\n"
        "return 2\n");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    ExpectInOrder(
        outcome.output,
        {"+= Tirel Plus ====", "|\n|         Keep the changes?         ",
         ">[[    Yes     ]]<   [      No      ]    [    Cancel    ]    [     Help     ]  |\n",
         // The help button opens the caller's topic and leaves the box open.
         "help: cmpnts.chm#35\n", "> click &No\n",
         "gxOpen_message_box(\"Tirel Plus\", \"Keep the changes?\", \"&Yes\", \"&No\", "
         "\"Cancel\", \"\", \"cmpnts.chm#35\", 1) returned 2\n"});
}

TEST(Dialogs, MessageBoxesAnswerEscapeAndHandBackTheCheckBox)
{
    const host_test::Outcome outcome =
        RunScript("call gxOpen_message_box2 Convert \"The file is old.\\nConvert it now?\" "
                  "&Convert \"\" \"\" \"\" \"\" 1 3\n"
                  "window Convert\n"
                  "snapshot\n"
                  "press Escape\n"
                  "return 3\n"
                  // No title: the box takes the product's.
                  "call gxOpen_message_box_wcheck (null) Saved. OK \"\" \"\" Details \"\" 1 0\n"
                  "window \"Tirel Plus\"\n"
                  "click \"Do not show this message again.\"\n"
                  "click Details\n"
                  "return 4\n");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    ExpectInOrder(outcome.output,
                  {// The line break in the message text makes two lines.
                   "|         The file is old.          ", "|         Convert it now?           ",
                   "|                                 >[[  Convert   ]]<", ", 1, 3) returned 3\n",
                   ", \"Details\", \"\", 1, 0) returned 4\n"
                   "  check state: 1\n"});
}

TEST(Dialogs, TheReconcileQuestionNamesTheBlock)
{
    const host_test::Outcome outcome = RunScript("call gxAskReconcile B7\n"
                                                 "window\n"
                                                 "snapshot\n"
                                                 "click \"Yes to All\"\n"
                                                 "return 2\n"
                                                 "call gxAskReconcile B7\n"
                                                 "window\n"
                                                 "press Escape\n"
                                                 "return 3\n");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    ExpectInOrder(outcome.output,
                  {"Block B7 has errors or warnings. Do you wish to reconcile?",
                   "[[   Yes    ]]<     [ Yes to All ]      [     No     ]       [   Cancel   ]",
                   "gxAskReconcile(\"B7\") returned 2\n", "gxAskReconcile(\"B7\") returned 3\n"});
}

TEST(Dialogs, ThePropertySearchAddsToThePropertySet)
{
    const host_test::Outcome outcome =
        RunScript("call gxSearchProperty density\n"
                  "window \"Search Physical Properties\"\n"
                  "click Search\n"
                  "choose #12547 \"Critical density\"\n"
                  "click Add\n"
                  "choose #12547 \"Liquid density at 25 C\"\n"
                  "click Add\n"
                  // A second property brings the notice about multiple properties.
                  "window \"Multiple Properties\"\n"
                  "press Enter\n"
                  "window \"Search Physical Properties\"\n"
                  "rows #12552\n"
                  "click Help\n"
                  "help\n"
                  "press Escape\n"
                  "window \"Search Physical Properties\"\n"
                  "click OK\n"
                  "return 0\n");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    ExpectInOrder(outcome.output, {"> rows #12552\n"
                                   "  Critical density | RHOC\n"
                                   "  Liquid density at 25 C | RHOL25\n",
                                   "help: props.chm#94\n",
                                   "gxSearchProperty(\"density\") returned 0\n"
                                   "  + property RHOC\n"
                                   "  + property RHOL25\n"});
}

// The demonstration that scripts/run.sh shows without a terminal works through every dialog
// the module has; it must keep doing so as the dialogs change.
TEST(Dialogs, TheDemonstrationRunsThrough)
{
    std::ifstream file(TIREL_DEMO_SCRIPT);
    std::stringstream script;
    script << file.rdbuf();
    ASSERT_FALSE(script.str().empty());
    // As scripts/run.sh runs it.
    const host_test::Outcome outcome = RunScript(script.str(), "--enterprise --size 100x36");
    EXPECT_EQ(outcome.status, 0) << outcome.output;
    EXPECT_EQ(outcome.output.find("failed"), std::string::npos) << outcome.output;
}

} // namespace
