// Text output and measurement: TextOutA, ExtTextOutA, GetTextExtentPoint32A, GetTextMetricsA.
//
// Every font is the dialog font as this platform measures it: 6 pixels per character and 13
// pixels per line whatever the face, height or weight. Only the weight shows, as CellBold.
//
// Does not do: text alignment modes (SetTextAlign), per-character widths (the dx array of
// ExtTextOutA is ignored), or rotated text.

#include "gdi/text.h"

#include <cstring>

namespace platform::gdi
{

void DrawGlyphs(DeviceContext& dc, POINT device, std::string_view text, int underline)
{
    int row = RowOf(device.y);
    int column = ColumnOf(device.x);
    std::uint16_t attributes = TextAttributes(dc);
    bool transparent = dc.state.bkMode == TRANSPARENT;
    for (size_t i = 0; i < text.size(); ++i, ++column)
    {
        char ch = text[i];
        if (ch == '\t' || ch == '\r' || ch == '\n' || ch == '\0')
            ch = ' ';
        Cell beneath = CellAt(dc, column, row);
        if (transparent && ch == ' ')
            continue;
        Cell cell{ch, attributes};
        // A transparent glyph keeps the highlight and focus rectangle drawn beneath it.
        if (transparent)
            cell.attributes |= beneath.attributes & (CellSelected | CellFocus);
        if (static_cast<int>(i) == underline)
            cell.attributes |= CellUnderline;
        PutCell(dc, column, row, cell);
    }
}

} // namespace platform::gdi

using namespace platform;
using namespace platform::gdi;

BOOL WINAPI TextOutA(HDC hdc, int x, int y, LPCSTR text, int count)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || count < 0 || (count > 0 && !text))
        return FALSE;
    DrawGlyphs(*dc, ToDevice(*dc, x, y), std::string_view(text ? text : "", count));
    return TRUE;
}

BOOL WINAPI ExtTextOutA(HDC hdc, int x, int y, UINT options, const RECT* rect, LPCSTR text,
                        UINT count, const INT*)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || (count > 0 && !text))
        return FALSE;
    std::optional<CellRect> savedClip = dc->state.clip;
    if (rect && (options & (ETO_OPAQUE | ETO_CLIPPED)))
    {
        POINT a = ToDevice(*dc, rect->left, rect->top);
        POINT b = ToDevice(*dc, rect->right, rect->bottom);
        CellRect cells = CellsOf(RECT{a.x, a.y, b.x, b.y});
        // ETO_OPAQUE fills the rectangle with the background colour; this is how MFC's
        // FillSolidRect paints, so a highlight background must mark the cells selected.
        if (options & ETO_OPAQUE)
            FillDevice(*dc, RECT{a.x, a.y, b.x, b.y}, dc->state.bkColor);
        if (options & ETO_CLIPPED)
            dc->state.clip = dc->state.clip ? dc->state.clip->Intersect(cells) : cells;
    }
    if (count > 0)
        DrawGlyphs(*dc, ToDevice(*dc, x, y), std::string_view(text, count));
    dc->state.clip = savedClip;
    return TRUE;
}

BOOL WINAPI GetTextExtentPoint32A(HDC hdc, LPCSTR, int count, LPSIZE size)
{
    if (!FindDC(hdc) || !size || count < 0)
        return FALSE;
    *size = SIZE{count * CharWidth, LineHeight};
    return TRUE;
}

BOOL WINAPI GetTextMetricsA(HDC hdc, LPTEXTMETRICA metrics)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !metrics)
        return FALSE;
    std::memset(metrics, 0, sizeof(*metrics));
    metrics->tmHeight = LineHeight;
    metrics->tmAscent = 11;
    metrics->tmDescent = 2;
    metrics->tmAveCharWidth = CharWidth;
    metrics->tmMaxCharWidth = CharWidth;
    Font* font = FindFont(dc->state.font);
    metrics->tmWeight = font ? font->logFont.lfWeight : FW_NORMAL;
    if (metrics->tmWeight == 0)
        metrics->tmWeight = FW_NORMAL;
    metrics->tmItalic = font ? font->logFont.lfItalic : 0;
    metrics->tmUnderlined = font ? font->logFont.lfUnderline : 0;
    metrics->tmDigitizedAspectX = 96;
    metrics->tmDigitizedAspectY = 96;
    metrics->tmFirstChar = 0x20;
    metrics->tmLastChar = 0xFF;
    metrics->tmDefaultChar = 0x80;
    metrics->tmBreakChar = ' ';
    // FF_SWISS, and the pitch bit clear: every character has the same width.
    metrics->tmPitchAndFamily = 0x20;
    return TRUE;
}
