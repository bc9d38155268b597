// The enterprise database Find: with the host's Xeld flag set, the component search is handed
// to the Find dialog of the integration library "XeldIntegration.dll" instead of the module's
// own Find dialog.
//
// The bridge loads the integration library for one call, gives it the engine's insertion and
// databank functions as callbacks and the list of pure databanks, runs its Find dialog and
// unloads it again. The module never calls the three callbacks itself.
#pragma once

namespace quarnel
{

// Runs the enterprise Find for one call of gxSearchComponents, on the calling (user-interface)
// thread. Returns 1 when the integration library's Find dialog was reached (also when its
// launch function is missing), 0 when the integration library, its initialisation, rava.dll or
// vxg.dll could not be loaded, or when anything on the way threw.
int RunXeldFind(int nInsertPos, const char* pszInitial);

} // namespace quarnel
