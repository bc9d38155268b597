// LoadStringA: strings from a module's string tables.
//
// A string table resource holds 16 strings: string id n lives in block n / 16 + 1 at index
// n % 16, each stored as a 16-bit length followed by that many UTF-16 units (no terminator).
// The text converts to narrow Latin-1, with '?' for characters outside it.
//
// Does not do: a buffer size of zero. For the wide function that returns a pointer into the
// resource; a narrow copy cannot, so zero loads nothing and returns 0 without touching the buffer.

#include <windows.h>

#include "kernel/narrow_text.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace
{

// The text of string `id` in `block`, or false when the block does not hold it.
bool StringFromBlock(const unsigned char* block, DWORD size, UINT id, std::string& text)
{
    std::size_t pos = 0;
    for (UINT index = 0; index < id % 16; ++index)
    {
        if (size - pos < 2)
            return false;
        pos += 2 + 2 * std::size_t{platform::ReadWord(block + pos)};
        if (pos > size)
            return false;
    }
    if (size - pos < 2)
        return false;
    std::size_t units = platform::ReadWord(block + pos);
    if (2 * units > size - pos - 2)
        return false;
    text = platform::NarrowFromUtf16(block + pos + 2, units);
    return true;
}

} // namespace

int WINAPI LoadStringA(HINSTANCE instance, UINT id, LPSTR buffer, int bufferMax)
{
    if (!buffer || bufferMax <= 0)
    {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    buffer[0] = '\0';
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCE((id >> 4) + 1), RT_STRING);
    if (!found)
        return 0;
    auto* block = static_cast<const unsigned char*>(LockResource(LoadResource(instance, found)));
    std::string text;
    if (!block || !StringFromBlock(block, SizeofResource(instance, found), id, text))
    {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return 0;
    }
    // Truncated to fit, always terminated.
    std::size_t copied = std::min(text.size(), static_cast<std::size_t>(bufferMax - 1));
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
    return static_cast<int>(copied);
}
