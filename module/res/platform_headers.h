// The platform's Win32 headers for the resource scripts, reached by a path relative to this
// folder: a resource compiler given only this folder on its include path (as a resource editor
// or a check of the templates is) still finds the style and control names.
#pragma once
#include "../../platform/include/windows.h"
#include "../../platform/include/commctrl.h"
