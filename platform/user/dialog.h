// The dialog manager's per-dialog state.
#pragma once
#include "user/window.h"

namespace platform
{

struct DialogInfo
{
    HWND focus = nullptr; // the control that had the focus when the dialog was last active
    WORD defId = 0;       // DM_SETDEFID's id; 0 until set or found at creation
    INT_PTR result = 0;
    bool ended = false;           // EndDialog was called
    bool modal = false;           // shown by DialogBox*, which ends its loop on EndDialog
    HWND disabledOwner = nullptr; // the owner DialogBox disabled, enabled again by EndDialog
};

// The dialog base units. Windows' dialog font is 6 pixels wide on average, but its proportional
// glyphs are narrower in most text, so a caption fits a control sized for it; here every glyph
// takes a whole 6-pixel cell, and a base unit of 7 gives captions about the room in characters
// that Windows gives them in pixels.
constexpr int DialogBaseUnitX = 7;
constexpr int DialogBaseUnitY = 13;

DialogInfo* DialogOf(HWND hwnd);
// Builds a DLGTEMPLATEEX in memory, for the message box and for tests.
class TemplateBuilder;

} // namespace platform
