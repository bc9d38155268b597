// HostMessageBox: the host's own message box.
//
// Does not do:
// - Help: the help id and the last argument belong to the host's help system, which the
//   stand-in does not have; the box shows no Help button.
#include "vxstruct.h"

namespace
{

// The host's caption on every box it shows.
const char kHostCaption[] = "Tirel Plus";

} // namespace

extern "C" int WINAPI HostMessageBox(const char* text, unsigned type, int helpId, int reserved)
{
    // The box belongs to whatever window the user works in on this thread (a module dialog, or
    // the main window), so that window stays disabled while the box shows.
    return ::MessageBoxA(::GetActiveWindow(), text, kHostCaption, type);
}
