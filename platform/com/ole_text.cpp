// Narrow and OLE string conversions (see ole_text.h).
//
// Does not do: code pages. Narrow text is Latin-1 throughout the platform, so a char maps to the
// OLECHAR of the same value and back; surrogate pairs become two '?'.

#include "com/ole_text.h"

namespace platform::com
{

std::size_t OleLength(const OLECHAR* text)
{
    std::size_t n = 0;
    if (text)
    {
        while (text[n])
            ++n;
    }
    return n;
}

std::string NarrowFromOle(const OLECHAR* text, std::size_t length)
{
    std::string narrow(length, '\0');
    for (std::size_t i = 0; i < length; ++i)
        narrow[i] = text[i] < 256 ? static_cast<char>(text[i]) : '?';
    return narrow;
}

std::u16string OleFromNarrow(const char* text)
{
    std::u16string ole;
    for (const char* p = text; p && *p; ++p)
        ole.push_back(static_cast<OLECHAR>(static_cast<unsigned char>(*p)));
    return ole;
}

} // namespace platform::com
