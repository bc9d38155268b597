// The tree view's items: insertion (TVI_FIRST, TVI_LAST, TVI_SORT or after a sibling), deletion
// with TVN_DELETEITEM children first, TVM_GETITEM / TVM_SETITEM, TVM_GETNEXTITEM and sorting.
//
// Items are linked lists of siblings under a hidden root, so that an item's address can serve
// as its HTREEITEM and stepping to a sibling costs nothing. Handles are checked against the
// tree's own set of items, so a stale or foreign handle fails instead of being dereferenced.

#include "controls/treeview.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace platform::treeview
{
namespace
{

bool IsTextCallback(LPCSTR text)
{
    // A NULL text counts as LPSTR_TEXTCALLBACK, as it does on Windows.
    return text == nullptr || text == LPSTR_TEXTCALLBACKA;
}

void Link(Item* parent, Item* item, Item* after)
{
    item->parent = parent;
    item->prev = after;
    item->next = after ? after->next : parent->firstChild;
    if (item->next)
        item->next->prev = item;
    else
        parent->lastChild = item;
    if (after)
        after->next = item;
    else
        parent->firstChild = item;
}

void Unlink(Item* item)
{
    Item* parent = item->parent;
    if (item->prev)
        item->prev->next = item->next;
    else
        parent->firstChild = item->next;
    if (item->next)
        item->next->prev = item->prev;
    else
        parent->lastChild = item->prev;
    item->prev = item->next = nullptr;
}

// The sibling that a TVI_SORT insertion goes after: the last one whose text is not greater,
// compared without regard to case, so that equal texts keep the order of their insertion.
Item* SortedPlace(Tree& t, Item* parent, const std::string& text)
{
    Item* after = nullptr;
    for (Item* sibling = parent->firstChild; sibling; sibling = sibling->next)
    {
        if (lstrcmpiA(TextOf(t, sibling).c_str(), text.c_str()) > 0)
            break;
        after = sibling;
    }
    return after;
}

Item* PlaceAfter(Tree& t, Item* parent, HTREEITEM insertAfter, const std::string& text)
{
    if (insertAfter == TVI_FIRST)
        return nullptr;
    if (insertAfter == TVI_SORT)
        return SortedPlace(t, parent, text);
    if (insertAfter == TVI_LAST || insertAfter == TVI_ROOT || insertAfter == nullptr)
        return parent->lastChild;
    Item* sibling = FromHandle(t, insertAfter);
    // A handle that is not a child of this parent puts the item last.
    return sibling && sibling->parent == parent ? sibling : parent->lastChild;
}

void DeleteSilently(Tree& t, Item* item)
{
    while (Item* child = item->firstChild)
        DeleteSilently(t, child);
    Unlink(item);
    t.items.erase(item);
    delete item;
}

void FillDeleteInfo(Item* item, TVITEMA& info)
{
    info.mask = TVIF_HANDLE | TVIF_PARAM;
    info.hItem = HandleOf(item);
    info.lParam = item->lParam;
}

// Deletes an item's subtree, children first, telling the parent about each item before it goes.
// The structure is read afresh after every notification, since a parent may delete items too.
void DeleteSubtree(Tree& t, Item* item)
{
    item->deleting = true;
    while (Item* child = item->firstChild)
    {
        if (child->deleting)
            break;
        DeleteSubtree(t, child);
        // A handler that destroyed the control has freed every item already.
        if (t.dead)
            return;
    }
    NMTREEVIEWA nm{};
    FillDeleteInfo(item, nm.itemOld);
    Notify(t, nm.hdr, TVN_DELETEITEMA);
    if (t.dead)
        return;
    if (t.caret == item)
        t.caret = nullptr;
    if (t.dropHilite == item)
        t.dropHilite = nullptr;
    // Children that a handler added meanwhile go with their parent, without notifications.
    while (Item* child = item->firstChild)
    {
        child->deleting = true;
        DeleteSilently(t, child);
    }
    Unlink(item);
    t.items.erase(item);
    delete item;
}

// Where the selection goes when the selected item is deleted: the previous sibling, else the
// parent, else the next sibling.
Item* SelectionAfterDeleting(Tree& t, Item* item)
{
    if (item == &t.root)
        return nullptr;
    if (item->prev)
        return item->prev;
    if (item->parent != &t.root)
        return item->parent;
    return item->next;
}

int ChildrenValue(Tree& t, Item* item)
{
    if (item->childrenSet && item->children != I_CHILDRENAUTO)
        return item->children;
    return item->firstChild ? 1 : 0;
}

} // namespace

Item* FromHandle(const Tree& t, HTREEITEM handle)
{
    auto* item = reinterpret_cast<Item*>(handle);
    return t.items.count(item) ? item : nullptr;
}

DWORD StyleOf(const Tree& t)
{
    return static_cast<DWORD>(GetWindowLongA(t.hwnd, GWL_STYLE));
}

bool IsAncestor(const Item* ancestor, const Item* item)
{
    for (const Item* up = item ? item->parent : nullptr; up; up = up->parent)
    {
        if (up == ancestor)
            return true;
    }
    return false;
}

bool HasChildren(Tree& t, Item* item)
{
    if (!item->childrenSet || item->children == I_CHILDRENAUTO)
        return item->firstChild != nullptr;
    if (item->children != I_CHILDRENCALLBACK)
        return item->children != 0;
    NMTVDISPINFOA info{};
    info.item.mask = TVIF_CHILDREN;
    info.item.hItem = HandleOf(item);
    info.item.state = item->state;
    info.item.lParam = item->lParam;
    Notify(t, info.hdr, TVN_GETDISPINFOA);
    return info.item.cChildren != 0;
}

std::string TextOf(Tree& t, Item* item)
{
    if (!item->textCallback)
        return item->text;
    char buffer[MAX_PATH] = "";
    NMTVDISPINFOA info{};
    info.item.mask = TVIF_TEXT;
    info.item.hItem = HandleOf(item);
    info.item.state = item->state;
    info.item.lParam = item->lParam;
    info.item.pszText = buffer;
    info.item.cchTextMax = static_cast<int>(sizeof buffer);
    Notify(t, info.hdr, TVN_GETDISPINFOA);
    if (!t.items.count(item))
        return {};
    // The parent may answer with a pointer to its own text instead of filling the buffer.
    std::string text;
    if (info.item.pszText && info.item.pszText != LPSTR_TEXTCALLBACKA)
    {
        const char* p = info.item.pszText;
        const std::size_t limit = p == buffer ? sizeof buffer - 1 : std::size_t{MAX_PATH};
        text.assign(p, strnlen(p, limit));
    }
    if (info.item.mask & TVIF_DI_SETITEM)
    {
        item->text = text;
        item->textCallback = false;
    }
    return text;
}

HTREEITEM Insert(Tree& t, const TVINSERTSTRUCTA& insert)
{
    Item* parent = (insert.hParent == nullptr || insert.hParent == TVI_ROOT)
                       ? &t.root
                       : FromHandle(t, insert.hParent);
    if (!parent || parent->deleting)
        return nullptr;
    const TVITEMEXA& in = insert.itemex;
    auto* item = new Item;
    if (in.mask & TVIF_TEXT)
    {
        item->textCallback = IsTextCallback(in.pszText);
        if (!item->textCallback)
            item->text = in.pszText;
    }
    if (in.mask & TVIF_IMAGE)
        item->image = in.iImage;
    if (in.mask & TVIF_SELECTEDIMAGE)
        item->selectedImage = in.iSelectedImage;
    if (in.mask & TVIF_PARAM)
        item->lParam = in.lParam;
    if (in.mask & TVIF_STATE)
        item->state = in.state & in.stateMask & ~static_cast<UINT>(TVIS_SELECTED | TVIS_FOCUSED);
    if (in.mask & TVIF_CHILDREN)
    {
        item->childrenSet = true;
        item->children = in.cChildren;
    }
    if (in.mask & TVIF_INTEGRAL)
        item->integral = std::max(1, in.iIntegral);
    // TVI_SORT compares the text the item shows, so a callback item asks for its text first.
    t.items.insert(item);
    std::string sortText;
    if (insert.hInsertAfter == TVI_SORT)
        sortText = item->textCallback ? TextOf(t, item) : item->text;
    Link(parent, item, PlaceAfter(t, parent, insert.hInsertAfter, sortText));
    t.layoutDirty = true;
    UpdateScrollBar(t);
    Invalidate(t);
    return HandleOf(item);
}

bool Delete(Tree& t, Item* item)
{
    if (item->deleting)
        return false;
    if (!t.destroying && t.caret && (t.caret == item || IsAncestor(item, t.caret)))
    {
        // The selection leaves the doomed items first; the parent cannot keep it there.
        SelectCaret(t, SelectionAfterDeleting(t, item), TVC_UNKNOWN, true);
        if (t.dead || (item != &t.root && !t.items.count(item)))
            return !t.dead;
    }
    Item* parent = item == &t.root ? nullptr : item->parent;
    if (item == &t.root)
    {
        while (Item* top = t.root.firstChild)
        {
            if (top->deleting)
                break;
            DeleteSubtree(t, top);
            if (t.dead)
                return false;
        }
    }
    else
    {
        DeleteSubtree(t, item);
        if (t.dead)
            return false;
    }
    // An item that loses its last child can no longer be expanded, and expanding it again once
    // it has children counts as a first expansion.
    if (parent && parent != &t.root && !parent->firstChild)
        parent->state &= ~static_cast<UINT>(TVIS_EXPANDED | TVIS_EXPANDEDONCE);
    t.layoutDirty = true;
    if (!t.destroying)
    {
        ScrollTo(t, t.topRow);
        UpdateScrollBar(t);
        Invalidate(t);
    }
    return true;
}

void FreeAll(Tree& t)
{
    for (Item* item : t.items)
        delete item;
    t.items.clear();
    t.root.firstChild = t.root.lastChild = nullptr;
    t.caret = t.dropHilite = nullptr;
    t.rows.clear();
}

bool GetItem(Tree& t, TVITEMA& request)
{
    Item* item = FromHandle(t, request.hItem);
    if (!item)
        return false;
    // Windows reports the state whatever the mask asks for.
    request.state = item->state;
    if (request.mask & TVIF_IMAGE)
        request.iImage = item->image;
    if (request.mask & TVIF_SELECTEDIMAGE)
        request.iSelectedImage = item->selectedImage;
    if (request.mask & TVIF_PARAM)
        request.lParam = item->lParam;
    if (request.mask & TVIF_CHILDREN)
    {
        request.cChildren = item->childrenSet && item->children == I_CHILDRENCALLBACK
                                ? (HasChildren(t, item) ? 1 : 0)
                                : ChildrenValue(t, item);
    }
    if (request.mask & TVIF_INTEGRAL)
        reinterpret_cast<TVITEMEXA&>(request).iIntegral = item->integral;
    if ((request.mask & TVIF_TEXT) && request.pszText && request.cchTextMax > 0)
    {
        const std::string text = TextOf(t, item);
        lstrcpynA(request.pszText, text.c_str(), request.cchTextMax);
    }
    return true;
}

bool SetItem(Tree& t, const TVITEMA& change)
{
    Item* item = FromHandle(t, change.hItem);
    if (!item)
        return false;
    if (change.mask & TVIF_TEXT)
    {
        item->textCallback = IsTextCallback(change.pszText);
        item->text = item->textCallback ? std::string() : std::string(change.pszText);
    }
    if (change.mask & TVIF_IMAGE)
        item->image = change.iImage;
    if (change.mask & TVIF_SELECTEDIMAGE)
        item->selectedImage = change.iSelectedImage;
    if (change.mask & TVIF_PARAM)
        item->lParam = change.lParam;
    if (change.mask & TVIF_STATE)
        item->state = (item->state & ~change.stateMask) | (change.state & change.stateMask);
    if (change.mask & TVIF_CHILDREN)
    {
        item->childrenSet = true;
        item->children = change.cChildren;
    }
    if (change.mask & TVIF_INTEGRAL)
        item->integral = std::max(1, reinterpret_cast<const TVITEMEXA&>(change).iIntegral);
    t.layoutDirty = true;
    UpdateScrollBar(t);
    Invalidate(t);
    return true;
}

HTREEITEM GetNext(Tree& t, UINT code, Item* item)
{
    Layout(t);
    auto rowItem = [&t](int row) {
        return row >= 0 && row < static_cast<int>(t.rows.size()) ? HandleOf(t.rows[row]) : nullptr;
    };
    switch (code)
    {
    case TVGN_ROOT:
        return HandleOf(t.root.firstChild);
    case TVGN_CARET:
        return HandleOf(t.caret);
    case TVGN_DROPHILITE:
        return HandleOf(t.dropHilite);
    case TVGN_FIRSTVISIBLE:
        return rowItem(t.topRow);
    case TVGN_LASTVISIBLE:
        return rowItem(static_cast<int>(t.rows.size()) - 1);
    }
    if (!item)
        return nullptr;
    switch (code)
    {
    case TVGN_NEXT:
        return item == &t.root ? nullptr : HandleOf(item->next);
    case TVGN_PREVIOUS:
        return item == &t.root ? nullptr : HandleOf(item->prev);
    case TVGN_PARENT:
        return item == &t.root || item->parent == &t.root ? nullptr : HandleOf(item->parent);
    case TVGN_CHILD:
        return HandleOf(item->firstChild);
    case TVGN_NEXTVISIBLE:
        return item->row < 0 ? nullptr : rowItem(item->row + 1);
    case TVGN_PREVIOUSVISIBLE:
        return item->row < 0 ? nullptr : rowItem(item->row - 1);
    }
    return nullptr;
}

bool SortChildren(Tree& t, Item* parent, PFNTVCOMPARE compare, LPARAM lParamSort)
{
    std::vector<Item*> children;
    for (Item* child = parent->firstChild; child; child = child->next)
        children.push_back(child);
    if (children.empty())
        return false;
    if (compare)
    {
        std::stable_sort(children.begin(), children.end(), [&](Item* a, Item* b) {
            return compare(a->lParam, b->lParam, lParamSort) < 0;
        });
    }
    else
    {
        std::vector<std::pair<std::string, Item*>> keyed;
        for (Item* child : children)
            keyed.emplace_back(TextOf(t, child), child);
        std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
            return lstrcmpiA(a.first.c_str(), b.first.c_str()) < 0;
        });
        for (std::size_t i = 0; i < keyed.size(); ++i)
            children[i] = keyed[i].second;
    }
    // A comparison callback may have deleted items; only the survivors are linked again.
    parent->firstChild = parent->lastChild = nullptr;
    Item* after = nullptr;
    for (Item* child : children)
    {
        if (!t.items.count(child) || child->parent != parent)
            continue;
        child->prev = child->next = nullptr;
        Link(parent, child, after);
        after = child;
    }
    t.layoutDirty = true;
    Invalidate(t);
    return true;
}

} // namespace platform::treeview
