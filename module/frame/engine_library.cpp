// Loading sets of engine entry points (see engine_library.h).
//
// Does not do:
// - Import by ordinal: every entry point is found by its name.
#include "frame/engine_library.h"

#include <vxstruct.h>

namespace quarnel
{
namespace
{

// What the user reads when an engine library is missing; the host's box, help id -1.
const char kLibraryMissing[] = "loadHandle is NULL";

void ClearAll(std::span<const EntryPoint> entryPoints)
{
    for (const EntryPoint& entryPoint : entryPoints)
        entryPoint.Set(NULL);
}

} // namespace

int LoadEntryPoints(const char* library, HMODULE& handle, std::span<const EntryPoint> entryPoints,
                    MissingLibrary missing)
{
    if (handle != NULL)
        UnloadEntryPoints(handle, entryPoints);
    handle = ::LoadLibraryA(library);
    if (handle == NULL)
    {
        ClearAll(entryPoints);
        if (missing == MissingLibrary::kReport)
            ::HostMessageBox(kLibraryMissing, MB_OK, -1, 0);
        return -1;
    }
    int result = 0;
    for (const EntryPoint& entryPoint : entryPoints)
    {
        FARPROC address = ::GetProcAddress(handle, entryPoint.Name());
        entryPoint.Set(address);
        if (address == NULL)
            result = -1;
    }
    return result;
}

void UnloadEntryPoints(HMODULE& handle, std::span<const EntryPoint> entryPoints)
{
    if (handle != NULL)
        ::FreeLibrary(handle);
    handle = NULL;
    ClearAll(entryPoints);
}

} // namespace quarnel
