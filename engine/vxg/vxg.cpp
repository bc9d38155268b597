// vxg: the engine's databank library, loaded by name ("vxg.dll") by the dialogs that read
// databanks. It works on the same simulation as rava, to which it links.
//
// The pure databank entry points are in pure_databanks.cpp.
//
// Does not do (yet):
// - The reaction databanks of the electrolyte wizard: they arrive with it.
#include "engine/simulation.h"
