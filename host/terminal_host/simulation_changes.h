// What a call changed in the simulation, as lines a person reads after the call: items added
// ("+ component METHANOL ...") and removed ("- property TB"), in the simulation's text format,
// and a new order of the components when only their order changed.
#pragma once

#include <engine/simulation.h>

#include <string>
#include <vector>

namespace tirel
{

std::vector<std::string> SimulationChanges(const engine::Simulation& before,
                                           const engine::Simulation& after);

} // namespace tirel
