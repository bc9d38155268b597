// Dragging borders and captions goes through the window manager's own sizing loop, so the
// window's limits from WM_GETMINMAXINFO hold whatever the user does.

#include "platform/automation.h"
#include "platform/recorder.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace platform;
using namespace platform::automation;

namespace
{

constexpr POINT kMinimum{300, 200};

LRESULT CALLBACK MinimumSizeProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_GETMINMAXINFO)
    {
        reinterpret_cast<MINMAXINFO*>(lParam)->ptMinTrackSize = kMinimum;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND CreateFrame(DWORD style)
{
    static const ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = MinimumSizeProc;
        wc.lpszClassName = "TestMinimumSize";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        return RegisterClassA(&wc);
    }();
    (void)atom;
    return CreateWindowExA(0, "TestMinimumSize", "Sizable", style | WS_VISIBLE, 100, 100, 500, 400,
                           nullptr, nullptr, nullptr, nullptr);
}

class Frame : public ::testing::Test
{
protected:
    void SetUp() override
    {
        frame = testwin::RunForWindow(ui, [] { return CreateFrame(WS_OVERLAPPEDWINDOW); });
    }
    void TearDown() override
    {
        ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(frame)); });
    }
    static LONG Width(const RECT& r) { return r.right - r.left; }
    static LONG Height(const RECT& r) { return r.bottom - r.top; }

    UiThread ui;
    HWND frame = nullptr;
};

TEST_F(Frame, DraggingABorderMovesThatEdgeOnly)
{
    MessageRecorder recorder;
    ASSERT_TRUE(recorder.Watch(frame, "frame"));
    ASSERT_TRUE(DragBorder(frame, WMSZ_RIGHT, 60, 0)) << LastFailure();
    EXPECT_EQ(RectOf(frame).left, 100);
    EXPECT_EQ(Width(RectOf(frame)), 560);
    EXPECT_EQ(Height(RectOf(frame)), 400);

    // The conversation of a sizing drag, in order.
    std::vector<UINT> seen;
    for (const auto& m : recorder.Messages())
        if (m.message == WM_ENTERSIZEMOVE || m.message == WM_SIZING || m.message == WM_EXITSIZEMOVE)
            if (seen.empty() || seen.back() != m.message)
                seen.push_back(m.message);
    EXPECT_EQ(seen, (std::vector<UINT>{WM_ENTERSIZEMOVE, WM_SIZING, WM_EXITSIZEMOVE}));
    recorder.Stop(frame);

    ASSERT_TRUE(DragBorder(frame, WMSZ_LEFT, 40, 0)) << LastFailure();
    EXPECT_EQ(RectOf(frame).left, 140);
    EXPECT_EQ(RectOf(frame).right, 660);
    ASSERT_TRUE(DragBorder(frame, WMSZ_TOP, 0, -30)) << LastFailure();
    EXPECT_EQ(RectOf(frame).top, 70);
    EXPECT_EQ(RectOf(frame).bottom, 500);
}

TEST_F(Frame, TheMinimumTrackingSizeHoldsWhenDraggedBelowIt)
{
    ASSERT_TRUE(DragBorder(frame, WMSZ_RIGHT, -1000, 0)) << LastFailure();
    EXPECT_EQ(Width(RectOf(frame)), kMinimum.x);
    EXPECT_EQ(RectOf(frame).left, 100);

    ASSERT_TRUE(DragBorder(frame, WMSZ_BOTTOMRIGHT, -500, -500)) << LastFailure();
    EXPECT_EQ(Width(RectOf(frame)), kMinimum.x);
    EXPECT_EQ(Height(RectOf(frame)), kMinimum.y);

    // Dragging the top-left corner down and right keeps the bottom-right corner in place.
    ASSERT_TRUE(DragBorder(frame, WMSZ_BOTTOMRIGHT, 100, 100)) << LastFailure();
    const RECT before = RectOf(frame);
    ASSERT_TRUE(DragBorder(frame, WMSZ_TOPLEFT, 400, 400)) << LastFailure();
    const RECT after = RectOf(frame);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
    EXPECT_EQ(Width(after), kMinimum.x);
    EXPECT_EQ(Height(after), kMinimum.y);
}

TEST_F(Frame, DraggingTheCaptionMovesTheWindow)
{
    ASSERT_TRUE(DragTo(frame, 220, 150)) << LastFailure();
    const RECT r = RectOf(frame);
    EXPECT_EQ(r.left, 220);
    EXPECT_EQ(r.top, 150);
    EXPECT_EQ(Width(r), 500);
    EXPECT_EQ(Height(r), 400);
    // The user let go: nothing is still captured or moving.
    GUITHREADINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetGUIThreadInfo(ui.Id(), &info));
    EXPECT_EQ(info.flags & GUI_INMOVESIZE, 0u);
    EXPECT_EQ(info.hwndCapture, nullptr);
}

TEST(Drag, AWindowWithoutASizingBorderCannotBeSized)
{
    UiThread ui;
    HWND fixed = testwin::RunForWindow(
        ui, [] { return CreateFrame(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU); });
    EXPECT_FALSE(DragBorder(fixed, WMSZ_RIGHT, 50, 0));
    EXPECT_NE(LastFailure().find("has no sizing border"), std::string::npos) << LastFailure();
    EXPECT_FALSE(DragBorder(GetDlgItem(ui.MainWindow(), 1), WMSZ_RIGHT, 50, 0));
    ui.Run([fixed] { return static_cast<LRESULT>(DestroyWindow(fixed)); });
}

} // namespace
