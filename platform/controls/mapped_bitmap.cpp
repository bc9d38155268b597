// CreateMappedBitmap: a bitmap resource loaded with some of its colours replaced.
//
// The replacement works on the bitmap's colour table, as on Windows: each entry that equals a
// "from" colour of the map takes that entry's "to" colour. Without a map the standard one
// applies, which turns the four greys of a toolbar picture into the current button colours:
// black to COLOR_BTNTEXT, dark grey to COLOR_BTNSHADOW, light grey to COLOR_BTNFACE and white
// to COLOR_BTNHIGHLIGHT. The colours are read when the call is made, so after SetSysColors a
// program maps its bitmaps again.
//
// Does not do:
// - bitmaps without a colour table (more than 8 bits per pixel): they load unmapped, as on
//   Windows;
// - CMB_MASKED, which makes no difference to the result;
// - compressed bitmaps (BI_RLE4, BI_RLE8, BI_BITFIELDS) and BITMAPCOREHEADER: NULL.

#include <commctrl.h>

#include <cstring>
#include <vector>

namespace
{

constexpr LONG MaxSide = 0x7FFF;

RGBQUAD QuadOf(COLORREF color)
{
    return RGBQUAD{GetBValue(color), GetGValue(color), GetRValue(color), 0};
}

bool Matches(const RGBQUAD& entry, COLORREF color)
{
    return entry.rgbRed == GetRValue(color) && entry.rgbGreen == GetGValue(color) &&
           entry.rgbBlue == GetBValue(color);
}

std::vector<COLORMAP> StandardMap()
{
    return {
        {RGB(0, 0, 0), GetSysColor(COLOR_BTNTEXT)},
        {RGB(128, 128, 128), GetSysColor(COLOR_BTNSHADOW)},
        {RGB(192, 192, 192), GetSysColor(COLOR_BTNFACE)},
        {RGB(255, 255, 255), GetSysColor(COLOR_BTNHIGHLIGHT)},
    };
}

void MapColors(RGBQUAD* table, std::size_t count, const std::vector<COLORMAP>& map)
{
    for (std::size_t i = 0; i < count; ++i)
    {
        // The first pair whose "from" matches wins, and a mapped entry is not mapped again.
        for (const COLORMAP& pair : map)
        {
            if (Matches(table[i], pair.from))
            {
                table[i] = QuadOf(pair.to);
                break;
            }
        }
    }
}

} // namespace

HBITMAP WINAPI CreateMappedBitmap(HINSTANCE hInstance, INT_PTR idBitmap, UINT,
                                  LPCOLORMAP lpColorMap, int iNumMaps)
{
    auto name = reinterpret_cast<LPCSTR>(idBitmap);
    HRSRC resource = FindResourceA(hInstance, name, RT_BITMAP);
    if (!resource)
        return nullptr;
    const auto* data = static_cast<const BYTE*>(LockResource(LoadResource(hInstance, resource)));
    const std::size_t size = SizeofResource(hInstance, resource);
    BITMAPINFOHEADER header{};
    if (!data || size < sizeof header)
        return nullptr;
    std::memcpy(&header, data, sizeof header);
    const int bits = header.biBitCount;
    if (header.biSize < sizeof header || header.biSize > size || header.biCompression != BI_RGB ||
        header.biPlanes != 1 || header.biWidth <= 0 || header.biWidth > MaxSide ||
        header.biHeight == 0 || header.biHeight > MaxSide || header.biHeight < -MaxSide ||
        (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32))
        return nullptr;
    std::size_t colors = 0;
    if (bits <= 8)
        colors = header.biClrUsed ? header.biClrUsed : std::size_t{1} << bits;
    if (colors > 256)
        return nullptr;
    const std::size_t tableOffset = header.biSize;
    const std::size_t bitsOffset = tableOffset + colors * sizeof(RGBQUAD);
    const std::size_t rows =
        static_cast<std::size_t>(header.biHeight < 0 ? -header.biHeight : header.biHeight);
    const std::size_t stride = (static_cast<std::size_t>(header.biWidth) * bits + 31) / 32 * 4;
    if (bitsOffset > size || stride * rows > size - bitsOffset)
        return nullptr;

    // A copy of the header and its colour table, which the mapping changes; the pixels are
    // read where they are.
    std::vector<BYTE> info(sizeof(BITMAPINFOHEADER) + colors * sizeof(RGBQUAD));
    std::memcpy(info.data(), &header, sizeof header);
    auto* bitmapInfo = reinterpret_cast<BITMAPINFO*>(info.data());
    bitmapInfo->bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    auto* table = reinterpret_cast<RGBQUAD*>(info.data() + sizeof(BITMAPINFOHEADER));
    std::memcpy(table, data + tableOffset, colors * sizeof(RGBQUAD));

    // A NULL map means the standard one; a given map with no pairs changes nothing.
    std::vector<COLORMAP> map;
    if (!lpColorMap)
        map = StandardMap();
    else if (iNumMaps > 0)
        map.assign(lpColorMap, lpColorMap + iNumMaps);
    MapColors(table, colors, map);

    return CreateDIBitmap(nullptr, &bitmapInfo->bmiHeader, CBM_INIT, data + bitsOffset, bitmapInfo,
                          DIB_RGB_COLORS);
}
