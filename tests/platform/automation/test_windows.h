// Small window classes for the simulated user's tests, so that they depend on nothing but the
// window manager: a box that keeps what is typed into it, a pad that acts like a push button,
// and a dialog procedure that ends with the command it receives.
#pragma once
#include "platform/ui_thread.h"
#include "user/template_builder.h"

#include <windows.h>

#include <string>

namespace testwin
{

constexpr const char* kTypingBox = "TestTypingBox";
constexpr const char* kClickPad = "TestClickPad";

// A notification code the pad sends with WM_NOTIFY when right-clicked.
constexpr UINT kPadRightClicked = static_cast<UINT>(-5);

inline LRESULT CALLBACK TypingBoxProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        return 0;
    case WM_CHAR: {
        // The text is read and written past the window procedure, so that a recording of the
        // box shows only the keys.
        char text[256] = "";
        DefWindowProcA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
        std::string s = text;
        if (wParam == '\b')
        {
            if (!s.empty())
                s.pop_back();
        }
        else if (wParam >= ' ')
            s += static_cast<char>(wParam);
        DefWindowProcA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(s.c_str()));
        return 0;
    }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline LRESULT CALLBACK ClickPadProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    const HWND parent = GetParent(hwnd);
    const int id = GetDlgCtrlID(hwnd);
    switch (msg)
    {
    case WM_GETDLGCODE:
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case WM_LBUTTONDOWN:
        SetFocus(hwnd);
        SetCapture(hwnd);
        return 0;
    case WM_LBUTTONDBLCLK:
        SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_DOUBLECLICKED),
                     reinterpret_cast<LPARAM>(hwnd));
        return 0;
    case WM_LBUTTONUP:
        if (GetCapture() == hwnd)
        {
            ReleaseCapture();
            SendMessageA(parent, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(hwnd));
        }
        return 0;
    case WM_RBUTTONUP: {
        NMHDR hdr{hwnd, static_cast<UINT_PTR>(id), kPadRightClicked};
        SendMessageA(parent, WM_NOTIFY, id, reinterpret_cast<LPARAM>(&hdr));
        return 0;
    }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline void RegisterClasses()
{
    static const bool done = [] {
        WNDCLASSA box{};
        box.lpfnWndProc = TypingBoxProc;
        box.lpszClassName = kTypingBox;
        box.hCursor = LoadCursorA(nullptr, IDC_IBEAM);
        RegisterClassA(&box);
        WNDCLASSA pad{};
        pad.style = CS_DBLCLKS;
        pad.lpfnWndProc = ClickPadProc;
        pad.lpszClassName = kClickPad;
        pad.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        RegisterClassA(&pad);
        WNDCLASSA host{};
        host.lpfnWndProc = DefWindowProcA;
        host.lpszClassName = "TestHost";
        host.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        RegisterClassA(&host);
        return true;
    }();
    (void)done;
}

inline INT_PTR CALLBACK EndWithCommand(HWND dialog, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) &&
        HIWORD(wParam) == BN_CLICKED)
    {
        EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

// A dialog with a typing box (id 100), an OK pad and a Cancel pad.
inline platform::TemplateBuilder TypingDialog(const char* title)
{
    RegisterClasses();
    platform::TemplateBuilder t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 0,
                                0, 0, 160, 60, title);
    t.Add(kTypingBox, "", 100, WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_BORDER, 8, 8, 144, 14);
    t.Add(kClickPad, "OK", IDOK, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 40, 36, 50, 14);
    t.Add(kClickPad, "&Cancel", IDCANCEL, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 100, 36, 50, 14);
    return t;
}

// A visible top-level window on the calling thread with a click pad (id 10) in it.
inline HWND PadHost(const char* title, int x = 100, int y = 100)
{
    RegisterClasses();
    HWND host =
        CreateWindowExA(0, "TestHost", title, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_VISIBLE,
                        x, y, 300, 200, nullptr, nullptr, nullptr, nullptr);
    CreateWindowExA(0, kClickPad, "Pad", WS_CHILD | WS_VISIBLE, 10, 10, 100, 50, host,
                    reinterpret_cast<HMENU>(10), nullptr, nullptr);
    return host;
}

template <typename F> HWND RunForWindow(platform::UiThread& ui, F f)
{
    return reinterpret_cast<HWND>(ui.Run([&] { return reinterpret_cast<LRESULT>(f()); }));
}

} // namespace testwin
