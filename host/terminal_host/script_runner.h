// Carries out a script's steps (script.h) in a host session with the simulated user, printing
// what each step shows: the step itself, snapshots, rows, the results of calls and what they
// changed in the simulation.
#pragma once

#include "host_session.h"
#include "script.h"

#include <cstdio>
#include <vector>

namespace tirel
{

// Runs the steps in order and stops at the first that fails, printing why to out. Returns
// true when every step succeeded and no call was left running. A call still running at a
// failure is left so; the caller ends the process.
bool RunScript(HostSession& session, const std::vector<Step>& steps, std::FILE* out,
               bool* callStillRunning);

} // namespace tirel
