// The exports of the message boxes and the small prompts (prompts/), each one call of the entry
// frame.
#include "frame/entry_frame.h"
#include "frame/exports.h"
#include "prompts/askreconcile.h"
#include "prompts/message_owner.h"
#include "prompts/openmessagebox.h"
#include "prompts/openmessageboxwcheckbox.h"

QUARNEL_EXPORT(cdecl) int gxAskReconcile(const char* pszBlock)
{
    // Not shown counts as Yes, so that a host without the module still reconciles.
    return quarnel::RunInEntryFrame(1, quarnel::MainWindow::kRequired, [&] {
        AskReconcile dlg(pszBlock);
        return dlg.DoModal();
    });
}

QUARNEL_EXPORT(cdecl)
int gxOpen_message_box(const char* pszTitle, const char* pszMessage, const char* pszButton1,
                       const char* pszButton2, const char* pszButton3, const char* pszButton4,
                       const char* pszHelpRef, int nDefaultButton)
{
    return gxOpen_message_box2(pszTitle, pszMessage, pszButton1, pszButton2, pszButton3, pszButton4,
                               pszHelpRef, nDefaultButton, nDefaultButton);
}

QUARNEL_EXPORT(cdecl)
int gxOpen_message_box2(const char* pszTitle, const char* pszMessage, const char* pszButton1,
                        const char* pszButton2, const char* pszButton3, const char* pszButton4,
                        const char* pszHelpRef, int nDefaultButton, int nCancelResult)
{
    return quarnel::RunInEntryFrame(0, quarnel::MainWindow::kRequired, [&] {
        COpenMessagebox dlg(pszTitle, pszMessage, pszButton1, pszButton2, pszButton3, pszButton4,
                            pszHelpRef, nDefaultButton, nCancelResult,
                            quarnel::ChooseMessageBoxOwner());
        const INT_PTR nResult = dlg.DoModal();
        return nResult == -1 ? 0 : static_cast<int>(nResult);
    });
}

QUARNEL_EXPORT(cdecl)
int gxOpen_message_box_wcheck(const char* pszTitle, const char* pszMessage, const char* pszButton1,
                              const char* pszButton2, const char* pszButton3,
                              const char* pszButton4, const char* pszHelpRef, int nDefaultButton,
                              int* pnCheck)
{
    return quarnel::RunInEntryFrame(0, quarnel::MainWindow::kRequired, [&] {
        // A caller without a place for the check state gets none back.
        COpenMessageboxWCheckbox dlg(
            pszTitle, pszMessage, pszButton1, pszButton2, pszButton3, pszButton4, pszHelpRef,
            nDefaultButton, pnCheck != NULL ? *pnCheck : 0, quarnel::ChooseMessageBoxOwner());
        const INT_PTR nResult = dlg.DoModal();
        if (nResult == -1)
            return 0;
        if (pnCheck != NULL)
            *pnCheck = dlg.GetCheckState();
        return static_cast<int>(nResult);
    });
}
