// CString: the narrow MFC string with value semantics.
//
// Does not do:
// - Wide strings, CStringW, CStringT's traits and string managers, or copy-on-write sharing.
// - Embedded zero characters: lengths are counted up to the first zero, as C strings are.
//   A null pointer given where text is expected reads as the empty string.
// - Multi-byte character sets: case mapping and whitespace are those of the C locale (ASCII).
// - FormatMessage, OemToAnsi/AnsiToOem, BSTR conversion and serialization.
// - LoadString searches only the current resource handle, not every extension module.
#pragma once
#include <windows.h>
#include <afxver_.h>

#include <cstdarg>
#include <string>

[[noreturn]] AFX_CORE_DATA void AFXAPI AfxThrowMemoryException();
[[noreturn]] AFX_CORE_DATA void AFXAPI AfxThrowInvalidArgException();

class CString;

namespace platform::mfc
{

// Format arguments pass through unchanged, except that a CString passes its character pointer.
// MFC code habitually hands CString objects straight to Format; with this compiler a class object
// in a C variadic call would arrive as a hidden reference and print garbage.
template <typename T> inline const T& FormatArg(const T& value)
{
    return value;
}
inline LPCSTR FormatArg(const CString& value);

} // namespace platform::mfc

class AFX_CORE_DATA CString
{
public:
    CString() noexcept;
    CString(const CString& other);
    CString(CString&& other) noexcept;
    // A pointer whose value is a resource identifier (MAKEINTRESOURCE) loads that string.
    CString(LPCSTR psz);
    CString(const unsigned char* psz);
    // Takes at most nLength characters, stopping early at a zero, so a fixed-size buffer whose
    // writer forgot the terminator is never read past its end.
    CString(LPCSTR pch, int nLength);
    CString(char ch, int nRepeat = 1);
    CString(const std::string& text);
    ~CString();

    CString& operator=(const CString& other);
    CString& operator=(CString&& other) noexcept;
    CString& operator=(LPCSTR psz);
    CString& operator=(const unsigned char* psz);
    CString& operator=(char ch);

    CString& operator+=(const CString& other);
    CString& operator+=(LPCSTR psz);
    CString& operator+=(char ch);

    // ---- Access ----
    int GetLength() const noexcept { return m_nLength; }
    BOOL IsEmpty() const noexcept { return m_nLength == 0; }
    void Empty();
    LPCSTR GetString() const noexcept { return m_pszData; }
    operator LPCSTR() const noexcept { return m_pszData; }
    // Reading the index just past the end yields the terminating zero, as in MFC.
    char GetAt(int iChar) const;
    char operator[](int iChar) const { return GetAt(iChar); }
    void SetAt(int iChar, char ch);
    std::string ToStdString() const { return std::string(m_pszData, m_nLength); }

    // ---- Assignment and appending ----
    void SetString(LPCSTR psz);
    void SetString(LPCSTR psz, int nLength);
    void Append(LPCSTR psz);
    void Append(LPCSTR psz, int nLength);
    void Append(const CString& other);
    void AppendChar(char ch);
    void Truncate(int nNewLength);

    // ---- Comparison ----
    int Compare(LPCSTR psz) const;
    int CompareNoCase(LPCSTR psz) const;
    int Collate(LPCSTR psz) const;
    int CollateNoCase(LPCSTR psz) const;

    // ---- Extraction ----
    CString Mid(int iFirst) const;
    CString Mid(int iFirst, int nCount) const;
    CString Left(int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCSTR pszCharSet) const;
    CString SpanExcluding(LPCSTR pszCharSet) const;
    CString Tokenize(LPCSTR pszTokens, int& iStart) const;

    // ---- Modification ----
    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();
    int Replace(char chOld, char chNew);
    int Replace(LPCSTR pszOld, LPCSTR pszNew);
    int Remove(char chRemove);
    int Insert(int iIndex, char ch);
    int Insert(int iIndex, LPCSTR psz);
    int Delete(int iIndex, int nCount = 1);

    CString& Trim();
    CString& Trim(char chTarget);
    CString& Trim(LPCSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(char chTarget);
    CString& TrimLeft(LPCSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(char chTarget);
    CString& TrimRight(LPCSTR pszTargets);

    // ---- Searching ----
    int Find(char ch, int iStart = 0) const;
    int Find(LPCSTR pszSub, int iStart = 0) const;
    int ReverseFind(char ch) const;
    int FindOneOf(LPCSTR pszCharSet) const;

    // ---- Formatting (printf rules, any length) ----
    template <typename... Args> void Format(LPCSTR pszFormat, const Args&... args)
    {
        FormatImpl(pszFormat, platform::mfc::FormatArg(args)...);
    }
    template <typename... Args> void Format(UINT nFormatID, const Args&... args)
    {
        CString format;
        if (format.LoadString(nFormatID))
            FormatImpl(format.GetString(), platform::mfc::FormatArg(args)...);
    }
    template <typename... Args> void AppendFormat(LPCSTR pszFormat, const Args&... args)
    {
        AppendFormatImpl(pszFormat, platform::mfc::FormatArg(args)...);
    }
    template <typename... Args> void AppendFormat(UINT nFormatID, const Args&... args)
    {
        CString format;
        if (format.LoadString(nFormatID))
            AppendFormatImpl(format.GetString(), platform::mfc::FormatArg(args)...);
    }
    void FormatV(LPCSTR pszFormat, va_list args);
    void AppendFormatV(LPCSTR pszFormat, va_list args);

    // ---- Resources ----
    // Loads string nID from the current resource handle; FALSE (and the string unchanged) if
    // there is no such string.
    BOOL LoadString(UINT nID);

    // ---- Direct buffer access ----
    // GetBuffer(n) hands out room for at least n characters plus a terminator; the contents up to
    // the old length are kept, the rest is zero. ReleaseBuffer(-1) takes the length up to the
    // first zero (never beyond the buffer), ReleaseBuffer(n) takes exactly n.
    LPSTR GetBuffer();
    LPSTR GetBuffer(int nMinBufferLength);
    LPSTR GetBufferSetLength(int nLength);
    void ReleaseBuffer(int nNewLength = -1);
    void ReleaseBufferSetLength(int nNewLength);
    void Preallocate(int nLength);
    void FreeExtra();
    LPSTR LockBuffer() { return GetBuffer(); }
    void UnlockBuffer() {}
    int GetAllocLength() const noexcept { return m_nAlloc; }

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCSTR b);
    friend CString operator+(LPCSTR a, const CString& b);
    friend CString operator+(const CString& a, char b);
    friend CString operator+(char a, const CString& b);

    friend bool operator==(const CString& a, const CString& b) { return a.Compare(b) == 0; }
    friend bool operator==(const CString& a, LPCSTR b) { return a.Compare(b) == 0; }
    friend bool operator==(LPCSTR a, const CString& b) { return b.Compare(a) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return a.Compare(b) != 0; }
    friend bool operator!=(const CString& a, LPCSTR b) { return a.Compare(b) != 0; }
    friend bool operator!=(LPCSTR a, const CString& b) { return b.Compare(a) != 0; }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
    friend bool operator<(const CString& a, LPCSTR b) { return a.Compare(b) < 0; }
    friend bool operator<(LPCSTR a, const CString& b) { return b.Compare(a) > 0; }
    friend bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
    friend bool operator>(const CString& a, LPCSTR b) { return a.Compare(b) > 0; }
    friend bool operator>(LPCSTR a, const CString& b) { return b.Compare(a) < 0; }
    friend bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
    friend bool operator<=(const CString& a, LPCSTR b) { return a.Compare(b) <= 0; }
    friend bool operator<=(LPCSTR a, const CString& b) { return b.Compare(a) >= 0; }
    friend bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
    friend bool operator>=(const CString& a, LPCSTR b) { return a.Compare(b) >= 0; }
    friend bool operator>=(LPCSTR a, const CString& b) { return b.Compare(a) <= 0; }

private:
    void FormatImpl(LPCSTR pszFormat, ...);
    void AppendFormatImpl(LPCSTR pszFormat, ...);

    bool OwnsBuffer() const noexcept;
    bool PointsInto(LPCSTR p) const noexcept;
    void AssignChars(LPCSTR pch, int nLength);
    void AppendChars(LPCSTR pch, int nLength);
    // Makes room for nCapacity characters plus a terminator, keeping the current contents.
    void Reserve(int nCapacity);
    // Like Reserve, but grows geometrically so that repeated appends stay linear.
    void Grow(int nCapacity);
    void SetLength(int nLength);
    void Release() noexcept;

    char* m_pszData;
    int m_nLength = 0;
    int m_nAlloc = 0;
};

typedef CString CStringA;

inline LPCSTR platform::mfc::FormatArg(const CString& value)
{
    return value.GetString();
}
