// The text of an edit control without the window: lines, selection, caret movement, word
// boundaries and the single-level undo that the "Edit" class keeps.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform
{

// One line as the control shows it. A multi-line edit ends a line at "\r\n" (a hard break,
// breakLength 2) or where soft wrapping continues the text on the next line (breakLength 0).
struct EditLine
{
    int start = 0;
    int length = 0;
    int breakLength = 0;
};

class EditText
{
public:
    // A single-line text is one line whatever it holds; a multi-line text breaks at "\r\n" and,
    // with a wrap width (in characters, 0 for none), also between words to fit that width.
    void SetLayout(bool multiline, int wrapWidth);
    bool Multiline() const { return multiline; }

    const std::string& Text() const { return text; }
    int Length() const { return static_cast<int>(text.size()); }
    // Replaces the whole text, puts the caret at the start and forgets the undo record.
    void SetText(std::string_view value);

    int LineCount() const { return static_cast<int>(lines.size()); }
    const EditLine& Line(int line) const { return lines[static_cast<size_t>(line)]; }
    // The line that holds a position; a position at a soft break belongs to the later line.
    int LineFromChar(int pos) const;
    std::string_view LineText(int line) const;

    // The selection runs from the anchor to the caret, in either order.
    int Anchor() const { return anchor; }
    int Caret() const { return caret; }
    int SelectionStart() const { return std::min(anchor, caret); }
    int SelectionEnd() const { return std::max(anchor, caret); }
    bool HasSelection() const { return anchor != caret; }
    std::string SelectedText() const;
    // Both ends are clamped to the text.
    void SetSelection(int newAnchor, int newCaret);
    void SelectAll() { SetSelection(0, Length()); }

    // Replaces the selection with value and leaves the caret after it. With canUndo the change
    // joins or replaces the undo record, the way the control's single level of undo works: a
    // run of typing is one change, repeated Delete or Backspace presses are one change, and any
    // deletion ends the run of typing before it. Without canUndo the record is forgotten.
    void ReplaceSelection(std::string_view value, bool canUndo);
    bool CanUndo() const { return undo.valid; }
    void EmptyUndo() { undo = UndoRecord{}; }
    // Puts back what the last change removed and removes what it inserted, selecting what came
    // back; a second undo undoes the undo, as the control's single level of undo does.
    bool Undo();

    // Caret movement: each returns the new position. A "\r\n" counts as one step.
    int CharLeft(int pos) const;
    int CharRight(int pos) const;
    // The start of the previous (next) word, crossing line ends; words are runs of characters
    // other than blanks, and a word takes the blanks that follow it.
    int WordLeft(int pos) const;
    int WordRight(int pos) const;
    // The word under pos with its trailing blanks, as a double click selects it.
    std::pair<int, int> WordAt(int pos) const;
    int LineHome(int pos) const;
    int LineEnd(int pos) const;
    // The position in the column of pos on a line above or below (negative delta is up).
    int LineMove(int pos, int delta) const;
    // The position at a column of a line, kept on that line.
    int PositionAt(int line, int column) const;

    // How many lines text would take with a layout, for checking before inserting.
    static int CountLines(std::string_view text, bool multiline, int wrapWidth);

private:
    struct UndoRecord
    {
        bool valid = false;
        int position = 0;    // where the change happened
        int inserted = 0;    // characters the change put in at position
        std::string removed; // what the change took out
    };

    void Replace(int start, int end, std::string_view value);
    void Record(int start, std::string removed, int count);
    void Relayout();
    static void Layout(std::string_view text, bool multiline, int wrapWidth,
                       std::vector<EditLine>& out);
    int Clamp(int pos) const;
    bool IsBlank(int pos) const;

    std::string text;
    std::vector<EditLine> lines{EditLine{}};
    bool multiline = false;
    int wrapWidth = 0;
    int anchor = 0;
    int caret = 0;
    UndoRecord undo;
};

} // namespace platform
