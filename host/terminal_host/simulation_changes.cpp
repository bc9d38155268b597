// What a call changed in the simulation (see simulation_changes.h).
#include "simulation_changes.h"

#include <algorithm>
#include <sstream>

namespace tirel
{
namespace
{

std::vector<std::string> Lines(const engine::Simulation& simulation)
{
    std::vector<std::string> lines;
    std::istringstream text(engine::FormatSimulation(simulation));
    for (std::string line; std::getline(text, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

// The lines of from that are not matched by a line of other, each line of other matching at
// most one: an item written twice and removed once still shows once.
std::vector<std::string> Unmatched(const std::vector<std::string>& from,
                                   std::vector<std::string> other)
{
    std::vector<std::string> unmatched;
    for (const std::string& line : from)
    {
        auto match = std::find(other.begin(), other.end(), line);
        if (match == other.end())
            unmatched.push_back(line);
        else
            other.erase(match);
    }
    return unmatched;
}

std::vector<std::string> ComponentIds(const engine::Simulation& simulation)
{
    std::vector<std::string> ids;
    for (const engine::Component& component : simulation.components)
        ids.push_back(component.id);
    return ids;
}

} // namespace

std::vector<std::string> SimulationChanges(const engine::Simulation& before,
                                           const engine::Simulation& after)
{
    const std::vector<std::string> oldLines = Lines(before);
    const std::vector<std::string> newLines = Lines(after);
    std::vector<std::string> changes;
    for (const std::string& line : Unmatched(oldLines, newLines))
        changes.push_back("- " + line);
    for (const std::string& line : Unmatched(newLines, oldLines))
        changes.push_back("+ " + line);

    // A reorder adds and removes nothing, so it is reported on its own.
    std::vector<std::string> oldIds = ComponentIds(before);
    std::vector<std::string> newIds = ComponentIds(after);
    if (oldIds != newIds &&
        std::is_permutation(oldIds.begin(), oldIds.end(), newIds.begin(), newIds.end()))
    {
        std::string order = "components now in the order";
        for (const std::string& id : newIds)
            order += " " + id;
        changes.push_back(order);
    }
    return changes;
}

} // namespace tirel
