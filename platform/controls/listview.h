// The list view's state and the functions its files share.
//
// listview.cpp decodes messages; listview_items.cpp keeps items, columns, the label index,
// finding and sorting; listview_state.cpp changes item states and sends the notifications that
// go with them; listview_view.cpp lays out, scrolls, hit-tests and paints; listview_input.cpp
// turns mouse and keyboard input into selection.
#pragma once
#include <commctrl.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace platform::listview
{

// Every row and the header are one text row high, so that each row of the list is one row of
// the text renderer and pixel positions stay exact multiples of the row height.
constexpr int kRowHeight = 13;
constexpr int kHeaderHeight = 13;
constexpr int kCharWidth = 6;
// A cell's text starts one character into its column and stops one character short of the
// next column: a blank (or a grid line) between columns, and room before each text for the
// marks the text renderer puts beside selected and focused text.
constexpr int kTextIndent = 6;
constexpr int kColumnGap = 6;
// Rows scrolled per notch of the mouse wheel, Windows' default.
constexpr int kWheelRows = 3;

struct SubItem
{
    std::string text;
    bool callback = false; // LPSTR_TEXTCALLBACK: the parent supplies the text on demand
};

struct Item
{
    // The label is a member of its own so that it never moves while the item lives.
    std::string label;
    bool labelCallback = false;
    // Sub-item n (n >= 1) is subItems[n - 1]; missing ones are empty.
    std::vector<SubItem> subItems;
    LPARAM param = 0;
    UINT state = 0;
    int image = 0;
    int indent = 0;
    // Position in ListView::items, kept current by every insertion, deletion and sort.
    int index = 0;
    // Position in its bucket of the label index.
    size_t slot = 0;
};

struct Column
{
    std::string text;
    int width = 0;
    int fmt = LVCFMT_LEFT;
    int subItem = 0;
    int image = 0;
    int order = 0;
};

// The labels in the form that LVFI_STRING compares: case folded as lstrcmpiA folds.
std::string Fold(std::string_view text);

// Folded label -> the items that carry it, so that an exact LVM_FINDITEM looks at the items
// with that label only instead of scanning the list.
class LabelIndex
{
public:
    void Add(Item* item);
    void Remove(Item* item);
    void Clear() { buckets.clear(); }
    // The items whose label folds to `folded`, in no particular order; null when none.
    const std::vector<Item*>* Find(const std::string& folded) const;

private:
    std::unordered_map<std::string, std::vector<Item*>> buckets;
};

struct ListView
{
    HWND hwnd = nullptr;
    HWND header = nullptr;
    // Notifications go to the parent the control was created with, as on Windows.
    HWND notify = nullptr;

    std::vector<std::unique_ptr<Item>> items;
    LabelIndex labels;
    // Items whose label comes from the parent cannot be indexed; while any exist, finding by
    // string scans.
    int callbackLabels = 0;
    std::vector<Column> columns;

    int selectedCount = 0;
    Item* focus = nullptr;
    // The selection mark: where a shift-click or shift-arrow range starts.
    Item* mark = nullptr;

    // The first visible row and the horizontal scroll offset in pixels.
    int top = 0;
    int scrollX = 0;
    int wheelRemainder = 0;

    DWORD exStyle = 0;
    COLORREF bkColor = 0;
    COLORREF textColor = 0;
    COLORREF textBkColor = 0;
    UINT callbackMask = 0;
    HANDLE imageLists[3] = {};
    HFONT font = nullptr;
    bool hasFocus = false;
    bool inLayout = false;
    // Set by WM_DESTROY: code that sent a notification stops when the parent destroyed us.
    bool destroyed = false;
    // Window procedure frames using this object; WM_NCDESTROY inside one of them leaves the
    // freeing to the outermost.
    int depth = 0;
    bool dead = false;
    // Counts item removals, so that code holding an Item* across a notification can tell
    // whether the parent deleted items meanwhile.
    std::uint64_t removals = 0;

    // Mouse: the left button went down on the control and has not come up yet.
    bool leftDown = false;
    bool rightDown = false;
    LVHITTESTINFO press{};
    UINT pressKeys = 0;
    // A plain click on an already selected row deselects the others only when the button comes
    // up, so that a drag could still take the whole selection along.
    Item* pendingSelect = nullptr;

    // Incremental search by typing.
    std::string search;
    DWORD lastSearchTime = 0;

    DWORD Style() const { return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)); }
    int Count() const { return static_cast<int>(items.size()); }
    Item* At(int index) const
    {
        return index >= 0 && index < Count() ? items[static_cast<size_t>(index)].get() : nullptr;
    }
    int IndexOf(const Item* item) const { return item ? item->index : -1; }
    // True when the parent destroyed the control or deleted items since `since` was taken.
    bool Disturbed(std::uint64_t since) const { return destroyed || removals != since; }
};

// ---- listview_items.cpp ----
// Gives the item a new label (or a callback one), keeping the label index right.
void ReplaceLabel(ListView& lv, Item& item, LPCSTR text);
int InsertItem(ListView& lv, const LVITEMA& item);
BOOL SetItem(ListView& lv, const LVITEMA& item);
BOOL SetItemText(ListView& lv, int index, const LVITEMA& item);
BOOL GetItem(ListView& lv, LVITEMA& item);
int GetItemText(ListView& lv, int index, LVITEMA& item);
// The text of a cell, asking the parent for callback texts.
std::string CellText(ListView& lv, const Item& item, int subItem);
BOOL DeleteItem(ListView& lv, int index);
BOOL DeleteAllItems(ListView& lv, bool destroying);
int FindItem(ListView& lv, int start, const LVFINDINFOA& find);
BOOL SortItems(ListView& lv, PFNLVCOMPARE compare, LPARAM data, bool byIndex);
int InsertColumn(ListView& lv, int index, const LVCOLUMNA& column);
BOOL DeleteColumn(ListView& lv, int index);
BOOL GetColumn(const ListView& lv, int index, LVCOLUMNA& column);
BOOL SetColumn(ListView& lv, int index, const LVCOLUMNA& column);
BOOL SetColumnWidth(ListView& lv, int index, int width);
// The header changed a column's width (the user dragged a divider, or the list asked it to).
void ColumnWidthChanged(ListView& lv, int index, int width);

// ---- listview_state.cpp ----
// Changes the item itself (sub-item 0) as LVM_SETITEM asks, with LVN_ITEMCHANGING before and
// LVN_ITEMCHANGED after; false when the parent refused or the item went away meanwhile.
bool SetMainItem(ListView& lv, Item& item, const LVITEMA& change);
LRESULT Notify(ListView& lv, UINT code, NMHDR& header);
LRESULT NotifyItem(ListView& lv, UINT code, int index, int subItem, LPARAM param);
// Sends the click-like notifications (NM_CLICK, NM_DBLCLK, NM_RCLICK, LVN_ITEMACTIVATE).
LRESULT NotifyActivate(ListView& lv, UINT code, const LVHITTESTINFO& hit, UINT keys);
// Changes the bits of `mask` to those of `state`, with LVN_ITEMCHANGING and LVN_ITEMCHANGED;
// false when the parent refused or nothing changed.
bool ChangeState(ListView& lv, Item& item, UINT state, UINT mask);
BOOL SetItemState(ListView& lv, int index, UINT state, UINT mask);
int GetNextItem(const ListView& lv, int start, UINT flags);
// Deselects every item but `keep`, each with its own notifications.
void DeselectAll(ListView& lv, const Item* keep);
// Moves the focus to item (null: no item has it).
void SetFocusItem(ListView& lv, Item* item);
// What a plain click or arrow key does: only this item is selected, it has the focus and it is
// where the next range starts.
void SelectOnly(ListView& lv, Item& item);
// What shift does: the items from the mark to this one are selected (the others deselected
// unless keepOthers), and this one gets the focus.
void SelectRange(ListView& lv, Item& item, bool keepOthers);

// ---- listview_view.cpp ----
int HeaderHeight(const ListView& lv);
int CountPerPage(const ListView& lv);
int ColumnsWidth(const ListView& lv);
int ColumnLeft(const ListView& lv, int column);
// Shows or hides the scroll bars, keeps the top row and offset in range and places the header.
void Layout(ListView& lv);
void Invalidate(ListView& lv);
void SetTop(ListView& lv, int top);
void SetScrollX(ListView& lv, int x);
BOOL EnsureVisible(ListView& lv, int index, bool partialOk);
BOOL Scroll(ListView& lv, int dx, int dy);
BOOL GetItemRect(const ListView& lv, int index, RECT& rect);
BOOL GetSubItemRect(const ListView& lv, int index, RECT& rect);
int HitTest(const ListView& lv, LVHITTESTINFO& hit, bool subItems);
int StringWidth(LPCSTR text);
void Paint(ListView& lv, HDC hdc);
LRESULT OnVScroll(ListView& lv, WPARAM wParam);
LRESULT OnHScroll(ListView& lv, WPARAM wParam);
LRESULT OnNcHitTest(ListView& lv, WPARAM wParam, LPARAM lParam);
LRESULT OnNcLButtonDown(ListView& lv, WPARAM wParam, LPARAM lParam);

// ---- listview_input.cpp ----
void OnLButtonDown(ListView& lv, WPARAM keys, POINT pt);
void OnLButtonUp(ListView& lv);
void OnLButtonDblClk(ListView& lv, WPARAM keys, POINT pt);
void OnRButtonDown(ListView& lv, WPARAM keys, POINT pt);
void OnRButtonUp(ListView& lv, POINT pt);
void OnCaptureChanged(ListView& lv);
void OnKeyDown(ListView& lv, WPARAM vk, LPARAM flags);
void OnChar(ListView& lv, WPARAM ch);
void OnMouseWheel(ListView& lv, WPARAM wParam);

} // namespace platform::listview
