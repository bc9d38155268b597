// Where windows sit on the character grid.
#pragma once
#include "platform/canvas.h"

namespace platform::render
{

// How a window's frame looks in cells.
enum class FrameKind
{
    None,
    Box,     // '+', '-', '|' around the window, the caption (if any) in its top line
    Bracket, // '[' and ']' at the sides of a window too short for a box
};

struct WindowCells
{
    // The window's cells, with (0, 0) at its top-left cell.
    int columns = 0;
    int rows = 0;
    FrameKind frame = FrameKind::None;
    bool caption = false;
    // The client area's cells inside the window, then the scroll bars' (empty when absent).
    CellRect client;
    CellRect vscroll;
    CellRect hscroll;
};

// The window's size in cells: its pixel size divided by the cell size, rounded down, at least
// one cell when it has any pixels. Rounding the size (not each edge) keeps same-sized
// controls the same size wherever they are.
WindowCells CellsOfWindow(HWND hwnd);

// Where a child's top-left cell is, relative to its parent's client area's top-left cell.
POINT ChildCellOffset(HWND child);

// The device pixel origin of hwnd's client area given where the window's top-left cell is.
POINT ClientOriginPixels(const WindowCells& cells, POINT windowCell);

} // namespace platform::render
