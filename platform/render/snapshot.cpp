// SnapshotText: a canvas as plain text with its meaningful attributes marked.

#include "platform/render.h"

#include <string>
#include <vector>

namespace platform
{
namespace
{

struct Marker
{
    std::uint16_t attribute;
    char open;
    char close;
    bool trim;
};

// Applied in order, so later kinds overwrite earlier ones where their markers meet.
constexpr Marker Markers[] = {
    {CellDisabled, '~', '~', true},
    {CellSelected, '*', '*', true},
    {CellFocus, '>', '<', false},
};

void MarkRow(const Canvas& canvas, int row, const Marker& marker, std::string& line)
{
    int columns = canvas.Columns();
    int column = 0;
    while (column < columns)
    {
        if (!(canvas.At(column, row).attributes & marker.attribute))
        {
            ++column;
            continue;
        }
        int first = column;
        while (column < columns && (canvas.At(column, row).attributes & marker.attribute))
            ++column;
        int last = column - 1;
        if (marker.trim)
        {
            while (first <= last && canvas.At(first, row).ch == ' ')
                ++first;
            while (last >= first && canvas.At(last, row).ch == ' ')
                --last;
            if (first > last)
                continue;
        }
        if (first > 0)
            line[static_cast<size_t>(first - 1)] = marker.open;
        if (last + 1 < columns)
            line[static_cast<size_t>(last + 1)] = marker.close;
    }
}

} // namespace

std::string SnapshotText(const Canvas& canvas)
{
    std::string text;
    for (int row = 0; row < canvas.Rows(); ++row)
    {
        std::string line;
        for (int column = 0; column < canvas.Columns(); ++column)
            line.push_back(canvas.At(column, row).ch);
        for (const Marker& marker : Markers)
            MarkRow(canvas, row, marker, line);
        line.erase(line.find_last_not_of(' ') + 1);
        text += line;
        text += '\n';
    }
    return text;
}

} // namespace platform
