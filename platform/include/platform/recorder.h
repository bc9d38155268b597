// Records the messages that windows receive, in order, and compares them with an expected
// table, so that a test can state the exact conversation between a control, its parent and the
// window manager. The recorder subclasses each watched window (GWLP_WNDPROC and
// CallWindowProcA), so it sees what the window procedure sees, from every thread.
#pragma once
#include <windows.h>

#include <cstddef>
#include <mutex>
#include <set>
#include <span>
#include <string>
#include <vector>

#pragma GCC visibility push(default)

namespace platform
{

// The name of a message for people: "WM_LBUTTONDOWN", "BM_SETCHECK", "WM_USER+5", or the number
// in hexadecimal when it has no name.
std::string MessageName(UINT message);

struct RecordedMessage
{
    HWND hwnd = nullptr;
    // The name given when the window was watched.
    std::string window;
    UINT message = 0;
    WPARAM wParam = 0;
    // For a WM_NOTIFY seen by WatchNotifications, the notification code (the NMHDR is gone
    // once the message returns).
    LPARAM lParam = 0;
    // Seen by WatchNotifications rather than Watch.
    bool parent = false;
};

// Flags of an expected entry, as in the message sequence tables of Win32 conformance tests.
enum ExpectFlags : unsigned
{
    kAny = 0,
    kWParam = 0x1,   // wParam must match
    kLParam = 0x2,   // lParam must match
    kOptional = 0x4, // may be missing
    kParent = 0x8,   // a notification seen by WatchNotifications
};

struct ExpectedMessage
{
    UINT message = 0;
    unsigned flags = kAny;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
    // The watched window's name, or nullptr for any watched window.
    const char* window = nullptr;
};

class MessageRecorder
{
public:
    MessageRecorder();
    // Stops watching every window still watched.
    ~MessageRecorder();
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    // Records every message hwnd receives (except the ignored ones), from now on. The window
    // may belong to any thread; the subclassing happens on that thread.
    bool Watch(HWND hwnd, const char* name);
    // Records only the WM_COMMAND and WM_NOTIFY messages that parent receives from its controls.
    bool WatchNotifications(HWND parent, const char* name);
    // Gives the window its procedure back (when nobody subclassed it after the recorder).
    void Stop(HWND hwnd);

    // Messages not worth recording: the defaults are those that follow the mouse and the
    // painting (WM_NCHITTEST, WM_SETCURSOR, WM_MOUSEMOVE, WM_NCMOUSEMOVE, WM_GETICON, WM_PAINT,
    // WM_NCPAINT, WM_ERASEBKGND, WM_PRINT, WM_PRINTCLIENT, WM_CTLCOLOR*, WM_ENTERIDLE).
    void Ignore(UINT message);
    void Unignore(UINT message);

    std::vector<RecordedMessage> Messages() const;
    void Clear();

    // Compares what was recorded since the last Clear with expected and clears the record.
    // Returns "" when they match, or a readable comparison of the two lists otherwise.
    std::string Diff(std::span<const ExpectedMessage> expected, const char* context = "");

private:
    friend struct RecorderAccess;
    void Record(const RecordedMessage& m);

    mutable std::mutex mutex;
    std::vector<RecordedMessage> messages;
    std::set<UINT> ignored;
    std::vector<HWND> watched;
};

// The comparison behind MessageRecorder::Diff: "" when actual is the expected sequence, else a
// listing of both with each line marked: "  " matched, "! " the expected message arrived with
// other parameters or at another window, "- " expected but missing, "? " optional and missing,
// "+ " received but not expected.
std::string DiffMessages(const std::vector<RecordedMessage>& actual,
                         std::span<const ExpectedMessage> expected, const char* context = "");

} // namespace platform

#pragma GCC visibility pop
