// WM_PRINT and WM_ERASEBKGND for DefWindowProcA: the non-client frame drawn as characters,
// then the background, the client area and the children, each with the DC moved onto it.
//
// A framed window is a box of '+', '-' and '|' on its outer cells. A window with a caption
// shows its text in the top line, "[?]" for WS_EX_CONTEXTHELP and "[X]" for WS_SYSMENU at the
// right; the active window's top line is drawn with '=' instead of '-', and every caption cell
// carries CellCaption (and CellActive for the active window). Bordered controls too short for
// a box get '[' and ']' at their sides. Scroll bars are a column of '^' ... 'v' (a row of
// '<' ... '>').
//
// Does not do: menu bars, minimise and maximise buttons, icons, PRF_OWNED, or the scroll
// thumb (the scroll position is not drawn).

#include "render/print.h"
#include "gdi/dc.h"
#include "gdi/shapes.h"
#include "render/frames.h"
#include "render/geometry.h"

#include <string>
#include <vector>

namespace platform
{
namespace
{

using gdi::DeviceContext;

void Put(DeviceContext& dc, int column, int row, char ch, std::uint16_t attributes)
{
    gdi::PutCell(dc, column, row, Cell{ch, attributes});
}

void DrawCaption(DeviceContext& dc, HWND hwnd, const render::WindowCells& cells, POINT at)
{
    bool active = GetActiveWindow() == hwnd;
    std::uint16_t attributes = CellCaption | (active ? CellActive : 0);
    char line = active ? '=' : '-';
    int right = cells.columns - 1;
    Put(dc, at.x, at.y, '+', attributes);
    Put(dc, at.x + right, at.y, '+', attributes);
    for (int column = 1; column < right; ++column)
        Put(dc, at.x + column, at.y, line, attributes);

    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
    std::string buttons;
    if (exStyle & WS_EX_CONTEXTHELP)
        buttons += "[?]";
    if (style & WS_SYSMENU)
        buttons += "[X]";
    int buttonsAt = right - static_cast<int>(buttons.size());
    if (buttonsAt >= 1)
    {
        for (size_t i = 0; i < buttons.size(); ++i)
            Put(dc, at.x + buttonsAt + static_cast<int>(i), at.y, buttons[i], attributes);
    }
    else
    {
        buttonsAt = right;
    }

    char text[256] = {};
    GetWindowTextA(hwnd, text, sizeof(text));
    std::string title = text;
    if (title.empty())
        return;
    // " Title " from the third cell, leaving one line character before the buttons.
    title = " " + title + " ";
    int room = buttonsAt - 1 - 2;
    if (room <= 2)
        return;
    if (static_cast<int>(title.size()) > room)
        title = title.substr(0, static_cast<size_t>(room));
    for (size_t i = 0; i < title.size(); ++i)
        Put(dc, at.x + 2 + static_cast<int>(i), at.y, title[i], attributes);
}

void DrawScrollBars(DeviceContext& dc, const render::WindowCells& cells, POINT at)
{
    const CellRect& v = cells.vscroll;
    if (!v.IsEmpty())
    {
        for (int row = v.top; row < v.bottom; ++row)
            Put(dc, at.x + v.left, at.y + row, ' ', 0);
        Put(dc, at.x + v.left, at.y + v.top, '^', 0);
        if (v.Height() >= 2)
            Put(dc, at.x + v.left, at.y + v.bottom - 1, 'v', 0);
    }
    const CellRect& h = cells.hscroll;
    if (!h.IsEmpty())
    {
        for (int column = h.left; column < h.right; ++column)
            Put(dc, at.x + column, at.y + h.top, ' ', 0);
        Put(dc, at.x + h.left, at.y + h.top, '<', 0);
        if (h.Width() >= 2)
            Put(dc, at.x + h.right - 1, at.y + h.top, '>', 0);
    }
}

void DrawFrame(DeviceContext& dc, HWND hwnd, const render::WindowCells& cells, POINT at)
{
    CellRect box = CellRect{0, 0, cells.columns, cells.rows}.Offset(at.x, at.y);
    switch (cells.frame)
    {
    case render::FrameKind::None:
        break;
    case render::FrameKind::Box:
        gdi::DrawBox(dc, box, BF_RECT, 0);
        if (cells.caption)
            DrawCaption(dc, hwnd, cells, at);
        break;
    case render::FrameKind::Bracket:
        for (int row = box.top; row < box.bottom; ++row)
        {
            Put(dc, box.left, row, '[', 0);
            Put(dc, box.right - 1, row, ']', 0);
        }
        break;
    }
    DrawScrollBars(dc, cells, at);
}

std::vector<HWND> ChildrenBottomFirst(HWND hwnd)
{
    std::vector<HWND> children;
    HWND child = GetWindow(hwnd, GW_CHILD);
    if (!child)
        return children;
    for (child = GetWindow(child, GW_HWNDLAST); child; child = GetWindow(child, GW_HWNDPREV))
        children.push_back(child);
    return children;
}

// Runs a message handler with a fresh copy of the DC's state, so that what one handler
// selects or clips does not leak into the next.
void SendWithCleanState(HWND hwnd, HDC hdc, DeviceContext& dc, UINT msg, LPARAM lParam)
{
    int level = SaveDC(hdc);
    dc.state.viewportOrg = POINT{0, 0};
    dc.state.windowOrg = POINT{0, 0};
    dc.state.clip.reset();
    SendMessageA(hwnd, msg, reinterpret_cast<WPARAM>(hdc), lParam);
    RestoreDC(hdc, level);
}

} // namespace

LRESULT DefPrint(HWND hwnd, HDC hdc, LPARAM flags)
{
    if ((flags & PRF_CHECKVISIBLE) && !IsWindowVisible(hwnd))
        return 0;
    DeviceContext* dc = gdi::FindDC(hdc);
    if (!dc || !dc->canvas)
        return 0;
    render::WindowCells cells = render::CellsOfWindow(hwnd);
    POINT origin = gdi::ToDevice(*dc, 0, 0);
    POINT at{Canvas::ColumnOf(origin.x), Canvas::RowOf(origin.y)};

    POINT savedOrigin = dc->deviceOrigin;
    CellRect savedClip = dc->deviceClip;
    CellRect windowClip = gdi::EffectiveClip(*dc).Intersect(
        CellRect{0, 0, cells.columns, cells.rows}.Offset(at.x, at.y));
    CellRect clientClip = windowClip.Intersect(cells.client.Offset(at.x, at.y));
    POINT windowOrigin{at.x * Canvas::CellWidth, at.y * Canvas::CellHeight};
    POINT clientOrigin = render::ClientOriginPixels(cells, at);

    int level = SaveDC(hdc);
    dc->state.viewportOrg = POINT{0, 0};
    dc->state.windowOrg = POINT{0, 0};
    dc->state.clip.reset();
    render::PrintFrameScope scope(
        render::PrintFrame{hwnd, hdc, windowOrigin, windowClip, clientOrigin, clientClip});

    if (flags & PRF_NONCLIENT)
    {
        dc->deviceOrigin = windowOrigin;
        dc->deviceClip = windowClip;
        DrawFrame(*dc, hwnd, cells, at);
    }
    dc->deviceOrigin = clientOrigin;
    dc->deviceClip = clientClip;
    if (flags & PRF_ERASEBKGND)
        SendWithCleanState(hwnd, hdc, *dc, WM_ERASEBKGND, 0);
    if (flags & PRF_CLIENT)
        SendWithCleanState(hwnd, hdc, *dc, WM_PRINTCLIENT, flags);
    if (flags & PRF_CHILDREN)
    {
        for (HWND child : ChildrenBottomFirst(hwnd))
        {
            if (!(GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
                continue;
            POINT offset = render::ChildCellOffset(child);
            dc->deviceOrigin = POINT{clientOrigin.x + offset.x * Canvas::CellWidth,
                                     clientOrigin.y + offset.y * Canvas::CellHeight};
            dc->deviceClip = clientClip;
            SendWithCleanState(child, hdc, *dc, WM_PRINT, flags & ~PRF_CHECKVISIBLE);
        }
    }
    RestoreDC(hdc, level);
    dc->deviceOrigin = savedOrigin;
    dc->deviceClip = savedClip;
    return 0;
}

LRESULT DefEraseBackground(HWND hwnd, HDC hdc)
{
    auto brush = reinterpret_cast<HBRUSH>(GetClassLongPtrA(hwnd, GCLP_HBRBACKGROUND));
    if (!brush)
        return 0;
    RECT visible{};
    if (GetClipBox(hdc, &visible) == ERROR)
        return 0;
    FillRect(hdc, &visible, brush);
    return 1;
}

} // namespace platform
