// Creating, subclassing and destroying the window of a CWnd.
//
// A CWnd gets its window's messages from the very first one (WM_GETMINMAXINFO, WM_NCCREATE) by
// a CBT hook that is installed only around the creation call: HCBT_CREATEWND attaches the new
// window to the CWnd and puts AfxWndProc in front of the class's procedure.
//
// Does NOT do:
// - Subclassing of windows that no CWnd asked for (MFC's automatic subclassing of dialogs
//   for 3-D effects and activation).
// - CCreateContext: the context pointer is only passed on as the creation parameter.
#include "wnd_state.h"

#include <cstdio>
#include <exception>
#include <mutex>
#include <set>
#include <string>

using platform::mfc::ThisThreadWndState;

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

CWnd::CWnd() : CWnd(nullptr) {}

CWnd::CWnd(HWND hWnd)
    : m_hWnd(hWnd), m_pfnSuper(nullptr), m_nFlags(0), m_nModalResult(0), m_hWndOwner(nullptr),
      m_nAttachThreadID(0)
{
}

CWnd::~CWnd()
{
    if (m_hWnd != nullptr && m_nAttachThreadID != 0)
    {
        // The window would otherwise call into a freed object. As in MFC, the derived class's
        // OnDestroy and PostNcDestroy are not called from here: that part is already gone.
        TRACE("CWnd::~CWnd: destroying window %p that is still attached\n", m_hWnd);
        HWND hWnd = m_hWnd;
        WNDPROC super = m_pfnSuper;
        if (m_nAttachThreadID == ::GetCurrentThreadId())
            CWnd::DestroyWindow();
        // Another thread's window cannot be destroyed from here; give it its own procedure back.
        if (::IsWindow(hWnd) && super != nullptr &&
            reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(hWnd, GWLP_WNDPROC)) == AfxWndProc)
            ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
    }
    Detach();
}

// ---- The creation hook ----

namespace
{

LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    auto& state = ThisThreadWndState();
    if (code != HCBT_CREATEWND || state.wndInit == nullptr)
        return ::CallNextHookEx(state.cbtHook, code, wParam, lParam);

    // Only the first window created belongs to the CWnd: a dialog's controls come after it.
    CWnd* wnd = state.wndInit;
    state.wndInit = nullptr;
    auto hWnd = reinterpret_cast<HWND>(wParam);
    try
    {
        if (wnd->Attach(hWnd))
        {
            wnd->PreSubclassWindow();
            auto old = reinterpret_cast<WNDPROC>(::SetWindowLongPtrA(
                hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc())));
            if (old != AfxGetAfxWndProc())
                *wnd->GetSuperWndProcAddr() = old;
        }
    }
    catch (CException* e)
    {
        platform::mfc::ReportHandlerException("window creation hook", WM_NULL, "CException");
        e->Delete();
    }
    catch (...)
    {
        platform::mfc::ReportHandlerException("window creation hook", WM_NULL, "exception");
    }
    return ::CallNextHookEx(state.cbtHook, code, wParam, lParam);
}

} // namespace

void AFXAPI AfxHookWindowCreate(CWnd* pWnd)
{
    auto& state = ThisThreadWndState();
    if (state.wndInit == pWnd)
        return;
    if (state.cbtHook == nullptr)
    {
        state.cbtHook = ::SetWindowsHookExA(WH_CBT, CbtFilterHook, nullptr, ::GetCurrentThreadId());
        if (state.cbtHook == nullptr)
            AfxThrowMemoryException();
    }
    state.wndInit = pWnd;
}

BOOL AFXAPI AfxUnhookWindowCreate()
{
    auto& state = ThisThreadWndState();
    if (state.cbtHook != nullptr)
    {
        ::UnhookWindowsHookEx(state.cbtHook);
        state.cbtHook = nullptr;
    }
    if (state.wndInit != nullptr)
    {
        state.wndInit = nullptr;
        return FALSE;
    }
    return TRUE;
}

// ---- Window classes ----

BOOL AFXAPI AfxRegisterClass(WNDCLASS* lpWndClass)
{
    WNDCLASSA existing;
    if (::GetClassInfoA(lpWndClass->hInstance, lpWndClass->lpszClassName, &existing))
        return TRUE;
    return ::RegisterClassA(lpWndClass) != 0 ? TRUE : FALSE;
}

LPCTSTR AFXAPI AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground,
                                   HICON hIcon)
{
    // One class per set of attributes, named after them; the names live as long as the process.
    static std::mutex mutex;
    static auto* names = new std::set<std::string>;
    HINSTANCE instance = AfxGetInstanceHandle();
    char name[128];
    std::snprintf(name, sizeof name, "Afx:%p:%x:%p:%p:%p", static_cast<void*>(instance),
                  nClassStyle, static_cast<void*>(hCursor), static_cast<void*>(hbrBackground),
                  static_cast<void*>(hIcon));
    std::lock_guard lock(mutex);
    const std::string& stored = *names->insert(name).first;
    WNDCLASSA wc{};
    wc.style = nClassStyle;
    wc.lpfnWndProc = ::DefWindowProcA;
    wc.hInstance = instance;
    wc.hIcon = hIcon;
    wc.hCursor = hCursor;
    wc.hbrBackground = hbrBackground;
    wc.lpszClassName = stored.c_str();
    if (!AfxRegisterClass(&wc))
        AfxThrowNotSupportedException();
    return stored.c_str();
}

// ---- Creation ----

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, IDC_ARROW));
    return TRUE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                    LPVOID lpParam)
{
    CREATESTRUCT cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = static_cast<LONG>(dwStyle);
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs))
    {
        PostNcDestroy();
        return FALSE;
    }

    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExA(cs.dwExStyle, cs.lpszClass, cs.lpszName,
                                  static_cast<DWORD>(cs.style), cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    // When the hook never saw the window, no WM_NCDESTROY will come to clean up.
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();
    return hWnd != nullptr ? TRUE : FALSE;
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top,
                    pParentWnd != nullptr ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    // Create makes child windows; popups go through CreateEx.
    if (pParentWnd == nullptr || (dwStyle & WS_POPUP))
        return FALSE;
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID,
                    pContext);
}

// ---- Subclassing ----

void CWnd::PreSubclassWindow() {}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto old = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrA(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AfxGetAfxWndProc())));
    if (old == nullptr)
    {
        // Not a window this thread may subclass.
        Detach();
        return FALSE;
    }
    WNDPROC* super = GetSuperWndProcAddr();
    if (old != AfxGetAfxWndProc())
        *super = old;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->m_hWnd, static_cast<int>(nID));
    return hWndControl != nullptr ? SubclassWindow(hWndControl) : FALSE;
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* super = GetSuperWndProcAddr();
    if (m_hWnd != nullptr && *super != nullptr)
        ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*super));
    *super = nullptr;
    return Detach();
}

// ---- Destruction ----

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    // A window whose messages reach this object is detached by OnNcDestroy, and the object may
    // even be deleted by PostNcDestroy then: only an object the window does not call into (a
    // temporary, or one that is attached without subclassing) may still be touched afterwards.
    const bool routed =
        FromHandlePermanent(m_hWnd) == this &&
        reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == AfxWndProc;
    BOOL result = ::DestroyWindow(m_hWnd);
    if (!routed)
        Detach();
    return result;
}

void CWnd::PostNcDestroy() {}
