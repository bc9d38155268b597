// The character canvas that GDI draws on: one cell per 6 x 13 pixels of the virtual screen.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace platform
{

// What a cell shows besides its character. Colours do not survive the trip to a character grid,
// so GDI turns the colours that carry meaning (grey text, highlight) into these bits.
enum CellAttribute : std::uint16_t
{
    CellFocus = 0x0001,     // inside a focus rectangle (DrawFocusRect toggles it)
    CellDisabled = 0x0002,  // text drawn in the grey-text colour
    CellSelected = 0x0004,  // highlight: highlight brush, highlight background or text colour
    CellBold = 0x0008,      // bold font or a pen two or more pixels wide: default buttons
    CellCaption = 0x0010,   // part of a window's caption bar
    CellActive = 0x0020,    // part of the caption bar of the active window
    CellUnderline = 0x0040, // a mnemonic character (the one after '&' in DrawText)
    CellCaret = 0x0080,     // the cell in front of which a focused edit's caret stands
};

struct Cell
{
    char ch = ' ';
    std::uint16_t attributes = 0;

    bool operator==(const Cell&) const = default;
};

// A rectangle of cells, half-open like RECT.
struct CellRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool IsEmpty() const { return right <= left || bottom <= top; }
    bool Contains(int column, int row) const
    {
        return column >= left && column < right && row >= top && row < bottom;
    }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    CellRect Intersect(const CellRect& other) const;
    CellRect Offset(int columns, int rows) const
    {
        return CellRect{left + columns, top + rows, right + columns, bottom + rows};
    }
    bool operator==(const CellRect&) const = default;
};

class Canvas
{
public:
    static constexpr int CellWidth = 6;
    static constexpr int CellHeight = 13;

    Canvas() = default;
    Canvas(int columns, int rows);

    int Columns() const { return columns; }
    int Rows() const { return rows; }
    CellRect Bounds() const { return CellRect{0, 0, columns, rows}; }
    bool Contains(int column, int row) const { return Bounds().Contains(column, row); }

    // Cells outside the canvas read as blank and ignore writes, so callers clip only for speed.
    const Cell& At(int column, int row) const;
    void Set(int column, int row, Cell cell);

    // Copies every cell of source into this canvas with source's top-left at (column, row).
    void Draw(const Canvas& source, int column, int row);

    // One row's characters with trailing blanks removed.
    std::string RowText(int row) const;
    // All rows' characters, each line ended by '\n' (attributes are not shown).
    std::string Text() const;

    // The cell that holds a pixel: floor division, so negative coordinates fall to the left.
    static int ColumnOf(int x) { return FloorDiv(x, CellWidth); }
    static int RowOf(int y) { return FloorDiv(y, CellHeight); }
    static int FloorDiv(int value, int divisor)
    {
        int q = value / divisor;
        return (value % divisor != 0 && value < 0) ? q - 1 : q;
    }

private:
    int columns = 0;
    int rows = 0;
    std::vector<Cell> cells;
};

// A device context that draws on canvas (which must outlive it), with the device origin at the
// canvas's top-left cell and everything visible. Delete it with DeleteDC.
HDC CreateCanvasDC(Canvas* canvas);

// The canvas that a device context draws on (a memory DC's is its selected bitmap's), or null.
Canvas* CanvasOfDC(HDC hdc);

} // namespace platform
