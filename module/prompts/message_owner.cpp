// The choice of a message box's owner (see message_owner.h).
//
// The foreground window is always a top-level window, so a window "belonging" to the main
// window is one whose chain of GetParent (which gives a pop-up's owner) reaches it; a strict
// child window could never be the one in the foreground.
#include "prompts/message_owner.h"

namespace
{

bool IsOrBelongsTo(HWND hWnd, HWND hMain)
{
    for (HWND h = hWnd; h != NULL; h = ::GetParent(h))
    {
        if (h == hMain)
            return true;
    }
    return false;
}

} // namespace

namespace quarnel
{

CWnd* ChooseMessageBoxOwner()
{
    CWnd* pMain = AfxGetMainWnd();
    CWnd* pForeground = CWnd::GetForegroundWindow();
    if (pMain == NULL || pForeground == NULL ||
        !IsOrBelongsTo(pForeground->GetSafeHwnd(), pMain->GetSafeHwnd()))
        return pMain;
    return pForeground->SendMessage(WM_QUARNEL_MESSAGEBOX_OWNER) == 1 ? pMain : pForeground;
}

} // namespace quarnel
