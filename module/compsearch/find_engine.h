// The engine entry points of the component Find, fetched by name from "rava.dll" when the
// dialog initialises and released when it is destroyed. The worker thread of a search calls
// them too; the engine answers from any thread.
//
// Does not do:
// - call SMinsertcompext: it is loaded with the set, as the enterprise Find's callback is, but
//   the module's own Find adds components with SMinsertcomp.
#pragma once

#include <windows.h>

// Databank enumeration: start 1 begins it, 0 delivers the next name; 1 when a name was
// delivered.
typedef int(CDECL* PFN_SMgetdbanks)(char* pszName, int nStart);
// With open 1 and a null record, opens the named databank; with open 0, fills the next
// record (244 bytes); 1 on success.
typedef int(CDECL* PFN_SMfetchdbk)(const char* pszDatabank, void* pRecord, int nOpen);
// Nonzero when an alternate name of the record matches the text under the mode; points
// *ppszAltName at the name to show (or NULL) and may set *pnDone.
typedef int(CDECL* PFN_SMfindsynonym)(void* pRecord, const char* pszText, int nMode,
                                      const char** ppszAltName, int* pnDone);
// The host's unit code of a quantity (22: temperature).
typedef int(CDECL* PFN_SMgetglobalunit)(int nQuantity, int* pnUnit);
// Adds one component of a databank to the simulation at a position (-1: at the end).
typedef int(CDECL* PFN_SMinsertcomp)(const char* pszDatabank, const char* pszName, int nPosition);
typedef int(CDECL* PFN_SMinsertcompext)();

extern PFN_SMfetchdbk g_pfnSMfetchdbk;
extern PFN_SMinsertcomp g_pfnSMinsertcomp;
extern PFN_SMinsertcompext g_pfnSMinsertcompext;
extern PFN_SMgetdbanks g_pfnSMgetdbanks;
extern PFN_SMgetglobalunit g_pfnSMgetglobalunit;
extern PFN_SMfindsynonym g_pfnSMfindsynonym;

// The quantity code of temperature for SMgetglobalunit.
inline constexpr int kTemperatureQuantity = 22;

// 0 when "rava.dll" and every entry point were found, else -1; whatever was found stays set,
// and a missing entry point stays NULL.
int LoadFindEntryPoints();
void UnloadFindEntryPoints();
