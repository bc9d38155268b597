// The list view's geometry and painting: the header on top, then one row per item from the top
// index, columns side by side from the horizontal scroll offset.
//
// Scroll bars come and go with the WS_VSCROLL and WS_HSCROLL styles, which the window manager
// turns into the frame (and the text renderer into arrow columns); the positions live here.
// Clicking the bar's ends scrolls a row (or a character), clicking between them a page.
//
// Does not do:
// - scroll bar thumbs: there is no scroll bar state to query (GetScrollInfo); the top index and
//   LVM_SCROLL are the interface;
// - horizontal grid lines: a row of the text renderer has no room between rows, so
//   LVS_EX_GRIDLINES draws the lines between columns only;
// - the grey of an unfocused LVS_SHOWSELALWAYS selection: the text renderer knows one
//   highlight, so the selection is drawn highlighted whether or not the control has the focus;
// - images, check boxes, custom draw (NM_CUSTOMDRAW) and owner draw (LVS_OWNERDRAWFIXED);
// - LVM_SETTEXTBKCOLOR's colour behind unselected text (it is stored and reported only).

#include "controls/listview.h"
#include "render/geometry.h"

#include <algorithm>
#include <cstring>

namespace platform::listview
{

int HeaderHeight(const ListView& lv)
{
    return (lv.Style() & LVS_NOCOLUMNHEADER) ? 0 : kHeaderHeight;
}

namespace
{

RECT Client(const ListView& lv)
{
    RECT client{};
    GetClientRect(lv.hwnd, &client);
    return client;
}

int RowsThatFit(const ListView& lv, int height)
{
    return std::max(0, (height - HeaderHeight(lv)) / kRowHeight);
}

// The height the rows can use: the client area as the text renderer shows it. A border takes a
// whole cell there where it takes a pixel or two in pixels, so counting in pixels would call a
// row visible that a person reading the renderer cannot see.
int ShownHeight(const ListView& lv)
{
    const render::WindowCells cells = render::CellsOfWindow(lv.hwnd);
    return std::min(static_cast<int>(Client(lv).bottom), cells.client.Height() * kRowHeight);
}

int RowTop(const ListView& lv, int index)
{
    return HeaderHeight(lv) + (index - lv.top) * kRowHeight;
}

// The column holding x (in content coordinates, before scrolling), or -1 beyond the last.
int ColumnAt(const ListView& lv, int x)
{
    int left = 0;
    for (size_t c = 0; c < lv.columns.size(); ++c)
    {
        const int right = left + lv.columns[c].width;
        if (x >= left && x < right)
            return static_cast<int>(c);
        left = right;
    }
    return -1;
}

// The part of a row drawn as selected and framed by the focus rectangle: the whole row with
// LVS_EX_FULLROWSELECT, else the label's text in the first column. Either starts where the text
// does, which leaves the column's first cell for the renderer's selection and focus marks.
RECT SelectionRect(ListView& lv, const Item& item, int y)
{
    const int left = ColumnLeft(lv, 0) - lv.scrollX + kTextIndent;
    if (lv.exStyle & LVS_EX_FULLROWSELECT)
        return RECT{left, y, left - kTextIndent + ColumnsWidth(lv), y + kRowHeight};
    const int width = lv.columns.empty() ? 0 : lv.columns[0].width;
    const std::string label = CellText(lv, item, 0);
    int right =
        std::min(left + StringWidth(label.c_str()), left - kTextIndent + width - kColumnGap);
    // An empty label still shows where the focus is.
    right = std::max(right, left + kCharWidth);
    return RECT{left, y, right, y + kRowHeight};
}

UINT CellFormat(const Column& column)
{
    UINT format = DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS | DT_VCENTER;
    switch (column.fmt & LVCFMT_JUSTIFYMASK)
    {
    case LVCFMT_RIGHT:
        format |= DT_RIGHT;
        break;
    case LVCFMT_CENTER:
        format |= DT_CENTER;
        break;
    }
    return format;
}

void PaintGridLines(const ListView& lv, HDC hdc, const RECT& client)
{
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DFACE));
    HGDIOBJ old = SelectObject(hdc, pen);
    int right = -lv.scrollX;
    for (const Column& column : lv.columns)
    {
        right += column.width;
        if (column.width <= 0)
            continue;
        MoveToEx(hdc, right - 1, HeaderHeight(lv), nullptr);
        LineTo(hdc, right - 1, client.bottom - 1);
    }
    SelectObject(hdc, old);
    DeleteObject(pen);
}

} // namespace

int CountPerPage(const ListView& lv)
{
    return RowsThatFit(lv, ShownHeight(lv));
}

int ColumnsWidth(const ListView& lv)
{
    int total = 0;
    for (const Column& column : lv.columns)
        total += column.width;
    return total;
}

int ColumnLeft(const ListView& lv, int column)
{
    int left = 0;
    for (int c = 0; c < column && c < static_cast<int>(lv.columns.size()); ++c)
        left += lv.columns[static_cast<size_t>(c)].width;
    return left;
}

int StringWidth(LPCSTR text)
{
    return text ? static_cast<int>(std::strlen(text)) * kCharWidth : 0;
}

void Invalidate(ListView& lv)
{
    InvalidateRect(lv.hwnd, nullptr, TRUE);
}

void Layout(ListView& lv)
{
    if (lv.inLayout || lv.destroyed)
        return;
    lv.inLayout = true;
    const DWORD style = lv.Style();
    const RECT client = Client(lv);
    const int bar = GetSystemMetrics(SM_CXVSCROLL);
    const int total = ColumnsWidth(lv);
    const bool scrolls = !(style & LVS_NOSCROLL);
    auto apply = [&lv](DWORD bit, bool on) {
        const DWORD now = lv.Style();
        if (static_cast<bool>(now & bit) != on)
            SetWindowLongA(lv.hwnd, GWL_STYLE, static_cast<LONG>(on ? now | bit : now & ~bit));
    };
    // The horizontal bar first, guessing the vertical one by pixels; then the vertical bar by
    // the rows actually shown; then the horizontal bar again if the vertical one took its room.
    const int width = client.right + ((style & WS_VSCROLL) ? bar : 0);
    const int height = client.bottom + ((style & WS_HSCROLL) ? GetSystemMetrics(SM_CYHSCROLL) : 0);
    const bool guessVertical = lv.Count() > RowsThatFit(lv, height);
    apply(WS_HSCROLL, scrolls && total > width - (guessVertical ? bar : 0));
    apply(WS_VSCROLL, scrolls && lv.Count() > CountPerPage(lv));
    if (scrolls && total > Client(lv).right)
        apply(WS_HSCROLL, true);

    const RECT now = Client(lv);
    lv.top = std::clamp(lv.top, 0, std::max(0, lv.Count() - CountPerPage(lv)));
    lv.scrollX = std::clamp(lv.scrollX, 0, std::max(0, total - static_cast<int>(now.right)));
    if (lv.header)
    {
        const bool shown = !(style & LVS_NOCOLUMNHEADER);
        const int headerWidth = std::max(static_cast<int>(now.right) + lv.scrollX, total);
        RECT current{};
        GetWindowRect(lv.header, &current);
        MapWindowPoints(HWND_DESKTOP, lv.hwnd, reinterpret_cast<LPPOINT>(&current), 2);
        if (current.left != -lv.scrollX || current.top != 0 ||
            current.right - current.left != headerWidth ||
            current.bottom - current.top != kHeaderHeight)
            SetWindowPos(lv.header, nullptr, -lv.scrollX, 0, headerWidth, kHeaderHeight,
                         SWP_NOZORDER | SWP_NOACTIVATE);
        if (static_cast<bool>(IsWindowVisible(lv.header)) != shown)
            ShowWindow(lv.header, shown ? SW_SHOWNA : SW_HIDE);
    }
    lv.inLayout = false;
}

void SetTop(ListView& lv, int top)
{
    top = std::clamp(top, 0, std::max(0, lv.Count() - CountPerPage(lv)));
    if (top == lv.top)
        return;
    lv.top = top;
    Invalidate(lv);
}

void SetScrollX(ListView& lv, int x)
{
    x = std::clamp(x, 0, std::max(0, ColumnsWidth(lv) - static_cast<int>(Client(lv).right)));
    if (x == lv.scrollX)
        return;
    lv.scrollX = x;
    Layout(lv);
    Invalidate(lv);
}

BOOL EnsureVisible(ListView& lv, int index, bool partialOk)
{
    if (!lv.At(index))
        return FALSE;
    const int perPage = CountPerPage(lv);
    if (index < lv.top)
        SetTop(lv, index);
    else if (index >= lv.top + perPage)
    {
        // A row cut off at the bottom counts as visible when the caller allows it.
        const int rowTop = RowTop(lv, index);
        if (partialOk && rowTop < ShownHeight(lv))
            return TRUE;
        SetTop(lv, index - std::max(perPage, 1) + 1);
    }
    return TRUE;
}

BOOL Scroll(ListView& lv, int dx, int dy)
{
    // A report view scrolls by whole rows: dy is rounded to the nearest one.
    const int rows =
        dy >= 0 ? (dy + kRowHeight / 2) / kRowHeight : -((-dy + kRowHeight / 2) / kRowHeight);
    SetTop(lv, lv.top + rows);
    SetScrollX(lv, lv.scrollX + dx);
    return TRUE;
}

BOOL GetItemRect(const ListView& lv, int index, RECT& rect)
{
    if (!lv.At(index))
        return FALSE;
    const int y = RowTop(lv, index);
    const int left = -lv.scrollX;
    const int first = lv.columns.empty() ? 0 : lv.columns[0].width;
    switch (rect.left)
    {
    case LVIR_BOUNDS:
        rect = RECT{left, y, left + ColumnsWidth(lv), y + kRowHeight};
        return TRUE;
    case LVIR_ICON:
        // No image list: the icon takes no room before the label.
        rect = RECT{left, y, left, y + kRowHeight};
        return TRUE;
    case LVIR_LABEL:
        rect = RECT{left, y, left + first, y + kRowHeight};
        return TRUE;
    case LVIR_SELECTBOUNDS:
        rect =
            RECT{left, y, left + ((lv.exStyle & LVS_EX_FULLROWSELECT) ? ColumnsWidth(lv) : first),
                 y + kRowHeight};
        return TRUE;
    }
    return FALSE;
}

BOOL GetSubItemRect(const ListView& lv, int index, RECT& rect)
{
    const int subItem = rect.top;
    const int code = rect.left;
    if (!lv.At(index) || subItem < 0 || subItem >= std::max(1, static_cast<int>(lv.columns.size())))
        return FALSE;
    if (code != LVIR_BOUNDS && code != LVIR_ICON && code != LVIR_LABEL)
        return FALSE;
    // Sub-item 0 with LVIR_BOUNDS is the whole row, as on Windows.
    if (subItem == 0 && code == LVIR_BOUNDS)
    {
        rect.left = LVIR_BOUNDS;
        return GetItemRect(lv, index, rect);
    }
    const int y = RowTop(lv, index);
    const int left = ColumnLeft(lv, subItem) - lv.scrollX;
    const int width = lv.columns.empty() ? 0 : lv.columns[static_cast<size_t>(subItem)].width;
    rect = RECT{left, y, code == LVIR_ICON ? left : left + width, y + kRowHeight};
    return TRUE;
}

int HitTest(const ListView& lv, LVHITTESTINFO& hit, bool subItems)
{
    const RECT client = Client(lv);
    const POINT pt = hit.pt;
    hit.flags = 0;
    hit.iItem = -1;
    if (subItems)
        hit.iSubItem = -1;
    if (pt.x < 0)
        hit.flags |= LVHT_TOLEFT;
    else if (pt.x >= client.right)
        hit.flags |= LVHT_TORIGHT;
    if (pt.y < 0)
        hit.flags |= LVHT_ABOVE;
    else if (pt.y >= client.bottom)
        hit.flags |= LVHT_BELOW;
    if (hit.flags)
        return -1;
    hit.flags = LVHT_NOWHERE;
    if (pt.y < HeaderHeight(lv))
        return -1;
    const int row = lv.top + (pt.y - HeaderHeight(lv)) / kRowHeight;
    const int column = ColumnAt(lv, pt.x + lv.scrollX);
    if (row >= lv.Count() || column < 0)
        return -1;
    // Without full-row selection only the first column belongs to the item.
    if (!subItems && column > 0 && !(lv.exStyle & LVS_EX_FULLROWSELECT))
        return -1;
    hit.flags = LVHT_ONITEMLABEL;
    hit.iItem = row;
    if (subItems)
        hit.iSubItem = column;
    return row;
}

void Paint(ListView& lv, HDC hdc)
{
    if (!hdc)
        return;
    const RECT client = Client(lv);
    const int saved = SaveDC(hdc);
    if (lv.font)
        SelectObject(hdc, lv.font);
    if (lv.bkColor != CLR_NONE)
    {
        HBRUSH background = CreateSolidBrush(lv.bkColor);
        FillRect(hdc, &client, background);
        DeleteObject(background);
    }
    const DWORD style = lv.Style();
    const bool enabled = IsWindowEnabled(lv.hwnd);
    const bool showSelection = lv.hasFocus || (style & LVS_SHOWSELALWAYS);
    const bool fullRow = (lv.exStyle & LVS_EX_FULLROWSELECT) != 0;
    const int headerHeight = HeaderHeight(lv);
    SetBkMode(hdc, TRANSPARENT);
    IntersectClipRect(hdc, 0, headerHeight, client.right, client.bottom);
    const std::uint64_t since = lv.removals;
    for (int index = lv.top; index < lv.Count() && !lv.Disturbed(since); ++index)
    {
        const int y = RowTop(lv, index);
        if (y >= client.bottom)
            break;
        const Item& item = *lv.items[static_cast<size_t>(index)];
        const bool selected = showSelection && (item.state & LVIS_SELECTED);
        const RECT selection = SelectionRect(lv, item, y);
        if (selected)
            FillRect(hdc, &selection, GetSysColorBrush(COLOR_HIGHLIGHT));
        int left = -lv.scrollX;
        for (size_t c = 0; c < lv.columns.size() && !lv.Disturbed(since); ++c)
        {
            const Column& column = lv.columns[c];
            const int x = left;
            left += column.width;
            if (x >= client.right)
                break;
            RECT cell{x + kTextIndent, y, x + column.width - kColumnGap, y + kRowHeight};
            if (cell.right <= cell.left)
                continue;
            COLORREF color = lv.textColor;
            if (!enabled)
                color = GetSysColor(COLOR_GRAYTEXT);
            else if (selected && (fullRow || c == 0))
                color = GetSysColor(COLOR_HIGHLIGHTTEXT);
            SetTextColor(hdc, color);
            const std::string text = CellText(lv, item, static_cast<int>(c));
            DrawTextA(hdc, text.c_str(), -1, &cell, CellFormat(column));
        }
        if (lv.hasFocus && lv.focus == &item && !lv.Disturbed(since))
            DrawFocusRect(hdc, &selection);
    }
    if (lv.exStyle & LVS_EX_GRIDLINES)
        PaintGridLines(lv, hdc, client);
    RestoreDC(hdc, saved);
}

// ---- Scroll bars ----

LRESULT OnVScroll(ListView& lv, WPARAM wParam)
{
    const int page = std::max(1, CountPerPage(lv));
    switch (LOWORD(wParam))
    {
    case SB_LINEUP:
        SetTop(lv, lv.top - 1);
        break;
    case SB_LINEDOWN:
        SetTop(lv, lv.top + 1);
        break;
    case SB_PAGEUP:
        SetTop(lv, lv.top - page);
        break;
    case SB_PAGEDOWN:
        SetTop(lv, lv.top + page);
        break;
    case SB_TOP:
        SetTop(lv, 0);
        break;
    case SB_BOTTOM:
        SetTop(lv, lv.Count());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetTop(lv, HIWORD(wParam));
        break;
    }
    return 0;
}

LRESULT OnHScroll(ListView& lv, WPARAM wParam)
{
    const int page = std::max(kCharWidth, static_cast<int>(Client(lv).right));
    switch (LOWORD(wParam))
    {
    case SB_LINELEFT:
        SetScrollX(lv, lv.scrollX - kCharWidth);
        break;
    case SB_LINERIGHT:
        SetScrollX(lv, lv.scrollX + kCharWidth);
        break;
    case SB_PAGELEFT:
        SetScrollX(lv, lv.scrollX - page);
        break;
    case SB_PAGERIGHT:
        SetScrollX(lv, lv.scrollX + page);
        break;
    case SB_LEFT:
        SetScrollX(lv, 0);
        break;
    case SB_RIGHT:
        SetScrollX(lv, ColumnsWidth(lv));
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        SetScrollX(lv, HIWORD(wParam));
        break;
    }
    return 0;
}

namespace
{

RECT ScreenClient(const ListView& lv)
{
    RECT client = Client(lv);
    MapWindowPoints(lv.hwnd, HWND_DESKTOP, reinterpret_cast<LPPOINT>(&client), 2);
    return client;
}

} // namespace

LRESULT OnNcHitTest(ListView& lv, WPARAM wParam, LPARAM lParam)
{
    const LRESULT hit = DefWindowProcA(lv.hwnd, WM_NCHITTEST, wParam, lParam);
    if (hit != HTBORDER)
        return hit;
    const POINT pt{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    const RECT client = ScreenClient(lv);
    const DWORD style = lv.Style();
    if ((style & WS_VSCROLL) && pt.x >= client.right &&
        pt.x < client.right + GetSystemMetrics(SM_CXVSCROLL) && pt.y >= client.top &&
        pt.y < client.bottom)
        return HTVSCROLL;
    if ((style & WS_HSCROLL) && pt.y >= client.bottom &&
        pt.y < client.bottom + GetSystemMetrics(SM_CYHSCROLL) && pt.x >= client.left &&
        pt.x < client.right)
        return HTHSCROLL;
    return hit;
}

LRESULT OnNcLButtonDown(ListView& lv, WPARAM wParam, LPARAM lParam)
{
    const POINT pt{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    const RECT client = ScreenClient(lv);
    if (wParam == HTVSCROLL)
    {
        const int arrow = GetSystemMetrics(SM_CYVSCROLL);
        WORD code = pt.y < (client.top + client.bottom) / 2 ? SB_PAGEUP : SB_PAGEDOWN;
        if (pt.y < client.top + arrow)
            code = SB_LINEUP;
        else if (pt.y >= client.bottom - arrow)
            code = SB_LINEDOWN;
        SendMessageA(lv.hwnd, WM_VSCROLL, MAKEWPARAM(code, 0), 0);
        return 0;
    }
    if (wParam == HTHSCROLL)
    {
        const int arrow = GetSystemMetrics(SM_CXHSCROLL);
        WORD code = pt.x < (client.left + client.right) / 2 ? SB_PAGELEFT : SB_PAGERIGHT;
        if (pt.x < client.left + arrow)
            code = SB_LINELEFT;
        else if (pt.x >= client.right - arrow)
            code = SB_LINERIGHT;
        SendMessageA(lv.hwnd, WM_HSCROLL, MAKEWPARAM(code, 0), 0);
        return 0;
    }
    return DefWindowProcA(lv.hwnd, WM_NCLBUTTONDOWN, wParam, lParam);
}

} // namespace platform::listview
