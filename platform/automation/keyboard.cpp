// The simulated user's keyboard: key presses with modifiers, and typing text, as SendInput
// events that reach the focus window of the foreground window's thread.
//
// Does not do: keyboard layouts (characters are sent as KEYEVENTF_UNICODE packets, so the
// layout does not matter except for the keys named below), holding keys down to repeat, or
// Caps Lock and Num Lock.

#include "automation/common.h"
#include "platform/user.h"

#include <vector>

namespace platform::automation
{
namespace
{

bool IsExtended(WORD vk)
{
    switch (vk)
    {
    case VK_PRIOR:
    case VK_NEXT:
    case VK_END:
    case VK_HOME:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_INSERT:
    case VK_DELETE:
    case VK_DIVIDE:
    case VK_RCONTROL:
    case VK_RMENU:
        return true;
    }
    return false;
}

INPUT Character(unsigned char ch, bool down)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wScan = ch;
    in.ki.dwFlags = KEYEVENTF_UNICODE | (down ? 0 : KEYEVENTF_KEYUP);
    return in;
}

std::string KeyName(WORD vk)
{
    switch (vk)
    {
    case VK_TAB:
        return "Tab";
    case VK_RETURN:
        return "Enter";
    case VK_BACK:
        return "Backspace";
    case VK_ESCAPE:
        return "Escape";
    }
    if ((vk >= '0' && vk <= '9') || (vk >= 'A' && vk <= 'Z'))
        return std::string(1, static_cast<char>(vk));
    return "key " + std::to_string(vk);
}

// Sends one key stroke to the foreground thread and waits until both it and whichever thread
// holds the foreground afterwards have handled it.
bool Stroke(std::vector<INPUT> inputs, const std::string& what)
{
    const DWORD target = PlatformForegroundThread();
    if (!target)
        return Fail(what + ": no window is in the foreground to receive it");
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    return Settle({target, PlatformForegroundThread()}, what);
}

} // namespace

INPUT KeyInput(WORD vk, bool down)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (IsExtended(vk) ? KEYEVENTF_EXTENDEDKEY : 0);
    return in;
}

bool Press(WORD vk, unsigned modifiers)
{
    std::vector<INPUT> in;
    if (modifiers & kShift)
        in.push_back(KeyInput(VK_SHIFT, true));
    if (modifiers & kControl)
        in.push_back(KeyInput(VK_CONTROL, true));
    if (modifiers & kAlt)
        in.push_back(KeyInput(VK_MENU, true));
    in.push_back(KeyInput(vk, true));
    in.push_back(KeyInput(vk, false));
    if (modifiers & kAlt)
        in.push_back(KeyInput(VK_MENU, false));
    if (modifiers & kControl)
        in.push_back(KeyInput(VK_CONTROL, false));
    if (modifiers & kShift)
        in.push_back(KeyInput(VK_SHIFT, false));
    std::string name;
    if (modifiers & kShift)
        name += "Shift+";
    if (modifiers & kControl)
        name += "Ctrl+";
    if (modifiers & kAlt)
        name += "Alt+";
    return Stroke(std::move(in), "pressing " + name + KeyName(vk));
}

bool Type(const char* text)
{
    if (!text)
        return true;
    // One key at a time, each handled before the next, as a steady typist: a key that moves
    // the focus or closes a window decides where the following keys go.
    for (const char* p = text; *p; ++p)
    {
        const unsigned char ch = static_cast<unsigned char>(*p);
        WORD vk = 0;
        switch (ch)
        {
        case '\t':
            vk = VK_TAB;
            break;
        case '\r':
        case '\n':
            vk = VK_RETURN;
            break;
        case '\b':
            vk = VK_BACK;
            break;
        case 0x1B:
            vk = VK_ESCAPE;
            break;
        }
        const std::string what = "typing character " + std::to_string(p - text + 1) + " of \"" +
                                 std::string(text) + "\"";
        const bool ok = vk ? Stroke({KeyInput(vk, true), KeyInput(vk, false)}, what)
                           : Stroke({Character(ch, true), Character(ch, false)}, what);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace platform::automation
