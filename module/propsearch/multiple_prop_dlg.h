// CMultiplePropDlg: "Multiple Properties", the notice that a property set of several properties
// makes the engine compute every valid combination of qualifiers. The property search shows it
// before the second property of a selection; its check box switches it off in the engine for
// good, and "OK" tells the engine the choice either way. Escape closes it and tells nothing.
//
// Does not do:
// - help: F1 is handled and opens nothing;
// - load the engine: it calls SMchkmultiple through the set that the property search loaded.
#pragma once

#include <afxwin.h>

#include "res/resource.h"

class CMultiplePropDlg : public CDialog
{
public:
    explicit CMultiplePropDlg(CWnd* pParent = NULL);

    enum
    {
        IDD = IDD_MULTIPLE_PROP
    };

    int m_bDontShow;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;

    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()
};
