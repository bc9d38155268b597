// Drawing windows for WM_PRINT: the frame, the background, the client area and the children.
#pragma once
#include <windows.h>

namespace platform
{

// DefWindowProcA's WM_PRINT: draws hwnd into hdc with the DC's origin at hwnd's top-left
// corner, as flags (PRF_*) ask.
LRESULT DefPrint(HWND hwnd, HDC hdc, LPARAM flags);

// DefWindowProcA's WM_ERASEBKGND: fills the visible client area with the class background
// brush. Returns 1 when it erased, 0 when the class has no brush.
LRESULT DefEraseBackground(HWND hwnd, HDC hdc);

} // namespace platform
