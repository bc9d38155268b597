// CListCtrl and CHeaderCtrl: thin wrappers that send the controls' own messages.
//
// Selected-item positions are the item index plus one (0 ends the walk), so the position stays
// meaningful while the caller changes other items' states.
//
// Does NOT do:
// - image lists (CImageList), label editing (EditLabel, GetEditControl), drag images, groups,
//   tiles, work areas, tooltips, column order arrays and the owner-draw DrawItem hook.
#include <afxcmn.h>

IMPLEMENT_DYNAMIC(CHeaderCtrl, CWnd)
IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace
{

LRESULT SendTo(HWND hwnd, UINT msg, WPARAM wParam = 0, LPARAM lParam = 0)
{
    return ::SendMessageA(hwnd, msg, wParam, lParam);
}

template <typename T> LPARAM Arg(T* pointer)
{
    return reinterpret_cast<LPARAM>(pointer);
}

} // namespace

// ---- CHeaderCtrl ----

CHeaderCtrl::CHeaderCtrl() = default;
CHeaderCtrl::~CHeaderCtrl() = default;

BOOL CHeaderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_HEADERA, nullptr, dwStyle, rect, pParentWnd, nID);
}

int CHeaderCtrl::GetItemCount() const
{
    return static_cast<int>(SendTo(m_hWnd, HDM_GETITEMCOUNT));
}

BOOL CHeaderCtrl::GetItem(int nPos, HDITEM* pHeaderItem) const
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, HDM_GETITEMA, static_cast<WPARAM>(nPos), Arg(pHeaderItem)));
}

BOOL CHeaderCtrl::SetItem(int nPos, HDITEM* pHeaderItem)
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, HDM_SETITEMA, static_cast<WPARAM>(nPos), Arg(pHeaderItem)));
}

int CHeaderCtrl::InsertItem(int nPos, HDITEM* phdi)
{
    return static_cast<int>(SendTo(m_hWnd, HDM_INSERTITEMA, static_cast<WPARAM>(nPos), Arg(phdi)));
}

BOOL CHeaderCtrl::DeleteItem(int nPos)
{
    return static_cast<BOOL>(SendTo(m_hWnd, HDM_DELETEITEM, static_cast<WPARAM>(nPos)));
}

BOOL CHeaderCtrl::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, HDM_GETITEMRECT, static_cast<WPARAM>(nIndex), Arg(lpRect)));
}

BOOL CHeaderCtrl::Layout(HDLAYOUT* pHeaderLayout)
{
    return static_cast<BOOL>(SendTo(m_hWnd, HDM_LAYOUT, 0, Arg(pHeaderLayout)));
}

int CHeaderCtrl::HitTest(LPHDHITTESTINFO pHeaderHitTestInfo)
{
    return static_cast<int>(SendTo(m_hWnd, HDM_HITTEST, 0, Arg(pHeaderHitTestInfo)));
}

// ---- CListCtrl: creation ----

CListCtrl::CListCtrl() = default;

CListCtrl::~CListCtrl()
{
    // The header wrapper only borrows the handle; it must not destroy the window.
    m_wndHeader.m_hWnd = nullptr;
}

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListCtrl::CreateEx(DWORD dwExStyle, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                         UINT nID)
{
    return CWnd::CreateEx(dwExStyle, WC_LISTVIEWA, nullptr, dwStyle, rect, pParentWnd, nID);
}

// ---- CListCtrl: attributes ----

COLORREF CListCtrl::GetBkColor() const
{
    return static_cast<COLORREF>(SendTo(m_hWnd, LVM_GETBKCOLOR));
}

BOOL CListCtrl::SetBkColor(COLORREF cr)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_SETBKCOLOR, 0, static_cast<LPARAM>(cr)));
}

COLORREF CListCtrl::GetTextColor() const
{
    return static_cast<COLORREF>(SendTo(m_hWnd, LVM_GETTEXTCOLOR));
}

BOOL CListCtrl::SetTextColor(COLORREF cr)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(cr)));
}

COLORREF CListCtrl::GetTextBkColor() const
{
    return static_cast<COLORREF>(SendTo(m_hWnd, LVM_GETTEXTBKCOLOR));
}

BOOL CListCtrl::SetTextBkColor(COLORREF cr)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(cr)));
}

UINT CListCtrl::GetCallbackMask() const
{
    return static_cast<UINT>(SendTo(m_hWnd, LVM_GETCALLBACKMASK));
}

BOOL CListCtrl::SetCallbackMask(UINT nMask)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_SETCALLBACKMASK, nMask));
}

int CListCtrl::GetItemCount() const
{
    return static_cast<int>(SendTo(m_hWnd, LVM_GETITEMCOUNT));
}

void CListCtrl::SetItemCount(int nItems)
{
    SendTo(m_hWnd, LVM_SETITEMCOUNT, static_cast<WPARAM>(nItems));
}

BOOL CListCtrl::GetItem(LVITEM* pItem) const
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_GETITEMA, 0, Arg(pItem)));
}

BOOL CListCtrl::SetItem(const LVITEM* pItem)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_SETITEMA, 0, Arg(pItem)));
}

BOOL CListCtrl::SetItem(int nItem, int nSubItem, UINT nMask, LPCTSTR lpszItem, int nImage,
                        UINT nState, UINT nStateMask, LPARAM lParam)
{
    LVITEMA item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.iImage = nImage;
    item.state = nState;
    item.stateMask = nStateMask;
    item.lParam = lParam;
    return SetItem(&item);
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const
{
    return static_cast<int>(
        SendTo(m_hWnd, LVM_GETNEXTITEM, static_cast<WPARAM>(nItem), MAKELPARAM(nFlags, 0)));
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const
{
    return reinterpret_cast<POSITION>(static_cast<DWORD_PTR>(GetNextItem(-1, LVNI_SELECTED) + 1));
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const
{
    const int current = static_cast<int>(reinterpret_cast<DWORD_PTR>(pos)) - 1;
    pos =
        reinterpret_cast<POSITION>(static_cast<DWORD_PTR>(GetNextItem(current, LVNI_SELECTED) + 1));
    return current;
}

BOOL CListCtrl::GetItemRect(int nItem, LPRECT lpRect, UINT nCode) const
{
    if (!lpRect)
        return FALSE;
    lpRect->left = static_cast<LONG>(nCode);
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_GETITEMRECT, static_cast<WPARAM>(nItem), Arg(lpRect)));
}

BOOL CListCtrl::GetSubItemRect(int iItem, int iSubItem, int nArea, CRect& ref) const
{
    RECT rect{nArea, iSubItem, 0, 0};
    const BOOL ok = static_cast<BOOL>(
        SendTo(m_hWnd, LVM_GETSUBITEMRECT, static_cast<WPARAM>(iItem), Arg(&rect)));
    if (ok)
        ref = rect;
    return ok;
}

int CListCtrl::GetStringWidth(LPCTSTR lpsz) const
{
    return static_cast<int>(SendTo(m_hWnd, LVM_GETSTRINGWIDTHA, 0, reinterpret_cast<LPARAM>(lpsz)));
}

BOOL CListCtrl::GetColumn(int nCol, LVCOLUMN* pColumn) const
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_GETCOLUMNA, static_cast<WPARAM>(nCol), Arg(pColumn)));
}

BOOL CListCtrl::SetColumn(int nCol, const LVCOLUMN* pColumn)
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_SETCOLUMNA, static_cast<WPARAM>(nCol), Arg(pColumn)));
}

int CListCtrl::GetColumnWidth(int nCol) const
{
    return static_cast<int>(SendTo(m_hWnd, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(nCol)));
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx)
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(nCol), MAKELPARAM(cx, 0)));
}

int CListCtrl::GetTopIndex() const
{
    return static_cast<int>(SendTo(m_hWnd, LVM_GETTOPINDEX));
}

int CListCtrl::GetCountPerPage() const
{
    return static_cast<int>(SendTo(m_hWnd, LVM_GETCOUNTPERPAGE));
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const
{
    return static_cast<UINT>(
        SendTo(m_hWnd, LVM_GETITEMSTATE, static_cast<WPARAM>(nItem), static_cast<LPARAM>(nMask)));
}

BOOL CListCtrl::SetItemState(int nItem, LVITEM* pItem)
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_SETITEMSTATE, static_cast<WPARAM>(nItem), Arg(pItem)));
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask)
{
    LVITEMA item{};
    item.state = nState;
    item.stateMask = nMask;
    return SetItemState(nItem, &item);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const
{
    // Grows the buffer until the text fits, as the control reports only what it copied.
    for (int size = 256;; size *= 2)
    {
        CString text;
        LVITEMA item{};
        item.iSubItem = nSubItem;
        item.cchTextMax = size;
        item.pszText = text.GetBuffer(size);
        const int copied = static_cast<int>(
            SendTo(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), Arg(&item)));
        text.ReleaseBuffer(copied);
        if (copied < size - 1)
            return text;
    }
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const
{
    LVITEMA item{};
    item.iSubItem = nSubItem;
    item.cchTextMax = nLen;
    item.pszText = lpszText;
    return static_cast<int>(
        SendTo(m_hWnd, LVM_GETITEMTEXTA, static_cast<WPARAM>(nItem), Arg(&item)));
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText)
{
    LVITEMA item{};
    item.iSubItem = nSubItem;
    item.pszText = const_cast<LPSTR>(lpszText);
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_SETITEMTEXTA, static_cast<WPARAM>(nItem), Arg(&item)));
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData)
{
    return SetItem(nItem, 0, LVIF_PARAM, nullptr, 0, 0, 0, static_cast<LPARAM>(dwData));
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const
{
    LVITEMA item{};
    item.mask = LVIF_PARAM;
    item.iItem = nItem;
    return GetItem(&item) ? static_cast<DWORD_PTR>(item.lParam) : 0;
}

UINT CListCtrl::GetSelectedCount() const
{
    return static_cast<UINT>(SendTo(m_hWnd, LVM_GETSELECTEDCOUNT));
}

int CListCtrl::GetSelectionMark() const
{
    return static_cast<int>(SendTo(m_hWnd, LVM_GETSELECTIONMARK));
}

int CListCtrl::SetSelectionMark(int iIndex)
{
    return static_cast<int>(SendTo(m_hWnd, LVM_SETSELECTIONMARK, 0, static_cast<LPARAM>(iIndex)));
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle)
{
    return static_cast<DWORD>(
        SendTo(m_hWnd, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, static_cast<LPARAM>(dwNewStyle)));
}

DWORD CListCtrl::GetExtendedStyle() const
{
    return static_cast<DWORD>(SendTo(m_hWnd, LVM_GETEXTENDEDLISTVIEWSTYLE));
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const
{
    HWND header = reinterpret_cast<HWND>(SendTo(m_hWnd, LVM_GETHEADER));
    if (!header)
        return nullptr;
    // A CHeaderCtrl the program attached (by subclassing the header) is the one it expects.
    if (CWnd* own = CWnd::FromHandlePermanent(header);
        own && own->IsKindOf(RUNTIME_CLASS(CHeaderCtrl)))
        return static_cast<CHeaderCtrl*>(own);
    m_wndHeader.m_hWnd = header;
    return &m_wndHeader;
}

// ---- CListCtrl: operations ----

int CListCtrl::InsertItem(const LVITEM* pItem)
{
    return static_cast<int>(SendTo(m_hWnd, LVM_INSERTITEMA, 0, Arg(pItem)));
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem)
{
    return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage)
{
    return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask,
                          int nImage, LPARAM lParam)
{
    LVITEMA item{};
    item.mask = nMask;
    item.iItem = nItem;
    item.pszText = const_cast<LPSTR>(lpszItem);
    item.state = nState;
    item.stateMask = nStateMask;
    item.iImage = nImage;
    item.lParam = lParam;
    return InsertItem(&item);
}

BOOL CListCtrl::DeleteItem(int nItem)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_DELETEITEM, static_cast<WPARAM>(nItem)));
}

BOOL CListCtrl::DeleteAllItems()
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_DELETEALLITEMS));
}

int CListCtrl::FindItem(LVFINDINFO* pFindInfo, int nStart) const
{
    return static_cast<int>(
        SendTo(m_hWnd, LVM_FINDITEMA, static_cast<WPARAM>(nStart), Arg(pFindInfo)));
}

int CListCtrl::HitTest(LVHITTESTINFO* pHitTestInfo) const
{
    return static_cast<int>(SendTo(m_hWnd, LVM_HITTEST, 0, Arg(pHitTestInfo)));
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const
{
    LVHITTESTINFO hit{};
    hit.pt = pt;
    const int item = HitTest(&hit);
    if (pFlags)
        *pFlags = hit.flags;
    return item;
}

int CListCtrl::SubItemHitTest(LPLVHITTESTINFO pInfo)
{
    return static_cast<int>(SendTo(m_hWnd, LVM_SUBITEMHITTEST, 0, Arg(pInfo)));
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL bPartialOK)
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(nItem), MAKELPARAM(bPartialOK, 0)));
}

BOOL CListCtrl::Scroll(CSize size)
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_SCROLL, static_cast<WPARAM>(size.cx), static_cast<LPARAM>(size.cy)));
}

BOOL CListCtrl::RedrawItems(int nFirst, int nLast)
{
    return static_cast<BOOL>(
        SendTo(m_hWnd, LVM_REDRAWITEMS, static_cast<WPARAM>(nFirst), static_cast<LPARAM>(nLast)));
}

BOOL CListCtrl::Update(int nItem)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_UPDATE, static_cast<WPARAM>(nItem)));
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* pColumn)
{
    return static_cast<int>(
        SendTo(m_hWnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(nCol), Arg(pColumn)));
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth,
                            int nSubItem)
{
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_FMT;
    column.pszText = const_cast<LPSTR>(lpszColumnHeading);
    column.fmt = nFormat;
    if (nWidth != -1)
    {
        column.mask |= LVCF_WIDTH;
        column.cx = nWidth;
    }
    if (nSubItem != -1)
    {
        column.mask |= LVCF_SUBITEM;
        column.iSubItem = nSubItem;
    }
    return InsertColumn(nCol, &column);
}

BOOL CListCtrl::DeleteColumn(int nCol)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_DELETECOLUMN, static_cast<WPARAM>(nCol)));
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_SORTITEMS, static_cast<WPARAM>(dwData),
                                    reinterpret_cast<LPARAM>(pfnCompare)));
}

BOOL CListCtrl::SortItemsEx(PFNLVCOMPARE pfnCompare, DWORD_PTR dwData)
{
    return static_cast<BOOL>(SendTo(m_hWnd, LVM_SORTITEMSEX, static_cast<WPARAM>(dwData),
                                    reinterpret_cast<LPARAM>(pfnCompare)));
}
