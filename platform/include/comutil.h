// The compiler's COM support: narrow/OLE string conversions and _bstr_t.
//
// Narrow text is Latin-1: each char becomes the OLECHAR of the same value, and OLECHARs above 255
// become '?' on the way back.
#pragma once
#include <ole2.h>

#ifndef RC_INVOKED

#define COMSUPP_API __attribute__((visibility("default")))

// Throws _com_error(hr) (comdef.h). Everything in this header and in comdef.h reports failures
// through it.
COMSUPP_API void WINAPI _com_issue_error(HRESULT hr);
// Throws _com_error(hr) with the error information that `punk` left for this thread, when
// `punk` says (through ISupportErrorInfo) that interface `riid` supports error information.
COMSUPP_API void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* punk, REFIID riid);

namespace _com_util
{
// A new BSTR holding `pSrc`, or NULL for NULL. Free it with SysFreeString.
COMSUPP_API BSTR WINAPI ConvertStringToBSTR(const char* pSrc);
// A new narrow string holding `pSrc`, or NULL for NULL. Free it with delete[].
COMSUPP_API char* WINAPI ConvertBSTRToString(BSTR pSrc);
} // namespace _com_util

// A reference-counted BSTR. Copies share one string; the narrow form is made on first use and
// kept with it.
class COMSUPP_API _bstr_t
{
public:
    _bstr_t() noexcept;
    _bstr_t(const _bstr_t& s) noexcept;
    _bstr_t(const char* s);
    _bstr_t(const OLECHAR* s);
    // Takes `bstr` over (fCopy false) or copies it (fCopy true).
    _bstr_t(BSTR bstr, bool fCopy);
    ~_bstr_t() noexcept;

    _bstr_t& operator=(const _bstr_t& s) noexcept;
    _bstr_t& operator=(const char* s);
    _bstr_t& operator=(const OLECHAR* s);

    _bstr_t& operator+=(const _bstr_t& s);
    _bstr_t operator+(const _bstr_t& s) const;
    friend COMSUPP_API _bstr_t operator+(const char* s1, const _bstr_t& s2);
    friend COMSUPP_API _bstr_t operator+(const OLECHAR* s1, const _bstr_t& s2);

    operator const OLECHAR*() const noexcept;
    operator OLECHAR*() const noexcept;
    // The narrow form, valid while this string (or a copy sharing it) lives; NULL when empty.
    operator const char*() const;
    operator char*() const;

    bool operator!() const noexcept;
    bool operator==(const _bstr_t& str) const noexcept;
    bool operator!=(const _bstr_t& str) const noexcept;
    bool operator<(const _bstr_t& str) const noexcept;
    bool operator>(const _bstr_t& str) const noexcept;
    bool operator<=(const _bstr_t& str) const noexcept;
    bool operator>=(const _bstr_t& str) const noexcept;

    // A new BSTR copy (fCopy true) or the wrapped BSTR itself (fCopy false).
    BSTR copy(bool fCopy = true) const;
    unsigned int length() const noexcept;

    // Replaces the string with a copy of `s`.
    void Assign(BSTR s);
    // The wrapped BSTR, which the caller may replace (this object then owns the new one).
    BSTR& GetBSTR();
    // Frees the string and returns where a function may store a new BSTR for this object.
    BSTR* GetAddress();
    // Takes `s` over without copying it.
    void Attach(BSTR s);
    // Gives up the BSTR, which the caller then frees; this object becomes empty.
    BSTR Detach();

private:
    class Data_t;
    void _Free() noexcept;
    int _Compare(const _bstr_t& str) const noexcept;
    // Makes this object the only owner of its data, so that it may be changed in place.
    Data_t* _Own();

    Data_t* m_Data;
};

#endif // RC_INVOKED
