// COM initialisation: CoInitialize, CoInitializeEx, CoUninitialize, OleInitialize and
// OleUninitialize.
//
// Each thread counts its initialisations. The first one on a thread returns S_OK and fixes the
// thread's apartment model; later ones return S_FALSE, or RPC_E_CHANGED_MODE when they ask for
// the other model (and then do not count). While any thread is in the multithreaded apartment, a
// thread that never initialised COM is an implicit member of it and may create objects, as on
// Windows; otherwise such a thread gets CO_E_NOTINITIALIZED.
//
// Does not do:
// - Apartments as call boundaries: there is no marshalling, so an object created on one thread
//   is called directly from any other. Objects and their servers must be thread-safe where they
//   are shared.
// - The OLE-only parts of OleInitialize (clipboard, drag and drop, the OLE1 DDE window).

#include <windows.h>
#include <ole2.h>

#include "com/com_internal.h"

#include <atomic>

namespace
{

std::atomic<int> g_multithreadedThreads{0};

struct ThreadApartment
{
    int count = 0;
    DWORD model = COINIT_MULTITHREADED;

    ~ThreadApartment()
    {
        // A thread that ends inside the multithreaded apartment leaves it.
        if (count > 0 && model == COINIT_MULTITHREADED)
            g_multithreadedThreads.fetch_sub(1, std::memory_order_relaxed);
    }
};

thread_local ThreadApartment t_apartment;

} // namespace

namespace platform::com
{

bool CanCreateObjects()
{
    return t_apartment.count > 0 || g_multithreadedThreads.load(std::memory_order_relaxed) > 0;
}

} // namespace platform::com

HRESULT WINAPI CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit)
{
    DWORD model = dwCoInit & COINIT_APARTMENTTHREADED;
    ThreadApartment& apartment = t_apartment;
    if (apartment.count > 0)
    {
        if (apartment.model != model)
            return RPC_E_CHANGED_MODE;
        ++apartment.count;
        return S_FALSE;
    }
    apartment.count = 1;
    apartment.model = model;
    if (model == COINIT_MULTITHREADED)
        g_multithreadedThreads.fetch_add(1, std::memory_order_relaxed);
    return S_OK;
}

HRESULT WINAPI CoInitialize(LPVOID pvReserved)
{
    return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED);
}

void WINAPI CoUninitialize()
{
    ThreadApartment& apartment = t_apartment;
    // An unmatched CoUninitialize is ignored, as Windows does.
    if (apartment.count == 0)
        return;
    if (--apartment.count == 0 && apartment.model == COINIT_MULTITHREADED)
        g_multithreadedThreads.fetch_sub(1, std::memory_order_relaxed);
}

HRESULT WINAPI OleInitialize(LPVOID pvReserved)
{
    return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED);
}

void WINAPI OleUninitialize()
{
    CoUninitialize();
}
