// The "ListBox" window class, and "ComboLBox", the list that a combo box shows: items with
// single, multiple (LBS_MULTIPLESEL) or extended (LBS_EXTENDEDSEL) selection, sorted or in
// the order given, owner-drawn (LBS_OWNERDRAWFIXED) or text.
//
// This file decodes messages and answers the LB_ messages; listbox_items.cpp keeps the items
// and the selection, listbox_input.cpp handles the mouse and the keys, listbox_view.cpp lays
// out, scrolls and paints. Messages change the selection without notifications; only the
// user's actions notify.
//
// Does not do: LB_DIR and LB_ADDFILE (no file listings: LB_ERR), LBS_NODATA and LB_SETCOUNT,
// LBS_MULTICOLUMN and LB_SETCOLUMNWIDTH, LBS_OWNERDRAWVARIABLE item heights (one height for
// all), LB_GETLISTBOXINFO, drag lists, or LBS_NOREDRAW / WM_SETREDRAW beyond what
// DefWindowProcA does (painting happens on demand anyway).

#include "controls/control_util.h"
#include "controls/listbox.h"
#include "user/window.h"

#include <algorithm>
#include <cstring>

namespace platform::listbox
{
namespace
{

int IndexOf(WPARAM wParam)
{
    return static_cast<int>(static_cast<INT_PTR>(wParam));
}

// Owner-drawn lists learn their item height from the owner.
void MeasureItems(ListBox& lb)
{
    if (!(lb.Style() & LBS_OWNERDRAWFIXED) || !lb.owner)
        return;
    MEASUREITEMSTRUCT mis{};
    mis.CtlType = ODT_LISTBOX;
    mis.CtlID = static_cast<UINT>(GetWindowLongPtrA(lb.hwnd, GWLP_ID));
    mis.itemHeight = static_cast<UINT>(lb.itemHeight);
    SendMessageA(lb.owner, WM_MEASUREITEM, mis.CtlID, reinterpret_cast<LPARAM>(&mis));
    if (mis.itemHeight > 0 && mis.itemHeight <= 255)
        lb.itemHeight = static_cast<int>(mis.itemHeight);
}

LRESULT OnCreate(ListBox& lb, const CREATESTRUCTA* cs)
{
    lb.owner = cs->hwndParent;
    lb.wantsVScroll = (cs->style & WS_VSCROLL) != 0;
    lb.wantsHScroll = (cs->style & WS_HSCROLL) != 0;
    // A combo box's list hears from its combo box (in the creation data) and talks to it.
    if (cs->style & LBS_COMBOBOX)
    {
        if (cs->lpCreateParams)
            lb.combo = static_cast<HWND>(cs->lpCreateParams);
        else if (cs->style & WS_CHILD)
            lb.combo = cs->hwndParent;
        lb.owner = lb.combo;
    }
    MeasureItems(lb);
    UpdateScrollBars(lb);
    return 0;
}

void OnFocus(ListBox& lb, bool gained)
{
    lb.focused = gained;
    if (!gained && lb.tracking)
    {
        lb.tracking = false;
        if (GetCapture() == lb.hwnd)
            ReleaseCapture();
    }
    Redraw(lb);
    Notify(lb, gained ? LBN_SETFOCUS : LBN_KILLFOCUS);
}

void OnPaint(ListBox& lb)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(lb.hwnd, &ps);
    Paint(lb, dc);
    EndPaint(lb.hwnd, &ps);
}

LRESULT SetCurrentSelection(ListBox& lb, int index)
{
    if (lb.Multiple())
        return LB_ERR;
    if (index != -1 && !lb.Valid(index))
        return LB_ERR;
    SelectOnly(lb, index);
    if (index < 0)
        return LB_ERR;
    lb.anchor = index;
    SetCaret(lb, index, true);
    return index;
}

LRESULT GetCurrentSelection(const ListBox& lb)
{
    if (lb.Count() == 0)
        return LB_ERR;
    // A multiple-selection list answers with its caret item.
    if (lb.Multiple())
        return lb.caret;
    return lb.selected;
}

LRESULT SetSelection(ListBox& lb, bool on, int index)
{
    if (!lb.Multiple())
        return LB_ERR;
    if (index == -1)
    {
        SelectRange(lb, 0, lb.Count() - 1, on);
        return 0;
    }
    if (!lb.Valid(index))
        return LB_ERR;
    SetItemSelected(lb, index, on);
    if (on)
    {
        lb.anchor = index;
        SetCaret(lb, index, true);
    }
    return 0;
}

LRESULT GetSelectedItems(const ListBox& lb, WPARAM max, LPARAM buffer)
{
    if (!lb.Multiple())
        return LB_ERR;
    auto* out = reinterpret_cast<int*>(buffer);
    int copied = 0;
    for (int i = 0; i < lb.Count() && static_cast<WPARAM>(copied) < max && out; ++i)
    {
        if (lb.items[static_cast<size_t>(i)].selected)
            out[copied++] = i;
    }
    return copied;
}

// LB_SELITEMRANGE: WORD indexes, in either order.
LRESULT SelectItemRange(ListBox& lb, bool on, LPARAM range)
{
    if (!lb.Multiple())
        return LB_ERR;
    SelectRange(lb, LOWORD(range), HIWORD(range), on);
    return 0;
}

// LB_SELITEMRANGEEX: first <= last selects the range, first > last deselects last..first.
LRESULT SelectItemRangeEx(ListBox& lb, WPARAM first, LPARAM last)
{
    if (!lb.Multiple())
        return LB_ERR;
    const int a = static_cast<int>(static_cast<INT_PTR>(first));
    const int b = static_cast<int>(last);
    if (a <= b)
        SelectRange(lb, a, b, true);
    else
        SelectRange(lb, b, a, false);
    return 0;
}

LRESULT SelectString(ListBox& lb, int start, LPARAM text)
{
    const LRESULT found = FindItem(lb, start, text, false);
    if (found < 0)
        return LB_ERR;
    const int index = static_cast<int>(found);
    if (!lb.Multiple() || lb.Extended())
        SelectOnly(lb, index);
    lb.anchor = index;
    SetCaret(lb, index, true);
    return index;
}

LRESULT SetItemData(ListBox& lb, int index, LPARAM data)
{
    if (!lb.Valid(index))
        return LB_ERR;
    lb.items[static_cast<size_t>(index)].data = static_cast<ULONG_PTR>(data);
    return TRUE;
}

LRESULT GetItemData(const ListBox& lb, int index)
{
    if (!lb.Valid(index))
        return LB_ERR;
    return static_cast<LRESULT>(lb.items[static_cast<size_t>(index)].data);
}

LRESULT SetCaretIndex(ListBox& lb, int index)
{
    // A single-selection list keeps its caret on the selection.
    if (!lb.Multiple() && lb.selected >= 0)
        return LB_ERR;
    if (!lb.Valid(index))
        return LB_ERR;
    SetCaret(lb, index, true);
    return 0;
}

LRESULT GetItemRectangle(const ListBox& lb, int index, LPARAM out)
{
    auto* rect = reinterpret_cast<RECT*>(out);
    if (!rect || (!lb.Valid(index) && !(index == 0 && lb.Count() == 0)))
        return LB_ERR;
    *rect = ItemRect(lb, index);
    return IsItemVisible(lb, index) ? 1 : 0;
}

LRESULT SetItemHeight(ListBox& lb, LPARAM height)
{
    const int h = LOWORD(height);
    if (h <= 0 || h > 255)
        return LB_ERR;
    lb.itemHeight = h;
    ApplyIntegralHeight(lb);
    UpdateScrollBars(lb);
    Redraw(lb);
    return 0;
}

LRESULT SetTabStops(ListBox& lb, WPARAM count, LPARAM stops)
{
    if (!(lb.Style() & LBS_USETABSTOPS))
        return FALSE;
    lb.tabStops.clear();
    const auto* values = reinterpret_cast<const int*>(stops);
    for (WPARAM i = 0; values && i < count; ++i)
        lb.tabStops.push_back(values[i]);
    Redraw(lb);
    return TRUE;
}

LRESULT InitStorage(ListBox& lb, WPARAM count)
{
    lb.items.reserve(lb.items.size() + count);
    return static_cast<LRESULT>(lb.items.capacity());
}

LRESULT Dispatch(ListBox& lb, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CREATE:
        return OnCreate(lb, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_SIZE:
        ApplyIntegralHeight(lb);
        UpdateScrollBars(lb);
        Redraw(lb);
        return 0;
    case WM_SETFONT:
        lb.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Redraw(lb);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(lb.font);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        OnFocus(lb, true);
        return 0;
    case WM_KILLFOCUS:
        OnFocus(lb, false);
        return 0;
    case WM_ENABLE:
        Redraw(lb);
        return 0;
    case WM_PAINT:
        OnPaint(lb);
        return 0;
    case WM_PRINTCLIENT:
        Paint(lb, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        // Paint fills the background with the brush of WM_CTLCOLORLISTBOX.
        return 1;
    case WM_MOUSEACTIVATE:
        // A combo box's pop-up list never takes the activation from the dialog.
        if (lb.combo && !(lb.Style() & WS_CHILD))
            return MA_NOACTIVATE;
        break;
    case WM_LBUTTONDOWN:
        OnButtonDown(lb, PointOf(lParam), wParam);
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(lb, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnButtonUp(lb, PointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnDoubleClick(lb, PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != lb.hwnd)
            OnCaptureLost(lb);
        return 0;
    case WM_MOUSEWHEEL:
        OnWheel(lb, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(lb, static_cast<UINT>(wParam));
        return 0;
    case WM_CHAR:
        OnChar(lb, static_cast<char>(wParam));
        return 0;
    case WM_VSCROLL:
        OnVScroll(lb, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
        return 0;
    case WM_HSCROLL:
        OnHScroll(lb, LOWORD(wParam), static_cast<SHORT>(HIWORD(wParam)));
        return 0;
    case WM_NCHITTEST:
        return OnNcHitTest(lb, wParam, lParam);
    case WM_NCLBUTTONDOWN:
        if (OnNcButtonDown(lb, wParam, PointOf(lParam)))
            return 0;
        break;

    case LB_ADDSTRING:
        return AddItem(lb, lParam);
    case LB_INSERTSTRING:
        return InsertItem(lb, IndexOf(wParam), lParam);
    case LB_DELETESTRING:
        return DeleteItem(lb, IndexOf(wParam));
    case LB_RESETCONTENT:
        ResetContent(lb);
        return 0;
    case LB_GETCOUNT:
        return lb.Count();
    case LB_GETTEXT:
        return GetItemText(lb, IndexOf(wParam), lParam);
    case LB_GETTEXTLEN:
        return GetItemTextLength(lb, IndexOf(wParam));
    case LB_FINDSTRING:
        return FindItem(lb, IndexOf(wParam), lParam, false);
    case LB_FINDSTRINGEXACT:
        return FindItem(lb, IndexOf(wParam), lParam, true);
    case LB_SELECTSTRING:
        return SelectString(lb, IndexOf(wParam), lParam);
    case LB_SETCURSEL:
        return SetCurrentSelection(lb, IndexOf(wParam));
    case LB_GETCURSEL:
        return GetCurrentSelection(lb);
    case LB_SETSEL:
        return SetSelection(lb, wParam != 0, static_cast<int>(lParam));
    case LB_GETSEL:
        if (!lb.Valid(IndexOf(wParam)))
            return LB_ERR;
        return lb.IsSelected(IndexOf(wParam)) ? 1 : 0;
    case LB_GETSELCOUNT:
        return lb.Multiple() ? SelectedCount(lb) : LB_ERR;
    case LB_GETSELITEMS:
        return GetSelectedItems(lb, wParam, lParam);
    case LB_SELITEMRANGE:
        return SelectItemRange(lb, wParam != 0, lParam);
    case LB_SELITEMRANGEEX:
        return SelectItemRangeEx(lb, wParam, lParam);
    case LB_SETANCHORINDEX:
        if (!lb.Valid(IndexOf(wParam)) && IndexOf(wParam) != -1)
            return LB_ERR;
        lb.anchor = IndexOf(wParam);
        return 0;
    case LB_GETANCHORINDEX:
        return lb.anchor;
    case LB_SETCARETINDEX:
        return SetCaretIndex(lb, IndexOf(wParam));
    case LB_GETCARETINDEX:
        return lb.caret;
    case LB_SETITEMDATA:
        return SetItemData(lb, IndexOf(wParam), lParam);
    case LB_GETITEMDATA:
        return GetItemData(lb, IndexOf(wParam));
    case LB_SETTOPINDEX:
        if (!lb.Valid(IndexOf(wParam)) && !(IndexOf(wParam) == 0 && lb.Count() == 0))
            return LB_ERR;
        SetTop(lb, IndexOf(wParam));
        return 0;
    case LB_GETTOPINDEX:
        return lb.top;
    case LB_GETITEMRECT:
        return GetItemRectangle(lb, IndexOf(wParam), lParam);
    case LB_ITEMFROMPOINT:
        return ItemFromPoint(lb, PointOf(lParam));
    case LB_SETITEMHEIGHT:
        return SetItemHeight(lb, lParam);
    case LB_GETITEMHEIGHT:
        return lb.itemHeight;
    case LB_SETHORIZONTALEXTENT:
        SetHorizontalExtent(lb, static_cast<int>(wParam));
        return 0;
    case LB_GETHORIZONTALEXTENT:
        return lb.horizontalExtent;
    case LB_SETTABSTOPS:
        return SetTabStops(lb, wParam, lParam);
    case LB_SETLOCALE: {
        const DWORD old = lb.locale;
        lb.locale = static_cast<DWORD>(wParam);
        return static_cast<LRESULT>(old);
    }
    case LB_GETLOCALE:
        return static_cast<LRESULT>(lb.locale);
    case LB_INITSTORAGE:
        return InitStorage(lb, wParam);
    case LB_DIR:
    case LB_ADDFILE:
    case LB_SETCOUNT:
    case LB_SETCOLUMNWIDTH:
        return LB_ERR;
    }
    return DefWindowProcA(lb.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK ListBoxWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    ListBox* lb = FromHandle(hwnd);
    if (!lb)
    {
        if (msg != WM_NCCREATE)
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        lb = new ListBox;
        lb->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(lb));
        // The title of a list box is not its content; the window manager keeps it as it is.
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ++lb->depth;
    LRESULT result;
    if (msg == WM_NCDESTROY)
    {
        ResetContent(*lb); // owner-drawn items are announced with WM_DELETEITEM
        lb->destroyed = true;
        SetWindowLongPtrA(hwnd, 0, 0);
        result = DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    else
    {
        result = Dispatch(*lb, msg, wParam, lParam);
    }
    if (--lb->depth == 0 && lb->destroyed)
        delete lb;
    return result;
}

SystemClass listBoxClass({"ListBox", CS_DBLCLKS | CS_PARENTDC | CS_GLOBALCLASS, ListBoxWndProc,
                          sizeof(LONG_PTR), IDC_ARROW, -1});
// The drop-down list of a combo box: a pop-up of its own class, as on Windows.
SystemClass comboListClass({"ComboLBox", CS_DBLCLKS | CS_SAVEBITS | CS_GLOBALCLASS, ListBoxWndProc,
                            sizeof(LONG_PTR), IDC_ARROW, -1});

} // namespace

ListBox* FromHandle(HWND hwnd)
{
    // Only the list's own procedure keeps a ListBox in the first extra bytes.
    if (!hwnd || reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd, GCLP_WNDPROC)) != ListBoxWndProc)
        return nullptr;
    return reinterpret_cast<ListBox*>(GetWindowLongPtrA(hwnd, 0));
}

} // namespace platform::listbox
