// Opening and closing a combo box's list, and the user's choices with the mouse and the keys.
//
// Opening sends CBN_DROPDOWN, then shows the list with the selection in view and gives it the
// capture, so that it follows the mouse and hears a press anywhere. Releasing the mouse over an
// item chooses it: CBN_SELCHANGE, then the selection ends (CBN_SELENDOK) and the list closes
// (CBN_CLOSEUP). A press outside the list, Escape or the focus leaving closes it without a
// choice: CBN_SELENDCANCEL, CBN_CLOSEUP, and the selection it had when it opened (or the last
// one the keys made) comes back. Enter, F4 and Alt+Up/Down close it keeping what it shows.
//
// Up and Down (and Page Up, Page Down; Home, End, Left and Right for drop-down lists) change
// the selection at once, open or closed, with CBN_SELCHANGE sent before the edit shows the new
// text, as Windows does. A character typed into a drop-down list selects the next item that
// starts with it. With the extended interface (CB_SETEXTENDEDUI) Down opens the list and F4
// does nothing.
//
// What the user types into a CBS_DROPDOWN's edit is no choice: while the list is closed the
// selection goes (CB_GETCURSEL is CB_ERR), and while it is open the list shows the first item
// that starts with the text, both without CBN_SELCHANGE, as on Windows.
//
// Does not do: incremental search over several typed characters, or the button's pushed look.

#include "controls/combobox.h"
#include "controls/listbox.h"

#include <algorithm>
#include <string>

namespace platform::combobox
{
namespace
{

int Count(const Combo& c)
{
    return static_cast<int>(ToList(c, LB_GETCOUNT));
}

std::string EditText(const Combo& c)
{
    const LRESULT length = SendMessageA(c.edit, WM_GETTEXTLENGTH, 0, 0);
    std::string text(static_cast<size_t>(std::max<LRESULT>(0, length)) + 1, '\0');
    const LRESULT copied =
        SendMessageA(c.edit, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

// Opening the list of an edit combo box shows the item its text names, if any.
void SelectEditTextInList(Combo& c)
{
    if (!c.edit)
        return;
    const std::string text = EditText(c);
    const LRESULT found = ToList(c, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                 reinterpret_cast<LPARAM>(text.c_str()));
    if (found >= 0)
        ToList(c, LB_SETCURSEL, static_cast<WPARAM>(found));
}

void CloseUp(Combo& c, bool ok)
{
    if (!c.dropped)
        return;
    if (!Notify(c, ok ? CBN_SELENDOK : CBN_SELENDCANCEL) || !c.dropped)
        return;
    c.dropped = false;
    listbox::EndComboTracking(c.list);
    ShowWindow(c.list, SW_HIDE);
    Redraw(c);
    Notify(c, CBN_CLOSEUP);
}

void Toggle(Combo& c)
{
    if (c.dropped)
        Accept(c);
    else
        DropDown(c, false);
}

void MoveSelection(Combo& c, UINT vk)
{
    const int count = Count(c);
    if (count == 0)
        return;
    const int selection = Selection(c);
    const int step = std::max(1, (c.dropped ? c.shownRows : AvailableRows(c)) - 1);
    int target;
    if (selection < 0)
        target = vk == VK_END ? count - 1 : 0;
    else
    {
        switch (vk)
        {
        case VK_UP:
        case VK_LEFT:
            target = selection - 1;
            break;
        case VK_DOWN:
        case VK_RIGHT:
            target = selection + 1;
            break;
        case VK_PRIOR:
            target = selection - step;
            break;
        case VK_NEXT:
            target = selection + step;
            break;
        case VK_HOME:
            target = 0;
            break;
        default:
            target = count - 1;
            break;
        }
    }
    target = std::clamp(target, 0, count - 1);
    if (target != selection)
        Choose(c, target);
}

} // namespace

void DropDown(Combo& c, bool byMouse)
{
    if (c.Simple() || c.dropped || !c.list)
        return;
    if (!Notify(c, CBN_DROPDOWN) || c.dropped)
        return;
    SelectEditTextInList(c);
    c.committed = Selection(c);
    c.dropped = true;
    PlaceList(c);
    if (listbox::ListBox* lb = listbox::FromHandle(c.list))
    {
        if (c.committed >= 0)
        {
            listbox::SetCaret(*lb, c.committed, false);
            listbox::EnsureVisible(*lb, c.committed);
        }
    }
    listbox::BeginComboTracking(c.list, byMouse);
    Redraw(c);
}

void Accept(Combo& c)
{
    if (!c.dropped)
        return;
    const int selection = Selection(c);
    if (selection >= 0 && selection != c.committed)
    {
        Choose(c, selection);
        if (c.destroyed)
            return;
    }
    CloseUp(c, true);
}

void Cancel(Combo& c)
{
    if (!c.dropped)
        return;
    if (Selection(c) != c.committed)
        ToList(c, LB_SETCURSEL, static_cast<WPARAM>(c.committed));
    CloseUp(c, false);
}

void Choose(Combo& c, int index)
{
    if (index < 0 || index >= Count(c))
        return;
    ToList(c, LB_SETCURSEL, static_cast<WPARAM>(index));
    c.committed = index;
    if (!Notify(c, CBN_SELCHANGE))
        return;
    ShowSelection(c);
}

bool OnKey(Combo& c, UINT vk)
{
    switch (vk)
    {
    case VK_F4:
        if (c.Simple() || c.extendedUI)
            return false;
        Toggle(c);
        return true;
    case VK_DOWN:
        if (!c.Simple() && !c.dropped && c.extendedUI)
        {
            DropDown(c, false);
            return true;
        }
        MoveSelection(c, vk);
        return true;
    case VK_UP:
    case VK_PRIOR:
    case VK_NEXT:
        MoveSelection(c, vk);
        return true;
    case VK_HOME:
    case VK_END:
    case VK_LEFT:
    case VK_RIGHT:
        // An edit moves its caret with these.
        if (c.edit)
            return false;
        MoveSelection(c, vk);
        return true;
    case VK_RETURN:
        if (!c.dropped)
            return false;
        Accept(c);
        return true;
    case VK_ESCAPE:
        if (!c.dropped)
            return false;
        Cancel(c);
        return true;
    }
    return false;
}

bool OnSysKey(Combo& c, UINT vk)
{
    if ((vk != VK_DOWN && vk != VK_UP) || c.Simple())
        return false;
    Toggle(c);
    return true;
}

void OnChar(Combo& c, char ch)
{
    if (c.edit || static_cast<unsigned char>(ch) <= ' ')
        return;
    const char text[2] = {ch, '\0'};
    const LRESULT found =
        ToList(c, LB_FINDSTRING, static_cast<WPARAM>(Selection(c)), reinterpret_cast<LPARAM>(text));
    if (found >= 0 && found != Selection(c))
        Choose(c, static_cast<int>(found));
}

void OnButtonDown(Combo& c, POINT pt)
{
    if (!c.focused)
    {
        SetFocus(c.hwnd);
        if (c.destroyed)
            return;
    }
    if (c.Simple())
        return;
    // A drop-down list opens from anywhere on it; an edit combo box from its button.
    const RECT button = ButtonRect(c);
    if (c.edit && !PtInRect(&button, pt))
        return;
    if (c.dropped)
        Cancel(c);
    else
        DropDown(c, true);
}

void TrackEditText(Combo& c)
{
    if (!c.dropped)
    {
        ToList(c, LB_SETCURSEL, static_cast<WPARAM>(-1));
        return;
    }
    const std::string text = EditText(c);
    const LRESULT found = text.empty() ? LB_ERR
                                       : ToList(c, LB_FINDSTRING, static_cast<WPARAM>(-1),
                                                reinterpret_cast<LPARAM>(text.c_str()));
    ToList(c, LB_SETCURSEL, static_cast<WPARAM>(found >= 0 ? found : -1));
}

void ListChose(HWND combo, int index)
{
    Combo* c = FromHandle(combo);
    if (!c)
        return;
    KeepAlive hold(*c);
    if (c->Simple())
    {
        // A simple combo box ends each selection as it makes it.
        if (Notify(*c, CBN_SELENDOK))
            Choose(*c, index);
        return;
    }
    if (!c->dropped)
        return;
    Choose(*c, index);
    if (!c->destroyed)
        CloseUp(*c, true);
}

void ListCancelled(HWND combo)
{
    Combo* c = FromHandle(combo);
    if (!c)
        return;
    KeepAlive hold(*c);
    Cancel(*c);
}

} // namespace platform::combobox
