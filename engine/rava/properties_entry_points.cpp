// The property entry points that the property search finds by name: listing the catalogue,
// asking for and extending the simulation's property set, and the multiple-properties notice.
//
// Does not do:
// - Check that an alias handed to SMinsertprop is in the catalogue: a property set may name
//   properties that a host defined elsewhere, and the engine keeps them as given.
#include "engine/properties.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <strings.h>
#include <thread>

namespace
{

// One listing of SMfetchprop: the rows it lets through, taken when it began.
struct Listing
{
    std::vector<engine::PropertyEntry> rows;
    std::size_t next = 0;
};

// The listings by thread, so that a listing on one thread never skips rows of another's. A
// listing that has reached its end is forgotten. (Not thread_local: the sanitizers' leak
// checker cannot read the dynamic thread-local storage of a shared library.)
struct Listings
{
    std::mutex mutex;
    std::map<std::thread::id, Listing> byThread;
};

Listings& TheListings()
{
    // Never destroyed: entry points called during process exit still find it.
    static auto* listings = new Listings;
    return *listings;
}

// Copies text into an 84-byte buffer of the caller, cut to fit and always terminated.
void Deliver(char* buffer, const std::string& text)
{
    if (buffer == nullptr)
        return;
    const std::size_t length = std::min(text.size(), engine::kPropertyTextMax);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

// A string of the caller, read no further than the 84 bytes of the buffers this interface uses.
std::string Received(const char* text)
{
    if (text == nullptr)
        return {};
    return std::string(text, ::strnlen(text, engine::kPropertyTextMax + 1));
}

bool SameAlias(const std::string& a, const std::string& b)
{
    return ::strcasecmp(a.c_str(), b.c_str()) == 0;
}

bool PropertySetHolds(const engine::Simulation& simulation, const std::string& alias)
{
    return std::any_of(simulation.propertySet.begin(), simulation.propertySet.end(),
                       [&](const std::string& held) { return SameAlias(held, alias); });
}

} // namespace

extern "C" int SMfetchprop(char* name, char* alias, int start, int pureOnly,
                           int includeCorrelations)
{
    if (start != 0)
    {
        Listing listing;
        for (engine::PropertyEntry& entry : engine::PropertyCatalogue())
        {
            if ((pureOnly != 0 && !entry.pureOnly) ||
                (includeCorrelations == 0 && entry.correlation))
                continue;
            listing.rows.push_back(std::move(entry));
        }
        {
            std::lock_guard lock(TheListings().mutex);
            TheListings().byThread[std::this_thread::get_id()] = std::move(listing);
        }
        Deliver(name, {});
        Deliver(alias, {});
        return 1;
    }
    std::lock_guard lock(TheListings().mutex);
    auto found = TheListings().byThread.find(std::this_thread::get_id());
    if (found == TheListings().byThread.end())
        return 0;
    Listing& listing = found->second;
    if (listing.next >= listing.rows.size())
    {
        TheListings().byThread.erase(found);
        return 0;
    }
    const engine::PropertyEntry& entry = listing.rows[listing.next++];
    Deliver(name, entry.name);
    Deliver(alias, entry.alias);
    return 1;
}

extern "C" int SMchkprop(const char* alias)
{
    const std::string wanted = Received(alias);
    return !wanted.empty() && PropertySetHolds(engine::CurrentSimulation(), wanted) ? 1 : 0;
}

extern "C" int SMinsertprop(const char* alias)
{
    const std::string added = Received(alias);
    if (added.empty())
        return 0;
    bool inserted = false;
    engine::ModifySimulation([&](engine::Simulation& simulation) {
        if (PropertySetHolds(simulation, added))
            return;
        simulation.propertySet.push_back(added);
        inserted = true;
    });
    return inserted ? 1 : 0;
}

extern "C" int SMchkmultiple(int request)
{
    using engine::NoticeChoice;
    if (request == 0 || request == 1)
        engine::SetMultiplePropertiesNotice(request == 1 ? NoticeChoice::kShow
                                                         : NoticeChoice::kDontShow);
    return engine::MultiplePropertiesNotice() != NoticeChoice::kDontShow ? 1 : 0;
}
