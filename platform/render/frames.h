// The WM_PRINT calls in progress on this thread, so that GetDC inside them draws where the
// window is being printed.
#pragma once
#include "platform/canvas.h"

#include <optional>

namespace platform::render
{

struct PrintFrame
{
    HWND hwnd = nullptr;
    HDC hdc = nullptr;
    // hwnd's window and client area: top-left device pixel and visible cells.
    POINT windowOrigin{0, 0};
    CellRect windowClip;
    POINT clientOrigin{0, 0};
    CellRect clientClip;
};

// Registers a frame for the lifetime of the object.
class PrintFrameScope
{
public:
    explicit PrintFrameScope(const PrintFrame& frame);
    ~PrintFrameScope();
    PrintFrameScope(const PrintFrameScope&) = delete;
    PrintFrameScope& operator=(const PrintFrameScope&) = delete;
};

// Where hwnd's window (or client area) is drawn in a WM_PRINT in progress on this thread that
// covers hwnd or one of its ancestors: the DC's canvas, origin and visible cells.
struct Placement
{
    HDC printDC = nullptr;
    POINT origin{0, 0};
    CellRect clip;
};
std::optional<Placement> FindPlacement(HWND hwnd, bool client);

// True when hwnd itself is being printed on this thread.
bool IsBeingPrinted(HWND hwnd);

} // namespace platform::render
