// The engine entry points of the property search (see property_engine.h).
#include "propsearch/property_engine.h"

#include "frame/engine_library.h"

PFN_SMfetchprop g_pfnSMfetchprop = NULL;
PFN_SMinsertprop g_pfnSMinsertprop = NULL;
PFN_SMchkprop g_pfnSMchkprop = NULL;
PFN_SMchkmultiple g_pfnSMchkmultiple = NULL;

namespace
{

HMODULE g_hPropertyEngine = NULL;

const quarnel::EntryPoint kPropertyEntryPoints[] = {
    {"SMfetchprop", g_pfnSMfetchprop},
    {"SMinsertprop", g_pfnSMinsertprop},
    {"SMchkprop", g_pfnSMchkprop},
    {"SMchkmultiple", g_pfnSMchkmultiple},
};

} // namespace

int LoadPropertyEntryPoints()
{
    return quarnel::LoadEntryPoints("rava.dll", g_hPropertyEngine, kPropertyEntryPoints,
                                    quarnel::MissingLibrary::kSilent);
}

void UnloadPropertyEntryPoints()
{
    quarnel::UnloadEntryPoints(g_hPropertyEngine, kPropertyEntryPoints);
}

BOOL FetchProperty(char* pszName, char* pszAlias, int nStart, int nPureOnly, int nCorrelations)
{
    if (g_pfnSMfetchprop == NULL)
        return FALSE;
    const BOOL bDelivered =
        g_pfnSMfetchprop(pszName, pszAlias, nStart, nPureOnly, nCorrelations) == 1;
    // The buffers are read as strings: an engine that filled them to the end without a
    // terminator must not take the reading past them.
    pszName[kPropertyTextSize - 1] = '\0';
    pszAlias[kPropertyTextSize - 1] = '\0';
    return bDelivered;
}

BOOL PropertySetHolds(LPCTSTR lpszAlias)
{
    return g_pfnSMchkprop != NULL && g_pfnSMchkprop(lpszAlias) == 1;
}

void InsertProperty(LPCTSTR lpszAlias)
{
    if (g_pfnSMinsertprop != NULL)
        g_pfnSMinsertprop(lpszAlias);
}

int CheckMultiple(int nRequest)
{
    return g_pfnSMchkmultiple != NULL ? g_pfnSMchkmultiple(nRequest) : 0;
}
