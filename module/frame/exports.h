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
