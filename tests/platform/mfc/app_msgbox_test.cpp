// AfxMessageBox: prompt, caption, owner and help id.
//
// Most cases watch the box being created through a CBT hook and veto the creation, so they check
// what AfxMessageBox asks of the window manager without depending on the box's controls; one
// case shows a real box and answers it.
#include <afxwin.h>
#include <platform/apphost.h>

#include "platform/mfc/extension_modules.h"

#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <string>
#include <thread>

namespace
{

std::string ProgramPath()
{
    char path[MAX_PATH] = "";
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    return path;
}

std::string ProgramBaseName()
{
    std::string name = ProgramPath();
    name.erase(0, name.find_last_of("/\\") + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

// What the window manager was asked to create for the box.
struct BoxRequest
{
    bool seen = false;
    std::string caption;
    HWND owner = nullptr;
    // Whether the window to watch was enabled while the box was being made.
    HWND watched = nullptr;
    bool watchedWasEnabled = false;
};

thread_local BoxRequest* t_request = nullptr;

LRESULT CALLBACK VetoBoxCreation(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_request != nullptr && !t_request->seen)
    {
        const CREATESTRUCTA* cs = reinterpret_cast<CBT_CREATEWNDA*>(lParam)->lpcs;
        t_request->seen = true;
        t_request->caption = cs->lpszName != nullptr ? cs->lpszName : "";
        t_request->owner = cs->hwndParent;
        t_request->watchedWasEnabled = ::IsWindowEnabled(t_request->watched) != FALSE;
        return 1; // the box is not created; MessageBoxA fails
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Calls AfxMessageBox(text) on the calling thread with box creation watched and vetoed.
BoxRequest RequestBox(const char* text, HWND watched = nullptr)
{
    BoxRequest request;
    request.watched = watched;
    t_request = &request;
    HHOOK hook = ::SetWindowsHookExA(WH_CBT, VetoBoxCreation, nullptr, ::GetCurrentThreadId());
    AfxMessageBox(text);
    ::UnhookWindowsHookEx(hook);
    t_request = nullptr;
    return request;
}

class CaptionApp : public CWinApp
{
public:
    explicit CaptionApp(LPCTSTR name = nullptr) : CWinApp(name) {}
};

TEST(AfxMessageBoxTest, CaptionIsTheApplicationsNameOwnerTheMainWindow)
{
    CaptionApp app("Message Test");
    platform::AppHost host(app);
    BoxRequest request = host.Call([] { return RequestBox("Something happened."); });
    ASSERT_TRUE(request.seen);
    EXPECT_EQ(request.caption, "Message Test");
    EXPECT_EQ(request.owner, host.MainWindow());
    EXPECT_TRUE(host.Call([&host] { return ::IsWindowEnabled(host.MainWindow()); }));
}

TEST(AfxMessageBoxTest, OwnerIsTheMainWindowsLastActivePopup)
{
    CaptionApp app("Popup Test");
    platform::AppHost host(app);
    HWND main = host.MainWindow();
    HWND popup = nullptr;
    BoxRequest request = host.Call([main, &popup] {
        popup = ::CreateWindowExA(0, "#32770", "Popup", WS_POPUP | WS_CAPTION | WS_VISIBLE, 10, 10,
                                  200, 100, main, nullptr, nullptr, nullptr);
        ::SetActiveWindow(popup);
        BoxRequest seen = RequestBox("From the popup's time.", main);
        ::DestroyWindow(popup);
        return seen;
    });
    ASSERT_TRUE(request.seen);
    EXPECT_EQ(request.owner, popup);
    // The main window is disabled while the box is up, and enabled again afterwards.
    EXPECT_FALSE(request.watchedWasEnabled);
    EXPECT_TRUE(host.Call([main] { return ::IsWindowEnabled(main); }));
}

TEST(AfxMessageBoxTest, UnnamedApplicationUsesTheProgramName)
{
    CaptionApp app;
    platform::AppHost host(app);
    BoxRequest request = host.Call([] { return RequestBox("Unnamed"); });
    EXPECT_EQ(request.caption, ProgramBaseName());
}

TEST(AfxMessageBoxTest, WithoutApplicationTheCaptionIsTheProgramPath)
{
    // A module state of its own has no application object.
    AFX_MODULE_STATE state(TRUE);
    BoxRequest request;
    std::thread([&] {
        AFX_MANAGE_STATE(&state);
        request = RequestBox("No application");
    }).join();
    ASSERT_TRUE(request.seen);
    EXPECT_EQ(request.caption, ProgramPath());
    EXPECT_EQ(request.owner, nullptr);
}

// Records what AfxMessageBox hands to the application instead of showing a box.
class RecordingApp : public CWinApp
{
public:
    int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt) override
    {
        prompt = lpszPrompt;
        type = nType;
        helpId = nIDPrompt;
        return IDRETRY;
    }
    std::string prompt;
    UINT type = 0;
    UINT helpId = 0;
};

TEST(AfxMessageBoxTest, PromptIdIsLookedUpThroughTheChain)
{
    const mfctest::ExtensionModule& two = mfctest::ExtensionTwo();
    ASSERT_TRUE(two.Loaded());
    AFX_MODULE_STATE state(TRUE);
    AFX_MANAGE_STATE(&state);
    RecordingApp app;
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    two.Chain();

    EXPECT_EQ(AfxMessageBox(IDS_EXT_TWO_ONLY, MB_YESNO), IDRETRY);
    EXPECT_EQ(app.prompt, "Only two has this");
    EXPECT_EQ(app.type, static_cast<UINT>(MB_YESNO));
    // The help id defaults to the prompt's id; a text prompt has none unless given.
    EXPECT_EQ(app.helpId, static_cast<UINT>(IDS_EXT_TWO_ONLY));
    AfxMessageBox(IDS_EXT_TWO_ONLY, MB_OK, 77);
    EXPECT_EQ(app.helpId, 77u);
    AfxMessageBox("Plain");
    EXPECT_EQ(app.prompt, "Plain");
    EXPECT_EQ(app.helpId, 0u);
    two.Unchain();
}

TEST(AfxMessageBoxTest, ShownBoxIsAnsweredThroughItsButtons)
{
    WNDCLASSA wc;
    if (!::GetClassInfoA(nullptr, "Button", &wc) || !::GetClassInfoA(nullptr, "Static", &wc))
        GTEST_SKIP() << "message boxes need the Button and Static controls";

    CaptionApp app("Shown Box");
    platform::AppHost host(app);
    auto answer = host.Post([] { return AfxMessageBox("Continue?", MB_OKCANCEL); });
    // The box is complete once its text is there: it is found by caption as soon as it exists.
    HWND box = nullptr;
    HWND text = nullptr;
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::chrono::steady_clock::now() < deadline)
    {
        box = ::FindWindowA("#32770", "Shown Box");
        text = box != nullptr ? ::FindWindowExA(box, nullptr, "Static", "Continue?") : nullptr;
        if (text != nullptr)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(::GetWindow(box, GW_OWNER), host.MainWindow());
    ::PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    ASSERT_EQ(answer.wait_for(std::chrono::seconds(60)), std::future_status::ready);
    EXPECT_EQ(answer.get(), IDCANCEL);
}

} // namespace
