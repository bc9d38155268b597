// The engine's current simulation, shared by every caller in the process under one lock.
//
// Does not do:
// - Undo, or notify anyone of changes: the host program reads the simulation when it wants to.
#include "engine/simulation.h"

#include <fstream>
#include <mutex>
#include <sstream>

namespace engine
{
namespace
{

struct Store
{
    std::mutex mutex;
    Simulation simulation;
};

Store& TheStore()
{
    // Never destroyed: entry points called during process exit still find it.
    static auto* store = new Store;
    return *store;
}

} // namespace

Simulation CurrentSimulation()
{
    std::lock_guard lock(TheStore().mutex);
    return TheStore().simulation;
}

void SetSimulation(Simulation simulation)
{
    std::lock_guard lock(TheStore().mutex);
    TheStore().simulation = std::move(simulation);
}

void ModifySimulation(const std::function<void(Simulation&)>& change)
{
    std::lock_guard lock(TheStore().mutex);
    change(TheStore().simulation);
}

bool LoadSimulationFile(const char* path, std::string* error)
{
    std::ifstream file(path != nullptr ? path : "", std::ios::binary);
    if (!file)
    {
        if (error != nullptr)
            *error = std::string("cannot open ") + (path != nullptr ? path : "(null)");
        return false;
    }
    std::ostringstream text;
    text << file.rdbuf();
    Simulation simulation;
    std::string why;
    if (!ParseSimulation(text.str(), simulation, &why))
    {
        if (error != nullptr)
            *error = std::string(path) + ": " + why;
        return false;
    }
    SetSimulation(std::move(simulation));
    return true;
}

bool SaveSimulationFile(const char* path, std::string* error)
{
    std::ofstream file(path != nullptr ? path : "", std::ios::binary | std::ios::trunc);
    if (file)
        file << FormatSimulation(CurrentSimulation());
    if (!file)
    {
        if (error != nullptr)
            *error = std::string("cannot write ") + (path != nullptr ? path : "(null)");
        return false;
    }
    return true;
}

} // namespace engine
