// CAnimateCtrl: a thin wrapper that sends the animation control's own messages.

#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CAnimateCtrl, CWnd)

namespace
{

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(hwnd, msg, wParam, lParam);
}

} // namespace

CAnimateCtrl::CAnimateCtrl() = default;
CAnimateCtrl::~CAnimateCtrl() = default;

BOOL CAnimateCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(ANIMATE_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                            UINT nID)
{
    return CWnd::CreateEx(dwExStyle, ANIMATE_CLASSA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CAnimateCtrl::Open(LPCTSTR lpszFileName)
{
    return static_cast<BOOL>(Send(m_hWnd, ACM_OPENA, 0, reinterpret_cast<LPARAM>(lpszFileName)));
}

BOOL CAnimateCtrl::Open(UINT nID)
{
    LPCTSTR name = MAKEINTRESOURCE(nID);
    HINSTANCE module = AfxFindResourceHandle(name, "AVI");
    return static_cast<BOOL>(
        Send(m_hWnd, ACM_OPENA, reinterpret_cast<WPARAM>(module), reinterpret_cast<LPARAM>(name)));
}

BOOL CAnimateCtrl::Play(UINT nFrom, UINT nTo, UINT nRep)
{
    return static_cast<BOOL>(Send(m_hWnd, ACM_PLAY, static_cast<WPARAM>(static_cast<int>(nRep)),
                                  MAKELONG(static_cast<WORD>(nFrom), static_cast<WORD>(nTo))));
}

BOOL CAnimateCtrl::Stop()
{
    return static_cast<BOOL>(Send(m_hWnd, ACM_STOP));
}

BOOL CAnimateCtrl::Close()
{
    return static_cast<BOOL>(Send(m_hWnd, ACM_OPENA));
}

BOOL CAnimateCtrl::Seek(UINT nTo)
{
    return Play(nTo, nTo, 1);
}

BOOL CAnimateCtrl::IsPlaying() const
{
    return static_cast<BOOL>(Send(m_hWnd, ACM_ISPLAYING));
}
