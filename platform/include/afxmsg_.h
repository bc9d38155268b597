// Message-map entry macros (ON_WM_SIZE(), ON_COMMAND(id, fn), ON_NOTIFY(code, id, fn) ...).
//
// Each entry holds a small function, instantiated for the entry's handler, that unpacks WPARAM
// and LPARAM into the handler's arguments and packs its result. The handler pointer is formed
// inside the class's own GetThisMessageMap, so protected handlers work, and a handler with the
// wrong signature is a compile error at the entry that names it.
//
// Included by <afxwin.h>; include that instead.
//
// This part does NOT do:
// - ON_UPDATE_COMMAND_UI, ON_THREAD_MESSAGE, ON_WM_ macros of messages nothing here sends
//   (menus, clipboard, DDE, palette, power, IME). ON_MESSAGE reaches any message.
#pragma once

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <utility>

namespace platform::mfc::msgmap
{

// The class, result and argument types of a member-function handler.
template <class F> struct Handler;
template <class C, class R, class... A> struct Handler<R (C::*)(A...)>
{
    using Class = C;
    using Result = R;
    template <std::size_t I> using Arg = std::tuple_element_t<I, std::tuple<A...>>;
};

template <class R> LRESULT ToResult(R value)
{
    if constexpr (std::is_pointer_v<R>)
        return reinterpret_cast<LRESULT>(value);
    else
        return static_cast<LRESULT>(value);
}

template <auto pmf, class... A> decltype(auto) Invoke(CCmdTarget* target, A&&... args)
{
    auto* object = static_cast<typename Handler<decltype(pmf)>::Class*>(target);
    return (object->*pmf)(std::forward<A>(args)...);
}

// Calls the handler and stores its value (0 for handlers returning nothing) as the result.
template <auto pmf, class... A> BOOL Call(CCmdTarget* target, AFX_MSGCALL& call, A&&... args)
{
    if constexpr (std::is_void_v<typename Handler<decltype(pmf)>::Result>)
    {
        Invoke<pmf>(target, std::forward<A>(args)...);
        *call.pResult = 0;
    }
    else
    {
        *call.pResult = ToResult(Invoke<pmf>(target, std::forward<A>(args)...));
    }
    return TRUE;
}

template <auto pmf> using Arg0 = typename Handler<decltype(pmf)>::template Arg<0>;
template <auto pmf> using Arg1 = typename Handler<decltype(pmf)>::template Arg<1>;
template <auto pmf> using Arg2 = typename Handler<decltype(pmf)>::template Arg<2>;

inline HWND ToHwnd(UINT_PTR value)
{
    return reinterpret_cast<HWND>(value);
}
inline CWnd* WndOf(UINT_PTR value)
{
    return CWnd::FromHandle(ToHwnd(value));
}
// Mouse positions are signed: a point left of or above the window is negative.
inline CPoint PointOf(LPARAM lParam)
{
    return CPoint(static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam)));
}

// ---- Window messages ----

template <auto pmf> BOOL NoArgs(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c);
}
// One pointer in lParam: CREATESTRUCT, MINMAXINFO, WINDOWPOS, HELPINFO.
template <auto pmf> BOOL LParamPointer(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, reinterpret_cast<Arg0<pmf>>(c.lParam));
}
template <auto pmf> BOOL Size(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(c.wParam), static_cast<int>(LOWORD(c.lParam)),
                     static_cast<int>(HIWORD(c.lParam)));
}
template <auto pmf> BOOL Move(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<int>(static_cast<short>(LOWORD(c.lParam))),
                     static_cast<int>(static_cast<short>(HIWORD(c.lParam))));
}
template <auto pmf> BOOL Sizing(CCmdTarget* t, AFX_MSGCALL& c)
{
    Call<pmf>(t, c, static_cast<UINT>(c.wParam), reinterpret_cast<LPRECT>(c.lParam));
    *c.pResult = TRUE;
    return TRUE;
}
// WM_KEYDOWN and relatives: key, repeat count, flags.
template <auto pmf> BOOL Key(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(c.wParam), static_cast<UINT>(LOWORD(c.lParam)),
                     static_cast<UINT>(HIWORD(c.lParam)));
}
// WM_VKEYTOITEM, WM_CHARTOITEM: key and caret index in wParam, the list box in lParam. The
// list box's CWnd may be a plain temporary CWnd; its CListBox members only use m_hWnd.
template <auto pmf> BOOL ItemKey(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(LOWORD(c.wParam)),
                     reinterpret_cast<Arg1<pmf>>(WndOf(static_cast<UINT_PTR>(c.lParam))),
                     static_cast<UINT>(HIWORD(c.wParam)));
}
template <auto pmf> BOOL Timer(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT_PTR>(c.wParam));
}
// A window handle in wParam: WM_SETFOCUS, WM_KILLFOCUS.
template <auto pmf> BOOL WndInWParam(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, WndOf(c.wParam));
}
template <auto pmf> BOOL WndInLParam(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, WndOf(static_cast<UINT_PTR>(c.lParam)));
}
// Owner-draw messages: control id in wParam, the structure in lParam; TRUE when handled.
template <auto pmf> BOOL Owner(CCmdTarget* t, AFX_MSGCALL& c)
{
    Call<pmf>(t, c, static_cast<int>(c.wParam), reinterpret_cast<Arg1<pmf>>(c.lParam));
    if constexpr (std::is_void_v<typename Handler<decltype(pmf)>::Result>)
        *c.pResult = TRUE;
    return TRUE;
}
template <auto pmf> BOOL CtlColor(CCmdTarget* t, AFX_MSGCALL& c)
{
    auto* ctl = reinterpret_cast<AFX_CTLCOLOR*>(c.lParam);
    return Call<pmf>(t, c, CDC::FromHandle(ctl->hDC), CWnd::FromHandle(ctl->hWnd), ctl->nCtlType);
}
template <auto pmf> BOOL Mouse(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(c.wParam), PointOf(c.lParam));
}
template <auto pmf> BOOL ShowWindow(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<BOOL>(c.wParam), static_cast<UINT>(c.lParam));
}
template <auto pmf> BOOL EraseBkgnd(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, CDC::FromHandle(reinterpret_cast<HDC>(c.wParam)));
}
template <auto pmf> BOOL Message(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, c.wParam, c.lParam);
}
template <auto pmf> BOOL Activate(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(LOWORD(c.wParam)),
                     WndOf(static_cast<UINT_PTR>(c.lParam)), static_cast<BOOL>(HIWORD(c.wParam)));
}
template <auto pmf> BOOL Bool(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<BOOL>(c.wParam));
}
// Scroll positions are signed 16-bit values.
template <auto pmf> BOOL Scroll(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(LOWORD(c.wParam)),
                     static_cast<UINT>(static_cast<short>(HIWORD(c.wParam))),
                     reinterpret_cast<Arg2<pmf>>(WndOf(static_cast<UINT_PTR>(c.lParam))));
}
template <auto pmf> BOOL ContextMenu(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, WndOf(c.wParam), PointOf(c.lParam));
}
template <auto pmf> BOOL SetCursor(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, WndOf(c.wParam), static_cast<UINT>(static_cast<short>(LOWORD(c.lParam))),
                     static_cast<UINT>(HIWORD(c.lParam)));
}
template <auto pmf> BOOL Point(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, PointOf(c.lParam));
}
template <auto pmf> BOOL MouseWheel(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(LOWORD(c.wParam)),
                     static_cast<short>(HIWORD(c.wParam)), PointOf(c.lParam));
}
template <auto pmf> BOOL MouseActivate(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, WndOf(c.wParam), static_cast<UINT>(LOWORD(c.lParam)),
                     static_cast<UINT>(HIWORD(c.lParam)));
}
// A number in wParam and lParam as it is: WM_PARENTNOTIFY, WM_SYSCOMMAND.
template <auto pmf> BOOL UintAndLParam(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(c.wParam), c.lParam);
}

// ---- Messages reflected to the control that caused them ----

// A NULL brush declines, and the parent's own handling goes on.
template <auto pmf> BOOL CtlColorReflect(CCmdTarget* t, AFX_MSGCALL& c)
{
    auto* ctl = reinterpret_cast<AFX_CTLCOLOR*>(c.lParam);
    HBRUSH brush = Invoke<pmf>(t, CDC::FromHandle(ctl->hDC), ctl->nCtlType);
    if (brush == nullptr)
        return FALSE;
    *c.pResult = ToResult(brush);
    return TRUE;
}
template <auto pmf> BOOL OwnerReflect(CCmdTarget* t, AFX_MSGCALL& c)
{
    Call<pmf>(t, c, reinterpret_cast<Arg0<pmf>>(c.lParam));
    if constexpr (std::is_void_v<typename Handler<decltype(pmf)>::Result>)
        *c.pResult = TRUE;
    return TRUE;
}
template <auto pmf> BOOL ItemKeyReflect(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(LOWORD(c.wParam)),
                     static_cast<UINT>(HIWORD(c.wParam)));
}
template <auto pmf> BOOL ScrollReflect(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, static_cast<UINT>(LOWORD(c.wParam)),
                     static_cast<UINT>(static_cast<short>(HIWORD(c.wParam))));
}

// ---- Commands and notifications ----

template <auto pmf> BOOL Command(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c);
}
template <auto pmf> BOOL CommandRange(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Call<pmf>(t, c, c.nID);
}
// _EX handlers say whether they handled the command.
template <auto pmf> BOOL CommandEx(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Invoke<pmf>(t, c.nID) ? TRUE : FALSE;
}
template <auto pmf> BOOL CommandReflectEx(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Invoke<pmf>(t) ? TRUE : FALSE;
}
inline AFX_NOTIFY* NotifyOf(AFX_MSGCALL& c)
{
    return static_cast<AFX_NOTIFY*>(c.pExtra);
}
template <auto pmf> BOOL Notify(CCmdTarget* t, AFX_MSGCALL& c)
{
    Invoke<pmf>(t, NotifyOf(c)->pNMHDR, NotifyOf(c)->pResult);
    return TRUE;
}
template <auto pmf> BOOL NotifyRange(CCmdTarget* t, AFX_MSGCALL& c)
{
    Invoke<pmf>(t, c.nID, NotifyOf(c)->pNMHDR, NotifyOf(c)->pResult);
    return TRUE;
}
template <auto pmf> BOOL NotifyEx(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Invoke<pmf>(t, c.nID, NotifyOf(c)->pNMHDR, NotifyOf(c)->pResult) ? TRUE : FALSE;
}
template <auto pmf> BOOL NotifyReflectEx(CCmdTarget* t, AFX_MSGCALL& c)
{
    return Invoke<pmf>(t, NotifyOf(c)->pNMHDR, NotifyOf(c)->pResult) ? TRUE : FALSE;
}

// Control ids and notification codes are kept as WORDs, as WM_COMMAND carries them.
constexpr UINT Word(long long value)
{
    return static_cast<WORD>(value);
}

} // namespace platform::mfc::msgmap

#define AFX_MSGMAP_THUNK(kind, fn) (&::platform::mfc::msgmap::kind<fn>)
#define AFX_WM_ENTRY(message, kind, fn) {message, 0, 0, 0, nullptr, AFX_MSGMAP_THUNK(kind, fn)},

// ---- Window messages ----
#define ON_WM_CREATE() AFX_WM_ENTRY(WM_CREATE, LParamPointer, &ThisClass::OnCreate)
#define ON_WM_NCCREATE() AFX_WM_ENTRY(WM_NCCREATE, LParamPointer, &ThisClass::OnNcCreate)
#define ON_WM_DESTROY() AFX_WM_ENTRY(WM_DESTROY, NoArgs, &ThisClass::OnDestroy)
#define ON_WM_NCDESTROY() AFX_WM_ENTRY(WM_NCDESTROY, NoArgs, &ThisClass::OnNcDestroy)
#define ON_WM_CLOSE() AFX_WM_ENTRY(WM_CLOSE, NoArgs, &ThisClass::OnClose)
#define ON_WM_SIZE() AFX_WM_ENTRY(WM_SIZE, Size, &ThisClass::OnSize)
#define ON_WM_SIZING() AFX_WM_ENTRY(WM_SIZING, Sizing, &ThisClass::OnSizing)
#define ON_WM_MOVE() AFX_WM_ENTRY(WM_MOVE, Move, &ThisClass::OnMove)
#define ON_WM_GETMINMAXINFO()                                                                      \
    AFX_WM_ENTRY(WM_GETMINMAXINFO, LParamPointer, &ThisClass::OnGetMinMaxInfo)
#define ON_WM_WINDOWPOSCHANGING()                                                                  \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGING, LParamPointer, &ThisClass::OnWindowPosChanging)
#define ON_WM_WINDOWPOSCHANGED()                                                                   \
    AFX_WM_ENTRY(WM_WINDOWPOSCHANGED, LParamPointer, &ThisClass::OnWindowPosChanged)
#define ON_WM_ENTERSIZEMOVE() AFX_WM_ENTRY(WM_ENTERSIZEMOVE, NoArgs, &ThisClass::OnEnterSizeMove)
#define ON_WM_EXITSIZEMOVE() AFX_WM_ENTRY(WM_EXITSIZEMOVE, NoArgs, &ThisClass::OnExitSizeMove)
#define ON_WM_SHOWWINDOW() AFX_WM_ENTRY(WM_SHOWWINDOW, ShowWindow, &ThisClass::OnShowWindow)
#define ON_WM_ENABLE() AFX_WM_ENTRY(WM_ENABLE, Bool, &ThisClass::OnEnable)
#define ON_WM_ACTIVATE() AFX_WM_ENTRY(WM_ACTIVATE, Activate, &ThisClass::OnActivate)
#define ON_WM_MOUSEACTIVATE()                                                                      \
    AFX_WM_ENTRY(WM_MOUSEACTIVATE, MouseActivate, &ThisClass::OnMouseActivate)
#define ON_WM_NCACTIVATE() AFX_WM_ENTRY(WM_NCACTIVATE, Bool, &ThisClass::OnNcActivate)
#define ON_WM_SETFOCUS() AFX_WM_ENTRY(WM_SETFOCUS, WndInWParam, &ThisClass::OnSetFocus)
#define ON_WM_KILLFOCUS() AFX_WM_ENTRY(WM_KILLFOCUS, WndInWParam, &ThisClass::OnKillFocus)
#define ON_WM_PAINT() AFX_WM_ENTRY(WM_PAINT, NoArgs, &ThisClass::OnPaint)
#define ON_WM_ERASEBKGND() AFX_WM_ENTRY(WM_ERASEBKGND, EraseBkgnd, &ThisClass::OnEraseBkgnd)
#define ON_WM_CTLCOLOR() AFX_WM_ENTRY(WM_CTLCOLOR, CtlColor, &ThisClass::OnCtlColor)
#define ON_WM_SYSCOLORCHANGE() AFX_WM_ENTRY(WM_SYSCOLORCHANGE, NoArgs, &ThisClass::OnSysColorChange)
#define ON_WM_HELPINFO() AFX_WM_ENTRY(WM_HELP, LParamPointer, &ThisClass::OnHelpInfo)
#define ON_WM_CONTEXTMENU() AFX_WM_ENTRY(WM_CONTEXTMENU, ContextMenu, &ThisClass::OnContextMenu)
#define ON_WM_SETCURSOR() AFX_WM_ENTRY(WM_SETCURSOR, SetCursor, &ThisClass::OnSetCursor)
#define ON_WM_NCHITTEST() AFX_WM_ENTRY(WM_NCHITTEST, Point, &ThisClass::OnNcHitTest)
#define ON_WM_GETDLGCODE() AFX_WM_ENTRY(WM_GETDLGCODE, NoArgs, &ThisClass::OnGetDlgCode)
#define ON_WM_TIMER() AFX_WM_ENTRY(WM_TIMER, Timer, &ThisClass::OnTimer)
#define ON_WM_SYSCOMMAND() AFX_WM_ENTRY(WM_SYSCOMMAND, UintAndLParam, &ThisClass::OnSysCommand)
#define ON_WM_CANCELMODE() AFX_WM_ENTRY(WM_CANCELMODE, NoArgs, &ThisClass::OnCancelMode)
#define ON_WM_CAPTURECHANGED()                                                                     \
    AFX_WM_ENTRY(WM_CAPTURECHANGED, WndInLParam, &ThisClass::OnCaptureChanged)
#define ON_WM_PARENTNOTIFY()                                                                       \
    AFX_WM_ENTRY(WM_PARENTNOTIFY, UintAndLParam, &ThisClass::OnParentNotify)
#define ON_WM_KEYDOWN() AFX_WM_ENTRY(WM_KEYDOWN, Key, &ThisClass::OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_ENTRY(WM_KEYUP, Key, &ThisClass::OnKeyUp)
#define ON_WM_CHAR() AFX_WM_ENTRY(WM_CHAR, Key, &ThisClass::OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_ENTRY(WM_SYSKEYDOWN, Key, &ThisClass::OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_ENTRY(WM_SYSKEYUP, Key, &ThisClass::OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_ENTRY(WM_SYSCHAR, Key, &ThisClass::OnSysChar)
#define ON_WM_MOUSEMOVE() AFX_WM_ENTRY(WM_MOUSEMOVE, Mouse, &ThisClass::OnMouseMove)
#define ON_WM_LBUTTONDOWN() AFX_WM_ENTRY(WM_LBUTTONDOWN, Mouse, &ThisClass::OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_ENTRY(WM_LBUTTONUP, Mouse, &ThisClass::OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_ENTRY(WM_LBUTTONDBLCLK, Mouse, &ThisClass::OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_ENTRY(WM_RBUTTONDOWN, Mouse, &ThisClass::OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_ENTRY(WM_RBUTTONUP, Mouse, &ThisClass::OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_ENTRY(WM_RBUTTONDBLCLK, Mouse, &ThisClass::OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_ENTRY(WM_MBUTTONDOWN, Mouse, &ThisClass::OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_ENTRY(WM_MBUTTONUP, Mouse, &ThisClass::OnMButtonUp)
#define ON_WM_MOUSEWHEEL() AFX_WM_ENTRY(WM_MOUSEWHEEL, MouseWheel, &ThisClass::OnMouseWheel)
#define ON_WM_HSCROLL() AFX_WM_ENTRY(WM_HSCROLL, Scroll, &ThisClass::OnHScroll)
#define ON_WM_VSCROLL() AFX_WM_ENTRY(WM_VSCROLL, Scroll, &ThisClass::OnVScroll)
#define ON_WM_DRAWITEM() AFX_WM_ENTRY(WM_DRAWITEM, Owner, &ThisClass::OnDrawItem)
#define ON_WM_MEASUREITEM() AFX_WM_ENTRY(WM_MEASUREITEM, Owner, &ThisClass::OnMeasureItem)
#define ON_WM_COMPAREITEM() AFX_WM_ENTRY(WM_COMPAREITEM, Owner, &ThisClass::OnCompareItem)
#define ON_WM_DELETEITEM() AFX_WM_ENTRY(WM_DELETEITEM, Owner, &ThisClass::OnDeleteItem)
#define ON_WM_VKEYTOITEM() AFX_WM_ENTRY(WM_VKEYTOITEM, ItemKey, &ThisClass::OnVKeyToItem)
#define ON_WM_CHARTOITEM() AFX_WM_ENTRY(WM_CHARTOITEM, ItemKey, &ThisClass::OnCharToItem)

// LRESULT memberFxn(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) AFX_WM_ENTRY(message, Message, memberFxn)
// nMessageVariable holds the number RegisterWindowMessage returned; it is read at dispatch.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn)                                         \
    {AFX_REGISTERED_MESSAGE, 0, 0, 0, &(nMessageVariable), AFX_MSGMAP_THUNK(Message, memberFxn)},

// ---- Reflected window messages: the control handles what its parent received ----
#define ON_WM_CTLCOLOR_REFLECT()                                                                   \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CTLCOLOR, CtlColorReflect, &ThisClass::CtlColor)
#define ON_WM_DRAWITEM_REFLECT()                                                                   \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DRAWITEM, OwnerReflect, &ThisClass::DrawItem)
#define ON_WM_MEASUREITEM_REFLECT()                                                                \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_MEASUREITEM, OwnerReflect, &ThisClass::MeasureItem)
#define ON_WM_COMPAREITEM_REFLECT()                                                                \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_COMPAREITEM, OwnerReflect, &ThisClass::CompareItem)
#define ON_WM_DELETEITEM_REFLECT()                                                                 \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_DELETEITEM, OwnerReflect, &ThisClass::DeleteItem)
#define ON_WM_VKEYTOITEM_REFLECT()                                                                 \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VKEYTOITEM, ItemKeyReflect, &ThisClass::VKeyToItem)
#define ON_WM_CHARTOITEM_REFLECT()                                                                 \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_CHARTOITEM, ItemKeyReflect, &ThisClass::CharToItem)
#define ON_WM_HSCROLL_REFLECT()                                                                    \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_HSCROLL, ScrollReflect, &ThisClass::HScroll)
#define ON_WM_VSCROLL_REFLECT()                                                                    \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_VSCROLL, ScrollReflect, &ThisClass::VScroll)
#define ON_WM_PARENTNOTIFY_REFLECT()                                                               \
    AFX_WM_ENTRY(WM_REFLECT_BASE + WM_PARENTNOTIFY, UintAndLParam, &ThisClass::ParentNotify)

// ---- Commands ----
#define AFX_CMD_ENTRY(message, code, id, idLast, kind, fn)                                         \
    {message,                                                                                      \
     ::platform::mfc::msgmap::Word(code),                                                          \
     ::platform::mfc::msgmap::Word(id),                                                            \
     ::platform::mfc::msgmap::Word(idLast),                                                        \
     nullptr,                                                                                      \
     AFX_MSGMAP_THUNK(kind, fn)},

// void memberFxn()
#define ON_COMMAND(id, memberFxn) AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, Command, memberFxn)
// void memberFxn(UINT nID)
#define ON_COMMAND_RANGE(id, idLast, memberFxn)                                                    \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, CommandRange, memberFxn)
// BOOL memberFxn(UINT nID): FALSE lets the command go on to the next handler.
#define ON_COMMAND_EX(id, memberFxn)                                                               \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, id, CommandEx, memberFxn)
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn)                                                 \
    AFX_CMD_ENTRY(WM_COMMAND, CN_COMMAND, id, idLast, CommandEx, memberFxn)

// void memberFxn()
#define ON_CONTROL(wNotifyCode, id, memberFxn)                                                     \
    AFX_CMD_ENTRY(WM_COMMAND, wNotifyCode, id, id, Command, memberFxn)
// void memberFxn(UINT nID)
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn)                                       \
    AFX_CMD_ENTRY(WM_COMMAND, wNotifyCode, id, idLast, CommandRange, memberFxn)

#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_ERRSPACE(id, memberFxn) ON_CONTROL(EN_ERRSPACE, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_CBN_ERRSPACE(id, memberFxn) ON_CONTROL(CBN_ERRSPACE, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_LBN_ERRSPACE(id, memberFxn) ON_CONTROL(LBN_ERRSPACE, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
#define ON_STN_ENABLE(id, memberFxn) ON_CONTROL(STN_ENABLE, id, memberFxn)
#define ON_STN_DISABLE(id, memberFxn) ON_CONTROL(STN_DISABLE, id, memberFxn)

// ---- Notifications (WM_NOTIFY) ----
// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY(wNotifyCode, id, memberFxn)                                                      \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, id, Notify, memberFxn)
// void memberFxn(UINT id, NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn)                                        \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, NotifyRange, memberFxn)
// BOOL memberFxn(UINT id, NMHDR* pNotifyStruct, LRESULT* pResult): FALSE lets it go on.
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn)                                                   \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, id, NotifyEx, memberFxn)
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn)                                     \
    AFX_CMD_ENTRY(WM_NOTIFY, wNotifyCode, id, idLast, NotifyEx, memberFxn)

// ---- Notifications reflected to the control that sent them ----
// void memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult)
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn)                                                  \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0, Notify, memberFxn)
// BOOL memberFxn(NMHDR* pNotifyStruct, LRESULT* pResult): FALSE lets the parent handle it too.
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn)                                               \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_NOTIFY, wNotifyCode, 0, 0, NotifyReflectEx, memberFxn)
// void memberFxn()
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn)                                                 \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, Command, memberFxn)
// BOOL memberFxn(): FALSE lets the parent handle it too.
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn)                                              \
    AFX_CMD_ENTRY(WM_REFLECT_BASE + WM_COMMAND, wNotifyCode, 0, 0, CommandReflectEx, memberFxn)
