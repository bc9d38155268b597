// The engine entry points of the component Find (see find_engine.h).
#include "compsearch/find_engine.h"

#include "frame/engine_library.h"

PFN_SMfetchdbk g_pfnSMfetchdbk = NULL;
PFN_SMinsertcomp g_pfnSMinsertcomp = NULL;
PFN_SMinsertcompext g_pfnSMinsertcompext = NULL;
PFN_SMgetdbanks g_pfnSMgetdbanks = NULL;
PFN_SMgetglobalunit g_pfnSMgetglobalunit = NULL;
PFN_SMfindsynonym g_pfnSMfindsynonym = NULL;

namespace
{

HMODULE g_hFindEngine = NULL;

const quarnel::EntryPoint kFindEntryPoints[] = {
    {"SMfetchdbk", g_pfnSMfetchdbk},           {"SMinsertcomp", g_pfnSMinsertcomp},
    {"SMinsertcompext", g_pfnSMinsertcompext}, {"SMgetdbanks", g_pfnSMgetdbanks},
    {"SMgetglobalunit", g_pfnSMgetglobalunit}, {"SMfindsynonym", g_pfnSMfindsynonym},
};

} // namespace

int LoadFindEntryPoints()
{
    return quarnel::LoadEntryPoints("rava.dll", g_hFindEngine, kFindEntryPoints,
                                    quarnel::MissingLibrary::kSilent);
}

void UnloadFindEntryPoints()
{
    quarnel::UnloadEntryPoints(g_hFindEngine, kFindEntryPoints);
}
