// CStatusBarCtrl: a thin wrapper that sends the status bar's own messages, and draws
// owner-drawn panes through DrawItem when the parent reflects WM_DRAWITEM.

#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CStatusBarCtrl, CWnd)

namespace
{

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(hwnd, msg, wParam, lParam);
}

// SB_SETTEXT and its kin take the pane in the low byte and the drawing type above it.
WPARAM PaneAndType(int nPane, int nType)
{
    return static_cast<WPARAM>((nPane & 0xFF) | (nType & 0xFF00));
}

} // namespace

CStatusBarCtrl::CStatusBarCtrl() = default;
CStatusBarCtrl::~CStatusBarCtrl() = default;

BOOL CStatusBarCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(STATUSCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CStatusBarCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                              UINT nID)
{
    return CWnd::CreateEx(dwExStyle, STATUSCLASSNAMEA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CStatusBarCtrl::SetText(LPCTSTR lpszText, int nPane, int nType)
{
    return static_cast<BOOL>(
        Send(m_hWnd, SB_SETTEXTA, PaneAndType(nPane, nType), reinterpret_cast<LPARAM>(lpszText)));
}

CString CStatusBarCtrl::GetText(int nPane, int* pType) const
{
    CString text;
    const int length = GetTextLength(nPane, pType);
    if (length > 0)
    {
        // The buffer holds the length the bar reported, so SB_GETTEXT cannot write past it.
        LPTSTR buffer = text.GetBufferSetLength(length + 1);
        Send(m_hWnd, SB_GETTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(buffer));
        text.ReleaseBuffer(length);
    }
    return text;
}

int CStatusBarCtrl::GetText(LPTSTR lpszText, int nPane, int* pType) const
{
    const LRESULT result =
        Send(m_hWnd, SB_GETTEXTA, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(lpszText));
    if (pType != nullptr)
        *pType = HIWORD(result);
    return LOWORD(result);
}

int CStatusBarCtrl::GetTextLength(int nPane, int* pType) const
{
    const LRESULT result = Send(m_hWnd, SB_GETTEXTLENGTHA, static_cast<WPARAM>(nPane));
    if (pType != nullptr)
        *pType = HIWORD(result);
    return LOWORD(result);
}

BOOL CStatusBarCtrl::SetParts(int nParts, int* pWidths)
{
    return static_cast<BOOL>(
        Send(m_hWnd, SB_SETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pWidths)));
}

int CStatusBarCtrl::GetParts(int nParts, int* pParts) const
{
    return static_cast<int>(
        Send(m_hWnd, SB_GETPARTS, static_cast<WPARAM>(nParts), reinterpret_cast<LPARAM>(pParts)));
}

BOOL CStatusBarCtrl::GetBorders(int* pBorders) const
{
    return static_cast<BOOL>(Send(m_hWnd, SB_GETBORDERS, 0, reinterpret_cast<LPARAM>(pBorders)));
}

BOOL CStatusBarCtrl::GetBorders(int& nHorz, int& nVert, int& nSpacing) const
{
    int borders[3] = {};
    const BOOL result = GetBorders(borders);
    nHorz = borders[0];
    nVert = borders[1];
    nSpacing = borders[2];
    return result;
}

void CStatusBarCtrl::SetMinHeight(int nMin)
{
    Send(m_hWnd, SB_SETMINHEIGHT, static_cast<WPARAM>(nMin));
}

BOOL CStatusBarCtrl::SetSimple(BOOL bSimple)
{
    return static_cast<BOOL>(Send(m_hWnd, SB_SIMPLE, static_cast<WPARAM>(bSimple)));
}

BOOL CStatusBarCtrl::IsSimple() const
{
    return static_cast<BOOL>(Send(m_hWnd, SB_ISSIMPLE));
}

BOOL CStatusBarCtrl::GetRect(int nPane, LPRECT lpRect) const
{
    return static_cast<BOOL>(
        Send(m_hWnd, SB_GETRECT, static_cast<WPARAM>(nPane), reinterpret_cast<LPARAM>(lpRect)));
}

COLORREF CStatusBarCtrl::SetBkColor(COLORREF cr)
{
    return static_cast<COLORREF>(Send(m_hWnd, SB_SETBKCOLOR, 0, static_cast<LPARAM>(cr)));
}

void CStatusBarCtrl::DrawItem(LPDRAWITEMSTRUCT)
{
    // A bar with owner-drawn panes needs a class that draws them.
    TRACE("CStatusBarCtrl::DrawItem: an owner-drawn pane's class does not draw it\n");
}

BOOL CStatusBarCtrl::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message != WM_DRAWITEM)
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
    if (pResult != nullptr)
        *pResult = TRUE;
    return TRUE;
}
