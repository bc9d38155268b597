// The message boxes' shared behaviour (see messagebox_base.h): filling the members and the
// suppressed-mode record from the caller's texts, growing the message area, placing the
// buttons, and answering or opening help when one is clicked.
#include "prompts/messagebox_base.h"

#include "frame/help.h"
#include "prompts/message_layout.h"

namespace
{

const char kDefaultTitle[] = "Tirel Plus";
const char kHelpCaption[] = "&Help";
const char kUnknownAnswer[] = "Unknown";

CString TextOrEmpty(LPCTSTR lpsz)
{
    return lpsz != NULL ? CString(lpsz) : CString();
}

// Moves a control down by dy and makes it dh taller, in its parent's client coordinates.
void Shift(CWnd* pParent, CWnd* pControl, int dy, int dh)
{
    if (pControl == NULL)
        return;
    CRect rc;
    pControl->GetWindowRect(&rc);
    pParent->ScreenToClient(&rc);
    pControl->MoveWindow(rc.left, rc.top + dy, rc.Width(), rc.Height() + dh);
}

} // namespace

COpenMessageboxBase::COpenMessageboxBase(UINT nIDTemplate, const Controls& controls,
                                         LPCTSTR lpszTitle, LPCTSTR lpszMessage,
                                         LPCTSTR lpszButton1, LPCTSTR lpszButton2,
                                         LPCTSTR lpszButton3, LPCTSTR lpszButton4,
                                         LPCTSTR lpszHelpRef, int nDefaultButton, CWnd* pParentWnd)
    : CVxDialog(nIDTemplate, pParentWnd), m_strTitle(lpszTitle != NULL ? lpszTitle : kDefaultTitle),
      m_strMessage(TextOrEmpty(lpszMessage)), m_strHelpRef(TextOrEmpty(lpszHelpRef)),
      m_nDefaultButton(nDefaultButton), m_nSlots(1), m_controls(controls)
{
    CString* buttons[] = {&m_strButton1, &m_strButton2, &m_strButton3};
    LPCTSTR captions[] = {lpszButton1, lpszButton2, lpszButton3, lpszButton4};
    for (int i = 0; i < 3; ++i)
    {
        *buttons[i] = TextOrEmpty(captions[i]);
        if (!buttons[i]->IsEmpty())
            ++m_nSlots;
    }
    // Without a fourth caption, a help reference still earns the box a help button.
    m_strButton4 = TextOrEmpty(lpszButton4);
    if (m_strButton4.IsEmpty() && HasHelpReference())
        m_strButton4 = kHelpCaption;
    if (!m_strButton4.IsEmpty())
        ++m_nSlots;

    // With dialogs suppressed the host answers as the default button would, and logs the
    // caption the caller gave that button.
    m_nSuppressedResult = m_nDefaultButton;
    m_strSuppressedMessage = m_strTitle + ". " + m_strMessage;
    if (m_nDefaultButton >= 1 && m_nDefaultButton <= 4)
        m_strSuppressedAnswer = TextOrEmpty(captions[m_nDefaultButton - 1]);
    else
        m_strSuppressedAnswer = kUnknownAnswer;
}

BOOL COpenMessageboxBase::OnInitDialog()
{
    CVxDialog::OnInitDialog();

    for (UINT nID : m_controls.nButton)
    {
        if (CWnd* pButton = GetDlgItem(static_cast<int>(nID)))
            pButton->ShowWindow(SW_HIDE);
    }
    GrowMessageArea();
    PlaceButtons();
    SetWindowText(m_strTitle);
    SetDlgItemText(static_cast<int>(m_controls.nMessage), m_strMessage);

    if (m_nDefaultButton < 1 || m_nDefaultButton > 4)
        return TRUE;
    const UINT nDefault = m_controls.nButton[m_nDefaultButton - 1];
    SendMessage(DM_SETDEFID, nDefault);
    GotoDlgCtrl(GetDlgItem(static_cast<int>(nDefault)));
    return FALSE;
}

void COpenMessageboxBase::OnOK()
{
    // IDOK comes only from Enter when no button is the default: no answer was chosen.
}

void COpenMessageboxBase::OnButton1()
{
    OnButton(1);
}

void COpenMessageboxBase::OnButton2()
{
    OnButton(2);
}

void COpenMessageboxBase::OnButton3()
{
    OnButton(3);
}

void COpenMessageboxBase::OnButton4()
{
    OnButton(4);
}

const CString& COpenMessageboxBase::Caption(int nButton) const
{
    const CString* captions[] = {&m_strButton1, &m_strButton2, &m_strButton3, &m_strButton4};
    return *captions[nButton - 1];
}

bool COpenMessageboxBase::HasHelpReference() const
{
    return m_strHelpRef.Find('#') >= 0;
}

void COpenMessageboxBase::OnButton(int nButton)
{
    const CString& caption = Caption(nButton);
    // A button without a caption was never shown; Enter can still reach it as the template's
    // default button, and it must not answer for the caller.
    if (caption.IsEmpty())
        return;
    if (quarnel::IsHelpCaption(caption) || (nButton == 4 && HasHelpReference()))
    {
        ShowHelpReference();
        return;
    }
    EndDialog(nButton);
}

void COpenMessageboxBase::GrowMessageArea()
{
    CWnd* pMessage = GetDlgItem(static_cast<int>(m_controls.nMessage));
    if (pMessage == NULL)
        return;
    CRect rcArea;
    pMessage->GetClientRect(&rcArea);
    const int growth =
        quarnel::MessageGrowth(quarnel::CountMessageLines(m_strMessage), rcArea.Height());
    if (growth == 0)
        return;

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    SetWindowPos(NULL, 0, 0, rcWindow.Width(), rcWindow.Height() + growth,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Shift(this, pMessage, 0, growth);
    Shift(this, GetDlgItem(static_cast<int>(m_controls.nButton[0])), growth, 0);
    if (m_controls.nCheck != 0)
        Shift(this, GetDlgItem(static_cast<int>(m_controls.nCheck)), growth, 0);
}

void COpenMessageboxBase::PlaceButtons()
{
    CWnd* pFirst = GetDlgItem(static_cast<int>(m_controls.nButton[0]));
    if (pFirst == NULL)
        return;
    pFirst->GetWindowRect(&m_rcButton);
    ScreenToClient(&m_rcButton);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    const int width = m_rcButton.Width();
    const int gap = quarnel::ButtonGap(rcWindow.Width(), m_nSlots - 1, width);

    int x = gap;
    for (int nButton = 1; nButton <= 4; ++nButton)
    {
        const CString& caption = Caption(nButton);
        CWnd* pButton = GetDlgItem(static_cast<int>(m_controls.nButton[nButton - 1]));
        if (caption.IsEmpty() || pButton == NULL)
            continue;
        pButton->MoveWindow(x, m_rcButton.top, width, m_rcButton.Height());
        pButton->SetWindowText(caption);
        pButton->ShowWindow(SW_SHOW);
        x += gap + width;
    }
}

void COpenMessageboxBase::ShowHelpReference() const
{
    quarnel::HelpReference reference;
    if (quarnel::ParseHelpReference(m_strHelpRef, &reference))
        quarnel::ShowHelpTopic(reference.file, static_cast<DWORD>(reference.topic));
}
