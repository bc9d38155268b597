// Finding windows the way a person does: a top-level window by its class and title, a control by
// its id or its caption.
//
// Does not do: matching titles by pattern, or finding windows of other processes (there are none).

#include "automation/common.h"
#include "user/window.h"

#include <cstdio>
#include <vector>

namespace platform::automation
{
namespace
{

std::vector<HWND> Collect(BOOL(WINAPI* enumerate)(WNDENUMPROC, LPARAM))
{
    std::vector<HWND> list;
    enumerate(
        [](HWND h, LPARAM p) {
            reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&list));
    return list;
}

std::vector<HWND> Descendants(HWND parent)
{
    std::vector<HWND> list;
    EnumChildWindows(
        parent,
        [](HWND h, LPARAM p) {
            reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&list));
    return list;
}

std::string WithoutMnemonics(const std::string& s)
{
    std::string out;
    for (std::size_t i = 0; i < s.size(); ++i)
    {
        // "&&" stands for one ampersand; a single one only marks the next letter.
        if (s[i] == '&')
        {
            if (i + 1 < s.size() && s[i + 1] == '&')
                out += '&', ++i;
            continue;
        }
        out += s[i];
    }
    return out;
}

std::string ListOf(const std::vector<HWND>& windows)
{
    if (windows.empty())
        return " none";
    std::string s;
    std::size_t shown = 0;
    for (HWND h : windows)
    {
        if (++shown > 40)
        {
            s += "\n    ... and " + std::to_string(windows.size() - 40) + " more";
            break;
        }
        s += "\n    " + Describe(h) + (IsWindowVisible(h) ? "" : " [hidden]");
    }
    return s;
}

// Among matches, the first visible one wins, so that a control on the visible page of a
// property sheet is found rather than its twin on a hidden page.
HWND Pick(const std::vector<HWND>& matches)
{
    for (HWND h : matches)
        if (IsWindowVisible(h))
            return h;
    return matches.empty() ? nullptr : matches.front();
}

} // namespace

std::string Describe(HWND hwnd)
{
    char handle[32];
    std::snprintf(handle, sizeof handle, "%p", static_cast<void*>(hwnd));
    if (!hwnd)
        return "no window (NULL)";
    if (!IsWindow(hwnd))
        return std::string("a destroyed window (") + handle + ")";
    std::string s = ClassOf(hwnd) + " \"" + StoredText(hwnd) + "\"";
    if (GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD)
        s += " id " + std::to_string(GetDlgCtrlID(hwnd));
    return s + " (" + handle + ")";
}

HWND WaitForWindow(const std::function<bool(HWND)>& predicate, const char* description,
                   DWORD timeoutMs)
{
    HWND found = nullptr;
    const bool ok = WaitUntil(
        [&] {
            for (HWND h : Collect(EnumWindows))
                if (IsWindowVisible(h) && predicate(h))
                {
                    found = h;
                    return true;
                }
            return false;
        },
        description, timeoutMs);
    if (ok)
        return found;
    std::vector<HWND> visible;
    for (HWND h : Collect(EnumWindows))
        if (IsWindowVisible(h))
            visible.push_back(h);
    Fail(std::string("no visible top-level window ") + (description ? description : "as wanted") +
         " appeared within " + std::to_string(timeoutMs) +
         " ms; visible top-level windows:" + ListOf(visible));
    return nullptr;
}

HWND WaitForWindow(const char* className, const char* title, DWORD timeoutMs)
{
    const std::string cls = className ? className : "";
    const std::string text = title ? title : "";
    std::string description;
    if (className)
        description += "of class \"" + cls + "\"";
    if (title)
        description += std::string(className ? " " : "") + "titled \"" + text + "\"";
    if (description.empty())
        description = "of any kind";
    // FindWindowA compares both class and title without regard to case.
    return WaitForWindow(
        [&](HWND h) {
            return (!className || lstrcmpiA(ClassOf(h).c_str(), cls.c_str()) == 0) &&
                   (!title || lstrcmpiA(StoredText(h).c_str(), text.c_str()) == 0);
        },
        description.c_str(), timeoutMs);
}

HWND FindControl(HWND parent, int id)
{
    if (!IsWindow(parent))
    {
        Fail("cannot look for control " + std::to_string(id) + " in " + Describe(parent));
        return nullptr;
    }
    const auto all = Descendants(parent);
    std::vector<HWND> matches;
    for (HWND h : all)
        if (GetDlgCtrlID(h) == id)
            matches.push_back(h);
    if (HWND h = Pick(matches))
        return h;
    Fail(Describe(parent) + " has no control with id " + std::to_string(id) +
         "; its controls are:" + ListOf(all));
    return nullptr;
}

HWND FindControlByText(HWND parent, const char* caption)
{
    // The caption may be given as the user reads it ("Save & Close") or as the resource writes
    // it ("&Save && Close").
    const std::string asRead = caption ? caption : "";
    const std::string wanted = WithoutMnemonics(asRead);
    if (!IsWindow(parent))
    {
        Fail("cannot look for \"" + asRead + "\" in " + Describe(parent));
        return nullptr;
    }
    const auto all = Descendants(parent);
    std::vector<HWND> matches;
    for (HWND h : all)
        if (const std::string shown = WithoutMnemonics(Text(h)); shown == wanted || shown == asRead)
            matches.push_back(h);
    if (HWND h = Pick(matches))
        return h;
    Fail(Describe(parent) + " has no control captioned \"" + asRead +
         "\"; its controls are:" + ListOf(all));
    return nullptr;
}

} // namespace platform::automation
