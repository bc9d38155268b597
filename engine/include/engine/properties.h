// The engine stand-in's physical properties: the catalogue that the property search lists, the
// entry points that the module reaches by name, and the host program's way to read and set
// what those entry points work on.
//
// The property set itself is part of the simulation (Simulation::propertySet in simulation.h):
// it holds aliases of catalogue rows, in the order they were added. The user's choice whether
// the notice about multiple properties is shown belongs to the engine, not to a simulation,
// and lasts as long as the process (it starts not answered, and the notice is shown).
//
// Every call is thread-safe.
#pragma once

#include "engine/simulation.h"

#include <string>
#include <string_view>
#include <vector>

namespace engine
{

// The longest name or alias the entry points deliver: their buffers hold 84 bytes.
inline constexpr std::size_t kPropertyTextMax = 83;

// One row of the catalogue.
struct PropertyEntry
{
    std::string alias;
    std::string name;
    // A property of pure components only: listed when the search is for pure components only.
    bool pureOnly = false;
    // A Halvex correlation: listed only when correlations are included.
    bool correlation = false;
    bool operator==(const PropertyEntry&) const = default;
};

// Reads the catalogue format (data/README.md). On a mistake returns false and says where in
// error ("line 3: ..."); out is then unchanged.
ENGINE_API bool ParsePropertyCatalogue(std::string_view text, std::vector<PropertyEntry>& out,
                                       std::string* error);
// The catalogue built into the engine from data/properties/catalogue.txt.
ENGINE_API const std::vector<PropertyEntry>& BuiltInPropertyCatalogue();

// The catalogue the entry points list: the built-in one until a host program replaces it (a
// host with its own list, or a test that wants a small one).
ENGINE_API std::vector<PropertyEntry> PropertyCatalogue();
ENGINE_API void SetPropertyCatalogue(std::vector<PropertyEntry> catalogue);

// The user's answer to the multiple-properties notice, as SMchkmultiple stores it. The notice
// is shown unless the answer is kDontShow.
enum class NoticeChoice
{
    kNotAnswered,
    kShow,
    kDontShow,
};
ENGINE_API NoticeChoice MultiplePropertiesNotice();
ENGINE_API void SetMultiplePropertiesNotice(NoticeChoice choice);

} // namespace engine

// The entry points, as the module finds them by name (C linkage, the C calling convention).
// Strings are narrow; a buffer the engine fills holds 84 bytes and always ends up terminated;
// a string the engine reads is read up to 84 bytes even when its terminator is missing.
extern "C"
{
    // Lists the catalogue. start nonzero begins a listing of the rows that the two filters let
    // through (pureOnly nonzero: pure-component properties only; includeCorrelations zero:
    // no correlations), delivers nothing and returns 1. start zero delivers the next row of the
    // listing into name and alias and returns 1, or returns 0 when there is none. Each thread
    // has its own listing, taken from the catalogue as it was when the listing began.
    ENGINE_API int SMfetchprop(char* name, char* alias, int start, int pureOnly,
                               int includeCorrelations);
    // 1 when the property set holds the alias (compared without regard to case), else 0.
    ENGINE_API int SMchkprop(const char* alias);
    // Appends the alias to the property set and returns 1; returns 0 and changes nothing when
    // the set already holds it or the alias is empty.
    ENGINE_API int SMinsertprop(const char* alias);
    // -1 asks whether the multiple-properties notice is shown; 0 stores the answer not to show
    // it, 1 the answer to show it. Returns whether it is shown (1) or not (0) after the call;
    // any other request only asks.
    ENGINE_API int SMchkmultiple(int request);
}
