// COpenMessageboxWCheckbox (see openmessageboxwcheckbox.h): the template's controls and the
// check box; the rest is COpenMessageboxBase.
#include "prompts/openmessageboxwcheckbox.h"

namespace
{

const COpenMessageboxBase::Controls kControls = {
    IDC_MSGBOXW_TEXT,
    {IDC_MSGBOXW_BUTTON1, IDC_MSGBOXW_BUTTON2, IDC_MSGBOXW_BUTTON3, IDC_MSGBOXW_BUTTON4},
    IDC_MSGBOXW_DONTSHOW,
};

} // namespace

BEGIN_MESSAGE_MAP(COpenMessageboxWCheckbox, COpenMessageboxBase)
ON_BN_CLICKED(IDC_MSGBOXW_BUTTON1, &COpenMessageboxWCheckbox::OnButton1)
ON_BN_CLICKED(IDC_MSGBOXW_BUTTON2, &COpenMessageboxWCheckbox::OnButton2)
ON_BN_CLICKED(IDC_MSGBOXW_BUTTON3, &COpenMessageboxWCheckbox::OnButton3)
ON_BN_CLICKED(IDC_MSGBOXW_BUTTON4, &COpenMessageboxWCheckbox::OnButton4)
ON_BN_CLICKED(IDC_MSGBOXW_DONTSHOW, &COpenMessageboxWCheckbox::OnDontShowAgain)
END_MESSAGE_MAP()

COpenMessageboxWCheckbox::COpenMessageboxWCheckbox(LPCTSTR lpszTitle, LPCTSTR lpszMessage,
                                                   LPCTSTR lpszButton1, LPCTSTR lpszButton2,
                                                   LPCTSTR lpszButton3, LPCTSTR lpszButton4,
                                                   LPCTSTR lpszHelpRef, int nDefaultButton,
                                                   int nCheck, CWnd* pParentWnd)
    : COpenMessageboxBase(IDD, kControls, lpszTitle, lpszMessage, lpszButton1, lpszButton2,
                          lpszButton3, lpszButton4, lpszHelpRef, nDefaultButton, pParentWnd),
      m_nCheck(nCheck)
{
}

void COpenMessageboxWCheckbox::OnDontShowAgain()
{
    m_nCheck = IsDlgButtonChecked(IDC_MSGBOXW_DONTSHOW) == BST_CHECKED ? 1 : 0;
}
