// What the edit control looks like on the text renderer: the visible part of the text, the
// selection, the focus and caret, and the disabled, read-only and password looks.

#include "edit_test_util.h"
#include "platform/render.h"

using edit_test::EditFixture;

namespace
{

class EditView : public EditFixture
{
protected:
    std::string Look() { return platform::Snapshot(edit); }

    void Unfocus()
    {
        ui.Run([this] { return reinterpret_cast<LRESULT>(SetFocus(parent)); });
    }
};

std::vector<UINT> g_colorMessages; // the WM_CTLCOLOR* messages the parent got, on the UI thread
WNDPROC g_parentProc = nullptr;

LRESULT CALLBACK RecordColors(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CTLCOLOREDIT || msg == WM_CTLCOLORSTATIC)
        g_colorMessages.push_back(msg);
    return CallWindowProcA(g_parentProc, hwnd, msg, wParam, lParam);
}

} // namespace

TEST_F(EditView, FocusedEditShowsItsTextWholeWithTheCaretCell)
{
    // Ten columns, eight inside the '[' and ']' of the border.
    Create(ES_AUTOHSCROLL, "hello world", 62, 21);
    EXPECT_EQ(Look(), ">hello wo<\n");
    Select(3, 3);
    platform::Canvas canvas = platform::RenderWindow(edit);
    for (int column = 0; column < canvas.Columns(); ++column)
        EXPECT_EQ((canvas.At(column, 0).attributes & platform::CellCaret) != 0, column == 1 + 3)
            << column;
    Select(0, 5);
    EXPECT_EQ(Look(), ">hello*wo<\n");
}

TEST_F(EditView, SelectionShowsOnlyWithFocusUnlessNoHideSel)
{
    Create(ES_AUTOHSCROLL, "hello world", 62, 21);
    Select(0, 5);
    Unfocus();
    EXPECT_EQ(Look(), "[hello wo]\n");
    SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) | ES_NOHIDESEL);
    EXPECT_EQ(Look(), "*hello*wo]\n");
}

TEST_F(EditView, ScrolledTextShowsItsTail)
{
    Create(ES_AUTOHSCROLL, "", 62, 21);
    Type("abcdefghijkl");
    Unfocus();
    // The caret after the last character needs a cell of its own.
    EXPECT_EQ(Look(), "[fghijkl ]\n");
}

TEST_F(EditView, DisabledReadOnlyAndPasswordLooks)
{
    Create(ES_AUTOHSCROLL, "hello", 62, 21);
    ui.Run([this] {
        g_colorMessages.clear();
        g_parentProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrA(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordColors)));
        SetFocus(parent);
        return LRESULT{0};
    });
    Look();
    SendMessageA(edit, EM_SETREADONLY, TRUE, 0);
    Look();
    EnableWindow(edit, FALSE);
    EXPECT_EQ(Look(), "~hello~  ]\n");
    // Read-only and disabled edits are coloured as statics.
    EXPECT_EQ(ui.Run([] {
        return static_cast<LRESULT>(g_colorMessages == std::vector<UINT>{WM_CTLCOLOREDIT,
                                                                         WM_CTLCOLORSTATIC,
                                                                         WM_CTLCOLORSTATIC});
    }),
              1);

    EnableWindow(edit, TRUE);
    SetWindowLongA(edit, GWL_STYLE, GetWindowLongA(edit, GWL_STYLE) | ES_PASSWORD);
    EXPECT_EQ(SendMessageA(edit, EM_GETPASSWORDCHAR, 0, 0), '*');
    EXPECT_EQ(Look(), "[*****   ]\n");
    SendMessageA(edit, EM_SETPASSWORDCHAR, 0, 0);
    EXPECT_EQ(Look(), "[hello   ]\n");
}

TEST_F(EditView, AlignmentWithinTheVisibleColumns)
{
    Create(ES_CENTER, "ab", 62, 21);
    Unfocus();
    EXPECT_EQ(Look(), "[   ab   ]\n");
    SetWindowLongA(edit, GWL_STYLE, (GetWindowLongA(edit, GWL_STYLE) & ~ES_CENTER) | ES_RIGHT);
    EXPECT_EQ(Look(), "[     ab ]\n");
    // Clicks count from where the text starts.
    Click(5 * 6 + 1, 5);
    EXPECT_EQ(Selection(), std::make_pair(0, 0));
    Click(6 * 6 + 1, 5);
    EXPECT_EQ(Selection(), std::make_pair(1, 1));
}

TEST_F(EditView, MultiLineShowsTheLinesAroundTheCaret)
{
    // Two lines of eight columns inside the box.
    Create(ES_MULTILINE | ES_AUTOVSCROLL, "one\r\ntwo\r\nthree four five", 62, 52);
    Unfocus();
    EXPECT_EQ(Look(), "+--------+\n"
                      "|one     |\n"
                      "|two     |\n"
                      "+--------+\n");
    SendMessageA(edit, EM_SETSEL, 100, 100);
    // "three four five" wraps at eight columns; the view follows the caret to the last line.
    EXPECT_EQ(SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 5);
    EXPECT_EQ(Look(), "+--------+\n"
                      "|four    |\n"
                      "|five    |\n"
                      "+--------+\n");
}
