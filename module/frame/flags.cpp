// The module-wide flags and the two exports that only set them (they need no entry frame).
//
// Does not do:
// - Reset a flag: every flag keeps its value for the life of the process.
#include "frame/exports.h"
#include "frame/module_state.h"

int g_nXeldFlag = 0;
int g_nRefState = 0;
int g_nHideUpwardCancel = 0;

QUARNEL_EXPORT(stdcall) int gxSetXeldFlag(int nFlag)
{
    g_nXeldFlag = nFlag;
    return nFlag;
}

QUARNEL_EXPORT(stdcall) int gxSetRefState(int nFlag)
{
    g_nRefState = nFlag;
    return nFlag;
}
