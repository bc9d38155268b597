// CString: storage, assignment, comparison, searching, editing and formatting.
//
// Does not do (see also afxstr.h):
// - Locale-aware case mapping or whitespace: both follow the C locale, so results do not change
//   with the process's locale.
// - Sharing buffers between copies: every non-empty string owns its buffer.

#include <afx.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <new>
#include <utility>

namespace
{

// Empty strings point here so that constructing one never allocates. The array is never written:
// every path that hands out a writable buffer first gives the string a buffer of its own.
char g_emptyString[1] = {0};

char* AllocateChars(int nCapacity)
{
    if (nCapacity < 0)
        AfxThrowInvalidArgException();
    char* buffer = new (std::nothrow) char[static_cast<size_t>(nCapacity) + 1];
    if (!buffer)
        AfxThrowMemoryException();
    return buffer;
}

int LengthOf(LPCSTR psz)
{
    return psz ? static_cast<int>(std::strlen(psz)) : 0;
}

int BoundedLength(LPCSTR pch, int nMax)
{
    if (nMax < 0)
        AfxThrowInvalidArgException();
    if (!pch)
    {
        if (nMax > 0)
            AfxThrowInvalidArgException();
        return 0;
    }
    return static_cast<int>(strnlen(pch, static_cast<size_t>(nMax)));
}

bool IsSpace(char ch)
{
    return ch == ' ' || (ch >= '\t' && ch <= '\r');
}

char ToLower(char ch)
{
    return ch >= 'A' && ch <= 'Z' ? static_cast<char>(ch - 'A' + 'a') : ch;
}

char ToUpper(char ch)
{
    return ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
}

bool InSet(char ch, LPCSTR pszSet)
{
    return ch != '\0' && std::strchr(pszSet, ch) != nullptr;
}

int Sign(int value)
{
    return (value > 0) - (value < 0);
}

// Resource identifiers passed where a string pointer is expected (MAKEINTRESOURCE) have their high
// bits clear; no real string lives in the first 64 KiB of the address space.
bool IsResourceId(LPCSTR psz)
{
    return psz && (reinterpret_cast<ULONG_PTR>(psz) >> 16) == 0;
}

} // namespace

// ---- Storage ----

bool CString::OwnsBuffer() const noexcept
{
    return m_pszData != g_emptyString;
}

bool CString::PointsInto(LPCSTR p) const noexcept
{
    std::less_equal<LPCSTR> lessEqual;
    return p && lessEqual(m_pszData, p) && lessEqual(p, m_pszData + m_nLength);
}

void CString::Release() noexcept
{
    if (OwnsBuffer())
        delete[] m_pszData;
    m_pszData = g_emptyString;
    m_nLength = 0;
    m_nAlloc = 0;
}

void CString::Reserve(int nCapacity)
{
    if (OwnsBuffer() && nCapacity <= m_nAlloc)
        return;
    nCapacity = std::max(nCapacity, m_nLength);
    char* buffer = AllocateChars(nCapacity);
    std::memcpy(buffer, m_pszData, static_cast<size_t>(m_nLength) + 1);
    if (OwnsBuffer())
        delete[] m_pszData;
    m_pszData = buffer;
    m_nAlloc = nCapacity;
}

void CString::Grow(int nCapacity)
{
    if (OwnsBuffer() && nCapacity <= m_nAlloc)
        return;
    long long geometric = static_cast<long long>(m_nAlloc) + m_nAlloc / 2;
    Reserve(static_cast<int>(
        std::min<long long>(std::max<long long>(nCapacity, geometric), 0x7FFFFFFE)));
}

void CString::SetLength(int nLength)
{
    if (nLength < 0 || nLength > m_nAlloc)
        AfxThrowInvalidArgException();
    m_nLength = nLength;
    if (OwnsBuffer())
        m_pszData[nLength] = '\0';
}

void CString::AssignChars(LPCSTR pch, int nLength)
{
    if (nLength == 0)
    {
        SetLength(0);
        return;
    }
    if (PointsInto(pch))
    {
        // A piece of this very string: it fits in the current buffer, so move it in place.
        std::memmove(m_pszData, pch, static_cast<size_t>(nLength));
        SetLength(nLength);
        return;
    }
    if (!OwnsBuffer() || nLength > m_nAlloc)
    {
        Release();
        m_pszData = AllocateChars(nLength);
        m_nAlloc = nLength;
    }
    std::memcpy(m_pszData, pch, static_cast<size_t>(nLength));
    SetLength(nLength);
}

void CString::AppendChars(LPCSTR pch, int nLength)
{
    if (nLength <= 0)
        return;
    if (nLength > 0x7FFFFFFE - m_nLength)
        AfxThrowMemoryException();
    // The source may be part of this string, which growing would free; remember it as an offset.
    bool self = PointsInto(pch);
    ptrdiff_t offset = self ? pch - m_pszData : 0;
    Grow(m_nLength + nLength);
    if (self)
        pch = m_pszData + offset;
    std::memmove(m_pszData + m_nLength, pch, static_cast<size_t>(nLength));
    SetLength(m_nLength + nLength);
}

// ---- Construction and assignment ----

CString::CString() noexcept : m_pszData(g_emptyString) {}

CString::CString(const CString& other) : m_pszData(g_emptyString)
{
    AssignChars(other.m_pszData, other.m_nLength);
}

CString::CString(CString&& other) noexcept
    : m_pszData(std::exchange(other.m_pszData, g_emptyString)),
      m_nLength(std::exchange(other.m_nLength, 0)), m_nAlloc(std::exchange(other.m_nAlloc, 0))
{
}

CString::CString(LPCSTR psz) : m_pszData(g_emptyString)
{
    if (IsResourceId(psz))
        LoadString(LOWORD(reinterpret_cast<ULONG_PTR>(psz)));
    else
        AssignChars(psz, LengthOf(psz));
}

CString::CString(const unsigned char* psz) : CString(reinterpret_cast<LPCSTR>(psz)) {}

CString::CString(LPCSTR pch, int nLength) : m_pszData(g_emptyString)
{
    AssignChars(pch, BoundedLength(pch, nLength));
}

CString::CString(char ch, int nRepeat) : m_pszData(g_emptyString)
{
    if (nRepeat < 0)
        AfxThrowInvalidArgException();
    if (nRepeat == 0 || ch == '\0')
        return;
    Reserve(nRepeat);
    std::memset(m_pszData, ch, static_cast<size_t>(nRepeat));
    SetLength(nRepeat);
}

CString::CString(const std::string& text) : m_pszData(g_emptyString)
{
    AssignChars(text.c_str(), LengthOf(text.c_str()));
}

CString::~CString()
{
    Release();
}

CString& CString::operator=(const CString& other)
{
    if (this != &other)
        AssignChars(other.m_pszData, other.m_nLength);
    return *this;
}

CString& CString::operator=(CString&& other) noexcept
{
    if (this != &other)
    {
        Release();
        m_pszData = std::exchange(other.m_pszData, g_emptyString);
        m_nLength = std::exchange(other.m_nLength, 0);
        m_nAlloc = std::exchange(other.m_nAlloc, 0);
    }
    return *this;
}

CString& CString::operator=(LPCSTR psz)
{
    SetString(psz);
    return *this;
}

CString& CString::operator=(const unsigned char* psz)
{
    SetString(reinterpret_cast<LPCSTR>(psz));
    return *this;
}

CString& CString::operator=(char ch)
{
    char text[2] = {ch, '\0'};
    SetString(text);
    return *this;
}

CString& CString::operator+=(const CString& other)
{
    AppendChars(other.m_pszData, other.m_nLength);
    return *this;
}

CString& CString::operator+=(LPCSTR psz)
{
    Append(psz);
    return *this;
}

CString& CString::operator+=(char ch)
{
    AppendChar(ch);
    return *this;
}

void CString::Empty()
{
    Release();
}

void CString::SetString(LPCSTR psz)
{
    AssignChars(psz, LengthOf(psz));
}

void CString::SetString(LPCSTR psz, int nLength)
{
    AssignChars(psz, BoundedLength(psz, nLength));
}

void CString::Append(LPCSTR psz)
{
    AppendChars(psz, LengthOf(psz));
}

void CString::Append(LPCSTR psz, int nLength)
{
    AppendChars(psz, BoundedLength(psz, nLength));
}

void CString::Append(const CString& other)
{
    AppendChars(other.m_pszData, other.m_nLength);
}

void CString::AppendChar(char ch)
{
    if (ch != '\0')
        AppendChars(&ch, 1);
}

void CString::Truncate(int nNewLength)
{
    if (nNewLength < 0 || nNewLength > m_nLength)
        AfxThrowInvalidArgException();
    SetLength(nNewLength);
}

CString operator+(const CString& a, const CString& b)
{
    CString result;
    result.Reserve(a.m_nLength + b.m_nLength);
    result.AppendChars(a.m_pszData, a.m_nLength);
    result.AppendChars(b.m_pszData, b.m_nLength);
    return result;
}

CString operator+(const CString& a, LPCSTR b)
{
    CString result(a);
    result.Append(b);
    return result;
}

CString operator+(LPCSTR a, const CString& b)
{
    CString result;
    int nLength = LengthOf(a);
    result.Reserve(nLength + b.m_nLength);
    result.AppendChars(a, nLength);
    result.AppendChars(b.m_pszData, b.m_nLength);
    return result;
}

CString operator+(const CString& a, char b)
{
    CString result(a);
    result.AppendChar(b);
    return result;
}

CString operator+(char a, const CString& b)
{
    CString result(a);
    result.Append(b);
    return result;
}

// ---- Element access ----

char CString::GetAt(int iChar) const
{
    if (iChar < 0 || iChar > m_nLength)
        AfxThrowInvalidArgException();
    return m_pszData[iChar];
}

void CString::SetAt(int iChar, char ch)
{
    if (iChar < 0 || iChar >= m_nLength)
        AfxThrowInvalidArgException();
    // A zero would cut the string short without its length knowing; store it as a truncation.
    if (ch == '\0')
        SetLength(iChar);
    else
        m_pszData[iChar] = ch;
}

// ---- Comparison ----

int CString::Compare(LPCSTR psz) const
{
    return Sign(std::strcmp(m_pszData, psz ? psz : ""));
}

// Both sides are folded to lower case before comparing, so characters that sit between the upper
// and lower case letters ('[' to '`') sort before the letters, as the C runtime's case-insensitive
// comparison orders them.
int CString::CompareNoCase(LPCSTR psz) const
{
    const unsigned char* a = reinterpret_cast<const unsigned char*>(m_pszData);
    const unsigned char* b = reinterpret_cast<const unsigned char*>(psz ? psz : "");
    for (;; ++a, ++b)
    {
        int ca = static_cast<unsigned char>(ToLower(static_cast<char>(*a)));
        int cb = static_cast<unsigned char>(ToLower(static_cast<char>(*b)));
        if (ca != cb || ca == 0)
            return Sign(ca - cb);
    }
}

int CString::Collate(LPCSTR psz) const
{
    return Sign(std::strcoll(m_pszData, psz ? psz : ""));
}

int CString::CollateNoCase(LPCSTR psz) const
{
    CString a(*this);
    CString b(psz);
    a.MakeLower();
    b.MakeLower();
    return a.Collate(b);
}

// ---- Extraction ----

CString CString::Mid(int iFirst) const
{
    return Mid(iFirst, m_nLength - std::max(iFirst, 0));
}

CString CString::Mid(int iFirst, int nCount) const
{
    iFirst = std::max(iFirst, 0);
    nCount = std::max(nCount, 0);
    if (iFirst >= m_nLength)
        return CString();
    nCount = static_cast<int>(std::min<long long>(nCount, m_nLength - iFirst));
    if (iFirst == 0 && nCount == m_nLength)
        return *this;
    return CString(m_pszData + iFirst, nCount);
}

CString CString::Left(int nCount) const
{
    nCount = std::max(nCount, 0);
    if (nCount >= m_nLength)
        return *this;
    return CString(m_pszData, nCount);
}

CString CString::Right(int nCount) const
{
    nCount = std::max(nCount, 0);
    if (nCount >= m_nLength)
        return *this;
    return CString(m_pszData + m_nLength - nCount, nCount);
}

CString CString::SpanIncluding(LPCSTR pszCharSet) const
{
    return Left(static_cast<int>(std::strspn(m_pszData, pszCharSet ? pszCharSet : "")));
}

CString CString::SpanExcluding(LPCSTR pszCharSet) const
{
    return Left(static_cast<int>(std::strcspn(m_pszData, pszCharSet ? pszCharSet : "")));
}

// Returns the next run of characters not in pszTokens starting at iStart, skipping leading
// delimiters, and moves iStart just past the delimiter that ends it. When nothing is left the
// result is empty and iStart becomes -1. With no delimiters at all the rest of the string is one
// token; unlike MFC, iStart then moves past the end so that a loop over the tokens ends.
CString CString::Tokenize(LPCSTR pszTokens, int& iStart) const
{
    if (iStart >= 0 && iStart < m_nLength)
    {
        if (!pszTokens || !*pszTokens)
        {
            CString token(m_pszData + iStart, m_nLength - iStart);
            iStart = m_nLength + 1;
            return token;
        }
        LPCSTR place = m_pszData + iStart;
        int nIncluding = static_cast<int>(std::strspn(place, pszTokens));
        if (iStart + nIncluding < m_nLength)
        {
            int iFrom = iStart + nIncluding;
            int nUntil = static_cast<int>(std::strcspn(m_pszData + iFrom, pszTokens));
            iStart = iFrom + nUntil + 1;
            return CString(m_pszData + iFrom, nUntil);
        }
    }
    iStart = -1;
    return CString();
}

// ---- Modification ----

CString& CString::MakeUpper()
{
    for (int i = 0; i < m_nLength; ++i)
        m_pszData[i] = ToUpper(m_pszData[i]);
    return *this;
}

CString& CString::MakeLower()
{
    for (int i = 0; i < m_nLength; ++i)
        m_pszData[i] = ToLower(m_pszData[i]);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_pszData, m_pszData + m_nLength);
    return *this;
}

int CString::Replace(char chOld, char chNew)
{
    if (chOld == chNew || chOld == '\0')
        return 0;
    int nCount = 0;
    for (int i = 0; i < m_nLength; ++i)
    {
        if (m_pszData[i] == chOld)
        {
            m_pszData[i] = chNew;
            ++nCount;
        }
    }
    // Replacing with a zero ends the string at the first replaced character.
    if (chNew == '\0' && nCount > 0)
        SetLength(LengthOf(m_pszData));
    return nCount;
}

int CString::Replace(LPCSTR pszOld, LPCSTR pszNew)
{
    int nOldLength = LengthOf(pszOld);
    if (nOldLength == 0)
        return 0;
    int nNewLength = LengthOf(pszNew);
    // The result is built separately: the old and new texts may both point into this string.
    CString result;
    int nCount = 0;
    LPCSTR start = m_pszData;
    LPCSTR end = m_pszData + m_nLength;
    while (LPCSTR match = std::strstr(start, pszOld))
    {
        result.AppendChars(start, static_cast<int>(match - start));
        result.AppendChars(pszNew, nNewLength);
        start = match + nOldLength;
        ++nCount;
    }
    if (nCount == 0)
        return 0;
    result.AppendChars(start, static_cast<int>(end - start));
    *this = std::move(result);
    return nCount;
}

int CString::Remove(char chRemove)
{
    if (chRemove == '\0')
        return 0;
    char* end = std::remove(m_pszData, m_pszData + m_nLength, chRemove);
    int nCount = static_cast<int>(m_pszData + m_nLength - end);
    if (nCount > 0)
        SetLength(m_nLength - nCount);
    return nCount;
}

int CString::Insert(int iIndex, char ch)
{
    char text[2] = {ch, '\0'};
    return Insert(iIndex, text);
}

int CString::Insert(int iIndex, LPCSTR psz)
{
    iIndex = std::clamp(iIndex, 0, m_nLength);
    int nInsert = LengthOf(psz);
    if (nInsert == 0)
        return m_nLength;
    CString result;
    result.Reserve(m_nLength + nInsert);
    result.AppendChars(m_pszData, iIndex);
    result.AppendChars(psz, nInsert);
    result.AppendChars(m_pszData + iIndex, m_nLength - iIndex);
    *this = std::move(result);
    return m_nLength;
}

int CString::Delete(int iIndex, int nCount)
{
    iIndex = std::max(iIndex, 0);
    nCount = std::max(nCount, 0);
    if (static_cast<long long>(iIndex) + nCount > m_nLength)
        nCount = m_nLength - iIndex;
    if (nCount > 0)
    {
        std::memmove(m_pszData + iIndex, m_pszData + iIndex + nCount,
                     static_cast<size_t>(m_nLength - iIndex - nCount));
        SetLength(m_nLength - nCount);
    }
    return m_nLength;
}

// ---- Trimming ----

namespace
{

template <typename Predicate> int LeadingCount(LPCSTR data, int nLength, Predicate matches)
{
    int n = 0;
    while (n < nLength && matches(data[n]))
        ++n;
    return n;
}

template <typename Predicate> int TrailingCount(LPCSTR data, int nLength, Predicate matches)
{
    int n = 0;
    while (n < nLength && matches(data[nLength - 1 - n]))
        ++n;
    return n;
}

} // namespace

CString& CString::TrimLeft()
{
    Delete(0, LeadingCount(m_pszData, m_nLength, IsSpace));
    return *this;
}

CString& CString::TrimLeft(char chTarget)
{
    Delete(0, LeadingCount(m_pszData, m_nLength, [=](char ch) { return ch == chTarget; }));
    return *this;
}

CString& CString::TrimLeft(LPCSTR pszTargets)
{
    if (pszTargets && *pszTargets)
        Delete(0,
               LeadingCount(m_pszData, m_nLength, [=](char ch) { return InSet(ch, pszTargets); }));
    return *this;
}

CString& CString::TrimRight()
{
    Truncate(m_nLength - TrailingCount(m_pszData, m_nLength, IsSpace));
    return *this;
}

CString& CString::TrimRight(char chTarget)
{
    Truncate(m_nLength -
             TrailingCount(m_pszData, m_nLength, [=](char ch) { return ch == chTarget; }));
    return *this;
}

CString& CString::TrimRight(LPCSTR pszTargets)
{
    if (pszTargets && *pszTargets)
        Truncate(m_nLength - TrailingCount(m_pszData, m_nLength,
                                           [=](char ch) { return InSet(ch, pszTargets); }));
    return *this;
}

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(char chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCSTR pszTargets)
{
    return TrimRight(pszTargets).TrimLeft(pszTargets);
}

// ---- Searching ----

int CString::Find(char ch, int iStart) const
{
    if (iStart < 0 || iStart >= m_nLength)
        return -1;
    LPCSTR found = std::strchr(m_pszData + iStart, ch);
    return found ? static_cast<int>(found - m_pszData) : -1;
}

int CString::Find(LPCSTR pszSub, int iStart) const
{
    if (!pszSub || iStart < 0 || iStart > m_nLength)
        return -1;
    LPCSTR found = std::strstr(m_pszData + iStart, pszSub);
    return found ? static_cast<int>(found - m_pszData) : -1;
}

int CString::ReverseFind(char ch) const
{
    LPCSTR found = std::strrchr(m_pszData, ch);
    return found ? static_cast<int>(found - m_pszData) : -1;
}

int CString::FindOneOf(LPCSTR pszCharSet) const
{
    if (!pszCharSet)
        return -1;
    LPCSTR found = std::strpbrk(m_pszData, pszCharSet);
    return found ? static_cast<int>(found - m_pszData) : -1;
}

// ---- Formatting ----

void CString::FormatV(LPCSTR pszFormat, va_list args)
{
    // Formatted separately and then swapped in, because an argument may be this string's text.
    CString result;
    result.AppendFormatV(pszFormat, args);
    *this = std::move(result);
}

void CString::AppendFormatV(LPCSTR pszFormat, va_list args)
{
    if (!pszFormat)
        AfxThrowInvalidArgException();
    va_list measure;
    va_copy(measure, args);
    int nLength = std::vsnprintf(nullptr, 0, pszFormat, measure);
    va_end(measure);
    if (nLength < 0)
        AfxThrowInvalidArgException();
    if (nLength == 0)
        return;
    CString formatted;
    formatted.Reserve(nLength);
    std::vsnprintf(formatted.m_pszData, static_cast<size_t>(nLength) + 1, pszFormat, args);
    formatted.SetLength(LengthOf(formatted.m_pszData));
    Append(formatted);
}

void CString::FormatImpl(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    FormatV(pszFormat, args);
    va_end(args);
}

void CString::AppendFormatImpl(LPCSTR pszFormat, ...)
{
    va_list args;
    va_start(args, pszFormat);
    AppendFormatV(pszFormat, args);
    va_end(args);
}

// ---- Resources ----

BOOL CString::LoadString(UINT nID)
{
    HINSTANCE instance = AfxGetResourceHandle();
    // LoadString reports how many characters it copied; a result that fills the buffer may have
    // been cut short, so try again with more room.
    CString text;
    for (int nSize = 256; nSize <= 0x10000; nSize *= 2)
    {
        LPSTR buffer = text.GetBuffer(nSize);
        int nCopied = ::LoadString(instance, nID, buffer, nSize + 1);
        if (nCopied <= 0)
            return FALSE;
        text.ReleaseBuffer(std::min(nCopied, nSize));
        if (nCopied < nSize)
            break;
    }
    *this = std::move(text);
    return TRUE;
}

// ---- Direct buffer access ----

LPSTR CString::GetBuffer()
{
    return GetBuffer(0);
}

LPSTR CString::GetBuffer(int nMinBufferLength)
{
    if (nMinBufferLength < 0)
        AfxThrowInvalidArgException();
    Reserve(std::max(nMinBufferLength, m_nLength));
    // Zeros beyond the text let ReleaseBuffer() find an end even if the caller wrote none.
    std::memset(m_pszData + m_nLength, 0, static_cast<size_t>(m_nAlloc - m_nLength) + 1);
    return m_pszData;
}

LPSTR CString::GetBufferSetLength(int nLength)
{
    LPSTR buffer = GetBuffer(nLength);
    SetLength(nLength);
    return buffer;
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength == -1)
        nNewLength = static_cast<int>(strnlen(m_pszData, static_cast<size_t>(m_nAlloc)));
    SetLength(nNewLength);
}

void CString::ReleaseBufferSetLength(int nNewLength)
{
    SetLength(nNewLength);
}

void CString::Preallocate(int nLength)
{
    if (nLength < 0)
        AfxThrowInvalidArgException();
    Reserve(nLength);
}

void CString::FreeExtra()
{
    if (m_nLength == 0)
    {
        Release();
        return;
    }
    if (m_nAlloc == m_nLength)
        return;
    char* buffer = AllocateChars(m_nLength);
    std::memcpy(buffer, m_pszData, static_cast<size_t>(m_nLength) + 1);
    delete[] m_pszData;
    m_pszData = buffer;
    m_nAlloc = m_nLength;
}
