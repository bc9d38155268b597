// Resource ids of the controls tests.
#pragma once

// pattern.bmp: 24 x 26 pixels, 16 colours, bottom-up. Its top half is black on the left and
// grey on the right; its bottom half is white on the left and black on the right.
#define IDB_PATTERN 101
// truncated.bmp: a header that promises 64 x 64 pixels followed by only three rows of them.
#define IDB_TRUNCATED 102
