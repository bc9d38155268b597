// The renderer with real windows: frames, captions, children, z-order, clipping, markers and
// rendering from another thread.

#include "platform/render.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <string>
#include <thread>

using namespace platform;

namespace
{

const char* const FrameClass = "RenderTestFrame";
const char* const PatternClass = "RenderTestPattern";
const char* const GetDcClass = "RenderTestGetDC";

std::atomic<int> g_sysColorChanges{0};

// Paints the window's text at the client origin: grey when disabled, with a focus rectangle
// around it when focused.
void PaintPattern(HWND hwnd, HDC hdc)
{
    char text[64] = {};
    int length = GetWindowTextA(hwnd, text, sizeof(text));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(IsWindowEnabled(hwnd) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    TextOutA(hdc, 0, 0, text, length);
    if (GetFocus() == hwnd)
    {
        RECT around{0, 0, length * 6, 13};
        DrawFocusRect(hdc, &around);
    }
}

LRESULT CALLBACK PatternProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_PRINTCLIENT:
        PaintPattern(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        PaintPattern(hwnd, BeginPaint(hwnd, &ps));
        EndPaint(hwnd, &ps);
        return 0;
    }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// Paints through GetDC instead of the DC that WM_PRINTCLIENT brings.
LRESULT CALLBACK GetDcProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_PRINTCLIENT)
    {
        HDC hdc = GetDC(hwnd);
        TextOutA(hdc, 0, 0, "via GetDC", 9);
        ReleaseDC(hwnd, hdc);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_SYSCOLORCHANGE)
        ++g_sysColorChanges;
    if (msg == WM_CLOSE)
    {
        DestroyWindow(hwnd);
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

void RegisterClasses()
{
    static bool done = [] {
        WNDCLASSA wc{};
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpfnWndProc = FrameProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = FrameClass;
        RegisterClassA(&wc);
        wc.lpfnWndProc = PatternProc;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        wc.lpszClassName = PatternClass;
        RegisterClassA(&wc);
        wc.lpfnWndProc = GetDcProc;
        wc.lpszClassName = GetDcClass;
        RegisterClassA(&wc);
        return true;
    }();
    (void)done;
}

// A 120 x 78 pixel captioned window: 20 x 6 cells with an 18 x 4 cell client area.
HWND CreateFrame(const char* title, int x = 0, int y = 0)
{
    RegisterClasses();
    return CreateWindowExA(WS_EX_CONTEXTHELP, FrameClass, title,
                           WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, x, y, 120, 78, nullptr,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

HWND CreateChild(HWND parent, const char* cls, const char* text, DWORD exStyle, DWORD style, int x,
                 int y, int w, int h)
{
    return CreateWindowExA(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                           nullptr, GetModuleHandleA(nullptr), nullptr);
}

// The dialog-like window that most tests draw: a plain child, a one-line field with a client
// edge (too short for a box, so bracketed) and a bordered child three rows high.
struct Sample
{
    Sample()
    {
        top = CreateFrame("Title");
        alpha = CreateChild(top, PatternClass, "alpha", 0, 0, 6, 0, 36, 13);
        beta = CreateChild(top, PatternClass, "beta", WS_EX_CLIENTEDGE, 0, 0, 13, 60, 20);
        gamma = CreateChild(top, PatternClass, "gamma", 0, WS_BORDER, 60, 13, 48, 39);
        SetActiveWindow(top);
    }
    ~Sample() { DestroyWindow(top); }

    HWND top, alpha, beta, gamma;
};

const char* const SampleSnapshot = "+= Title ====[?][X]+\n"
                                   "| alpha            |\n"
                                   "|[beta    ]+------+|\n"
                                   "|          |gamma ||\n"
                                   "|          +------+|\n"
                                   "+------------------+\n";

} // namespace

TEST(RenderWindow, DrawsFrameCaptionAndChildren)
{
    Sample sample;
    Canvas canvas = RenderWindow(sample.top);
    EXPECT_EQ(canvas.Columns(), 20);
    EXPECT_EQ(canvas.Rows(), 6);
    EXPECT_EQ(canvas.Text(), SampleSnapshot);
    EXPECT_EQ(canvas.At(3, 0).attributes, CellCaption | CellActive);
    EXPECT_EQ(canvas.At(0, 1).attributes, 0);
}

TEST(RenderWindow, InactiveCaptionsAreDrawnWithDashes)
{
    Sample sample;
    HWND other = CreateFrame("Other", 200, 200);
    SetActiveWindow(other);
    ASSERT_EQ(GetActiveWindow(), other);
    Canvas canvas = RenderWindow(sample.top);
    EXPECT_EQ(canvas.RowText(0), "+- Title ----[?][X]+");
    EXPECT_EQ(canvas.At(3, 0).attributes, CellCaption);
    DestroyWindow(other);
}

TEST(Snapshot, MarksFocusAndDisabledText)
{
    Sample sample;
    SetFocus(sample.alpha);
    EnableWindow(sample.beta, FALSE);
    EXPECT_EQ(Snapshot(sample.top), "+= Title ====[?][X]+\n"
                                    "|>alpha<           |\n"
                                    "|~beta~   ]+------+|\n"
                                    "|          |gamma ||\n"
                                    "|          +------+|\n"
                                    "+------------------+\n");
}

TEST(RenderWindow, HiddenChildrenAreNotDrawn)
{
    Sample sample;
    ShowWindow(sample.gamma, SW_HIDE);
    EXPECT_EQ(RenderWindow(sample.top).RowText(3), "|                  |");
}

TEST(RenderWindow, ChildrenAreClippedToTheParentsClientArea)
{
    HWND top = CreateFrame("C");
    CreateChild(top, PatternClass, "0123456789abcdefghijklmnop", 0, WS_BORDER, 0, 26, 300, 60);
    Canvas canvas = RenderWindow(top);
    EXPECT_EQ(canvas.RowText(3), "|+-----------------|");
    EXPECT_EQ(canvas.RowText(4), "||0123456789abcdefg|");
    EXPECT_EQ(canvas.RowText(5), "+------------------+");
    DestroyWindow(top);
}

TEST(RenderWindow, TheTopOfTheZOrderIsDrawnLast)
{
    RegisterClasses();
    HWND top = CreateFrame("Z");
    HWND a = CreateChild(top, PatternClass, "aaaa", 0, 0, 0, 0, 36, 13);
    HWND b = CreateChild(top, PatternClass, "bb", 0, 0, 0, 0, 36, 13);
    SetWindowPos(b, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(RenderWindow(top).RowText(1), "|bb                |");
    SetWindowPos(a, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(RenderWindow(top).RowText(1), "|aaaa              |");
    DestroyWindow(top);
}

TEST(RenderWindow, GetDcWhilePrintingDrawsOnTheRender)
{
    RegisterClasses();
    HWND top = CreateFrame("G");
    CreateChild(top, GetDcClass, "", 0, 0, 6, 13, 90, 13);
    EXPECT_EQ(RenderWindow(top).RowText(2), "| via GetDC        |");
    // Outside a render the same painting goes nowhere and does no harm.
    HWND child = GetWindow(top, GW_CHILD);
    HDC hdc = GetDC(child);
    ASSERT_NE(hdc, nullptr);
    EXPECT_TRUE(TextOutA(hdc, 0, 0, "unseen", 6));
    EXPECT_EQ(ReleaseDC(child, hdc), 1);
    DestroyWindow(top);
}

TEST(RenderWindow, WorksFromAnotherThread)
{
    RegisterClasses();
    std::promise<HWND> created;
    std::thread ui([&created] {
        Sample* sample = new Sample;
        created.set_value(sample->top);
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0)
            DispatchMessageA(&msg);
        // The frame destroyed itself on WM_CLOSE; the children went with it.
        sample->top = nullptr;
        delete sample;
    });
    HWND top = created.get_future().get();
    std::string text = Snapshot(top);
    PostMessageA(top, WM_CLOSE, 0, 0);
    ui.join();
    // The UI thread's window is active on its own thread.
    EXPECT_EQ(text, SampleSnapshot);
}

TEST(RenderScreen, PlacesWindowsAtTheirCells)
{
    RegisterClasses();
    HWND below = CreateFrame("Below", 60, 26);
    HWND above = CreateFrame("Above", 90, 52);
    SetWindowPos(above, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Canvas screen = RenderScreen();
    EXPECT_EQ(screen.Columns(), 213);
    EXPECT_EQ(screen.Rows(), 78);
    EXPECT_EQ(screen.RowText(2).substr(0, 13), "          +- ");
    // The upper window covers the lower one from cell (15, 4) on.
    EXPECT_EQ(screen.RowText(4).substr(10, 6), "|    +");
    DestroyWindow(above);
    DestroyWindow(below);
}

TEST(SysColors, ChangesReachEveryTopLevelWindowAndTheBrushes)
{
    RegisterClasses();
    HWND top = CreateFrame("Colours");
    COLORREF original = GetSysColor(COLOR_HIGHLIGHT);
    int before = g_sysColorChanges;
    INT element = COLOR_HIGHLIGHT;
    COLORREF value = RGB(1, 2, 3);
    EXPECT_TRUE(SetSysColors(1, &element, &value));
    EXPECT_EQ(g_sysColorChanges, before + 1);
    EXPECT_EQ(GetSysColor(COLOR_HIGHLIGHT), RGB(1, 2, 3));
    LOGBRUSH brush{};
    GetObjectA(GetSysColorBrush(COLOR_HIGHLIGHT), sizeof(brush), &brush);
    EXPECT_EQ(brush.lbColor, RGB(1, 2, 3));
    SetSysColors(1, &element, &original);
    DestroyWindow(top);
}
