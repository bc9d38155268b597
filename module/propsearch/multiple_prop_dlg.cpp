// CMultiplePropDlg (see multiple_prop_dlg.h). A click on the check box has no action of its
// own: the box is read when "OK" is pressed.
#include "propsearch/multiple_prop_dlg.h"

#include "propsearch/property_engine.h"

BEGIN_MESSAGE_MAP(CMultiplePropDlg, CDialog)
ON_WM_HELPINFO()
END_MESSAGE_MAP()

CMultiplePropDlg::CMultiplePropDlg(CWnd* pParent) : CDialog(IDD, pParent), m_bDontShow(0) {}

void CMultiplePropDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_MULTIPROP_DONTSHOW, m_bDontShow);
}

void CMultiplePropDlg::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    // 0 switches the notice off; 1 keeps it.
    CheckMultiple(m_bDontShow == 1 ? 0 : 1);
    EndDialog(IDOK);
}

BOOL CMultiplePropDlg::OnHelpInfo(HELPINFO*)
{
    return TRUE;
}
