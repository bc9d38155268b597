// BSTR allocation: SysAllocString and friends.
//
// A BSTR is laid out as on Windows: the pointer the caller sees is preceded by a 32-bit byte
// count and followed by a 16-bit zero, so the text may hold embedded zeros and still be read as
// a zero-terminated string. The block starts four bytes before the count so that the text is
// 8-byte aligned, as 64-bit Windows keeps it.
//
// Does not do:
// - The allocation cache of OLEAUT32 (every BSTR is its own heap block), or its debugging aid
//   SetOaNoCache.
// - Accept a BSTR that did not come from these functions: SysFreeString of any other pointer is
//   undefined behaviour, as on Windows.

#include <windows.h>
#include <oleauto.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace
{

constexpr std::size_t kHeader = 8;

// Allocates a BSTR of `bytes` bytes of text, copying `source` when given and zeroing otherwise.
BSTR Allocate(const void* source, std::size_t bytes)
{
    // The count is 32 bits; keep room for the header and terminator as well.
    if (bytes > 0xFFFFFFF0u - kHeader)
        return nullptr;
    auto* block = static_cast<unsigned char*>(std::malloc(kHeader + bytes + sizeof(OLECHAR)));
    if (!block)
        return nullptr;
    auto count = static_cast<std::uint32_t>(bytes);
    std::memset(block, 0, kHeader - sizeof count);
    std::memcpy(block + kHeader - sizeof count, &count, sizeof count);
    unsigned char* text = block + kHeader;
    if (source)
        std::memcpy(text, source, bytes);
    else
        std::memset(text, 0, bytes);
    text[bytes] = 0;
    text[bytes + 1] = 0;
    return reinterpret_cast<BSTR>(text);
}

unsigned char* BlockOf(BSTR bstr)
{
    return reinterpret_cast<unsigned char*>(bstr) - kHeader;
}

} // namespace

BSTR WINAPI SysAllocString(const OLECHAR* psz)
{
    if (!psz)
        return nullptr;
    std::size_t n = 0;
    while (psz[n])
        ++n;
    return Allocate(psz, n * sizeof(OLECHAR));
}

BSTR WINAPI SysAllocStringLen(const OLECHAR* strIn, UINT ui)
{
    return Allocate(strIn, static_cast<std::size_t>(ui) * sizeof(OLECHAR));
}

BSTR WINAPI SysAllocStringByteLen(LPCSTR psz, UINT len)
{
    return Allocate(psz, len);
}

INT WINAPI SysReAllocString(BSTR* pbstr, const OLECHAR* psz)
{
    if (!pbstr)
        return FALSE;
    // The new string may be part of the old one, so it is copied before the old one goes.
    BSTR fresh = SysAllocString(psz);
    if (psz && !fresh)
        return FALSE;
    SysFreeString(*pbstr);
    *pbstr = fresh;
    return TRUE;
}

INT WINAPI SysReAllocStringLen(BSTR* pbstr, const OLECHAR* psz, unsigned int len)
{
    if (!pbstr)
        return FALSE;
    BSTR fresh = SysAllocStringLen(psz, len);
    if (!fresh)
        return FALSE;
    SysFreeString(*pbstr);
    *pbstr = fresh;
    return TRUE;
}

void WINAPI SysFreeString(BSTR bstrString)
{
    if (bstrString)
        std::free(BlockOf(bstrString));
}

UINT WINAPI SysStringByteLen(BSTR bstr)
{
    if (!bstr)
        return 0;
    std::uint32_t count = 0;
    std::memcpy(&count, reinterpret_cast<unsigned char*>(bstr) - sizeof count, sizeof count);
    return count;
}

UINT WINAPI SysStringLen(BSTR pbstr)
{
    return SysStringByteLen(pbstr) / sizeof(OLECHAR);
}
