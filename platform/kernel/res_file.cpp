// Reading .res files: a sequence of records, each a header (data size, header size, type, name,
// data version, memory flags, language, version, characteristics) followed by the data; headers
// and data both start on 4-byte boundaries.
//
// Does not do: the 16-bit .res format, which this platform's resource compiler never writes.

#include "kernel/res_file.h"

#include "kernel/narrow_text.h"

namespace platform
{
namespace
{

constexpr std::size_t kFixedTailSize = 16; // DataVersion .. Characteristics

// Reads a type or name field in [pos, end): 0xFFFF and a WORD ordinal, or a zero-terminated
// UTF-16 string.
bool ReadId(const unsigned char* image, std::size_t& pos, std::size_t end, ResourceId& id)
{
    if (end - pos < 2)
        return false;
    if (ReadWord(image + pos) == 0xFFFF)
    {
        if (end - pos < 4)
            return false;
        id.ordinal = ReadWord(image + pos + 2);
        pos += 4;
        return true;
    }
    std::size_t start = pos;
    while (end - pos >= 2)
    {
        if (ReadWord(image + pos) == 0)
        {
            id.name = NarrowFromUtf16(image + start, (pos - start) / 2);
            pos += 2;
            return true;
        }
        pos += 2;
    }
    return false;
}

std::size_t AlignUp4(std::size_t n)
{
    return (n + 3) & ~std::size_t{3};
}

} // namespace

bool ReadResFile(const unsigned char* image, std::size_t size, std::vector<ResourceRecord>& out)
{
    std::size_t pos = 0;
    while (pos < size)
    {
        if (size - pos < 8)
            return false;
        std::uint32_t dataSize = ReadDword(image + pos);
        std::uint32_t headerSize = ReadDword(image + pos + 4);
        if (headerSize < 8 || headerSize > size - pos || dataSize > size - pos - headerSize)
            return false;
        std::size_t headerEnd = pos + headerSize;
        std::size_t field = pos + 8;
        ResourceRecord record;
        if (!ReadId(image, field, headerEnd, record.type) ||
            !ReadId(image, field, headerEnd, record.name))
            return false;
        field = AlignUp4(field);
        if (field > headerEnd || headerEnd - field < kFixedTailSize)
            return false;
        record.language = ReadWord(image + field + 6);
        record.data = image + headerEnd;
        record.size = dataSize;
        // The first record of every .res file is an empty marker with type and name 0.
        bool marker = dataSize == 0 && record.type.ordinal == 0 && record.name.ordinal == 0;
        if (!marker)
            out.push_back(std::move(record));
        pos = AlignUp4(headerEnd + dataSize);
    }
    return true;
}

} // namespace platform
