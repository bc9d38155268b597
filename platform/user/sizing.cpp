// Moving and sizing a window with the mouse, as Windows' own tracking loop does: the size
// is held within the window's minimum and maximum tracking sizes while the user drags.
//
// Does not do: keyboard moving and sizing (arrow keys), snapping, or full-window drag off.

#include "user/sizing.h"
#include "user/queue.h"

#include <algorithm>

namespace platform
{

void RunSizeMoveLoop(HWND hwnd, int edge, POINT start)
{
    Window* w = OwnWindow(hwnd);
    if (!w)
        return;
    ThreadQueue* q = CurrentQueue();
    {
        std::lock_guard g(Lock());
        q->moveSize = hwnd;
    }
    SendMessageA(hwnd, WM_ENTERSIZEMOVE, 0, 0);
    SetCapture(hwnd);
    MINMAXINFO mmi = DefaultMinMax();
    SendMessageA(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));

    RECT original;
    {
        std::lock_guard g(Lock());
        original = w->window;
    }
    auto apply = [&](const RECT& r) {
        SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    };
    MSG m;
    bool quit = false;
    for (;;)
    {
        if (!GetMessageA(&m, nullptr, 0, 0))
        {
            quit = true;
            break;
        }
        if (m.message == WM_MOUSEMOVE || m.message == WM_NCMOUSEMOVE)
        {
            const int dx = m.pt.x - start.x, dy = m.pt.y - start.y;
            RECT r = original;
            if (edge == 0)
                OffsetRect(&r, dx, dy);
            else
            {
                const bool left =
                    edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
                const bool right =
                    edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
                const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
                const bool bottom =
                    edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
                auto clampW = [&](int width) {
                    return std::clamp<int>(width, mmi.ptMinTrackSize.x,
                                           std::max(mmi.ptMinTrackSize.x, mmi.ptMaxTrackSize.x));
                };
                auto clampH = [&](int height) {
                    return std::clamp<int>(height, mmi.ptMinTrackSize.y,
                                           std::max(mmi.ptMinTrackSize.y, mmi.ptMaxTrackSize.y));
                };
                // The edge being dragged moves; the opposite edge stays where it was.
                if (left)
                    r.left = r.right - clampW(r.right - (r.left + dx));
                if (right)
                    r.right = r.left + clampW(r.right + dx - r.left);
                if (top)
                    r.top = r.bottom - clampH(r.bottom - (r.top + dy));
                if (bottom)
                    r.bottom = r.top + clampH(r.bottom + dy - r.top);
            }
            SendMessageA(hwnd, edge ? WM_SIZING : WM_MOVING, static_cast<WPARAM>(edge),
                         reinterpret_cast<LPARAM>(&r));
            apply(r);
            continue;
        }
        if (m.message == WM_LBUTTONUP || m.message == WM_NCLBUTTONUP)
            break;
        if (m.message == WM_KEYDOWN && m.wParam == VK_ESCAPE)
        {
            apply(original);
            break;
        }
        if (m.message == WM_KEYDOWN && m.wParam == VK_RETURN)
            break;
        if ((m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST) ||
            (m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST))
            continue;
        DispatchMessageA(&m);
        if (!IsWindow(hwnd))
            break;
    }
    if (IsWindow(hwnd))
    {
        ReleaseCapture();
        {
            std::lock_guard g(Lock());
            q->moveSize = nullptr;
        }
        SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
    }
    else
    {
        std::lock_guard g(Lock());
        q->moveSize = nullptr;
    }
    if (quit)
        PostQuitMessage(static_cast<int>(m.wParam));
}

} // namespace platform
