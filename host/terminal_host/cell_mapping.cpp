// From a terminal cell to a screen pixel (see cell_mapping.h).
//
// Does not do:
// - Anything for windows the renderer does not draw (hidden ones): a cell over no window maps
//   to its own centre pixel.
#include "cell_mapping.h"

#include <platform/canvas.h>

#include <algorithm>

namespace tirel
{
namespace
{

using platform::Canvas;
using platform::CellRect;

constexpr int kCellWidth = Canvas::CellWidth;
constexpr int kCellHeight = Canvas::CellHeight;

// The cells of a window as the renderer lays them out: its size, and its client area inside
// the frame and the scroll bars (the renderer's own rules, in the same order).
struct Layout
{
    int columns = 0;
    int rows = 0;
    CellRect client;
};

int CellCount(LONG pixels, int cellSize)
{
    return pixels <= 0 ? 0 : std::max(1, static_cast<int>(pixels) / cellSize);
}

Layout LayoutOf(HWND hwnd)
{
    Layout layout;
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    layout.columns = CellCount(rect.right - rect.left, kCellWidth);
    layout.rows = CellCount(rect.bottom - rect.top, kCellHeight);
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
    const bool border = (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) ||
                        (exStyle & (WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
    CellRect inside{0, 0, layout.columns, layout.rows};
    if (border && layout.columns >= 2)
    {
        if ((style & WS_CAPTION) == WS_CAPTION || layout.rows >= 3)
            inside = CellRect{1, 1, layout.columns - 1, layout.rows - 1};
        else
            inside = CellRect{1, 0, layout.columns - 1, layout.rows};
    }
    if ((style & WS_VSCROLL) && inside.Width() >= 2)
        --inside.right;
    if ((style & WS_HSCROLL) && inside.Height() >= 2)
        --inside.bottom;
    layout.client = inside;
    return layout;
}

// Where a child's top-left cell is relative to its parent's client area's top-left cell.
POINT ChildOffset(HWND child, HWND parent)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    POINT topLeft{rect.left, rect.top};
    ScreenToClient(parent, &topLeft);
    return POINT{Canvas::ColumnOf(topLeft.x + kCellWidth / 2),
                 Canvas::RowOf(topLeft.y + kCellHeight / 2)};
}

// The pixel in [low, high) that stands for cell index `index` of a span starting at cell
// `first`, whose pixels start at `origin`.
LONG Along(int index, int first, LONG origin, LONG low, LONG high, int cellSize)
{
    const LONG pixel = origin + (index - first) * cellSize + cellSize / 2;
    return std::clamp<LONG>(pixel, low, std::max(low, high - 1));
}

POINT PointIn(HWND hwnd, POINT windowCell, const Layout& layout, int column, int row)
{
    const int x = column - windowCell.x;
    const int y = row - windowCell.y;
    RECT window{};
    GetWindowRect(hwnd, &window);
    RECT client{};
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    const RECT screenClient{origin.x, origin.y, origin.x + client.right, origin.y + client.bottom};

    if (layout.client.Contains(x, y))
    {
        // The topmost visible child drawn at the cell, clipped to this client area.
        const POINT clientCell{windowCell.x + layout.client.left, windowCell.y + layout.client.top};
        for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT))
        {
            if (!IsWindowVisible(child))
                continue;
            const POINT offset = ChildOffset(child, hwnd);
            const POINT childCell{clientCell.x + offset.x, clientCell.y + offset.y};
            const Layout childLayout = LayoutOf(child);
            const CellRect cells = CellRect{0, 0, childLayout.columns, childLayout.rows}.Offset(
                childCell.x, childCell.y);
            if (!cells.Contains(column, row))
                continue;
            // A child that lets the mouse through (a group box drawn around a list, say) is
            // passed over, as WindowFromPoint passes over it.
            const POINT pixel = PointIn(child, childCell, childLayout, column, row);
            if (SendMessageA(child, WM_NCHITTEST, 0, MAKELPARAM(pixel.x, pixel.y)) != HTTRANSPARENT)
                return pixel;
        }
        return POINT{Along(column, clientCell.x, screenClient.left, screenClient.left,
                           screenClient.right, kCellWidth),
                     Along(row, clientCell.y, screenClient.top, screenClient.top,
                           screenClient.bottom, kCellHeight)};
    }

    // The frame, the caption or a scroll bar: the same place of the real non-client area. The
    // outer cells are the window's edges; the caption line is the caption bar; cells beside or
    // below the client area are the scroll bars.
    POINT pixel{};
    if (x <= 0)
        pixel.x = window.left;
    else if (x >= layout.columns - 1)
        pixel.x = window.right - 1;
    else if (x >= layout.client.right)
        pixel.x = std::min(screenClient.right + 8, window.right - 1);
    else
        pixel.x =
            Along(x, layout.client.left, screenClient.left, window.left, window.right, kCellWidth);
    if (y <= 0)
        pixel.y = (GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION) == WS_CAPTION
                      ? std::max(window.top, screenClient.top - 10)
                      : window.top;
    else if (y >= layout.rows - 1)
        pixel.y = window.bottom - 1;
    else if (y >= layout.client.bottom)
        pixel.y = std::min(screenClient.bottom + 8, window.bottom - 1);
    else
        pixel.y =
            Along(y, layout.client.top, screenClient.top, window.top, window.bottom, kCellHeight);
    return pixel;
}

} // namespace

POINT ScreenPointOfCell(int column, int row)
{
    for (HWND hwnd = GetTopWindow(nullptr); hwnd != nullptr; hwnd = GetWindow(hwnd, GW_HWNDNEXT))
    {
        if (!IsWindowVisible(hwnd))
            continue;
        RECT rect{};
        GetWindowRect(hwnd, &rect);
        const Layout layout = LayoutOf(hwnd);
        const POINT windowCell{Canvas::ColumnOf(rect.left), Canvas::RowOf(rect.top)};
        if (CellRect{0, 0, layout.columns, layout.rows}
                .Offset(windowCell.x, windowCell.y)
                .Contains(column, row))
            return PointIn(hwnd, windowCell, layout, column, row);
    }
    return POINT{column * kCellWidth + kCellWidth / 2, row * kCellHeight + kCellHeight / 2};
}

} // namespace tirel
