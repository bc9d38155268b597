// Dialogs: creation from templates, modal loops, EndDialog and DefDlgProcA.
//
// Does not do: dialog fonts other than the one "MS Sans Serif" 8 metric (base units 7 x 13,
// see DialogBaseUnitX), menus in dialogs, DS_SYSMODAL, or WM_ENTERIDLE suppression flags beyond
// DS_NOIDLEMSG.

#include "user/dialog.h"
#include "user/queue.h"
#include "kernel/dialog_template.h"

#include <algorithm>
#include <cstring>

namespace platform
{
namespace
{

LRESULT CALLBACK DialogClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    return DefDlgProcA(hwnd, msg, wParam, lParam);
}

SystemClass dialogClass({"#32770", CS_DBLCLKS | CS_SAVEBITS, DialogClassProc, DLGWINDOWEXTRA,
                         nullptr, COLOR_BTNFACE});

bool IsEdit(HWND hwnd)
{
    return (SendMessageA(hwnd, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL) != 0;
}

// Gives a control the focus the way the dialog manager does: edits get their text selected.
void SetDialogFocus(HWND control)
{
    if (IsEdit(control))
        SendMessageA(control, EM_SETSEL, 0, -1);
    SetFocus(control);
}

HWND FindDefaultButton(HWND dialog)
{
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (SendMessageA(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON)
            return c;
    return nullptr;
}

void SetButtonLook(HWND button, bool isDefault)
{
    const LRESULT code = SendMessageA(button, WM_GETDLGCODE, 0, 0);
    if (!(code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)))
        return;
    if (((code & DLGC_DEFPUSHBUTTON) != 0) == isDefault)
        return;
    SendMessageA(button, BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// Makes target the button that looks default, taking the look from whichever had it.
void MoveDefaultLook(HWND dialog, HWND target)
{
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (c != target)
            SetButtonLook(c, false);
    if (target)
        SetButtonLook(target, true);
}

void SaveFocus(HWND dialog)
{
    HWND focus = GetFocus();
    if (DialogInfo* info = DialogOf(dialog))
        if (focus && IsChild(dialog, focus))
            info->focus = focus;
}

void RestoreFocus(HWND dialog)
{
    DialogInfo* info = DialogOf(dialog);
    if (!info || info->ended)
        return;
    HWND focus = info->focus;
    if (!focus || !IsWindow(focus) || !IsChild(dialog, focus) || !IsWindowVisible(focus) ||
        !IsWindowEnabled(focus))
        focus = GetNextDlgTabItem(dialog, nullptr, FALSE);
    if (focus)
        SetDialogFocus(focus);
}

LRESULT DefaultDialogHandling(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE)
            SaveFocus(hwnd);
        else
            RestoreFocus(hwnd);
        return 0;
    case WM_SETFOCUS:
        RestoreFocus(hwnd);
        return 0;
    case WM_SHOWWINDOW:
        if (!wParam)
            SaveFocus(hwnd);
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    case DM_SETDEFID: {
        DialogInfo* info = DialogOf(hwnd);
        if (!info)
            return FALSE;
        const WORD old = info->defId;
        info->defId = static_cast<WORD>(wParam);
        // The look moves now unless the focus sits on another push button.
        HWND focus = GetFocus();
        const bool onButton = focus && GetParent(focus) == hwnd &&
                              (SendMessageA(focus, WM_GETDLGCODE, 0, 0) &
                               (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON));
        if (!onButton)
            MoveDefaultLook(hwnd, GetDlgItem(hwnd, static_cast<int>(wParam)));
        (void)old;
        return TRUE;
    }
    case DM_GETDEFID: {
        DialogInfo* info = DialogOf(hwnd);
        if (info && info->defId)
            return MAKELONG(info->defId, DC_HASDEFID);
        if (HWND b = FindDefaultButton(hwnd))
            return MAKELONG(GetDlgCtrlID(b), DC_HASDEFID);
        return 0;
    }
    case WM_NEXTDLGCTL: {
        HWND target;
        if (LOWORD(lParam))
            target = reinterpret_cast<HWND>(wParam);
        else
        {
            HWND focus = GetFocus();
            if (focus && !IsChild(hwnd, focus))
                focus = nullptr;
            target = GetNextDlgTabItem(hwnd, focus, wParam != 0);
        }
        if (target && IsWindow(target))
            SetDialogFocus(target);
        return 0;
    }
    case WM_CLOSE: {
        HWND cancel = GetDlgItem(hwnd, IDCANCEL);
        if (cancel && !IsWindowEnabled(cancel))
            MessageBeep(0);
        else
            PostMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel));
        return 0;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_INITDIALOG:
        return 0;
    case WM_GETDLGCODE:
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

bool ReturnsDirectly(UINT msg)
{
    switch (msg)
    {
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_INITDIALOG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
    case 0x0037: // WM_QUERYDRAGICON
        return true;
    }
    return false;
}

RECT DialogUnitsToPixels(int x, int y, int cx, int cy)
{
    return RECT{MulDiv(x, DialogBaseUnitX, 4), MulDiv(y, DialogBaseUnitY, 8),
                MulDiv(x + cx, DialogBaseUnitX, 4), MulDiv(y + cy, DialogBaseUnitY, 8)};
}

LPCSTR ClassNameOf(const std::string& name)
{
    if (name.size() > 1 && name[0] == '#')
        return MAKEINTRESOURCE(std::atoi(name.c_str() + 1));
    return name.c_str();
}

} // namespace

DialogInfo* DialogOf(HWND hwnd)
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(hwnd);
    return w ? w->dialog : nullptr;
}

bool IsDialogWindow(const Window* w)
{
    return w->dialog != nullptr;
}

void DestroyDialogInfo(Window* w)
{
    DialogInfo* info;
    {
        std::lock_guard g(Lock());
        info = w->dialog;
        w->dialog = nullptr;
    }
    delete info;
}

void DialogFocusChanged(HWND dialog, HWND newFocus)
{
    DialogInfo* info = DialogOf(dialog);
    if (!info)
        return;
    info->focus = newFocus;
    const LRESULT code = SendMessageA(newFocus, WM_GETDLGCODE, 0, 0);
    if ((code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) && GetParent(newFocus) == dialog)
    {
        MoveDefaultLook(dialog, newFocus);
        return;
    }
    const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(def) == DC_HASDEFID)
        MoveDefaultLook(dialog, GetDlgItem(dialog, LOWORD(def)));
}

HWND CreateDialogFromTemplate(HINSTANCE instance, const DialogTemplate& t, HWND parent,
                              DLGPROC proc, LPARAM param)
{
    DWORD style = t.style;
    DWORD exStyle = t.exStyle;
    if (style & DS_MODALFRAME)
        exStyle |= WS_EX_DLGMODALFRAME;
    if (style & DS_CONTROL)
        exStyle |= WS_EX_CONTROLPARENT;
    if (style & DS_CONTEXTHELP)
        exStyle |= WS_EX_CONTEXTHELP;

    RECT r = DialogUnitsToPixels(t.x, t.y, t.cx, t.cy);
    const int clientWidth = r.right - r.left, clientHeight = r.bottom - r.top;
    RECT frame{0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    int x = r.left + frame.left, y = r.top + frame.top;
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    if (!(style & WS_CHILD))
    {
        if (style & DS_CENTER)
        {
            x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
            y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
        }
        else if (parent && !(style & DS_ABSALIGN))
        {
            POINT o{0, 0};
            ClientToScreen(parent, &o);
            x += o.x;
            y += o.y;
        }
        // Keep the dialog on the screen.
        x = std::clamp(x, 0, std::max(0, GetSystemMetrics(SM_CXSCREEN) - width));
        y = std::clamp(y, 0, std::max(0, GetSystemMetrics(SM_CYSCREEN) - height));
    }

    LPCSTR cls = t.className.empty() ? "#32770" : ClassNameOf(t.className);
    HWND dlg = CreateWindowExA(exStyle, cls, t.title.c_str(), style & ~WS_VISIBLE, x, y, width,
                               height, parent, nullptr, instance, reinterpret_cast<LPVOID>(param));
    if (!dlg)
        return nullptr;
    {
        std::lock_guard g(Lock());
        Window* w = FromHandle(dlg);
        if (w && !w->dialog)
            w->dialog = new DialogInfo;
    }
    SetWindowLongPtrA(dlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
    HFONT font = reinterpret_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (style & DS_SETFONT)
        SendMessageA(dlg, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    for (const DialogItemTemplate& item : t.items)
    {
        const RECT ir = DialogUnitsToPixels(item.x, item.y, item.cx, item.cy);
        LPCSTR title =
            item.titleOrdinal >= 0 ? MAKEINTRESOURCE(item.titleOrdinal) : item.title.c_str();
        // As on Windows, a control's creation data starts with its size WORD.
        std::vector<unsigned char> data;
        if (!item.creationData.empty())
        {
            const WORD size = static_cast<WORD>(item.creationData.size() + sizeof(WORD));
            data.resize(size);
            std::memcpy(data.data(), &size, sizeof size);
            std::memcpy(data.data() + sizeof size, item.creationData.data(),
                        item.creationData.size());
        }
        HWND c = CreateWindowExA(item.exStyle | WS_EX_NOPARENTNOTIFY, ClassNameOf(item.className),
                                 title, item.style | WS_CHILD, ir.left, ir.top, ir.right - ir.left,
                                 ir.bottom - ir.top, dlg,
                                 reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(item.id)),
                                 instance, data.empty() ? nullptr : data.data());
        if (!c)
        {
            if (!(style & DS_NOFAILCREATE))
            {
                DestroyWindow(dlg);
                return nullptr;
            }
            continue;
        }
        SendMessageA(c, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (DialogInfo* info = DialogOf(dlg))
            if (!info->defId && (SendMessageA(c, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
                info->defId = static_cast<WORD>(item.id);
    }
    if (!IsWindow(dlg))
        return nullptr;

    HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE);
    const LRESULT wantsFocus =
        SendMessageA(dlg, WM_INITDIALOG, reinterpret_cast<WPARAM>(first), param);
    if (!IsWindow(dlg))
        return nullptr;
    DialogInfo* info = DialogOf(dlg);
    if (wantsFocus && (!(style & DS_CONTROL) || (style & WS_VISIBLE)) && !(info && info->ended))
        if (HWND f = GetNextDlgTabItem(dlg, nullptr, FALSE))
            SetDialogFocus(f);
    if ((style & WS_VISIBLE) && !(info && info->ended) && !IsWindowVisible(dlg))
        ShowWindow(dlg, SW_SHOWNORMAL);
    return dlg;
}

namespace
{

bool LoadTemplate(HINSTANCE instance, LPCSTR name, DialogTemplate& t)
{
    HRSRC res = FindResourceA(instance, name, RT_DIALOG);
    if (!res)
        return false;
    HGLOBAL data = LoadResource(instance, res);
    const void* bytes = LockResource(data);
    return bytes && ParseDialogTemplate(bytes, SizeofResource(instance, res), t);
}

constexpr std::size_t kIndirectLimit = 1 << 20;

} // namespace

INT_PTR RunModalDialog(HWND dlg, HWND owner)
{
    DialogInfo* info = DialogOf(dlg);
    if (!info)
        return -1;
    info->modal = true;
    if (!info->ended && !IsWindowVisible(dlg))
        ShowWindow(dlg, SW_SHOWNORMAL);
    const bool idleMessages = !(GetWindowLongA(dlg, GWL_STYLE) & DS_NOIDLEMSG);
    MSG msg;
    while (IsWindow(dlg) && !info->ended)
    {
        if (owner && idleMessages && !PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE))
            SendMessageA(owner, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(dlg));
        if (info->ended || !IsWindow(dlg))
            break;
        if (!GetMessageA(&msg, nullptr, 0, 0))
        {
            // A WM_QUIT ends the dialog and stays in the queue for the outer loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (!IsDialogMessageA(dlg, &msg))
        {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        info = DialogOf(dlg);
        if (!info)
            break;
    }
    const INT_PTR result = info && IsWindow(dlg) ? info->result : -1;
    if (info && info->disabledOwner)
    {
        EnableWindow(info->disabledOwner, TRUE);
        info->disabledOwner = nullptr;
    }
    if (IsWindow(dlg))
        DestroyWindow(dlg);
    return result;
}

INT_PTR ModalFromTemplate(HINSTANCE instance, const DialogTemplate& t, HWND parent, DLGPROC proc,
                          LPARAM param)
{
    HWND owner = parent ? GetAncestor(parent, GA_ROOT) : nullptr;
    bool disabled = false;
    if (owner && IsWindowEnabled(owner))
    {
        EnableWindow(owner, FALSE);
        disabled = true;
    }
    HWND dlg = CreateDialogFromTemplate(instance, t, owner, proc, param);
    if (!dlg)
    {
        if (disabled)
            EnableWindow(owner, TRUE);
        return -1;
    }
    if (DialogInfo* info = DialogOf(dlg); info && disabled)
        info->disabledOwner = owner;
    return RunModalDialog(dlg, owner);
}

} // namespace platform

using namespace platform;

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate,
                                       HWND parent, DLGPROC dialogProc, LPARAM initParam)
{
    DialogTemplate t;
    if (!dialogTemplate || !ParseDialogTemplate(dialogTemplate, kIndirectLimit, t))
        return nullptr;
    return CreateDialogFromTemplate(instance, t, parent, dialogProc, initParam);
}

HWND WINAPI CreateDialogParamA(HINSTANCE instance, LPCSTR templateName, HWND parent,
                               DLGPROC dialogProc, LPARAM initParam)
{
    DialogTemplate t;
    if (!LoadTemplate(instance, templateName, t))
    {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return CreateDialogFromTemplate(instance, t, parent, dialogProc, initParam);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE instance, LPCDLGTEMPLATEA dialogTemplate,
                                       HWND parent, DLGPROC dialogProc, LPARAM initParam)
{
    DialogTemplate t;
    if (!dialogTemplate || !ParseDialogTemplate(dialogTemplate, kIndirectLimit, t))
        return -1;
    return ModalFromTemplate(instance, t, parent, dialogProc, initParam);
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE instance, LPCSTR templateName, HWND parent,
                               DLGPROC dialogProc, LPARAM initParam)
{
    DialogTemplate t;
    if (!LoadTemplate(instance, templateName, t))
    {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return -1;
    }
    return ModalFromTemplate(instance, t, parent, dialogProc, initParam);
}

BOOL WINAPI EndDialog(HWND dialog, INT_PTR result)
{
    DialogInfo* info = DialogOf(dialog);
    if (!info)
        return FALSE;
    info->result = result;
    info->ended = true;
    info->disabledOwner = nullptr;
    // As on Windows, the owner is enabled again before the dialog hides, so that it is the
    // window activated next, and the focus leaves the controls first.
    if (HWND owner = GetWindow(dialog, GW_OWNER))
        EnableWindow(owner, TRUE);
    if (OwnWindow(dialog))
    {
        HWND focus = GetFocus();
        if (focus && IsChild(dialog, focus))
            SetFocus(dialog);
        SetWindowPos(dialog, nullptr, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_HIDEWINDOW);
    }
    PostMessageA(dialog, WM_NULL, 0, 0);
    return TRUE;
}

LRESULT WINAPI DefDlgProcA(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto proc = reinterpret_cast<DLGPROC>(GetWindowLongPtrA(hwnd, DWLP_DLGPROC));
    SetWindowLongPtrA(hwnd, DWLP_MSGRESULT, 0);
    INT_PTR r = 0;
    if (proc)
        r = proc(hwnd, msg, wParam, lParam);
    if (!IsWindow(hwnd))
        return r;
    if (!r)
        return DefaultDialogHandling(hwnd, msg, wParam, lParam);
    if (ReturnsDirectly(msg))
        return r;
    return GetWindowLongPtrA(hwnd, DWLP_MSGRESULT);
}
