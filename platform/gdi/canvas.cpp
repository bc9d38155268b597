// The character canvas: storage for cells, and its text form.

#include "platform/canvas.h"

#include <algorithm>

namespace platform
{

CellRect CellRect::Intersect(const CellRect& other) const
{
    CellRect r{std::max(left, other.left), std::max(top, other.top), std::min(right, other.right),
               std::min(bottom, other.bottom)};
    if (r.IsEmpty())
        return CellRect{};
    return r;
}

Canvas::Canvas(int columns, int rows)
    : columns(std::max(columns, 0)), rows(std::max(rows, 0)),
      cells(static_cast<size_t>(this->columns) * static_cast<size_t>(this->rows))
{
}

const Cell& Canvas::At(int column, int row) const
{
    static const Cell blank;
    if (!Contains(column, row))
        return blank;
    return cells[static_cast<size_t>(row) * static_cast<size_t>(columns) +
                 static_cast<size_t>(column)];
}

void Canvas::Set(int column, int row, Cell cell)
{
    if (!Contains(column, row))
        return;
    cells[static_cast<size_t>(row) * static_cast<size_t>(columns) + static_cast<size_t>(column)] =
        cell;
}

void Canvas::Draw(const Canvas& source, int column, int row)
{
    CellRect target = source.Bounds().Offset(column, row).Intersect(Bounds());
    for (int y = target.top; y < target.bottom; ++y)
    {
        for (int x = target.left; x < target.right; ++x)
            Set(x, y, source.At(x - column, y - row));
    }
}

std::string Canvas::RowText(int row) const
{
    std::string line;
    if (row < 0 || row >= rows)
        return line;
    line.reserve(static_cast<size_t>(columns));
    for (int x = 0; x < columns; ++x)
        line.push_back(At(x, row).ch);
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

std::string Canvas::Text() const
{
    std::string text;
    for (int y = 0; y < rows; ++y)
    {
        text += RowText(y);
        text += '\n';
    }
    return text;
}

} // namespace platform
