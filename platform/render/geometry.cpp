// Window geometry in cells.
//
// The pixel geometry belongs to the window manager; the renderer only decides which cells a
// window takes. Windows are snapped to whole cells relative to their parent's client area, so
// that every window's client area starts on a cell boundary and the controls' own drawing at
// small pixel offsets (a margin of one or two pixels) stays in the first cell.

#include "render/geometry.h"

#include <algorithm>

namespace platform::render
{
namespace
{

bool HasBorder(DWORD style, DWORD exStyle)
{
    return (style & (WS_BORDER | WS_DLGFRAME | WS_THICKFRAME)) ||
           (exStyle & (WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE | WS_EX_STATICEDGE));
}

int CellCount(LONG pixels, int cellSize)
{
    if (pixels <= 0)
        return 0;
    return std::max(1, static_cast<int>(pixels) / cellSize);
}

} // namespace

WindowCells CellsOfWindow(HWND hwnd)
{
    WindowCells cells;
    RECT rect{};
    if (!GetWindowRect(hwnd, &rect))
        return cells;
    cells.columns = CellCount(rect.right - rect.left, Canvas::CellWidth);
    cells.rows = CellCount(rect.bottom - rect.top, Canvas::CellHeight);
    DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_EXSTYLE));
    cells.caption = (style & WS_CAPTION) == WS_CAPTION;
    CellRect inside{0, 0, cells.columns, cells.rows};
    if (HasBorder(style, exStyle) && cells.columns >= 2)
    {
        if (cells.caption || cells.rows >= 3)
        {
            cells.frame = FrameKind::Box;
            inside = CellRect{1, 1, cells.columns - 1, cells.rows - 1};
        }
        else
        {
            cells.frame = FrameKind::Bracket;
            inside = CellRect{1, 0, cells.columns - 1, cells.rows};
        }
    }
    if (inside.IsEmpty())
        inside = CellRect{};
    // Scroll bars take the last column and row of what the frame leaves, when there is room
    // for the client area beside them.
    if ((style & WS_VSCROLL) && inside.Width() >= 2)
    {
        cells.vscroll = CellRect{inside.right - 1, inside.top, inside.right, inside.bottom};
        --inside.right;
    }
    if ((style & WS_HSCROLL) && inside.Height() >= 2)
    {
        cells.hscroll = CellRect{inside.left, inside.bottom - 1, inside.right, inside.bottom};
        --inside.bottom;
        if (!cells.vscroll.IsEmpty())
            --cells.vscroll.bottom;
    }
    cells.client = inside;
    return cells;
}

POINT ChildCellOffset(HWND child)
{
    RECT rect{};
    GetWindowRect(child, &rect);
    POINT topLeft{rect.left, rect.top};
    HWND parent = GetAncestor(child, GA_PARENT);
    if (parent && parent != GetDesktopWindow())
        ScreenToClient(parent, &topLeft);
    // The nearest cell, not the one holding the corner: dialog layouts centre a label on an
    // edit a few pixels lower, and both should share a row.
    return POINT{Canvas::ColumnOf(topLeft.x + Canvas::CellWidth / 2),
                 Canvas::RowOf(topLeft.y + Canvas::CellHeight / 2)};
}

POINT ClientOriginPixels(const WindowCells& cells, POINT windowCell)
{
    return POINT{(windowCell.x + cells.client.left) * Canvas::CellWidth,
                 (windowCell.y + cells.client.top) * Canvas::CellHeight};
}

} // namespace platform::render
