// CWnd's own message map and the default message handlers.
//
// A handler that a derived class overrides and then calls (CWnd::OnSize(...)) hands the message
// on to the window procedure that AfxWndProc replaced, as it arrived. The owner-draw, colour,
// scroll and list-item messages are offered to the control's CWnd first (reflection).
//
// Does NOT do:
// - OLE drop targets and tool tips cleanup in OnNcDestroy; MFC's global brush recolouring in
//   OnSysColorChange.
#include "wnd_state.h"

using platform::mfc::ThisThreadWndState;

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
ON_MESSAGE(WM_CTLCOLORMSGBOX, &CWnd::OnNTCtlColor)
ON_MESSAGE(WM_CTLCOLOREDIT, &CWnd::OnNTCtlColor)
ON_MESSAGE(WM_CTLCOLORLISTBOX, &CWnd::OnNTCtlColor)
ON_MESSAGE(WM_CTLCOLORBTN, &CWnd::OnNTCtlColor)
ON_MESSAGE(WM_CTLCOLORDLG, &CWnd::OnNTCtlColor)
ON_MESSAGE(WM_CTLCOLORSCROLLBAR, &CWnd::OnNTCtlColor)
ON_MESSAGE(WM_CTLCOLORSTATIC, &CWnd::OnNTCtlColor)
ON_WM_CTLCOLOR()
ON_WM_DRAWITEM()
ON_WM_MEASUREITEM()
ON_WM_COMPAREITEM()
ON_WM_DELETEITEM()
ON_WM_VKEYTOITEM()
ON_WM_CHARTOITEM()
ON_WM_HSCROLL()
ON_WM_VSCROLL()
ON_WM_PARENTNOTIFY()
ON_WM_NCDESTROY()
ON_WM_SYSCOLORCHANGE()
ON_WM_HELPINFO()
END_MESSAGE_MAP()

// ---- Handlers with more to do than Default() ----

LRESULT CWnd::OnNTCtlColor(WPARAM wParam, LPARAM lParam)
{
    AFX_CTLCOLOR ctl{reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                     ThisThreadWndState().lastSentMsg.message - WM_CTLCOLORMSGBOX};
    // WindowProc directly, not through AfxCallWndProc: Default() must still see the original
    // WM_CTLCOLOR* message.
    return WindowProc(WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl));
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT result = 0;
    if (pWnd != nullptr && pWnd->SendChildNotifyLastMsg(&result))
        return reinterpret_cast<HBRUSH>(result);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (lpDrawItemStruct->CtlType != ODT_MENU && ReflectLastMsg(lpDrawItemStruct->hwndItem))
        return;
    Default();
}

void CWnd::OnMeasureItem(int, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (lpMeasureItemStruct->CtlType != ODT_MENU)
    {
        HWND control = ::GetDlgItem(m_hWnd, static_cast<int>(lpMeasureItemStruct->CtlID));
        if (control != nullptr && ReflectLastMsg(control))
            return;
    }
    Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT result = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &result))
        return static_cast<int>(result);
    return static_cast<int>(Default());
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        return;
    Default();
}

int CWnd::OnVKeyToItem(UINT, CListBox*, UINT)
{
    LRESULT result = 0;
    auto listBox = reinterpret_cast<HWND>(ThisThreadWndState().lastSentMsg.lParam);
    if (ReflectLastMsg(listBox, &result))
        return static_cast<int>(result);
    return static_cast<int>(Default());
}

int CWnd::OnCharToItem(UINT, CListBox*, UINT)
{
    LRESULT result = 0;
    auto listBox = reinterpret_cast<HWND>(ThisThreadWndState().lastSentMsg.lParam);
    if (ReflectLastMsg(listBox, &result))
        return static_cast<int>(result);
    return static_cast<int>(Default());
}

void CWnd::OnHScroll(UINT, UINT, CScrollBar*)
{
    auto scrollBar = reinterpret_cast<HWND>(ThisThreadWndState().lastSentMsg.lParam);
    if (scrollBar != nullptr && ReflectLastMsg(scrollBar))
        return;
    Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar*)
{
    auto scrollBar = reinterpret_cast<HWND>(ThisThreadWndState().lastSentMsg.lParam);
    if (scrollBar != nullptr && ReflectLastMsg(scrollBar))
        return;
    Default();
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    // A child's creation and destruction are news to the child's own CWnd too.
    if ((LOWORD(message) == WM_CREATE || LOWORD(message) == WM_DESTROY) &&
        ReflectLastMsg(reinterpret_cast<HWND>(lParam)))
        return;
    Default();
}

void CWnd::OnNcDestroy()
{
    // The thread's main window going away ends the thread's message loop, unless this code
    // runs as a library inside someone else's application.
    CWinThread* thread = AfxGetThread();
    if (thread != nullptr)
    {
        if (thread->m_pMainWnd == this)
        {
            if (!AfxGetModuleState()->m_bDLL)
                AfxPostQuitMessage(0);
            thread->m_pMainWnd = nullptr;
        }
        if (thread->m_pActiveWnd == this)
            thread->m_pActiveWnd = nullptr;
    }

    WNDPROC current = reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC));
    Default();
    // Give the window its original procedure back unless someone subclassed it after us.
    if (reinterpret_cast<WNDPROC>(::GetWindowLongPtrA(m_hWnd, GWLP_WNDPROC)) == current)
    {
        WNDPROC super = *GetSuperWndProcAddr();
        if (super != nullptr)
            ::SetWindowLongPtrA(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(super));
    }
    Detach();
    PostNcDestroy();
}

void CWnd::OnSysColorChange()
{
    // Top-level windows pass the news on to every descendant that has a CWnd.
    if (!(GetStyle() & WS_CHILD))
        SendMessageToDescendants(WM_SYSCOLORCHANGE, 0, 0, TRUE, TRUE);
    Default();
}

BOOL CWnd::OnHelpInfo(HELPINFO*)
{
    // F1 in a top-level window asks the main window for help, as the ID_HELP command does;
    // children let the message go up to their parent.
    if (!(GetStyle() & WS_CHILD))
    {
        CWnd* mainWnd = AfxGetMainWnd();
        if (mainWnd != nullptr && mainWnd->m_hWnd != nullptr && ::GetKeyState(VK_SHIFT) >= 0 &&
            ::GetKeyState(VK_CONTROL) >= 0 && ::GetKeyState(VK_MENU) >= 0)
        {
            mainWnd->SendMessage(WM_COMMAND, ID_HELP);
            return TRUE;
        }
    }
    return static_cast<BOOL>(Default());
}

// ---- Handlers that only hand the message on ----

int CWnd::OnCreate(LPCREATESTRUCT)
{
    return static_cast<int>(Default());
}
BOOL CWnd::OnNcCreate(LPCREATESTRUCT)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnDestroy()
{
    Default();
}
void CWnd::OnClose()
{
    Default();
}
void CWnd::OnSize(UINT, int, int)
{
    Default();
}
void CWnd::OnSizing(UINT, LPRECT)
{
    Default();
}
void CWnd::OnMove(int, int)
{
    Default();
}
void CWnd::OnGetMinMaxInfo(MINMAXINFO*)
{
    Default();
}
void CWnd::OnWindowPosChanging(WINDOWPOS*)
{
    Default();
}
void CWnd::OnWindowPosChanged(WINDOWPOS*)
{
    Default();
}
void CWnd::OnEnterSizeMove()
{
    Default();
}
void CWnd::OnExitSizeMove()
{
    Default();
}
void CWnd::OnShowWindow(BOOL, UINT)
{
    Default();
}
void CWnd::OnEnable(BOOL)
{
    Default();
}
void CWnd::OnActivate(UINT, CWnd*, BOOL)
{
    Default();
}
int CWnd::OnMouseActivate(CWnd*, UINT, UINT)
{
    return static_cast<int>(Default());
}
BOOL CWnd::OnNcActivate(BOOL)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnSetFocus(CWnd*)
{
    Default();
}
void CWnd::OnKillFocus(CWnd*)
{
    Default();
}
void CWnd::OnPaint()
{
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*)
{
    return static_cast<BOOL>(Default());
}
void CWnd::OnContextMenu(CWnd*, CPoint)
{
    Default();
}
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT)
{
    return static_cast<BOOL>(Default());
}
LRESULT CWnd::OnNcHitTest(CPoint)
{
    return Default();
}
UINT CWnd::OnGetDlgCode()
{
    return static_cast<UINT>(Default());
}
void CWnd::OnTimer(UINT_PTR)
{
    Default();
}
void CWnd::OnSysCommand(UINT, LPARAM)
{
    Default();
}
void CWnd::OnCancelMode()
{
    Default();
}
void CWnd::OnCaptureChanged(CWnd*)
{
    Default();
}
void CWnd::OnKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyDown(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysKeyUp(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnSysChar(UINT, UINT, UINT)
{
    Default();
}
void CWnd::OnMouseMove(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnLButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonUp(UINT, CPoint)
{
    Default();
}
void CWnd::OnRButtonDblClk(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonDown(UINT, CPoint)
{
    Default();
}
void CWnd::OnMButtonUp(UINT, CPoint)
{
    Default();
}
BOOL CWnd::OnMouseWheel(UINT, short, CPoint)
{
    return static_cast<BOOL>(Default());
}
