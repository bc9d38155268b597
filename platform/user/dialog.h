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

DialogInfo* DialogOf(HWND hwnd);
// Builds a DLGTEMPLATEEX in memory, for the message box and for tests.
class TemplateBuilder;

} // namespace platform
