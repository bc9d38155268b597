// Libraries and modules: LoadLibraryA, FreeLibrary, GetProcAddress, GetModuleHandleA and
// GetModuleFileNameA over the dynamic loader.
//
// A module handle is the load base address of the shared object, as dladdr reports it, so code
// that compares handles or passes them around sees what it would see on Windows. "name.dll"
// becomes "libname.so" and goes through the loader's usual search (LD_LIBRARY_PATH, the caller's
// run path), which lets a test put its own library first.
//
// Does not do:
// - Import by ordinal: GetProcAddress with MAKEINTRESOURCE fails with ERROR_PROC_NOT_FOUND.
// - DllMain notifications; libraries initialise through their static constructors instead.
// - LoadLibraryExA flags, the "known DLLs" list, or the Windows search order (application
//   folder, system folders, PATH).
// - GetProcAddress(NULL, ...) searches the program and every library loaded with it (the global
//   scope), not the program's own exports alone.
// - FreeLibrary of a module that this process did not load through LoadLibraryA (one linked to
//   the program) succeeds without doing anything: the loader keeps such modules for the life of
//   the process.
// - GetModuleFileNameA returns the loader's path with '/' separators, not a "C:\" path.

#include <windows.h>

#include "kernel/module.h"

#include <dlfcn.h>
#include <link.h>
#include <sys/auxv.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace platform
{
namespace
{

// Libraries loaded through LoadLibraryA: the loader's handle and how many times this process
// asked for it, so that FreeLibrary releases exactly what LoadLibraryA took.
struct LoadedLibrary
{
    void* handle = nullptr;
    int count = 0;
};

std::mutex& LibrariesMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::map<HMODULE, LoadedLibrary>& Libraries()
{
    // Never destroyed: libraries unloaded during process exit may still call FreeLibrary.
    static auto* libraries = new std::map<HMODULE, LoadedLibrary>;
    return *libraries;
}

bool EndsWithNoCase(const std::string& text, const char* suffix)
{
    std::size_t n = std::strlen(suffix);
    if (text.size() < n)
        return false;
    for (std::size_t i = 0; i < n; ++i)
    {
        if (std::tolower(static_cast<unsigned char>(text[text.size() - n + i])) != suffix[i])
            return false;
    }
    return true;
}

// Maps a Windows library name to the shared object the loader should look for:
// "dir\x.dll" -> "dir/libx.so", "x" -> "libx.so"; names that already name a shared object
// ("libx.so", "libx.so.1") are used as they are.
std::string SharedObjectName(const char* fileName)
{
    std::string name = fileName;
    std::replace(name.begin(), name.end(), '\\', '/');
    std::size_t slash = name.rfind('/');
    std::string dir = slash == std::string::npos ? "" : name.substr(0, slash + 1);
    std::string file = slash == std::string::npos ? name : name.substr(slash + 1);
    if (EndsWithNoCase(file, ".so") || file.find(".so.") != std::string::npos)
        return name;
    if (EndsWithNoCase(file, ".dll"))
        file.resize(file.size() - 4);
    // Windows drops a trailing dot that marks "no extension".
    else if (!file.empty() && file.back() == '.')
        file.pop_back();
    return dir + "lib" + file + ".so";
}

HMODULE BaseOfHandle(void* handle)
{
    link_map* map = nullptr;
    if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || !map)
        return nullptr;
    // The dynamic section lies inside the object, so dladdr reports the object's base for it.
    return ModuleContaining(map->l_ld);
}

// A loader handle for a module, whether or not LoadLibraryA loaded it. The caller closes it.
void* OpenLoadedModule(HMODULE module)
{
    if (!module || module == MainModule())
        return dlopen(nullptr, RTLD_LAZY);
    Dl_info info{};
    if (!dladdr(module, &info) || info.dli_fbase != module || !info.dli_fname)
        return nullptr;
    return dlopen(info.dli_fname, RTLD_LAZY | RTLD_NOLOAD);
}

} // namespace

HMODULE ModuleContaining(const void* address)
{
    Dl_info info{};
    if (!address || !dladdr(address, &info))
        return nullptr;
    return static_cast<HMODULE>(info.dli_fbase);
}

HMODULE MainModule()
{
    // The program headers are mapped inside the program's first segment.
    static HMODULE main = ModuleContaining(reinterpret_cast<const void*>(getauxval(AT_PHDR)));
    return main;
}

bool IsModuleBase(HMODULE module)
{
    return module && ModuleContaining(module) == module;
}

} // namespace platform

using platform::BaseOfHandle;
using platform::Libraries;
using platform::LibrariesMutex;

HMODULE WINAPI LoadLibraryA(LPCSTR fileName)
{
    if (!fileName || !*fileName)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    std::string name = platform::SharedObjectName(fileName);
    // The loader runs the library's constructors, which may call back into this file, so no lock
    // is held across dlopen.
    void* handle = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle && name.find('/') == std::string::npos)
    {
        // Windows looks in the application's folder; here the libraries live beside this one.
        // The usual search (and LD_LIBRARY_PATH) still comes first. It matters where a
        // sanitizer's dlopen wrapper hides the caller's own run path from the loader.
        Dl_info self{};
        if (dladdr(reinterpret_cast<void*>(&LoadLibraryA), &self) && self.dli_fname)
        {
            std::string path = self.dli_fname;
            const auto slash = path.rfind('/');
            if (slash != std::string::npos)
                handle = dlopen((path.substr(0, slash + 1) + name).c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    }
    if (!handle)
    {
        if (const char* why = dlerror())
        {
            std::string text = std::string("LoadLibraryA: ") + why + "\n";
            OutputDebugStringA(text.c_str());
        }
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    HMODULE module = BaseOfHandle(handle);
    if (!module)
    {
        dlclose(handle);
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    std::lock_guard lock(LibrariesMutex());
    auto& entry = Libraries()[module];
    entry.handle = handle;
    ++entry.count;
    return module;
}

BOOL WINAPI FreeLibrary(HMODULE module)
{
    void* handle = nullptr;
    {
        std::lock_guard lock(LibrariesMutex());
        auto it = Libraries().find(module);
        if (it != Libraries().end())
        {
            handle = it->second.handle;
            if (--it->second.count == 0)
                Libraries().erase(it);
        }
    }
    if (handle)
    {
        // Unloading runs the library's destructors, which unregister its resources.
        dlclose(handle);
        return TRUE;
    }
    if (platform::IsModuleBase(module))
        return TRUE;
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
}

FARPROC WINAPI GetProcAddress(HMODULE module, LPCSTR procName)
{
    if (IS_INTRESOURCE(procName))
    {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    void* handle = platform::OpenLoadedModule(module);
    if (!handle)
    {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    void* symbol = dlsym(handle, procName);
    dlclose(handle);
    if (!symbol)
    {
        SetLastError(ERROR_PROC_NOT_FOUND);
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(symbol);
}

HMODULE WINAPI GetModuleHandleA(LPCSTR moduleName)
{
    if (!moduleName)
        return platform::MainModule();
    std::string name = platform::SharedObjectName(moduleName);
    void* handle = dlopen(name.c_str(), RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
    {
        dlerror();
        SetLastError(ERROR_MOD_NOT_FOUND);
        return nullptr;
    }
    HMODULE module = BaseOfHandle(handle);
    // RTLD_NOLOAD took a reference; GetModuleHandleA does not keep one.
    dlclose(handle);
    return module;
}

DWORD WINAPI GetModuleFileNameA(HMODULE module, LPSTR fileName, DWORD size)
{
    std::string path;
    if (!module || module == platform::MainModule())
    {
        char buffer[PATH_MAX];
        ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer);
        if (n > 0)
            path.assign(buffer, static_cast<std::size_t>(n));
    }
    else
    {
        Dl_info info{};
        if (dladdr(module, &info) && info.dli_fbase == module && info.dli_fname)
            path = info.dli_fname;
    }
    if (path.empty())
    {
        SetLastError(ERROR_MOD_NOT_FOUND);
        return 0;
    }
    if (!fileName || size == 0)
    {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return 0;
    }
    if (path.size() >= size)
    {
        // Truncated to size characters including the terminating zero, as Windows Vista and
        // later do.
        std::memcpy(fileName, path.data(), size - 1);
        fileName[size - 1] = '\0';
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return size;
    }
    std::memcpy(fileName, path.c_str(), path.size() + 1);
    return static_cast<DWORD>(path.size());
}
