// The interactive host (see terminal.h).
//
// Does not do:
// - Colours beyond the active caption: attributes become bold, dim, reverse and underline.
// - Scroll the screen: the terminal shows the screen's top-left part, and windows are moved
//   into that part instead.
#include "terminal.h"

#include "terminal_input.h"

#include <platform/canvas.h>
#include <platform/render.h>
#include <platform/render_cells.h>
#include <platform/user.h>

#include <windows.h>

#include <curses.h>
#include <poll.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace tirel
{
namespace
{

constexpr int kScreenColumns = 1280 / platform::Canvas::CellWidth;
constexpr int kScreenRows = 1024 / platform::Canvas::CellHeight;
// How long poll() sleeps when nothing happens: short enough that a running search or an
// animation shows its progress.
constexpr int kRefreshMs = 200;
constexpr int kActiveCaptionPair = 1;

struct Viewport
{
    int columns = 0;
    int rows = 0;
};

Viewport TerminalViewport()
{
    return {std::min(COLS, kScreenColumns), std::min(LINES, kScreenRows)};
}

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lParam)
{
    reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

// Moves every visible top-level window that reaches outside the terminal back into it, as far
// as its size allows, so that no dialog opens (or stays, after a resize) out of sight.
void KeepWindowsInView(HWND mainWindow, const Viewport& view)
{
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    const int width = view.columns * platform::Canvas::CellWidth;
    const int height = view.rows * platform::Canvas::CellHeight;
    for (HWND hwnd : windows)
    {
        if (hwnd == mainWindow || !IsWindowVisible(hwnd))
            continue;
        RECT r{};
        GetWindowRect(hwnd, &r);
        const int x = std::max(0, std::min<int>(r.left, width - (r.right - r.left)));
        const int y = std::max(0, std::min<int>(r.top, height - (r.bottom - r.top)));
        if (x != r.left || y != r.top)
            SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

chtype Attributes(std::uint16_t cell)
{
    chtype a = A_NORMAL;
    if ((cell & platform::CellCaption) && (cell & platform::CellActive))
        a |= has_colors() ? COLOR_PAIR(kActiveCaptionPair) | A_BOLD : A_REVERSE;
    else if (cell & platform::CellCaption)
        a |= A_BOLD;
    if (cell & platform::CellSelected)
        a |= A_REVERSE;
    if (cell & platform::CellDisabled)
        a |= A_DIM;
    if (cell & (platform::CellFocus | platform::CellUnderline))
        a |= A_UNDERLINE;
    if (cell & platform::CellBold)
        a |= A_BOLD;
    return a;
}

class Terminal
{
public:
    explicit Terminal(HostSession& session) : session(session)
    {
        initscr();
        raw();
        noecho();
        keypad(stdscr, TRUE);
        nodelay(stdscr, TRUE);
        set_escdelay(25);
        // Presses and releases come as they happen, so the platform decides what a double
        // click is, as it does for any mouse.
        mouseinterval(0);
        mousemask(BUTTON1_PRESSED | BUTTON1_RELEASED | BUTTON3_PRESSED | BUTTON3_RELEASED |
                      REPORT_MOUSE_POSITION,
                  nullptr);
        if (has_colors())
        {
            start_color();
            init_pair(kActiveCaptionPair, COLOR_WHITE, COLOR_BLUE);
        }
        view = TerminalViewport();
        session.Resize(view.columns, view.rows);
    }

    ~Terminal() { endwin(); }

    int Run()
    {
        while (!session.Ended())
        {
            pollfd input{0, POLLIN, 0};
            poll(&input, 1, kRefreshMs);
            bool sent = false;
            for (int key = getch(); key != ERR; key = getch())
            {
                if (!Handle(key, &sent))
                    return 0;
            }
            if (sent)
                PlatformWaitForIdle(session.UiThreadId(), 2000);
            if (session.Ended())
                break;
            KeepWindowsInView(session.MainWindow(), view);
            Draw();
        }
        return 0;
    }

private:
    // One key or event from the terminal; false when the program must end at once.
    bool Handle(int key, bool* sent)
    {

        if (key == KEY_RESIZE)
        {
            view = TerminalViewport();
            session.Resize(view.columns, view.rows);
            clear();
            last = platform::Canvas();
            return true;
        }
        if (key == KEY_MOUSE)
        {
            // One KEY_MOUSE may stand for several queued events (a press and its release
            // in one read): take them all.
            MEVENT event{};
            while (getmouse(&event) == OK)
                Send(MouseEvents(event), sent);
            return true;
        }
        if (key == kQuitKey)
        {
            if (quitAsked || session.Close())
                return !quitAsked;
            quitAsked = true;
            status = "A dialog is open: close it first, or press Ctrl+Q again to leave at once";
            return true;
        }
        quitAsked = false;
        status.clear();
        bool alt = false;
        if (key == 27)
        {
            // Terminals send Alt+key as Escape followed by the key.
            const int next = getch();
            if (next != ERR)
            {
                alt = true;
                key = next;
            }
        }
        Send(KeyInputs(key, alt), sent);
        return true;
    }

    static std::vector<INPUT> MouseEvents(const MEVENT& event)
    {
        MouseAction action = MouseAction::Move;
        if (event.bstate & BUTTON1_PRESSED)
            action = MouseAction::LeftDown;
        else if (event.bstate & BUTTON1_RELEASED)
            action = MouseAction::LeftUp;
        else if (event.bstate & BUTTON3_PRESSED)
            action = MouseAction::RightDown;
        else if (event.bstate & BUTTON3_RELEASED)
            action = MouseAction::RightUp;
        return MouseInputs(platform::ScreenPointOfCell(event.x, event.y), action);
    }

    void Send(std::vector<INPUT> inputs, bool* sent)
    {
        if (inputs.empty())
            return;
        SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
        *sent = true;
    }

    void Draw()
    {
        platform::Canvas screen = platform::RenderScreen();
        if (screen.Columns() == last.Columns() && screen.Rows() == last.Rows() &&
            status == lastStatus && SameCells(screen))
            return;
        int caretColumn = -1;
        int caretRow = -1;
        for (int row = 0; row < view.rows; ++row)
        {
            move(row, 0);
            for (int column = 0; column < view.columns; ++column)
            {
                const platform::Cell& cell = screen.At(column, row);
                if (cell.attributes & platform::CellCaret)
                {
                    caretColumn = column;
                    caretRow = row;
                }
                const unsigned char ch = static_cast<unsigned char>(cell.ch);
                addch((ch >= ' ' && ch < 127 ? ch : ' ') | Attributes(cell.attributes));
            }
        }
        if (!status.empty())
            mvaddnstr(view.rows - 1, 0,
                      std::string(status + std::string(view.columns, ' ')).c_str(), view.columns);
        if (caretRow >= 0)
        {
            curs_set(1);
            move(caretRow, caretColumn);
        }
        else
        {
            curs_set(0);
        }
        refresh();
        last = std::move(screen);
        lastStatus = status;
    }

    bool SameCells(const platform::Canvas& screen) const
    {
        for (int row = 0; row < view.rows; ++row)
            for (int column = 0; column < view.columns; ++column)
                if (!(screen.At(column, row) == last.At(column, row)))
                    return false;
        return true;
    }

    HostSession& session;
    Viewport view;
    platform::Canvas last;
    std::string status;
    std::string lastStatus;
    bool quitAsked = false;
};

} // namespace

int RunTerminal(HostSession& session)
{
    int status = 0;
    bool leaveAtOnce = false;
    {
        Terminal terminal(session);
        status = terminal.Run();
        leaveAtOnce = !session.Ended();
    }
    // A modal dialog still runs on the user-interface thread: the host cannot wind down in
    // order, so it leaves the way a killed process would, with the terminal restored.
    if (leaveAtOnce)
        std::_Exit(status);
    return status;
}

} // namespace tirel
