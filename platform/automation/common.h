// What the simulated user's files share: failure reports and waiting for threads to settle.
#pragma once
#include "platform/automation.h"

#include <initializer_list>
#include <string>

namespace platform::automation
{

// Records why the current call failed, for LastFailure(), and returns false.
bool Fail(std::string why);

// The thread that owns hwnd, or 0 when hwnd is not a window.
DWORD ThreadOf(HWND hwnd);

// A window's text as the window manager stores it, read without sending a message, so that it
// can be read while the window's thread is busy; "" for a window that is gone.
std::string StoredText(HWND hwnd);

// Waits until every thread listed (zeros and repeats are skipped) is idle; what names the step
// in the failure message.
bool Settle(std::initializer_list<DWORD> threads, const std::string& what);

} // namespace platform::automation
