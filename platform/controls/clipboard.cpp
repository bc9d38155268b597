// The clipboard: one per process, shared by every thread, holding global memory handles by
// format.
//
// A thread opens the clipboard (another thread's OpenClipboard then fails with
// ERROR_ACCESS_DENIED until it is closed), empties it to become its owner, and hands over
// global memory with SetClipboardData; from then on the clipboard frees that memory.
//
// Does not do: delayed rendering (SetClipboardData with a null handle), the synthesised
// conversions between CF_TEXT, CF_OEMTEXT and CF_UNICODETEXT, clipboard viewers and format
// listeners, registered formats, or WM_DESTROYCLIPBOARD / WM_RENDERFORMAT to the owner.

#include <windows.h>

#include <map>
#include <mutex>

namespace
{

struct Clipboard
{
    std::mutex mutex;
    DWORD openThread = 0;
    HWND openWindow = nullptr;
    HWND owner = nullptr;
    std::map<UINT, HANDLE> data;
};

Clipboard& TheClipboard()
{
    static auto* clipboard = new Clipboard;
    return *clipboard;
}

bool OpenedByCaller(const Clipboard& c)
{
    return c.openThread != 0 && c.openThread == GetCurrentThreadId();
}

} // namespace

BOOL WINAPI OpenClipboard(HWND owner)
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (c.openThread != 0 && c.openThread != GetCurrentThreadId())
    {
        SetLastError(ERROR_ACCESS_DENIED);
        return FALSE;
    }
    c.openThread = GetCurrentThreadId();
    c.openWindow = owner;
    return TRUE;
}

BOOL WINAPI CloseClipboard()
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (!OpenedByCaller(c))
    {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    c.openThread = 0;
    c.openWindow = nullptr;
    return TRUE;
}

BOOL WINAPI EmptyClipboard()
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (!OpenedByCaller(c))
    {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return FALSE;
    }
    for (auto& [format, mem] : c.data)
        GlobalFree(mem);
    c.data.clear();
    c.owner = c.openWindow;
    return TRUE;
}

HANDLE WINAPI SetClipboardData(UINT format, HANDLE mem)
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (!OpenedByCaller(c))
    {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    if (!mem || format == 0)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto [it, added] = c.data.emplace(format, mem);
    if (!added && it->second != mem)
    {
        GlobalFree(it->second);
        it->second = mem;
    }
    return mem;
}

HANDLE WINAPI GetClipboardData(UINT format)
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    if (!OpenedByCaller(c))
    {
        SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
        return nullptr;
    }
    auto it = c.data.find(format);
    return it == c.data.end() ? nullptr : it->second;
}

BOOL WINAPI IsClipboardFormatAvailable(UINT format)
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    return c.data.count(format) ? TRUE : FALSE;
}

HWND WINAPI GetOpenClipboardWindow()
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    return c.openThread ? c.openWindow : nullptr;
}

HWND WINAPI GetClipboardOwner()
{
    Clipboard& c = TheClipboard();
    std::lock_guard lock(c.mutex);
    return c.owner;
}
