// Boxes and lines on the character grid, shared by GDI's shapes and the window frames.
#pragma once
#include "gdi/dc.h"

namespace platform::gdi
{

// Line characters meet as '+': drawing '-' over '|' (or the reverse) makes a crossing.
char MergeLine(char existing, char drawn);

// Draws the sides of box (BF_LEFT, BF_TOP, BF_RIGHT, BF_BOTTOM) as '-' and '|' with '+'
// corners. A box one row high with both side lines has no room for top and bottom, so it is
// drawn as '[' and ']' instead, the way a terminal shows a one-line field.
void DrawBox(DeviceContext& dc, const CellRect& box, UINT sides, std::uint16_t attributes);

// The cells inside a box drawn by DrawBox with the same sides.
CellRect BoxInterior(const CellRect& box, UINT sides);

} // namespace platform::gdi
