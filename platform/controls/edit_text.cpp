// The edit control's text model: line layout, selection, movement and undo.
//
// Does not do: tab stops (a tab is one character cell wide), word-break procedures
// (EM_SETWORDBREAKPROC), the "\r\r\n" soft line breaks of EM_FMTLINES, or undo of more than one
// change. The End key on a soft-wrapped line stops before the line's last character, so that
// the caret stays on that line rather than at the start of the next one.

#include "controls/edit_text.h"

#include <algorithm>

namespace platform
{
namespace
{

bool IsBlankChar(char ch)
{
    return ch == ' ' || ch == '\t';
}

} // namespace

void EditText::SetLayout(bool isMultiline, int columns)
{
    multiline = isMultiline;
    wrapWidth = isMultiline ? std::max(0, columns) : 0;
    Relayout();
}

void EditText::SetText(std::string_view value)
{
    text.assign(value);
    Relayout();
    anchor = caret = 0;
    EmptyUndo();
}

int EditText::LineFromChar(int pos) const
{
    pos = Clamp(pos);
    auto after = std::upper_bound(lines.begin(), lines.end(), pos,
                                  [](int p, const EditLine& line) { return p < line.start; });
    return static_cast<int>(after - lines.begin()) - 1;
}

std::string_view EditText::LineText(int line) const
{
    const EditLine& l = Line(line);
    return std::string_view(text).substr(static_cast<size_t>(l.start),
                                         static_cast<size_t>(l.length));
}

std::string EditText::SelectedText() const
{
    return text.substr(static_cast<size_t>(SelectionStart()),
                       static_cast<size_t>(SelectionEnd() - SelectionStart()));
}

void EditText::SetSelection(int newAnchor, int newCaret)
{
    anchor = Clamp(newAnchor);
    caret = Clamp(newCaret);
}

void EditText::ReplaceSelection(std::string_view value, bool canUndo)
{
    const int start = SelectionStart();
    const int end = SelectionEnd();
    const int count = static_cast<int>(value.size());
    if (canUndo)
        Record(start, text.substr(static_cast<size_t>(start), static_cast<size_t>(end - start)),
               count);
    else
        EmptyUndo();
    Replace(start, end, value);
    anchor = caret = start + count;
}

void EditText::Record(int start, std::string removed, int count)
{
    if (!removed.empty())
    {
        const bool deleting = undo.valid && undo.inserted == 0 && !undo.removed.empty();
        if (deleting && start == undo.position)
        {
            // Delete pressed again: the record grows forwards.
            undo.removed += removed;
        }
        else if (deleting && start + static_cast<int>(removed.size()) == undo.position)
        {
            // Backspace pressed again: the record grows backwards.
            undo.removed.insert(0, removed);
            undo.position = start;
        }
        else
        {
            undo.removed = std::move(removed);
            undo.position = start;
        }
        // Whatever was inserted before can no longer be taken out by undo.
        undo.inserted = 0;
        undo.valid = true;
    }
    if (count > 0)
    {
        // Text that goes in where the record starts (after a deletion there) or where its
        // insertion ends (typing on) joins the record; anywhere else it starts a new one.
        if (undo.valid && (start == undo.position ||
                           (undo.inserted > 0 && start == undo.position + undo.inserted)))
        {
            undo.inserted += count;
        }
        else
        {
            undo = UndoRecord{true, start, count, std::string()};
        }
    }
}

bool EditText::Undo()
{
    if (!undo.valid)
        return false;
    const int position = Clamp(undo.position);
    const int end = Clamp(position + undo.inserted);
    std::string inserted =
        text.substr(static_cast<size_t>(position), static_cast<size_t>(end - position));
    std::string restored = std::move(undo.removed);
    Replace(position, end, restored);
    undo = UndoRecord{true, position, static_cast<int>(restored.size()), std::move(inserted)};
    anchor = position;
    caret = position + static_cast<int>(restored.size());
    return true;
}

int EditText::CharLeft(int pos) const
{
    pos = Clamp(pos);
    if (pos == 0)
        return 0;
    if (multiline && pos >= 2 && text.compare(static_cast<size_t>(pos - 2), 2, "\r\n") == 0)
        return pos - 2;
    return pos - 1;
}

int EditText::CharRight(int pos) const
{
    pos = Clamp(pos);
    if (pos == Length())
        return pos;
    if (multiline && text.compare(static_cast<size_t>(pos), 2, "\r\n") == 0)
        return pos + 2;
    return pos + 1;
}

int EditText::WordLeft(int pos) const
{
    pos = Clamp(pos);
    const int line = LineFromChar(pos);
    int lineStart = Line(line).start;
    if (pos == lineStart)
    {
        if (line == 0)
            return 0;
        const EditLine& previous = Line(line - 1);
        // From the start of a line the caret goes to the end of the line above; a soft-wrapped
        // line above simply continues the text, so the search goes on there.
        if (previous.breakLength != 0)
            return previous.start + previous.length;
        lineStart = previous.start;
    }
    int p = pos;
    while (p > lineStart && IsBlank(p - 1))
        --p;
    while (p > lineStart && !IsBlank(p - 1))
        --p;
    return p;
}

int EditText::WordRight(int pos) const
{
    pos = Clamp(pos);
    const int line = LineFromChar(pos);
    const EditLine& l = Line(line);
    const int end = l.start + l.length;
    if (pos >= end)
        return line + 1 < LineCount() ? Line(line + 1).start : Length();
    int p = pos;
    while (p < end && !IsBlank(p))
        ++p;
    while (p < end && IsBlank(p))
        ++p;
    return p;
}

std::pair<int, int> EditText::WordAt(int pos) const
{
    pos = Clamp(pos);
    const EditLine& l = Line(LineFromChar(pos));
    const int end = l.start + l.length;
    if (end == l.start)
        return {pos, pos};
    const int p = std::min(pos, end - 1);
    int first = p;
    int last = p;
    if (IsBlank(p))
    {
        while (first > l.start && IsBlank(first - 1))
            --first;
        while (last < end && IsBlank(last))
            ++last;
        return {first, last};
    }
    while (first > l.start && !IsBlank(first - 1))
        --first;
    while (last < end && !IsBlank(last))
        ++last;
    while (last < end && IsBlank(last))
        ++last;
    return {first, last};
}

int EditText::LineHome(int pos) const
{
    return Line(LineFromChar(pos)).start;
}

int EditText::LineEnd(int pos) const
{
    const int line = LineFromChar(pos);
    return PositionAt(line, Line(line).length);
}

int EditText::LineMove(int pos, int delta) const
{
    const int line = LineFromChar(pos);
    const int column = Clamp(pos) - Line(line).start;
    const int target = std::clamp(line + delta, 0, LineCount() - 1);
    return PositionAt(target, column);
}

int EditText::PositionAt(int line, int column) const
{
    line = std::clamp(line, 0, LineCount() - 1);
    const EditLine& l = Line(line);
    int limit = l.length;
    // A soft-wrapped line's end is the next line's start; stopping one short keeps the caret
    // on the line that was asked for.
    if (l.breakLength == 0 && line + 1 < LineCount() && limit > 0)
        --limit;
    return l.start + std::clamp(column, 0, limit);
}

int EditText::CountLines(std::string_view value, bool isMultiline, int columns)
{
    std::vector<EditLine> out;
    Layout(value, isMultiline, isMultiline ? std::max(0, columns) : 0, out);
    return static_cast<int>(out.size());
}

void EditText::Replace(int start, int end, std::string_view value)
{
    text.replace(static_cast<size_t>(start), static_cast<size_t>(end - start), value);
    Relayout();
}

void EditText::Relayout()
{
    Layout(text, multiline, wrapWidth, lines);
}

void EditText::Layout(std::string_view value, bool isMultiline, int columns,
                      std::vector<EditLine>& out)
{
    out.clear();
    const int length = static_cast<int>(value.size());
    if (!isMultiline)
    {
        out.push_back(EditLine{0, length, 0});
        return;
    }
    int start = 0;
    for (;;)
    {
        const size_t found = value.find("\r\n", static_cast<size_t>(start));
        const int hardEnd = found == std::string_view::npos ? length : static_cast<int>(found);
        int lineStart = start;
        while (columns > 0 && hardEnd - lineStart > columns)
        {
            // Break after the last blank that fits (a word that ends exactly at the width fits
            // too), or in the middle of a word too long for a line; blanks at the break hang at
            // the end of the line instead of starting the next.
            int cut = -1;
            if (IsBlankChar(value[static_cast<size_t>(lineStart + columns)]))
                cut = lineStart + columns;
            for (int i = lineStart + columns; cut < 0 && i > lineStart; --i)
            {
                if (IsBlankChar(value[static_cast<size_t>(i - 1)]))
                {
                    cut = i;
                    break;
                }
            }
            if (cut < 0)
                cut = lineStart + columns;
            while (cut < hardEnd && IsBlankChar(value[static_cast<size_t>(cut)]))
                ++cut;
            if (cut >= hardEnd)
                break;
            out.push_back(EditLine{lineStart, cut - lineStart, 0});
            lineStart = cut;
        }
        if (found == std::string_view::npos)
        {
            out.push_back(EditLine{lineStart, hardEnd - lineStart, 0});
            return;
        }
        out.push_back(EditLine{lineStart, hardEnd - lineStart, 2});
        start = hardEnd + 2;
    }
}

int EditText::Clamp(int pos) const
{
    return std::clamp(pos, 0, Length());
}

bool EditText::IsBlank(int pos) const
{
    return pos >= 0 && pos < Length() && IsBlankChar(text[static_cast<size_t>(pos)]);
}

} // namespace platform
