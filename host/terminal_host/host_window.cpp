// The host's main window (see host_window.h).
#include "host_window.h"

#include "simulation_changes.h"

#include <vxforms.h>
#include <vxhost.h>

#include <algorithm>

namespace tirel
{
namespace
{

constexpr int kCellWidth = 6;
constexpr int kCellHeight = 13;
// Posted to itself by the window when a menu line asks for a call, so that the key's handler
// returns before the export's modal dialog starts its loop.
constexpr UINT kRunMenuCall = WM_APP + 1;
// What the exported message boxes send to the foreground window to learn whether the main
// window should own them; the host answers 1 (yes) always.
constexpr UINT kChooseOwner = WM_USER + 210;
// The first menu line's row, below the title and the heading.
constexpr int kMenuTop = 3;

enum class Style
{
    Normal,
    Grey,
    Selected,
};

// Writes text at a cell, cut to width cells.
void Put(HDC hdc, int column, int row, std::string text, int width, Style style)
{
    if (width <= 0)
        return;
    if (static_cast<int>(text.size()) > width)
        text.resize(width);
    // Opaque text marks its blanks too, so a grey or highlighted line reads as one run.
    SetBkMode(hdc, OPAQUE);
    SetBkColor(hdc, GetSysColor(style == Style::Selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    COLORREF colour = GetSysColor(COLOR_WINDOWTEXT);
    if (style == Style::Grey)
        colour = GetSysColor(COLOR_GRAYTEXT);
    else if (style == Style::Selected)
        colour = GetSysColor(COLOR_HIGHLIGHTTEXT);
    SetTextColor(hdc, colour);
    TextOutA(hdc, column * kCellWidth, row * kCellHeight, text.c_str(),
             static_cast<int>(text.size()));
}

std::string Padded(std::string text, size_t width)
{
    if (text.size() < width)
        text.append(width - text.size(), ' ');
    return text;
}

std::string Attribute(const engine::Attributes& attributes, const char* key)
{
    const std::string* value = engine::FindAttribute(attributes, key);
    return value != nullptr ? *value : std::string();
}

// The right-hand panel as lines: the simulation, the forms, the last call.
std::vector<std::string> PanelLines(const engine::Simulation& simulation, bool hasLast,
                                    const CallRecord& last, const std::string& running)
{
    std::vector<std::string> lines;
    lines.push_back("Components (" + std::to_string(simulation.components.size()) + ")");
    int position = 1;
    for (const engine::Component& c : simulation.components)
    {
        std::string line = "  " + Padded(std::to_string(position++), 3) + Padded(c.id, 10) + " " +
                           Padded(Attribute(c.attributes, "name"), 20) + " " +
                           Padded(Attribute(c.attributes, "formula"), 8) + " " +
                           Attribute(c.attributes, "databank");
        lines.push_back(line);
    }
    std::string properties = "Property set (" + std::to_string(simulation.propertySet.size()) + ")";
    if (!simulation.propertySet.empty())
        properties += ":";
    for (const std::string& property : simulation.propertySet)
        properties += " " + property;
    lines.push_back(properties);
    lines.push_back("Records (" + std::to_string(simulation.records.size()) + ")");
    for (const engine::Record& r : simulation.records)
        lines.push_back("  " + r.type + " " + r.id);
    const std::vector<HWND> forms = vxforms::OpenForms();
    lines.push_back("Input forms open (" + std::to_string(forms.size()) + ")");
    for (HWND form : forms)
    {
        char title[128] = "";
        GetWindowTextA(form, title, sizeof title);
        lines.push_back(std::string("  ") + title);
    }
    lines.push_back("");
    if (!running.empty())
    {
        lines.push_back("Running " + running);
        return lines;
    }
    lines.push_back("Last call");
    if (!hasLast)
    {
        lines.push_back("  none yet");
        return lines;
    }
    if (!last.outcome.called)
    {
        lines.push_back("  " + last.call + ": " + last.outcome.error);
        return lines;
    }
    lines.push_back("  " + last.call +
                    (last.outcome.hasResult ? " returned " + std::to_string(last.outcome.result)
                                            : " returned"));
    for (const std::string& output : last.outcome.outputs)
        lines.push_back("  " + output);
    if (last.changes.empty())
        lines.push_back("  no change to the simulation");
    for (const std::string& change : last.changes)
        lines.push_back("  " + change);
    return lines;
}

} // namespace

BEGIN_MESSAGE_MAP(HostWindow, CWnd)
ON_WM_PAINT()
ON_MESSAGE(WM_PRINTCLIENT, &HostWindow::OnPrintClient)
ON_WM_KEYDOWN()
ON_WM_CHAR()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
ON_WM_SIZE()
ON_MESSAGE(kRunMenuCall, &HostWindow::OnRunMenuCall)
ON_MESSAGE(kChooseOwner, &HostWindow::OnChooseOwner)
END_MESSAGE_MAP()

namespace
{

std::vector<bool> Availability(HMODULE module)
{
    std::vector<bool> available;
    for (const ExportInfo& info : Exports())
        available.push_back(module != nullptr && GetProcAddress(module, info.name) != nullptr);
    return available;
}

} // namespace

HostWindow::HostWindow(HostWindowContext context)
    : context(std::move(context)), menu(Exports(), Availability(this->context.module))
{
    menu.SetOn(Setting::DontShowUpward,
               this->context.dontShowUpward != nullptr && *this->context.dontShowUpward != 0);
    menu.SetOn(Setting::DialogsSuppressed, vxhost::DialogsSuppressed());
}

BOOL HostWindow::CreateMain(int columns, int rows)
{
    LPCTSTR windowClass =
        AfxRegisterWndClass(CS_DBLCLKS, LoadCursorA(NULL, IDC_ARROW),
                            reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1)));
    return CreateEx(0, windowClass, "Tirel Plus", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                    columns * kCellWidth, rows * kCellHeight, NULL, NULL);
}

void HostWindow::PostNcDestroy()
{
    // The application's thread ends when its main window goes (CWinThread's own rule); the
    // object itself belongs to the session, which deletes it.
}

CallRecord HostWindow::RunCall(int exportIndex, const std::vector<std::string>& texts)
{
    const ExportInfo& info = Exports()[exportIndex];
    CallRecord record;
    record.call = DescribeCall(info, texts);
    running = record.call;
    note.clear();
    Invalidate();
    const engine::Simulation before = engine::CurrentSimulation();
    record.outcome = CallExport(context.module, info, texts);
    record.changes = SimulationChanges(before, engine::CurrentSimulation());
    running.clear();
    last = record;
    hasLast = true;
    if (IsWindow(m_hWnd))
        Invalidate();
    return record;
}

void HostWindow::ApplySetting(Setting setting, bool on)
{
    menu.SetOn(setting, on);
    switch (setting)
    {
    case Setting::DontShowUpward:
        if (context.dontShowUpward != nullptr)
            *context.dontShowUpward = on ? 1 : 0;
        break;
    case Setting::RefusesFind:
        vxhost::SetRefusesFind(on ? 1 : 0);
        break;
    case Setting::DialogsSuppressed:
        vxhost::SetDialogsSuppressed(on);
        break;
    case Setting::CloseForms:
        vxforms::CloseAllForms();
        break;
    case Setting::ReloadSimulation:
        engine::SetSimulation(context.initialSimulation);
        break;
    case Setting::Quit:
        DestroyWindow();
        return;
    }
    Invalidate();
}

void HostWindow::Activate()
{
    const MenuCommand command = menu.Activate();
    switch (command.kind)
    {
    case MenuCommand::Kind::Call:
        PostMessage(kRunMenuCall, static_cast<WPARAM>(command.exportIndex), 0);
        break;
    case MenuCommand::Kind::Unavailable:
        note = std::string(Exports()[command.exportIndex].name) + " is not in the module yet";
        break;
    case MenuCommand::Kind::Toggled:
        ApplySetting(command.setting, menu.IsOn(command.setting));
        return;
    case MenuCommand::Kind::Action:
        ApplySetting(command.setting, true);
        return;
    case MenuCommand::Kind::None:
        break;
    }
    Invalidate();
}

LRESULT HostWindow::OnRunMenuCall(WPARAM wParam, LPARAM)
{
    const int exportIndex = static_cast<int>(wParam);
    RunCall(exportIndex, menu.Fields(exportIndex));
    return 0;
}

LRESULT HostWindow::OnChooseOwner(WPARAM, LPARAM)
{
    return 1;
}

void HostWindow::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const int page = std::max(1, MenuRows() - 1);
    switch (nChar)
    {
    case VK_UP:
        menu.Up();
        break;
    case VK_DOWN:
        menu.Down();
        break;
    case VK_HOME:
        menu.Home();
        break;
    case VK_END:
        menu.End();
        break;
    case VK_PRIOR:
        for (int i = 0; i < page; ++i)
            menu.Up();
        break;
    case VK_NEXT:
        for (int i = 0; i < page; ++i)
            menu.Down();
        break;
    case VK_DELETE:
        menu.ClearField();
        break;
    case VK_RETURN:
        Activate();
        return;
    case VK_SPACE:
        // On a field the space is typed (WM_CHAR); elsewhere it activates, as on a button.
        if (menu.SelectedLine().kind == MenuLine::Kind::Argument)
            return;
        Activate();
        return;
    default:
        CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
        return;
    }
    note.clear();
    Invalidate();
}

void HostWindow::OnChar(UINT nChar, UINT, UINT)
{
    if (menu.SelectedLine().kind != MenuLine::Kind::Argument)
        return;
    if (nChar == '\b')
        menu.Backspace();
    else if (nChar >= ' ' && nChar < 0x7f)
        menu.Type(static_cast<char>(nChar));
    else
        return;
    Invalidate();
}

int HostWindow::LineAt(CPoint point) const
{
    const int row = point.y / kCellHeight - kMenuTop;
    if (row < 0 || row >= MenuRows() || point.x / kCellWidth >= LeftWidth())
        return -1;
    // FirstVisible only moves when the selection leaves the window, so asking does not scroll.
    const int line = const_cast<HostMenu&>(menu).FirstVisible(MenuRows()) + row;
    return line < static_cast<int>(menu.Lines().size()) ? line : -1;
}

void HostWindow::OnLButtonDown(UINT, CPoint point)
{
    SetFocus();
    const int line = LineAt(point);
    if (line < 0)
        return;
    menu.Select(line);
    note.clear();
    Invalidate();
}

void HostWindow::OnLButtonDblClk(UINT, CPoint point)
{
    const int line = LineAt(point);
    if (line < 0)
        return;
    menu.Select(line);
    Activate();
}

void HostWindow::OnSize(UINT, int, int)
{
    Invalidate();
}

int HostWindow::MenuRows() const
{
    CRect client;
    GetClientRect(&client);
    return std::max(1, client.Height() / kCellHeight - kMenuTop - 1);
}

int HostWindow::LeftWidth() const
{
    CRect client;
    GetClientRect(&client);
    return std::clamp(client.Width() / kCellWidth * 55 / 100, 42, 60);
}

void HostWindow::OnPaint()
{
    PAINTSTRUCT ps;
    HDC hdc = ::BeginPaint(m_hWnd, &ps);
    Paint(hdc);
    ::EndPaint(m_hWnd, &ps);
}

LRESULT HostWindow::OnPrintClient(WPARAM wParam, LPARAM)
{
    Paint(reinterpret_cast<HDC>(wParam));
    return 0;
}

void HostWindow::Paint(HDC hdc)
{
    CRect client;
    GetClientRect(&client);
    const int columns = client.Width() / kCellWidth;
    const int rows = client.Height() / kCellHeight;
    const int left = LeftWidth();
    const int right = left + 2;
    const int rightWidth = columns - right - 1;

    int available = 0;
    for (size_t i = 0; i < Exports().size(); ++i)
        available += menu.Available(static_cast<int>(i)) ? 1 : 0;
    Put(hdc, 1, 0,
        "Module " + context.moduleName + ": " + std::to_string(available) + " of " +
            std::to_string(Exports().size()) + " functions",
        columns - 2, Style::Normal);
    Put(hdc, 1, 2, "Functions and host settings", left - 1, Style::Normal);
    Put(hdc, right, 2, "Simulation", rightWidth, Style::Normal);

    // The menu, scrolled so that the selected line shows.
    const std::vector<MenuLine> lines = menu.Lines();
    const int menuRows = MenuRows();
    const int first = menu.FirstVisible(menuRows);
    for (int row = 0; row < menuRows && first + row < static_cast<int>(lines.size()); ++row)
    {
        const int index = first + row;
        const MenuLine& line = lines[index];
        const bool selected = index == menu.Selected();
        std::string text;
        Style style = selected ? Style::Selected : Style::Normal;
        if (line.kind == MenuLine::Kind::Export)
        {
            const ExportInfo& info = Exports()[line.exportIndex];
            const bool present = menu.Available(line.exportIndex);
            text = Padded(info.name, 26) + (present ? info.purpose : "(not in module)");
            if (!present && !selected)
                style = Style::Grey;
        }
        else if (line.kind == MenuLine::Kind::Argument)
        {
            const ArgumentInfo& argument = Exports()[line.exportIndex].arguments[line.argument];
            text = "    " + Padded(std::string(argument.name) + ":", 16) + "[" +
                   menu.Fields(line.exportIndex)[line.argument] + (selected ? "_" : "") + "]";
        }
        else
        {
            text = IsSwitch(line.setting) ? std::string(menu.IsOn(line.setting) ? "[x] " : "[ ] ") +
                                                SettingLabel(line.setting)
                                          : std::string("--> ") + SettingLabel(line.setting);
        }
        Put(hdc, 1, kMenuTop + row, Padded(text, left - 1), left - 1, style);
    }

    // The simulation and the last call.
    std::vector<std::string> panel =
        PanelLines(engine::CurrentSimulation(), hasLast, last, running);
    const int panelRows = rows - kMenuTop - 1;
    if (static_cast<int>(panel.size()) > panelRows && panelRows > 0)
    {
        panel.resize(panelRows);
        panel.back() = "...";
    }
    for (int row = 0; row < static_cast<int>(panel.size()); ++row)
        Put(hdc, right, kMenuTop + row, panel[row], rightWidth, Style::Normal);

    const std::string keys =
        note.empty() ? "Up/Down choose  Enter call  type/Del edit  Space switch  Ctrl+Q quit"
                     : note;
    Put(hdc, 1, rows - 1, keys, columns - 2, Style::Normal);
}

} // namespace tirel
