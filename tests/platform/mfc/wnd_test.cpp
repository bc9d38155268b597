// CWnd and message maps: windows created or subclassed through a CWnd get their messages,
// decoded, through AfxWndProc; commands and notifications are routed and reflected as in MFC;
// exceptions stop at the window procedure.

#include "wnd_test_support.h"

#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace
{

constexpr UINT kCustomMessage = WM_APP + 7;
const UINT g_registeredMessage = RegisterWindowMessageA("MfcWndTestRegistered");

enum
{
    IDC_CHILD = 200,
    ID_FIRST_COMMAND = 300,
    ID_RANGE_FIRST = 310,
    ID_RANGE_LAST = 319,
    ID_DECLINED = 330,
    kNotifyCode = 0xFFFFFFF0u, // notification codes are negative, as NM_ codes are
};

RECT Rect(int left, int top, int right, int bottom)
{
    return RECT{left, top, right, bottom};
}

// A top-level window that records what its handlers received.
class CRecordingWnd : public CWnd
{
public:
    std::vector<std::string> calls;
    CREATESTRUCT created{};
    std::string createdName;
    bool failCreate = false;
    bool throwInCreate = false;
    bool postNcDestroyed = false;
    UINT sizeType = 99;
    int cx = 0, cy = 0;
    CPoint click;
    UINT key = 0, repeat = 0, keyFlags = 0;
    POINT minTrack{};
    UINT_PTR timer = 0;
    UINT lastCommand = 0;
    UINT rangeCommand = 0;
    NMHDR* notified = nullptr;

    BOOL Make()
    {
        return CreateEx(0, AfxRegisterWndClass(0), "Recorder", WS_POPUP, 10, 20, 300, 200, nullptr,
                        nullptr);
    }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT cs)
    {
        calls.push_back("create");
        created = *cs;
        createdName = cs->lpszName;
        if (throwInCreate)
            throw std::runtime_error("no window today");
        if (failCreate)
            return -1;
        return CWnd::OnCreate(cs);
    }
    afx_msg void OnDestroy()
    {
        calls.push_back("destroy");
        CWnd::OnDestroy();
    }
    afx_msg void OnSize(UINT nType, int x, int y)
    {
        sizeType = nType;
        cx = x;
        cy = y;
    }
    afx_msg void OnLButtonDown(UINT, CPoint point) { click = point; }
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        key = nChar;
        repeat = nRepCnt;
        keyFlags = nFlags;
    }
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* info)
    {
        CWnd::OnGetMinMaxInfo(info);
        info->ptMinTrackSize.x = 321;
        minTrack = info->ptMinTrackSize;
    }
    afx_msg void OnTimer(UINT_PTR id) { timer = id; }
    afx_msg LRESULT OnCustom(WPARAM wParam, LPARAM lParam)
    {
        return static_cast<LRESULT>(wParam + static_cast<WPARAM>(lParam));
    }
    afx_msg LRESULT OnRegistered(WPARAM wParam, LPARAM) { return static_cast<LRESULT>(wParam * 2); }
    afx_msg void OnFirstCommand() { lastCommand = ID_FIRST_COMMAND; }
    afx_msg void OnRangeCommand(UINT nID) { rangeCommand = nID; }
    afx_msg BOOL OnDeclined(UINT) { return FALSE; }
    afx_msg void OnChildClicked() { calls.push_back("parent clicked"); }
    afx_msg void OnChildChanged() { calls.push_back("parent changed"); }
    afx_msg void OnChildNotify(NMHDR* header, LRESULT* result)
    {
        notified = header;
        *result = 77;
    }
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor)
    {
        calls.push_back("parent ctlcolor " + std::to_string(nCtlColor));
        return CWnd::OnCtlColor(pDC, pWnd, nCtlColor);
    }
    void PostNcDestroy() override { postNcDestroyed = true; }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CRecordingWnd, CWnd)
ON_WM_CREATE()
ON_WM_DESTROY()
ON_WM_SIZE()
ON_WM_LBUTTONDOWN()
ON_WM_KEYDOWN()
ON_WM_GETMINMAXINFO()
ON_WM_TIMER()
ON_WM_CTLCOLOR()
ON_MESSAGE(kCustomMessage, &CRecordingWnd::OnCustom)
ON_REGISTERED_MESSAGE(g_registeredMessage, &CRecordingWnd::OnRegistered)
ON_COMMAND(ID_FIRST_COMMAND, &CRecordingWnd::OnFirstCommand)
ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, &CRecordingWnd::OnRangeCommand)
ON_COMMAND_EX(ID_DECLINED, &CRecordingWnd::OnDeclined)
ON_BN_CLICKED(IDC_CHILD, &CRecordingWnd::OnChildClicked)
ON_EN_CHANGE(IDC_CHILD, &CRecordingWnd::OnChildChanged)
ON_NOTIFY(kNotifyCode, IDC_CHILD, &CRecordingWnd::OnChildNotify)
END_MESSAGE_MAP()

// A child control whose CWnd takes some of its own notifications back from the parent.
class CReflectingChild : public CWnd
{
public:
    std::vector<std::string>* calls = nullptr;
    BOOL passChangeOn = FALSE;
    HBRUSH brush = nullptr;
    bool drawn = false;

    BOOL Make(CWnd* parent)
    {
        return Create(AfxRegisterWndClass(0), "child", WS_VISIBLE, Rect(0, 0, 50, 20), parent,
                      IDC_CHILD);
    }

protected:
    afx_msg void OnClickedReflected() { calls->push_back("child clicked"); }
    afx_msg BOOL OnChangedReflected()
    {
        calls->push_back("child changed");
        return !passChangeOn;
    }
    afx_msg void OnNotifyReflected(NMHDR*, LRESULT* result)
    {
        calls->push_back("child notified");
        *result = 5;
    }
    afx_msg HBRUSH CtlColor(CDC*, UINT nCtlColor)
    {
        calls->push_back("child ctlcolor " + std::to_string(nCtlColor));
        return brush;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CReflectingChild, CWnd)
ON_CONTROL_REFLECT(BN_CLICKED, &CReflectingChild::OnClickedReflected)
ON_CONTROL_REFLECT_EX(EN_CHANGE, &CReflectingChild::OnChangedReflected)
ON_NOTIFY_REFLECT(kNotifyCode, &CReflectingChild::OnNotifyReflected)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class CDrawnButton : public CButton
{
public:
    UINT drawnId = 0;
    void DrawItem(LPDRAWITEMSTRUCT item) override { drawnId = item->CtlID; }
};

class CThrowingWnd : public CWnd
{
protected:
    afx_msg void OnSize(UINT, int, int) { throw new CMemoryException; }
    afx_msg void OnTimer(UINT_PTR) { throw std::logic_error("timer"); }
    afx_msg void OnClose() { throw 42; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CThrowingWnd, CWnd)
ON_WM_SIZE()
ON_WM_TIMER()
ON_WM_CLOSE()
END_MESSAGE_MAP()

// Deletes itself when its window goes, as frames and modeless dialogs do.
class CSelfDeletingWnd : public CWnd
{
public:
    static int alive;
    CSelfDeletingWnd() { ++alive; }
    ~CSelfDeletingWnd() override { --alive; }

protected:
    void PostNcDestroy() override { delete this; }
};
int CSelfDeletingWnd::alive = 0;

// The plain window procedure that subclassing puts AfxWndProc in front of.
std::vector<UINT> g_originalSaw;
LRESULT CALLBACK OriginalProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_CHAR)
        g_originalSaw.push_back(static_cast<UINT>(wParam));
    if (msg == kCustomMessage)
        return 1234;
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

class CCharFilter : public CWnd
{
public:
    std::vector<UINT> seen;

protected:
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags)
    {
        seen.push_back(nChar);
        // Digits go on to the original procedure, everything else is swallowed.
        if (nChar >= '0' && nChar <= '9')
            CWnd::OnChar(nChar, nRepCnt, nFlags);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCharFilter, CWnd)
ON_WM_CHAR()
END_MESSAGE_MAP()

HWND MakePlainWindow(HWND parent = nullptr, int id = 0)
{
    static const char* className = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = OriginalProc;
        wc.lpszClassName = "MfcWndTestPlain";
        RegisterClassA(&wc);
        return "MfcWndTestPlain";
    }();
    return CreateWindowExA(0, className, "plain", parent ? WS_CHILD : WS_POPUP, 0, 0, 40, 20,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr,
                           nullptr);
}

} // namespace

TEST(WndCreate, TheObjectGetsCreationMessagesThroughItsMapAndOwnsTheWindow)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.Make());
    ASSERT_NE(wnd.m_hWnd, nullptr);
    EXPECT_EQ(wnd.calls, std::vector<std::string>{"create"});
    EXPECT_EQ(wnd.createdName, "Recorder");
    EXPECT_EQ(wnd.created.cx, 300);
    EXPECT_EQ(wnd.created.y, 20);
    // WM_GETMINMAXINFO comes before WM_NCCREATE and still reaches the object.
    EXPECT_EQ(CWnd::FromHandlePermanent(wnd.m_hWnd), &wnd);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(wnd.m_hWnd, GWLP_WNDPROC)),
              AfxGetAfxWndProc());

    HWND hwnd = wnd.m_hWnd;
    EXPECT_TRUE(wnd.DestroyWindow());
    EXPECT_EQ(wnd.calls.back(), "destroy");
    EXPECT_TRUE(wnd.postNcDestroyed);
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
}

TEST(WndCreate, OnCreateFailingOrThrowingFailsTheCreation)
{
    CRecordingWnd refused;
    refused.failCreate = true;
    EXPECT_FALSE(refused.Make());
    EXPECT_EQ(refused.m_hWnd, nullptr);
    EXPECT_TRUE(refused.postNcDestroyed);

    CRecordingWnd throwing;
    throwing.throwInCreate = true;
    EXPECT_FALSE(throwing.Make());
    EXPECT_EQ(throwing.m_hWnd, nullptr);
}

TEST(WndCreate, DestroyingTheObjectDestroysItsWindowAndSelfDeletingObjectsGoWithTheirWindow)
{
    HWND hwnd = nullptr;
    {
        CRecordingWnd wnd;
        ASSERT_TRUE(wnd.Make());
        hwnd = wnd.m_hWnd;
    }
    EXPECT_FALSE(IsWindow(hwnd));

    auto* self = new CSelfDeletingWnd;
    ASSERT_TRUE(self->CreateEx(0, AfxRegisterWndClass(0), "self", WS_POPUP, 0, 0, 10, 10, nullptr,
                               nullptr));
    EXPECT_EQ(CSelfDeletingWnd::alive, 1);
    ::DestroyWindow(self->m_hWnd);
    EXPECT_EQ(CSelfDeletingWnd::alive, 0);
}

TEST(WndMessageMap, HandlersReceiveTheirArgumentsDecoded)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.Make());

    wnd.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(640, 480));
    EXPECT_EQ(wnd.sizeType, static_cast<UINT>(SIZE_MAXIMIZED));
    EXPECT_EQ(wnd.cx, 640);
    EXPECT_EQ(wnd.cy, 480);

    // Mouse coordinates are signed: left of and above the client area is negative.
    wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(-5, 7));
    EXPECT_EQ(wnd.click, CPoint(-5, 7));

    wnd.SendMessage(WM_KEYDOWN, VK_F2, MAKELPARAM(3, 0x4000));
    EXPECT_EQ(wnd.key, static_cast<UINT>(VK_F2));
    EXPECT_EQ(wnd.repeat, 3u);
    EXPECT_EQ(wnd.keyFlags, 0x4000u);

    MINMAXINFO info{};
    wnd.SendMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 321);

    wnd.SendMessage(WM_TIMER, 17);
    EXPECT_EQ(wnd.timer, 17u);

    EXPECT_EQ(wnd.SendMessage(kCustomMessage, 40, 2), 42);
    EXPECT_EQ(wnd.SendMessage(g_registeredMessage, 21), 42);
}

TEST(WndMessageMap, CommandsReachTheirEntriesAndUnhandledOnesGoToTheDefault)
{
    CRecordingWnd wnd;
    ASSERT_TRUE(wnd.Make());

    // Menu and accelerator commands (no control) are plain commands.
    EXPECT_EQ(wnd.SendMessage(WM_COMMAND, MAKEWPARAM(ID_FIRST_COMMAND, 1), 0), 1);
    EXPECT_EQ(wnd.lastCommand, static_cast<UINT>(ID_FIRST_COMMAND));

    wnd.SendMessage(WM_COMMAND, ID_RANGE_FIRST + 4, 0);
    EXPECT_EQ(wnd.rangeCommand, static_cast<UINT>(ID_RANGE_FIRST + 4));
    wnd.SendMessage(WM_COMMAND, ID_RANGE_LAST + 1, 0);
    EXPECT_EQ(wnd.rangeCommand, static_cast<UINT>(ID_RANGE_FIRST + 4));

    // An _EX handler that declines leaves the command unhandled: DefWindowProc answers 0.
    EXPECT_EQ(wnd.SendMessage(WM_COMMAND, ID_DECLINED, 0), 0);

    CCmdTarget* target = &wnd;
    AFX_CMDHANDLERINFO info{};
    EXPECT_TRUE(target->OnCmdMsg(ID_FIRST_COMMAND, CN_COMMAND, nullptr, &info));
    EXPECT_EQ(info.pTarget, &wnd);
    EXPECT_FALSE(target->OnCmdMsg(ID_RANGE_LAST + 1, CN_COMMAND, nullptr, &info));
}

TEST(WndMessageMap, ControlNotificationsReachTheParentWhenTheControlHasNoCWnd)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.Make());
    HWND child = MakePlainWindow(parent.m_hWnd, IDC_CHILD);
    ASSERT_NE(child, nullptr);

    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHILD, BN_CLICKED),
                       reinterpret_cast<LPARAM>(child));
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHILD, EN_CHANGE),
                       reinterpret_cast<LPARAM>(child));
    EXPECT_EQ(parent.calls,
              (std::vector<std::string>{"create", "parent clicked", "parent changed"}));

    NMHDR header{child, IDC_CHILD, kNotifyCode};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&header)), 77);
    EXPECT_EQ(parent.notified, &header);
}

TEST(WndReflection, AControlsCWndTakesItsNotificationsFirst)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.Make());
    CReflectingChild child;
    child.calls = &parent.calls;
    ASSERT_TRUE(child.Make(&parent));
    parent.calls.clear();

    // A plain reflected handler keeps the notification from the parent.
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHILD, BN_CLICKED),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(parent.calls, std::vector<std::string>{"child clicked"});

    // An _EX one decides: TRUE keeps it, FALSE lets the parent have it too.
    parent.calls.clear();
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHILD, EN_CHANGE),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(parent.calls, std::vector<std::string>{"child changed"});
    parent.calls.clear();
    child.passChangeOn = TRUE;
    parent.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_CHILD, EN_CHANGE),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(parent.calls, (std::vector<std::string>{"child changed", "parent changed"}));

    // Reflected notifications answer with the child's result.
    parent.calls.clear();
    NMHDR header{child.m_hWnd, IDC_CHILD, kNotifyCode};
    EXPECT_EQ(parent.SendMessage(WM_NOTIFY, IDC_CHILD, reinterpret_cast<LPARAM>(&header)), 5);
    EXPECT_EQ(parent.calls, std::vector<std::string>{"child notified"});
    EXPECT_EQ(parent.notified, nullptr);
}

TEST(WndReflection, ControlColoursGoThroughOnCtlColorToTheControl)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.Make());
    CReflectingChild child;
    child.calls = &parent.calls;
    ASSERT_TRUE(child.Make(&parent));
    HDC dc = GetDC(parent.m_hWnd);
    parent.calls.clear();

    child.brush = GetSysColorBrush(COLOR_WINDOW);
    LRESULT brush = parent.SendMessage(WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), child.brush);
    EXPECT_EQ(parent.calls, (std::vector<std::string>{"parent ctlcolor 1", "child ctlcolor 1"}));

    // A control that returns no brush leaves the colours to the default handling.
    child.brush = nullptr;
    parent.calls.clear();
    parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(child.m_hWnd));
    EXPECT_EQ(parent.calls, (std::vector<std::string>{"parent ctlcolor 6", "child ctlcolor 6"}));
    ReleaseDC(parent.m_hWnd, dc);
}

TEST(WndReflection, OwnerDrawnButtonsDrawThemselves)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.Make());
    CDrawnButton button;
    HWND plain = MakePlainWindow(parent.m_hWnd, IDC_CHILD);
    ASSERT_TRUE(button.SubclassWindow(plain));

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_CHILD;
    item.hwndItem = plain;
    EXPECT_EQ(parent.SendMessage(WM_DRAWITEM, IDC_CHILD, reinterpret_cast<LPARAM>(&item)), TRUE);
    EXPECT_EQ(button.drawnId, static_cast<UINT>(IDC_CHILD));
}

TEST(WndSubclass, DefaultHandsMessagesToTheOriginalProcedureAndUnsubclassingRestoresIt)
{
    g_originalSaw.clear();
    HWND hwnd = MakePlainWindow();
    auto original = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    CCharFilter filter;
    ASSERT_TRUE(filter.SubclassWindow(hwnd));
    EXPECT_EQ(filter.m_pfnSuper, original);

    SendMessageA(hwnd, WM_CHAR, 'a', 1);
    SendMessageA(hwnd, WM_CHAR, '7', 1);
    // Messages without an entry go to the original procedure unchanged.
    EXPECT_EQ(SendMessageA(hwnd, kCustomMessage, 0, 0), 1234);
    EXPECT_EQ(filter.seen, (std::vector<UINT>{'a', '7'}));
    EXPECT_EQ(g_originalSaw, std::vector<UINT>{'7'});

    EXPECT_EQ(filter.UnsubclassWindow(), hwnd);
    EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), original);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    SendMessageA(hwnd, WM_CHAR, 'b', 1);
    EXPECT_EQ(filter.seen.size(), 2u);
    DestroyWindow(hwnd);
}

TEST(WndMaps, UnknownWindowsGetOneTemporaryWrapperPerThread)
{
    HWND hwnd = MakePlainWindow();
    CWnd* temporary = CWnd::FromHandle(hwnd);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->m_hWnd, hwnd);
    EXPECT_EQ(CWnd::FromHandle(hwnd), temporary);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);
    CWnd::DeleteTempMap();
    // The window outlives its wrapper.
    EXPECT_TRUE(IsWindow(hwnd));

    CWnd attached;
    ASSERT_TRUE(attached.Attach(hwnd));
    EXPECT_EQ(CWnd::FromHandle(hwnd), &attached);
    // Another object cannot take the same window.
    CWnd second;
    EXPECT_FALSE(second.Attach(hwnd));
    // Permanent objects belong to the thread that attached them, as in MFC.
    CWnd* seenElsewhere = &attached;
    std::thread([&] { seenElsewhere = CWnd::FromHandlePermanent(hwnd); }).join();
    EXPECT_EQ(seenElsewhere, nullptr);
    EXPECT_EQ(attached.Detach(), hwnd);
    EXPECT_EQ(CWnd::FromHandlePermanent(hwnd), nullptr);
    DestroyWindow(hwnd);
}

TEST(WndExceptions, AnExceptionInAHandlerStopsAtTheWindowProcedure)
{
    CThrowingWnd wnd;
    ASSERT_TRUE(wnd.CreateEx(0, AfxRegisterWndClass(0), "thrower", WS_POPUP, 0, 0, 10, 10, nullptr,
                             nullptr));
    const MSG before = *CWnd::GetCurrentMessage();
    EXPECT_EQ(wnd.SendMessage(WM_SIZE, 0, MAKELPARAM(1, 1)), 0);
    EXPECT_EQ(wnd.SendMessage(WM_TIMER, 1), 0);
    EXPECT_EQ(wnd.SendMessage(WM_CLOSE), 0);
    // The message being handled is restored for the caller's own Default().
    EXPECT_EQ(CWnd::GetCurrentMessage()->message, before.message);
    EXPECT_TRUE(IsWindow(wnd.m_hWnd));
}

TEST(WndOperations, GeometryAndRelationsWrapTheWindowFunctions)
{
    CRecordingWnd parent;
    ASSERT_TRUE(parent.Make());
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, "kid", WS_VISIBLE, Rect(10, 10, 60, 30), &parent, 55));
    EXPECT_EQ(child.GetDlgCtrlID(), 55);
    EXPECT_EQ(parent.GetDlgItem(55), &child);
    EXPECT_EQ(child.GetParent(), &parent);
    EXPECT_EQ(child.GetTopLevelParent(), &parent);
    EXPECT_TRUE(parent.IsChild(&child));

    CString text;
    child.SetWindowText("renamed");
    child.GetWindowText(text);
    EXPECT_STREQ(text, "renamed");
    EXPECT_EQ(child.GetWindowTextLength(), 7);

    EXPECT_TRUE(child.ModifyStyle(0, WS_TABSTOP));
    EXPECT_FALSE(child.ModifyStyle(0, WS_TABSTOP)); // nothing changed
    EXPECT_TRUE(child.GetStyle() & WS_TABSTOP);

    CRect rect(1, 2, 3, 4);
    child.ClientToScreen(&rect);
    CRect back = rect;
    child.ScreenToClient(&back);
    EXPECT_EQ(back, CRect(1, 2, 3, 4));

    // A child centres in its parent's client area.
    child.CenterWindow();
    CRect placed;
    child.GetWindowRect(&placed);
    parent.ScreenToClient(&placed);
    CRect client;
    parent.GetClientRect(&client);
    EXPECT_EQ(placed.left, (client.Width() - 50) / 2);
    EXPECT_EQ(placed.top, (client.Height() - 20) / 2);
}
