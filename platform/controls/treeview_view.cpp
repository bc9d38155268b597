// The tree view's rows on screen: which items show, where they are, scrolling, hit testing
// and painting.
//
// Every row is one character high. An item's level decides its slot, three characters wide:
// its "[+]" / "[-]" button with TVS_HASBUTTONS, or with TVS_HASLINES a connector "|-" (or "`-"
// for the last sibling); a '|' runs down the slot of every ancestor that has siblings below.
// The text starts one character after the slot. Top-level items have a slot only with
// TVS_LINESATROOT, as on Windows. The selected item's text is highlighted while the control
// has the focus (always, with TVS_SHOWSELALWAYS), and the focused control frames it with the
// focus rectangle.

#include "controls/treeview.h"
#include "render/geometry.h"

#include <algorithm>

namespace platform::treeview
{
namespace
{

void AddRows(Tree& t, Item* first, int level)
{
    for (Item* item = first; item; item = item->next)
    {
        item->row = static_cast<int>(t.rows.size());
        item->level = level;
        t.rows.push_back(item);
        if ((item->state & TVIS_EXPANDED) && item->firstChild)
            AddRows(t, item->firstChild, level + 1);
    }
}

int RootShift(const Tree& t)
{
    return (StyleOf(t) & TVS_LINESATROOT) ? 0 : 1;
}

int TextWidth(Tree& t, Item* item)
{
    return std::max(1, static_cast<int>(TextOf(t, item).size())) * CharWidth;
}

void Put(HDC hdc, int column, int y, const char* text)
{
    TextOutA(hdc, column * CharWidth, y, text, lstrlenA(text));
}

// The lines and the button in front of an item's text.
void PaintSlots(Tree& t, HDC hdc, Item* item, int y)
{
    const DWORD style = StyleOf(t);
    const int shift = RootShift(t);
    if (style & TVS_HASLINES)
    {
        for (Item* up = item->parent; up && up != &t.root; up = up->parent)
        {
            const int level = up->level - shift;
            if (level >= 0 && up->next)
                Put(hdc, level * IndentColumns + 1, y, "|");
        }
    }
    const int slot = SlotColumn(t, item);
    if (slot < 0)
        return;
    if ((style & TVS_HASBUTTONS) && HasChildren(t, item))
        Put(hdc, slot, y, (item->state & TVIS_EXPANDED) ? "[-]" : "[+]");
    else if (style & TVS_HASLINES)
        Put(hdc, slot + 1, y, item->next ? "|-" : "`-");
}

void PaintItem(Tree& t, HDC hdc, Item* item, int y)
{
    const DWORD style = StyleOf(t);
    const bool enabled = IsWindowEnabled(t.hwnd) != FALSE;
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    PaintSlots(t, hdc, item, y);

    const std::string text = TextOf(t, item);
    const bool highlighted =
        (item->state & TVIS_DROPHILITED) ||
        ((item->state & TVIS_SELECTED) && (t.focused || (style & TVS_SHOWSELALWAYS)));
    const int x = TextColumn(t, item) * CharWidth;
    if (!enabled)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    else if (highlighted)
    {
        SetBkMode(hdc, OPAQUE);
        SetBkColor(hdc, GetSysColor(COLOR_HIGHLIGHT));
        SetTextColor(hdc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    }
    TextOutA(hdc, x, y, text.c_str(), static_cast<int>(text.size()));
    if (item == t.caret && t.focused)
    {
        RECT focus{x, y, x + TextWidth(t, item), y + RowHeight};
        DrawFocusRect(hdc, &focus);
    }
}

} // namespace

void Layout(Tree& t)
{
    if (!t.layoutDirty)
        return;
    for (Item* item : t.items)
        item->row = -1;
    t.rows.clear();
    AddRows(t, t.root.firstChild, 0);
    t.layoutDirty = false;
}

void Invalidate(Tree& t)
{
    if (!t.dead)
        InvalidateRect(t.hwnd, nullptr, TRUE);
}

int PageRows(const Tree& t)
{
    // The rows the text renderer gives the client area, so that what the keyboard scrolls into
    // view is what a person sees.
    return std::max(0, render::CellsOfWindow(t.hwnd).client.Height());
}

void ScrollTo(Tree& t, int topRow)
{
    Layout(t);
    const int last = std::max(0, static_cast<int>(t.rows.size()) - std::max(1, PageRows(t)));
    topRow = std::clamp(topRow, 0, last);
    if (topRow == t.topRow)
        return;
    t.topRow = topRow;
    Invalidate(t);
}

void UpdateScrollBar(Tree& t)
{
    if (t.dead || t.destroying)
        return;
    Layout(t);
    const DWORD style = StyleOf(t);
    const bool needed = !(style & TVS_NOSCROLL) && static_cast<int>(t.rows.size()) > PageRows(t);
    if (needed == ((style & WS_VSCROLL) != 0))
        return;
    SetWindowLongA(t.hwnd, GWL_STYLE,
                   static_cast<LONG>(needed ? style | WS_VSCROLL : style & ~WS_VSCROLL));
    SetWindowPos(t.hwnd, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

int SlotColumn(const Tree& t, const Item* item)
{
    const int level = item->level - RootShift(t);
    return level < 0 ? -1 : level * IndentColumns;
}

int TextColumn(const Tree& t, const Item* item)
{
    const int level = item->level - RootShift(t);
    return level < 0 ? 0 : (level + 1) * IndentColumns + 1;
}

bool ItemRect(Tree& t, Item* item, bool textOnly, RECT& rect)
{
    Layout(t);
    if (item->row < 0)
        return false;
    const int y = (item->row - t.topRow) * RowHeight;
    if (textOnly)
    {
        const int x = TextColumn(t, item) * CharWidth;
        rect = RECT{x, y, x + TextWidth(t, item), y + RowHeight};
    }
    else
    {
        RECT client{};
        GetClientRect(t.hwnd, &client);
        rect = RECT{0, y, client.right, y + RowHeight};
    }
    return true;
}

HTREEITEM HitTest(Tree& t, TVHITTESTINFO& info)
{
    Layout(t);
    RECT client{};
    GetClientRect(t.hwnd, &client);
    const POINT pt = info.pt;
    info.hItem = nullptr;
    info.flags = 0;
    if (pt.x < 0)
        info.flags |= TVHT_TOLEFT;
    else if (pt.x >= client.right)
        info.flags |= TVHT_TORIGHT;
    if (pt.y < 0)
        info.flags |= TVHT_ABOVE;
    else if (pt.y >= client.bottom)
        info.flags |= TVHT_BELOW;
    if (info.flags)
        return nullptr;
    const int row = t.topRow + pt.y / RowHeight;
    if (row >= static_cast<int>(t.rows.size()))
    {
        info.flags = TVHT_NOWHERE;
        return nullptr;
    }
    Item* item = t.rows[row];
    info.hItem = HandleOf(item);
    const int textLeft = TextColumn(t, item) * CharWidth;
    const int slotLeft = SlotColumn(t, item) * CharWidth;
    if (pt.x >= textLeft + TextWidth(t, item))
        info.flags = TVHT_ONITEMRIGHT;
    else if (pt.x >= textLeft)
        info.flags = TVHT_ONITEMLABEL;
    else if (slotLeft >= 0 && pt.x >= slotLeft && (StyleOf(t) & TVS_HASBUTTONS) &&
             HasChildren(t, item))
        info.flags = TVHT_ONITEMBUTTON;
    else
        info.flags = TVHT_ONITEMINDENT;
    return info.hItem;
}

void Paint(Tree& t, HDC hdc)
{
    RECT client{};
    GetClientRect(t.hwnd, &client);
    if (!hdc || IsRectEmpty(&client))
        return;
    const int saved = SaveDC(hdc);
    if (t.font)
        SelectObject(hdc, t.font);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_WINDOW));
    Layout(t);
    for (int row = t.topRow, y = 0; row < static_cast<int>(t.rows.size()) && y < client.bottom;
         ++row, y += RowHeight)
        PaintItem(t, hdc, t.rows[row], y);
    RestoreDC(hdc, saved);
}

} // namespace platform::treeview
