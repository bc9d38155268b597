// Shapes: FillRect, FrameRect, InvertRect, DrawFocusRect, DrawEdge, Rectangle, MoveToEx,
// LineTo and PatBlt, all drawn as characters.
//
// Fills are blank cells (the highlight colour marks them selected); frames and lines are '-',
// '|' and '+'; a focus rectangle is the CellFocus attribute on the cells it covers, toggled as
// the XOR drawing of Windows toggles pixels.
//
// Lines take the cells of both their ends (see LineSpan).
//
// Does not do: pen styles other than solid and null (dashes draw solid), raster operations
// other than the ones PatBlt lists, or 3-D shading (raised, sunken and etched edges look alike).
// DrawEdge with BF_ADJUST moves the rectangle in by whole cells, not by the edge's pixels, so
// that what the caller draws inside lands inside the box; BF_DIAGONAL draws nothing.

#include "gdi/shapes.h"

#include <algorithm>
#include <cstdlib>

namespace platform::gdi
{
namespace
{

RECT DeviceOf(const DeviceContext& dc, const RECT& rect)
{
    POINT a = ToDevice(dc, rect.left, rect.top);
    POINT b = ToDevice(dc, rect.right, rect.bottom);
    return RECT{a.x, a.y, b.x, b.y};
}

CellRect CellsOfLogical(const DeviceContext& dc, const RECT& rect)
{
    return CellsOf(DeviceOf(dc, rect));
}

void PutLine(DeviceContext& dc, int column, int row, char ch, std::uint16_t attributes)
{
    Cell beneath = CellAt(dc, column, row);
    Cell cell{MergeLine(beneath.ch, ch), attributes};
    cell.attributes |= beneath.attributes & (CellSelected | CellFocus);
    PutCell(dc, column, row, cell);
}

void ToggleAttribute(DeviceContext& dc, const CellRect& cells, std::uint16_t attribute)
{
    CellRect area = cells.Intersect(EffectiveClip(dc));
    for (int row = area.top; row < area.bottom; ++row)
    {
        for (int column = area.left; column < area.right; ++column)
        {
            Cell cell = CellAt(dc, column, row);
            cell.attributes ^= attribute;
            PutCell(dc, column, row, cell);
        }
    }
}

void FillCells(DeviceContext& dc, const CellRect& cells, COLORREF color)
{
    RECT device{cells.left * Canvas::CellWidth, cells.top * Canvas::CellHeight,
                cells.right * Canvas::CellWidth, cells.bottom * Canvas::CellHeight};
    FillDevice(dc, device, color);
}

std::uint16_t PenAttributes(const Pen* pen)
{
    return (pen && pen->width >= 2) ? CellBold : 0;
}

bool Bracketed(const CellRect& box, UINT sides)
{
    return box.Height() == 1 && box.Width() >= 2 && (sides & BF_LEFT) && (sides & BF_RIGHT);
}

// The span of cells that a line between two pixels covers. Both ends count, though Windows
// leaves out the last pixel: the pen is a whole cell wide here, and counting the end is what
// makes the segments of a polyline meet in one corner cell.
std::pair<int, int> LineSpan(int from, int to, int cellSize)
{
    int a = Canvas::FloorDiv(from, cellSize);
    int b = Canvas::FloorDiv(to, cellSize);
    return {std::min(a, b), std::max(a, b) + 1};
}

} // namespace

char MergeLine(char existing, char drawn)
{
    if (drawn == '-' && (existing == '|' || existing == '+'))
        return '+';
    if (drawn == '|' && (existing == '-' || existing == '+'))
        return '+';
    return drawn;
}

void DrawBox(DeviceContext& dc, const CellRect& box, UINT sides, std::uint16_t attributes)
{
    if (box.IsEmpty())
        return;
    if (Bracketed(box, sides))
    {
        PutCell(dc, box.left, box.top, Cell{'[', attributes});
        PutCell(dc, box.right - 1, box.top, Cell{']', attributes});
        return;
    }
    for (int row = box.top; row < box.bottom; ++row)
    {
        for (int column = box.left; column < box.right; ++column)
        {
            bool horizontal = ((sides & BF_TOP) && row == box.top) ||
                              ((sides & BF_BOTTOM) && row == box.bottom - 1);
            bool vertical = ((sides & BF_LEFT) && column == box.left) ||
                            ((sides & BF_RIGHT) && column == box.right - 1);
            if (horizontal && vertical)
                PutCell(dc, column, row, Cell{'+', attributes});
            else if (horizontal)
                PutLine(dc, column, row, '-', attributes);
            else if (vertical)
                PutLine(dc, column, row, '|', attributes);
        }
    }
}

CellRect BoxInterior(const CellRect& box, UINT sides)
{
    CellRect inner = box;
    if (sides & BF_LEFT)
        ++inner.left;
    if (sides & BF_RIGHT)
        --inner.right;
    if (!Bracketed(box, sides))
    {
        if (sides & BF_TOP)
            ++inner.top;
        if (sides & BF_BOTTOM)
            --inner.bottom;
    }
    return inner.IsEmpty() ? CellRect{} : inner;
}

} // namespace platform::gdi

using namespace platform;
using namespace platform::gdi;

int WINAPI FillRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    DeviceContext* dc = FindDC(hdc);
    BrushColor color = ResolveBrush(brush);
    if (!dc || !rect || !color.valid)
        return 0;
    if (color.hollow)
        return 1;
    FillDevice(*dc, DeviceOf(*dc, *rect), color.color);
    return 1;
}

int WINAPI FrameRect(HDC hdc, const RECT* rect, HBRUSH brush)
{
    DeviceContext* dc = FindDC(hdc);
    BrushColor color = ResolveBrush(brush);
    if (!dc || !rect || !color.valid)
        return 0;
    if (!color.hollow)
        DrawBox(*dc, CellsOfLogical(*dc, *rect), BF_RECT, 0);
    return 1;
}

BOOL WINAPI InvertRect(HDC hdc, const RECT* rect)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    ToggleAttribute(*dc, CellsOfLogical(*dc, *rect), CellSelected);
    return TRUE;
}

BOOL WINAPI DrawFocusRect(HDC hdc, const RECT* rect)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    ToggleAttribute(*dc, CellsOfLogical(*dc, *rect), CellFocus);
    return TRUE;
}

BOOL WINAPI DrawEdge(HDC hdc, LPRECT rect, UINT edge, UINT flags)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect)
        return FALSE;
    CellRect box = CellsOfLogical(*dc, *rect);
    UINT sides =
        (edge & (EDGE_RAISED | EDGE_SUNKEN)) && !(flags & BF_DIAGONAL) ? flags & BF_RECT : 0;
    CellRect inner = BoxInterior(box, sides);
    if (flags & BF_MIDDLE)
        FillCells(*dc, inner, GetSysColor((flags & BF_MONO) ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawBox(*dc, box, sides, 0);
    if ((flags & BF_ADJUST) && sides)
    {
        // Back from device cells to logical pixels, keeping the caller's edges where no side
        // was drawn.
        POINT origin = ToDevice(*dc, 0, 0);
        if (inner.IsEmpty())
        {
            rect->right = rect->left;
            rect->bottom = rect->top;
            return TRUE;
        }
        if (inner.left != box.left)
            rect->left = inner.left * Canvas::CellWidth - origin.x;
        if (inner.right != box.right)
            rect->right = inner.right * Canvas::CellWidth - origin.x;
        if (inner.top != box.top)
            rect->top = inner.top * Canvas::CellHeight - origin.y;
        if (inner.bottom != box.bottom)
            rect->bottom = inner.bottom * Canvas::CellHeight - origin.y;
    }
    return TRUE;
}

BOOL WINAPI Rectangle(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    CellRect box = CellsOfLogical(*dc, RECT{std::min(left, right), std::min(top, bottom),
                                            std::max(left, right), std::max(top, bottom)});
    Pen* pen = FindPen(dc->state.pen);
    bool outline = pen && pen->style != PS_NULL;
    CellRect inner = outline ? BoxInterior(box, BF_RECT) : box;
    BrushColor brush = ResolveBrush(dc->state.brush);
    if (brush.valid && !brush.hollow)
        FillCells(*dc, inner, brush.color);
    if (outline)
        DrawBox(*dc, box, BF_RECT, PenAttributes(pen));
    return TRUE;
}

BOOL WINAPI MoveToEx(HDC hdc, int x, int y, LPPOINT previous)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->state.penPosition;
    dc->state.penPosition = POINT{x, y};
    return TRUE;
}

BOOL WINAPI LineTo(HDC hdc, int x, int y)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    POINT from = ToDevice(*dc, dc->state.penPosition.x, dc->state.penPosition.y);
    POINT to = ToDevice(*dc, x, y);
    dc->state.penPosition = POINT{x, y};
    Pen* pen = FindPen(dc->state.pen);
    if (!pen || pen->style == PS_NULL)
        return TRUE;
    std::uint16_t attributes = PenAttributes(pen);
    if (from.y == to.y)
    {
        auto [first, last] = LineSpan(from.x, to.x, Canvas::CellWidth);
        for (int column = first; column < last; ++column)
            PutLine(*dc, column, RowOf(from.y), '-', attributes);
    }
    else if (from.x == to.x)
    {
        auto [first, last] = LineSpan(from.y, to.y, Canvas::CellHeight);
        for (int row = first; row < last; ++row)
            PutLine(*dc, ColumnOf(from.x), row, '|', attributes);
    }
    else
    {
        // A slanted line steps through the cells between its ends.
        int c0 = ColumnOf(from.x), r0 = RowOf(from.y);
        int c1 = ColumnOf(to.x), r1 = RowOf(to.y);
        int steps = std::max(std::abs(c1 - c0), std::abs(r1 - r0));
        char ch = ((c1 - c0) > 0) == ((r1 - r0) > 0) ? '\\' : '/';
        for (int i = 0; i < steps; ++i)
        {
            int column = c0 + (c1 - c0) * i / std::max(steps, 1);
            int row = r0 + (r1 - r0) * i / std::max(steps, 1);
            PutCell(*dc, column, row, Cell{ch, attributes});
        }
    }
    return TRUE;
}

BOOL WINAPI PatBlt(HDC hdc, int x, int y, int w, int h, DWORD rop)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    RECT rect{std::min(x, x + w), std::min(y, y + h), std::max(x, x + w), std::max(y, y + h)};
    switch (rop)
    {
    case PATCOPY: {
        BrushColor brush = ResolveBrush(dc->state.brush);
        if (brush.valid && !brush.hollow)
            FillDevice(*dc, DeviceOf(*dc, rect), brush.color);
        return TRUE;
    }
    case BLACKNESS:
        FillDevice(*dc, DeviceOf(*dc, rect), RGB(0, 0, 0));
        return TRUE;
    case WHITENESS:
        FillDevice(*dc, DeviceOf(*dc, rect), RGB(255, 255, 255));
        return TRUE;
    case DSTINVERT:
    case PATINVERT:
        ToggleAttribute(*dc, CellsOfLogical(*dc, rect), CellSelected);
        return TRUE;
    default:
        return FALSE;
    }
}
