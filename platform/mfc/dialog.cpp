// CDialog: modal and modeless dialogs from templates, with MFC's modal loop and owner rules.
//
// A modal dialog's owner is its parent (walked up past child windows) or, without one, the main
// window's last active popup. The owner is disabled while the dialog runs; at the end it is
// enabled and activated again before the dialog is hidden and destroyed, so that activation
// goes straight back to it.
//
// Does NOT do:
// - Help: ID_HELP, WM_COMMANDHELP and WM_HELPHITTEST are not handled (OnHelpInfo is CWnd's).
// - OLE controls in templates, font substitution for DS_SHELLFONT templates.
// - CWinApp::EnableModeless around modal dialogs.
#include "wnd_state.h"

#include <cstddef>
#include <cstring>
#include <exception>

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
ON_MESSAGE(WM_SETFONT, &CDialog::HandleSetFont)
END_MESSAGE_MAP()

namespace
{

// The resource template of a dialog, or null.
LPCDLGTEMPLATE LoadTemplate(LPCTSTR name, HINSTANCE& instance, DWORD* size = nullptr)
{
    instance = AfxFindResourceHandle(name, RT_DIALOG);
    HRSRC resource = ::FindResourceA(instance, name, RT_DIALOG);
    if (resource == nullptr)
        return nullptr;
    if (size != nullptr)
        *size = ::SizeofResource(instance, resource);
    return static_cast<LPCDLGTEMPLATE>(::LockResource(::LoadResource(instance, resource)));
}

// The style of a DLGTEMPLATE or DLGTEMPLATEEX.
DWORD TemplateStyle(LPCDLGTEMPLATE dialogTemplate)
{
    WORD head[2];
    std::memcpy(head, dialogTemplate, sizeof head);
    DWORD style = 0;
    const auto* bytes = reinterpret_cast<const unsigned char*>(dialogTemplate);
    // DLGTEMPLATEEX: dlgVer 1, signature 0xFFFF, helpID, exStyle, then style.
    if (head[0] == 1 && head[1] == 0xFFFF)
        std::memcpy(&style, bytes + 12, sizeof style);
    else
        std::memcpy(&style, bytes, sizeof style);
    return style;
}

} // namespace

// ---- Construction ----

CDialog::CDialog()
    : m_lpszTemplateName(nullptr), m_hDialogTemplate(nullptr), m_lpDialogTemplate(nullptr),
      m_lpDialogInit(nullptr), m_pParentWnd(nullptr), m_hWndTop(nullptr), m_nIDHelp(0)
{
}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : CDialog()
{
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName))
        m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : CDialog()
{
    m_pParentWnd = pParentWnd;
    m_lpszTemplateName = MAKEINTRESOURCE(nIDTemplate);
    m_nIDHelp = nIDTemplate;
}

CDialog::~CDialog()
{
    if (m_hWnd != nullptr)
    {
        TRACE("CDialog::~CDialog: the dialog %p still exists\n", m_hWnd);
        DestroyWindow();
    }
}

// ---- Creation ----

INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM)
{
    if (message != WM_INITDIALOG)
        return FALSE;
    auto* dialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    if (dialog == nullptr)
        return TRUE;
    // The dialog procedure runs inside the window manager's own code: nothing may escape it.
    try
    {
        return dialog->OnInitDialog();
    }
    catch (CException* e)
    {
        char text[256] = "";
        e->GetErrorMessage(text, sizeof text);
        platform::mfc::ReportHandlerException("OnInitDialog", message, text);
        e->Delete();
    }
    catch (const std::exception& e)
    {
        platform::mfc::ReportHandlerException("OnInitDialog", message, e.what());
    }
    catch (...)
    {
        platform::mfc::ReportHandlerException("OnInitDialog", message, "unknown exception");
    }
    return FALSE;
}

BOOL CWnd::CreateDlg(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    HINSTANCE instance = nullptr;
    LPCDLGTEMPLATE dialogTemplate = LoadTemplate(lpszTemplateName, instance);
    if (dialogTemplate == nullptr)
        return FALSE;
    return CreateDlgIndirect(dialogTemplate, pParentWnd, instance);
}

BOOL CWnd::CreateDlgIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, HINSTANCE hInst)
{
    if (hInst == nullptr)
        hInst = AfxGetResourceHandle();
    m_nModalResult = -1;
    m_nFlags |= WF_CONTINUEMODAL;

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateDialogIndirectParamA(hInst, lpDialogTemplate,
                                             pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                                             AfxDlgProc, 0);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();

    // EndDialog in OnInitDialog: the dialog never shows; DoModal returns its result.
    if (hWnd != nullptr && !(m_nFlags & WF_CONTINUEMODAL))
    {
        ::DestroyWindow(hWnd);
        hWnd = nullptr;
    }
    return hWnd != nullptr ? TRUE : FALSE;
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
{
    m_lpszTemplateName = lpszTemplateName;
    if (IS_INTRESOURCE(lpszTemplateName) && m_nIDHelp == 0)
        m_nIDHelp = LOWORD(reinterpret_cast<UINT_PTR>(lpszTemplateName));
    HINSTANCE instance = nullptr;
    LPCDLGTEMPLATE dialogTemplate = LoadTemplate(lpszTemplateName, instance);
    if (dialogTemplate == nullptr)
        return FALSE;
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    return CreateDlgIndirect(dialogTemplate, pParentWnd, instance);
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd)
{
    return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::CreateIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd, void* lpDialogInit)
{
    if (pParentWnd == nullptr)
        pParentWnd = AfxGetMainWnd();
    m_lpDialogInit = lpDialogInit;
    return CreateDlgIndirect(lpDialogTemplate, pParentWnd, nullptr);
}

BOOL CDialog::CreateIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    auto dialogTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(hDialogTemplate));
    BOOL result = dialogTemplate != nullptr ? CreateIndirect(dialogTemplate, pParentWnd) : FALSE;
    ::GlobalUnlock(hDialogTemplate);
    return result;
}

BOOL CDialog::InitModalIndirect(LPCDLGTEMPLATE lpDialogTemplate, CWnd* pParentWnd,
                                void* lpDialogInit)
{
    m_lpDialogTemplate = lpDialogTemplate;
    m_lpszTemplateName = nullptr;
    m_hDialogTemplate = nullptr;
    m_pParentWnd = pParentWnd;
    m_lpDialogInit = lpDialogInit;
    return TRUE;
}

BOOL CDialog::InitModalIndirect(HGLOBAL hDialogTemplate, CWnd* pParentWnd)
{
    m_hDialogTemplate = hDialogTemplate;
    m_lpDialogTemplate = nullptr;
    m_lpszTemplateName = nullptr;
    m_pParentWnd = pParentWnd;
    return TRUE;
}

// ---- Modal dialogs ----

HWND CDialog::PreModal()
{
    return GetSafeOwner_(m_pParentWnd != nullptr ? m_pParentWnd->m_hWnd : nullptr, &m_hWndTop);
}

void CDialog::PostModal()
{
    AfxUnhookWindowCreate();
    Detach();
    if (m_hWndTop != nullptr && ::IsWindow(m_hWndTop))
        ::EnableWindow(m_hWndTop, TRUE);
    m_hWndTop = nullptr;
}

INT_PTR CDialog::DoModal()
{
    LPCDLGTEMPLATE dialogTemplate = m_lpDialogTemplate;
    HINSTANCE instance = AfxGetResourceHandle();
    bool lockedGlobal = false;
    if (m_lpszTemplateName != nullptr)
        dialogTemplate = LoadTemplate(m_lpszTemplateName, instance);
    else if (m_hDialogTemplate != nullptr)
    {
        dialogTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(m_hDialogTemplate));
        lockedGlobal = true;
    }
    if (dialogTemplate == nullptr)
        return -1;

    HWND owner = PreModal();
    bool enableOwner = false;
    if (owner != nullptr && owner != ::GetDesktopWindow() && ::IsWindowEnabled(owner))
    {
        ::EnableWindow(owner, FALSE);
        enableOwner = true;
    }

    try
    {
        if (CreateDlgIndirect(dialogTemplate, CWnd::FromHandle(owner), instance) &&
            (m_nFlags & WF_CONTINUEMODAL))
        {
            DWORD flags = MLF_SHOWONIDLE;
            if (GetStyle() & DS_NOIDLEMSG)
                flags |= MLF_NOIDLEMSG;
            RunModalLoop(flags);
        }
    }
    catch (CException* e)
    {
        e->Delete();
        m_nModalResult = -1;
    }
    catch (...)
    {
        m_nModalResult = -1;
    }

    // The owner comes back before the dialog goes, so it is the window that gets activated.
    if (enableOwner)
        ::EnableWindow(owner, TRUE);
    if (owner != nullptr && m_hWnd != nullptr && ::GetActiveWindow() == m_hWnd)
        ::SetActiveWindow(owner);
    if (m_hWnd != nullptr)
        SetWindowPos(nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    DestroyWindow();
    PostModal();
    if (lockedGlobal)
        ::GlobalUnlock(m_hDialogTemplate);
    return m_nModalResult;
}

void CDialog::EndDialog(int nResult)
{
    if (m_nFlags & (WF_MODALLOOP | WF_CONTINUEMODAL))
        EndModalLoop(nResult);
    ::EndDialog(m_hWnd, nResult);
}

// ---- Messages ----

void CDialog::PreInitDialog() {}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM)
{
    PreInitDialog();
    // DefDlgProc calls AfxDlgProc, which calls OnInitDialog.
    return Default();
}

LRESULT CDialog::HandleSetFont(WPARAM wParam, LPARAM)
{
    auto font = reinterpret_cast<HFONT>(wParam);
    OnSetFont(font != nullptr ? CFont::FromHandle(font) : nullptr);
    return Default();
}

void CDialog::OnSetFont(CFont*) {}

BOOL CDialog::OnInitDialog()
{
    BOOL filled = m_lpDialogInit != nullptr ? ExecuteDlgInit(m_lpDialogInit)
                                            : ExecuteDlgInit(m_lpszTemplateName);
    if (!filled)
    {
        TRACE("CDialog::OnInitDialog: the dialog's list and combo boxes could not be filled\n");
        EndDialog(-1);
        return FALSE;
    }
    if (!UpdateData(FALSE))
    {
        TRACE("CDialog::OnInitDialog: UpdateData failed\n");
        EndDialog(-1);
        return FALSE;
    }
    // MFC's own help button shows only when someone answers ID_HELP.
    if (CWnd* help = GetDlgItem(ID_HELP))
        help->ShowWindow(AfxHelpEnabled() ? SW_SHOW : SW_HIDE);
    return TRUE;
}

void CDialog::OnOK()
{
    if (!UpdateData(TRUE))
        return;
    EndDialog(IDOK);
}

void CDialog::OnCancel()
{
    EndDialog(IDCANCEL);
}

BOOL CDialog::PreTranslateMessage(MSG* pMsg)
{
    if (CWnd::PreTranslateMessage(pMsg))
        return TRUE;

    // Escape in a multi-line edit would otherwise be swallowed by the edit: it cancels the
    // dialog when the Cancel button is there and enabled, or absent.
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_ESCAPE || pMsg->wParam == VK_CANCEL) &&
        (::GetWindowLongA(pMsg->hwnd, GWL_STYLE) & ES_MULTILINE))
    {
        char className[16] = "";
        ::GetClassNameA(pMsg->hwnd, className, sizeof className);
        if (::lstrcmpiA(className, "Edit") == 0)
        {
            HWND cancel = ::GetDlgItem(m_hWnd, IDCANCEL);
            if (cancel == nullptr || ::IsWindowEnabled(cancel))
            {
                SendMessage(WM_COMMAND, IDCANCEL, 0);
                return TRUE;
            }
        }
    }

    // Keyboard and mouse input for the dialog or its controls: Tab, arrows, Enter, Escape.
    const bool key = pMsg->message >= WM_KEYFIRST && pMsg->message <= WM_KEYLAST;
    const bool mouse = pMsg->message >= WM_MOUSEFIRST && pMsg->message <= WM_MOUSELAST;
    if (!key && !mouse)
        return FALSE;
    return ::IsDialogMessageA(m_hWnd, pMsg);
}

BOOL CDialog::CheckAutoCenter()
{
    // DS_CENTER dialogs are centred by the window manager already.
    LPCDLGTEMPLATE dialogTemplate = m_lpDialogTemplate;
    bool lockedGlobal = false;
    if (m_lpszTemplateName != nullptr)
    {
        HINSTANCE instance = nullptr;
        dialogTemplate = LoadTemplate(m_lpszTemplateName, instance);
    }
    else if (m_hDialogTemplate != nullptr)
    {
        dialogTemplate = static_cast<LPCDLGTEMPLATE>(::GlobalLock(m_hDialogTemplate));
        lockedGlobal = true;
    }
    if (dialogTemplate == nullptr)
        return TRUE;
    DWORD style = TemplateStyle(dialogTemplate);
    if (lockedGlobal)
        ::GlobalUnlock(m_hDialogTemplate);
    return !(style & (DS_CENTER | DS_CENTERMOUSE | DS_ABSALIGN));
}

// ---- Dialog navigation ----

void CDialog::MapDialogRect(LPRECT lpRect) const
{
    ::MapDialogRect(m_hWnd, lpRect);
}

void CDialog::NextDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 0, 0);
}

void CDialog::PrevDlgCtrl() const
{
    ::SendMessageA(m_hWnd, WM_NEXTDLGCTL, 1, 0);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl)
{
    if (pWndCtrl != nullptr)
        SendMessage(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(pWndCtrl->m_hWnd), 1);
}

void CDialog::SetDefID(UINT nID)
{
    SendMessage(DM_SETDEFID, nID);
}

DWORD CDialog::GetDefID() const
{
    return static_cast<DWORD>(::SendMessageA(m_hWnd, DM_GETDEFID, 0, 0));
}
