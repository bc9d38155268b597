// The edit control as code drives it: text, selection, limits, lines, undo, the clipboard
// messages and the notifications that follow each.

#include "edit_test_util.h"

#include <cstring>

using edit_test::EditFixture;

namespace
{

using Codes = std::vector<WORD>;

class EditMessages : public EditFixture
{
};

} // namespace

TEST_F(EditMessages, TextLivesInTheControlAndSetTextNotifiesOnlySingleLine)
{
    Create(ES_AUTOHSCROLL, "initial");
    EXPECT_EQ(Text(), "initial");
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXTLENGTH, 0, 0), 7);
    char small[4];
    EXPECT_EQ(SendMessageA(edit, WM_GETTEXT, sizeof small, reinterpret_cast<LPARAM>(small)), 3);
    EXPECT_STREQ(small, "ini");

    SendMessageA(edit, EM_SETMODIFY, TRUE, 0);
    EXPECT_TRUE(SetWindowTextA(edit, "next"));
    EXPECT_EQ(TakeCodes(), (Codes{EN_UPDATE, EN_CHANGE}));
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
    EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0));

    // A multi-line edit is silent about text set by WM_SETTEXT.
    HWND multi = reinterpret_cast<HWND>(ui.Run([this] {
        return reinterpret_cast<LRESULT>(
            CreateWindowExA(0, "Edit", "", WS_CHILD | ES_MULTILINE, 0, 40, 100, 40, parent,
                            reinterpret_cast<HMENU>(edit_test::EditId), nullptr, nullptr));
    }));
    TakeCodes();
    SetWindowTextA(multi, "a\r\nb");
    EXPECT_TRUE(TakeCodes().empty());
    EXPECT_EQ(SendMessageA(multi, EM_GETLINECOUNT, 0, 0), 2);
}

TEST_F(EditMessages, SetSelectionRules)
{
    Create(ES_AUTOHSCROLL, "abcdef");
    Select(1, 3);
    EXPECT_EQ(SendMessageA(edit, EM_GETSEL, 0, 0), MAKELRESULT(1, 3));
    // Reversed ends select the same text with the caret at the start.
    Select(4, 2);
    EXPECT_EQ(Selection(), std::make_pair(2, 4));
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("X"));
    EXPECT_EQ(Text(), "abXef");
    Select(0, -1);
    EXPECT_EQ(Selection(), std::make_pair(0, 5));
    Select(2, 99);
    EXPECT_EQ(Selection(), std::make_pair(2, 5));
    // A start of -1 drops the selection and keeps the caret where it was.
    Select(4, 1);
    Select(-1, 0);
    EXPECT_EQ(Selection(), std::make_pair(1, 1));
    // Selecting notifies nothing; only the replacement did.
    EXPECT_EQ(TakeCodes(), (Codes{EN_UPDATE, EN_CHANGE}));
}

TEST_F(EditMessages, LimitTruncatesReplacementsAndReportsMaxText)
{
    Create(ES_AUTOHSCROLL);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 30000);
    SendMessageA(edit, EM_LIMITTEXT, 5, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 5);
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("this is long"));
    EXPECT_EQ(Text(), "this ");
    EXPECT_EQ(TakeCodes(), (Codes{EN_MAXTEXT, EN_UPDATE, EN_CHANGE}));
    // The limit is for what goes in, not for WM_SETTEXT.
    SetWindowTextA(edit, "longer than five");
    EXPECT_EQ(Text(), "longer than five");

    SendMessageA(edit, EM_SETLIMITTEXT, 0, 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    HWND multi = reinterpret_cast<HWND>(ui.Run([this] {
        return reinterpret_cast<LRESULT>(CreateWindowExA(0, "Edit", "", WS_CHILD | ES_MULTILINE, 0,
                                                         40, 100, 40, parent, nullptr, nullptr,
                                                         nullptr));
    }));
    SendMessageA(multi, EM_SETLIMITTEXT, 0, 0);
    EXPECT_EQ(static_cast<DWORD>(SendMessageA(multi, EM_GETLIMITTEXT, 0, 0)), 0xFFFFFFFFu);
}

TEST_F(EditMessages, GetLineCopiesWithoutTerminatorUpToTheBufferSize)
{
    Create(ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, "first\r\nsecond line\r\n", 100, 60);
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    const WORD size = sizeof buffer;
    std::memcpy(buffer, &size, sizeof size);
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 11);
    EXPECT_EQ(std::string(buffer, 12), "second line#");

    std::memset(buffer, '#', sizeof buffer);
    const WORD three = 3;
    std::memcpy(buffer, &three, sizeof three);
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 0, reinterpret_cast<LPARAM>(buffer)), 3);
    EXPECT_EQ(std::string(buffer, 4), "fir#");
    std::memcpy(buffer, &size, sizeof size);
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 2, reinterpret_cast<LPARAM>(buffer)),
              0); // empty last line
    EXPECT_EQ(SendMessageA(edit, EM_GETLINE, 3, reinterpret_cast<LPARAM>(buffer)),
              0); // no such line

    // A single-line edit has one line whatever index is asked for.
    HWND single = reinterpret_cast<HWND>(ui.Run([this] {
        return reinterpret_cast<LRESULT>(CreateWindowExA(0, "Edit", "text",
                                                         WS_CHILD | ES_AUTOHSCROLL, 0, 80, 100, 20,
                                                         parent, nullptr, nullptr, nullptr));
    }));
    std::memcpy(buffer, &size, sizeof size);
    EXPECT_EQ(SendMessageA(single, EM_GETLINE, 1, reinterpret_cast<LPARAM>(buffer)), 4);
    EXPECT_EQ(std::string(buffer, 4), "text");
}

TEST_F(EditMessages, MultiLineLineFunctions)
{
    Create(ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, "ab\r\ncdef\r\n\r\ng", 100, 60);
    EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 4);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 1, 0), 4);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 3, 0), 12);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, 4, 0), -1);
    EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, 5, 0), 4);
    EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, 10, 0), 0);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, 5, 0), 1);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, 99, 0), 3);

    // -1 means the caret's line, or for EM_LINELENGTH the unselected characters of the lines
    // that the selection touches.
    Select(1, 6);
    EXPECT_EQ(SendMessageA(edit, EM_LINEINDEX, static_cast<WPARAM>(-1), 0), 4);
    EXPECT_EQ(SendMessageA(edit, EM_LINEFROMCHAR, static_cast<WPARAM>(-1), 0), 0);
    EXPECT_EQ(SendMessageA(edit, EM_LINELENGTH, static_cast<WPARAM>(-1), 0), 1 + 2);

    // Without ES_AUTOHSCROLL the lines wrap at the client width: sixteen columns less the
    // border's two. A word that ends exactly at the width stays on its line.
    HWND wrapping = reinterpret_cast<HWND>(ui.Run([this] {
        return reinterpret_cast<LRESULT>(CreateWindowExA(
            0, "Edit", "alpha beta gam delta epsilon", WS_CHILD | WS_BORDER | ES_MULTILINE, 0, 80,
            100, 60, parent, nullptr, nullptr, nullptr));
    }));
    EXPECT_EQ(SendMessageA(wrapping, EM_GETLINECOUNT, 0, 0), 2);
    EXPECT_EQ(SendMessageA(wrapping, EM_LINEINDEX, 1, 0), 15);

    // A single-line edit answers as one line.
    HWND single = reinterpret_cast<HWND>(ui.Run([this] {
        return reinterpret_cast<LRESULT>(CreateWindowExA(0, "Edit", "a\r\nb",
                                                         WS_CHILD | ES_AUTOHSCROLL, 0, 80, 100, 20,
                                                         parent, nullptr, nullptr, nullptr));
    }));
    EXPECT_EQ(SendMessageA(single, EM_GETLINECOUNT, 0, 0), 1);
    EXPECT_EQ(SendMessageA(single, EM_LINELENGTH, 3, 0), 4);
    EXPECT_EQ(SendMessageA(single, EM_LINEINDEX, 1, 0), -1);
}

TEST_F(EditMessages, ReplaceSelUndoFlagAndModify)
{
    Create(ES_AUTOHSCROLL, "base");
    EXPECT_FALSE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    Select(4, 4);
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("ball"));
    EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    EXPECT_TRUE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    EXPECT_TRUE(SendMessageA(edit, EM_UNDO, 0, 0));
    EXPECT_EQ(Text(), "base");
    EXPECT_TRUE(SendMessageA(edit, WM_UNDO, 0, 0));
    EXPECT_EQ(Text(), "baseball");
    EXPECT_EQ(TakeCodes(),
              (Codes{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));

    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("!"));
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("?"));
    SendMessageA(edit, EM_EMPTYUNDOBUFFER, 0, 0);
    EXPECT_FALSE(SendMessageA(edit, EM_CANUNDO, 0, 0));
}

TEST_F(EditMessages, ClipboardMessages)
{
    Create(ES_AUTOHSCROLL, "cut me");
    Select(0, 4);
    SendMessageA(edit, WM_CUT, 0, 0);
    EXPECT_EQ(Text(), "me");
    Select(2, 2);
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "mecut ");
    Select(0, 2);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    EXPECT_EQ(Text(), "cut ");
    Select(0, 3);
    SendMessageA(edit, WM_COPY, 0, 0);
    SendMessageA(edit, WM_UNDO, 0, 0);
    EXPECT_EQ(Text(), "mecut ");

    // Pasting lines into a single-line edit keeps the first line.
    ASSERT_TRUE(OpenClipboard(nullptr));
    EmptyClipboard();
    HGLOBAL mem = GlobalAlloc(GMEM_MOVEABLE, 16);
    std::strcpy(static_cast<char*>(GlobalLock(mem)), "one\r\ntwo");
    GlobalUnlock(mem);
    SetClipboardData(CF_TEXT, mem);
    CloseClipboard();
    SetWindowTextA(edit, "");
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "one");

    // A password is never copied or cut.
    SetWindowTextA(edit, "secret");
    SendMessageA(edit, EM_SETPASSWORDCHAR, '#', 0);
    EXPECT_EQ(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), '#');
    EXPECT_TRUE(GetWindowLongA(edit, GWL_STYLE) & ES_PASSWORD);
    Select(0, -1);
    SendMessageA(edit, WM_CUT, 0, 0);
    EXPECT_EQ(Text(), "secret");
    Select(0, -1);
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "one");
}

TEST_F(EditMessages, ReadOnlyRefusesUserChangesButNotCode)
{
    Create(ES_AUTOHSCROLL | ES_READONLY, "fixed");
    EXPECT_TRUE(SendMessageA(edit, EM_SETREADONLY, TRUE, 0));
    Select(0, 2);
    SendMessageA(edit, WM_CUT, 0, 0);
    SendMessageA(edit, WM_CLEAR, 0, 0);
    SendMessageA(edit, WM_PASTE, 0, 0);
    EXPECT_EQ(Text(), "fixed");
    // Code may still replace the text.
    SendMessageA(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>("un"));
    EXPECT_EQ(Text(), "unxed");
    EXPECT_TRUE(SendMessageA(edit, EM_SETREADONLY, FALSE, 0));
    EXPECT_FALSE(GetWindowLongA(edit, GWL_STYLE) & ES_READONLY);
}

TEST_F(EditMessages, DialogCodes)
{
    Create(ES_AUTOHSCROLL);
    const LRESULT single = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, 0, 0), single);
    MSG key{edit, WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_EQ(SendMessageA(edit, WM_GETDLGCODE, VK_TAB, reinterpret_cast<LPARAM>(&key)), single);

    auto multi = [this](DWORD style) {
        return reinterpret_cast<HWND>(ui.Run([this, style] {
            return reinterpret_cast<LRESULT>(
                CreateWindowExA(0, "Edit", "", WS_CHILD | ES_MULTILINE | style, 0, 40, 100, 40,
                                parent, nullptr, nullptr, nullptr));
        }));
    };
    HWND plain = multi(0);
    HWND wantReturn = multi(ES_WANTRETURN);
    const LRESULT all = single | DLGC_WANTALLKEYS;
    EXPECT_EQ(SendMessageA(plain, WM_GETDLGCODE, 0, 0), all);
    for (WPARAM vk : {VK_TAB, VK_ESCAPE, VK_RETURN})
    {
        key = MSG{plain, WM_KEYDOWN, vk, 0, 0, {}};
        EXPECT_EQ(SendMessageA(plain, WM_GETDLGCODE, vk, reinterpret_cast<LPARAM>(&key)), single)
            << vk;
    }
    key = MSG{plain, WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_EQ(SendMessageA(plain, WM_GETDLGCODE, 'A', reinterpret_cast<LPARAM>(&key)), all);
    key = MSG{wantReturn, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_EQ(SendMessageA(wantReturn, WM_GETDLGCODE, VK_RETURN, reinterpret_cast<LPARAM>(&key)),
              all);

    // Outside a dialog Enter makes a new line; once the dialog manager has asked about a key,
    // Enter belongs to the dialog.
    HWND fresh = multi(0);
    SendMessageA(fresh, WM_CHAR, '\r', 0);
    SendMessageA(fresh, WM_CHAR, '\t', 0);
    EXPECT_EQ(SendMessageA(fresh, WM_GETTEXTLENGTH, 0, 0), 3);
    SendMessageA(plain, WM_CHAR, '\r', 0);
    EXPECT_EQ(SendMessageA(plain, WM_GETTEXTLENGTH, 0, 0), 0);
}

TEST_F(EditMessages, DestroyedByItsParentWhileNotifying)
{
    Create(ES_AUTOHSCROLL);
    // A subclassed parent that destroys the edit on EN_UPDATE: the edit must not touch its
    // state afterwards (the sanitizer builds catch it if it does).
    ui.Run([this] {
        SetWindowLongPtrA(
            parent, GWLP_WNDPROC,
            reinterpret_cast<LONG_PTR>(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
                if (m == WM_COMMAND && HIWORD(w) == EN_UPDATE)
                    DestroyWindow(reinterpret_cast<HWND>(l));
                return DefWindowProcA(h, m, w, l);
            }));
        return LRESULT{0};
    });
    SendMessageA(edit, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>("x"));
    EXPECT_FALSE(IsWindow(edit));
}
