// CQuarnelDlg: the component "Find". The user enters a name or formula on the first page,
// narrows the search on the "Advanced" page, presses "Find now", and adds result rows to the
// simulation with "Add" or a double click.
//
// The dialog opens collapsed to its criteria part and grows to its full height with the first
// search. A search runs on a worker thread (quarnel_search.cpp) while the dialog stays
// responsive; "Stop" (the "Close" button while a search runs) or Escape ends it at the next
// record, and the dialog cannot be closed until it has ended.
//
// Does not do:
// - survive being destroyed by anything but its own "Close" while a search runs: the
//   destructor stops and joins the worker, which must not be waiting on this dialog then;
// - refuse to open without the engine: a missing "rava.dll" or entry point leaves a dialog
//   whose searches find nothing and whose "Add" adds nothing;
// - play a missing animation file: the animation then stays empty.
#pragma once

#include "compsearch/component_row.h"
#include "compsearch/criteria_edit.h"
#include "compsearch/find_layout.h"
#include "compsearch/search_criteria.h"

#include <afxcmn.h>
#include <afxcoll.h>
#include <afxwin.h>
#include <vxstruct.h>

#include "res/resource.h"

#include <atomic>

// What the search's worker thread tells the dialog. It sends each matching record, which the
// dialog lists on its own thread (lParam: a FindRowRequest that stays valid until the send
// returns), and posts the end of the search as its last act (wParam: 1 when it was stopped).
inline constexpr UINT WM_FIND_ADDROW = WM_APP + 1;
inline constexpr UINT WM_FIND_SEARCHDONE = WM_APP + 2;

struct FindRowRequest
{
    const DatabankRecord* pRecord;
    const char* pszDatabank;
};

class CQuarnelDlg : public CDialog
{
public:
    CQuarnelDlg(LPCTSTR lpszAppName, int nInsertPos, LPCTSTR lpszInitial, CWnd* pParent = NULL);
    ~CQuarnelDlg() override;

    enum
    {
        IDD = IDD_QUARNEL_FIND
    };

    CTabCtrl m_tab;
    CListCtrl m_list;
    CString m_strBpUnit;
    CString m_strCasNo;
    CString m_strClass;
    CString m_strName;
    CString m_strBpFrom;
    CString m_strBpTo;
    CString m_strMwFrom;
    CString m_strMwTo;
    int m_bBeginsWith;
    int m_bMatchAltNames;
    int m_nTab;
    CStatusBarCtrl m_status;
    CAnimateCtrl m_anim;
    CString m_strAppName;
    CStringArray m_saDatabanks;
    int m_nMatches;
    int m_nFullHeight;
    int m_nMinWidth;
    int m_nMinHeight;
    int m_nInsertPos;
    int m_bNothingAdded;
    // Written by the user-interface thread ("Stop", Escape), read by the worker once per record.
    std::atomic<int> m_bKeepSearching;
    // From "Find now" until the user-interface thread has heard that the worker is done.
    int m_bSearching;
    FindLayout m_layout;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void PostNcDestroy() override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    virtual afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

    afx_msg void OnDatabank();
    afx_msg void OnFindNow();
    afx_msg void OnNewSearch();
    afx_msg void OnAdd();
    afx_msg void OnSelchangeTab(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDblclkResults(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnColumnclickResults(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteitemResults(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnDestroy();
    afx_msg LRESULT OnAddRow(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnSearchDone(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    void InsertColumns();
    void FillClassCombo();
    void SelectGlobalUnit();
    void RecordLayout();
    void Collapse();
    void ShowPage();
    bool LowerControlsExist() const;

    // The search (quarnel_search.cpp).
    void StartSearch();
    void Expand();
    void CollectDatabanks();
    static UINT AFX_CDECL SearchThreadProc(LPVOID pParam);
    // On the worker: every databank in turn; false when the user stopped the search.
    bool SearchAll();
    // 1 when the databank was scanned to its end or could not be opened, 0 when stopped.
    int SearchDatabank(const CString& strDatabank);
    void SetStatusText(LPCTSTR lpszText);
    // On the user-interface thread: a row for a record unless its component is listed.
    void AddComponentToList(const DatabankRecord& record, const char* pszDatabank);
    void AddComponentRow(int nItem);
    void RefreshForms();
    void JoinSearchThread();
    void EndSearchBeforeDestroy();

    CCriteriaEdit m_editMwFrom{CriteriaKind::kNumber};
    CCriteriaEdit m_editMwTo{CriteriaKind::kNumber};
    CCriteriaEdit m_editBpFrom{CriteriaKind::kNumber};
    CCriteriaEdit m_editBpTo{CriteriaKind::kNumber};
    CCriteriaEdit m_editCasNo{CriteriaKind::kCasNumber};

    // The worker's own copy of the criteria, taken by "Find now".
    SearchCriteria m_search;
    CWinThread* m_pSearchThread = NULL;
    PFN_LOADFORM m_pfnLoadForm = NULL;
    PFN_REFRESHFORMS m_pfnRefreshForms = NULL;
};
