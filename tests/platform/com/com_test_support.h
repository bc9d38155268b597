// Helpers shared by the COM tests: COM initialisation for a scope, registry cleanup, and the
// sample server's registration.
#pragma once
#include <windows.h>
#include <objbase.h>

#include <string>

namespace comtest
{

// Initialises COM on the calling thread for the life of the object.
class ScopedCom
{
public:
    explicit ScopedCom(DWORD model = COINIT_APARTMENTTHREADED)
    {
        m_hr = CoInitializeEx(nullptr, model);
    }
    ~ScopedCom()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }
    HRESULT Result() const { return m_hr; }

private:
    HRESULT m_hr;
};

// Deletes `path` below `root` with everything under it.
inline void DeleteTree(HKEY root, const std::string& path)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
    char name[256];
    DWORD length = sizeof name;
    while (RegEnumKeyExA(key, 0, name, &length, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS)
    {
        DeleteTree(key, name);
        length = sizeof name;
    }
    RegCloseKey(key);
    RegDeleteKeyA(root, path.c_str());
}

inline void SetString(HKEY root, const std::string& path, const char* name,
                      const std::string& value)
{
    HKEY key = nullptr;
    RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr);
    RegSetValueExA(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(key);
}

// The full path of the sample server, which the build puts in lib/ beside the tests' bin/.
// Registering the path rather than the bare name does not depend on the loader's search (which
// the sanitizers' dlopen interceptors do not run with the program's run path).
inline std::string SampleServerPath()
{
    char program[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, program, MAX_PATH);
    std::string path = program;
    path.resize(path.rfind('/') + 1);
    return path + "../lib/libsamplecompressor.so";
}

inline std::string GuidText(REFGUID guid)
{
    OLECHAR text[39];
    StringFromGUID2(guid, text, 39);
    return std::string(text, text + 38);
}

// Registers `clsid` as a host's installer would: HKEY_CLASSES_ROOT\CLSID\{clsid}\InprocServer32
// naming `library`, and optionally a ProgID. Removes the registration when destroyed.
class ScopedServerRegistration
{
public:
    ScopedServerRegistration(REFCLSID clsid, const std::string& library,
                             const char* progId = nullptr)
        : m_clsidKey("CLSID\\" + GuidText(clsid)), m_progId(progId ? progId : "")
    {
        SetString(HKEY_CLASSES_ROOT, m_clsidKey + "\\InprocServer32", nullptr, library);
        SetString(HKEY_CLASSES_ROOT, m_clsidKey + "\\InprocServer32", "ThreadingModel",
                  "Apartment");
        if (!m_progId.empty())
            SetString(HKEY_CLASSES_ROOT, m_progId + "\\CLSID", nullptr, GuidText(clsid));
    }
    ~ScopedServerRegistration()
    {
        DeleteTree(HKEY_CLASSES_ROOT, m_clsidKey);
        if (!m_progId.empty())
            DeleteTree(HKEY_CLASSES_ROOT, m_progId);
    }

private:
    std::string m_clsidKey;
    std::string m_progId;
};

} // namespace comtest
