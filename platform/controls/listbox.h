// The "ListBox" window class's state and the pieces that its window procedure calls, split over
// listbox.cpp (messages), listbox_items.cpp (items, finding, selection and notifications),
// listbox_input.cpp (mouse and keyboard) and listbox_view.cpp (geometry, scrolling, painting).
//
// The same code serves "ComboLBox", the list of a combo box: there the list never takes the
// focus, tells its combo box (not a parent) what the user chose, and is driven by the combo
// box's keyboard handling.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace platform::listbox
{

// The height of an item: one line of text, one row of the text renderer.
constexpr int DefaultItemHeight = 13;
// Item text starts this many pixels into the row, inside its first cell.
constexpr int TextIndent = 1;
// Rows scrolled by one notch of the mouse wheel.
constexpr int WheelRows = 3;
// Tab stops without LB_SETTABSTOPS, in dialog template units (a quarter of a character).
constexpr int DefaultTabStop = 32;

struct Item
{
    std::string text; // empty for owner-drawn lists without LBS_HASSTRINGS
    ULONG_PTR data = 0;
    bool selected = false; // multiple-selection lists only
};

struct ListBox
{
    HWND hwnd = nullptr;
    // Where notifications and owner-draw messages go: the parent at creation, as on Windows,
    // or the combo box that a "ComboLBox" belongs to.
    HWND owner = nullptr;
    HWND combo = nullptr;
    std::vector<Item> items;
    int selected = -1; // single-selection lists: the selected item, -1 for none
    int caret = 0;     // the item with the focus rectangle
    int anchor = -1;   // where shift-extended ranges start
    int top = 0;       // first visible item
    int itemHeight = DefaultItemHeight;
    int horizontalExtent = 0;
    int scrollX = 0;           // pixels scrolled sideways
    std::vector<int> tabStops; // LB_SETTABSTOPS, in dialog template units
    HFONT font = nullptr;
    DWORD locale = 0; // LB_SETLOCALE, kept and reported only
    bool focused = false;
    // The left button is held after a press in the list: moving the mouse moves the selection,
    // and the release ends it (LBN_SELCHANGE).
    bool tracking = false;
    // A combo box's list: it is shown and holds the capture; comboPressHeld says the press that
    // opened it has not been released yet.
    bool comboOpen = false;
    bool comboPressHeld = false;
    // The scroll bars the list was created with; they show only while there is something to
    // scroll to, unless LBS_DISABLENOSCROLL.
    bool wantsVScroll = false;
    bool wantsHScroll = false;
    // Frames of the window procedure running for this list; the object is freed when the last
    // one returns after WM_NCDESTROY, so that an owner destroying the list while handling a
    // notification does not pull the state from under the code that sent it.
    int depth = 0;
    bool destroyed = false;

    DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
    int Count() const { return static_cast<int>(items.size()); }
    bool Valid(int index) const { return index >= 0 && index < Count(); }
    bool NoSelection() const { return (Style() & LBS_NOSEL) != 0; }
    // LBS_NOSEL turns the multiple-selection styles off.
    bool Multiple() const
    {
        return !NoSelection() && (Style() & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL));
    }
    bool Extended() const { return !NoSelection() && (Style() & LBS_EXTENDEDSEL); }
    bool OwnerDraw() const { return (Style() & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE)) != 0; }
    bool HasStrings() const { return !OwnerDraw() || (Style() & LBS_HASSTRINGS); }
    bool Notifies() const { return (Style() & LBS_NOTIFY) != 0; }
    bool IsSelected(int index) const;
};

ListBox* FromHandle(HWND hwnd);

// listbox_items.cpp
bool Notify(ListBox& lb, WORD code); // false when the list was destroyed meanwhile
LRESULT AddItem(ListBox& lb, LPARAM value);
LRESULT InsertItem(ListBox& lb, int index, LPARAM value);
LRESULT DeleteItem(ListBox& lb, int index);
void ResetContent(ListBox& lb);
LRESULT FindItem(ListBox& lb, int start, LPARAM value, bool exact);
LRESULT GetItemText(const ListBox& lb, int index, LPARAM buffer);
LRESULT GetItemTextLength(const ListBox& lb, int index);
int SelectedCount(const ListBox& lb);
// Selection changes without notifications; each redraws and returns false when nothing changed.
bool SelectOnly(ListBox& lb, int index); // -1 deselects everything
bool SetItemSelected(ListBox& lb, int index, bool on);
bool SelectRange(ListBox& lb, int first, int last, bool on); // clamped to the items
void SetCaret(ListBox& lb, int index, bool scroll);

// listbox_input.cpp
void OnButtonDown(ListBox& lb, POINT pt, WPARAM keys);
void OnMouseMove(ListBox& lb, POINT pt);
void OnButtonUp(ListBox& lb, POINT pt);
void OnDoubleClick(ListBox& lb, POINT pt);
void OnKeyDown(ListBox& lb, UINT vk);
void OnChar(ListBox& lb, char ch);
void OnCaptureLost(ListBox& lb);
// The item that a navigation key leads to from the caret, or -1 for other keys.
int KeyTarget(const ListBox& lb, UINT vk);

// listbox_view.cpp
int PageSize(const ListBox& lb); // whole items visible on the text renderer, at least 1
RECT ItemRect(const ListBox& lb, int index);
bool IsItemVisible(const ListBox& lb, int index);
int ItemAt(const ListBox& lb, POINT pt); // nearest item to a client point, -1 when empty
LRESULT ItemFromPoint(const ListBox& lb, POINT pt);
bool SetTop(ListBox& lb, int index); // clamped; false when it did not move
void EnsureVisible(ListBox& lb, int index);
void SetHorizontalExtent(ListBox& lb, int extent);
void UpdateScrollBars(ListBox& lb); // after the items or the size change
void ApplyIntegralHeight(ListBox& lb);
void OnVScroll(ListBox& lb, WORD code, int position);
void OnHScroll(ListBox& lb, WORD code, int position);
void OnWheel(ListBox& lb, int delta);
LRESULT OnNcHitTest(ListBox& lb, WPARAM wParam, LPARAM lParam);
bool OnNcButtonDown(ListBox& lb, WPARAM hit, POINT screen);
void Paint(ListBox& lb, HDC dc);
void Redraw(ListBox& lb);

// For the combo box that owns a "ComboLBox": the list shows the selection and follows the
// mouse until the user chooses an item or presses outside. pressHeld: the press that opened
// the list is still down, so its release does not count as a choice.
void BeginComboTracking(HWND list, bool pressHeld);
void EndComboTracking(HWND list);

} // namespace platform::listbox

namespace platform::combobox
{

// What a combo box's list tells its combo box: the user released the mouse over an item, or
// pressed outside the list (or the list lost the capture), which cancels the drop-down.
void ListChose(HWND combo, int index);
void ListCancelled(HWND combo);

} // namespace platform::combobox
