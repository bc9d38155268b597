// The host's menu without a window: the module's exports with their argument fields, and the
// host's own settings and actions, as a list of lines the user moves through, edits and
// activates. The main window (host_window.h) draws it and feeds it keys and clicks.
//
// Only the selected export shows its argument fields, right below its line, so the list stays
// short; Down from an export's line enters its fields, Up from it goes to the export above.
#pragma once

#include "export_table.h"

#include <string>
#include <vector>

namespace tirel
{

// The host's switches and actions, listed after the exports.
enum class Setting
{
    DontShowUpward,    // the "DontShowUpward" item the host publishes (0 or 1)
    RefusesFind,       // what HostRefusesFind answers
    DialogsSuppressed, // the host's suppressed mode for its prompts
    CloseForms,        // closes every open input form
    ReloadSimulation,  // puts the simulation back as the host started it
    Quit,
};
inline constexpr int kSettingCount = 6;

struct MenuLine
{
    enum class Kind
    {
        Export,
        Argument,
        Setting,
    };
    Kind kind = Kind::Export;
    int exportIndex = -1; // Export and Argument lines
    int argument = -1;    // Argument lines: the index in the export's arguments
    Setting setting = Setting::Quit;
};

// What activating a line asks the host to do.
struct MenuCommand
{
    enum class Kind
    {
        None,
        Call,        // call exportIndex with the fields' texts
        Unavailable, // exportIndex is not in the module
        Toggled,     // setting changed its value (read it with IsOn)
        Action,      // run setting (CloseForms, ReloadSimulation, Quit)
    };
    Kind kind = Kind::None;
    int exportIndex = -1;
    Setting setting = Setting::Quit;
};

class HostMenu
{
public:
    // available[i] tells whether the module has Exports()[i].
    HostMenu(const std::vector<ExportInfo>& exports, std::vector<bool> available);

    const std::vector<ExportInfo>& ExportList() const { return exports; }
    bool Available(int exportIndex) const { return available[exportIndex]; }

    // The lines shown now, and which one is selected.
    std::vector<MenuLine> Lines() const;
    int Selected() const { return selected; }
    const MenuLine& SelectedLine() const { return lines[selected]; }
    // The export whose fields are open: the selected one, or the export of the selected field.
    int OpenExport() const;

    void Up();
    void Down();
    void Home();
    void End();
    // Selects a line by its index in Lines() (a mouse click); out of range is ignored.
    void Select(int line);
    // Selects the export's line (a script or a test names it).
    void SelectExport(int exportIndex);

    // Editing the selected argument field (nothing happens on other lines).
    void Type(char ch);
    void Backspace();
    void ClearField();

    // Enter or Space on the selected line: an export's line or its fields call the export; a
    // setting toggles or runs.
    MenuCommand Activate();

    const std::vector<std::string>& Fields(int exportIndex) const { return fields[exportIndex]; }
    void SetField(int exportIndex, int argument, std::string text);

    bool IsOn(Setting setting) const;
    void SetOn(Setting setting, bool on);

    // The first line to draw so that the selected one shows in a window of rows lines; it
    // moves only as far as needed, as a list box scrolls.
    int FirstVisible(int rows);

private:
    void Rebuild(MenuLine keep);
    static bool Editable(const ArgumentInfo& argument);

    std::vector<ExportInfo> exports;
    std::vector<bool> available;
    std::vector<std::vector<std::string>> fields;
    bool on[kSettingCount] = {};
    std::vector<MenuLine> lines;
    int selected = 0;
    int top = 0;
};

// The label of a setting line.
const char* SettingLabel(Setting setting);
// Whether a setting is a switch (shown with its state) rather than an action.
bool IsSwitch(Setting setting);

} // namespace tirel
