// Dialog tests written as a user's story:
//
//     platform::UiThread ui;
//     Story s(ui);
//     s.Open([&] { return DialogBoxIndirectParamA(nullptr, t.Get(), ui.MainWindow(), Proc, 0); });
//     s.Window("Rename");
//     s.Type("abc");
//     s.Press(VK_TAB);
//     EXPECT_EQ(s.Text(1001), "abc");
//     s.Click("OK");
//     EXPECT_EQ(s.Result(), IDOK);
//
// Every step waits as the simulated user does (never longer than the default timeout) and
// reports a failure at the test's own line, carrying the simulated user's explanation.
#pragma once
#include "platform/automation.h"
#include "platform/render.h"
#include "platform/ui_thread.h"

#include <gtest/gtest.h>

#include <functional>
#include <source_location>
#include <string>

class Story
{
public:
    using Where = std::source_location;

    explicit Story(platform::UiThread& ui) : ui(ui) {}

    // A story that opened something must see it finish; one left running is closed with
    // IDCANCEL so that the next test starts clean.
    ~Story()
    {
        if (!running)
            return;
        ADD_FAILURE_AT(openedAt.file_name(), openedAt.line())
            << "what the story opened here was still running at its end";
        if (IsWindow(current))
            PostMessageA(current, WM_COMMAND, IDCANCEL, 0);
        ui.Finish(nullptr, platform::automation::DefaultTimeout());
    }

    Story(const Story&) = delete;
    Story& operator=(const Story&) = delete;

    // Starts fn on the user-interface thread without waiting for it: fn usually shows a modal
    // dialog, which the story then finds with Window.
    void Open(std::function<LRESULT()> fn, Where where = Where::current())
    {
        running = true;
        openedAt = where;
        ui.Begin(std::move(fn));
    }

    // Waits for a visible top-level window with this title and acts in it from now on.
    HWND Window(const char* title, Where where = Where::current())
    {
        return Found(platform::automation::WaitForWindow(nullptr, title), where);
    }
    HWND Window(const char* className, const char* title, Where where = Where::current())
    {
        return Found(platform::automation::WaitForWindow(className, title), where);
    }
    // Acts in hwnd from now on.
    void Use(HWND hwnd) { current = hwnd; }
    HWND Current() const { return current; }

    HWND Control(int id, Where where = Where::current())
    {
        return Check(platform::automation::FindControl(current, id), where);
    }
    HWND Control(const char* caption, Where where = Where::current())
    {
        return Check(platform::automation::FindControlByText(current, caption), where);
    }

    bool Click(int id, unsigned modifiers = 0, Where where = Where::current())
    {
        HWND h = Control(id, where);
        return h && Check(platform::automation::Click(h, modifiers), where);
    }
    bool Click(const char* caption, unsigned modifiers = 0, Where where = Where::current())
    {
        HWND h = Control(caption, where);
        return h && Check(platform::automation::Click(h, modifiers), where);
    }
    bool DoubleClick(int id, Where where = Where::current())
    {
        HWND h = Control(id, where);
        return h && Check(platform::automation::DoubleClick(h), where);
    }
    bool RightClick(int id, Where where = Where::current())
    {
        HWND h = Control(id, where);
        return h && Check(platform::automation::RightClick(h), where);
    }
    bool Type(const char* text, Where where = Where::current())
    {
        return Check(platform::automation::Type(text), where);
    }
    bool Press(WORD vk, unsigned modifiers = 0, Where where = Where::current())
    {
        return Check(platform::automation::Press(vk, modifiers), where);
    }

    std::string Text(int id, Where where = Where::current())
    {
        HWND h = Control(id, where);
        return h ? platform::automation::Text(h) : std::string();
    }
    // The title of the current window.
    std::string Title() const { return platform::automation::Text(current); }
    bool IsChecked(int id, Where where = Where::current())
    {
        HWND h = Control(id, where);
        return h && platform::automation::IsChecked(h);
    }
    bool IsEnabled(int id, Where where = Where::current())
    {
        HWND h = Control(id, where);
        return h && platform::automation::IsEnabled(h);
    }
    bool IsVisible(int id, Where where = Where::current())
    {
        HWND h = Control(id, where);
        return h && platform::automation::IsVisible(h);
    }
    // The control that has the focus on the current window's thread.
    HWND Focus() const
    {
        return platform::automation::FocusOf(GetWindowThreadProcessId(current, nullptr));
    }
    // The current window as the text renderer draws it.
    std::string Snapshot() const { return platform::Snapshot(current); }

    bool WaitUntil(const std::function<bool()>& condition, const char* description,
                   Where where = Where::current())
    {
        return Check(platform::automation::WaitUntil(condition, description), where);
    }
    // Waits until the current window has closed.
    bool Closed(Where where = Where::current())
    {
        return Check(platform::automation::WaitForClose(current), where);
    }

    // Waits for what Open started to return, and returns its result (-1 when it did not).
    LRESULT Result(Where where = Where::current())
    {
        LRESULT result = -1;
        if (!running)
        {
            ADD_FAILURE_AT(where.file_name(), where.line()) << "Result() without Open()";
            return result;
        }
        if (!ui.Finish(&result, platform::automation::DefaultTimeout()))
        {
            ADD_FAILURE_AT(where.file_name(), where.line())
                << "what the story opened did not return within "
                << platform::automation::DefaultTimeout() << " ms; the current window is "
                << platform::automation::Describe(current);
            return -1;
        }
        running = false;
        return result;
    }

private:
    HWND Found(HWND hwnd, const Where& where)
    {
        if (Check(hwnd, where))
            current = hwnd;
        return hwnd;
    }
    template <typename T> T Check(T value, const Where& where)
    {
        if (!value)
            ADD_FAILURE_AT(where.file_name(), where.line()) << platform::automation::LastFailure();
        return value;
    }

    platform::UiThread& ui;
    HWND current = nullptr;
    bool running = false;
    Where openedAt = Where::current();
};
