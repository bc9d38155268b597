// The tree view's selection and expansion, with the notifications Windows sends around them:
// TVN_SELCHANGING / TVN_SELCHANGED (which the parent can veto) and TVN_ITEMEXPANDING /
// TVN_ITEMEXPANDED.
//
// Expansion asked for by the user (a click on a button, a key) always notifies the parent. One
// asked for by a program (TVM_EXPAND, or expanding the ancestors of an item being selected)
// notifies only until the item carries TVIS_EXPANDEDONCE, which the first expansion sets.

#include "controls/treeview.h"

#include <algorithm>
#include <vector>

namespace platform::treeview
{
namespace
{

constexpr UINT ExpandActionMask = 0x0003;

// Expands every collapsed ancestor of item, outermost first.
void ExpandAncestors(Tree& t, Item* item)
{
    std::vector<Item*> chain;
    for (Item* up = item->parent; up && up != &t.root; up = up->parent)
        chain.push_back(up);
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
    {
        if (!FromHandle(t, HandleOf(*it)))
            return;
        if (!((*it)->state & TVIS_EXPANDED))
            Expand(t, *it, TVE_EXPAND, false);
        if (t.dead)
            return;
    }
}

} // namespace

bool Expand(Tree& t, Item* item, UINT code, bool byUser)
{
    if (!item || item == &t.root || !HasChildren(t, item))
        return false;
    const bool expanded = (item->state & TVIS_EXPANDED) != 0;
    UINT action = code & ExpandActionMask;
    if (action == TVE_TOGGLE)
        action = expanded ? TVE_COLLAPSE : TVE_EXPAND;
    if (action != TVE_EXPAND && action != TVE_COLLAPSE)
        return false;
    if (action == TVE_COLLAPSE && !expanded && !byUser)
        return false;

    const bool notify = byUser || !(item->state & TVIS_EXPANDEDONCE);
    if (notify)
    {
        if (NotifyTreeView(t, TVN_ITEMEXPANDINGA, action, nullptr, item))
            return false;
        if (t.dead || !FromHandle(t, HandleOf(item)))
            return false;
    }
    if (action == TVE_EXPAND)
    {
        // The parent may have inserted the children just now; without any there is nothing to show.
        if (!item->firstChild)
            return false;
        item->state |= TVIS_EXPANDED;
    }
    else
    {
        if (!expanded)
            return false;
        item->state &= ~static_cast<UINT>(TVIS_EXPANDED);
        // A selection hidden by the collapse moves up to the collapsed item.
        if (t.caret && IsAncestor(item, t.caret))
        {
            SelectCaret(t, item, TVC_UNKNOWN, true);
            if (t.dead || !FromHandle(t, HandleOf(item)))
                return false;
        }
        if (code & TVE_COLLAPSERESET)
        {
            while (Item* child = item->firstChild)
            {
                Delete(t, child);
                if (t.dead || !FromHandle(t, HandleOf(item)))
                    return false;
            }
            item->state &= ~static_cast<UINT>(TVIS_EXPANDEDONCE);
        }
    }
    t.layoutDirty = true;
    ScrollTo(t, t.topRow);
    UpdateScrollBar(t);
    Invalidate(t);
    if (notify)
    {
        NotifyTreeView(t, TVN_ITEMEXPANDEDA, action, nullptr, item);
        if (t.dead || !FromHandle(t, HandleOf(item)))
            return true;
    }
    if (action == TVE_EXPAND && !(code & TVE_COLLAPSERESET))
        item->state |= TVIS_EXPANDEDONCE;
    return true;
}

bool SelectCaret(Tree& t, Item* item, UINT action, bool force)
{
    if (item == t.caret)
    {
        if (item)
            EnsureVisible(t, item);
        return true;
    }
    const LRESULT veto = NotifyTreeView(t, TVN_SELCHANGINGA, action, t.caret, item);
    if (t.dead || (veto && !force))
        return false;
    if (item && !FromHandle(t, HandleOf(item)))
        return false;
    Item* old = t.caret;
    if (old)
        old->state &= ~static_cast<UINT>(TVIS_SELECTED);
    t.caret = item;
    if (item)
    {
        item->state |= TVIS_SELECTED;
        // Ancestors expand between the two notifications, as on Windows.
        EnsureVisible(t, item);
        if (t.dead)
            return true;
    }
    Invalidate(t);
    if (old && !FromHandle(t, HandleOf(old)))
        old = nullptr;
    if (item && !FromHandle(t, HandleOf(item)))
        item = nullptr;
    NotifyTreeView(t, TVN_SELCHANGEDA, action, old, item);
    return true;
}

bool Select(Tree& t, UINT code, Item* item, UINT action)
{
    switch (code & ~static_cast<UINT>(TVSI_NOSINGLEEXPAND))
    {
    case TVGN_CARET:
        return SelectCaret(t, item, action, false);
    case TVGN_DROPHILITE:
        if (t.dropHilite)
            t.dropHilite->state &= ~static_cast<UINT>(TVIS_DROPHILITED);
        t.dropHilite = item;
        if (item)
            item->state |= TVIS_DROPHILITED;
        Invalidate(t);
        return true;
    case TVGN_FIRSTVISIBLE:
        if (!item)
            return false;
        ExpandAncestors(t, item);
        if (t.dead || !FromHandle(t, HandleOf(item)))
            return false;
        Layout(t);
        ScrollTo(t, item->row);
        return true;
    }
    return false;
}

bool EnsureVisible(Tree& t, Item* item)
{
    ExpandAncestors(t, item);
    if (t.dead || !FromHandle(t, HandleOf(item)))
        return false;
    Layout(t);
    const int page = std::max(1, PageRows(t));
    if (item->row < t.topRow)
        ScrollTo(t, item->row);
    else if (item->row >= t.topRow + page)
        ScrollTo(t, item->row - page + 1);
    return true;
}

} // namespace platform::treeview
