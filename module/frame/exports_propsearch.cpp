// The export of the property search (propsearch/).
#include "frame/entry_frame.h"
#include "frame/exports.h"
#include "propsearch/find_property_dlg.h"

// Shows the property search with an initial search text (NULL counts as empty); the
// selection reaches the engine from the dialog, so the result is always 0.
QUARNEL_EXPORT(stdcall) int gxSearchProperty(const char* pszInitial)
{
    return quarnel::RunInEntryFrame(0, quarnel::MainWindow::kRequired, [pszInitial] {
        CFindPropertyDlg dlg(pszInitial, NULL);
        dlg.DoModal();
        return 0;
    });
}
