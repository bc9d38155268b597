// The test extension modules of libs/: loaded once for the whole program, never unloaded.
// Each chains itself into the current module state when its ExtInit runs.
#pragma once

#include <windows.h>

#include "platform/mfc/libs/mfcext_ids.h"

namespace mfctest
{

struct ExtensionModule
{
    HMODULE handle = nullptr;
    void (*init)(HMODULE) = nullptr;
    void (*term)() = nullptr;

    bool Loaded() const { return handle != nullptr && init != nullptr && term != nullptr; }
    // As the module's DllMain or init export would: AfxInitExtensionModule + CDynLinkLibrary.
    void Chain() const { init(handle); }
    // AfxTermExtensionModule in the current module state.
    void Unchain() const { term(); }
};

template <class Function> Function ProcAs(HMODULE module, const char* name)
{
    // Through a generic function pointer type, which converts to any other without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
}

inline ExtensionModule LoadExtension(const char* name)
{
    ExtensionModule module;
    module.handle = ::LoadLibraryA(name);
    if (module.handle != nullptr)
    {
        module.init = ProcAs<void (*)(HMODULE)>(module.handle, "ExtInit");
        module.term = ProcAs<void (*)()>(module.handle, "ExtTerm");
    }
    return module;
}

inline const ExtensionModule& ExtensionOne()
{
    static const ExtensionModule module = LoadExtension("mfcext_one.dll");
    return module;
}

inline const ExtensionModule& ExtensionTwo()
{
    static const ExtensionModule module = LoadExtension("mfcext_two.dll");
    return module;
}

} // namespace mfctest
