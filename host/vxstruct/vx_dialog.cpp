// CVxDialog: the host's dialog base, which answers from its record while the host suppresses
// dialogs.
//
// Does not do:
// - Anything of its own when shown: outside suppressed mode it is exactly a CDialog.
#include "host_state.h"
#include "vxhost.h"

IMPLEMENT_DYNAMIC(CVxDialog, CDialog)

CVxDialog::CVxDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : CDialog(nIDTemplate, pParentWnd), m_nSuppressedResult(IDCANCEL)
{
}

CVxDialog::~CVxDialog() = default;

INT_PTR CVxDialog::DoModal()
{
    if (!vxhost::DialogsSuppressed())
        return CDialog::DoModal();
    InitSuppressed();
    vxhost::detail::LogSuppressedPrompt(m_strSuppressedMessage, m_strSuppressedAnswer,
                                        m_nSuppressedResult);
    return m_nSuppressedResult;
}

void CVxDialog::InitSuppressed() {}
