// The entry frame: what every dialog export does around its dialog, written once so that no
// export can forget a step.
//
//     QUARNEL_EXPORT(cdecl) int gxReorderComp()
//     {
//         return quarnel::RunInEntryFrame(0, quarnel::MainWindow::kRequired, [] {
//             reordercomp dlg;
//             dlg.DoModal();
//             return 0;
//         });
//     }
//
// The steps: refuse (return the export's not-shown result) before QuarnelInitExtDLL; switch to
// the host's module state saved by QuarnelInitExtDLL; save the resource handle and point it at
// this module, so that this module's dialog templates win over the host's; unless the export
// says otherwise, require a current thread object with a main window; run the body, which
// builds its dialog on the stack and runs it modally; and on every path out (exceptions
// included) put the resource handle back, then leave the module state.
//
// Does not do:
// - Report an exception: one that escapes the body ends the export with its not-shown result
//   and shows nothing, so that no exception crosses the module boundary. AfxEndThread called
//   inside a body is stopped the same way.
#pragma once

#include "frame/module_state.h"

namespace quarnel
{

enum class MainWindow
{
    kRequired, // the dialog needs the host's main window: without it the export shows nothing
    kNotRequired,
};

// Whether the calling thread has a thread object whose main window exists.
bool HostHasMainWindow();

// Points the current module state's resource handle at a module for the life of the object.
class ResourceHandleSwitch
{
public:
    explicit ResourceHandleSwitch(HINSTANCE module);
    ~ResourceHandleSwitch();
    ResourceHandleSwitch(const ResourceHandleSwitch&) = delete;
    ResourceHandleSwitch& operator=(const ResourceHandleSwitch&) = delete;

private:
    HINSTANCE m_hSaved;
};

// Runs body (which returns the export's result) inside the entry frame; notShown is what the
// export returns when the frame refuses, or when body ends with an exception.
template <class Result, class Body>
Result RunInEntryFrame(Result notShown, MainWindow mainWindow, Body&& body) noexcept
{
    if (g_pModuleState == NULL)
        return notShown;
    AFX_MAINTAIN_STATE2 state(g_pModuleState);
    ResourceHandleSwitch resources(g_hModule);
    if (mainWindow == MainWindow::kRequired && !HostHasMainWindow())
        return notShown;
    try
    {
        return static_cast<Result>(body());
    }
    catch (CException* e)
    {
        e->Delete();
    }
    catch (...)
    {
    }
    return notShown;
}

} // namespace quarnel
