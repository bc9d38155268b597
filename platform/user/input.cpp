// Keyboard and mouse input: SendInput, routing to threads, turning events into messages,
// TranslateMessage, key state, cursors and beeps.
//
// Does not do: keyboard layouts other than US English, dead keys, IME, hover and leave
// tracking, XBUTTONs, or raw input. Mouse messages carry no WM_SETCURSOR round trip.

#include "user/queue.h"
#include "platform/user.h"

#include <cstdlib>

namespace platform
{
namespace
{

struct InputState
{
    POINT cursor{640, 512};
    HCURSOR current = nullptr;
    BYTE asyncKeys[256] = {};
};

InputState& state()
{
    static InputState s; // guarded by the window manager lock
    return s;
}

std::atomic<LONG> g_beeps{0};

bool IsSysKey(const ThreadQueue* q, WORD vk)
{
    const bool alt = (q->keys[VK_MENU] & 0x80) != 0;
    const bool ctrl = (q->keys[VK_CONTROL] & 0x80) != 0;
    return (alt && !ctrl) || vk == VK_F10 || vk == VK_MENU;
}

void UpdateKey(BYTE* keys, WORD vk, bool down)
{
    auto set = [&](WORD k) {
        if (down)
        {
            if (!(keys[k] & 0x80))
                keys[k] ^= 0x01;
            keys[k] |= 0x80;
        }
        else
            keys[k] &= static_cast<BYTE>(~0x80);
    };
    set(vk);
    switch (vk)
    {
    case VK_LSHIFT:
    case VK_RSHIFT:
        set(VK_SHIFT);
        break;
    case VK_LCONTROL:
    case VK_RCONTROL:
        set(VK_CONTROL);
        break;
    case VK_LMENU:
    case VK_RMENU:
        set(VK_MENU);
        break;
    }
}

WPARAM MouseKeyState(const ThreadQueue* q)
{
    WPARAM mk = 0;
    if (q->keys[VK_LBUTTON] & 0x80)
        mk |= MK_LBUTTON;
    if (q->keys[VK_RBUTTON] & 0x80)
        mk |= MK_RBUTTON;
    if (q->keys[VK_MBUTTON] & 0x80)
        mk |= MK_MBUTTON;
    if (q->keys[VK_SHIFT] & 0x80)
        mk |= MK_SHIFT;
    if (q->keys[VK_CONTROL] & 0x80)
        mk |= MK_CONTROL;
    return mk;
}

DWORD TargetThreadForMouse(POINT pt)
{
    std::lock_guard g(Lock());
    if (Window* c = FromHandle(CaptureWindow()))
        return c->threadId;
    HWND h = WindowFromPoint(pt);
    Window* w = FromHandle(h);
    return w ? w->threadId : 0;
}

// Mouse event flags to the button message they produce, before hit testing.
UINT ButtonMessage(DWORD flags)
{
    if (flags & MOUSEEVENTF_LEFTDOWN)
        return WM_LBUTTONDOWN;
    if (flags & MOUSEEVENTF_LEFTUP)
        return WM_LBUTTONUP;
    if (flags & MOUSEEVENTF_RIGHTDOWN)
        return WM_RBUTTONDOWN;
    if (flags & MOUSEEVENTF_RIGHTUP)
        return WM_RBUTTONUP;
    if (flags & MOUSEEVENTF_MIDDLEDOWN)
        return WM_MBUTTONDOWN;
    if (flags & MOUSEEVENTF_MIDDLEUP)
        return WM_MBUTTONUP;
    if (flags & MOUSEEVENTF_WHEEL)
        return WM_MOUSEWHEEL;
    return WM_MOUSEMOVE;
}

bool BuildKeyMessage(ThreadQueue* q, const InputEvent& e, MSG* msg)
{
    const bool up = (e.flags & KEYEVENTF_KEYUP) != 0;
    WORD vk = e.vk;
    BYTE scan = 0;
    if (e.flags & KEYEVENTF_UNICODE)
    {
        vk = VK_PACKET;
        scan = e.ch < 256 ? static_cast<BYTE>(e.ch) : static_cast<BYTE>('?');
    }
    else
        scan = static_cast<BYTE>(MapVirtualKeyA(vk, 0));
    HWND target;
    bool sys = IsSysKey(q, vk);
    {
        std::lock_guard g(Lock());
        target = q->focus;
        if (!target)
        {
            // Without a focus window, keys go to the active window as system keys.
            target = q->active;
            sys = true;
        }
    }
    if (!target)
        return false;
    LPARAM lp = 1 | (LPARAM{scan} << 16);
    if (e.flags & KEYEVENTF_EXTENDEDKEY)
        lp |= LPARAM{1} << 24;
    if (q->keys[vk] & 0x80)
        lp |= LPARAM{1} << 30;
    if (up)
        lp |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
    if (q->keys[VK_MENU] & 0x80)
        lp |= LPARAM{1} << 29;
    const UINT message = sys ? (up ? WM_SYSKEYUP : WM_SYSKEYDOWN) : (up ? WM_KEYUP : WM_KEYDOWN);
    *msg =
        MSG{target, message, vk, static_cast<LPARAM>(static_cast<std::uint32_t>(lp)), e.time, e.pt};
    return true;
}

// The window at pt that a child beneath `transparent` in the z-order offers: the first visible
// sibling lower down that holds the point, or its deepest enabled child there. Null when there
// is none, or when it is disabled (its area then belongs to the parent, as in WindowFromPoint).
HWND WindowBeneath(HWND transparent, POINT pt)
{
    if (!(GetWindowLongA(transparent, GWL_STYLE) & WS_CHILD))
        return nullptr;
    auto holds = [pt](HWND w) {
        RECT r{};
        return (GetWindowLongA(w, GWL_STYLE) & WS_VISIBLE) && GetWindowRect(w, &r) &&
               PtInRect(&r, pt);
    };
    HWND h = GetWindow(transparent, GW_HWNDNEXT);
    while (h && !holds(h))
        h = GetWindow(h, GW_HWNDNEXT);
    if (!h || !IsWindowEnabled(h))
        return nullptr;
    for (;;)
    {
        POINT client = pt;
        RECT area{};
        ScreenToClient(h, &client);
        GetClientRect(h, &area);
        if (!PtInRect(&area, client))
            return h;
        HWND c = GetWindow(h, GW_CHILD);
        while (c && !holds(c))
            c = GetWindow(c, GW_HWNDNEXT);
        if (!c || !IsWindowEnabled(c))
            return h;
        h = c;
    }
}

// Finds the window under the point on this thread, asking each candidate where the point lies.
// A window that answers HTTRANSPARENT (a group box, a static) passes the point to the window
// beneath it: a lower sibling holding the point, else its parent.
HWND HitTest(POINT pt, LRESULT* hit)
{
    HWND h = WindowFromPoint(pt);
    while (h)
    {
        if (!OwnWindow(h))
            return nullptr;
        *hit = SendMessageA(h, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
        if (*hit != HTTRANSPARENT)
            return h;
        if (HWND beneath = WindowBeneath(h, pt))
        {
            h = beneath;
            continue;
        }
        HWND parent = GetAncestor(h, GA_PARENT);
        h = parent == GetDesktopWindow() ? nullptr : parent;
    }
    return nullptr;
}

bool BuildMouseMessage(ThreadQueue* q, const InputEvent& e, MSG* msg, bool remove)
{
    const UINT button = ButtonMessage(e.flags);
    LRESULT hit = HTCLIENT;
    HWND target;
    {
        std::lock_guard g(Lock());
        target = q->capture;
    }
    if (!target)
    {
        target = HitTest(e.pt, &hit);
        if (!target)
            return false;
    }
    const bool down =
        button == WM_LBUTTONDOWN || button == WM_RBUTTONDOWN || button == WM_MBUTTONDOWN;
    if (down && remove)
    {
        // A disabled top-level window (the owner of a modal dialog) refuses the click.
        if (!IsWindowEnabled(GetAncestor(target, GA_ROOT)) || hit == HTERROR)
        {
            MessageBeep(0);
            return false;
        }
        HWND top = GetAncestor(target, GA_ROOT);
        if (top != GetActiveWindow())
        {
            const LRESULT ma = SendMessageA(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(top),
                                            MAKELPARAM(hit, button));
            if (ma == MA_ACTIVATE || ma == MA_ACTIVATEANDEAT || ma == 0)
                if (Window* tw = OwnWindow(top))
                    ActivateWindow(tw, true);
            if (ma == MA_ACTIVATEANDEAT || ma == MA_NOACTIVATEANDEAT)
                return false;
            if (!IsWindow(target))
                return false;
        }
    }
    UINT message = button;
    if (button == WM_MOUSEWHEEL)
    {
        HWND focus = GetFocus();
        *msg = MSG{focus ? focus : target,
                   WM_MOUSEWHEEL,
                   MAKEWPARAM(MouseKeyState(q), static_cast<WORD>(e.ch)),
                   MAKELPARAM(e.pt.x, e.pt.y),
                   e.time,
                   e.pt};
        return true;
    }
    if (hit != HTCLIENT)
    {
        message = button - WM_MOUSEMOVE + WM_NCMOUSEMOVE;
        if (button == WM_RBUTTONDOWN || button == WM_RBUTTONUP)
            message = button; // no non-client right button handling here
        *msg = MSG{target, message, static_cast<WPARAM>(hit), MAKELPARAM(e.pt.x, e.pt.y),
                   e.time, e.pt};
    }
    else
    {
        POINT client = e.pt;
        ScreenToClient(target, &client);
        // The key state applies this event's own button only once the message is removed, but
        // the message already reports it: down for a press, up for a release.
        WPARAM mk = MouseKeyState(q);
        if (e.flags & MOUSEEVENTF_LEFTDOWN)
            mk |= MK_LBUTTON;
        if (e.flags & MOUSEEVENTF_LEFTUP)
            mk &= ~static_cast<WPARAM>(MK_LBUTTON);
        if (e.flags & MOUSEEVENTF_RIGHTDOWN)
            mk |= MK_RBUTTON;
        if (e.flags & MOUSEEVENTF_RIGHTUP)
            mk &= ~static_cast<WPARAM>(MK_RBUTTON);
        if (e.flags & MOUSEEVENTF_MIDDLEDOWN)
            mk |= MK_MBUTTON;
        if (e.flags & MOUSEEVENTF_MIDDLEUP)
            mk &= ~static_cast<WPARAM>(MK_MBUTTON);
        *msg = MSG{target, message, mk, MAKELPARAM(client.x, client.y), e.time, e.pt};
    }
    if (down && remove)
    {
        // The second press within the double-click time and distance becomes a double click.
        const int dx = GetSystemMetrics(SM_CXDOUBLECLK) / 2,
                  dy = GetSystemMetrics(SM_CYDOUBLECLK) / 2;
        const bool dblClass = hit != HTCLIENT || (GetClassLongPtrA(target, GCL_STYLE) & CS_DBLCLKS);
        if (dblClass && q->lastClickWindow == target && q->lastClickMessage == message &&
            e.time - q->lastClickTime <= GetDoubleClickTime() &&
            std::abs(e.pt.x - q->lastClickPoint.x) <= dx &&
            std::abs(e.pt.y - q->lastClickPoint.y) <= dy)
        {
            msg->message = message + (WM_LBUTTONDBLCLK - WM_LBUTTONDOWN);
            q->lastClickWindow = nullptr;
        }
        else
        {
            q->lastClickWindow = target;
            q->lastClickMessage = message;
            q->lastClickTime = e.time;
            q->lastClickPoint = e.pt;
        }
    }
    return true;
}

void ApplyMouseButtons(ThreadQueue* q, DWORD flags)
{
    if (flags & MOUSEEVENTF_LEFTDOWN)
        UpdateKey(q->keys, VK_LBUTTON, true);
    if (flags & MOUSEEVENTF_LEFTUP)
        UpdateKey(q->keys, VK_LBUTTON, false);
    if (flags & MOUSEEVENTF_RIGHTDOWN)
        UpdateKey(q->keys, VK_RBUTTON, true);
    if (flags & MOUSEEVENTF_RIGHTUP)
        UpdateKey(q->keys, VK_RBUTTON, false);
    if (flags & MOUSEEVENTF_MIDDLEDOWN)
        UpdateKey(q->keys, VK_MBUTTON, true);
    if (flags & MOUSEEVENTF_MIDDLEUP)
        UpdateKey(q->keys, VK_MBUTTON, false);
}

} // namespace

bool NextInputMessage(ThreadQueue* q, MSG* msg, HWND filter, UINT min, UINT max, bool remove)
{
    for (;;)
    {
        InputEvent e;
        {
            std::lock_guard g(q->mutex);
            if (q->input.empty())
                return false;
            e = q->input.front();
        }
        MSG m{};
        bool ok;
        if (e.keyboard)
            ok = BuildKeyMessage(q, e, &m);
        else
            ok = BuildMouseMessage(q, e, &m, remove);
        const bool matches = ok && (!(min || max) || (m.message >= min && m.message <= max)) &&
                             (!filter || m.hwnd == filter || IsChild(filter, m.hwnd));
        if (ok && !matches)
            return false;
        if (remove || !ok)
        {
            {
                std::lock_guard g(q->mutex);
                if (!q->input.empty())
                {
                    q->input.pop_front();
                    q->pending.fetch_sub(1);
                }
            }
            if (e.keyboard)
                UpdateKey(q->keys, (e.flags & KEYEVENTF_UNICODE) ? VK_PACKET : e.vk,
                          !(e.flags & KEYEVENTF_KEYUP));
            else
                ApplyMouseButtons(q, e.flags);
        }
        if (ok)
        {
            *msg = m;
            return true;
        }
    }
}

} // namespace platform

using namespace platform;

UINT WINAPI SendInput(UINT count, LPINPUT inputs, int size)
{
    if (!inputs || size != static_cast<int>(sizeof(INPUT)))
        return 0;
    UINT sent = 0;
    for (UINT i = 0; i < count; ++i)
    {
        const INPUT& in = inputs[i];
        InputEvent e;
        DWORD thread = 0;
        if (in.type == INPUT_KEYBOARD)
        {
            e.keyboard = true;
            e.vk = in.ki.wVk;
            e.ch = in.ki.wScan;
            e.flags = in.ki.dwFlags;
            e.time = in.ki.time ? in.ki.time : NowMs();
            {
                std::lock_guard g(Lock());
                e.pt = state().cursor;
                if (!(e.flags & KEYEVENTF_UNICODE))
                    UpdateKey(state().asyncKeys, e.vk, !(e.flags & KEYEVENTF_KEYUP));
            }
            thread = PlatformForegroundThread();
        }
        else if (in.type == INPUT_MOUSE)
        {
            e.flags = in.mi.dwFlags;
            e.time = in.mi.time ? in.mi.time : NowMs();
            e.ch = static_cast<WORD>(in.mi.mouseData);
            {
                std::lock_guard g(Lock());
                POINT& c = state().cursor;
                if (in.mi.dwFlags & MOUSEEVENTF_MOVE)
                {
                    if (in.mi.dwFlags & MOUSEEVENTF_ABSOLUTE)
                    {
                        c.x = MulDiv(in.mi.dx, 1280, 65536);
                        c.y = MulDiv(in.mi.dy, 1024, 65536);
                    }
                    else
                    {
                        c.x += in.mi.dx;
                        c.y += in.mi.dy;
                    }
                    c.x = std::clamp<LONG>(c.x, 0, 1279);
                    c.y = std::clamp<LONG>(c.y, 0, 1023);
                }
                e.pt = c;
            }
            thread = TargetThreadForMouse(e.pt);
        }
        else
            continue;
        ++sent;
        if (!thread)
            continue;
        if (auto q = QueueOfThread(thread))
            q->PushInput(e);
    }
    return sent;
}

BOOL WINAPI SetCursorPos(int x, int y)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    // Exact pixel positions survive the 0..65535 normalisation by rounding up.
    in.mi.dx =
        static_cast<LONG>((static_cast<long long>(std::clamp(x, 0, 1279)) * 65536 + 1279) / 1280);
    in.mi.dy =
        static_cast<LONG>((static_cast<long long>(std::clamp(y, 0, 1023)) * 65536 + 1023) / 1024);
    SendInput(1, &in, sizeof(in));
    return TRUE;
}

BOOL WINAPI GetCursorPos(LPPOINT point)
{
    if (!point)
        return FALSE;
    std::lock_guard g(Lock());
    *point = state().cursor;
    return TRUE;
}

SHORT WINAPI GetKeyState(int virtKey)
{
    ThreadQueue* q = CurrentQueue();
    const BYTE k = q->keys[virtKey & 0xFF];
    return static_cast<SHORT>(((k & 0x80) ? 0x8000 : 0) | (k & 0x01));
}

SHORT WINAPI GetAsyncKeyState(int virtKey)
{
    std::lock_guard g(Lock());
    return (state().asyncKeys[virtKey & 0xFF] & 0x80) ? static_cast<SHORT>(0x8000) : 0;
}

namespace
{

char ShiftedDigit(int d)
{
    return ")!@#$%^&*("[d];
}

int CharOfKey(WORD vk, bool shift, bool caps)
{
    if (vk >= 'A' && vk <= 'Z')
        return (shift != caps) ? vk : vk + ('a' - 'A');
    if (vk >= '0' && vk <= '9')
        return shift ? ShiftedDigit(vk - '0') : vk;
    if (vk >= VK_NUMPAD0 && vk <= VK_NUMPAD0 + 9)
        return '0' + (vk - VK_NUMPAD0);
    switch (vk)
    {
    case VK_SPACE:
        return ' ';
    case VK_RETURN:
        return '\r';
    case VK_BACK:
        return '\b';
    case VK_TAB:
        return '\t';
    case VK_ESCAPE:
        return 0x1B;
    case VK_MULTIPLY:
        return '*';
    case VK_ADD:
        return '+';
    case VK_SUBTRACT:
        return '-';
    case VK_DECIMAL:
        return '.';
    case VK_DIVIDE:
        return '/';
    case VK_OEM_1:
        return shift ? ':' : ';';
    case VK_OEM_PLUS:
        return shift ? '+' : '=';
    case VK_OEM_COMMA:
        return shift ? '<' : ',';
    case VK_OEM_MINUS:
        return shift ? '_' : '-';
    case VK_OEM_PERIOD:
        return shift ? '>' : '.';
    case VK_OEM_2:
        return shift ? '?' : '/';
    case 0xC0:
        return shift ? '~' : '`';
    case 0xDB:
        return shift ? '{' : '[';
    case 0xDC:
        return shift ? '|' : '\\';
    case 0xDD:
        return shift ? '}' : ']';
    case 0xDE:
        return shift ? '"' : '\'';
    }
    return -1;
}

} // namespace

BOOL WINAPI TranslateMessage(const MSG* msg)
{
    if (!msg || (msg->message != WM_KEYDOWN && msg->message != WM_SYSKEYDOWN))
        return FALSE;
    ThreadQueue* q = CurrentQueue();
    const WORD vk = static_cast<WORD>(msg->wParam);
    // F1 asks the focus window for help whatever its own keyboard handling does: the request
    // comes as WM_KEYF1, which DefWindowProcA turns into WM_HELP.
    if (vk == VK_F1 && msg->message == WM_KEYDOWN && !(q->keys[VK_SHIFT] & 0x80) &&
        !(q->keys[VK_CONTROL] & 0x80))
    {
        q->Post(MSG{msg->hwnd, WM_KEYF1, 0, 0, msg->time, msg->pt}, true);
        return TRUE;
    }
    int ch;
    if (vk == VK_PACKET)
        ch = static_cast<int>((msg->lParam >> 16) & 0xFF);
    else
    {
        const bool shift = (q->keys[VK_SHIFT] & 0x80) != 0;
        const bool caps = (q->keys[VK_CAPITAL] & 0x01) != 0;
        const bool ctrl = (q->keys[VK_CONTROL] & 0x80) != 0;
        ch = CharOfKey(vk, shift, caps);
        if (ctrl && vk >= 'A' && vk <= 'Z')
            ch = vk - 'A' + 1;
        else if (ctrl && vk == VK_BACK)
            ch = 0x7F;
        else if (ctrl && vk == VK_RETURN)
            ch = '\n';
        else if (ctrl && ch >= 0 && vk != VK_ESCAPE && vk != VK_TAB && vk != VK_SPACE)
            ch = -1;
    }
    if (ch < 0)
        return FALSE;
    const UINT message = msg->message == WM_SYSKEYDOWN ? WM_SYSCHAR : WM_CHAR;
    q->Post(MSG{msg->hwnd, message, static_cast<WPARAM>(static_cast<unsigned char>(ch)),
                msg->lParam, msg->time, msg->pt},
            true);
    return TRUE;
}

UINT WINAPI MapVirtualKeyA(UINT code, UINT mapType)
{
    static const BYTE scanOfLetter[26] = {0x1E, 0x30, 0x2E, 0x20, 0x12, 0x21, 0x22, 0x23, 0x17,
                                          0x24, 0x25, 0x26, 0x32, 0x31, 0x18, 0x19, 0x10, 0x13,
                                          0x1F, 0x14, 0x16, 0x2F, 0x11, 0x2D, 0x15, 0x2C};
    if (mapType == 2) // MAPVK_VK_TO_CHAR
    {
        const int ch = CharOfKey(static_cast<WORD>(code), false, false);
        return ch < 0 ? 0 : (code >= 'A' && code <= 'Z' ? code : static_cast<UINT>(ch));
    }
    if (mapType != 0) // only MAPVK_VK_TO_VSC besides
        return 0;
    if (code >= 'A' && code <= 'Z')
        return scanOfLetter[code - 'A'];
    if (code >= '1' && code <= '9')
        return 0x02 + (code - '1');
    switch (code)
    {
    case '0':
        return 0x0B;
    case VK_ESCAPE:
        return 0x01;
    case VK_BACK:
        return 0x0E;
    case VK_TAB:
        return 0x0F;
    case VK_RETURN:
        return 0x1C;
    case VK_CONTROL:
        return 0x1D;
    case VK_SHIFT:
        return 0x2A;
    case VK_MENU:
        return 0x38;
    case VK_SPACE:
        return 0x39;
    }
    if (code >= VK_F1 && code <= VK_F10)
        return 0x3B + (code - VK_F1);
    return 0;
}

SHORT WINAPI VkKeyScanA(CHAR ch)
{
    const unsigned char c = static_cast<unsigned char>(ch);
    if (c >= 'a' && c <= 'z')
        return static_cast<SHORT>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z')
        return static_cast<SHORT>(0x100 | c);
    for (int vk = 0; vk < 256; ++vk)
    {
        if (CharOfKey(static_cast<WORD>(vk), false, false) == c)
            return static_cast<SHORT>(vk);
        if (CharOfKey(static_cast<WORD>(vk), true, false) == c)
            return static_cast<SHORT>(0x100 | vk);
    }
    return -1;
}

UINT WINAPI GetDoubleClickTime()
{
    return 500;
}

HCURSOR WINAPI LoadCursorA(HINSTANCE instance, LPCSTR name)
{
    // The system cursors are distinct handles; modules have no cursor resources here.
    if (instance || !IS_INTRESOURCE(name))
    {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<HCURSOR>(reinterpret_cast<std::uintptr_t>(name) | 0x100000);
}

HICON WINAPI LoadIconA(HINSTANCE instance, LPCSTR name)
{
    if (instance || !IS_INTRESOURCE(name))
        return nullptr;
    return reinterpret_cast<HICON>(reinterpret_cast<std::uintptr_t>(name) | 0x200000);
}

HCURSOR WINAPI SetCursor(HCURSOR cursor)
{
    std::lock_guard g(Lock());
    HCURSOR old = state().current;
    state().current = cursor;
    return old;
}

HCURSOR WINAPI GetCursor()
{
    std::lock_guard g(Lock());
    return state().current;
}

BOOL WINAPI MessageBeep(UINT)
{
    g_beeps.fetch_add(1);
    return TRUE;
}

LONG PlatformBeepCount()
{
    return g_beeps.load();
}
