// Reading AVI headers: a well-formed clip, and damaged ones that must be refused without reading
// past their end.

#include "avi_builder.h"
#include "controls/animate.h"

#include <gtest/gtest.h>

#include <cstring>

using platform::animate::ParseAvi;

namespace
{

std::vector<unsigned char> Clip4()
{
    return avi_test::BuildAvi(avi_test::Clip{4, 60, 13, 10000});
}

// The offset of the first occurrence of a four-character code.
std::size_t Find(const std::vector<unsigned char>& bytes, const char* tag)
{
    for (std::size_t i = 0; i + 4 <= bytes.size(); ++i)
        if (std::memcmp(bytes.data() + i, tag, 4) == 0)
            return i;
    ADD_FAILURE() << "no " << tag;
    return 0;
}

void Put32(std::vector<unsigned char>& bytes, std::size_t at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

TEST(AviHeader, ReadsFramesSizeAndFrameTime)
{
    const auto bytes = avi_test::BuildAvi(avi_test::Clip{12, 48, 39, 66667});
    const auto info = ParseAvi(bytes.data(), bytes.size());
    ASSERT_TRUE(info.has_value());
    EXPECT_EQ(info->frames, 12u);
    EXPECT_EQ(info->width, 48u);
    EXPECT_EQ(info->height, 39u);
    EXPECT_EQ(info->microSecondsPerFrame, 66667u);
}

TEST(AviHeader, SkipsOddSizedChunksByTheirPadding)
{
    // A 'JUNK' chunk of odd size in front of the header list: the walk must step over its pad.
    auto bytes = Clip4();
    const unsigned char junk[] = {'J', 'U', 'N', 'K', 3, 0, 0, 0, 1, 2, 3, 0};
    bytes.insert(bytes.begin() + 12, std::begin(junk), std::end(junk));
    Put32(bytes, 4, static_cast<std::uint32_t>(bytes.size() - 8));
    EXPECT_TRUE(ParseAvi(bytes.data(), bytes.size()).has_value());
}

TEST(AviHeader, EveryTruncationIsRefused)
{
    const auto bytes = Clip4();
    for (std::size_t size = 0; size < bytes.size(); ++size)
    {
        // A copy of exactly `size` bytes, so that a read past it is caught by the sanitizers.
        std::vector<unsigned char> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
        EXPECT_FALSE(ParseAvi(cut.data(), cut.size()).has_value()) << "cut at " << size;
    }
}

TEST(AviHeader, DamagedOrIncompleteClipsAreRefused)
{
    struct Case
    {
        const char* what;
        void (*damage)(std::vector<unsigned char>&);
    };
    const Case cases[] = {
        {"not RIFF", [](auto& b) { b[0] = 'X'; }},
        {"a WAVE form", [](auto& b) { std::memcpy(b.data() + 8, "WAVE", 4); }},
        {"RIFF size past the end",
         [](auto& b) { Put32(b, 4, static_cast<std::uint32_t>(b.size())); }},
        {"RIFF size below its header", [](auto& b) { Put32(b, 4, 2); }},
        {"header list larger than the file",
         [](auto& b) { Put32(b, Find(b, "LIST") + 4, 0xFFFFFFF0u); }},
        {"main header cut short", [](auto& b) { Put32(b, Find(b, "avih") + 4, 36); }},
        {"main header renamed",
         [](auto& b) { std::memcpy(b.data() + Find(b, "avih"), "xxxx", 4); }},
        {"no movie list", [](auto& b) { std::memcpy(b.data() + Find(b, "movi"), "junk", 4); }},
        {"no frames", [](auto& b) { Put32(b, Find(b, "avih") + 8 + 16, 0); }},
        {"no width", [](auto& b) { Put32(b, Find(b, "avih") + 8 + 32, 0); }},
        {"absurd height", [](auto& b) { Put32(b, Find(b, "avih") + 8 + 36, 0x10000); }},
    };
    for (const Case& c : cases)
    {
        auto bytes = Clip4();
        c.damage(bytes);
        EXPECT_FALSE(ParseAvi(bytes.data(), bytes.size()).has_value()) << c.what;
    }
    EXPECT_FALSE(ParseAvi(nullptr, 100).has_value());
}

} // namespace
