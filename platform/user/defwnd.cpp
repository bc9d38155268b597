// DefWindowProcA: the default handling of every message, and CallWindowProcA.
//
// Does not do: system menus, scroll bars in the non-client area, minimise and maximise
// buttons, or Alt+Tab. WM_PAINT is answered by validating; drawing goes through WM_PRINT.

#include "user/queue.h"
#include "user/sizing.h"
#include "render/print.h"

#include <algorithm>
#include <cstring>

namespace platform
{
namespace
{

bool Inside(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

LRESULT HitTest(HWND hwnd, POINT pt)
{
    RECT window;
    DWORD style, exStyle;
    RECT client;
    {
        std::lock_guard g(Lock());
        Window* w = FromHandle(hwnd);
        if (!w)
            return HTNOWHERE;
        window = ScreenRect(w);
        const POINT o = ClientOrigin(w);
        client = RECT{o.x, o.y, o.x + (w->client.right - w->client.left),
                      o.y + (w->client.bottom - w->client.top)};
        style = w->style;
        exStyle = w->exStyle;
    }
    if (!Inside(window, pt))
        return HTNOWHERE;
    if (Inside(client, pt))
        return HTCLIENT;
    if (style & WS_THICKFRAME)
    {
        const int frame = GetSystemMetrics(SM_CXFRAME);
        const int corner = GetSystemMetrics(SM_CXSIZE);
        const bool left = pt.x < window.left + frame, right = pt.x >= window.right - frame;
        const bool top = pt.y < window.top + frame, bottom = pt.y >= window.bottom - frame;
        const bool nearLeft = pt.x < window.left + corner,
                   nearRight = pt.x >= window.right - corner;
        const bool nearTop = pt.y < window.top + corner,
                   nearBottom = pt.y >= window.bottom - corner;
        if ((top && nearLeft) || (left && nearTop))
            return HTTOPLEFT;
        if ((top && nearRight) || (right && nearTop))
            return HTTOPRIGHT;
        if ((bottom && nearLeft) || (left && nearBottom))
            return HTBOTTOMLEFT;
        if ((bottom && nearRight) || (right && nearBottom))
            return HTBOTTOMRIGHT;
        if (left)
            return HTLEFT;
        if (right)
            return HTRIGHT;
        if (top)
            return HTTOP;
        if (bottom)
            return HTBOTTOM;
    }
    if ((style & WS_CAPTION) == WS_CAPTION && pt.y < client.top)
    {
        const RECT in = NonClientInsets(style & ~WS_CAPTION, exStyle & ~WS_EX_CLIENTEDGE);
        const int captionTop = window.top + in.top;
        if (pt.y >= captionTop)
        {
            const int buttons = window.right - in.right;
            const int size = GetSystemMetrics(SM_CXSIZE);
            if ((style & WS_SYSMENU) && pt.x >= buttons - size)
                return HTCLOSE;
            if ((style & WS_SYSMENU) && (exStyle & WS_EX_CONTEXTHELP) && pt.x >= buttons - 2 * size)
                return HTHELP;
            return HTCAPTION;
        }
    }
    return HTBORDER;
}

void TrackCloseButton(HWND hwnd)
{
    // The close box acts when the button is released over it, as a push button does.
    SetCapture(hwnd);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0))
    {
        if (m.message == WM_LBUTTONUP || m.message == WM_NCLBUTTONUP)
        {
            ReleaseCapture();
            if (HitTest(hwnd, m.pt) == HTCLOSE && IsWindow(hwnd))
                SendMessageA(hwnd, WM_SYSCOMMAND, SC_CLOSE, MAKELPARAM(m.pt.x, m.pt.y));
            return;
        }
        if (m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST)
            continue;
        TranslateMessage(&m);
        DispatchMessageA(&m);
        if (GetCapture() != hwnd)
            return;
    }
    PostQuitMessage(static_cast<int>(m.wParam));
}

void ClampToMinMax(HWND hwnd, WINDOWPOS* wp)
{
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if (!((style & WS_THICKFRAME) || !(style & (WS_POPUP | WS_CHILD))))
        return;
    if (wp->flags & SWP_NOSIZE)
        return;
    MINMAXINFO mmi = DefaultMinMax();
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
    wp->cx = std::clamp<int>(wp->cx, mmi.ptMinTrackSize.x,
                             std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
    wp->cy = std::clamp<int>(wp->cy, mmi.ptMinTrackSize.y,
                             std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
}

LRESULT CopyText(HWND hwnd, WPARAM size, LPARAM buffer)
{
    char* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0)
        return 0;
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w)
    {
        out[0] = '\0';
        return 0;
    }
    const std::size_t n = std::min<std::size_t>(w->text.size(), size - 1);
    std::memcpy(out, w->text.data(), n);
    out[n] = '\0';
    return static_cast<LRESULT>(n);
}

LRESULT SetText(HWND hwnd, LPARAM text)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w)
        return FALSE;
    const char* s = reinterpret_cast<const char*>(text);
    w->text = s ? s : "";
    return TRUE;
}

LRESULT ControlColor(UINT msg, WPARAM hdc)
{
    const bool window = msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORLISTBOX;
    HDC dc = reinterpret_cast<HDC>(hdc);
    SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(window ? COLOR_WINDOW : COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(window ? COLOR_WINDOW : COLOR_BTNFACE));
}

} // namespace

MINMAXINFO DefaultMinMax()
{
    MINMAXINFO mmi{};
    mmi.ptMaxSize = POINT{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
    mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
    return mmi;
}

} // namespace platform

using namespace platform;

LRESULT WINAPI DefWindowProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_NCCREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        if (cs && cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
            SetText(hwnd, reinterpret_cast<LPARAM>(cs->lpszName));
        return TRUE;
    }
    case WM_NCCALCSIZE: {
        auto* r = reinterpret_cast<RECT*>(lParam);
        if (r)
        {
            const RECT in = NonClientInsets(static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)),
                                            static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE)));
            r->left += in.left;
            r->top += in.top;
            r->right = std::max(r->left, r->right - in.right);
            r->bottom = std::max(r->top, r->bottom - in.bottom);
        }
        return 0;
    }
    case WM_NCHITTEST:
        return HitTest(
            hwnd, POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))});
    case WM_SETTEXT:
        return SetText(hwnd, lParam);
    case WM_GETTEXT:
        return CopyText(hwnd, wParam, lParam);
    case WM_GETTEXTLENGTH: {
        std::lock_guard g(Lock());
        Window* w = FromHandle(hwnd);
        return w ? static_cast<LRESULT>(w->text.size()) : 0;
    }
    case WM_CLOSE:
        DestroyWindow(hwnd);
        return 0;
    case WM_SYSCOMMAND:
        switch (wParam & 0xFFF0)
        {
        case SC_CLOSE:
            if (!(GetClassLongPtrA(hwnd, GCL_STYLE) & CS_NOCLOSE))
                SendMessageA(hwnd, WM_CLOSE, 0, 0);
            return 0;
        case SC_SIZE:
        case SC_MOVE:
            RunSizeMoveLoop(
                hwnd, (wParam & 0xFFF0) == SC_MOVE ? 0 : static_cast<int>(wParam & 0x000F),
                POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))});
            return 0;
        }
        return 0;
    case WM_NCLBUTTONDOWN: {
        const POINT pt{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
        if (wParam == HTCAPTION)
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
        else if (wParam >= HTLEFT && wParam <= HTBOTTOMRIGHT)
            SendMessageA(hwnd, WM_SYSCOMMAND, SC_SIZE | (wParam - HTLEFT + WMSZ_LEFT), lParam);
        else if (wParam == HTCLOSE)
            TrackCloseButton(hwnd);
        (void)pt;
        return 0;
    }
    case WM_KEYF1: {
        HELPINFO hi{};
        hi.cbSize = sizeof(hi);
        hi.iContextType = HELPINFO_WINDOW;
        hi.iCtrlId = GetDlgCtrlID(hwnd);
        hi.hItemHandle = hwnd;
        hi.dwContextId = 0;
        GetCursorPos(&hi.MousePos);
        SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&hi));
        return 0;
    }
    case WM_SYSKEYDOWN:
        if (wParam == VK_F4 && (HIWORD(lParam) & 0x2000))
        {
            HWND top = GetAncestor(hwnd, GA_ROOT);
            SendMessageA(top, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
        return 0;
    case WM_HELP:
    case WM_CONTEXTMENU: {
        // Help and context requests travel up to the parent, and from a popup to its owner.
        HWND parent = GetParent(hwnd);
        return parent ? SendMessageA(parent, msg, wParam, lParam) : 0;
    }
    case WM_MOUSEACTIVATE: {
        if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
        {
            HWND parent = GetAncestor(hwnd, GA_PARENT);
            const LRESULT r = parent ? SendMessageA(parent, msg, wParam, lParam) : 0;
            if (r)
                return r;
        }
        return MA_ACTIVATE;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE)
            SetFocus(hwnd);
        return 0;
    case WM_WINDOWPOSCHANGING:
        ClampToMinMax(hwnd, reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    case WM_WINDOWPOSCHANGED: {
        const auto* wp = reinterpret_cast<const WINDOWPOS*>(lParam);
        RECT c;
        GetClientRect(hwnd, &c);
        if (!(wp->flags & SWP_NOMOVE))
        {
            POINT o{0, 0};
            MapWindowPoints(hwnd, GetAncestor(hwnd, GA_PARENT), &o, 1);
            SendMessageA(hwnd, WM_MOVE, 0, MAKELPARAM(o.x, o.y));
        }
        if (!(wp->flags & SWP_NOSIZE))
            SendMessageA(hwnd, WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.right, c.bottom));
        return 0;
    }
    case WM_PRINT:
        return DefPrint(hwnd, reinterpret_cast<HDC>(wParam), lParam);
    case WM_ERASEBKGND:
        return DefEraseBackground(hwnd, reinterpret_cast<HDC>(wParam));
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(hwnd, &ps);
        EndPaint(hwnd, &ps);
        return 0;
    }
    case WM_NCACTIVATE:
        return TRUE;
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT)
        {
            if (HCURSOR c = reinterpret_cast<HCURSOR>(GetClassLongPtrA(hwnd, GCLP_HCURSOR)))
                SetCursor(c);
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return ControlColor(msg, wParam);
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
        return -1;
    case WM_NOTIFYFORMAT:
        return 1; // NFR_ANSI
    case WM_CANCELMODE:
        if (GetCapture() == hwnd)
            ReleaseCapture();
        return 0;
    case WM_GETMINMAXINFO:
    case WM_GETDLGCODE:
    case WM_PRINTCLIENT:
    case WM_QUERYUISTATE:
        return 0;
    }
    return 0;
}

LRESULT WINAPI CallWindowProcA(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return proc ? proc(hwnd, msg, wParam, lParam) : 0;
}
