// The WM_PRINT frames of this thread.

#include "render/frames.h"
#include "render/geometry.h"

#include <vector>

namespace platform::render
{
namespace
{

thread_local std::vector<PrintFrame> t_frames;

} // namespace

PrintFrameScope::PrintFrameScope(const PrintFrame& frame)
{
    t_frames.push_back(frame);
}

PrintFrameScope::~PrintFrameScope()
{
    t_frames.pop_back();
}

bool IsBeingPrinted(HWND hwnd)
{
    for (const PrintFrame& frame : t_frames)
    {
        if (frame.hwnd == hwnd)
            return true;
    }
    return false;
}

std::optional<Placement> FindPlacement(HWND hwnd, bool client)
{
    for (auto it = t_frames.rbegin(); it != t_frames.rend(); ++it)
    {
        if (it->hwnd == hwnd)
        {
            if (client)
                return Placement{it->hdc, it->clientOrigin, it->clientClip};
            return Placement{it->hdc, it->windowOrigin, it->windowClip};
        }
        if (!IsChild(it->hwnd, hwnd))
            continue;
        // Walk down from the printed window to hwnd, placing each window as DefPrint would.
        std::vector<HWND> path;
        for (HWND w = hwnd; w && w != it->hwnd; w = GetAncestor(w, GA_PARENT))
            path.push_back(w);
        POINT origin = it->clientOrigin;
        CellRect clip = it->clientClip;
        for (auto step = path.rbegin(); step != path.rend(); ++step)
        {
            POINT offset = ChildCellOffset(*step);
            POINT windowCell{Canvas::ColumnOf(origin.x) + offset.x,
                             Canvas::RowOf(origin.y) + offset.y};
            WindowCells cells = CellsOfWindow(*step);
            clip = clip.Intersect(
                CellRect{0, 0, cells.columns, cells.rows}.Offset(windowCell.x, windowCell.y));
            if (step + 1 == path.rend() && !client)
            {
                origin = POINT{windowCell.x * Canvas::CellWidth, windowCell.y * Canvas::CellHeight};
                break;
            }
            origin = ClientOriginPixels(cells, windowCell);
            clip = clip.Intersect(cells.client.Offset(windowCell.x, windowCell.y));
        }
        return Placement{it->hdc, origin, clip};
    }
    return std::nullopt;
}

} // namespace platform::render
