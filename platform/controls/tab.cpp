// The "SysTabControl32" control: a row of tabs over a page area, one tab selected.
//
// A program changes the selection silently (TCM_SETCURSEL); the user changes it with a click on
// a tab, Left and Right while the control has the focus, or Ctrl+Tab and Ctrl+Shift+Tab (also
// Ctrl+Page Down and Ctrl+Page Up), which wrap around. A user's change asks the parent first
// with TCN_SELCHANGING, which it vetoes by returning TRUE, and then reports TCN_SELCHANGE; the
// release of a click reports NM_CLICK. So that Ctrl+Tab reaches the control inside a dialog,
// its WM_GETDLGCODE asks for those keys; a dialog that hosts pages passes Ctrl+Tab from a page
// on to the control, as a property sheet does.
//
// Does not do:
// - several rows (TCS_MULTILINE), TCS_BOTTOM, TCS_VERTICAL, TCS_RIGHTJUSTIFY: one row along the
//   top, moved sideways to show the selected tab when they do not all fit (no scroll arrows);
// - TCS_BUTTONS and TCS_MULTISELECT: buttons look and behave as tabs (the focused tab is the
//   selected one); TCM_DESELECTALL;
// - image lists, icons, TCM_SETITEMSIZE, TCM_SETPADDING, TCM_SETMINTABWIDTH, TCM_SETITEMEXTRA,
//   owner-drawn tabs (TCS_OWNERDRAWFIXED), tool tips, hot tracking;
// - Unicode: TCM_SETUNICODEFORMAT leaves the control ANSI.

#include "controls/tab.h"
#include "user/window.h"

#include <algorithm>

namespace platform::tab
{
namespace
{

constexpr int DataSlot = 0;

TabControl* DataOf(HWND hwnd)
{
    return reinterpret_cast<TabControl*>(GetWindowLongPtrA(hwnd, DataSlot));
}

POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

int Count(const TabControl& c)
{
    return static_cast<int>(c.tabs.size());
}

bool Valid(const TabControl& c, int index)
{
    return index >= 0 && index < Count(c);
}

bool CtrlDown()
{
    return (GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

void Invalidate(TabControl& c)
{
    if (!c.dead)
        InvalidateRect(c.hwnd, nullptr, TRUE);
}

LRESULT Notify(TabControl& c, NMHDR& header, UINT code)
{
    if (c.dead)
        return 0;
    header.hwndFrom = c.hwnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(c.hwnd));
    header.code = code;
    HWND target = c.notify ? c.notify : GetParent(c.hwnd);
    if (!target || !IsWindow(target))
        return 0;
    return SendMessageA(target, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

LRESULT NotifySimple(TabControl& c, UINT code)
{
    NMHDR header{};
    return Notify(c, header, code);
}

void SetSelection(TabControl& c, int index)
{
    c.selected = index;
    c.focus = index;
    ShowTab(c, index);
    Invalidate(c);
}

// A change the user asked for: the parent may refuse it.
void SelectByUser(TabControl& c, int index)
{
    if (!Valid(c, index))
        return;
    if (index == c.selected)
    {
        c.focus = index;
        Invalidate(c);
        return;
    }
    if (NotifySimple(c, TCN_SELCHANGING) || c.dead || !Valid(c, index))
        return;
    SetSelection(c, index);
    NotifySimple(c, TCN_SELCHANGE);
}

// ---- Message handlers ----

LRESULT OnInsertItem(TabControl& c, WPARAM wParam, LPARAM lParam)
{
    const auto* item = reinterpret_cast<const TCITEMA*>(lParam);
    const int at = static_cast<int>(wParam);
    if (!item || at < 0)
        return -1;
    const int index = std::min(at, Count(c));
    Tab tab;
    if ((item->mask & TCIF_TEXT) && item->pszText)
        tab.text = item->pszText;
    if (item->mask & TCIF_IMAGE)
        tab.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        tab.lParam = item->lParam;
    if (item->mask & TCIF_STATE)
        tab.state = item->dwState & item->dwStateMask & TCIS_HIGHLIGHTED;
    c.tabs.insert(c.tabs.begin() + index, tab);
    if (c.selected >= index)
        ++c.selected;
    if (c.focus >= index)
        ++c.focus;
    // The first tab of an empty control, or of one with nothing selected, becomes the selection.
    if (c.selected < 0)
        SetSelection(c, index);
    Invalidate(c);
    return index;
}

LRESULT OnDeleteItem(TabControl& c, int index)
{
    if (!Valid(c, index))
        return FALSE;
    c.tabs.erase(c.tabs.begin() + index);
    auto follow = [index](int& at) {
        if (at == index)
            at = -1;
        else if (at > index)
            --at;
    };
    follow(c.selected);
    follow(c.focus);
    c.firstShown = std::clamp(c.firstShown, 0, std::max(0, Count(c) - 1));
    Invalidate(c);
    return TRUE;
}

LRESULT OnDeleteAllItems(TabControl& c)
{
    c.tabs.clear();
    c.selected = c.focus = -1;
    c.firstShown = 0;
    Invalidate(c);
    return TRUE;
}

LRESULT OnGetItem(TabControl& c, int index, TCITEMA* item)
{
    if (!item)
        return FALSE;
    if (!Valid(c, index))
    {
        // Windows clears what was asked for when the index is wrong.
        if (item->mask & TCIF_PARAM)
            item->lParam = 0;
        if (item->mask & TCIF_IMAGE)
            item->iImage = 0;
        if (item->mask & TCIF_STATE)
            item->dwState = 0;
        return FALSE;
    }
    const Tab& tab = c.tabs[static_cast<std::size_t>(index)];
    if ((item->mask & TCIF_TEXT) && item->pszText && item->cchTextMax > 0)
        lstrcpynA(item->pszText, tab.text.c_str(), item->cchTextMax);
    if (item->mask & TCIF_IMAGE)
        item->iImage = tab.image;
    if (item->mask & TCIF_PARAM)
        item->lParam = tab.lParam;
    if (item->mask & TCIF_STATE)
    {
        const DWORD state = tab.state | (index == c.selected ? TCIS_BUTTONPRESSED : 0);
        item->dwState = state & item->dwStateMask;
    }
    return TRUE;
}

LRESULT OnSetItem(TabControl& c, int index, const TCITEMA* item)
{
    if (!item || !Valid(c, index))
        return FALSE;
    Tab& tab = c.tabs[static_cast<std::size_t>(index)];
    if (item->mask & TCIF_TEXT)
        tab.text = item->pszText ? item->pszText : "";
    if (item->mask & TCIF_IMAGE)
        tab.image = item->iImage;
    if (item->mask & TCIF_PARAM)
        tab.lParam = item->lParam;
    if (item->mask & TCIF_STATE)
        tab.state = (tab.state & ~item->dwStateMask) |
                    (item->dwState & item->dwStateMask & TCIS_HIGHLIGHTED);
    Invalidate(c);
    return TRUE;
}

LRESULT OnSetCurSel(TabControl& c, int index)
{
    if (index >= Count(c))
        return -1;
    const int previous = c.selected;
    if (index < 0)
    {
        c.selected = c.focus = -1;
        Invalidate(c);
    }
    else
        SetSelection(c, index);
    return previous;
}

LRESULT OnSetCurFocus(TabControl& c, int index)
{
    // Without TCS_BUTTONS the focused tab is the selected one, so the parent hears of the change.
    if (index < 0)
    {
        c.selected = c.focus = -1;
        Invalidate(c);
    }
    else
        SelectByUser(c, index);
    return 0;
}

LRESULT OnHitTest(TabControl& c, LPARAM lParam)
{
    auto* info = reinterpret_cast<TCHITTESTINFO*>(lParam);
    return info ? HitTest(c, info->pt, &info->flags) : -1;
}

// Away from its tabs the control is transparent to the mouse, as on Windows, so that the
// controls laid out over its page area (its siblings, lower in the z-order) get their clicks.
LRESULT OnNcHitTest(TabControl& c, LPARAM lParam)
{
    POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ScreenToClient(c.hwnd, &pt);
    return HitTest(c, pt, nullptr) == -1 ? HTTRANSPARENT : HTCLIENT;
}

LRESULT OnGetItemRect(TabControl& c, int index, LPARAM lParam)
{
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect || !Valid(c, index))
        return FALSE;
    *rect = TabRect(c, index);
    return TRUE;
}

LRESULT OnGetDlgCode(LPARAM lParam)
{
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const auto* msg = reinterpret_cast<const MSG*>(lParam);
    if (msg && msg->message == WM_KEYDOWN && CtrlDown() &&
        (msg->wParam == VK_TAB || msg->wParam == VK_PRIOR || msg->wParam == VK_NEXT))
        code |= DLGC_WANTMESSAGE;
    return code;
}

void OnKeyDown(TabControl& c, WPARAM vk, LPARAM flags)
{
    NMTCKEYDOWN key{};
    key.wVKey = static_cast<WORD>(vk);
    key.flags = static_cast<UINT>(flags);
    Notify(c, key.hdr, TCN_KEYDOWN);
    if (c.dead || c.tabs.empty())
        return;
    const int count = Count(c);
    const int from = c.focus >= 0 ? c.focus : std::max(0, c.selected);
    switch (vk)
    {
    case VK_LEFT:
        if (from > 0)
            SelectByUser(c, from - 1);
        break;
    case VK_RIGHT:
        if (from + 1 < count)
            SelectByUser(c, from + 1);
        break;
    case VK_TAB:
    case VK_NEXT:
    case VK_PRIOR:
        if (CtrlDown())
        {
            const bool back = vk == VK_PRIOR || (vk == VK_TAB && (GetKeyState(VK_SHIFT) & 0x8000));
            const int current = c.selected >= 0 ? c.selected : 0;
            SelectByUser(c, (current + (back ? count - 1 : 1)) % count);
        }
        break;
    }
}

void OnLButtonDown(TabControl& c, POINT pt)
{
    c.pressed = true;
    if (!(GetWindowLongA(c.hwnd, GWL_STYLE) & TCS_FOCUSNEVER) && GetFocus() != c.hwnd)
    {
        SetFocus(c.hwnd);
        if (c.dead)
            return;
    }
    const int index = HitTest(c, pt, nullptr);
    if (index >= 0)
        SelectByUser(c, index);
}

void OnLButtonUp(TabControl& c)
{
    if (!c.pressed)
        return;
    c.pressed = false;
    NotifySimple(c, NM_CLICK);
}

void OnRButtonUp(TabControl& c, POINT pt)
{
    if (NotifySimple(c, NM_RCLICK) || c.dead)
        return;
    ClientToScreen(c.hwnd, &pt);
    SendMessageA(c.hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(c.hwnd), MAKELPARAM(pt.x, pt.y));
}

void OnFocus(TabControl& c, bool focused)
{
    c.focused = focused;
    if (focused && c.focus < 0)
        c.focus = c.selected;
    Invalidate(c);
}

LRESULT OnPaint(TabControl& c)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(c.hwnd, &ps);
    Paint(c, hdc);
    EndPaint(c.hwnd, &ps);
    return 0;
}

LRESULT Dispatch(TabControl& c, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int index = static_cast<int>(wParam);
    switch (msg)
    {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        c.notify = cs ? cs->hwndParent : GetParent(c.hwnd);
        return 0;
    }
    case WM_ERASEBKGND:
        // The page area stays as the pages drew it; painting fills the tab row itself.
        return 1;
    case WM_PAINT:
        return OnPaint(c);
    case WM_PRINTCLIENT:
        Paint(c, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return OnGetDlgCode(lParam);
    case WM_SETFOCUS:
        OnFocus(c, true);
        return 0;
    case WM_KILLFOCUS:
        OnFocus(c, false);
        return 0;
    case WM_ENABLE:
    case WM_STYLECHANGED:
        Invalidate(c);
        return 0;
    case WM_SIZE:
        ShowTab(c, c.selected);
        return 0;
    case WM_SETFONT:
        c.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Invalidate(c);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(c.font);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnLButtonDown(c, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(c);
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(c, PointOf(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(c, wParam, lParam);
        return 0;
    case TCM_GETITEMCOUNT:
        return Count(c);
    case TCM_INSERTITEMA:
        return OnInsertItem(c, wParam, lParam);
    case TCM_DELETEITEM:
        return OnDeleteItem(c, index);
    case TCM_DELETEALLITEMS:
        return OnDeleteAllItems(c);
    case TCM_GETITEMA:
        return OnGetItem(c, index, reinterpret_cast<TCITEMA*>(lParam));
    case TCM_SETITEMA:
        return OnSetItem(c, index, reinterpret_cast<const TCITEMA*>(lParam));
    case TCM_GETITEMRECT:
        return OnGetItemRect(c, index, lParam);
    case TCM_GETCURSEL:
        return c.selected;
    case TCM_SETCURSEL:
        return OnSetCurSel(c, index);
    case TCM_GETCURFOCUS:
        return c.focus;
    case TCM_SETCURFOCUS:
        return OnSetCurFocus(c, index);
    case TCM_HITTEST:
        return OnHitTest(c, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(c, lParam);
    case TCM_ADJUSTRECT:
        if (!lParam)
            return -1;
        AdjustRect(wParam != 0, *reinterpret_cast<RECT*>(lParam));
        return 0;
    case TCM_GETROWCOUNT:
        return 1;
    case TCM_GETUNICODEFORMAT:
    case TCM_SETUNICODEFORMAT:
        return 0;
    }
    return DefWindowProcA(c.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TabWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
    {
        auto* c = new TabControl;
        c->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, DataSlot, reinterpret_cast<LONG_PTR>(c));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    TabControl* c = DataOf(hwnd);
    if (!c)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
    {
        // Handlers further up the stack may still hold the control; the last one out frees it.
        c->dead = true;
        SetWindowLongPtrA(hwnd, DataSlot, 0);
        if (c->depth == 0)
            delete c;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ++c->depth;
    const LRESULT result = Dispatch(*c, msg, wParam, lParam);
    if (--c->depth == 0 && c->dead)
        delete c;
    return result;
}

platform::SystemClass tabClass({WC_TABCONTROLA, CS_DBLCLKS, TabWndProc,
                                static_cast<int>(sizeof(TabControl*)), IDC_ARROW, -1});

} // namespace
} // namespace platform::tab
