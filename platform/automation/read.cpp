// Reading what a window shows, as a person reads the screen.
//
// Does not do: reading text that a control draws without keeping it as window text (owner-drawn
// items, list contents); use the control's own messages or the text renderer for those.

#include "automation/common.h"

#include <vector>

namespace platform::automation
{

std::string Text(HWND hwnd)
{
    if (!IsWindow(hwnd))
    {
        Fail("cannot read the text of " + Describe(hwnd));
        return "";
    }
    // A thread that never answers must not hang the reader, hence the timeouts.
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, DefaultTimeout(), &length))
    {
        Fail("reading the text of " + Describe(hwnd) + " timed out");
        return "";
    }
    std::vector<char> buffer(length + 1, '\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(hwnd, WM_GETTEXT, buffer.size(),
                             reinterpret_cast<LPARAM>(buffer.data()), SMTO_NORMAL, DefaultTimeout(),
                             &copied))
    {
        Fail("reading the text of " + Describe(hwnd) + " timed out");
        return "";
    }
    buffer.back() = '\0';
    return std::string(buffer.data());
}

bool IsEnabled(HWND hwnd)
{
    return IsWindowEnabled(hwnd) != FALSE;
}

bool IsVisible(HWND hwnd)
{
    return IsWindowVisible(hwnd) != FALSE;
}

bool IsChecked(HWND hwnd)
{
    DWORD_PTR state = 0;
    if (!SendMessageTimeoutA(hwnd, BM_GETCHECK, 0, 0, SMTO_NORMAL, DefaultTimeout(), &state))
        return Fail("cannot read the check state of " + Describe(hwnd));
    return state == BST_CHECKED;
}

HWND FocusOf(DWORD threadId)
{
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    if (!GetGUIThreadInfo(threadId, &info))
    {
        Fail(threadId ? "thread " + std::to_string(threadId) + " has no message queue"
                      : std::string("no window is in the foreground"));
        return nullptr;
    }
    return info.hwndFocus;
}

RECT RectOf(HWND hwnd)
{
    RECT r{};
    if (!GetWindowRect(hwnd, &r))
        Fail("cannot read the rectangle of " + Describe(hwnd));
    return r;
}

std::string ClassOf(HWND hwnd)
{
    char name[256] = "";
    if (!GetClassNameA(hwnd, name, sizeof name))
        return "";
    return name;
}

} // namespace platform::automation
