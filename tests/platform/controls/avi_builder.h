// Writes small uncompressed AVI clips for the animation tests: a RIFF 'AVI ' file with a main
// header, one video stream of 1-bit frames, a 'movi' list with one '00db' chunk per frame, and
// an index, laid out as video tools write them.
#pragma once
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <unistd.h>

namespace avi_test
{

struct Clip
{
    std::uint32_t frames = 4;
    std::uint32_t width = 60;
    std::uint32_t height = 13;
    std::uint32_t microSecondsPerFrame = 10000;
};

class Writer
{
public:
    std::vector<unsigned char> bytes;

    void Tag(const char* tag) { bytes.insert(bytes.end(), tag, tag + 4); }
    void U32(std::uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
    }
    void U16(std::uint16_t v)
    {
        bytes.push_back(static_cast<unsigned char>(v));
        bytes.push_back(static_cast<unsigned char>(v >> 8));
    }
    // Starts a chunk (or a list, with its type) and returns where its size goes.
    std::size_t Begin(const char* id, const char* listType = nullptr)
    {
        Tag(id);
        const std::size_t at = bytes.size();
        U32(0);
        if (listType)
            Tag(listType);
        return at;
    }
    // Writes the chunk's size and pads it to an even length.
    void End(std::size_t at)
    {
        const auto size = static_cast<std::uint32_t>(bytes.size() - at - 4);
        for (int i = 0; i < 4; ++i)
            bytes[at + i] = static_cast<unsigned char>(size >> (8 * i));
        if (size & 1)
            bytes.push_back(0);
    }
};

inline std::vector<unsigned char> BuildAvi(const Clip& clip)
{
    const std::uint32_t stride = (clip.width + 31) / 32 * 4;
    const std::uint32_t frameBytes = stride * clip.height;
    Writer w;
    const std::size_t riff = w.Begin("RIFF", "AVI ");

    const std::size_t hdrl = w.Begin("LIST", "hdrl");
    const std::size_t avih = w.Begin("avih");
    w.U32(clip.microSecondsPerFrame);
    w.U32(0);    // maximum bytes per second
    w.U32(0);    // padding granularity
    w.U32(0x10); // AVIF_HASINDEX
    w.U32(clip.frames);
    w.U32(0); // initial frames
    w.U32(1); // streams
    w.U32(frameBytes);
    w.U32(clip.width);
    w.U32(clip.height);
    for (int i = 0; i < 4; ++i)
        w.U32(0);
    w.End(avih);

    const std::size_t strl = w.Begin("LIST", "strl");
    const std::size_t strh = w.Begin("strh");
    w.Tag("vids");
    w.Tag("DIB ");
    w.U32(0); // flags
    w.U16(0); // priority
    w.U16(0); // language
    w.U32(0); // initial frames
    w.U32(clip.microSecondsPerFrame);
    w.U32(1000000); // rate / scale is frames per second
    w.U32(0);       // start
    w.U32(clip.frames);
    w.U32(frameBytes);
    w.U32(0xFFFFFFFF); // quality
    w.U32(0);          // sample size
    w.U16(0);
    w.U16(0);
    w.U16(static_cast<std::uint16_t>(clip.width));
    w.U16(static_cast<std::uint16_t>(clip.height));
    w.End(strh);
    const std::size_t strf = w.Begin("strf");
    w.U32(40);
    w.U32(clip.width);
    w.U32(clip.height);
    w.U16(1); // planes
    w.U16(1); // bits per pixel
    w.U32(0); // BI_RGB
    w.U32(frameBytes);
    w.U32(0);
    w.U32(0);
    w.U32(2); // colours used
    w.U32(2);
    w.U32(0x00000000); // black
    w.U32(0x00FFFFFF); // white
    w.End(strf);
    w.End(strl);
    w.End(hdrl);

    const std::size_t movi = w.Begin("LIST", "movi");
    const std::size_t moviData = movi + 4;
    std::vector<std::uint32_t> offsets;
    for (std::uint32_t f = 0; f < clip.frames; ++f)
    {
        offsets.push_back(static_cast<std::uint32_t>(w.bytes.size() - moviData));
        const std::size_t frame = w.Begin("00db");
        for (std::uint32_t i = 0; i < frameBytes; ++i)
            w.bytes.push_back(static_cast<unsigned char>(i % 7 == f % 7 ? 0xFF : 0x00));
        w.End(frame);
    }
    w.End(movi);

    const std::size_t idx1 = w.Begin("idx1");
    for (std::uint32_t offset : offsets)
    {
        w.Tag("00db");
        w.U32(0x10); // AVIIF_KEYFRAME
        w.U32(offset);
        w.U32(frameBytes);
    }
    w.End(idx1);
    w.End(riff);
    return std::move(w.bytes);
}

// A clip written to a file of the test's own, removed when the object goes.
class ClipFile
{
public:
    explicit ClipFile(const Clip& clip, const char* name = "clip") : ClipFile(BuildAvi(clip), name)
    {
    }
    ClipFile(const std::vector<unsigned char>& bytes, const char* name)
    {
        // Test programs run side by side, so the name holds the process and a count.
        static int count = 0;
        path = std::string(TempDir()) + "/avi_test_" + name + "_" + std::to_string(getpid()) + "_" +
               std::to_string(++count) + ".avi";
        if (std::FILE* f = std::fopen(path.c_str(), "wb"))
        {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
    }
    ~ClipFile() { std::remove(path.c_str()); }
    ClipFile(const ClipFile&) = delete;
    ClipFile& operator=(const ClipFile&) = delete;

    const char* Path() const { return path.c_str(); }

private:
    static const char* TempDir()
    {
        const char* dir = std::getenv("TMPDIR");
        return dir && *dir ? dir : "/tmp";
    }
    std::string path;
};

} // namespace avi_test
