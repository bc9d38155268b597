// The host's product information library as the module sees it. None of these calls has a
// side effect; a program that plays the host sets the answers through <vxhost.h>.
#pragma once

#include <windows.h>

#define VXVERSION_API extern "C" __attribute__((visibility("default")))

// The code of the product the host runs as.
VXVERSION_API int CDECL VwGetProductCode();
VXVERSION_API const char* CDECL VwGetProductName();
// The file name of a user guide; the module asks for guide "1". An unknown guide is "".
VXVERSION_API const char* CDECL VwGetUserGuideName(const char* guide);
// The product's key under the vendor's registry branch.
VXVERSION_API const char* CDECL VwGetRegistryKey();
