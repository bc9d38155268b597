// The "Button" control driven as a user drives it: clicks, Space, double clicks and Tab in a
// modal dialog, plus the messages programs send it.

#include "dialog_test_util.h"

#include <windows.h>

using namespace dialog_test;
namespace automation = platform::automation;

namespace
{

constexpr int IdCheck = 200;
constexpr int IdRadio1 = 301;
constexpr int IdRadio2 = 302;
constexpr int IdRadio3 = 303;
constexpr int IdOther = 304;
constexpr int IdGroup = 400;
constexpr int IdOwner = 500;

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;

class ButtonTest : public DialogTest
{
protected:
    void AddOkCancel()
    {
        dialogTemplate.Add("Button", "OK", IDOK, Child | WS_TABSTOP | BS_DEFPUSHBUTTON, 140, 10, 50,
                           14);
        dialogTemplate.Add("Button", "Cancel", IDCANCEL, Child | WS_TABSTOP | BS_PUSHBUTTON, 140,
                           30, 50, 14);
    }

    UINT Check(int id) { return static_cast<UINT>(Send(Item(id), BM_GETCHECK)); }
    UINT State(int id) { return static_cast<UINT>(Send(Item(id), BM_GETSTATE)); }
};

TEST_F(ButtonTest, ClickingAPushButtonNotifiesOnceAndTakesTheFocus)
{
    AddOkCancel();
    Show();
    ASSERT_TRUE(automation::Click(Item(IDCANCEL)));
    EXPECT_EQ(CommandsFrom(IDCANCEL), (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));
    EXPECT_EQ(automation::FocusOf(), Item(IDCANCEL));
    EXPECT_EQ(State(IDCANCEL), static_cast<UINT>(BST_FOCUS));
}

TEST_F(ButtonTest, APressFollowsThePointerAndOnlyAReleaseOverTheButtonClicks)
{
    AddOkCancel();
    Show();
    HWND cancel = Item(IDCANCEL);
    MoveTo(cancel, POINT{10, 5});
    MouseButton(false);
    automation::WaitIdle(dialog);
    EXPECT_EQ(State(IDCANCEL) & BST_PUSHED, static_cast<UINT>(BST_PUSHED));
    EXPECT_EQ(GetCapture(), nullptr) << "capture is per thread; the dialog's thread holds it";

    MoveTo(cancel, POINT{-20, 5});
    automation::WaitIdle(dialog);
    EXPECT_EQ(State(IDCANCEL) & BST_PUSHED, 0u) << "moving off unpushes";
    MoveTo(cancel, POINT{12, 6});
    automation::WaitIdle(dialog);
    EXPECT_EQ(State(IDCANCEL) & BST_PUSHED, static_cast<UINT>(BST_PUSHED)) << "moving back pushes";
    MoveTo(cancel, POINT{-20, 5});
    MouseButton(true);
    automation::WaitIdle(dialog);
    EXPECT_TRUE(CommandsFrom(IDCANCEL).empty()) << "released off the button";

    ASSERT_TRUE(automation::Drag(cancel, POINT{-20, 5}, POINT{10, 5}));
    EXPECT_TRUE(CommandsFrom(IDCANCEL).empty()) << "pressed elsewhere, released over it";

    ASSERT_TRUE(automation::Drag(cancel, POINT{10, 5}, POINT{20, 6}));
    EXPECT_EQ(CommandsFrom(IDCANCEL), (std::vector<Command>{{IDCANCEL, BN_CLICKED}}));
}

TEST_F(ButtonTest, SpacePushesOnPressAndClicksOnRelease)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Check", IdCheck, Child | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 10, 80,
                       10);
    Show();
    ASSERT_TRUE(automation::Click(Item(IdCheck)));
    ASSERT_EQ(Check(IdCheck), static_cast<UINT>(BST_CHECKED));
    ClearRecord();

    Key(VK_SPACE, false);
    automation::WaitIdle(dialog);
    EXPECT_EQ(State(IdCheck), static_cast<UINT>(BST_PUSHED | BST_FOCUS | BST_CHECKED));
    EXPECT_TRUE(Commands().empty());
    Key(VK_SPACE, true);
    automation::WaitIdle(dialog);
    EXPECT_EQ(Check(IdCheck), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(State(IdCheck), static_cast<UINT>(BST_FOCUS));
    EXPECT_EQ(Commands(), (std::vector<Command>{{IdCheck, BN_CLICKED}}));
}

TEST_F(ButtonTest, DoubleClicksCountAsSecondClicksUnlessTheTypeReportsThem)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Notify", IdOther, Child | WS_TABSTOP | BS_PUSHBUTTON | BS_NOTIFY,
                       10, 70, 50, 14);
    dialogTemplate.Add("Button", "Radio", IdRadio1, Child | WS_TABSTOP | BS_RADIOBUTTON | WS_GROUP,
                       10, 10, 80, 10);
    dialogTemplate.Add("Button", "Auto", IdCheck, Child | WS_TABSTOP | BS_AUTOCHECKBOX | WS_GROUP,
                       10, 30, 80, 10);
    Show();

    ASSERT_TRUE(automation::DoubleClick(Item(IDCANCEL)));
    EXPECT_EQ(CommandsFrom(IDCANCEL),
              (std::vector<Command>{{IDCANCEL, BN_CLICKED}, {IDCANCEL, BN_CLICKED}}));

    ASSERT_TRUE(automation::DoubleClick(Item(IdCheck)));
    EXPECT_EQ(CommandsFrom(IdCheck),
              (std::vector<Command>{{IdCheck, BN_CLICKED}, {IdCheck, BN_CLICKED}}));
    EXPECT_EQ(Check(IdCheck), static_cast<UINT>(BST_UNCHECKED)) << "toggled twice";

    ASSERT_TRUE(automation::DoubleClick(Item(IdRadio1)));
    EXPECT_EQ(CommandsFrom(IdRadio1),
              (std::vector<Command>{{IdRadio1, BN_CLICKED}, {IdRadio1, BN_DOUBLECLICKED}}));
    EXPECT_EQ(Check(IdRadio1), static_cast<UINT>(BST_UNCHECKED))
        << "a plain radio button is the program's to check";

    ASSERT_TRUE(automation::DoubleClick(Item(IdOther)));
    EXPECT_EQ(CommandsFrom(IdOther),
              (std::vector<Command>{
                  {IdOther, BN_SETFOCUS}, {IdOther, BN_CLICKED}, {IdOther, BN_DOUBLECLICKED}}));
    ASSERT_TRUE(automation::Press(VK_TAB));
    EXPECT_EQ(CommandsFrom(IdOther).back(), (Command{IdOther, BN_KILLFOCUS}));
}

TEST_F(ButtonTest, AutomaticCheckBoxesToggleAndThreeStateOnesCycle)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Two", IdCheck, Child | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 10, 80,
                       10);
    dialogTemplate.Add("Button", "Three", IdOther, Child | WS_TABSTOP | BS_AUTO3STATE, 10, 30, 80,
                       10);
    dialogTemplate.Add("Button", "Manual", IdRadio1, Child | WS_TABSTOP | BS_CHECKBOX, 10, 50, 80,
                       10);
    Show();

    for (UINT expected : {BST_CHECKED, BST_UNCHECKED, BST_CHECKED})
    {
        ASSERT_TRUE(automation::Click(Item(IdCheck)));
        EXPECT_EQ(Check(IdCheck), expected);
    }
    for (UINT expected : {BST_CHECKED, BST_INDETERMINATE, BST_UNCHECKED, BST_CHECKED})
    {
        ASSERT_TRUE(automation::Click(Item(IdOther)));
        EXPECT_EQ(Check(IdOther), expected);
    }
    ASSERT_TRUE(automation::Click(Item(IdRadio1)));
    EXPECT_EQ(Check(IdRadio1), static_cast<UINT>(BST_UNCHECKED))
        << "BS_CHECKBOX leaves it to the program";
    EXPECT_EQ(CommandsFrom(IdRadio1), (std::vector<Command>{{IdRadio1, BN_CLICKED}}));
    EXPECT_EQ(CommandsFrom(IdOther).size(), 4u);
}

TEST_F(ButtonTest, ClickingAnAutomaticRadioButtonUnchecksTheRestOfItsGroupOnly)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Group", IdGroup, Child | BS_GROUPBOX, 5, 2, 100, 60);
    dialogTemplate.Add("Button", "One", IdRadio1,
                       Child | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 10, 12, 80, 10);
    dialogTemplate.Add("Button", "Two", IdRadio2, Child | BS_AUTORADIOBUTTON, 10, 26, 80, 10);
    dialogTemplate.Add("Button", "Three", IdRadio3, Child | BS_AUTORADIOBUTTON, 10, 40, 80, 10);
    dialogTemplate.Add("Button", "Other", IdOther,
                       Child | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 10, 70, 80, 10);
    Show();
    ASSERT_TRUE(automation::Click(Item(IdOther)));
    ASSERT_TRUE(automation::Click(Item(IdRadio1)));
    EXPECT_EQ(Check(IdRadio1), static_cast<UINT>(BST_CHECKED));

    // The group box lies above the radio buttons in the z-order: clicks pass through it.
    ASSERT_TRUE(automation::Click(Item(IdRadio2)));
    EXPECT_EQ(Check(IdRadio1), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Check(IdRadio2), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(IdOther), static_cast<UINT>(BST_CHECKED)) << "another group";
    EXPECT_EQ(automation::FocusOf(), Item(IdRadio2));
    // The checked radio button is the group's tab stop.
    EXPECT_TRUE(GetWindowLongA(Item(IdRadio2), GWL_STYLE) & WS_TABSTOP);
    EXPECT_FALSE(GetWindowLongA(Item(IdRadio1), GWL_STYLE) & WS_TABSTOP);

    // Arrow keys move through the group and check as they go, wrapping round.
    ASSERT_TRUE(automation::Press(VK_DOWN));
    EXPECT_EQ(Check(IdRadio3), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(IdRadio2), static_cast<UINT>(BST_UNCHECKED));
    ASSERT_TRUE(automation::Press(VK_DOWN));
    EXPECT_EQ(Check(IdRadio1), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(Check(IdRadio3), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_EQ(Check(IdOther), static_cast<UINT>(BST_CHECKED));

    EXPECT_EQ(Send(Item(IdGroup), WM_GETDLGCODE), DLGC_STATIC);
    EXPECT_EQ(Send(Item(IdRadio1), WM_GETDLGCODE), DLGC_BUTTON | DLGC_RADIOBUTTON);
}

TEST_F(ButtonTest, DisabledButtonsIgnoreClicksAndBmClickAndDrawGrey)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Off", IdCheck, Child | WS_TABSTOP | WS_DISABLED | BS_AUTOCHECKBOX,
                       10, 10, 80, 10);
    Show();
    ASSERT_TRUE(automation::Click(Item(IdCheck)));
    Send(Item(IdCheck), BM_CLICK);
    EXPECT_EQ(Check(IdCheck), static_cast<UINT>(BST_UNCHECKED));
    EXPECT_TRUE(CommandsFrom(IdCheck).empty());
    EXPECT_NE(platform::Snapshot(dialog).find("~[ ] Off~"), std::string::npos);

    ui.Run([this] { return static_cast<LRESULT>(EnableWindow(Item(IdCheck), TRUE)); });
    Send(Item(IdCheck), BM_CLICK);
    EXPECT_EQ(Check(IdCheck), static_cast<UINT>(BST_CHECKED));
    EXPECT_EQ(CommandsFrom(IdCheck), (std::vector<Command>{{IdCheck, BN_CLICKED}}));
}

TEST_F(ButtonTest, TheDefaultLookFollowsTheFocusAmongPushButtons)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Check", IdCheck, Child | WS_TABSTOP | BS_AUTOCHECKBOX, 10, 10, 80,
                       10);
    Show();
    auto look = [this](int id) { return Rows(Item(id))[0]; };
    ASSERT_EQ(automation::FocusOf(), Item(IDOK));
    EXPECT_EQ(look(IDOK), "[[    OK    ]]");
    EXPECT_EQ(look(IDCANCEL), "[   Cancel   ]");
    // The outer brackets are bold, the inner ones and the caption not.
    platform::Canvas ok = platform::RenderWindow(Item(IDOK));
    EXPECT_TRUE(ok.At(0, 0).attributes & platform::CellBold);
    EXPECT_TRUE(ok.At(13, 0).attributes & platform::CellBold);
    EXPECT_FALSE(ok.At(1, 0).attributes & platform::CellBold);
    EXPECT_FALSE(ok.At(5, 0).attributes & platform::CellBold);

    ASSERT_TRUE(automation::Press(VK_TAB));
    EXPECT_EQ(look(IDOK), "[     OK     ]");
    EXPECT_EQ(look(IDCANCEL), "[[  Cancel  ]]");
    EXPECT_EQ(Send(Item(IDCANCEL), WM_GETDLGCODE), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_NE(platform::Snapshot(dialog).find(">[[  Cancel  ]]<"), std::string::npos);

    // On a control that is not a push button the dialog's own default button has the look.
    ASSERT_TRUE(automation::Press(VK_TAB));
    EXPECT_EQ(automation::FocusOf(), Item(IdCheck));
    EXPECT_EQ(look(IDOK), "[[    OK    ]]");
    EXPECT_EQ(look(IDCANCEL), "[   Cancel   ]");
    EXPECT_EQ(Send(Item(IDOK), WM_GETDLGCODE), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    EXPECT_NE(platform::Snapshot(dialog).find(">Check<"), std::string::npos);

    // Enter there presses the default button.
    ASSERT_TRUE(automation::Press(VK_RETURN));
    EXPECT_EQ(CommandsFrom(IDOK), (std::vector<Command>{{IDOK, BN_CLICKED}}));
}

TEST_F(ButtonTest, OwnerDrawnButtonsAskTheParentToDrawEachChange)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Owner", IdOwner, Child | WS_TABSTOP | BS_OWNERDRAW, 10, 10, 50,
                       14);
    Show();
    EXPECT_EQ(Send(Item(IdOwner), WM_GETDLGCODE), DLGC_BUTTON);
    ClearRecord();

    MoveTo(Item(IdOwner), POINT{5, 5});
    MouseButton(false);
    automation::WaitIdle(dialog);
    MouseButton(true);
    automation::WaitIdle(dialog);
    platform::Snapshot(dialog);

    std::vector<DrawItem> items = DrawItems();
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[0].action, static_cast<UINT>(ODA_FOCUS));
    EXPECT_EQ(items[0].state, static_cast<UINT>(ODS_FOCUS));
    EXPECT_EQ(items[1].action, static_cast<UINT>(ODA_SELECT));
    EXPECT_EQ(items[1].state, static_cast<UINT>(ODS_SELECTED | ODS_FOCUS));
    EXPECT_EQ(items[2].action, static_cast<UINT>(ODA_SELECT));
    EXPECT_EQ(items[2].state, static_cast<UINT>(ODS_FOCUS));
    EXPECT_EQ(items[3].action, static_cast<UINT>(ODA_DRAWENTIRE));
    for (const DrawItem& item : items)
        EXPECT_EQ(item.id, static_cast<UINT>(IdOwner));
    EXPECT_EQ(CommandsFrom(IdOwner), (std::vector<Command>{{IdOwner, BN_CLICKED}}));

    ClearRecord();
    ASSERT_TRUE(automation::Press(VK_TAB));
    ui.Run([this] { return static_cast<LRESULT>(EnableWindow(Item(IdOwner), FALSE)); });
    platform::Snapshot(dialog);
    items = DrawItems();
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].action, static_cast<UINT>(ODA_FOCUS));
    EXPECT_EQ(items[0].state, 0u);
    EXPECT_EQ(items[1].action, static_cast<UINT>(ODA_DRAWENTIRE));
    EXPECT_EQ(items[1].state, static_cast<UINT>(ODS_DISABLED));

    ui.Run([this] { return static_cast<LRESULT>(EnableWindow(Item(IdOwner), TRUE)); });
    ClearRecord();
    ASSERT_TRUE(automation::DoubleClick(Item(IdOwner)));
    EXPECT_EQ(CommandsFrom(IdOwner),
              (std::vector<Command>{{IdOwner, BN_CLICKED}, {IdOwner, BN_DOUBLECLICKED}}));
}

TEST_F(ButtonTest, ChecksBoxesRadioButtonsAndGroupBoxesReadAsText)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Options", IdGroup, Child | BS_GROUPBOX, 4, 0, 100, 66);
    dialogTemplate.Add("Button", "&Alpha", IdCheck, Child | WS_TABSTOP | BS_AUTO3STATE, 10, 12, 80,
                       10);
    dialogTemplate.Add("Button", "Beta", IdRadio1, Child | WS_TABSTOP | BS_AUTORADIOBUTTON, 10, 24,
                       80, 10);
    dialogTemplate.Add("Button", "Left", IdRadio2, Child | BS_AUTOCHECKBOX | BS_LEFTTEXT | BS_RIGHT,
                       10, 36, 80, 10);
    dialogTemplate.Add("Button", "Gamma delta epsilon", IdRadio3,
                       Child | BS_AUTOCHECKBOX | BS_MULTILINE, 10, 46, 60, 16);
    Show();
    Send(Item(IdCheck), BM_SETCHECK, BST_INDETERMINATE);
    Send(Item(IdRadio1), BM_SETCHECK, BST_CHECKED);
    Send(Item(IdRadio2), BM_SETCHECK, BST_CHECKED);

    std::vector<std::string> group = Rows(Item(IdGroup));
    EXPECT_EQ(group.front(), "+- Options -----------------+");
    EXPECT_EQ(group.back(), "+---------------------------+");
    EXPECT_EQ(Rows(Item(IdCheck))[0], "[-] Alpha");
    EXPECT_EQ(Rows(Item(IdRadio1))[0], "(*) Beta");
    EXPECT_EQ(Rows(Item(IdRadio2))[0], "               Left [x]");
    EXPECT_EQ(Rows(Item(IdRadio3)), (std::vector<std::string>{"[ ] Gamma delta", "    epsilon"}));

    // The group box's frame surrounds the controls drawn beneath it, without hiding them.
    std::string all = platform::Snapshot(dialog);
    for (const char* inside : {"[-] Alpha", "(*) Beta"})
    {
        bool framed = false;
        for (const std::string& line : Lines(all))
        {
            size_t at = line.find(inside);
            if (at != std::string::npos)
                framed = line.rfind("| |", at) != std::string::npos &&
                         line.find('|', at) != std::string::npos;
        }
        EXPECT_TRUE(framed) << inside << " in\n" << all;
    }
}

TEST_F(ButtonTest, ProgramsSetChecksStylesAndImages)
{
    AddOkCancel();
    dialogTemplate.Add("Button", "Check", IdCheck, Child | WS_TABSTOP | BS_CHECKBOX, 10, 10, 80,
                       10);
    dialogTemplate.Add("Button", "Image", IdOther, Child | WS_TABSTOP | BS_PUSHBUTTON | BS_BITMAP,
                       10, 30, 50, 14);
    Show();

    // Each type holds only the check states it has.
    Send(Item(IdCheck), BM_SETCHECK, BST_INDETERMINATE);
    EXPECT_EQ(Check(IdCheck), static_cast<UINT>(BST_CHECKED));
    Send(Item(IDCANCEL), BM_SETCHECK, BST_CHECKED);
    EXPECT_EQ(Check(IDCANCEL), static_cast<UINT>(BST_UNCHECKED));

    // BM_SETSTYLE changes the type, and with it how the dialog manager sees the button.
    Send(Item(IdCheck), BM_SETSTYLE, BS_AUTORADIOBUTTON, TRUE);
    EXPECT_EQ(GetWindowLongA(Item(IdCheck), GWL_STYLE) & (BS_TYPEMASK | WS_TABSTOP | WS_VISIBLE),
              BS_AUTORADIOBUTTON | WS_TABSTOP | WS_VISIBLE);
    EXPECT_EQ(Send(Item(IdCheck), WM_GETDLGCODE), DLGC_BUTTON | DLGC_RADIOBUTTON);
    EXPECT_EQ(Rows(Item(IdCheck))[0], "(*) Check");

    Send(Item(IdCheck), BM_SETSTATE, TRUE);
    EXPECT_EQ(State(IdCheck), static_cast<UINT>(BST_PUSHED | BST_CHECKED));
    Send(Item(IdCheck), BM_SETSTATE, FALSE);

    // A 12 x 13 pixel bitmap, black on its left half, fills two cells in the button's middle.
    const DWORD pixels[13 * 12] = {};
    HBITMAP black = CreateBitmap(12, 13, 1, 32, pixels);
    EXPECT_EQ(Send(Item(IdOther), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(black)), 0);
    EXPECT_EQ(Send(Item(IdOther), BM_GETIMAGE, IMAGE_BITMAP), reinterpret_cast<LRESULT>(black));
    EXPECT_EQ(Rows(Item(IdOther))[0], "[     ##     ]");
    EXPECT_EQ(Send(Item(IdOther), BM_SETIMAGE, IMAGE_BITMAP, 0), reinterpret_cast<LRESULT>(black));
    DeleteObject(black);

    ui.Run([this] { return static_cast<LRESULT>(SetWindowTextA(Item(IdOther), "Renamed")); });
    EXPECT_EQ(Rows(Item(IdOther))[0], "[  Renamed   ]");
}

} // namespace
