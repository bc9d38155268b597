// Modal loops (RunModalLoop, EndModalLoop) and the choice of a modal window's owner.
//
// Does NOT do:
// - Frame windows' routing (GetRoutingFrame): without a parent, the owner is found from the
//   thread's main window.
#include "wnd_state.h"

namespace
{

// Messages after which the loop's idle work (showing the window, WM_KICKIDLE) runs again.
bool IsIdleMessage(CWinThread* thread, MSG* msg)
{
    if (thread != nullptr)
        return thread->IsIdleMessage(msg) != FALSE;
    return msg->message != WM_PAINT && msg->message != 0x0118; // WM_SYSTIMER: caret blinks
}

// One message through the thread's pump; FALSE on WM_QUIT. Threads that MFC did not start
// (they have no CWinThread) still get the windows' PreTranslateMessage, so dialog keys work.
BOOL PumpMessage(CWinThread* thread, MSG*& msg)
{
    if (thread != nullptr)
    {
        BOOL more = AfxPumpMessage();
        msg = AfxGetCurrentMessage();
        return more;
    }
    static thread_local MSG own;
    msg = &own;
    if (!::GetMessageA(&own, nullptr, 0, 0))
        return FALSE;
    if (own.message != WM_KICKIDLE && !CWnd::WalkPreTranslateTree(nullptr, &own))
    {
        ::TranslateMessage(&own);
        ::DispatchMessageA(&own);
    }
    return TRUE;
}

} // namespace

int CWnd::RunModalLoop(DWORD dwFlags)
{
    bool idle = true;
    LONG idleCount = 0;
    bool showOnIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND parent = ::GetParent(m_hWnd);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    CWinThread* thread = AfxGetThread();
    MSG* msg = nullptr;
    MSG peeked;

    for (;;)
    {
        // While nothing is waiting: show the window, tell the owner, let the window idle.
        while (idle && !::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE))
        {
            if (showOnIdle)
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showOnIdle = false;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && parent != nullptr && idleCount == 0)
                ::SendMessageA(parent, WM_ENTERIDLE, MSGF_DIALOGBOX,
                               reinterpret_cast<LPARAM>(m_hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) ||
                !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, idleCount++))
                idle = false;
        }

        do
        {
            if (!PumpMessage(thread, msg))
            {
                // The loop that called us must see the quit message too.
                ::PostQuitMessage(static_cast<int>(msg->wParam));
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return -1;
            }
            // A system key shows a window still waiting to be shown.
            if (showOnIdle && (msg->message == 0x0118 || msg->message == WM_SYSKEYDOWN))
            {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                showOnIdle = false;
            }
            if (!ContinueModal())
            {
                m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
                return m_nModalResult;
            }
            if (IsIdleMessage(thread, msg))
            {
                idle = true;
                idleCount = 0;
            }
        } while (::PeekMessageA(&peeked, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL)
    {
        m_nFlags &= ~WF_CONTINUEMODAL;
        // Wakes the loop up if it waits in GetMessage.
        PostMessage(WM_NULL);
    }
}

HWND PASCAL CWnd::GetSafeOwner_(HWND hParent, HWND* pWndTop)
{
    HWND hWnd = hParent;
    if (hWnd == nullptr)
    {
        CWnd* mainWnd = AfxGetMainWnd();
        hWnd = mainWnd != nullptr ? mainWnd->m_hWnd : nullptr;
    }
    // A popup cannot be owned by a child window.
    while (hWnd != nullptr && (::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);

    HWND top = hWnd;
    for (HWND next = hWnd; next != nullptr; next = ::GetParent(next))
        top = next;

    // Without an explicit parent, the main window's most recent popup owns the new one.
    if (hParent == nullptr && hWnd != nullptr)
        hWnd = ::GetLastActivePopup(hWnd);

    if (pWndTop != nullptr)
    {
        if (top != nullptr && ::IsWindowEnabled(top) && top != hWnd)
        {
            *pWndTop = top;
            ::EnableWindow(top, FALSE);
        }
        else
        {
            *pWndTop = nullptr;
        }
    }
    return hWnd;
}

CWnd* PASCAL CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    return FromHandle(GetSafeOwner_(pParent != nullptr ? pParent->m_hWnd : nullptr, pWndTop));
}
