// AfxWndProc and the message path of a CWnd: WindowProc, OnWndMsg, commands, notifications and
// their reflection to the control that sent them.
//
// Does NOT do:
// - MFC's message-map lookup cache; maps are searched every time (they are short).
// - Activation bookkeeping for OLE (WM_ACTIVATETOPLEVEL) and windowless controls.
// - Reporting an exception that escapes a handler in a message box: it is written to standard
//   error and the message returns 0 (-1 for WM_CREATE, so the creation fails). An exception
//   thrown by AfxEndThread inside a handler is stopped there too.
#include "wnd_state.h"

#include <exception>

using platform::mfc::ThisThreadWndState;

namespace
{

// Makes a message the thread's current one for Default() for as long as its handler runs.
class CurrentMessage
{
public:
    CurrentMessage(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
        : m_state(ThisThreadWndState()), m_saved(m_state.lastSentMsg)
    {
        m_state.lastSentMsg.hwnd = hWnd;
        m_state.lastSentMsg.message = nMsg;
        m_state.lastSentMsg.wParam = wParam;
        m_state.lastSentMsg.lParam = lParam;
    }
    ~CurrentMessage() { m_state.lastSentMsg = m_saved; }
    CurrentMessage(const CurrentMessage&) = delete;
    CurrentMessage& operator=(const CurrentMessage&) = delete;

private:
    platform::mfc::WndThreadState& m_state;
    MSG m_saved;
};

LRESULT ExceptionResult(UINT nMsg)
{
    return nMsg == WM_CREATE ? -1 : 0;
}

// A modal dialog that neither shows itself nor moves in OnInitDialog is centred on its owner.
void CenterAfterInitDialog(CWnd* pWnd, const RECT& rectBefore, DWORD styleBefore)
{
    if ((styleBefore & WS_VISIBLE) || (pWnd->GetStyle() & (WS_VISIBLE | WS_CHILD)))
        return;
    RECT rect;
    pWnd->GetWindowRect(&rect);
    if (!::EqualRect(&rect, &rectBefore))
        return;
    // Owned windows whose owner is still enabled are modeless: they stay where they are.
    HWND owner = ::GetWindow(pWnd->m_hWnd, GW_OWNER);
    if (owner != nullptr && ::IsWindowEnabled(owner))
        return;
    if (!pWnd->CheckAutoCenter())
        return;
    pWnd->CenterWindow();
}

} // namespace

LRESULT AFXAPI AfxCallWndProc(CWnd* pWnd, HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CurrentMessage current(hWnd, nMsg, wParam, lParam);
    try
    {
        RECT rectBefore{};
        DWORD styleBefore = 0;
        if (nMsg == WM_INITDIALOG)
        {
            pWnd->GetWindowRect(&rectBefore);
            styleBefore = pWnd->GetStyle();
        }
        LRESULT result = pWnd->WindowProc(nMsg, wParam, lParam);
        if (nMsg == WM_INITDIALOG && ::IsWindow(hWnd))
            CenterAfterInitDialog(pWnd, rectBefore, styleBefore);
        return result;
    }
    catch (CException* e)
    {
        char text[256] = "";
        e->GetErrorMessage(text, sizeof text);
        platform::mfc::ReportHandlerException("AfxWndProc", nMsg, text);
        e->Delete();
    }
    catch (const std::exception& e)
    {
        platform::mfc::ReportHandlerException("AfxWndProc", nMsg, e.what());
    }
    catch (...)
    {
        platform::mfc::ReportHandlerException("AfxWndProc", nMsg, "unknown exception");
    }
    return ExceptionResult(nMsg);
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr || pWnd->m_hWnd != hWnd)
        return ::DefWindowProcA(hWnd, nMsg, wParam, lParam);
    return AfxCallWndProc(pWnd, hWnd, nMsg, wParam, lParam);
}

WNDPROC AFXAPI AfxGetAfxWndProc()
{
    return &AfxWndProc;
}

const MSG* PASCAL CWnd::GetCurrentMessage()
{
    return &ThisThreadWndState().lastSentMsg;
}

LRESULT CWnd::Default()
{
    const MSG& msg = ThisThreadWndState().lastSentMsg;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

WNDPROC* CWnd::GetSuperWndProcAddr()
{
    return &m_pfnSuper;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    WNDPROC super = *GetSuperWndProcAddr();
    if (super != nullptr)
        return ::CallWindowProcA(super, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result))
        result = DefWindowProc(message, wParam, lParam);
    return result;
}

namespace
{

const AFX_MSGMAP_ENTRY* FindWindowMessage(const AFX_MSGMAP_ENTRY* entries, UINT message)
{
    if (message < AFX_REGISTERED_MESSAGE)
        return AfxFindMessageEntry(entries, message, 0, 0);
    // Registered messages get their number at run time; each entry points at where it is kept.
    for (const AFX_MSGMAP_ENTRY* entry = entries;
         (entry = AfxFindMessageEntry(entry, AFX_REGISTERED_MESSAGE, 0, 0)) != nullptr; ++entry)
    {
        if (entry->pnMessage != nullptr && *entry->pnMessage == message)
            return entry;
    }
    return nullptr;
}

} // namespace

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    if (message == WM_COMMAND)
    {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        result = 1;
    }
    else if (message == WM_NOTIFY)
    {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        if (header == nullptr || header->hwndFrom == nullptr || !OnNotify(wParam, lParam, &result))
            return FALSE;
    }
    else
    {
        const AFX_MSGMAP_ENTRY* entry = nullptr;
        for (const AFX_MSGMAP* map = GetMessageMap(); map != nullptr && entry == nullptr;
             map = map->pfnGetBaseMap != nullptr ? map->pfnGetBaseMap() : nullptr)
            entry = FindWindowMessage(map->lpEntries, message);
        if (entry == nullptr)
            return FALSE;
        AFX_MSGCALL call{message, 0, wParam, lParam, nullptr, &result};
        if (!entry->pfn(this, call))
            return FALSE;
    }
    if (pResult != nullptr)
        *pResult = result;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr)
    {
        // Menus and accelerators: both are plain commands.
        if (nID == 0)
            return FALSE;
        nCode = CN_COMMAND;
    }
    else
    {
        // UpdateData is changing the controls: their notifications are not news.
        if (ThisThreadWndState().lockoutNotifyWindow == m_hWnd)
            return TRUE;
        // The control's own CWnd sees it first (ON_CONTROL_REFLECT).
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;
        if (nID == 0)
            return FALSE;
        // The notification code alone means WM_COMMAND to OnCmdMsg. BN_CLICKED is CN_COMMAND,
        // so ON_COMMAND(IDOK, ...) catches the OK button.
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = header->hwndFrom;
    UINT nID = static_cast<WORD>(::GetDlgCtrlID(hWndCtrl));
    UINT nCode = header->code;
    if (ThisThreadWndState().lockoutNotifyWindow == m_hWnd)
        return TRUE;
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, header};
    return OnCmdMsg(nID, MAKELONG(nCode, WM_NOTIFY), &notify, nullptr);
}

BOOL PASCAL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* child = FromHandlePermanent(hWndChild);
    if (child == nullptr)
        return FALSE;
    return child->SendChildNotifyLastMsg(pResult);
}

BOOL CWnd::SendChildNotifyLastMsg(LRESULT* pResult)
{
    const MSG msg = ThisThreadWndState().lastSentMsg;
    return OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT ignored = 0;
    if (pResult == nullptr)
        pResult = &ignored;
    switch (message)
    {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return CWnd::OnWndMsg(WM_REFLECT_BASE + message, wParam, lParam, pResult);
    case WM_COMMAND:
        if (CCmdTarget::OnCmdMsg(0, MAKELONG(HIWORD(wParam), WM_REFLECT_BASE + WM_COMMAND), nullptr,
                                 nullptr))
        {
            *pResult = 1;
            return TRUE;
        }
        return FALSE;
    case WM_NOTIFY: {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        AFX_NOTIFY notify{pResult, header};
        return CCmdTarget::OnCmdMsg(0, MAKELONG(header->code, WM_REFLECT_BASE + WM_NOTIFY), &notify,
                                    nullptr);
    }
    default:
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        {
            AFX_CTLCOLOR ctl{reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam),
                             message - WM_CTLCOLORMSGBOX};
            return CWnd::OnWndMsg(WM_REFLECT_BASE + WM_CTLCOLOR, 0, reinterpret_cast<LPARAM>(&ctl),
                                  pResult);
        }
        return FALSE;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL PASCAL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd))
    {
        CWnd* wnd = FromHandlePermanent(hWnd);
        if (wnd != nullptr && wnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop)
            break;
    }
    return FALSE;
}
