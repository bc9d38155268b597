// Cells of the rendered screen back to pixels: a click on the cell where the renderer drew a
// control must reach that control, however the window's pixels sit under the cells.
#include "platform/automation.h"
#include "platform/render.h"
#include "platform/render_cells.h"
#include "platform/ui_thread.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

// The cell where text starts on the rendered screen, or (-1, -1).
POINT FindText(const platform::Canvas& screen, const std::string& text)
{
    for (int row = 0; row < screen.Rows(); ++row)
    {
        const size_t at = screen.RowText(row).find(text);
        if (at != std::string::npos)
            return POINT{static_cast<LONG>(at), row};
    }
    return POINT{-1, -1};
}

// A press and release of the left button at a screen pixel, at a given input time.
void ClickAt(POINT pixel, DWORD time)
{
    SetCursorPos(pixel.x, pixel.y);
    INPUT clicks[2]{};
    clicks[0].type = clicks[1].type = INPUT_MOUSE;
    clicks[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
    clicks[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
    clicks[0].mi.time = clicks[1].mi.time = time;
    SendInput(2, clicks, sizeof(INPUT));
}

TEST(ScreenPointOfCell, EveryCellOfAControlReachesThatControl)
{
    platform::UiThread ui("Cells");
    std::vector<HWND> buttons;
    ui.Run([&] {
        HWND main = ui.MainWindow();
        // A captioned window at an odd pixel position, with one-row buttons stacked tightly
        // and placed at pixel offsets that are not multiples of the cell size.
        SetWindowPos(main, nullptr, 17, 29, 400, 260, SWP_NOZORDER);
        // A group box around the buttons, created first and so above them (the first child is
        // the top of the z-order, as in a dialog), lets the mouse through.
        CreateWindowExA(0, "Button", "Group", WS_CHILD | WS_VISIBLE | BS_GROUPBOX, 2, 7, 150, 150,
                        main, nullptr, nullptr, nullptr);
        for (int i = 0; i < 6; ++i)
        {
            const std::string caption = "Button" + std::to_string(i);
            buttons.push_back(
                CreateWindowExA(0, "Button", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON,
                                7 + 5 * i, 20 + 15 * i, 90, 14, main, nullptr, nullptr, nullptr));
        }
        return LRESULT{0};
    });
    ASSERT_TRUE(ui.WaitIdle());
    const platform::Canvas screen = platform::RenderScreen();
    for (int i = 0; i < 6; ++i)
    {
        const POINT cell = FindText(screen, "Button" + std::to_string(i));
        ASSERT_GE(cell.x, 0) << "Button" << i << " is not on the screen:\n" << screen.Text();
        for (int dx = 0; dx < 7; dx += 3)
        {
            // Clicks a double-click time apart, so that none becomes a double click; a push
            // button takes the focus when pressed.
            ClickAt(platform::ScreenPointOfCell(cell.x + dx, cell.y), 1000 * (10 * i + dx + 1));
            ASSERT_TRUE(ui.WaitIdle());
            EXPECT_EQ(platform::automation::FocusOf(ui.Id()), buttons[i])
                << "cell (" << cell.x + dx << ", " << cell.y << ") of Button" << i;
        }
    }
    // The caption line reaches the caption bar, the lowest row the bottom edge.
    RECT window{};
    GetWindowRect(ui.MainWindow(), &window);
    const POINT caption = platform::ScreenPointOfCell(17 / 6 + 5, 29 / 13);
    EXPECT_EQ(SendMessageA(ui.MainWindow(), WM_NCHITTEST, 0, MAKELPARAM(caption.x, caption.y)),
              HTCAPTION);
    const POINT bottom = platform::ScreenPointOfCell(17 / 6 + 5, 29 / 13 + 260 / 13 - 1);
    EXPECT_EQ(bottom.y, window.bottom - 1);
}

} // namespace
