// AskReconcile: the question the host asks about a block with errors or warnings before it
// reconciles it. The answers are the dialog's results: 0 No, 1 Yes, 2 Yes to All, 3 Cancel
// (also Escape and the close box).
//
// It does NOT:
// - act on the answer: reconciling, and remembering Yes to All for later blocks, is the host's.
#pragma once

#include "res/resource.h"

#include <afxwin.h>
#include <vxstruct.h>

namespace quarnel
{

// The question about one block: "Block <name> has errors or warnings. Do you wish to
// reconcile?". A NULL name is an empty one.
CString ReconcileQuestion(LPCTSTR lpszBlock);

} // namespace quarnel

class AskReconcile : public CVxDialog
{
public:
    enum
    {
        IDD = IDD_ASK_RECONCILE
    };

    // The results.
    enum
    {
        kNo = 0,
        kYes = 1,
        kYesToAll = 2,
        kCancel = 3,
    };

    AskReconcile(LPCTSTR lpszBlock, CWnd* pParentWnd = NULL);

    CString m_strMessage;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnCancel() override;

    afx_msg void OnNo();
    afx_msg void OnYes();
    afx_msg void OnYesToAll();
    afx_msg void OnCancelButton();

    DECLARE_MESSAGE_MAP()
};
