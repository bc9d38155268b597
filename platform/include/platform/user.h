// The window manager's own extensions, for tests, the simulated user and host programs.
#pragma once
#include <windows.h>

// Waits until the thread is idle: blocked waiting for messages with nothing queued for it.
// Returns FALSE when the timeout passes first or the thread has no message queue.
extern "C" __attribute__((visibility("default"))) BOOL PlatformWaitForIdle(DWORD threadId,
                                                                           DWORD timeoutMs);
// How many times MessageBeep has been called in this process.
extern "C" __attribute__((visibility("default"))) LONG PlatformBeepCount();
// The thread that owns the foreground window, or 0.
extern "C" __attribute__((visibility("default"))) DWORD PlatformForegroundThread();
