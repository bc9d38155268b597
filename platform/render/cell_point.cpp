// ScreenPointOfCell: the renderer's placement rules followed back down the window tree.
//
// Does not do:
// - Anything for windows the renderer does not draw (hidden ones): a cell over no window maps
//   to its own centre pixel.
#include "platform/render_cells.h"
#include "render/geometry.h"

#include <algorithm>

namespace platform
{
namespace
{

using render::CellsOfWindow;
using render::ChildCellOffset;
using render::WindowCells;

// The pixel in [low, high) that stands for cell `index` of a span whose first cell is `first`
// and whose pixels start at `origin`.
LONG Along(int index, int first, LONG origin, LONG low, LONG high, int cellSize)
{
    const LONG pixel = origin + (index - first) * cellSize + cellSize / 2;
    return std::clamp<LONG>(pixel, low, std::max(low, high - 1));
}

CellRect WholeWindow(const WindowCells& cells, POINT windowCell)
{
    return CellRect{0, 0, cells.columns, cells.rows}.Offset(windowCell.x, windowCell.y);
}

POINT PointIn(HWND hwnd, POINT windowCell, const WindowCells& cells, int column, int row)
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

    if (cells.client.Contains(x, y))
    {
        // The topmost visible child drawn at the cell. One that lets the mouse through (a group
        // box drawn around a list, say) is passed over, as WindowFromPoint passes over it.
        const POINT clientCell{windowCell.x + cells.client.left, windowCell.y + cells.client.top};
        for (HWND child = GetWindow(hwnd, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT))
        {
            if (!IsWindowVisible(child))
                continue;
            const POINT offset = ChildCellOffset(child);
            const POINT childCell{clientCell.x + offset.x, clientCell.y + offset.y};
            const WindowCells childCells = CellsOfWindow(child);
            if (!WholeWindow(childCells, childCell).Contains(column, row))
                continue;
            const POINT pixel = PointIn(child, childCell, childCells, column, row);
            if (SendMessageA(child, WM_NCHITTEST, 0, MAKELPARAM(pixel.x, pixel.y)) != HTTRANSPARENT)
                return pixel;
        }
        return POINT{Along(column, clientCell.x, screenClient.left, screenClient.left,
                           screenClient.right, Canvas::CellWidth),
                     Along(row, clientCell.y, screenClient.top, screenClient.top,
                           screenClient.bottom, Canvas::CellHeight)};
    }

    // The frame, the caption or a scroll bar: the same part of the real non-client area. The
    // outer cells are the window's edges, the caption line is the caption bar, and cells beside
    // or below the client area are the scroll bars.
    POINT pixel{};
    if (x <= 0)
        pixel.x = window.left;
    else if (x >= cells.columns - 1)
        pixel.x = window.right - 1;
    else if (x >= cells.client.right)
        pixel.x = std::min(screenClient.right + 8, window.right - 1);
    else
        pixel.x = Along(x, cells.client.left, screenClient.left, window.left, window.right,
                        Canvas::CellWidth);
    if (y <= 0)
        pixel.y = cells.caption ? std::max(window.top, screenClient.top - 10) : window.top;
    else if (y >= cells.rows - 1)
        pixel.y = window.bottom - 1;
    else if (y >= cells.client.bottom)
        pixel.y = std::min(screenClient.bottom + 8, window.bottom - 1);
    else
        pixel.y = Along(y, cells.client.top, screenClient.top, window.top, window.bottom,
                        Canvas::CellHeight);
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
        const WindowCells cells = CellsOfWindow(hwnd);
        const POINT windowCell{Canvas::ColumnOf(rect.left), Canvas::RowOf(rect.top)};
        if (WholeWindow(cells, windowCell).Contains(column, row))
            return PointIn(hwnd, windowCell, cells, column, row);
    }
    return POINT{column * Canvas::CellWidth + Canvas::CellWidth / 2,
                 row * Canvas::CellHeight + Canvas::CellHeight / 2};
}

} // namespace platform
