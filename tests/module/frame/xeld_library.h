// Makes a library answer to LoadLibraryA("XeldIntegration.dll") for the life of the object.
//
// The integration library is an optional product: its stand-in is built apart, in
// lib/enterprise, where LoadLibraryA does not look, so by default it is absent. Loading a
// library by its path first makes it present: its shared-object name is
// libXeldIntegration.so, and the loader hands an already loaded library to anyone who asks for
// that name.
//
//     XeldLibrary xeld(XeldLibrary::StandIn());   // the stand-in with its Find dialog
//     XeldLibrary fake(XeldLibrary::Fake("no_init"));   // tests/module/frame/xeld_fakes
#pragma once

#include <engine/simulation.h>

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

class XeldLibrary
{
public:
    explicit XeldLibrary(const std::string& path) : handle(dlopen(path.c_str(), RTLD_NOW))
    {
        if (handle == nullptr)
            ADD_FAILURE() << "cannot load " << path << ": " << dlerror();
    }
    ~XeldLibrary() { Close(); }
    XeldLibrary(const XeldLibrary&) = delete;
    XeldLibrary& operator=(const XeldLibrary&) = delete;

    // Gives up this object's hold on the library; it stays only while somebody else holds it.
    void Close()
    {
        if (handle != nullptr)
            dlclose(handle);
        handle = nullptr;
    }

    // What a fake library logged (empty for the stand-in, which keeps no log).
    std::string Log() const
    {
        auto log =
            handle ? reinterpret_cast<const char* (*)()>(dlsym(handle, "XeldFakeLog")) : nullptr;
        return log != nullptr ? log() : std::string();
    }

    static std::string StandIn() { return LibraryFolder() + "/enterprise/libXeldIntegration.so"; }
    static std::string Fake(const char* variant)
    {
        return LibraryFolder() + "/xeld-fakes/libxeld_" + variant + ".so";
    }
    // Whether the library at path is loaded in this process.
    static bool IsLoaded(const std::string& path)
    {
        void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
        if (h != nullptr)
            dlclose(h);
        return h != nullptr;
    }

private:
    // The folder of the engine's libraries, which the build shares with every library.
    static std::string LibraryFolder()
    {
        Dl_info info{};
        dladdr(reinterpret_cast<void*>(&engine::CurrentSimulation), &info);
        std::string path = info.dli_fname != nullptr ? info.dli_fname : "";
        return path.substr(0, path.rfind('/'));
    }

    void* handle = nullptr;
};
