// Bitmaps and memory DCs: pixels become characters, drawn cells travel as they are.

#include "gdi/bitmap.h"
#include "gdi_test_util.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace
{

// A 32-bit bitmap of width x height whose columns of cells are painted with colors.
HBITMAP StripedBitmap(const std::vector<COLORREF>& colors, int height)
{
    int width = static_cast<int>(colors.size()) * 6;
    std::vector<DWORD> bits(static_cast<size_t>(width * height));
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
        {
            COLORREF c = colors[static_cast<size_t>(x / 6)];
            bits[static_cast<size_t>(y * width + x)] =
                (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
        }
    return CreateBitmap(width, height, 1, 32, bits.data());
}

} // namespace

TEST(Bitmap, ColoursMapToCharacters)
{
    EXPECT_EQ(gdi::CharForColor(GetSysColor(COLOR_BTNFACE)), ' ');
    EXPECT_EQ(gdi::CharForColor(RGB(255, 255, 255)), ' ');
    EXPECT_EQ(gdi::CharForColor(RGB(0, 0, 0)), '#');
    EXPECT_EQ(gdi::CharForColor(RGB(128, 128, 128)), ':');
    EXPECT_EQ(gdi::CharForColor(RGB(192, 192, 192)), '.');
}

TEST(Bitmap, BitBltDrawsEachCellByItsDominantColour)
{
    HBITMAP bitmap = StripedBitmap(
        {RGB(0, 0, 0), GetSysColor(COLOR_BTNFACE), RGB(128, 128, 128), RGB(0, 0, 0)}, 26);
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);
    ASSERT_NE(old, nullptr);
    CanvasDC dc(6, 2);
    TextOutA(dc.hdc, 0, 0, "xxxxxx", 6);
    EXPECT_TRUE(BitBlt(dc.hdc, 6, 0, 24, 26, memory, 0, 0, SRCCOPY));
    EXPECT_EQ(dc.Text(), "x# :#x\n # :#\n");
    // A source offset by half a cell: the cell takes the colour with more pixels.
    CanvasDC shifted(2, 1);
    BitBlt(shifted.hdc, 0, 0, 12, 13, memory, 8, 0, SRCCOPY);
    EXPECT_EQ(shifted.Text(), " :\n");
    SelectObject(memory, old);
    DeleteDC(memory);
    EXPECT_TRUE(DeleteObject(bitmap));
}

TEST(Bitmap, TextDrawnOnAMemoryBitmapIsCopiedAsText)
{
    CanvasDC screen(8, 2);
    HDC memory = CreateCompatibleDC(screen.hdc);
    HBITMAP bitmap = CreateCompatibleBitmap(screen.hdc, 48, 26);
    SelectObject(memory, bitmap);
    RECT all{0, 0, 48, 26};
    FillRect(memory, &all, GetSysColorBrush(COLOR_WINDOW));
    TextOutA(memory, 6, 13, "buffer", 6);
    BitBlt(screen.hdc, 6, 0, 48, 26, memory, 0, 0, SRCCOPY);
    EXPECT_EQ(screen.Text(), "\n  buffer\n");
    // The fill reached the pixels too.
    EXPECT_EQ(GetPixel(memory, 0, 0), GetSysColor(COLOR_WINDOW));
    DeleteDC(memory);
    DeleteObject(bitmap);
}

TEST(Bitmap, SelectedIntoOneDcAtATime)
{
    HBITMAP bitmap = CreateBitmap(6, 13, 1, 1, nullptr);
    HDC a = CreateCompatibleDC(nullptr);
    HDC b = CreateCompatibleDC(nullptr);
    EXPECT_NE(SelectObject(a, bitmap), nullptr);
    EXPECT_EQ(SelectObject(b, bitmap), nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));
    DeleteDC(a);
    EXPECT_NE(SelectObject(b, bitmap), nullptr);
    DeleteDC(b);
    EXPECT_TRUE(DeleteObject(bitmap));
    // A canvas DC takes no bitmap.
    CanvasDC dc;
    HBITMAP other = CreateBitmap(6, 13, 1, 1, nullptr);
    EXPECT_EQ(SelectObject(dc.hdc, other), nullptr);
    DeleteObject(other);
}

TEST(Bitmap, GetObjectReportsSizeAndFormat)
{
    HBITMAP mono = CreateBitmap(17, 5, 1, 1, nullptr);
    BITMAP bm{};
    ASSERT_EQ(GetObjectA(mono, sizeof(bm), &bm), static_cast<int>(sizeof(BITMAP)));
    EXPECT_EQ(bm.bmWidth, 17);
    EXPECT_EQ(bm.bmHeight, 5);
    EXPECT_EQ(bm.bmBitsPixel, 1);
    EXPECT_EQ(bm.bmWidthBytes, 4); // 17 bits padded to two words
    DeleteObject(mono);
    EXPECT_EQ(CreateBitmap(4, 4, 1, 8, nullptr), nullptr);
}

TEST(Bitmap, DibRowsAreBottomUpAndUseTheColourTable)
{
    // 2 x 2, 8 bits: the first row in memory is the bottom one.
    struct
    {
        BITMAPINFOHEADER header;
        RGBQUAD colors[2];
    } info{};
    info.header.biSize = sizeof(BITMAPINFOHEADER);
    info.header.biWidth = 2;
    info.header.biHeight = 2;
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biClrUsed = 2;
    info.colors[1] = RGBQUAD{255, 0, 0, 0}; // blue
    const BYTE bits[8] = {1, 0, 0, 0, 0, 1, 0, 0};
    HBITMAP bitmap = CreateDIBitmap(nullptr, &info.header, CBM_INIT, bits,
                                    reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS);
    ASSERT_NE(bitmap, nullptr);
    HDC memory = CreateCompatibleDC(nullptr);
    SelectObject(memory, bitmap);
    EXPECT_EQ(GetPixel(memory, 0, 1), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(memory, 1, 0), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(0, 0, 0));
    EXPECT_EQ(GetPixel(memory, 2, 0), CLR_INVALID);
    DeleteDC(memory);
    DeleteObject(bitmap);
    // Window and canvas DCs hold no pixels.
    CanvasDC dc;
    EXPECT_EQ(SetPixel(dc.hdc, 0, 0, RGB(1, 1, 1)), CLR_INVALID);
    EXPECT_EQ(GetPixel(dc.hdc, 0, 0), CLR_INVALID);
}
