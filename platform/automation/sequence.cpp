// Comparing recorded messages with an expected table, and showing people the difference.
//
// Does not do: wildcards within wParam or lParam (a value is compared whole or not at all).

#include "platform/recorder.h"

#include <algorithm>
#include <cstdio>

namespace platform
{
namespace
{

std::string Hex(unsigned long long v)
{
    char buffer[24];
    std::snprintf(buffer, sizeof buffer, "0x%llx", v);
    return buffer;
}

// WM_COMMAND and WM_NOTIFY read better as what they carry: the control id and the code.
std::string Payload(UINT message, bool parent, WPARAM wParam, LPARAM lParam, bool showW, bool showL)
{
    if (parent && message == WM_COMMAND)
        return (showW ? " id " + std::to_string(LOWORD(wParam)) + " code " + Hex(HIWORD(wParam))
                      : "") +
               (showL ? " from " + Hex(static_cast<unsigned long long>(lParam)) : "");
    if (parent && message == WM_NOTIFY)
        return (showW ? " id " + std::to_string(wParam) : "") +
               (showL ? " code " + std::to_string(static_cast<int>(static_cast<UINT>(lParam)))
                      : "");
    return (showW ? " wParam=" + Hex(wParam) : "") +
           (showL ? " lParam=" + Hex(static_cast<unsigned long long>(lParam)) : "");
}

std::string Show(const RecordedMessage& m)
{
    return (m.window.empty() ? "" : m.window + ": ") + MessageName(m.message) +
           Payload(m.message, m.parent, m.wParam, m.lParam, true, true) +
           (m.parent ? " (parent)" : "");
}

std::string Show(const ExpectedMessage& e)
{
    return (e.window ? std::string(e.window) + ": " : "") + MessageName(e.message) +
           Payload(e.message, e.flags & kParent, e.wParam, e.lParam, e.flags & kWParam,
                   e.flags & kLParam) +
           ((e.flags & kParent) ? " (parent)" : "") + ((e.flags & kOptional) ? " [optional]" : "");
}

bool Matches(const ExpectedMessage& e, const RecordedMessage& a)
{
    if (e.message != a.message || ((e.flags & kParent) != 0) != a.parent)
        return false;
    if (e.window && a.window != e.window)
        return false;
    if ((e.flags & kWParam) && e.wParam != a.wParam)
        return false;
    if (e.flags & kLParam)
    {
        // Notification codes are 32-bit whether written as signed or unsigned numbers.
        if (a.parent && a.message == WM_NOTIFY)
            return static_cast<UINT>(e.lParam) == static_cast<UINT>(a.lParam);
        return e.lParam == a.lParam;
    }
    return true;
}

} // namespace

std::string DiffMessages(const std::vector<RecordedMessage>& actual,
                         std::span<const ExpectedMessage> expected, const char* context)
{
    // The best alignment scores one for each received message matched and one more for each
    // required entry matched; the sequences agree exactly when that best score is the most
    // possible, every message matched and every required entry present.
    const std::size_t n = expected.size(), m = actual.size();
    std::vector<std::vector<int>> best(n + 1, std::vector<int>(m + 1, 0));
    for (std::size_t i = n + 1; i-- > 0;)
        for (std::size_t j = m + 1; j-- > 0;)
        {
            if (i == n && j == m)
                continue;
            int s = 0;
            if (i < n)
                s = std::max(s, best[i + 1][j]);
            if (j < m)
                s = std::max(s, best[i][j + 1]);
            if (i < n && j < m && Matches(expected[i], actual[j]))
                s = std::max(s, best[i + 1][j + 1] + 1 + ((expected[i].flags & kOptional) ? 0 : 1));
            best[i][j] = s;
        }
    int perfect = static_cast<int>(m);
    for (const auto& e : expected)
        perfect += (e.flags & kOptional) ? 0 : 1;
    if (best[0][0] == perfect)
        return "";

    constexpr std::size_t kColumn = 48;
    auto line = [&](const char* mark, const std::string& left, const std::string& right) {
        std::string l = std::string(mark) + left;
        if (l.size() < kColumn)
            l.resize(kColumn, ' ');
        return l + " | " + right + "\n";
    };
    std::string out = "message sequence differs";
    if (context && *context)
        out += std::string(" (") + context + ")";
    out += ":\n" + line("  ", "expected", "received");
    std::size_t i = 0, j = 0;
    while (i < n || j < m)
    {
        if (i < n && j < m && Matches(expected[i], actual[j]) &&
            best[i][j] == best[i + 1][j + 1] + 1 + ((expected[i].flags & kOptional) ? 0 : 1))
        {
            out += line("  ", Show(expected[i]), Show(actual[j]));
            ++i, ++j;
        }
        else if (i < n && j < m && best[i][j] == best[i + 1][j] &&
                 best[i + 1][j] == best[i + 1][j + 1] && !(expected[i].flags & kOptional) &&
                 expected[i].message == actual[j].message)
        {
            // The same message with other parameters or from another window reads best as one
            // line than as a loss and a surprise far apart.
            out += line("! ", Show(expected[i]), Show(actual[j]));
            ++i, ++j;
        }
        else if (i < n && best[i][j] == best[i + 1][j])
        {
            out += line((expected[i].flags & kOptional) ? "? " : "- ", Show(expected[i]), "");
            ++i;
        }
        else
        {
            out += line("+ ", "", Show(actual[j]));
            ++j;
        }
    }
    return out;
}

} // namespace platform
