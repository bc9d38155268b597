// The status bar: where it places itself as its parent changes size (by a program and by the
// user's drag of a border or of the bar's size grip), its parts and their texts, simple mode,
// owner-drawn parts, notifications, and how the text renderer shows it.

#include "platform/automation.h"
#include "platform/render.h"
#include "platform/ui_thread.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace automation = platform::automation;

namespace
{

constexpr int BarId = 40;
// The bar's height: a text line of 13 pixels and its borders.
constexpr int BarHeight = 19;

struct Seen
{
    UINT code = 0;
    DWORD_PTR item = 0;
    ULONG_PTR itemData = 0;
};

// What the parent saw, read by the test thread while the parent may live on another.
struct Record
{
    std::mutex mutex;
    std::vector<Seen> seen;
};

Record& Recorded()
{
    static Record record;
    return record;
}

std::vector<Seen> SeenSoFar()
{
    std::lock_guard g(Recorded().mutex);
    return Recorded().seen;
}

void ClearSeen()
{
    std::lock_guard g(Recorded().mutex);
    Recorded().seen.clear();
}

// A parent as programs write one: it passes WM_SIZE on to its status bar and records the bar's
// notifications and owner-draw requests.
LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_SIZE:
        if (HWND bar = GetDlgItem(hwnd, BarId))
            SendMessageA(bar, WM_SIZE, wParam, lParam);
        return 0;
    case WM_NOTIFY: {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        Seen seen{header->code, 0, 0};
        if (header->code == NM_CLICK || header->code == NM_RCLICK || header->code == NM_DBLCLK)
            seen.item = reinterpret_cast<const NMMOUSE*>(lParam)->dwItemSpec;
        std::lock_guard g(Recorded().mutex);
        Recorded().seen.push_back(seen);
        return 0;
    }
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        TextOutA(item->hDC, item->rcItem.left, item->rcItem.top, "drawn", 5);
        std::lock_guard g(Recorded().mutex);
        Recorded().seen.push_back(Seen{WM_DRAWITEM, item->itemID, item->itemData});
        return TRUE;
    }
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* ParentClass()
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "StatusBarTestParent";
        return RegisterClassA(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    return "StatusBarTestParent";
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size())
    {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

// A rectangle as "left,top,right,bottom", for comparisons that print what differs.
std::string S(const RECT& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
           "," + std::to_string(r.bottom);
}

// The bar's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND bar)
{
    RECT r{};
    GetWindowRect(bar, &r);
    MapWindowPoints(nullptr, GetParent(bar), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ClientOf(HWND hwnd)
{
    RECT r{};
    GetClientRect(hwnd, &r);
    return r;
}

std::string TextOf(HWND bar, int part, WORD* type = nullptr)
{
    const LRESULT length = SendMessageA(bar, SB_GETTEXTLENGTHA, static_cast<WPARAM>(part), 0);
    std::string text(LOWORD(length) + 1u, '\0');
    const LRESULT result = SendMessageA(bar, SB_GETTEXTA, static_cast<WPARAM>(part),
                                        reinterpret_cast<LPARAM>(text.data()));
    EXPECT_EQ(LOWORD(result), LOWORD(length));
    EXPECT_EQ(HIWORD(result), HIWORD(length));
    if (type)
        *type = HIWORD(result);
    text.resize(LOWORD(result));
    return text;
}

BOOL SetText(HWND bar, int part, const char* text, UINT type = 0)
{
    return static_cast<BOOL>(SendMessageA(bar, SB_SETTEXTA, static_cast<WPARAM>(part) | type,
                                          reinterpret_cast<LPARAM>(text)));
}

// A bar on a parent window of the test thread: everything is synchronous.
class StatusBarTest : public ::testing::Test
{
protected:
    HWND parent = nullptr;

    void SetUp() override
    {
        ClearSeen();
        parent = CreateWindowExA(0, ParentClass(), "Parent", WS_OVERLAPPEDWINDOW, 10, 10, 400, 300,
                                 nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
    }

    void TearDown() override
    {
        if (IsWindow(parent))
            DestroyWindow(parent);
    }

    HWND Bar(DWORD style = 0, const char* text = "Ready")
    {
        return CreateStatusWindowA(static_cast<LONG>(WS_CHILD | WS_VISIBLE | style), text, parent,
                                   BarId);
    }

    void SetParts(HWND bar, std::vector<int> rights)
    {
        ASSERT_TRUE(
            SendMessageA(bar, SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data())));
    }
};

TEST_F(StatusBarTest, PlacesItselfAtTheParentsBottomAndFollowsItsSize)
{
    HWND bar = Bar();
    ASSERT_NE(bar, nullptr);
    RECT client = ClientOf(parent);
    EXPECT_EQ(S(PlaceOf(bar)), S(RECT{0, client.bottom - BarHeight, client.right, client.bottom}))
        << "at the bottom from the start, the full width, its own height";
    EXPECT_EQ(automation::Text(bar), "Ready") << "the title is part 0's text";
    EXPECT_EQ(TextOf(bar, 0), "Ready");

    MoveWindow(parent, 10, 10, 520, 200, TRUE);
    client = ClientOf(parent);
    EXPECT_EQ(S(PlaceOf(bar)), S(RECT{0, client.bottom - BarHeight, client.right, client.bottom}));

    // A taller minimum takes effect at the next WM_SIZE, as on Windows.
    SendMessageA(bar, SB_SETMINHEIGHT, 30, 0);
    EXPECT_EQ(PlaceOf(bar).bottom - PlaceOf(bar).top, BarHeight);
    MoveWindow(parent, 10, 10, 480, 220, TRUE);
    client = ClientOf(parent);
    EXPECT_EQ(S(PlaceOf(bar)), S(RECT{0, client.bottom - 36, client.right, client.bottom}))
        << "30 pixels of drawing area and the borders";
}

TEST_F(StatusBarTest, AlignmentStyles)
{
    HWND top = Bar(CCS_TOP);
    ASSERT_NE(top, nullptr);
    const RECT client = ClientOf(parent);
    EXPECT_EQ(S(PlaceOf(top)), S(RECT{0, 0, client.right, BarHeight}));
    DestroyWindow(top);

    HWND fixed = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | CCS_NORESIZE, 5, 6, 70, 40,
                                 parent, reinterpret_cast<HMENU>(BarId), nullptr, nullptr);
    ASSERT_NE(fixed, nullptr);
    MoveWindow(parent, 10, 10, 300, 200, TRUE);
    EXPECT_EQ(S(PlaceOf(fixed)), S(RECT{5, 6, 75, 46}))
        << "CCS_NORESIZE leaves it where it was put";
    DestroyWindow(fixed);

    HWND kept = CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | CCS_NOPARENTALIGN, 5, 6, 70, 40,
                                parent, reinterpret_cast<HMENU>(BarId), nullptr, nullptr);
    ASSERT_NE(kept, nullptr);
    EXPECT_EQ(S(PlaceOf(kept)), S(RECT{5, 6, 75, 6 + BarHeight}))
        << "CCS_NOPARENTALIGN keeps position and width and takes its own height";
}

TEST_F(StatusBarTest, PartsTextsAndRectangles)
{
    HWND bar = Bar();
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 1) << "one part to begin with";
    SetParts(bar, {100, 200, -1});
    int rights[4] = {7, 7, 7, 7};
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 2, reinterpret_cast<LPARAM>(rights)), 3);
    EXPECT_EQ(rights[0], 100);
    EXPECT_EQ(rights[1], 200);
    EXPECT_EQ(rights[2], 7) << "no more than the array holds";
    SendMessageA(bar, SB_GETPARTS, 4, reinterpret_cast<LPARAM>(rights));
    EXPECT_EQ(rights[2], -1) << "the right edge as given";
    EXPECT_EQ(rights[3], 7);

    const RECT client = ClientOf(bar);
    RECT r{};
    ASSERT_TRUE(SendMessageA(bar, SB_GETRECT, 1, reinterpret_cast<LPARAM>(&r)));
    EXPECT_EQ(S(r), S(RECT{102, 2, 200, BarHeight - 2})) << "two pixels after the part before";
    ASSERT_TRUE(SendMessageA(bar, SB_GETRECT, 2, reinterpret_cast<LPARAM>(&r)));
    EXPECT_EQ(r.right, client.right) << "-1 reaches the right end";
    EXPECT_FALSE(SendMessageA(bar, SB_GETRECT, 3, reinterpret_cast<LPARAM>(&r)));

    EXPECT_EQ(TextOf(bar, 0), "Ready") << "part 0 keeps its text";
    ASSERT_TRUE(SetText(bar, 1, "NUM", SBT_NOBORDERS));
    ASSERT_TRUE(SetText(bar, 2, "CAP", SBT_POPOUT));
    EXPECT_FALSE(SetText(bar, 3, "no such part"));
    WORD type = 0;
    EXPECT_EQ(TextOf(bar, 1, &type), "NUM");
    EXPECT_EQ(type, SBT_NOBORDERS);
    EXPECT_EQ(SendMessageA(bar, SB_GETTEXTLENGTHA, 9, 0), 0) << "no such part";

    // Parts that stay keep their texts when the parts change; new ones start empty.
    SetParts(bar, {100, 160});
    EXPECT_EQ(TextOf(bar, 1), "NUM");
    SetParts(bar, {100, 160, 220});
    EXPECT_EQ(TextOf(bar, 2), "");

    int none = 0;
    EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 0, reinterpret_cast<LPARAM>(&none)));
    EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 257, reinterpret_cast<LPARAM>(&none)));
    EXPECT_FALSE(SendMessageA(bar, SB_SETPARTS, 1, 0));
    EXPECT_EQ(SendMessageA(bar, SB_GETPARTS, 0, 0), 3) << "failures change nothing";

    int borders[3] = {};
    ASSERT_TRUE(SendMessageA(bar, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(borders)));
    EXPECT_EQ(borders[0], 0);
    EXPECT_EQ(borders[1], 2);
    EXPECT_EQ(borders[2], 2);
}

TEST_F(StatusBarTest, WindowTextIsPartZero)
{
    HWND bar = Bar();
    SetWindowTextA(bar, "Saving");
    EXPECT_EQ(TextOf(bar, 0), "Saving");
    SetText(bar, 0, "Saved");
    char buffer[4] = {};
    EXPECT_EQ(GetWindowTextA(bar, buffer, sizeof buffer), 3);
    EXPECT_STREQ(buffer, "Sav") << "cut to the buffer";
    EXPECT_EQ(GetWindowTextLengthA(bar), 5);
}

TEST_F(StatusBarTest, RendersPartsTabsAndGrip)
{
    MoveWindow(parent, 0, 0, 300, 100, TRUE);
    HWND bar = Bar(SBARS_SIZEGRIP);
    SetParts(bar, {96, 192, -1});
    SetText(bar, 0, "Ready");
    SetText(bar, 1, "NUM", SBT_NOBORDERS);
    SetText(bar, 2, "L\tC\tR");
    const std::vector<std::string> rows = Lines(platform::Snapshot(bar));
    ASSERT_EQ(rows.size(), 1u) << "one row high";
    // Part 0 in its sunken box; part 1 without borders; part 2 split at its tabs into left,
    // centred and right-aligned pieces; the grip in the corner, where part 2 (-1) stops.
    EXPECT_EQ(rows[0], "[Ready         ]NUM             [L    C    R ]//");
}

TEST_F(StatusBarTest, TallerBarsFrameTheirTexts)
{
    MoveWindow(parent, 0, 0, 200, 100, TRUE);
    HWND bar = Bar();
    SetParts(bar, {60, -1});
    SetText(bar, 1, "Two");
    // Two rows: each part stays a bracketed line, on the row its text is centred on.
    SendMessageA(bar, SB_SETMINHEIGHT, 26, 0);
    SendMessageA(bar, WM_SIZE, 0, 0);
    const auto two = Lines(platform::Snapshot(bar));
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[0].substr(0, 14), "[Ready   ][Two");
    EXPECT_EQ(two[1], "");
    // Three rows and more: boxes.
    SendMessageA(bar, SB_SETMINHEIGHT, 40, 0);
    SendMessageA(bar, WM_SIZE, 0, 0);
    const auto rows = Lines(platform::Snapshot(bar));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].substr(0, 12), "+--------++-");
    EXPECT_EQ(rows[1].substr(0, 14), "|Ready   ||Two");
    EXPECT_EQ(rows[2].substr(0, 12), "+--------++-");
}

TEST(StatusText, DrawsAPartAnywhere)
{
    platform::Canvas canvas(20, 1);
    HDC dc = platform::CreateCanvasDC(&canvas);
    const RECT boxed{0, 0, 60, 13};
    DrawStatusTextA(dc, &boxed, "Total", 0);
    const RECT bare{60, 0, 120, 13};
    DrawStatusTextA(dc, &bare, "\tmid", SBT_NOBORDERS);
    DeleteDC(dc);
    EXPECT_EQ(canvas.RowText(0), "[Total   ]   mid");
}

TEST_F(StatusBarTest, SimpleModeShowsItsOwnTextAndKeepsTheParts)
{
    HWND bar = Bar();
    SetParts(bar, {100, -1});
    SetText(bar, 1, "Second");
    EXPECT_FALSE(SendMessageA(bar, SB_ISSIMPLE, 0, 0));

    ASSERT_TRUE(SetText(bar, SB_SIMPLEID, "Loading the databank"));
    EXPECT_EQ(Lines(platform::Snapshot(bar))[0].substr(0, 7), "[Ready ")
        << "the simple text waits for simple mode";
    SendMessageA(bar, SB_SIMPLE, TRUE, 0);
    EXPECT_TRUE(SendMessageA(bar, SB_ISSIMPLE, 0, 0));
    const std::string row = Lines(platform::Snapshot(bar))[0];
    EXPECT_EQ(row.substr(0, 22), "[Loading the databank ");
    EXPECT_EQ(row.find("Second"), std::string::npos);
    EXPECT_EQ(TextOf(bar, 0), "Loading the databank") << "every index reads the simple text";
    EXPECT_EQ(TextOf(bar, 1), "Loading the databank");
    RECT simple{};
    ASSERT_TRUE(SendMessageA(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&simple)));
    EXPECT_EQ(simple.right, ClientOf(bar).right) << "one part across the bar";

    SendMessageA(bar, SB_SIMPLE, TRUE, 0);
    SendMessageA(bar, SB_SIMPLE, FALSE, 0);
    EXPECT_FALSE(SendMessageA(bar, SB_ISSIMPLE, 0, 0));
    EXPECT_EQ(TextOf(bar, 1), "Second");
    EXPECT_NE(Lines(platform::Snapshot(bar))[0].find("Second"), std::string::npos);
    const auto seen = SeenSoFar();
    ASSERT_EQ(seen.size(), 2u) << "a notification for each change of mode, none without";
    EXPECT_EQ(seen[0].code, static_cast<UINT>(SBN_SIMPLEMODECHANGE));
    EXPECT_EQ(seen[1].code, static_cast<UINT>(SBN_SIMPLEMODECHANGE));
}

TEST_F(StatusBarTest, OwnerDrawnPartsAskTheParent)
{
    HWND bar = Bar();
    SetParts(bar, {120, -1});
    ASSERT_TRUE(SetText(bar, 1, reinterpret_cast<const char*>(0x5150), SBT_OWNERDRAW));
    EXPECT_EQ(SendMessageA(bar, SB_GETTEXTA, 1, 0), 0x5150) << "the value, not a length";
    const std::string row = Lines(platform::Snapshot(bar))[0];
    EXPECT_EQ(row.substr(20, 6), "[drawn") << row;
    const auto seen = SeenSoFar();
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].code, static_cast<UINT>(WM_DRAWITEM));
    EXPECT_EQ(seen[0].item, 1u);
    EXPECT_EQ(seen[0].itemData, 0x5150u);
}

TEST_F(StatusBarTest, ClicksNameThePart)
{
    HWND bar = Bar();
    SetParts(bar, {100, -1});
    SendMessageA(bar, WM_LBUTTONUP, 0, MAKELPARAM(150, 5));
    SendMessageA(bar, WM_RBUTTONUP, 0, MAKELPARAM(10, 5));
    const auto seen = SeenSoFar();
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].code, static_cast<UINT>(NM_CLICK));
    EXPECT_EQ(seen[0].item, 1u);
    EXPECT_EQ(seen[1].code, static_cast<UINT>(NM_RCLICK));
    EXPECT_EQ(seen[1].item, 0u);
}

TEST_F(StatusBarTest, TheGripAnswersAsTheBottomRightCorner)
{
    HWND bar = Bar(SBARS_SIZEGRIP);
    const RECT client = ClientOf(bar);
    auto hit = [&](int x, int y) {
        POINT pt{x, y};
        ClientToScreen(bar, &pt);
        return SendMessageA(bar, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    };
    EXPECT_EQ(hit(client.right - 3, client.bottom - 3), HTBOTTOMRIGHT);
    EXPECT_EQ(hit(client.right - 20, client.bottom - 3), HTCLIENT);
    RECT last{};
    SendMessageA(bar, SB_GETRECT, 0, reinterpret_cast<LPARAM>(&last));
    EXPECT_EQ(last.right, client.right - GetSystemMetrics(SM_CXVSCROLL))
        << "the parts end where the grip begins";

    HWND plain = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", parent, BarId + 1);
    POINT corner{client.right - 3, client.bottom - 3};
    ClientToScreen(plain, &corner);
    EXPECT_EQ(SendMessageA(plain, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTCLIENT);
}

// The user sizes the parent, by its border and by the bar's grip; the bar follows.
class StatusBarDragTest : public ::testing::Test
{
protected:
    platform::UiThread ui;
    HWND parent = nullptr;
    HWND bar = nullptr;

    void SetUp() override
    {
        ui.Run([this] {
            parent = CreateWindowExA(0, ParentClass(), "Sized", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                     100, 100, 400, 300, nullptr, nullptr,
                                     GetModuleHandleA(nullptr), nullptr);
            bar =
                CreateStatusWindowA(WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP, "Ready", parent, BarId);
            SetForegroundWindow(parent);
            return 0;
        });
        ASSERT_NE(bar, nullptr);
        ASSERT_TRUE(ui.WaitIdle());
    }

    void TearDown() override
    {
        ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(parent)); });
    }

    void ExpectAtBottom()
    {
        const RECT client = ClientOf(parent);
        EXPECT_EQ(S(PlaceOf(bar)),
                  S(RECT{0, client.bottom - BarHeight, client.right, client.bottom}));
    }
};

TEST_F(StatusBarDragTest, DraggingTheParentsBorderKeepsTheBarAtTheBottom)
{
    ASSERT_TRUE(automation::DragBorder(parent, WMSZ_BOTTOMRIGHT, 60, 40))
        << automation::LastFailure();
    const RECT r = automation::RectOf(parent);
    EXPECT_EQ(r.right - r.left, 460);
    EXPECT_EQ(r.bottom - r.top, 340);
    ExpectAtBottom();
}

TEST_F(StatusBarDragTest, DraggingTheGripSizesTheParent)
{
    const RECT client = ClientOf(bar);
    const POINT grip{client.right - 4, client.bottom - 4};
    ASSERT_TRUE(automation::Drag(bar, grip, POINT{grip.x + 50, grip.y + 30}))
        << automation::LastFailure();
    const RECT r = automation::RectOf(parent);
    EXPECT_EQ(r.right - r.left, 450);
    EXPECT_EQ(r.bottom - r.top, 330);
    ExpectAtBottom();
}

} // namespace
