// What the prompts' stories share: the close box, the help viewer, where a control sits, and a
// window that answers the message boxes' owner question.
#pragma once

#include "support/story.h"
#include "support/test_host.h"

#include <htmlhelp.h>
#include <platform/automation.h>
#include <vxhost.h>

#include <gtest/gtest.h>

#include <atomic>
#include <string>

namespace prompts_test
{

// Runs check with a host that never initialised the module, then with one whose application
// has no main window: the two hosts for which every prompt export shows nothing.
template <class Check> void WithUnreadyHosts(Check check)
{
    for (const TestHost::Options& options :
         {TestHost::Options{.initialise = false}, TestHost::Options{.mainWindow = false}})
    {
        TestHost host(options);
        check(host);
    }
}

// Clicks the close box, which sits at the right end of the caption bar inside the dialog frame.
inline bool ClickCloseBox(HWND box)
{
    RECT window{};
    ::GetWindowRect(box, &window);
    POINT origin{0, 0};
    ::ClientToScreen(box, &origin);
    const int frame = ::GetSystemMetrics(SM_CXDLGFRAME);
    const POINT client{window.right - frame - 5 - origin.x, window.top + frame + 8 - origin.y};
    return platform::automation::Click(box, client);
}

// A control's rectangle in its dialog's client coordinates.
inline RECT PlaceOf(HWND dialog, int id)
{
    RECT r{};
    HWND control = ::GetDlgItem(dialog, id);
    ::GetWindowRect(control, &r);
    ::MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline int HeightOf(HWND hwnd)
{
    RECT r{};
    ::GetWindowRect(hwnd, &r);
    return r.bottom - r.top;
}

// The help viewer's title (the file and topic it shows), once it is open.
inline std::string HelpViewerText()
{
    HWND viewer = platform::automation::WaitForWindow("HH Parent", nullptr);
    return viewer != nullptr ? platform::automation::Text(viewer) : std::string();
}

inline bool HelpViewerOpen()
{
    return ::FindWindowA("HH Parent", nullptr) != nullptr;
}

// Closes the help viewer from the host's thread, as the host does when it ends.
inline void CloseHelpViewer(TestHost& host)
{
    host.Ui().Run([] {
        ::HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
        return LRESULT{0};
    });
}

// Makes a window of the host's thread answer the owner question (message 1234) with a fixed
// reply, and counts the questions. Created on the host's thread and destroyed there again.
class OwnerQuestion
{
public:
    static constexpr UINT kMessage = WM_USER + 210;

    // Answers for an existing window of the host's thread (the main window).
    OwnerQuestion(TestHost& host, HWND window, LRESULT reply)
        : host(host), window(window), reply(reply)
    {
        Install();
    }
    // Creates a visible pop-up window titled "Form", owned by owner (NULL for none), that
    // answers.
    OwnerQuestion(TestHost& host, HWND owner, LRESULT reply, const char* title)
        : host(host), reply(reply)
    {
        host.Ui().Run([&] {
            window = ::CreateWindowExA(0, "Static", title, WS_POPUP | WS_CAPTION | WS_VISIBLE, 600,
                                       500, 200, 100, owner, nullptr, nullptr, nullptr);
            created = true;
            return LRESULT{0};
        });
        Install();
    }
    ~OwnerQuestion()
    {
        host.Ui().Run([this] {
            ::SetWindowLongPtrA(window, GWLP_USERDATA, 0);
            ::SetWindowLongPtrA(window, GWLP_WNDPROC, previous);
            if (created)
                ::DestroyWindow(window);
            return LRESULT{0};
        });
    }
    OwnerQuestion(const OwnerQuestion&) = delete;
    OwnerQuestion& operator=(const OwnerQuestion&) = delete;

    HWND Window() const { return window; }
    int Questions() const { return questions.load(); }
    // Puts this window in the foreground, as the user's last click would.
    void BringToFront() const { ::SetForegroundWindow(window); }

private:
    void Install()
    {
        host.Ui().Run([this] {
            ::SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
            previous = ::SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
            return LRESULT{0};
        });
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<OwnerQuestion*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (self == nullptr)
            return ::DefWindowProcA(hwnd, msg, wParam, lParam);
        if (msg == kMessage)
        {
            ++self->questions;
            return self->reply;
        }
        return ::CallWindowProcA(reinterpret_cast<WNDPROC>(self->previous), hwnd, msg, wParam,
                                 lParam);
    }

    TestHost& host;
    HWND window = nullptr;
    LRESULT reply;
    bool created = false;
    LONG_PTR previous = 0;
    std::atomic<int> questions{0};
};

} // namespace prompts_test
