// The interactive host: the platform's screen drawn in the terminal with ncurses, and the
// terminal's keys and mouse turned into simulated input.
//
// The user-interface thread runs the host and the module; this thread only reads the terminal,
// sends input, waits for the user-interface thread to be idle and draws what the renderer
// shows. Between events it sleeps in poll(), waking a few times a second to show what changed
// on its own (a search's rows, an animation's frames).
#pragma once

#include "host_session.h"

namespace tirel
{

// Runs until the main window closes (Quit, or Ctrl+Q) and returns the program's exit status.
int RunTerminal(HostSession& session);

} // namespace tirel
