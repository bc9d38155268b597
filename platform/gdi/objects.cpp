// GDI objects: the handle table, stock objects, creation, deletion and GetObjectA.
//
// Does not do: hatched or pattern brushes, extended pens, palettes, regions, or font
// enumeration. Every font measures the same (see text.cpp), so a font is only its LOGFONTA.

#include "gdi/objects.h"
#include "gdi/syscolor.h"

#include <algorithm>
#include <cstring>
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

std::unordered_map<HGDIOBJ, std::unique_ptr<GdiObject>>& Table()
{
    static std::unordered_map<HGDIOBJ, std::unique_ptr<GdiObject>> table;
    return table;
}

HGDIOBJ AddStock(std::unique_ptr<GdiObject> object)
{
    object->stock = true;
    return AddObject(std::move(object));
}

std::unique_ptr<Brush> MakeBrush(COLORREF color, bool hollow)
{
    auto brush = std::make_unique<Brush>();
    brush->color = color;
    brush->hollow = hollow;
    return brush;
}

std::unique_ptr<Pen> MakePen(int style, int width, COLORREF color)
{
    auto pen = std::make_unique<Pen>();
    pen->style = style;
    pen->width = width;
    pen->color = color;
    return pen;
}

std::unique_ptr<Font> MakeFont(const char* face, LONG height, LONG weight)
{
    auto font = std::make_unique<Font>();
    font->logFont.lfHeight = height;
    font->logFont.lfWeight = weight;
    std::strncpy(font->logFont.lfFaceName, face, LF_FACESIZE - 1);
    return font;
}

// Stock objects by GetStockObject index; created once, never deleted.
struct StockObjects
{
    HGDIOBJ objects[20] = {};
    HGDIOBJ defaultBitmap = nullptr;

    StockObjects()
    {
        objects[WHITE_BRUSH] = AddStock(MakeBrush(RGB(255, 255, 255), false));
        objects[LTGRAY_BRUSH] = AddStock(MakeBrush(RGB(192, 192, 192), false));
        objects[GRAY_BRUSH] = AddStock(MakeBrush(RGB(128, 128, 128), false));
        objects[DKGRAY_BRUSH] = AddStock(MakeBrush(RGB(64, 64, 64), false));
        objects[BLACK_BRUSH] = AddStock(MakeBrush(RGB(0, 0, 0), false));
        objects[NULL_BRUSH] = AddStock(MakeBrush(0, true));
        objects[WHITE_PEN] = AddStock(MakePen(PS_SOLID, 1, RGB(255, 255, 255)));
        objects[BLACK_PEN] = AddStock(MakePen(PS_SOLID, 1, RGB(0, 0, 0)));
        objects[NULL_PEN] = AddStock(MakePen(PS_NULL, 1, 0));
        // OEM_FIXED_FONT, ANSI_FIXED_FONT, ANSI_VAR_FONT, SYSTEM_FONT, DEVICE_DEFAULT_FONT,
        // SYSTEM_FIXED_FONT and DEFAULT_GUI_FONT: all the same size on this platform.
        objects[10] = AddStock(MakeFont("Terminal", 13, FW_NORMAL));
        objects[11] = AddStock(MakeFont("Courier", 13, FW_NORMAL));
        objects[ANSI_VAR_FONT] = AddStock(MakeFont("MS Sans Serif", 13, FW_NORMAL));
        objects[SYSTEM_FONT] = AddStock(MakeFont("System", 16, FW_BOLD));
        objects[14] = AddStock(MakeFont("System", 16, FW_BOLD));
        objects[16] = AddStock(MakeFont("Fixedsys", 15, FW_NORMAL));
        objects[DEFAULT_GUI_FONT] = AddStock(MakeFont("MS Shell Dlg", -11, FW_NORMAL));
        defaultBitmap = AddStock(std::make_unique<Bitmap>(1, 1, 1));
    }
};

StockObjects& Stock()
{
    static StockObjects stock;
    return stock;
}

template <typename T> T* FindTyped(HGDIOBJ handle, ObjectType type)
{
    GdiObject* object = FindObject(handle);
    if (!object || object->type != type)
        return nullptr;
    return static_cast<T*>(object);
}

} // namespace

Bitmap::Bitmap(int width, int height, int bitsPixel)
    : GdiObject(ObjectType::Bitmap), width(width), height(height), bitsPixel(bitsPixel),
      pixels(static_cast<size_t>(width) * static_cast<size_t>(height), RGB(0, 0, 0)),
      cells((width + Canvas::CellWidth - 1) / Canvas::CellWidth,
            (height + Canvas::CellHeight - 1) / Canvas::CellHeight),
      drawn(static_cast<size_t>(cells.Columns()) * static_cast<size_t>(cells.Rows()), false)
{
}

bool Bitmap::IsDrawn(int column, int row) const
{
    if (!cells.Contains(column, row))
        return false;
    return drawn[static_cast<size_t>(row) * static_cast<size_t>(cells.Columns()) +
                 static_cast<size_t>(column)];
}

void Bitmap::MarkDrawn(int column, int row, bool value)
{
    if (!cells.Contains(column, row))
        return;
    drawn[static_cast<size_t>(row) * static_cast<size_t>(cells.Columns()) +
          static_cast<size_t>(column)] = value;
}

HGDIOBJ AddObject(std::unique_ptr<GdiObject> object)
{
    HGDIOBJ handle = object.get();
    std::lock_guard guard(TableLock());
    Table().emplace(handle, std::move(object));
    return handle;
}

GdiObject* FindObject(HGDIOBJ handle)
{
    if (!handle)
        return nullptr;
    std::lock_guard guard(TableLock());
    auto it = Table().find(handle);
    return it == Table().end() ? nullptr : it->second.get();
}

Brush* FindBrush(HGDIOBJ handle)
{
    return FindTyped<Brush>(handle, ObjectType::Brush);
}

Pen* FindPen(HGDIOBJ handle)
{
    return FindTyped<Pen>(handle, ObjectType::Pen);
}

Font* FindFont(HGDIOBJ handle)
{
    return FindTyped<Font>(handle, ObjectType::Font);
}

Bitmap* FindBitmap(HGDIOBJ handle)
{
    return FindTyped<Bitmap>(handle, ObjectType::Bitmap);
}

BrushColor ResolveBrush(HBRUSH handle)
{
    auto value = reinterpret_cast<ULONG_PTR>(handle);
    if (value >= 1 && value <= SysColorCount)
        return BrushColor{true, false, GetSysColor(static_cast<int>(value - 1))};
    Brush* brush = FindBrush(handle);
    if (!brush)
        return BrushColor{};
    COLORREF color = brush->sysColor >= 0 ? GetSysColor(brush->sysColor) : brush->color;
    return BrushColor{true, brush->hollow, color};
}

HBITMAP DefaultBitmap()
{
    return static_cast<HBITMAP>(Stock().defaultBitmap);
}

} // namespace platform::gdi

using namespace platform::gdi;

HGDIOBJ WINAPI GetStockObject(int index)
{
    if (index < 0 || index >= static_cast<int>(std::size(Stock().objects)))
        return nullptr;
    return Stock().objects[index];
}

BOOL WINAPI DeleteObject(HGDIOBJ handle)
{
    std::lock_guard guard(TableLock());
    auto it = Table().find(handle);
    if (it == Table().end())
        return FALSE;
    if (it->second->stock)
        return TRUE;
    // Win32 leaves a selected object's fate undefined; refusing keeps the DC's state valid.
    if (it->second->selected > 0)
        return FALSE;
    Table().erase(it);
    return TRUE;
}

HBRUSH WINAPI CreateSolidBrush(COLORREF color)
{
    return static_cast<HBRUSH>(AddObject(MakeBrush(color & 0xFFFFFF, false)));
}

HBRUSH WINAPI CreateBrushIndirect(const LOGBRUSH* logBrush)
{
    if (!logBrush)
        return nullptr;
    if (logBrush->lbStyle == BS_NULL)
        return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    if (logBrush->lbStyle != BS_SOLID)
        return nullptr;
    return CreateSolidBrush(logBrush->lbColor);
}

HPEN WINAPI CreatePen(int style, int width, COLORREF color)
{
    if (style < PS_SOLID || style > PS_INSIDEFRAME)
        return nullptr;
    return static_cast<HPEN>(AddObject(MakePen(style, std::max(width, 1), color & 0xFFFFFF)));
}

HFONT WINAPI CreateFontIndirectA(const LOGFONTA* logFont)
{
    if (!logFont)
        return nullptr;
    auto font = std::make_unique<Font>();
    font->logFont = *logFont;
    font->logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    return static_cast<HFONT>(AddObject(std::move(font)));
}

int WINAPI GetObjectA(HGDIOBJ handle, int size, LPVOID buffer)
{
    GdiObject* object = FindObject(handle);
    if (!object)
        return 0;
    auto copyOut = [&](const auto& value) {
        int needed = static_cast<int>(sizeof(value));
        if (!buffer)
            return needed;
        if (size < needed)
            return 0;
        std::memcpy(buffer, &value, sizeof(value));
        return needed;
    };
    switch (object->type)
    {
    case ObjectType::Brush: {
        auto* brush = static_cast<Brush*>(object);
        LOGBRUSH lb{brush->hollow ? static_cast<UINT>(BS_NULL) : static_cast<UINT>(BS_SOLID),
                    ResolveBrush(static_cast<HBRUSH>(handle)).color, 0};
        return copyOut(lb);
    }
    case ObjectType::Pen: {
        auto* pen = static_cast<Pen*>(object);
        LOGPEN lp{static_cast<UINT>(pen->style), POINT{pen->width, 0}, pen->color};
        return copyOut(lp);
    }
    case ObjectType::Font:
        return copyOut(static_cast<Font*>(object)->logFont);
    case ObjectType::Bitmap: {
        auto* bitmap = static_cast<Bitmap*>(object);
        // Rows of a device-dependent bitmap are padded to whole 16-bit words.
        LONG widthBytes = ((bitmap->width * bitmap->bitsPixel + 15) / 16) * 2;
        BITMAP bm{0,
                  bitmap->width,
                  bitmap->height,
                  widthBytes,
                  1,
                  static_cast<WORD>(bitmap->bitsPixel),
                  nullptr};
        return copyOut(bm);
    }
    }
    return 0;
}
