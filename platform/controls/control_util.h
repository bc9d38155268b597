// Small pieces that every control's window procedure needs, kept in one place.
#pragma once

#include <windows.h>

#include <string>

namespace platform
{

// The mouse position a mouse message carries, with negative coordinates kept (as
// GET_X_LPARAM and GET_Y_LPARAM give them).
inline POINT PointOf(LPARAM lParam)
{
    return POINT{static_cast<SHORT>(LOWORD(lParam)), static_cast<SHORT>(HIWORD(lParam))};
}

// The window's style bits.
inline DWORD StyleOf(HWND hwnd)
{
    return static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
}

// The window's whole text.
inline std::string TextOf(HWND hwnd)
{
    std::string text(static_cast<size_t>(GetWindowTextLengthA(hwnd)) + 1, '\0');
    text.resize(
        static_cast<size_t>(GetWindowTextA(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// Sends the parent the WM_COMMAND notification code, from the control's id and handle.
inline void Notify(HWND hwnd, WORD code)
{
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code),
                 reinterpret_cast<LPARAM>(hwnd));
}

} // namespace platform
