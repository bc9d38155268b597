// The simulated user's mouse: clicks, double clicks, drags and border drags, all as SendInput
// events after SetCursorPos, waiting between steps for the user-interface thread to react as a
// person would wait to see the button go down before letting go.
//
// Does not do: hovering (no WM_MOUSEHOVER), the wheel, the middle button, or modifier keys for
// a window whose thread is not the foreground thread (the keys go to the foreground thread,
// as keyboard input does).

#include "automation/common.h"
#include "platform/user.h"

#include <mutex>

namespace platform::automation
{
namespace
{

// Press time stamps: single clicks are spaced more than the double-click time apart, so that
// two quick clicks by a test never merge into a double click, whatever the machine's speed;
// the presses of one double click are 50 ms apart.
DWORD StampPresses(int presses)
{
    static std::mutex mutex;
    static DWORD last = 0;
    std::lock_guard g(mutex);
    const DWORD now = GetTickCount();
    const DWORD earliest = last + GetDoubleClickTime() + 1;
    const DWORD first = static_cast<int>(now - earliest) > 0 ? now : earliest;
    last = first + static_cast<DWORD>(50 * (presses - 1));
    return first;
}

void SendMouse(DWORD flags, DWORD time)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    in.mi.time = time;
    SendInput(1, &in, sizeof(in));
}

void SendModifiers(unsigned modifiers, bool down)
{
    static const struct
    {
        unsigned flag;
        WORD vk;
    } keys[] = {{kShift, VK_SHIFT}, {kControl, VK_CONTROL}, {kAlt, VK_MENU}};
    INPUT in[3]{};
    UINT n = 0;
    for (int i = 0; i < 3; ++i)
    {
        // Released in the reverse order of pressing, as fingers do.
        const auto& k = keys[down ? i : 2 - i];
        if (!(modifiers & k.flag))
            continue;
        in[n].type = INPUT_KEYBOARD;
        in[n].ki.wVk = k.vk;
        in[n].ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        ++n;
    }
    if (n)
        SendInput(n, in, sizeof(INPUT));
}

DWORD ThreadUnder(POINT pt)
{
    return ThreadOf(WindowFromPoint(pt));
}

std::string At(POINT pt)
{
    return "(" + std::to_string(pt.x) + ", " + std::to_string(pt.y) + ")";
}

// Checks that a person could put the mouse on hwnd at a client point, and finds that point on
// the screen.
bool Reach(HWND hwnd, POINT client, const char* action, POINT* screen)
{
    if (!IsWindow(hwnd))
        return Fail(std::string("cannot ") + action + " " + Describe(hwnd) +
                    ": it is not a window");
    if (!IsWindowVisible(hwnd))
        return Fail(std::string("cannot ") + action + " " + Describe(hwnd) + ": it is not visible");
    POINT pt = client;
    ClientToScreen(hwnd, &pt);
    if (pt.x < 0 || pt.y < 0 || pt.x >= GetSystemMetrics(SM_CXSCREEN) ||
        pt.y >= GetSystemMetrics(SM_CYSCREEN))
        return Fail(std::string("cannot ") + action + " " + Describe(hwnd) + ": its point " +
                    At(pt) + " is off the screen");
    HWND under = WindowFromPoint(pt);
    if (GetAncestor(under, GA_ROOT) != GetAncestor(hwnd, GA_ROOT))
        return Fail(std::string("cannot ") + action + " " + Describe(hwnd) + ": its point " +
                    At(pt) + " is covered by " + Describe(GetAncestor(under, GA_ROOT)));
    *screen = pt;
    return true;
}

POINT Centre(HWND hwnd)
{
    RECT r{};
    GetClientRect(hwnd, &r);
    return POINT{(r.right - r.left) / 2, (r.bottom - r.top) / 2};
}

// Moves the cursor to pt and lets the windows there see the move.
bool MoveTo(HWND hwnd, POINT pt, const std::string& what)
{
    SetCursorPos(pt.x, pt.y);
    return Settle({ThreadOf(hwnd), ThreadUnder(pt)}, what);
}

bool Step(HWND hwnd, POINT pt, DWORD flags, DWORD time, const std::string& what)
{
    SendMouse(flags, time);
    return Settle({ThreadOf(hwnd), ThreadUnder(pt)}, what);
}

bool Clicks(HWND hwnd, POINT client, unsigned modifiers, int count, bool right, const char* action)
{
    POINT pt;
    if (!Reach(hwnd, client, action, &pt))
        return false;
    const std::string what = std::string(action) + " " + Describe(hwnd) + " at " + At(pt);
    const DWORD down = right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
    const DWORD up = right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
    const DWORD keyboard = PlatformForegroundThread();
    SendModifiers(modifiers, true);
    bool ok = Settle({keyboard}, what) && MoveTo(hwnd, pt, what);
    const DWORD first = StampPresses(count);
    for (int i = 0; ok && i < count; ++i)
    {
        const DWORD time = first + static_cast<DWORD>(50 * i);
        ok = Step(hwnd, pt, down, time, what) && Step(hwnd, pt, up, time, what);
    }
    SendModifiers(modifiers, false);
    return Settle({keyboard, PlatformForegroundThread()}, what) && ok;
}

// Presses at from, moves to to and releases there; inMoveSize checks that the press started
// the window manager's move or size loop on hwnd's thread.
bool PressMoveRelease(HWND hwnd, POINT from, POINT to, bool inMoveSize, const std::string& what)
{
    const DWORD time = StampPresses(1);
    if (!MoveTo(hwnd, from, what) || !Step(hwnd, from, MOUSEEVENTF_LEFTDOWN, time, what))
        return false;
    if (inMoveSize)
    {
        GUITHREADINFO info{};
        info.cbSize = sizeof(info);
        GetGUIThreadInfo(ThreadOf(hwnd), &info);
        if (!(info.flags & GUI_INMOVESIZE))
        {
            Step(hwnd, from, MOUSEEVENTF_LEFTUP, time, what);
            return Fail(what + ": pressing at " + At(from) + " did not start moving or sizing");
        }
    }
    return MoveTo(hwnd, to, what) && Step(hwnd, to, MOUSEEVENTF_LEFTUP, time, what);
}

bool CheckTopLevel(HWND hwnd, const char* action)
{
    if (!IsWindow(hwnd) || !IsWindowVisible(hwnd))
        return Fail(std::string("cannot ") + action + " " + Describe(hwnd) +
                    ": it is not a visible window");
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
        return Fail(std::string("cannot ") + action + " " + Describe(hwnd) +
                    ": it is not a top-level window");
    return true;
}

LRESULT HitTest(HWND hwnd, POINT pt)
{
    DWORD_PTR hit = HTNOWHERE;
    SendMessageTimeoutA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y), SMTO_NORMAL,
                        DefaultTimeout(), &hit);
    return static_cast<LRESULT>(hit);
}

} // namespace

bool Click(HWND hwnd, unsigned modifiers)
{
    return Click(hwnd, Centre(hwnd), modifiers);
}

bool Click(HWND hwnd, POINT client, unsigned modifiers)
{
    return Clicks(hwnd, client, modifiers, 1, false, "click");
}

bool DoubleClick(HWND hwnd, unsigned modifiers)
{
    return DoubleClick(hwnd, Centre(hwnd), modifiers);
}

bool DoubleClick(HWND hwnd, POINT client, unsigned modifiers)
{
    return Clicks(hwnd, client, modifiers, 2, false, "double-click");
}

bool RightClick(HWND hwnd, unsigned modifiers)
{
    return RightClick(hwnd, Centre(hwnd), modifiers);
}

bool RightClick(HWND hwnd, POINT client, unsigned modifiers)
{
    return Clicks(hwnd, client, modifiers, 1, true, "right-click");
}

bool Drag(HWND hwnd, POINT fromClient, POINT toClient, unsigned modifiers)
{
    POINT from;
    if (!Reach(hwnd, fromClient, "drag", &from))
        return false;
    POINT to = toClient;
    ClientToScreen(hwnd, &to);
    const std::string what = "dragging " + Describe(hwnd) + " from " + At(from) + " to " + At(to);
    const DWORD keyboard = PlatformForegroundThread();
    SendModifiers(modifiers, true);
    const bool ok = Settle({keyboard}, what) && PressMoveRelease(hwnd, from, to, false, what);
    SendModifiers(modifiers, false);
    return Settle({keyboard, PlatformForegroundThread()}, what) && ok;
}

bool DragBorder(HWND topLevel, int edge, int dx, int dy)
{
    if (!CheckTopLevel(topLevel, "drag the border of"))
        return false;
    if (!(GetWindowLongA(topLevel, GWL_STYLE) & WS_THICKFRAME))
        return Fail("cannot drag the border of " + Describe(topLevel) +
                    ": it has no sizing border");
    if (edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT)
        return Fail("DragBorder: " + std::to_string(edge) + " is not a WMSZ_ edge");
    const RECT r = RectOf(topLevel);
    const bool left = edge == WMSZ_LEFT || edge == WMSZ_TOPLEFT || edge == WMSZ_BOTTOMLEFT;
    const bool right = edge == WMSZ_RIGHT || edge == WMSZ_TOPRIGHT || edge == WMSZ_BOTTOMRIGHT;
    const bool top = edge == WMSZ_TOP || edge == WMSZ_TOPLEFT || edge == WMSZ_TOPRIGHT;
    const bool bottom = edge == WMSZ_BOTTOM || edge == WMSZ_BOTTOMLEFT || edge == WMSZ_BOTTOMRIGHT;
    // One pixel inside the frame on the dragged sides, half way along the others.
    const POINT from{left    ? r.left + 1
                     : right ? r.right - 2
                             : (r.left + r.right) / 2,
                     top      ? r.top + 1
                     : bottom ? r.bottom - 2
                              : (r.top + r.bottom) / 2};
    const std::string what = "dragging the border of " + Describe(topLevel);
    POINT client = from;
    ScreenToClient(topLevel, &client);
    POINT check;
    if (!Reach(topLevel, client, "drag the border of", &check))
        return false;
    const LRESULT expected = HTLEFT + (edge - WMSZ_LEFT);
    const LRESULT hit = HitTest(topLevel, from);
    if (hit != expected)
        return Fail(what + ": the point " + At(from) + " is hit-test code " + std::to_string(hit) +
                    ", not the sizing edge " + std::to_string(expected));
    return PressMoveRelease(topLevel, from, POINT{from.x + dx, from.y + dy}, true, what);
}

bool DragTo(HWND topLevel, int x, int y)
{
    if (!CheckTopLevel(topLevel, "drag"))
        return false;
    const RECT r = RectOf(topLevel);
    POINT origin{0, 0};
    ClientToScreen(topLevel, &origin);
    // The caption lies above the client area; press in the middle of its height, a third of the
    // way across, clear of the caption buttons.
    const LONG px = r.left + (r.right - r.left) / 3;
    LONG first = -1, last = -1;
    for (LONG py = r.top; py < origin.y; ++py)
        if (HitTest(topLevel, POINT{px, py}) == HTCAPTION)
        {
            if (first < 0)
                first = py;
            last = py;
        }
    if (first < 0)
        return Fail("cannot drag " + Describe(topLevel) + ": it has no caption to hold");
    const POINT from{px, (first + last) / 2};
    POINT client = from;
    ScreenToClient(topLevel, &client);
    POINT check;
    if (!Reach(topLevel, client, "drag", &check))
        return false;
    const std::string what = "dragging " + Describe(topLevel) + " to " + At(POINT{x, y});
    return PressMoveRelease(topLevel, from, POINT{from.x + (x - r.left), from.y + (y - r.top)},
                            true, what);
}

} // namespace platform::automation
