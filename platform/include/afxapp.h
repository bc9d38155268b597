// MFC application objects: module state, extension modules, threads, the application object,
// the wait cursor, message boxes, device contexts and GDI objects.
//
// <afxwin.h> includes this header at its end, so everything here may use CCmdTarget and CWnd.
// Include <afxwin.h>, never this file on its own.
//
// This part does NOT do:
// - Regular-DLL module states: every library in the process shares the application's module
//   state, as extension modules do. AFX_MANAGE_STATE switches to any AFX_MODULE_STATE object the
//   caller owns, and AfxGetStaticModuleState() returns the application's state.
// - Per-module thread state: the current CWinThread is per thread, not per thread and module.
// - OLE: class factories, pFirstSharedFactory, activation contexts, m_pActiveWnd stays NULL.
// - Thread message maps (ON_THREAD_MESSAGE): thread messages reach PreTranslateMessage only.
// - SuspendThread on a running thread (it fails with (DWORD)-1); thread priorities are recorded
//   but do not change scheduling; the stack size and security attributes are ignored.
// - Wait functions on CWinThread::m_hThread: the handle names the thread for this library only.
// - Profile and registry settings, document templates, command-line parsing, language DLLs.
// - Regions, palettes and metafiles; CDC's mapping modes other than MM_TEXT.
// - CBitmap::LoadBitmap of compressed (BI_RLE) bitmaps; it returns FALSE for them.
// - The "safe" accessors (GetSafeHandle, GetSafeHdc) on a NULL object pointer: calling a member
//   through NULL is undefined behaviour that the sanitizer builds stop; test the pointer first.
#pragma once

#include <windows.h>

#include <mutex>

class CWinApp;
class CWinThread;
class CDynLinkLibrary;
class CDC;
class CGdiObject;
class CPen;
class CBrush;
class CFont;
class CBitmap;

// String resources MFC itself defines.
#define AFX_IDS_APP_TITLE 0xE000
// Help contexts of message boxes shown with a prompt id.
#define HID_BASE_PROMPT 0x00030000UL

// ---------------------------------------------------------------------------------------------
// GDI objects
// ---------------------------------------------------------------------------------------------

class AFX_CORE_DATA CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject;

    CGdiObject();
    virtual ~CGdiObject();

    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    // A permanent object attached to the handle when there is one, else a temporary object that
    // lives until the thread's next idle time (CWinThread::OnIdle) or until the thread ends.
    static CGdiObject* PASCAL FromHandle(HGDIOBJ hObject);
    static void PASCAL DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int nIndex);
    int GetObject(int nCount, LPVOID lpObject) const;

    BOOL operator==(const CGdiObject& obj) const { return obj.m_hObject == m_hObject; }
    BOOL operator!=(const CGdiObject& obj) const { return obj.m_hObject != m_hObject; }
};

class AFX_CORE_DATA CPen : public CGdiObject
{
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor);
    static CPen* PASCAL FromHandle(HPEN hPen);
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    operator HPEN() const { return static_cast<HPEN>(GetSafeHandle()); }
};

class AFX_CORE_DATA CBrush : public CGdiObject
{
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor);
    static CBrush* PASCAL FromHandle(HBRUSH hBrush);
    BOOL CreateSolidBrush(COLORREF crColor);
    BOOL CreateSysColorBrush(int nIndex);
    operator HBRUSH() const { return static_cast<HBRUSH>(GetSafeHandle()); }
};

class AFX_CORE_DATA CFont : public CGdiObject
{
    DECLARE_DYNAMIC(CFont)
public:
    CFont() = default;
    static CFont* PASCAL FromHandle(HFONT hFont);
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                    LPCTSTR lpszFacename);
    // nPointSize is in tenths of a point; the height is converted with the DC's LOGPIXELSY.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = NULL);
    BOOL CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC = NULL);
    int GetLogFont(LOGFONT* pLogFont);
    operator HFONT() const { return static_cast<HFONT>(GetSafeHandle()); }
};

class AFX_CORE_DATA CBitmap : public CGdiObject
{
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() = default;
    static CBitmap* PASCAL FromHandle(HBITMAP hBitmap);
    // Loads an uncompressed 1, 4, 8, 24 or 32 bits-per-pixel bitmap resource from the module
    // that AfxFindResourceHandle chooses for it.
    BOOL LoadBitmap(LPCTSTR lpszResourceName);
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    int GetBitmap(BITMAP* pBitMap);
    operator HBITMAP() const { return static_cast<HBITMAP>(GetSafeHandle()); }
};

// ---------------------------------------------------------------------------------------------
// Device contexts
// ---------------------------------------------------------------------------------------------

class AFX_CORE_DATA CDC : public CObject
{
    DECLARE_DYNCREATE(CDC)
public:
    HDC m_hDC;       // the output DC
    HDC m_hAttribDC; // the DC queried for attributes; the same as m_hDC here

    CDC();
    virtual ~CDC();

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }

    // See CGdiObject::FromHandle for the lifetime of the returned object.
    static CDC* PASCAL FromHandle(HDC hDC);
    static void PASCAL DeleteTempMap();
    BOOL Attach(HDC hDC);
    HDC Detach();
    BOOL DeleteDC();
    BOOL CreateCompatibleDC(CDC* pDC);

    int SaveDC();
    BOOL RestoreDC(int nSavedDC);
    int GetDeviceCaps(int nIndex) const;

    CGdiObject* SelectStockObject(int nIndex);
    CPen* SelectObject(CPen* pPen);
    CBrush* SelectObject(CBrush* pBrush);
    CFont* SelectObject(CFont* pFont);
    CBitmap* SelectObject(CBitmap* pBitmap);
    CGdiObject* SelectObject(CGdiObject* pObject);
    HGDIOBJ SelectObject(HGDIOBJ hObject);

    COLORREF GetTextColor() const;
    COLORREF SetTextColor(COLORREF crColor);
    COLORREF GetBkColor() const;
    COLORREF SetBkColor(COLORREF crColor);
    int SetBkMode(int nBkMode);

    CPoint GetViewportOrg() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(POINT point);
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(POINT point);
    int IntersectClipRect(int x1, int y1, int x2, int y2);
    int IntersectClipRect(LPCRECT lpRect);

    BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
    BOOL TextOut(int x, int y, const CString& str);
    int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
    int DrawText(const CString& str, LPRECT lpRect, UINT nFormat);
    CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetTextExtent(const CString& str) const;
    CSize GetOutputTextExtent(LPCTSTR lpszString, int nCount) const;
    CSize GetOutputTextExtent(const CString& str) const;
    BOOL GetTextMetrics(LPTEXTMETRIC lpMetrics) const;

    void FillRect(LPCRECT lpRect, CBrush* pBrush);
    // As in MFC, leaves the DC's background colour set to clr.
    void FillSolidRect(LPCRECT lpRect, COLORREF clr);
    void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
    void FrameRect(LPCRECT lpRect, CBrush* pBrush);
    BOOL Rectangle(int x1, int y1, int x2, int y2);
    BOOL Rectangle(LPCRECT lpRect);
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(POINT point);
    BOOL LineTo(int x, int y);
    BOOL LineTo(POINT point);
    BOOL DrawEdge(LPRECT lpRect, UINT nEdge, UINT nFlags);
    void DrawFocusRect(LPCRECT lpRect);
    BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);
    BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc,
                DWORD dwRop);
};

// The DC of a WM_PAINT: BeginPaint in the constructor, EndPaint in the destructor.
class AFX_CORE_DATA CPaintDC : public CDC
{
    DECLARE_DYNAMIC(CPaintDC)
public:
    explicit CPaintDC(CWnd* pWnd);
    virtual ~CPaintDC();
    PAINTSTRUCT m_ps;

protected:
    HWND m_hWnd;
};

// GetDC in the constructor, ReleaseDC in the destructor.
class AFX_CORE_DATA CClientDC : public CDC
{
    DECLARE_DYNAMIC(CClientDC)
public:
    explicit CClientDC(CWnd* pWnd);
    virtual ~CClientDC();

protected:
    HWND m_hWnd;
};

// GetWindowDC in the constructor, ReleaseDC in the destructor.
class AFX_CORE_DATA CWindowDC : public CDC
{
    DECLARE_DYNAMIC(CWindowDC)
public:
    explicit CWindowDC(CWnd* pWnd);
    virtual ~CWindowDC();

protected:
    HWND m_hWnd;
};

// ---------------------------------------------------------------------------------------------
// Module state and extension modules
// ---------------------------------------------------------------------------------------------

// A singly linked list threaded through a pointer member of its elements (TYPE is a pointer).
template <class TYPE> class CTypedSimpleList
{
public:
    CTypedSimpleList() : m_pHead(NULL) {}
    TYPE GetHead() const { return m_pHead; }
    bool IsEmpty() const { return m_pHead == NULL; }
    operator TYPE() const { return m_pHead; }
    void AddHead(TYPE p)
    {
        p->m_pNextDLL = m_pHead;
        m_pHead = p;
    }
    // Unlinks p; returns FALSE when it was not in the list.
    BOOL Remove(TYPE p)
    {
        for (TYPE* link = &m_pHead; *link != NULL; link = &(*link)->m_pNextDLL)
        {
            if (*link == p)
            {
                *link = p->m_pNextDLL;
                p->m_pNextDLL = NULL;
                return TRUE;
            }
        }
        return FALSE;
    }

private:
    TYPE m_pHead;
};

class AFX_CORE_DATA AFX_MODULE_STATE
{
public:
    explicit AFX_MODULE_STATE(BOOL bDLL);
    ~AFX_MODULE_STATE();
    AFX_MODULE_STATE(const AFX_MODULE_STATE&) = delete;
    AFX_MODULE_STATE& operator=(const AFX_MODULE_STATE&) = delete;

    CWinApp* m_pCurrentWinApp;
    HINSTANCE m_hCurrentInstanceHandle;
    HINSTANCE m_hCurrentResourceHandle;
    LPCTSTR m_lpszCurrentAppName;
    BYTE m_bDLL;
    BYTE m_bSystem;
    DWORD m_fRegisteredClasses;

    // Extension modules chained by CDynLinkLibrary, the most recent first. Walk it with
    // AfxLockGlobals(CRIT_DYNLINKLIST) held when other threads may add or remove libraries.
    CTypedSimpleList<CDynLinkLibrary*> m_libraryList;

    // The wait cursor nesting used when no application object exists (see CWinApp).
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;
};

AFX_CORE_DATA AFX_MODULE_STATE* AFXAPI AfxGetModuleState();
AFX_CORE_DATA AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState();
AFX_CORE_DATA AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState();
// Makes pNewState the calling thread's module state (NULL: the application's); returns the
// thread's previous setting, which may be NULL.
AFX_CORE_DATA AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState);

// Switches the calling thread to a module state for the lifetime of the object; the destructor
// puts the previous one back, also when an exception leaves the scope.
class AFX_CORE_DATA AFX_MAINTAIN_STATE2
{
public:
    explicit AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState) noexcept;
    ~AFX_MAINTAIN_STATE2();
    AFX_MAINTAIN_STATE2(const AFX_MAINTAIN_STATE2&) = delete;
    AFX_MAINTAIN_STATE2& operator=(const AFX_MAINTAIN_STATE2&) = delete;

protected:
    AFX_MODULE_STATE* m_pPrevModuleState;
};

class AFX_CORE_DATA AFX_MAINTAIN_STATE : public AFX_MAINTAIN_STATE2
{
public:
    explicit AFX_MAINTAIN_STATE(AFX_MODULE_STATE* pModuleState) noexcept
        : AFX_MAINTAIN_STATE2(pModuleState)
    {
    }
};

#define AFX_MANAGE_STATE(p) AFX_MAINTAIN_STATE2 _ctlState(p)

// Global locks, as MFC names them; each is a recursive lock shared by the process.
#define CRIT_DYNLINKLIST 0
#define CRIT_WAITCURSOR 1
#define CRIT_MAX 2
AFX_CORE_DATA void AFXAPI AfxLockGlobals(int nLockType);
AFX_CORE_DATA void AFXAPI AfxUnlockGlobals(int nLockType);

AFX_CORE_DATA HINSTANCE AFXAPI AfxGetInstanceHandle();
AFX_CORE_DATA HINSTANCE AFXAPI AfxGetResourceHandle();
AFX_CORE_DATA void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource);
AFX_CORE_DATA LPCTSTR AFXAPI AfxGetAppName();
// The module that holds resource lpszName of type lpszType: the current resource handle first,
// then each chained extension module, most recently chained first. When none holds it, the
// current resource handle.
AFX_CORE_DATA HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType);

struct AFX_EXTENSION_MODULE
{
    BOOL bInitialized;
    HMODULE hModule;
    HMODULE hResource;
    CRuntimeClass* pFirstSharedClass;
    void* pFirstSharedFactory;
};

// Records the extension module's handle (its resources are then found through hResource).
// Returns TRUE; a second call for the same module changes nothing.
AFX_CORE_DATA BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule);
// Deletes the module's CDynLinkLibrary objects (all of them in the chain when bAll).
AFX_CORE_DATA void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll = FALSE);

// An extension module in the current module state's resource chain, from construction (it
// puts itself at the head of the chain) until destruction.
class AFX_CORE_DATA CDynLinkLibrary : public CCmdTarget
{
    DECLARE_DYNAMIC(CDynLinkLibrary)
public:
    explicit CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem = FALSE);
    CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource);
    virtual ~CDynLinkLibrary();

    HMODULE m_hModule;
    HMODULE m_hResource;
    CRuntimeClass* m_pFirstSharedClass;
    BOOL m_bSystem;
    CDynLinkLibrary* m_pNextDLL;

private:
    friend class AFX_MODULE_STATE;
    // The state whose chain holds this library; NULL once that state is destroyed.
    AFX_MODULE_STATE* m_pOwnerState;
};

// ---------------------------------------------------------------------------------------------
// Threads
// ---------------------------------------------------------------------------------------------

typedef UINT(AFX_CDECL* AFX_THREADPROC)(LPVOID);

class AFX_CORE_DATA CWinThread : public CCmdTarget
{
    DECLARE_DYNAMIC(CWinThread)
public:
    CWinThread();
    CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
    // Deleting the object on another thread than its own waits until that thread has finished
    // with it: the owner of a thread object without m_bAutoDelete deletes it to join the thread
    // (Windows code waits on m_hThread first, which this library does not support).
    virtual ~CWinThread();

    // Starts the thread. Returns once it runs (or, with CREATE_SUSPENDED, once it waits to be
    // resumed); m_hThread and m_nThreadID are set then.
    BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0,
                      LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);

    CWnd* m_pMainWnd;
    CWnd* m_pActiveWnd;
    BOOL m_bAutoDelete;
    HANDLE m_hThread;
    DWORD m_nThreadID;
    operator HANDLE() const { return m_hThread; }

    int GetThreadPriority();
    BOOL SetThreadPriority(int nPriority);
    DWORD SuspendThread();
    DWORD ResumeThread();
    BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);

    virtual BOOL InitInstance();
    virtual int Run();
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    virtual BOOL PumpMessage();
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL IsIdleMessage(MSG* pMsg);
    virtual int ExitInstance();
    virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
    virtual CWnd* GetMainWnd();
    // Deletes the object when m_bAutoDelete is set; called when the thread ends, and only for
    // objects with m_bAutoDelete set.
    virtual void Delete();

    // Implementation.
    void CommonConstruct();
    LPVOID m_pThreadParams;
    AFX_THREADPROC m_pfnThreadProc;
    int m_nPriority;
    // The bookkeeping shared with the running thread (start gate, suspend count).
    struct _AFX_THREAD_RECORD* m_pThreadRecord;
};

AFX_CORE_DATA CWinThread* AFXAPI AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam,
                                                int nPriority = THREAD_PRIORITY_NORMAL,
                                                UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                                LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
// Starts a user-interface thread: an object of pThreadClass (which must be DYNCREATE) runs
// InitInstance, then Run (or ExitInstance when InitInstance fails) on the new thread.
AFX_CORE_DATA CWinThread* AFXAPI AfxBeginThread(CRuntimeClass* pThreadClass,
                                                int nPriority = THREAD_PRIORITY_NORMAL,
                                                UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                                                LPSECURITY_ATTRIBUTES lpSecurityAttrs = NULL);
// Ends the calling thread, which must have been started by AfxBeginThread. The thread's stack
// is unwound (by an exception that only the thread's start routine catches) so that
// destructors run; catch (...) blocks that do not rethrow would stop it.
[[noreturn]] AFX_CORE_DATA void AFXAPI AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);
// The calling thread's CWinThread: the one AfxBeginThread started it with, the application on
// the thread that runs it, else NULL.
AFX_CORE_DATA CWinThread* AFXAPI AfxGetThread();
// Gets and dispatches one message through the calling thread's CWinThread (PreTranslateMessage
// first); FALSE when the message was WM_QUIT.
AFX_CORE_DATA BOOL AFXAPI AfxPumpMessage();
// The message the calling thread's message loop handles now.
AFX_CORE_DATA MSG* AFXAPI AfxGetCurrentMessage();
AFX_CORE_DATA void AFXAPI AfxPostQuitMessage(int nExitCode);

// ---------------------------------------------------------------------------------------------
// The application
// ---------------------------------------------------------------------------------------------

class AFX_CORE_DATA CWinApp : public CWinThread
{
    DECLARE_DYNAMIC(CWinApp)
public:
    // The constructing thread becomes the application's thread until AfxWinInit runs on
    // another one.
    explicit CWinApp(LPCTSTR lpszAppName = NULL);
    virtual ~CWinApp();

    LPCTSTR m_pszAppName;
    HINSTANCE m_hInstance;
    LPTSTR m_lpCmdLine;
    int m_nCmdShow;
    LPCTSTR m_pszExeName;
    LPCTSTR m_pszHelpFilePath;
    LPCTSTR m_pszProfileName;
    LPCTSTR m_pszRegistryKey;
    DWORD m_dwPromptContext;

    virtual BOOL InitApplication();
    BOOL InitInstance() override;
    int Run() override;
    BOOL OnIdle(LONG lCount) override;
    int ExitInstance() override;
    virtual int DoMessageBox(LPCTSTR lpszPrompt, UINT nType, UINT nIDPrompt);
    // 1: begin, -1: end, 0: restore.
    virtual void DoWaitCursor(int nCode);

    HCURSOR LoadCursor(LPCTSTR lpszResourceName) const;
    HCURSOR LoadCursor(UINT nIDResource) const;
    HCURSOR LoadStandardCursor(LPCTSTR lpszCursorName) const;
    HICON LoadIcon(LPCTSTR lpszResourceName) const;
    HICON LoadIcon(UINT nIDResource) const;
    HICON LoadStandardIcon(LPCTSTR lpszIconName) const;

    // Implementation.
    void SetCurrentHandles();
    static int PASCAL ShowAppMessageBox(CWinApp* pApp, LPCTSTR lpszPrompt, UINT nType,
                                        UINT nIDPrompt);
    int m_nWaitCursorCount;
    HCURSOR m_hcurWaitCursorRestore;

private:
    // The application that was current when this one was constructed; restored by the
    // destructor so that applications constructed one inside another's lifetime unwind.
    CWinApp* m_pPrevApp;
    AFX_MODULE_STATE* m_pAppState;
    bool m_bOwnAppName;
};

AFX_CORE_DATA CWinApp* AFXAPI AfxGetApp();
// The main window of the calling thread's CWinThread (see AfxGetThread).
AFX_CORE_DATA CWnd* AFXAPI AfxGetMainWnd();

// Sets the module state's instance and resource handles and the application's instance and
// command line, and makes the calling thread the application's thread: AfxGetThread and
// AfxGetMainWnd answer the application there, on no other thread.
AFX_CORE_DATA BOOL AFXAPI AfxWinInit(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                     int nCmdShow);
AFX_CORE_DATA void AFXAPI AfxWinTerm();
// Runs the application on the calling thread as a program's WinMain does: AfxWinInit,
// InitApplication, InitInstance, then Run (or ExitInstance when InitInstance fails), AfxWinTerm.
AFX_CORE_DATA int AFXAPI AfxWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPTSTR lpCmdLine,
                                    int nCmdShow);

// ---------------------------------------------------------------------------------------------
// Wait cursor and message boxes
// ---------------------------------------------------------------------------------------------

class AFX_CORE_DATA CWaitCursor
{
public:
    CWaitCursor();
    ~CWaitCursor();
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;
    void Restore();
};

// Owner: the main window's last active popup; caption: the application's name, or the
// program's file name when there is no application object.
AFX_CORE_DATA int AFXAPI AfxMessageBox(LPCTSTR lpszText, UINT nType = MB_OK, UINT nIDHelp = 0);
AFX_CORE_DATA int AFXAPI AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK, UINT nIDHelp = (UINT)-1);
