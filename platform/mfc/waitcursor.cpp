// The hourglass: a nesting count of Begin/EndWaitCursor calls that keeps the wait cursor up
// while it is positive and puts back the cursor that was current when it first went up.
//
// Does NOT do:
// - Re-apply the wait cursor on WM_SETCURSOR by itself: windows that change the cursor while
//   the count is positive call RestoreWaitCursor, as in MFC.
#include <afxwin.h>

namespace
{

// MFC keeps the count in the application object; code that runs without one (a library used
// by a plain Win32 host) keeps it in the module state instead.
void ApplyWaitCursor(int& count, HCURSOR& restore, int nCode)
{
    AfxLockGlobals(CRIT_WAITCURSOR);
    count += nCode;
    if (count > 0)
    {
        HCURSOR previous = ::SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
        if (nCode > 0 && count == 1)
            restore = previous;
    }
    else
    {
        // More ends than begins must not leave the count below zero.
        count = 0;
        ::SetCursor(restore);
    }
    AfxUnlockGlobals(CRIT_WAITCURSOR);
}

void WaitCursor(int nCode)
{
    CWinApp* app = AfxGetApp();
    if (app != nullptr)
    {
        app->DoWaitCursor(nCode);
        return;
    }
    AFX_MODULE_STATE* state = AfxGetModuleState();
    ApplyWaitCursor(state->m_nWaitCursorCount, state->m_hcurWaitCursorRestore, nCode);
}

} // namespace

void CWinApp::DoWaitCursor(int nCode)
{
    ApplyWaitCursor(m_nWaitCursorCount, m_hcurWaitCursorRestore, nCode);
}

void CCmdTarget::BeginWaitCursor()
{
    WaitCursor(1);
}

void CCmdTarget::EndWaitCursor()
{
    WaitCursor(-1);
}

void CCmdTarget::RestoreWaitCursor()
{
    WaitCursor(0);
}

CWaitCursor::CWaitCursor()
{
    WaitCursor(1);
}

CWaitCursor::~CWaitCursor()
{
    WaitCursor(-1);
}

void CWaitCursor::Restore()
{
    WaitCursor(0);
}
