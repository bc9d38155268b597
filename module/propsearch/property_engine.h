// The engine entry points of the property search, fetched by name from "rava.dll" when
// CFindPropertyDlg is constructed and released when it is destroyed. The multiple-properties
// notice calls SMchkmultiple through the same set while the search dialog is open.
//
// The dialogs go on when the library or an entry point is missing, and call the engine only
// through the wrappers below, which answer for a missing entry point as an engine that has
// nothing would: no properties to list, none in the property set, the notice switched off.
#pragma once

#include <windows.h>

// Lists the engine's properties: start 1 begins a listing (pure only, include correlations:
// 1 or 0) and delivers nothing; start 0 delivers the next name and alias into 84-byte buffers.
// 1 while there is something.
typedef int(CDECL* PFN_SMfetchprop)(char* pszName, char* pszAlias, int nStart, int nPureOnly,
                                    int nCorrelations);
// 1 when the property set already holds the alias.
typedef int(CDECL* PFN_SMchkprop)(const char* pszAlias);
// Adds the alias to the property set.
typedef int(CDECL* PFN_SMinsertprop)(const char* pszAlias);
// -1 asks whether the multiple-properties notice is shown (1 yes); 0 stops it, 1 shows it.
typedef int(CDECL* PFN_SMchkmultiple)(int nRequest);

extern PFN_SMfetchprop g_pfnSMfetchprop;
extern PFN_SMinsertprop g_pfnSMinsertprop;
extern PFN_SMchkprop g_pfnSMchkprop;
extern PFN_SMchkmultiple g_pfnSMchkmultiple;

// The size of the name and alias buffers of SMfetchprop.
inline constexpr int kPropertyTextSize = 84;

// 0 when "rava.dll" and every entry point were found, else -1; whatever was found stays set.
int LoadPropertyEntryPoints();
void UnloadPropertyEntryPoints();

// The calls as the dialogs make them.
BOOL FetchProperty(char* pszName, char* pszAlias, int nStart, int nPureOnly, int nCorrelations);
BOOL PropertySetHolds(LPCTSTR lpszAlias);
void InsertProperty(LPCTSTR lpszAlias);
int CheckMultiple(int nRequest);
