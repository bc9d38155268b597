// The "Static" control: labels, frames, filled rectangles, etched lines and bitmaps.
//
// Text statics word-wrap (SS_LEFT, SS_CENTER, SS_RIGHT) or not (SS_LEFTNOWORDWRAP, SS_SIMPLE),
// and underline the character after '&' unless SS_NOPREFIX. A static is transparent to the mouse
// (WM_NCHITTEST answers HTTRANSPARENT, so a click reaches the window beneath) unless it has
// SS_NOTIFY, which makes it report STN_CLICKED, STN_DBLCLK, STN_ENABLE and STN_DISABLE.
//
// An SS_BITMAP static loads the bitmap its title names (an ordinal or a name) from the module
// that created it, and takes the bitmap's size unless SS_CENTERIMAGE or SS_REALSIZECONTROL says
// otherwise; a bitmap that cannot be found leaves the control empty. A bitmap the control loaded
// itself is deleted with it; one given by STM_SETIMAGE stays the caller's.
//
// In the text renderer frames are boxes of '-', '|' and '+', a rectangle one cell thin is a line,
// a larger black rectangle is filled with '#' and a grey one with ':'.
//
// Does not do:
// - icons: SS_ICON statics stay empty (this platform has no icon resources); STM_SETICON and
//   STM_SETIMAGE with IMAGE_ICON keep the handle and draw nothing;
// - SS_ENHMETAFILE, SS_USERITEM and SS_REALSIZEIMAGE (bitmaps are never scaled);
// - 3-D shading: SS_WHITEFRAME looks like SS_BLACKFRAME, a large SS_WHITERECT is blank, and
//   SS_SUNKEN is the plain frame of WS_EX_STATICEDGE;
// - keyboard cues (WM_UPDATEUISTATE): mnemonics are always underlined.

#include "controls/control_util.h"
#include "platform/canvas.h"
#include "user/window.h"

#include <algorithm>
#include <string>

using platform::Notify;
using platform::StyleOf;
using platform::TextOf;

namespace
{

using platform::Canvas;

struct StaticData
{
    HFONT font = nullptr;
    // The bitmap of an SS_BITMAP static or the icon of an SS_ICON one.
    HANDLE image = nullptr;
    // The control loaded image itself and deletes it when it no longer shows it.
    bool ownsImage = false;
};

constexpr int DataSlot = 0;

StaticData* DataOf(HWND hwnd)
{
    return reinterpret_cast<StaticData*>(GetWindowLongPtrA(hwnd, DataSlot));
}

UINT TypeOf(HWND hwnd)
{
    return StyleOf(hwnd) & SS_TYPEMASK;
}

bool IsBitmap(HANDLE handle)
{
    BITMAP bm{};
    return handle && GetObjectA(handle, sizeof bm, &bm) == static_cast<int>(sizeof bm);
}

// ---- Images ----

void ReleaseImage(StaticData& data)
{
    if (data.ownsImage && data.image)
        DeleteObject(data.image);
    data.image = nullptr;
    data.ownsImage = false;
}

// Makes the control the bitmap's size, keeping its top-left corner (or, with SS_RIGHTJUST, its
// bottom-right corner) where it was.
void FitToBitmap(HWND hwnd, HBITMAP bitmap)
{
    const DWORD style = StyleOf(hwnd);
    BITMAP bm{};
    if (!bitmap || (style & (SS_CENTERIMAGE | SS_REALSIZECONTROL)) ||
        GetObjectA(bitmap, sizeof bm, &bm) != static_cast<int>(sizeof bm))
        return;
    RECT window{};
    RECT client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    const int width = bm.bmWidth + (window.right - window.left) - client.right;
    const int height = bm.bmHeight + (window.bottom - window.top) - client.bottom;
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    POINT origin{window.left, window.top};
    if (style & SS_RIGHTJUST)
        origin = POINT{window.right - width, window.bottom - height};
    else
        flags |= SWP_NOMOVE;
    if (HWND parent = GetParent(hwnd); parent && (style & WS_CHILD))
        ScreenToClient(parent, &origin);
    SetWindowPos(hwnd, nullptr, origin.x, origin.y, width, height, flags);
}

// Shows a new image and returns the one it replaces, which then belongs to the caller (even one
// the control loaded itself, as on Windows).
HANDLE SetImage(HWND hwnd, HANDLE image, bool owned)
{
    StaticData* data = DataOf(hwnd);
    if (!data)
        return nullptr;
    HANDLE old = data->image;
    data->image = image;
    data->ownsImage = owned && image;
    if (TypeOf(hwnd) == SS_BITMAP)
        FitToBitmap(hwnd, static_cast<HBITMAP>(image));
    InvalidateRect(hwnd, nullptr, TRUE);
    return old;
}

// Loads the bitmap an SS_BITMAP static's title names; a missing one leaves the control empty.
void LoadNamedBitmap(HWND hwnd, HINSTANCE instance, LPCSTR name)
{
    if (!name || (!IS_INTRESOURCE(name) && !*name))
        return;
    HBITMAP bitmap = LoadBitmapA(instance, name);
    StaticData* data = DataOf(hwnd);
    if (!bitmap || !data)
        return;
    ReleaseImage(*data);
    SetImage(hwnd, bitmap, true);
}

// ---- Painting ----

HBRUSH PrepareDC(HWND hwnd, HDC hdc)
{
    if (StaticData* data = DataOf(hwnd); data && data->font)
        SelectObject(hdc, data->font);
    HWND parent = GetParent(hwnd);
    auto brush = reinterpret_cast<HBRUSH>(parent ? SendMessageA(parent, WM_CTLCOLORSTATIC,
                                                                reinterpret_cast<WPARAM>(hdc),
                                                                reinterpret_cast<LPARAM>(hwnd))
                                                 : 0);
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(DefWindowProcA(hwnd, WM_CTLCOLORSTATIC,
                                                        reinterpret_cast<WPARAM>(hdc),
                                                        reinterpret_cast<LPARAM>(hwnd)));
    return brush;
}

UINT TextFormat(DWORD style)
{
    UINT format = 0;
    switch (style & SS_TYPEMASK)
    {
    case SS_CENTER:
        format = DT_CENTER | DT_WORDBREAK | DT_EXPANDTABS;
        break;
    case SS_RIGHT:
        format = DT_RIGHT | DT_WORDBREAK | DT_EXPANDTABS;
        break;
    case SS_LEFTNOWORDWRAP:
        format = DT_LEFT | DT_EXPANDTABS;
        break;
    case SS_SIMPLE:
        format = DT_LEFT | DT_SINGLELINE;
        break;
    default:
        format = DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS;
        break;
    }
    if (style & SS_NOPREFIX)
        format |= DT_NOPREFIX;
    if (style & SS_EDITCONTROL)
        format |= DT_EDITCONTROL;
    if (style & SS_CENTERIMAGE)
        format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_VCENTER;
    switch (style & SS_ELLIPSISMASK)
    {
    case SS_ENDELLIPSIS:
        format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_END_ELLIPSIS;
        break;
    case SS_PATHELLIPSIS:
        format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_PATH_ELLIPSIS;
        break;
    case SS_WORDELLIPSIS:
        format = (format & ~static_cast<UINT>(DT_WORDBREAK)) | DT_SINGLELINE | DT_WORD_ELLIPSIS;
        break;
    }
    return format;
}

void PaintText(HWND hwnd, HDC hdc, const RECT& client)
{
    const DWORD style = StyleOf(hwnd);
    HBRUSH brush = PrepareDC(hwnd, hdc);
    FillRect(hdc, &client, brush);
    // SS_SIMPLE text is never greyed, as Windows leaves it.
    if (!IsWindowEnabled(hwnd) && (style & SS_TYPEMASK) != SS_SIMPLE)
        SetTextColor(hdc, GetSysColor(COLOR_GRAYTEXT));
    SetBkMode(hdc, TRANSPARENT);
    std::string text = TextOf(hwnd);
    RECT rect = client;
    DrawTextA(hdc, text.c_str(), -1, &rect, TextFormat(style));
}

// A filled rectangle: a line when it is one cell thin, else cells of `fill`.
void PaintRectangle(HDC hdc, const RECT& client, int color, char fill)
{
    FillRect(hdc, &client, GetSysColorBrush(color));
    const int columns = std::max(1, static_cast<int>(client.right) / Canvas::CellWidth);
    const int rows = std::max(1, static_cast<int>(client.bottom) / Canvas::CellHeight);
    if (rows == 1)
        fill = '-';
    else if (columns == 1)
        fill = '|';
    if (fill == ' ')
        return;
    const std::string line(static_cast<size_t>(columns), fill);
    for (int row = 0; row < rows; ++row)
        TextOutA(hdc, 0, row * Canvas::CellHeight, line.c_str(), columns);
}

void PaintBitmap(HWND hwnd, HDC hdc, const RECT& client)
{
    HBRUSH brush = PrepareDC(hwnd, hdc);
    StaticData* data = DataOf(hwnd);
    BITMAP bm{};
    if (!data || !data->image ||
        GetObjectA(data->image, sizeof bm, &bm) != static_cast<int>(sizeof bm))
    {
        FillRect(hdc, &client, brush);
        return;
    }
    HDC memory = CreateCompatibleDC(hdc);
    HGDIOBJ old = SelectObject(memory, data->image);
    int x = 0;
    int y = 0;
    if (StyleOf(hwnd) & SS_CENTERIMAGE)
    {
        // A centred bitmap is surrounded by the colour of its top-left pixel.
        HBRUSH around = CreateSolidBrush(GetPixel(memory, 0, 0));
        FillRect(hdc, &client, around);
        DeleteObject(around);
        x = (client.right - bm.bmWidth) / 2;
        y = (client.bottom - bm.bmHeight) / 2;
    }
    else
        FillRect(hdc, &client, brush);
    BitBlt(hdc, x, y, bm.bmWidth, bm.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
}

void PaintOwnerDrawn(HWND hwnd, HDC hdc, const RECT& client)
{
    HWND parent = GetParent(hwnd);
    if (!parent)
        return;
    PrepareDC(hwnd, hdc);
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_STATIC;
    item.CtlID = static_cast<UINT>(GetDlgCtrlID(hwnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = IsWindowEnabled(hwnd) ? 0 : ODS_DISABLED;
    item.hwndItem = hwnd;
    item.hDC = hdc;
    item.rcItem = client;
    SendMessageA(parent, WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
}

void Paint(HWND hwnd, HDC hdc)
{
    if (!hdc || !DataOf(hwnd))
        return;
    RECT client{};
    GetClientRect(hwnd, &client);
    if (IsRectEmpty(&client))
        return;
    int saved = SaveDC(hdc);
    switch (TypeOf(hwnd))
    {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_LEFTNOWORDWRAP:
    case SS_SIMPLE:
        PaintText(hwnd, hdc, client);
        break;
    case SS_BLACKRECT:
        PaintRectangle(hdc, client, COLOR_3DDKSHADOW, '#');
        break;
    case SS_GRAYRECT:
        PaintRectangle(hdc, client, COLOR_3DSHADOW, ':');
        break;
    case SS_WHITERECT:
        PaintRectangle(hdc, client, COLOR_3DHIGHLIGHT, ' ');
        break;
    case SS_BLACKFRAME:
        FrameRect(hdc, &client, GetSysColorBrush(COLOR_3DDKSHADOW));
        break;
    case SS_GRAYFRAME:
        FrameRect(hdc, &client, GetSysColorBrush(COLOR_3DSHADOW));
        break;
    case SS_WHITEFRAME:
        FrameRect(hdc, &client, GetSysColorBrush(COLOR_3DHIGHLIGHT));
        break;
    case SS_ETCHEDHORZ:
        DrawEdge(hdc, &client, EDGE_ETCHED, BF_TOP);
        break;
    case SS_ETCHEDVERT:
        DrawEdge(hdc, &client, EDGE_ETCHED, BF_LEFT);
        break;
    case SS_ETCHEDFRAME:
        DrawEdge(hdc, &client, EDGE_ETCHED, BF_RECT);
        break;
    case SS_BITMAP:
        PaintBitmap(hwnd, hdc, client);
        break;
    case SS_ICON:
        FillRect(hdc, &client, PrepareDC(hwnd, hdc));
        break;
    case SS_OWNERDRAW:
        PaintOwnerDrawn(hwnd, hdc, client);
        break;
    }
    RestoreDC(hdc, saved);
}

// ---- Message handlers ----

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    SetWindowLongPtrA(hwnd, DataSlot, reinterpret_cast<LONG_PTR>(new StaticData));
    // SS_SUNKEN is drawn as the half-sunken edge of WS_EX_STATICEDGE, in the non-client area.
    if (StyleOf(hwnd) & SS_SUNKEN)
        SetWindowLongA(hwnd, GWL_EXSTYLE, GetWindowLongA(hwnd, GWL_EXSTYLE) | WS_EX_STATICEDGE);
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT OnCreate(HWND hwnd, LPARAM lParam)
{
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    if (cs && TypeOf(hwnd) == SS_BITMAP)
        LoadNamedBitmap(hwnd, cs->hInstance, cs->lpszName);
    return 0;
}

void OnNcDestroy(HWND hwnd)
{
    if (StaticData* data = DataOf(hwnd))
    {
        ReleaseImage(*data);
        delete data;
    }
    SetWindowLongPtrA(hwnd, DataSlot, 0);
}

LRESULT OnSetText(HWND hwnd, LPARAM lParam)
{
    auto name = reinterpret_cast<LPCSTR>(lParam);
    // A bitmap static's text names its bitmap, so new text loads a new one.
    if (TypeOf(hwnd) == SS_BITMAP)
    {
        if (!IS_INTRESOURCE(name))
            DefWindowProcA(hwnd, WM_SETTEXT, 0, lParam);
        LoadNamedBitmap(hwnd, reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE)),
                        name);
        return TRUE;
    }
    if (IS_INTRESOURCE(name) && name)
        return FALSE;
    LRESULT result = DefWindowProcA(hwnd, WM_SETTEXT, 0, lParam);
    InvalidateRect(hwnd, nullptr, TRUE);
    return result;
}

LRESULT OnSetImage(HWND hwnd, WPARAM type, LPARAM handle)
{
    auto image = reinterpret_cast<HANDLE>(handle);
    switch (type)
    {
    case IMAGE_BITMAP:
        if (TypeOf(hwnd) != SS_BITMAP || (image && !IsBitmap(image)))
            return 0;
        return reinterpret_cast<LRESULT>(SetImage(hwnd, image, false));
    case IMAGE_ICON:
    case IMAGE_CURSOR:
        if (TypeOf(hwnd) != SS_ICON)
            return 0;
        return reinterpret_cast<LRESULT>(SetImage(hwnd, image, false));
    default:
        return 0;
    }
}

LRESULT OnGetImage(HWND hwnd, WPARAM type)
{
    StaticData* data = DataOf(hwnd);
    if (!data)
        return 0;
    const UINT kind = TypeOf(hwnd);
    const bool matches = (type == IMAGE_BITMAP && kind == SS_BITMAP) ||
                         ((type == IMAGE_ICON || type == IMAGE_CURSOR) && kind == SS_ICON);
    return matches ? reinterpret_cast<LRESULT>(data->image) : 0;
}

LRESULT OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    Paint(hwnd, hdc);
    EndPaint(hwnd, &ps);
    return 0;
}

LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_NCCREATE:
        return OnNcCreate(hwnd, wParam, lParam);
    case WM_CREATE:
        return OnCreate(hwnd, lParam);
    case WM_NCDESTROY:
        OnNcDestroy(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_ERASEBKGND:
        // Painting fills the background itself; frames and lines leave what is beneath them.
        return 1;
    case WM_PAINT:
        return OnPaint(hwnd);
    case WM_PRINTCLIENT:
        Paint(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        if (!(StyleOf(hwnd) & SS_NOTIFY))
            return HTTRANSPARENT;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        if (StyleOf(hwnd) & SS_NOTIFY)
            Notify(hwnd, STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
    case WM_NCLBUTTONDBLCLK:
        if (StyleOf(hwnd) & SS_NOTIFY)
            Notify(hwnd, STN_DBLCLK);
        return 0;
    case WM_ENABLE:
        if (StyleOf(hwnd) & SS_NOTIFY)
            Notify(hwnd, wParam ? STN_ENABLE : STN_DISABLE);
        InvalidateRect(hwnd, nullptr, FALSE);
        return 0;
    case WM_SETTEXT:
        return OnSetText(hwnd, lParam);
    case WM_SETFONT:
        if (StaticData* data = DataOf(hwnd))
            data->font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case WM_GETFONT: {
        StaticData* data = DataOf(hwnd);
        return data ? reinterpret_cast<LRESULT>(data->font) : 0;
    }
    case WM_STYLECHANGED:
        InvalidateRect(hwnd, nullptr, TRUE);
        return 0;
    case STM_SETIMAGE:
        return OnSetImage(hwnd, wParam, lParam);
    case STM_GETIMAGE:
        return OnGetImage(hwnd, wParam);
    case STM_SETICON:
        return OnSetImage(hwnd, IMAGE_ICON, static_cast<LPARAM>(wParam));
    case STM_GETICON:
        return OnGetImage(hwnd, IMAGE_ICON);
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

platform::SystemClass staticClass({"Static", CS_DBLCLKS | CS_PARENTDC, StaticWndProc,
                                   static_cast<int>(sizeof(StaticData*)), IDC_ARROW, -1});

} // namespace
