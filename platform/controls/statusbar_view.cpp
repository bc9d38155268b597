// The status bar's geometry and painting.
//
// Parts sit side by side between the bar's top and bottom borders, each ending at the right
// edge that SB_SETPARTS gave it (or at the bar's right end for -1), two pixels apart. A part is
// a sunken box with its text inside; in the text renderer a bar one row high shows each part as
// "[text ]", a part with SBT_NOBORDERS as its bare text, and the size grip as "//" in the
// bottom-right corner. A part's text is split at tabs: what comes before the first tab is
// aligned left, the next piece centred, the third aligned right (unless SBT_NOTABPARSING).

#include "controls/statusbar.h"

#include <algorithm>

namespace platform::statusbar
{
namespace
{

// The text's distance from a part's left and right edges, as Windows leaves it.
constexpr int TextMargin = 3;

// The rectangle a part's frame is drawn around. A part too low for a box of three text rows is
// drawn as one row, the one its text is centred on, so the frame brackets the text rather than
// boxing nothing.
RECT FrameRect(const RECT& bounds)
{
    const int height = bounds.bottom - bounds.top;
    if (height >= 3 * TextHeight || height <= TextHeight)
        return bounds;
    const int top = bounds.top + (height - TextHeight) / 2;
    return RECT{bounds.left, top, bounds.right, top + TextHeight};
}

int ClientWidth(const StatusBar& bar)
{
    RECT client{};
    GetClientRect(bar.hwnd, &client);
    return client.right;
}

int ClientHeight(const StatusBar& bar)
{
    RECT client{};
    GetClientRect(bar.hwnd, &client);
    return client.bottom;
}

// Where the parts may reach: the right end, or the grip's left edge.
int PartsLimit(const StatusBar& bar)
{
    const RECT grip = GripRect(bar);
    return IsRectEmpty(&grip) ? ClientWidth(bar) : grip.left;
}

HBRUSH BackgroundBrush(const StatusBar& bar, HBRUSH& created)
{
    created = nullptr;
    if (bar.background == CLR_DEFAULT)
        return GetSysColorBrush(COLOR_BTNFACE);
    created = CreateSolidBrush(bar.background);
    return created;
}

void DrawOwnerPart(StatusBar& bar, HDC hdc, int index, const Part& part, const RECT& inside)
{
    HWND parent = bar.notify ? bar.notify : GetParent(bar.hwnd);
    if (!parent || !IsWindow(parent))
        return;
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(bar.hwnd));
    item.itemID = static_cast<UINT>(index);
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = bar.hwnd;
    item.hDC = hdc;
    item.rcItem = inside;
    item.itemData = static_cast<ULONG_PTR>(part.ownerData);
    const int saved = SaveDC(hdc);
    SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
    RestoreDC(hdc, saved);
}

void PaintPart(StatusBar& bar, HDC hdc, int index, const Part& part)
{
    if (!(part.type & SBT_OWNERDRAW))
    {
        DrawPart(hdc, part.bounds, part.text, part.type);
        return;
    }
    RECT inside = FrameRect(part.bounds);
    if (!(part.type & SBT_NOBORDERS))
        DrawEdge(hdc, &inside, (part.type & SBT_POPOUT) ? BDR_RAISEDOUTER : BDR_SUNKENOUTER,
                 BF_RECT | BF_ADJUST);
    DrawOwnerPart(bar, hdc, index, part, inside);
}

void PaintGrip(const StatusBar& bar, HDC hdc)
{
    const RECT grip = GripRect(bar);
    if (IsRectEmpty(&grip))
        return;
    // Two slanted strokes in the corner's bottom row, as the ridges of Windows' grip run.
    // Drawn in the text colour: the shadow colour is the grey of disabled text here.
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    SetBkMode(hdc, TRANSPARENT);
    TextOutA(hdc, grip.right - 2 * 6, std::max(0, static_cast<int>(grip.bottom) - TextHeight), "//",
             2);
}

} // namespace

int BarHeight(const StatusBar& bar)
{
    return std::max(TextHeight, bar.minHeight) + 2 * VerticalBorder + 2;
}

bool HasGrip(const StatusBar& bar)
{
    return (GetWindowLongA(bar.hwnd, GWL_STYLE) & SBARS_SIZEGRIP) != 0;
}

RECT GripRect(const StatusBar& bar)
{
    if (!HasGrip(bar))
        return RECT{};
    const int width = ClientWidth(bar);
    return RECT{std::max(0, width - GetSystemMetrics(SM_CXVSCROLL)), 0, width, ClientHeight(bar)};
}

void Layout(StatusBar& bar)
{
    const int limit = PartsLimit(bar);
    const int top = VerticalBorder;
    const int bottom = std::max(top, ClientHeight(bar) - VerticalBorder);
    int left = HorizontalBorder;
    for (Part& part : bar.parts)
    {
        int right = part.right < 0 ? limit : std::min(part.right, limit);
        right = std::max(right, left);
        part.bounds = RECT{left, top, right, bottom};
        left = right + PartGap;
    }
    bar.simplePart.bounds = RECT{HorizontalBorder, top, std::max(HorizontalBorder, limit), bottom};
}

int PartAt(const StatusBar& bar, POINT pt)
{
    if (bar.simple)
        return SB_SIMPLEID;
    for (std::size_t i = 0; i < bar.parts.size(); ++i)
    {
        const RECT& r = bar.parts[i].bounds;
        // The whole height counts, and the gap belongs to the part on its left.
        if (pt.x >= r.left && pt.x < r.right + PartGap)
            return static_cast<int>(i);
    }
    return -1;
}

void DrawPart(HDC hdc, const RECT& bounds, const std::string& text, UINT type)
{
    RECT inside = FrameRect(bounds);
    if (!(type & SBT_NOBORDERS))
        DrawEdge(hdc, &inside, (type & SBT_POPOUT) ? BDR_RAISEDOUTER : BDR_SUNKENOUTER,
                 BF_RECT | BF_ADJUST);
    inside.left += TextMargin;
    inside.right -= TextMargin;
    if (inside.right <= inside.left || text.empty())
        return;
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_BTNTEXT));
    const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
    if (type & SBT_NOTABPARSING)
    {
        RECT r = inside;
        DrawTextA(hdc, text.c_str(), static_cast<int>(text.size()), &r, format | DT_LEFT);
        return;
    }
    const UINT alignments[] = {DT_LEFT, DT_CENTER, DT_RIGHT};
    std::size_t start = 0;
    for (UINT alignment : alignments)
    {
        // The last piece keeps any further tabs as text.
        std::size_t tab = alignment == DT_RIGHT ? std::string::npos : text.find('\t', start);
        const std::string piece = text.substr(start, tab == std::string::npos ? tab : tab - start);
        RECT r = inside;
        if (!piece.empty())
            DrawTextA(hdc, piece.c_str(), static_cast<int>(piece.size()), &r, format | alignment);
        if (tab == std::string::npos)
            break;
        start = tab + 1;
    }
}

void Paint(StatusBar& bar, HDC hdc)
{
    RECT client{};
    GetClientRect(bar.hwnd, &client);
    if (!hdc || IsRectEmpty(&client))
        return;
    const int saved = SaveDC(hdc);
    HBRUSH created = nullptr;
    FillRect(hdc, &client, BackgroundBrush(bar, created));
    if (bar.font)
        SelectObject(hdc, bar.font);
    if (bar.simple)
        PaintPart(bar, hdc, SB_SIMPLEID, bar.simplePart);
    else
    {
        for (std::size_t i = 0; i < bar.parts.size() && !bar.dead; ++i)
            PaintPart(bar, hdc, static_cast<int>(i), bar.parts[i]);
    }
    if (!bar.dead)
        PaintGrip(bar, hdc);
    RestoreDC(hdc, saved);
    if (created)
        DeleteObject(created);
}

} // namespace platform::statusbar

void WINAPI DrawStatusTextA(HDC hDC, LPCRECT lprc, LPCSTR pszText, UINT uFlags)
{
    if (!hDC || !lprc)
        return;
    const int saved = SaveDC(hDC);
    FillRect(hDC, lprc, GetSysColorBrush(COLOR_BTNFACE));
    platform::statusbar::DrawPart(hDC, *lprc, pszText ? pszText : "", uFlags);
    RestoreDC(hDC, saved);
}
