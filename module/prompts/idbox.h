// CIdBox: the small box in which the user types the identifier of a new input object (a
// Chemistry ID, a Henry-components ID, a data record ID). The caller gives the prompt and reads
// m_szID after the box closes: at most 8 characters, in capitals, filtered as ids are.
//
// It does NOT:
// - check the identifier: whether it is blank, holds blanks or already exists is for the caller
//   to test after a result of IDOK;
// - clear m_szID on Cancel: it mirrors the field, and the result tells the caller to ignore it.
#pragma once

#include "controls/myedit.h"
#include "res/resource.h"

#include <afxwin.h>
#include <vxstruct.h>

class CIdBox : public CVxDialog
{
public:
    enum
    {
        IDD = IDD_ID_BOX
    };

    CIdBox(CWnd* pParentWnd, CString strPrompt);

    CStatic m_staticPrompt;
    CString m_strPrompt;
    // The identifier as typed so far: up to 8 characters and a terminating zero.
    char m_szID[9];
    CMyEdit m_editID;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnUpdateId();

    DECLARE_MESSAGE_MAP()
};
