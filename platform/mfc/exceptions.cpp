// The MFC exception classes and the helpers that throw them.
//
// Does not do:
// - ReportError, and message texts from a resource library: the texts are fixed English.
// - CUserException, CFileException, COleException and the other exception classes.

#include <afx.h>

#include <cstring>

IMPLEMENT_DYNAMIC(CException, CObject)
IMPLEMENT_DYNAMIC(CSimpleException, CException)
IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)
IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)
IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)

namespace
{

const char kMemoryMessage[] = "Out of memory.";
const char kInvalidArgMessage[] = "Encountered an improper argument.";
const char kNotSupportedMessage[] = "Unsupported operation was attempted.";

} // namespace

CException::CException() : m_bAutoDelete(TRUE) {}

CException::CException(BOOL bAutoDelete) : m_bAutoDelete(bAutoDelete) {}

CException::~CException() = default;

void CException::Delete()
{
    if (m_bAutoDelete)
        delete this;
}

BOOL CException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (lpszError && nMaxError > 0)
        lpszError[0] = '\0';
    return FALSE;
}

CSimpleException::CSimpleException() = default;

CSimpleException::CSimpleException(BOOL bAutoDelete) : CException(bAutoDelete) {}

CSimpleException::CSimpleException(BOOL bAutoDelete, LPCSTR lpszMessage)
    : CException(bAutoDelete), m_lpszMessage(lpszMessage)
{
}

// Copies as much of the message as fits, always terminated, as lstrcpyn does.
BOOL CSimpleException::GetErrorMessage(LPSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const
{
    if (!m_lpszMessage)
        return CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    if (pnHelpContext)
        *pnHelpContext = 0;
    if (!lpszError || nMaxError == 0)
        return FALSE;
    size_t n = strnlen(m_lpszMessage, nMaxError - 1);
    std::memcpy(lpszError, m_lpszMessage, n);
    lpszError[n] = '\0';
    return TRUE;
}

CMemoryException::CMemoryException() : CSimpleException(TRUE, kMemoryMessage) {}

CMemoryException::CMemoryException(BOOL bAutoDelete) : CSimpleException(bAutoDelete, kMemoryMessage)
{
}

CInvalidArgException::CInvalidArgException() : CSimpleException(TRUE, kInvalidArgMessage) {}

CInvalidArgException::CInvalidArgException(BOOL bAutoDelete)
    : CSimpleException(bAutoDelete, kInvalidArgMessage)
{
}

CNotSupportedException::CNotSupportedException() : CSimpleException(TRUE, kNotSupportedMessage) {}

CNotSupportedException::CNotSupportedException(BOOL bAutoDelete)
    : CSimpleException(bAutoDelete, kNotSupportedMessage)
{
}

// Out of memory there may be no memory for a new exception object, so the throw helpers hand out
// shared objects that Delete() leaves alone. They are never modified, so threads may share them.
void AFXAPI AfxThrowMemoryException()
{
    static CMemoryException exception(FALSE);
    throw &exception;
}

void AFXAPI AfxThrowInvalidArgException()
{
    static CInvalidArgException exception(FALSE);
    throw &exception;
}

void AFXAPI AfxThrowNotSupportedException()
{
    static CNotSupportedException exception(FALSE);
    throw &exception;
}
