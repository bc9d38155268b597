// The COM task allocator: CoTaskMemAlloc, CoTaskMemRealloc, CoTaskMemFree.
//
// Memory handed between a server and its caller (strings from StringFromCLSID, out-parameters)
// comes from here, so either side may free it.
//
// Does not do: IMalloc, CoGetMalloc, or spying on allocations; the allocator is the C heap.

#include <windows.h>
#include <objbase.h>

#include <cstdlib>

LPVOID WINAPI CoTaskMemAlloc(SIZE_T cb)
{
    // A zero-byte request still returns a distinct block, as the COM allocator does.
    return std::malloc(cb ? cb : 1);
}

LPVOID WINAPI CoTaskMemRealloc(LPVOID pv, SIZE_T cb)
{
    if (pv && cb == 0)
    {
        std::free(pv);
        return nullptr;
    }
    return std::realloc(pv, cb ? cb : 1);
}

void WINAPI CoTaskMemFree(LPVOID pv)
{
    std::free(pv);
}
