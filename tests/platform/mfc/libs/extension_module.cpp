// A test extension module: the host calls ExtInit with the module's handle (as DllMain would
// receive it) to chain the module into the current module state, and ExtTerm to unchain it.
#include <afxwin.h>

namespace
{
AFX_EXTENSION_MODULE g_extension = {};
}

extern "C" AFX_EXT_API void ExtInit(HMODULE self)
{
    AfxInitExtensionModule(g_extension, self);
    new CDynLinkLibrary(g_extension);
}

extern "C" AFX_EXT_API void ExtTerm()
{
    AfxTermExtensionModule(g_extension);
}
