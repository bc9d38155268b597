// The "msctls_statusbar32" control: a bar of text parts along the bottom (or top) of its parent.
//
// The bar places itself: when it is created and whenever it gets WM_SIZE (which its parent
// passes on from its own WM_SIZE), it moves to the bottom of its parent's client area at the full
// width and at its own height, the text height and its borders or SB_SETMINHEIGHT's height.
// CCS_TOP puts it at the top instead, CCS_NOMOVEY keeps its vertical position,
// CCS_NOPARENTALIGN keeps position and width, and CCS_NORESIZE leaves it alone.
//
// Texts: SB_SETTEXT sets a part's text and drawing type (SBT_NOBORDERS, SBT_POPOUT,
// SBT_NOTABPARSING, or SBT_OWNERDRAW, which makes the parent draw it through WM_DRAWITEM with the
// given value). WM_SETTEXT and WM_GETTEXT reach part 0, as on Windows. In simple mode (SB_SIMPLE)
// the bar shows one text, set with the part index SB_SIMPLEID, and keeps the parts' texts for
// when it leaves simple mode.
//
// SBARS_SIZEGRIP adds the size grip at the right end: WM_NCHITTEST answers HTBOTTOMRIGHT over
// it, and the press that follows is passed to the parent, whose default handling then sizes it
// as a drag of its own bottom-right corner would.
//
// Clicks report NM_CLICK, NM_DBLCLK, NM_RCLICK and NM_RDBLCLK with an NMMOUSE naming the part.
//
// Does not do:
// - icons in parts (SB_SETICON, SB_GETICON fail) and tool tips (SBARS_TOOLTIPS, SB_SETTIPTEXT,
//   SB_GETTIPTEXT);
// - SBT_RTLREADING (text always reads left to right);
// - Unicode: SB_SETTEXTW and its kin fail, SB_SETUNICODEFORMAT leaves the bar ANSI;
// - CCS_VERT, CCS_ADJUSTABLE and CCS_NODIVIDER, which status bars ignore on Windows too.

#include "controls/control_util.h"
#include "controls/statusbar.h"
#include "user/window.h"

#include <algorithm>
#include <cstring>

namespace platform::statusbar
{
namespace
{

constexpr int DataSlot = 0;
constexpr WPARAM MaxParts = 256;

StatusBar* DataOf(HWND hwnd)
{
    return reinterpret_cast<StatusBar*>(GetWindowLongPtrA(hwnd, DataSlot));
}

void Invalidate(StatusBar& bar)
{
    if (!bar.dead)
        InvalidateRect(bar.hwnd, nullptr, TRUE);
}

LRESULT Notify(StatusBar& bar, NMHDR& header, UINT code)
{
    if (bar.dead)
        return 0;
    header.hwndFrom = bar.hwnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(bar.hwnd));
    header.code = code;
    HWND target = bar.notify ? bar.notify : GetParent(bar.hwnd);
    if (!target || !IsWindow(target))
        return 0;
    return SendMessageA(target, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

// ---- Placement ----

// Moves the bar to where its alignment styles put it in its parent, at its own height.
void Align(StatusBar& bar)
{
    bar.height = BarHeight(bar);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(bar.hwnd, GWL_STYLE));
    HWND parent = GetParent(bar.hwnd);
    if (!(style & CCS_NORESIZE) && parent && !bar.aligning)
    {
        RECT area{};
        GetClientRect(parent, &area);
        RECT window{};
        RECT client{};
        GetWindowRect(bar.hwnd, &window);
        GetClientRect(bar.hwnd, &client);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&window), 2);
        // The bar's own height is its client area's; a border adds to it.
        const int height = bar.height + (window.bottom - window.top) - client.bottom;
        int x = 0;
        int width = area.right;
        int y = area.bottom - height;
        if (style & CCS_NOPARENTALIGN)
        {
            x = window.left;
            width = window.right - window.left;
            y = window.top;
        }
        else if ((style & CCS_BOTTOM) == CCS_TOP)
            y = 0;
        else if ((style & CCS_BOTTOM) == CCS_NOMOVEY)
            y = window.top;
        if (x != window.left || y != window.top || width != window.right - window.left ||
            height != window.bottom - window.top)
        {
            // Moving sends the bar WM_SIZE again, which must not align it a second time.
            bar.aligning = true;
            SetWindowPos(bar.hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
            bar.aligning = false;
            if (bar.dead)
                return;
        }
    }
    Layout(bar);
    Invalidate(bar);
}

// ---- Texts ----

Part* PartToSet(StatusBar& bar, WPARAM index)
{
    if (index == SB_SIMPLEID)
        return &bar.simplePart;
    return index < bar.parts.size() ? &bar.parts[index] : nullptr;
}

// What SB_GETTEXT reads: in simple mode the simple text whatever the index, as on Windows.
const Part* PartToGet(const StatusBar& bar, WPARAM index)
{
    if (bar.simple)
        return &bar.simplePart;
    return index < bar.parts.size() ? &bar.parts[index] : nullptr;
}

LRESULT OnSetText(StatusBar& bar, WPARAM wParam, LPARAM lParam)
{
    Part* part = PartToSet(bar, wParam & 0xFF);
    if (!part)
        return FALSE;
    part->type = static_cast<UINT>(wParam & 0xFF00);
    if (part->type & SBT_OWNERDRAW)
    {
        part->ownerData = lParam;
        part->text.clear();
    }
    else
    {
        part->ownerData = 0;
        const char* text = reinterpret_cast<const char*>(lParam);
        part->text = text ? text : "";
    }
    Invalidate(bar);
    return TRUE;
}

LRESULT TextResult(const Part& part)
{
    if (part.type & SBT_OWNERDRAW)
        return part.ownerData;
    return MAKELONG(static_cast<WORD>(std::min<std::size_t>(part.text.size(), 0xFFFF)),
                    static_cast<WORD>(part.type));
}

// SB_GETTEXT has no buffer size, as on Windows: the caller asks SB_GETTEXTLENGTH first.
LRESULT OnGetText(const StatusBar& bar, WPARAM index, LPARAM lParam)
{
    const Part* part = PartToGet(bar, index);
    if (!part)
        return 0;
    if (char* out = reinterpret_cast<char*>(lParam); out && !(part->type & SBT_OWNERDRAW))
        std::memcpy(out, part->text.c_str(), part->text.size() + 1);
    return TextResult(*part);
}

LRESULT OnGetTextLength(const StatusBar& bar, WPARAM index)
{
    const Part* part = PartToGet(bar, index);
    if (!part)
        return 0;
    return MAKELONG(static_cast<WORD>(std::min<std::size_t>(part->text.size(), 0xFFFF)),
                    static_cast<WORD>(part->type));
}

// WM_SETTEXT: part 0's text, kept as the window's text too.
LRESULT OnWindowSetText(StatusBar& bar, LPARAM lParam)
{
    DefWindowProcA(bar.hwnd, WM_SETTEXT, 0, lParam);
    const char* text = reinterpret_cast<const char*>(lParam);
    bar.parts.front().text = text ? text : "";
    bar.parts.front().type &= ~static_cast<UINT>(SBT_OWNERDRAW);
    bar.parts.front().ownerData = 0;
    Invalidate(bar);
    return TRUE;
}

LRESULT OnWindowGetText(const StatusBar& bar, WPARAM size, LPARAM lParam)
{
    char* out = reinterpret_cast<char*>(lParam);
    if (!out || size == 0)
        return 0;
    const std::string& text = bar.parts.front().text;
    const std::size_t count = std::min<std::size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

// ---- Parts ----

LRESULT OnSetParts(StatusBar& bar, WPARAM count, LPARAM lParam)
{
    const int* rights = reinterpret_cast<const int*>(lParam);
    if (count == 0 || count > MaxParts || !rights)
        return FALSE;
    // Parts that stay keep their texts; new ones start empty.
    bar.parts.resize(count);
    for (std::size_t i = 0; i < count; ++i)
        bar.parts[i].right = rights[i];
    Layout(bar);
    Invalidate(bar);
    return TRUE;
}

LRESULT OnGetParts(const StatusBar& bar, WPARAM count, LPARAM lParam)
{
    if (int* rights = reinterpret_cast<int*>(lParam))
    {
        const std::size_t n = std::min<std::size_t>(count, bar.parts.size());
        for (std::size_t i = 0; i < n; ++i)
            rights[i] = bar.parts[i].right;
    }
    return static_cast<LRESULT>(bar.parts.size());
}

LRESULT OnGetRect(const StatusBar& bar, WPARAM index, LPARAM lParam)
{
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect || index >= bar.parts.size())
        return FALSE;
    *rect = bar.simple ? bar.simplePart.bounds : bar.parts[index].bounds;
    return TRUE;
}

LRESULT OnSimple(StatusBar& bar, bool simple)
{
    if (bar.simple == simple)
        return TRUE;
    bar.simple = simple;
    Layout(bar);
    Invalidate(bar);
    NMHDR header{};
    Notify(bar, header, SBN_SIMPLEMODECHANGE);
    return TRUE;
}

LRESULT OnGetBorders(LPARAM lParam)
{
    int* borders = reinterpret_cast<int*>(lParam);
    if (!borders)
        return FALSE;
    borders[0] = HorizontalBorder;
    borders[1] = VerticalBorder;
    borders[2] = PartGap;
    return TRUE;
}

LRESULT OnSetBkColor(StatusBar& bar, LPARAM color)
{
    const COLORREF previous = bar.background;
    bar.background = static_cast<COLORREF>(color);
    Invalidate(bar);
    return static_cast<LRESULT>(previous);
}

// ---- Mouse ----

LRESULT OnNcHitTest(StatusBar& bar, LPARAM lParam)
{
    POINT pt = PointOf(lParam);
    ScreenToClient(bar.hwnd, &pt);
    const RECT grip = GripRect(bar);
    HWND parent = GetParent(bar.hwnd);
    // A maximised parent cannot be sized, so its bar's grip is only a picture.
    if (PtInRect(&grip, pt) && parent && !IsZoomed(parent))
        return HTBOTTOMRIGHT;
    return DefWindowProcA(bar.hwnd, WM_NCHITTEST, 0, lParam);
}

LRESULT OnNcLButtonDown(StatusBar& bar, WPARAM hit, LPARAM lParam)
{
    if (hit != HTBOTTOMRIGHT)
        return DefWindowProcA(bar.hwnd, WM_NCLBUTTONDOWN, hit, lParam);
    // The parent's default handling sizes it from the corner. Posted, so that the sizing loop
    // runs from the parent's own dispatch rather than inside this handler.
    if (HWND parent = GetParent(bar.hwnd))
        PostMessageA(parent, WM_NCLBUTTONDOWN, hit, lParam);
    return 0;
}

void NotifyMouse(StatusBar& bar, UINT code, LPARAM lParam)
{
    NMMOUSE mouse{};
    mouse.pt = PointOf(lParam);
    const int part = PartAt(bar, mouse.pt);
    mouse.dwItemSpec = static_cast<DWORD_PTR>(part < 0 ? -1 : part);
    Notify(bar, mouse.hdr, code);
}

// ---- Life and painting ----

LRESULT OnCreate(StatusBar& bar, LPARAM lParam)
{
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    bar.notify = cs ? cs->hwndParent : GetParent(bar.hwnd);
    // The window's title is part 0's text.
    if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
        bar.parts.front().text = cs->lpszName;
    Align(bar);
    return 0;
}

LRESULT OnPaint(StatusBar& bar)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(bar.hwnd, &ps);
    Paint(bar, hdc);
    EndPaint(bar.hwnd, &ps);
    return 0;
}

LRESULT Dispatch(StatusBar& bar, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CREATE:
        return OnCreate(bar, lParam);
    case WM_SIZE:
        Align(bar);
        return 0;
    case WM_STYLECHANGED:
        Layout(bar);
        Invalidate(bar);
        return 0;
    case WM_ERASEBKGND:
        // Painting fills the background itself, in the colour SB_SETBKCOLOR chose.
        return 1;
    case WM_PAINT:
        return OnPaint(bar);
    case WM_PRINTCLIENT:
        Paint(bar, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SETFONT:
        bar.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Invalidate(bar);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(bar.font);
    case WM_SETTEXT:
        return OnWindowSetText(bar, lParam);
    case WM_GETTEXT:
        return OnWindowGetText(bar, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(bar.parts.front().text.size());
    case WM_NCHITTEST:
        return OnNcHitTest(bar, lParam);
    case WM_NCLBUTTONDOWN:
        return OnNcLButtonDown(bar, wParam, lParam);
    case WM_LBUTTONUP:
        NotifyMouse(bar, NM_CLICK, lParam);
        return 0;
    case WM_LBUTTONDBLCLK:
        NotifyMouse(bar, NM_DBLCLK, lParam);
        return 0;
    case WM_RBUTTONUP:
        NotifyMouse(bar, NM_RCLICK, lParam);
        return 0;
    case WM_RBUTTONDBLCLK:
        NotifyMouse(bar, NM_RDBLCLK, lParam);
        return 0;
    case SB_SETTEXTA:
        return OnSetText(bar, wParam, lParam);
    case SB_GETTEXTA:
        return OnGetText(bar, wParam, lParam);
    case SB_GETTEXTLENGTHA:
        return OnGetTextLength(bar, wParam);
    case SB_SETPARTS:
        return OnSetParts(bar, wParam, lParam);
    case SB_GETPARTS:
        return OnGetParts(bar, wParam, lParam);
    case SB_GETBORDERS:
        return OnGetBorders(lParam);
    case SB_SETMINHEIGHT:
        // Takes effect at the next WM_SIZE, as Windows documents.
        bar.minHeight = std::max(0, static_cast<int>(wParam));
        return 0;
    case SB_SIMPLE:
        return OnSimple(bar, wParam != 0);
    case SB_ISSIMPLE:
        return bar.simple;
    case SB_GETRECT:
        return OnGetRect(bar, wParam, lParam);
    case SB_SETBKCOLOR:
        return OnSetBkColor(bar, lParam);
    case SB_GETUNICODEFORMAT:
    case SB_SETUNICODEFORMAT:
        return 0;
    }
    return DefWindowProcA(bar.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK StatusBarWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
    {
        auto* bar = new StatusBar;
        bar->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, DataSlot, reinterpret_cast<LONG_PTR>(bar));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    StatusBar* bar = DataOf(hwnd);
    if (!bar)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
    {
        // Handlers further up the stack may still hold the bar; the last one out frees it.
        bar->dead = true;
        SetWindowLongPtrA(hwnd, DataSlot, 0);
        if (bar->depth == 0)
            delete bar;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ++bar->depth;
    const LRESULT result = Dispatch(*bar, msg, wParam, lParam);
    if (--bar->depth == 0 && bar->dead)
        delete bar;
    return result;
}

platform::SystemClass statusBarClass({STATUSCLASSNAMEA, CS_DBLCLKS | CS_VREDRAW | CS_HREDRAW,
                                      StatusBarWndProc, static_cast<int>(sizeof(StatusBar*)),
                                      IDC_ARROW, COLOR_BTNFACE});

} // namespace
} // namespace platform::statusbar

HWND WINAPI CreateStatusWindowA(LONG style, LPCSTR lpszText, HWND hwndParent, UINT wID)
{
    // The bar places itself at its parent's edge, so the position given here does not matter.
    return CreateWindowExA(
        0, STATUSCLASSNAMEA, lpszText, static_cast<DWORD>(style), 0, 0, 0, 0, hwndParent,
        reinterpret_cast<HMENU>(static_cast<UINT_PTR>(wID)),
        hwndParent ? reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwndParent, GWLP_HINSTANCE))
                   : nullptr,
        nullptr);
}
