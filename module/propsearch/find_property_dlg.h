// CFindPropertyDlg: "Search Physical Properties". The user types words and presses "Search",
// which lists the engine's properties that contain every word; picks result rows into the
// selection list with "Add" (or a double click); and with "OK" hands every selected property's
// alias to the engine, which adds it to the simulation's property set. Cancel and Escape hand
// nothing.
//
// The dialog can be made larger (never smaller than its template): the lists share the new
// height and take the new width, the buttons follow. Clicking a column title sorts that list;
// the descending flag is shared by both lists and kept, with each list's last sorted column,
// for the life of the process.
//
// Does not do:
// - refuse to open without the engine: a missing "rava.dll" or entry point leaves a dialog
//   whose searches find nothing, whose "Add" never meets the property set or the notice, and
//   whose "OK" hands nothing;
// - search when it opens, even with an initial text: the user presses "Search";
// - enable "Add" or "Remove" for a row selected with the keyboard alone: a click in the list, or
//   the list taking the focus while a row is selected, does it.
#pragma once

#include "propsearch/property_search.h"

#include <afxcmn.h>
#include <afxwin.h>

#include "res/resource.h"

class CFindPropertyDlg : public CDialog
{
public:
    explicit CFindPropertyDlg(LPCTSTR lpszInitial, CWnd* pParent = NULL);
    ~CFindPropertyDlg() override;

    enum
    {
        IDD = IDD_FIND_PROPERTY
    };

    CButton m_btnPureOnly;
    CButton m_btnCorrelations;
    CListCtrl m_listResults;
    CListCtrl m_listSelection;
    CString m_strSearch;
    int m_nResults;
    // The controls as the template laid them out, and the client area and window size then.
    quarnel::PropertySearchLayout m_layout;
    CRect m_rcClient;
    int m_nWindowHeight;
    int m_nWindowWidth;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // The minimum tracking size: the template's window size, once the lists exist.
    virtual void OnGetMinMaxInfo(MINMAXINFO* lpMMI);

    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSearch();
    afx_msg void OnAdd();
    afx_msg void OnRemove();
    afx_msg void OnButtonOk();
    afx_msg void OnHelpButton();
    afx_msg void OnResultsDblClk(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnResultsColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelectionColumnClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnDeleteRow(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnResultsFocusOrClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnResultsKillFocus(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelectionFocusOrClick(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSelectionKillFocus(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnExitSizeMove();
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    DECLARE_MESSAGE_MAP()

private:
    void AddSelectedResults();
    void FinishAdding();
    void FocusOk();
    // A list's column click: sorts by that column, or ignores the click.
    void SortList(CListCtrl& list, int& nLastColumn, const NMHDR* pNMHDR);
    // Enables button nID when the list has a selected row, or disables it when the focus went
    // elsewhere than to that button.
    void EnableForSelection(const CListCtrl& list, int nID);
    void DisableUnlessFocused(int nID);
    void RecordLayout();
    // A control's rectangle in client coordinates.
    CRect ControlRect(int nID);
};
