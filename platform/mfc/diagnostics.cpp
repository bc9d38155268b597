// Assertions and trace output.
//
// Does not do:
// - An interactive "abort, retry, ignore" prompt: a failed assertion reports and aborts.
// - Trace categories and levels: every TRACE line is written when tracing is on.

#include <afx.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>

BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine)
{
    std::fprintf(stderr, "%s(%d): assertion failed\n", lpszFileName ? lpszFileName : "?", nLine);
    std::fflush(stderr);
    std::abort();
}

void AFXAPI AfxAssertValidObject(const CObject* pObject, LPCSTR lpszFileName, int nLine)
{
    if (!pObject)
    {
        AfxAssertFailedLine(lpszFileName, nLine);
        return;
    }
    pObject->AssertValid();
}

BOOL AFXAPI AfxIsTraceEnabled()
{
    const char* value = std::getenv("AFX_TRACE");
    return value && *value && std::strcmp(value, "0") != 0;
}

void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...)
{
    if (!lpszFormat || !AfxIsTraceEnabled())
        return;
    // Formatted first and written with one call so that lines from different threads do not mix.
    va_list args;
    va_start(args, lpszFormat);
    CString text;
    text.FormatV(lpszFormat, args);
    va_end(args);
    std::fputs(text, stderr);
    std::fflush(stderr);
}
