// The "ComboBox" window class: CBS_SIMPLE, CBS_DROPDOWN and CBS_DROPDOWNLIST combo boxes with a
// real "Edit" child for the text and a "ComboLBox" list for the items.
//
// This file creates the parts, decodes messages, answers the CB_ messages (passing those about
// items to the list), routes the text to the edit and keeps track of the focus across the combo
// box and its edit. The edit runs under a subclass of the combo box's that claims the keys that
// open, close and move the list. combobox_dropdown.cpp opens and closes the list and carries
// out the user's choices; combobox_view.cpp lays out and paints.
//
// The window height that a template or CreateWindowExA gives is the height down to the open
// list's bottom; the combo box itself is one line high (the field plus six pixels), and later
// sizes taller than that become the new dropped height, as on Windows.
//
// Does not do: owner-drawn combo boxes (CBS_OWNERDRAWFIXED, CBS_OWNERDRAWVARIABLE: they draw
// as text), CB_DIR (CB_ERR), the mouse wheel, WM_SETTEXT on a CBS_DROPDOWNLIST (CB_ERR: there
// is no text of its own), or fonts other than the one size every font has here.

#include "controls/combobox.h"
#include "controls/listbox.h"
#include "user/window.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace platform::combobox
{
namespace
{

int IndexOf(WPARAM wParam)
{
    return static_cast<int>(static_cast<INT_PTR>(wParam));
}

std::string ItemText(const Combo& c, int index)
{
    const LRESULT length = ToList(c, LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        ToList(c, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

void SetEditText(Combo& c, const char* text)
{
    ++c.quietEdit;
    SendMessageA(c.edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    --c.quietEdit;
}

// Focus arriving at the combo box (or its edit) from outside it.
void EnterFocus(Combo& c)
{
    if (c.focused)
        return;
    c.focused = true;
    if (c.edit)
        SendMessageA(c.edit, EM_SETSEL, 0, -1);
    Redraw(c);
    Notify(c, CBN_SETFOCUS);
}

// Focus leaving for a window outside the combo box: the list closes unchosen.
void LeaveFocus(Combo& c)
{
    if (!c.focused)
        return;
    if (c.dropped)
        Cancel(c);
    if (c.destroyed)
        return;
    c.focused = false;
    if (c.edit)
        SendMessageA(c.edit, EM_SETSEL, 0, 0);
    Redraw(c);
    Notify(c, CBN_KILLFOCUS);
}

// The edit's procedure under the combo box: the keys that belong to the list, the dialog
// codes that let Enter and Escape reach an open list, and the focus of the combo box as a
// whole.
LRESULT CALLBACK ComboEditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Combo* c = FromHandle(GetParent(hwnd));
    if (!c || !c->editProc)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    KeepAlive hold(*c);
    const WNDPROC editProc = c->editProc;
    switch (msg)
    {
    case WM_KEYDOWN:
        if (OnKey(*c, static_cast<UINT>(wParam)))
            return 0;
        break;
    case WM_SYSKEYDOWN:
        if (OnSysKey(*c, static_cast<UINT>(wParam)))
            return 0;
        break;
    case WM_GETDLGCODE: {
        LRESULT code = CallWindowProcA(editProc, hwnd, msg, wParam, lParam);
        const auto* m = reinterpret_cast<const MSG*>(lParam);
        if (c->dropped && m && m->message == WM_KEYDOWN &&
            (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE))
            code |= DLGC_WANTMESSAGE;
        return code;
    }
    case WM_SETFOCUS: {
        const LRESULT result = CallWindowProcA(editProc, hwnd, msg, wParam, lParam);
        if (!c->destroyed)
            EnterFocus(*c);
        return result;
    }
    case WM_KILLFOCUS: {
        const LRESULT result = CallWindowProcA(editProc, hwnd, msg, wParam, lParam);
        if (!c->destroyed && !Contains(*c, reinterpret_cast<HWND>(wParam)))
            LeaveFocus(*c);
        return result;
    }
    }
    return CallWindowProcA(editProc, hwnd, msg, wParam, lParam);
}

LRESULT OnNcCreate(Combo& c, CREATESTRUCTA* cs)
{
    // The combo box draws its own frame, and its scroll bars belong to its list.
    const DWORD style = static_cast<DWORD>(cs->style);
    const DWORD own = style & ~static_cast<DWORD>(WS_BORDER | WS_VSCROLL | WS_HSCROLL);
    if (own != style)
        SetWindowLongA(c.hwnd, GWL_STYLE, static_cast<LONG>(own));
    const DWORD ex = static_cast<DWORD>(GetWindowLongA(c.hwnd, GWL_EXSTYLE));
    if (ex & WS_EX_CLIENTEDGE)
        SetWindowLongA(c.hwnd, GWL_EXSTYLE, static_cast<LONG>(ex & ~WS_EX_CLIENTEDGE));
    return DefWindowProcA(c.hwnd, WM_NCCREATE, 0, reinterpret_cast<LPARAM>(cs));
}

HWND CreateList(Combo& c, const CREATESTRUCTA* cs)
{
    const DWORD style = static_cast<DWORD>(cs->style);
    DWORD listStyle = LBS_COMBOBOX | LBS_HASSTRINGS | LBS_NOTIFY | WS_BORDER;
    if (style & CBS_SORT)
        listStyle |= LBS_SORT;
    if (style & CBS_DISABLENOSCROLL)
        listStyle |= LBS_DISABLENOSCROLL;
    listStyle |= style & (WS_VSCROLL | WS_HSCROLL);
    if (c.Simple())
    {
        if (style & CBS_NOINTEGRALHEIGHT)
            listStyle |= LBS_NOINTEGRALHEIGHT;
        return CreateWindowExA(0, "ComboLBox", nullptr, listStyle | WS_CHILD | WS_VISIBLE, 0, 0, 0,
                               0, c.hwnd, reinterpret_cast<HMENU>(static_cast<INT_PTR>(ListId)),
                               cs->hInstance, c.hwnd);
    }
    // The pop-up list is sized by the combo box to show whole items, and never gets the
    // activation.
    return CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE, "ComboLBox",
                           nullptr, listStyle | LBS_NOINTEGRALHEIGHT | WS_POPUP, 0, 0, 0, 0, c.hwnd,
                           nullptr, cs->hInstance, c.hwnd);
}

HWND CreateEdit(Combo& c, const CREATESTRUCTA* cs)
{
    const DWORD style = static_cast<DWORD>(cs->style);
    DWORD editStyle = WS_CHILD | WS_VISIBLE | ES_LEFT;
    if (style & CBS_AUTOHSCROLL)
        editStyle |= ES_AUTOHSCROLL;
    if (style & CBS_UPPERCASE)
        editStyle |= ES_UPPERCASE;
    if (style & CBS_LOWERCASE)
        editStyle |= ES_LOWERCASE;
    if (style & CBS_OEMCONVERT)
        editStyle |= ES_OEMCONVERT;
    if (style & WS_DISABLED)
        editStyle |= WS_DISABLED;
    HWND edit = CreateWindowExA(0, "Edit", nullptr, editStyle, 0, 0, 0, 0, c.hwnd,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(EditId)),
                                cs->hInstance, nullptr);
    if (edit)
        c.editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ComboEditProc)));
    return edit;
}

LRESULT OnCreate(Combo& c, const CREATESTRUCTA* cs)
{
    c.parent = cs->hwndParent;
    c.kind = static_cast<DWORD>(cs->style) & 0x3;
    if (c.kind == 0)
        c.kind = CBS_SIMPLE;
    c.droppedHeight = cs->cy;
    c.list = CreateList(c, cs);
    if (!c.list)
        return -1;
    if (c.HasEdit())
    {
        c.edit = CreateEdit(c, cs);
        if (!c.edit)
            return -1;
    }
    if (!c.Simple())
        SetWindowPos(c.hwnd, nullptr, 0, 0, cs->cx, c.ClosedHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Layout(c);
    return 0;
}

// Sizes taller than the closed line set the dropped height; the window stays one line high.
void OnWindowPosChanging(Combo& c, WINDOWPOS* wp)
{
    if (c.Simple() || (wp->flags & SWP_NOSIZE))
        return;
    if (wp->cy > c.ClosedHeight())
        c.droppedHeight = wp->cy;
    wp->cy = c.ClosedHeight();
}

void OnFocus(Combo& c, bool gained, HWND other)
{
    if (gained)
    {
        if (c.edit)
            SetFocus(c.edit);
        else
            EnterFocus(c);
        return;
    }
    if (!Contains(c, other))
        LeaveFocus(c);
}

void OnEditCommand(Combo& c, WORD code)
{
    switch (code)
    {
    case EN_UPDATE:
        if (!c.quietEdit)
            Notify(c, CBN_EDITUPDATE);
        break;
    case EN_CHANGE:
        if (c.quietEdit)
            break;
        if (Notify(c, CBN_EDITCHANGE))
            TrackEditText(c);
        break;
    case EN_ERRSPACE:
        Notify(c, static_cast<WORD>(CBN_ERRSPACE));
        break;
    }
}

LRESULT GetText(const Combo& c, WPARAM size, LPARAM buffer)
{
    if (c.edit)
        return SendMessageA(c.edit, WM_GETTEXT, size, buffer);
    auto* out = reinterpret_cast<char*>(buffer);
    if (!out || size == 0)
        return 0;
    const std::string text = Selection(c) >= 0 ? ItemText(c, Selection(c)) : std::string();
    const size_t count = std::min<size_t>(text.size(), size - 1);
    std::memcpy(out, text.data(), count);
    out[count] = '\0';
    return static_cast<LRESULT>(count);
}

LRESULT GetTextLength(const Combo& c)
{
    if (c.edit)
        return SendMessageA(c.edit, WM_GETTEXTLENGTH, 0, 0);
    const int selection = Selection(c);
    return selection >= 0 ? ToList(c, LB_GETTEXTLEN, static_cast<WPARAM>(selection)) : 0;
}

LRESULT SetCurrentSelection(Combo& c, int index)
{
    // An index outside the list clears the selection, and the text with it.
    const bool valid = index >= 0 && index < ToList(c, LB_GETCOUNT);
    ToList(c, LB_SETCURSEL, static_cast<WPARAM>(valid ? index : -1));
    c.committed = Selection(c);
    ShowSelection(c);
    return valid ? index : CB_ERR;
}

LRESULT SelectString(Combo& c, WPARAM start, LPARAM text)
{
    const LRESULT found = ToList(c, LB_FINDSTRING, start, text);
    if (found < 0)
        return CB_ERR;
    return SetCurrentSelection(c, static_cast<int>(found));
}

LRESULT DeleteString(Combo& c, int index)
{
    const int selection = Selection(c);
    const LRESULT result = ToList(c, LB_DELETESTRING, static_cast<WPARAM>(index));
    if (result >= 0)
    {
        c.committed = Selection(c);
        // A drop-down list shows its selection; an edit keeps whatever text it has.
        if (!c.edit && selection == index)
            Redraw(c);
    }
    return result;
}

void ResetContent(Combo& c)
{
    ToList(c, LB_RESETCONTENT);
    c.committed = -1;
    if (c.edit)
        SetEditText(c, "");
    Redraw(c);
}

LRESULT SetItemHeight(Combo& c, int index, LPARAM height)
{
    const int h = static_cast<int>(height);
    if (h <= 0 || h > 255)
        return CB_ERR;
    if (index >= 0)
        return ToList(c, LB_SETITEMHEIGHT, static_cast<WPARAM>(index), height);
    c.fieldHeight = h;
    if (!c.Simple())
    {
        RECT window{};
        GetWindowRect(c.hwnd, &window);
        SetWindowPos(c.hwnd, nullptr, 0, 0, window.right - window.left, c.ClosedHeight(),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    Layout(c);
    Redraw(c);
    return 0;
}

LRESULT SetDroppedWidth(Combo& c, WPARAM width)
{
    // -1 and 0 ask without changing; narrower than the combo box means as wide as it.
    const int requested = static_cast<int>(static_cast<INT_PTR>(width));
    if (requested > 0)
        c.droppedWidth = requested;
    RECT window{};
    GetWindowRect(c.hwnd, &window);
    return std::max<LRESULT>(c.droppedWidth, window.right - window.left);
}

LRESULT GetEditSelection(Combo& c, WPARAM start, LPARAM end)
{
    if (!c.edit)
        return CB_ERR;
    return SendMessageA(c.edit, EM_GETSEL, start, end);
}

LRESULT SetEditSelection(Combo& c, LPARAM range)
{
    if (!c.edit)
        return CB_ERR;
    // Each end is a signed WORD: -1 for the start removes the selection, for the end means the
    // end of the text.
    const int start = static_cast<SHORT>(LOWORD(range));
    const int end = static_cast<SHORT>(HIWORD(range));
    SendMessageA(c.edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    return TRUE;
}

LRESULT GetInfo(const Combo& c, LPARAM lParam)
{
    auto* info = reinterpret_cast<COMBOBOXINFO*>(lParam);
    return GetComboBoxInfo(c.hwnd, info);
}

// F1 in the edit asks for help on the combo box, the control the dialog knows.
LRESULT OnHelp(Combo& c, WPARAM wParam, LPARAM lParam)
{
    const auto* info = reinterpret_cast<const HELPINFO*>(lParam);
    if (!info || !c.edit || info->hItemHandle != c.edit || !c.parent)
        return DefWindowProcA(c.hwnd, WM_HELP, wParam, lParam);
    HELPINFO own = *info;
    own.hItemHandle = c.hwnd;
    own.iCtrlId = static_cast<int>(GetWindowLongPtrA(c.hwnd, GWLP_ID));
    return SendMessageA(c.parent, WM_HELP, wParam, reinterpret_cast<LPARAM>(&own));
}

void OnEnable(Combo& c, bool enabled)
{
    if (!enabled && c.dropped)
        Cancel(c);
    if (c.edit)
        EnableWindow(c.edit, enabled);
    Redraw(c);
}

void OnPaint(Combo& c)
{
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(c.hwnd, &ps);
    if (dc)
        Paint(c, dc);
    EndPaint(c.hwnd, &ps);
}

LRESULT OnGetDlgCode(const Combo& c, LPARAM lParam)
{
    LRESULT code = DLGC_WANTARROWS | DLGC_WANTCHARS;
    const auto* m = reinterpret_cast<const MSG*>(lParam);
    if (c.dropped && m && m->message == WM_KEYDOWN &&
        (m->wParam == VK_RETURN || m->wParam == VK_ESCAPE))
        code |= DLGC_WANTMESSAGE;
    return code;
}

LRESULT Dispatch(Combo& c, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CREATE:
        return OnCreate(c, reinterpret_cast<const CREATESTRUCTA*>(lParam));
    case WM_DESTROY:
        // The pop-up list is no child of the combo box: it goes with it explicitly.
        c.dropped = false;
        if (c.list && !c.Simple())
            DestroyWindow(c.list);
        c.list = nullptr;
        return 0;
    case WM_WINDOWPOSCHANGING:
        OnWindowPosChanging(c, reinterpret_cast<WINDOWPOS*>(lParam));
        return DefWindowProcA(c.hwnd, msg, wParam, lParam);
    case WM_SIZE:
        Layout(c);
        if (c.dropped)
            PlaceList(c);
        Redraw(c);
        return 0;
    case WM_SETFONT:
        c.font = reinterpret_cast<HFONT>(wParam);
        if (c.edit)
            SendMessageA(c.edit, WM_SETFONT, wParam, lParam);
        ToList(c, WM_SETFONT, wParam, lParam);
        if (LOWORD(lParam))
            Redraw(c);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(c.font);
    case WM_SETTEXT:
        if (!c.edit)
            return CB_ERR;
        SetEditText(c, reinterpret_cast<const char*>(lParam));
        return TRUE;
    case WM_GETTEXT:
        return GetText(c, wParam, lParam);
    case WM_GETTEXTLENGTH:
        return GetTextLength(c);
    case WM_GETDLGCODE:
        return OnGetDlgCode(c, lParam);
    case WM_SETFOCUS:
        OnFocus(c, true, reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_KILLFOCUS:
        OnFocus(c, false, reinterpret_cast<HWND>(wParam));
        return 0;
    case WM_ENABLE:
        OnEnable(c, wParam != 0);
        return 0;
    case WM_PAINT:
        OnPaint(c);
        return 0;
    case WM_PRINTCLIENT:
        Paint(c, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        // Paint fills the background with the brush the parent chooses.
        return 1;
    case WM_COMMAND:
        if (c.edit && reinterpret_cast<HWND>(lParam) == c.edit)
            OnEditCommand(c, HIWORD(wParam));
        return 0;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        // The parts are coloured by the combo box's parent.
        if (c.parent && IsWindow(c.parent))
            return SendMessageA(c.parent, msg, wParam, lParam);
        return DefWindowProcA(c.hwnd, msg, wParam, lParam);
    case WM_HELP:
        return OnHelp(c, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        OnButtonDown(c,
                     POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))});
        return 0;
    case WM_KEYDOWN:
        if (OnKey(c, static_cast<UINT>(wParam)))
            return 0;
        return DefWindowProcA(c.hwnd, msg, wParam, lParam);
    case WM_SYSKEYDOWN:
        if (OnSysKey(c, static_cast<UINT>(wParam)))
            return 0;
        return DefWindowProcA(c.hwnd, msg, wParam, lParam);
    case WM_CHAR:
        OnChar(c, static_cast<char>(wParam));
        return 0;
    case WM_CUT:
    case WM_COPY:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
        return c.edit ? SendMessageA(c.edit, msg, wParam, lParam) : 0;

    case CB_ADDSTRING:
        return ToList(c, LB_ADDSTRING, 0, lParam);
    case CB_INSERTSTRING:
        return ToList(c, LB_INSERTSTRING, wParam, lParam);
    case CB_DELETESTRING:
        return DeleteString(c, IndexOf(wParam));
    case CB_RESETCONTENT:
        ResetContent(c);
        return CB_OKAY;
    case CB_GETCOUNT:
        return ToList(c, LB_GETCOUNT);
    case CB_GETLBTEXT:
        return ToList(c, LB_GETTEXT, wParam, lParam);
    case CB_GETLBTEXTLEN:
        return ToList(c, LB_GETTEXTLEN, wParam);
    case CB_FINDSTRING:
        return ToList(c, LB_FINDSTRING, wParam, lParam);
    case CB_FINDSTRINGEXACT:
        return ToList(c, LB_FINDSTRINGEXACT, wParam, lParam);
    case CB_SELECTSTRING:
        return SelectString(c, wParam, lParam);
    case CB_SETCURSEL:
        return SetCurrentSelection(c, IndexOf(wParam));
    case CB_GETCURSEL:
        return Selection(c);
    case CB_SETITEMDATA:
        return ToList(c, LB_SETITEMDATA, wParam, lParam);
    case CB_GETITEMDATA:
        return ToList(c, LB_GETITEMDATA, wParam);
    case CB_GETTOPINDEX:
        return ToList(c, LB_GETTOPINDEX);
    case CB_SETTOPINDEX:
        return ToList(c, LB_SETTOPINDEX, wParam);
    case CB_GETHORIZONTALEXTENT:
        return ToList(c, LB_GETHORIZONTALEXTENT);
    case CB_SETHORIZONTALEXTENT:
        return ToList(c, LB_SETHORIZONTALEXTENT, wParam);
    case CB_INITSTORAGE:
        return ToList(c, LB_INITSTORAGE, wParam, lParam);
    case CB_SETLOCALE:
        return ToList(c, LB_SETLOCALE, wParam);
    case CB_GETLOCALE:
        return ToList(c, LB_GETLOCALE);
    case CB_LIMITTEXT:
        return c.edit ? (SendMessageA(c.edit, EM_LIMITTEXT, wParam, 0), TRUE) : CB_ERR;
    case CB_SETEDITSEL:
        return SetEditSelection(c, lParam);
    case CB_GETEDITSEL:
        return GetEditSelection(c, wParam, lParam);
    case CB_SHOWDROPDOWN:
        if (wParam)
            DropDown(c, false);
        else
            Cancel(c);
        return TRUE;
    case CB_GETDROPPEDSTATE:
        return c.dropped ? TRUE : FALSE;
    case CB_GETDROPPEDCONTROLRECT:
        if (auto* r = reinterpret_cast<RECT*>(lParam))
            *r = DroppedRect(c);
        return TRUE;
    case CB_SETITEMHEIGHT:
        return SetItemHeight(c, IndexOf(wParam), lParam);
    case CB_GETITEMHEIGHT:
        return IndexOf(wParam) == -1 ? c.fieldHeight : ToList(c, LB_GETITEMHEIGHT, wParam);
    case CB_SETDROPPEDWIDTH:
        return SetDroppedWidth(c, wParam);
    case CB_GETDROPPEDWIDTH:
        return SetDroppedWidth(c, 0);
    case CB_SETEXTENDEDUI:
        c.extendedUI = wParam != 0;
        return CB_OKAY;
    case CB_GETEXTENDEDUI:
        return c.extendedUI ? TRUE : FALSE;
    case CB_GETCOMBOBOXINFO:
        return GetInfo(c, lParam);
    case CB_DIR:
        return CB_ERR;
    }
    return DefWindowProcA(c.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK ComboWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Combo* c = reinterpret_cast<Combo*>(GetWindowLongPtrA(hwnd, 0));
    if (!c)
    {
        if (msg != WM_NCCREATE)
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        c = new Combo;
        c->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(c));
        ++c->depth;
        const LRESULT result = OnNcCreate(*c, reinterpret_cast<CREATESTRUCTA*>(lParam));
        --c->depth;
        return result;
    }
    ++c->depth;
    LRESULT result;
    if (msg == WM_NCDESTROY)
    {
        c->destroyed = true;
        SetWindowLongPtrA(hwnd, 0, 0);
        result = DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    else
    {
        result = Dispatch(*c, msg, wParam, lParam);
    }
    if (--c->depth == 0 && c->destroyed)
        delete c;
    return result;
}

SystemClass comboClass({"ComboBox", CS_DBLCLKS | CS_PARENTDC | CS_GLOBALCLASS, ComboWndProc,
                        sizeof(LONG_PTR), IDC_ARROW, -1});

} // namespace

Combo* FromHandle(HWND hwnd)
{
    if (!hwnd || reinterpret_cast<WNDPROC>(GetClassLongPtrA(hwnd, GCLP_WNDPROC)) != ComboWndProc)
        return nullptr;
    return reinterpret_cast<Combo*>(GetWindowLongPtrA(hwnd, 0));
}

bool Notify(Combo& c, WORD code)
{
    if (c.destroyed)
        return false;
    if (c.parent && IsWindow(c.parent))
    {
        const WORD id = static_cast<WORD>(GetWindowLongPtrA(c.hwnd, GWLP_ID));
        SendMessageA(c.parent, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(c.hwnd));
    }
    return !c.destroyed;
}

LRESULT ToList(const Combo& c, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (!c.list)
        return msg == LB_GETCOUNT ? 0 : LB_ERR;
    return SendMessageA(c.list, msg, wParam, lParam);
}

int Selection(const Combo& c)
{
    return static_cast<int>(ToList(c, LB_GETCURSEL));
}

void ShowSelection(Combo& c)
{
    if (c.edit)
    {
        const int selection = Selection(c);
        SetEditText(c, selection >= 0 ? ItemText(c, selection).c_str() : "");
        if (c.focused)
            SendMessageA(c.edit, EM_SETSEL, 0, -1);
    }
    Redraw(c);
}

bool Contains(const Combo& c, HWND hwnd)
{
    return hwnd && (hwnd == c.hwnd || hwnd == c.edit || hwnd == c.list);
}

} // namespace platform::combobox

BOOL WINAPI GetComboBoxInfo(HWND combo, PCOMBOBOXINFO info)
{
    using namespace platform::combobox;
    Combo* c = FromHandle(combo);
    if (!c || !info || info->cbSize != sizeof(COMBOBOXINFO))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    info->rcItem = FieldRect(*c);
    info->rcButton = ButtonRect(*c);
    info->stateButton =
        c->Simple() ? STATE_SYSTEM_INVISIBLE : (c->dropped ? STATE_SYSTEM_PRESSED : 0);
    info->hwndCombo = combo;
    info->hwndItem = c->edit;
    info->hwndList = c->list;
    return TRUE;
}
