// The list box as a user drives it: clicks, double clicks, Ctrl and Shift clicks, the keys of
// each kind of list, the owner's WM_VKEYTOITEM answers and the scroll bar, with what the parent
// hears at each step.

#include "listbox_test_util.h"

using list_test::ListFixture;
using list_test::Note;
namespace automation = platform::automation;

namespace
{

constexpr int Id = 100;
using Notes = std::vector<Note>;
using Selection = std::vector<int>;

class ListBoxInput : public ListFixture
{
protected:
    // Twelve items, six of them in sight.
    HWND MakeList(DWORD style)
    {
        HWND list = Create("ListBox", style, 10, 10, 120, 78, Id);
        for (int i = 0; i < 12; ++i)
            Add(list, {std::string(1, static_cast<char>('a' + i)) + " item"});
        return list;
    }

    void Press(WORD vk, unsigned modifiers = automation::kNoModifiers)
    {
        ASSERT_TRUE(automation::Press(vk, modifiers)) << automation::LastFailure();
    }

    void Click(HWND list, int index, unsigned modifiers = automation::kNoModifiers)
    {
        ASSERT_TRUE(automation::ClickItem(list, index, modifiers)) << automation::LastFailure();
    }

    LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
    {
        return SendMessageA(hwnd, msg, wParam, lParam);
    }
};

Note N(WORD code)
{
    return Note{Id, code};
}

} // namespace

TEST_F(ListBoxInput, AClickNotifiesOnReleaseAndADoubleClickAfterIt)
{
    HWND list = MakeList(LBS_NOTIFY);
    Click(list, 1);
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SETFOCUS), N(LBN_SELCHANGE)}));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    // Clicking the selected item again still tells the parent.
    Click(list, 1);
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SELCHANGE)}));
    ASSERT_TRUE(automation::DoubleClickItem(list, 3)) << automation::LastFailure();
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SELCHANGE), N(LBN_DBLCLK)}));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
    // Code that selects is not told about it.
    Send(list, LB_SETCURSEL, 5);
    EXPECT_TRUE(TakeNotes().empty());
    Focus(parent);
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_KILLFOCUS)}));
}

TEST_F(ListBoxInput, WithoutNotifyOnlyTheFocusIsReported)
{
    HWND list = MakeList(0);
    ASSERT_TRUE(automation::DoubleClickItem(list, 2)) << automation::LastFailure();
    Press(VK_DOWN);
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SETFOCUS)}));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);
}

TEST_F(ListBoxInput, CtrlClickOnTheSelectedItemCancelsTheSelection)
{
    HWND list = MakeList(LBS_NOTIFY);
    Click(list, 2);
    TakeNotes();
    Click(list, 2, automation::kControl);
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SELCANCEL)}));
    EXPECT_EQ(Send(list, LB_GETCURSEL), LB_ERR);
    // On another item Ctrl makes no difference.
    Click(list, 4, automation::kControl);
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SELCHANGE)}));
    EXPECT_EQ(Send(list, LB_GETCURSEL), 4);
}

TEST_F(ListBoxInput, ExtendedSelectionWithTheMouse)
{
    HWND list = MakeList(LBS_EXTENDEDSEL | LBS_NOTIFY);
    Click(list, 1);
    Click(list, 3, automation::kShift);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{1, 2, 3}));
    Click(list, 2, automation::kControl);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{1, 3}));
    EXPECT_EQ(Send(list, LB_GETANCHORINDEX), 2);
    // Shift with Ctrl adds the range from the anchor and keeps the rest.
    Click(list, 5, automation::kShift | automation::kControl);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{1, 2, 3, 4, 5}));
    // Shift alone replaces everything with the range.
    Click(list, 0, automation::kShift);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{0, 1, 2}));
    Click(list, 4);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{4}));
    EXPECT_EQ(TakeNotes(),
              (Notes{N(LBN_SETFOCUS), N(LBN_SELCHANGE), N(LBN_SELCHANGE), N(LBN_SELCHANGE),
                     N(LBN_SELCHANGE), N(LBN_SELCHANGE), N(LBN_SELCHANGE)}));
}

TEST_F(ListBoxInput, ExtendedSelectionWithTheKeys)
{
    HWND list = MakeList(LBS_EXTENDEDSEL | LBS_NOTIFY);
    Click(list, 1);
    TakeNotes();
    Press(VK_DOWN);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{2}));
    Press(VK_DOWN, automation::kShift);
    Press(VK_DOWN, automation::kShift);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{2, 3, 4}));
    // Ctrl moves the caret alone; Ctrl+Space toggles the caret item.
    Press(VK_DOWN, automation::kControl);
    EXPECT_EQ(Send(list, LB_GETCARETINDEX), 5);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{2, 3, 4}));
    Press(VK_SPACE, automation::kControl);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{2, 3, 4, 5}));
    Press(VK_HOME, automation::kShift);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{0, 1, 2, 3, 4, 5}));
    // Only the keys that changed the selection told the parent (Ctrl+Down did not).
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SELCHANGE), N(LBN_SELCHANGE), N(LBN_SELCHANGE),
                                  N(LBN_SELCHANGE), N(LBN_SELCHANGE)}));
}

TEST_F(ListBoxInput, MultipleSelectionTogglesAndTheKeysMoveOnlyTheCaret)
{
    HWND list = MakeList(LBS_MULTIPLESEL | LBS_NOTIFY);
    Click(list, 1);
    Click(list, 3);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{1, 3}));
    Click(list, 1);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{3}));
    TakeNotes();
    Press(VK_DOWN);
    EXPECT_EQ(Send(list, LB_GETCARETINDEX), 2);
    EXPECT_TRUE(TakeNotes().empty());
    Press(VK_SPACE);
    EXPECT_EQ(automation::SelectedItems(list), (Selection{2, 3}));
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SELCHANGE)}));
}

TEST_F(ListBoxInput, KeysMoveTheSelectionOfASingleSelectionList)
{
    HWND list = MakeList(LBS_NOTIFY);
    Click(list, 0);
    TakeNotes();
    Press(VK_DOWN);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 1);
    // Page Down goes to the last item in sight first, then a page further.
    Press(VK_NEXT);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 5);
    Press(VK_NEXT);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 10);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 5);
    Press(VK_END);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 11);
    Press(VK_DOWN); // nowhere further: no change, no notification
    Press(VK_HOME);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 0);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 0);
    // A typed letter goes to the next item that starts with it.
    ASSERT_TRUE(automation::Type("g")) << automation::LastFailure();
    EXPECT_EQ(Send(list, LB_GETCURSEL), 6);
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SELCHANGE), N(LBN_SELCHANGE), N(LBN_SELCHANGE),
                                  N(LBN_SELCHANGE), N(LBN_SELCHANGE), N(LBN_SELCHANGE)}));
}

TEST_F(ListBoxInput, TheOwnersAnswerToVKeyToItemDecidesWhatAKeyDoes)
{
    HWND list = MakeList(LBS_WANTKEYBOARDINPUT | LBS_NOTIFY);
    Click(list, 2);
    TakeNotes();

    AnswerKeys(-2); // handled: the list does nothing
    Press(VK_DOWN);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 2);
    EXPECT_EQ(TakeKeys(), (std::vector<std::pair<UINT, UINT>>{{VK_DOWN, 2}}));

    AnswerKeys(-1); // the default
    Press(VK_DOWN);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 3);

    AnswerKeys(9); // that item, as the key would have moved there
    Press(VK_DOWN);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 9);
    EXPECT_EQ(TakeKeys(), (std::vector<std::pair<UINT, UINT>>{{VK_DOWN, 2}, {VK_DOWN, 3}}));
    EXPECT_EQ(TakeNotes(), (Notes{N(LBN_SELCHANGE), N(LBN_SELCHANGE)}));

    // Lists without the style never ask.
    HWND plain = Create("ListBox", LBS_NOTIFY, 150, 10, 100, 78, 101);
    Add(plain, {"x", "y"});
    Click(plain, 0);
    Press(VK_DOWN);
    EXPECT_TRUE(TakeKeys().empty());
}

TEST_F(ListBoxInput, TheScrollBarAndADragBelowScroll)
{
    HWND list = MakeList(WS_VSCROLL | WS_BORDER);
    RECT client{};
    GetClientRect(list, &client);
    // The bottom arrow of the bar, right of the client area.
    ASSERT_TRUE(automation::Click(list, POINT{client.right + 8, client.bottom - 4}))
        << automation::LastFailure();
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 1);
    // Between the arrows: a page.
    ASSERT_TRUE(automation::Click(list, POINT{client.right + 8, client.bottom - 20}))
        << automation::LastFailure();
    EXPECT_GT(Send(list, LB_GETTOPINDEX), 1);
    // An item out of sight is scrolled to before the click.
    Click(list, 0);
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 0);
    EXPECT_EQ(Send(list, LB_GETCURSEL), 0);
    // A drag below the list scrolls as it selects.
    ASSERT_TRUE(automation::Drag(list, POINT{10, 5}, POINT{10, client.bottom + 30}))
        << automation::LastFailure();
    EXPECT_EQ(Send(list, LB_GETTOPINDEX), 1);
    EXPECT_EQ(Send(list, LB_GETCURSEL), Send(list, LB_GETTOPINDEX) + 2); // the last row in sight
}
