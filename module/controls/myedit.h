// CMyEdit: an edit control that filters what the user types, character by character, before the
// control sees it. The identifier kind takes simulation object ids; the real-number kind takes
// numeric fields. A refused character is dropped and the standard beep sounds.
//
// It does NOT:
// - filter pasted text or WM_SETTEXT: only typed characters (WM_CHAR) pass through the filter;
// - check that the whole text is an id or a number (RealParser does that for the owner);
// - look beyond the first 15 characters of the first line when deciding;
// - consider the caret or the selection: a "." typed over the only "." is still refused.
#pragma once
#include <afxwin.h>

class CMyEdit : public CEdit
{
public:
    // The kinds a caller passes to SubclassEdit.
    static constexpr WORD kIdentifier = 2;
    static constexpr WORD kRealNumber = 8;

    CMyEdit() = default;

    // Attaches the filter of this kind (2 identifier, 8 real number) to the parent's child with
    // this id. Called from the dialog's OnInitDialog. Returns whether the child was subclassed.
    BOOL SubclassEdit(UINT nID, CWnd* pParent, WORD nKind);

    // Called when a character lies outside the filter's set; sounds the simple beep.
    virtual void RefuseChar();

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    DECLARE_MESSAGE_MAP()

private:
    bool AcceptsIdentifierChar(UINT nChar, bool empty) const;

    WORD m_nKind = 0;
    // 1 real number, 2 identifier; 0 until a control is attached.
    int m_nFilter = 0;
};
