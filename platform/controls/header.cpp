// The "SysHeader32" control: a row of column titles, as the list view uses it.
//
// Items sit side by side, each as wide as its HDI_WIDTH. In the text renderer an item shows its
// title (left, centred or right as HDF_ aligns it, with '^' or 'v' for HDF_SORTUP and
// HDF_SORTDOWN) and ends with a '|' divider in its last cell.
//
// With HDS_BUTTONS an item is a button: pressed and released over the same item it sends
// HDN_ITEMCLICK, and a second press within the double-click time HDN_ITEMDBLCLICK. Pressing on
// a divider (the last cell of an item) starts resizing that item unless HDS_NOSIZING:
// HDN_BEGINTRACK (the parent may refuse), HDN_TRACK while the mouse moves (the width follows
// at once with HDS_FULLDRAG), then HDN_ENDTRACK and the change. Double-clicking a divider
// sends HDN_DIVIDERDBLCLICK. Width, text and format changes through HDM_SETITEM come with
// HDN_ITEMCHANGING (which the parent may refuse) and HDN_ITEMCHANGED.
//
// Does not do:
// - item order different from item index (HDI_ORDER is stored; HDM_SETORDERARRAY, drag and drop
//   of items with HDS_DRAGDROP);
// - bitmaps, image lists, filters, check boxes, split buttons, owner draw and hot tracking;
// - the pressed look of a clicked item (the text renderer has no cell state for it);
// - Unicode messages and HDN_GETDISPINFO (LPSTR_TEXTCALLBACK titles show as empty).

#include "controls/control_util.h"
#include "user/window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

using platform::PointOf;

namespace
{

constexpr int kHeight = 13;
constexpr int kCharWidth = 6;
// Titles start one character in, where the list's cells start.
constexpr int kTextIndent = 6;
// The divider is the last few pixels of an item: its last cell of text.
constexpr int kDividerZone = 5;

struct HeaderItem
{
    std::string text;
    int width = 0;
    int fmt = HDF_LEFT | HDF_STRING;
    LPARAM param = 0;
    int image = 0;
    int order = 0;
};

struct Header
{
    HWND hwnd = nullptr;
    HWND notify = nullptr;
    std::vector<HeaderItem> items;
    HFONT font = nullptr;
    // The item whose button is held down, and whether the mouse is still over it.
    int pressed = -1;
    bool pressedOver = false;
    // The item whose divider is being dragged.
    int tracking = -1;
    int trackStartX = 0;
    int trackStartWidth = 0;
    int depth = 0;
    bool dead = false;

    DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
    int Count() const { return static_cast<int>(items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
};

constexpr int DataSlot = 0;

Header* DataOf(HWND hwnd)
{
    return reinterpret_cast<Header*>(GetWindowLongPtrA(hwnd, DataSlot));
}

int ItemLeft(const Header& h, int index)
{
    int left = 0;
    for (int i = 0; i < index && i < h.Count(); ++i)
        left += h.items[static_cast<size_t>(i)].width;
    return left;
}

RECT ItemRect(const Header& h, int index)
{
    const int left = ItemLeft(h, index);
    return RECT{left, 0, left + h.items[static_cast<size_t>(index)].width, kHeight};
}

// ---- Notifications ----

LRESULT Notify(Header& h, UINT code, int index, HDITEMA* item)
{
    NMHEADERA nm{};
    nm.hdr.hwndFrom = h.hwnd;
    nm.hdr.idFrom = static_cast<UINT_PTR>(GetWindowLongPtrA(h.hwnd, GWLP_ID));
    nm.hdr.code = code;
    nm.iItem = index;
    nm.iButton = 0;
    nm.pitem = item;
    if (!h.notify || !IsWindow(h.notify))
        return 0;
    return SendMessageA(h.notify, WM_NOTIFY, nm.hdr.idFrom, reinterpret_cast<LPARAM>(&nm));
}

// ---- Items ----

void Describe(const HeaderItem& item, UINT mask, HDITEMA& out)
{
    if (mask & HDI_WIDTH)
        out.cxy = item.width;
    if (mask & HDI_FORMAT)
        out.fmt = item.fmt;
    if (mask & HDI_LPARAM)
        out.lParam = item.param;
    if (mask & HDI_IMAGE)
        out.iImage = item.image;
    if (mask & HDI_ORDER)
        out.iOrder = item.order;
    if ((mask & HDI_TEXT) && out.pszText && out.cchTextMax > 0)
    {
        const size_t n = std::min(item.text.size(), static_cast<size_t>(out.cchTextMax - 1));
        std::memcpy(out.pszText, item.text.data(), n);
        out.pszText[n] = '\0';
    }
}

void Apply(HeaderItem& item, const HDITEMA& in)
{
    if (in.mask & HDI_WIDTH)
        item.width = std::max(0, in.cxy);
    if (in.mask & HDI_FORMAT)
        item.fmt = in.fmt;
    if (in.mask & HDI_LPARAM)
        item.param = in.lParam;
    if (in.mask & HDI_IMAGE)
        item.image = in.iImage;
    if (in.mask & HDI_ORDER)
        item.order = in.iOrder;
    if (in.mask & HDI_TEXT)
        item.text = in.pszText && in.pszText != LPSTR_TEXTCALLBACKA ? in.pszText : "";
}

LRESULT InsertItem(Header& h, int index, const HDITEMA* in)
{
    if (!in || index < 0)
        return -1;
    index = std::min(index, h.Count());
    HeaderItem item;
    item.order = index;
    Apply(item, *in);
    h.items.insert(h.items.begin() + index, item);
    InvalidateRect(h.hwnd, nullptr, TRUE);
    return index;
}

LRESULT DeleteItem(Header& h, int index)
{
    if (!h.Valid(index))
        return FALSE;
    h.items.erase(h.items.begin() + index);
    InvalidateRect(h.hwnd, nullptr, TRUE);
    return TRUE;
}

LRESULT GetItem(const Header& h, int index, HDITEMA* out)
{
    if (!out || !h.Valid(index))
        return FALSE;
    Describe(h.items[static_cast<size_t>(index)], out->mask, *out);
    return TRUE;
}

LRESULT SetItem(Header& h, int index, const HDITEMA* in)
{
    if (!in || !h.Valid(index))
        return FALSE;
    HDITEMA change = *in;
    if (Notify(h, HDN_ITEMCHANGINGA, index, &change) || h.dead || !h.Valid(index))
        return FALSE;
    Apply(h.items[static_cast<size_t>(index)], *in);
    InvalidateRect(h.hwnd, nullptr, TRUE);
    Notify(h, HDN_ITEMCHANGEDA, index, &change);
    return TRUE;
}

LRESULT Layout(const Header& h, HDLAYOUT* layout)
{
    if (!layout || !layout->prc || !layout->pwpos)
        return FALSE;
    RECT& room = *layout->prc;
    const int height = (h.Style() & HDS_HIDDEN) ? 0 : kHeight;
    *layout->pwpos =
        WINDOWPOS{h.hwnd, nullptr, room.left, room.top, room.right - room.left, height, 0};
    room.top += height;
    return TRUE;
}

// Which item the point is on, and whether on its divider.
int HitItem(const Header& h, POINT pt, UINT* flags)
{
    RECT client{};
    GetClientRect(h.hwnd, &client);
    *flags = 0;
    if (pt.x < 0)
        *flags |= HHT_TOLEFT;
    else if (pt.x >= client.right)
        *flags |= HHT_TORIGHT;
    if (pt.y < 0)
        *flags |= HHT_ABOVE;
    else if (pt.y >= client.bottom)
        *flags |= HHT_BELOW;
    if (*flags)
        return -1;
    int left = 0;
    for (int i = 0; i < h.Count(); ++i)
    {
        const int right = left + h.items[static_cast<size_t>(i)].width;
        if (pt.x >= left && pt.x < right)
        {
            *flags = pt.x >= right - kDividerZone ? HHT_ONDIVIDER : HHT_ONHEADER;
            return i;
        }
        left = right;
    }
    *flags = HHT_NOWHERE;
    return -1;
}

LRESULT HitTest(const Header& h, HDHITTESTINFO* info)
{
    if (!info)
        return -1;
    info->iItem = HitItem(h, info->pt, &info->flags);
    return info->iItem;
}

// ---- Painting ----

void Paint(Header& h, HDC hdc)
{
    if (!hdc)
        return;
    RECT client{};
    GetClientRect(h.hwnd, &client);
    const int saved = SaveDC(hdc);
    if (h.font)
        SelectObject(hdc, h.font);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(IsWindowEnabled(h.hwnd) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_3DSHADOW));
    HGDIOBJ oldPen = SelectObject(hdc, pen);
    for (int i = 0; i < h.Count(); ++i)
    {
        const HeaderItem& item = h.items[static_cast<size_t>(i)];
        const RECT bounds = ItemRect(h, i);
        if (item.width <= 0)
            continue;
        // The text stops a cell short of the divider, and two more short of a sort mark.
        const bool sorted = (item.fmt & (HDF_SORTUP | HDF_SORTDOWN)) != 0;
        RECT text{bounds.left + kTextIndent, 0, bounds.right - kCharWidth * (sorted ? 3 : 1),
                  kHeight};
        if (text.right > text.left)
        {
            UINT format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX;
            if ((item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT)
                format |= DT_RIGHT;
            else if ((item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER)
                format |= DT_CENTER;
            DrawTextA(hdc, item.text.c_str(), -1, &text, format);
        }
        if (sorted && bounds.right - 2 * kCharWidth >= bounds.left)
            TextOutA(hdc, bounds.right - 2 * kCharWidth, 0, (item.fmt & HDF_SORTUP) ? "^" : "v", 1);
        MoveToEx(hdc, bounds.right - 1, 0, nullptr);
        LineTo(hdc, bounds.right - 1, kHeight - 1);
    }
    SelectObject(hdc, oldPen);
    DeleteObject(pen);
    RestoreDC(hdc, saved);
}

// ---- Mouse ----

void SetWidth(Header& h, int index, int width)
{
    HDITEMA change{};
    change.mask = HDI_WIDTH;
    change.cxy = width;
    SetItem(h, index, &change);
}

void OnLButtonDown(Header& h, POINT pt)
{
    UINT flags = 0;
    const int index = HitItem(h, pt, &flags);
    if (index < 0)
        return;
    if ((flags & HHT_ONDIVIDER) && !(h.Style() & HDS_NOSIZING))
    {
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        item.cxy = h.items[static_cast<size_t>(index)].width;
        if (Notify(h, HDN_BEGINTRACKA, index, &item) || h.dead || !h.Valid(index))
            return;
        h.tracking = index;
        h.trackStartX = pt.x;
        h.trackStartWidth = h.items[static_cast<size_t>(index)].width;
        SetCapture(h.hwnd);
        return;
    }
    if (h.Style() & HDS_BUTTONS)
    {
        h.pressed = index;
        h.pressedOver = true;
        SetCapture(h.hwnd);
    }
}

void OnMouseMove(Header& h, POINT pt)
{
    if (h.tracking >= 0 && h.Valid(h.tracking))
    {
        HDITEMA item{};
        item.mask = HDI_WIDTH;
        item.cxy = std::max(0, h.trackStartWidth + pt.x - h.trackStartX);
        // A parent that answers TRUE ends the drag where it is.
        if (Notify(h, HDN_TRACKA, h.tracking, &item))
        {
            if (GetCapture() == h.hwnd)
                ReleaseCapture();
            return;
        }
        if (!h.dead && (h.Style() & HDS_FULLDRAG) && h.Valid(h.tracking))
            SetWidth(h, h.tracking, item.cxy);
        return;
    }
    if (h.pressed >= 0)
    {
        UINT flags = 0;
        h.pressedOver = HitItem(h, pt, &flags) == h.pressed;
    }
}

void EndTrack(Header& h, int index, POINT pt, bool apply)
{
    if (!h.Valid(index))
        return;
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    item.cxy = std::max(0, h.trackStartWidth + pt.x - h.trackStartX);
    Notify(h, HDN_ENDTRACKA, index, &item);
    if (apply && !h.dead && h.Valid(index) && h.items[static_cast<size_t>(index)].width != item.cxy)
        SetWidth(h, index, item.cxy);
}

void OnLButtonUp(Header& h, POINT pt)
{
    // Both the drag and the click end before the capture goes, so that WM_CAPTURECHANGED finds
    // nothing left to cancel.
    const int tracking = h.tracking;
    const int pressed = h.pressed;
    const bool over = h.pressedOver;
    h.tracking = -1;
    h.pressed = -1;
    if (GetCapture() == h.hwnd)
        ReleaseCapture();
    if (tracking >= 0)
        EndTrack(h, tracking, pt, true);
    else if (pressed >= 0 && over && h.Valid(pressed))
        Notify(h, HDN_ITEMCLICKA, pressed, nullptr);
}

void OnLButtonDblClk(Header& h, POINT pt)
{
    UINT flags = 0;
    const int index = HitItem(h, pt, &flags);
    if (index < 0)
        return;
    if (flags & HHT_ONDIVIDER)
        Notify(h, HDN_DIVIDERDBLCLICKA, index, nullptr);
    else if (h.Style() & HDS_BUTTONS)
        Notify(h, HDN_ITEMDBLCLICKA, index, nullptr);
}

void OnCaptureChanged(Header& h)
{
    // Losing the capture cancels a click; a drag stops where it is, as on Windows.
    h.pressed = -1;
    if (h.tracking >= 0)
    {
        const int tracking = h.tracking;
        h.tracking = -1;
        POINT pt{};
        GetCursorPos(&pt);
        ScreenToClient(h.hwnd, &pt);
        EndTrack(h, tracking, pt, false);
    }
}

LRESULT Dispatch(Header& h, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        h.notify = cs ? cs->hwndParent : GetParent(h.hwnd);
        return 0;
    }
    case HDM_GETITEMCOUNT:
        return h.Count();
    case HDM_INSERTITEMA:
        return InsertItem(h, static_cast<int>(wParam), reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_DELETEITEM:
        return DeleteItem(h, static_cast<int>(wParam));
    case HDM_GETITEMA:
        return GetItem(h, static_cast<int>(wParam), reinterpret_cast<HDITEMA*>(lParam));
    case HDM_SETITEMA:
        return SetItem(h, static_cast<int>(wParam), reinterpret_cast<const HDITEMA*>(lParam));
    case HDM_LAYOUT:
        return Layout(h, reinterpret_cast<HDLAYOUT*>(lParam));
    case HDM_HITTEST:
        return HitTest(h, reinterpret_cast<HDHITTESTINFO*>(lParam));
    case HDM_GETITEMRECT: {
        auto* rect = reinterpret_cast<RECT*>(lParam);
        if (!rect || !h.Valid(static_cast<int>(wParam)))
            return FALSE;
        *rect = ItemRect(h, static_cast<int>(wParam));
        return TRUE;
    }
    case HDM_ORDERTOINDEX:
        // Items are shown in index order.
        return static_cast<LRESULT>(wParam);
    case HDM_GETORDERARRAY: {
        auto* order = reinterpret_cast<int*>(lParam);
        if (!order || static_cast<int>(wParam) < h.Count())
            return FALSE;
        for (int i = 0; i < h.Count(); ++i)
            order[i] = i;
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        OnLButtonDown(h, PointOf(lParam));
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(h, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(h, PointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(h, PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(h);
        return 0;
    case WM_SETFONT:
        h.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(h.hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(h.font);
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC hdc = BeginPaint(h.hwnd, &ps);
        Paint(h, hdc);
        EndPaint(h.hwnd, &ps);
        return 0;
    }
    case WM_PRINTCLIENT:
        Paint(h, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ENABLE:
        InvalidateRect(h.hwnd, nullptr, TRUE);
        return 0;
    }
    return DefWindowProcA(h.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK HeaderWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
    {
        auto* h = new Header;
        h->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, DataSlot, reinterpret_cast<LONG_PTR>(h));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    Header* h = DataOf(hwnd);
    if (!h)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
    {
        SetWindowLongPtrA(hwnd, DataSlot, 0);
        h->dead = true;
        if (h->depth == 0)
            delete h;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    // The parent may destroy the header from a notification; the object outlives the handlers
    // still running.
    ++h->depth;
    const LRESULT result = Dispatch(*h, msg, wParam, lParam);
    if (--h->depth == 0 && h->dead)
        delete h;
    return result;
}

platform::SystemClass headerClass({WC_HEADERA, CS_DBLCLKS, HeaderWndProc,
                                   static_cast<int>(sizeof(Header*)), IDC_ARROW, -1});

} // namespace
