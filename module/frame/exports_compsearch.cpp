// The export of the component Find (compsearch/).
#include "compsearch/quarnel_dlg.h"
#include "frame/entry_frame.h"
#include "frame/exports.h"
#include "frame/xeld_bridge.h"

#include <vxstruct.h>

// The first argument is not read. The host may refuse the Find for now; with the Xeld flag
// set, the enterprise database's Find runs in place of the module's own.
QUARNEL_EXPORT(stdcall) int gxSearchComponents(int, int nInsertPos, const char* pszInitial)
{
    return quarnel::RunInEntryFrame(0, quarnel::MainWindow::kRequired, [&] {
        if (HostRefusesFind() != 0)
            return 0;
        if (g_nXeldFlag != 0)
            return quarnel::RunXeldFind(nInsertPos, pszInitial);
        CQuarnelDlg dlg("Happ", nInsertPos, pszInitial, NULL);
        // A dialog that could not be created (-1) added nothing.
        return dlg.DoModal() == 1 ? 1 : 0;
    });
}
