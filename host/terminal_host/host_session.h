// The host: everything the real front end sets up around the module, in one object.
//
// It publishes the host's items (the installation directories in the program's share folder,
// the input forms' LoadForm and RefreshForms, "DontShowUpward"), puts the engine stand-in on a
// simulation, starts the user-interface thread with the application object and its main window
// "Tirel Plus", loads the module by name and initialises it. Both ways of using the host (the
// terminal and scripts) then call exports through it and read the main window.
#pragma once

#include "export_table.h"
#include "host_menu.h"

#include <engine/simulation.h>

#include <chrono>
#include <future>
#include <memory>
#include <string>
#include <vector>

namespace tirel
{

struct HostOptions
{
    // The folder with xeq/ (published as "VXXEQ": help files) and common/ ("VXCOMMONXEQ": the
    // search animation).
    std::string shareFolder;
    // A simulation file; empty starts with the embedded default simulation.
    std::string simulationFile;
    // What LoadLibraryA is given.
    std::string module = "quarnel.dll";
    // The enterprise database integration library to make present before the module loads
    // (its path); empty leaves it absent, as on a host without that optional product.
    std::string enterpriseLibrary;
    // The main window's size in character cells.
    int columns = 100;
    int rows = 32;
};

// One call of an export and what it did.
struct CallRecord
{
    std::string call; // as DescribeCall writes it
    CallOutcome outcome;
    std::vector<std::string> changes; // SimulationChanges of the call
};

// The embedded default simulation (data/README.md format).
extern const char kDefaultSimulation[];

class HostWindow;

class HostSession
{
public:
    explicit HostSession(const HostOptions& options);
    // Closes the forms and the help viewer, quits the user-interface thread, unloads the module.
    ~HostSession();
    HostSession(const HostSession&) = delete;
    HostSession& operator=(const HostSession&) = delete;

    // False when the host could not start (see Error()): no simulation, no module.
    bool Ready() const { return error.empty(); }
    const std::string& Error() const { return error; }

    HWND MainWindow() const;
    // Whether the module has an export of that name.
    bool HasExport(const char* name) const;
    DWORD UiThreadId() const;

    // Starts a call of the export on the user-interface thread, with one text per argument,
    // as the menu would; the future is ready when the export has returned.
    std::future<CallRecord> StartCall(const ExportInfo& info, std::vector<std::string> texts);
    // Sets one of the host's switches, as the menu's line would.
    void SetSetting(Setting setting, bool on);
    // The main window as the text renderer draws it.
    std::string SnapshotMainWindow() const;
    // Sizes the main window to columns x rows cells.
    void Resize(int columns, int rows);
    // True once the main window has been closed (Quit in the menu, or its close box).
    bool Ended() const;
    // Asks the main window to close, as its close box would; false while a modal dialog runs.
    bool Close();

private:
    struct Impl;
    std::unique_ptr<Impl> impl;
    std::string error;
};

} // namespace tirel
