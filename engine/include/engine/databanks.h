// The engine stand-in's pure component databanks: what the component Find searches and what
// the engine inserts into the simulation.
//
// The databanks are files, one per databank, generated at build time from the data/databanks
// tables (data/README.md) into the folder "databanks" beside the engine's library. The
// environment variable RAVA_DATABANKS names another folder; SetDatabankFolder does the same
// for a test. Besides the files, the engine serves synthetic databanks of any size for
// benchmarks and stress tests: "SYNTH-<count>" (for example "SYNTH-100000") is a databank of
// <count> generated components, made on first use.
//
// Every call is thread-safe: the component search reads databanks on a worker thread while the
// user-interface thread inserts components.
#pragma once

#include "engine/simulation.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace engine
{

// The databank record that SMfetchdbk fills: 244 bytes, narrow strings each in a field of its
// own size (terminated when shorter than the field), doubles in the machine's order.
namespace record
{
constexpr std::size_t kSize = 244;
constexpr std::size_t kFormula = 0, kFormulaSize = 16;
constexpr std::size_t kName = 16, kNameSize = 64;
constexpr std::size_t kBoilingPoint = 80;    // double, kelvin
constexpr std::size_t kMolecularWeight = 88; // double
constexpr std::size_t kId = 96, kIdSize = 8; // the component's default ID in a simulation
constexpr std::size_t kCas = 104, kCasSize = 20;
constexpr std::size_t kClass = 124, kClassSize = 50;
constexpr std::size_t kAltName = 174, kAltNameSize = 64;
constexpr std::size_t kReserved = 238, kReservedSize = 6; // zero
} // namespace record

// A boiling point above 1e34 means that none is known.
constexpr double kNoBoilingPoint = 1e35;

struct PureComponent
{
    std::string id;      // default component ID, at most 8 characters
    std::string name;    // upper case, at most 63 characters
    std::string formula; // upper case, at most 15 characters
    double molecularWeight = 0;
    double boilingPoint = kNoBoilingPoint; // kelvin
    std::string cas;
    std::string componentClass;
    std::vector<std::string> synonyms; // alternate names, the one to show first
};

class Databank
{
public:
    ENGINE_API Databank(std::string name, std::vector<PureComponent> components);

    const std::string& Name() const { return m_name; }
    const std::vector<PureComponent>& Components() const { return m_components; }
    // The component of that name (compared without regard to case), or NULL.
    ENGINE_API const PureComponent* Find(std::string_view name) const;

private:
    std::string m_name;
    std::vector<PureComponent> m_components;
    std::unordered_map<std::string, std::size_t> m_byName; // upper-case name -> index
};

// Reads a databank file (data/README.md). On a mistake returns NULL and says where in error.
ENGINE_API std::shared_ptr<const Databank> ParseDatabank(std::string name, std::string_view text,
                                                         std::string* error);

// Fills a record of record::kSize bytes; the alternate name field gets the first synonym.
ENGINE_API void FillRecord(const PureComponent& component, void* buffer);
// The text of a record's field, read within the field even when it is not terminated.
ENGINE_API std::string RecordText(const void* buffer, std::size_t offset, std::size_t size);

// The folder the databanks are read from: SetDatabankFolder's, else RAVA_DATABANKS, else
// "databanks" beside the engine's library.
ENGINE_API std::string DatabankFolder();
// Reads the databanks from folder from now on; an empty folder name restores the default.
ENGINE_API void SetDatabankFolder(const std::string& folder);

// The pure databanks in the order the folder's databanks.list gives (synthetic ones are not
// listed).
ENGINE_API std::vector<std::string> PureDatabankNames();
// A pure or synthetic databank by name, or NULL. The databank stays valid while it is held.
ENGINE_API std::shared_ptr<const Databank> FindDatabank(std::string_view name);
// "SYNTH-<count>": the name of the synthetic databank of count components (1 to 1 000 000).
ENGINE_API std::string SyntheticDatabankName(int count);

// The databanks that the component search enumerates (SMgetdbanks), as the simulation keeps
// them; every pure databank until a selection is made.
ENGINE_API std::vector<std::string> SelectedDatabanks();
ENGINE_API void SelectDatabanks(const std::vector<std::string>& names);

// Temperature unit codes of the simulation's global unit set (SMgetglobalunit, quantity 22).
enum TemperatureUnit
{
    kKelvin = 1,
    kFahrenheit = 2,
    kCelsius = 4,
    kRankine = 5,
};
ENGINE_API int GlobalTemperatureUnit();
ENGINE_API void SetGlobalTemperatureUnit(int unit);

// Adds a databank component to the simulation (SMinsertcomp, SMinsertcompext). position 1 puts
// it first, n puts it n-th; 0, negative or past the end appends. id NULL or empty takes the
// component's default ID, made unique with a number when the simulation already uses it; a
// given id must be free. Returns false, changing nothing, when the databank or component is
// unknown, the simulation already holds a component of that name, or the given id is taken or
// longer than 8 characters.
ENGINE_API bool InsertComponent(std::string_view databank, std::string_view name, const char* id,
                                int position);

} // namespace engine
