// CWinApp: the application object, its thread, and the WinMain steps that run it.
//
// Does NOT do:
// - Profile settings, recent-file lists, document templates, command-line parsing
//   (m_lpCmdLine is only stored), help-file calls, language resource DLLs, OLE.
// - A strict "one application per process": constructing a second one while the first lives
//   makes it current until it is destroyed, so tests may each build their own.
#include <afxwin.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

char* DuplicateText(const char* text)
{
    size_t size = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(size));
    if (copy != nullptr)
        std::memcpy(copy, text, size);
    return copy;
}

void FreeText(LPCTSTR text)
{
    std::free(const_cast<char*>(text));
}

// The base name of the program file without its extension, as MFC's m_pszExeName.
std::string ExeBaseName(HINSTANCE instance)
{
    char path[MAX_PATH] = "";
    DWORD length = ::GetModuleFileNameA(instance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "";
    std::string name(path, length);
    size_t slash = name.find_last_of("/\\");
    if (slash != std::string::npos)
        name.erase(0, slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0)
        name.erase(dot);
    return name;
}

} // namespace

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

CWinApp::CWinApp(LPCTSTR lpszAppName)
    : m_pszAppName(nullptr), m_hInstance(nullptr), m_lpCmdLine(nullptr), m_nCmdShow(SW_SHOWNORMAL),
      m_pszExeName(nullptr), m_pszHelpFilePath(nullptr), m_pszProfileName(nullptr),
      m_pszRegistryKey(nullptr), m_dwPromptContext(0), m_nWaitCursorCount(0),
      m_hcurWaitCursorRestore(nullptr), m_pPrevApp(nullptr), m_pAppState(AfxGetModuleState()),
      m_bOwnAppName(false)
{
    if (lpszAppName != nullptr)
    {
        m_pszAppName = DuplicateText(lpszAppName);
        m_bOwnAppName = true;
    }
    // The application's thread procedure is WinMain itself: the object is never auto-deleted.
    m_bAutoDelete = FALSE;
    m_nThreadID = ::GetCurrentThreadId();
    m_hThread = nullptr;

    m_pPrevApp = m_pAppState->m_pCurrentWinApp;
    m_pAppState->m_pCurrentWinApp = this;
    m_pAppState->m_lpszCurrentAppName = m_pszAppName;
}

CWinApp::~CWinApp()
{
    if (m_pAppState->m_pCurrentWinApp == this)
    {
        m_pAppState->m_pCurrentWinApp = m_pPrevApp;
        m_pAppState->m_lpszCurrentAppName =
            m_pPrevApp != nullptr ? m_pPrevApp->m_pszAppName : nullptr;
    }
    if (m_bOwnAppName)
        FreeText(m_pszAppName);
    FreeText(m_pszExeName);
    FreeText(m_pszHelpFilePath);
    FreeText(m_pszProfileName);
}

void CWinApp::SetCurrentHandles()
{
    std::string exe = ExeBaseName(m_hInstance);
    if (m_pszExeName == nullptr)
        m_pszExeName = DuplicateText(exe.c_str());
    if (m_pszAppName == nullptr)
    {
        // The title string resource names the application; without one, the program does.
        char title[256] = "";
        HINSTANCE resources =
            AfxFindResourceHandle(MAKEINTRESOURCE((AFX_IDS_APP_TITLE >> 4) + 1), RT_STRING);
        if (::LoadStringA(resources, AFX_IDS_APP_TITLE, title, sizeof title) > 0)
            m_pszAppName = DuplicateText(title);
        else
            m_pszAppName = DuplicateText(exe.c_str());
        m_bOwnAppName = true;
    }
    if (m_pszHelpFilePath == nullptr)
        m_pszHelpFilePath = DuplicateText((exe + ".HLP").c_str());
    if (m_pszProfileName == nullptr)
        m_pszProfileName = DuplicateText((exe + ".INI").c_str());
    m_pAppState->m_lpszCurrentAppName = m_pszAppName;
}

BOOL CWinApp::InitApplication()
{
    return TRUE;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

int CWinApp::Run()
{
    // An application without a main window would wait for ever; MFC quits it instead.
    if (m_pMainWnd == nullptr)
        AfxPostQuitMessage(0);
    return CWinThread::Run();
}

BOOL CWinApp::OnIdle(LONG lCount)
{
    if (lCount <= 0)
        CWinThread::OnIdle(lCount);
    else if (lCount == 1)
        CWinThread::OnIdle(lCount);
    return lCount < 1;
}

int CWinApp::ExitInstance()
{
    return CWinThread::ExitInstance();
}

int CWinApp::DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt)
{
    return ShowAppMessageBox(this, lpszPrompt, nType, nIDPrompt);
}

HCURSOR CWinApp::LoadCursor(LPCTSTR lpszResourceName) const
{
    return ::LoadCursorA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_CURSOR),
                         lpszResourceName);
}

HCURSOR CWinApp::LoadCursor(UINT nIDResource) const
{
    return LoadCursor(MAKEINTRESOURCE(nIDResource));
}

HCURSOR CWinApp::LoadStandardCursor(LPCTSTR lpszCursorName) const
{
    return ::LoadCursorA(nullptr, lpszCursorName);
}

HICON CWinApp::LoadIcon(LPCTSTR lpszResourceName) const
{
    return ::LoadIconA(AfxFindResourceHandle(lpszResourceName, RT_GROUP_ICON), lpszResourceName);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const
{
    return LoadIcon(MAKEINTRESOURCE(nIDResource));
}

HICON CWinApp::LoadStandardIcon(LPCTSTR lpszIconName) const
{
    return ::LoadIconA(nullptr, lpszIconName);
}

CWinApp* AFXAPI AfxGetApp()
{
    return AfxGetModuleState()->m_pCurrentWinApp;
}

CWnd* AFXAPI AfxGetMainWnd()
{
    CWinThread* thread = AfxGetThread();
    return thread != nullptr ? thread->GetMainWnd() : nullptr;
}

BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    AFX_MODULE_STATE* state = AfxGetModuleState();
    state->m_hCurrentInstanceHandle = hInstance;
    state->m_hCurrentResourceHandle = hInstance;
    CWinApp* app = AfxGetApp();
    if (app != nullptr)
    {
        app->m_hInstance = hInstance;
        app->m_lpCmdLine = lpCmdLine;
        app->m_nCmdShow = nCmdShow;
        app->m_nThreadID = ::GetCurrentThreadId();
        app->SetCurrentHandles();
    }
    return TRUE;
}

void AFXAPI AfxWinTerm()
{
    // Temporary wrappers of this thread would otherwise live until the thread ends.
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CWnd::DeleteTempMap();
}

int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine, int nCmdShow)
{
    CWinApp* app = AfxGetApp();
    if (app == nullptr || !AfxWinInit(hInstance, hPrevInstance, lpCmdLine, nCmdShow))
        return -1;
    int result = -1;
    if (app->InitApplication())
    {
        if (!app->InitInstance())
        {
            if (app->m_pMainWnd != nullptr && app->m_pMainWnd->m_hWnd != nullptr)
                app->m_pMainWnd->DestroyWindow();
            result = app->ExitInstance();
        }
        else
        {
            result = app->Run();
        }
    }
    AfxWinTerm();
    return result;
}
