// The tab control's geometry and painting.
//
// The tabs make one row along the top, each "[ text ]" (all as wide as the widest with
// TCS_FIXEDWIDTH); the selected tab's text is highlighted, and the focused control frames its
// focused tab with the focus rectangle. Below the row a frame surrounds the page area, whose
// top edge is the rest of the tab row. Inside the frame the control paints nothing: the pages
// are sibling windows there, and whichever of them the z-order draws first stays visible.

#include "controls/tab.h"

#include <algorithm>

namespace platform::tab
{
namespace
{

int TextWidth(const Tab& tab)
{
    return (static_cast<int>(tab.text.size()) + 4) * CharWidth;
}

void PaintTab(TabControl& c, HDC hdc, int index, bool enabled)
{
    const RECT r = TabRect(c, index);
    const Tab& tab = c.tabs[static_cast<std::size_t>(index)];
    SetBkMode(hdc, OPAQUE);
    SetBkColor(hdc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    const int columns = (r.right - r.left) / CharWidth;
    // The brackets at the edges, blanks between, so the frame's line does not show through.
    std::string face(static_cast<std::size_t>(std::max(2, columns)), ' ');
    face.front() = '[';
    face.back() = ']';
    TextOutA(hdc, r.left, r.top, face.c_str(), static_cast<int>(face.size()));

    const int textX =
        r.left + (r.right - r.left - static_cast<int>(tab.text.size()) * CharWidth) / 2;
    if (!enabled)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    else if (index == c.selected || (tab.state & TCIS_HIGHLIGHTED))
    {
        SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    TextOutA(hdc, textX, r.top, tab.text.c_str(), static_cast<int>(tab.text.size()));
    if (c.focused && index == c.focus)
    {
        RECT focus{textX, r.top, textX + std::max(1, static_cast<int>(tab.text.size())) * CharWidth,
                   r.bottom};
        DrawFocusRect(hdc, &focus);
    }
}

} // namespace

int TabWidth(const TabControl& c, int index)
{
    if (GetWindowLongA(c.hwnd, GWL_STYLE) & TCS_FIXEDWIDTH)
    {
        int widest = 0;
        for (const Tab& tab : c.tabs)
            widest = std::max(widest, TextWidth(tab));
        return widest;
    }
    return TextWidth(c.tabs[static_cast<std::size_t>(index)]);
}

RECT TabRect(const TabControl& c, int index)
{
    int x = 0;
    for (int i = c.firstShown; i < index; ++i)
        x += TabWidth(c, i);
    for (int i = index; i < c.firstShown; ++i)
        x -= TabWidth(c, i);
    return RECT{x, 0, x + TabWidth(c, index), RowHeight};
}

int HitTest(const TabControl& c, POINT pt, UINT* flags)
{
    for (int i = c.firstShown; i < static_cast<int>(c.tabs.size()); ++i)
    {
        const RECT r = TabRect(c, i);
        if (PtInRect(&r, pt))
        {
            if (flags)
                *flags = TCHT_ONITEMLABEL;
            return i;
        }
    }
    if (flags)
        *flags = TCHT_NOWHERE;
    return -1;
}

void AdjustRect(bool larger, RECT& rect)
{
    // The frame takes a character at each side and a line at the bottom; the tab row is the top.
    const int sign = larger ? -1 : 1;
    rect.left += sign * CharWidth;
    rect.top += sign * RowHeight;
    rect.right -= sign * CharWidth;
    rect.bottom -= sign * RowHeight;
}

void ShowTab(TabControl& c, int index)
{
    if (index < 0 || index >= static_cast<int>(c.tabs.size()))
        return;
    RECT client{};
    GetClientRect(c.hwnd, &client);
    if (index < c.firstShown)
        c.firstShown = index;
    while (c.firstShown < index && TabRect(c, index).right > client.right)
        ++c.firstShown;
}

void Paint(TabControl& c, HDC hdc)
{
    RECT client{};
    GetClientRect(c.hwnd, &client);
    if (!hdc || IsRectEmpty(&client))
        return;
    const int saved = SaveDC(hdc);
    if (c.font)
        SelectObject(hdc, c.font);
    RECT row{0, 0, client.right, RowHeight};
    FillRect(hdc, &row, GetSysColorBrush(COLOR_BTNFACE));
    FrameRect(hdc, &client, GetSysColorBrush(COLOR_WINDOWFRAME));
    const bool enabled = IsWindowEnabled(c.hwnd) != FALSE;
    for (int i = c.firstShown; i < static_cast<int>(c.tabs.size()); ++i)
    {
        if (TabRect(c, i).left >= client.right)
            break;
        PaintTab(c, hdc, i, enabled);
    }
    RestoreDC(hdc, saved);
}

} // namespace platform::tab
