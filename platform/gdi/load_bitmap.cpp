// LoadBitmapA and LoadImageA for bitmaps: a device-independent bitmap from an RT_BITMAP
// resource or a .bmp file, decoded to 32-bit pixels and handed to CreateBitmap.
//
// Every size and offset in the data is checked against the data's length before it is used, so
// a damaged resource or file makes the call fail with NULL rather than read past its end.
//
// Does not do:
// - compressed DIBs (BI_RLE4, BI_RLE8, BI_BITFIELDS, BI_JPEG, BI_PNG), 16 bits per pixel, or
//   the old BITMAPCOREHEADER layout: such bitmaps fail to load;
// - the system's own bitmaps (OBM_* with a NULL instance);
// - icons, cursors and metafiles in LoadImageA (IMAGE_ICON, IMAGE_CURSOR, IMAGE_ENHMETAFILE);
// - LR_SHARED (every call makes a new bitmap, which the caller deletes), LR_MONOCHROME, and
//   LR_CREATEDIBSECTION (the bitmap is the same kind either way);
// - scaling other than nearest-neighbour when LoadImageA is given a size.

#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <string>
#include <vector>

namespace
{

struct Pixels
{
    int width = 0;
    int height = 0;
    // Rows top first, four bytes per pixel in the order blue, green, red, unused: the layout
    // that CreateBitmap takes for 32 bits per pixel.
    std::vector<BYTE> bgrx;
};

// The largest bitmap accepted. Well-formed data cannot exceed it by much (1 bit per pixel is the
// densest format), but the limit keeps a header that lies about its size from making the
// allocation huge before the length check catches it.
constexpr std::uint64_t MaxPixels = std::uint64_t{1} << 26;

std::uint32_t ReadDword(const BYTE* p)
{
    std::uint32_t value;
    std::memcpy(&value, p, sizeof value);
    return value;
}

RGBQUAD ColorOf(COLORREF color)
{
    return RGBQUAD{GetBValue(color), GetGValue(color), GetRValue(color), 0};
}

bool SameColor(const RGBQUAD& a, BYTE red, BYTE green, BYTE blue)
{
    return a.rgbRed == red && a.rgbGreen == green && a.rgbBlue == blue;
}

int PaletteIndex(const BYTE* row, int x, int bits)
{
    switch (bits)
    {
    case 1:
        return (row[x / 8] >> (7 - x % 8)) & 1;
    case 4:
        return (row[x / 2] >> ((x % 2) ? 0 : 4)) & 0xF;
    default:
        return row[x];
    }
}

// The LR_LOADMAP3DCOLORS and LR_LOADTRANSPARENT colour table changes, which let toolbar-style
// bitmaps follow the user's colour scheme.
void AdjustColorTable(std::vector<RGBQUAD>& table, int firstIndex, UINT flags)
{
    if (flags & LR_LOADMAP3DCOLORS)
    {
        for (RGBQUAD& entry : table)
        {
            if (SameColor(entry, 128, 128, 128))
                entry = ColorOf(GetSysColor(COLOR_3DSHADOW));
            else if (SameColor(entry, 192, 192, 192))
                entry = ColorOf(GetSysColor(COLOR_3DFACE));
            else if (SameColor(entry, 223, 223, 223))
                entry = ColorOf(GetSysColor(COLOR_3DLIGHT));
        }
    }
    if ((flags & LR_LOADTRANSPARENT) && firstIndex >= 0 &&
        firstIndex < static_cast<int>(table.size()))
    {
        int replacement = (flags & LR_LOADMAP3DCOLORS) ? COLOR_3DFACE : COLOR_WINDOW;
        table[static_cast<size_t>(firstIndex)] = ColorOf(GetSysColor(replacement));
    }
}

// Decodes a DIB: a BITMAPINFOHEADER (or a larger header that begins with one), its colour table
// and its pixels. bitsOffset, when given, is where the pixels start (a file says so in its
// header); otherwise they follow the colour table, as in a resource.
std::optional<Pixels> DecodeDib(const BYTE* data, size_t size, std::optional<size_t> bitsOffset,
                                UINT flags)
{
    BITMAPINFOHEADER header;
    if (!data || size < sizeof header)
        return std::nullopt;
    std::memcpy(&header, data, sizeof header);
    if (header.biSize < sizeof header || header.biSize > size || header.biPlanes != 1 ||
        header.biCompression != BI_RGB)
        return std::nullopt;
    const int bits = header.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return std::nullopt;
    if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN)
        return std::nullopt;
    const bool topDown = header.biHeight < 0;
    const std::uint64_t width = static_cast<std::uint64_t>(header.biWidth);
    const std::uint64_t height =
        static_cast<std::uint64_t>(topDown ? -std::int64_t{header.biHeight} : header.biHeight);
    if (width * height > MaxPixels)
        return std::nullopt;

    // Palette formats always have a table (biClrUsed entries, or all of them when it is zero);
    // true-colour formats may carry an optional one that the pixels follow.
    std::uint64_t entries = header.biClrUsed;
    if (bits <= 8 && entries == 0)
        entries = std::uint64_t{1} << bits;
    const std::uint64_t tableOffset = header.biSize;
    const std::uint64_t tableEnd = tableOffset + entries * sizeof(RGBQUAD);
    if (tableEnd > size)
        return std::nullopt;
    const std::uint64_t pixelsAt = bitsOffset ? *bitsOffset : tableEnd;
    const std::uint64_t stride = ((width * static_cast<std::uint64_t>(bits) + 31) / 32) * 4;
    if (pixelsAt > size || stride * height > size - pixelsAt)
        return std::nullopt;

    std::vector<RGBQUAD> table;
    if (bits <= 8)
    {
        // Only the entries that an index can reach matter; indexes past a short table are black.
        const size_t used = static_cast<size_t>(std::min<std::uint64_t>(entries, 256));
        table.resize(used);
        std::memcpy(table.data(), data + tableOffset, used * sizeof(RGBQUAD));
        // The first pixel is the first one stored: the bottom-left one of a bottom-up bitmap.
        AdjustColorTable(table, PaletteIndex(data + pixelsAt, 0, bits), flags);
    }

    Pixels out;
    out.width = static_cast<int>(width);
    out.height = static_cast<int>(height);
    out.bgrx.assign(static_cast<size_t>(width * height * 4), 0);
    for (std::uint64_t y = 0; y < height; ++y)
    {
        const std::uint64_t sourceRow = topDown ? y : height - 1 - y;
        const BYTE* row = data + pixelsAt + stride * sourceRow;
        BYTE* target = out.bgrx.data() + y * width * 4;
        for (std::uint64_t x = 0; x < width; ++x, target += 4)
        {
            if (bits <= 8)
            {
                const int index = PaletteIndex(row, static_cast<int>(x), bits);
                if (index < static_cast<int>(table.size()))
                {
                    const RGBQUAD& c = table[static_cast<size_t>(index)];
                    target[0] = c.rgbBlue;
                    target[1] = c.rgbGreen;
                    target[2] = c.rgbRed;
                }
                continue;
            }
            const BYTE* p = row + x * static_cast<std::uint64_t>(bits / 8);
            target[0] = p[0];
            target[1] = p[1];
            target[2] = p[2];
        }
    }
    return out;
}

// Nearest-neighbour resampling to the size LoadImageA was asked for.
Pixels Resize(const Pixels& source, int width, int height)
{
    Pixels out;
    out.width = width;
    out.height = height;
    out.bgrx.resize(static_cast<size_t>(width) * static_cast<size_t>(height) * 4);
    for (int y = 0; y < height; ++y)
    {
        const int sy = static_cast<int>(static_cast<std::int64_t>(y) * source.height / height);
        for (int x = 0; x < width; ++x)
        {
            const int sx = static_cast<int>(static_cast<std::int64_t>(x) * source.width / width);
            std::memcpy(&out.bgrx[(static_cast<size_t>(y) * static_cast<size_t>(width) +
                                   static_cast<size_t>(x)) *
                                  4],
                        &source.bgrx[(static_cast<size_t>(sy) * static_cast<size_t>(source.width) +
                                      static_cast<size_t>(sx)) *
                                     4],
                        4);
        }
    }
    return out;
}

HBITMAP MakeBitmap(std::optional<Pixels> pixels, int cx, int cy)
{
    if (!pixels)
        return nullptr;
    const int width = cx > 0 ? cx : pixels->width;
    const int height = cy > 0 ? cy : pixels->height;
    if (static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) > MaxPixels)
    {
        SetLastError(ERROR_NOT_ENOUGH_MEMORY);
        return nullptr;
    }
    if (width != pixels->width || height != pixels->height)
        pixels = Resize(*pixels, width, height);
    return CreateBitmap(pixels->width, pixels->height, 1, 32, pixels->bgrx.data());
}

std::optional<Pixels> FromResource(HINSTANCE instance, LPCSTR name, UINT flags)
{
    if (!instance || !name)
    {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return std::nullopt;
    }
    HRSRC resource = FindResourceA(instance, name, RT_BITMAP);
    if (!resource)
        return std::nullopt;
    HGLOBAL loaded = LoadResource(instance, resource);
    const auto* data = static_cast<const BYTE*>(LockResource(loaded));
    return DecodeDib(data, SizeofResource(instance, resource), std::nullopt, flags);
}

std::optional<std::vector<BYTE>> ReadWholeFile(const std::string& path)
{
    // The largest .bmp accepted holds MaxPixels at 32 bits per pixel, plus its headers.
    constexpr std::streamoff MaxFileSize = static_cast<std::streamoff>(MaxPixels * 4 + 65536);
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file)
        return std::nullopt;
    const std::streamoff length = file.tellg();
    if (length < 0 || length > MaxFileSize)
        return std::nullopt;
    std::vector<BYTE> bytes(static_cast<size_t>(length));
    file.seekg(0);
    if (!file.read(reinterpret_cast<char*>(bytes.data()), length))
        return std::nullopt;
    return bytes;
}

std::optional<Pixels> FromFile(LPCSTR name, UINT flags)
{
    if (!name || IS_INTRESOURCE(name))
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return std::nullopt;
    }
    // Paths written the Windows way are tried with forward slashes too.
    std::string path = name;
    std::optional<std::vector<BYTE>> bytes = ReadWholeFile(path);
    if (!bytes && path.find('\\') != std::string::npos)
    {
        for (char& ch : path)
            ch = ch == '\\' ? '/' : ch;
        bytes = ReadWholeFile(path);
    }
    if (!bytes)
    {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return std::nullopt;
    }
    // A .bmp file is a BITMAPFILEHEADER ("BM", sizes, where the pixels start) and then a DIB.
    constexpr size_t FileHeaderSize = 14;
    if (bytes->size() < FileHeaderSize || (*bytes)[0] != 'B' || (*bytes)[1] != 'M')
        return std::nullopt;
    const size_t offBits = ReadDword(bytes->data() + 10);
    std::optional<size_t> bitsOffset;
    if (offBits != 0)
    {
        if (offBits < FileHeaderSize)
            return std::nullopt;
        bitsOffset = offBits - FileHeaderSize;
    }
    return DecodeDib(bytes->data() + FileHeaderSize, bytes->size() - FileHeaderSize, bitsOffset,
                     flags);
}

} // namespace

HBITMAP WINAPI LoadBitmapA(HINSTANCE instance, LPCSTR name)
{
    return MakeBitmap(FromResource(instance, name, 0), 0, 0);
}

HANDLE WINAPI LoadImageA(HINSTANCE instance, LPCSTR name, UINT type, int cx, int cy, UINT flags)
{
    if (type != IMAGE_BITMAP || cx < 0 || cy < 0)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    return MakeBitmap((flags & LR_LOADFROMFILE) ? FromFile(name, flags)
                                                : FromResource(instance, name, flags),
                      cx, cy);
}
