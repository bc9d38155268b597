// The list view's item states and the notifications that report them.
//
// Every change to an item goes through SetMainItem: LVN_ITEMCHANGING (which the parent may
// refuse), the change, then LVN_ITEMCHANGED. A change that takes something from another item
// (the focus, or the selection in a single-selection list) changes that item in between, with
// its own pair of notifications, which is the order Windows reports them in. Selecting a new
// row with the mouse therefore reads: the old row deselected, the new row changing, the old
// row losing the focus, the new row changed.
//
// Does not do:
// - state image and overlay indices beyond storing them (nothing draws images);
// - LVM_SETCALLBACKMASK's meaning: the mask is kept, but states are always the control's own.

#include "controls/listview.h"

#include <algorithm>

namespace platform::listview
{

LRESULT Notify(ListView& lv, UINT code, NMHDR& header)
{
    header.hwndFrom = lv.hwnd;
    header.idFrom = static_cast<UINT_PTR>(GetWindowLongPtrA(lv.hwnd, GWLP_ID));
    header.code = code;
    if (!lv.notify || !IsWindow(lv.notify))
        return 0;
    return SendMessageA(lv.notify, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

LRESULT NotifyItem(ListView& lv, UINT code, int index, int subItem, LPARAM param)
{
    NMLISTVIEW nm{};
    nm.iItem = index;
    nm.iSubItem = subItem;
    nm.lParam = param;
    return Notify(lv, code, nm.hdr);
}

LRESULT NotifyActivate(ListView& lv, UINT code, const LVHITTESTINFO& hit, UINT keys)
{
    NMITEMACTIVATE nm{};
    nm.iItem = hit.iItem;
    nm.iSubItem = hit.iSubItem;
    nm.ptAction = hit.pt;
    if (const Item* item = lv.At(hit.iItem))
    {
        nm.lParam = item->param;
        if (code == LVN_ITEMACTIVATE)
        {
            nm.uOldState = item->state;
            nm.uNewState = item->state | LVIS_ACTIVATING;
            nm.uChanged = LVIF_STATE;
        }
    }
    if (keys & MK_SHIFT)
        nm.uKeyFlags |= LVKF_SHIFT;
    if (keys & MK_CONTROL)
        nm.uKeyFlags |= LVKF_CONTROL;
    if (GetKeyState(VK_MENU) < 0)
        nm.uKeyFlags |= LVKF_ALT;
    return Notify(lv, code, nm.hdr);
}

bool SetMainItem(ListView& lv, Item& item, const LVITEMA& change)
{
    const UINT selection = LVIS_SELECTED | LVIS_FOCUSED;
    const UINT oldState = item.state;
    UINT newState = oldState;
    if (change.mask & LVIF_STATE)
        newState = (oldState & ~change.stateMask) | (change.state & change.stateMask);
    UINT changed = 0;
    if (newState != oldState)
        changed |= LVIF_STATE;
    if (change.mask & LVIF_TEXT)
    {
        const bool callback = change.pszText == LPSTR_TEXTCALLBACKA;
        if (callback != item.labelCallback ||
            (!callback && item.label != (change.pszText ? change.pszText : "")))
            changed |= LVIF_TEXT;
    }
    if ((change.mask & LVIF_PARAM) && change.lParam != item.param)
        changed |= LVIF_PARAM;
    if ((change.mask & LVIF_IMAGE) && change.iImage != item.image)
        changed |= LVIF_IMAGE;
    if ((change.mask & LVIF_INDENT) && change.iIndent != item.indent)
        changed |= LVIF_INDENT;
    if (!changed)
        return true;

    NMLISTVIEW nm{};
    nm.iItem = item.index;
    nm.uNewState = newState;
    nm.uOldState = oldState;
    nm.uChanged = changed;
    nm.lParam = item.param;
    const std::uint64_t since = lv.removals;
    if (Notify(lv, LVN_ITEMCHANGING, nm.hdr) || lv.Disturbed(since))
        return false;

    if (changed & LVIF_TEXT)
        ReplaceLabel(lv, item, change.pszText);
    if (changed & LVIF_PARAM)
        item.param = change.lParam;
    if (changed & LVIF_IMAGE)
        item.image = change.iImage;
    if (changed & LVIF_INDENT)
        item.indent = change.iIndent;
    item.state = (item.state & selection) | (newState & ~selection);

    const UINT flipped = (oldState ^ newState) & selection;
    if (flipped & LVIS_SELECTED)
    {
        if (newState & LVIS_SELECTED)
        {
            item.state |= LVIS_SELECTED;
            ++lv.selectedCount;
            if (lv.Style() & LVS_SINGLESEL)
                DeselectAll(lv, &item);
        }
        else
        {
            item.state &= ~static_cast<UINT>(LVIS_SELECTED);
            --lv.selectedCount;
        }
    }
    if (lv.Disturbed(since))
        return false;
    if (flipped & LVIS_FOCUSED)
    {
        if (newState & LVIS_FOCUSED)
        {
            Item* previous = lv.focus;
            if (previous && previous != &item)
            {
                ChangeState(lv, *previous, 0, LVIS_FOCUSED);
                if (lv.Disturbed(since))
                    return false;
                // One item has the focus, whatever the parent said about the old one.
                previous->state &= ~static_cast<UINT>(LVIS_FOCUSED);
            }
            item.state |= LVIS_FOCUSED;
            lv.focus = &item;
        }
        else
        {
            item.state &= ~static_cast<UINT>(LVIS_FOCUSED);
            if (lv.focus == &item)
                lv.focus = nullptr;
        }
    }
    Invalidate(lv);

    nm.iItem = item.index;
    nm.lParam = item.param;
    Notify(lv, LVN_ITEMCHANGED, nm.hdr);
    return !lv.Disturbed(since);
}

bool ChangeState(ListView& lv, Item& item, UINT state, UINT mask)
{
    LVITEMA change{};
    change.mask = LVIF_STATE;
    change.state = state;
    change.stateMask = mask;
    return SetMainItem(lv, item, change);
}

BOOL SetItemState(ListView& lv, int index, UINT state, UINT mask)
{
    if (index != -1)
    {
        Item* item = lv.At(index);
        return item && ChangeState(lv, *item, state, mask) ? TRUE : FALSE;
    }
    // All items at once: no item can have the focus of all, and a single-selection list
    // cannot select them all.
    const UINT set = state & mask;
    if (set & LVIS_FOCUSED)
        return FALSE;
    if ((set & LVIS_SELECTED) && (lv.Style() & LVS_SINGLESEL))
        return FALSE;
    if (mask == LVIS_SELECTED && !set && lv.selectedCount == 0)
        return TRUE;
    for (int i = 0; i < lv.Count() && !lv.destroyed; ++i)
        ChangeState(lv, *lv.items[static_cast<size_t>(i)], state, mask);
    return TRUE;
}

int GetNextItem(const ListView& lv, int start, UINT flags)
{
    UINT want = 0;
    if (flags & LVNI_SELECTED)
        want |= LVIS_SELECTED;
    if (flags & LVNI_FOCUSED)
        want |= LVIS_FOCUSED;
    if (flags & LVNI_CUT)
        want |= LVIS_CUT;
    if (flags & LVNI_DROPHILITED)
        want |= LVIS_DROPHILITED;
    // A report view has one column of rows: nothing lies to the left or right.
    if (flags & (LVNI_TOLEFT | LVNI_TORIGHT))
        return -1;
    if ((want & LVIS_SELECTED) && lv.selectedCount == 0)
        return -1;
    const bool upwards = (flags & LVNI_ABOVE) != 0;
    auto fits = [&](int i) { return (lv.items[static_cast<size_t>(i)]->state & want) == want; };
    if (upwards)
    {
        for (int i = std::min(start, lv.Count()) - 1; i >= 0; --i)
        {
            if (fits(i))
                return i;
        }
        return -1;
    }
    // Only one item can have the focus, so there is nothing to scan for.
    if (want & LVIS_FOCUSED)
    {
        const int focused = lv.IndexOf(lv.focus);
        return focused > start && fits(focused) ? focused : -1;
    }
    for (int i = std::max(start + 1, 0); i < lv.Count(); ++i)
    {
        if (fits(i))
            return i;
    }
    return -1;
}

void DeselectAll(ListView& lv, const Item* keep)
{
    const int keepSelected = keep && (keep->state & LVIS_SELECTED) ? 1 : 0;
    for (int i = 0; i < lv.Count() && lv.selectedCount > keepSelected && !lv.destroyed; ++i)
    {
        Item& item = *lv.items[static_cast<size_t>(i)];
        if (&item != keep && (item.state & LVIS_SELECTED))
            ChangeState(lv, item, 0, LVIS_SELECTED);
    }
}

void SetFocusItem(ListView& lv, Item* item)
{
    if (item)
        ChangeState(lv, *item, LVIS_FOCUSED, LVIS_FOCUSED);
    else if (lv.focus)
        ChangeState(lv, *lv.focus, 0, LVIS_FOCUSED);
}

void SelectOnly(ListView& lv, Item& item)
{
    const std::uint64_t since = lv.removals;
    DeselectAll(lv, &item);
    if (lv.Disturbed(since))
        return;
    ChangeState(lv, item, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (!lv.Disturbed(since))
        lv.mark = &item;
}

void SelectRange(ListView& lv, Item& item, bool keepOthers)
{
    const std::uint64_t since = lv.removals;
    const Item* anchor = lv.mark ? lv.mark : (lv.focus ? lv.focus : &item);
    const int from = std::min(anchor->index, item.index);
    const int to = std::max(anchor->index, item.index);
    if (!keepOthers)
    {
        for (int i = 0; i < lv.Count() && lv.selectedCount > 0 && !lv.Disturbed(since); ++i)
        {
            Item& other = *lv.items[static_cast<size_t>(i)];
            if ((i < from || i > to) && (other.state & LVIS_SELECTED))
                ChangeState(lv, other, 0, LVIS_SELECTED);
        }
    }
    for (int i = from; i <= to && i < lv.Count() && !lv.Disturbed(since); ++i)
    {
        Item& inside = *lv.items[static_cast<size_t>(i)];
        if (!(inside.state & LVIS_SELECTED))
            ChangeState(lv, inside, LVIS_SELECTED, LVIS_SELECTED);
    }
    if (!lv.Disturbed(since))
        SetFocusItem(lv, &item);
}

} // namespace platform::listview
