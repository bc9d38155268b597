// The probe module's own exports (see probe.h).
#include "probe.h"

#include "frame/entry_frame.h"
#include "frame/exports.h"

#include <stdexcept>

namespace
{

void Look(ProbeView* view)
{
    view->ran = true;
    view->resourceHandle = AfxGetResourceHandle();
    view->moduleState = AfxGetModuleState();
}

} // namespace

QUARNEL_EXPORT(cdecl) int probeShowDialog(int templateId, int notShown)
{
    return quarnel::RunInEntryFrame(notShown, quarnel::MainWindow::kRequired, [&] {
        CDialog dlg(templateId);
        return static_cast<int>(dlg.DoModal());
    });
}

QUARNEL_EXPORT(cdecl) int probeInside(ProbeView* view, int notShown)
{
    return quarnel::RunInEntryFrame(notShown, quarnel::MainWindow::kRequired, [&] {
        Look(view);
        return 1;
    });
}

QUARNEL_EXPORT(cdecl) int probeInsideAnyWindow(ProbeView* view, int notShown)
{
    return quarnel::RunInEntryFrame(notShown, quarnel::MainWindow::kNotRequired, [&] {
        Look(view);
        return 1;
    });
}

QUARNEL_EXPORT(cdecl) int probeThrow(int kind, int notShown)
{
    return quarnel::RunInEntryFrame(notShown, quarnel::MainWindow::kRequired, [&]() -> int {
        if (kind == kThrowMfcException)
            AfxThrowNotSupportedException();
        if (kind == kThrowStdException)
            throw std::runtime_error("probe");
        throw kind;
    });
}

QUARNEL_EXPORT(cdecl) void probeGlobals(ProbeGlobals* globals)
{
    globals->module = g_hModule;
    globals->moduleState = g_pModuleState;
    globals->extensionModule = QuarnelDLL.hModule;
    globals->xeldFlag = g_nXeldFlag;
    globals->refState = g_nRefState;
    globals->hideUpwardCancel = g_nHideUpwardCancel;
}
