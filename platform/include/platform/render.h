// The text renderer: windows drawn as characters, for tests, snapshots and the terminal host.
#pragma once
#include "platform/canvas.h"

#include <string>

namespace platform
{

// Draws hwnd and its children on a canvas the size of the window by sending it WM_PRINT
// (which runs on the window's thread; the caller may be any thread).
Canvas RenderWindow(HWND hwnd);

// All visible top-level windows on a canvas the size of the 1280 x 1024 screen, bottom of the
// z-order first, each at the cell that holds its top-left corner.
Canvas RenderScreen();

// RenderWindow as text, with attributes shown by the conventions of SnapshotText.
std::string Snapshot(HWND hwnd);

// A canvas as text lines, trailing blanks removed, each line ended by '\n'. Attributes that
// matter for reading a dialog are shown by markers in the cells next to the cells they mark,
// so that the marked text itself stays whole:
//   ~text~   disabled (grey) text
//   *text*   selected (highlighted) text
//   >text<   the focus rectangle (its whole width, blanks included)
// Disabled and selected runs are trimmed of blanks first. Markers overwrite whatever is next
// to the run; where runs' markers compete, focus wins over selection over disabled text.
std::string SnapshotText(const Canvas& canvas);

} // namespace platform
