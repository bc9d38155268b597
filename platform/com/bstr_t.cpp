// _bstr_t and the _com_util conversions it is built on.
//
// Copies of a _bstr_t share one reference-counted Data_t holding the BSTR and, once asked for,
// its narrow form. Operations that change the string (+=, Assign, GetBSTR, GetAddress, Attach,
// Detach) first make the object the only owner, so copies never see each other's changes.
//
// Does not do:
// - Thread safety for one _bstr_t object used from several threads at once. Copies on
//   different threads are safe; the narrow form of a shared string is made without a lock, as
//   with the compiler's own class.
// - Conversions through code pages: narrow text is Latin-1 (see ole_text.h).

#include <comdef.h>

#include "com/ole_text.h"

#include <atomic>
#include <cstring>

class _bstr_t::Data_t
{
public:
    explicit Data_t(BSTR owned) noexcept : m_wstr(owned) {}
    ~Data_t()
    {
        SysFreeString(m_wstr);
        delete[] m_str;
    }

    void AddRef() noexcept { m_refs.fetch_add(1, std::memory_order_relaxed); }
    void Release() noexcept
    {
        if (m_refs.fetch_sub(1, std::memory_order_acq_rel) == 1)
            delete this;
    }
    bool Shared() const noexcept { return m_refs.load(std::memory_order_acquire) > 1; }

    BSTR& Wide() noexcept
    {
        // The caller may be about to change the string, so the narrow form no longer holds.
        ClearNarrow();
        return m_wstr;
    }
    BSTR GetWide() const noexcept { return m_wstr; }
    const char* Narrow() const
    {
        if (!m_str && m_wstr)
            m_str = _com_util::ConvertBSTRToString(m_wstr);
        return m_str;
    }
    void ClearNarrow() noexcept
    {
        delete[] m_str;
        m_str = nullptr;
    }

private:
    BSTR m_wstr;
    mutable char* m_str = nullptr;
    std::atomic<unsigned long> m_refs{1};
};

namespace
{

BSTR CheckedCopy(const OLECHAR* text, UINT length)
{
    BSTR copy = SysAllocStringLen(text, length);
    if (!copy)
        _com_issue_error(E_OUTOFMEMORY);
    return copy;
}

} // namespace

BSTR WINAPI _com_util::ConvertStringToBSTR(const char* pSrc)
{
    if (!pSrc)
        return nullptr;
    std::u16string ole = platform::com::OleFromNarrow(pSrc);
    return CheckedCopy(ole.data(), static_cast<UINT>(ole.size()));
}

char* WINAPI _com_util::ConvertBSTRToString(BSTR pSrc)
{
    if (!pSrc)
        return nullptr;
    std::string narrow = platform::com::NarrowFromOle(pSrc, SysStringLen(pSrc));
    char* result = new char[narrow.size() + 1];
    std::memcpy(result, narrow.c_str(), narrow.size() + 1);
    return result;
}

_bstr_t::_bstr_t() noexcept : m_Data(nullptr) {}

_bstr_t::_bstr_t(const _bstr_t& s) noexcept : m_Data(s.m_Data)
{
    if (m_Data)
        m_Data->AddRef();
}

_bstr_t::_bstr_t(const char* s) : m_Data(new Data_t(_com_util::ConvertStringToBSTR(s))) {}

_bstr_t::_bstr_t(const OLECHAR* s)
    : m_Data(
          new Data_t(s ? CheckedCopy(s, static_cast<UINT>(platform::com::OleLength(s))) : nullptr))
{
}

_bstr_t::_bstr_t(BSTR bstr, bool fCopy)
    : m_Data(new Data_t(fCopy && bstr ? CheckedCopy(bstr, SysStringLen(bstr)) : bstr))
{
}

_bstr_t::~_bstr_t() noexcept
{
    _Free();
}

void _bstr_t::_Free() noexcept
{
    if (m_Data)
        m_Data->Release();
    m_Data = nullptr;
}

_bstr_t& _bstr_t::operator=(const _bstr_t& s) noexcept
{
    if (m_Data != s.m_Data)
    {
        _Free();
        m_Data = s.m_Data;
        if (m_Data)
            m_Data->AddRef();
    }
    return *this;
}

_bstr_t& _bstr_t::operator=(const char* s)
{
    return *this = _bstr_t(s);
}

_bstr_t& _bstr_t::operator=(const OLECHAR* s)
{
    return *this = _bstr_t(s);
}

_bstr_t& _bstr_t::operator+=(const _bstr_t& s)
{
    UINT mine = length();
    UINT theirs = s.length();
    BSTR joined = CheckedCopy(nullptr, mine + theirs);
    if (mine)
        std::memcpy(joined, static_cast<const OLECHAR*>(*this), mine * sizeof(OLECHAR));
    if (theirs)
        std::memcpy(joined + mine, static_cast<const OLECHAR*>(s), theirs * sizeof(OLECHAR));
    Attach(joined);
    return *this;
}

_bstr_t _bstr_t::operator+(const _bstr_t& s) const
{
    _bstr_t joined(*this);
    joined += s;
    return joined;
}

_bstr_t operator+(const char* s1, const _bstr_t& s2)
{
    return _bstr_t(s1) + s2;
}

_bstr_t operator+(const OLECHAR* s1, const _bstr_t& s2)
{
    return _bstr_t(s1) + s2;
}

_bstr_t::operator const OLECHAR*() const noexcept
{
    return m_Data ? m_Data->GetWide() : nullptr;
}

_bstr_t::operator OLECHAR*() const noexcept
{
    return m_Data ? m_Data->GetWide() : nullptr;
}

_bstr_t::operator const char*() const
{
    return m_Data ? m_Data->Narrow() : nullptr;
}

_bstr_t::operator char*() const
{
    return const_cast<char*>(m_Data ? m_Data->Narrow() : nullptr);
}

bool _bstr_t::operator!() const noexcept
{
    return !m_Data || !m_Data->GetWide();
}

int _bstr_t::_Compare(const _bstr_t& str) const noexcept
{
    BSTR a = m_Data ? m_Data->GetWide() : nullptr;
    BSTR b = str.m_Data ? str.m_Data->GetWide() : nullptr;
    if (a == b)
        return 0;
    // An empty string and NULL are equal, as the compiler's class has them.
    UINT la = SysStringLen(a);
    UINT lb = SysStringLen(b);
    UINT n = la < lb ? la : lb;
    for (UINT i = 0; i < n; ++i)
    {
        if (a[i] != b[i])
            return a[i] < b[i] ? -1 : 1;
    }
    return la == lb ? 0 : (la < lb ? -1 : 1);
}

bool _bstr_t::operator==(const _bstr_t& str) const noexcept
{
    return _Compare(str) == 0;
}

bool _bstr_t::operator!=(const _bstr_t& str) const noexcept
{
    return _Compare(str) != 0;
}

bool _bstr_t::operator<(const _bstr_t& str) const noexcept
{
    return _Compare(str) < 0;
}

bool _bstr_t::operator>(const _bstr_t& str) const noexcept
{
    return _Compare(str) > 0;
}

bool _bstr_t::operator<=(const _bstr_t& str) const noexcept
{
    return _Compare(str) <= 0;
}

bool _bstr_t::operator>=(const _bstr_t& str) const noexcept
{
    return _Compare(str) >= 0;
}

BSTR _bstr_t::copy(bool fCopy) const
{
    BSTR mine = m_Data ? m_Data->GetWide() : nullptr;
    if (!fCopy || !mine)
        return mine;
    return CheckedCopy(mine, SysStringLen(mine));
}

unsigned int _bstr_t::length() const noexcept
{
    return m_Data ? SysStringLen(m_Data->GetWide()) : 0;
}

_bstr_t::Data_t* _bstr_t::_Own()
{
    if (!m_Data)
        m_Data = new Data_t(nullptr);
    else if (m_Data->Shared())
    {
        BSTR mine = m_Data->GetWide();
        auto* own = new Data_t(mine ? CheckedCopy(mine, SysStringLen(mine)) : nullptr);
        m_Data->Release();
        m_Data = own;
    }
    return m_Data;
}

void _bstr_t::Assign(BSTR s)
{
    BSTR fresh = s ? CheckedCopy(s, SysStringLen(s)) : nullptr;
    Attach(fresh);
}

BSTR& _bstr_t::GetBSTR()
{
    return _Own()->Wide();
}

BSTR* _bstr_t::GetAddress()
{
    BSTR& wide = _Own()->Wide();
    SysFreeString(wide);
    wide = nullptr;
    return &wide;
}

void _bstr_t::Attach(BSTR s)
{
    _Free();
    m_Data = new Data_t(s);
}

BSTR _bstr_t::Detach()
{
    BSTR& wide = _Own()->Wide();
    BSTR result = wide;
    wide = nullptr;
    return result;
}
