// The host that module tests play: a user-interface thread whose application object has a
// main window titled "Tirel Plus", the host's stand-in with its items published (installation
// directories in folders the test owns, the input forms), the engine's stand-in with an empty
// or loaded simulation, and the module loaded by name and initialised.
//
//     TestHost host;
//     EXPECT_EQ(host.Call("gxSetRefState", 1), 1);            // runs on the UI thread
//     Story s(host.Ui());
//     s.Open(host.Export("gxAskReconcile", "B1"));             // a modal dialog
//     s.Window("Reconcile");
//     s.Click("Yes");
//     EXPECT_EQ(s.Result(), 1);
//
// Published: "VXXEQ" and "VXCOMMONXEQ" (FirstInstallDir, CommonInstallDir), "LoadForm" and
// "RefreshForms" (vxforms.h). "DontShowUpward" is left unpublished (a missing item); a test
// that needs it publishes it with vxhost::PublishItem.
//
// Every TestHost starts from a clean host (vxhost::ResetHost, product information, forms) and
// a freshly loaded module, which it unloads again at its end, as if each test were a new host
// process. Only one TestHost may live at a time.
#pragma once

#include "support/temp_dir.h"

#include <afxwin.h>
#include <platform/ui_thread.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <type_traits>

class TestHost
{
public:
    struct Options
    {
        // What LoadLibraryA is given.
        const char* module = "quarnel.dll";
        // Call QuarnelInitExtDLL once the module is loaded.
        bool initialise = true;
        // Give the application object the main window; without it, the user-interface thread
        // still has its "Tirel Plus" window, but CWinThread::GetMainWnd answers NULL.
        bool mainWindow = true;
        // A simulation file (data/README.md) for the engine; NULL starts with an empty one.
        const char* simulation = nullptr;
    };

    TestHost() : TestHost(Options{}) {}
    explicit TestHost(const Options& options);
    ~TestHost();
    TestHost(const TestHost&) = delete;
    TestHost& operator=(const TestHost&) = delete;

    platform::UiThread& Ui() { return *ui; }
    HWND MainWindow() const { return mainWindow; }
    HMODULE Module() const { return module; }
    CWinApp& App() { return *app; }

    // The installation directories published as "VXXEQ" and "VXCOMMONXEQ", and a scratch
    // folder; all three are removed at the end.
    const std::string& FirstInstallDir() const { return firstInstallDir; }
    const std::string& CommonInstallDir() const { return commonInstallDir; }
    const TempDir& Files() const { return files; }

    // The address of an export, or NULL (with a test failure) when the module has none.
    FARPROC Proc(const char* name) const;

    // Calls an export on the user-interface thread and returns its result. Arguments are
    // passed as their own types (a string literal as const char*). Call is for cdecl exports,
    // CallStdcall for stdcall ones (the two differ on 32-bit x86 only).
    template <class R = int, class... A> R Call(const char* name, A... args)
    {
        return Invoke<R, Cdecl<R, std::decay_t<A>...>>(name, args...);
    }
    template <class R = int, class... A> R CallStdcall(const char* name, A... args)
    {
        return Invoke<R, Stdcall<R, std::decay_t<A>...>>(name, args...);
    }

    // The same calls, packaged for Story::Open: the export runs when the story starts it, and
    // its result (converted to LRESULT) is the story's Result().
    template <class R = int, class... A>
    std::function<LRESULT()> Export(const char* name, A... args)
    {
        return Package<R, Cdecl<R, std::decay_t<A>...>>(name, args...);
    }
    template <class R = int, class... A>
    std::function<LRESULT()> ExportStdcall(const char* name, A... args)
    {
        return Package<R, Stdcall<R, std::decay_t<A>...>>(name, args...);
    }

private:
    template <class R, class... A> using Cdecl = R(CDECL*)(A...);
    template <class R, class... A> using Stdcall = R(WINAPI*)(A...);

    template <class R, class Function, class... A> R Invoke(const char* name, A... args)
    {
        if constexpr (std::is_void_v<R>)
        {
            ui->Run([&] {
                Typed<R, Function>(name, args...);
                return LRESULT{0};
            });
        }
        else
        {
            R result{};
            ui->Run([&] {
                result = Typed<R, Function>(name, args...);
                return LRESULT{0};
            });
            return result;
        }
    }

    template <class R, class Function, class... A> R Typed(const char* name, A... args)
    {
        // Through a generic function pointer type, which converts to any other.
        auto function = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(Proc(name)));
        if (function == nullptr)
            return R();
        return function(args...);
    }

    template <class R, class Function, class... A>
    std::function<LRESULT()> Package(const char* name, A... args)
    {
        std::string exportName = name;
        return [this, exportName, args...]() -> LRESULT {
            if constexpr (std::is_void_v<R>)
            {
                Typed<R, Function>(exportName.c_str(), args...);
                return 0;
            }
            else
            {
                return static_cast<LRESULT>(Typed<R, Function>(exportName.c_str(), args...));
            }
        };
    }

    TempDir files;
    std::string firstInstallDir;
    std::string commonInstallDir;
    std::unique_ptr<CWinApp> app;
    std::unique_ptr<platform::UiThread> ui;
    CWnd* mainWnd = nullptr;
    HWND mainWindow = nullptr;
    HMODULE module = nullptr;
};
