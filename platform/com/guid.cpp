// GUID strings: StringFromGUID2, StringFromCLSID, StringFromIID, CLSIDFromString,
// IIDFromString, and CLSIDFromProgID over HKEY_CLASSES_ROOT\<ProgID>\CLSID.
//
// The string form is Windows': "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", 38 characters, upper-case
// hexadecimal when written, either case when read.
//
// Does not do:
// - ProgID redirection through CurVer, or the per-user class registrations.
// - The lenient parsing of very old Windows versions (missing braces, extra text after the
//   closing brace): those strings are rejected.

#include <windows.h>
#include <objbase.h>

#include "com/ole_text.h"

#include <cstring>

namespace
{

constexpr int kGuidChars = 38;

int HexValue(OLECHAR c)
{
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

// Reads `digits` hexadecimal digits at text[at].
bool ReadHex(const OLECHAR* text, int at, int digits, std::uint32_t& out)
{
    out = 0;
    for (int i = 0; i < digits; ++i)
    {
        int v = HexValue(text[at + i]);
        if (v < 0)
            return false;
        out = (out << 4) | static_cast<std::uint32_t>(v);
    }
    return true;
}

// Parses the braced form; `text` must hold at least the 38 characters (it is zero-terminated,
// so the length check stops at the first zero).
bool ParseGuid(const OLECHAR* text, GUID& guid)
{
    if (platform::com::OleLength(text) != kGuidChars)
        return false;
    if (text[0] != u'{' || text[9] != u'-' || text[14] != u'-' || text[19] != u'-' ||
        text[24] != u'-' || text[37] != u'}')
        return false;
    std::uint32_t value = 0;
    if (!ReadHex(text, 1, 8, value))
        return false;
    guid.Data1 = value;
    if (!ReadHex(text, 10, 4, value))
        return false;
    guid.Data2 = static_cast<WORD>(value);
    if (!ReadHex(text, 15, 4, value))
        return false;
    guid.Data3 = static_cast<WORD>(value);
    static constexpr int kByteAt[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (int i = 0; i < 8; ++i)
    {
        if (!ReadHex(text, kByteAt[i], 2, value))
            return false;
        guid.Data4[i] = static_cast<BYTE>(value);
    }
    return true;
}

void FormatGuid(REFGUID guid, OLECHAR* out)
{
    static constexpr char kDigits[] = "0123456789ABCDEF";
    int at = 0;
    auto put = [&](std::uint32_t value, int digits) {
        for (int i = digits - 1; i >= 0; --i)
            out[at++] = static_cast<OLECHAR>(kDigits[(value >> (4 * i)) & 0xF]);
    };
    out[at++] = u'{';
    put(guid.Data1, 8);
    out[at++] = u'-';
    put(guid.Data2, 4);
    out[at++] = u'-';
    put(guid.Data3, 4);
    out[at++] = u'-';
    put(guid.Data4[0], 2);
    put(guid.Data4[1], 2);
    out[at++] = u'-';
    for (int i = 2; i < 8; ++i)
        put(guid.Data4[i], 2);
    out[at++] = u'}';
    out[at] = 0;
}

HRESULT AllocatedString(REFGUID guid, LPOLESTR* out)
{
    if (!out)
        return E_INVALIDARG;
    *out = static_cast<LPOLESTR>(CoTaskMemAlloc((kGuidChars + 1) * sizeof(OLECHAR)));
    if (!*out)
        return E_OUTOFMEMORY;
    FormatGuid(guid, *out);
    return S_OK;
}

} // namespace

int WINAPI StringFromGUID2(REFGUID rguid, LPOLESTR lpsz, int cchMax)
{
    if (!lpsz || cchMax < kGuidChars + 1)
        return 0;
    FormatGuid(rguid, lpsz);
    return kGuidChars + 1;
}

HRESULT WINAPI StringFromCLSID(REFCLSID rclsid, LPOLESTR* lplpsz)
{
    return AllocatedString(rclsid, lplpsz);
}

HRESULT WINAPI StringFromIID(REFIID rclsid, LPOLESTR* lplpsz)
{
    return AllocatedString(rclsid, lplpsz);
}

HRESULT WINAPI CLSIDFromString(LPCOLESTR lpsz, LPCLSID pclsid)
{
    if (!pclsid)
        return E_INVALIDARG;
    *pclsid = CLSID_NULL;
    if (!lpsz)
        return S_OK;
    if (lpsz[0] != u'{')
        return CLSIDFromProgID(lpsz, pclsid);
    GUID guid{};
    if (!ParseGuid(lpsz, guid))
        return CO_E_CLASSSTRING;
    *pclsid = guid;
    return S_OK;
}

HRESULT WINAPI IIDFromString(LPCOLESTR lpsz, LPIID lpiid)
{
    if (!lpiid)
        return E_INVALIDARG;
    if (!lpsz)
    {
        *lpiid = IID_NULL;
        return S_OK;
    }
    GUID guid{};
    if (!ParseGuid(lpsz, guid))
        return E_INVALIDARG;
    *lpiid = guid;
    return S_OK;
}

HRESULT WINAPI CLSIDFromProgID(LPCOLESTR lpszProgID, LPCLSID lpclsid)
{
    if (!lpszProgID || !lpclsid)
        return E_INVALIDARG;
    *lpclsid = CLSID_NULL;
    std::string path =
        platform::com::NarrowFromOle(lpszProgID, platform::com::OleLength(lpszProgID));
    path += "\\CLSID";
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return CO_E_CLASSSTRING;
    char text[kGuidChars + 1] = {};
    DWORD size = sizeof text;
    DWORD type = 0;
    LONG error =
        RegQueryValueExA(key, nullptr, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(key);
    if (error != ERROR_SUCCESS || type != REG_SZ)
        return CO_E_CLASSSTRING;
    // The buffer holds one more character than a GUID string, so it is always terminated.
    text[kGuidChars] = '\0';
    std::u16string ole = platform::com::OleFromNarrow(text);
    GUID guid{};
    if (!ParseGuid(ole.c_str(), guid))
        return CO_E_CLASSSTRING;
    *lpclsid = guid;
    return S_OK;
}
