// CBitmap, including loading a bitmap resource: the device-independent bitmap of an RT_BITMAP
// resource is decoded to 32-bit pixels and handed to CreateBitmap.
//
// Does NOT do:
// - Compressed bitmaps (BI_RLE4, BI_RLE8, BI_BITFIELDS) and 16 bits per pixel: LoadBitmap
//   returns FALSE for them.
// - The colour mapping of LR_LOADMAP3DCOLORS; colours load as they are stored.
#include "mfc/gdiobj_map.h"

#include <cstdint>
#include <cstring>
#include <vector>

namespace
{

// The pixel rows of a DIB, top row first, each pixel as 0x00RRGGBB (the byte order B, G, R, 0
// of a 32-bit Windows bitmap). Returns false for formats it does not decode or for data that is
// shorter than its header says.
bool DecodeDib(const BYTE* data, DWORD size, LONG& width, LONG& height,
               std::vector<std::uint32_t>& pixels)
{
    BITMAPINFOHEADER header;
    if (size < sizeof header)
        return false;
    std::memcpy(&header, data, sizeof header);
    if (header.biSize < sizeof header || header.biSize > size || header.biCompression != BI_RGB)
        return false;
    const int bits = header.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32)
        return false;
    width = header.biWidth;
    bool bottomUp = header.biHeight > 0;
    height = bottomUp ? header.biHeight : -static_cast<std::int64_t>(header.biHeight);
    if (width <= 0 || height <= 0 || width > 65536 || height > 65536)
        return false;

    size_t colours = 0;
    if (bits <= 8)
        colours = header.biClrUsed != 0 ? header.biClrUsed : (size_t{1} << bits);
    if (colours > 256)
        return false;
    size_t tableOffset = header.biSize;
    size_t bitsOffset = tableOffset + colours * sizeof(RGBQUAD);
    size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
    if (bitsOffset > size || stride * static_cast<size_t>(height) > size - bitsOffset)
        return false;

    auto colourAt = [&](size_t index) -> std::uint32_t {
        if (index >= colours)
            return 0;
        const BYTE* quad = data + tableOffset + index * sizeof(RGBQUAD);
        return static_cast<std::uint32_t>(quad[0]) | static_cast<std::uint32_t>(quad[1]) << 8 |
               static_cast<std::uint32_t>(quad[2]) << 16;
    };

    pixels.assign(static_cast<size_t>(width) * static_cast<size_t>(height), 0);
    for (LONG row = 0; row < height; ++row)
    {
        LONG sourceRow = bottomUp ? height - 1 - row : row;
        const BYTE* line = data + bitsOffset + stride * static_cast<size_t>(sourceRow);
        std::uint32_t* out = &pixels[static_cast<size_t>(row) * static_cast<size_t>(width)];
        for (LONG x = 0; x < width; ++x)
        {
            switch (bits)
            {
            case 1:
                out[x] = colourAt((line[x / 8] >> (7 - x % 8)) & 1);
                break;
            case 4:
                out[x] = colourAt((line[x / 2] >> (x % 2 == 0 ? 4 : 0)) & 0x0F);
                break;
            case 8:
                out[x] = colourAt(line[x]);
                break;
            default: {
                const BYTE* p = line + static_cast<size_t>(x) * (bits / 8);
                out[x] = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                         static_cast<std::uint32_t>(p[2]) << 16;
                break;
            }
            }
        }
    }
    return true;
}

} // namespace

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

CBitmap* PASCAL CBitmap::FromHandle(HBITMAP hBitmap)
{
    return platform::mfc::GdiObjectMap().FromHandle<CBitmap>(hBitmap);
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName)
{
    HINSTANCE module = AfxFindResourceHandle(lpszResourceName, RT_BITMAP);
    HRSRC resource = ::FindResourceA(module, lpszResourceName, RT_BITMAP);
    if (resource == nullptr)
        return FALSE;
    HGLOBAL loaded = ::LoadResource(module, resource);
    const auto* data = static_cast<const BYTE*>(::LockResource(loaded));
    DWORD size = ::SizeofResource(module, resource);
    LONG width = 0;
    LONG height = 0;
    std::vector<std::uint32_t> pixels;
    if (data == nullptr || !DecodeDib(data, size, width, height, pixels))
        return FALSE;
    return CreateBitmap(width, height, 1, 32, pixels.data());
}

BOOL CBitmap::LoadBitmap(UINT nIDResource)
{
    return LoadBitmap(MAKEINTRESOURCE(nIDResource));
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount,
                           const void* lpBits)
{
    return Attach(::CreateBitmap(nWidth, nHeight, nPlanes, nBitcount, lpBits));
}

BOOL CBitmap::CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight)
{
    return Attach(::CreateCompatibleBitmap(pDC != nullptr ? pDC->m_hDC : nullptr, nWidth, nHeight));
}

int CBitmap::GetBitmap(BITMAP* pBitMap)
{
    return GetObject(sizeof(BITMAP), pBitMap);
}
