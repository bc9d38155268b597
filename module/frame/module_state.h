// The module-wide state that start-up fills and every export reads. One instance per process;
// nothing here is ever reset.
#pragma once

#include <afxwin.h>

// The extension-module record that AfxInitExtensionModule fills at process attach.
extern AFX_EXTENSION_MODULE QuarnelDLL;
// This library's own instance handle: its dialog templates, strings and icons live there.
extern HINSTANCE g_hModule;
// The host's module state as QuarnelInitExtDLL saw it; NULL until then, and while it is NULL
// every dialog export refuses to run.
extern AFX_MODULE_STATE* g_pModuleState;

// Nonzero sends the component search to the enterprise database Find; gxSetXeldFlag sets it.
extern int g_nXeldFlag;
// The electrolyte reference state: 0 unsymmetric (water required), nonzero symmetric;
// gxSetRefState sets it.
extern int g_nRefState;
// Nonzero hides the Cancel button of the upward compatibility dialogs; their exports set it.
extern int g_nHideUpwardCancel;
