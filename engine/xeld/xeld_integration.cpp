// "XeldIntegration.dll": a stand-in for the enterprise property database integration library
// that the module's enterprise Find bridge loads. Its five entry points are stdcall, C linkage,
// default visibility:
//
//     void DllEnsureInit()
//     void DllForceTerm()
//     void SetDatabankTabFlag(int show)
//     void SetPureDatabankList(char** names, int count)   // each name read within 20 bytes
//     int LaunchFindDialogWithWindowName(SMinsertcompext, EnumDbaseDbankName, SMsetseldbanks,
//                                        int insertPos, const char* initial,
//                                        const char* windowName, const char* reserved)
//
// Launch runs the Find dialog (find_dialog.h) modally and returns the number of components it
// added. The library keeps its state between the calls of one use: initialised, the databank
// list and the tab flag; DllForceTerm forgets all of it.
//
// Does not do:
// - Work before DllEnsureInit: Launch then returns 0 without a dialog.
// - Use the two window-name arguments: the dialog is owned by the caller's active window.
// - Serve more than one thread: the module calls it on its user-interface thread only.
#include "find_dialog.h"

#include <dlfcn.h>

#include <cstring>

#define XELD_ENTRY extern "C" __attribute__((visibility("default")))

namespace
{

constexpr std::size_t kDatabankNameSize = 20;

struct State
{
    bool initialised = false;
    bool showDatabanks = false;
    std::vector<std::string> databanks;
};

State g_state;

HMODULE OwnModule()
{
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&OwnModule), &info) == 0)
        return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

} // namespace

XELD_ENTRY void WINAPI DllEnsureInit()
{
    g_state.initialised = true;
}

XELD_ENTRY void WINAPI DllForceTerm()
{
    g_state = State{};
}

XELD_ENTRY void WINAPI SetDatabankTabFlag(int nShow)
{
    g_state.showDatabanks = nShow != 0;
}

XELD_ENTRY void WINAPI SetPureDatabankList(char** ppszNames, int nCount)
{
    g_state.databanks.clear();
    for (int i = 0; ppszNames != nullptr && i < nCount; ++i)
    {
        if (ppszNames[i] != nullptr)
            g_state.databanks.emplace_back(ppszNames[i], strnlen(ppszNames[i], kDatabankNameSize));
    }
}

XELD_ENTRY int WINAPI LaunchFindDialogWithWindowName(xeld::PFN_SMinsertcompext pfnInsertCompExt,
                                                     xeld::PFN_EnumDbaseDbankName pfnEnumDbank,
                                                     xeld::PFN_SMsetseldbanks pfnSetSelDbanks,
                                                     int nInsertPos, const char* pszInitial,
                                                     const char* pszWindowName,
                                                     const char* pszReserved)
{
    if (!g_state.initialised)
        return 0;
    xeld::FindRequest request;
    request.insertCompExt = pfnInsertCompExt;
    request.enumDbank = pfnEnumDbank;
    request.setSelDbanks = pfnSetSelDbanks;
    request.insertPos = nInsertPos;
    request.initialText = pszInitial != nullptr ? pszInitial : "";
    request.databanks = g_state.databanks;
    request.showDatabanks = g_state.showDatabanks;
    return xeld::RunFindDialog(OwnModule(), request);
}
