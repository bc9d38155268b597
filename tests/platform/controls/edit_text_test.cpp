// The edit control's text model without a window: layout, movement, words and undo.

#include "controls/edit_text.h"

#include <gtest/gtest.h>

using platform::EditText;

namespace
{

EditText Multi(const char* text, int wrap = 0)
{
    EditText t;
    t.SetLayout(true, wrap);
    t.SetText(text);
    return t;
}

std::vector<std::string> Lines(const EditText& t)
{
    std::vector<std::string> out;
    for (int i = 0; i < t.LineCount(); ++i)
        out.emplace_back(t.LineText(i));
    return out;
}

} // namespace

TEST(EditTextLayout, HardBreaksSplitOnlyAtCarriageReturnLineFeed)
{
    EditText t = Multi("one\r\ntwo\nstill two\r\n");
    EXPECT_EQ(Lines(t), (std::vector<std::string>{"one", "two\nstill two", ""}));
    EXPECT_EQ(t.Line(1).start, 5);
    EXPECT_EQ(t.Line(2).start, t.Length());
    // The position between '\r' and '\n' still belongs to the line the break ends.
    EXPECT_EQ(t.LineFromChar(4), 0);
    EXPECT_EQ(t.LineFromChar(5), 1);
    EXPECT_EQ(t.LineFromChar(1000), 2);

    EditText single;
    single.SetLayout(false, 0);
    single.SetText("a\r\nb");
    EXPECT_EQ(single.LineCount(), 1);
    EXPECT_EQ(single.Line(0).length, 4);
}

TEST(EditTextLayout, SoftWrapBreaksAfterBlanksAndCutsLongWords)
{
    EditText t = Multi("the quick brown fox", 10);
    // Blanks at a break stay at the end of the line they follow.
    EXPECT_EQ(Lines(t), (std::vector<std::string>{"the quick ", "brown fox"}));
    EXPECT_EQ(t.Line(0).breakLength, 0);
    // A position at a soft break belongs to the later line.
    EXPECT_EQ(t.LineFromChar(10), 1);

    EditText word = Multi("abcdefghijkl mn", 5);
    EXPECT_EQ(Lines(word), (std::vector<std::string>{"abcde", "fghij", "kl mn"}));

    EXPECT_EQ(EditText::CountLines("the quick brown fox", true, 10), 2);
    EXPECT_EQ(EditText::CountLines("the quick brown fox", false, 10), 1);
    EXPECT_EQ(EditText::CountLines("a\r\nb\r\nc", true, 0), 3);
}

TEST(EditTextMovement, CharactersStepOverLineBreaksWhole)
{
    EditText t = Multi("ab\r\ncd");
    EXPECT_EQ(t.CharRight(2), 4);
    EXPECT_EQ(t.CharLeft(4), 2);
    EXPECT_EQ(t.CharLeft(0), 0);
    EXPECT_EQ(t.CharRight(6), 6);
    EXPECT_EQ(t.LineMove(1, 1), 5); // column kept
    EXPECT_EQ(t.LineMove(5, -1), 1);
    EXPECT_EQ(t.LineMove(1, -1), 1); // nothing above the first line
    EXPECT_EQ(t.LineHome(5), 4);
    EXPECT_EQ(t.LineEnd(0), 2);

    EditText shortLine = Multi("long line\r\nab");
    EXPECT_EQ(shortLine.LineMove(8, 1), shortLine.Length()); // clamped to the shorter line
}

TEST(EditTextMovement, EndOfSoftWrappedLineStaysOnThatLine)
{
    EditText t = Multi("the quick brown fox", 10);
    EXPECT_EQ(t.LineEnd(2), 9);
    EXPECT_EQ(t.LineFromChar(t.LineEnd(2)), 0);
    EXPECT_EQ(t.LineEnd(12), t.Length()); // the last line runs to the end
}

TEST(EditTextWords, CtrlArrowsGoToWordStartsAndLineEnds)
{
    EditText t = Multi("one two  three\r\nfour");
    EXPECT_EQ(t.WordRight(0), 4);
    EXPECT_EQ(t.WordRight(4), 9);
    EXPECT_EQ(t.WordRight(9), 14);  // end of the line
    EXPECT_EQ(t.WordRight(14), 16); // then the start of the next
    EXPECT_EQ(t.WordLeft(16), 14);
    EXPECT_EQ(t.WordLeft(14), 9);
    EXPECT_EQ(t.WordLeft(9), 4);
    EXPECT_EQ(t.WordLeft(5), 4);
    EXPECT_EQ(t.WordLeft(0), 0);

    // Across a soft wrap the words simply continue.
    EditText wrapped = Multi("the quick brown", 10);
    EXPECT_EQ(wrapped.WordLeft(10), 4);
}

TEST(EditTextWords, WordAtTakesTrailingBlanks)
{
    EditText t = Multi("alpha  beta\r\ngamma");
    EXPECT_EQ(t.WordAt(2), std::make_pair(0, 7));
    EXPECT_EQ(t.WordAt(8), std::make_pair(7, 11));
    EXPECT_EQ(t.WordAt(5), std::make_pair(5, 7));   // on blanks: the blanks
    EXPECT_EQ(t.WordAt(11), std::make_pair(7, 11)); // past the end: the last word
    EXPECT_EQ(t.WordAt(15), std::make_pair(13, 18));
}

TEST(EditTextSelection, ClampsAndKeepsDirection)
{
    EditText t = Multi("hello");
    t.SetSelection(4, 1);
    EXPECT_EQ(t.SelectionStart(), 1);
    EXPECT_EQ(t.SelectionEnd(), 4);
    EXPECT_EQ(t.Caret(), 1);
    EXPECT_EQ(t.SelectedText(), "ell");
    t.SetSelection(-3, 99);
    EXPECT_EQ(t.Anchor(), 0);
    EXPECT_EQ(t.Caret(), 5);
    t.ReplaceSelection("bye", true);
    EXPECT_EQ(t.Text(), "bye");
    EXPECT_EQ(t.Caret(), 3);
    EXPECT_FALSE(t.HasSelection());
}

TEST(EditTextUndo, TypingRunIsOneChangeAndUndoToggles)
{
    EditText t = Multi("ab");
    t.SetSelection(1, 1);
    for (char c : std::string("xyz"))
        t.ReplaceSelection(std::string(1, c), true);
    EXPECT_EQ(t.Text(), "axyzb");
    ASSERT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), "ab");
    EXPECT_FALSE(t.HasSelection());
    // Undoing the undo puts the typing back, selected.
    ASSERT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), "axyzb");
    EXPECT_EQ(t.SelectedText(), "xyz");
}

TEST(EditTextUndo, BackspacesAndDeletesJoinTheirRecord)
{
    EditText t = Multi("abcdef");
    // Backspace twice from the end.
    for (int i = 0; i < 2; ++i)
    {
        const int caret = t.Caret() == 0 ? t.Length() : t.Caret();
        t.SetSelection(caret, caret - 1);
        t.ReplaceSelection("", true);
    }
    EXPECT_EQ(t.Text(), "abcd");
    // Delete twice from the start.
    for (int i = 0; i < 2; ++i)
    {
        t.SetSelection(0, 1);
        t.ReplaceSelection("", true);
    }
    EXPECT_EQ(t.Text(), "cd");
    ASSERT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), "abcd"); // only the deletes: they started a new record
    EXPECT_EQ(t.SelectedText(), "ab");
}

TEST(EditTextUndo, TypingOverASelectionUndoesAsOneReplacement)
{
    EditText t = Multi("keep OLD");
    t.SetSelection(5, 8);
    for (char c : std::string("new"))
        t.ReplaceSelection(std::string(1, c), true);
    EXPECT_EQ(t.Text(), "keep new");
    ASSERT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), "keep OLD");
    EXPECT_EQ(t.SelectedText(), "OLD");
}

TEST(EditTextUndo, DeletionEndsTheTypingRun)
{
    EditText t = Multi("");
    t.ReplaceSelection("ab", true);
    t.SetSelection(2, 1);
    t.ReplaceSelection("", true); // backspace over the 'b'
    ASSERT_TRUE(t.Undo());
    EXPECT_EQ(t.Text(), "ab"); // only the backspace comes undone
    EXPECT_EQ(t.SelectedText(), "b");
}

TEST(EditTextUndo, ChangesWithoutUndoForgetTheRecord)
{
    EditText t = Multi("");
    t.ReplaceSelection("abc", true);
    EXPECT_TRUE(t.CanUndo());
    t.ReplaceSelection("d", false);
    EXPECT_FALSE(t.CanUndo());
    EXPECT_FALSE(t.Undo());
    t.ReplaceSelection("e", true);
    t.SetText("new");
    EXPECT_FALSE(t.CanUndo());
    EXPECT_EQ(t.Caret(), 0);
}
