// The owner of a message box that the host asks for through an export. The host may be busy in
// a window of its own (one of its forms, say) when it asks; that window is asked whether the
// box should rather belong to the main window.
//
// It does NOT:
// - ask a foreground window that does not belong to the main window: such a box simply belongs
//   to the main window.
#pragma once

#include <afxwin.h>

// Sent to the foreground window, without parameters, when it is the host's main window or
// belongs to it; a reply of 1 makes the main window the owner.
#define WM_QUARNEL_MESSAGEBOX_OWNER (WM_USER + 210)

namespace quarnel
{

// The owner for a box shown from an export, on the host's user-interface thread: the
// foreground window F when F is the main window M or belongs to it (its chain of parents,
// owners included, reaches M) and does not answer 1 to WM_QUARNEL_MESSAGEBOX_OWNER; else M.
CWnd* ChooseMessageBoxOwner();

} // namespace quarnel
