// The edit control as a user drives it: typed characters, editing keys, the mouse, and an
// edit in a dialog, all through simulated input on a user-interface thread.

#include "edit_test_util.h"
#include "user/template_builder.h"

#include <atomic>

using edit_test::EditFixture;
using edit_test::Key;
using edit_test::MouseButton;

namespace
{

using Codes = std::vector<WORD>;

class EditInput : public EditFixture
{
};

std::string g_filtered; // the characters the subclass saw, on the UI thread
WNDPROC g_editProc = nullptr;

// A subclass that swallows digits, as a validating dialog might.
LRESULT CALLBACK NoDigits(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CHAR)
    {
        g_filtered += static_cast<char>(wParam);
        if (wParam >= '0' && wParam <= '9')
            return 0;
    }
    return CallWindowProcA(g_editProc, hwnd, msg, wParam, lParam);
}

} // namespace

TEST_F(EditInput, TypingNotifiesUpdateBeforeChangeAndFocusChangesNotify)
{
    Create(ES_AUTOHSCROLL);
    Type("ab");
    EXPECT_EQ(Text(), "ab");
    EXPECT_EQ(TakeCodes(), (Codes{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    EXPECT_TRUE(SendMessageA(edit, EM_GETMODIFY, 0, 0));
    ui.Run([this] {
        SetFocus(parent);
        SetFocus(edit);
        return LRESULT{0};
    });
    EXPECT_EQ(TakeCodes(), (Codes{EN_KILLFOCUS, EN_SETFOCUS}));
    // Focus alone selects nothing: that is the dialog manager's business.
    EXPECT_EQ(Selection(), std::make_pair(2, 2));
}

TEST_F(EditInput, SubclassSeesEveryTypedCharacterFirst)
{
    Create(ES_AUTOHSCROLL);
    ui.Run([this] {
        g_filtered.clear();
        g_editProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(NoDigits)));
        return LRESULT{0};
    });
    Type("a1b2c");
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(ui.Run([] { return static_cast<LRESULT>(g_filtered == "a1b2c"); }), 1);
}

TEST_F(EditInput, CaseAndNumberStyles)
{
    Create(ES_AUTOHSCROLL | ES_UPPERCASE);
    Type("mIx 1");
    EXPECT_EQ(Text(), "MIX 1");
    SetWindowLongA(edit, GWL_STYLE,
                   (GetWindowLongA(edit, GWL_STYLE) & ~ES_UPPERCASE) | ES_LOWERCASE);
    Type("AbC");
    EXPECT_EQ(Text(), "MIX 1abc");

    SetWindowLongA(edit, GWL_STYLE, (GetWindowLongA(edit, GWL_STYLE) & ~ES_LOWERCASE) | ES_NUMBER);
    SetWindowTextA(edit, "");
    TakeCodes();
    const LONG beeps = PlatformBeepCount();
    Type("4x2");
    EXPECT_EQ(Text(), "42");
    EXPECT_EQ(PlatformBeepCount() - beeps, 1);
    EXPECT_EQ(TakeCodes().size(), 4u); // two characters in, the refused one notifies nothing
}

TEST_F(EditInput, TypingStopsAtTheLimitWithMaxText)
{
    Create(ES_AUTOHSCROLL);
    SendMessageA(edit, EM_LIMITTEXT, 3, 0);
    Type("abcd");
    EXPECT_EQ(Text(), "abc");
    EXPECT_EQ(TakeCodes(), (Codes{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE,
                                  EN_MAXTEXT}));
    // Replacing a selection needs no more room than the selection gives back.
    Select(0, 1);
    Type("z");
    EXPECT_EQ(Text(), "zbc");
}

TEST_F(EditInput, WithoutAutoHScrollTextStopsAtTheWidth)
{
    Create(0); // ten columns
    Type("0123456789AB");
    EXPECT_EQ(Text(), "0123456789");
    EXPECT_EQ(TakeCodes().back(), EN_MAXTEXT);
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);

    SetWindowTextA(edit, "");
    SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) | ES_AUTOHSCROLL);
    Type("0123456789AB");
    EXPECT_EQ(Text(), "0123456789AB");
    // The view scrolled to keep the caret's cell in sight: eight of the ten columns show on
    // the renderer, the border taking a cell at each side.
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 12 - 8 + 1);
    Press(VK_HOME);
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(EditInput, ShiftWithMovementKeysExtendsTheSelection)
{
    Create(ES_AUTOHSCROLL, "hello big world", 200);
    Press(VK_HOME);
    Press(VK_RIGHT, true);
    Press(VK_RIGHT, true);
    EXPECT_EQ(Selection(), std::make_pair(0, 2));
    Press(VK_RIGHT, true, true);
    EXPECT_EQ(Selection(), std::make_pair(0, 6));
    Press(VK_END, true);
    EXPECT_EQ(Selection(), std::make_pair(0, 15));
    // Without shift the selection collapses at the moved caret.
    Press(VK_LEFT, false, true);
    EXPECT_EQ(Selection(), std::make_pair(10, 10));
    Press(VK_HOME, true);
    EXPECT_EQ(Selection(), std::make_pair(0, 10));
    Type("X");
    EXPECT_EQ(Text(), "Xworld");
}

TEST_F(EditInput, MultiLineCaretMovesByLines)
{
    // Twenty by five cells, three lines of eighteen columns inside the border.
    Create(ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, "", 122, 65);
    Type("first\rsecond\rx");
    EXPECT_EQ(Text(), "first\r\nsecond\r\nx");
    Press(VK_UP);
    Press(VK_UP);
    EXPECT_EQ(Selection(), std::make_pair(1, 1));
    Press(VK_DOWN, true);
    EXPECT_EQ(Selection(), std::make_pair(1, 8));
    Press(VK_END, true, true);
    EXPECT_EQ(Selection(), std::make_pair(1, 16));
    Press(VK_BACK);
    EXPECT_EQ(Text(), "f");
    // More lines than fit scroll the view.
    Type("\r2\r3\r4\r5");
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 2);
    Press(VK_HOME, false, true);
    EXPECT_EQ(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0), 0);
}

TEST_F(EditInput, BackspaceAndDeleteAtTheEdges)
{
    Create(ES_AUTOHSCROLL, "abc");
    Press(VK_HOME);
    Press(VK_BACK);
    Press(VK_END);
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "abc");
    EXPECT_TRUE(TakeCodes().empty());
    Press(VK_BACK);
    Press(VK_HOME);
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "b");
    EXPECT_EQ(TakeCodes(), (Codes{EN_UPDATE, EN_CHANGE, EN_UPDATE, EN_CHANGE}));
    // Shift+Delete cuts, Shift+Insert pastes.
    Select(0, 1);
    Press(VK_DELETE, true);
    EXPECT_EQ(Text(), "");
    Press(VK_INSERT, true);
    Press(VK_INSERT, true);
    EXPECT_EQ(Text(), "bb");
}

TEST_F(EditInput, LineBreakGoesAsOneCharacter)
{
    Create(ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL, "ab\r\ncd", 122, 41);
    Select(4, 4);
    Press(VK_BACK);
    EXPECT_EQ(Text(), "abcd");
    Select(2, 2);
    Type("\r");
    Select(2, 2);
    Press(VK_DELETE);
    EXPECT_EQ(Text(), "abcd");
}

TEST_F(EditInput, ReadOnlyMovesAndSelectsButNeverChanges)
{
    Create(ES_AUTOHSCROLL | ES_READONLY, "locked");
    const LONG beeps = PlatformBeepCount();
    Type("x");
    Press(VK_BACK);
    Press(VK_DELETE);
    Press('V', false, true);
    Press('Z', false, true);
    EXPECT_EQ(Text(), "locked");
    EXPECT_EQ(PlatformBeepCount() - beeps, 2); // the character and the backspace
    EXPECT_TRUE(TakeCodes().empty());
    Press(VK_END);
    Press(VK_LEFT, true, true);
    EXPECT_EQ(Selection(), std::make_pair(0, 6));
    // Copying is reading.
    Press('C', false, true);
    SendMessageA(edit, EM_SETREADONLY, FALSE, 0);
    Select(6, 6);
    Press('V', false, true);
    EXPECT_EQ(Text(), "lockedlocked");
}

TEST_F(EditInput, CtrlKeysSelectAllUndoAndClipboard)
{
    Create(ES_AUTOHSCROLL, "", 200);
    Type("one two");
    Press('Z', false, true);
    EXPECT_EQ(Text(), "");
    Press('Z', false, true);
    EXPECT_EQ(Text(), "one two");
    Press('A', false, true);
    EXPECT_EQ(Selection(), std::make_pair(0, 7));
    Press('X', false, true);
    EXPECT_EQ(Text(), "");
    Press('V', false, true);
    Press('V', false, true);
    EXPECT_EQ(Text(), "one twoone two");
    Press('Z', false, true); // both pastes go, and the cut text they replaced comes back
    EXPECT_EQ(Text(), "one two");
}

TEST_F(EditInput, ClickPlacesTheCaretAndDragSelects)
{
    Create(ES_AUTOHSCROLL, "0123456789abcdef", 62);
    // Each character is six pixels; the click lands in the cell of character 3.
    Click(3 * 6 + 4, 5);
    EXPECT_EQ(Selection(), std::make_pair(3, 3));
    Click(7 * 6 + 1, 5, 0, true);
    EXPECT_EQ(Selection(), std::make_pair(3, 7));
    // Past the last character the caret goes to the end of the text.
    SetWindowTextA(edit, "short");
    Click(9 * 6 + 1, 5);
    EXPECT_EQ(Selection(), std::make_pair(5, 5));
    // Once the view has scrolled, a click counts from the first visible character.
    SetWindowTextA(edit, "0123456789abcdef");
    Press(VK_END);
    const int first = static_cast<int>(SendMessageA(edit, EM_GETFIRSTVISIBLELINE, 0, 0));
    EXPECT_EQ(first, 16 - 8 + 1);
    Click(1 * 6 + 1, 5);
    EXPECT_EQ(Selection(), std::make_pair(first + 1, first + 1));

    // A drag with the button held selects from the press to where the mouse is.
    Press(VK_HOME);
    POINT from{2 * 6 + 1, 5}, to{5 * 6 + 1, 5};
    ClientToScreen(edit, &from);
    ClientToScreen(edit, &to);
    SetCursorPos(from.x, from.y);
    MouseButton(false, 0);
    SetCursorPos(to.x, to.y);
    ASSERT_TRUE(ui.WaitIdle());
    EXPECT_EQ(Selection(), std::make_pair(2, 5));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(ui.Id(), &info);
    EXPECT_EQ(info.hwndCapture, edit);
    MouseButton(true, 0);
    ASSERT_TRUE(ui.WaitIdle());
    GetGUIThreadInfo(ui.Id(), &info);
    EXPECT_EQ(info.hwndCapture, nullptr);
}

TEST_F(EditInput, ClickGivesTheFocusWithoutSelectingAll)
{
    Create(ES_AUTOHSCROLL, "text");
    ui.Run([this] { return reinterpret_cast<LRESULT>(SetFocus(parent)); });
    TakeCodes();
    Click(6 + 1, 5);
    EXPECT_EQ(TakeCodes(), (Codes{EN_SETFOCUS}));
    EXPECT_EQ(Selection(), std::make_pair(1, 1));
}

TEST_F(EditInput, DoubleClickSelectsAWord)
{
    Create(ES_AUTOHSCROLL, "alpha beta gamma", 200);
    Click(7 * 6 + 2, 5, 10000);
    Click(7 * 6 + 2, 5, 10100);
    EXPECT_EQ(Selection(), std::make_pair(6, 11));
    Type("B ");
    EXPECT_EQ(Text(), "alpha B gamma");
}

namespace
{

enum
{
    IDC_SINGLE = 100,
    IDC_MULTI = 101,
    IDC_NOTES = 102,
};

std::atomic<HWND> g_dialog{nullptr};

INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM)
{
    if (msg == WM_INITDIALOG)
    {
        g_dialog = hwnd;
        return TRUE;
    }
    if (msg == WM_COMMAND && (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL))
    {
        EndDialog(hwnd, LOWORD(wParam));
        return TRUE;
    }
    return FALSE;
}

const DLGTEMPLATE* EditDialog()
{
    static platform::TemplateBuilder t(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, 0, 10,
                                       10, 200, 120, "Edits");
    static bool built = false;
    if (!built)
    {
        built = true;
        t.Add("Edit", "first", IDC_SINGLE, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, 7,
              7, 100, 12);
        t.Add("Edit", "second", IDC_MULTI,
              WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL, 7, 25, 100, 30);
        t.Add("Edit", "", IDC_NOTES,
              WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN,
              7, 60, 100, 30);
        t.Add("Button", "OK", IDOK, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 140, 95, 50, 14);
    }
    return t.Get();
}

} // namespace

TEST_F(EditInput, InADialogTabSelectsAllAndEnterFollowsWantReturn)
{
    g_dialog = nullptr;
    ui.Begin([] { return DialogBoxIndirectParamA(nullptr, EditDialog(), nullptr, DialogProc, 0); });
    ASSERT_TRUE(ui.WaitIdle());
    HWND dialog = g_dialog;
    ASSERT_NE(dialog, nullptr);
    HWND single = GetDlgItem(dialog, IDC_SINGLE);
    HWND multi = GetDlgItem(dialog, IDC_MULTI);
    HWND notes = GetDlgItem(dialog, IDC_NOTES);
    // The first control got the focus from the dialog manager, with its text selected.
    DWORD start = 0, end = 0;
    SendMessageA(single, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 5u);

    Press(VK_TAB);
    SendMessageA(multi, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(end, 6u);
    // Enter in a multi-line edit with ES_WANTRETURN makes a new line ...
    Press(VK_TAB);
    Type("a");
    Press(VK_RETURN);
    Type("b");
    char text[32] = {};
    GetWindowTextA(notes, text, sizeof text);
    EXPECT_STREQ(text, "a\r\nb");
    // ... and without it presses the default button.
    Press(VK_TAB, true);
    Press(VK_RETURN);
    LRESULT result = 0;
    ASSERT_TRUE(ui.Finish(&result));
    EXPECT_EQ(result, IDOK);
}
