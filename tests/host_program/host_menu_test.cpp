// The host's menu: moving through the exports and their fields, editing, and what Enter asks
// the host to do.
#include "host_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

using tirel::HostMenu;
using tirel::MenuCommand;
using tirel::MenuLine;
using tirel::Setting;

// A small menu: an export with two fields, one without arguments that the module lacks, and
// one with a field.
std::vector<tirel::ExportInfo> SmallExports()
{
    return {
        {"gxA",
         "first",
         {{"number", tirel::ArgumentKind::Integer, "1"},
          {"text", tirel::ArgumentKind::Text, "abc"}}},
        {"gxB", "second", {}},
        {"gxC",
         "third",
         {{"flag", tirel::ArgumentKind::Integer, "0"},
          {"slot", tirel::ArgumentKind::TemplateSlot, ""}}},
    };
}

// The menu's lines as short words: "A" an export, "A.0" a field, "S3" a setting.
std::string Layout(const HostMenu& menu)
{
    std::string text;
    const std::vector<MenuLine> lines = menu.Lines();
    for (size_t i = 0; i < lines.size(); ++i)
    {
        const MenuLine& line = lines[i];
        std::string word;
        if (line.kind == MenuLine::Kind::Setting)
            word = "S" + std::to_string(static_cast<int>(line.setting));
        else
            word =
                std::string(1, static_cast<char>('A' + line.exportIndex)) +
                (line.kind == MenuLine::Kind::Argument ? "." + std::to_string(line.argument) : "");
        text += (text.empty() ? "" : " ") +
                (static_cast<int>(i) == menu.Selected() ? "*" + word : word);
    }
    return text;
}

TEST(HostMenu, OpensTheFieldsOfTheSelectedExportOnly)
{
    HostMenu menu(SmallExports(), {true, false, true});
    // It starts on the first export the module has that takes arguments.
    EXPECT_EQ(Layout(menu), "*A A.0 A.1 B C S0 S1 S2 S3 S4 S5");
    menu.Down();
    EXPECT_EQ(Layout(menu), "A *A.0 A.1 B C S0 S1 S2 S3 S4 S5");
    menu.Down();
    menu.Down();
    EXPECT_EQ(Layout(menu), "A *B C S0 S1 S2 S3 S4 S5");
    menu.Down();
    // The slot an export fills is not a field.
    EXPECT_EQ(Layout(menu), "A B *C C.0 S0 S1 S2 S3 S4 S5");
    menu.Up();
    menu.Up();
    EXPECT_EQ(Layout(menu), "*A A.0 A.1 B C S0 S1 S2 S3 S4 S5");
    menu.Up();
    EXPECT_EQ(Layout(menu), "*A A.0 A.1 B C S0 S1 S2 S3 S4 S5");
    menu.End();
    EXPECT_EQ(Layout(menu), "A B C S0 S1 S2 S3 S4 *S5");
    menu.Select(1);
    EXPECT_EQ(Layout(menu), "A *B C S0 S1 S2 S3 S4 S5");
    menu.Select(99);
    EXPECT_EQ(Layout(menu), "A *B C S0 S1 S2 S3 S4 S5");
    menu.SelectExport(2);
    EXPECT_EQ(Layout(menu), "A B *C C.0 S0 S1 S2 S3 S4 S5");
    menu.Home();
    EXPECT_EQ(Layout(menu), "*A A.0 A.1 B C S0 S1 S2 S3 S4 S5");
}

TEST(HostMenu, EditsOnlyTheSelectedField)
{
    HostMenu menu(SmallExports(), {true, true, true});
    menu.Type('x'); // on the export's own line: nothing to edit
    menu.Down();
    menu.Down();
    menu.Type('d');
    EXPECT_EQ(menu.Fields(0), (std::vector<std::string>{"1", "abcd"}));
    menu.Backspace();
    menu.Backspace();
    EXPECT_EQ(menu.Fields(0)[1], "ab");
    menu.ClearField();
    menu.Backspace(); // an empty field stays empty
    EXPECT_EQ(menu.Fields(0), (std::vector<std::string>{"1", ""}));
    // Fields keep their texts while other exports are open.
    menu.Down();
    menu.Up();
    menu.Up();
    EXPECT_EQ(menu.Fields(0)[1], "");
    menu.SetField(0, 0, "42");
    menu.SetField(0, 5, "ignored");
    EXPECT_EQ(menu.Fields(0)[0], "42");
}

TEST(HostMenu, EnterCallsTogglesOrRuns)
{
    HostMenu menu(SmallExports(), {true, false, true});
    menu.Down(); // a field calls its export too
    MenuCommand command = menu.Activate();
    EXPECT_EQ(command.kind, MenuCommand::Kind::Call);
    EXPECT_EQ(command.exportIndex, 0);

    menu.SelectExport(1);
    command = menu.Activate();
    EXPECT_EQ(command.kind, MenuCommand::Kind::Unavailable);
    EXPECT_EQ(command.exportIndex, 1);

    menu.Select(3); // S0 with B open: A B C S0 ...
    ASSERT_EQ(menu.SelectedLine().setting, Setting::DontShowUpward);
    EXPECT_EQ(menu.Activate().kind, MenuCommand::Kind::Toggled);
    EXPECT_TRUE(menu.IsOn(Setting::DontShowUpward));
    menu.Activate();
    EXPECT_FALSE(menu.IsOn(Setting::DontShowUpward));

    menu.Down();
    menu.Down();
    menu.Down();
    ASSERT_EQ(menu.SelectedLine().setting, Setting::CloseForms);
    command = menu.Activate();
    EXPECT_EQ(command.kind, MenuCommand::Kind::Action);
    EXPECT_EQ(command.setting, Setting::CloseForms);
    EXPECT_FALSE(menu.IsOn(Setting::CloseForms)); // an action has no state
}

TEST(HostMenu, ScrollsOnlyAsFarAsTheSelectionNeeds)
{
    HostMenu menu(SmallExports(), {true, true, true});
    EXPECT_EQ(menu.FirstVisible(4), 0);
    menu.End(); // no fields open: A B C S0 ... S5, nine lines
    EXPECT_EQ(menu.FirstVisible(4), 5);
    menu.Up();
    menu.Up();
    menu.Up();
    EXPECT_EQ(menu.FirstVisible(4), 5); // S2 is still in sight
    menu.Up();
    EXPECT_EQ(menu.FirstVisible(4), 4);
    EXPECT_EQ(menu.FirstVisible(40), 0); // everything fits
}

} // namespace
