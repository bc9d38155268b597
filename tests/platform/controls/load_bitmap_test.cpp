// LoadBitmapA and LoadImageA: bitmaps compiled into this program, .bmp files of every supported
// depth, and damaged data that must fail without reading past its end.

#include "res/controls_test_res.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{

constexpr COLORREF Black = RGB(0, 0, 0);
constexpr COLORREF Grey = RGB(128, 128, 128);
constexpr COLORREF White = RGB(255, 255, 255);
constexpr COLORREF Red = RGB(255, 0, 0);
constexpr COLORREF Blue = RGB(0, 0, 255);

HINSTANCE Self()
{
    return GetModuleHandleA(nullptr);
}

SIZE SizeOf(HBITMAP bitmap)
{
    BITMAP bm{};
    if (GetObjectA(bitmap, sizeof bm, &bm) != static_cast<int>(sizeof bm))
        return SIZE{-1, -1};
    return SIZE{bm.bmWidth, bm.bmHeight};
}

COLORREF PixelOf(HBITMAP bitmap, int x, int y)
{
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, bitmap);
    COLORREF color = GetPixel(dc, x, y);
    SelectObject(dc, old);
    DeleteDC(dc);
    return color;
}

// A device-independent bitmap as a .bmp file holds it, built field by field so that tests can
// damage any part of it.
struct BmpFile
{
    BITMAPINFOHEADER header{};
    std::vector<RGBQUAD> table;
    std::vector<BYTE> bits;

    // A 2 x 2 image at `depth` bits per pixel whose top row is red, blue and bottom row blue, red.
    static BmpFile TwoByTwo(int depth, bool topDown)
    {
        BmpFile f;
        f.header.biSize = sizeof(BITMAPINFOHEADER);
        f.header.biWidth = 2;
        f.header.biHeight = topDown ? -2 : 2;
        f.header.biPlanes = 1;
        f.header.biBitCount = static_cast<WORD>(depth);
        f.header.biCompression = BI_RGB;
        const COLORREF rows[2][2] = {{Red, Blue}, {Blue, Red}};
        const size_t stride = static_cast<size_t>(((2 * depth + 31) / 32) * 4);
        f.bits.assign(stride * 2, 0);
        if (depth <= 8)
            f.table = {RGBQUAD{0, 0, 255, 0}, RGBQUAD{255, 0, 0, 0}}; // red, blue
        for (int y = 0; y < 2; ++y)
        {
            BYTE* row = f.bits.data() + stride * static_cast<size_t>(topDown ? y : 1 - y);
            for (int x = 0; x < 2; ++x)
            {
                const COLORREF c = rows[y][x];
                const int index = c == Red ? 0 : 1;
                switch (depth)
                {
                case 1:
                    row[0] |= static_cast<BYTE>(index << (7 - x));
                    break;
                case 4:
                    row[0] |= static_cast<BYTE>(index << (x ? 0 : 4));
                    break;
                case 8:
                    row[x] = static_cast<BYTE>(index);
                    break;
                default: {
                    BYTE* p = row + x * (depth / 8);
                    p[0] = GetBValue(c);
                    p[1] = GetGValue(c);
                    p[2] = GetRValue(c);
                }
                }
            }
        }
        if (depth <= 8)
            f.header.biClrUsed = 2;
        return f;
    }

    std::vector<BYTE> Bytes() const
    {
        const size_t offset = 14 + sizeof header + table.size() * sizeof(RGBQUAD);
        std::vector<BYTE> out(offset);
        const DWORD fileSize = static_cast<DWORD>(offset + bits.size());
        const DWORD bitsOffset = static_cast<DWORD>(offset);
        out[0] = 'B';
        out[1] = 'M';
        std::memcpy(&out[2], &fileSize, 4);
        std::memcpy(&out[10], &bitsOffset, 4);
        std::memcpy(&out[14], &header, sizeof header);
        if (!table.empty())
            std::memcpy(&out[14 + sizeof header], table.data(), table.size() * sizeof(RGBQUAD));
        out.insert(out.end(), bits.begin(), bits.end());
        return out;
    }
};

// Writes bytes to a temporary file that lives as long as the object.
class TempFile
{
public:
    explicit TempFile(const std::vector<BYTE>& bytes)
        : path((std::filesystem::temp_directory_path() /
                ("load_bitmap_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++) +
                 ".bmp"))
                   .string())
    {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    ~TempFile() { std::filesystem::remove(path); }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    const char* Path() const { return path.c_str(); }

private:
    static inline int counter = 0;
    std::string path;
};

HBITMAP LoadFile(const std::vector<BYTE>& bytes, UINT flags = 0, int cx = 0, int cy = 0)
{
    TempFile file(bytes);
    return static_cast<HBITMAP>(
        LoadImageA(nullptr, file.Path(), IMAGE_BITMAP, cx, cy, LR_LOADFROMFILE | flags));
}

TEST(BitmapResources, LoadsABitmapCompiledIntoTheProgramByNumberOrName)
{
    for (LPCSTR name : {static_cast<LPCSTR>(MAKEINTRESOURCE(IDB_PATTERN)),
                        static_cast<LPCSTR>("PATTERN"), static_cast<LPCSTR>("#101")})
    {
        HBITMAP bitmap = LoadBitmapA(Self(), name);
        ASSERT_NE(bitmap, nullptr);
        BITMAP bm{};
        ASSERT_EQ(GetObjectA(bitmap, sizeof bm, &bm), static_cast<int>(sizeof bm));
        EXPECT_EQ(bm.bmWidth, 24);
        EXPECT_EQ(bm.bmHeight, 26);
        EXPECT_EQ(bm.bmBitsPixel, 32);
        // The file stores the bottom row first; the bitmap has the top row first.
        EXPECT_EQ(PixelOf(bitmap, 0, 0), Black);
        EXPECT_EQ(PixelOf(bitmap, 23, 12), Grey);
        EXPECT_EQ(PixelOf(bitmap, 0, 25), White);
        EXPECT_EQ(PixelOf(bitmap, 23, 25), Black);
        DeleteObject(bitmap);
    }
}

TEST(BitmapResources, MissingOrDamagedResourcesGiveNull)
{
    EXPECT_EQ(LoadBitmapA(Self(), MAKEINTRESOURCE(999)), nullptr);
    EXPECT_EQ(LoadBitmapA(Self(), "NOT_THERE"), nullptr);
    EXPECT_EQ(LoadBitmapA(nullptr, MAKEINTRESOURCE(IDB_PATTERN)), nullptr) << "no system bitmaps";
    EXPECT_EQ(LoadBitmapA(Self(), MAKEINTRESOURCE(IDB_TRUNCATED)), nullptr);
    EXPECT_EQ(LoadImageA(Self(), MAKEINTRESOURCE(IDB_PATTERN), IMAGE_ICON, 0, 0, 0), nullptr);
}

TEST(BitmapFiles, DecodesEveryDepthInBothRowOrders)
{
    for (int depth : {1, 4, 8, 24, 32})
    {
        for (bool topDown : {false, true})
        {
            SCOPED_TRACE(testing::Message()
                         << depth << " bits, " << (topDown ? "top-down" : "bottom-up"));
            HBITMAP bitmap = LoadFile(BmpFile::TwoByTwo(depth, topDown).Bytes());
            ASSERT_NE(bitmap, nullptr);
            EXPECT_EQ(SizeOf(bitmap).cx, 2);
            EXPECT_EQ(SizeOf(bitmap).cy, 2);
            EXPECT_EQ(PixelOf(bitmap, 0, 0), Red);
            EXPECT_EQ(PixelOf(bitmap, 1, 0), Blue);
            EXPECT_EQ(PixelOf(bitmap, 0, 1), Blue);
            EXPECT_EQ(PixelOf(bitmap, 1, 1), Red);
            DeleteObject(bitmap);
        }
    }
}

TEST(BitmapFiles, ReadsTheProgramsOwnBmpFileAndScalesOnRequest)
{
    const std::string path = TEST_SOURCE_DIR "/res/pattern.bmp";
    HBITMAP bitmap = static_cast<HBITMAP>(
        LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 48, 13, LR_LOADFROMFILE));
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(SizeOf(bitmap).cx, 48);
    EXPECT_EQ(SizeOf(bitmap).cy, 13);
    EXPECT_EQ(PixelOf(bitmap, 47, 0), Grey);
    EXPECT_EQ(PixelOf(bitmap, 0, 12), White);
    DeleteObject(bitmap);
    EXPECT_EQ(LoadImageA(nullptr, (path + ".missing").c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE),
              nullptr);
}

TEST(BitmapFiles, ColourTableFlagsFollowTheSystemColours)
{
    // An 8-bit image of four pixels: the first stored one red, then 192, 223 and 128 grey.
    BmpFile f = BmpFile::TwoByTwo(8, true);
    f.table = {RGBQUAD{0, 0, 255, 0}, RGBQUAD{192, 192, 192, 0}, RGBQUAD{223, 223, 223, 0},
               RGBQUAD{128, 128, 128, 0}};
    f.header.biClrUsed = 4;
    f.bits = {0, 1, 0, 0, 2, 3, 0, 0};

    HBITMAP plain = LoadFile(f.Bytes());
    EXPECT_EQ(PixelOf(plain, 1, 0), RGB(192, 192, 192));
    HBITMAP mapped = LoadFile(f.Bytes(), LR_LOADMAP3DCOLORS);
    EXPECT_EQ(PixelOf(mapped, 0, 0), Red);
    EXPECT_EQ(PixelOf(mapped, 1, 0), GetSysColor(COLOR_3DFACE));
    EXPECT_EQ(PixelOf(mapped, 0, 1), GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(PixelOf(mapped, 1, 1), GetSysColor(COLOR_3DSHADOW));
    HBITMAP transparent = LoadFile(f.Bytes(), LR_LOADTRANSPARENT);
    EXPECT_EQ(PixelOf(transparent, 0, 0), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(PixelOf(transparent, 1, 0), RGB(192, 192, 192));
    HBITMAP both = LoadFile(f.Bytes(), LR_LOADTRANSPARENT | LR_LOADMAP3DCOLORS);
    EXPECT_EQ(PixelOf(both, 0, 0), GetSysColor(COLOR_3DFACE));
    for (HBITMAP b : {plain, mapped, transparent, both})
        DeleteObject(b);
}

TEST(BitmapFiles, DamagedFilesGiveNull)
{
    using Damage = std::function<void(BmpFile&, std::vector<BYTE>&)>;
    const std::vector<std::pair<const char*, Damage>> cases = {
        {"no BM signature", [](BmpFile&, std::vector<BYTE>& b) { b[0] = 'X'; }},
        {"header larger than the file",
         [](BmpFile& f, std::vector<BYTE>& b) {
             f.header.biSize = 4000;
             std::memcpy(&b[14], &f.header, sizeof f.header);
         }},
        {"zero width",
         [](BmpFile& f, std::vector<BYTE>& b) {
             f.header.biWidth = 0;
             std::memcpy(&b[14], &f.header, sizeof f.header);
         }},
        {"negative width",
         [](BmpFile& f, std::vector<BYTE>& b) {
             f.header.biWidth = -2;
             std::memcpy(&b[14], &f.header, sizeof f.header);
         }},
        {"huge height",
         [](BmpFile& f, std::vector<BYTE>& b) {
             f.header.biHeight = 0x7FFFFFFF;
             std::memcpy(&b[14], &f.header, sizeof f.header);
         }},
        {"16 bits per pixel",
         [](BmpFile& f, std::vector<BYTE>& b) {
             f.header.biBitCount = 16;
             std::memcpy(&b[14], &f.header, sizeof f.header);
         }},
        {"run-length compression",
         [](BmpFile& f, std::vector<BYTE>& b) {
             f.header.biCompression = 1; // BI_RLE8
             std::memcpy(&b[14], &f.header, sizeof f.header);
         }},
        {"colour table past the end",
         [](BmpFile& f, std::vector<BYTE>& b) {
             f.header.biClrUsed = 0x40000000;
             std::memcpy(&b[14], &f.header, sizeof f.header);
         }},
        {"pixels said to start past the end",
         [](BmpFile&, std::vector<BYTE>& b) {
             const DWORD offset = 0xFFFFFF00;
             std::memcpy(&b[10], &offset, 4);
         }},
    };
    for (const auto& [what, damage] : cases)
    {
        SCOPED_TRACE(what);
        BmpFile f = BmpFile::TwoByTwo(8, false);
        std::vector<BYTE> bytes = f.Bytes();
        damage(f, bytes);
        EXPECT_EQ(LoadFile(bytes), nullptr);
    }
    EXPECT_EQ(LoadFile({}), nullptr);
}

TEST(BitmapFiles, EveryTruncationOfAValidFileFails)
{
    // The pixels come last, so every shortened copy lacks some; under the address sanitizer
    // this also shows that no length makes the decoder read beyond the data.
    for (int depth : {1, 8, 24})
    {
        const std::vector<BYTE> whole = BmpFile::TwoByTwo(depth, false).Bytes();
        HBITMAP complete = LoadFile(whole);
        ASSERT_NE(complete, nullptr);
        DeleteObject(complete);
        for (size_t length = 0; length < whole.size(); ++length)
        {
            SCOPED_TRACE(testing::Message() << depth << " bits cut to " << length << " bytes");
            EXPECT_EQ(LoadFile(std::vector<BYTE>(whole.begin(),
                                                 whole.begin() + static_cast<long>(length))),
                      nullptr);
        }
    }
}

} // namespace
