// The simulated user on list boxes and combo boxes. Items are found with the controls' own
// messages (the user "sees" them), then clicked through the ordinary mouse path, so that the
// capture, the combo box's pop-up list and the notifications all run as they do for a person.
//
// Does not do: dragging across items, the keyboard (use Press and Type), or owner-drawn lists
// without strings in ListItems (their "text" is item data; they read as empty strings).

#include "automation/common.h"
#include "platform/automation_lists.h"

#include <algorithm>

namespace platform::automation
{
namespace
{

bool Ask(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result)
{
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(hwnd, msg, wParam, lParam, SMTO_NORMAL, DefaultTimeout(), &answer))
        return Fail("asking " + Describe(hwnd) + " timed out");
    *result = static_cast<LRESULT>(answer);
    return true;
}

bool IsCombo(HWND hwnd)
{
    return lstrcmpiA(ClassOf(hwnd).c_str(), "ComboBox") == 0;
}

// Scrolls the list until the item's row is in sight, as clicks on the scroll bar's arrows
// would, and returns the item's rectangle.
bool ShowItem(HWND list, int index, RECT* rect)
{
    LRESULT count = 0;
    if (!Ask(list, LB_GETCOUNT, 0, 0, &count))
        return false;
    if (index < 0 || index >= count)
        return Fail(Describe(list) + " has no item " + std::to_string(index) + " (it has " +
                    std::to_string(count) + ")");
    for (LRESULT step = 0; step <= count; ++step)
    {
        LRESULT visible = 0;
        if (!Ask(list, LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(rect),
                 &visible))
            return false;
        if (visible == 1)
            return true;
        const WORD code = rect->top < 0 ? SB_LINEUP : SB_LINEDOWN;
        LRESULT ignored = 0;
        if (!Ask(list, WM_VSCROLL, MAKEWPARAM(code, 0), 0, &ignored))
            return false;
    }
    return Fail("item " + std::to_string(index) + " of " + Describe(list) +
                " cannot be scrolled into view");
}

// A point inside the item near the start of its text, inside the client area.
POINT ItemPoint(HWND list, const RECT& item)
{
    RECT client{};
    GetClientRect(list, &client);
    const LONG x = std::clamp<LONG>(item.left + 3, 0, std::max<LONG>(0, client.right - 1));
    return POINT{x, (item.top + item.bottom) / 2};
}

bool ClickAt(HWND list, int index, unsigned modifiers, bool twice)
{
    RECT item{};
    if (!ShowItem(list, index, &item))
        return false;
    const POINT pt = ItemPoint(list, item);
    return twice ? DoubleClick(list, pt, modifiers) : Click(list, pt, modifiers);
}

std::string ItemText(HWND hwnd, bool combo, int index)
{
    LRESULT length = 0;
    if (!Ask(hwnd, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, static_cast<WPARAM>(index), 0,
             &length) ||
        length < 0)
        return {};
    // Lists without strings copy their item data, which may be longer than the "length".
    std::string text(std::max<size_t>(static_cast<size_t>(length), sizeof(ULONG_PTR)) + 1, '\0');
    LRESULT copied = 0;
    if (!Ask(hwnd, combo ? CB_GETLBTEXT : LB_GETTEXT, static_cast<WPARAM>(index),
             reinterpret_cast<LPARAM>(text.data()), &copied) ||
        copied < 0)
        return {};
    text.resize(std::min(static_cast<size_t>(copied), static_cast<size_t>(length)));
    return text.c_str();
}

} // namespace

bool ClickItem(HWND listBox, int index, unsigned modifiers)
{
    return ClickAt(listBox, index, modifiers, false);
}

bool DoubleClickItem(HWND listBox, int index, unsigned modifiers)
{
    return ClickAt(listBox, index, modifiers, true);
}

bool ChooseComboItem(HWND combo, const char* text)
{
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(combo, &info))
        return Fail(Describe(combo) + " is not a combo box");
    LRESULT index = CB_ERR;
    if (!Ask(combo, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text),
             &index))
        return false;
    if (index < 0)
        return Fail(Describe(combo) + " has no item \"" + std::string(text) + "\"");
    if (!(info.stateButton & STATE_SYSTEM_INVISIBLE))
    {
        LRESULT dropped = FALSE;
        if (!Ask(combo, CB_GETDROPPEDSTATE, 0, 0, &dropped))
            return false;
        if (!dropped)
        {
            const POINT button{(info.rcButton.left + info.rcButton.right) / 2,
                               (info.rcButton.top + info.rcButton.bottom) / 2};
            if (!Click(combo, button))
                return false;
            if (!Ask(combo, CB_GETDROPPEDSTATE, 0, 0, &dropped))
                return false;
            if (!dropped)
                return Fail("clicking the button of " + Describe(combo) + " did not open its list");
        }
    }
    return ClickAt(info.hwndList, static_cast<int>(index), kNoModifiers, false);
}

std::vector<std::string> ListItems(HWND hwnd)
{
    const bool combo = IsCombo(hwnd);
    LRESULT count = 0;
    if (!Ask(hwnd, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0, &count) || count < 0)
        return {};
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i)
        items.push_back(ItemText(hwnd, combo, static_cast<int>(i)));
    return items;
}

std::vector<int> SelectedItems(HWND hwnd)
{
    LRESULT selected = -1;
    if (IsCombo(hwnd))
    {
        if (!Ask(hwnd, CB_GETCURSEL, 0, 0, &selected) || selected < 0)
            return {};
        return {static_cast<int>(selected)};
    }
    const DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
    if ((style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) && !(style & LBS_NOSEL))
    {
        LRESULT count = 0;
        if (!Ask(hwnd, LB_GETSELCOUNT, 0, 0, &count) || count <= 0)
            return {};
        std::vector<int> items(static_cast<size_t>(count));
        LRESULT copied = 0;
        if (!Ask(hwnd, LB_GETSELITEMS, items.size(), reinterpret_cast<LPARAM>(items.data()),
                 &copied))
            return {};
        items.resize(static_cast<size_t>(std::max<LRESULT>(0, copied)));
        return items;
    }
    if (!Ask(hwnd, LB_GETCURSEL, 0, 0, &selected) || selected < 0)
        return {};
    return {static_cast<int>(selected)};
}

} // namespace platform::automation
