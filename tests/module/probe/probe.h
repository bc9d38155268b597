// The probe module: a library built from the module's own frame objects (start-up, flags,
// entry frame) plus a few exports of its own that run through the entry frame and report what
// they saw there. The frame tests load it by name in place of the module, so that they can run
// dialogs through the very frame the module's exports use before those exports exist.
//
// Its exports (all cdecl), besides QuarnelInitExtDLL, gxSetXeldFlag and gxSetRefState:
//   int probeShowDialog(int templateId, int notShown)      CDialog(templateId).DoModal()
//   int probeInside(ProbeView* view, int notShown)         fills view inside the frame, returns 1
//   int probeInsideAnyWindow(ProbeView* view, int notShown) the same, without the main window check
//   int probeThrow(int kind, int notShown)                 throws inside the frame (ProbeThrow)
//   void probeGlobals(ProbeGlobals* globals)               the module-wide variables
#pragma once

#include "probe_ids.h"

#include <afxwin.h>

struct ProbeView
{
    bool ran = false;
    HINSTANCE resourceHandle = nullptr;
    AFX_MODULE_STATE* moduleState = nullptr;
};

struct ProbeGlobals
{
    HINSTANCE module = nullptr;
    AFX_MODULE_STATE* moduleState = nullptr;
    HMODULE extensionModule = nullptr; // the extension-module record's handle
    int xeldFlag = 0;
    int refState = 0;
    int hideUpwardCancel = 0;
};

enum ProbeThrow
{
    kThrowMfcException = 0, // a CException* as MFC code throws them
    kThrowStdException = 1,
    kThrowInt = 2,
};
