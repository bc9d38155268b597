// CQuarnelDlg: the search, the result list, sorting and adding components (see quarnel_dlg.h).
//
// "Find now" takes a copy of the criteria and the list of databanks, puts the dialog into its
// searching state and starts one worker thread. The worker scans the databanks record by
// record, reads the stop flag once per record, and sends each matching record to the dialog,
// which lists it on the user-interface thread; its last act is to post the end of the search,
// on which the dialog joins it and returns to its idle state. So the dialog's members and
// controls are only ever changed on the user-interface thread, and the dialog cannot close
// before its worker has finished.
//
// Does not do:
// - list a record twice under one component name: the first databank that has the name wins,
//   and later records of that name, also from the same databank, are left out.
#include "compsearch/quarnel_dlg.h"

#include "compsearch/find_engine.h"

namespace
{

// The sort state of the result list, shared by every Find of the process: the column sorted
// last, and whether it is now sorted in descending order.
int g_nSortColumn = 0;
int g_bSortDescending = 0;

int CALLBACK CompareRowsProc(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort)
{
    const int order =
        CompareComponentRows(*reinterpret_cast<const ComponentRow*>(lParam1),
                             *reinterpret_cast<const ComponentRow*>(lParam2), LOWORD(lParamSort));
    return HIWORD(lParamSort) != 0 ? -order : order;
}

} // namespace

void CQuarnelDlg::OnFindNow()
{
    // The button is disabled while a search runs; a click that was queued before that is late.
    if (m_bSearching != 0)
        return;
    StartSearch();
}

void CQuarnelDlg::StartSearch()
{
    UpdateData(TRUE);
    SetStatusText("");
    Expand();
    m_list.DeleteAllItems();
    m_nMatches = 0;

    const int nUnit = static_cast<int>(SendDlgItemMessage(IDC_FIND_BP_UNIT, CB_GETCURSEL));
    CString strTitle = BoilingPointTitle(nUnit);
    LVCOLUMN column = {};
    column.mask = LVCF_TEXT;
    column.pszText = strTitle.GetBuffer();
    m_list.SetColumn(kColumnBoilingPoint, &column);
    strTitle.ReleaseBuffer();

    CollectDatabanks();

    // The worker's own copy: "New search" and typing change the members, never this.
    m_search = SearchCriteria();
    m_search.strText = m_strName;
    m_search.strText.MakeUpper();
    m_search.nMode = m_bBeginsWith ? 1 : 0;
    m_search.bMatchAltNames = m_bMatchAltNames;
    m_search.bAdvanced = m_nTab == 1;
    m_search.strMwFrom = m_strMwFrom;
    m_search.strMwTo = m_strMwTo;
    m_search.strBpFrom = m_strBpFrom;
    m_search.strBpTo = m_strBpTo;
    for (CString* pBound :
         {&m_search.strMwFrom, &m_search.strMwTo, &m_search.strBpFrom, &m_search.strBpTo})
        pBound->Trim();
    m_search.nUnit = nUnit;
    m_search.strClass = m_strClass;
    m_search.strCasNo = m_strCasNo;
    m_search.strCasNo.Trim();

    // The searching state is entered here, before the worker exists, so that no click can
    // slip in between: neither a second "Find now" nor a "Close" that would end the dialog
    // under a starting worker.
    m_anim.Play(0, 0xFFFF, static_cast<UINT>(-1));
    SetDlgItemText(IDC_FIND_CLOSE, "Stop");
    m_bKeepSearching = 1;
    m_bSearching = 1;
    GotoDlgCtrl(GetDlgItem(IDC_FIND_CLOSE));
    if (CWnd* pFindNow = GetDlgItem(IDC_FIND_NOW))
        pFindNow->EnableWindow(FALSE);

    m_pSearchThread =
        AfxBeginThread(SearchThreadProc, this, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
    if (m_pSearchThread == NULL)
    {
        PostMessage(WM_FIND_SEARCHDONE, 1, 0);
        return;
    }
    // Kept, so that the dialog can wait for the thread to be gone before it goes itself.
    m_pSearchThread->m_bAutoDelete = FALSE;
    m_pSearchThread->ResumeThread();
}

void CQuarnelDlg::Expand()
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    // Raised first, so that the window's own minimum does not hold the growth back.
    m_nMinHeight = m_nFullHeight;
    if (rcWindow.Height() < m_nFullHeight)
        MoveWindow(rcWindow.left, rcWindow.top, rcWindow.Width(), m_nFullHeight);
    if (m_status.GetSafeHwnd() != NULL)
    {
        CRect rcClient;
        GetClientRect(&rcClient);
        m_status.SendMessage(WM_SIZE, SIZE_RESTORED,
                             MAKELPARAM(rcClient.Width(), rcClient.Height()));
    }
}

void CQuarnelDlg::CollectDatabanks()
{
    m_saDatabanks.RemoveAll();
    if (g_pfnSMgetdbanks == NULL)
        return;
    char szName[16] = "";
    if (g_pfnSMgetdbanks(szName, 1) != 1)
        return;
    while (g_pfnSMgetdbanks(szName, 0) == 1)
        m_saDatabanks.Add(CString(szName, sizeof szName));
}

UINT AFX_CDECL CQuarnelDlg::SearchThreadProc(LPVOID pParam)
{
    CQuarnelDlg* pDlg = static_cast<CQuarnelDlg*>(pParam);
    const bool bStopped = !pDlg->SearchAll();
    // The last touch of the dialog: after this the user-interface thread may end it.
    ::PostMessageA(pDlg->m_hWnd, WM_FIND_SEARCHDONE, bStopped ? 1 : 0, 0);
    return 0;
}

bool CQuarnelDlg::SearchAll()
{
    // No databank to search counts as a stopped search.
    if (m_saDatabanks.IsEmpty())
        return false;
    for (int i = 0; i < m_saDatabanks.GetSize(); ++i)
    {
        CString strStatus;
        strStatus.Format("Searching %s databank ...", static_cast<LPCTSTR>(m_saDatabanks[i]));
        SetStatusText(strStatus);
        if (SearchDatabank(m_saDatabanks[i]) == 0)
            return false;
    }
    return true;
}

int CQuarnelDlg::SearchDatabank(const CString& strDatabank)
{
    if (g_pfnSMfetchdbk == NULL)
        return 1;
    DatabankRecord record = {};
    if (g_pfnSMfetchdbk(strDatabank, NULL, 1) != 1 || g_pfnSMfetchdbk(NULL, record.bytes, 0) != 1)
        return 1;
    const char* pszText = m_search.strText;
    const std::string_view text(pszText, static_cast<size_t>(m_search.strText.GetLength()));
    do
    {
        if (m_bKeepSearching.load() == 0)
            return 0;
        const char* pszAltName = NULL;
        int nDone = 0;
        if (!MatchesNameOrFormula(record.Name(), record.Formula(), text, m_search.nMode))
        {
            if (!m_search.bMatchAltNames || g_pfnSMfindsynonym == NULL ||
                g_pfnSMfindsynonym(record.bytes, pszText, m_search.nMode, &pszAltName, &nDone) == 0)
                continue;
        }
        if (nDone == 0 && g_pfnSMfindsynonym != NULL)
            g_pfnSMfindsynonym(record.bytes, pszText, m_search.nMode, &pszAltName, &nDone);
        if (pszAltName != NULL)
            record.SetAltName(pszAltName);
        if (!PassesAdvancedCriteria(m_search, record))
            continue;
        FindRowRequest request = {&record, strDatabank};
        ::SendMessageA(m_hWnd, WM_FIND_ADDROW, 0, reinterpret_cast<LPARAM>(&request));
    } while (g_pfnSMfetchdbk(NULL, record.bytes, 0) == 1);
    return 1;
}

void CQuarnelDlg::SetStatusText(LPCTSTR lpszText)
{
    if (m_status.GetSafeHwnd() == NULL)
        return;
    m_status.SetText(lpszText, SB_SIMPLEID, 0);
    m_status.RedrawWindow();
}

LRESULT CQuarnelDlg::OnAddRow(WPARAM, LPARAM lParam)
{
    const FindRowRequest* pRequest = reinterpret_cast<const FindRowRequest*>(lParam);
    AddComponentToList(*pRequest->pRecord, pRequest->pszDatabank);
    return 0;
}

void CQuarnelDlg::AddComponentToList(const DatabankRecord& record, const char* pszDatabank)
{
    const std::string_view name = record.Name();
    const CString strName(name.data(), static_cast<int>(name.size()));
    LVFINDINFO find = {};
    find.flags = LVFI_STRING;
    find.psz = strName;
    if (m_list.FindItem(&find, -1) != -1)
        return;

    ComponentRow* pRow = new ComponentRow(record, pszDatabank);
    const int nItem = m_list.InsertItem(LVIF_TEXT | LVIF_PARAM, m_nMatches, pRow->strName, 0, 0, 0,
                                        reinterpret_cast<LPARAM>(pRow));
    if (nItem == -1)
    {
        delete pRow;
        return;
    }
    CString strWeight;
    strWeight.Format("%g", pRow->dMolecularWeight);
    m_list.SetItemText(nItem, kColumnFormula, pRow->strFormula);
    m_list.SetItemText(nItem, kColumnAltName, pRow->strAltName);
    m_list.SetItemText(nItem, kColumnDatabank, pRow->strDatabank);
    m_list.SetItemText(nItem, kColumnMolecularWeight, strWeight);
    m_list.SetItemText(nItem, kColumnBoilingPoint,
                       BoilingPointText(pRow->dBoilingPoint, m_search.nUnit));
    m_list.SetItemText(nItem, kColumnCasNumber, pRow->strCasNumber);
    m_list.SetItemText(nItem, kColumnClass, pRow->strClass);
    ++m_nMatches;
}

LRESULT CQuarnelDlg::OnSearchDone(WPARAM wParam, LPARAM)
{
    JoinSearchThread();
    SetDlgItemText(IDC_FIND_CLOSE, "Close");
    SetStatusText(SearchEndText(m_nMatches, wParam != 0));
    m_anim.Stop();
    if (CWnd* pFindNow = GetDlgItem(IDC_FIND_NOW))
    {
        pFindNow->EnableWindow(TRUE);
        GotoDlgCtrl(pFindNow);
    }
    m_bKeepSearching = 0;
    m_bSearching = 0;
    return 0;
}

void CQuarnelDlg::OnDestroy()
{
    EndSearchBeforeDestroy();
    CDialog::OnDestroy();
}

// The user cannot close the dialog while a search runs, but its modal loop also ends when the
// host quits. The worker may then be waiting in SendMessage for this thread, which would wait
// for it in turn: so the search is stopped, and what the worker still sends is served until it
// has posted its end, while the window and its controls still exist.
void CQuarnelDlg::EndSearchBeforeDestroy()
{
    if (m_pSearchThread == NULL)
        return;
    m_bKeepSearching = 0;
    MSG msg;
    while (!::PeekMessageA(&msg, m_hWnd, WM_FIND_SEARCHDONE, WM_FIND_SEARCHDONE, PM_REMOVE))
        ::WaitMessage();
    JoinSearchThread();
    m_bSearching = 0;
}

void CQuarnelDlg::JoinSearchThread()
{
    // The thread object is not auto-deleting: deleting it waits until the thread has ended.
    delete m_pSearchThread;
    m_pSearchThread = NULL;
}

void CQuarnelDlg::OnAdd()
{
    bool bAnySelected = false;
    const int nCount = m_list.GetItemCount();
    for (int i = 0; i < nCount; ++i)
    {
        if ((m_list.GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED) == 0)
            continue;
        AddComponentRow(i);
        bAnySelected = true;
    }
    if (bAnySelected)
        RefreshForms();
}

void CQuarnelDlg::OnDblclkResults(NMHDR*, LRESULT* pResult)
{
    const int nItem = m_list.GetNextItem(-1, LVNI_SELECTED);
    if (nItem != -1)
    {
        AddComponentRow(nItem);
        RefreshForms();
    }
    *pResult = 0;
}

void CQuarnelDlg::AddComponentRow(int nItem)
{
    if (nItem == -1)
        return;
    const CString strName = m_list.GetItemText(nItem, kColumnName);
    const CString strDatabank = m_list.GetItemText(nItem, kColumnDatabank);
    // The caller's position belongs to the first component this dialog adds; the rest go to
    // the end.
    const int nPosition = m_bNothingAdded && m_nInsertPos != 0 ? m_nInsertPos : -1;
    if (g_pfnSMinsertcomp != NULL)
        g_pfnSMinsertcomp(strDatabank, strName, nPosition);
    m_bNothingAdded = 0;
}

void CQuarnelDlg::RefreshForms()
{
    if (m_pfnRefreshForms != NULL)
        m_pfnRefreshForms(101, 0);
}

void CQuarnelDlg::OnColumnclickResults(NMHDR* pNMHDR, LRESULT* pResult)
{
    *pResult = 0;
    const int nColumn = reinterpret_cast<NMLISTVIEW*>(pNMHDR)->iSubItem;
    if (nColumn < 0 || nColumn >= kColumnCount)
        return;
    if (nColumn == g_nSortColumn)
    {
        g_bSortDescending = !g_bSortDescending;
    }
    else
    {
        g_nSortColumn = nColumn;
        g_bSortDescending = 0;
    }
    m_list.SortItems(CompareRowsProc, MAKELONG(nColumn, g_bSortDescending));
}

void CQuarnelDlg::OnDeleteitemResults(NMHDR* pNMHDR, LRESULT* pResult)
{
    delete reinterpret_cast<ComponentRow*>(reinterpret_cast<NMLISTVIEW*>(pNMHDR)->lParam);
    *pResult = 0;
}
