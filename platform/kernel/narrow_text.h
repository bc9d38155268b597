// Conversion of the UTF-16 text that compiled resources hold into the platform's narrow strings.
//
// Narrow strings are Latin-1: UTF-16 units below 256 map to the same byte, everything else
// (including both halves of a surrogate pair, which become one character) maps to '?'.
//
// Does not do: code pages other than Latin-1, best-fit mappings of other characters.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

namespace platform
{

// Reads the little-endian 16-bit unit at p; resource data need not be aligned for this.
inline std::uint16_t ReadWord(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline std::uint32_t ReadDword(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// Converts `units` UTF-16 code units starting at `utf16` (little-endian bytes).
std::string NarrowFromUtf16(const unsigned char* utf16, std::size_t units);

// Converts one character of a narrow string for comparison with resource names, which resource
// compilers store in upper case.
char UpperLatin1(char c);
char LowerLatin1(char c);

} // namespace platform
