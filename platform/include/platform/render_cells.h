// From the rendered screen back to the window manager's pixels, for a terminal that shows
// platform::RenderScreen and turns its mouse events into input.
//
// The renderer snaps windows to whole cells (platform/render/README.md): a framed window's
// client area starts on the cell after its frame, and a child's top-left cell is the cell
// nearest to its top-left pixel. A window's pixels therefore do not sit exactly under its
// cells: the client area of a window with a caption starts 23 pixels down, but one cell (13
// pixels) down on the screen, so the centre pixel of a cell can belong to the line above what
// the cell shows.
#pragma once
#include <windows.h>

namespace platform
{

// The screen pixel that stands for the cell (column, row) of RenderScreen: a pixel of the
// window drawn there (the topmost child that does not let the mouse through, or the frame,
// caption or scroll bar part the cell shows). A cell over no window maps to its centre.
POINT ScreenPointOfCell(int column, int row);

} // namespace platform
