// FindResourceA, LoadResource, LockResource, SizeofResource and FreeResource over the resources
// that modules register from their embedded .res images.
//
// A resource handle (HRSRC) names a record of the registry; the loaded resource (HGLOBAL) is the
// address of its bytes inside the module's image, so, as on Windows, LockResource returns that
// same address and the bytes stay valid until the module unloads.
//
// Does not do:
// - Language-specific lookup (FindResourceExA); the first language in the module wins.
// - Resource updates or enumeration (EnumResourceNamesA and friends).

#include <windows.h>

#include "kernel/module.h"
#include "kernel/narrow_text.h"
#include "kernel/resource_registry.h"

#include <cstdlib>

namespace platform
{
namespace
{

// A type or name given as MAKEINTRESOURCE, as "#123", or as a string; string names compare
// case-insensitively because resource compilers store them in upper case.
ResourceId IdFromArgument(LPCSTR argument)
{
    ResourceId id;
    if (IS_INTRESOURCE(argument))
    {
        id.ordinal = LOWORD(reinterpret_cast<ULONG_PTR>(argument));
        return id;
    }
    if (argument[0] == '#' && argument[1] != '\0')
    {
        char* end = nullptr;
        unsigned long value = std::strtoul(argument + 1, &end, 10);
        if (*end == '\0' && argument[1] >= '0' && argument[1] <= '9' && value <= 0xFFFF)
        {
            id.ordinal = static_cast<int>(value);
            return id;
        }
    }
    for (const char* p = argument; *p; ++p)
        id.name.push_back(UpperLatin1(*p));
    return id;
}

const ResourceRecord* RecordOf(HRSRC resInfo)
{
    auto* record = reinterpret_cast<const ResourceRecord*>(resInfo);
    return record && IsRegisteredResource(record) ? record : nullptr;
}

} // namespace
} // namespace platform

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type)
{
    if (!name || !type)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    if (!module)
        module = platform::MainModule();
    DWORD error = 0;
    const platform::ResourceRecord* record = platform::FindModuleResource(
        module, platform::IdFromArgument(type), platform::IdFromArgument(name), error);
    if (!record)
    {
        SetLastError(error);
        return nullptr;
    }
    return reinterpret_cast<HRSRC>(const_cast<platform::ResourceRecord*>(record));
}

HGLOBAL WINAPI LoadResource(HMODULE module, HRSRC resInfo)
{
    const platform::ResourceRecord* record = platform::RecordOf(resInfo);
    if (!record)
    {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return nullptr;
    }
    return const_cast<unsigned char*>(record->data);
}

LPVOID WINAPI LockResource(HGLOBAL resData)
{
    return resData;
}

DWORD WINAPI SizeofResource(HMODULE module, HRSRC resInfo)
{
    const platform::ResourceRecord* record = platform::RecordOf(resInfo);
    if (!record)
    {
        SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
        return 0;
    }
    return record->size;
}

BOOL WINAPI FreeResource(HGLOBAL resData)
{
    // Resources live in their module's image until it unloads; like 32-bit Windows, there is
    // nothing to free, and the function reports FALSE.
    return FALSE;
}
