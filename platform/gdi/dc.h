// Device contexts: where drawing lands on a canvas, and the state that shapes it.
#pragma once
#include "gdi/objects.h"

#include <memory>
#include <optional>
#include <vector>

namespace platform::gdi
{

// What SaveDC saves and RestoreDC restores.
struct DcState
{
    POINT viewportOrg{0, 0};
    POINT windowOrg{0, 0};
    // The application's clip (IntersectClipRect), in canvas cells; none means no limit.
    std::optional<CellRect> clip;
    HBRUSH brush = nullptr;
    HPEN pen = nullptr;
    HFONT font = nullptr;
    COLORREF textColor = RGB(0, 0, 0);
    COLORREF bkColor = RGB(255, 255, 255);
    int bkMode = OPAQUE;
    POINT penPosition{0, 0};
};

struct DeviceContext
{
    // A memory DC draws on its selected bitmap; the others draw on a canvas that someone else
    // owns (a render) or on a scratch canvas of their own (painting outside a render).
    bool memory = false;
    Canvas* canvas = nullptr;
    std::unique_ptr<Canvas> ownedCanvas;
    HBITMAP bitmap = nullptr;
    // Set for DCs from GetDC, GetWindowDC and BeginPaint, which ReleaseDC frees.
    bool windowDC = false;
    HWND hwnd = nullptr;

    // The device pixel of logical (0, 0) before the viewport and window origins apply, and the
    // cells that this DC may touch at all. The renderer moves both as it walks the window tree.
    POINT deviceOrigin{0, 0};
    CellRect deviceClip;

    DcState state;
    std::vector<DcState> saved;
};

DeviceContext* FindDC(HDC hdc);
HDC AddDC(std::unique_ptr<DeviceContext> dc);
// Creates a DC on canvas; the DC owns canvas when owned is set.
HDC CreateDCOnCanvas(Canvas* canvas, std::unique_ptr<Canvas> owned);

// Logical to device pixels (MM_TEXT only).
POINT ToDevice(const DeviceContext& dc, int x, int y);
// Where a device pixel lands: the canvas cell holding it.
inline int ColumnOf(int deviceX)
{
    return Canvas::ColumnOf(deviceX);
}
inline int RowOf(int deviceY)
{
    return Canvas::RowOf(deviceY);
}
// The cells covered by a rectangle of device pixels: from the cell holding the left (top)
// pixel to the cell holding the right (bottom) edge, exclusive, and always at least one cell
// when the rectangle is not empty. Thus a window's client rectangle maps to exactly the cells
// that the renderer gives its client area.
CellRect CellsOf(const RECT& device);
// The cells a DC may draw on now: the device clip, the application clip and the canvas.
CellRect EffectiveClip(const DeviceContext& dc);

// Writes a cell when it is inside the clip; for memory DCs marks it drawn over the pixels.
void PutCell(DeviceContext& dc, int column, int row, Cell cell);
// Reads a cell of the DC's canvas (blank outside).
Cell CellAt(const DeviceContext& dc, int column, int row);

// Paints a rectangle of device pixels with a colour, within the clip: blank cells (selected
// for the highlight colour) and, on a memory DC, the bitmap's pixels too.
void FillDevice(DeviceContext& dc, const RECT& device, COLORREF color);

// The attributes that text gets from the DC's colours and font.
std::uint16_t TextAttributes(const DeviceContext& dc);
// The attributes that a fill with color gets.
std::uint16_t FillAttributes(COLORREF color);

} // namespace platform::gdi
