// CreateMappedBitmap: the standard mapping follows the colour scheme of the moment, a given map
// replaces exactly its colours, and missing bitmaps fail.

#include "res/mapped_bitmap_test_res.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <array>

namespace
{

// The colour in the middle of each of greys.bmp's five stripes.
std::array<COLORREF, 5> Stripes(HBITMAP bitmap)
{
    std::array<COLORREF, 5> colors{};
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    for (int i = 0; i < 5; ++i)
        colors[static_cast<std::size_t>(i)] = GetPixel(dc, i * 6 + 3, 6);
    SelectObject(dc, old);
    DeleteDC(dc);
    return colors;
}

HBITMAP Map(LPCOLORMAP map = nullptr, int count = 0, INT_PTR id = IDB_GREYS)
{
    return CreateMappedBitmap(GetModuleHandleA(nullptr), id, 0, map, count);
}

constexpr COLORREF Blue = RGB(0, 0, 255);

// Changes some system colours for one test and puts the previous ones back afterwards, since
// the scheme belongs to the whole process.
class SchemeChange
{
public:
    SchemeChange(std::initializer_list<std::pair<int, COLORREF>> changes)
    {
        for (const auto& [index, color] : changes)
        {
            indexes.push_back(index);
            previous.push_back(GetSysColor(index));
            colors.push_back(color);
        }
        SetSysColors(static_cast<int>(indexes.size()), indexes.data(), colors.data());
    }
    ~SchemeChange()
    {
        SetSysColors(static_cast<int>(indexes.size()), indexes.data(), previous.data());
    }

private:
    std::vector<int> indexes;
    std::vector<COLORREF> previous;
    std::vector<COLORREF> colors;
};

TEST(MappedBitmap, StandardMappingTurnsTheGreysIntoButtonColours)
{
    HBITMAP bitmap = Map();
    ASSERT_NE(bitmap, nullptr);
    BITMAP info{};
    ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 30);
    EXPECT_EQ(info.bmHeight, 13);
    EXPECT_EQ(Stripes(bitmap),
              (std::array<COLORREF, 5>{GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_BTNSHADOW),
                                       GetSysColor(COLOR_BTNFACE), GetSysColor(COLOR_BTNHIGHLIGHT),
                                       Blue}));
    DeleteObject(bitmap);
}

TEST(MappedBitmap, MappingAgainAfterASchemeChangeGivesTheNewColours)
{
    HBITMAP before = Map();
    ASSERT_NE(before, nullptr);
    const auto original = Stripes(before);
    {
        SchemeChange scheme{{COLOR_BTNTEXT, RGB(0, 0, 128)},
                            {COLOR_BTNSHADOW, RGB(64, 64, 64)},
                            {COLOR_BTNFACE, RGB(212, 208, 200)},
                            {COLOR_BTNHIGHLIGHT, RGB(250, 250, 240)}};
        HBITMAP after = Map();
        ASSERT_NE(after, nullptr);
        EXPECT_EQ(Stripes(after),
                  (std::array<COLORREF, 5>{RGB(0, 0, 128), RGB(64, 64, 64), RGB(212, 208, 200),
                                           RGB(250, 250, 240), Blue}));
        EXPECT_EQ(Stripes(before), original) << "a bitmap keeps the colours it was made with";
        DeleteObject(after);
    }
    DeleteObject(before);
}

TEST(MappedBitmap, AGivenMapReplacesOnlyItsColours)
{
    COLORMAP map[] = {{Blue, RGB(255, 0, 0)},
                      {RGB(0, 0, 0), RGB(0, 128, 0)},
                      // Mapped entries are not mapped again by a later pair.
                      {RGB(255, 0, 0), RGB(1, 2, 3)}};
    HBITMAP bitmap = Map(map, 3);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(Stripes(bitmap),
              (std::array<COLORREF, 5>{RGB(0, 128, 0), RGB(128, 128, 128), RGB(192, 192, 192),
                                       RGB(255, 255, 255), RGB(255, 0, 0)}));
    DeleteObject(bitmap);

    HBITMAP unchanged = Map(map, 0);
    ASSERT_NE(unchanged, nullptr);
    EXPECT_EQ(Stripes(unchanged),
              (std::array<COLORREF, 5>{RGB(0, 0, 0), RGB(128, 128, 128), RGB(192, 192, 192),
                                       RGB(255, 255, 255), Blue}))
        << "a map without pairs changes nothing";
    DeleteObject(unchanged);
}

TEST(MappedBitmap, FindsBitmapsByNameAndFailsForMissingOnes)
{
    HBITMAP named = Map(nullptr, 0, reinterpret_cast<INT_PTR>("GREYS"));
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(Stripes(named)[0], GetSysColor(COLOR_BTNTEXT));
    DeleteObject(named);
    EXPECT_EQ(Map(nullptr, 0, 7999), nullptr);
    EXPECT_EQ(Map(nullptr, 0, IDR_CLIP), nullptr) << "not a bitmap resource";
}

} // namespace
