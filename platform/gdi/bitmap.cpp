// Bitmaps: CreateBitmap, CreateCompatibleBitmap, CreateDIBitmap, SetPixel, GetPixel and BitBlt.
//
// A bitmap is an array of COLORREF pixels plus the cells that GDI drew on it (see objects.h).
// BitBlt to a canvas turns each destination cell's source pixels into one character by their
// dominant colour (see CharForColor), unless GDI drew on that source cell, which is copied.
//
// Does not do: raster operations that combine source and destination (SRCAND, SRCPAINT,
// SRCINVERT and NOTSRCCOPY copy like SRCCOPY), palettes beyond a DIB's colour table,
// compressed DIBs, or reading pixels back from a window DC (GetPixel and SetPixel there fail
// with CLR_INVALID: a window DC holds characters, not pixels).

#include "gdi/bitmap.h"
#include "gdi/dc.h"
#include "gdi/shapes.h"

#include <algorithm>
#include <cstring>
#include <map>

namespace platform::gdi
{
namespace
{

COLORREF ReadPixel(const BYTE* row, int x, int bitsPixel, const RGBQUAD* table, int tableSize)
{
    auto fromTable = [&](int index) -> COLORREF {
        if (!table || index >= tableSize)
            return index ? RGB(255, 255, 255) : RGB(0, 0, 0);
        return RGB(table[index].rgbRed, table[index].rgbGreen, table[index].rgbBlue);
    };
    switch (bitsPixel)
    {
    case 1:
        return fromTable((row[x / 8] >> (7 - x % 8)) & 1);
    case 4:
        return fromTable((row[x / 2] >> ((x % 2) ? 0 : 4)) & 0xF);
    case 8:
        return fromTable(row[x]);
    case 16: {
        // 5-5-5 with blue in the low bits.
        WORD v = static_cast<WORD>(row[x * 2] | (row[x * 2 + 1] << 8));
        return RGB(((v >> 10) & 31) * 255 / 31, ((v >> 5) & 31) * 255 / 31, (v & 31) * 255 / 31);
    }
    case 24:
        return RGB(row[x * 3 + 2], row[x * 3 + 1], row[x * 3]);
    case 32:
        return RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]);
    default:
        return 0;
    }
}

COLORREF DominantColor(const Bitmap& bitmap, int x0, int y0, int x1, int y1)
{
    std::map<COLORREF, int> counts;
    COLORREF best = CLR_INVALID;
    int bestCount = 0;
    for (int y = std::max(y0, 0); y < std::min(y1, bitmap.height); ++y)
    {
        for (int x = std::max(x0, 0); x < std::min(x1, bitmap.width); ++x)
        {
            COLORREF color = bitmap.PixelAt(x, y);
            int count = ++counts[color];
            // Ties go to the colour that reached the count first, so results are stable.
            if (count > bestCount)
            {
                best = color;
                bestCount = count;
            }
        }
    }
    return best;
}

} // namespace

char CharForColor(COLORREF color)
{
    if (color == GetSysColor(COLOR_BTNFACE) || color == GetSysColor(COLOR_WINDOW))
        return ' ';
    int luminance =
        (299 * GetRValue(color) + 587 * GetGValue(color) + 114 * GetBValue(color)) / 1000;
    if (luminance < 80)
        return '#';
    if (luminance < 160)
        return ':';
    if (luminance < 205)
        return '.';
    return ' ';
}

} // namespace platform::gdi

using namespace platform;
using namespace platform::gdi;

HBITMAP WINAPI CreateBitmap(int width, int height, UINT planes, UINT bitCount, const void* bits)
{
    if (width < 0 || height < 0 || planes != 1)
        return nullptr;
    if (bitCount != 1 && bitCount != 16 && bitCount != 24 && bitCount != 32)
        return nullptr;
    auto bitmap = std::make_unique<Bitmap>(width, height, static_cast<int>(bitCount));
    if (bits)
    {
        // Rows of device-dependent bitmaps are padded to whole 16-bit words, top row first.
        size_t stride = static_cast<size_t>(((width * static_cast<int>(bitCount) + 15) / 16) * 2);
        const auto* data = static_cast<const BYTE*>(bits);
        for (int y = 0; y < height; ++y)
        {
            for (int x = 0; x < width; ++x)
                bitmap->SetPixelAt(x, y,
                                   ReadPixel(data + stride * static_cast<size_t>(y), x,
                                             static_cast<int>(bitCount), nullptr, 0));
        }
    }
    return static_cast<HBITMAP>(AddObject(std::move(bitmap)));
}

HBITMAP WINAPI CreateCompatibleBitmap(HDC hdc, int cx, int cy)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || cx < 0 || cy < 0)
        return nullptr;
    // Compatible with a memory DC means its bitmap's format, as on Windows.
    int bits = ScreenBitsPixel;
    if (dc->memory)
    {
        if (Bitmap* selected = FindBitmap(dc->bitmap))
            bits = selected->bitsPixel;
    }
    return static_cast<HBITMAP>(AddObject(std::make_unique<Bitmap>(cx, cy, bits)));
}

HBITMAP WINAPI CreateDIBitmap(HDC, const BITMAPINFOHEADER* header, DWORD init, const void* bits,
                              const BITMAPINFO* info, UINT usage)
{
    if (!header || header->biWidth < 0 || usage != DIB_RGB_COLORS)
        return nullptr;
    int width = header->biWidth;
    int height = header->biHeight < 0 ? -header->biHeight : header->biHeight;
    auto bitmap = std::make_unique<Bitmap>(width, height, ScreenBitsPixel);
    if ((init & CBM_INIT) && bits && info)
    {
        const BITMAPINFOHEADER& h = info->bmiHeader;
        int bitCount = h.biBitCount;
        if (h.biCompression != BI_RGB || (bitCount != 1 && bitCount != 4 && bitCount != 8 &&
                                          bitCount != 16 && bitCount != 24 && bitCount != 32))
            return nullptr;
        int tableSize =
            bitCount <= 8 ? (h.biClrUsed ? static_cast<int>(h.biClrUsed) : 1 << bitCount) : 0;
        // DIB rows are padded to 32 bits and stored bottom row first unless the height is
        // negative.
        size_t stride = static_cast<size_t>(((width * bitCount + 31) / 32) * 4);
        const auto* data = static_cast<const BYTE*>(bits);
        bool topDown = h.biHeight < 0;
        for (int y = 0; y < height; ++y)
        {
            int source = topDown ? y : height - 1 - y;
            for (int x = 0; x < width; ++x)
                bitmap->SetPixelAt(x, y,
                                   ReadPixel(data + stride * static_cast<size_t>(source), x,
                                             bitCount, info->bmiColors, tableSize));
        }
    }
    return static_cast<HBITMAP>(AddObject(std::move(bitmap)));
}

COLORREF WINAPI SetPixel(HDC hdc, int x, int y, COLORREF color)
{
    DeviceContext* dc = FindDC(hdc);
    Bitmap* bitmap = dc && dc->memory ? FindBitmap(dc->bitmap) : nullptr;
    if (!bitmap)
        return CLR_INVALID;
    POINT p = ToDevice(*dc, x, y);
    if (p.x < 0 || p.y < 0 || p.x >= bitmap->width || p.y >= bitmap->height ||
        !EffectiveClip(*dc).Contains(ColumnOf(p.x), RowOf(p.y)))
        return CLR_INVALID;
    bitmap->SetPixelAt(p.x, p.y, color & 0xFFFFFF);
    // The cell shows the pixels again rather than what GDI drew there before.
    bitmap->MarkDrawn(ColumnOf(p.x), RowOf(p.y), false);
    return color & 0xFFFFFF;
}

COLORREF WINAPI GetPixel(HDC hdc, int x, int y)
{
    DeviceContext* dc = FindDC(hdc);
    Bitmap* bitmap = dc && dc->memory ? FindBitmap(dc->bitmap) : nullptr;
    if (!bitmap)
        return CLR_INVALID;
    POINT p = ToDevice(*dc, x, y);
    if (p.x < 0 || p.y < 0 || p.x >= bitmap->width || p.y >= bitmap->height)
        return CLR_INVALID;
    return bitmap->PixelAt(p.x, p.y);
}

BOOL WINAPI BitBlt(HDC dst, int x, int y, int cx, int cy, HDC src, int x1, int y1, DWORD rop)
{
    if (rop == PATCOPY || rop == BLACKNESS || rop == WHITENESS || rop == DSTINVERT ||
        rop == PATINVERT)
        return PatBlt(dst, x, y, cx, cy, rop);
    DeviceContext* target = FindDC(dst);
    DeviceContext* source = FindDC(src);
    if (!target || !source || cx < 0 || cy < 0)
        return FALSE;
    POINT to = ToDevice(*target, x, y);
    POINT from = ToDevice(*source, x1, y1);
    Bitmap* sourceBitmap = source->memory ? FindBitmap(source->bitmap) : nullptr;
    Bitmap* targetBitmap = target->memory ? FindBitmap(target->bitmap) : nullptr;
    int dx = from.x - to.x;
    int dy = from.y - to.y;

    // Pixels travel only between bitmaps.
    if (sourceBitmap && targetBitmap)
    {
        CellRect clip = EffectiveClip(*target);
        for (int py = 0; py < cy; ++py)
        {
            for (int px = 0; px < cx; ++px)
            {
                int sx = from.x + px, sy = from.y + py, tx = to.x + px, ty = to.y + py;
                if (sx < 0 || sy < 0 || sx >= sourceBitmap->width || sy >= sourceBitmap->height ||
                    tx < 0 || ty < 0 || tx >= targetBitmap->width || ty >= targetBitmap->height ||
                    !clip.Contains(ColumnOf(tx), RowOf(ty)))
                    continue;
                targetBitmap->SetPixelAt(tx, ty, sourceBitmap->PixelAt(sx, sy));
            }
        }
    }

    CellRect cells =
        CellsOf(RECT{to.x, to.y, to.x + cx, to.y + cy}).Intersect(EffectiveClip(*target));
    for (int row = cells.top; row < cells.bottom; ++row)
    {
        for (int column = cells.left; column < cells.right; ++column)
        {
            // The part of this cell inside the copied rectangle, in source pixels.
            int left = std::max(column * Canvas::CellWidth, to.x) + dx;
            int top = std::max(row * Canvas::CellHeight, to.y) + dy;
            int right = std::min((column + 1) * Canvas::CellWidth, to.x + cx) + dx;
            int bottom = std::min((row + 1) * Canvas::CellHeight, to.y + cy) + dy;
            int sourceColumn = ColumnOf(left);
            int sourceRow = RowOf(top);
            if (!sourceBitmap || sourceBitmap->IsDrawn(sourceColumn, sourceRow))
            {
                PutCell(*target, column, row, CellAt(*source, sourceColumn, sourceRow));
                continue;
            }
            COLORREF color = DominantColor(*sourceBitmap, left, top, right, bottom);
            if (color == CLR_INVALID)
                continue;
            if (targetBitmap)
            {
                // The target shows its new pixels, not a character guessed from them.
                targetBitmap->MarkDrawn(column, row, false);
                continue;
            }
            PutCell(*target, column, row, Cell{CharForColor(color), FillAttributes(color)});
        }
    }
    return TRUE;
}
