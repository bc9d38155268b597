// Start-up: the process-attach call that registers the library as an extension module, and
// QuarnelInitExtDLL, which chains it into the host.
//
// Does not do:
// - Clean up at process detach: the CDynLinkLibrary stays chained for the life of the process,
//   as the host never unloads the module while it runs.
// - Thread attach and detach: those reasons do nothing and report success.
#include "frame/exports.h"
#include "frame/module_state.h"

#include <dlfcn.h>

AFX_EXTENSION_MODULE QuarnelDLL = {};
HINSTANCE g_hModule = NULL;
AFX_MODULE_STATE* g_pModuleState = NULL;

extern "C" BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID lpReserved)
{
    if (dwReason == DLL_PROCESS_ATTACH)
    {
        // Success is reported whatever the registration answers: the host decides later, by
        // calling QuarnelInitExtDLL, whether it uses the module.
        AfxInitExtensionModule(QuarnelDLL, hInstance);
        g_hModule = hInstance;
    }
    return TRUE;
}

namespace
{

// The loader knows no DllMain, so a constructor of the library plays process attach. It runs
// after the embedded resources registered themselves (their registrar has priority 200), so
// the module is complete when the host first looks at it.
__attribute__((constructor(300))) void AttachProcess()
{
    Dl_info info{};
    if (::dladdr(reinterpret_cast<const void*>(&AttachProcess), &info) != 0)
        DllMain(static_cast<HINSTANCE>(info.dli_fbase), DLL_PROCESS_ATTACH, NULL);
}

} // namespace

QUARNEL_EXPORT(cdecl) void QuarnelInitExtDLL()
{
    // Never deleted: it keeps this library's resources and run-time classes chained into the
    // host's module state for as long as the process runs.
    new CDynLinkLibrary(QuarnelDLL);
    g_pModuleState = AfxGetModuleState();
}
