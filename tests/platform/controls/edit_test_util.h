// An edit control on a user-interface thread, its parent recording the notifications, and the
// keyboard and mouse of a simulated user.
#pragma once
#include "platform/ui_thread.h"
#include "platform/user.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace edit_test
{

constexpr int EditId = 100;

// The parent's WM_COMMAND codes from the edit, in order; touched only on the UI thread.
inline std::vector<WORD>& Codes()
{
    static std::vector<WORD> codes;
    return codes;
}

inline LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && LOWORD(wParam) == EditId)
        Codes().push_back(HIWORD(wParam));
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline void Key(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

inline void MouseButton(bool up, DWORD time)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    in.mi.time = time;
    SendInput(1, &in, sizeof in);
}

class EditFixture : public ::testing::Test
{
protected:
    platform::UiThread ui;
    HWND parent = nullptr;
    HWND edit = nullptr;

    // An edit at (10, 10) in a parent that is the foreground window; the edit has the focus and
    // the recorded notifications start empty. With WS_BORDER the client area is the size less
    // two pixels, so width 62 gives ten columns and height 15 one line.
    void Create(DWORD style, const char* text = "", int width = 62, int height = 15)
    {
        ui.Run([&] {
            static ATOM atom = [] {
                WNDCLASSA wc{};
                wc.lpfnWndProc = ParentProc;
                wc.lpszClassName = "EditTestParent";
                wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
                return RegisterClassA(&wc);
            }();
            (void)atom;
            parent =
                CreateWindowExA(0, "EditTestParent", "Parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                100, 100, 400, 300, nullptr, nullptr, nullptr, nullptr);
            edit = CreateWindowExA(0, "Edit", text, WS_CHILD | WS_VISIBLE | WS_BORDER | style, 10,
                                   10, width, height, parent, reinterpret_cast<HMENU>(EditId),
                                   nullptr, nullptr);
            SetForegroundWindow(parent);
            SetFocus(edit);
            Codes().clear();
            return LRESULT{0};
        });
    }

    void TearDown() override
    {
        ui.Run([this] {
            if (IsWindow(parent))
                DestroyWindow(parent);
            return LRESULT{0};
        });
    }

    std::vector<WORD> TakeCodes()
    {
        std::vector<WORD> out;
        ui.Run([&] {
            out.swap(Codes());
            return LRESULT{0};
        });
        return out;
    }

    // Characters as a keyboard delivers them: VK_PACKET key presses that become WM_CHAR.
    void Type(const std::string& text)
    {
        for (char c : text)
        {
            INPUT in[2]{};
            for (int i = 0; i < 2; ++i)
            {
                in[i].type = INPUT_KEYBOARD;
                in[i].ki.wScan = static_cast<unsigned char>(c);
                in[i].ki.dwFlags = KEYEVENTF_UNICODE | (i ? KEYEVENTF_KEYUP : 0);
            }
            SendInput(2, in, sizeof(INPUT));
        }
        ASSERT_TRUE(ui.WaitIdle());
    }

    void Press(WORD vk, bool shift = false, bool ctrl = false)
    {
        if (ctrl)
            Key(VK_CONTROL, false);
        if (shift)
            Key(VK_SHIFT, false);
        Key(vk, false);
        Key(vk, true);
        if (shift)
            Key(VK_SHIFT, true);
        if (ctrl)
            Key(VK_CONTROL, true);
        ASSERT_TRUE(ui.WaitIdle());
    }

    // A click at a point of the edit's client area; time 0 means now.
    void Click(int x, int y, DWORD time = 0, bool shift = false)
    {
        POINT pt{x, y};
        ClientToScreen(edit, &pt);
        SetCursorPos(pt.x, pt.y);
        if (shift)
            Key(VK_SHIFT, false);
        MouseButton(false, time);
        MouseButton(true, time);
        if (shift)
            Key(VK_SHIFT, true);
        ASSERT_TRUE(ui.WaitIdle());
    }

    std::string Text()
    {
        char buffer[512] = {};
        GetWindowTextA(edit, buffer, sizeof buffer);
        return buffer;
    }

    std::pair<int, int> Selection()
    {
        DWORD start = 0, end = 0;
        SendMessageA(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                     reinterpret_cast<LPARAM>(&end));
        return {static_cast<int>(start), static_cast<int>(end)};
    }

    void Select(int start, int end)
    {
        SendMessageA(edit, EM_SETSEL, static_cast<WPARAM>(start), static_cast<LPARAM>(end));
    }
};

} // namespace edit_test
