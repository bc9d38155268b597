// COpenMessagebox (see openmessagebox.h): the template's controls and the cancel result; the
// rest is COpenMessageboxBase.
#include "prompts/openmessagebox.h"

namespace
{

const COpenMessageboxBase::Controls kControls = {
    IDC_MSGBOX_TEXT,
    {IDC_MSGBOX_BUTTON1, IDC_MSGBOX_BUTTON2, IDC_MSGBOX_BUTTON3, IDC_MSGBOX_BUTTON4},
    0,
};

} // namespace

BEGIN_MESSAGE_MAP(COpenMessagebox, COpenMessageboxBase)
ON_BN_CLICKED(IDC_MSGBOX_BUTTON1, &COpenMessagebox::OnButton1)
ON_BN_CLICKED(IDC_MSGBOX_BUTTON2, &COpenMessagebox::OnButton2)
ON_BN_CLICKED(IDC_MSGBOX_BUTTON3, &COpenMessagebox::OnButton3)
ON_BN_CLICKED(IDC_MSGBOX_BUTTON4, &COpenMessagebox::OnButton4)
END_MESSAGE_MAP()

COpenMessagebox::COpenMessagebox(LPCTSTR lpszTitle, LPCTSTR lpszMessage, LPCTSTR lpszButton1,
                                 LPCTSTR lpszButton2, LPCTSTR lpszButton3, LPCTSTR lpszButton4,
                                 LPCTSTR lpszHelpRef, int nDefaultButton, CWnd* pParentWnd)
    : COpenMessagebox(lpszTitle, lpszMessage, lpszButton1, lpszButton2, lpszButton3, lpszButton4,
                      lpszHelpRef, nDefaultButton, nDefaultButton, pParentWnd)
{
}

COpenMessagebox::COpenMessagebox(LPCTSTR lpszTitle, LPCTSTR lpszMessage, LPCTSTR lpszButton1,
                                 LPCTSTR lpszButton2, LPCTSTR lpszButton3, LPCTSTR lpszButton4,
                                 LPCTSTR lpszHelpRef, int nDefaultButton, int nCancelResult,
                                 CWnd* pParentWnd)
    : COpenMessageboxBase(IDD, kControls, lpszTitle, lpszMessage, lpszButton1, lpszButton2,
                          lpszButton3, lpszButton4, lpszHelpRef, nDefaultButton, pParentWnd),
      m_nCancelResult(nCancelResult)
{
}

void COpenMessagebox::OnCancel()
{
    EndDialog(m_nCancelResult);
}
