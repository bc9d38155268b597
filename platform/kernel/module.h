// Module handles shared by the kernel pieces: a module is named by its load base address.
#pragma once
#include <windef.h>

namespace platform
{

// The base of the library or program that contains `address`, or NULL when no loaded object
// contains it.
HMODULE ModuleContaining(const void* address);

// The base of the main program.
HMODULE MainModule();

// True when `module` is the base of a loaded library or of the program.
bool IsModuleBase(HMODULE module);

} // namespace platform
