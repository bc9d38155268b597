// AfxMessageBox: MFC's message box with the application's caption, owned by the main window's
// last active popup.
//
// Does NOT do:
// - Help for the box (MB_HELP): the prompt context is recorded in m_dwPromptContext only.
// - CWinApp::DoEnableModeless: there are no modeless frames to disable.
#include <afxwin.h>

#include <string>

namespace
{

// The window a message box or modal dialog belongs to.
HWND MainWindowOf(CWinThread* thread)
{
    CWnd* wnd = thread != nullptr ? thread->GetMainWnd() : nullptr;
    return wnd != nullptr ? wnd->m_hWnd : nullptr;
}

// Disables the owner's top-level window for the time of the box, as MFC's GetSafeOwner does,
// and returns the owner: the last active popup of the main window.
HWND SafeOwner(HWND* topToEnable)
{
    HWND owner = MainWindowOf(AfxGetThread());
    // A popup cannot be owned by a child window.
    while (owner != nullptr && (::GetWindowLongA(owner, GWL_STYLE) & WS_CHILD))
        owner = ::GetParent(owner);
    HWND top = owner;
    for (HWND up = owner; up != nullptr; up = ::GetParent(up))
        top = up;
    if (owner != nullptr)
        owner = ::GetLastActivePopup(owner);
    *topToEnable = nullptr;
    if (top != nullptr && ::IsWindowEnabled(top) && top != owner)
    {
        *topToEnable = top;
        ::EnableWindow(top, FALSE);
    }
    return owner;
}

} // namespace

int PASCAL CWinApp::ShowAppMessageBox(CWinApp* pApp, LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    HWND top = nullptr;
    HWND owner = SafeOwner(&top);

    DWORD* context = pApp != nullptr ? &pApp->m_dwPromptContext : nullptr;
    DWORD oldContext = context != nullptr ? *context : 0;
    if (context != nullptr && nIDPrompt != 0)
        *context = HID_BASE_PROMPT + nIDPrompt;

    // Boxes without an icon get the one that matches their buttons.
    if ((nType & MB_ICONMASK) == 0)
    {
        switch (nType & MB_TYPEMASK)
        {
        case MB_OK:
        case MB_OKCANCEL:
            nType |= MB_ICONEXCLAMATION;
            break;
        case MB_YESNO:
        case MB_YESNOCANCEL:
            nType |= MB_ICONQUESTION;
            break;
        default:
            break;
        }
    }

    char programName[MAX_PATH] = "";
    LPCTSTR caption = pApp != nullptr ? pApp->m_pszAppName : nullptr;
    if (caption == nullptr)
    {
        DWORD length = ::GetModuleFileNameA(nullptr, programName, MAX_PATH);
        if (length >= MAX_PATH)
            programName[MAX_PATH - 1] = '\0';
        caption = programName;
    }
    int result = ::MessageBoxA(owner, lpszPrompt, caption, nType);

    if (context != nullptr)
        *context = oldContext;
    if (top != nullptr)
        ::EnableWindow(top, TRUE);
    return result;
}

int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT nIDHelp)
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr)
        return app->DoMessageBox(lpszText, nType, nIDHelp);
    return CWinApp::ShowAppMessageBox(nullptr, lpszText, nType, nIDHelp);
}

int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType, UINT nIDHelp)
{
    // The prompt is looked up like any resource: the current module first, then the chain.
    std::string text(256, '\0');
    HINSTANCE module = AfxFindResourceHandle(MAKEINTRESOURCE((nIDPrompt >> 4) + 1), RT_STRING);
    for (;;)
    {
        int length = ::LoadStringA(module, nIDPrompt, text.data(), static_cast<int>(text.size()));
        if (length < static_cast<int>(text.size()) - 1)
        {
            text.resize(length > 0 ? static_cast<size_t>(length) : 0);
            break;
        }
        text.resize(text.size() * 2);
    }
    if (nIDHelp == static_cast<UINT>(-1))
        nIDHelp = nIDPrompt;
    return AfxMessageBox(text.c_str(), nType, nIDHelp);
}
