// Keyboard focus, window activation, the foreground window and mouse capture.
//
// Does not do: attached thread input (focus is per thread, as for unattached threads),
// WM_ACTIVATEAPP (there is one process), or foreground-lock rules (any thread may take the
// foreground).

#include "user/queue.h"
#include "platform/user.h"

namespace platform
{
namespace
{

HWND g_foreground = nullptr;
HWND g_capture = nullptr;

void SetFocusWindow(ThreadQueue* q, HWND hwnd)
{
    HWND previous;
    {
        std::lock_guard g(Lock());
        previous = q->focus;
        if (previous == hwnd)
            return;
        q->focus = hwnd;
    }
    if (previous && IsWindow(previous))
        SendMessageA(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(hwnd), 0);
    {
        std::lock_guard g(Lock());
        if (q->focus != hwnd)
            return;
    }
    if (hwnd)
    {
        SendMessageA(hwnd, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
        // The dialog manager moves the default push button with the focus, in every dialog
        // that contains the new focus (a wizard page and its frame both have buttons).
        std::vector<HWND> dialogs;
        {
            std::lock_guard g(Lock());
            Window* fw = FromHandle(hwnd);
            for (Window* d = fw ? fw->parent : nullptr; d && d != Desktop(); d = d->parent)
                if (IsDialogWindow(d))
                    dialogs.push_back(d->handle);
        }
        for (HWND d : dialogs)
            DialogFocusChanged(d, hwnd);
    }
}

bool CanActivate(Window* w)
{
    return w && !w->dead && !w->destroying && (w->style & WS_VISIBLE) && !(w->style & WS_DISABLED);
}

} // namespace

HWND CaptureWindow()
{
    std::lock_guard g(Lock());
    return g_capture;
}

void ActivateWindow(Window* top, bool byMouse, bool setFocus)
{
    ThreadQueue* q = CurrentQueue();
    HWND old;
    const HWND hwnd = top ? top->handle : nullptr;
    {
        std::lock_guard g(Lock());
        old = q->active;
        if (hwnd)
            g_foreground = hwnd;
        else if (g_foreground == old)
            g_foreground = nullptr;
        if (old == hwnd)
            return;
        q->active = hwnd;
        if (top)
        {
            // The root owner remembers its last active popup, for GetLastActivePopup.
            Window* root = top;
            while (root->owner)
                root = root->owner;
            root->lastActivePopup = hwnd;
        }
    }
    if (old && IsWindow(old))
    {
        SendMessageA(old, WM_NCACTIVATE, FALSE, 0);
        SendMessageA(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), reinterpret_cast<LPARAM>(hwnd));
    }
    if (hwnd && IsWindow(hwnd))
    {
        SendMessageA(hwnd, WM_NCACTIVATE, TRUE, 0);
        SendMessageA(hwnd, WM_ACTIVATE, MAKEWPARAM(byMouse ? WA_CLICKACTIVE : WA_ACTIVE, 0),
                     reinterpret_cast<LPARAM>(old));
    }
    if (!setFocus)
        return;
    HWND focus;
    {
        std::lock_guard g(Lock());
        focus = q->focus;
        if (q->active != hwnd)
            return;
    }
    if (!hwnd)
        SetFocusWindow(q, nullptr);
    else if (!focus || GetAncestor(focus, GA_ROOT) != hwnd)
        SetFocusWindow(q, IsWindow(hwnd) ? hwnd : nullptr);
}

void WindowHiddenOrDestroyed(Window* w)
{
    ThreadQueue* q = CurrentQueue();
    HWND focus, active;
    {
        std::lock_guard g(Lock());
        focus = q->focus;
        active = q->active;
        if (g_capture && (g_capture == w->handle || IsDescendant(w, FromHandle(g_capture))))
        {
            g_capture = nullptr;
            q->capture = nullptr;
        }
    }
    Window* focusWindow = OwnWindow(focus);
    const bool focusInside = focusWindow && (focusWindow == w || IsDescendant(w, focusWindow));
    if (!IsTopLevel(w))
    {
        if (focusInside)
            SetFocus(w->parent && w->parent != Desktop() ? w->parent->handle : nullptr);
        return;
    }
    if (active != w->handle)
    {
        if (focusInside)
            SetFocusWindow(q, nullptr);
        return;
    }
    // The owner takes over, else the topmost other window of this thread, else nobody.
    Window* next = nullptr;
    {
        std::lock_guard g(Lock());
        if (CanActivate(w->owner) && w->owner->queue == q)
            next = w->owner;
        else
            for (Window* c : Desktop()->children)
                if (c != w && c->queue == q && CanActivate(c))
                {
                    next = c;
                    break;
                }
    }
    ActivateWindow(next, false);
    if (!next)
        SetFocusWindow(q, nullptr);
}

} // namespace platform

using namespace platform;

HWND WINAPI SetFocus(HWND hwnd)
{
    ThreadQueue* q = CurrentQueue();
    HWND previous;
    {
        std::lock_guard g(Lock());
        previous = q->focus;
    }
    if (!hwnd)
    {
        SetFocusWindow(q, nullptr);
        return previous;
    }
    Window* w = OwnWindow(hwnd);
    if (!w)
    {
        SetLastError(IsWindow(hwnd) ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
    }
    Window* top;
    {
        std::lock_guard g(Lock());
        // Neither a disabled window nor a window inside a disabled one takes the focus.
        for (Window* x = w; x && x != Desktop(); x = x->parent)
            if (x->style & WS_DISABLED)
                return nullptr;
        top = TopLevelOf(w);
    }
    bool blocked = false;
    CallCbtHook(HCBT_SETFOCUS, reinterpret_cast<WPARAM>(hwnd), reinterpret_cast<LPARAM>(previous),
                blocked);
    if (q->active != top->handle)
    {
        ActivateWindow(top, false, false);
        if (!IsWindow(hwnd))
            return nullptr;
    }
    SetFocusWindow(q, hwnd);
    return previous;
}

HWND WINAPI GetFocus()
{
    ThreadQueue* q = CurrentQueue();
    std::lock_guard g(Lock());
    return q->focus;
}

HWND WINAPI SetActiveWindow(HWND hwnd)
{
    ThreadQueue* q = CurrentQueue();
    HWND previous;
    {
        std::lock_guard g(Lock());
        previous = q->active;
    }
    if (!hwnd)
    {
        ActivateWindow(nullptr, false);
        return previous;
    }
    Window* w = OwnWindow(hwnd);
    if (!w)
        return nullptr;
    ActivateWindow(TopLevelOf(w), false);
    return previous;
}

HWND WINAPI GetActiveWindow()
{
    ThreadQueue* q = CurrentQueue();
    std::lock_guard g(Lock());
    return q->active;
}

HWND WINAPI GetForegroundWindow()
{
    std::lock_guard g(Lock());
    if (g_foreground && !FromHandle(g_foreground))
        g_foreground = nullptr;
    return g_foreground;
}

BOOL WINAPI SetForegroundWindow(HWND hwnd)
{
    HWND top = GetAncestor(hwnd, GA_ROOT);
    if (!top)
        return FALSE;
    {
        std::lock_guard g(Lock());
        g_foreground = top;
    }
    RunOnWindowThread(top, [top] {
        if (Window* w = OwnWindow(top))
            ActivateWindow(w, false);
        return LRESULT{0};
    });
    return TRUE;
}

DWORD PlatformForegroundThread()
{
    std::lock_guard g(Lock());
    Window* w = FromHandle(g_foreground);
    return w ? w->threadId : 0;
}

HWND WINAPI SetCapture(HWND hwnd)
{
    ThreadQueue* q = CurrentQueue();
    HWND previous;
    {
        std::lock_guard g(Lock());
        previous = g_capture;
        if (hwnd && !OwnWindow(hwnd))
            return nullptr;
        g_capture = hwnd;
        q->capture = hwnd;
    }
    if (previous && previous != hwnd)
        SendMessageA(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(hwnd));
    return previous;
}

HWND WINAPI GetCapture()
{
    ThreadQueue* q = CurrentQueue();
    std::lock_guard g(Lock());
    return q->capture;
}

BOOL WINAPI ReleaseCapture()
{
    ThreadQueue* q = CurrentQueue();
    HWND previous;
    {
        std::lock_guard g(Lock());
        previous = q->capture;
        if (g_capture == previous)
            g_capture = nullptr;
        q->capture = nullptr;
    }
    if (previous)
        SendMessageA(previous, WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

BOOL WINAPI GetGUIThreadInfo(DWORD threadId, PGUITHREADINFO info)
{
    if (!info)
        return FALSE;
    std::shared_ptr<ThreadQueue> q;
    if (threadId == 0)
    {
        std::lock_guard g(Lock());
        Window* w = FromHandle(g_foreground);
        if (!w)
            return FALSE;
        threadId = w->threadId;
    }
    q = QueueOfThread(threadId);
    if (!q)
        return FALSE;
    std::lock_guard g(Lock());
    info->flags = q->moveSize ? GUI_INMOVESIZE : 0;
    info->hwndActive = q->active;
    info->hwndFocus = q->focus;
    info->hwndCapture = q->capture;
    info->hwndMenuOwner = nullptr;
    info->hwndMoveSize = q->moveSize;
    info->hwndCaret = nullptr;
    info->rcCaret = RECT{};
    return TRUE;
}
