// The engine stand-in's simulation: what the module reads and changes through the engine's
// entry points, held in memory by rava, and the host program's way to load it from a file and
// read it back.
//
// The text format is described in data/README.md. Every call is thread-safe: the module calls
// the engine on the user-interface thread (and the component search on a worker thread) while
// a test reads the simulation on its own.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#define ENGINE_API __attribute__((visibility("default")))

namespace engine
{

// Named values in the order they were written.
using Attributes = std::vector<std::pair<std::string, std::string>>;

// The value of key, or NULL when there is none.
ENGINE_API const std::string* FindAttribute(const Attributes& attributes, std::string_view key);

struct Component
{
    std::string id;
    Attributes attributes;
    bool operator==(const Component&) const = default;
};

struct Record
{
    std::string type;
    std::string id;
    Attributes attributes;
    bool operator==(const Record&) const = default;
};

struct Simulation
{
    // The simulation's components in their order.
    std::vector<Component> components;
    // The property set: property names in their order.
    std::vector<std::string> propertySet;
    std::vector<Record> records;
    bool operator==(const Simulation&) const = default;
};

// Reads the text format. On a mistake returns false and says where in error
// ("line 3: ...") when error is not NULL; out is then unchanged.
ENGINE_API bool ParseSimulation(std::string_view text, Simulation& out, std::string* error);
// Writes the text format; ParseSimulation reads it back to an equal simulation.
ENGINE_API std::string FormatSimulation(const Simulation& simulation);

// The engine's current simulation (empty at start).
ENGINE_API Simulation CurrentSimulation();
ENGINE_API void SetSimulation(Simulation simulation);
// Runs change on the current simulation with every other caller held off.
ENGINE_API void ModifySimulation(const std::function<void(Simulation&)>& change);
// Reads a file in the text format into the current simulation; on a mistake the current
// simulation stays as it was and error says what and where.
ENGINE_API bool LoadSimulationFile(const char* path, std::string* error);
ENGINE_API bool SaveSimulationFile(const char* path, std::string* error);

} // namespace engine
