// The resources of every loaded module, as their embedded .res images registered them.
#pragma once
#include <windef.h>

#include "kernel/res_file.h"

namespace platform
{

// Finds the first record of `module` with that type and name. On failure returns nullptr and sets
// `error` to the Win32 code FindResourceA reports (no resources, no such type, no such name).
const ResourceRecord* FindModuleResource(HMODULE module, const ResourceId& type,
                                         const ResourceId& name, DWORD& error);

// True while `record` belongs to a registered module (it dangles once its module unloads).
bool IsRegisteredResource(const ResourceRecord* record);

} // namespace platform
