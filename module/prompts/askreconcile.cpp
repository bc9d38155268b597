// AskReconcile (see askreconcile.h). Each button ends the dialog with its own result directly,
// without the OK processing of a dialog; Cancel, Escape and the close box share OnCancel.
#include "prompts/askreconcile.h"

namespace quarnel
{

CString ReconcileQuestion(LPCTSTR lpszBlock)
{
    CString question("Block ");
    if (lpszBlock != NULL)
        question += lpszBlock;
    question += " has errors or warnings. Do you wish to reconcile?";
    return question;
}

} // namespace quarnel

BEGIN_MESSAGE_MAP(AskReconcile, CVxDialog)
ON_BN_CLICKED(IDC_RECONCILE_NO, &AskReconcile::OnNo)
ON_BN_CLICKED(IDC_RECONCILE_YES, &AskReconcile::OnYes)
ON_BN_CLICKED(IDC_RECONCILE_YES_TO_ALL, &AskReconcile::OnYesToAll)
ON_BN_CLICKED(IDC_RECONCILE_CANCEL, &AskReconcile::OnCancelButton)
END_MESSAGE_MAP()

AskReconcile::AskReconcile(LPCTSTR lpszBlock, CWnd* pParentWnd)
    : CVxDialog(IDD, pParentWnd), m_strMessage(quarnel::ReconcileQuestion(lpszBlock))
{
    // With dialogs suppressed every block is reconciled.
    m_nSuppressedResult = kYesToAll;
    m_strSuppressedMessage = "Reconcile blocks with errors or warnings?";
    m_strSuppressedAnswer = "Yes to All";
}

void AskReconcile::DoDataExchange(CDataExchange* pDX)
{
    CVxDialog::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_RECONCILE_QUESTION, m_strMessage);
}

void AskReconcile::OnCancel()
{
    EndDialog(kCancel);
}

void AskReconcile::OnNo()
{
    EndDialog(kNo);
}

void AskReconcile::OnYes()
{
    EndDialog(kYes);
}

void AskReconcile::OnYesToAll()
{
    EndDialog(kYesToAll);
}

void AskReconcile::OnCancelButton()
{
    OnCancel();
}
