// Terminal input as simulated input (see terminal_input.h).
//
// Does not do:
// - Keys with Shift held that the terminal reports as their own codes only (Shift+arrows and
//   the like) beyond Shift+Tab: terminals disagree on them.
// - The wheel and the middle button.
#include "terminal_input.h"

#include <platform/automation.h>

#include <curses.h>

#include <algorithm>
#include <cctype>

namespace tirel
{
namespace
{

// A key stroke with a modifier held around it.
std::vector<INPUT> Stroke(WORD vk, WORD modifier = 0)
{
    std::vector<INPUT> inputs;
    if (modifier != 0)
        inputs.push_back(platform::automation::KeyInput(modifier, true));
    inputs.push_back(platform::automation::KeyInput(vk, true));
    inputs.push_back(platform::automation::KeyInput(vk, false));
    if (modifier != 0)
        inputs.push_back(platform::automation::KeyInput(modifier, false));
    return inputs;
}

// A character as the terminal delivered it, which keeps it whole whatever the keyboard layout.
std::vector<INPUT> Character(unsigned char ch)
{
    std::vector<INPUT> inputs(2);
    for (int i = 0; i < 2; ++i)
    {
        inputs[i].type = INPUT_KEYBOARD;
        inputs[i].ki.wScan = ch;
        inputs[i].ki.dwFlags = KEYEVENTF_UNICODE | (i == 1 ? KEYEVENTF_KEYUP : 0);
    }
    return inputs;
}

WORD NamedKey(int key)
{
    switch (key)
    {
    case '\t':
        return VK_TAB;
    case '\n':
    case '\r':
    case KEY_ENTER:
        return VK_RETURN;
    case 27:
        return VK_ESCAPE;
    case ' ':
        return VK_SPACE;
    case KEY_BACKSPACE:
    case 127:
    case 8:
        return VK_BACK;
    case KEY_DC:
        return VK_DELETE;
    case KEY_IC:
        return VK_INSERT;
    case KEY_UP:
        return VK_UP;
    case KEY_DOWN:
        return VK_DOWN;
    case KEY_LEFT:
        return VK_LEFT;
    case KEY_RIGHT:
        return VK_RIGHT;
    case KEY_HOME:
        return VK_HOME;
    case KEY_END:
        return VK_END;
    case KEY_PPAGE:
        return VK_PRIOR;
    case KEY_NPAGE:
        return VK_NEXT;
    }
    if (key >= KEY_F(1) && key <= KEY_F(12))
        return static_cast<WORD>(VK_F1 + key - KEY_F(1));
    return 0;
}

} // namespace

std::vector<INPUT> KeyInputs(int key, bool alt)
{
    if (key == kQuitKey)
        return {};
    if (key == KEY_BTAB)
        return Stroke(VK_TAB, VK_SHIFT);
    if (alt && key >= 0 && key < 128 && std::isalnum(key))
        return Stroke(static_cast<WORD>(std::toupper(key)), VK_MENU);
    if (const WORD vk = NamedKey(key))
        return Stroke(vk);
    // Ctrl+letter arrives as its control code (Tab, Enter and Backspace are taken above).
    if (key >= 1 && key <= 26)
        return Stroke(static_cast<WORD>('A' + key - 1), VK_CONTROL);
    if (key > ' ' && key < 127)
        return Character(static_cast<unsigned char>(key));
    return {};
}

std::vector<INPUT> MouseInputs(POINT screen, MouseAction action)
{
    // Absolute positions are in the 0..65535 range; rounding up keeps the exact pixel after
    // the platform scales them back.
    const long long x = std::clamp<long long>(screen.x, 0, 1279);
    const long long y = std::clamp<long long>(screen.y, 0, 1023);
    std::vector<INPUT> inputs(1);
    inputs[0].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[0].mi.dx = static_cast<LONG>((x * 65536 + 1279) / 1280);
    inputs[0].mi.dy = static_cast<LONG>((y * 65536 + 1023) / 1024);
    DWORD button = 0;
    switch (action)
    {
    case MouseAction::Move:
        return inputs;
    case MouseAction::LeftDown:
        button = MOUSEEVENTF_LEFTDOWN;
        break;
    case MouseAction::LeftUp:
        button = MOUSEEVENTF_LEFTUP;
        break;
    case MouseAction::RightDown:
        button = MOUSEEVENTF_RIGHTDOWN;
        break;
    case MouseAction::RightUp:
        button = MOUSEEVENTF_RIGHTUP;
        break;
    }
    INPUT press{};
    press.type = INPUT_MOUSE;
    press.mi.dwFlags = button;
    inputs.push_back(press);
    return inputs;
}

} // namespace tirel
