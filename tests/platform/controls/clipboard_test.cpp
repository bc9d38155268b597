// The process-wide clipboard: opening it from one thread at a time, ownership of the data, and
// the calls that need it open.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <thread>

namespace
{

HGLOBAL Text(const char* text)
{
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
    std::strcpy(static_cast<char*>(GlobalLock(mem)), text);
    GlobalUnlock(mem);
    return mem;
}

std::string Read()
{
    std::string out;
    if (!OpenClipboard(nullptr))
        return "<not open>";
    if (HANDLE mem = GetClipboardData(CF_TEXT))
    {
        out = static_cast<const char*>(GlobalLock(mem));
        GlobalUnlock(mem);
    }
    CloseClipboard();
    return out;
}

} // namespace

TEST(Clipboard, HoldsTextUntilEmptiedOrReplaced)
{
    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(EmptyClipboard());
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
    HGLOBAL first = Text("first");
    EXPECT_EQ(SetClipboardData(CF_TEXT, first), first);
    // Setting the same format again replaces (and frees) the earlier data.
    EXPECT_NE(SetClipboardData(CF_TEXT, Text("second")), nullptr);
    EXPECT_EQ(SetClipboardData(CF_TEXT, nullptr), nullptr); // no delayed rendering
    ASSERT_TRUE(CloseClipboard());
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    EXPECT_EQ(Read(), "second");

    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    CloseClipboard();
    EXPECT_FALSE(IsClipboardFormatAvailable(CF_TEXT));
}

TEST(Clipboard, CallsThatNeedItOpenFailWhenItIsNot)
{
    SetLastError(0);
    EXPECT_FALSE(CloseClipboard());
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_CLIPBOARD_NOT_OPEN));
    EXPECT_FALSE(EmptyClipboard());
    EXPECT_EQ(GetClipboardData(CF_TEXT), nullptr);
    HGLOBAL mem = Text("x");
    EXPECT_EQ(SetClipboardData(CF_TEXT, mem), nullptr);
    GlobalFree(mem);
}

TEST(Clipboard, OneThreadAtATime)
{
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.lpszClassName = "ClipboardTestOwner";
        return RegisterClassA(&wc);
    }();
    ASSERT_NE(atom, 0);
    HWND owner = CreateWindowExA(0, "ClipboardTestOwner", "", WS_POPUP, 0, 0, 10, 10, nullptr,
                                 nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    ASSERT_TRUE(OpenClipboard(owner));
    EXPECT_EQ(GetOpenClipboardWindow(), owner);
    EmptyClipboard();
    EXPECT_EQ(GetClipboardOwner(), owner);
    BOOL opened = TRUE;
    DWORD error = 0;
    std::thread([&] {
        opened = OpenClipboard(nullptr);
        error = GetLastError();
    }).join();
    EXPECT_FALSE(opened);
    EXPECT_EQ(error, static_cast<DWORD>(ERROR_ACCESS_DENIED));
    ASSERT_TRUE(CloseClipboard());
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
    std::thread([&] {
        opened = OpenClipboard(nullptr);
        if (opened)
            CloseClipboard();
    }).join();
    EXPECT_TRUE(opened);
    DestroyWindow(owner);
}
