// Small stand-in controls for the MFC window and dialog tests, and helpers to drive a dialog
// on a user-interface thread.
//
// The controls keep their state in plain fields and answer only what MFC's wrappers and data
// exchange send: the tests then check MFC's side, whatever the real controls do.
#pragma once
#include <afxwin.h>

#include "platform/ui_thread.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace mfctest
{

struct ControlState
{
    int check = 0;
    int selection = -1;
    WPARAM limit = 0;
    LPARAM selStart = -2;
    LPARAM selEnd = -2;
    int changes = 0; // EN_CHANGE notifications sent
    std::vector<std::string> items;
};

inline ControlState& StateOf(HWND hwnd)
{
    return *reinterpret_cast<ControlState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

inline void Notify(HWND hwnd, int code)
{
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(hwnd), code),
                 reinterpret_cast<LPARAM>(hwnd));
}

// Shared life cycle: the state lives from WM_NCCREATE to WM_NCDESTROY.
inline bool Lifecycle(HWND hwnd, UINT msg)
{
    if (msg == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(new ControlState));
    if (msg == WM_NCDESTROY)
    {
        delete &StateOf(hwnd);
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    }
    return msg == WM_NCCREATE || msg == WM_NCDESTROY;
}

inline LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Lifecycle(hwnd, msg))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    switch (msg)
    {
    case WM_SETTEXT: {
        LRESULT result = DefWindowProcA(hwnd, msg, wParam, lParam);
        ++StateOf(hwnd).changes;
        Notify(hwnd, EN_CHANGE);
        return result;
    }
    case EM_LIMITTEXT:
        StateOf(hwnd).limit = wParam;
        return 0;
    case EM_SETSEL:
        StateOf(hwnd).selStart = static_cast<LPARAM>(wParam);
        StateOf(hwnd).selEnd = lParam;
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline LRESULT CALLBACK ButtonProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Lifecycle(hwnd, msg))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    const DWORD type = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & BS_TYPEMASK;
    switch (msg)
    {
    case BM_GETCHECK:
        return StateOf(hwnd).check;
    case BM_SETCHECK:
        StateOf(hwnd).check = static_cast<int>(wParam);
        return 0;
    case BM_CLICK:
        Notify(hwnd, BN_CLICKED);
        return 0;
    case BM_SETSTYLE: {
        DWORD style = static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE));
        SetWindowLongA(hwnd, GWL_STYLE, static_cast<LONG>((style & ~0xFFFFu) | LOWORD(wParam)));
        return 0;
    }
    case WM_GETDLGCODE:
        if (type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON)
            return DLGC_BUTTON | DLGC_RADIOBUTTON;
        if (type == BS_DEFPUSHBUTTON)
            return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (type == BS_PUSHBUTTON)
            return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        return DLGC_BUTTON;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline bool StartsWithNoCase(const std::string& item, const char* text, bool exact)
{
    const size_t length = std::strlen(text);
    if (exact ? item.size() != length : item.size() < length)
        return false;
    return lstrcmpiA(item.substr(0, length).c_str(), text) == 0;
}

inline LRESULT Find(ControlState& state, const char* text, bool exact)
{
    for (size_t i = 0; i < state.items.size(); ++i)
        if (StartsWithNoCase(state.items[i], text, exact))
            return static_cast<LRESULT>(i);
    return -1;
}

// The list part of combo and list boxes; "base" is CB_ or LB_ message numbering.
struct ListMessages
{
    UINT add, getCount, getCurSel, setCurSel, getText, getTextLen, selectString, findExact;
};
constexpr ListMessages kComboMessages{CB_ADDSTRING,    CB_GETCOUNT,       CB_GETCURSEL,
                                      CB_SETCURSEL,    CB_GETLBTEXT,      CB_GETLBTEXTLEN,
                                      CB_SELECTSTRING, CB_FINDSTRINGEXACT};
constexpr ListMessages kListMessages{LB_ADDSTRING,    LB_GETCOUNT,       LB_GETCURSEL,
                                     LB_SETCURSEL,    LB_GETTEXT,        LB_GETTEXTLEN,
                                     LB_SELECTSTRING, LB_FINDSTRINGEXACT};

inline bool ListMessage(HWND hwnd, const ListMessages& m, UINT msg, WPARAM wParam, LPARAM lParam,
                        LRESULT& result, bool isCombo)
{
    ControlState& state = StateOf(hwnd);
    auto select = [&](LRESULT index) {
        state.selection = static_cast<int>(index);
        // A combo box shows the selected item in its own text.
        if (isCombo)
            DefWindowProcA(hwnd, WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>(
                               index >= 0 ? state.items[static_cast<size_t>(index)].c_str() : ""));
    };
    const auto* text = reinterpret_cast<const char*>(lParam);
    if (msg == m.add)
    {
        state.items.emplace_back(text);
        result = static_cast<LRESULT>(state.items.size() - 1);
    }
    else if (msg == m.getCount)
        result = static_cast<LRESULT>(state.items.size());
    else if (msg == m.getCurSel)
        result = state.selection;
    else if (msg == m.setCurSel)
    {
        auto index = static_cast<LRESULT>(static_cast<int>(wParam));
        if (index >= static_cast<LRESULT>(state.items.size()))
            index = -1;
        select(index);
        result = index;
    }
    else if (msg == m.getTextLen || msg == m.getText)
    {
        if (wParam >= state.items.size())
            result = -1;
        else
        {
            const std::string& item = state.items[wParam];
            if (msg == m.getText)
                std::memcpy(reinterpret_cast<char*>(lParam), item.c_str(), item.size() + 1);
            result = static_cast<LRESULT>(item.size());
        }
    }
    else if (msg == m.selectString)
    {
        result = Find(state, text, false);
        if (result >= 0)
            select(result);
    }
    else if (msg == m.findExact)
        result = Find(state, text, true);
    else
        return false;
    return true;
}

inline LRESULT CALLBACK ComboProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Lifecycle(hwnd, msg))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    if (ListMessage(hwnd, kComboMessages, msg, wParam, lParam, result, true))
        return result;
    // A drop-down list's text is not the user's to set.
    if (msg == WM_SETTEXT &&
        (static_cast<DWORD>(GetWindowLongA(hwnd, GWL_STYLE)) & 3) == CBS_DROPDOWNLIST)
        return CB_ERR;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline LRESULT CALLBACK ListProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (Lifecycle(hwnd, msg))
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    LRESULT result = 0;
    if (ListMessage(hwnd, kListMessages, msg, wParam, lParam, result, false))
        return result;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

inline void RegisterControl(const char* name, WNDPROC proc)
{
    WNDCLASSA existing;
    if (GetClassInfoA(nullptr, name, &existing))
        return;
    WNDCLASSA wc{};
    wc.style = CS_GLOBALCLASS;
    wc.lpfnWndProc = proc;
    wc.lpszClassName = name;
    RegisterClassA(&wc);
}

// Registers the stand-ins once. Message boxes need "Button" and "Static": when the platform
// has no such controls yet, the stand-ins serve.
inline void RegisterControls()
{
    RegisterControl("MfcTestEdit", EditProc);
    RegisterControl("MfcTestButton", ButtonProc);
    RegisterControl("MfcTestCombo", ComboProc);
    RegisterControl("MfcTestList", ListProc);
    RegisterControl("Button", ButtonProc);
    RegisterControl("Static", DefWindowProcA);
}

// The visible top-level dialogs of a thread other than `except`, newest first.
inline HWND FindThreadDialog(DWORD thread, HWND except = nullptr)
{
    struct Search
    {
        HWND except;
        HWND found;
    } search{except, nullptr};
    EnumThreadWindows(
        thread,
        [](HWND hwnd, LPARAM lParam) -> BOOL {
            auto* s = reinterpret_cast<Search*>(lParam);
            char name[16] = "";
            GetClassNameA(hwnd, name, sizeof name);
            if (hwnd != s->except && IsWindowVisible(hwnd) && std::strcmp(name, "#32770") == 0)
            {
                s->found = hwnd;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Waits (on the thread's idleness, never on time) until the thread shows such a dialog.
inline HWND WaitForDialog(const platform::UiThread& ui, HWND except = nullptr)
{
    for (int attempt = 0; attempt < 1000; ++attempt)
    {
        EXPECT_TRUE(ui.WaitIdle());
        if (HWND found = FindThreadDialog(ui.Id(), except))
            return found;
    }
    return nullptr;
}

inline std::string TextOf(HWND hwnd)
{
    char text[512] = "";
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

// The texts of a window's children, in z-order.
inline std::vector<std::string> ChildTexts(HWND parent)
{
    std::vector<std::string> texts;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        texts.push_back(TextOf(child));
    return texts;
}

} // namespace mfctest
