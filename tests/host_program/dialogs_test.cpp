// Script sessions of the real module: one for each of its dialogs, worked through the host as
// a person would, checked by what the program prints.
#include "program.h"

#include <gtest/gtest.h>

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
                   "|      |  1/8   |    |",
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

} // namespace
