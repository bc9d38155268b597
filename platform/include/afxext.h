// MFC's extensions beyond the core window classes: one section per class.
#pragma once
#include <afxwin.h>

// ---- CBitmapButton ----

// An owner-drawn push button (BS_OWNERDRAW) that shows one of up to four bitmaps: the normal
// one, and those for the pushed, focused and disabled states, each falling back to the normal
// bitmap when missing.
class AFX_CORE_DATA CBitmapButton : public CButton
{
    DECLARE_DYNAMIC(CBitmapButton)
public:
    CBitmapButton();
    ~CBitmapButton() override;

    // Loads the bitmaps; only the normal one is required. TRUE when every bitmap asked for
    // loaded (the ones that did are kept either way).
    BOOL LoadBitmaps(LPCTSTR lpszBitmapResource, LPCTSTR lpszBitmapResourceSel = NULL,
                     LPCTSTR lpszBitmapResourceFocus = NULL,
                     LPCTSTR lpszBitmapResourceDisabled = NULL);
    BOOL LoadBitmaps(UINT nIDBitmapResource, UINT nIDBitmapResourceSel = 0,
                     UINT nIDBitmapResourceFocus = 0, UINT nIDBitmapResourceDisabled = 0);
    // Subclasses the dialog's button nID and loads the bitmaps its caption names: caption "OK"
    // loads "OKU" (normal), "OKD" (pushed), "OKF" (focused) and "OKX" (disabled). Then sizes
    // the button to the normal bitmap. FALSE when the button or its normal bitmap is missing.
    BOOL AutoLoad(UINT nID, CWnd* pParent);
    // Makes the button the size of its normal bitmap.
    void SizeToContent();

    void DrawItem(LPDRAWITEMSTRUCT lpDIS) override;

protected:
    CBitmap m_bitmap;
    CBitmap m_bitmapSel;
    CBitmap m_bitmapFocus;
    CBitmap m_bitmapDisabled;
};
