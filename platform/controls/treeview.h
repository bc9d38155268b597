// What the files of the tree view share: its items, its state, and the operations that one part
// (messages, input, drawing) asks of another.
#pragma once
#include <commctrl.h>

#include <string>
#include <unordered_set>
#include <vector>

namespace platform::treeview
{

// An item. Its address is the HTREEITEM that programs see, so it never moves while it lives.
struct Item
{
    Item* parent = nullptr; // the hidden root for top-level items
    Item* firstChild = nullptr;
    Item* lastChild = nullptr;
    Item* prev = nullptr;
    Item* next = nullptr;

    std::string text;
    bool textCallback = false; // LPSTR_TEXTCALLBACK: the parent supplies the text
    UINT state = 0;
    int image = 0;
    int selectedImage = 0;
    // cChildren as a program set it; until then the item has children when it has items below.
    bool childrenSet = false;
    int children = 0;
    LPARAM lParam = 0;
    int integral = 1;

    // The item's row among the rows that expansion shows, or -1; valid after Layout().
    int row = -1;
    int level = 0;
    // TVN_DELETEITEM is on its way for this item; a second deletion must not free it again.
    bool deleting = false;
};

struct Tree
{
    HWND hwnd = nullptr;
    // Where notifications go: the parent the control was created with, as on Windows.
    HWND notify = nullptr;
    HFONT font = nullptr;
    bool focused = false;

    Item root;
    std::unordered_set<Item*> items;
    Item* caret = nullptr;
    Item* dropHilite = nullptr;

    // Rows shown when the view is not scrolled: every item whose ancestors are all expanded.
    std::vector<Item*> rows;
    bool layoutDirty = true;
    int topRow = 0;

    // The window procedure is running this many times over; destruction waits for it.
    int depth = 0;
    bool dead = false;
    // Set while the window is being destroyed: deletions no longer move the selection.
    bool destroying = false;
};

// Geometry in pixels. Every row is one text line high and each level is indented by three
// characters, so that the text renderer shows the tree's lines and buttons cell for cell.
constexpr int RowHeight = 13;
constexpr int CharWidth = 6;
constexpr int IndentColumns = 3;
constexpr int Indent = IndentColumns * CharWidth;

// ---- Items (treeview_items.cpp) ----

Item* FromHandle(const Tree& t, HTREEITEM handle);
inline HTREEITEM HandleOf(Item* item)
{
    return reinterpret_cast<HTREEITEM>(item);
}
DWORD StyleOf(const Tree& t);
// Whether the item shows a button and can expand: cChildren when a program set it (asking the
// parent for I_CHILDRENCALLBACK), else whether it has items below it.
bool HasChildren(Tree& t, Item* item);
std::string TextOf(Tree& t, Item* item);
bool IsAncestor(const Item* ancestor, const Item* item);

HTREEITEM Insert(Tree& t, const TVINSERTSTRUCTA& insert);
// Deletes the item and everything below it (the whole tree for TVI_ROOT), telling the parent
// about each item, children first.
bool Delete(Tree& t, Item* item);
bool GetItem(Tree& t, TVITEMA& request);
bool SetItem(Tree& t, const TVITEMA& change);
HTREEITEM GetNext(Tree& t, UINT code, Item* item);
bool SortChildren(Tree& t, Item* parent, PFNTVCOMPARE compare, LPARAM lParamSort);

// ---- Notifications (treeview.cpp) ----

LRESULT Notify(Tree& t, NMHDR& header, UINT code);
LRESULT NotifySimple(Tree& t, UINT code);
LRESULT NotifyTreeView(Tree& t, UINT code, UINT action, Item* oldItem, Item* newItem);

// ---- Selection and expansion (treeview_select.cpp) ----

// Expands, collapses or toggles. A user's request always notifies the parent; a program's only
// until the item has been expanded once, as Windows does.
bool Expand(Tree& t, Item* item, UINT code, bool byUser);
bool Select(Tree& t, UINT code, Item* item, UINT action);
// Moves the selection (TVGN_CARET). A forced move ignores the parent's veto: the selected item
// is being deleted.
bool SelectCaret(Tree& t, Item* item, UINT action, bool force);
// Frees every item without notifications, when the window is gone.
void FreeAll(Tree& t);
bool EnsureVisible(Tree& t, Item* item);

// ---- The view (treeview_view.cpp) ----

void Layout(Tree& t);
void Invalidate(Tree& t);
int PageRows(const Tree& t);
void ScrollTo(Tree& t, int topRow);
// Shows or hides the vertical scroll bar as the rows need it.
void UpdateScrollBar(Tree& t);
// The cell column where an item's button or connector starts, and where its text starts.
int SlotColumn(const Tree& t, const Item* item);
int TextColumn(const Tree& t, const Item* item);
bool ItemRect(Tree& t, Item* item, bool textOnly, RECT& rect);
HTREEITEM HitTest(Tree& t, TVHITTESTINFO& info);
void Paint(Tree& t, HDC hdc);

// ---- Input (treeview_input.cpp) ----

void OnLButtonDown(Tree& t, POINT pt);
void OnLButtonDblClk(Tree& t, POINT pt);
void OnRButtonDown(Tree& t, POINT pt);
void OnKeyDown(Tree& t, WPARAM vk, LPARAM flags);
void OnChar(Tree& t, WPARAM ch);
void OnVScroll(Tree& t, int code, int position);
void OnMouseWheel(Tree& t, int delta);
LRESULT OnNcHitTest(Tree& t, POINT screen);
void OnNcLButtonDown(Tree& t, WPARAM hit, POINT screen);

} // namespace platform::treeview
