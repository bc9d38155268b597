// The edit control's keyboard and mouse: typed characters, editing and movement keys, clicks,
// drags and double clicks.
//
// Typed characters arrive as WM_CHAR, so that a subclass sees and may swallow each one before
// the edit does; WM_KEYDOWN handles only the keys that produce no character.
//
// Does not do: Ctrl+Backspace word deletion, drag and drop of the selection, selecting by words
// while dragging after a double click, or scrolling while the mouse is held outside the control
// (the view follows the caret only as the mouse moves).

#include "controls/edit.h"

#include <algorithm>
#include <cctype>

namespace platform::edit
{
namespace
{

bool KeyDown(int vk)
{
    return (GetKeyState(vk) & 0x8000) != 0;
}

void Move(Edit& e, int to, bool extend)
{
    e.text.SetSelection(extend ? e.text.Anchor() : to, to);
    ScrollToCaret(e);
    Redraw(e);
}

void Type(Edit& e, std::string value)
{
    // A read-only edit refuses every change from the keyboard with a beep.
    if (e.ReadOnly())
    {
        MessageBeep(MB_OK);
        return;
    }
    Insert(e, std::move(value), Source::Typing, true);
}

void NewLine(Edit& e)
{
    if (e.ReadOnly())
    {
        // Enter in a read-only multi-line edit moves to the start of the next line.
        const int line = e.text.LineFromChar(e.text.Caret());
        if (line + 1 < e.text.LineCount())
            Move(e, e.text.Line(line + 1).start, false);
        return;
    }
    Type(e, "\r\n");
}

void Backspace(Edit& e)
{
    if (e.ReadOnly())
    {
        MessageBeep(MB_OK);
        return;
    }
    if (!e.text.HasSelection())
    {
        const int caret = e.text.Caret();
        if (caret == 0)
            return;
        e.text.SetSelection(caret, e.text.CharLeft(caret));
    }
    ClearSelection(e);
}

void Delete(Edit& e, bool shift)
{
    if (shift)
    {
        Cut(e);
        return;
    }
    if (e.ReadOnly())
        return;
    if (!e.text.HasSelection())
    {
        const int caret = e.text.Caret();
        if (caret == e.text.Length())
            return;
        e.text.SetSelection(caret, e.text.CharRight(caret));
    }
    ClearSelection(e);
}

// Word movement in a password edit would tell where the blanks are, so it goes to the ends.
int WordLeft(const Edit& e, int pos)
{
    return e.Password() ? 0 : e.text.WordLeft(pos);
}

int WordRight(const Edit& e, int pos)
{
    return e.Password() ? e.text.Length() : e.text.WordRight(pos);
}

} // namespace

LRESULT OnChar(Edit& e, char ch)
{
    const auto c = static_cast<unsigned char>(ch);
    switch (c)
    {
    case 0x01: // Ctrl+A
        e.text.SelectAll();
        ScrollToCaret(e);
        Redraw(e);
        return 1;
    case 0x03: // Ctrl+C
        Copy(e);
        return 1;
    case 0x16: // Ctrl+V
        Paste(e);
        return 1;
    case 0x18: // Ctrl+X
        Cut(e);
        return 1;
    case 0x1A: // Ctrl+Z
        if (!e.ReadOnly())
            UndoChange(e);
        return 1;
    case '\b':
        Backspace(e);
        return 1;
    case '\r':
        // In a dialog, Enter belongs to the default button unless the edit has ES_WANTRETURN.
        if (e.multiline && (!e.dialogMode || (e.Style() & ES_WANTRETURN)))
            NewLine(e);
        return 1;
    case '\n': // Ctrl+Enter
        if (e.multiline)
            NewLine(e);
        return 1;
    case '\t':
        if (e.multiline)
            Type(e, "\t");
        return 1;
    }
    if (c < 0x20 || c == 0x7F)
        return 1;
    if ((e.Style() & ES_NUMBER) && !std::isdigit(c))
    {
        MessageBeep(MB_OK);
        return 1;
    }
    Type(e, std::string(1, ch));
    return 1;
}

bool OnKeyDown(Edit& e, UINT vk)
{
    const bool shift = KeyDown(VK_SHIFT);
    const bool ctrl = KeyDown(VK_CONTROL);
    const int caret = e.text.Caret();
    int to;
    switch (vk)
    {
    case VK_LEFT:
        to = ctrl ? WordLeft(e, caret) : e.text.CharLeft(caret);
        break;
    case VK_RIGHT:
        to = ctrl ? WordRight(e, caret) : e.text.CharRight(caret);
        break;
    case VK_UP:
        // A single-line edit takes Up and Down as Left and Right.
        to = e.multiline ? e.text.LineMove(caret, -1) : e.text.CharLeft(caret);
        break;
    case VK_DOWN:
        to = e.multiline ? e.text.LineMove(caret, 1) : e.text.CharRight(caret);
        break;
    case VK_HOME:
        to = (ctrl || !e.multiline) ? 0 : e.text.LineHome(caret);
        break;
    case VK_END:
        to = (ctrl || !e.multiline) ? e.text.Length() : e.text.LineEnd(caret);
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        if (!e.multiline)
            return true;
        const int page = std::max(1, VisibleLines(e)) * (vk == VK_PRIOR ? -1 : 1);
        e.firstLine = std::clamp(e.firstLine + page, 0, e.text.LineCount() - 1);
        to = e.text.LineMove(caret, page);
        break;
    }
    case VK_DELETE:
        Delete(e, shift);
        return true;
    case VK_INSERT:
        if (shift && !ctrl)
            Paste(e);
        else if (ctrl && !shift)
            Copy(e);
        return true;
    default:
        return false;
    }
    Move(e, to, shift);
    return true;
}

void OnButtonDown(Edit& e, POINT pt, bool extend)
{
    if (GetFocus() != e.hwnd)
    {
        SetFocus(e.hwnd);
        if (e.destroyed)
            return;
    }
    const int pos = PositionFromPoint(e, pt);
    e.text.SetSelection(extend ? e.text.Anchor() : pos, pos);
    SetCapture(e.hwnd);
    e.selecting = true;
    ScrollToCaret(e);
    Redraw(e);
}

void OnMouseMove(Edit& e, POINT pt)
{
    if (!e.selecting || GetCapture() != e.hwnd)
        return;
    const int pos = PositionFromPoint(e, pt);
    if (pos == e.text.Caret())
        return;
    e.text.SetSelection(e.text.Anchor(), pos);
    ScrollToCaret(e);
    Redraw(e);
}

void OnButtonUp(Edit& e)
{
    if (!e.selecting)
        return;
    e.selecting = false;
    if (GetCapture() == e.hwnd)
        ReleaseCapture();
}

void OnDoubleClick(Edit& e, POINT pt)
{
    if (e.Password())
    {
        e.text.SelectAll();
    }
    else
    {
        const auto [first, last] = e.text.WordAt(PositionFromPoint(e, pt));
        e.text.SetSelection(first, last);
    }
    ScrollToCaret(e);
    Redraw(e);
}

} // namespace platform::edit
