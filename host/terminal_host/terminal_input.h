// Terminal input as the platform's simulated input: what a key that ncurses reports, or a
// mouse event at a cell, becomes as SendInput events, so that windows receive exactly the
// messages that a person's keyboard and mouse produce.
#pragma once

#include <windows.h>

#include <vector>

namespace tirel
{

// The ncurses key code of the Ctrl+Q that leaves the program; it never reaches the windows.
inline constexpr int kQuitKey = 17;

// The events of one key as ncurses reports it (a character, or a KEY_ code with keypad on).
// alt is true when the key came right after an Escape (how terminals send Alt+key). Empty for
// keys the host does not pass on.
std::vector<INPUT> KeyInputs(int key, bool alt);

enum class MouseAction
{
    Move,
    LeftDown,
    LeftUp,
    RightDown,
    RightUp,
};

// The events of one mouse action at a screen pixel (platform/render_cells.h finds the pixel of a
// cell): the cursor moves there, then the button goes down or up.
std::vector<INPUT> MouseInputs(POINT screen, MouseAction action);

} // namespace tirel
