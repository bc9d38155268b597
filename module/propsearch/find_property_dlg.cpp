// CFindPropertyDlg (see find_property_dlg.h).
#include "propsearch/find_property_dlg.h"

#include "frame/help_topics.h"
#include "propsearch/multiple_prop_dlg.h"
#include "propsearch/property_engine.h"

namespace
{

// The sort state of both lists, kept for the life of the process: each list's last sorted
// column, and the descending flag that they share.
int g_nResultsSortColumn = 0;
int g_nSelectionSortColumn = 0;
BOOL g_bSortDescending = FALSE;

const char kCaption[] = "Tirel Plus";

void InsertPropertyRow(CListCtrl& list, int nIndex, const CString& strName, const CString& strAlias)
{
    auto* pRow = new PropertyRow{strName, strAlias};
    const int nItem = list.InsertItem(LVIF_TEXT | LVIF_PARAM, nIndex, strName, 0, 0, 0,
                                      reinterpret_cast<LPARAM>(pRow));
    if (nItem < 0)
    {
        delete pRow;
        return;
    }
    list.SetItemText(nItem, 1, strAlias);
}

// Whether a row of the list has this name, compared without regard to case.
BOOL ListHasName(const CListCtrl& list, const CString& strName)
{
    LVFINDINFO find = {};
    find.flags = LVFI_STRING;
    find.psz = strName;
    return list.FindItem(&find) >= 0;
}

const PropertyRow& RowOf(const CListCtrl& list, int nItem)
{
    return *reinterpret_cast<const PropertyRow*>(list.GetItemData(nItem));
}

int CALLBACK CompareListRows(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    return quarnel::CompareRows(*reinterpret_cast<const PropertyRow*>(lParam1),
                                *reinterpret_cast<const PropertyRow*>(lParam2), LOWORD(lParamSort),
                                HIWORD(lParamSort));
}

// The help topic of the control that F1 names; the dialog's own topic for any other.
const quarnel::HelpTopic& HelpTopicOf(int nCtrlId)
{
    switch (nCtrlId)
    {
    case IDC_PROP_SEARCH_TEXT:
        return quarnel::help::kPropertySearchText;
    case IDC_PROP_SEARCH:
        return quarnel::help::kPropertySearchButton;
    case IDC_PROP_RESULTS:
        return quarnel::help::kPropertyResults;
    case IDC_PROP_ADD:
        return quarnel::help::kPropertyAdd;
    case IDC_PROP_SELECTION:
        return quarnel::help::kPropertySelection;
    case IDC_PROP_REMOVE:
        return quarnel::help::kPropertyRemove;
    default:
        return quarnel::help::kPropertySearch;
    }
}

} // namespace

BEGIN_MESSAGE_MAP(CFindPropertyDlg, CDialog)
ON_WM_SIZE()
ON_BN_CLICKED(IDC_PROP_SEARCH, &CFindPropertyDlg::OnSearch)
ON_BN_CLICKED(IDC_PROP_ADD, &CFindPropertyDlg::OnAdd)
ON_BN_CLICKED(IDC_PROP_REMOVE, &CFindPropertyDlg::OnRemove)
ON_BN_CLICKED(IDC_PROP_OK, &CFindPropertyDlg::OnButtonOk)
ON_BN_CLICKED(IDC_PROP_HELP, &CFindPropertyDlg::OnHelpButton)
ON_NOTIFY(NM_DBLCLK, IDC_PROP_RESULTS, &CFindPropertyDlg::OnResultsDblClk)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_PROP_RESULTS, &CFindPropertyDlg::OnResultsColumnClick)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_PROP_SELECTION, &CFindPropertyDlg::OnSelectionColumnClick)
ON_NOTIFY(LVN_DELETEITEM, IDC_PROP_RESULTS, &CFindPropertyDlg::OnDeleteRow)
ON_NOTIFY(LVN_DELETEITEM, IDC_PROP_SELECTION, &CFindPropertyDlg::OnDeleteRow)
ON_NOTIFY(NM_SETFOCUS, IDC_PROP_RESULTS, &CFindPropertyDlg::OnResultsFocusOrClick)
ON_NOTIFY(NM_CLICK, IDC_PROP_RESULTS, &CFindPropertyDlg::OnResultsFocusOrClick)
ON_NOTIFY(NM_KILLFOCUS, IDC_PROP_RESULTS, &CFindPropertyDlg::OnResultsKillFocus)
ON_NOTIFY(NM_SETFOCUS, IDC_PROP_SELECTION, &CFindPropertyDlg::OnSelectionFocusOrClick)
ON_NOTIFY(NM_CLICK, IDC_PROP_SELECTION, &CFindPropertyDlg::OnSelectionFocusOrClick)
ON_NOTIFY(NM_KILLFOCUS, IDC_PROP_SELECTION, &CFindPropertyDlg::OnSelectionKillFocus)
ON_WM_EXITSIZEMOVE()
ON_WM_HELPINFO()
ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

CFindPropertyDlg::CFindPropertyDlg(LPCTSTR lpszInitial, CWnd* pParent)
    : CDialog(IDD, pParent), m_strSearch(lpszInitial != NULL ? lpszInitial : ""), m_nResults(0),
      m_nWindowHeight(0), m_nWindowWidth(0)
{
    LoadPropertyEntryPoints();
}

CFindPropertyDlg::~CFindPropertyDlg()
{
    UnloadPropertyEntryPoints();
}

void CFindPropertyDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PROP_PURE_ONLY, m_btnPureOnly);
    DDX_Control(pDX, IDC_PROP_CORRELATIONS, m_btnCorrelations);
    DDX_Control(pDX, IDC_PROP_RESULTS, m_listResults);
    DDX_Control(pDX, IDC_PROP_SELECTION, m_listSelection);
    DDX_Text(pDX, IDC_PROP_SEARCH_TEXT, m_strSearch);
}

BOOL CFindPropertyDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    for (CListCtrl* pList : {&m_listResults, &m_listSelection})
    {
        pList->InsertColumn(0, "Physical property name", LVCFMT_LEFT, 205);
        pList->InsertColumn(1, "Alias", LVCFMT_LEFT, 105);
    }
    RecordLayout();
    GetDlgItem(IDC_PROP_OK)->EnableWindow(FALSE);
    GetDlgItem(IDC_PROP_REMOVE)->EnableWindow(FALSE);
    GetDlgItem(IDC_PROP_ADD)->EnableWindow(FALSE);
    ShowWindow(SW_SHOW);
    return TRUE;
}

CRect CFindPropertyDlg::ControlRect(int nID)
{
    CRect rect;
    GetDlgItem(nID)->GetWindowRect(&rect);
    ScreenToClient(&rect);
    return rect;
}

void CFindPropertyDlg::RecordLayout()
{
    m_layout.rcOk = ControlRect(IDC_PROP_OK);
    m_layout.rcCancel = ControlRect(IDCANCEL);
    m_layout.rcHelp = ControlRect(IDC_PROP_HELP);
    m_layout.rcAdd = ControlRect(IDC_PROP_ADD);
    m_layout.rcRemove = ControlRect(IDC_PROP_REMOVE);
    m_layout.rcSelectionLabel = ControlRect(IDC_PROP_STEP3);
    m_layout.rcResults = ControlRect(IDC_PROP_RESULTS);
    m_layout.rcSelection = ControlRect(IDC_PROP_SELECTION);
    GetClientRect(&m_rcClient);
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    m_nWindowHeight = rcWindow.Height();
    m_nWindowWidth = rcWindow.Width();
}

void CFindPropertyDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType != SIZE_RESTORED || m_listResults.GetSafeHwnd() == NULL ||
        m_listSelection.GetSafeHwnd() == NULL)
        return;
    CSize growth;
    if (!quarnel::GrowthOf(m_rcClient.Size(), CSize(cx, cy), growth))
        return;
    quarnel::PropertySearchLayout current;
    current.rcResults = ControlRect(IDC_PROP_RESULTS);
    current.rcSelectionLabel = ControlRect(IDC_PROP_STEP3);
    current.rcSelection = ControlRect(IDC_PROP_SELECTION);
    const quarnel::PropertySearchLayout placed = quarnel::GrowLayout(m_layout, current, growth);
    GetDlgItem(IDC_PROP_OK)->MoveWindow(&placed.rcOk);
    GetDlgItem(IDCANCEL)->MoveWindow(&placed.rcCancel);
    GetDlgItem(IDC_PROP_HELP)->MoveWindow(&placed.rcHelp);
    m_listResults.MoveWindow(&placed.rcResults);
    GetDlgItem(IDC_PROP_ADD)->MoveWindow(&placed.rcAdd);
    GetDlgItem(IDC_PROP_STEP3)->MoveWindow(&placed.rcSelectionLabel);
    m_listSelection.MoveWindow(&placed.rcSelection);
    GetDlgItem(IDC_PROP_REMOVE)->MoveWindow(&placed.rcRemove);
}

void CFindPropertyDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CDialog::OnGetMinMaxInfo(lpMMI);
    if (m_listResults.GetSafeHwnd() == NULL || m_listSelection.GetSafeHwnd() == NULL)
        return;
    lpMMI->ptMinTrackSize.x = m_nWindowWidth;
    lpMMI->ptMinTrackSize.y = m_nWindowHeight;
}

void CFindPropertyDlg::OnExitSizeMove()
{
    // Controls moved while the border was dragged may leave traces of where they were.
    Invalidate(TRUE);
}

void CFindPropertyDlg::OnSearch()
{
    if (!UpdateData(TRUE))
        return;
    CString strText = m_strSearch;
    strText.MakeUpper();
    m_listResults.DeleteAllItems();
    m_nResults = 0;
    const int nPureOnly = m_btnPureOnly.GetCheck() == BST_CHECKED ? 1 : 0;
    const int nCorrelations = m_btnCorrelations.GetCheck() == BST_CHECKED ? 1 : 0;

    const std::vector<CString> words = quarnel::SearchWords(strText);
    char szName[kPropertyTextSize] = "";
    char szAlias[kPropertyTextSize] = "";
    if (!FetchProperty(szName, szAlias, 1, nPureOnly, nCorrelations))
        return;
    while (FetchProperty(szName, szAlias, 0, nPureOnly, nCorrelations))
    {
        const CString strName(szName);
        CString strUpperName = strName;
        strUpperName.MakeUpper();
        if (!quarnel::MatchesSearch(words, strUpperName, szAlias) ||
            ListHasName(m_listResults, strName))
            continue;
        InsertPropertyRow(m_listResults, m_nResults, strName, szAlias);
        ++m_nResults;
    }
}

void CFindPropertyDlg::OnAdd()
{
    AddSelectedResults();
}

void CFindPropertyDlg::OnResultsDblClk(NMHDR*, LRESULT* pResult)
{
    AddSelectedResults();
    *pResult = 0;
}

void CFindPropertyDlg::AddSelectedResults()
{
    int nHandled = 0;
    BOOL bNoticeDue = TRUE;
    POSITION pos = m_listResults.GetFirstSelectedItemPosition();
    while (pos != NULL)
    {
        const int nItem = m_listResults.GetNextSelectedItem(pos);
        // The notice comes before the second property of the selection, whether that is the
        // second row of this operation or the first one added to earlier rows.
        if (CheckMultiple(-1) == 1 && bNoticeDue &&
            (nHandled > 0 || m_listSelection.GetItemCount() > 0))
        {
            CMultiplePropDlg notice(this);
            notice.DoModal();
            bNoticeDue = FALSE;
        }
        ++nHandled;
        const PropertyRow row = RowOf(m_listResults, nItem);
        CString strMessage;
        if (ListHasName(m_listSelection, row.strName))
        {
            strMessage.Format("Property \"%s\" has already been selected.",
                              static_cast<LPCTSTR>(row.strName));
            MessageBox(strMessage, kCaption, MB_ICONINFORMATION);
            continue;
        }
        if (PropertySetHolds(row.strAlias))
        {
            // The rest of the selection is not looked at: the user first decides about the
            // property set.
            strMessage.Format("Property \"%s\" has already been specified in the PROP-SET",
                              static_cast<LPCTSTR>(row.strAlias));
            MessageBox(strMessage, kCaption, MB_ICONINFORMATION);
            break;
        }
        InsertPropertyRow(m_listSelection, m_listSelection.GetItemCount(), row.strName,
                          row.strAlias);
    }
    FinishAdding();
}

// Also after an operation that a property-set duplicate ended: rows added before it are in the
// selection, and "OK" must be there to hand them over.
void CFindPropertyDlg::FinishAdding()
{
    if (m_listSelection.GetItemCount() > 0)
        GetDlgItem(IDC_PROP_OK)->EnableWindow(TRUE);
    GetDlgItem(IDC_PROP_ADD)->EnableWindow(FALSE);
    FocusOk();
}

void CFindPropertyDlg::OnRemove()
{
    if (m_listSelection.GetSelectedCount() == 0)
        return;
    for (int nItem = m_listSelection.GetItemCount() - 1; nItem >= 0; --nItem)
    {
        if (m_listSelection.GetItemState(nItem, LVIS_SELECTED) & LVIS_SELECTED)
            m_listSelection.DeleteItem(nItem);
    }
    if (m_listSelection.GetItemCount() == 0)
        GetDlgItem(IDC_PROP_OK)->EnableWindow(FALSE);
    GetDlgItem(IDC_PROP_REMOVE)->EnableWindow(FALSE);
    FocusOk();
}

// A disabled "OK" cannot take the focus, and a dialog without one would not even hear Escape:
// then the search text takes it, where the user starts again.
void CFindPropertyDlg::FocusOk()
{
    CWnd* pOk = GetDlgItem(IDC_PROP_OK);
    if (pOk->IsWindowEnabled())
        pOk->SetFocus();
    else
        GetDlgItem(IDC_PROP_SEARCH_TEXT)->SetFocus();
}

void CFindPropertyDlg::OnButtonOk()
{
    for (int nItem = 0; nItem < m_listSelection.GetItemCount(); ++nItem)
        InsertProperty(RowOf(m_listSelection, nItem).strAlias);
    EndDialog(IDOK);
}

void CFindPropertyDlg::OnHelpButton()
{
    quarnel::ShowHelp(quarnel::help::kPropertySearch);
}

BOOL CFindPropertyDlg::OnHelpInfo(HELPINFO* pHelpInfo)
{
    quarnel::ShowHelp(HelpTopicOf(pHelpInfo->iCtrlId));
    return TRUE;
}

void CFindPropertyDlg::OnResultsColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    SortList(m_listResults, g_nResultsSortColumn, pNMHDR);
    *pResult = 0;
}

void CFindPropertyDlg::OnSelectionColumnClick(NMHDR* pNMHDR, LRESULT* pResult)
{
    SortList(m_listSelection, g_nSelectionSortColumn, pNMHDR);
    *pResult = 0;
}

void CFindPropertyDlg::SortList(CListCtrl& list, int& nLastColumn, const NMHDR* pNMHDR)
{
    const int nColumn = reinterpret_cast<const NMLISTVIEW*>(pNMHDR)->iSubItem;
    if (!quarnel::NextSortOrder(nColumn, nLastColumn, g_bSortDescending))
        return;
    list.SortItems(&CompareListRows, MAKELPARAM(nColumn, g_bSortDescending));
}

void CFindPropertyDlg::OnDeleteRow(NMHDR* pNMHDR, LRESULT* pResult)
{
    delete reinterpret_cast<PropertyRow*>(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->lParam);
    *pResult = 0;
}

void CFindPropertyDlg::OnResultsFocusOrClick(NMHDR*, LRESULT* pResult)
{
    EnableForSelection(m_listResults, IDC_PROP_ADD);
    *pResult = 0;
}

void CFindPropertyDlg::OnResultsKillFocus(NMHDR*, LRESULT* pResult)
{
    DisableUnlessFocused(IDC_PROP_ADD);
    *pResult = 0;
}

void CFindPropertyDlg::OnSelectionFocusOrClick(NMHDR*, LRESULT* pResult)
{
    EnableForSelection(m_listSelection, IDC_PROP_REMOVE);
    *pResult = 0;
}

void CFindPropertyDlg::OnSelectionKillFocus(NMHDR*, LRESULT* pResult)
{
    DisableUnlessFocused(IDC_PROP_REMOVE);
    *pResult = 0;
}

void CFindPropertyDlg::EnableForSelection(const CListCtrl& list, int nID)
{
    if (list.GetSelectedCount() > 0)
        GetDlgItem(nID)->EnableWindow(TRUE);
}

// The focus has already moved when the list hears that it lost it, so a press on the button
// that the list enabled keeps the button enabled until its click arrives.
void CFindPropertyDlg::DisableUnlessFocused(int nID)
{
    CWnd* pButton = GetDlgItem(nID);
    if (::GetFocus() != pButton->GetSafeHwnd())
        pButton->EnableWindow(FALSE);
}
