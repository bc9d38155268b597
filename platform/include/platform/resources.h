// Compiled resources embedded in a library or program.
//
// The build compiles a resource script into a .res file and embeds its bytes in the library that
// owns it (cmake/Win32Resources.cmake). A generated static object in that library registers the
// bytes when the library is loaded and unregisters them when it is unloaded, so FindResourceA and
// everything built on it see a module's resources exactly while the module is in memory.
#pragma once
#include <cstddef>

// Indexes the .res image `data` (size bytes, which must stay valid until it is unregistered) as
// resources of the module that contains the address `anchor`. Calling it again with another anchor
// inside the same module adds to that module's resources; malformed data is indexed up to the
// first bad record.
extern "C" __attribute__((visibility("default"))) void PlatformRegisterResources(
    const void* anchor, const unsigned char* data, std::size_t size);

// Forgets the resources registered with `anchor`. Handles found through them become invalid.
extern "C" __attribute__((visibility("default"))) void PlatformUnregisterResources(
    const void* anchor);
