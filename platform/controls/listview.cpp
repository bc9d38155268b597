// The "SysListView32" control in report view: rows of items with sub-items under a header of
// columns, selection by mouse and keyboard, notifications to the parent, finding and sorting.
// This file decodes messages; the work is in listview_items.cpp (items, columns, finding,
// sorting), listview_state.cpp (states and their notifications), listview_view.cpp (layout,
// scrolling, painting) and listview_input.cpp (mouse and keyboard).
//
// Does not do:
// - the icon, small icon and list views: LVS_ICON, LVS_SMALLICON and LVS_LIST lists are shown
//   and behave as report views;
// - image lists (LVM_SETIMAGELIST keeps the handle and nothing draws it), LVS_EX_CHECKBOXES,
//   groups, tiles, working areas, tooltips, column reordering (LVM_SETCOLUMNORDERARRAY,
//   LVS_EX_HEADERDRAGDROP) and background images;
// - Unicode messages (the W forms) and WM_NOTIFYFORMAT: notifications are always ANSI.

#include "controls/control_util.h"
#include "controls/listview.h"
#include "user/window.h"

namespace platform::listview
{

namespace
{

constexpr int DataSlot = 0;
constexpr WPARAM kMaxCountHint = 1 << 24;

ListView* DataOf(HWND hwnd)
{
    return reinterpret_cast<ListView*>(GetWindowLongPtrA(hwnd, DataSlot));
}

DWORD HeaderStyle(DWORD listStyle)
{
    DWORD style = WS_CHILD | HDS_HORZ;
    if (!(listStyle & LVS_NOSORTHEADER))
        style |= HDS_BUTTONS;
    if (!(listStyle & LVS_NOCOLUMNHEADER))
        style |= WS_VISIBLE;
    return style;
}

// ---- Creation and destruction ----

LRESULT OnCreate(ListView& lv, const CREATESTRUCTA* cs)
{
    lv.notify = cs ? cs->hwndParent : GetParent(lv.hwnd);
    lv.bkColor = GetSysColor(COLOR_WINDOW);
    lv.textColor = GetSysColor(COLOR_WINDOWTEXT);
    lv.textBkColor = GetSysColor(COLOR_WINDOW);
    lv.header = CreateWindowExA(0, WC_HEADERA, "", HeaderStyle(lv.Style()), 0, 0, 0, kHeaderHeight,
                                lv.hwnd, nullptr, cs ? cs->hInstance : nullptr, nullptr);
    if (!lv.header)
        return -1;
    Layout(lv);
    return 0;
}

void OnDestroy(ListView& lv)
{
    // The parent hears of every item going, as when it deletes them all.
    lv.destroyed = true;
    DeleteAllItems(lv, true);
}

// ---- Header notifications ----

LRESULT Forward(ListView& lv, NMHDR* header)
{
    if (!lv.notify || !IsWindow(lv.notify))
        return 0;
    return SendMessageA(lv.notify, WM_NOTIFY, header->idFrom, reinterpret_cast<LPARAM>(header));
}

// The header tells the list, which acts and then passes the notification on to its own parent
// (which may refuse a change of width, as parents that fix their columns do).
LRESULT OnHeaderNotify(ListView& lv, NMHDR* header)
{
    auto* nm = reinterpret_cast<NMHEADERA*>(header);
    switch (header->code)
    {
    case HDN_ITEMCLICKA: {
        if (!(lv.Style() & LVS_NOSORTHEADER))
        {
            NMLISTVIEW click{};
            click.iItem = -1;
            click.iSubItem = nm->iItem;
            Notify(lv, LVN_COLUMNCLICK, click.hdr);
            if (lv.destroyed)
                return 0;
        }
        return Forward(lv, header);
    }
    case HDN_ITEMCHANGEDA:
        if (nm->pitem && (nm->pitem->mask & HDI_WIDTH))
            ColumnWidthChanged(lv, nm->iItem, nm->pitem->cxy);
        return Forward(lv, header);
    case HDN_DIVIDERDBLCLICKA: {
        const LRESULT result = Forward(lv, header);
        if (!lv.destroyed)
            SetColumnWidth(lv, nm->iItem, LVSCW_AUTOSIZE);
        return result;
    }
    }
    return Forward(lv, header);
}

LRESULT OnNotify(ListView& lv, WPARAM wParam, LPARAM lParam)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (header && header->hwndFrom == lv.header && lv.header)
        return OnHeaderNotify(lv, header);
    return DefWindowProcA(lv.hwnd, WM_NOTIFY, wParam, lParam);
}

// ---- Focus and style ----

void OnSetFocus(ListView& lv)
{
    lv.hasFocus = true;
    Invalidate(lv);
    NMHDR header{};
    Notify(lv, NM_SETFOCUS, header);
}

void OnKillFocus(ListView& lv)
{
    lv.hasFocus = false;
    lv.search.clear();
    Invalidate(lv);
    NMHDR header{};
    Notify(lv, NM_KILLFOCUS, header);
}

void OnStyleChanged(ListView& lv, WPARAM which, const STYLESTRUCT* change)
{
    if (which != static_cast<WPARAM>(GWL_STYLE) || lv.inLayout || !change)
        return;
    const DWORD differs = change->styleOld ^ change->styleNew;
    // Layout shows or hides the header; whether its items are buttons follows LVS_NOSORTHEADER.
    if (lv.header && (differs & LVS_NOSORTHEADER))
    {
        DWORD style = static_cast<DWORD>(GetWindowLongA(lv.header, GWL_STYLE)) &
                      ~static_cast<DWORD>(HDS_BUTTONS);
        if (!(change->styleNew & LVS_NOSORTHEADER))
            style |= HDS_BUTTONS;
        SetWindowLongA(lv.header, GWL_STYLE, static_cast<LONG>(style));
    }
    Layout(lv);
    Invalidate(lv);
}

DWORD SetExtendedStyle(ListView& lv, WPARAM mask, LPARAM style)
{
    const DWORD old = lv.exStyle;
    const DWORD change = mask ? static_cast<DWORD>(mask) : ~static_cast<DWORD>(0);
    lv.exStyle = (old & ~change) | (static_cast<DWORD>(style) & change);
    Layout(lv);
    Invalidate(lv);
    return old;
}

LRESULT OnPaint(ListView& lv)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(lv.hwnd, &ps);
    Paint(lv, hdc);
    EndPaint(lv.hwnd, &ps);
    return 0;
}

template <typename T> T* Ptr(LPARAM lParam)
{
    return reinterpret_cast<T*>(lParam);
}

LRESULT SetColor(COLORREF& color, LPARAM lParam, ListView& lv)
{
    color = static_cast<COLORREF>(lParam);
    Invalidate(lv);
    return TRUE;
}

// ---- The list view's own messages ----

LRESULT OnListMessage(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const int index = static_cast<int>(static_cast<INT_PTR>(wParam));
    switch (msg)
    {
    case LVM_GETITEMCOUNT:
        return lv.Count();
    case LVM_SETITEMCOUNT:
        // A hint of how many items are coming; an absurd one is not worth failing over.
        if (wParam <= kMaxCountHint)
            lv.items.reserve(static_cast<size_t>(wParam));
        return TRUE;
    case LVM_INSERTITEMA:
        return lParam ? InsertItem(lv, *Ptr<LVITEMA>(lParam)) : -1;
    case LVM_SETITEMA:
        return lParam ? SetItem(lv, *Ptr<LVITEMA>(lParam)) : FALSE;
    case LVM_GETITEMA:
        return lParam ? GetItem(lv, *Ptr<LVITEMA>(lParam)) : FALSE;
    case LVM_GETITEMTEXTA:
        return lParam ? GetItemText(lv, index, *Ptr<LVITEMA>(lParam)) : 0;
    case LVM_SETITEMTEXTA:
        return lParam ? SetItemText(lv, index, *Ptr<LVITEMA>(lParam)) : FALSE;
    case LVM_DELETEITEM:
        return DeleteItem(lv, index);
    case LVM_DELETEALLITEMS:
        return DeleteAllItems(lv, false);
    case LVM_GETITEMSTATE: {
        const Item* item = lv.At(index);
        return item ? static_cast<LRESULT>(item->state & static_cast<UINT>(lParam)) : 0;
    }
    case LVM_SETITEMSTATE:
        return lParam ? SetItemState(lv, index, Ptr<LVITEMA>(lParam)->state,
                                     Ptr<LVITEMA>(lParam)->stateMask)
                      : FALSE;
    case LVM_GETNEXTITEM:
        return GetNextItem(lv, index, LOWORD(lParam));
    case LVM_GETSELECTEDCOUNT:
        return lv.selectedCount;
    case LVM_GETSELECTIONMARK:
        return lv.IndexOf(lv.mark);
    case LVM_SETSELECTIONMARK: {
        const int old = lv.IndexOf(lv.mark);
        lv.mark = lv.At(static_cast<int>(lParam));
        return old;
    }
    case LVM_FINDITEMA:
        return lParam ? FindItem(lv, index, *Ptr<LVFINDINFOA>(lParam)) : -1;
    case LVM_SORTITEMS:
        return SortItems(lv, reinterpret_cast<PFNLVCOMPARE>(lParam), static_cast<LPARAM>(wParam),
                         false);
    case LVM_SORTITEMSEX:
        return SortItems(lv, reinterpret_cast<PFNLVCOMPARE>(lParam), static_cast<LPARAM>(wParam),
                         true);
    case LVM_GETSTRINGWIDTHA:
        return StringWidth(reinterpret_cast<LPCSTR>(lParam));
    case LVM_ENSUREVISIBLE:
        return EnsureVisible(lv, index, lParam != 0);
    case LVM_SCROLL:
        return Scroll(lv, index, static_cast<int>(lParam));
    case LVM_GETTOPINDEX:
        return lv.top;
    case LVM_GETCOUNTPERPAGE:
        return CountPerPage(lv);
    case LVM_GETITEMRECT:
        return lParam ? GetItemRect(lv, index, *Ptr<RECT>(lParam)) : FALSE;
    case LVM_GETSUBITEMRECT:
        return lParam ? GetSubItemRect(lv, index, *Ptr<RECT>(lParam)) : FALSE;
    case LVM_HITTEST:
        return lParam ? HitTest(lv, *Ptr<LVHITTESTINFO>(lParam), false) : -1;
    case LVM_SUBITEMHITTEST:
        return lParam ? HitTest(lv, *Ptr<LVHITTESTINFO>(lParam), true) : -1;
    case LVM_REDRAWITEMS:
    case LVM_UPDATE:
        Invalidate(lv);
        return TRUE;
    case LVM_INSERTCOLUMNA:
        return lParam ? InsertColumn(lv, index, *Ptr<LVCOLUMNA>(lParam)) : -1;
    case LVM_DELETECOLUMN:
        return DeleteColumn(lv, index);
    case LVM_GETCOLUMNA:
        return lParam ? GetColumn(lv, index, *Ptr<LVCOLUMNA>(lParam)) : FALSE;
    case LVM_SETCOLUMNA:
        return lParam ? SetColumn(lv, index, *Ptr<LVCOLUMNA>(lParam)) : FALSE;
    case LVM_GETCOLUMNWIDTH:
        return index >= 0 && index < static_cast<int>(lv.columns.size())
                   ? lv.columns[static_cast<size_t>(index)].width
                   : 0;
    case LVM_SETCOLUMNWIDTH:
        return SetColumnWidth(lv, index, static_cast<SHORT>(LOWORD(lParam)));
    case LVM_GETHEADER:
        return reinterpret_cast<LRESULT>(lv.header);
    case LVM_SETEXTENDEDLISTVIEWSTYLE:
        return static_cast<LRESULT>(SetExtendedStyle(lv, wParam, lParam));
    case LVM_GETEXTENDEDLISTVIEWSTYLE:
        return static_cast<LRESULT>(lv.exStyle);
    case LVM_SETBKCOLOR:
        return SetColor(lv.bkColor, lParam, lv);
    case LVM_GETBKCOLOR:
        return static_cast<LRESULT>(lv.bkColor);
    case LVM_SETTEXTCOLOR:
        return SetColor(lv.textColor, lParam, lv);
    case LVM_GETTEXTCOLOR:
        return static_cast<LRESULT>(lv.textColor);
    case LVM_SETTEXTBKCOLOR:
        return SetColor(lv.textBkColor, lParam, lv);
    case LVM_GETTEXTBKCOLOR:
        return static_cast<LRESULT>(lv.textBkColor);
    case LVM_SETCALLBACKMASK:
        lv.callbackMask = static_cast<UINT>(wParam);
        return TRUE;
    case LVM_GETCALLBACKMASK:
        return static_cast<LRESULT>(lv.callbackMask);
    case LVM_SETIMAGELIST: {
        if (wParam > LVSIL_STATE)
            return 0;
        HANDLE old = lv.imageLists[wParam];
        lv.imageLists[wParam] = reinterpret_cast<HANDLE>(lParam);
        return reinterpret_cast<LRESULT>(old);
    }
    case LVM_GETIMAGELIST:
        return wParam <= LVSIL_STATE ? reinterpret_cast<LRESULT>(lv.imageLists[wParam]) : 0;
    case LVM_GETEDITCONTROL:
        // Labels are never edited in place, so there is never an edit control.
        return 0;
    }
    return DefWindowProcA(lv.hwnd, msg, wParam, lParam);
}

LRESULT Dispatch(ListView& lv, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= LVM_FIRST && msg < LVM_FIRST + 0x100)
        return OnListMessage(lv, msg, wParam, lParam);
    switch (msg)
    {
    case WM_CREATE:
        return OnCreate(lv, Ptr<CREATESTRUCTA>(lParam));
    case WM_DESTROY:
        OnDestroy(lv);
        return 0;
    case WM_SIZE:
        Layout(lv);
        Invalidate(lv);
        return 0;
    case WM_STYLECHANGED:
        OnStyleChanged(lv, wParam, Ptr<STYLESTRUCT>(lParam));
        return 0;
    case WM_NOTIFY:
        return OnNotify(lv, wParam, lParam);
    case WM_SETFOCUS:
        OnSetFocus(lv);
        return 0;
    case WM_KILLFOCUS:
        OnKillFocus(lv);
        return 0;
    case WM_ENABLE:
        Invalidate(lv);
        return 0;
    case WM_SETFONT:
        lv.font = reinterpret_cast<HFONT>(wParam);
        if (lv.header)
            SendMessageA(lv.header, WM_SETFONT, wParam, lParam);
        if (LOWORD(lParam))
            Invalidate(lv);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(lv.font);
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_ERASEBKGND:
        // Painting fills the background itself.
        return 1;
    case WM_PAINT:
        return OnPaint(lv);
    case WM_PRINTCLIENT:
        Paint(lv, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_LBUTTONDOWN:
        OnLButtonDown(lv, wParam, PointOf(lParam));
        return 0;
    case WM_LBUTTONUP:
        OnLButtonUp(lv);
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(lv, wParam, PointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(lv, wParam, PointOf(lParam));
        return 0;
    case WM_RBUTTONUP:
        OnRButtonUp(lv, PointOf(lParam));
        return 0;
    case WM_CAPTURECHANGED:
        OnCaptureChanged(lv);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(lv, wParam, lParam);
        return 0;
    case WM_CHAR:
        OnChar(lv, wParam);
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(lv, wParam);
        return 0;
    case WM_VSCROLL:
        return OnVScroll(lv, wParam);
    case WM_HSCROLL:
        return OnHScroll(lv, wParam);
    case WM_NCHITTEST:
        return OnNcHitTest(lv, wParam, lParam);
    case WM_NCLBUTTONDOWN:
        return OnNcLButtonDown(lv, wParam, lParam);
    case CCM_SETUNICODEFORMAT:
    case CCM_GETUNICODEFORMAT:
        return FALSE;
    }
    return DefWindowProcA(lv.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK ListViewWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
    {
        auto* lv = new ListView;
        lv->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, DataSlot, reinterpret_cast<LONG_PTR>(lv));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ListView* lv = DataOf(hwnd);
    if (!lv)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
    {
        SetWindowLongPtrA(hwnd, DataSlot, 0);
        lv->dead = true;
        if (lv->depth == 0)
            delete lv;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    // A notification handler may destroy the control while a handler here is still running;
    // the object then lives until the outermost handler returns.
    ++lv->depth;
    const LRESULT result = Dispatch(*lv, msg, wParam, lParam);
    if (--lv->depth == 0 && lv->dead)
        delete lv;
    return result;
}

platform::SystemClass listViewClass({WC_LISTVIEWA, CS_DBLCLKS, ListViewWndProc,
                                     static_cast<int>(sizeof(ListView*)), IDC_ARROW, -1});

} // namespace

} // namespace platform::listview
