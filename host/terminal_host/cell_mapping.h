// From a cell of the terminal to the screen pixel that a mouse event there must reach.
//
// The text renderer snaps windows to whole cells (platform/render/README.md): a framed window's
// client area starts on the cell after its frame, and a child's top-left cell is the cell
// nearest to its top-left pixel. A window's pixels therefore do not sit exactly under its
// cells: the client area of a window with a caption starts 23 pixels down, but one cell (13
// pixels) down on the screen. Clicking the centre pixel of a cell could reach the line above
// what the cell shows. This mapping follows the renderer's rules back down the window tree:
// it finds the window that the renderer drew at the cell, and the pixel of that window that
// the cell stands for.
#pragma once

#include <windows.h>

namespace tirel
{

// The screen pixel for the centre of the cell (column, row) of the rendered screen.
POINT ScreenPointOfCell(int column, int row);

} // namespace tirel
