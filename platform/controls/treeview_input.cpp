// The tree view's mouse, keyboard and scrolling.
//
// A press takes the focus first, then reports NM_CLICK; on an item's text it then selects the
// item (TVC_BYMOUSE), on its button it toggles the expansion. A double click reports NM_DBLCLK
// and, unless the parent handled it, toggles the item. Keys report TVN_KEYDOWN first: Up, Down,
// Home, End, Page Up and Page Down move the selection among the rows shown; Left collapses or
// goes to the parent, Right expands or goes to the first child, Backspace goes to the parent;
// the keypad's + expands, - collapses, * expands everything below; Enter reports NM_RETURN; a
// character selects the next row whose text starts with it.
//
// The vertical scroll bar, which the control shows when its rows do not fit, answers clicks on
// its arrows (a row) and above or below their middle (a page); the wheel scrolls three rows a
// notch.

#include "controls/treeview.h"

#include <algorithm>

#include <cctype>

namespace platform::treeview
{
namespace
{

Item* Row(Tree& t, int row)
{
    Layout(t);
    if (t.rows.empty())
        return nullptr;
    return t
        .rows[static_cast<std::size_t>(std::clamp(row, 0, static_cast<int>(t.rows.size()) - 1))];
}

void ExpandAll(Tree& t, Item* item)
{
    HWND hwnd = t.hwnd;
    Expand(t, item, TVE_EXPAND, true);
    if (t.dead || !IsWindow(hwnd) || !FromHandle(t, HandleOf(item)))
        return;
    for (Item* child = item->firstChild; child;)
    {
        Item* next = child->next;
        ExpandAll(t, child);
        if (t.dead || !FromHandle(t, HandleOf(item)) || (next && !FromHandle(t, HandleOf(next))))
            return;
        child = next;
    }
}

bool SelectsByMouse(const Tree& t, UINT flags)
{
    if (StyleOf(t) & TVS_FULLROWSELECT)
        return (flags & (TVHT_ONITEM | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT)) != 0;
    return (flags & TVHT_ONITEM) != 0;
}

} // namespace

void OnLButtonDown(Tree& t, POINT pt)
{
    if (GetFocus() != t.hwnd)
    {
        SetFocus(t.hwnd);
        if (t.dead)
            return;
    }
    TVHITTESTINFO hit{};
    hit.pt = pt;
    HitTest(t, hit);
    // Windows watches a press on an item for the start of a drag before it reports the click;
    // this platform has no drag and drop, so the press is the click.
    if (NotifySimple(t, NM_CLICK) || t.dead)
        return;
    Item* item = FromHandle(t, hit.hItem);
    if (!item)
        return;
    if (hit.flags & TVHT_ONITEMBUTTON)
        Expand(t, item, TVE_TOGGLE, true);
    else if (SelectsByMouse(t, hit.flags))
        SelectCaret(t, item, TVC_BYMOUSE, false);
}

void OnLButtonDblClk(Tree& t, POINT pt)
{
    TVHITTESTINFO hit{};
    hit.pt = pt;
    HitTest(t, hit);
    if (!hit.hItem)
        return;
    if (NotifySimple(t, NM_DBLCLK) || t.dead)
        return;
    Item* item = FromHandle(t, hit.hItem);
    if (item && (hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON)))
        Expand(t, item, TVE_TOGGLE, true);
}

void OnRButtonDown(Tree& t, POINT pt)
{
    if (NotifySimple(t, NM_RCLICK) || t.dead)
        return;
    ClientToScreen(t.hwnd, &pt);
    SendMessageA(t.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(t.hwnd), MAKELPARAM(pt.x, pt.y));
}

void OnKeyDown(Tree& t, WPARAM vk, LPARAM flags)
{
    NMTVKEYDOWN key{};
    key.wVKey = static_cast<WORD>(vk);
    key.flags = 0;
    Notify(t, key.hdr, TVN_KEYDOWN);
    if (t.dead)
        return;
    Layout(t);
    Item* caret = t.caret;
    const int page = std::max(1, PageRows(t));
    Item* target = nullptr;
    switch (vk)
    {
    case VK_UP:
        target = caret ? Row(t, caret->row - 1) : Row(t, 0);
        break;
    case VK_DOWN:
        target = caret ? Row(t, caret->row + 1) : Row(t, 0);
        break;
    case VK_HOME:
        target = Row(t, 0);
        break;
    case VK_END:
        target = Row(t, static_cast<int>(t.rows.size()) - 1);
        break;
    case VK_PRIOR:
        target = caret ? Row(t, caret->row - (page - 1)) : Row(t, 0);
        break;
    case VK_NEXT:
        target = caret ? Row(t, caret->row + (page - 1)) : Row(t, 0);
        break;
    case VK_LEFT:
        if (caret && (caret->state & TVIS_EXPANDED) && HasChildren(t, caret))
            Expand(t, caret, TVE_COLLAPSE, true);
        else if (caret && caret->parent != &t.root)
            target = caret->parent;
        break;
    case VK_BACK:
        if (caret && caret->parent != &t.root)
            target = caret->parent;
        break;
    case VK_RIGHT:
        if (caret && HasChildren(t, caret))
        {
            if (!(caret->state & TVIS_EXPANDED))
                Expand(t, caret, TVE_EXPAND, true);
            else
                target = caret->firstChild;
        }
        break;
    case VK_ADD:
        if (caret)
            Expand(t, caret, TVE_EXPAND, true);
        break;
    case VK_SUBTRACT:
        if (caret)
            Expand(t, caret, TVE_COLLAPSE, true);
        break;
    case VK_MULTIPLY:
        if (caret)
            ExpandAll(t, caret);
        break;
    case VK_RETURN:
        NotifySimple(t, NM_RETURN);
        break;
    }
    if (!t.dead && target && target != t.caret && FromHandle(t, HandleOf(target)))
        SelectCaret(t, target, TVC_BYKEYBOARD, false);
}

void OnChar(Tree& t, WPARAM ch)
{
    // The keypad's operators arrive as characters too, after their keys did their work.
    if (ch < ' ' || ch == '+' || ch == '-' || ch == '*')
        return;
    Layout(t);
    const int count = static_cast<int>(t.rows.size());
    const int start = t.caret ? t.caret->row : -1;
    const int wanted = std::tolower(static_cast<unsigned char>(ch));
    for (int step = 1; step <= count; ++step)
    {
        Item* item = t.rows[static_cast<std::size_t>((start + step + count) % count)];
        const std::string text = TextOf(t, item);
        if (t.dead)
            return;
        if (!text.empty() && std::tolower(static_cast<unsigned char>(text[0])) == wanted)
        {
            if (FromHandle(t, HandleOf(item)))
                SelectCaret(t, item, TVC_BYKEYBOARD, false);
            return;
        }
        Layout(t);
        if (static_cast<int>(t.rows.size()) != count)
            return;
    }
}

void OnVScroll(Tree& t, int code, int position)
{
    const int page = std::max(1, PageRows(t));
    Layout(t);
    switch (code)
    {
    case SB_LINEUP:
        ScrollTo(t, t.topRow - 1);
        break;
    case SB_LINEDOWN:
        ScrollTo(t, t.topRow + 1);
        break;
    case SB_PAGEUP:
        ScrollTo(t, t.topRow - page);
        break;
    case SB_PAGEDOWN:
        ScrollTo(t, t.topRow + page);
        break;
    case SB_TOP:
        ScrollTo(t, 0);
        break;
    case SB_BOTTOM:
        ScrollTo(t, static_cast<int>(t.rows.size()));
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        ScrollTo(t, position);
        break;
    }
}

void OnMouseWheel(Tree& t, int delta)
{
    ScrollTo(t, t.topRow - delta * 3 / WHEEL_DELTA);
}

LRESULT OnNcHitTest(Tree& t, POINT screen)
{
    if (StyleOf(t) & WS_VSCROLL)
    {
        RECT window{};
        RECT client{};
        GetWindowRect(t.hwnd, &window);
        GetClientRect(t.hwnd, &client);
        POINT origin{0, 0};
        ClientToScreen(t.hwnd, &origin);
        const int bar = origin.x + client.right;
        if (screen.x >= bar && screen.x < bar + GetSystemMetrics(SM_CXVSCROLL) &&
            screen.y >= origin.y && screen.y < origin.y + client.bottom)
            return HTVSCROLL;
    }
    return DefWindowProcA(t.hwnd, WM_NCHITTEST, 0, MAKELPARAM(screen.x, screen.y));
}

void OnNcLButtonDown(Tree& t, WPARAM hit, POINT screen)
{
    if (hit != HTVSCROLL)
        return;
    // The arrows are the bar's first and last rows, as the text renderer draws them.
    POINT pt = screen;
    ScreenToClient(t.hwnd, &pt);
    const int rows = std::max(1, PageRows(t));
    const int row = pt.y / RowHeight;
    int code = SB_PAGEDOWN;
    if (row <= 0)
        code = SB_LINEUP;
    else if (row >= rows - 1)
        code = SB_LINEDOWN;
    else if (row < rows / 2)
        code = SB_PAGEUP;
    SendMessageA(t.hwnd, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
}

} // namespace platform::treeview
