// Reading the headers of an AVI clip.
//
// A clip is a RIFF file of form 'AVI ': a list 'hdrl' whose 'avih' chunk holds the main header
// (microseconds per frame, frame count, frame size), stream lists, and a list 'movi' with the
// frames. Chunks are walked by their size fields, each checked to lie inside its container, so
// the walk reads only what is there and ends after at most one step per eight bytes.
//
// Does not do: decoding frames or reading stream headers ('strh', 'strf'), an index ('idx1'),
// or the 'AVIX' extension lists of clips over one gigabyte: only the first RIFF is read.

#include "controls/animate.h"

#include <cstring>

namespace platform::animate
{
namespace
{

using FourCC = std::uint32_t;

constexpr FourCC Code(const char (&text)[5])
{
    return static_cast<FourCC>(static_cast<unsigned char>(text[0])) |
           static_cast<FourCC>(static_cast<unsigned char>(text[1])) << 8 |
           static_cast<FourCC>(static_cast<unsigned char>(text[2])) << 16 |
           static_cast<FourCC>(static_cast<unsigned char>(text[3])) << 24;
}

constexpr FourCC Riff = Code("RIFF");
constexpr FourCC Avi = Code("AVI ");
constexpr FourCC List = Code("LIST");
constexpr FourCC HeaderList = Code("hdrl");
constexpr FourCC MainHeader = Code("avih");
constexpr FourCC Movie = Code("movi");

// The fields of the main header up to the frame size; the rest (reserved words) is not needed.
constexpr std::uint32_t MainHeaderSize = 40;

std::uint32_t Le32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

struct Chunk
{
    FourCC id = 0;
    std::uint32_t size = 0;
    std::uint64_t data = 0; // offset of the chunk's data
};

// Walks the chunks between begin and end, calling visit for each until it returns false.
// Returns false when a chunk does not fit.
template <typename Visit>
bool Walk(const ReadAt& read, std::uint64_t begin, std::uint64_t end, Visit visit)
{
    std::uint64_t at = begin;
    while (end - at >= 8)
    {
        unsigned char header[8];
        if (!read(at, header, sizeof header))
            return false;
        Chunk chunk{Le32(header), Le32(header + 4), at + 8};
        if (chunk.size > end - chunk.data)
            return false;
        if (!visit(chunk))
            return true;
        // Chunks start on even offsets; a pad byte follows an odd-sized one.
        at = chunk.data + chunk.size + (chunk.size & 1);
        if (at > end)
            return true;
    }
    return true;
}

bool ReadMainHeader(const ReadAt& read, const Chunk& list, AviInfo& info)
{
    bool found = false;
    const bool whole = Walk(read, list.data + 4, list.data + list.size, [&](const Chunk& chunk) {
        if (chunk.id != MainHeader)
            return true;
        unsigned char fields[MainHeaderSize];
        if (chunk.size < MainHeaderSize || !read(chunk.data, fields, sizeof fields))
            return false;
        info.microSecondsPerFrame = Le32(fields);
        info.frames = Le32(fields + 16);
        info.width = Le32(fields + 32);
        info.height = Le32(fields + 36);
        found = true;
        return false;
    });
    return whole && found;
}

} // namespace

std::optional<AviInfo> ReadAviInfo(std::uint64_t size, const ReadAt& read)
{
    unsigned char head[12];
    if (size < sizeof head || !read(0, head, sizeof head) || Le32(head) != Riff ||
        Le32(head + 8) != Avi)
        return std::nullopt;
    const std::uint64_t riffEnd = 8 + static_cast<std::uint64_t>(Le32(head + 4));
    if (riffEnd > size || riffEnd < sizeof head)
        return std::nullopt;

    AviInfo info;
    bool header = false;
    bool movie = false;
    bool damaged = false;
    const bool whole = Walk(read, sizeof head, riffEnd, [&](const Chunk& chunk) {
        if (chunk.id != List)
            return true;
        unsigned char type[4];
        if (chunk.size < 4 || !read(chunk.data, type, sizeof type))
        {
            damaged = true;
            return false;
        }
        if (Le32(type) == HeaderList && !header)
        {
            header = ReadMainHeader(read, chunk, info);
            if (!header)
            {
                damaged = true;
                return false;
            }
        }
        else if (Le32(type) == Movie)
            movie = true;
        return !(header && movie);
    });
    if (!whole || damaged || !header || !movie)
        return std::nullopt;
    if (info.frames == 0 || info.width == 0 || info.height == 0 || info.width > 0x7FFF ||
        info.height > 0x7FFF)
        return std::nullopt;
    return info;
}

std::optional<AviInfo> ParseAvi(const void* data, std::size_t size)
{
    const auto* bytes = static_cast<const unsigned char*>(data);
    if (!bytes)
        return std::nullopt;
    return ReadAviInfo(size, [bytes, size](std::uint64_t offset, void* out, std::size_t count) {
        if (offset > size || count > size - offset)
            return false;
        std::memcpy(out, bytes + offset, count);
        return true;
    });
}

} // namespace platform::animate
