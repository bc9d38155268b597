// The module's exported functions, as hosts find them by name.
//
// Each export is marked with QUARNEL_EXPORT(convention): C linkage, default visibility (the
// library is built with everything else hidden) and its calling convention, which is stdcall
// or cdecl on 32-bit x86 and the one native convention everywhere else.
#pragma once

#include <windows.h>

#define QUARNEL_CONVENTION_cdecl CDECL
#define QUARNEL_CONVENTION_stdcall WINAPI
#define QUARNEL_EXPORT(convention)                                                                 \
    extern "C" __attribute__((visibility("default"))) QUARNEL_CONVENTION_##convention

// Chains the module's resources into the host's module state and remembers that state. The
// host calls it once, after loading the library and before any other export.
QUARNEL_EXPORT(cdecl) void QuarnelInitExtDLL();

// Module-wide flags that later dialogs read; each returns the flag it was given.
QUARNEL_EXPORT(stdcall) int gxSetXeldFlag(int nFlag);
QUARNEL_EXPORT(stdcall) int gxSetRefState(int nFlag);

// The dialog exports. Each is defined, in frame/exports_<folder>.cpp, by the change that builds
// its dialog; a declaration without a definition is never referenced.

// Component Find (compsearch/): 1 when a component was added.
QUARNEL_EXPORT(stdcall) int gxSearchComponents(int nUnused, int nInsertPos, const char* pszInitial);
// Property search (propsearch/): always 0.
QUARNEL_EXPORT(stdcall) int gxSearchProperty(const char* pszInitial);
// Electrolyte wizard (electrolyte/): always 0.
QUARNEL_EXPORT(cdecl) int gxElectrolyteWizard();
// User-defined component wizard (userdef/): always 0.
QUARNEL_EXPORT(stdcall) int gxUserDefWizard(int nComponent);
QUARNEL_EXPORT(cdecl) int gxDelStruct();

// Prompts (prompts/).
QUARNEL_EXPORT(cdecl) int gxReorderComp();
QUARNEL_EXPORT(cdecl) int gxPure_component_param(char* pszName);
QUARNEL_EXPORT(cdecl) int gxUpwardComp(int nVersion, int nHideCancel);
QUARNEL_EXPORT(cdecl) int gxUpwardComp1(int nHideCancel);
QUARNEL_EXPORT(cdecl) int gxFindTemplate(void* pLibrary, void** ppTemplate);
QUARNEL_EXPORT(cdecl) int gxAskReconcile(const char* pszBlock);
QUARNEL_EXPORT(cdecl) int gxOpen_message_box(const char* pszTitle, const char* pszMessage,
                                             const char* pszButton1, const char* pszButton2,
                                             const char* pszButton3, const char* pszButton4,
                                             const char* pszHelpRef, int nDefaultButton);
QUARNEL_EXPORT(cdecl) int gxOpen_message_box2(const char* pszTitle, const char* pszMessage,
                                              const char* pszButton1, const char* pszButton2,
                                              const char* pszButton3, const char* pszButton4,
                                              const char* pszHelpRef, int nDefaultButton,
                                              int nCancelResult);
QUARNEL_EXPORT(cdecl) int gxOpen_message_box_wcheck(const char* pszTitle, const char* pszMessage,
                                                    const char* pszButton1, const char* pszButton2,
                                                    const char* pszButton3, const char* pszButton4,
                                                    const char* pszHelpRef, int nDefaultButton,
                                                    int* pnCheck);
