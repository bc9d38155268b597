#include "kernel/narrow_text.h"

namespace platform
{

std::string NarrowFromUtf16(const unsigned char* utf16, std::size_t units)
{
    std::string text;
    text.reserve(units);
    for (std::size_t i = 0; i < units; ++i)
    {
        std::uint16_t unit = ReadWord(utf16 + 2 * i);
        if (unit < 256)
        {
            text.push_back(static_cast<char>(unit));
            continue;
        }
        text.push_back('?');
        // A surrogate pair stands for one character, so it becomes one '?', not two.
        bool high = unit >= 0xD800 && unit <= 0xDBFF;
        if (high && i + 1 < units)
        {
            std::uint16_t next = ReadWord(utf16 + 2 * (i + 1));
            if (next >= 0xDC00 && next <= 0xDFFF)
                ++i;
        }
    }
    return text;
}

// Latin-1 letters come in case pairs 0x20 apart, except the multiplication and division signs
// that sit where a pair would be, and the lower-case letters without an upper-case partner in
// Latin-1 (sharp s, y with diaeresis).
char UpperLatin1(char c)
{
    auto u = static_cast<unsigned char>(c);
    if (u >= 'a' && u <= 'z')
        return static_cast<char>(u - 0x20);
    if (u >= 0xE0 && u <= 0xFE && u != 0xF7)
        return static_cast<char>(u - 0x20);
    return c;
}

char LowerLatin1(char c)
{
    auto u = static_cast<unsigned char>(c);
    if (u >= 'A' && u <= 'Z')
        return static_cast<char>(u + 0x20);
    if (u >= 0xC0 && u <= 0xDE && u != 0xD7)
        return static_cast<char>(u + 0x20);
    return c;
}

} // namespace platform
