// GDI objects (brushes, pens, fonts, bitmaps) and the handle table that owns them.
#pragma once
#include "platform/canvas.h"

#include <atomic>
#include <memory>
#include <vector>

namespace platform::gdi
{

enum class ObjectType
{
    Brush,
    Pen,
    Font,
    Bitmap,
};

struct GdiObject
{
    explicit GdiObject(ObjectType type) : type(type) {}
    virtual ~GdiObject() = default;

    ObjectType type;
    bool stock = false;
    // How many device contexts have the object selected; such objects cannot be deleted.
    std::atomic<int> selected{0};
};

struct Brush : GdiObject
{
    Brush() : GdiObject(ObjectType::Brush) {}
    COLORREF color = 0;
    bool hollow = false;
    // A system colour brush follows its colour when SetSysColors changes it; -1 otherwise.
    int sysColor = -1;
};

struct Pen : GdiObject
{
    Pen() : GdiObject(ObjectType::Pen) {}
    int style = PS_SOLID;
    int width = 1;
    COLORREF color = 0;
};

struct Font : GdiObject
{
    Font() : GdiObject(ObjectType::Font) {}
    LOGFONTA logFont{};
};

// A bitmap keeps two pictures of itself. Pixels hold colours, as set by CreateBitmap,
// CreateDIBitmap, SetPixel and fills; cells hold what GDI drew on it as characters (text,
// lines, frames). A cell that GDI drew on wins over the pixels beneath it when the bitmap is
// copied to a canvas; the other cells are made from the pixels' dominant colour.
struct Bitmap : GdiObject
{
    Bitmap(int width, int height, int bitsPixel);

    int width;
    int height;
    int bitsPixel;
    std::vector<COLORREF> pixels;
    Canvas cells;
    std::vector<bool> drawn;

    COLORREF PixelAt(int x, int y) const
    {
        return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
    }
    void SetPixelAt(int x, int y, COLORREF color)
    {
        pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)] =
            color;
    }
    bool IsDrawn(int column, int row) const;
    void MarkDrawn(int column, int row, bool value);
};

// Takes ownership of a new object and returns its handle.
HGDIOBJ AddObject(std::unique_ptr<GdiObject> object);
// The live object behind a handle, or null when the handle is not one of that type.
GdiObject* FindObject(HGDIOBJ handle);
Brush* FindBrush(HGDIOBJ handle);
Pen* FindPen(HGDIOBJ handle);
Font* FindFont(HGDIOBJ handle);
Bitmap* FindBitmap(HGDIOBJ handle);

// What a brush handle paints with. Besides real brushes, Win32 accepts a system colour index
// plus one in place of a brush (for window classes and FillRect), so those small values are
// decoded here too.
struct BrushColor
{
    bool valid = false;
    bool hollow = false;
    COLORREF color = 0;
};
BrushColor ResolveBrush(HBRUSH brush);

// The 1 x 1 monochrome bitmap that every new memory DC starts with.
HBITMAP DefaultBitmap();

// The bits per pixel that this platform's screen has: every compatible bitmap has them.
constexpr int ScreenBitsPixel = 32;

} // namespace platform::gdi
