// CListBox and CComboBox over the real controls: a dialog whose lists are filled from its
// compiled dialog initialisation resource, exchanged with DDX_CBIndex, DDX_CBString,
// DDX_LBString and DDX_LBIndex, a list box class that answers keys through reflection, damaged
// initialisation data, and the wrappers' members.

#include "res/lists_test_res.h"

#include "platform/automation_lists.h"
#include "platform/ui_thread.h"

#include <afxwin.h>
#include <gtest/gtest.h>

#include <atomic>
#include <vector>

namespace automation = platform::automation;

namespace
{

using Strings = std::vector<std::string>;

// Down does nothing and is counted; the other keys keep their default handling.
class CNumberList : public CListBox
{
public:
    std::atomic<int> downs{0};

protected:
    int VKeyToItem(UINT nKey, UINT) override
    {
        if (nKey != VK_DOWN)
            return -1;
        ++downs;
        return -2;
    }
};

class CListsDialog : public CDialog
{
public:
    explicit CListsDialog(UINT id = IDD_LISTS) : CDialog(id) {}

    CComboBox m_solvents;
    CNumberList m_numbers;
    int m_solvent = 1;
    CString m_unit = "pa";
    CString m_letter = "be";
    int m_number = 2;
    bool exchange = true;

protected:
    void DoDataExchange(CDataExchange* pDX) override
    {
        if (!exchange)
            return;
        DDX_Control(pDX, IDC_SOLVENT, m_solvents);
        DDX_Control(pDX, IDC_NUMBERS, m_numbers);
        DDX_CBIndex(pDX, IDC_SOLVENT, m_solvent);
        DDX_CBString(pDX, IDC_UNIT, m_unit);
        DDX_LBString(pDX, IDC_LETTERS, m_letter);
        DDX_LBIndex(pDX, IDC_NUMBERS, m_number);
    }
};

class ListWrappers : public ::testing::Test
{
protected:
    platform::UiThread ui;

    HWND Start(CListsDialog& dialog, const char* title)
    {
        ui.Begin([&dialog] { return static_cast<LRESULT>(dialog.DoModal()); });
        HWND box = automation::WaitForWindow("#32770", title);
        EXPECT_NE(box, nullptr) << automation::LastFailure();
        return box;
    }

    LRESULT Finish()
    {
        LRESULT result = -2;
        EXPECT_TRUE(ui.Finish(&result));
        return result;
    }
};

} // namespace

TEST_F(ListWrappers, TheDialogsInitialisationDataFillsItsListsAndDataExchangeSelects)
{
    CListsDialog dialog;
    HWND box = Start(dialog, "Lists");
    ASSERT_NE(box, nullptr);
    HWND solvent = GetDlgItem(box, IDC_SOLVENT);
    HWND unit = GetDlgItem(box, IDC_UNIT);
    HWND letters = GetDlgItem(box, IDC_LETTERS);
    HWND numbers = GetDlgItem(box, IDC_NUMBERS);
    // The sorted combo box sorted what the resource added.
    EXPECT_EQ(automation::ListItems(solvent), (Strings{"Acetone", "Ethanol", "Water"}));
    EXPECT_EQ(automation::ListItems(unit), (Strings{"Bar", "Pascal"}));
    EXPECT_EQ(automation::ListItems(letters), (Strings{"Alpha", "Beta"}));
    EXPECT_EQ(automation::ListItems(numbers), (Strings{"One", "Two", "Three"}));
    // The values went in: an index, and prefixes that select the items they start.
    EXPECT_EQ(automation::Text(solvent), "Ethanol");
    EXPECT_EQ(automation::Text(unit), "Pascal");
    EXPECT_EQ(automation::SelectedItems(letters), (std::vector<int>{1}));
    EXPECT_EQ(automation::SelectedItems(numbers), (std::vector<int>{2}));

    // The user chooses, types and clicks; OK takes the values out.
    ASSERT_TRUE(automation::ChooseComboItem(solvent, "Water")) << automation::LastFailure();
    ASSERT_TRUE(automation::Press(VK_TAB));
    ASSERT_TRUE(automation::Type("psi")) << automation::LastFailure();
    ASSERT_TRUE(automation::ClickItem(letters, 0)) << automation::LastFailure();
    ASSERT_TRUE(automation::ClickItem(numbers, 0)) << automation::LastFailure();
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_EQ(Finish(), IDOK);
    EXPECT_EQ(dialog.m_solvent, 2);
    EXPECT_STREQ(static_cast<LPCTSTR>(dialog.m_unit), "psi");
    EXPECT_STREQ(static_cast<LPCTSTR>(dialog.m_letter), "Alpha");
    EXPECT_EQ(dialog.m_number, 0);
}

TEST_F(ListWrappers, AListBoxClassAnswersKeysThroughItsParentsReflection)
{
    CListsDialog dialog;
    HWND box = Start(dialog, "Lists");
    ASSERT_NE(box, nullptr);
    HWND numbers = GetDlgItem(box, IDC_NUMBERS);
    ASSERT_TRUE(automation::ClickItem(numbers, 0)) << automation::LastFailure();
    ASSERT_TRUE(automation::Press(VK_DOWN));
    EXPECT_EQ(automation::SelectedItems(numbers), (std::vector<int>{0}));
    EXPECT_EQ(dialog.m_numbers.downs.load(), 1);
    ASSERT_TRUE(automation::Press(VK_END));
    EXPECT_EQ(automation::SelectedItems(numbers), (std::vector<int>{2}));
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
    EXPECT_EQ(Finish(), IDCANCEL);
}

TEST_F(ListWrappers, DamagedInitialisationDataStopsTheLoadingWhereItIsDamaged)
{
    for (const auto& [id, title] :
         {std::pair{IDD_BROKEN_INIT, "Broken"}, std::pair{IDD_TRUNCATED_INIT, "Truncated"}})
    {
        CListsDialog dialog(id);
        dialog.exchange = false;
        HWND box = Start(dialog, title);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(automation::ListItems(GetDlgItem(box, IDC_LETTERS)), (Strings{"Ok"})) << title;
        PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
        EXPECT_EQ(Finish(), IDCANCEL);
    }
}

TEST_F(ListWrappers, TheWrappersSendTheControlsMessages)
{
    ui.Run([] {
        CWnd parent;
        EXPECT_TRUE(parent.CreateEx(0, AfxRegisterWndClass(0), "Parent", WS_POPUP | WS_VISIBLE, 10,
                                    10, 300, 200, nullptr, nullptr));
        // Dialog initialisation data in memory, as CDialog::InitModalIndirect takes it.
        CListBox list;
        EXPECT_TRUE(list.Create(WS_CHILD | WS_VISIBLE | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT,
                                CRect(0, 0, 100, 65), &parent, 7));
        const unsigned char block[] = {7,    0,    0x01, 0x04, 3, 0, 0,   0,   'u', 'p', 0, 7, 0,
                                       0x01, 0x04, 5,    0,    0, 0, 'd', 'o', 'w', 'n', 0, 0, 0};
        EXPECT_TRUE(parent.ExecuteDlgInit(const_cast<unsigned char*>(block)));
        EXPECT_EQ(list.GetCount(), 2);
        list.AddString("left");
        CString text;
        list.GetText(2, text);
        EXPECT_STREQ(static_cast<LPCTSTR>(text), "left");
        EXPECT_EQ(list.GetTextLen(1), 4);
        EXPECT_EQ(list.SelItemRange(TRUE, 0, 2), LB_OKAY);
        EXPECT_EQ(list.SelItemRange(FALSE, 1, 2), LB_OKAY);
        EXPECT_EQ(list.GetSelCount(), 1);
        int selected[3] = {};
        EXPECT_EQ(list.GetSelItems(3, selected), 1);
        EXPECT_EQ(selected[0], 0);
        int value = 5;
        EXPECT_NE(list.SetItemDataPtr(1, &value), LB_ERR);
        EXPECT_EQ(list.GetItemDataPtr(1), &value);
        BOOL outside = FALSE;
        EXPECT_EQ(list.ItemFromPoint(CPoint(5, 20), outside), 1u);
        EXPECT_FALSE(outside);
        list.ItemFromPoint(CPoint(5, 60), outside);
        EXPECT_TRUE(outside);
        EXPECT_EQ(list.FindStringExact(-1, "DOWN"), 1);
        EXPECT_EQ(list.DeleteString(5), LB_ERR);

        CComboBox combo;
        EXPECT_TRUE(combo.Create(WS_CHILD | WS_VISIBLE | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                                 CRect(120, 0, 220, 100), &parent, 8));
        combo.AddString("first");
        combo.AddString("second");
        EXPECT_EQ(combo.SetCurSel(1), 1);
        combo.GetLBText(0, text);
        EXPECT_STREQ(static_cast<LPCTSTR>(text), "first");
        combo.GetWindowText(text);
        EXPECT_STREQ(static_cast<LPCTSTR>(text), "second");
        EXPECT_TRUE(combo.SetEditSel(1, 3));
        EXPECT_EQ(combo.GetEditSel(), static_cast<DWORD>(MAKELONG(1, 3)));
        EXPECT_TRUE(combo.LimitText(10));
        combo.ShowDropDown();
        EXPECT_TRUE(combo.GetDroppedState());
        combo.ShowDropDown(FALSE);
        EXPECT_FALSE(combo.GetDroppedState());
        CRect dropped;
        combo.GetDroppedControlRect(&dropped);
        EXPECT_EQ(dropped.Height(), 100);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        EXPECT_TRUE(combo.GetComboBoxInfo(&info));
        EXPECT_NE(info.hwndItem, nullptr);
        EXPECT_EQ(combo.GetItemHeight(-1), 15);
        EXPECT_EQ(combo.GetDroppedWidth(), 100);
        combo.ResetContent();
        EXPECT_EQ(combo.GetCount(), 0);
        parent.DestroyWindow();
        return LRESULT{0};
    });
}
