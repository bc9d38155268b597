// The calling thread's part of CWnd's machinery: the message being handled, the window being
// created, and the window whose notifications UpdateData holds back.
#pragma once
#include <afxwin.h>

namespace platform::mfc
{

struct WndThreadState
{
    // What Default() and ReflectLastMsg work on: the message AfxCallWndProc is running.
    MSG lastSentMsg{};
    // The CWnd that the next window created on this thread belongs to.
    CWnd* wndInit = nullptr;
    HHOOK cbtHook = nullptr;
    // Notifications from the children of this window are dropped (UpdateData is running).
    HWND lockoutNotifyWindow = nullptr;
};

WndThreadState& ThisThreadWndState();

// Reports an exception that a message handler let out, on standard error.
void ReportHandlerException(const char* where, UINT message, const char* what);

} // namespace platform::mfc
