// The "ComboBox" window class's state and the pieces that its window procedure calls, split over
// combobox.cpp (messages, text, focus, the edit field), combobox_dropdown.cpp (opening, choosing,
// closing, the keys and the mouse) and combobox_view.cpp (layout and painting).
//
// A combo box is three windows, as on Windows: the combo box itself, an "Edit" child for the
// text (CBS_SIMPLE and CBS_DROPDOWN) and a "ComboLBox" list that keeps the items and the
// selection: a pop-up shown below the combo box for CBS_DROPDOWN and CBS_DROPDOWNLIST, a child
// below the edit for CBS_SIMPLE. CB_ messages that concern the items go on to the list as the
// LB_ messages of the same meaning.
#pragma once
#include <windows.h>

#include <atomic>

namespace platform::combobox
{

// The selection field is an item's height plus two pixels; the closed combo box is six pixels
// taller than its field.
constexpr int DefaultFieldHeight = 15;
constexpr int FieldMargin = 6;
// The drop-down button is the last two cells of the closed line: "v]".
constexpr int ButtonWidth = 12;
// The ids Windows gives the parts.
constexpr int EditId = 1001;
constexpr int ListId = 1000;

struct Combo
{
    HWND hwnd = nullptr;
    HWND parent = nullptr; // notifications go to the parent at creation
    HWND edit = nullptr;
    HWND list = nullptr;
    WNDPROC editProc = nullptr; // the edit's own procedure, under the combo box's subclass
    DWORD kind = CBS_DROPDOWN;  // CBS_SIMPLE, CBS_DROPDOWN or CBS_DROPDOWNLIST
    int fieldHeight = DefaultFieldHeight;
    int droppedHeight = 0; // the height the combo box was given: down to the list's bottom
    int droppedWidth = 0;  // CB_SETDROPPEDWIDTH; the combo box's width when narrower
    int shownRows = 1;     // items the open list shows
    // Read by GetComboBoxInfo from other threads.
    std::atomic<bool> dropped{false};
    bool focused = false; // the focus is on the combo box or its edit
    bool extendedUI = false;
    // The selection when the list opened, or as last confirmed: what cancelling goes back to.
    int committed = -1;
    // Above zero while the combo box sets its edit's text itself: the edit's EN_UPDATE and
    // EN_CHANGE are then not the user's, and become no CBN_EDITUPDATE or CBN_EDITCHANGE.
    int quietEdit = 0;
    HFONT font = nullptr;
    // Frames of the window procedure; the object is freed when the last one returns after
    // WM_NCDESTROY.
    int depth = 0;
    bool destroyed = false;

    bool HasEdit() const { return kind != CBS_DROPDOWNLIST; }
    bool Simple() const { return kind == CBS_SIMPLE; }
    int ClosedHeight() const { return fieldHeight + FieldMargin; }
};

Combo* FromHandle(HWND hwnd);

// Keeps a combo box's state alive across calls that may destroy the window (notifications),
// for code that runs outside the combo box's own window procedure.
class KeepAlive
{
public:
    explicit KeepAlive(Combo& c) : combo(c) { ++combo.depth; }
    ~KeepAlive()
    {
        if (--combo.depth == 0 && combo.destroyed)
            delete &combo;
    }
    KeepAlive(const KeepAlive&) = delete;
    KeepAlive& operator=(const KeepAlive&) = delete;

private:
    Combo& combo;
};

// combobox.cpp
bool Notify(Combo& c, WORD code); // false when the combo box was destroyed meanwhile
LRESULT ToList(const Combo& c, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
int Selection(const Combo& c);
// Shows the selected item in the edit (without CBN_EDITCHANGE) or in the field.
void ShowSelection(Combo& c);
bool Contains(const Combo& c, HWND hwnd); // the combo box, its edit or its list

// combobox_dropdown.cpp
void DropDown(Combo& c, bool byMouse);
void Accept(Combo& c);            // closes, keeping what the list shows (CBN_SELENDOK)
void Cancel(Combo& c);            // closes, back to the confirmed selection (CBN_SELENDCANCEL)
void Choose(Combo& c, int index); // the user's choice: CBN_SELCHANGE, then the text follows
bool OnKey(Combo& c, UINT vk);    // false for keys the combo box leaves alone
bool OnSysKey(Combo& c, UINT vk); // Alt+Up, Alt+Down
void OnChar(Combo& c, char ch);   // drop-down lists: the next item starting with ch
void OnButtonDown(Combo& c, POINT pt);
// The edit's text changed by the user: the list follows it.
void TrackEditText(Combo& c);

// combobox_view.cpp
RECT FieldRect(const Combo& c);    // the edit or the drop-down list's text, client coordinates
RECT ButtonRect(const Combo& c);   // empty for CBS_SIMPLE
void Layout(Combo& c);             // places the edit (and the CBS_SIMPLE list)
void PlaceList(Combo& c);          // sizes and places the open list below (or above) the combo
RECT DroppedRect(const Combo& c);  // CB_GETDROPPEDCONTROLRECT, screen coordinates
int AvailableRows(const Combo& c); // items that fit between the closed line and the dropped height
void Paint(Combo& c, HDC dc);
void Redraw(Combo& c);

} // namespace platform::combobox
