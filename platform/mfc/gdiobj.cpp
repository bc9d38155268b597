// CGdiObject and its pens, brushes and fonts: owners of GDI handles that delete them when they
// are destroyed, and the map from handles to wrappers.
//
// Does NOT do:
// - Throw CResourceException when a constructor fails to create its object: the object is
//   left empty (m_hObject NULL) instead.
// - Pattern and hatch brushes, extended pens, GetObjectType.
#include "mfc/gdiobj_map.h"

#include <cstdlib>
#include <cstring>

namespace platform::mfc
{

HandleMap<CGdiObject>& GdiObjectMap()
{
    // Never destroyed: wrappers in static objects may detach during the process's exit.
    static auto* map = new HandleMap<CGdiObject>;
    return *map;
}

} // namespace platform::mfc

using platform::mfc::GdiObjectMap;

IMPLEMENT_DYNCREATE(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)

CGdiObject::CGdiObject() : m_hObject(nullptr) {}

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* PASCAL CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiObjectMap().FromHandle<CGdiObject>(hObject);
}

void PASCAL CGdiObject::DeleteTempMap()
{
    GdiObjectMap().DeleteTemporaries();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    // Attaching over a handle would lose it; MFC asserts, the previous one is let go here.
    Detach();
    m_hObject = hObject;
    GdiObjectMap().SetPermanent(hObject, this);
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr)
        GdiObjectMap().RemovePermanent(hObject, this);
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    return Attach(::GetStockObject(nIndex));
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectA(m_hObject, nCount, lpObject);
}

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor)
{
    CreatePen(nPenStyle, nWidth, crColor);
}

CPen* PASCAL CPen::FromHandle(HPEN hPen)
{
    return GdiObjectMap().FromHandle<CPen>(hPen);
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    return Attach(::CreatePen(nPenStyle, nWidth, crColor));
}

CBrush::CBrush(COLORREF crColor)
{
    CreateSolidBrush(crColor);
}

CBrush* PASCAL CBrush::FromHandle(HBRUSH hBrush)
{
    return GdiObjectMap().FromHandle<CBrush>(hBrush);
}

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    return Attach(::CreateSolidBrush(crColor));
}

BOOL CBrush::CreateSysColorBrush(int nIndex)
{
    // System colour brushes belong to the system; deleting one later does nothing.
    return Attach(::GetSysColorBrush(nIndex));
}

CFont* PASCAL CFont::FromHandle(HFONT hFont)
{
    return GdiObjectMap().FromHandle<CFont>(hFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont)
{
    return Attach(::CreateFontIndirectA(lpLogFont));
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                       LPCTSTR lpszFacename)
{
    LOGFONT font{};
    font.lfHeight = nHeight;
    font.lfWidth = nWidth;
    font.lfEscapement = nEscapement;
    font.lfOrientation = nOrientation;
    font.lfWeight = nWeight;
    font.lfItalic = bItalic;
    font.lfUnderline = bUnderline;
    font.lfStrikeOut = cStrikeOut;
    font.lfCharSet = nCharSet;
    font.lfOutPrecision = nOutPrecision;
    font.lfClipPrecision = nClipPrecision;
    font.lfQuality = nQuality;
    font.lfPitchAndFamily = nPitchAndFamily;
    if (lpszFacename != nullptr)
        ::lstrcpynA(font.lfFaceName, lpszFacename, LF_FACESIZE);
    return CreateFontIndirect(&font);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    LOGFONT font{};
    font.lfCharSet = 1; // DEFAULT_CHARSET
    font.lfHeight = nPointSize;
    if (lpszFaceName != nullptr)
        ::lstrcpynA(font.lfFaceName, lpszFaceName, LF_FACESIZE);
    return CreatePointFontIndirect(&font, pDC);
}

BOOL CFont::CreatePointFontIndirect(const LOGFONT* lpLogFont, CDC* pDC)
{
    // lfHeight comes in tenths of a point; a font's height is negative pixels: the character
    // height without internal leading.
    HDC dc = pDC != nullptr ? pDC->m_hAttribDC : ::GetDC(nullptr);
    LOGFONT font = *lpLogFont;
    int pixelsPerInch = dc != nullptr ? ::GetDeviceCaps(dc, LOGPIXELSY) : 96;
    font.lfHeight = -std::abs(pixelsPerInch * lpLogFont->lfHeight / 720);
    if (pDC == nullptr && dc != nullptr)
        ::ReleaseDC(nullptr, dc);
    return CreateFontIndirect(&font);
}

int CFont::GetLogFont(LOGFONT* pLogFont)
{
    return GetObject(sizeof(LOGFONT), pLogFont);
}
