// The list box's items: adding, inserting in sorted order, deleting, finding, the selection
// model of the three kinds of list (single, LBS_MULTIPLESEL, LBS_EXTENDEDSEL) and the
// notifications.
//
// Sorted lists compare text the way lstrcmpiA does (case ignored), and owner-drawn lists
// without strings ask their owner with WM_COMPAREITEM; a new item goes after the items that
// compare equal to it. Searches compare case-insensitively too: LB_FINDSTRING matches a
// prefix, LB_FINDSTRINGEXACT the whole text, both starting after the given index and wrapping
// round to it. Lists without strings compare item data instead.
//
// Does not do: LB_ERRSPACE other than when memory runs out, locales (LB_SETLOCALE is kept
// and reported only), or WM_DELETEITEM for lists that are not owner-drawn (the owner gets it
// for owner-drawn lists only).

#include "controls/listbox.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace platform::listbox
{
namespace
{

// The owner-draw messages name the control by its id, which is a WORD of GWLP_ID.
UINT ControlId(const ListBox& lb)
{
    return static_cast<UINT>(GetWindowLongPtrA(lb.hwnd, GWLP_ID));
}

int CompareWithOwner(ListBox& lb, ULONG_PTR data, int index)
{
    COMPAREITEMSTRUCT cis{};
    cis.CtlType = ODT_LISTBOX;
    cis.CtlID = ControlId(lb);
    cis.hwndItem = lb.hwnd;
    cis.itemID1 = static_cast<UINT>(-1);
    cis.itemData1 = data;
    cis.itemID2 = static_cast<UINT>(index);
    cis.itemData2 = lb.items[static_cast<size_t>(index)].data;
    cis.dwLocaleId = lb.locale;
    return static_cast<int>(
        SendMessageA(lb.owner, WM_COMPAREITEM, cis.CtlID, reinterpret_cast<LPARAM>(&cis)));
}

// Where a new item goes in a sorted list: after every item that does not sort after it.
int SortedPosition(ListBox& lb, const Item& item)
{
    int low = 0;
    int high = lb.Count();
    while (low < high)
    {
        const int middle = (low + high) / 2;
        const int order =
            lb.HasStrings()
                ? lstrcmpiA(item.text.c_str(), lb.items[static_cast<size_t>(middle)].text.c_str())
                : CompareWithOwner(lb, item.data, middle);
        if (order < 0)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

Item MakeItem(const ListBox& lb, LPARAM value)
{
    Item item;
    if (lb.HasStrings())
    {
        if (value)
            item.text = reinterpret_cast<const char*>(value);
    }
    else
    {
        item.data = static_cast<ULONG_PTR>(value);
    }
    return item;
}

// Positions after an insertion at index move down by one.
void ShiftForInsert(int& position, int index)
{
    if (position >= index)
        ++position;
}

LRESULT Insert(ListBox& lb, int index, Item item)
{
    try
    {
        lb.items.insert(lb.items.begin() + index, std::move(item));
    }
    catch (const std::bad_alloc&)
    {
        Notify(lb, static_cast<WORD>(LBN_ERRSPACE));
        return LB_ERRSPACE;
    }
    if (lb.selected >= 0)
        ShiftForInsert(lb.selected, index);
    if (lb.Count() > 1)
        ShiftForInsert(lb.caret, index);
    if (lb.anchor >= 0)
        ShiftForInsert(lb.anchor, index);
    UpdateScrollBars(lb);
    Redraw(lb);
    return index;
}

void SendDeleteItem(ListBox& lb, int index)
{
    if (!lb.OwnerDraw() || !lb.owner || !IsWindow(lb.owner))
        return;
    DELETEITEMSTRUCT dis{};
    dis.CtlType = ODT_LISTBOX;
    dis.CtlID = ControlId(lb);
    dis.itemID = static_cast<UINT>(index);
    dis.hwndItem = lb.hwnd;
    dis.itemData = lb.items[static_cast<size_t>(index)].data;
    SendMessageA(lb.owner, WM_DELETEITEM, dis.CtlID, reinterpret_cast<LPARAM>(&dis));
}

bool Matches(const ListBox& lb, const Item& item, LPARAM value, bool exact)
{
    if (!lb.HasStrings())
        return item.data == static_cast<ULONG_PTR>(value);
    const char* text = value ? reinterpret_cast<const char*>(value) : "";
    if (exact)
        return lstrcmpiA(item.text.c_str(), text) == 0;
    const size_t length = std::strlen(text);
    if (item.text.size() < length)
        return false;
    return lstrcmpiA(item.text.substr(0, length).c_str(), text) == 0;
}

} // namespace

bool ListBox::IsSelected(int index) const
{
    if (!Valid(index))
        return false;
    return Multiple() ? items[static_cast<size_t>(index)].selected : index == selected;
}

bool Notify(ListBox& lb, WORD code)
{
    if (lb.destroyed)
        return false;
    if (lb.owner && IsWindow(lb.owner))
    {
        const WORD id = static_cast<WORD>(ControlId(lb));
        SendMessageA(lb.owner, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(lb.hwnd));
    }
    return !lb.destroyed;
}

LRESULT AddItem(ListBox& lb, LPARAM value)
{
    Item item = MakeItem(lb, value);
    const int index = (lb.Style() & LBS_SORT) ? SortedPosition(lb, item) : lb.Count();
    return Insert(lb, index, std::move(item));
}

LRESULT InsertItem(ListBox& lb, int index, LPARAM value)
{
    if (index == -1)
        index = lb.Count();
    if (index < 0 || index > lb.Count())
        return LB_ERR;
    return Insert(lb, index, MakeItem(lb, value));
}

LRESULT DeleteItem(ListBox& lb, int index)
{
    if (!lb.Valid(index))
        return LB_ERR;
    SendDeleteItem(lb, index);
    if (lb.destroyed || !lb.Valid(index))
        return LB_ERR;
    lb.items.erase(lb.items.begin() + index);
    if (lb.selected == index)
        lb.selected = -1;
    else if (lb.selected > index)
        --lb.selected;
    if (lb.anchor == index)
        lb.anchor = -1;
    else if (lb.anchor > index)
        --lb.anchor;
    if (lb.caret > index)
        --lb.caret;
    lb.caret = std::clamp(lb.caret, 0, std::max(0, lb.Count() - 1));
    SetTop(lb, lb.top);
    UpdateScrollBars(lb);
    Redraw(lb);
    return lb.Count();
}

void ResetContent(ListBox& lb)
{
    // Each owner-drawn item is announced as it goes, last first, as the list empties.
    for (int i = lb.Count() - 1; i >= 0 && !lb.destroyed; --i)
    {
        if (i < lb.Count())
            SendDeleteItem(lb, i);
    }
    if (lb.destroyed)
        return;
    lb.items.clear();
    lb.selected = -1;
    lb.anchor = -1;
    lb.caret = 0;
    lb.top = 0;
    lb.scrollX = 0;
    UpdateScrollBars(lb);
    Redraw(lb);
}

LRESULT FindItem(ListBox& lb, int start, LPARAM value, bool exact)
{
    const int count = lb.Count();
    if (count == 0)
        return LB_ERR;
    if (start < -1 || start >= count)
        start = -1;
    for (int step = 1; step <= count; ++step)
    {
        const int index = (start + step) % count;
        if (Matches(lb, lb.items[static_cast<size_t>(index)], value, exact))
            return index;
    }
    return LB_ERR;
}

LRESULT GetItemText(const ListBox& lb, int index, LPARAM buffer)
{
    if (!lb.Valid(index) || !buffer)
        return LB_ERR;
    const Item& item = lb.items[static_cast<size_t>(index)];
    if (!lb.HasStrings())
    {
        // Without strings the "text" is the item data.
        std::memcpy(reinterpret_cast<void*>(buffer), &item.data, sizeof item.data);
        return sizeof item.data;
    }
    std::memcpy(reinterpret_cast<char*>(buffer), item.text.c_str(), item.text.size() + 1);
    return static_cast<LRESULT>(item.text.size());
}

LRESULT GetItemTextLength(const ListBox& lb, int index)
{
    if (!lb.Valid(index))
        return LB_ERR;
    if (!lb.HasStrings())
        return sizeof(ULONG_PTR);
    return static_cast<LRESULT>(lb.items[static_cast<size_t>(index)].text.size());
}

int SelectedCount(const ListBox& lb)
{
    return static_cast<int>(
        std::count_if(lb.items.begin(), lb.items.end(), [](const Item& i) { return i.selected; }));
}

bool SelectOnly(ListBox& lb, int index)
{
    bool changed = false;
    if (lb.Multiple())
    {
        for (int i = 0; i < lb.Count(); ++i)
        {
            const bool on = i == index;
            Item& item = lb.items[static_cast<size_t>(i)];
            changed |= item.selected != on;
            item.selected = on;
        }
    }
    else
    {
        const int target = lb.Valid(index) ? index : -1;
        changed = lb.selected != target;
        lb.selected = target;
    }
    if (changed)
        Redraw(lb);
    return changed;
}

bool SetItemSelected(ListBox& lb, int index, bool on)
{
    if (!lb.Valid(index))
        return false;
    if (!lb.Multiple())
    {
        if (on)
            return SelectOnly(lb, index);
        if (lb.selected != index)
            return false;
        return SelectOnly(lb, -1);
    }
    Item& item = lb.items[static_cast<size_t>(index)];
    if (item.selected == on)
        return false;
    item.selected = on;
    Redraw(lb);
    return true;
}

bool SelectRange(ListBox& lb, int first, int last, bool on)
{
    if (first > last)
        std::swap(first, last);
    first = std::max(first, 0);
    last = std::min(last, lb.Count() - 1);
    bool changed = false;
    for (int i = first; i <= last; ++i)
    {
        Item& item = lb.items[static_cast<size_t>(i)];
        changed |= item.selected != on;
        item.selected = on;
    }
    if (changed)
        Redraw(lb);
    return changed;
}

void SetCaret(ListBox& lb, int index, bool scroll)
{
    if (!lb.Valid(index))
        return;
    if (lb.caret != index)
    {
        lb.caret = index;
        Redraw(lb);
    }
    if (scroll)
        EnsureVisible(lb, index);
}

} // namespace platform::listbox
