// CharUpperA, CharLowerA, IsCharAlphaA and IsCharAlphaNumericA for Latin-1 narrow text.
//
// Does not do: code pages other than Latin-1 (the platform's narrow character set); the
// superscript digits are not counted as digits.

#include <windows.h>

#include "kernel/narrow_text.h"

namespace
{

// Both functions take either a string or, when the high word of the pointer is zero, a single
// character in the low word, and then return the converted character the same way.
LPSTR ConvertCase(LPSTR text, char (*convert)(char))
{
    auto value = reinterpret_cast<ULONG_PTR>(text);
    if (value >> 16 == 0)
    {
        auto c = static_cast<unsigned char>(convert(static_cast<char>(value & 0xFF)));
        return reinterpret_cast<LPSTR>(static_cast<ULONG_PTR>(c));
    }
    for (char* p = text; *p; ++p)
        *p = convert(*p);
    return text;
}

} // namespace

LPSTR WINAPI CharUpperA(LPSTR text)
{
    return ConvertCase(text, platform::UpperLatin1);
}

LPSTR WINAPI CharLowerA(LPSTR text)
{
    return ConvertCase(text, platform::LowerLatin1);
}

BOOL WINAPI IsCharAlphaA(CHAR ch)
{
    auto c = static_cast<unsigned char>(ch);
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return TRUE;
    // Latin-1 letters: the feminine and masculine ordinals, micro sign, and the accented block
    // without the multiplication and division signs.
    if (c == 0xAA || c == 0xB5 || c == 0xBA)
        return TRUE;
    return c >= 0xC0 && c != 0xD7 && c != 0xF7;
}

BOOL WINAPI IsCharAlphaNumericA(CHAR ch)
{
    return IsCharAlphaA(ch) || (ch >= '0' && ch <= '9');
}
