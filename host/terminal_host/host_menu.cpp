// The host's menu without a window (see host_menu.h).
#include "host_menu.h"

#include <algorithm>

namespace tirel
{

HostMenu::HostMenu(const std::vector<ExportInfo>& exports, std::vector<bool> available)
    : exports(exports), available(std::move(available))
{
    this->available.resize(exports.size(), false);
    for (const ExportInfo& info : exports)
    {
        std::vector<std::string> texts;
        for (const ArgumentInfo& argument : info.arguments)
            texts.push_back(argument.initial);
        fields.push_back(std::move(texts));
    }
    // The first export the module has is where the user most likely starts.
    MenuLine first;
    first.exportIndex = 0;
    for (size_t i = 0; i < exports.size(); ++i)
        if (this->available[i] && !exports[i].arguments.empty())
        {
            first.exportIndex = static_cast<int>(i);
            break;
        }
    Rebuild(first);
}

bool HostMenu::Editable(const ArgumentInfo& argument)
{
    return argument.kind != ArgumentKind::TemplateSlot;
}

int HostMenu::OpenExport() const
{
    const MenuLine& line = lines[selected];
    return line.kind == MenuLine::Kind::Setting ? -1 : line.exportIndex;
}

std::vector<MenuLine> HostMenu::Lines() const
{
    return lines;
}

// Lays the lines out again with keep selected: the fields of keep's export open below it.
void HostMenu::Rebuild(MenuLine keep)
{
    const int open = keep.kind == MenuLine::Kind::Setting ? -1 : keep.exportIndex;
    lines.clear();
    selected = 0;
    for (size_t i = 0; i < exports.size(); ++i)
    {
        MenuLine line;
        line.exportIndex = static_cast<int>(i);
        if (keep.kind == MenuLine::Kind::Export && keep.exportIndex == line.exportIndex)
            selected = static_cast<int>(lines.size());
        lines.push_back(line);
        if (line.exportIndex != open)
            continue;
        for (size_t a = 0; a < exports[i].arguments.size(); ++a)
        {
            if (!Editable(exports[i].arguments[a]))
                continue;
            MenuLine field;
            field.kind = MenuLine::Kind::Argument;
            field.exportIndex = line.exportIndex;
            field.argument = static_cast<int>(a);
            if (keep.kind == MenuLine::Kind::Argument && keep.exportIndex == field.exportIndex &&
                keep.argument == field.argument)
                selected = static_cast<int>(lines.size());
            lines.push_back(field);
        }
    }
    for (int s = 0; s < kSettingCount; ++s)
    {
        MenuLine line;
        line.kind = MenuLine::Kind::Setting;
        line.setting = static_cast<Setting>(s);
        if (keep.kind == MenuLine::Kind::Setting && keep.setting == line.setting)
            selected = static_cast<int>(lines.size());
        lines.push_back(line);
    }
}

void HostMenu::Up()
{
    // Only the selected export's fields are open, so the line above an export's line is always
    // the previous export's own line or a field of the same export.
    if (selected > 0)
        Rebuild(lines[selected - 1]);
}

void HostMenu::Down()
{
    if (selected + 1 < static_cast<int>(lines.size()))
        Rebuild(lines[selected + 1]);
}

void HostMenu::Home()
{
    Rebuild(lines.front());
}

void HostMenu::End()
{
    Rebuild(lines.back());
}

void HostMenu::Select(int line)
{
    if (line >= 0 && line < static_cast<int>(lines.size()))
        Rebuild(lines[line]);
}

void HostMenu::SelectExport(int exportIndex)
{
    if (exportIndex < 0 || exportIndex >= static_cast<int>(exports.size()))
        return;
    MenuLine line;
    line.exportIndex = exportIndex;
    Rebuild(line);
}

void HostMenu::Type(char ch)
{
    const MenuLine& line = lines[selected];
    if (line.kind == MenuLine::Kind::Argument)
        fields[line.exportIndex][line.argument] += ch;
}

void HostMenu::Backspace()
{
    const MenuLine& line = lines[selected];
    if (line.kind == MenuLine::Kind::Argument && !fields[line.exportIndex][line.argument].empty())
        fields[line.exportIndex][line.argument].pop_back();
}

void HostMenu::ClearField()
{
    const MenuLine& line = lines[selected];
    if (line.kind == MenuLine::Kind::Argument)
        fields[line.exportIndex][line.argument].clear();
}

MenuCommand HostMenu::Activate()
{
    const MenuLine& line = lines[selected];
    MenuCommand command;
    if (line.kind != MenuLine::Kind::Setting)
    {
        command.kind =
            available[line.exportIndex] ? MenuCommand::Kind::Call : MenuCommand::Kind::Unavailable;
        command.exportIndex = line.exportIndex;
        return command;
    }
    command.setting = line.setting;
    if (IsSwitch(line.setting))
    {
        SetOn(line.setting, !IsOn(line.setting));
        command.kind = MenuCommand::Kind::Toggled;
    }
    else
    {
        command.kind = MenuCommand::Kind::Action;
    }
    return command;
}

void HostMenu::SetField(int exportIndex, int argument, std::string text)
{
    if (exportIndex >= 0 && exportIndex < static_cast<int>(fields.size()) && argument >= 0 &&
        argument < static_cast<int>(fields[exportIndex].size()))
        fields[exportIndex][argument] = std::move(text);
}

bool HostMenu::IsOn(Setting setting) const
{
    return on[static_cast<int>(setting)];
}

void HostMenu::SetOn(Setting setting, bool value)
{
    if (IsSwitch(setting))
        on[static_cast<int>(setting)] = value;
}

int HostMenu::FirstVisible(int rows)
{
    rows = std::max(rows, 1);
    if (selected < top)
        top = selected;
    else if (selected >= top + rows)
        top = selected - rows + 1;
    top = std::clamp(top, 0, std::max(0, static_cast<int>(lines.size()) - rows));
    return top;
}

const char* SettingLabel(Setting setting)
{
    switch (setting)
    {
    case Setting::DontShowUpward:
        return "DontShowUpward";
    case Setting::RefusesFind:
        return "Host refuses the Find";
    case Setting::DialogsSuppressed:
        return "Prompts suppressed";
    case Setting::CloseForms:
        return "Close the input forms";
    case Setting::ReloadSimulation:
        return "Reload the simulation";
    case Setting::Quit:
        return "Quit";
    }
    return "";
}

bool IsSwitch(Setting setting)
{
    return setting == Setting::DontShowUpward || setting == Setting::RefusesFind ||
           setting == Setting::DialogsSuppressed;
}

} // namespace tirel
