// A modal dialog of buttons and statics on a user-interface thread, whose dialog procedure
// records what its controls tell it, for tests that act as the user through simulated input.
#pragma once
#include "modal_dialog.h"
#include "platform/automation.h"
#include "platform/render.h"
#include "platform/ui_thread.h"
#include "user/template_builder.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace dialog_test
{

struct Command
{
    int id;
    WORD code;
    bool operator==(const Command&) const = default;
};

struct DrawItem
{
    UINT id;
    UINT action;
    UINT state;
};

// What the dialog procedure saw. The dialog runs on the user-interface thread while the test
// reads from its own, hence the lock.
struct Record
{
    std::mutex mutex;
    std::vector<Command> commands;
    std::vector<DrawItem> drawItems;
};

inline Record& Recorded()
{
    static Record record;
    return record;
}

inline INT_PTR CALLBACK RecordingProc(HWND, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Record& r = Recorded();
    switch (msg)
    {
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND: {
        std::lock_guard g(r.mutex);
        r.commands.push_back(Command{LOWORD(wParam), HIWORD(wParam)});
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        std::lock_guard g(r.mutex);
        r.drawItems.push_back(DrawItem{item->CtlID, item->itemAction, item->itemState});
        return TRUE;
    }
    }
    return FALSE;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size())
    {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

class DialogTest : public ::testing::Test
{
protected:
    static constexpr const char* Title = "Controls under test";

    platform::UiThread ui;
    platform::TemplateBuilder dialogTemplate{
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 10, 10, 200, 120, Title};
    HWND dialog = nullptr;

    void SetUp() override
    {
        std::lock_guard g(Recorded().mutex);
        Recorded().commands.clear();
        Recorded().drawItems.clear();
    }

    void TearDown() override { controls_test::EndModal(ui, dialog); }

    // Runs the dialog modally, the way a host shows one, and waits until it is up and idle.
    void Show()
    {
        dialog = controls_test::ShowModal(ui, dialogTemplate.Get(), RecordingProc, Title);
    }

    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    std::vector<Command> Commands()
    {
        platform::automation::WaitIdle(dialog);
        std::lock_guard g(Recorded().mutex);
        return Recorded().commands;
    }

    std::vector<Command> CommandsFrom(int id)
    {
        std::vector<Command> from;
        for (const Command& c : Commands())
        {
            if (c.id == id)
                from.push_back(c);
        }
        return from;
    }

    std::vector<DrawItem> DrawItems()
    {
        platform::automation::WaitIdle(dialog);
        std::lock_guard g(Recorded().mutex);
        return Recorded().drawItems;
    }

    void ClearRecord()
    {
        platform::automation::WaitIdle(dialog);
        std::lock_guard g(Recorded().mutex);
        Recorded().commands.clear();
        Recorded().drawItems.clear();
    }

    // The control as the text renderer shows it, one string per row.
    std::vector<std::string> Rows(HWND control) { return Lines(platform::Snapshot(control)); }

    // The dialog's client area (without its frame) as text, one string per row, with the focus,
    // disabled and selection markers of the snapshot.
    std::vector<std::string> DialogRows()
    {
        std::vector<std::string> rows = Lines(platform::Snapshot(dialog));
        // The frame takes the first row (the caption bar) and the last, and a column each side.
        std::vector<std::string> client;
        for (size_t i = 1; i + 1 < rows.size(); ++i)
            client.push_back(rows[i].size() > 1 ? rows[i].substr(1) : "");
        return client;
    }

    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(hwnd, msg, wParam, lParam);
    }
};

// Keyboard and mouse events with explicit times, for presses that must or must not pair up
// into double clicks.
inline void Key(WORD vk, bool up)
{
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &in, sizeof in);
}

inline void MouseButton(bool up, DWORD time = 0)
{
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = up ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
    in.mi.time = time;
    SendInput(1, &in, sizeof in);
}

// Puts the cursor on a point in a window's client coordinates.
inline void MoveTo(HWND hwnd, POINT client)
{
    ClientToScreen(hwnd, &client);
    SetCursorPos(client.x, client.y);
}

} // namespace dialog_test
