// CQuarnelDlg: initialisation, the two pages, the layout, and the commands other than the
// search (see quarnel_dlg.h; the search and the result list are in quarnel_search.cpp).
#include "compsearch/quarnel_dlg.h"

#include "compsearch/class_table.h"
#include "compsearch/find_engine.h"
#include "frame/help_topics.h"
#include "frame/host_items.h"

namespace
{

// The controls of the "Advanced" page, which the first page hides.
const int kAdvancedControls[] = {
    IDC_FIND_CRITERIA_GROUP, IDC_FIND_CLASS_LABEL,   IDC_FIND_CLASS,       IDC_FIND_MW_LABEL,
    IDC_FIND_MW_FROM_LABEL,  IDC_FIND_MW_FROM,       IDC_FIND_MW_TO_LABEL, IDC_FIND_MW_TO,
    IDC_FIND_BP_LABEL,       IDC_FIND_BP_FROM_LABEL, IDC_FIND_BP_FROM,     IDC_FIND_BP_TO_LABEL,
    IDC_FIND_BP_TO,          IDC_FIND_BP_UNIT,       IDC_FIND_CAS_LABEL,   IDC_FIND_CAS,
};

// The boiling point units, in the order of their combo box indexes (BoilingPointUnit).
const char* const kUnitLetters[] = {"F", "K", "C", "R"};

// The status bar: a child with a size grip.
const DWORD kStatusBarStyle = 0x50000100;
// The animation: a centred, transparent child of the static that holds it.
const DWORD kAnimationStyle = 0x50000003;

} // namespace

CQuarnelDlg::CQuarnelDlg(LPCTSTR lpszAppName, int nInsertPos, LPCTSTR lpszInitial, CWnd* pParent)
    : CDialog(IDD, pParent), m_strName(lpszInitial), m_bBeginsWith(0), m_bMatchAltNames(1),
      m_nTab(0), m_strAppName(lpszAppName), m_nMatches(0), m_nFullHeight(0), m_nMinWidth(0),
      m_nMinHeight(0), m_nInsertPos(nInsertPos), m_bNothingAdded(1), m_bKeepSearching(0),
      m_bSearching(0)
{
}

CQuarnelDlg::~CQuarnelDlg()
{
    m_bKeepSearching = 0;
    JoinSearchThread();
    UnloadFindEntryPoints();
}

void CQuarnelDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_FIND_TAB, m_tab);
    DDX_Control(pDX, IDC_FIND_RESULTS, m_list);
    DDX_CBString(pDX, IDC_FIND_BP_UNIT, m_strBpUnit);
    DDX_CBString(pDX, IDC_FIND_CLASS, m_strClass);
    DDX_Text(pDX, IDC_FIND_NAME, m_strName);
    DDX_Text(pDX, IDC_FIND_CAS, m_strCasNo);
    DDX_Text(pDX, IDC_FIND_BP_FROM, m_strBpFrom);
    DDX_Text(pDX, IDC_FIND_BP_TO, m_strBpTo);
    DDX_Text(pDX, IDC_FIND_MW_FROM, m_strMwFrom);
    DDX_Text(pDX, IDC_FIND_MW_TO, m_strMwTo);
    DDX_Check(pDX, IDC_FIND_BEGINS_WITH, m_bBeginsWith);
    DDX_Check(pDX, IDC_FIND_ALTNAMES, m_bMatchAltNames);
}

BEGIN_MESSAGE_MAP(CQuarnelDlg, CDialog)
ON_BN_CLICKED(IDC_FIND_CLOSE, &CQuarnelDlg::OnCancel)
ON_BN_CLICKED(IDC_FIND_DATABANK, &CQuarnelDlg::OnDatabank)
ON_BN_CLICKED(IDC_FIND_NOW, &CQuarnelDlg::OnFindNow)
ON_BN_CLICKED(IDC_FIND_NEW_SEARCH, &CQuarnelDlg::OnNewSearch)
ON_BN_CLICKED(IDC_FIND_ADD, &CQuarnelDlg::OnAdd)
ON_NOTIFY(TCN_SELCHANGE, IDC_FIND_TAB, &CQuarnelDlg::OnSelchangeTab)
ON_NOTIFY(NM_DBLCLK, IDC_FIND_RESULTS, &CQuarnelDlg::OnDblclkResults)
ON_NOTIFY(LVN_COLUMNCLICK, IDC_FIND_RESULTS, &CQuarnelDlg::OnColumnclickResults)
ON_NOTIFY(LVN_DELETEITEM, IDC_FIND_RESULTS, &CQuarnelDlg::OnDeleteitemResults)
ON_WM_SIZE()
ON_WM_GETMINMAXINFO()
ON_WM_HELPINFO()
ON_WM_DESTROY()
ON_MESSAGE(WM_FIND_ADDROW, &CQuarnelDlg::OnAddRow)
ON_MESSAGE(WM_FIND_SEARCHDONE, &CQuarnelDlg::OnSearchDone)
END_MESSAGE_MAP()

void CQuarnelDlg::PostNcDestroy()
{
    // The dialog lives on its caller's stack: nothing to free here.
}

BOOL CQuarnelDlg::OnInitDialog()
{
    CDialog::OnInitDialog();

    if (m_status.Create(kStatusBarStyle, CRect(0, 0, 0, 0), this, IDC_FIND_STATUS))
        m_status.SetSimple(TRUE);
    else
        MessageBox("Status Bar creation failed", "TIREL PLUS", MB_ICONINFORMATION);

    // A missing engine leaves NULL entry points, which every call checks.
    LoadFindEntryPoints();
    m_pfnLoadForm = reinterpret_cast<PFN_LOADFORM>(NamedHostItem("LoadForm"));
    m_pfnRefreshForms = reinterpret_cast<PFN_REFRESHFORMS>(NamedHostItem("RefreshForms"));

    m_tab.InsertItem(0, " Name or Formula ");
    m_tab.InsertItem(1, "     Advanced    ");

    CWnd* pFrame = GetDlgItem(IDC_FIND_ANIMATION);
    if (pFrame != NULL)
    {
        CRect rcFrame;
        pFrame->GetClientRect(&rcFrame);
        if (m_anim.Create(kAnimationStyle, rcFrame, pFrame, IDC_FIND_ANIMATION))
            m_anim.Open(quarnel::HostText(quarnel::kCommonInstallItem) + "\\search.avi");
    }

    InsertColumns();
    FillClassCombo();
    SelectGlobalUnit();
    RecordLayout();
    Collapse();

    m_editMwFrom.SubclassDlgItem(IDC_FIND_MW_FROM, this);
    m_editMwTo.SubclassDlgItem(IDC_FIND_MW_TO, this);
    m_editBpFrom.SubclassDlgItem(IDC_FIND_BP_FROM, this);
    m_editBpTo.SubclassDlgItem(IDC_FIND_BP_TO, this);
    m_editCasNo.SubclassDlgItem(IDC_FIND_CAS, this);

    ShowPage();
    if (!m_strName.IsEmpty())
        StartSearch();
    ShowWindow(SW_SHOW);
    return TRUE;
}

void CQuarnelDlg::InsertColumns()
{
    const int w = m_list.GetStringWidth("Component name") + 30;
    m_list.InsertColumn(kColumnName, "Component name", LVCFMT_LEFT, w);
    m_list.InsertColumn(kColumnFormula, "Formula", LVCFMT_LEFT, w - 20);
    m_list.InsertColumn(kColumnAltName, "Alternate name", LVCFMT_LEFT, w);
    m_list.InsertColumn(kColumnDatabank, "Databank", LVCFMT_LEFT, w - 40);
    m_list.InsertColumn(kColumnMolecularWeight, "MW", LVCFMT_LEFT, w - 60);
    m_list.InsertColumn(kColumnBoilingPoint, "BP <K>", LVCFMT_LEFT, w - 60);
    m_list.InsertColumn(kColumnCasNumber, "CAS no", LVCFMT_LEFT, w - 40);
    m_list.InsertColumn(kColumnClass, "Component class", LVCFMT_LEFT, w + 40);
}

void CQuarnelDlg::FillClassCombo()
{
    // The combo boxes are bound as strings, so they are filled through their messages.
    SendDlgItemMessage(IDC_FIND_CLASS, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("All"));
    for (int i = 0; g_aszComponentClasses[i][0] != '\0'; ++i)
        SendDlgItemMessage(IDC_FIND_CLASS, CB_ADDSTRING, 0,
                           reinterpret_cast<LPARAM>(g_aszComponentClasses[i]));
    const LRESULT nAll =
        SendDlgItemMessage(IDC_FIND_CLASS, CB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>("All"));
    SendDlgItemMessage(IDC_FIND_CLASS, CB_SETCURSEL, static_cast<WPARAM>(nAll));
}

void CQuarnelDlg::SelectGlobalUnit()
{
    for (const char* pszLetter : kUnitLetters)
        SendDlgItemMessage(IDC_FIND_BP_UNIT, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(pszLetter));
    int nUnitCode = 0;
    if (g_pfnSMgetglobalunit != NULL)
        g_pfnSMgetglobalunit(kTemperatureQuantity, &nUnitCode);
    SendDlgItemMessage(IDC_FIND_BP_UNIT, CB_SETCURSEL,
                       static_cast<WPARAM>(UnitIndexOfGlobalUnit(nUnitCode)));
}

void CQuarnelDlg::RecordLayout()
{
    CWnd* pGroup = GetDlgItem(IDC_FIND_RESULTS_GROUP);
    CWnd* pAdd = GetDlgItem(IDC_FIND_ADD);
    if (pGroup == NULL || pAdd == NULL)
        return;
    m_list.GetWindowRect(&m_layout.rcList);
    ScreenToClient(&m_layout.rcList);
    pGroup->GetWindowRect(&m_layout.rcGroup);
    ScreenToClient(&m_layout.rcGroup);
    pAdd->GetWindowRect(&m_layout.rcAdd);
    ScreenToClient(&m_layout.rcAdd);
    GetClientRect(&m_layout.rcClient);

    CRect rcWindow;
    GetWindowRect(&rcWindow);
    m_nFullHeight = rcWindow.Height();
    m_nMinWidth = rcWindow.Width();
}

void CQuarnelDlg::Collapse()
{
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    // Set first: the move asks for the minimum tracking size.
    m_nMinHeight = CollapsedHeight(m_nFullHeight);
    MoveWindow(rcWindow.left + CollapsedShift(rcWindow.Width()), rcWindow.top, rcWindow.Width(),
               m_nMinHeight);
}

bool CQuarnelDlg::LowerControlsExist() const
{
    return GetDlgItem(IDC_FIND_RESULTS_GROUP) != NULL && m_list.GetSafeHwnd() != NULL &&
           m_status.GetSafeHwnd() != NULL && !m_layout.rcClient.IsRectEmpty();
}

void CQuarnelDlg::ShowPage()
{
    m_nTab = m_tab.GetCurSel();
    const int nShow = m_nTab != 0 ? SW_SHOW : SW_HIDE;
    for (int nID : kAdvancedControls)
    {
        if (CWnd* pControl = GetDlgItem(nID))
            pControl->ShowWindow(nShow);
    }
    for (int nID : {IDC_FIND_BEGINS_WITH, IDC_FIND_ALTNAMES})
    {
        if (CWnd* pControl = GetDlgItem(nID))
            pControl->ShowWindow(SW_SHOW);
    }
}

void CQuarnelDlg::OnSelchangeTab(NMHDR*, LRESULT* pResult)
{
    ShowPage();
    *pResult = 0;
}

void CQuarnelDlg::OnNewSearch()
{
    // The page, the check boxes and the unit stay as the user left them: read them first so
    // that writing the members back does not undo a change made since the last search.
    UpdateData(TRUE);
    m_list.DeleteAllItems();
    m_nMatches = 0;
    SetStatusText("");
    m_strName.Empty();
    m_strCasNo.Empty();
    m_strBpFrom.Empty();
    m_strBpTo.Empty();
    m_strMwFrom.Empty();
    m_strMwTo.Empty();
    m_strClass = "All";
    UpdateData(FALSE);
}

void CQuarnelDlg::OnDatabank()
{
    if (m_pfnLoadForm == NULL)
        return;
    CRect rcPosition;
    GetWindowRect(&rcPosition);
    rcPosition.left += 28;
    rcPosition.top += 20;
    rcPosition.right = -1;
    rcPosition.bottom = -1;
    m_pfnLoadForm(this, "Data\\Pure Databanks", "VxPureDataBank.VxPureDataBank_Input", 0,
                  &rcPosition, "Pure Databanks", 0);
}

void CQuarnelDlg::OnCancel()
{
    if (m_bKeepSearching != 0 || m_bSearching != 0)
    {
        // The worker sees this at its next record; the dialog closes on a later press.
        m_bKeepSearching = 0;
        return;
    }
    EndDialog(m_bNothingAdded ? 0 : 1);
}

void CQuarnelDlg::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType != SIZE_RESTORED || !LowerControlsExist())
        return;
    CWnd* pGroup = GetDlgItem(IDC_FIND_RESULTS_GROUP);
    CWnd* pAdd = GetDlgItem(IDC_FIND_ADD);
    CRect rcGroupNow, rcListNow;
    pGroup->GetWindowRect(&rcGroupNow);
    ScreenToClient(&rcGroupNow);
    m_list.GetWindowRect(&rcListNow);
    ScreenToClient(&rcListNow);

    const LowerPlacement placement =
        PlaceLowerControls(m_layout, CSize(cx, cy), rcGroupNow, rcListNow);
    if (placement.bStatusBar)
        m_status.SendMessage(WM_SIZE, nType, MAKELPARAM(cx, cy));
    if (!placement.bMove)
        return;
    pGroup->MoveWindow(&placement.rcGroup);
    m_list.MoveWindow(&placement.rcList);
    if (pAdd != NULL)
        pAdd->MoveWindow(&placement.rcAdd);
}

void CQuarnelDlg::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    if (!LowerControlsExist())
        return;
    lpMMI->ptMinTrackSize.x = m_nMinWidth;
    lpMMI->ptMinTrackSize.y = m_nMinHeight;
}

BOOL CQuarnelDlg::OnHelpInfo(HELPINFO* pHelpInfo)
{
    namespace help = quarnel::help;
    const quarnel::HelpTopic& page = m_nTab != 0 ? help::kFindAdvancedPage : help::kFindNamePage;
    switch (pHelpInfo->iCtrlId)
    {
    case IDC_FIND_DATABANK:
        quarnel::ShowHelp(help::kFindDatabankButton);
        break;
    case IDC_FIND_RESULTS:
        quarnel::ShowHelp(help::kFindResultList);
        break;
    case IDC_FIND_BEGINS_WITH:
        quarnel::ShowHelp(help::kFindBeginningWith);
        break;
    case IDC_FIND_ALTNAMES:
        quarnel::ShowHelp(help::kFindAlternateNames);
        break;
    default:
        quarnel::ShowHelp(page);
        break;
    }
    return TRUE;
}
