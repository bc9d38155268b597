// Glyph output shared by TextOutA, ExtTextOutA and DrawTextA.
#pragma once
#include "gdi/dc.h"

#include <string_view>

namespace platform::gdi
{

constexpr int CharWidth = Canvas::CellWidth;
constexpr int LineHeight = Canvas::CellHeight;

// Writes one glyph per character from the device pixel origin rightwards, each in the cell
// that holds its top-left pixel, with the DC's text attributes. In TRANSPARENT mode blanks
// leave the cell beneath alone, as a transparent space paints no pixel. The character at
// underline (if any) gets CellUnderline.
void DrawGlyphs(DeviceContext& dc, POINT device, std::string_view text, int underline = -1);

} // namespace platform::gdi
