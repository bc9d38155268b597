// The combo box's layout and painting.
//
// The closed line reads "[text      v]" on the text renderer: brackets in the first and last
// cells, the drop-down button as the "v" in the cell before the last, and the text between
// them (drawn by the edit child, or by the combo box for CBS_DROPDOWNLIST). A focused
// drop-down list shows its text selected and framed by the focus rectangle, as a focused edit
// does. CBS_SIMPLE combo boxes show the bracketed edit line with their list below it.
//
// The open list is a top-level window below the combo box (above it when the screen ends
// first), as wide as the combo box or CB_SETDROPPEDWIDTH, showing as many items as fit between
// the closed line and the dropped height, and no more than there are. The text renderer gives
// the list's border a whole row above and below the items, so the list is two rows taller in
// pixels than Windows would make it: that way the renderer shows the items Windows would.
//
// Does not do: a pushed look for the button while the list is open, or themes.

#include "controls/combobox.h"
#include "platform/canvas.h"
#include "render/geometry.h"

#include <algorithm>
#include <string>

namespace platform::combobox
{
namespace
{

constexpr int CharWidth = Canvas::CellWidth;

RECT Client(const Combo& c)
{
    RECT rc{};
    GetClientRect(c.hwnd, &rc);
    return rc;
}

HBRUSH FieldBrush(Combo& c, HDC dc)
{
    // Disabled combo boxes look like statics; a drop-down list's field like a list.
    UINT msg = c.edit ? WM_CTLCOLOREDIT : WM_CTLCOLORLISTBOX;
    if (!IsWindowEnabled(c.hwnd))
        msg = WM_CTLCOLORSTATIC;
    HBRUSH brush = nullptr;
    if (c.parent && IsWindow(c.parent))
        brush = reinterpret_cast<HBRUSH>(SendMessageA(c.parent, msg, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(c.hwnd)));
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(DefWindowProcA(c.hwnd, msg, reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(c.hwnd)));
    return brush;
}

std::string SelectedText(const Combo& c)
{
    const int selection = Selection(c);
    if (selection < 0)
        return {};
    const LRESULT length = ToList(c, LB_GETTEXTLEN, static_cast<WPARAM>(selection));
    if (length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied = ToList(c, LB_GETTEXT, static_cast<WPARAM>(selection),
                                  reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void PaintDropListText(Combo& c, HDC dc, bool enabled)
{
    const RECT field = FieldRect(c);
    const bool showFocus = c.focused && !c.dropped && enabled;
    const std::string text = SelectedText(c);
    if (showFocus && Selection(c) >= 0)
    {
        FillRect(dc, &field, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, field.left, field.top, field.right, field.bottom);
    TextOutA(dc, field.left, field.top, text.c_str(), static_cast<int>(text.size()));
    RestoreDC(dc, saved);
    if (showFocus)
        DrawFocusRect(dc, &field);
}

} // namespace

RECT FieldRect(const Combo& c)
{
    const RECT client = Client(c);
    if (c.Simple())
        return RECT{CharWidth, 1, std::max<LONG>(CharWidth, client.right - CharWidth),
                    1 + c.fieldHeight};
    const int top = (c.ClosedHeight() - c.fieldHeight) / 2;
    return RECT{CharWidth, top, std::max<LONG>(CharWidth, client.right - ButtonWidth),
                top + c.fieldHeight};
}

RECT ButtonRect(const Combo& c)
{
    if (c.Simple())
        return RECT{};
    const RECT client = Client(c);
    return RECT{std::max<LONG>(0, client.right - ButtonWidth), 0, client.right, client.bottom};
}

void Layout(Combo& c)
{
    const RECT client = Client(c);
    if (c.edit)
    {
        const RECT field = FieldRect(c);
        SetWindowPos(c.edit, nullptr, field.left, field.top, field.right - field.left,
                     field.bottom - field.top, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (c.Simple() && c.list)
    {
        const int top = c.fieldHeight + 2;
        SetWindowPos(c.list, nullptr, 0, top, client.right, std::max<LONG>(0, client.bottom - top),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

int AvailableRows(const Combo& c)
{
    const int itemHeight = std::max<int>(1, static_cast<int>(ToList(c, LB_GETITEMHEIGHT)));
    // The list's border takes a pixel above and below.
    return std::max(1, (c.droppedHeight - c.ClosedHeight() - 2) / itemHeight);
}

void PlaceList(Combo& c)
{
    if (c.Simple() || !c.list)
        return;
    RECT combo{};
    GetWindowRect(c.hwnd, &combo);
    const int itemHeight = std::max<int>(1, static_cast<int>(ToList(c, LB_GETITEMHEIGHT)));
    const int count = static_cast<int>(ToList(c, LB_GETCOUNT));
    c.shownRows = std::clamp(count, 1, AvailableRows(c));
    const int width = std::max<int>(c.droppedWidth, combo.right - combo.left);
    const int height = c.shownRows * itemHeight + 2 * Canvas::CellHeight;
    int y = combo.bottom;
    if (y + height > GetSystemMetrics(SM_CYSCREEN) && combo.top - height >= 0)
        y = combo.top - height;
    SetWindowPos(c.list, HWND_TOPMOST, combo.left, y, width, height,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

RECT DroppedRect(const Combo& c)
{
    RECT window{};
    GetWindowRect(c.hwnd, &window);
    if (c.Simple())
        return window;
    const int width = std::max<int>(c.droppedWidth, window.right - window.left);
    return RECT{window.left, window.top, window.left + width,
                window.top + std::max(c.droppedHeight, c.ClosedHeight())};
}

void Paint(Combo& c, HDC dc)
{
    if (!dc)
        return;
    const RECT client = Client(c);
    const int saved = SaveDC(dc);
    HBRUSH brush = FieldBrush(c, dc);
    if (c.destroyed)
        return;
    if (brush)
        FillRect(dc, &client, brush);
    if (c.font)
        SelectObject(dc, c.font);
    SetBkMode(dc, TRANSPARENT);
    const bool enabled = IsWindowEnabled(c.hwnd) != FALSE;
    if (!enabled)
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    // The brackets and the button sit in whole cells at the ends of the line.
    const int columns = std::max(2, render::CellsOfWindow(c.hwnd).columns);
    const int last = (columns - 1) * CharWidth;
    const int top = FieldRect(c).top;
    TextOutA(dc, 0, top, "[", 1);
    TextOutA(dc, last, top, "]", 1);
    if (!c.Simple())
        TextOutA(dc, last - CharWidth, top, "v", 1);
    if (!c.edit)
        PaintDropListText(c, dc, enabled);
    RestoreDC(dc, saved);
}

void Redraw(Combo& c)
{
    InvalidateRect(c.hwnd, nullptr, TRUE);
}

} // namespace platform::combobox
