// What the files of the tab control share: its tabs, its state, and its geometry.
#pragma once
#include <commctrl.h>

#include <string>
#include <vector>

namespace platform::tab
{

struct Tab
{
    std::string text;
    int image = -1;
    LPARAM lParam = 0;
    DWORD state = 0; // TCIS_HIGHLIGHTED as set; TCIS_BUTTONPRESSED follows the selection
};

struct TabControl
{
    HWND hwnd = nullptr;
    // Where notifications go: the parent the control was created with, as on Windows.
    HWND notify = nullptr;
    HFONT font = nullptr;
    bool focused = false;
    // A press on the control that its release turns into NM_CLICK.
    bool pressed = false;

    std::vector<Tab> tabs;
    int selected = -1;
    int focus = -1;
    // The first tab drawn at the left edge, moved so that the selected tab is in view.
    int firstShown = 0;

    int depth = 0;
    bool dead = false;
};

// The tab row is one text line high; a tab is its text between "[ " and " ]".
constexpr int RowHeight = 13;
constexpr int CharWidth = 6;

// ---- Geometry and painting (tab_view.cpp) ----

int TabWidth(const TabControl& c, int index);
RECT TabRect(const TabControl& c, int index);
int HitTest(const TabControl& c, POINT pt, UINT* flags);
// TCM_ADJUSTRECT: from the window's rectangle to the page area, or back when larger.
void AdjustRect(bool larger, RECT& rect);
void ShowTab(TabControl& c, int index);
void Paint(TabControl& c, HDC hdc);

} // namespace platform::tab
