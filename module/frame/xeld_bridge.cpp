// The enterprise database Find bridge (see xeld_bridge.h).
//
// The integration library's entry points are all stdcall; the engine's are cdecl. Failures to
// load the integration library or one of its functions are told to the user with a plain
// message box (no owner, OK and Cancel), whose answer changes nothing.
//
// Does not do:
// - Call the three engine callbacks itself: their addresses are passed through untouched, NULL
//   for one that could not be found.
// - Free vxg.dll: the databank library stays loaded once the bridge has loaded it.
// - Unload an integration library that lacks DllForceTerm: a library that cannot be told to
//   terminate is left loaded rather than pulled from under its own threads.
#include "frame/xeld_bridge.h"

#include <afx.h>
#include <windows.h>

#include <array>
#include <vector>

namespace quarnel
{
namespace
{

using PFN_DllEnsureInit = void(WINAPI*)();
using PFN_DllForceTerm = void(WINAPI*)();
using PFN_SetDatabankTabFlag = void(WINAPI*)(int);
using PFN_SetPureDatabankList = void(WINAPI*)(char** ppszDatabanks, int nCount);
using PFN_LaunchFindDialogWithWindowName = int(WINAPI*)(
    FARPROC pfnInsertCompExt, FARPROC pfnEnumDbaseDbankName, FARPROC pfnSetSelDbanks,
    int nInsertPos, const char* pszInitial, const char* pszWindowName, const char* pszReserved);
using PFN_GetTotalNumberOfPureDatabanks = int(CDECL*)();
using PFN_GetPureDatabanksList = int(CDECL*)(char** ppszDatabanks);

const char kXeldLibrary[] = "XeldIntegration.dll";
const char kFailedToLoadDll[] = "Failed to load dll";
const char kFailedToLoadFunction[] = "Failed to load function";

// The size of one databank name buffer handed to GetPureDatabanksList.
constexpr int kPureDatabankNameSize = 20;

// The integration library while one call of the bridge has it loaded.
HMODULE g_hXeldLib = NULL;

template <class Function> Function Lookup(HMODULE hModule, const char* pszName)
{
    // Through a generic function pointer type, which converts to any other.
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(hModule, pszName)));
}

void ReportFailure(const char* pszText, const char* pszCaption)
{
    ::MessageBoxA(NULL, pszText, pszCaption, MB_OKCANCEL);
}

bool EnsureXeldLibrary()
{
    g_hXeldLib = ::LoadLibraryA(kXeldLibrary);
    if (g_hXeldLib == NULL)
    {
        ReportFailure(kXeldLibrary, kFailedToLoadDll);
        return false;
    }
    auto pfnEnsureInit = Lookup<PFN_DllEnsureInit>(g_hXeldLib, "DllEnsureInit");
    if (pfnEnsureInit == NULL)
    {
        ReportFailure("DllEnsureInit", kFailedToLoadFunction);
        return false;
    }
    pfnEnsureInit();
    return true;
}

bool LaunchXeldFind(FARPROC pfnInsertCompExt, FARPROC pfnEnumDbaseDbankName,
                    FARPROC pfnSetSelDbanks, int nInsertPos, const char* pszInitial,
                    const char* pszWindowName, const char* pszReserved)
{
    if (g_hXeldLib == NULL)
    {
        ReportFailure("Dll was not previously loaded", kFailedToLoadDll);
        return false;
    }
    auto pfnSetTabFlag = Lookup<PFN_SetDatabankTabFlag>(g_hXeldLib, "SetDatabankTabFlag");
    auto pfnLaunch =
        Lookup<PFN_LaunchFindDialogWithWindowName>(g_hXeldLib, "LaunchFindDialogWithWindowName");
    if (pfnSetTabFlag == NULL || pfnLaunch == NULL)
    {
        ReportFailure("LaunchFindDialogWithWindowName", kFailedToLoadFunction);
        return false;
    }
    pfnSetTabFlag(1);
    pfnLaunch(pfnInsertCompExt, pfnEnumDbaseDbankName, pfnSetSelDbanks, nInsertPos, pszInitial,
              pszWindowName, pszReserved);
    return true;
}

bool ReleaseXeldLibrary()
{
    if (g_hXeldLib == NULL)
        return true;
    auto pfnForceTerm = Lookup<PFN_DllForceTerm>(g_hXeldLib, "DllForceTerm");
    if (pfnForceTerm == NULL)
    {
        ReportFailure("DllForceTerm", kFailedToLoadFunction);
        return false;
    }
    // A library that throws while it terminates is unloaded all the same: nothing of it may
    // outlive the call.
    try
    {
        pfnForceTerm();
    }
    catch (CException* pException)
    {
        pException->Delete();
    }
    catch (...)
    {
    }
    ::FreeLibrary(g_hXeldLib);
    g_hXeldLib = NULL;
    return true;
}

// Hands the pure databanks that vxg.dll knows to the integration library. Nothing is handed
// over when there are none, or when vxg.dll could not list them.
void PassPureDatabanks(PFN_GetTotalNumberOfPureDatabanks pfnCount, PFN_GetPureDatabanksList pfnList)
{
    int nCount = pfnCount();
    if (nCount <= 0)
        return;
    std::vector<std::array<char, kPureDatabankNameSize>> names(nCount);
    std::vector<char*> pointers;
    pointers.reserve(names.size());
    for (auto& name : names)
    {
        name.fill('\0');
        pointers.push_back(name.data());
    }
    if (pfnList(pointers.data()) == 0)
        return;
    // The integration library reads each name as a string: one that filled its whole buffer
    // must not lead it past the end.
    for (auto& name : names)
        name.back() = '\0';
    auto pfnSetList = Lookup<PFN_SetPureDatabankList>(g_hXeldLib, "SetPureDatabankList");
    if (pfnSetList != NULL)
        pfnSetList(pointers.data(), nCount);
}

} // namespace

int RunXeldFind(int nInsertPos, const char* pszInitial)
{
    int nResult = 0;
    HMODULE hRava = NULL;
    try
    {
        if (EnsureXeldLibrary())
        {
            hRava = ::LoadLibraryA("rava.dll");
            HMODULE hVxg = hRava != NULL ? ::LoadLibraryA("vxg.dll") : NULL;
            if (hVxg != NULL)
            {
                FARPROC pfnInsertCompExt = ::GetProcAddress(hRava, "SMinsertcompext");
                FARPROC pfnSetSelDbanks = ::GetProcAddress(hRava, "SMsetseldbanks");
                FARPROC pfnEnumDbaseDbankName = ::GetProcAddress(hVxg, "EnumDbaseDbankName");
                auto pfnCount = Lookup<PFN_GetTotalNumberOfPureDatabanks>(
                    hVxg, "GetTotalNumberOfPureDatabanks");
                auto pfnList = Lookup<PFN_GetPureDatabanksList>(hVxg, "GetPureDatabanksList");
                if (pfnCount != NULL && pfnList != NULL)
                    PassPureDatabanks(pfnCount, pfnList);
                // The dialog's own result does not matter: reaching it is success.
                LaunchXeldFind(pfnInsertCompExt, pfnEnumDbaseDbankName, pfnSetSelDbanks, nInsertPos,
                               pszInitial, "", "");
                nResult = 1;
            }
        }
    }
    catch (CException* pException)
    {
        pException->Delete();
        nResult = 0;
    }
    catch (...)
    {
        nResult = 0;
    }
    if (hRava != NULL)
        ::FreeLibrary(hRava);
    ReleaseXeldLibrary();
    return nResult;
}

} // namespace quarnel
