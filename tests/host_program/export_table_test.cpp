// The exports as the host offers them: the argument texts the menu and scripts give, and what
// a call of the real module makes of them.
#include "export_table.h"

#include <engine/simulation.h>
#include <platform/ui_thread.h>

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace
{

using tirel::ArgumentKind;

TEST(ExportTable, ListsEveryExportOnceWithTheArgumentsOfItsDeclaration)
{
    const auto& exports = tirel::Exports();
    std::set<std::string> names;
    for (const auto& info : exports)
        names.insert(info.name);
    EXPECT_EQ(exports.size(), 17u);
    EXPECT_EQ(names.size(), 17u);

    // The argument lists that differ in a way a caller notices: counts, and pointers.
    const struct
    {
        const char* name;
        size_t count;
    } counts[] = {
        {"QuarnelInitExtDLL", 0},   {"gxSearchComponents", 3},        {"gxOpen_message_box", 8},
        {"gxOpen_message_box2", 9}, {"gxOpen_message_box_wcheck", 9}, {"gxFindTemplate", 2},
        {"gxDelStruct", 0}};
    for (const auto& c : counts)
    {
        const tirel::ExportInfo* info = tirel::FindExport(c.name);
        ASSERT_NE(info, nullptr) << c.name;
        EXPECT_EQ(info->arguments.size(), c.count) << c.name;
    }
    EXPECT_EQ(tirel::FindExport("gxOpen_message_box_wcheck")->arguments[8].kind,
              ArgumentKind::CheckState);
    EXPECT_EQ(tirel::FindExport("gxPure_component_param")->arguments[0].kind,
              ArgumentKind::NameBuffer);
    EXPECT_EQ(tirel::FindExport("gxsearchcomponents"), nullptr);
}

TEST(ExportTable, ReadsWholeNumbersOnly)
{
    const struct
    {
        const char* text;
        bool ok;
        int value;
    } cases[] = {{"0", true, 0},           {"-1", true, -1},
                 {"+7", true, 7},          {"2147483647", true, 2147483647},
                 {"2147483648", false, 0}, {"", false, 0},
                 {"-", false, 0},          {"1.5", false, 0},
                 {" 1", false, 0},         {"1 ", false, 0},
                 {"0x10", false, 0}};
    for (const auto& c : cases)
    {
        int value = 0;
        EXPECT_EQ(tirel::ParseInteger(c.text, &value), c.ok) << '"' << c.text << '"';
        if (c.ok)
        {
            EXPECT_EQ(value, c.value) << c.text;
        }
    }
}

TEST(ExportTable, TextArgumentsTakeLineBreaksAndBackslashes)
{
    EXPECT_EQ(tirel::DecodeText("one\\ntwo"), "one\ntwo");
    EXPECT_EQ(tirel::DecodeText("C:\\\\data"), "C:\\data");
    EXPECT_EQ(tirel::DecodeText("a\\tb\\"), "a\\tb\\"); // others stay as written
}

TEST(ExportTable, DescribesACallAsItIsWritten)
{
    const tirel::ExportInfo& box = *tirel::FindExport("gxOpen_message_box2");
    EXPECT_EQ(tirel::DescribeCall(box, {"T", "(null)", "OK"}),
              "gxOpen_message_box2(\"T\", (null), \"OK\", \"&No\", \"Cancel\", \"\", "
              "\"cmpnts.chm#35\", 1, 3)");
    // The slot the host passes for the chosen template is not an argument a person gives.
    EXPECT_EQ(tirel::DescribeCall(*tirel::FindExport("gxFindTemplate"), {}), "gxFindTemplate(-1)");
}

// Calls through the real module, on a user-interface thread as the host makes them.
class ExportCalls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ui.Run([this] {
            module = LoadLibraryA("quarnel.dll");
            return LRESULT{0};
        });
        ASSERT_NE(module, nullptr);
    }
    void TearDown() override { FreeLibrary(module); }

    tirel::CallOutcome Call(const char* name, std::vector<std::string> texts)
    {
        tirel::CallOutcome outcome;
        ui.Run([&] {
            outcome = tirel::CallExport(module, *tirel::FindExport(name), texts);
            return LRESULT{0};
        });
        return outcome;
    }

    platform::UiThread ui{"Tirel Plus"};
    HMODULE module = nullptr;
};

TEST_F(ExportCalls, PassesTheArgumentAndReturnsTheResult)
{
    const tirel::CallOutcome outcome = Call("gxSetXeldFlag", {"5"});
    EXPECT_TRUE(outcome.called) << outcome.error;
    EXPECT_TRUE(outcome.hasResult);
    EXPECT_EQ(outcome.result, 5);
    // A missing text takes the menu's initial one.
    EXPECT_EQ(Call("gxSetRefState", {}).result, 1);
}

TEST_F(ExportCalls, RefusesAWrongNumberWithoutCalling)
{
    const tirel::CallOutcome outcome = Call("gxSetXeldFlag", {"one"});
    EXPECT_FALSE(outcome.called);
    EXPECT_EQ(outcome.error, "flag: \"one\" is not a whole number");
}

TEST_F(ExportCalls, ReportsAnExportTheModuleDoesNotHave)
{
    // The host's product library plays a module without any of the exports.
    HMODULE other = LoadLibraryA("VxVersion.dll");
    ASSERT_NE(other, nullptr);
    tirel::CallOutcome outcome;
    ui.Run([&] {
        outcome = tirel::CallExport(other, *tirel::FindExport("gxSetRefState"), {"1"});
        return LRESULT{0};
    });
    EXPECT_FALSE(outcome.called);
    EXPECT_EQ(outcome.error, "the module has no gxSetRefState");
}

} // namespace
