// The dialog manager's keyboard interface: IsDialogMessageA, tab and group navigation,
// mnemonics, and the dialog item helpers.
//
// Does not do: WM_CHANGEUISTATE keyboard cues (mnemonic underlines always show).

#include "user/dialog.h"
#include "user/queue.h"

#include <cctype>
#include <cstdlib>

namespace platform
{
namespace
{

DWORD StyleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

bool Usable(HWND hwnd)
{
    const DWORD s = StyleOf(hwnd);
    return (s & WS_VISIBLE) && !(s & WS_DISABLED);
}

// The dialog's controls in z-order, looking into child dialogs that are part of it
// (WS_EX_CONTROLPARENT), as the tab order does.
void Flatten(HWND parent, std::vector<HWND>& out)
{
    for (HWND c = GetWindow(parent, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
    {
        const LONG ex = GetWindowLongA(c, GWL_EXSTYLE);
        if ((ex & WS_EX_CONTROLPARENT) && Usable(c))
            Flatten(c, out);
        else
            out.push_back(c);
    }
}

// Index of hwnd or of the listed control that contains it.
std::ptrdiff_t IndexOf(const std::vector<HWND>& list, HWND hwnd)
{
    for (HWND h = hwnd; h; h = GetAncestor(h, GA_PARENT))
    {
        for (std::size_t i = 0; i < list.size(); ++i)
            if (list[i] == h)
                return static_cast<std::ptrdiff_t>(i);
        if (h == GetDesktopWindow())
            break;
    }
    return -1;
}

bool HasMnemonic(HWND hwnd, char key)
{
    char text[256];
    GetWindowTextA(hwnd, text, sizeof text);
    for (const char* p = text; *p; ++p)
        if (*p == '&')
        {
            if (p[1] == '&')
            {
                ++p;
                continue;
            }
            return std::toupper(static_cast<unsigned char>(p[1])) ==
                   std::toupper(static_cast<unsigned char>(key));
        }
    return false;
}

// Carries out the mnemonic key in a dialog; false when no control has it.
bool DoMnemonic(HWND dialog, HWND focus, char key)
{
    std::vector<HWND> list;
    Flatten(dialog, list);
    if (list.empty())
        return false;
    const std::ptrdiff_t start = IndexOf(list, focus);
    const std::size_t n = list.size();
    for (std::size_t step = 1; step <= n; ++step)
    {
        HWND c = list[(static_cast<std::size_t>(start < 0 ? -1 : start) + step) % n];
        if (!Usable(c) || !HasMnemonic(c, key))
            continue;
        const LRESULT code = SendMessageA(c, WM_GETDLGCODE, 0, 0);
        if (code & DLGC_STATIC)
        {
            // A label hands the focus to the control that follows it.
            if (HWND next = GetNextDlgTabItem(dialog, c, FALSE))
                SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
            return true;
        }
        if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON))
        {
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(c), BN_CLICKED),
                         reinterpret_cast<LPARAM>(c));
            return true;
        }
        if (code & DLGC_BUTTON)
        {
            SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c), TRUE);
            SendMessageA(c, BM_CLICK, 0, 0);
            return true;
        }
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(c), TRUE);
        return true;
    }
    return false;
}

void PressEnter(HWND dialog, HWND focus)
{
    if (focus && IsChild(dialog, focus) &&
        (SendMessageA(focus, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
    {
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(focus), BN_CLICKED),
                     reinterpret_cast<LPARAM>(focus));
        return;
    }
    const LRESULT def = SendMessageA(dialog, DM_GETDEFID, 0, 0);
    if (HIWORD(def) == DC_HASDEFID)
    {
        HWND button = GetDlgItem(dialog, LOWORD(def));
        if (!button || IsWindowEnabled(button))
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(LOWORD(def), BN_CLICKED),
                         reinterpret_cast<LPARAM>(button));
        return;
    }
    SendMessageA(dialog, WM_COMMAND, IDOK, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDOK)));
}

void PressArrow(HWND dialog, HWND focus, bool previous)
{
    HWND next = GetNextDlgGroupItem(dialog, focus, previous);
    if (!next)
        return;
    if (SendMessageA(next, WM_GETDLGCODE, 0, 0) == (DLGC_BUTTON | DLGC_RADIOBUTTON))
    {
        SetFocus(next);
        if ((StyleOf(next) & BS_TYPEMASK) == BS_AUTORADIOBUTTON &&
            SendMessageA(next, BM_GETCHECK, 0, 0) != BST_CHECKED)
            SendMessageA(next, BM_CLICK, 1, 0);
    }
    else
        SendMessageA(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), TRUE);
}

} // namespace
} // namespace platform

using namespace platform;

BOOL WINAPI IsDialogMessageA(HWND dialog, LPMSG msg)
{
    if (!msg || !dialog || !msg->hwnd)
        return FALSE;
    if (msg->hwnd != dialog && !IsChild(dialog, msg->hwnd))
        return FALSE;
    const LRESULT code =
        SendMessageA(msg->hwnd, WM_GETDLGCODE, msg->wParam, reinterpret_cast<LPARAM>(msg));
    if (!(code & DLGC_WANTMESSAGE))
    {
        switch (msg->message)
        {
        case WM_KEYDOWN:
            switch (msg->wParam)
            {
            case VK_TAB:
                if (code & DLGC_WANTTAB)
                    break;
                SendMessageA(dialog, WM_NEXTDLGCTL, (GetKeyState(VK_SHIFT) & 0x8000) ? 1 : 0, 0);
                return TRUE;
            case VK_LEFT:
            case VK_UP:
            case VK_RIGHT:
            case VK_DOWN:
                if (code & DLGC_WANTARROWS)
                    break;
                PressArrow(dialog, msg->hwnd, msg->wParam == VK_LEFT || msg->wParam == VK_UP);
                return TRUE;
            case VK_ESCAPE:
            case VK_CANCEL:
                SendMessageA(dialog, WM_COMMAND, IDCANCEL,
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
                return TRUE;
            case VK_RETURN:
                PressEnter(dialog, GetFocus());
                return TRUE;
            }
            break;
        case WM_CHAR:
            if (code & DLGC_WANTCHARS)
                break;
            if (msg->wParam == '\t' && (code & DLGC_WANTTAB))
                break;
            if (DoMnemonic(dialog, msg->hwnd, static_cast<char>(msg->wParam)))
                return TRUE;
            break;
        case WM_SYSCHAR:
            if (DoMnemonic(dialog, msg->hwnd, static_cast<char>(msg->wParam)))
                return TRUE;
            break;
        }
    }
    TranslateMessage(msg);
    DispatchMessageA(msg);
    return TRUE;
}

HWND WINAPI GetNextDlgTabItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> list;
    Flatten(dialog, list);
    if (list.empty())
        return nullptr;
    const std::size_t n = list.size();
    std::ptrdiff_t start = control ? IndexOf(list, control) : -1;
    if (start < 0)
        start = previous ? 0 : static_cast<std::ptrdiff_t>(n) - 1;
    for (std::size_t step = 1; step <= n; ++step)
    {
        const std::size_t i = previous ? (static_cast<std::size_t>(start) + n - step) % n
                                       : (static_cast<std::size_t>(start) + step) % n;
        HWND c = list[i];
        if (Usable(c) && (StyleOf(c) & WS_TABSTOP))
            return c;
    }
    return control;
}

HWND WINAPI GetNextDlgGroupItem(HWND dialog, HWND control, BOOL previous)
{
    std::vector<HWND> list;
    Flatten(dialog, list);
    if (list.empty())
        return nullptr;
    std::ptrdiff_t at = control ? IndexOf(list, control) : -1;
    if (at < 0)
        at = 0;
    // The group runs from the nearest WS_GROUP control at or before this one up to the next.
    std::ptrdiff_t first = at;
    while (first > 0 && !(StyleOf(list[static_cast<std::size_t>(first)]) & WS_GROUP))
        --first;
    std::ptrdiff_t last = at;
    while (last + 1 < static_cast<std::ptrdiff_t>(list.size()) &&
           !(StyleOf(list[static_cast<std::size_t>(last + 1)]) & WS_GROUP))
        ++last;
    const std::ptrdiff_t size = last - first + 1;
    for (std::ptrdiff_t step = 1; step <= size; ++step)
    {
        const std::ptrdiff_t offset = ((at - first) + (previous ? size - step : step)) % size;
        HWND c = list[static_cast<std::size_t>(first + offset)];
        if (Usable(c))
            return c;
    }
    return control;
}

HWND WINAPI GetDlgItem(HWND dialog, int id)
{
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (static_cast<int>(static_cast<WORD>(GetWindowLongPtrA(c, GWLP_ID))) ==
            static_cast<WORD>(id))
            return c;
    return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hwnd)
{
    return static_cast<int>(GetWindowLongPtrA(hwnd, GWLP_ID));
}

UINT WINAPI GetDlgItemTextA(HWND dialog, int id, LPSTR text, int maxCount)
{
    if (HWND c = GetDlgItem(dialog, id))
        return static_cast<UINT>(GetWindowTextA(c, text, maxCount));
    if (text && maxCount > 0)
        text[0] = '\0';
    return 0;
}

BOOL WINAPI SetDlgItemTextA(HWND dialog, int id, LPCSTR text)
{
    HWND c = GetDlgItem(dialog, id);
    return c ? SetWindowTextA(c, text) : FALSE;
}

UINT WINAPI GetDlgItemInt(HWND dialog, int id, BOOL* translated, BOOL isSigned)
{
    if (translated)
        *translated = FALSE;
    char text[64];
    if (!GetDlgItemTextA(dialog, id, text, sizeof text))
        return 0;
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    bool negative = false;
    if (isSigned && (*p == '-' || *p == '+'))
        negative = *p++ == '-';
    if (!std::isdigit(static_cast<unsigned char>(*p)))
        return 0;
    unsigned long long value = 0;
    while (std::isdigit(static_cast<unsigned char>(*p)))
    {
        value = value * 10 + static_cast<unsigned>(*p++ - '0');
        if (value > 0xFFFFFFFFull)
            return 0;
    }
    while (*p == ' ' || *p == '\t')
        ++p;
    if (*p)
        return 0;
    if (isSigned && value > (negative ? 0x80000000ull : 0x7FFFFFFFull))
        return 0;
    if (translated)
        *translated = TRUE;
    return negative ? static_cast<UINT>(-static_cast<long long>(value)) : static_cast<UINT>(value);
}

BOOL WINAPI SetDlgItemInt(HWND dialog, int id, UINT value, BOOL isSigned)
{
    const std::string text =
        isSigned ? std::to_string(static_cast<int>(value)) : std::to_string(value);
    return SetDlgItemTextA(dialog, id, text.c_str());
}

LRESULT WINAPI SendDlgItemMessageA(HWND dialog, int id, UINT msg, WPARAM wParam, LPARAM lParam)
{
    HWND c = GetDlgItem(dialog, id);
    return c ? SendMessageA(c, msg, wParam, lParam) : 0;
}

BOOL WINAPI CheckDlgButton(HWND dialog, int id, UINT check)
{
    HWND c = GetDlgItem(dialog, id);
    if (!c)
        return FALSE;
    SendMessageA(c, BM_SETCHECK, check, 0);
    return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND dialog, int id)
{
    return static_cast<UINT>(SendDlgItemMessageA(dialog, id, BM_GETCHECK, 0, 0));
}

BOOL WINAPI CheckRadioButton(HWND dialog, int first, int last, int check)
{
    for (int id = first; id <= last; ++id)
        if (HWND c = GetDlgItem(dialog, id))
            SendMessageA(c, BM_SETCHECK, id == check ? BST_CHECKED : BST_UNCHECKED, 0);
    return TRUE;
}
