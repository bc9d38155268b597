// What the files of the status bar share: its parts, its state and its geometry.
#pragma once
#include <commctrl.h>

#include <string>
#include <vector>

namespace platform::statusbar
{

struct Part
{
    std::string text;
    // The SBT_ drawing type the text was set with.
    UINT type = 0;
    // What SB_SETTEXT gave with SBT_OWNERDRAW: the parent's own value, handed back in
    // DRAWITEMSTRUCT::itemData.
    LPARAM ownerData = 0;
    // The right edge that SB_SETPARTS gave, in client coordinates; -1 reaches the right edge.
    int right = -1;
    // Where the part is now, from Layout.
    RECT bounds{};
};

struct StatusBar
{
    HWND hwnd = nullptr;
    // Where notifications go: the parent the bar was created with, as on Windows.
    HWND notify = nullptr;
    HFONT font = nullptr;
    COLORREF background = CLR_DEFAULT;

    std::vector<Part> parts{Part{}};
    // The one text of simple mode, kept apart from the parts so that leaving simple mode shows
    // them again as they were.
    Part simplePart;
    bool simple = false;

    // SB_SETMINHEIGHT's height of the drawing area, applied at the next WM_SIZE.
    int minHeight = 0;
    // The bar's own height, from the font and the minimum height.
    int height = 0;
    // The bar is moving itself, which sends it WM_SIZE again.
    bool aligning = false;

    int depth = 0;
    bool dead = false;
};

// Windows' borders of a status bar: none at the sides, two pixels above and below the parts,
// two pixels between parts.
constexpr int HorizontalBorder = 0;
constexpr int VerticalBorder = 2;
constexpr int PartGap = 2;
constexpr int TextHeight = 13;

// ---- Geometry and painting (statusbar_view.cpp) ----

// The bar's height for its current minimum height.
int BarHeight(const StatusBar& bar);
bool HasGrip(const StatusBar& bar);
// The size grip in client coordinates (empty without SBARS_SIZEGRIP).
RECT GripRect(const StatusBar& bar);
// Recomputes the parts' bounds for the bar's current size.
void Layout(StatusBar& bar);
// The part under a client point, or -1 (SB_SIMPLEID in simple mode).
int PartAt(const StatusBar& bar, POINT pt);
void Paint(StatusBar& bar, HDC hdc);
// One part's frame and text, as DrawStatusTextA draws it.
void DrawPart(HDC hdc, const RECT& bounds, const std::string& text, UINT type);

} // namespace platform::statusbar
