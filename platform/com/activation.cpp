// Object creation: CoGetClassObject, CoCreateInstance and OleRun.
//
// A class is found as Windows finds an in-process server: the default value of
// HKEY_CLASSES_ROOT\CLSID\{clsid}\InprocServer32 names the library (a path or a bare name, which
// LoadLibraryA maps to the shared object "lib<name>.so"). The library is loaded once and stays
// loaded; its DllGetClassObject export hands out the class factory.
//
// Errors, as Windows reports them:
// - CO_E_NOTINITIALIZED when the thread may not create objects (see apartment.cpp);
// - REGDB_E_CLASSNOTREG when the class, its InprocServer32 key or its library name is missing,
//   or when the caller's context does not include CLSCTX_INPROC_SERVER;
// - HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND) when the library cannot be loaded, and
//   HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND) when it has no DllGetClassObject;
// - whatever DllGetClassObject and IClassFactory::CreateInstance return (typically
//   CLASS_E_CLASSNOTAVAILABLE from a library that does not serve the class).
//
// Does not do:
// - Local or remote servers (LocalServer32, DCOM), in-process handlers, surrogates, or the
//   class table of CoRegisterClassObject.
// - ThreadingModel: the object is created on the calling thread and called directly from any
//   thread (no marshalling).
// - Expansion of environment strings in a REG_EXPAND_SZ library path.
// - CoFreeUnusedLibraries / DllCanUnloadNow: servers are never unloaded.

#include <windows.h>
#include <ole2.h>

#include "com/com_internal.h"
#include "com/ole_text.h"

#include <map>
#include <mutex>
#include <string>

namespace
{

constexpr int kGuidChars = 38;

// Reads the library name registered for `clsid`; empty when there is none.
std::string InprocServerOf(REFCLSID clsid)
{
    OLECHAR guid[kGuidChars + 1];
    StringFromGUID2(clsid, guid, kGuidChars + 1);
    std::string path =
        "CLSID\\" + platform::com::NarrowFromOle(guid, kGuidChars) + "\\InprocServer32";
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return {};
    std::string library;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key, nullptr, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
        (type == REG_SZ || type == REG_EXPAND_SZ) && size > 0)
    {
        library.resize(size);
        if (RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(library.data()),
                             &size) != ERROR_SUCCESS)
            library.clear();
        // The stored size may or may not count a terminating zero.
        library.resize(std::min<std::size_t>(size, library.size()));
        while (!library.empty() && library.back() == '\0')
            library.pop_back();
    }
    RegCloseKey(key);
    return library;
}

// Loads a server library once for the life of the process.
HRESULT LoadServer(const std::string& library, HMODULE& module)
{
    static std::mutex lock;
    static auto* loaded = new std::map<std::string, HMODULE>;
    std::lock_guard guard(lock);
    auto it = loaded->find(library);
    if (it != loaded->end())
    {
        module = it->second;
        return S_OK;
    }
    module = LoadLibraryA(library.c_str());
    if (!module)
        return HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND);
    loaded->emplace(library, module);
    return S_OK;
}

} // namespace

HRESULT WINAPI CoGetClassObject(REFCLSID rclsid, DWORD dwClsContext, COSERVERINFO* pServerInfo,
                                REFIID riid, LPVOID* ppv)
{
    if (!ppv)
        return E_INVALIDARG;
    *ppv = nullptr;
    if (!platform::com::CanCreateObjects())
        return CO_E_NOTINITIALIZED;
    if (!(dwClsContext & CLSCTX_INPROC_SERVER))
        return REGDB_E_CLASSNOTREG;
    std::string library = InprocServerOf(rclsid);
    if (library.empty())
        return REGDB_E_CLASSNOTREG;
    HMODULE module = nullptr;
    if (HRESULT hr = LoadServer(library, module); FAILED(hr))
        return hr;
    // FARPROC is the loader's untyped entry point; going through void* says the real type is
    // known to be different.
    auto getClassObject = reinterpret_cast<LPFNGETCLASSOBJECT>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetClassObject")));
    if (!getClassObject)
        return HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND);
    return getClassObject(rclsid, riid, ppv);
}

HRESULT WINAPI CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext,
                                REFIID riid, LPVOID* ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    IClassFactory* factory = nullptr;
    HRESULT hr = CoGetClassObject(rclsid, dwClsContext, nullptr, IID_IClassFactory,
                                  reinterpret_cast<void**>(&factory));
    if (FAILED(hr))
        return hr;
    hr = factory->CreateInstance(pUnkOuter, riid, ppv);
    factory->Release();
    if (FAILED(hr))
        *ppv = nullptr;
    return hr;
}

HRESULT WINAPI OleRun(LPUNKNOWN pUnknown)
{
    if (!pUnknown)
        return E_INVALIDARG;
    IRunnableObject* runnable = nullptr;
    if (FAILED(
            pUnknown->QueryInterface(IID_IRunnableObject, reinterpret_cast<void**>(&runnable))) ||
        !runnable)
        return S_OK;
    HRESULT hr = runnable->Run(nullptr);
    runnable->Release();
    return hr;
}
