// CCriteriaEdit: the edit controls of the Find's numeric criteria. The molecular weight and
// boiling point bounds take digits and "."; the CAS number takes digits and "-". Backspace
// passes; any other typed character is swallowed with the simple beep.
//
// Does not do:
// - filter pasted text or WM_SETTEXT: only typed characters (WM_CHAR) are filtered;
// - check the text as a whole: "1.2.3" can be typed, and the search reads it with atof.
#pragma once

#include <afxwin.h>

enum class CriteriaKind
{
    kNumber,    // digits and "."
    kCasNumber, // digits and "-"
};

// Whether a typed character reaches the edit control.
bool AcceptsCriteriaChar(CriteriaKind kind, UINT nChar);

class CCriteriaEdit : public CEdit
{
public:
    explicit CCriteriaEdit(CriteriaKind kind) : m_kind(kind) {}

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    CriteriaKind m_kind;
};
