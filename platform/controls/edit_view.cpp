// The edit control's view: which part of the text shows, where each character sits, and the
// painting.
//
// Every character is one 6 x 13 pixel cell, so the view is a window onto a grid of text: the
// first visible line and the first visible column. The view scrolls only as far as it must to
// keep the caret's cell visible. How many lines and columns are visible, and where lines wrap,
// follows the cells that the text renderer gives the client area (a border takes a whole
// cell there, where on Windows it takes a pixel or two), so that what is typed stays in sight
// on the renderer. The room that limits a single-line edit without ES_AUTOHSCROLL is the
// client area's pixel width, as on Windows.
//
// On the text renderer the selection shows as selected (highlight) cells while the edit has
// the focus or has ES_NOHIDESEL. A focused edit marks its whole client area with the focus
// attribute, the way a focused button shows its focus rectangle, so that a snapshot reads
// ">text<" with the text whole; the caret's cell gets CellCaret, which snapshots leave out and
// the terminal host shows as its cursor.
//
// Does not do: scrolling by more than the caret needs (Windows jumps by a part of the width),
// margins, or partly visible lines.

#include "controls/edit.h"
#include "gdi/dc.h"
#include "platform/canvas.h"
#include "render/geometry.h"

#include <algorithm>

namespace platform::edit
{
namespace
{

constexpr int CharWidth = Canvas::CellWidth;
constexpr int LineHeight = Canvas::CellHeight;

// Leading blank columns for ES_CENTER and ES_RIGHT lines that fit. Right-aligned text keeps
// the last column free for the caret after it.
int Indent(const Edit& e, int lineLength)
{
    const int columns = VisibleColumns(e);
    if (lineLength >= columns)
        return 0;
    switch (e.Style() & (ES_CENTER | ES_RIGHT))
    {
    case ES_CENTER:
        return (columns - lineLength) / 2;
    case ES_RIGHT:
        return std::max(0, columns - lineLength - 1);
    }
    return 0;
}

bool ScrollsSideways(const Edit& e)
{
    const DWORD style = e.Style();
    return e.multiline ? (style & (ES_AUTOHSCROLL | WS_HSCROLL)) != 0
                       : (style & ES_AUTOHSCROLL) != 0;
}

HBRUSH ControlBrush(Edit& e, HDC dc)
{
    // Read-only and disabled edits look like statics: their parent colours them as such.
    const UINT msg =
        (!IsWindowEnabled(e.hwnd) || e.ReadOnly()) ? WM_CTLCOLORSTATIC : WM_CTLCOLOREDIT;
    HBRUSH brush = nullptr;
    if (e.parent && IsWindow(e.parent))
        brush = reinterpret_cast<HBRUSH>(SendMessageA(e.parent, msg, reinterpret_cast<WPARAM>(dc),
                                                      reinterpret_cast<LPARAM>(e.hwnd)));
    if (!brush)
        brush = reinterpret_cast<HBRUSH>(DefWindowProcA(e.hwnd, msg, reinterpret_cast<WPARAM>(dc),
                                                        reinterpret_cast<LPARAM>(e.hwnd)));
    return brush;
}

void DrawRun(HDC dc, int column, int row, const std::string& shown, int from, int to, bool selected)
{
    if (to <= from)
        return;
    const int x = column * CharWidth;
    const int y = row * LineHeight;
    if (!selected)
    {
        TextOutA(dc, x, y, shown.data() + from, to - from);
        return;
    }
    const COLORREF text = SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
    const COLORREF back = SetBkColor(dc, GetSysColor(COLOR_HIGHLIGHT));
    const int mode = SetBkMode(dc, OPAQUE);
    TextOutA(dc, x, y, shown.data() + from, to - from);
    SetBkMode(dc, mode);
    SetBkColor(dc, back);
    SetTextColor(dc, text);
}

void PaintLine(const Edit& e, HDC dc, int line, int row, bool showSelection)
{
    const EditLine& l = e.text.Line(line);
    std::string shown(e.text.LineText(line));
    if (e.Password())
        shown.assign(shown.size(), e.passwordChar);
    const int indent = Indent(e, l.length);
    const int columns = VisibleColumns(e);
    // Line characters from..to fall in the visible columns (one more for a partial cell).
    const int from = std::clamp(e.firstColumn - indent, 0, l.length);
    const int to = std::clamp(e.firstColumn - indent + columns + 1, 0, l.length);
    int selFrom = to;
    int selTo = to;
    if (showSelection)
    {
        selFrom = std::clamp(e.text.SelectionStart() - l.start, from, to);
        selTo = std::clamp(e.text.SelectionEnd() - l.start, from, to);
    }
    const int origin = indent - e.firstColumn;
    DrawRun(dc, origin + from, row, shown, from, selFrom, false);
    DrawRun(dc, origin + selFrom, row, shown, selFrom, selTo, true);
    DrawRun(dc, origin + selTo, row, shown, selTo, to, false);
}

void PaintCaret(const Edit& e, HDC dc, int rows)
{
    const int caret = e.text.Caret();
    const int line = e.text.LineFromChar(caret);
    const int row = e.multiline ? line - e.firstLine : 0;
    if (row < 0 || row >= rows)
        return;
    const EditLine& l = e.text.Line(line);
    const int column = Indent(e, l.length) + caret - l.start - e.firstColumn;
    if (column < 0 || column >= VisibleColumns(e))
        return;
    // No GDI call draws a caret into the canvas, so the cell is marked directly.
    gdi::DeviceContext* context = gdi::FindDC(dc);
    if (!context)
        return;
    const POINT device = gdi::ToDevice(*context, column * CharWidth, row * LineHeight);
    Cell cell = gdi::CellAt(*context, gdi::ColumnOf(device.x), gdi::RowOf(device.y));
    cell.attributes |= CellCaret;
    gdi::PutCell(*context, gdi::ColumnOf(device.x), gdi::RowOf(device.y), cell);
}

} // namespace

int FittingColumns(const Edit& e)
{
    RECT rc{};
    GetClientRect(e.hwnd, &rc);
    return std::max<int>(0, (rc.right - rc.left) / CharWidth);
}

int VisibleColumns(const Edit& e)
{
    return std::max(0, render::CellsOfWindow(e.hwnd).client.Width());
}

int VisibleLines(const Edit& e)
{
    return std::max(0, render::CellsOfWindow(e.hwnd).client.Height());
}

int WrapColumns(const Edit& e)
{
    // A multi-line edit that cannot scroll sideways wraps its lines at the client width.
    return (e.multiline && !ScrollsSideways(e)) ? std::max(1, VisibleColumns(e)) : 0;
}

void UpdateLayout(Edit& e)
{
    e.text.SetLayout(e.multiline, WrapColumns(e));
}

void ScrollToCaret(Edit& e)
{
    const int caret = e.text.Caret();
    const int line = e.text.LineFromChar(caret);
    if (e.multiline)
    {
        const int rows = std::max(1, VisibleLines(e));
        if (line < e.firstLine)
            e.firstLine = line;
        else if (line >= e.firstLine + rows)
            e.firstLine = line - rows + 1;
        e.firstLine = std::clamp(e.firstLine, 0, e.text.LineCount() - 1);
    }
    if (!ScrollsSideways(e))
    {
        e.firstColumn = 0;
        return;
    }
    const int columns = std::max(1, VisibleColumns(e));
    const int column = caret - e.text.Line(line).start;
    if (column < e.firstColumn)
        e.firstColumn = column;
    else if (column >= e.firstColumn + columns)
        e.firstColumn = column - columns + 1;
    // A single line shows as much text as it can: no blank room at the right while text is
    // hidden at the left.
    if (!e.multiline)
        e.firstColumn = std::min(e.firstColumn, std::max(0, e.text.Length() - columns + 1));
}

int PositionFromPoint(const Edit& e, POINT pt)
{
    int line = 0;
    if (e.multiline)
        line =
            std::clamp(e.firstLine + Canvas::FloorDiv(pt.y, LineHeight), 0, e.text.LineCount() - 1);
    const int column =
        Canvas::FloorDiv(pt.x, CharWidth) - Indent(e, e.text.Line(line).length) + e.firstColumn;
    return e.text.PositionAt(line, column);
}

LRESULT PositionOfChar(const Edit& e, int pos)
{
    if (pos < 0 || pos >= e.text.Length())
        return -1;
    const int line = e.text.LineFromChar(pos);
    const EditLine& l = e.text.Line(line);
    const int x = (Indent(e, l.length) + pos - l.start - e.firstColumn) * CharWidth;
    const int y = (e.multiline ? line - e.firstLine : 0) * LineHeight;
    return MAKELRESULT(static_cast<WORD>(static_cast<SHORT>(x)),
                       static_cast<WORD>(static_cast<SHORT>(y)));
}

void Paint(Edit& e, HDC dc)
{
    RECT rc{};
    GetClientRect(e.hwnd, &rc);
    HBRUSH brush = ControlBrush(e, dc);
    if (e.destroyed)
        return;
    if (brush)
        FillRect(dc, &rc, brush);
    if (!IsWindowEnabled(e.hwnd))
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    HGDIOBJ oldFont = e.font ? SelectObject(dc, e.font) : nullptr;
    const bool showSelection = e.text.HasSelection() && (e.focused || (e.Style() & ES_NOHIDESEL));
    // A single-line edit shorter than a line of text still shows its one line.
    const int rows = e.multiline ? VisibleLines(e) : 1;
    const int first = e.multiline ? e.firstLine : 0;
    for (int row = 0; row < rows && first + row < e.text.LineCount(); ++row)
        PaintLine(e, dc, first + row, row, showSelection);
    if (e.focused)
    {
        DrawFocusRect(dc, &rc);
        PaintCaret(e, dc, rows);
    }
    if (oldFont)
        SelectObject(dc, oldFont);
}

void Redraw(Edit& e)
{
    InvalidateRect(e.hwnd, nullptr, TRUE);
}

} // namespace platform::edit
