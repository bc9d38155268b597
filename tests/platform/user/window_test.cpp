// Windows: creation and destruction order, the tree, styles, text and geometry.

#include "platform/ui_thread.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <utility>
#include <vector>

namespace
{

std::vector<std::pair<std::string, UINT>> g_log;

LRESULT CALLBACK LoggingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_GETTEXT || msg == WM_GETTEXTLENGTH)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    char name[64];
    GetWindowTextA(hwnd, name, sizeof name);
    switch (msg)
    {
    case WM_GETMINMAXINFO:
    case WM_NCCREATE:
    case WM_NCCALCSIZE:
    case WM_CREATE:
    case WM_SIZE:
    case WM_MOVE:
    case WM_PARENTNOTIFY:
    case WM_DESTROY:
    case WM_NCDESTROY:
    case WM_SHOWWINDOW:
        g_log.emplace_back(msg == WM_NCCREATE || msg == WM_GETMINMAXINFO ? "?" : name, msg);
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterLogging()
{
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = LoggingProc;
        wc.lpszClassName = "Logging";
        return RegisterClassA(&wc);
    }();
    ASSERT_NE(atom, 0);
}

HWND Make(const char* name, DWORD style, HWND parent, int id = 0)
{
    return CreateWindowExA(0, "Logging", name, style, 10, 20, 200, 100, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
}

using Log = std::vector<std::pair<std::string, UINT>>;

TEST(WindowLifetime, CreationSendsItsMessagesInWindowsOrder)
{
    RegisterLogging();
    g_log.clear();
    HWND top = Make("top", WS_OVERLAPPEDWINDOW, nullptr);
    ASSERT_TRUE(top);
    EXPECT_EQ(g_log, (Log{{"?", WM_GETMINMAXINFO},
                          {"?", WM_NCCREATE},
                          {"top", WM_NCCALCSIZE},
                          {"top", WM_CREATE},
                          {"top", WM_SIZE},
                          {"top", WM_MOVE}}));
    g_log.clear();
    HWND child = Make("child", WS_CHILD | WS_VISIBLE, top, 7);
    ASSERT_TRUE(child);
    EXPECT_EQ(g_log, (Log{{"?", WM_NCCREATE},
                          {"child", WM_NCCALCSIZE},
                          {"child", WM_CREATE},
                          {"top", WM_PARENTNOTIFY},
                          {"child", WM_SIZE},
                          {"child", WM_MOVE},
                          {"child", WM_SHOWWINDOW}}));
    DestroyWindow(top);
}

TEST(WindowLifetime, DestroyGoesParentFirstThenChildrenFreeFirst)
{
    RegisterLogging();
    HWND top = Make("top", WS_POPUP, nullptr);
    HWND a = Make("a", WS_CHILD, top, 1);
    Make("a1", WS_CHILD | WS_EX_NOPARENTNOTIFY, a, 2);
    Make("b", WS_CHILD, top, 3);
    g_log.clear();
    ASSERT_TRUE(DestroyWindow(top));
    EXPECT_EQ(g_log, (Log{{"top", WM_DESTROY},
                          {"a", WM_DESTROY},
                          {"a1", WM_DESTROY},
                          {"b", WM_DESTROY},
                          {"a1", WM_NCDESTROY},
                          {"a", WM_NCDESTROY},
                          {"b", WM_NCDESTROY},
                          {"top", WM_NCDESTROY}}));
    EXPECT_FALSE(IsWindow(top));
    EXPECT_FALSE(IsWindow(a));
}

TEST(WindowLifetime, OwnedWindowsDieWithTheirOwner)
{
    RegisterLogging();
    HWND owner = Make("owner", WS_POPUP, nullptr);
    HWND owned = Make("owned", WS_POPUP, owner);
    EXPECT_EQ(GetWindow(owned, GW_OWNER), owner);
    EXPECT_EQ(GetParent(owned), owner); // a popup's parent is its owner
    g_log.clear();
    DestroyWindow(owner);
    EXPECT_FALSE(IsWindow(owned));
    ASSERT_GE(g_log.size(), 2u);
    EXPECT_EQ(g_log[0], (std::pair<std::string, UINT>{"owned", WM_DESTROY}));
}

TEST(WindowLifetime, CreateFailsForUnknownClassOrMissingParent)
{
    EXPECT_EQ(
        CreateWindowExA(0, "NoSuchClass", "", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr),
        nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CANNOT_FIND_WND_CLASS));
    RegisterLogging();
    EXPECT_EQ(Make("orphan", WS_CHILD, nullptr), nullptr);
}

TEST(WindowTree, ChildrenKeepCreationOrderAsZOrder)
{
    RegisterLogging();
    HWND top = Make("top", WS_POPUP, nullptr);
    HWND a = Make("a", WS_CHILD, top, 1);
    HWND b = Make("b", WS_CHILD, top, 2);
    HWND c = Make("c", WS_CHILD, top, 3);
    EXPECT_EQ(GetWindow(top, GW_CHILD), a);
    EXPECT_EQ(GetWindow(a, GW_HWNDNEXT), b);
    EXPECT_EQ(GetWindow(c, GW_HWNDPREV), b);
    EXPECT_EQ(GetWindow(a, GW_HWNDLAST), c);
    SetWindowPos(c, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(GetWindow(top, GW_CHILD), c);
    EXPECT_TRUE(IsChild(top, b));
    EXPECT_EQ(GetAncestor(b, GA_ROOT), top);
    EXPECT_EQ(FindWindowExA(top, nullptr, "logging", "B"), b); // case-insensitive, as Windows
    DestroyWindow(top);
}

TEST(WindowGeometry, FramesAndCaptionsSeparateWindowAndClientAreas)
{
    RegisterLogging();
    HWND top = CreateWindowExA(WS_EX_DLGMODALFRAME, "Logging", "t", WS_POPUP | WS_CAPTION, 100, 50,
                               300, 200, nullptr, nullptr, nullptr, nullptr);
    RECT w, c;
    GetWindowRect(top, &w);
    GetClientRect(top, &c);
    EXPECT_EQ(w.left, 100);
    EXPECT_EQ(w.right - w.left, 300);
    // A dialog frame is 3 pixels on each side; the caption adds 19 at the top.
    EXPECT_EQ(c.right, 300 - 2 * 3);
    EXPECT_EQ(c.bottom, 200 - 2 * 3 - 19);
    POINT p{0, 0};
    ClientToScreen(top, &p);
    EXPECT_EQ(p.x, 103);
    EXPECT_EQ(p.y, 50 + 3 + 19);

    RECT r{0, 0, 100, 50};
    AdjustWindowRectEx(&r, WS_POPUP | WS_CAPTION | WS_THICKFRAME, FALSE, 0);
    EXPECT_EQ(r.left, -4);
    EXPECT_EQ(r.top, -4 - 19);
    DestroyWindow(top);
}

TEST(WindowGeometry, MoveWindowSendsSizeWithTheClientSize)
{
    RegisterLogging();
    HWND top = Make("top", WS_POPUP | WS_BORDER, nullptr);
    g_log.clear();
    MoveWindow(top, 0, 0, 52, 32, TRUE);
    ASSERT_FALSE(g_log.empty());
    RECT c;
    GetClientRect(top, &c);
    EXPECT_EQ(c.right, 50);
    EXPECT_EQ(c.bottom, 30);
    DestroyWindow(top);
}

TEST(WindowData, StylesTextAndExtraBytes)
{
    RegisterLogging();
    HWND top = Make("top", WS_POPUP, nullptr);
    EXPECT_EQ(GetWindowTextLengthA(top), 3);
    SetWindowTextA(top, "renamed");
    char text[4];
    EXPECT_EQ(GetWindowTextA(top, text, sizeof text), 3); // truncated, always terminated
    EXPECT_STREQ(text, "ren");
    SetWindowLongA(top, GWL_STYLE, GetWindowLongA(top, GWL_STYLE) | WS_DISABLED);
    EXPECT_FALSE(IsWindowEnabled(top));
    EnableWindow(top, TRUE);
    EXPECT_TRUE(IsWindowEnabled(top));
    EXPECT_EQ(GetWindowLongPtrA(top, 64), 0); // beyond the extra bytes
    SetPropA(top, "key", reinterpret_cast<HANDLE>(5));
    EXPECT_EQ(GetPropA(top, "KEY"), reinterpret_cast<HANDLE>(5));
    EXPECT_EQ(RemovePropA(top, "key"), reinterpret_cast<HANDLE>(5));
    EXPECT_EQ(GetPropA(top, "key"), nullptr);
    DestroyWindow(top);
}

TEST(Focus, KillFocusComesBeforeSetFocusAndDisabledWindowsRefuse)
{
    RegisterLogging();
    HWND top = Make("top", WS_POPUP | WS_VISIBLE, nullptr);
    HWND a = Make("a", WS_CHILD | WS_VISIBLE, top, 1);
    HWND b = Make("b", WS_CHILD | WS_VISIBLE, top, 2);
    SetFocus(a);
    EXPECT_EQ(GetFocus(), a);
    EXPECT_EQ(GetActiveWindow(), top);
    SetFocus(b);
    EXPECT_EQ(GetFocus(), b);
    EnableWindow(a, FALSE);
    EXPECT_EQ(SetFocus(a), nullptr);
    EXPECT_EQ(GetFocus(), b);
    // Disabling the focus window takes the focus away.
    EnableWindow(b, FALSE);
    EXPECT_EQ(GetFocus(), nullptr);
    DestroyWindow(top);
    EXPECT_EQ(GetActiveWindow(), nullptr);
}

} // namespace

namespace
{

TEST(WindowData, StyleChangesFromAnotherThreadReachTheWindow)
{
    static std::atomic<int> changes;
    changes = 0;
    platform::UiThread ui;
    HWND w = reinterpret_cast<HWND>(ui.Run([] {
        WNDCLASSA wc{};
        wc.lpszClassName = "StyleWatcher";
        wc.lpfnWndProc = [](HWND h, UINT m, WPARAM wp, LPARAM lp) -> LRESULT {
            if (m == WM_STYLECHANGING || m == WM_STYLECHANGED)
                ++changes;
            return DefWindowProcA(h, m, wp, lp);
        };
        RegisterClassA(&wc);
        return reinterpret_cast<LRESULT>(CreateWindowExA(0, "StyleWatcher", "", WS_POPUP, 0, 0, 10,
                                                         10, nullptr, nullptr, nullptr, nullptr));
    }));
    SetWindowLongA(w, GWL_STYLE, GetWindowLongA(w, GWL_STYLE) | WS_BORDER);
    EXPECT_EQ(changes.load(), 2);
    EXPECT_TRUE(GetWindowLongA(w, GWL_STYLE) & WS_BORDER);
    ui.Run([w] { return static_cast<LRESULT>(DestroyWindow(w)); });
}

} // namespace
