// A parent that records the WM_NOTIFY messages of its common controls, as a window on the test
// thread or as a modal dialog on a user-interface thread that simulated input drives.
#pragma once
#include "modal_dialog.h"
#include "platform/automation.h"
#include "platform/render.h"
#include "platform/ui_thread.h"
#include "user/template_builder.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace notify_test
{

struct Notification
{
    UINT code = 0;
    // For tree view notifications: the action and the items of the NMTREEVIEW.
    UINT action = 0;
    HTREEITEM oldItem = nullptr;
    HTREEITEM newItem = nullptr;
    LPARAM oldParam = 0;
    // The item's state as the notification reported it.
    UINT newState = 0;
};

struct Record
{
    std::mutex mutex;
    std::vector<Notification> list;
    // A notification code the parent answers with TRUE (a veto), or 0.
    UINT veto = 0;
};

inline Record& Recorded()
{
    static Record record;
    return record;
}

inline bool IsTreeViewCode(UINT code)
{
    return code == TVN_SELCHANGINGA || code == TVN_SELCHANGEDA || code == TVN_ITEMEXPANDINGA ||
           code == TVN_ITEMEXPANDEDA || code == TVN_DELETEITEMA;
}

// Records one notification and returns what the parent answers.
inline LRESULT RecordNotify(LPARAM lParam)
{
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    Notification n;
    n.code = header->code;
    if (IsTreeViewCode(n.code))
    {
        const auto* tv = reinterpret_cast<const NMTREEVIEWA*>(lParam);
        n.action = tv->action;
        n.oldItem = tv->itemOld.hItem;
        n.newItem = tv->itemNew.hItem;
        n.oldParam = tv->itemOld.lParam;
        n.newState = tv->itemNew.state;
    }
    Record& r = Recorded();
    std::lock_guard g(r.mutex);
    r.list.push_back(n);
    return r.veto && r.veto == n.code;
}

inline LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY)
        return RecordNotify(lParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM, LPARAM lParam)
{
    if (msg == WM_INITDIALOG)
        return TRUE;
    if (msg == WM_NOTIFY)
    {
        SetWindowLongPtrA(dialog, DWLP_MSGRESULT, RecordNotify(lParam));
        return TRUE;
    }
    return FALSE;
}

inline std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// The fixture's common part: the record, cleared before each test.
class NotifyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        Clear();
        Veto(0);
    }

    static void Clear()
    {
        std::lock_guard g(Recorded().mutex);
        Recorded().list.clear();
    }

    static void Veto(UINT code)
    {
        std::lock_guard g(Recorded().mutex);
        Recorded().veto = code;
    }

    static std::vector<Notification> Notifications()
    {
        std::lock_guard g(Recorded().mutex);
        return Recorded().list;
    }

    static std::vector<UINT> Codes()
    {
        std::vector<UINT> codes;
        for (const Notification& n : Notifications())
            codes.push_back(n.code);
        return codes;
    }
};

// Controls on a plain parent window of the test thread: everything is synchronous.
class ParentWindowTest : public NotifyTest
{
protected:
    HWND parent = nullptr;

    void SetUp() override
    {
        NotifyTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "NotifyTestParent";
        RegisterClassA(&wc);
        parent = CreateWindowExA(0, "NotifyTestParent", "Parent", WS_OVERLAPPEDWINDOW, 0, 0, 400,
                                 300, nullptr, nullptr, wc.hInstance, nullptr);
        ASSERT_NE(parent, nullptr);
    }

    void TearDown() override
    {
        if (IsWindow(parent))
            DestroyWindow(parent);
    }

    HWND Create(const char* className, DWORD style, int width, int height, int id = 100)
    {
        return CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, width, height,
                               parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                               GetModuleHandleA(nullptr), nullptr);
    }
};

// Controls in a modal dialog on a user-interface thread, for simulated input.
class DialogNotifyTest : public NotifyTest
{
protected:
    static constexpr const char* Title = "Common controls under test";

    platform::UiThread ui;
    platform::TemplateBuilder dialogTemplate{
        WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 10, 10, 200, 120, Title};
    HWND dialog = nullptr;

    void TearDown() override { controls_test::EndModal(ui, dialog); }

    void Show() { dialog = controls_test::ShowModal(ui, dialogTemplate.Get(), DialogProc, Title); }

    HWND Item(int id) const { return GetDlgItem(dialog, id); }

    void Idle() { platform::automation::WaitIdle(dialog); }

    std::vector<std::string> Rows(HWND control) { return Lines(platform::Snapshot(control)); }
};

} // namespace notify_test
