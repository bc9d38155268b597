// Registration of embedded .res images by the libraries that carry them.
//
// Each registration is keyed by its anchor (an address inside the registering library) so that
// the library's unload removes exactly what its load added, even when two images of one module
// are registered.
//
// Does not do: language selection. When a module holds a resource in several languages, the
// first in its .res file wins.

#include <windows.h>

#include <platform/resources.h>

#include "kernel/module.h"
#include "kernel/resource_registry.h"

#include <memory>
#include <mutex>
#include <vector>

namespace platform
{
namespace
{

struct Registration
{
    const void* anchor = nullptr;
    HMODULE module = nullptr;
    std::vector<ResourceRecord> records;
};

struct Registry
{
    std::mutex mutex;
    std::vector<std::unique_ptr<Registration>> registrations;
};

Registry& TheRegistry()
{
    // Never destroyed: libraries unregister from their destructors, which may run after this
    // library's own static objects are gone during process exit.
    static auto* registry = new Registry;
    return *registry;
}

} // namespace

const ResourceRecord* FindModuleResource(HMODULE module, const ResourceId& type,
                                         const ResourceId& name, DWORD& error)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    error = ERROR_RESOURCE_DATA_NOT_FOUND;
    for (const auto& registration : registry.registrations)
    {
        if (registration->module != module)
            continue;
        if (error == ERROR_RESOURCE_DATA_NOT_FOUND)
            error = ERROR_RESOURCE_TYPE_NOT_FOUND;
        for (const ResourceRecord& record : registration->records)
        {
            if (record.type != type)
                continue;
            error = ERROR_RESOURCE_NAME_NOT_FOUND;
            if (record.name == name)
                return &record;
        }
    }
    return nullptr;
}

bool IsRegisteredResource(const ResourceRecord* record)
{
    Registry& registry = TheRegistry();
    std::lock_guard lock(registry.mutex);
    for (const auto& registration : registry.registrations)
    {
        const auto& records = registration->records;
        if (!records.empty() && record >= records.data() &&
            record < records.data() + records.size())
            return true;
    }
    return false;
}

} // namespace platform

void PlatformRegisterResources(const void* anchor, const unsigned char* data, std::size_t size)
{
    auto registration = std::make_unique<platform::Registration>();
    registration->anchor = anchor;
    registration->module = platform::ModuleContaining(anchor);
    if (!registration->module)
    {
        OutputDebugStringA("PlatformRegisterResources: anchor is in no loaded module\n");
        return;
    }
    if (!platform::ReadResFile(data, size, registration->records))
        OutputDebugStringA("PlatformRegisterResources: malformed resource data, index truncated\n");
    platform::Registry& registry = platform::TheRegistry();
    std::lock_guard lock(registry.mutex);
    // A library unloaded without unregistering may leave its anchor behind, and the next library
    // mapped at that address would reuse it; the newer registration is the true one.
    std::erase_if(registry.registrations,
                  [anchor](const auto& registration) { return registration->anchor == anchor; });
    registry.registrations.push_back(std::move(registration));
}

void PlatformUnregisterResources(const void* anchor)
{
    platform::Registry& registry = platform::TheRegistry();
    std::lock_guard lock(registry.mutex);
    std::erase_if(registry.registrations,
                  [anchor](const auto& registration) { return registration->anchor == anchor; });
}
