// The modal loop in which the user moves or sizes a window with the mouse.
#pragma once
#include <windows.h>

namespace platform
{
// edge is a WMSZ_ value, or 0 to move the window; start is the screen point where the drag began.
void RunSizeMoveLoop(HWND hwnd, int edge, POINT start);
MINMAXINFO DefaultMinMax();
} // namespace platform
