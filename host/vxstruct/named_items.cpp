// NamedHostItem and the host side of it: a table of addresses by name.
//
// Does not do:
// - Import by ordinal: the module finds NamedHostItem by name, as the platform has no ordinal
//   imports.
// - Keep what an item points to alive: the host program owns every published object.
#include "host_state.h"
#include "vxhost.h"

#include <map>
#include <mutex>
#include <string>

namespace
{

std::mutex& ItemsMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<std::string, void*>& Items()
{
    // Never destroyed: a module unloaded during process exit may still ask for an item.
    static auto* items = new std::map<std::string, void*>;
    return *items;
}

} // namespace

extern "C" void* CDECL NamedHostItem(const char* name)
{
    if (name == nullptr)
        return nullptr;
    std::lock_guard lock(ItemsMutex());
    auto found = Items().find(name);
    return found == Items().end() ? nullptr : found->second;
}

namespace vxhost
{

void PublishItem(const char* name, void* address)
{
    if (name == nullptr)
        return;
    std::lock_guard lock(ItemsMutex());
    Items()[name] = address;
}

void WithdrawItem(const char* name)
{
    if (name == nullptr)
        return;
    std::lock_guard lock(ItemsMutex());
    Items().erase(name);
}

void WithdrawAllItems()
{
    detail::ClearItems();
}

void detail::ClearItems()
{
    std::lock_guard lock(ItemsMutex());
    Items().clear();
}

} // namespace vxhost
