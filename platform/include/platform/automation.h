// The simulated user: finds windows, waits for the user-interface thread, and acts through
// SendInput and SetCursorPos, the path that real input takes, so that hooks, dialog
// navigation, capture and activation all run as they would for a person at the keyboard.
//
// Every function here may be called from any thread; tests call them from their own thread
// while the windows live on a platform::UiThread. Nothing waits without a timeout: a wait that
// runs out returns NULL or false and leaves a description in LastFailure().
#pragma once
#include <windows.h>

#include <functional>
#include <string>

#pragma GCC visibility push(default)

namespace platform::automation
{

// Modifier keys held down around a click or a key press.
enum Modifiers : unsigned
{
    kNoModifiers = 0,
    kShift = 1,
    kControl = 2,
    kAlt = 4,
};

// The timeout every wait uses unless told otherwise: 30 seconds, or the number of milliseconds
// in the environment variable QUARNEL_TEST_TIMEOUT_MS.
DWORD DefaultTimeout();

// What went wrong in the most recent call on this thread that failed; calls that succeed leave
// it alone, so read it right after a failure.
const std::string& LastFailure();

// A window as people name it in a failure message: class, caption, id and handle.
std::string Describe(HWND hwnd);

// ---- Finding ----

// Waits for a visible top-level window whose class and title match as FindWindowA compares
// them (NULL matches anything). Returns NULL on timeout.
HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs = DefaultTimeout());
// Waits for a visible top-level window for which predicate returns true; description names
// what was awaited in the failure message.
HWND WaitForWindow(const std::function<bool(HWND)>& predicate, const char* description,
                   DWORD timeoutMs = DefaultTimeout());
// Waits until hwnd has been destroyed or hidden.
bool WaitForClose(HWND hwnd, DWORD timeoutMs = DefaultTimeout());
// A descendant of parent with this control id; visible controls win over hidden ones.
HWND FindControl(HWND parent, int id);
// A descendant of parent whose caption, with its mnemonic '&'s removed, equals caption as
// given or with its own mnemonic '&'s removed ("Save & Close" and "&Save && Close" both find
// the button captioned "&Save && Close").
HWND FindControlByText(HWND parent, const char* caption);

// ---- Waiting ----

// Waits until the thread of hwnd (or the thread itself) waits for messages with nothing queued.
bool WaitIdle(HWND hwnd, DWORD timeoutMs = DefaultTimeout());
bool WaitIdleThread(DWORD threadId, DWORD timeoutMs = DefaultTimeout());
// Waits until condition holds. Between checks it lets the user-interface thread threadId (the
// foreground window's thread when 0) become idle, so a condition that the user-interface thread
// makes true is seen as soon as it is.
bool WaitUntil(const std::function<bool()>& condition, const char* description,
               DWORD timeoutMs = DefaultTimeout(), DWORD threadId = 0);

// ---- Acting ----
// Each action waits until the threads it reached are idle again before it returns. Mouse
// actions fail when the window is gone, hidden, off the screen or covered at that point by
// another top-level window; keyboard actions fail when no window is in the foreground.

// Clicks the left button at the centre of hwnd, or at a point in its client coordinates.
bool Click(HWND hwnd, unsigned modifiers = kNoModifiers);
bool Click(HWND hwnd, POINT client, unsigned modifiers = kNoModifiers);
// Two clicks whose presses are stamped 50 ms apart, well inside the double-click time.
bool DoubleClick(HWND hwnd, unsigned modifiers = kNoModifiers);
bool DoubleClick(HWND hwnd, POINT client, unsigned modifiers = kNoModifiers);
bool RightClick(HWND hwnd, unsigned modifiers = kNoModifiers);
bool RightClick(HWND hwnd, POINT client, unsigned modifiers = kNoModifiers);
// Presses the left button at one client point of hwnd, moves to another and releases there.
bool Drag(HWND hwnd, POINT fromClient, POINT toClient, unsigned modifiers = kNoModifiers);
// Drags the sizing border of a WS_THICKFRAME top-level window: edge is a WMSZ_ value, and the
// border moves by dx, dy (the window's own limits still apply).
bool DragBorder(HWND topLevel, int edge, int dx, int dy);
// Drags a top-level window by its caption so that its top-left corner lands at (x, y).
bool DragTo(HWND topLevel, int x, int y);

// The keyboard event of vk going down or up, marked as an extended key where a keyboard's is
// (arrows, Home, End, Page Up and Down, Insert, Delete, right Ctrl and Alt, keypad divide).
INPUT KeyInput(WORD vk, bool down);
// Holds the modifiers, presses and releases vk, then releases the modifiers.
bool Press(WORD vk, unsigned modifiers = kNoModifiers);
// Types text into whatever has the focus: each character is a KEYEVENTF_UNICODE key press,
// except '\t', '\r', '\n', '\b' and '\x1b', which press Tab, Enter, Enter, Backspace and Escape.
bool Type(const char* text);

// ---- Reading ----

// GetWindowTextA, without hanging when the window's thread does not answer.
std::string Text(HWND hwnd);
bool IsEnabled(HWND hwnd);
// Whether the window and all its ancestors are visible.
bool IsVisible(HWND hwnd);
// BM_GETCHECK is BST_CHECKED.
bool IsChecked(HWND hwnd);
// The focus window of a thread (the foreground window's thread when 0), from GetGUIThreadInfo.
HWND FocusOf(DWORD threadId = 0);
// The window rectangle in screen coordinates.
RECT RectOf(HWND hwnd);
std::string ClassOf(HWND hwnd);

} // namespace platform::automation

#pragma GCC visibility pop
