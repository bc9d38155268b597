// System colours: GetSysColor, GetSysColorBrush and SetSysColors, starting from the classic
// Windows 2000 "Windows Standard" scheme.
//
// Does not do: persisting colours, or the colour indexes beyond COLOR_MENUBAR.

#include "gdi/objects.h"
#include "gdi/syscolor.h"

#include <array>
#include <atomic>
#include <mutex>
#include <vector>

namespace platform::gdi
{
namespace
{

constexpr std::array<COLORREF, SysColorCount> ClassicColors = {
    RGB(212, 208, 200), // COLOR_SCROLLBAR
    RGB(58, 110, 165),  // COLOR_BACKGROUND
    RGB(10, 36, 106),   // COLOR_ACTIVECAPTION
    RGB(128, 128, 128), // COLOR_INACTIVECAPTION
    RGB(212, 208, 200), // COLOR_MENU
    RGB(255, 255, 255), // COLOR_WINDOW
    RGB(0, 0, 0),       // COLOR_WINDOWFRAME
    RGB(0, 0, 0),       // COLOR_MENUTEXT
    RGB(0, 0, 0),       // COLOR_WINDOWTEXT
    RGB(255, 255, 255), // COLOR_CAPTIONTEXT
    RGB(212, 208, 200), // COLOR_ACTIVEBORDER
    RGB(212, 208, 200), // COLOR_INACTIVEBORDER
    RGB(128, 128, 128), // COLOR_APPWORKSPACE
    RGB(10, 36, 106),   // COLOR_HIGHLIGHT
    RGB(255, 255, 255), // COLOR_HIGHLIGHTTEXT
    RGB(212, 208, 200), // COLOR_BTNFACE
    RGB(128, 128, 128), // COLOR_BTNSHADOW
    RGB(128, 128, 128), // COLOR_GRAYTEXT
    RGB(0, 0, 0),       // COLOR_BTNTEXT
    RGB(212, 208, 200), // COLOR_INACTIVECAPTIONTEXT
    RGB(255, 255, 255), // COLOR_BTNHIGHLIGHT
    RGB(64, 64, 64),    // COLOR_3DDKSHADOW
    RGB(212, 208, 200), // COLOR_3DLIGHT
    RGB(0, 0, 0),       // COLOR_INFOTEXT
    RGB(255, 255, 225), // COLOR_INFOBK
    RGB(181, 181, 181), // 25: unused by Win32, kept for the table's shape
    RGB(0, 0, 128),     // COLOR_HOTLIGHT
    RGB(166, 202, 240), // COLOR_GRADIENTACTIVECAPTION
    RGB(192, 192, 192), // COLOR_GRADIENTINACTIVECAPTION
    RGB(49, 106, 197),  // COLOR_MENUHILIGHT
    RGB(212, 208, 200), // COLOR_MENUBAR
};

// Colours are read on every text and fill call from any thread, and changed rarely.
struct ColorTable
{
    std::array<std::atomic<COLORREF>, SysColorCount> colors;

    ColorTable()
    {
        for (int i = 0; i < SysColorCount; ++i)
            colors[i].store(ClassicColors[i]);
    }
};

std::array<std::atomic<COLORREF>, SysColorCount>& Colors()
{
    static ColorTable table;
    return table.colors;
}

// One brush per colour, created on first use; each follows its colour through SetSysColors.
HBRUSH SysBrush(int index)
{
    static std::array<HBRUSH, SysColorCount> brushes = [] {
        std::array<HBRUSH, SysColorCount> made{};
        for (int i = 0; i < SysColorCount; ++i)
        {
            auto brush = std::make_unique<Brush>();
            brush->sysColor = i;
            brush->stock = true;
            made[i] = static_cast<HBRUSH>(AddObject(std::move(brush)));
        }
        return made;
    }();
    return brushes[index];
}

BOOL CALLBACK SendSysColorChange(HWND hwnd, LPARAM)
{
    SendMessageA(hwnd, WM_SYSCOLORCHANGE, 0, 0);
    return TRUE;
}

} // namespace
} // namespace platform::gdi

using namespace platform::gdi;

DWORD WINAPI GetSysColor(int index)
{
    if (index < 0 || index >= SysColorCount)
        return 0;
    return Colors()[index].load(std::memory_order_relaxed);
}

HBRUSH WINAPI GetSysColorBrush(int index)
{
    if (index < 0 || index >= SysColorCount)
        return nullptr;
    return SysBrush(index);
}

BOOL WINAPI SetSysColors(int count, const INT* elements, const COLORREF* values)
{
    if (count < 0 || (count > 0 && (!elements || !values)))
        return FALSE;
    for (int i = 0; i < count; ++i)
    {
        if (elements[i] >= 0 && elements[i] < SysColorCount)
            Colors()[elements[i]].store(values[i] & 0xFFFFFF, std::memory_order_relaxed);
    }
    // Windows tells every top-level window, so that controls can rebuild cached brushes.
    EnumWindows(SendSysColorChange, 0);
    return TRUE;
}
