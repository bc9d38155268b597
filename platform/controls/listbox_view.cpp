// The list box's geometry, scrolling and painting: one row per item from the top index, text
// scrolled sideways by the horizontal position.
//
// How many items a page holds follows the rows that the text renderer gives the client area
// (a border takes a whole cell there, where on Windows it takes a pixel), so that the caret
// item that the keyboard scrolls into view is in sight on the renderer and every item can be
// scrolled to. Item rectangles, hit testing and LB_ITEMFROMPOINT work in pixels, as on
// Windows.
//
// Scroll bars: a list created with WS_VSCROLL (WS_HSCROLL) shows the bar, by having the style,
// only while there is something to scroll to, or always with LBS_DISABLENOSCROLL, as Windows
// shows and hides them. Clicking a bar's ends scrolls a row (a character sideways), clicking
// between them a page.
//
// Does not do: scroll bar thumbs (there is no scroll bar state to query), LBS_MULTICOLUMN,
// LBS_OWNERDRAWVARIABLE heights (every item has the one height), or tab stops beyond the last
// one set (such a tab shows as one blank).

#include "controls/listbox.h"
#include "platform/canvas.h"
#include "render/geometry.h"

#include <algorithm>

namespace platform::listbox
{
namespace
{

constexpr int CharWidth = Canvas::CellWidth;

RECT Client(const ListBox& lb)
{
    RECT rc{};
    GetClientRect(lb.hwnd, &rc);
    return rc;
}

int MaxTop(const ListBox& lb)
{
    return std::max(0, lb.Count() - PageSize(lb));
}

int MaxScrollX(const ListBox& lb)
{
    return std::max(0, lb.horizontalExtent - static_cast<int>(Client(lb).right));
}

void SetStyleBit(ListBox& lb, DWORD bit, bool on)
{
    const DWORD style = lb.Style();
    const DWORD updated = on ? (style | bit) : (style & ~bit);
    if (updated != style)
        SetWindowLongA(lb.hwnd, GWL_STYLE, static_cast<LONG>(updated));
}

void SetScrollX(ListBox& lb, int x)
{
    x = std::clamp(x, 0, MaxScrollX(lb));
    if (x == lb.scrollX)
        return;
    lb.scrollX = x;
    Redraw(lb);
}

HBRUSH ControlBrush(ListBox& lb, HDC dc)
{
    HBRUSH brush = nullptr;
    if (lb.owner && IsWindow(lb.owner))
        brush = reinterpret_cast<HBRUSH>(SendMessageA(lb.owner, WM_CTLCOLORLISTBOX,
                                                      reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(lb.hwnd)));
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(DefWindowProcA(lb.hwnd, WM_CTLCOLORLISTBOX,
                                                        reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(lb.hwnd)));
    return brush;
}

// The pixel column of the first tab stop after x (relative to the text's start).
int NextTabStop(const ListBox& lb, int x)
{
    // Stops are in dialog template units, a quarter of the 6-pixel character.
    auto pixels = [](int units) { return MulDiv(units, CharWidth, 4); };
    if (lb.tabStops.size() <= 1)
    {
        const int every =
            std::max(1, pixels(lb.tabStops.empty() ? DefaultTabStop : lb.tabStops[0]));
        return (x / every + 1) * every;
    }
    for (int stop : lb.tabStops)
    {
        if (pixels(stop) > x)
            return pixels(stop);
    }
    return x + CharWidth;
}

void DrawItemText(const ListBox& lb, HDC dc, const std::string& text, int x, int y)
{
    if (!(lb.Style() & LBS_USETABSTOPS) || text.find('\t') == std::string::npos)
    {
        TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
        return;
    }
    int offset = 0;
    size_t start = 0;
    while (start <= text.size())
    {
        size_t end = text.find('\t', start);
        if (end == std::string::npos)
            end = text.size();
        const int length = static_cast<int>(end - start);
        TextOutA(dc, x + offset, y, text.c_str() + start, length);
        offset += length * CharWidth;
        if (end == text.size())
            break;
        offset = NextTabStop(lb, offset);
        start = end + 1;
    }
}

void DrawOwnerItem(ListBox& lb, HDC dc, int index, const RECT& rect)
{
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = static_cast<UINT>(GetWindowLongPtrA(lb.hwnd, GWLP_ID));
    dis.itemID = static_cast<UINT>(index);
    dis.itemAction = ODA_DRAWENTIRE;
    if (lb.IsSelected(index) && !lb.NoSelection())
        dis.itemState |= ODS_SELECTED;
    if (lb.focused && index == lb.caret)
        dis.itemState |= ODS_FOCUS;
    if (!IsWindowEnabled(lb.hwnd))
        dis.itemState |= ODS_DISABLED;
    dis.hwndItem = lb.hwnd;
    dis.hDC = dc;
    dis.rcItem = rect;
    dis.itemData = lb.items[static_cast<size_t>(index)].data;
    SendMessageA(lb.owner, WM_DRAWITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

void PaintItem(ListBox& lb, HDC dc, int index, const RECT& rect, bool enabled, COLORREF normalText)
{
    const bool selected = lb.IsSelected(index) && !lb.NoSelection();
    if (selected)
    {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(enabled ? COLOR_HIGHLIGHTTEXT : COLOR_GRAYTEXT));
    }
    else
    {
        SetTextColor(dc, enabled ? normalText : GetSysColor(COLOR_GRAYTEXT));
    }
    DrawItemText(lb, dc, lb.items[static_cast<size_t>(index)].text, rect.left + TextIndent,
                 rect.top);
}

} // namespace

int PageSize(const ListBox& lb)
{
    const int rows = render::CellsOfWindow(lb.hwnd).client.Height();
    return std::max(1, rows * Canvas::CellHeight / std::max(1, lb.itemHeight));
}

RECT ItemRect(const ListBox& lb, int index)
{
    const RECT client = Client(lb);
    const int width = std::max(static_cast<int>(client.right), lb.horizontalExtent);
    const int y = (index - lb.top) * lb.itemHeight;
    return RECT{-lb.scrollX, y, width - lb.scrollX, y + lb.itemHeight};
}

bool IsItemVisible(const ListBox& lb, int index)
{
    return lb.Valid(index) && index >= lb.top && index < lb.top + PageSize(lb);
}

int ItemAt(const ListBox& lb, POINT pt)
{
    if (lb.Count() == 0)
        return -1;
    const int last = std::min(lb.Count() - 1, lb.top + PageSize(lb) - 1);
    const int index = lb.top + Canvas::FloorDiv(pt.y, std::max(1, lb.itemHeight));
    return std::clamp(index, std::min(lb.top, last), last);
}

LRESULT ItemFromPoint(const ListBox& lb, POINT pt)
{
    const RECT client = Client(lb);
    const int index = ItemAt(lb, pt);
    if (index < 0)
        return MAKELRESULT(0xFFFF, 1);
    const RECT item = ItemRect(lb, index);
    const bool outside = pt.x < 0 || pt.x >= client.right || pt.y < 0 || pt.y >= client.bottom ||
                         pt.y < item.top || pt.y >= item.bottom;
    return MAKELRESULT(static_cast<WORD>(index), outside ? 1 : 0);
}

bool SetTop(ListBox& lb, int index)
{
    index = std::clamp(index, 0, MaxTop(lb));
    if (index == lb.top)
        return false;
    lb.top = index;
    Redraw(lb);
    return true;
}

void EnsureVisible(ListBox& lb, int index)
{
    if (!lb.Valid(index))
        return;
    const int page = PageSize(lb);
    if (index < lb.top)
        SetTop(lb, index);
    else if (index >= lb.top + page)
        SetTop(lb, index - page + 1);
}

void SetHorizontalExtent(ListBox& lb, int extent)
{
    lb.horizontalExtent = std::max(0, extent);
    UpdateScrollBars(lb);
    SetScrollX(lb, lb.scrollX);
    Redraw(lb);
}

void UpdateScrollBars(ListBox& lb)
{
    const bool always = (lb.Style() & LBS_DISABLENOSCROLL) != 0;
    // The horizontal bar takes a row and the vertical one a column, so each decision can change
    // the other: settle the vertical bar, then the horizontal one, then the vertical again.
    for (int pass = 0; pass < 2; ++pass)
    {
        if (lb.wantsVScroll)
            SetStyleBit(lb, WS_VSCROLL, always || lb.Count() > PageSize(lb));
        if (lb.wantsHScroll && pass == 0)
            SetStyleBit(lb, WS_HSCROLL, always || lb.horizontalExtent > Client(lb).right);
    }
    SetTop(lb, lb.top);
    SetScrollX(lb, lb.scrollX);
}

void ApplyIntegralHeight(ListBox& lb)
{
    if (lb.Style() & (LBS_NOINTEGRALHEIGHT | LBS_OWNERDRAWVARIABLE))
        return;
    const int height = Client(lb).bottom;
    const int remainder = height % std::max(1, lb.itemHeight);
    if (height <= lb.itemHeight || remainder == 0)
        return;
    RECT window{};
    GetWindowRect(lb.hwnd, &window);
    SetWindowPos(lb.hwnd, nullptr, 0, 0, window.right - window.left,
                 window.bottom - window.top - remainder,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void OnVScroll(ListBox& lb, WORD code, int position)
{
    const int page = PageSize(lb);
    switch (code)
    {
    case SB_LINEUP:
        SetTop(lb, lb.top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(lb, lb.top + 1);
        break;
    case SB_PAGEUP:
        SetTop(lb, lb.top - page);
        break;
    case SB_PAGEDOWN:
        SetTop(lb, lb.top + page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetTop(lb, position);
        break;
    case SB_TOP:
        SetTop(lb, 0);
        break;
    case SB_BOTTOM:
        SetTop(lb, MaxTop(lb));
        break;
    }
}

void OnHScroll(ListBox& lb, WORD code, int position)
{
    const int page = std::max(CharWidth, static_cast<int>(Client(lb).right));
    switch (code)
    {
    case SB_LINELEFT:
        SetScrollX(lb, lb.scrollX - CharWidth);
        break;
    case SB_LINERIGHT:
        SetScrollX(lb, lb.scrollX + CharWidth);
        break;
    case SB_PAGELEFT:
        SetScrollX(lb, lb.scrollX - page);
        break;
    case SB_PAGERIGHT:
        SetScrollX(lb, lb.scrollX + page);
        break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK:
        SetScrollX(lb, position);
        break;
    case SB_LEFT:
        SetScrollX(lb, 0);
        break;
    case SB_RIGHT:
        SetScrollX(lb, MaxScrollX(lb));
        break;
    }
}

void OnWheel(ListBox& lb, int delta)
{
    SetTop(lb, lb.top - delta / WHEEL_DELTA * WheelRows);
}

LRESULT OnNcHitTest(ListBox& lb, WPARAM wParam, LPARAM lParam)
{
    const LRESULT hit = DefWindowProcA(lb.hwnd, WM_NCHITTEST, wParam, lParam);
    if (hit != HTBORDER && hit != HTNOWHERE)
        return hit;
    POINT pt{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    ScreenToClient(lb.hwnd, &pt);
    const RECT client = Client(lb);
    const DWORD style = lb.Style();
    if ((style & WS_VSCROLL) && pt.x >= client.right &&
        pt.x < client.right + GetSystemMetrics(SM_CXVSCROLL) && pt.y >= 0 && pt.y < client.bottom)
        return HTVSCROLL;
    if ((style & WS_HSCROLL) && pt.y >= client.bottom &&
        pt.y < client.bottom + GetSystemMetrics(SM_CYHSCROLL) && pt.x >= 0 && pt.x < client.right)
        return HTHSCROLL;
    return hit;
}

bool OnNcButtonDown(ListBox& lb, WPARAM hit, POINT screen)
{
    POINT pt = screen;
    ScreenToClient(lb.hwnd, &pt);
    const RECT client = Client(lb);
    if (hit == HTVSCROLL)
    {
        const int arrow = GetSystemMetrics(SM_CYVSCROLL);
        WORD code = pt.y < client.bottom / 2 ? SB_PAGEUP : SB_PAGEDOWN;
        if (pt.y < arrow)
            code = SB_LINEUP;
        else if (pt.y >= client.bottom - arrow)
            code = SB_LINEDOWN;
        SendMessageA(lb.hwnd, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
        return true;
    }
    if (hit == HTHSCROLL)
    {
        const int arrow = GetSystemMetrics(SM_CXHSCROLL);
        WORD code = pt.x < client.right / 2 ? SB_PAGELEFT : SB_PAGERIGHT;
        if (pt.x < arrow)
            code = SB_LINELEFT;
        else if (pt.x >= client.right - arrow)
            code = SB_LINERIGHT;
        SendMessageA(lb.hwnd, WM_HSCROLL, MAKEWPARAM(code, 0), 0);
        return true;
    }
    return false;
}

void Paint(ListBox& lb, HDC dc)
{
    if (!dc)
        return;
    const RECT client = Client(lb);
    const int saved = SaveDC(dc);
    HBRUSH brush = ControlBrush(lb, dc);
    if (lb.destroyed)
        return;
    if (brush)
        FillRect(dc, &client, brush);
    if (lb.font)
        SelectObject(dc, lb.font);
    SetBkMode(dc, TRANSPARENT);
    IntersectClipRect(dc, client.left, client.top, client.right, client.bottom);
    const bool enabled = IsWindowEnabled(lb.hwnd) != FALSE;
    const COLORREF normalText = GetTextColor(dc);
    const int last = std::min(lb.Count(), lb.top + PageSize(lb) + 1);
    for (int index = lb.top; index < last && !lb.destroyed; ++index)
    {
        const RECT rect = ItemRect(lb, index);
        if (rect.top >= client.bottom)
            break;
        if (lb.OwnerDraw())
        {
            DrawOwnerItem(lb, dc, index, rect);
            continue;
        }
        PaintItem(lb, dc, index, rect, enabled, normalText);
        if (lb.focused && index == lb.caret)
            DrawFocusRect(dc, &rect);
    }
    // An empty list with the focus still shows where the caret is.
    if (!lb.destroyed && lb.focused && lb.Count() == 0 && !lb.OwnerDraw())
    {
        const RECT rect = ItemRect(lb, lb.top);
        DrawFocusRect(dc, &rect);
    }
    RestoreDC(dc, saved);
}

void Redraw(ListBox& lb)
{
    InvalidateRect(lb.hwnd, nullptr, TRUE);
}

} // namespace platform::listbox
