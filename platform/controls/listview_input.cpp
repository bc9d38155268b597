// The list view's mouse and keyboard: selection by clicks and keys, activation, scrolling and
// finding an item by typing the start of its label.
//
// A press selects (and focuses) at once; NM_CLICK follows when the button comes up, so the
// parent hears of the click after the selection it made. A second press within the
// double-click time sends NM_DBLCLK and LVN_ITEMACTIVATE instead. Keys go to the parent as
// LVN_KEYDOWN before the control acts on them.
//
// Does not do:
// - drag and drop (LVN_BEGINDRAG), marquee selection, hot tracking and hover selection;
// - label editing (LVS_EDITLABELS, F2);
// - auto-repeat on a held scroll bar arrow: each click scrolls once.

#include "controls/listview.h"

#include <algorithm>

namespace platform::listview
{

namespace
{

// How long typed characters keep adding to one search, as Windows' incremental search.
constexpr DWORD kSearchTimeout = 1000;

bool Held(int vk)
{
    return GetKeyState(vk) < 0;
}

UINT KeysNow()
{
    UINT keys = 0;
    if (Held(VK_SHIFT))
        keys |= MK_SHIFT;
    if (Held(VK_CONTROL))
        keys |= MK_CONTROL;
    return keys;
}

LVHITTESTINFO HitAt(const ListView& lv, POINT pt)
{
    LVHITTESTINFO hit{};
    hit.pt = pt;
    HitTest(lv, hit, false);
    // The notifications name the column clicked when the row was hit.
    LVHITTESTINFO sub{};
    sub.pt = pt;
    HitTest(lv, sub, true);
    hit.iSubItem = hit.iItem >= 0 ? sub.iSubItem : 0;
    return hit;
}

void TakeFocus(ListView& lv)
{
    if (GetFocus() != lv.hwnd)
        SetFocus(lv.hwnd);
}

// What the keyboard does once it has chosen the item to move to.
void KeySelect(ListView& lv, Item& item, bool space)
{
    const std::uint64_t since = lv.removals;
    const bool single = (lv.Style() & LVS_SINGLESEL) != 0;
    const bool shift = Held(VK_SHIFT);
    const bool control = Held(VK_CONTROL);
    if (single || (!shift && !control))
        SelectOnly(lv, item);
    else if (shift)
        SelectRange(lv, item, control);
    else
    {
        // Control moves the focus alone; control with space toggles the focused item.
        if (space)
        {
            const bool select = !(item.state & LVIS_SELECTED);
            ChangeState(lv, item, select ? LVIS_SELECTED : 0, LVIS_SELECTED);
            if (lv.Disturbed(since))
                return;
            if (select)
                lv.mark = &item;
        }
        SetFocusItem(lv, &item);
    }
    if (!lv.Disturbed(since))
        EnsureVisible(lv, item.index, false);
}

// The item a navigation key moves the focus to, or -1 when it does not move it.
int KeyTarget(const ListView& lv, WPARAM vk)
{
    const int count = lv.Count();
    const int focused = lv.IndexOf(lv.focus);
    const int page = std::max(1, CountPerPage(lv));
    switch (vk)
    {
    case VK_UP:
        return focused > 0 ? focused - 1 : -1;
    case VK_DOWN:
        return focused < count - 1 ? focused + 1 : -1;
    case VK_HOME:
        return count > 0 ? 0 : -1;
    case VK_END:
        return count - 1;
    case VK_PRIOR:
        // The first visible row, and a page further up once already there.
        if (count == 0)
            return -1;
        return std::max(0, focused == lv.top ? lv.top - page + 1 : lv.top);
    case VK_NEXT: {
        // The last fully visible row, and a page further down once already there.
        if (count == 0)
            return -1;
        const int last = lv.top + page - 1;
        return std::min(count - 1, focused == last ? focused + page - 1 : last);
    }
    }
    return -1;
}

} // namespace

void OnLButtonDown(ListView& lv, WPARAM keys, POINT pt)
{
    const std::uint64_t since = lv.removals;
    TakeFocus(lv);
    if (lv.Disturbed(since))
        return;
    const LVHITTESTINFO hit = HitAt(lv, pt);
    const bool single = (lv.Style() & LVS_SINGLESEL) != 0;
    const bool shift = (keys & MK_SHIFT) && !single;
    const bool control = (keys & MK_CONTROL) && !single;
    lv.pendingSelect = nullptr;
    if (Item* item = lv.At(hit.iItem))
    {
        if (shift)
            SelectRange(lv, *item, control);
        else if (control)
        {
            const bool select = !(item->state & LVIS_SELECTED);
            ChangeState(lv, *item, select ? LVIS_SELECTED : 0, LVIS_SELECTED);
            if (!lv.Disturbed(since))
            {
                SetFocusItem(lv, item);
                if (!lv.Disturbed(since))
                    lv.mark = item;
            }
        }
        else if (item->state & LVIS_SELECTED)
        {
            SetFocusItem(lv, item);
            if (!lv.Disturbed(since))
            {
                lv.mark = item;
                lv.pendingSelect = item;
            }
        }
        else
            SelectOnly(lv, *item);
        if (!lv.Disturbed(since))
            EnsureVisible(lv, item->index, false);
    }
    else if (!shift && !control)
        DeselectAll(lv, nullptr);
    if (lv.destroyed)
        return;
    lv.leftDown = true;
    lv.press = hit;
    lv.pressKeys = static_cast<UINT>(keys);
    SetCapture(lv.hwnd);
}

void OnLButtonUp(ListView& lv)
{
    if (!lv.leftDown)
        return;
    lv.leftDown = false;
    // Releasing the capture announces WM_CAPTURECHANGED, which cancels a click still pending.
    Item* pending = lv.pendingSelect;
    lv.pendingSelect = nullptr;
    if (GetCapture() == lv.hwnd)
        ReleaseCapture();
    const std::uint64_t since = lv.removals;
    if (pending)
    {
        SelectOnly(lv, *pending);
        if (lv.Disturbed(since))
            return;
    }
    // The item may have moved since the press; the notification names it as it stands.
    LVHITTESTINFO hit = lv.press;
    if (!lv.At(hit.iItem))
        hit.iItem = -1;
    NotifyActivate(lv, NM_CLICK, hit, lv.pressKeys);
}

void OnLButtonDblClk(ListView& lv, WPARAM keys, POINT pt)
{
    const std::uint64_t since = lv.removals;
    TakeFocus(lv);
    if (lv.Disturbed(since))
        return;
    const LVHITTESTINFO hit = HitAt(lv, pt);
    NotifyActivate(lv, NM_DBLCLK, hit, static_cast<UINT>(keys));
    if (hit.iItem >= 0 && !lv.Disturbed(since) && lv.At(hit.iItem))
        NotifyActivate(lv, LVN_ITEMACTIVATE, hit, static_cast<UINT>(keys));
}

void OnRButtonDown(ListView& lv, WPARAM keys, POINT pt)
{
    const std::uint64_t since = lv.removals;
    TakeFocus(lv);
    if (lv.Disturbed(since))
        return;
    const LVHITTESTINFO hit = HitAt(lv, pt);
    if (Item* item = lv.At(hit.iItem))
    {
        // A right click keeps a selection it lands in, for the context menu to act on.
        if (item->state & LVIS_SELECTED)
            SetFocusItem(lv, item);
        else
            SelectOnly(lv, *item);
    }
    else if (!(keys & (MK_SHIFT | MK_CONTROL)))
        DeselectAll(lv, nullptr);
    if (lv.destroyed)
        return;
    lv.rightDown = true;
    lv.press = hit;
    lv.pressKeys = static_cast<UINT>(keys);
}

void OnRButtonUp(ListView& lv, POINT pt)
{
    if (!lv.rightDown)
        return;
    lv.rightDown = false;
    LVHITTESTINFO hit = lv.press;
    if (!lv.At(hit.iItem))
        hit.iItem = -1;
    // A parent that handles NM_RCLICK itself (non-zero) gets no WM_CONTEXTMENU.
    if (NotifyActivate(lv, NM_RCLICK, hit, lv.pressKeys) || lv.destroyed)
        return;
    ClientToScreen(lv.hwnd, &pt);
    SendMessageA(lv.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(lv.hwnd),
                 MAKELPARAM(pt.x, pt.y));
}

void OnCaptureChanged(ListView& lv)
{
    // Losing the capture mid-click (a dialog popped up, the window lost activation) cancels
    // the click.
    lv.leftDown = false;
    lv.pendingSelect = nullptr;
}

void OnKeyDown(ListView& lv, WPARAM vk, LPARAM)
{
    const std::uint64_t since = lv.removals;
    NMLVKEYDOWN key{};
    key.wVKey = static_cast<WORD>(vk);
    Notify(lv, LVN_KEYDOWN, key.hdr);
    if (lv.Disturbed(since))
        return;
    switch (vk)
    {
    case VK_RETURN:
        if (Notify(lv, NM_RETURN, key.hdr) || lv.Disturbed(since))
            return;
        if (lv.focus && (lv.focus->state & LVIS_SELECTED))
        {
            LVHITTESTINFO hit{};
            hit.iItem = lv.focus->index;
            NotifyActivate(lv, LVN_ITEMACTIVATE, hit, KeysNow());
        }
        return;
    case VK_SPACE:
        if (lv.focus)
            KeySelect(lv, *lv.focus, true);
        return;
    case VK_LEFT:
        OnHScroll(lv, SB_LINELEFT);
        return;
    case VK_RIGHT:
        OnHScroll(lv, SB_LINERIGHT);
        return;
    }
    const int target = KeyTarget(lv, vk);
    if (Item* item = lv.At(target); item && item != lv.focus)
        KeySelect(lv, *item, false);
}

void OnChar(ListView& lv, WPARAM ch)
{
    const auto c = static_cast<char>(ch);
    if (static_cast<unsigned char>(c) < ' ' || lv.Count() == 0)
        return;
    const DWORD now = static_cast<DWORD>(GetMessageTime());
    if (now - lv.lastSearchTime > kSearchTimeout)
        lv.search.clear();
    lv.lastSearchTime = now;
    // A space only continues a search; on its own it selects (in WM_KEYDOWN).
    if (c == ' ' && lv.search.empty())
        return;
    lv.search.push_back(c);
    // Typing one letter again and again steps through the items that start with it.
    const bool repeated = std::all_of(lv.search.begin(), lv.search.end(), [c](char s) {
        return Fold(std::string(1, s)) == Fold(std::string(1, c));
    });
    const std::string prefix = repeated ? std::string(1, c) : lv.search;
    const int focused = lv.IndexOf(lv.focus);
    // A longer prefix may still fit the current item; a repeated letter moves on from it.
    const int start = repeated ? focused : focused - 1;
    LVFINDINFOA find{};
    find.flags = LVFI_PARTIAL | LVFI_WRAP;
    find.psz = prefix.c_str();
    const int found = FindItem(lv, start, find);
    if (Item* item = lv.At(found))
    {
        const std::uint64_t since = lv.removals;
        SelectOnly(lv, *item);
        if (!lv.Disturbed(since))
            EnsureVisible(lv, item->index, false);
    }
}

void OnMouseWheel(ListView& lv, WPARAM wParam)
{
    lv.wheelRemainder += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = lv.wheelRemainder / WHEEL_DELTA;
    lv.wheelRemainder -= notches * WHEEL_DELTA;
    // Rolling the wheel away from the user moves towards the top of the list.
    SetTop(lv, lv.top - notches * kWheelRows);
}

} // namespace platform::listview
