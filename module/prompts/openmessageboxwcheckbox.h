// COpenMessageboxWCheckbox: the module's message box with a "Do not show this message again."
// check box, whose state the caller reads after the box closes. Escape and the close box
// answer IDCANCEL (2), as any dialog does.
//
// The check box always starts unchecked. The state handed back changes only when the user
// clicks the box, so an initial state of 1 comes back as 1 from a user who never touched it.
//
// It does NOT:
// - store the "do not show" choice anywhere: the caller decides what to keep.
#pragma once

#include "prompts/messagebox_base.h"
#include "res/resource.h"

class COpenMessageboxWCheckbox : public COpenMessageboxBase
{
public:
    enum
    {
        IDD = IDD_OPEN_MESSAGEBOX_WCHECK
    };

    COpenMessageboxWCheckbox(LPCTSTR lpszTitle, LPCTSTR lpszMessage, LPCTSTR lpszButton1,
                             LPCTSTR lpszButton2, LPCTSTR lpszButton3, LPCTSTR lpszButton4,
                             LPCTSTR lpszHelpRef, int nDefaultButton, int nCheck, CWnd* pParentWnd);

    // The check state after DoModal: 1 checked, 0 not.
    int GetCheckState() const { return m_nCheck; }

protected:
    afx_msg void OnDontShowAgain();

    DECLARE_MESSAGE_MAP()

    int m_nCheck;
};
