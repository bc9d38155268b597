// CBitmapButton: an owner-drawn button that copies the bitmap of its state into its rectangle.
//
// The parent reflects WM_DRAWITEM to the button (CButton::OnChildNotify), and DrawItem picks
// the bitmap: pushed (ODS_SELECTED), else focused (ODS_FOCUS), else disabled (ODS_DISABLED),
// each only when loaded, otherwise the normal bitmap. The bitmap is copied from its top-left
// corner, cut to the button's size, as MFC does.

#include <afxext.h>

IMPLEMENT_DYNAMIC(CBitmapButton, CButton)

namespace
{

// Loads name into bitmap unless name is NULL; false when it was asked for and failed.
bool LoadOptional(CBitmap& bitmap, LPCTSTR name)
{
    if (name == nullptr)
        return true;
    if (bitmap.LoadBitmap(name))
        return true;
    TRACE("CBitmapButton: bitmap resource not found\n");
    return false;
}

LPCTSTR IdName(UINT id)
{
    return id != 0 ? MAKEINTRESOURCE(id) : nullptr;
}

} // namespace

CBitmapButton::CBitmapButton() = default;
CBitmapButton::~CBitmapButton() = default;

BOOL CBitmapButton::LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel,
                                LPCTSTR lpszBitmapResourceFocus, LPCTSTR lpszBitmapResourceDisabled)
{
    // Loading again replaces every bitmap, including states the new set leaves out.
    m_bitmap.DeleteObject();
    m_bitmapSel.DeleteObject();
    m_bitmapFocus.DeleteObject();
    m_bitmapDisabled.DeleteObject();

    if (lpszBitmapResource == nullptr || !m_bitmap.LoadBitmap(lpszBitmapResource))
    {
        TRACE("CBitmapButton: the normal bitmap is required and was not found\n");
        return FALSE;
    }
    bool all = LoadOptional(m_bitmapSel, lpszBitmapResourceSel);
    all = LoadOptional(m_bitmapFocus, lpszBitmapResourceFocus) && all;
    all = LoadOptional(m_bitmapDisabled, lpszBitmapResourceDisabled) && all;
    return all ? TRUE : FALSE;
}

BOOL CBitmapButton::LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel,
                                UINT nIDBitmapResourceFocus, UINT nIDBitmapResourceDisabled)
{
    return LoadBitmaps(IdName(nIDBitmapResource), IdName(nIDBitmapResourceSel),
                       IdName(nIDBitmapResourceFocus), IdName(nIDBitmapResourceDisabled));
}

BOOL CBitmapButton::AutoLoad(UINT nID, CWnd* pParent)
{
    if (!SubclassDlgItem(nID, pParent))
        return FALSE;
    CString name;
    GetWindowText(name);
    ASSERT(!name.IsEmpty());
    // Like MFC, a missing pushed, focused or disabled bitmap is no failure.
    LoadBitmaps(name + "U", name + "D", name + "F", name + "X");
    if (m_bitmap.m_hObject == nullptr)
        return FALSE;
    SizeToContent();
    return TRUE;
}

void CBitmapButton::SizeToContent()
{
    ASSERT(m_bitmap.m_hObject != nullptr);
    BITMAP info{};
    if (m_bitmap.GetBitmap(&info) == 0)
        return;
    SetWindowPos(nullptr, -1, -1, info.bmWidth, info.bmHeight,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE);
}

void CBitmapButton::DrawItem(LPDRAWITEMSTRUCT lpDIS)
{
    ASSERT(lpDIS != nullptr);
    ASSERT(m_bitmap.m_hObject != nullptr);
    CBitmap* bitmap = &m_bitmap;
    const UINT state = lpDIS->itemState;
    if ((state & ODS_SELECTED) && m_bitmapSel.m_hObject != nullptr)
        bitmap = &m_bitmapSel;
    else if ((state & ODS_FOCUS) && m_bitmapFocus.m_hObject != nullptr)
        bitmap = &m_bitmapFocus;
    else if ((state & ODS_DISABLED) && m_bitmapDisabled.m_hObject != nullptr)
        bitmap = &m_bitmapDisabled;

    CDC* dc = CDC::FromHandle(lpDIS->hDC);
    CDC memory;
    if (dc == nullptr || !memory.CreateCompatibleDC(dc))
        return;
    CBitmap* old = memory.SelectObject(bitmap);
    if (old == nullptr)
        return;
    const RECT& r = lpDIS->rcItem;
    dc->BitBlt(r.left, r.top, r.right - r.left, r.bottom - r.top, &memory, 0, 0, SRCCOPY);
    memory.SelectObject(old);
}
