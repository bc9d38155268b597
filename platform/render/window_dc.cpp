// Window DCs: GetDC, GetWindowDC, ReleaseDC, BeginPaint and EndPaint.
//
// Windows are drawn on demand by WM_PRINT, so a DC for a window draws where that window is
// being printed when a WM_PRINT covering it is in progress on this thread (a control that
// calls GetDC while printing its client area lands on the render's canvas). At any other time
// the DC draws on a scratch canvas of its own the size of the window: painting then is
// harmless and invisible, and measuring works as always.
//
// Does not do: update regions (BeginPaint's rcPaint is the whole client area), CS_OWNDC or
// CS_CLASSDC (every GetDC returns a new DC), or DCX flags.

#include "gdi/dc.h"
#include "render/frames.h"
#include "render/geometry.h"

namespace platform
{
namespace
{

constexpr int ScreenColumns = 1280 / Canvas::CellWidth;
constexpr int ScreenRows = 1024 / Canvas::CellHeight;

HDC OpenWindowDC(HWND hwnd, bool client)
{
    auto dc = std::make_unique<gdi::DeviceContext>();
    dc->windowDC = true;
    dc->hwnd = hwnd;
    if (!hwnd)
    {
        dc->ownedCanvas = std::make_unique<Canvas>(ScreenColumns, ScreenRows);
        dc->canvas = dc->ownedCanvas.get();
        dc->deviceClip = dc->canvas->Bounds();
    }
    else if (auto placement = render::FindPlacement(hwnd, client))
    {
        gdi::DeviceContext* print = gdi::FindDC(placement->printDC);
        if (!print)
            return nullptr;
        dc->canvas = print->canvas;
        dc->deviceOrigin = placement->origin;
        dc->deviceClip = placement->clip;
    }
    else
    {
        render::WindowCells cells = render::CellsOfWindow(hwnd);
        dc->ownedCanvas = std::make_unique<Canvas>(cells.columns, cells.rows);
        dc->canvas = dc->ownedCanvas.get();
        if (client)
        {
            dc->deviceOrigin = render::ClientOriginPixels(cells, POINT{0, 0});
            dc->deviceClip = cells.client;
        }
        else
        {
            dc->deviceClip = dc->canvas->Bounds();
        }
    }
    HDC hdc = gdi::AddDC(std::move(dc));
    // The same defaults as every new DC.
    SelectObject(hdc, GetStockObject(WHITE_BRUSH));
    SelectObject(hdc, GetStockObject(BLACK_PEN));
    SelectObject(hdc, GetStockObject(SYSTEM_FONT));
    return hdc;
}

} // namespace
} // namespace platform

using namespace platform;

HDC WINAPI GetDC(HWND hwnd)
{
    if (hwnd && !IsWindow(hwnd))
        return nullptr;
    return OpenWindowDC(hwnd, true);
}

HDC WINAPI GetWindowDC(HWND hwnd)
{
    if (hwnd && !IsWindow(hwnd))
        return nullptr;
    return OpenWindowDC(hwnd, false);
}

int WINAPI ReleaseDC(HWND, HDC hdc)
{
    gdi::DeviceContext* dc = gdi::FindDC(hdc);
    if (!dc || !dc->windowDC)
        return 0;
    DeleteDC(hdc);
    return 1;
}

HDC WINAPI BeginPaint(HWND hwnd, LPPAINTSTRUCT paint)
{
    if (!paint)
        return nullptr;
    HDC hdc = GetDC(hwnd);
    if (!hdc)
        return nullptr;
    *paint = PAINTSTRUCT{};
    paint->hdc = hdc;
    GetClientRect(hwnd, &paint->rcPaint);
    // The WM_PRINT that is drawing this window has erased it already.
    if (!render::IsBeingPrinted(hwnd))
        paint->fErase = !SendMessageA(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
    ValidateRect(hwnd, nullptr);
    return hdc;
}

BOOL WINAPI EndPaint(HWND, const PAINTSTRUCT* paint)
{
    if (!paint)
        return FALSE;
    ReleaseDC(nullptr, paint->hdc);
    return TRUE;
}
