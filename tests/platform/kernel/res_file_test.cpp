#include "kernel/res_file.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace
{

void Put16(std::vector<unsigned char>& out, unsigned v)
{
    out.push_back(static_cast<unsigned char>(v));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void Put32(std::vector<unsigned char>& out, unsigned v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

void PutName(std::vector<unsigned char>& out, const char* name)
{
    for (const char* p = name; *p; ++p)
        Put16(out, static_cast<unsigned char>(*p));
    Put16(out, 0);
}

// A record with a string type and name whose header needs padding before the fixed fields, and
// whose data needs padding after it.
std::vector<unsigned char> StringNamedImage()
{
    std::vector<unsigned char> image(32, 0);
    image[4] = 32;
    image[8] = image[9] = image[12] = image[13] = 0xFF;
    std::vector<unsigned char> ids;
    PutName(ids, "BLOB");  // 10 bytes
    PutName(ids, "NAMED"); // 12 bytes: 8 + 22 = 30, padded to 32
    ids.push_back(0);
    ids.push_back(0);
    Put32(image, 3);
    Put32(image, static_cast<unsigned>(8 + ids.size() + 16));
    image.insert(image.end(), ids.begin(), ids.end());
    Put32(image, 0);
    Put16(image, 0x30);
    Put16(image, 0x0407);
    Put32(image, 0);
    Put32(image, 0);
    image.insert(image.end(), {'x', 'y', 'z', 0});
    // A second record, ordinal type and name, to prove the padding was skipped correctly.
    Put32(image, 2);
    Put32(image, 32);
    Put16(image, 0xFFFF);
    Put16(image, 10);
    Put16(image, 0xFFFF);
    Put16(image, 42);
    for (int i = 0; i < 4; ++i)
        Put32(image, 0);
    image.insert(image.end(), {'o', 'k', 0, 0});
    return image;
}

} // namespace

TEST(ResFile, ReadsStringAndOrdinalIdsWithTheirPadding)
{
    std::vector<unsigned char> image = StringNamedImage();
    std::vector<platform::ResourceRecord> records;
    ASSERT_TRUE(platform::ReadResFile(image.data(), image.size(), records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].type.name, "BLOB");
    EXPECT_EQ(records[0].type.ordinal, -1);
    EXPECT_EQ(records[0].name.name, "NAMED");
    EXPECT_EQ(records[0].language, 0x0407);
    ASSERT_EQ(records[0].size, 3u);
    EXPECT_EQ(std::memcmp(records[0].data, "xyz", 3), 0);
    EXPECT_EQ(records[1].type.ordinal, 10);
    EXPECT_EQ(records[1].name.ordinal, 42);
    EXPECT_EQ(std::memcmp(records[1].data, "ok", 2), 0);
}

TEST(ResFile, TruncatedImagesKeepTheWholeRecordsAndNeverOverread)
{
    std::vector<unsigned char> image = StringNamedImage();
    for (std::size_t size = 0; size < image.size(); ++size)
    {
        // An exact-size copy lets the address sanitizer catch any read past the end.
        std::vector<unsigned char> cut(image.begin(), image.begin() + static_cast<long>(size));
        std::vector<platform::ResourceRecord> records;
        bool whole = platform::ReadResFile(cut.data(), cut.size(), records);
        for (const auto& record : records)
            EXPECT_LE(record.data + record.size, cut.data() + cut.size());
        if (size < 32)
        {
            EXPECT_TRUE(records.empty()) << size;
        }
        if (!whole)
        {
            EXPECT_LT(records.size(), 2u) << size;
        }
    }
}

TEST(ResFile, RejectsSizesThatPointOutsideTheImage)
{
    std::vector<unsigned char> image = StringNamedImage();
    for (std::size_t offset : {32u, 36u})
    {
        for (unsigned bad : {0u, 7u, 0xFFFFFFFFu, 0x7FFFFFF0u})
        {
            std::vector<unsigned char> copy = image;
            std::memcpy(copy.data() + offset, &bad, 4);
            std::vector<platform::ResourceRecord> records;
            platform::ReadResFile(copy.data(), copy.size(), records);
            for (const auto& record : records)
                EXPECT_LE(record.data + record.size, copy.data() + copy.size());
        }
    }
}
