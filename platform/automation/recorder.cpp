// MessageRecorder: subclassing watched windows and recording what they receive.
//
// Does not do: telling sent from posted messages, or a window procedure's own calls to
// DefWindowProcA (it records what reaches the window, as a subclass sees it). One recorder per
// window at a time: watching a window again hands it to the newer recorder.

#include "platform/recorder.h"
#include "user/window.h"

#include <algorithm>
#include <unordered_map>

namespace platform
{

// The subclass procedure's view of the recorders, kept apart from the public class.
struct RecorderAccess
{
    static void Record(MessageRecorder* r, const RecordedMessage& m) { r->Record(m); }
    static void Forget(MessageRecorder* r, HWND hwnd)
    {
        std::lock_guard g(r->mutex);
        std::erase(r->watched, hwnd);
    }
};

namespace
{

struct Subclass
{
    WNDPROC original = nullptr;
    // Null once the recorder has stopped but the window could not be given its procedure back.
    MessageRecorder* recorder = nullptr;
    std::string name;
    bool all = false;
    bool notifications = false;
};

// Guards the table and every recorder pointer in it; taken before a recorder's own mutex.
std::mutex g_mutex;
std::unordered_map<HWND, Subclass> g_subclasses;

LRESULT CALLBACK RecordingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    WNDPROC original = nullptr;
    {
        std::lock_guard g(g_mutex);
        auto it = g_subclasses.find(hwnd);
        if (it == g_subclasses.end())
            return DefWindowProcA(hwnd, msg, wParam, lParam);
        const Subclass& s = it->second;
        original = s.original;
        if (s.recorder && s.all)
            RecorderAccess::Record(s.recorder,
                                   RecordedMessage{hwnd, s.name, msg, wParam, lParam, false});
        if (s.recorder && s.notifications && (msg == WM_COMMAND || msg == WM_NOTIFY))
        {
            // A notification's NMHDR lives only as long as the message; keep its code.
            LPARAM detail = lParam;
            if (msg == WM_NOTIFY && lParam)
                detail = static_cast<LPARAM>(reinterpret_cast<const NMHDR*>(lParam)->code);
            RecorderAccess::Record(s.recorder,
                                   RecordedMessage{hwnd, s.name, msg, wParam, detail, true});
        }
    }
    const LRESULT result = CallWindowProcA(original, hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
    {
        std::lock_guard g(g_mutex);
        auto it = g_subclasses.find(hwnd);
        if (it != g_subclasses.end())
        {
            if (it->second.recorder)
                RecorderAccess::Forget(it->second.recorder, hwnd);
            g_subclasses.erase(it);
        }
    }
    return result;
}

} // namespace

MessageRecorder::MessageRecorder()
    : ignored{WM_NCHITTEST,    WM_SETCURSOR,         WM_MOUSEMOVE,
              WM_NCMOUSEMOVE,  WM_GETICON,           WM_PAINT,
              WM_NCPAINT,      WM_ERASEBKGND,        WM_PRINT,
              WM_PRINTCLIENT,  WM_ENTERIDLE,         WM_CTLCOLORMSGBOX,
              WM_CTLCOLOREDIT, WM_CTLCOLORLISTBOX,   WM_CTLCOLORBTN,
              WM_CTLCOLORDLG,  WM_CTLCOLORSCROLLBAR, WM_CTLCOLORSTATIC}
{
}

MessageRecorder::~MessageRecorder()
{
    std::vector<HWND> still;
    {
        std::lock_guard g(mutex);
        still = watched;
    }
    for (HWND h : still)
        Stop(h);
    // Windows whose thread has ended could not be asked; make sure none points here any more.
    std::lock_guard g(g_mutex);
    for (auto& [hwnd, s] : g_subclasses)
        if (s.recorder == this)
            s.recorder = nullptr;
}

static bool Subclassed(MessageRecorder* recorder, HWND hwnd, const char* name, bool notifications)
{
    if (!IsWindow(hwnd))
        return false;
    // Subclassing on the window's own thread keeps the swap of procedures out of the way of a
    // message being handled there.
    return RunOnWindowThread(hwnd, [&]() -> LRESULT {
               std::lock_guard g(g_mutex);
               auto it = g_subclasses.find(hwnd);
               if (it == g_subclasses.end())
               {
                   Subclass s;
                   s.original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
                   it = g_subclasses.emplace(hwnd, std::move(s)).first;
                   SetWindowLongPtrA(hwnd, GWLP_WNDPROC,
                                     reinterpret_cast<LONG_PTR>(&RecordingProc));
               }
               Subclass& s = it->second;
               if (s.recorder != recorder)
               {
                   if (s.recorder)
                       RecorderAccess::Forget(s.recorder, hwnd);
                   s.all = s.notifications = false;
               }
               s.recorder = recorder;
               s.name = name ? name : "";
               (notifications ? s.notifications : s.all) = true;
               return 1;
           }) != 0;
}

bool MessageRecorder::Watch(HWND hwnd, const char* name)
{
    if (!Subclassed(this, hwnd, name, false))
        return false;
    std::lock_guard g(mutex);
    if (std::find(watched.begin(), watched.end(), hwnd) == watched.end())
        watched.push_back(hwnd);
    return true;
}

bool MessageRecorder::WatchNotifications(HWND parent, const char* name)
{
    if (!Subclassed(this, parent, name, true))
        return false;
    std::lock_guard g(mutex);
    if (std::find(watched.begin(), watched.end(), parent) == watched.end())
        watched.push_back(parent);
    return true;
}

void MessageRecorder::Stop(HWND hwnd)
{
    {
        std::lock_guard g(mutex);
        std::erase(watched, hwnd);
    }
    RunOnWindowThread(hwnd, [&]() -> LRESULT {
        std::lock_guard g(g_mutex);
        auto it = g_subclasses.find(hwnd);
        if (it == g_subclasses.end() || it->second.recorder != this)
            return 0;
        // Someone who subclassed the window after us still calls our procedure; it stays in
        // place and only passes messages on.
        if (GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&RecordingProc))
        {
            SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(it->second.original));
            g_subclasses.erase(it);
        }
        else
            it->second.recorder = nullptr;
        return 0;
    });
}

void MessageRecorder::Ignore(UINT message)
{
    std::lock_guard g(mutex);
    ignored.insert(message);
}

void MessageRecorder::Unignore(UINT message)
{
    std::lock_guard g(mutex);
    ignored.erase(message);
}

void MessageRecorder::Record(const RecordedMessage& m)
{
    std::lock_guard g(mutex);
    if (!m.parent && ignored.count(m.message))
        return;
    messages.push_back(m);
}

std::vector<RecordedMessage> MessageRecorder::Messages() const
{
    std::lock_guard g(mutex);
    return messages;
}

void MessageRecorder::Clear()
{
    std::lock_guard g(mutex);
    messages.clear();
}

std::string MessageRecorder::Diff(std::span<const ExpectedMessage> expected, const char* context)
{
    std::vector<RecordedMessage> actual;
    {
        std::lock_guard g(mutex);
        actual.swap(messages);
    }
    return DiffMessages(actual, expected, context);
}

} // namespace platform
