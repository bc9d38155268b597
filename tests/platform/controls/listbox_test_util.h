// List boxes and combo boxes on a user-interface thread, in a parent window that records what
// they tell it and answers WM_VKEYTOITEM as a test asks; the tests act through the simulated
// user.
#pragma once
#include "platform/automation.h"
#include "platform/automation_lists.h"
#include "platform/render.h"
#include "platform/ui_thread.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace list_test
{

struct Note
{
    int id;
    WORD code;
    bool operator==(const Note&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Note& n)
{
    return out << "{" << n.id << ", " << n.code << "}";
}

// What the parent saw. Touched only on the user-interface thread (tests read it through
// UiThread::Run).
struct Record
{
    std::vector<Note> notes;
    std::vector<std::pair<UINT, UINT>> keys; // WM_VKEYTOITEM: key and caret
    int keyAnswer = -1;
    std::vector<ULONG_PTR> deleted; // WM_DELETEITEM item data
    std::vector<UINT> drawn;        // WM_DRAWITEM item ids
    // The sender's window text when it said LBN_SELCHANGE / CBN_SELCHANGE (the same code).
    std::vector<std::string> textsAtSelChange;
};

inline Record& Recorded()
{
    static Record record;
    return record;
}

inline LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Record& r = Recorded();
    switch (msg)
    {
    case WM_COMMAND:
        if (lParam)
            r.notes.push_back(Note{LOWORD(wParam), HIWORD(wParam)});
        if (lParam && HIWORD(wParam) == CBN_SELCHANGE)
        {
            char text[64] = "";
            GetWindowTextA(reinterpret_cast<HWND>(lParam), text, sizeof text);
            r.textsAtSelChange.push_back(text);
        }
        return 0;
    case WM_VKEYTOITEM:
        r.keys.emplace_back(LOWORD(wParam), HIWORD(wParam));
        return r.keyAnswer;
    case WM_DELETEITEM:
        r.deleted.push_back(reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->itemData);
        return TRUE;
    case WM_COMPAREITEM: {
        const auto* c = reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam);
        return c->itemData1 < c->itemData2 ? -1 : (c->itemData1 > c->itemData2 ? 1 : 0);
    }
    case WM_DRAWITEM:
        r.drawn.push_back(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->itemID);
        return TRUE;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
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

class ListFixture : public ::testing::Test
{
protected:
    platform::UiThread ui;
    HWND parent = nullptr;

    void SetUp() override
    {
        ui.Run([this] {
            static const ATOM atom = [] {
                WNDCLASSA wc{};
                wc.lpfnWndProc = ParentProc;
                wc.lpszClassName = "ListTestParent";
                wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
                return RegisterClassA(&wc);
            }();
            (void)atom;
            Recorded() = Record{};
            parent = CreateWindowExA(0, "ListTestParent", "Parent", WS_POPUP | WS_VISIBLE, 60, 60,
                                     420, 360, nullptr, nullptr, nullptr, nullptr);
            SetForegroundWindow(parent);
            return LRESULT{0};
        });
    }

    void TearDown() override
    {
        ui.Run([this] {
            if (IsWindow(parent))
                DestroyWindow(parent);
            return LRESULT{0};
        });
    }

    // A child of the parent on the user-interface thread; a title of NULL for none.
    HWND Create(const char* cls, DWORD style, int x, int y, int width, int height, int id = 100,
                DWORD exStyle = 0)
    {
        return reinterpret_cast<HWND>(ui.Run([=, this] {
            return reinterpret_cast<LRESULT>(CreateWindowExA(
                exStyle, cls, nullptr, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr));
        }));
    }

    void Add(HWND hwnd, const std::vector<std::string>& items, UINT msg = LB_ADDSTRING)
    {
        for (const std::string& item : items)
            SendMessageA(hwnd, msg, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }

    void Focus(HWND hwnd)
    {
        ui.Run([hwnd] {
            SetFocus(hwnd);
            return LRESULT{0};
        });
    }

    std::vector<Note> TakeNotes()
    {
        std::vector<Note> out;
        ui.WaitIdle();
        ui.Run([&] {
            out.swap(Recorded().notes);
            return LRESULT{0};
        });
        return out;
    }

    std::vector<std::pair<UINT, UINT>> TakeKeys()
    {
        std::vector<std::pair<UINT, UINT>> out;
        ui.WaitIdle();
        ui.Run([&] {
            out.swap(Recorded().keys);
            return LRESULT{0};
        });
        return out;
    }

    std::vector<std::string> TakeTextsAtSelChange()
    {
        std::vector<std::string> out;
        ui.WaitIdle();
        ui.Run([&] {
            out.swap(Recorded().textsAtSelChange);
            return LRESULT{0};
        });
        return out;
    }

    void AnswerKeys(int answer)
    {
        ui.Run([answer] {
            Recorded().keyAnswer = answer;
            return LRESULT{0};
        });
    }

    std::vector<std::string> Rows(HWND hwnd) { return Lines(platform::Snapshot(hwnd)); }

    std::string ItemText(HWND hwnd, int index)
    {
        char buffer[256] = "";
        SendMessageA(hwnd, LB_GETTEXT, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(buffer));
        return buffer;
    }
};

} // namespace list_test
