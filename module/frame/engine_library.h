// Loading a set of engine entry points by name, the same way for every dialog.
//
// Each dialog keeps its library handle and one function pointer per entry point in
// module-wide variables, lists them once, and loads and unloads them with these calls:
//
//     HMODULE g_hFindEngine = NULL;
//     PFN_SMfetchdbk g_pfnSMfetchdbk = NULL;
//     PFN_SMinsertcomp g_pfnSMinsertcomp = NULL;
//     const quarnel::EntryPoint kFindEntryPoints[] = {
//         {"SMfetchdbk", g_pfnSMfetchdbk},
//         {"SMinsertcomp", g_pfnSMinsertcomp},
//     };
//     int LoadFindEntryPoints()
//     {
//         return quarnel::LoadEntryPoints("rava.dll", g_hFindEngine, kFindEntryPoints,
//                                         quarnel::MissingLibrary::kSilent);
//     }
//     void UnloadFindEntryPoints() { quarnel::UnloadEntryPoints(g_hFindEngine, kFindEntryPoints); }
#pragma once

#include <windows.h>

#include <span>

namespace quarnel
{

// One entry point of a set: its exported name and the variable that receives its address.
class EntryPoint
{
public:
    template <class Function>
    constexpr EntryPoint(const char* name, Function*& slot)
        : m_name(name), m_slot(static_cast<void*>(&slot)), m_assign(&Assign<Function>)
    {
    }

    const char* Name() const { return m_name; }
    // Stores address (NULL clears the variable).
    void Set(FARPROC address) const { m_assign(m_slot, address); }

private:
    template <class Function> static void Assign(void* slot, FARPROC address)
    {
        // Through a generic function pointer type, which converts to any other.
        *static_cast<Function**>(slot) =
            reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
    }

    const char* m_name;
    void* m_slot;
    void (*m_assign)(void*, FARPROC);
};

// Whether a library that does not load is reported to the user (through the host's message
// box, "loadHandle is NULL") or only through the result.
enum class MissingLibrary
{
    kSilent,
    kReport,
};

// Loads the library by file name into handle and fetches every entry point of the set into
// its variable. Returns 0 when the library and every entry point were found, else -1; the
// entry points that were found stay set (a missing one is NULL), and the library stays loaded
// whenever it loaded. A set that is still loaded is unloaded first.
int LoadEntryPoints(const char* library, HMODULE& handle, std::span<const EntryPoint> entryPoints,
                    MissingLibrary missing);

// Frees the library (when loaded) and sets the handle and every variable of the set to NULL.
void UnloadEntryPoints(HMODULE& handle, std::span<const EntryPoint> entryPoints);

} // namespace quarnel
