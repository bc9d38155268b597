// MessageBoxA: a real modal dialog of class "#32770" with the caption, the text and the
// standard buttons of its type.
//
// Does not do: icons (MB_ICON* draw nothing), MB_SERVICE_NOTIFICATION, MB_RIGHT/MB_RTLREADING,
// sounds, or the Ctrl+C copy of the box's text.

#include "user/queue.h"
#include "user/template_builder.h"

#include <algorithm>
#include <sstream>

namespace platform
{
namespace
{

struct ButtonSpec
{
    int id;
    const char* caption;
};

std::vector<ButtonSpec> ButtonsOf(UINT type)
{
    std::vector<ButtonSpec> b;
    switch (type & MB_TYPEMASK)
    {
    case MB_OKCANCEL:
        b = {{IDOK, "OK"}, {IDCANCEL, "Cancel"}};
        break;
    case MB_ABORTRETRYIGNORE:
        b = {{IDABORT, "&Abort"}, {IDRETRY, "&Retry"}, {IDIGNORE, "&Ignore"}};
        break;
    case MB_YESNOCANCEL:
        b = {{IDYES, "&Yes"}, {IDNO, "&No"}, {IDCANCEL, "Cancel"}};
        break;
    case MB_YESNO:
        b = {{IDYES, "&Yes"}, {IDNO, "&No"}};
        break;
    case MB_RETRYCANCEL:
        b = {{IDRETRY, "&Retry"}, {IDCANCEL, "Cancel"}};
        break;
    case MB_CANCELTRYCONTINUE:
        b = {{IDCANCEL, "Cancel"}, {IDTRYAGAIN, "&Try Again"}, {IDCONTINUE, "&Continue"}};
        break;
    default:
        b = {{IDOK, "OK"}};
        break;
    }
    if (type & MB_HELP)
        b.push_back({IDHELP, "Help"});
    return b;
}

// Splits the text into the lines the box shows, wrapping long lines at blanks.
std::vector<std::string> Lines(const std::string& text, std::size_t width)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line))
    {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        while (line.size() > width)
        {
            std::size_t cut = line.rfind(' ', width);
            if (cut == std::string::npos || cut == 0)
                cut = width;
            out.push_back(line.substr(0, cut));
            line.erase(0, line[cut] == ' ' ? cut + 1 : cut);
        }
        out.push_back(line);
    }
    if (out.empty())
        out.emplace_back();
    return out;
}

INT_PTR CALLBACK MessageBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_INITDIALOG: {
        SetWindowLongPtrA(hwnd, DWLP_USER, lParam);
        const auto buttons = ButtonsOf(static_cast<UINT>(lParam));
        const std::size_t def = std::min<std::size_t>((static_cast<UINT>(lParam) & MB_DEFMASK) >> 8,
                                                      buttons.size() - 1);
        SendMessageA(hwnd, DM_SETDEFID, static_cast<WPARAM>(buttons[def].id), 0);
        SetFocus(GetDlgItem(hwnd, buttons[def].id));
        return FALSE;
    }
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        const UINT type = static_cast<UINT>(GetWindowLongPtrA(hwnd, DWLP_USER));
        const auto buttons = ButtonsOf(type);
        if (id == IDHELP)
        {
            HELPINFO hi{};
            hi.cbSize = sizeof(hi);
            hi.iContextType = HELPINFO_WINDOW;
            hi.hItemHandle = hwnd;
            GetCursorPos(&hi.MousePos);
            SendMessageA(hwnd, WM_HELP, 0, reinterpret_cast<LPARAM>(&hi));
            return TRUE;
        }
        bool known = false;
        for (const auto& b : buttons)
            known = known || b.id == id;
        if (id == IDCANCEL && !known)
        {
            // Escape and the close box mean OK for a box with only OK, and nothing for the
            // boxes without Cancel.
            if ((type & MB_TYPEMASK) == MB_OK)
                EndDialog(hwnd, IDOK);
            return TRUE;
        }
        if (known)
            EndDialog(hwnd, id);
        return TRUE;
    }
    }
    return FALSE;
}

} // namespace
} // namespace platform

using namespace platform;

int WINAPI MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    const std::string message = text ? text : "";
    const std::string title = caption ? caption : "Error";
    const auto lines = Lines(message, 90);
    std::size_t longest = 0;
    for (const auto& l : lines)
        longest = std::max(longest, l.size());
    const auto buttons = ButtonsOf(type);

    // Dialog units: a character is 4 wide and 8 high; buttons are 50 x 14 with gaps of 4.
    const int margin = 8, buttonWidth = 50, buttonHeight = 14, gap = 4;
    const int n = static_cast<int>(buttons.size());
    const int textWidth = static_cast<int>(longest) * 4;
    const int textHeight = static_cast<int>(lines.size()) * 8;
    const int rowWidth = n * buttonWidth + (n - 1) * gap;
    const int captionWidth = static_cast<int>(title.size()) * 4 + 40;
    const int width = std::max({textWidth, rowWidth, captionWidth}) + 2 * margin;
    const int height = margin + textHeight + margin + buttonHeight + margin;

    std::string body;
    for (std::size_t i = 0; i < lines.size(); ++i)
        body += (i ? "\n" : "") + lines[i];

    DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER | DS_NOIDLEMSG;
    if (type & MB_SYSTEMMODAL)
        style |= DS_SYSMODAL;
    TemplateBuilder t(style, (type & MB_TOPMOST) ? WS_EX_TOPMOST : 0, 0, 0,
                      static_cast<short>(width), static_cast<short>(height), title);
    t.Add("Static", body, 0xFFFF, WS_VISIBLE | SS_LEFT | SS_NOPREFIX, static_cast<short>(margin),
          static_cast<short>(margin), static_cast<short>(textWidth),
          static_cast<short>(textHeight));
    int x = (width - rowWidth) / 2;
    for (int i = 0; i < n; ++i)
    {
        DWORD bs = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
        if (i == 0)
            bs |= WS_GROUP;
        t.Add("Button", buttons[static_cast<std::size_t>(i)].caption,
              static_cast<DWORD>(buttons[static_cast<std::size_t>(i)].id), bs,
              static_cast<short>(x), static_cast<short>(height - margin - buttonHeight),
              static_cast<short>(buttonWidth), static_cast<short>(buttonHeight));
        x += buttonWidth + gap;
    }
    const INT_PTR r =
        DialogBoxIndirectParamA(nullptr, t.Get(), owner, MessageBoxProc, static_cast<LPARAM>(type));
    return r < 0 ? 0 : static_cast<int>(r);
}
