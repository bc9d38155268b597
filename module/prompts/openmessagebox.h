// COpenMessagebox: the module's message box, with up to four caller-captioned buttons. Escape
// and the close box answer with a result the caller chooses (by default the default button's
// number), so that closing the box means what the caller decided it should.
//
// It does NOT:
// - remember anything between boxes: what to do with the answer is the caller's affair.
#pragma once

#include "prompts/messagebox_base.h"
#include "res/resource.h"

class COpenMessagebox : public COpenMessageboxBase
{
public:
    enum
    {
        IDD = IDD_OPEN_MESSAGEBOX
    };

    // Escape and the close box answer nDefaultButton.
    COpenMessagebox(LPCTSTR lpszTitle, LPCTSTR lpszMessage, LPCTSTR lpszButton1,
                    LPCTSTR lpszButton2, LPCTSTR lpszButton3, LPCTSTR lpszButton4,
                    LPCTSTR lpszHelpRef, int nDefaultButton, CWnd* pParentWnd);
    // Escape and the close box answer nCancelResult.
    COpenMessagebox(LPCTSTR lpszTitle, LPCTSTR lpszMessage, LPCTSTR lpszButton1,
                    LPCTSTR lpszButton2, LPCTSTR lpszButton3, LPCTSTR lpszButton4,
                    LPCTSTR lpszHelpRef, int nDefaultButton, int nCancelResult, CWnd* pParentWnd);

protected:
    void OnCancel() override;

    DECLARE_MESSAGE_MAP()

    int m_nCancelResult;
};
