// The list box's mouse and keyboard: what a click, a drag or a key does to the selection of each
// kind of list, and when the owner hears of it.
//
// Single-selection lists select the item clicked or reached by a key; Ctrl+click on the
// selected item deselects it (LBN_SELCANCEL). LBS_MULTIPLESEL lists toggle the item clicked,
// and the keys move only the caret (Space toggles). LBS_EXTENDEDSEL lists select the item
// clicked alone, Ctrl+click toggles one item, Shift+click selects the range from the anchor
// (keeping the rest with Ctrl as well), and the keys do the same with Shift and Ctrl.
//
// LBN_SELCHANGE (with LBS_NOTIFY) follows a click when the button is released, as on Windows,
// and a key at once when the selection changed; LBN_DBLCLK follows a double click.
// LBS_WANTKEYBOARDINPUT lists ask their owner first with WM_VKEYTOITEM (and, when owner-drawn
// without strings, WM_CHARTOITEM): -2 means the owner handled the key, -1 the default, and an
// index that the key leads to that item.
//
// A combo box's list follows the mouse while it is shown, and reports the item released on, or
// a press outside it, to its combo box; its keys come from the combo box.
//
// Does not do: the timer that scrolls while the mouse is held outside the list (each move
// outside scrolls one row instead), incremental search over several typed characters, or
// Shift+F8's add mode.

#include "controls/listbox.h"

#include <algorithm>
#include <cctype>

namespace platform::listbox
{
namespace
{

bool KeyDown(int vk)
{
    return (GetKeyState(vk) & 0x8000) != 0;
}

// The item under a client point, -1 below the last item or outside the client area.
int HitItem(const ListBox& lb, POINT pt)
{
    RECT client{};
    GetClientRect(lb.hwnd, &client);
    if (pt.x < 0 || pt.x >= client.right || pt.y < 0 || pt.y >= client.bottom)
        return -1;
    // Rows that the text renderer does not show cannot be clicked either.
    const int row = pt.y / std::max(1, lb.itemHeight);
    if (row >= PageSize(lb))
        return -1;
    const int index = lb.top + row;
    return lb.Valid(index) ? index : -1;
}

bool InsideWindow(const ListBox& lb, POINT client)
{
    POINT screen = client;
    ClientToScreen(lb.hwnd, &screen);
    RECT window{};
    GetWindowRect(lb.hwnd, &window);
    return PtInRect(&window, screen) != FALSE;
}

// The extended selection's range from the anchor to index; with keep, the other items stay.
bool SelectFromAnchor(ListBox& lb, int index, bool keep)
{
    if (lb.anchor < 0)
        lb.anchor = lb.Valid(lb.caret) ? lb.caret : index;
    bool changed = false;
    if (!keep)
    {
        for (int i = 0; i < lb.Count(); ++i)
        {
            const bool inside =
                (i >= std::min(lb.anchor, index) && i <= std::max(lb.anchor, index));
            if (!inside)
                changed |= SetItemSelected(lb, i, false);
        }
    }
    changed |= SelectRange(lb, lb.anchor, index, true);
    return changed;
}

void ComboButtonDown(ListBox& lb, POINT pt)
{
    if (!lb.comboOpen)
    {
        // The always-visible list of a CBS_SIMPLE combo box: the press brings the focus to the
        // combo box (its edit), selects, and the release chooses.
        HWND focus = GetFocus();
        if (focus != lb.combo && GetParent(focus) != lb.combo)
        {
            SetFocus(lb.combo);
            if (lb.destroyed)
                return;
        }
        const int index = HitItem(lb, pt);
        if (index < 0)
            return;
        SelectOnly(lb, index);
        SetCaret(lb, index, true);
        lb.tracking = true;
        SetCapture(lb.hwnd);
        return;
    }
    RECT client{};
    GetClientRect(lb.hwnd, &client);
    if (PtInRect(&client, pt))
    {
        lb.tracking = true;
        OnMouseMove(lb, pt);
        return;
    }
    if (InsideWindow(lb, pt))
    {
        // The scroll bar: the press scrolls and the list stays open.
        POINT screen = pt;
        ClientToScreen(lb.hwnd, &screen);
        OnNcButtonDown(lb, OnNcHitTest(lb, 0, MAKELPARAM(screen.x, screen.y)), screen);
        return;
    }
    combobox::ListCancelled(lb.combo);
}

void ComboButtonUp(ListBox& lb, POINT pt)
{
    const bool pressed = lb.tracking || lb.comboPressHeld;
    lb.tracking = false;
    lb.comboPressHeld = false;
    const int index = HitItem(lb, pt);
    if (!lb.comboOpen)
    {
        if (GetCapture() == lb.hwnd)
            ReleaseCapture();
    }
    if (pressed && index >= 0)
        combobox::ListChose(lb.combo, index);
}

// Moves the caret (and in single and extended lists the selection) to target as a key does.
void MoveByKey(ListBox& lb, int target)
{
    if (!lb.Valid(target))
        return;
    bool changed = false;
    if (!lb.Multiple())
    {
        changed = SelectOnly(lb, target);
        lb.anchor = target;
    }
    else if (lb.Extended())
    {
        const bool shift = KeyDown(VK_SHIFT);
        const bool control = KeyDown(VK_CONTROL);
        if (shift)
            changed = SelectFromAnchor(lb, target, control);
        else if (!control)
        {
            changed = SelectOnly(lb, target);
            lb.anchor = target;
        }
    }
    SetCaret(lb, target, true);
    if (changed && lb.Notifies())
        Notify(lb, LBN_SELCHANGE);
}

void PressSpace(ListBox& lb)
{
    if (!lb.Multiple() || !lb.Valid(lb.caret))
        return;
    const int caret = lb.caret;
    bool changed;
    if (lb.Extended() && KeyDown(VK_SHIFT))
        changed = SelectFromAnchor(lb, caret, KeyDown(VK_CONTROL));
    else if (!lb.Extended() || KeyDown(VK_CONTROL))
    {
        changed = SetItemSelected(lb, caret, !lb.IsSelected(caret));
        lb.anchor = caret;
    }
    else
    {
        changed = SelectOnly(lb, caret);
        lb.anchor = caret;
    }
    if (changed && lb.Notifies())
        Notify(lb, LBN_SELCHANGE);
}

bool ScrollsSideways(const ListBox& lb)
{
    RECT client{};
    GetClientRect(lb.hwnd, &client);
    return (lb.Style() & WS_HSCROLL) && lb.horizontalExtent > client.right;
}

// The owner's answer to WM_VKEYTOITEM or WM_CHARTOITEM: -2 handled, -1 default, else an item.
int AskOwner(ListBox& lb, UINT msg, UINT key)
{
    if (!lb.owner || !IsWindow(lb.owner))
        return -1;
    const LRESULT answer =
        SendMessageA(lb.owner, msg, MAKEWPARAM(key, lb.caret), reinterpret_cast<LPARAM>(lb.hwnd));
    return static_cast<int>(answer);
}

} // namespace

int KeyTarget(const ListBox& lb, UINT vk)
{
    const int count = lb.Count();
    if (count == 0)
        return -1;
    const int page = PageSize(lb);
    const int caret = std::clamp(lb.caret, 0, count - 1);
    int target;
    switch (vk)
    {
    case VK_UP:
    case VK_LEFT:
        target = caret - 1;
        break;
    case VK_DOWN:
    case VK_RIGHT:
        target = caret + 1;
        break;
    case VK_PRIOR:
        // The first step goes to the top of the page, the next ones a page further.
        target = caret > lb.top ? lb.top : caret - (page - 1);
        break;
    case VK_NEXT:
        target = caret < lb.top + page - 1 ? lb.top + page - 1 : caret + (page - 1);
        break;
    case VK_HOME:
        target = 0;
        break;
    case VK_END:
        target = count - 1;
        break;
    default:
        return -1;
    }
    return std::clamp(target, 0, count - 1);
}

void OnButtonDown(ListBox& lb, POINT pt, WPARAM keys)
{
    if (lb.combo)
    {
        ComboButtonDown(lb, pt);
        return;
    }
    if (!lb.focused)
    {
        SetFocus(lb.hwnd);
        if (lb.destroyed)
            return;
    }
    const int index = HitItem(lb, pt);
    if (index < 0)
        return;
    const bool shift = (keys & MK_SHIFT) != 0;
    const bool control = (keys & MK_CONTROL) != 0;
    if (lb.Extended())
    {
        if (shift)
            SelectFromAnchor(lb, index, control);
        else if (control)
        {
            SetItemSelected(lb, index, !lb.IsSelected(index));
            lb.anchor = index;
        }
        else
        {
            SelectOnly(lb, index);
            lb.anchor = index;
        }
    }
    else if (lb.Multiple())
    {
        SetItemSelected(lb, index, !lb.IsSelected(index));
        lb.anchor = index;
    }
    else if (control && index == lb.selected)
    {
        SelectOnly(lb, -1);
        lb.anchor = index;
    }
    else
    {
        SelectOnly(lb, index);
        lb.anchor = index;
    }
    SetCaret(lb, index, true);
    lb.tracking = true;
    SetCapture(lb.hwnd);
}

void OnMouseMove(ListBox& lb, POINT pt)
{
    if (lb.comboOpen)
    {
        // The shown list of a combo box highlights what the mouse is over, button or not.
        const int index = HitItem(lb, pt);
        if (index >= 0)
        {
            SelectOnly(lb, index);
            SetCaret(lb, index, false);
        }
        return;
    }
    if (!lb.tracking)
        return;
    RECT client{};
    GetClientRect(lb.hwnd, &client);
    if (pt.y < 0)
        SetTop(lb, lb.top - 1);
    else if (pt.y >= client.bottom)
        SetTop(lb, lb.top + 1);
    const int index = ItemAt(lb, pt);
    if (index < 0)
        return;
    if (lb.Extended())
        SelectFromAnchor(lb, index, KeyDown(VK_CONTROL));
    else if (!lb.Multiple())
        SelectOnly(lb, index);
    SetCaret(lb, index, true);
}

void OnButtonUp(ListBox& lb, POINT pt)
{
    if (lb.combo)
    {
        ComboButtonUp(lb, pt);
        return;
    }
    if (!lb.tracking)
        return;
    lb.tracking = false;
    if (GetCapture() == lb.hwnd)
        ReleaseCapture();
    if (lb.Notifies() && lb.Count() > 0)
        Notify(lb, (lb.Multiple() || lb.selected >= 0) ? LBN_SELCHANGE : LBN_SELCANCEL);
}

void OnDoubleClick(ListBox& lb, POINT pt)
{
    if (lb.combo)
    {
        // Two quick presses in a combo box's list are two presses.
        ComboButtonDown(lb, pt);
        return;
    }
    if (lb.Notifies())
        Notify(lb, LBN_DBLCLK);
}

void OnCaptureLost(ListBox& lb)
{
    const bool open = lb.comboOpen;
    lb.tracking = false;
    lb.comboPressHeld = false;
    if (open)
        combobox::ListCancelled(lb.combo);
}

void OnKeyDown(ListBox& lb, UINT vk)
{
    if (lb.combo)
        return;
    int target = -1;
    if (lb.Style() & LBS_WANTKEYBOARDINPUT)
    {
        const int answer = AskOwner(lb, WM_VKEYTOITEM, vk);
        if (lb.destroyed || answer == -2)
            return;
        if (answer >= 0)
        {
            MoveByKey(lb, std::min(answer, lb.Count() - 1));
            return;
        }
    }
    if ((vk == VK_LEFT || vk == VK_RIGHT) && ScrollsSideways(lb))
    {
        OnHScroll(lb, vk == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT, 0);
        return;
    }
    if (vk == VK_SPACE)
    {
        PressSpace(lb);
        return;
    }
    target = KeyTarget(lb, vk);
    if (target >= 0)
        MoveByKey(lb, target);
}

void OnChar(ListBox& lb, char ch)
{
    if (lb.combo)
        return;
    if (!lb.HasStrings())
    {
        if (!(lb.Style() & LBS_WANTKEYBOARDINPUT))
            return;
        const int answer = AskOwner(lb, WM_CHARTOITEM, static_cast<unsigned char>(ch));
        if (!lb.destroyed && answer >= 0)
            MoveByKey(lb, std::min(answer, lb.Count() - 1));
        return;
    }
    if (static_cast<unsigned char>(ch) <= ' ')
        return;
    // The next item after the caret that starts with the character, wrapping round.
    const char text[2] = {ch, '\0'};
    const LRESULT found = FindItem(lb, lb.caret, reinterpret_cast<LPARAM>(text), false);
    if (found >= 0)
        MoveByKey(lb, static_cast<int>(found));
}

void BeginComboTracking(HWND list, bool pressHeld)
{
    ListBox* lb = FromHandle(list);
    if (!lb)
        return;
    lb->comboOpen = true;
    lb->comboPressHeld = pressHeld;
    lb->tracking = false;
    SetCapture(list);
}

void EndComboTracking(HWND list)
{
    ListBox* lb = FromHandle(list);
    if (!lb)
        return;
    lb->comboOpen = false;
    lb->comboPressHeld = false;
    lb->tracking = false;
    if (GetCapture() == list)
        ReleaseCapture();
}

} // namespace platform::listbox
