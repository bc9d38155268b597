#include <windows.h>
#include <oleauto.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace
{

std::uint32_t Prefix(BSTR bstr)
{
    std::uint32_t count = 0;
    std::memcpy(&count, reinterpret_cast<const char*>(bstr) - 4, 4);
    return count;
}

TEST(Bstr, LengthPrefixCountsBytesAndATerminatorFollows)
{
    BSTR text = SysAllocString(OLESTR("Toluene"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(SysStringLen(text), 7u);
    EXPECT_EQ(SysStringByteLen(text), 14u);
    EXPECT_EQ(Prefix(text), 14u);
    EXPECT_EQ(text[7], 0);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(text) % 8, 0u);
    SysFreeString(text);

    BSTR empty = SysAllocString(OLESTR(""));
    ASSERT_NE(empty, nullptr) << "an empty string is not NULL";
    EXPECT_EQ(SysStringLen(empty), 0u);
    SysFreeString(empty);

    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
    EXPECT_EQ(SysStringByteLen(nullptr), 0u);
    SysFreeString(nullptr);
}

TEST(Bstr, ExplicitLengthsKeepEmbeddedZerosAndOddBytes)
{
    const OLECHAR source[] = {u'a', 0, u'b', u'c'};
    BSTR text = SysAllocStringLen(source, 4);
    EXPECT_EQ(SysStringLen(text), 4u);
    EXPECT_EQ(text[2], u'b');
    EXPECT_EQ(text[4], 0);
    SysFreeString(text);

    BSTR blank = SysAllocStringLen(nullptr, 3);
    EXPECT_EQ(SysStringLen(blank), 3u);
    SysFreeString(blank);

    BSTR bytes = SysAllocStringByteLen("abc", 3);
    EXPECT_EQ(SysStringByteLen(bytes), 3u);
    EXPECT_EQ(SysStringLen(bytes), 1u) << "whole characters only";
    const char* raw = reinterpret_cast<const char*>(bytes);
    EXPECT_EQ(std::string(raw, 3), "abc");
    EXPECT_EQ(raw[3], 0);
    EXPECT_EQ(raw[4], 0);
    SysFreeString(bytes);
}

TEST(Bstr, ReallocationMayReuseTheOldText)
{
    BSTR text = SysAllocString(OLESTR("Methanol"));
    ASSERT_TRUE(SysReAllocString(&text, text + 4));
    EXPECT_EQ(std::u16string(text), u"anol");
    ASSERT_TRUE(SysReAllocStringLen(&text, text, 2));
    EXPECT_EQ(std::u16string(text), u"an");
    EXPECT_EQ(SysStringLen(text), 2u);
    SysFreeString(text);
}

} // namespace
