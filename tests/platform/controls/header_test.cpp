// The "SysHeader32" control on its own: items, HDM_SETITEM's notifications (and a parent that
// refuses them), layout, hit testing and how the text renderer shows it.

#include "platform/render.h"
#include "platform/ui_thread.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

struct Seen
{
    UINT code;
    int item;
    int width;
    bool operator==(const Seen&) const = default;
};

// The parent: a plain window that records header notifications and refuses changes to item 2.
std::vector<Seen>& SeenByParent()
{
    static std::vector<Seen> seen;
    return seen;
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NOTIFY)
    {
        const auto* nm = reinterpret_cast<const NMHEADERA*>(lParam);
        const int width = nm->pitem && (nm->pitem->mask & HDI_WIDTH) ? nm->pitem->cxy : -1;
        SeenByParent().push_back(Seen{nm->hdr.code, nm->iItem, width});
        return nm->hdr.code == HDN_ITEMCHANGINGA && nm->iItem == 2;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class Header : public ::testing::Test
{
protected:
    platform::UiThread ui;
    HWND parent = nullptr;
    HWND header = nullptr;

    void SetUp() override
    {
        SeenByParent().clear();
        ui.Run([this] {
            WNDCLASSA wc{};
            wc.lpfnWndProc = ParentProc;
            wc.lpszClassName = "HeaderTestParent";
            RegisterClassA(&wc);
            parent = CreateWindowExA(0, "HeaderTestParent", "", WS_POPUP | WS_VISIBLE, 0, 0, 300,
                                     100, nullptr, nullptr, nullptr, nullptr);
            header = CreateWindowExA(0, WC_HEADERA, "", WS_CHILD | WS_VISIBLE | HDS_BUTTONS, 0, 0,
                                     240, 13, parent, nullptr, nullptr, nullptr);
            return 0;
        });
        ASSERT_NE(header, nullptr);
    }

    void TearDown() override
    {
        ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(parent)); });
    }

    int Insert(int at, const char* text, int width, int fmt = HDF_LEFT)
    {
        HDITEMA item{};
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
        item.pszText = const_cast<LPSTR>(text);
        item.cxy = width;
        item.fmt = fmt | HDF_STRING;
        return static_cast<int>(SendMessageA(header, HDM_INSERTITEMA, static_cast<WPARAM>(at),
                                             reinterpret_cast<LPARAM>(&item)));
    }

    // What the parent saw, read on the user-interface thread that wrote it.
    std::vector<Seen> Notified()
    {
        std::vector<Seen> copy;
        ui.Run([&] {
            copy = SeenByParent();
            return 0;
        });
        return copy;
    }
};

TEST_F(Header, ItemsInsertAtTheirPlaceAndLieSideBySide)
{
    EXPECT_EQ(Insert(0, "Second", 60), 0);
    EXPECT_EQ(Insert(0, "First", 48), 0);
    EXPECT_EQ(Insert(10, "Third", 36, HDF_RIGHT), 2);
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 3);
    RECT rect{};
    ASSERT_TRUE(SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect)));
    EXPECT_EQ(rect.left, 108);
    EXPECT_EQ(rect.right, 144);

    char text[16] = {};
    HDITEMA item{};
    item.mask = HDI_TEXT | HDI_WIDTH;
    item.pszText = text;
    item.cchTextMax = sizeof text;
    ASSERT_TRUE(SendMessageA(header, HDM_GETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    EXPECT_STREQ(text, "Second");
    EXPECT_EQ(item.cxy, 60);
    EXPECT_TRUE(SendMessageA(header, HDM_DELETEITEM, 0, 0));
    EXPECT_FALSE(SendMessageA(header, HDM_DELETEITEM, 5, 0));
    EXPECT_EQ(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0), 2);
    EXPECT_TRUE(Notified().empty()) << "inserting and deleting are not announced";
}

TEST_F(Header, SettingAnItemAsksTheParentFirst)
{
    Insert(0, "A", 30);
    Insert(1, "B", 30);
    Insert(2, "C", 30);
    HDITEMA item{};
    item.mask = HDI_WIDTH;
    item.cxy = 50;
    ASSERT_TRUE(SendMessageA(header, HDM_SETITEMA, 1, reinterpret_cast<LPARAM>(&item)));
    EXPECT_FALSE(SendMessageA(header, HDM_SETITEMA, 2, reinterpret_cast<LPARAM>(&item)))
        << "refused";
    EXPECT_EQ(Notified(), (std::vector<Seen>{{HDN_ITEMCHANGINGA, 1, 50},
                                             {HDN_ITEMCHANGEDA, 1, 50},
                                             {HDN_ITEMCHANGINGA, 2, 50}}));
    RECT rect{};
    SendMessageA(header, HDM_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&rect));
    EXPECT_EQ(rect.left, 80);
    EXPECT_EQ(rect.right, 110) << "the refused width stays";
}

TEST_F(Header, LayoutAndHitTesting)
{
    Insert(0, "A", 30);
    Insert(1, "B", 30);
    RECT room{0, 0, 200, 100};
    WINDOWPOS pos{};
    HDLAYOUT layout{&room, &pos};
    ASSERT_TRUE(SendMessageA(header, HDM_LAYOUT, 0, reinterpret_cast<LPARAM>(&layout)));
    EXPECT_EQ(pos.cy, 13);
    EXPECT_EQ(pos.cx, 200);
    EXPECT_EQ(room.top, 13);

    HDHITTESTINFO hit{};
    hit.pt = POINT{10, 5};
    EXPECT_EQ(SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 0);
    EXPECT_EQ(hit.flags, static_cast<UINT>(HHT_ONHEADER));
    hit.pt = POINT{58, 5};
    EXPECT_EQ(SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), 1);
    EXPECT_EQ(hit.flags, static_cast<UINT>(HHT_ONDIVIDER));
    hit.pt = POINT{100, 5};
    EXPECT_EQ(SendMessageA(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)), -1);
    EXPECT_EQ(hit.flags, static_cast<UINT>(HHT_NOWHERE));
}

TEST_F(Header, SnapshotShowsTitlesAlignedWithDividersAndSortMarks)
{
    Insert(0, "Name", 60);
    Insert(1, "Weight", 60, HDF_RIGHT | HDF_SORTDOWN);
    Insert(2, "A very long title", 48);
    EXPECT_EQ(platform::Snapshot(header), " Name    | Weight v| A v...|\n");
}

} // namespace
