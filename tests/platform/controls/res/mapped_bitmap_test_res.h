// Resource ids of the mapped bitmap and animation tests.
#pragma once

// greys.bmp: 30 x 13 pixels, 16 colours, five stripes six pixels wide from left to right:
// black, dark grey (128, 128, 128), light grey (192, 192, 192), white and blue (0, 0, 255).
#define IDB_GREYS 7101
// clip.avi: a clip of 3 frames of 36 x 13 pixels, 50 milliseconds each, written by the tests'
// own AVI writer (avi_builder.h).
#define IDR_CLIP 7102
