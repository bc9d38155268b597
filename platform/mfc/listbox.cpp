// CListBox: a thin wrapper that sends the list box's own messages, and the overridables that an
// owner-drawn or keyboard-handling list box's class implements, reached through the parent's
// reflection of WM_DRAWITEM, WM_MEASUREITEM, WM_COMPAREITEM, WM_DELETEITEM, WM_VKEYTOITEM and
// WM_CHARTOITEM.
//
// Does NOT do: GetListBoxInfo, or drag lists (CDragListBox).
#include <afxwin.h>

#include <string>

IMPLEMENT_DYNAMIC(CListBox, CWnd)

CListBox::CListBox() = default;
CListBox::~CListBox() = default;

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListBox::GetCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCOUNT, 0, 0));
}

int CListBox::GetHorizontalExtent() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETHORIZONTALEXTENT, 0, 0));
}

void CListBox::SetHorizontalExtent(int cxExtent)
{
    SendMessage(LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(cxExtent));
}

int CListBox::GetTopIndex() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETTOPINDEX, 0, 0));
}

int CListBox::SetTopIndex(int nIndex)
{
    return static_cast<int>(SendMessage(LB_SETTOPINDEX, static_cast<WPARAM>(nIndex)));
}

DWORD_PTR CListBox::GetItemData(int nIndex) const
{
    return static_cast<DWORD_PTR>(
        ::SendMessageA(m_hWnd, LB_GETITEMDATA, static_cast<WPARAM>(nIndex), 0));
}

void* CListBox::GetItemDataPtr(int nIndex) const
{
    return reinterpret_cast<void*>(GetItemData(nIndex));
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData)
{
    return static_cast<int>(
        SendMessage(LB_SETITEMDATA, static_cast<WPARAM>(nIndex), static_cast<LPARAM>(dwItemData)));
}

int CListBox::SetItemDataPtr(int nIndex, void* pData)
{
    return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData));
}

int CListBox::GetItemRect(int nIndex, LPRECT lpRect) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETITEMRECT, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpRect)));
}

UINT CListBox::ItemFromPoint(CPoint pt, BOOL& bOutside) const
{
    const LRESULT result = ::SendMessageA(m_hWnd, LB_ITEMFROMPOINT, 0, MAKELPARAM(pt.x, pt.y));
    bOutside = HIWORD(result) != 0;
    return LOWORD(result);
}

int CListBox::SetItemHeight(int nIndex, UINT cyItemHeight)
{
    return static_cast<int>(
        SendMessage(LB_SETITEMHEIGHT, static_cast<WPARAM>(nIndex), MAKELPARAM(cyItemHeight, 0)));
}

int CListBox::GetItemHeight(int nIndex) const
{
    return static_cast<int>(
        ::SendMessageA(m_hWnd, LB_GETITEMHEIGHT, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::GetSel(int nIndex) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETSEL, static_cast<WPARAM>(nIndex), 0));
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXT, static_cast<WPARAM>(nIndex),
                                           reinterpret_cast<LPARAM>(lpszBuffer)));
}

void CListBox::GetText(int nIndex, CString& rString) const
{
    const int length = GetTextLen(nIndex);
    if (length < 0)
    {
        rString.Empty();
        return;
    }
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = GetText(nIndex, text.data());
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    rString = text.c_str();
}

int CListBox::GetTextLen(int nIndex) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETTEXTLEN, static_cast<WPARAM>(nIndex), 0));
}

void CListBox::SetColumnWidth(int cxWidth)
{
    SendMessage(LB_SETCOLUMNWIDTH, static_cast<WPARAM>(cxWidth));
}

void CListBox::SetTabStops()
{
    SendMessage(LB_SETTABSTOPS, 0, 0);
}

BOOL CListBox::SetTabStops(const int& cxEachStop)
{
    return static_cast<BOOL>(SendMessage(LB_SETTABSTOPS, 1, reinterpret_cast<LPARAM>(&cxEachStop)));
}

BOOL CListBox::SetTabStops(int nTabStops, LPINT rgTabStops)
{
    return static_cast<BOOL>(SendMessage(LB_SETTABSTOPS, static_cast<WPARAM>(nTabStops),
                                         reinterpret_cast<LPARAM>(rgTabStops)));
}

LCID CListBox::GetLocale() const
{
    return static_cast<LCID>(::SendMessageA(m_hWnd, LB_GETLOCALE, 0, 0));
}

LCID CListBox::SetLocale(LCID nNewLocale)
{
    return static_cast<LCID>(SendMessage(LB_SETLOCALE, static_cast<WPARAM>(nNewLocale)));
}

int CListBox::InitStorage(int nItems, UINT nBytes)
{
    return static_cast<int>(
        SendMessage(LB_INITSTORAGE, static_cast<WPARAM>(nItems), static_cast<LPARAM>(nBytes)));
}

int CListBox::GetCurSel() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCURSEL, 0, 0));
}

int CListBox::SetCurSel(int nSelect)
{
    return static_cast<int>(SendMessage(LB_SETCURSEL, static_cast<WPARAM>(nSelect)));
}

int CListBox::SetSel(int nIndex, BOOL bSelect)
{
    return static_cast<int>(
        SendMessage(LB_SETSEL, static_cast<WPARAM>(bSelect), static_cast<LPARAM>(nIndex)));
}

int CListBox::GetCaretIndex() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETCARETINDEX, 0, 0));
}

int CListBox::SetCaretIndex(int nIndex, BOOL bScroll)
{
    return static_cast<int>(
        SendMessage(LB_SETCARETINDEX, static_cast<WPARAM>(nIndex), MAKELPARAM(bScroll, 0)));
}

int CListBox::GetSelCount() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETSELCOUNT, 0, 0));
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETSELITEMS, static_cast<WPARAM>(nMaxItems),
                                           reinterpret_cast<LPARAM>(rgIndex)));
}

void CListBox::SetAnchorIndex(int nIndex)
{
    SendMessage(LB_SETANCHORINDEX, static_cast<WPARAM>(nIndex));
}

int CListBox::GetAnchorIndex() const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_GETANCHORINDEX, 0, 0));
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem)
{
    // LB_SELITEMRANGEEX deselects when its first index is the larger one.
    if (bSelect)
        return static_cast<int>(SendMessage(LB_SELITEMRANGEEX, static_cast<WPARAM>(nFirstItem),
                                            static_cast<LPARAM>(nLastItem)));
    return static_cast<int>(SendMessage(LB_SELITEMRANGEEX, static_cast<WPARAM>(nLastItem),
                                        static_cast<LPARAM>(nFirstItem)));
}

int CListBox::AddString(LPCTSTR lpszItem)
{
    return static_cast<int>(SendMessage(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::DeleteString(UINT nIndex)
{
    return static_cast<int>(SendMessage(LB_DELETESTRING, nIndex));
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem)
{
    return static_cast<int>(SendMessage(LB_INSERTSTRING, static_cast<WPARAM>(nIndex),
                                        reinterpret_cast<LPARAM>(lpszItem)));
}

void CListBox::ResetContent()
{
    SendMessage(LB_RESETCONTENT);
}

int CListBox::Dir(UINT attr, LPCTSTR lpszWildCard)
{
    return static_cast<int>(SendMessage(LB_DIR, attr, reinterpret_cast<LPARAM>(lpszWildCard)));
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_FINDSTRING, static_cast<WPARAM>(nStartAfter),
                                           reinterpret_cast<LPARAM>(lpszItem)));
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const
{
    return static_cast<int>(::SendMessageA(m_hWnd, LB_FINDSTRINGEXACT,
                                           static_cast<WPARAM>(nIndexStart),
                                           reinterpret_cast<LPARAM>(lpszFind)));
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem)
{
    return static_cast<int>(SendMessage(LB_SELECTSTRING, static_cast<WPARAM>(nStartAfter),
                                        reinterpret_cast<LPARAM>(lpszItem)));
}

void CListBox::DrawItem(LPDRAWITEMSTRUCT)
{
    // An owner-drawn list's class must draw it; nothing sensible can be drawn here.
    TRACE("CListBox::DrawItem: an owner-drawn list box's class does not draw it\n");
}

void CListBox::MeasureItem(LPMEASUREITEMSTRUCT)
{
    // The default item height stays.
}

int CListBox::CompareItem(LPCOMPAREITEMSTRUCT)
{
    TRACE("CListBox::CompareItem: a sorted owner-drawn list box's class does not compare\n");
    return 0;
}

void CListBox::DeleteItem(LPDELETEITEMSTRUCT) {}

int CListBox::VKeyToItem(UINT, UINT)
{
    return -1;
}

int CListBox::CharToItem(UINT, UINT)
{
    return -1;
}

BOOL CListBox::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    LRESULT result = 0;
    switch (message)
    {
    case WM_DRAWITEM:
        DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam));
        result = TRUE;
        break;
    case WM_MEASUREITEM:
        MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam));
        result = TRUE;
        break;
    case WM_COMPAREITEM:
        result = CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam));
        break;
    case WM_DELETEITEM:
        DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam));
        result = TRUE;
        break;
    case WM_VKEYTOITEM:
        result = VKeyToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    case WM_CHARTOITEM:
        result = CharToItem(LOWORD(wParam), HIWORD(wParam));
        break;
    default:
        return CWnd::OnChildNotify(message, wParam, lParam, pResult);
    }
    if (pResult != nullptr)
        *pResult = result;
    return TRUE;
}
