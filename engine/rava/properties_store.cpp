// The engine's property state that is not part of a simulation: which catalogue is listed and
// whether the multiple-properties notice is shown. Both last as long as the process.
//
// Does not do:
// - Keep the notice choice between processes: a host program that wants it kept reads it with
//   MultiplePropertiesNotice and restores it with SetMultiplePropertiesNotice.
#include "engine/properties.h"

#include <mutex>
#include <optional>

namespace engine
{
namespace
{

struct PropertyStore
{
    std::mutex mutex;
    // Set when a host program replaced the built-in catalogue.
    std::optional<std::vector<PropertyEntry>> catalogue;
    NoticeChoice notice = NoticeChoice::kNotAnswered;
};

PropertyStore& TheStore()
{
    // Never destroyed: entry points called during process exit still find it.
    static auto* store = new PropertyStore;
    return *store;
}

} // namespace

std::vector<PropertyEntry> PropertyCatalogue()
{
    std::lock_guard lock(TheStore().mutex);
    if (TheStore().catalogue)
        return *TheStore().catalogue;
    return BuiltInPropertyCatalogue();
}

void SetPropertyCatalogue(std::vector<PropertyEntry> catalogue)
{
    std::lock_guard lock(TheStore().mutex);
    TheStore().catalogue = std::move(catalogue);
}

NoticeChoice MultiplePropertiesNotice()
{
    std::lock_guard lock(TheStore().mutex);
    return TheStore().notice;
}

void SetMultiplePropertiesNotice(NoticeChoice choice)
{
    std::lock_guard lock(TheStore().mutex);
    TheStore().notice = choice;
}

} // namespace engine
