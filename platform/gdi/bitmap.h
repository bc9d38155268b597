// How pixels become characters when a bitmap is copied to a canvas.
#pragma once
#include <windows.h>

namespace platform::gdi
{

// The character for a cell whose pixels are mostly color:
//   ' '  the button face and window colours, and anything lighter than 80% grey,
//   '.'  light colours (luminance 160 to 204),
//   ':'  mid colours (luminance 80 to 159),
//   '#'  dark colours (luminance below 80).
// Luminance is the usual 0.299 R + 0.587 G + 0.114 B, from 0 to 255.
char CharForColor(COLORREF color);

} // namespace platform::gdi
