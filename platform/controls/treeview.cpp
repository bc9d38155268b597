// The "SysTreeView32" control: a hierarchy of items that the user expands, collapses and
// selects with the mouse and the keyboard, telling its parent through WM_NOTIFY.
//
// This file holds the window procedure, which only decodes messages, and the notifications.
// The items are in treeview_items.cpp, selection and expansion in treeview_select.cpp, the
// rows on screen and painting in treeview_view.cpp, the mouse and keys in treeview_input.cpp.
// When the control is destroyed the parent hears TVN_DELETEITEM for every item still there.
//
// Does not do:
// - label editing (TVS_EDITLABELS, TVM_EDITLABEL, TVM_GETEDITCONTROL answers NULL), drag and
//   drop (TVN_BEGINDRAG, TVS_DISABLEDRAGDROP is how it always behaves), tool tips and info tips;
// - image lists (TVM_SETIMAGELIST, state images, TVS_CHECKBOXES): items keep their image
//   indexes but draw no images;
// - TVS_SINGLEEXPAND, TVS_TRACKSELECT, TVM_SETINSERTMARK, custom draw (NM_CUSTOMDRAW), colours
//   (TVM_SETBKCOLOR, TVM_SETTEXTCOLOR, TVM_SETLINECOLOR), TVM_SETITEMHEIGHT and TVM_SETINDENT:
//   rows are one text line and levels three characters;
// - horizontal scrolling: text wider than the control is cut off;
// - the incremental search of several typed characters: each character finds the next row that
//   starts with it;
// - Unicode: TVM_SETUNICODEFORMAT leaves the control ANSI, and notifications are the A forms;
// - deleting every item (TVI_ROOT) moves the selection to nothing with one TVN_SELCHANGED,
//   where Windows steps it through the top-level items as they go.

#include "controls/control_util.h"
#include "controls/treeview.h"
#include "user/window.h"

#include <cstring>

namespace platform::treeview
{
namespace
{

constexpr int DataSlot = 0;

Tree* DataOf(HWND hwnd)
{
    return reinterpret_cast<Tree*>(GetWindowLongPtrA(hwnd, DataSlot));
}

void FillInfo(Item* item, TVITEMA& info)
{
    if (!item)
        return;
    info.mask = TVIF_HANDLE | TVIF_STATE | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    info.hItem = HandleOf(item);
    info.state = item->state;
    info.stateMask = 0xFFFF;
    info.lParam = item->lParam;
    info.iImage = item->image;
    info.iSelectedImage = item->selectedImage;
}

Item* ItemOrRoot(Tree& t, LPARAM lParam)
{
    auto handle = reinterpret_cast<HTREEITEM>(lParam);
    if (handle == nullptr || handle == TVI_ROOT)
        return &t.root;
    return FromHandle(t, handle);
}

// ---- Message handlers ----

LRESULT OnNcCreate(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    auto* t = new Tree;
    t->hwnd = hwnd;
    SetWindowLongPtrA(hwnd, DataSlot, reinterpret_cast<LONG_PTR>(t));
    return DefWindowProcA(hwnd, WM_NCCREATE, wParam, lParam);
}

LRESULT OnCreate(Tree& t, LPARAM lParam)
{
    const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    t.notify = cs ? cs->hwndParent : GetParent(t.hwnd);
    // The control decides about its scroll bar itself: an empty tree needs none.
    const DWORD style = StyleOf(t);
    if (style & WS_VSCROLL)
    {
        SetWindowLongA(t.hwnd, GWL_STYLE, static_cast<LONG>(style & ~WS_VSCROLL));
        SetWindowPos(t.hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
    return 0;
}

void OnDestroy(Tree& t)
{
    t.destroying = true;
    Delete(t, &t.root);
}

void OnFocus(Tree& t, bool focused)
{
    t.focused = focused;
    Invalidate(t);
    NotifySimple(t, focused ? NM_SETFOCUS : NM_KILLFOCUS);
}

LRESULT OnGetItemRect(Tree& t, WPARAM textOnly, LPARAM lParam)
{
    auto* rect = reinterpret_cast<RECT*>(lParam);
    if (!rect)
        return FALSE;
    // The caller puts the item's handle in the first bytes of the rectangle.
    HTREEITEM handle = nullptr;
    std::memcpy(&handle, rect, sizeof handle);
    Item* item = FromHandle(t, handle);
    return item && ItemRect(t, item, textOnly != 0, *rect);
}

LRESULT OnSortChildren(Tree& t, LPARAM lParam)
{
    Item* parent = ItemOrRoot(t, lParam);
    return parent && SortChildren(t, parent, nullptr, 0);
}

LRESULT OnSortChildrenCB(Tree& t, LPARAM lParam)
{
    const auto* sort = reinterpret_cast<const TVSORTCB*>(lParam);
    if (!sort)
        return FALSE;
    Item* parent = ItemOrRoot(t, reinterpret_cast<LPARAM>(sort->hParent));
    return parent && SortChildren(t, parent, sort->lpfnCompare, sort->lParam);
}

LRESULT OnPaint(Tree& t)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(t.hwnd, &ps);
    Paint(t, hdc);
    EndPaint(t.hwnd, &ps);
    return 0;
}

LRESULT OnTreeMessage(Tree& t, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case TVM_INSERTITEMA:
        return lParam ? reinterpret_cast<LRESULT>(
                            Insert(t, *reinterpret_cast<const TVINSERTSTRUCTA*>(lParam)))
                      : 0;
    case TVM_DELETEITEM: {
        Item* item = ItemOrRoot(t, lParam);
        return item && Delete(t, item);
    }
    case TVM_EXPAND:
        return Expand(t, FromHandle(t, reinterpret_cast<HTREEITEM>(lParam)),
                      static_cast<UINT>(wParam), false);
    case TVM_GETITEMRECT:
        return OnGetItemRect(t, wParam, lParam);
    case TVM_GETCOUNT:
        return static_cast<LRESULT>(t.items.size());
    case TVM_GETINDENT:
        return Indent;
    case TVM_GETNEXTITEM: {
        auto handle = reinterpret_cast<HTREEITEM>(lParam);
        Item* item = handle == TVI_ROOT ? &t.root : FromHandle(t, handle);
        if (!item && !handle && wParam == TVGN_CHILD)
            item = &t.root;
        return reinterpret_cast<LRESULT>(GetNext(t, static_cast<UINT>(wParam), item));
    }
    case TVM_SELECTITEM: {
        auto handle = reinterpret_cast<HTREEITEM>(lParam);
        Item* item = FromHandle(t, handle);
        if (handle && !item)
            return FALSE;
        return Select(t, static_cast<UINT>(wParam), item, TVC_UNKNOWN);
    }
    case TVM_GETITEMA:
        return lParam && GetItem(t, *reinterpret_cast<TVITEMA*>(lParam));
    case TVM_SETITEMA:
        return lParam && SetItem(t, *reinterpret_cast<const TVITEMA*>(lParam));
    case TVM_GETVISIBLECOUNT:
        return PageRows(t);
    case TVM_HITTEST:
        return lParam ? reinterpret_cast<LRESULT>(
                            HitTest(t, *reinterpret_cast<TVHITTESTINFO*>(lParam)))
                      : 0;
    case TVM_SORTCHILDREN:
        return OnSortChildren(t, lParam);
    case TVM_SORTCHILDRENCB:
        return OnSortChildrenCB(t, lParam);
    case TVM_ENSUREVISIBLE: {
        Item* item = FromHandle(t, reinterpret_cast<HTREEITEM>(lParam));
        return item && EnsureVisible(t, item);
    }
    case TVM_GETITEMHEIGHT:
        return RowHeight;
    case TVM_GETITEMSTATE: {
        Item* item = FromHandle(t, reinterpret_cast<HTREEITEM>(wParam));
        return item ? static_cast<LRESULT>(item->state & static_cast<UINT>(lParam)) : 0;
    }
    case TVM_GETEDITCONTROL:
    case TVM_GETUNICODEFORMAT:
    case TVM_SETUNICODEFORMAT:
        return 0;
    }
    return DefWindowProcA(t.hwnd, msg, wParam, lParam);
}

LRESULT Dispatch(Tree& t, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CREATE:
        return OnCreate(t, lParam);
    case WM_DESTROY:
        OnDestroy(t);
        return 0;
    case WM_ERASEBKGND:
        // Painting fills the background itself.
        return 1;
    case WM_PAINT:
        return OnPaint(t);
    case WM_PRINTCLIENT:
        Paint(t, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_SETFOCUS:
        OnFocus(t, true);
        return 0;
    case WM_KILLFOCUS:
        OnFocus(t, false);
        return 0;
    case WM_ENABLE:
    case WM_STYLECHANGED:
        t.layoutDirty = true;
        Invalidate(t);
        return 0;
    case WM_SIZE:
        ScrollTo(t, t.topRow);
        UpdateScrollBar(t);
        return 0;
    case WM_SETFONT:
        t.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Invalidate(t);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(t.font);
    case WM_LBUTTONDOWN:
        OnLButtonDown(t, PointOf(lParam));
        return 0;
    case WM_LBUTTONDBLCLK:
        OnLButtonDblClk(t, PointOf(lParam));
        return 0;
    case WM_RBUTTONDOWN:
        OnRButtonDown(t, PointOf(lParam));
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(t, wParam, lParam);
        return 0;
    case WM_CHAR:
        OnChar(t, wParam);
        return 0;
    case WM_VSCROLL:
        OnVScroll(t, LOWORD(wParam), static_cast<short>(HIWORD(wParam)));
        return 0;
    case WM_MOUSEWHEEL:
        OnMouseWheel(t, GET_WHEEL_DELTA_WPARAM(wParam));
        return 0;
    case WM_NCHITTEST:
        return OnNcHitTest(t, PointOf(lParam));
    case WM_NCLBUTTONDOWN:
        if (wParam == HTVSCROLL)
        {
            OnNcLButtonDown(t, wParam, PointOf(lParam));
            return 0;
        }
        break;
    }
    if (msg >= TV_FIRST && msg < TV_FIRST + 0x100)
        return OnTreeMessage(t, msg, wParam, lParam);
    if (msg == CCM_GETUNICODEFORMAT || msg == CCM_SETUNICODEFORMAT)
        return 0;
    return DefWindowProcA(t.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK TreeViewWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
        return OnNcCreate(hwnd, wParam, lParam);
    Tree* t = DataOf(hwnd);
    if (!t)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
    {
        // Handlers further up the stack may still hold the tree; the last one out frees it.
        t->dead = true;
        FreeAll(*t);
        SetWindowLongPtrA(hwnd, DataSlot, 0);
        if (t->depth == 0)
            delete t;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ++t->depth;
    const LRESULT result = Dispatch(*t, msg, wParam, lParam);
    if (--t->depth == 0 && t->dead)
        delete t;
    return result;
}

platform::SystemClass treeViewClass({WC_TREEVIEWA, CS_DBLCLKS, TreeViewWndProc,
                                     static_cast<int>(sizeof(Tree*)), IDC_ARROW, -1});

} // namespace

LRESULT Notify(Tree& t, NMHDR& header, UINT code)
{
    if (t.dead)
        return 0;
    header.hwndFrom = t.hwnd;
    header.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(t.hwnd));
    header.code = code;
    HWND target = t.notify ? t.notify : GetParent(t.hwnd);
    if (!target || !IsWindow(target))
        return 0;
    return SendMessageA(target, WM_NOTIFY, header.idFrom, reinterpret_cast<LPARAM>(&header));
}

LRESULT NotifySimple(Tree& t, UINT code)
{
    NMHDR header{};
    return Notify(t, header, code);
}

LRESULT NotifyTreeView(Tree& t, UINT code, UINT action, Item* oldItem, Item* newItem)
{
    NMTREEVIEWA nm{};
    nm.action = action;
    FillInfo(oldItem, nm.itemOld);
    FillInfo(newItem, nm.itemNew);
    if (newItem && (code == TVN_ITEMEXPANDINGA || code == TVN_ITEMEXPANDEDA))
    {
        nm.itemNew.mask |= TVIF_CHILDREN;
        nm.itemNew.cChildren =
            newItem->childrenSet ? newItem->children : (newItem->firstChild ? 1 : 0);
    }
    return Notify(t, nm.hdr, code);
}

} // namespace platform::treeview
