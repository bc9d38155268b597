// The "Static" control: how labels, frames and bitmaps read in the text renderer, how clicks
// pass through a static or notify, and how SS_BITMAP statics find their bitmaps.

#include "dialog_test_util.h"
#include "res/controls_test_res.h"

#include <windows.h>

using namespace dialog_test;
namespace automation = platform::automation;

namespace
{

constexpr DWORD Child = WS_CHILD | WS_VISIBLE;

class StaticTest : public DialogTest
{
protected:
    // Creates a control in the dialog on its thread, with this program as its module.
    HWND Create(const char* className, LPCSTR title, DWORD style, int id, int x, int y, int cx,
                int cy)
    {
        return reinterpret_cast<HWND>(ui.Run([=, this] {
            return reinterpret_cast<LRESULT>(
                CreateWindowExA(0, className, title, style, x, y, cx, cy, dialog,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr));
        }));
    }

    SIZE SizeOf(HWND hwnd)
    {
        RECT r{};
        GetWindowRect(hwnd, &r);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
};

TEST_F(StaticTest, TextWrapsAlignsAndUnderlinesMnemonics)
{
    // 60 dialog units are 105 pixels, 17 cells; 24 units are 39 pixels, 3 rows.
    dialogTemplate.Add("Static", "The quick brown fox jumps over", 1, Child | SS_LEFT, 0, 0, 60,
                       24);
    dialogTemplate.Add("Static", "Centred words", 2, Child | SS_CENTER, 0, 30, 60, 8);
    dialogTemplate.Add("Static", "Right", 3, Child | SS_RIGHT, 0, 40, 60, 8);
    dialogTemplate.Add("Static", "Never wrapped at all", 4, Child | SS_LEFTNOWORDWRAP, 0, 50, 60,
                       8);
    dialogTemplate.Add("Static", "&Name:", 5, Child | SS_LEFT, 0, 60, 60, 8);
    dialogTemplate.Add("Static", "A && B & C", 6, Child | SS_LEFT | SS_NOPREFIX, 0, 70, 60, 8);
    Show();
    EXPECT_EQ(Rows(Item(1)), (std::vector<std::string>{"The quick brown", "fox jumps over", ""}));
    EXPECT_EQ(Rows(Item(2))[0], "  Centred words");
    EXPECT_EQ(Rows(Item(3))[0], "            Right");
    EXPECT_EQ(Rows(Item(4))[0], "Never wrapped at");
    EXPECT_EQ(Rows(Item(5))[0], "Name:");
    platform::Canvas name = platform::RenderWindow(Item(5));
    EXPECT_TRUE(name.At(0, 0).attributes & platform::CellUnderline);
    EXPECT_FALSE(name.At(1, 0).attributes & platform::CellUnderline);
    EXPECT_EQ(Rows(Item(6))[0], "A && B & C");
    EXPECT_EQ(Send(Item(1), WM_GETDLGCODE), DLGC_STATIC);

    // New text shows at once.
    ui.Run([this] { return static_cast<LRESULT>(SetWindowTextA(Item(3), "Changed")); });
    EXPECT_EQ(Rows(Item(3))[0], "          Changed");
}

TEST_F(StaticTest, ALabelsMnemonicMovesTheFocusToTheControlAfterIt)
{
    dialogTemplate.Add("Button", "OK", IDOK, Child | WS_TABSTOP | BS_DEFPUSHBUTTON, 0, 0, 50, 14);
    dialogTemplate.Add("Static", "&Name:", 1, Child | SS_LEFT, 0, 20, 60, 8);
    dialogTemplate.Add("Button", "Target", 2, Child | WS_TABSTOP | BS_AUTOCHECKBOX, 0, 30, 60, 10);
    Show();
    ASSERT_EQ(automation::FocusOf(), Item(IDOK));
    ASSERT_TRUE(automation::Type("n"));
    EXPECT_EQ(automation::FocusOf(), Item(2));
    EXPECT_EQ(Send(Item(2), BM_GETCHECK), BST_UNCHECKED) << "the focus moves; nothing is clicked";
}

TEST_F(StaticTest, DisabledTextIsGreyExceptSimpleText)
{
    dialogTemplate.Add("Static", "Greyed", 1, Child | WS_DISABLED | SS_LEFT, 0, 0, 60, 8);
    dialogTemplate.Add("Static", "Plain", 2, Child | WS_DISABLED | SS_SIMPLE, 0, 20, 60, 8);
    dialogTemplate.Add("Static", "Live", 3, Child | SS_LEFT, 0, 40, 60, 8);
    Show();
    std::string all = platform::Snapshot(dialog);
    EXPECT_NE(all.find("~Greyed~"), std::string::npos) << all;
    EXPECT_NE(all.find("|Plain "), std::string::npos) << all;
    EXPECT_NE(all.find("|Live "), std::string::npos) << all;
    ui.Run([this] { return static_cast<LRESULT>(EnableWindow(Item(3), FALSE)); });
    EXPECT_NE(platform::Snapshot(dialog).find("~Live~"), std::string::npos);
}

TEST_F(StaticTest, FramesRectanglesAndEtchedLinesReadAsLines)
{
    // 4 x 3 cells each: 16 x 24 dialog units are 24 x 39 pixels.
    dialogTemplate.Add("Static", "", 1, Child | SS_BLACKFRAME, 0, 0, 16, 24);
    dialogTemplate.Add("Static", "", 2, Child | SS_BLACKRECT, 20, 0, 16, 24);
    dialogTemplate.Add("Static", "", 3, Child | SS_GRAYRECT, 40, 0, 16, 24);
    dialogTemplate.Add("Static", "", 4, Child | SS_ETCHEDFRAME, 60, 0, 16, 24);
    dialogTemplate.Add("Static", "", 5, Child | SS_ETCHEDHORZ, 0, 30, 40, 1);
    dialogTemplate.Add("Static", "", 6, Child | SS_ETCHEDVERT, 90, 0, 1, 24);
    dialogTemplate.Add("Static", "", 7, Child | SS_BLACKRECT, 0, 40, 40, 1);
    dialogTemplate.Add("Static", "Sunk", 8, Child | SS_SUNKEN, 0, 50, 40, 12);
    Show();
    const std::vector<std::string> box{"+--+", "|  |", "+--+"};
    EXPECT_EQ(Rows(Item(1)), box);
    EXPECT_EQ(Rows(Item(2)), (std::vector<std::string>{"####", "####", "####"}));
    EXPECT_EQ(Rows(Item(3)), (std::vector<std::string>{"::::", "::::", "::::"}));
    EXPECT_EQ(Rows(Item(4)), box);
    EXPECT_EQ(Rows(Item(5)), (std::vector<std::string>{"-----------"}));
    EXPECT_EQ(Rows(Item(6)), (std::vector<std::string>{"|", "|", "|"}));
    EXPECT_EQ(Rows(Item(7)), (std::vector<std::string>{"-----------"}))
        << "a thin rectangle is a line";
    // SS_SUNKEN frames the control outside its client area, as WS_EX_STATICEDGE does.
    EXPECT_TRUE(GetWindowLongA(Item(8), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_EQ(Rows(Item(8))[0], "[Sunk     ]");
}

TEST_F(StaticTest, ClicksPassThroughAStaticUnlessItNotifies)
{
    // The label is created first, so it lies above the button it covers.
    dialogTemplate.Add("Static", "Cover", 1, Child | SS_LEFT, 0, 0, 60, 14);
    dialogTemplate.Add("Button", "Under", 2, Child | WS_TABSTOP | BS_PUSHBUTTON, 0, 0, 60, 14);
    dialogTemplate.Add("Static", "Notify", 3, Child | SS_LEFT | SS_NOTIFY, 0, 30, 60, 14);
    Show();
    POINT onLabel{10, 5};
    EXPECT_EQ(Send(Item(1), WM_NCHITTEST, 0, 0), HTTRANSPARENT);
    ASSERT_TRUE(automation::Click(Item(1), onLabel));
    EXPECT_EQ(Commands(), (std::vector<Command>{{2, BN_CLICKED}}));

    ClearRecord();
    ASSERT_TRUE(automation::Click(Item(3)));
    ASSERT_TRUE(automation::DoubleClick(Item(3)));
    ui.Run([this] { return static_cast<LRESULT>(EnableWindow(Item(3), FALSE)); });
    ui.Run([this] { return static_cast<LRESULT>(EnableWindow(Item(3), TRUE)); });
    EXPECT_EQ(Commands(), (std::vector<Command>{{3, STN_CLICKED},
                                                {3, STN_CLICKED},
                                                {3, STN_DBLCLK},
                                                {3, STN_DISABLE},
                                                {3, STN_ENABLE}}));
    EXPECT_NE(automation::FocusOf(), Item(3)) << "a static never takes the focus";
}

TEST_F(StaticTest, BitmapStaticsLoadTheirBitmapAndTakeItsSize)
{
    dialogTemplate.Add("Static", "PATTERN", 1, Child | SS_BITMAP, 0, 0, 60, 40);
    dialogTemplate.Add("Static", "NO_SUCH_BITMAP", 2, Child | SS_BITMAP, 0, 50, 20, 20);
    Show();
    // The bitmap is 24 x 26 pixels: black and grey above, white and black below.
    const std::vector<std::string> pattern{"##::", "  ##"};
    EXPECT_EQ(SizeOf(Item(1)).cx, 24);
    EXPECT_EQ(SizeOf(Item(1)).cy, 26);
    EXPECT_EQ(Rows(Item(1)), pattern);

    // A missing bitmap leaves the control as it was, and empty.
    EXPECT_EQ(Send(Item(2), STM_GETIMAGE, IMAGE_BITMAP), 0);
    EXPECT_EQ(SizeOf(Item(2)).cx, 35);
    EXPECT_EQ(platform::Snapshot(Item(2)).find_first_not_of(" \n"), std::string::npos);

    // A title given as an ordinal names the bitmap by number.
    HWND byNumber =
        Create("Static", MAKEINTRESOURCE(IDB_PATTERN), Child | SS_BITMAP, 10, 120, 0, 5, 5);
    ASSERT_NE(byNumber, nullptr);
    EXPECT_EQ(SizeOf(byNumber).cx, 24);
    EXPECT_EQ(Rows(byNumber), pattern);
    HBITMAP loaded = reinterpret_cast<HBITMAP>(Send(byNumber, STM_GETIMAGE, IMAGE_BITMAP));
    EXPECT_NE(loaded, nullptr);
    EXPECT_EQ(Send(byNumber, STM_GETIMAGE, IMAGE_ICON), 0);

    // SS_CENTERIMAGE keeps the control's size and centres the bitmap.
    HWND centred =
        Create("Static", "PATTERN", Child | SS_BITMAP | SS_CENTERIMAGE, 11, 120, 40, 48, 52);
    EXPECT_EQ(SizeOf(centred).cx, 48);
    EXPECT_EQ(Rows(centred), (std::vector<std::string>{"", "  ##::", "    ##", ""}));
}

TEST_F(StaticTest, ProgramsSwapImagesWithStmSetImage)
{
    Show();
    HWND bitmapStatic =
        Create("Static", "", Child | SS_BITMAP | SS_REALSIZECONTROL, 1, 0, 0, 60, 26);
    HWND textStatic = Create("Static", "Text", Child | SS_LEFT, 2, 0, 40, 60, 13);
    HBITMAP pattern = LoadBitmapA(GetModuleHandleA(nullptr), "PATTERN");
    ASSERT_NE(pattern, nullptr);

    EXPECT_EQ(Send(bitmapStatic, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pattern)), 0);
    EXPECT_EQ(Send(bitmapStatic, STM_GETIMAGE, IMAGE_BITMAP), reinterpret_cast<LRESULT>(pattern));
    EXPECT_EQ(SizeOf(bitmapStatic).cx, 60) << "SS_REALSIZECONTROL keeps the control's size";
    EXPECT_EQ(Rows(bitmapStatic)[0], "##::");

    // Only bitmaps, and only for SS_BITMAP statics.
    EXPECT_EQ(Send(bitmapStatic, STM_SETIMAGE, IMAGE_BITMAP,
                   reinterpret_cast<LPARAM>(GetStockObject(BLACK_BRUSH))),
              0);
    EXPECT_EQ(Send(textStatic, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(pattern)), 0);
    EXPECT_EQ(Send(bitmapStatic, STM_GETIMAGE, IMAGE_BITMAP), reinterpret_cast<LRESULT>(pattern));

    // The replaced bitmap comes back to the caller, who deletes it.
    EXPECT_EQ(Send(bitmapStatic, STM_SETIMAGE, IMAGE_BITMAP, 0),
              reinterpret_cast<LRESULT>(pattern));
    EXPECT_TRUE(DeleteObject(pattern));
    EXPECT_EQ(platform::Snapshot(bitmapStatic).find_first_not_of(" \n"), std::string::npos);
}

} // namespace
