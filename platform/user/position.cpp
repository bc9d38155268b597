// Window geometry: metrics, frames, positions, visibility and enabling.
//
// Does not do: minimised or maximised states (SW_MINIMIZE and SW_MAXIMIZE show the window
// normally), multiple monitors, or window animation.

#include "user/dialog.h"
#include "user/queue.h"

#include <algorithm>

namespace platform
{

RECT NonClientInsets(DWORD style, DWORD exStyle)
{
    int edge = 0;
    if ((exStyle & (WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME)) == WS_EX_STATICEDGE)
        edge = 1;
    else if ((exStyle & WS_EX_DLGMODALFRAME) || (style & (WS_THICKFRAME | WS_DLGFRAME)))
        edge = 2;
    if (style & WS_THICKFRAME)
        edge += GetSystemMetrics(SM_CXFRAME) - GetSystemMetrics(SM_CXDLGFRAME);
    if ((style & (WS_BORDER | WS_DLGFRAME)) || (exStyle & WS_EX_DLGMODALFRAME))
        edge += 1;
    RECT in{edge, edge, edge, edge};
    if ((style & WS_CAPTION) == WS_CAPTION)
        in.top += (exStyle & WS_EX_TOOLWINDOW) ? GetSystemMetrics(SM_CYSMCAPTION)
                                               : GetSystemMetrics(SM_CYCAPTION);
    if (exStyle & WS_EX_CLIENTEDGE)
    {
        in.left += 2;
        in.top += 2;
        in.right += 2;
        in.bottom += 2;
    }
    if (style & WS_VSCROLL)
        in.right += GetSystemMetrics(SM_CXVSCROLL);
    if (style & WS_HSCROLL)
        in.bottom += GetSystemMetrics(SM_CYHSCROLL);
    return in;
}

} // namespace platform

using namespace platform;

int WINAPI GetSystemMetrics(int index)
{
    switch (index)
    {
    case SM_CXSCREEN:
    case SM_CXFULLSCREEN:
    case SM_CXVIRTUALSCREEN:
    case SM_CXMAXIMIZED:
        return 1280;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN:
    case SM_CYMAXIMIZED:
        return 1024;
    case SM_CYFULLSCREEN:
        return 1024 - 19;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
    case SM_CYVSCROLL:
    case SM_CXHSCROLL:
    case SM_CYVTHUMB:
    case SM_CXHTHUMB:
        return 16;
    case SM_CYCAPTION:
        return 19;
    case SM_CYSMCAPTION:
        return 15;
    case SM_CXBORDER:
    case SM_CYBORDER:
        return 1;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME:
        return 3;
    case SM_CXFRAME:
    case SM_CYFRAME:
        return 4;
    case SM_CXEDGE:
    case SM_CYEDGE:
        return 2;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    case SM_CYMENU:
        return 19;
    case SM_CXSIZE:
    case SM_CYSIZE:
        return 18;
    case SM_CXMIN:
        return 112;
    case SM_CYMIN:
        return 27;
    case SM_CXMINTRACK:
        return 112;
    case SM_CYMINTRACK:
        return 27;
    case SM_CXMAXTRACK:
        return 1280 + 2 * 4;
    case SM_CYMAXTRACK:
        return 1024 + 2 * 4;
    case SM_CXDOUBLECLK:
    case SM_CYDOUBLECLK:
        return 4;
    case SM_CMONITORS:
        return 1;
    }
    return 0;
}

BOOL WINAPI AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle)
{
    if (!rect)
        return FALSE;
    const RECT in = NonClientInsets(style, exStyle);
    rect->left -= in.left;
    rect->top -= in.top;
    rect->right += in.right;
    rect->bottom += in.bottom;
    if (menu)
        rect->top -= GetSystemMetrics(SM_CYMENU);
    return TRUE;
}

BOOL WINAPI AdjustWindowRect(LPRECT rect, DWORD style, BOOL menu)
{
    return AdjustWindowRectEx(rect, style, menu, 0);
}

LONG WINAPI GetDialogBaseUnits()
{
    return MAKELONG(DialogBaseUnitX, DialogBaseUnitY);
}

BOOL WINAPI MapDialogRect(HWND dialog, LPRECT rect)
{
    if (!rect || !IsWindow(dialog))
        return FALSE;
    rect->left = MulDiv(rect->left, DialogBaseUnitX, 4);
    rect->right = MulDiv(rect->right, DialogBaseUnitX, 4);
    rect->top = MulDiv(rect->top, DialogBaseUnitY, 8);
    rect->bottom = MulDiv(rect->bottom, DialogBaseUnitY, 8);
    return TRUE;
}

BOOL WINAPI GetWindowRect(HWND hwnd, LPRECT rect)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = ScreenRect(w);
    return TRUE;
}

BOOL WINAPI GetClientRect(HWND hwnd, LPRECT rect)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w || !rect)
        return FALSE;
    *rect = RECT{0, 0, std::max(0, static_cast<int>(w->client.right - w->client.left)),
                 std::max(0, static_cast<int>(w->client.bottom - w->client.top))};
    return TRUE;
}

BOOL WINAPI ClientToScreen(HWND hwnd, LPPOINT point)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w || !point)
        return FALSE;
    const POINT o = ClientOrigin(w);
    point->x += o.x;
    point->y += o.y;
    return TRUE;
}

BOOL WINAPI ScreenToClient(HWND hwnd, LPPOINT point)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    if (!w || !point)
        return FALSE;
    const POINT o = ClientOrigin(w);
    point->x -= o.x;
    point->y -= o.y;
    return TRUE;
}

int WINAPI MapWindowPoints(HWND from, HWND to, LPPOINT points, UINT count)
{
    std::lock_guard g(Lock());
    POINT a{0, 0}, b{0, 0};
    if (from && from != GetDesktopWindow())
    {
        Window* w = FromHandle(from);
        if (!w)
            return 0;
        a = ClientOrigin(w);
    }
    if (to && to != GetDesktopWindow())
    {
        Window* w = FromHandle(to);
        if (!w)
            return 0;
        b = ClientOrigin(w);
    }
    const LONG dx = a.x - b.x, dy = a.y - b.y;
    for (UINT i = 0; points && i < count; ++i)
    {
        points[i].x += dx;
        points[i].y += dy;
    }
    return MAKELONG(static_cast<WORD>(dx), static_cast<WORD>(dy));
}

namespace
{

bool Contains(const RECT& r, POINT p)
{
    return p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom;
}

Window* ChildAt(Window* parent, POINT screen, bool skipDisabled)
{
    for (Window* c : parent->children)
    {
        if (!(c->style & WS_VISIBLE) || c->dead)
            continue;
        if (!Contains(ScreenRect(c), screen))
            continue;
        if (skipDisabled && (c->style & WS_DISABLED))
            return nullptr;
        return c;
    }
    return nullptr;
}

} // namespace

HWND WINAPI WindowFromPoint(POINT point)
{
    std::lock_guard g(Lock());
    Window* w = ChildAt(Desktop(), point, false);
    if (!w)
        return nullptr;
    // Descend into enabled children; a disabled child's area belongs to its parent.
    for (;;)
    {
        const POINT o = ClientOrigin(w);
        const RECT client{o.x, o.y, o.x + (w->client.right - w->client.left),
                          o.y + (w->client.bottom - w->client.top)};
        if (!Contains(client, point))
            break;
        Window* c = ChildAt(w, point, true);
        if (!c)
            break;
        w = c;
    }
    return w->handle;
}

HWND WINAPI ChildWindowFromPoint(HWND parent, POINT point)
{
    std::lock_guard g(Lock());
    Window* p = FromHandle(parent);
    if (!p)
        return nullptr;
    const POINT o = ClientOrigin(p);
    const POINT screen{point.x + o.x, point.y + o.y};
    const RECT r = ScreenRect(p);
    if (!Contains(r, screen))
        return nullptr;
    Window* c = ChildAt(p, screen, false);
    return c ? c->handle : parent;
}

BOOL WINAPI SetWindowPos(HWND hwnd, HWND insertAfter, int x, int y, int cx, int cy, UINT flags)
{
    WINDOWPOS wp{};
    Window* w = nullptr;
    bool own;
    {
        std::lock_guard g(Lock());
        w = FromHandle(hwnd);
        if (!w || w == Desktop())
            return FALSE;
        own = w->threadId == GetCurrentThreadId();
        if (flags & SWP_NOMOVE)
        {
            x = w->window.left;
            y = w->window.top;
        }
        if (flags & SWP_NOSIZE)
        {
            cx = w->window.right - w->window.left;
            cy = w->window.bottom - w->window.top;
        }
        wp = WINDOWPOS{hwnd, insertAfter, x, y, std::max(0, cx), std::max(0, cy), flags};
    }
    if (!own)
    {
        // Positions change on the window's own thread, as on Windows.
        return static_cast<BOOL>(RunOnWindowThread(hwnd, [=] {
            return static_cast<LRESULT>(SetWindowPos(hwnd, insertAfter, x, y, cx, cy, flags));
        }));
    }
    if (!(flags & SWP_NOSENDCHANGING))
        SendMessageA(hwnd, WM_WINDOWPOSCHANGING, 0, reinterpret_cast<LPARAM>(&wp));
    w = OwnWindow(hwnd);
    if (!w)
        return FALSE;
    RECT oldClient, newClient;
    bool showChange = false, hideChange = false;
    {
        std::lock_guard g(Lock());
        oldClient = w->client;
        const RECT old = w->window;
        w->window = RECT{wp.x, wp.y, wp.x + wp.cx, wp.y + wp.cy};
        const RECT in = NonClientInsets(w->style, w->exStyle);
        w->client = RECT{w->window.left + in.left, w->window.top + in.top,
                         std::max(w->window.left + in.left, w->window.right - in.right),
                         std::max(w->window.top + in.top, w->window.bottom - in.bottom)};
        newClient = w->client;
        if (!(wp.flags & SWP_NOZORDER) && w->parent)
        {
            auto& s = w->parent->children;
            s.erase(std::remove(s.begin(), s.end(), w), s.end());
            if (wp.hwndInsertAfter == HWND_BOTTOM)
                s.push_back(w);
            else if (wp.hwndInsertAfter == HWND_TOP || wp.hwndInsertAfter == HWND_TOPMOST ||
                     wp.hwndInsertAfter == HWND_NOTOPMOST)
            {
                if (wp.hwndInsertAfter == HWND_TOPMOST)
                    w->exStyle |= WS_EX_TOPMOST;
                if (wp.hwndInsertAfter == HWND_NOTOPMOST)
                    w->exStyle &= ~WS_EX_TOPMOST;
                auto it = s.begin();
                if (!(w->exStyle & WS_EX_TOPMOST))
                    while (it != s.end() && ((*it)->exStyle & WS_EX_TOPMOST))
                        ++it;
                s.insert(it, w);
            }
            else
            {
                Window* after = FromHandle(wp.hwndInsertAfter);
                auto it = std::find(s.begin(), s.end(), after);
                s.insert(it == s.end() ? s.end() : it + 1, w);
            }
        }
        if ((wp.flags & SWP_SHOWWINDOW) && !(w->style & WS_VISIBLE))
        {
            w->style |= WS_VISIBLE;
            showChange = true;
        }
        if ((wp.flags & SWP_HIDEWINDOW) && (w->style & WS_VISIBLE))
        {
            w->style &= ~WS_VISIBLE;
            hideChange = true;
        }
        (void)old;
    }
    if (hideChange)
        WindowHiddenOrDestroyed(w);
    // WM_WINDOWPOSCHANGED tells the window what happened; DefWindowProc turns it into WM_MOVE
    // and WM_SIZE.
    wp.flags &= ~(SWP_NOSIZE | SWP_NOMOVE);
    if (oldClient.left == newClient.left && oldClient.top == newClient.top)
        wp.flags |= SWP_NOMOVE;
    if (oldClient.right - oldClient.left == newClient.right - newClient.left &&
        oldClient.bottom - oldClient.top == newClient.bottom - newClient.top)
        wp.flags |= SWP_NOSIZE;
    SendMessageA(hwnd, WM_WINDOWPOSCHANGED, 0, reinterpret_cast<LPARAM>(&wp));
    (void)showChange;
    return TRUE;
}

BOOL WINAPI MoveWindow(HWND hwnd, int x, int y, int width, int height, BOOL repaint)
{
    return SetWindowPos(hwnd, nullptr, x, y, width, height,
                        SWP_NOZORDER | SWP_NOACTIVATE | (repaint ? 0 : SWP_NOREDRAW));
}

BOOL WINAPI BringWindowToTop(HWND hwnd)
{
    return SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL WINAPI ShowWindow(HWND hwnd, int cmdShow)
{
    Window* w = OwnWindow(hwnd);
    if (!w)
    {
        // Another thread's window is shown on its own thread.
        return static_cast<BOOL>(RunOnWindowThread(
            hwnd, [=] { return static_cast<LRESULT>(ShowWindow(hwnd, cmdShow)); }));
    }
    bool wasVisible;
    {
        std::lock_guard g(Lock());
        wasVisible = (w->style & WS_VISIBLE) != 0;
    }
    const bool show = cmdShow != SW_HIDE;
    if (show == wasVisible)
    {
        if (show && IsTopLevel(w) && cmdShow != SW_SHOWNA && cmdShow != SW_SHOWNOACTIVATE &&
            cmdShow != SW_SHOWMINNOACTIVE)
            ActivateWindow(w, false);
        return wasVisible;
    }
    ++w->busy;
    SendMessageA(hwnd, WM_SHOWWINDOW, show, 0);
    UINT flags = SWP_NOMOVE | SWP_NOSIZE | (show ? SWP_SHOWWINDOW : SWP_HIDEWINDOW);
    if (!IsTopLevel(w) || !show || cmdShow == SW_SHOWNA || cmdShow == SW_SHOWNOACTIVATE)
        flags |= SWP_NOZORDER | SWP_NOACTIVATE;
    if (!w->dead)
        SetWindowPos(hwnd, HWND_TOP, 0, 0, 0, 0, flags);
    if (show && !w->dead && IsTopLevel(w) && !(flags & SWP_NOACTIVATE) &&
        !(w->exStyle & WS_EX_NOACTIVATE))
        ActivateWindow(w, false);
    ReleaseWindow(w);
    return wasVisible;
}

BOOL WINAPI EnableWindow(HWND hwnd, BOOL enable)
{
    if (IsWindow(hwnd) && !OwnWindow(hwnd))
        return static_cast<BOOL>(RunOnWindowThread(
            hwnd, [=] { return static_cast<LRESULT>(EnableWindow(hwnd, enable)); }));
    Window* w = OwnWindow(hwnd);
    bool wasDisabled;
    {
        std::lock_guard g(Lock());
        Window* any = FromHandle(hwnd);
        if (!any)
            return FALSE;
        wasDisabled = (any->style & WS_DISABLED) != 0;
        if (enable)
            any->style &= ~WS_DISABLED;
        else
            any->style |= WS_DISABLED;
    }
    if (wasDisabled == !enable)
        return wasDisabled;
    if (!w)
        return wasDisabled;
    ++w->busy;
    if (!enable)
    {
        // A disabled window can neither keep the focus nor the mouse capture.
        ThreadQueue* q = w->queue;
        if (q->focus == hwnd)
            SetFocus(nullptr);
        if (q->capture == hwnd)
            ReleaseCapture();
    }
    SendMessageA(hwnd, WM_ENABLE, enable, 0);
    ReleaseWindow(w);
    return wasDisabled;
}

BOOL WINAPI IsIconic(HWND)
{
    return FALSE;
}

BOOL WINAPI IsZoomed(HWND)
{
    return FALSE;
}

BOOL WINAPI InvalidateRect(HWND hwnd, const RECT*, BOOL)
{
    std::lock_guard g(Lock());
    Window* w = hwnd ? FromHandle(hwnd) : nullptr;
    if (w)
        w->invalid = true;
    return w != nullptr || hwnd == nullptr;
}

BOOL WINAPI ValidateRect(HWND hwnd, const RECT*)
{
    std::lock_guard g(Lock());
    Window* w = hwnd ? FromHandle(hwnd) : nullptr;
    if (w)
        w->invalid = false;
    return TRUE;
}

BOOL WINAPI RedrawWindow(HWND hwnd, const RECT* rect, HRGN, UINT)
{
    return InvalidateRect(hwnd, rect, TRUE);
}

BOOL WINAPI UpdateWindow(HWND hwnd)
{
    return ValidateRect(hwnd, nullptr);
}
