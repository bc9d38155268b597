// CIdBox (see idbox.h). The field's upper-case style makes every letter a capital, its limit
// keeps it to 8 characters, and CMyEdit's identifier filter refuses what an id cannot hold;
// m_szID copies the field after every change.
#include "prompts/idbox.h"

#include <cstring>
#include <utility>

namespace
{

constexpr int kIdLength = 8;

} // namespace

BEGIN_MESSAGE_MAP(CIdBox, CVxDialog)
ON_EN_UPDATE(IDC_IDBOX_ID, &CIdBox::OnUpdateId)
END_MESSAGE_MAP()

CIdBox::CIdBox(CWnd* pParentWnd, CString strPrompt)
    : CVxDialog(IDD, pParentWnd), m_strPrompt(std::move(strPrompt)), m_szID{}
{
    // With dialogs suppressed nobody can type an id: the box answers Cancel.
    m_nSuppressedResult = IDCANCEL;
    m_strSuppressedMessage = "ID Entry dialog cannot be displayed while dialogs are suppressed";
}

void CIdBox::DoDataExchange(CDataExchange* pDX)
{
    CVxDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IDBOX_PROMPT, m_staticPrompt);
}

BOOL CIdBox::OnInitDialog()
{
    CVxDialog::OnInitDialog();
    m_editID.SubclassEdit(IDC_IDBOX_ID, this, CMyEdit::kIdentifier);
    m_staticPrompt.SetWindowText(m_strPrompt);
    m_editID.LimitText(kIdLength);
    // The entry field is the first control, so it takes the focus.
    return TRUE;
}

void CIdBox::OnUpdateId()
{
    char buffer[kIdLength + 1] = {};
    GetDlgItemText(IDC_IDBOX_ID, buffer, kIdLength + 1);
    std::memcpy(m_szID, buffer, sizeof m_szID);
}
