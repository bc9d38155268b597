// The animation control's reading of AVI clips: what it needs from a clip's headers.
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform::animate
{

struct AviInfo
{
    DWORD microSecondsPerFrame = 0;
    DWORD frames = 0;
    DWORD width = 0;
    DWORD height = 0;
};

// Reads size bytes at offset into out; false when they are not all there.
using ReadAt = std::function<bool(std::uint64_t offset, void* out, std::size_t size)>;

// Reads the main header of a RIFF 'AVI ' clip of `size` bytes: the 'avih' chunk of the 'hdrl'
// list. The clip must also hold a 'movi' list. Every chunk's size is checked against its
// container, so damaged data yields nothing rather than reads past the end. A clip without
// frames or with an empty frame size is refused.
std::optional<AviInfo> ReadAviInfo(std::uint64_t size, const ReadAt& read);
// The same for a clip in memory.
std::optional<AviInfo> ParseAvi(const void* data, std::size_t size);

} // namespace platform::animate
