// The "Edit" window class: single-line and multi-line text entry with selection, clipboard,
// single-level undo and the EN_ notifications.
//
// The text lives in the control (WM_SETTEXT and WM_GETTEXT never reach DefWindowProcA), and the
// plain text logic is EditText (edit_text.cpp). This file decodes messages and carries out the
// ones that code sends; edit_input.cpp handles the user's keys and mouse, edit_view.cpp the
// scrolling and painting.
//
// Does not do: EM_GETHANDLE / EM_SETHANDLE, EM_SETMARGINS (the margins are always zero),
// EM_SETTABSTOPS, EM_FMTLINES, EM_SETWORDBREAKPROC, EM_SCROLL, EM_SETRECT, cue banners, IME
// messages, the context menu, scroll bars that move (WS_HSCROLL and WS_VSCROLL only reserve
// their space), EN_HSCROLL / EN_VSCROLL / EN_ERRSPACE, or the caret of the Win32 caret
// functions (the caret is drawn into the control, see edit_view.cpp). Multi-line edits in a
// dialog leave Tab, Escape and Enter (without ES_WANTRETURN) to the dialog manager by not
// claiming them in WM_GETDLGCODE, rather than claiming every key and passing those on.

#include "controls/control_util.h"
#include "controls/edit.h"
#include "user/window.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace platform::edit
{
namespace
{

Edit* EditOf(HWND hwnd)
{
    return reinterpret_cast<Edit*>(GetWindowLongPtrA(hwnd, 0));
}

// ES_UPPERCASE and ES_LOWERCASE apply to everything that goes into the control.
void ApplyCase(const Edit& e, std::string& value)
{
    const DWORD style = e.Style();
    if (style & ES_UPPERCASE)
        std::transform(value.begin(), value.end(), value.begin(), [](char c) {
            return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        });
    else if (style & ES_LOWERCASE)
        std::transform(value.begin(), value.end(), value.begin(), [](char c) {
            return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        });
}

// How much of value may go in place of the selection: the character limit always, and for
// what the user types or pastes also the room on screen of edits without ES_AUTOHSCROLL
// (single-line: the client area's width) or ES_AUTOVSCROLL (multi-line: its visible lines).
size_t Room(const Edit& e, const std::string& value, Source source)
{
    const long long kept = e.text.Length() - (e.text.SelectionEnd() - e.text.SelectionStart());
    long long room = std::max<long long>(0, static_cast<long long>(e.limit) - kept);
    size_t count =
        std::min<size_t>(value.size(), static_cast<size_t>(std::min<long long>(room, 0x7FFFFFFF)));
    if (source == Source::Replace)
        return count;
    const DWORD style = e.Style();
    if (!e.multiline && !(style & ES_AUTOHSCROLL))
    {
        const long long fits = FittingColumns(e) - kept;
        count = std::min<size_t>(count, static_cast<size_t>(std::max<long long>(0, fits)));
    }
    else if (e.multiline && !(style & ES_AUTOVSCROLL))
    {
        const std::string& text = e.text.Text();
        const std::string before = text.substr(0, static_cast<size_t>(e.text.SelectionStart()));
        const std::string after = text.substr(static_cast<size_t>(e.text.SelectionEnd()));
        const int lines = std::max(1, VisibleLines(e));
        const int wrap = WrapColumns(e);
        while (count > 0 &&
               EditText::CountLines(before + value.substr(0, count) + after, true, wrap) > lines)
            --count;
    }
    return count;
}

LRESULT GetText(const Edit& e, WPARAM size, LPARAM buffer)
{
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0)
        return 0;
    const size_t count = std::min<size_t>(e.text.Text().size(), size - 1);
    std::memcpy(out, e.text.Text().data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT SetText(Edit& e, LPARAM value)
{
    std::string text = value ? reinterpret_cast<const char*>(value) : "";
    ApplyCase(e, text);
    e.text.SetText(text);
    e.modified = false;
    e.firstColumn = 0;
    e.firstLine = 0;
    ScrollToCaret(e);
    Redraw(e);
    // A multi-line edit sends no notifications for text set by WM_SETTEXT.
    if (!e.multiline && Notify(e, EN_UPDATE))
        Notify(e, EN_CHANGE);
    return TRUE;
}

LRESULT GetSelection(const Edit& e, WPARAM start, LPARAM end)
{
    const DWORD first = static_cast<DWORD>(e.text.SelectionStart());
    const DWORD last = static_cast<DWORD>(e.text.SelectionEnd());
    if (auto* p = reinterpret_cast<DWORD*>(start))
        *p = first;
    if (auto* p = reinterpret_cast<DWORD*>(end))
        *p = last;
    if (first > 0xFFFF || last > 0xFFFF)
        return -1;
    return MAKELRESULT(first, last);
}

void SetSelection(Edit& e, WPARAM wParam, LPARAM lParam)
{
    // Both ends are treated as unsigned, so any negative end means the end of the text; a
    // start of -1 removes the selection and leaves the caret where it was.
    const int length = e.text.Length();
    const DWORD start = static_cast<DWORD>(wParam);
    const DWORD end = static_cast<DWORD>(lParam);
    if (start == 0xFFFFFFFF)
        e.text.SetSelection(e.text.Caret(), e.text.Caret());
    else
        e.text.SetSelection(static_cast<int>(std::min<DWORD>(start, static_cast<DWORD>(length))),
                            static_cast<int>(std::min<DWORD>(end, static_cast<DWORD>(length))));
    ScrollToCaret(e);
    Redraw(e);
}

int LineOfIndex(const Edit& e, WPARAM index)
{
    if (static_cast<int>(index) == -1)
        return e.text.LineFromChar(e.text.Caret());
    return static_cast<int>(std::min<WPARAM>(index, 0x7FFFFFFF));
}

LRESULT LineIndex(const Edit& e, WPARAM line)
{
    const int n = LineOfIndex(e, line);
    if (!e.multiline)
        return n == 0 ? 0 : -1;
    return n < e.text.LineCount() ? e.text.Line(n).start : -1;
}

LRESULT LineLength(const Edit& e, WPARAM index)
{
    if (!e.multiline)
        return e.text.Length();
    if (static_cast<int>(index) == -1)
    {
        // The characters of the lines that the selection touches, less the selected ones.
        const int start = e.text.SelectionStart();
        const int end = e.text.SelectionEnd();
        const EditLine& first = e.text.Line(e.text.LineFromChar(start));
        const EditLine& last = e.text.Line(e.text.LineFromChar(end));
        return (start - first.start) + std::max(0, last.start + last.length - end);
    }
    const int pos = static_cast<int>(std::min<WPARAM>(index, static_cast<WPARAM>(e.text.Length())));
    return e.text.Line(e.text.LineFromChar(pos)).length;
}

LRESULT LineFromChar(const Edit& e, WPARAM index)
{
    if (!e.multiline)
        return 0;
    if (static_cast<int>(index) == -1)
        return e.text.LineFromChar(e.text.SelectionStart());
    return e.text.LineFromChar(
        static_cast<int>(std::min<WPARAM>(index, static_cast<WPARAM>(e.text.Length()))));
}

LRESULT GetLine(const Edit& e, WPARAM line, LPARAM buffer)
{
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out)
        return 0;
    // The buffer's first WORD holds its size in characters; the line is copied without a
    // terminating zero.
    WORD size;
    std::memcpy(&size, out, sizeof(size));
    const int n = e.multiline ? static_cast<int>(std::min<WPARAM>(line, 0x7FFFFFFF)) : 0;
    if (n >= e.text.LineCount())
        return 0;
    const std::string_view text = e.text.LineText(n);
    const size_t count = std::min<size_t>(text.size(), size);
    std::memcpy(out, text.data(), count);
    return static_cast<LRESULT>(count);
}

void SetLimit(Edit& e, WPARAM limit)
{
    if (limit == 0)
        e.limit = e.multiline ? MaxMultiLineLimit : MaxSingleLineLimit;
    else
        e.limit = e.multiline ? static_cast<DWORD>(std::min<WPARAM>(limit, MaxMultiLineLimit))
                              : static_cast<DWORD>(std::min<WPARAM>(limit, MaxSingleLineLimit));
}

void SetStyleBit(Edit& e, DWORD bit, bool on)
{
    const DWORD style = e.Style();
    const DWORD updated = on ? (style | bit) : (style & ~bit);
    if (updated != style)
        SetWindowLongA(e.hwnd, GWL_STYLE, static_cast<LONG>(updated));
}

// A password character of 0 shows the text as it is, by taking away ES_PASSWORD.
void SetPasswordChar(Edit& e, WPARAM ch)
{
    if (e.multiline)
        return;
    if (ch)
        e.passwordChar = static_cast<char>(ch);
    SetStyleBit(e, ES_PASSWORD, ch != 0);
    Redraw(e);
}

LRESULT LineScroll(Edit& e, WPARAM columns, LPARAM lines)
{
    if (!e.multiline)
        return FALSE;
    const int maxLine = std::max(0, e.text.LineCount() - 1);
    e.firstLine = std::clamp(e.firstLine + static_cast<int>(lines), 0, maxLine);
    e.firstColumn = std::max(0, e.firstColumn + static_cast<int>(columns));
    Redraw(e);
    return TRUE;
}

LRESULT CharFromPos(const Edit& e, LPARAM lParam)
{
    const POINT pt{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
    const int pos = PositionFromPoint(e, pt);
    const int line = e.multiline ? e.text.LineFromChar(pos) : 0;
    return MAKELRESULT(pos, line);
}

LRESULT GetDialogCode(Edit& e, LPARAM lParam)
{
    LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg)
        e.dialogMode = true;
    if (!e.multiline)
        return code;
    code |= DLGC_WANTALLKEYS;
    if (msg && msg->message == WM_KEYDOWN)
    {
        // Tab and Escape move the focus and cancel the dialog; Enter presses the default
        // button unless the edit wants it for new lines.
        const WPARAM vk = msg->wParam;
        if (vk == VK_TAB || vk == VK_ESCAPE || (vk == VK_RETURN && !(e.Style() & ES_WANTRETURN)))
            code &= ~DLGC_WANTALLKEYS;
    }
    return code;
}

LRESULT OnCreate(Edit& e, const CREATESTRUCTA* cs)
{
    e.multiline = (cs->style & ES_MULTILINE) != 0;
    e.parent = cs->hwndParent;
    UpdateLayout(e);
    if (cs->lpszName && !IS_INTRESOURCE(cs->lpszName))
    {
        std::string text = cs->lpszName;
        ApplyCase(e, text);
        e.text.SetText(text);
    }
    return 0;
}

void OnStyleChanged(Edit& e, WPARAM which, const STYLESTRUCT* change)
{
    if (static_cast<int>(which) != GWL_STYLE || !change)
        return;
    // Whether lines wrap depends on ES_AUTOHSCROLL.
    UpdateLayout(e);
    Redraw(e);
}

void OnFocus(Edit& e, bool gained)
{
    e.focused = gained;
    if (!gained && e.selecting)
    {
        e.selecting = false;
        if (GetCapture() == e.hwnd)
            ReleaseCapture();
    }
    Redraw(e);
    Notify(e, gained ? EN_SETFOCUS : EN_KILLFOCUS);
}

void OnPaint(Edit& e)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(e.hwnd, &ps);
    if (dc)
        Paint(e, dc);
    EndPaint(e.hwnd, &ps);
}

LRESULT Dispatch(Edit& e, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CREATE:
        return OnCreate(e, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_SETTEXT:
        return SetText(e, lParam);
    case WM_GETTEXT:
        return GetText(e, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return e.text.Length();
    case WM_SETFONT:
        e.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Redraw(e);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(e.font);
    case WM_GETDLGCODE:
        return GetDialogCode(e, lParam);
    case WM_SETFOCUS:
        OnFocus(e, true);
        return 0;
    case WM_KILLFOCUS:
        OnFocus(e, false);
        return 0;
    case WM_ENABLE:
        Redraw(e);
        return 0;
    case WM_SIZE:
        UpdateLayout(e);
        ScrollToCaret(e);
        Redraw(e);
        return 0;
    case WM_STYLECHANGED:
        OnStyleChanged(e, wParam, reinterpret_cast<const STYLESTRUCT*>(lParam));
        return 0;
    case WM_PAINT:
        OnPaint(e);
        return 0;
    case WM_PRINTCLIENT:
        Paint(e, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        // Paint fills the background with the brush of WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC.
        return 1;
    case WM_CHAR:
        return OnChar(e, static_cast<char>(wParam));
    case WM_KEYDOWN:
        if (OnKeyDown(e, static_cast<UINT>(wParam)))
            return 1;
        return DefWindowProcA(e.hwnd, msg, wParam, lParam);
    case WM_SYSKEYDOWN:
        // Alt+Backspace is the old undo key.
        if (wParam == VK_BACK && (HIWORD(lParam) & KF_ALTDOWN))
        {
            if (!e.ReadOnly())
                UndoChange(e);
            return 0;
        }
        return DefWindowProcA(e.hwnd, msg, wParam, lParam);
    case WM_LBUTTONDOWN:
        OnButtonDown(e, PointOf(lParam), (wParam & MK_SHIFT) != 0);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(e, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(e);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(e, PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        e.selecting = false;
        return 0;
    case WM_CUT:
        Cut(e);
        return 0;
    case WM_COPY:
        Copy(e);
        return 0;
    case WM_PASTE:
        Paste(e);
        return 0;
    case WM_CLEAR:
        if (!e.ReadOnly())
            ClearSelection(e);
        return 0;
    case WM_UNDO:
    case EM_UNDO:
        return e.ReadOnly() ? FALSE : UndoChange(e);
    case EM_GETSEL:
        return GetSelection(e, wParam, lParam);
    case EM_SETSEL:
        SetSelection(e, wParam, lParam);
        return 0;
    case EM_REPLACESEL: {
        const char* value = reinterpret_cast<const char*>(lParam);
        Insert(e, value ? value : "", Source::Replace, wParam != 0);
        return 0;
    }
    case EM_LIMITTEXT:
        SetLimit(e, wParam);
        return 0;
    case EM_GETLIMITTEXT:
        return static_cast<LRESULT>(e.limit);
    case EM_GETLINE:
        return GetLine(e, wParam, lParam);
    case EM_GETLINECOUNT:
        return e.multiline ? e.text.LineCount() : 1;
    case EM_LINEINDEX:
        return LineIndex(e, wParam);
    case EM_LINELENGTH:
        return LineLength(e, wParam);
    case EM_LINEFROMCHAR:
        return LineFromChar(e, wParam);
    case EM_GETMODIFY:
        return e.modified ? TRUE : FALSE;
    case EM_SETMODIFY:
        e.modified = wParam != 0;
        return 0;
    case EM_CANUNDO:
        return e.text.CanUndo() ? TRUE : FALSE;
    case EM_EMPTYUNDOBUFFER:
        e.text.EmptyUndo();
        return 0;
    case EM_SETREADONLY:
        SetStyleBit(e, ES_READONLY, wParam != 0);
        Redraw(e);
        return TRUE;
    case EM_SCROLLCARET:
        ScrollToCaret(e);
        Redraw(e);
        return TRUE;
    case EM_GETFIRSTVISIBLELINE:
        return e.multiline ? e.firstLine : e.firstColumn;
    case EM_LINESCROLL:
        return LineScroll(e, wParam, lParam);
    case EM_SETPASSWORDCHAR:
        SetPasswordChar(e, wParam);
        return 0;
    case EM_GETPASSWORDCHAR:
        return e.Password() ? static_cast<unsigned char>(e.passwordChar) : 0;
    case EM_GETRECT:
        if (auto* r = reinterpret_cast<RECT*>(lParam))
            GetClientRect(e.hwnd, r);
        return 0;
    case EM_POSFROMCHAR:
        return PositionOfChar(e, static_cast<int>(std::min<WPARAM>(wParam, 0x7FFFFFFF)));
    case EM_CHARFROMPOS:
        return CharFromPos(e, lParam);
    }
    return DefWindowProcA(e.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK EditWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Edit* e = EditOf(hwnd);
    if (!e)
    {
        if (msg != WM_NCCREATE)
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        e = new Edit;
        e->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(e));
        // The window manager's copy of the title stays empty: the text belongs to the control.
        CREATESTRUCTA cs = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
        cs.lpszName = nullptr;
        return DefWindowProcA(hwnd, msg, wParam, reinterpret_cast<LPARAM>(&cs));
    }
    ++e->depth;
    LRESULT result;
    if (msg == WM_NCDESTROY)
    {
        e->destroyed = true;
        SetWindowLongPtrA(hwnd, 0, 0);
        result = DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    else
    {
        result = Dispatch(*e, msg, wParam, lParam);
    }
    if (--e->depth == 0 && e->destroyed)
        delete e;
    return result;
}

SystemClass editClass({"Edit", CS_DBLCLKS | CS_PARENTDC | CS_GLOBALCLASS, EditWndProc,
                       sizeof(LONG_PTR), IDC_IBEAM, -1});

} // namespace

bool Notify(Edit& e, WORD code)
{
    if (e.destroyed)
        return false;
    if (e.parent && IsWindow(e.parent))
    {
        const WORD id = static_cast<WORD>(GetWindowLongPtrA(e.hwnd, GWLP_ID));
        SendMessageA(e.parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(e.hwnd));
    }
    return !e.destroyed;
}

void Changed(Edit& e)
{
    ScrollToCaret(e);
    Redraw(e);
    if (Notify(e, EN_UPDATE))
        Notify(e, EN_CHANGE);
}

void Insert(Edit& e, std::string value, Source source, bool canUndo)
{
    if (source == Source::Paste && !e.multiline)
    {
        const size_t end = value.find_first_of("\r\n");
        if (end != std::string::npos)
            value.resize(end);
    }
    ApplyCase(e, value);
    const size_t room = Room(e, value, source);
    const bool truncated = room < value.size();
    value.resize(room);
    if (truncated && !Notify(e, EN_MAXTEXT))
        return;
    // What the user types or pastes in vain leaves the selection alone; EM_REPLACESEL replaces
    // it (and notifies) whatever is left of the new text.
    if (source != Source::Replace && (value.empty() && (truncated || !e.text.HasSelection())))
        return;
    e.text.ReplaceSelection(value, canUndo);
    e.modified = true;
    Changed(e);
}

void ClearSelection(Edit& e)
{
    if (!e.text.HasSelection())
        return;
    e.text.ReplaceSelection("", true);
    e.modified = true;
    Changed(e);
}

void Copy(Edit& e)
{
    // A password never leaves the control.
    if (e.Password() || !e.text.HasSelection())
        return;
    const std::string selected = e.text.SelectedText();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, selected.size() + 1);
    if (!mem)
        return;
    auto* data = static_cast<char*>(GlobalLock(mem));
    std::memcpy(data, selected.c_str(), selected.size() + 1);
    GlobalUnlock(mem);
    if (!OpenClipboard(e.hwnd))
    {
        GlobalFree(mem);
        return;
    }
    EmptyClipboard();
    if (!SetClipboardData(CF_TEXT, mem))
        GlobalFree(mem);
    CloseClipboard();
}

void Cut(Edit& e)
{
    if (e.Password())
        return;
    Copy(e);
    if (!e.ReadOnly())
        ClearSelection(e);
}

void Paste(Edit& e)
{
    if (e.ReadOnly() || !IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(e.hwnd))
        return;
    std::string value;
    if (HANDLE mem = GetClipboardData(CF_TEXT))
    {
        if (const auto* data = static_cast<const char*>(GlobalLock(mem)))
        {
            value = data;
            GlobalUnlock(mem);
        }
    }
    CloseClipboard();
    Insert(e, std::move(value), Source::Paste, true);
}

bool UndoChange(Edit& e)
{
    if (!e.text.Undo())
        return e.multiline ? false : true;
    e.modified = true;
    Changed(e);
    return true;
}

} // namespace platform::edit
