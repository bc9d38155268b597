// The window manager's own view of windows, classes and thread queues.
#pragma once
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace platform
{

struct ThreadQueue;
struct DialogInfo;

struct WindowClass
{
    std::string name;
    ATOM atom = 0;
    UINT style = 0;
    WNDPROC proc = nullptr;
    int clsExtra = 0;
    int wndExtra = 0;
    HINSTANCE instance = nullptr;
    HICON icon = nullptr;
    HCURSOR cursor = nullptr;
    HBRUSH background = nullptr;
    bool global = false;
};

struct Window
{
    HWND handle = nullptr;
    WindowClass* cls = nullptr;
    std::atomic<WNDPROC> proc{nullptr};
    HINSTANCE instance = nullptr;
    // Top-level windows have the desktop as parent; owner is their owner window, if any.
    Window* parent = nullptr;
    Window* owner = nullptr;
    // Children in z-order, topmost first.
    std::vector<Window*> children;
    DWORD style = 0;
    DWORD exStyle = 0;
    std::string text;
    // Both rectangles are in the parent's client coordinates (screen for top-level windows).
    RECT window{};
    RECT client{};
    LONG_PTR id = 0;
    LONG_PTR userData = 0;
    std::vector<unsigned char> extra;
    std::vector<std::pair<std::string, HANDLE>> props;
    ThreadQueue* queue = nullptr;
    // Keeps the queue alive for threads that send or post to this window.
    std::shared_ptr<ThreadQueue> sharedQueue;
    DWORD threadId = 0;
    HWND lastActivePopup = nullptr;
    DialogInfo* dialog = nullptr; // owned; freed by DestroyDialogInfo
    bool invalid = false;
    // Frames of this window's procedure on its thread's stack; the object outlives them.
    int busy = 0;
    bool destroying = false;
    bool dead = false;
};

// The window manager's lock guards the tree and every field above that other threads can read.
// It is never held while a window procedure runs or while a thread waits.
std::recursive_mutex& Lock();

// Returns the window of a handle, or null. The caller holds the lock, or asks for a window of
// its own thread (which only its own thread can destroy).
Window* FromHandle(HWND hwnd);
// The window when it belongs to the calling thread, without taking the lock.
Window* OwnWindow(HWND hwnd);
Window* Desktop();

// Calls the window procedure on the calling thread (which owns the window).
LRESULT CallProc(Window* w, UINT msg, WPARAM wParam, LPARAM lParam);
void ReleaseWindow(Window* w);

// Geometry helpers.
RECT NonClientInsets(DWORD style, DWORD exStyle);
POINT ClientOrigin(const Window* w); // client origin in screen coordinates
RECT ScreenRect(const Window* w);    // window rectangle in screen coordinates
bool IsTopLevel(const Window* w);
bool IsDescendant(const Window* ancestor, const Window* w);
Window* TopLevelOf(Window* w);
bool IsReallyVisible(const Window* w);

WindowClass* FindClass(LPCSTR name, HINSTANCE instance);

// The system's own classes ("Button", "Edit", "#32770" ...) register themselves from a static
// initialiser in their own file; the window manager registers them before the first window.
struct SystemClassInfo
{
    const char* name;
    UINT style;
    WNDPROC proc;
    int wndExtra;
    LPCSTR cursor;
    int backgroundColor; // a COLOR_ index, or -1 for none
};
struct SystemClass
{
    explicit SystemClass(const SystemClassInfo& info);
};
void EnsureSystemClasses();

// Releases the windows of a thread that ends without destroying them; no messages are sent.
void ForgetWindowsOfQueue(ThreadQueue* q);

// Runs fn on the thread that owns hwnd (at once when that is the calling thread), the way
// Windows carries out cross-thread SetWindowPos and ShowWindow. Returns 0 when hwnd is gone.
LRESULT RunOnWindowThread(HWND hwnd, const std::function<LRESULT()>& fn);

// Thread of the calling code.
ThreadQueue* CurrentQueue();

// Hooks.
LRESULT CallCbtHook(int code, WPARAM wParam, LPARAM lParam, bool& blocked);

// Focus and activation.
void WindowHiddenOrDestroyed(Window* w);
void ActivateWindow(Window* top, bool byMouse, bool setFocus = true);
HWND CaptureWindow();

// Dialogs.
bool IsDialogWindow(const Window* w);
void DialogFocusChanged(HWND dialog, HWND newFocus);
void DestroyDialogInfo(Window* w);

} // namespace platform
