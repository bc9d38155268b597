// Resource ids of the bitmap button, status bar and animation wrapper tests.
#pragma once

// The button bitmaps: 36 x 13 pixels (six cells of one row), 16 colours.
//   button_up.bmp        black            "######" in the text renderer
//   button_down.bmp      dark grey        "::::::"
//   button_focus.bmp     aqua             "......"
//   button_disabled.bmp  black and grey   "#:#:#:"
#define IDB_GO_UP 7301
#define IDB_GO_DOWN 7302
#define IDB_GO_FOCUS 7303
#define IDB_GO_DISABLED 7304
// The animation wrapper's clip: the controls tests' clip.avi (3 frames of 36 x 13 pixels).
#define IDR_MFC_CLIP 7310
