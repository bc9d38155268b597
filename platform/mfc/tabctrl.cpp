// CTabCtrl: a thin wrapper that sends the tab control's own messages.

#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

namespace
{

LRESULT Send(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(hwnd, msg, wParam, lParam);
}

} // namespace

CTabCtrl::CTabCtrl() = default;
CTabCtrl::~CTabCtrl() = default;

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CTabCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                        UINT nID)
{
    return CWnd::CreateEx(dwExStyle, WC_TABCONTROLA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CTabCtrl::GetItemCount() const
{
    return static_cast<int>(Send(m_hWnd, TCM_GETITEMCOUNT));
}

BOOL CTabCtrl::GetItem(int nItem, TCITEM* pTabCtrlItem) const
{
    return static_cast<BOOL>(Send(m_hWnd, TCM_GETITEMA, static_cast<WPARAM>(nItem),
                                  reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::SetItem(int nItem, TCITEM* pTabCtrlItem)
{
    return static_cast<BOOL>(Send(m_hWnd, TCM_SETITEMA, static_cast<WPARAM>(nItem),
                                  reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const
{
    return static_cast<BOOL>(Send(m_hWnd, TCM_GETITEMRECT, static_cast<WPARAM>(nItem),
                                  reinterpret_cast<LPARAM>(lpRect)));
}

int CTabCtrl::GetCurSel() const
{
    return static_cast<int>(Send(m_hWnd, TCM_GETCURSEL));
}

int CTabCtrl::SetCurSel(int nItem)
{
    return static_cast<int>(Send(m_hWnd, TCM_SETCURSEL, static_cast<WPARAM>(nItem)));
}

void CTabCtrl::SetCurFocus(int nItem)
{
    Send(m_hWnd, TCM_SETCURFOCUS, static_cast<WPARAM>(nItem));
}

int CTabCtrl::GetCurFocus() const
{
    return static_cast<int>(Send(m_hWnd, TCM_GETCURFOCUS));
}

int CTabCtrl::GetRowCount() const
{
    return static_cast<int>(Send(m_hWnd, TCM_GETROWCOUNT));
}

DWORD CTabCtrl::GetItemState(int nItem, DWORD dwMask) const
{
    TCITEMA item{};
    item.mask = TCIF_STATE;
    item.dwStateMask = dwMask;
    return GetItem(nItem, &item) ? item.dwState : 0;
}

BOOL CTabCtrl::SetItemState(int nItem, DWORD dwMask, DWORD dwState)
{
    TCITEMA item{};
    item.mask = TCIF_STATE;
    item.dwStateMask = dwMask;
    item.dwState = dwState;
    return SetItem(nItem, &item);
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* pTabCtrlItem)
{
    return static_cast<LONG>(Send(m_hWnd, TCM_INSERTITEMA, static_cast<WPARAM>(nItem),
                                  reinterpret_cast<LPARAM>(pTabCtrlItem)));
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(TCIF_TEXT, nItem, lpszItem, 0, 0);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam)
{
    return InsertItem(nMask, nItem, lpszItem, nImage, lParam, 0, 0);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam,
                          DWORD dwState, DWORD dwStateMask)
{
    TCITEMA item{};
    item.mask = nMask;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.lParam = lParam;
    item.dwState = dwState;
    item.dwStateMask = dwStateMask;
    return InsertItem(nItem, &item);
}

BOOL CTabCtrl::DeleteItem(int nItem)
{
    return static_cast<BOOL>(Send(m_hWnd, TCM_DELETEITEM, static_cast<WPARAM>(nItem)));
}

BOOL CTabCtrl::DeleteAllItems()
{
    return static_cast<BOOL>(Send(m_hWnd, TCM_DELETEALLITEMS));
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT lpRect)
{
    Send(m_hWnd, TCM_ADJUSTRECT, static_cast<WPARAM>(bLarger), reinterpret_cast<LPARAM>(lpRect));
}

int CTabCtrl::HitTest(TCHITTESTINFO* pHitTestInfo) const
{
    return static_cast<int>(Send(m_hWnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(pHitTestInfo)));
}
