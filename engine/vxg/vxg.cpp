// vxg: the engine's databank library, loaded by name ("vxg.dll") by the dialogs that read
// databanks. It works on the same simulation as rava, to which it links.
//
// Does not do (yet):
// - Any entry point: each arrives with the dialog that calls it (reaction databanks for the
//   electrolyte wizard, pure databanks for the enterprise Find). Until then the library only
//   loads, and a lookup of any name in it fails as a missing entry point should.
#include "engine/simulation.h"
