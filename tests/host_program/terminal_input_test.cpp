// Terminal keys and mouse events as the simulated input the windows receive.
#include "terminal_input.h"

#include <curses.h>

#include <gtest/gtest.h>

namespace
{

// One key event as a short word: "+VK" down, "-VK" up, "u'c'" a character packet.
std::string Describe(const std::vector<INPUT>& inputs)
{
    std::string text;
    for (const INPUT& in : inputs)
    {
        std::string word;
        if (in.ki.dwFlags & KEYEVENTF_UNICODE)
            word = std::string(in.ki.dwFlags & KEYEVENTF_KEYUP ? "-" : "+") + "'" +
                   static_cast<char>(in.ki.wScan) + "'";
        else
            word = std::string(in.ki.dwFlags & KEYEVENTF_KEYUP ? "-" : "+") +
                   std::to_string(in.ki.wVk);
        text += (text.empty() ? "" : " ") + word;
    }
    return text;
}

std::string Stroke(int vk, int modifier = 0)
{
    const std::string key = std::to_string(vk);
    if (modifier == 0)
        return "+" + key + " -" + key;
    const std::string held = std::to_string(modifier);
    return "+" + held + " +" + key + " -" + key + " -" + held;
}

TEST(TerminalInput, KeysBecomeTheStrokesOfTheirVirtualKeys)
{
    const struct
    {
        int key;
        bool alt;
        std::string expected;
    } cases[] = {
        {'a', false, "+'a' -'a'"},
        {'A', false, "+'A' -'A'"},
        {'.', false, "+'.' -'.'"},
        // Space is a key of its own: buttons and check boxes react to its VK_SPACE.
        {' ', false, Stroke(VK_SPACE)},
        {'\t', false, Stroke(VK_TAB)},
        {KEY_BTAB, false, Stroke(VK_TAB, VK_SHIFT)},
        {'\n', false, Stroke(VK_RETURN)},
        {KEY_ENTER, false, Stroke(VK_RETURN)},
        {27, false, Stroke(VK_ESCAPE)},
        {KEY_BACKSPACE, false, Stroke(VK_BACK)},
        {127, false, Stroke(VK_BACK)},
        {KEY_F(1), false, Stroke(VK_F1)},
        {KEY_F(4), false, Stroke(VK_F4)},
        {KEY_NPAGE, false, Stroke(VK_NEXT)},
        {1, false, Stroke('A', VK_CONTROL)},
        {'y', true, Stroke('Y', VK_MENU)},
        {'3', true, Stroke('3', VK_MENU)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(tirel::KeyInputs(c.key, c.alt)), c.expected) << c.key;
    // Arrows are extended keys, as on a keyboard.
    const std::vector<INPUT> down = tirel::KeyInputs(KEY_DOWN, false);
    ASSERT_EQ(down.size(), 2u);
    EXPECT_EQ(down[0].ki.wVk, VK_DOWN);
    EXPECT_TRUE(down[0].ki.dwFlags & KEYEVENTF_EXTENDEDKEY);
    // Ctrl+Q belongs to the host program, and unknown codes are dropped.
    EXPECT_TRUE(tirel::KeyInputs(tirel::kQuitKey, false).empty());
    EXPECT_TRUE(tirel::KeyInputs(KEY_MOUSE, false).empty());
    EXPECT_TRUE(tirel::KeyInputs(200, false).empty());
}

TEST(TerminalInput, AMouseEventLandsOnItsPixel)
{
    // The platform scales absolute positions back to pixels; every pixel must come out exactly,
    // and what lies off the screen stays on its edge.
    const struct
    {
        POINT at;
        POINT expected;
    } cases[] = {{{0, 0}, {0, 0}},
                 {{63, 71}, {63, 71}},
                 {{1279, 1023}, {1279, 1023}},
                 {{641, 512}, {641, 512}},
                 {{-5, 2000}, {0, 1023}}};
    for (const auto& c : cases)
    {
        const std::vector<INPUT> inputs = tirel::MouseInputs(c.at, tirel::MouseAction::Move);
        ASSERT_EQ(inputs.size(), 1u);
        SendInput(1, const_cast<INPUT*>(inputs.data()), sizeof(INPUT));
        POINT cursor{};
        GetCursorPos(&cursor);
        EXPECT_EQ(cursor.x, c.expected.x);
        EXPECT_EQ(cursor.y, c.expected.y);
    }
    const std::vector<INPUT> press = tirel::MouseInputs({1, 1}, tirel::MouseAction::LeftDown);
    ASSERT_EQ(press.size(), 2u);
    EXPECT_EQ(press[1].mi.dwFlags, static_cast<DWORD>(MOUSEEVENTF_LEFTDOWN));
    EXPECT_EQ(tirel::MouseInputs({1, 1}, tirel::MouseAction::RightUp)[1].mi.dwFlags,
              static_cast<DWORD>(MOUSEEVENTF_RIGHTUP));
}

} // namespace
