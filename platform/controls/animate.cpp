// The "SysAnimate32" control: plays an AVI clip, frame by frame, on a timer.
//
// ACM_OPEN takes a clip from a file path, or from an "AVI" resource of the module that wParam
// names (a resource name is tried first, then a file of that name; an ordinal is always a
// resource, of the control's own module when wParam is NULL). A clip that cannot be read leaves the
// control empty and ACM_OPEN returns FALSE, as does NULL, which closes the clip. Without ACS_CENTER
// the control takes the clip's frame size; with it the frame is centred in the control.
// ACS_AUTOPLAY starts playing the whole clip over and over as soon as it is open.
//
// ACM_PLAY plays frames `from` to `to` (-1: the last frame) `repeat` times (-1: until stopped),
// advancing one frame per the clip's frame time on a timer of the control's own thread, and
// reports ACN_START and, when the repeats are done or ACM_STOP ends it, ACN_STOP to the parent
// in WM_COMMAND. A range of one frame only shows that frame (a seek), without notifications.
// ACM_PLAY while the clip plays changes nothing and succeeds, as on Windows.
//
// Frames are not decoded: the frame area shows a box with the frame counter, "[ 3/12 ]"
// (the current frame counted from one, and the frame count).
//
// Does not do:
// - decoding or drawing the frames' pictures (the box stands in for them);
// - ACS_TRANSPARENT's transparent colour: the background always comes from the parent's
//   WM_CTLCOLORSTATIC, with or without it;
// - ACS_TIMER's difference: every clip plays on a timer, none on a thread of its own;
// - Unicode: ACM_OPENW fails;
// - a repeat count of 0, which plays the range once (Windows' result is not documented).

#include "controls/animate.h"
#include "user/window.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>

namespace platform::animate
{
namespace
{

constexpr int DataSlot = 0;
constexpr UINT_PTR PlayTimer = 1;
// The frame time of a clip whose header gives none: a fifteenth of a second.
constexpr DWORD DefaultMicroSecondsPerFrame = 66667;
// The size of one character of text, which the frame's stand-in is laid out in.
constexpr int CellWidth = 6;
constexpr int CellHeight = 13;

struct Animation
{
    HWND hwnd = nullptr;
    HWND notify = nullptr;
    HFONT font = nullptr;

    std::optional<AviInfo> clip;
    int frame = 0;
    int from = 0;
    int to = 0;
    // Plays left, counting the current one; -1 plays until stopped.
    int repeat = 0;
    bool playing = false;

    int depth = 0;
    bool dead = false;
};

Animation* DataOf(HWND hwnd)
{
    return reinterpret_cast<Animation*>(GetWindowLongPtrA(hwnd, DataSlot));
}

DWORD StyleOf(const Animation& a)
{
    return static_cast<DWORD>(GetWindowLongA(a.hwnd, GWL_STYLE));
}

void Invalidate(Animation& a)
{
    if (!a.dead)
        InvalidateRect(a.hwnd, nullptr, TRUE);
}

void Notify(Animation& a, WORD code)
{
    if (a.dead)
        return;
    HWND target = a.notify ? a.notify : GetParent(a.hwnd);
    if (target && IsWindow(target))
        SendMessageA(target, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(a.hwnd), code),
                     reinterpret_cast<LPARAM>(a.hwnd));
}

// ---- Clips ----

std::optional<AviInfo> FromFile(const char* name)
{
    std::string path = name;
    std::ifstream file(path, std::ios::binary);
    if (!file)
    {
        // Paths written the Windows way are tried with forward slashes too.
        std::replace(path.begin(), path.end(), '\\', '/');
        file.open(path, std::ios::binary);
        if (!file)
            return std::nullopt;
    }
    file.seekg(0, std::ios::end);
    const std::streamoff size = file.tellg();
    if (size < 0)
        return std::nullopt;
    return ReadAviInfo(static_cast<std::uint64_t>(size),
                       [&file](std::uint64_t offset, void* out, std::size_t count) {
                           file.clear();
                           file.seekg(static_cast<std::streamoff>(offset));
                           return static_cast<bool>(file.read(static_cast<char*>(out),
                                                              static_cast<std::streamsize>(count)));
                       });
}

std::optional<AviInfo> FromResource(HINSTANCE module, LPCSTR name)
{
    HRSRC resource = FindResourceA(module, name, "AVI");
    if (!resource)
        return std::nullopt;
    const void* data = LockResource(LoadResource(module, resource));
    return ParseAvi(data, SizeofResource(module, resource));
}

std::optional<AviInfo> Load(HWND hwnd, HINSTANCE module, LPCSTR name)
{
    if (IS_INTRESOURCE(name))
    {
        // Without a module, an ordinal names a resource of the control's own module.
        if (!module)
            module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(hwnd, GWLP_HINSTANCE));
        return FromResource(module ? module : GetModuleHandleA(nullptr), name);
    }
    if (module)
    {
        if (auto clip = FromResource(module, name))
            return clip;
    }
    return FromFile(name);
}

// ---- Frames ----

SIZE FrameSize(const Animation& a)
{
    if (!a.clip)
        return SIZE{};
    return SIZE{static_cast<LONG>(a.clip->width), static_cast<LONG>(a.clip->height)};
}

RECT FrameRect(const Animation& a)
{
    const SIZE size = FrameSize(a);
    RECT frame{0, 0, size.cx, size.cy};
    if (StyleOf(a) & ACS_CENTER)
    {
        RECT client{};
        GetClientRect(a.hwnd, &client);
        OffsetRect(&frame, (client.right - size.cx) / 2, (client.bottom - size.cy) / 2);
    }
    return frame;
}

// Makes the control the frame's size, keeping its top-left corner, unless ACS_CENTER.
void FitToFrame(Animation& a)
{
    if (!a.clip || (StyleOf(a) & ACS_CENTER))
        return;
    RECT window{};
    RECT client{};
    GetWindowRect(a.hwnd, &window);
    GetClientRect(a.hwnd, &client);
    const SIZE size = FrameSize(a);
    SetWindowPos(a.hwnd, nullptr, 0, 0, size.cx + (window.right - window.left) - client.right,
                 size.cy + (window.bottom - window.top) - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void ShowFrame(Animation& a, int frame)
{
    a.frame = frame;
    Invalidate(a);
}

// ---- Playing ----

UINT FrameInterval(const Animation& a)
{
    const DWORD micro = a.clip && a.clip->microSecondsPerFrame ? a.clip->microSecondsPerFrame
                                                               : DefaultMicroSecondsPerFrame;
    return std::max<UINT>(1, static_cast<UINT>(micro / 1000));
}

void Stop(Animation& a)
{
    if (!a.playing)
        return;
    a.playing = false;
    if (!a.dead)
        KillTimer(a.hwnd, PlayTimer);
    Notify(a, ACN_STOP);
}

LRESULT OnPlay(Animation& a, WPARAM repeat, LPARAM range)
{
    if (!a.clip)
        return FALSE;
    if (a.playing)
        return TRUE;
    const int last = static_cast<int>(a.clip->frames) - 1;
    const int from = LOWORD(range);
    const int to = HIWORD(range) == 0xFFFF ? last : HIWORD(range);
    if (from > last || to > last || from > to)
        return FALSE;
    if (from == to)
    {
        ShowFrame(a, from);
        return TRUE;
    }
    a.from = from;
    a.to = to;
    const int count = static_cast<int>(repeat);
    a.repeat = count < 0 ? -1 : std::max(1, count);
    a.playing = true;
    ShowFrame(a, from);
    SetTimer(a.hwnd, PlayTimer, FrameInterval(a), nullptr);
    Notify(a, ACN_START);
    return TRUE;
}

// One frame time has passed: the next frame, or the start of the range again, or the end.
void OnTimer(Animation& a)
{
    if (!a.playing)
    {
        KillTimer(a.hwnd, PlayTimer);
        return;
    }
    if (a.frame < a.to)
    {
        ShowFrame(a, a.frame + 1);
        return;
    }
    if (a.repeat < 0 || --a.repeat > 0)
    {
        ShowFrame(a, a.from);
        return;
    }
    Stop(a);
}

void Close(Animation& a)
{
    Stop(a);
    a.clip.reset();
    a.frame = 0;
    Invalidate(a);
}

LRESULT OnOpen(Animation& a, WPARAM module, LPARAM lParam)
{
    Close(a);
    auto name = reinterpret_cast<LPCSTR>(lParam);
    if (!name || a.dead)
        return FALSE;
    a.clip = Load(a.hwnd, reinterpret_cast<HINSTANCE>(module), name);
    if (!a.clip)
        return FALSE;
    FitToFrame(a);
    Invalidate(a);
    if (StyleOf(a) & ACS_AUTOPLAY)
        OnPlay(a, static_cast<WPARAM>(-1), MAKELONG(0, 0xFFFF));
    return TRUE;
}

// ---- Painting ----

// The frame's stand-in: a box with the frame counter in its middle; a frame less than three
// rows high is the one-line "[ 3/12 ]" on its middle row.
void PaintPlaceholder(Animation& a, HDC hdc)
{
    RECT frame = FrameRect(a);
    char counter[32];
    std::snprintf(counter, sizeof counter, "%d/%lu", a.frame + 1,
                  static_cast<unsigned long>(a.clip->frames));
    SetBkMode(hdc, TRANSPARENT);
    const int rows = (frame.bottom - frame.top) / CellHeight;
    if (rows >= 3)
    {
        DrawEdge(hdc, &frame, EDGE_SUNKEN, BF_RECT | BF_ADJUST);
        DrawTextA(hdc, counter, -1, &frame, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        return;
    }
    const int columns = std::max(1, static_cast<int>(frame.right - frame.left) / CellWidth);
    const std::string text = std::string(counter).substr(0, static_cast<std::size_t>(columns));
    std::string line(static_cast<std::size_t>(columns), ' ');
    if (columns >= static_cast<int>(text.size()) + 2)
    {
        line.front() = '[';
        line.back() = ']';
    }
    line.replace((line.size() - text.size()) / 2, text.size(), text);
    const int y =
        frame.top + std::max(0, static_cast<int>(frame.bottom - frame.top - CellHeight) / 2);
    TextOutA(hdc, frame.left, y, line.c_str(), static_cast<int>(line.size()));
}

void Paint(Animation& a, HDC hdc)
{
    RECT client{};
    GetClientRect(a.hwnd, &client);
    if (!hdc || IsRectEmpty(&client))
        return;
    const int saved = SaveDC(hdc);
    HWND parent = GetParent(a.hwnd);
    auto brush = reinterpret_cast<HBRUSH>(parent ? SendMessageA(parent, WM_CTLCOLORSTATIC,
                                                                reinterpret_cast<WPARAM>(hdc),
                                                                reinterpret_cast<LPARAM>(a.hwnd))
                                                 : 0);
    FillRect(hdc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    if (a.clip && !a.dead)
    {
        if (a.font)
            SelectObject(hdc, a.font);
        PaintPlaceholder(a, hdc);
    }
    RestoreDC(hdc, saved);
}

LRESULT OnPaint(Animation& a)
{
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(a.hwnd, &ps);
    Paint(a, hdc);
    EndPaint(a.hwnd, &ps);
    return 0;
}

LRESULT Dispatch(Animation& a, UINT msg, WPARAM wParam, LPARAM lParam)
{
    switch (msg)
    {
    case WM_CREATE: {
        const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        a.notify = cs ? cs->hwndParent : GetParent(a.hwnd);
        return 0;
    }
    case WM_DESTROY:
        // Gone without a word: the parent is being destroyed too, or has let the control go.
        a.playing = false;
        KillTimer(a.hwnd, PlayTimer);
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        return OnPaint(a);
    case WM_PRINTCLIENT:
        Paint(a, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SIZE:
    case WM_STYLECHANGED:
        Invalidate(a);
        return 0;
    case WM_SETFONT:
        a.font = reinterpret_cast<HFONT>(wParam);
        if (LOWORD(lParam))
            Invalidate(a);
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(a.font);
    case WM_TIMER:
        if (wParam == PlayTimer)
        {
            OnTimer(a);
            return 0;
        }
        break;
    case WM_NCHITTEST:
        // The picture lets clicks through to what lies beneath, as a static does.
        return HTTRANSPARENT;
    case ACM_OPENA:
        return OnOpen(a, wParam, lParam);
    case ACM_OPENW:
        return FALSE;
    case ACM_PLAY:
        return OnPlay(a, wParam, lParam);
    case ACM_STOP:
        Stop(a);
        return TRUE;
    case ACM_ISPLAYING:
        return a.playing;
    }
    return DefWindowProcA(a.hwnd, msg, wParam, lParam);
}

LRESULT CALLBACK AnimateWndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
    {
        auto* a = new Animation;
        a->hwnd = hwnd;
        SetWindowLongPtrA(hwnd, DataSlot, reinterpret_cast<LONG_PTR>(a));
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    Animation* a = DataOf(hwnd);
    if (!a)
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
    {
        // Handlers further up the stack may still hold the control; the last one out frees it.
        a->dead = true;
        SetWindowLongPtrA(hwnd, DataSlot, 0);
        if (a->depth == 0)
            delete a;
        return DefWindowProcA(hwnd, msg, wParam, lParam);
    }
    ++a->depth;
    const LRESULT result = Dispatch(*a, msg, wParam, lParam);
    if (--a->depth == 0 && a->dead)
        delete a;
    return result;
}

platform::SystemClass animateClass({ANIMATE_CLASSA, CS_DBLCLKS, AnimateWndProc,
                                    static_cast<int>(sizeof(Animation*)), IDC_ARROW, -1});

} // namespace
} // namespace platform::animate
