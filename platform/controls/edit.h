// The "Edit" window class's state and the pieces that its window procedure calls, split over
// edit.cpp (messages), edit_input.cpp (keyboard and mouse) and edit_view.cpp (scrolling and
// painting).
#pragma once
#include <windows.h>

#include "controls/edit_text.h"

#include <string>
#include <string_view>

namespace platform::edit
{

// Before EM_LIMITTEXT, and the largest limits that a limit of 0 asks for.
constexpr DWORD DefaultLimit = 30000;
constexpr DWORD MaxSingleLineLimit = 0x7FFFFFFE;
constexpr DWORD MaxMultiLineLimit = 0xFFFFFFFF;

struct Edit
{
    HWND hwnd = nullptr;
    // Notifications go to the window that was the parent at creation, as on Windows.
    HWND parent = nullptr;
    EditText text;
    bool multiline = false;
    bool focused = false;
    // Set once the dialog manager has asked WM_GETDLGCODE about a message: Enter then belongs
    // to the dialog unless the edit has ES_WANTRETURN.
    bool dialogMode = false;
    bool modified = false;
    bool selecting = false; // the left button is down and the mouse extends the selection
    DWORD limit = DefaultLimit;
    // Shown for each character while the edit has ES_PASSWORD (single-line only).
    char passwordChar = '*';
    HFONT font = nullptr;
    // The view: the first visible character column and the first visible line.
    int firstColumn = 0;
    int firstLine = 0;
    // Frames of the window procedure running for this edit; the object is freed when the last
    // one returns after WM_NCDESTROY, so that a parent destroying the edit while handling a
    // notification does not pull the state from under the code that sent it.
    int depth = 0;
    bool destroyed = false;

    DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
    bool ReadOnly() const { return (Style() & ES_READONLY) != 0; }
    bool Password() const { return !multiline && (Style() & ES_PASSWORD); }
};

// How an insertion came about decides which limits apply and which notifications follow.
enum class Source
{
    Typing, // keyboard: all limits, notifications only when the text changed
    Paste,  // clipboard: all limits, single-line edits keep only the first line
    Replace // EM_REPLACESEL: only the character limit, and notifications in any case
};

// edit.cpp
bool Notify(Edit& e, WORD code); // false when the edit was destroyed meanwhile
void Changed(Edit& e);           // redraw, then EN_UPDATE and EN_CHANGE
void Insert(Edit& e, std::string value, Source source, bool canUndo);
void ClearSelection(Edit& e);
void Copy(Edit& e);
void Cut(Edit& e);
void Paste(Edit& e);
bool UndoChange(Edit& e);

// edit_input.cpp
LRESULT OnChar(Edit& e, char ch);
bool OnKeyDown(Edit& e, UINT vk); // false for keys the edit leaves to DefWindowProcA
void OnButtonDown(Edit& e, POINT pt, bool extend);
void OnMouseMove(Edit& e, POINT pt);
void OnButtonUp(Edit& e);
void OnDoubleClick(Edit& e, POINT pt);

// edit_view.cpp
int FittingColumns(const Edit& e); // characters that fit the client area's pixel width
int VisibleColumns(const Edit& e); // columns and lines of the client area on the renderer
int VisibleLines(const Edit& e);
int WrapColumns(const Edit& e); // 0 when lines do not wrap
void UpdateLayout(Edit& e);     // after a size or style change
void ScrollToCaret(Edit& e);
int PositionFromPoint(const Edit& e, POINT pt);
LRESULT PositionOfChar(const Edit& e, int pos); // EM_POSFROMCHAR
void Paint(Edit& e, HDC dc);
void Redraw(Edit& e);

} // namespace platform::edit
