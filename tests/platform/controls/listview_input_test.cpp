// The list view driven as a user drives it: clicks with and without modifiers, double and
// right clicks, column titles, the keyboard, the wheel and typing to find, each checked by what
// the parent hears and what the list then holds.

#include "listview_test_util.h"

using namespace listview_test;
namespace automation = platform::automation;

namespace
{

class ListViewInput : public ListViewTest
{
protected:
    void Fill(int rows, DWORD style = 0)
    {
        Show(style);
        AddColumn("Name", 80);
        AddColumn("Value", 60);
        for (int i = 0; i < rows; ++i)
            AddRow({"item " + std::to_string(i), std::to_string(i * 10)});
        Clear();
    }

    std::vector<Note> Selection()
    {
        return NotesOf({LVN_ITEMCHANGING, LVN_ITEMCHANGED, NM_CLICK, NM_DBLCLK});
    }

    void Wheel(int notches)
    {
        INPUT in{};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = MOUSEEVENTF_WHEEL;
        in.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
        SendInput(1, &in, sizeof in);
        automation::WaitIdle(dialog);
    }
};

TEST_F(ListViewInput, ClickingAnUnselectedRowClearsTheOldSelectionFirst)
{
    Fill(5);
    // The focus comes to the list before the click selects.
    ui.Run([this] { return reinterpret_cast<LRESULT>(SetFocus(GetDlgItem(dialog, IDOK))); });
    Clear();
    ASSERT_TRUE(automation::ClickRow(list, 1));
    EXPECT_EQ(Notes(), (std::vector<Note>{Code(NM_SETFOCUS), Changing(1, Sel | Foc, 0),
                                          Changed(1, Sel | Foc, 0), Code(NM_CLICK, 1)}));
    Clear();

    ASSERT_TRUE(automation::ClickRow(list, 3));
    EXPECT_EQ(Notes(),
              (std::vector<Note>{Changing(1, Foc, Sel | Foc), Changed(1, Foc, Sel | Foc),
                                 Changing(3, Sel | Foc, 0), Changing(1, 0, Foc), Changed(1, 0, Foc),
                                 Changed(3, Sel | Foc, 0), Code(NM_CLICK, 3)}));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3}));
    EXPECT_EQ(automation::FocusedRow(list), 3);
    EXPECT_EQ(automation::FocusOf(), list);
}

TEST_F(ListViewInput, ControlTogglesAndShiftExtendsFromTheMark)
{
    Fill(8);
    ASSERT_TRUE(automation::ClickRow(list, 2));
    ASSERT_TRUE(automation::ClickRow(list, 5, automation::kControl));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{2, 5}));
    ASSERT_TRUE(automation::ClickRow(list, 2, automation::kControl));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{5}));
    EXPECT_EQ(automation::FocusedRow(list), 2) << "control-click focuses even what it deselects";

    // The range runs from the last row clicked without shift, whichever way.
    ASSERT_TRUE(automation::ClickRow(list, 6, automation::kShift));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{2, 3, 4, 5, 6}));
    ASSERT_TRUE(automation::ClickRow(list, 0, automation::kShift));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(automation::FocusedRow(list), 0);
    // Control and shift together add the range to what is selected.
    ASSERT_TRUE(automation::ClickRow(list, 6, automation::kControl));
    ASSERT_TRUE(automation::ClickRow(list, 7, automation::kControl | automation::kShift));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{0, 1, 2, 6, 7}));

    // A plain click inside the selection keeps it until the button comes up, then selects one.
    ASSERT_TRUE(automation::ClickRow(list, 1));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{1}));

    // A click below the last row deselects everything.
    Clear();
    RECT client{};
    GetClientRect(list, &client);
    ASSERT_TRUE(automation::Click(list, POINT{20, client.bottom - 3}));
    EXPECT_TRUE(automation::SelectedRows(list).empty());
    EXPECT_EQ(Notes().back(), Code(NM_CLICK, -1));
}

TEST_F(ListViewInput, SingleSelectionListsIgnoreControlAndShift)
{
    Fill(5, LVS_SINGLESEL);
    ASSERT_TRUE(automation::ClickRow(list, 1));
    ASSERT_TRUE(automation::ClickRow(list, 3, automation::kControl));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3}));
    ASSERT_TRUE(automation::ClickRow(list, 0, automation::kShift));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{0}));
}

TEST_F(ListViewInput, DoubleClickActivatesAndRightClickSelectsForTheMenu)
{
    Fill(5, 0);
    ASSERT_TRUE(automation::DoubleClickRow(list, 2));
    EXPECT_EQ(
        NotesOf({NM_CLICK, NM_DBLCLK, LVN_ITEMACTIVATE}),
        (std::vector<Note>{Code(NM_CLICK, 2), Code(NM_DBLCLK, 2), Code(LVN_ITEMACTIVATE, 2)}));
    Clear();

    ASSERT_TRUE(automation::RightClickRow(list, 4));
    EXPECT_EQ(NotesOf({NM_CLICK, NM_RCLICK}), (std::vector<Note>{Code(NM_RCLICK, 4)}));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{4}));
    // Right-clicking inside a selection keeps it.
    ASSERT_TRUE(automation::ClickRow(list, 3, automation::kShift));
    ASSERT_TRUE(automation::RightClickRow(list, 4));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3, 4}));
}

TEST_F(ListViewInput, FullRowSelectionAnswersClicksOnAnyColumn)
{
    Fill(3);
    RECT cell{};
    cell.top = 1;
    cell.left = LVIR_BOUNDS;
    ASSERT_TRUE(Send(LVM_GETSUBITEMRECT, 1, reinterpret_cast<LPARAM>(&cell)));
    const POINT second{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ASSERT_TRUE(automation::Click(list, second));
    EXPECT_TRUE(automation::SelectedRows(list).empty())
        << "only the first column selects by default";
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT);
    ASSERT_TRUE(automation::Click(list, second));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{1}));
}

TEST_F(ListViewInput, ClickingAColumnTitleTellsTheParentWhichColumn)
{
    Fill(3);
    ASSERT_TRUE(automation::ClickColumn(list, 1));
    EXPECT_EQ(Notes(), (std::vector<Note>{Code(LVN_COLUMNCLICK, 1), Code(HDN_ITEMCLICKA, 1)}));
    Clear();
    // Style changes reach the control from its own thread, as they would from its dialog.
    ui.Run([this] {
        return static_cast<LRESULT>(
            SetWindowLongA(list, GWL_STYLE, GetWindowLongA(list, GWL_STYLE) | LVS_NOSORTHEADER));
    });
    ASSERT_TRUE(automation::ClickColumn(list, 0));
    EXPECT_TRUE(Notes().empty()) << "titles are not buttons with LVS_NOSORTHEADER";
}

TEST_F(ListViewInput, DraggingADividerResizesTheColumn)
{
    Fill(3);
    HWND header = reinterpret_cast<HWND>(Send(LVM_GETHEADER));
    ASSERT_TRUE(automation::Drag(header, POINT{78, 6}, POINT{108, 6}));
    EXPECT_EQ(Send(LVM_GETCOLUMNWIDTH, 0), 110);
    EXPECT_EQ(NotesOf({HDN_BEGINTRACKA, HDN_ENDTRACKA, HDN_ITEMCHANGEDA}),
              (std::vector<Note>{Code(HDN_BEGINTRACKA, 0), Code(HDN_ENDTRACKA, 0),
                                 Code(HDN_ITEMCHANGEDA, 0)}));
}

TEST_F(ListViewInput, ArrowKeysMoveTheSelectionAndShiftExtendsIt)
{
    Fill(10);
    ASSERT_TRUE(automation::ClickRow(list, 2));
    Clear();
    ASSERT_TRUE(automation::Press(VK_DOWN));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3}));
    EXPECT_EQ(NotesOf({LVN_KEYDOWN}), (std::vector<Note>{Code(LVN_KEYDOWN, VK_DOWN)}));
    ASSERT_TRUE(automation::Press(VK_DOWN, automation::kShift));
    ASSERT_TRUE(automation::Press(VK_DOWN, automation::kShift));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3, 4, 5}));
    ASSERT_TRUE(automation::Press(VK_UP, automation::kShift));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3, 4}));

    // Control moves only the focus; control+space toggles the focused row.
    ASSERT_TRUE(automation::Press(VK_DOWN, automation::kControl));
    ASSERT_TRUE(automation::Press(VK_DOWN, automation::kControl));
    EXPECT_EQ(automation::FocusedRow(list), 6);
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3, 4}));
    ASSERT_TRUE(automation::Press(VK_SPACE, automation::kControl));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3, 4, 6}));
    ASSERT_TRUE(automation::Press(VK_SPACE, automation::kControl));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3, 4}));
    // Space alone selects the focused row only.
    ASSERT_TRUE(automation::Press(VK_SPACE));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{6}));

    ASSERT_TRUE(automation::Press(VK_HOME));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{0}));
    ASSERT_TRUE(automation::Press(VK_UP));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{0})) << "nothing above the first";
    ASSERT_TRUE(automation::Press(VK_END, automation::kShift));
    EXPECT_EQ(automation::SelectedRows(list).size(), 10u);
}

TEST_F(ListViewInput, TheKeyboardReachesTheLastOfAThousandRows)
{
    Fill(1000);
    const int perPage = static_cast<int>(Send(LVM_GETCOUNTPERPAGE));
    ASSERT_GT(perPage, 2);
    ASSERT_TRUE(automation::ClickRow(list, 0));

    // Page Down goes to the bottom of the page first, then a page at a time.
    ASSERT_TRUE(automation::Press(VK_NEXT));
    EXPECT_EQ(automation::FocusedRow(list), perPage - 1);
    EXPECT_EQ(Top(), 0);
    ASSERT_TRUE(automation::Press(VK_NEXT));
    EXPECT_EQ(automation::FocusedRow(list), 2 * perPage - 2);
    EXPECT_EQ(Top(), perPage - 1);
    ASSERT_TRUE(automation::Press(VK_PRIOR));
    EXPECT_EQ(automation::FocusedRow(list), perPage - 1) << "the top of the page";

    ASSERT_TRUE(automation::Press(VK_END));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{999}));
    EXPECT_EQ(Top(), 1000 - perPage);
    const std::vector<std::string> rows = Rows();
    ASSERT_GE(rows.size(), 3u);
    EXPECT_NE(rows[rows.size() - 2].find("item 999"), std::string::npos)
        << "the last row shows at the bottom";

    ASSERT_TRUE(automation::Press(VK_UP));
    EXPECT_EQ(Top(), 1000 - perPage) << "moving within the page does not scroll";
    ASSERT_TRUE(automation::Press(VK_HOME));
    EXPECT_EQ(Top(), 0);
}

TEST_F(ListViewInput, TheWheelAndTheScrollBarScrollWithoutSelecting)
{
    Fill(100);
    ASSERT_TRUE(automation::ClickRow(list, 0));
    Wheel(-2);
    EXPECT_EQ(Top(), 6) << "three rows a notch";
    Wheel(1);
    EXPECT_EQ(Top(), 3);
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{0}));

    // The bar's lower arrow scrolls a row, the space above it a page.
    RECT window{};
    GetWindowRect(list, &window);
    RECT client{};
    GetClientRect(list, &client);
    POINT bottomArrow{client.right + 8, client.bottom - 4};
    ASSERT_TRUE(automation::Click(list, bottomArrow));
    EXPECT_EQ(Top(), 4);
    ASSERT_TRUE(automation::Click(list, POINT{client.right + 8, client.bottom - 30}));
    EXPECT_EQ(Top(), 4 + static_cast<int>(Send(LVM_GETCOUNTPERPAGE)));
}

TEST_F(ListViewInput, TypingSelectsTheNextRowStartingWithTheLetters)
{
    Show();
    AddColumn("Name", 80);
    for (const char* name : {"Argon", "Benzene", "Butane", "Butanol", "Carbon"})
        AddRow({name});
    ASSERT_TRUE(automation::ClickRow(list, 0));
    ASSERT_TRUE(automation::Type("bu"));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{2}));
    ASSERT_TRUE(automation::Type("tano"));
    EXPECT_EQ(automation::SelectedRows(list), (std::vector<int>{3}));
}

TEST_F(ListViewInput, EnterInADialogGoesToTheDefaultButton)
{
    Fill(3);
    ASSERT_TRUE(automation::ClickRow(list, 1));
    Clear();
    ASSERT_TRUE(automation::Press(VK_RETURN));
    EXPECT_TRUE(NotesOf({NM_RETURN}).empty()) << "the list does not ask for Enter";
    ASSERT_TRUE(automation::WaitForClose(dialog));
    ASSERT_TRUE(ui.Finish());
    dialog = nullptr;
}

TEST_F(ListViewInput, SnapshotShowsFullRowSelectionGridLinesAndFocus)
{
    Show(0, 110, 50);
    AddColumn("Name", 60);
    AddColumn("Boils", 42, LVCFMT_RIGHT);
    AddRow({"Water", "100"});
    AddRow({"Ethanol", "78"});
    Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_GRIDLINES);
    ASSERT_TRUE(automation::ClickRow(list, 1));
    // The focus mark hides the selection's: the whole row is framed from its text onwards.
    EXPECT_EQ(Rows(), (std::vector<std::string>{
                          "+------------------------------+",
                          "| Name    | Boils|             |",
                          "| Water   |   100|             |",
                          "|>Ethanol |    78|<            |",
                          "|         |      |             |",
                          "+------------------------------+",
                      }));
    ui.Run([this] { return reinterpret_cast<LRESULT>(SetFocus(GetDlgItem(dialog, IDOK))); });
    EXPECT_EQ(Rows()[3], "| Ethanol |    78|             |")
        << "without the focus and LVS_SHOWSELALWAYS no selection shows";
}

} // namespace
