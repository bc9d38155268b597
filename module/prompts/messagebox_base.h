// COpenMessageboxBase: what the module's two message boxes share. A box has a title, a message
// of one or more lines, and up to four push buttons whose captions the caller chooses; a
// caption that reads "Help" (or the fourth button, when the caller gave a help reference)
// opens the caller's help topic instead of answering. The box grows for long messages and
// spreads the buttons it shows evenly over its width.
//
// COpenMessagebox and COpenMessageboxWCheckbox derive from it; each names its template's
// controls and maps their clicks to OnButton1 to OnButton4.
//
// It does NOT:
// - show an icon (the template's picture control stays hidden);
// - handle F1: help comes only from the help buttons;
// - answer for a button it does not show: the template's default button may still be hidden,
//   and Enter on it does nothing;
// - answer Enter when no button is the default: the user has to choose one (IDOK is ignored).
#pragma once

#include <afxwin.h>
#include <vxstruct.h>

class COpenMessageboxBase : public CVxDialog
{
public:
    // The ids of one template's controls: the message, buttons 1 to 4 in button order, and the
    // check box that moves down with the buttons (0 for none).
    struct Controls
    {
        UINT nMessage;
        UINT nButton[4];
        UINT nCheck;
    };

protected:
    // Takes the caller's texts as given; a NULL caption is an empty one, a NULL title the
    // product name.
    COpenMessageboxBase(UINT nIDTemplate, const Controls& controls, LPCTSTR lpszTitle,
                        LPCTSTR lpszMessage, LPCTSTR lpszButton1, LPCTSTR lpszButton2,
                        LPCTSTR lpszButton3, LPCTSTR lpszButton4, LPCTSTR lpszHelpRef,
                        int nDefaultButton, CWnd* pParentWnd);

    BOOL OnInitDialog() override;
    void OnOK() override;

    afx_msg void OnButton1();
    afx_msg void OnButton2();
    afx_msg void OnButton3();
    afx_msg void OnButton4();

    CString m_strTitle;
    CString m_strMessage;
    CString m_strButton1;
    CString m_strButton2;
    CString m_strButton3;
    CString m_strButton4;
    CString m_strHelpRef;
    // 1 to 4: the button that is default and has the focus; any other value chooses none.
    int m_nDefaultButton;
    // The gaps of the button row: one more than the buttons shown.
    int m_nSlots;
    // The first button's rectangle in client coordinates, once the message area has grown.
    CRect m_rcButton;

private:
    const CString& Caption(int nButton) const;
    bool HasHelpReference() const;
    void OnButton(int nButton);
    void GrowMessageArea();
    void PlaceButtons();
    void ShowHelpReference() const;

    Controls m_controls;
};
