// RenderWindow and RenderScreen.
//
// Does not do: a desktop background (cells outside every window stay blank).

#include "platform/render.h"
#include "render/geometry.h"

#include <vector>

namespace platform
{
namespace
{

constexpr LPARAM PrintEverything = PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND | PRF_CHILDREN;

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

} // namespace

Canvas RenderWindow(HWND hwnd)
{
    render::WindowCells cells = render::CellsOfWindow(hwnd);
    Canvas canvas(cells.columns, cells.rows);
    if (canvas.Columns() == 0 || canvas.Rows() == 0)
        return canvas;
    HDC hdc = CreateCanvasDC(&canvas);
    SendMessageA(hwnd, WM_PRINT, reinterpret_cast<WPARAM>(hdc), PrintEverything);
    DeleteDC(hdc);
    return canvas;
}

Canvas RenderScreen()
{
    Canvas screen(1280 / Canvas::CellWidth, 1024 / Canvas::CellHeight);
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    // EnumWindows lists the top of the z-order first; the bottom must be drawn first.
    for (auto it = windows.rbegin(); it != windows.rend(); ++it)
    {
        if (!IsWindowVisible(*it))
            continue;
        RECT rect{};
        if (!GetWindowRect(*it, &rect))
            continue;
        screen.Draw(RenderWindow(*it), Canvas::ColumnOf(rect.left), Canvas::RowOf(rect.top));
    }
    return screen;
}

std::string Snapshot(HWND hwnd)
{
    return SnapshotText(RenderWindow(hwnd));
}

} // namespace platform
