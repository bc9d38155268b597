// Device contexts: creation and deletion, saved states, origins, clipping, selected objects,
// colours, background mode and device capabilities.
//
// Does not do: mapping modes other than MM_TEXT, world transforms, regions (the clip is one
// rectangle of cells), or printer DCs.

#include "gdi/dc.h"

#include <algorithm>
#include <mutex>
#include <unordered_map>

namespace platform::gdi
{
namespace
{

std::mutex& TableLock()
{
    static std::mutex lock;
    return lock;
}

std::unordered_map<HDC, std::unique_ptr<DeviceContext>>& Table()
{
    static std::unordered_map<HDC, std::unique_ptr<DeviceContext>> table;
    return table;
}

void Select(HGDIOBJ handle, int delta)
{
    GdiObject* object = FindObject(handle);
    if (object && !object->stock)
        object->selected += delta;
}

void SetDefaults(DeviceContext& dc)
{
    dc.state.brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    dc.state.pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
    dc.state.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
}

} // namespace

DeviceContext* FindDC(HDC hdc)
{
    if (!hdc)
        return nullptr;
    std::lock_guard guard(TableLock());
    auto it = Table().find(hdc);
    return it == Table().end() ? nullptr : it->second.get();
}

HDC AddDC(std::unique_ptr<DeviceContext> dc)
{
    auto hdc = reinterpret_cast<HDC>(dc.get());
    std::lock_guard guard(TableLock());
    Table().emplace(hdc, std::move(dc));
    return hdc;
}

HDC CreateDCOnCanvas(Canvas* canvas, std::unique_ptr<Canvas> owned)
{
    auto dc = std::make_unique<DeviceContext>();
    dc->ownedCanvas = std::move(owned);
    dc->canvas = canvas;
    dc->deviceClip = canvas->Bounds();
    SetDefaults(*dc);
    return AddDC(std::move(dc));
}

POINT ToDevice(const DeviceContext& dc, int x, int y)
{
    return POINT{x - dc.state.windowOrg.x + dc.state.viewportOrg.x + dc.deviceOrigin.x,
                 y - dc.state.windowOrg.y + dc.state.viewportOrg.y + dc.deviceOrigin.y};
}

CellRect CellsOf(const RECT& device)
{
    if (device.right <= device.left || device.bottom <= device.top)
        return CellRect{};
    int left = ColumnOf(device.left);
    int top = RowOf(device.top);
    return CellRect{left, top, std::max(left + 1, ColumnOf(device.right)),
                    std::max(top + 1, RowOf(device.bottom))};
}

CellRect EffectiveClip(const DeviceContext& dc)
{
    if (!dc.canvas)
        return CellRect{};
    CellRect clip = dc.deviceClip.Intersect(dc.canvas->Bounds());
    if (dc.state.clip)
        clip = clip.Intersect(*dc.state.clip);
    return clip;
}

void PutCell(DeviceContext& dc, int column, int row, Cell cell)
{
    if (!EffectiveClip(dc).Contains(column, row))
        return;
    dc.canvas->Set(column, row, cell);
    if (dc.memory)
    {
        if (Bitmap* bitmap = FindBitmap(dc.bitmap))
            bitmap->MarkDrawn(column, row, true);
    }
}

void FillDevice(DeviceContext& dc, const RECT& device, COLORREF color)
{
    CellRect area = CellsOf(device).Intersect(EffectiveClip(dc));
    Cell blank{' ', FillAttributes(color)};
    for (int row = area.top; row < area.bottom; ++row)
    {
        for (int column = area.left; column < area.right; ++column)
            PutCell(dc, column, row, blank);
    }
    Bitmap* bitmap = dc.memory ? FindBitmap(dc.bitmap) : nullptr;
    if (!bitmap)
        return;
    for (int y = std::max<int>(device.top, 0); y < std::min<int>(device.bottom, bitmap->height);
         ++y)
    {
        for (int x = std::max<int>(device.left, 0); x < std::min<int>(device.right, bitmap->width);
             ++x)
        {
            if (area.Contains(ColumnOf(x), RowOf(y)))
                bitmap->SetPixelAt(x, y, color);
        }
    }
}

Cell CellAt(const DeviceContext& dc, int column, int row)
{
    return dc.canvas ? dc.canvas->At(column, row) : Cell{};
}

std::uint16_t TextAttributes(const DeviceContext& dc)
{
    std::uint16_t attributes = 0;
    if (dc.state.textColor == GetSysColor(COLOR_GRAYTEXT))
        attributes |= CellDisabled;
    if (dc.state.textColor == GetSysColor(COLOR_HIGHLIGHTTEXT))
        attributes |= CellSelected;
    if (dc.state.bkMode == OPAQUE && dc.state.bkColor == GetSysColor(COLOR_HIGHLIGHT))
        attributes |= CellSelected;
    // Stock fonts never count as bold: the default SYSTEM_FONT would otherwise make every
    // control that does not select the dialog's font look like a default button.
    if (Font* font = FindFont(dc.state.font);
        font && !font->stock && font->logFont.lfWeight >= FW_BOLD)
        attributes |= CellBold;
    return attributes;
}

std::uint16_t FillAttributes(COLORREF color)
{
    return color == GetSysColor(COLOR_HIGHLIGHT) ? CellSelected : 0;
}

} // namespace platform::gdi

namespace platform
{

HDC CreateCanvasDC(Canvas* canvas)
{
    if (!canvas)
        return nullptr;
    return gdi::CreateDCOnCanvas(canvas, nullptr);
}

Canvas* CanvasOfDC(HDC hdc)
{
    gdi::DeviceContext* dc = gdi::FindDC(hdc);
    return dc ? dc->canvas : nullptr;
}

} // namespace platform

using namespace platform;
using namespace platform::gdi;

HDC WINAPI CreateCompatibleDC(HDC)
{
    auto dc = std::make_unique<DeviceContext>();
    dc->memory = true;
    SetDefaults(*dc);
    HBITMAP bitmap = DefaultBitmap();
    dc->bitmap = bitmap;
    Bitmap* object = FindBitmap(bitmap);
    dc->canvas = &object->cells;
    dc->deviceClip = object->cells.Bounds();
    return AddDC(std::move(dc));
}

BOOL WINAPI DeleteDC(HDC hdc)
{
    std::unique_ptr<DeviceContext> dc;
    {
        std::lock_guard guard(TableLock());
        auto it = Table().find(hdc);
        if (it == Table().end())
            return FALSE;
        dc = std::move(it->second);
        Table().erase(it);
    }
    Select(dc->state.brush, -1);
    Select(dc->state.pen, -1);
    Select(dc->state.font, -1);
    if (dc->memory)
        Select(dc->bitmap, -1);
    for (const DcState& saved : dc->saved)
    {
        Select(saved.brush, -1);
        Select(saved.pen, -1);
        Select(saved.font, -1);
    }
    return TRUE;
}

HGDIOBJ WINAPI SelectObject(HDC hdc, HGDIOBJ handle)
{
    DeviceContext* dc = FindDC(hdc);
    GdiObject* object = FindObject(handle);
    if (!dc || !object)
        return nullptr;
    auto swap = [&](auto& slot) {
        using Handle = std::remove_reference_t<decltype(slot)>;
        HGDIOBJ previous = slot;
        slot = static_cast<Handle>(handle);
        Select(handle, +1);
        Select(previous, -1);
        return previous;
    };
    switch (object->type)
    {
    case ObjectType::Brush:
        return swap(dc->state.brush);
    case ObjectType::Pen:
        return swap(dc->state.pen);
    case ObjectType::Font:
        return swap(dc->state.font);
    case ObjectType::Bitmap: {
        // Only memory DCs take bitmaps, and a bitmap lives in one DC at a time.
        auto* bitmap = static_cast<Bitmap*>(object);
        if (!dc->memory || (!bitmap->stock && bitmap->selected > 0 && handle != dc->bitmap))
            return nullptr;
        HGDIOBJ previous = swap(dc->bitmap);
        dc->canvas = &bitmap->cells;
        dc->deviceClip = bitmap->cells.Bounds();
        dc->state.clip.reset();
        return previous;
    }
    }
    return nullptr;
}

HGDIOBJ WINAPI GetCurrentObject(HDC hdc, UINT type)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return nullptr;
    switch (type)
    {
    case OBJ_BRUSH:
        return dc->state.brush;
    case OBJ_PEN:
        return dc->state.pen;
    case OBJ_FONT:
        return dc->state.font;
    case OBJ_BITMAP:
        return dc->memory ? dc->bitmap : nullptr;
    default:
        return nullptr;
    }
}

int WINAPI SaveDC(HDC hdc)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return 0;
    dc->saved.push_back(dc->state);
    Select(dc->state.brush, +1);
    Select(dc->state.pen, +1);
    Select(dc->state.font, +1);
    return static_cast<int>(dc->saved.size());
}

BOOL WINAPI RestoreDC(HDC hdc, int savedDC)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    int depth = static_cast<int>(dc->saved.size());
    // A negative value counts back from the most recent save.
    int level = savedDC < 0 ? depth + savedDC + 1 : savedDC;
    if (level < 1 || level > depth)
        return FALSE;
    Select(dc->state.brush, -1);
    Select(dc->state.pen, -1);
    Select(dc->state.font, -1);
    dc->state = dc->saved[static_cast<size_t>(level - 1)];
    for (size_t i = static_cast<size_t>(level); i < dc->saved.size(); ++i)
    {
        Select(dc->saved[i].brush, -1);
        Select(dc->saved[i].pen, -1);
        Select(dc->saved[i].font, -1);
    }
    dc->saved.resize(static_cast<size_t>(level - 1));
    return TRUE;
}

BOOL WINAPI SetViewportOrgEx(HDC hdc, int x, int y, LPPOINT previous)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->state.viewportOrg;
    dc->state.viewportOrg = POINT{x, y};
    return TRUE;
}

BOOL WINAPI OffsetViewportOrgEx(HDC hdc, int dx, int dy, LPPOINT previous)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->state.viewportOrg;
    dc->state.viewportOrg.x += dx;
    dc->state.viewportOrg.y += dy;
    return TRUE;
}

BOOL WINAPI GetViewportOrgEx(HDC hdc, LPPOINT point)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !point)
        return FALSE;
    *point = dc->state.viewportOrg;
    return TRUE;
}

BOOL WINAPI SetWindowOrgEx(HDC hdc, int x, int y, LPPOINT previous)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return FALSE;
    if (previous)
        *previous = dc->state.windowOrg;
    dc->state.windowOrg = POINT{x, y};
    return TRUE;
}

BOOL WINAPI GetWindowOrgEx(HDC hdc, LPPOINT point)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !point)
        return FALSE;
    *point = dc->state.windowOrg;
    return TRUE;
}

int WINAPI IntersectClipRect(HDC hdc, int left, int top, int right, int bottom)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return ERROR;
    POINT a = ToDevice(*dc, left, top);
    POINT b = ToDevice(*dc, right, bottom);
    CellRect cells = CellsOf(RECT{a.x, a.y, b.x, b.y});
    dc->state.clip = dc->state.clip ? dc->state.clip->Intersect(cells) : cells;
    return EffectiveClip(*dc).IsEmpty() ? NULLREGION : SIMPLEREGION;
}

int WINAPI GetClipBox(HDC hdc, LPRECT rect)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || !rect)
        return ERROR;
    CellRect clip = EffectiveClip(*dc);
    if (clip.IsEmpty())
    {
        *rect = RECT{0, 0, 0, 0};
        return NULLREGION;
    }
    // Back from device cells to logical pixels: the inverse of ToDevice.
    POINT origin = ToDevice(*dc, 0, 0);
    *rect = RECT{clip.left * Canvas::CellWidth - origin.x, clip.top * Canvas::CellHeight - origin.y,
                 clip.right * Canvas::CellWidth - origin.x,
                 clip.bottom * Canvas::CellHeight - origin.y};
    return SIMPLEREGION;
}

COLORREF WINAPI SetTextColor(HDC hdc, COLORREF color)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return CLR_INVALID;
    COLORREF previous = dc->state.textColor;
    dc->state.textColor = color & 0xFFFFFF;
    return previous;
}

COLORREF WINAPI GetTextColor(HDC hdc)
{
    DeviceContext* dc = FindDC(hdc);
    return dc ? dc->state.textColor : CLR_INVALID;
}

COLORREF WINAPI SetBkColor(HDC hdc, COLORREF color)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc)
        return CLR_INVALID;
    COLORREF previous = dc->state.bkColor;
    dc->state.bkColor = color & 0xFFFFFF;
    return previous;
}

COLORREF WINAPI GetBkColor(HDC hdc)
{
    DeviceContext* dc = FindDC(hdc);
    return dc ? dc->state.bkColor : CLR_INVALID;
}

int WINAPI SetBkMode(HDC hdc, int mode)
{
    DeviceContext* dc = FindDC(hdc);
    if (!dc || (mode != OPAQUE && mode != TRANSPARENT))
        return 0;
    int previous = dc->state.bkMode;
    dc->state.bkMode = mode;
    return previous;
}

int WINAPI GetBkMode(HDC hdc)
{
    DeviceContext* dc = FindDC(hdc);
    return dc ? dc->state.bkMode : 0;
}

int WINAPI GetDeviceCaps(HDC hdc, int index)
{
    if (!FindDC(hdc))
        return 0;
    // Every DC reports the screen, as memory DCs compatible with it do on Windows.
    switch (index)
    {
    case TECHNOLOGY:
        return DT_RASDISPLAY;
    case HORZRES:
        return 1280;
    case VERTRES:
        return 1024;
    case HORZSIZE:
        return 338; // millimetres of 1280 pixels at 96 per inch
    case VERTSIZE:
        return 270;
    case BITSPIXEL:
        return ScreenBitsPixel;
    case PLANES:
        return 1;
    case NUMCOLORS:
        return -1;
    case RASTERCAPS:
        return RC_BITBLT;
    case LOGPIXELSX:
    case LOGPIXELSY:
        return 96;
    default:
        return 0;
    }
}
