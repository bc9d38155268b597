// InitCommonControls: the common controls register with the window manager on their own, so
// there is nothing to do but report success.

#include <commctrl.h>

void WINAPI InitCommonControls() {}

BOOL WINAPI InitCommonControlsEx(const INITCOMMONCONTROLSEX* init)
{
    return init && init->dwSize == sizeof(INITCOMMONCONTROLSEX);
}
