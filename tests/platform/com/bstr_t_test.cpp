#include <comdef.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace
{

TEST(BstrT, ConvertsBetweenNarrowAndOleText)
{
    _bstr_t text("Ethyl acetate");
    EXPECT_EQ(text.length(), 13u);
    EXPECT_EQ(std::u16string(static_cast<const OLECHAR*>(text)), u"Ethyl acetate");
    EXPECT_STREQ(static_cast<const char*>(text), "Ethyl acetate");

    // Latin-1 survives the round trip; other characters become '?'.
    _bstr_t accented("caf\xe9");
    EXPECT_EQ(static_cast<const OLECHAR*>(accented)[3], 0xE9);
    EXPECT_STREQ(static_cast<const char*>(accented), "caf\xe9");
    _bstr_t greek(u"\u03b1-pinene");
    EXPECT_STREQ(static_cast<const char*>(greek), "?-pinene");

    _bstr_t none(static_cast<const char*>(nullptr));
    EXPECT_TRUE(!none);
    EXPECT_EQ(static_cast<const char*>(none), nullptr);
    EXPECT_EQ(none.length(), 0u);
    EXPECT_TRUE(none == _bstr_t("")) << "NULL and empty compare equal";
    EXPECT_FALSE(!_bstr_t(""));

    char* raw = _com_util::ConvertBSTRToString(static_cast<BSTR>(text));
    EXPECT_STREQ(raw, "Ethyl acetate");
    delete[] raw;
    BSTR back = _com_util::ConvertStringToBSTR("abc");
    EXPECT_EQ(SysStringLen(back), 3u);
    SysFreeString(back);
}

TEST(BstrT, CopiesShareUntilOneChanges)
{
    _bstr_t original("Benzene");
    _bstr_t copy = original;
    EXPECT_EQ(static_cast<const OLECHAR*>(copy), static_cast<const OLECHAR*>(original));

    copy += " vapour";
    EXPECT_STREQ(static_cast<const char*>(copy), "Benzene vapour");
    EXPECT_STREQ(static_cast<const char*>(original), "Benzene")
        << "the narrow form follows changes";

    _bstr_t joined = "liquid " + original;
    EXPECT_STREQ(static_cast<const char*>(joined), "liquid Benzene");
    EXPECT_TRUE(original < joined);
    EXPECT_TRUE(original != copy);

    BSTR owned = original.copy();
    EXPECT_NE(owned, static_cast<BSTR>(original));
    EXPECT_EQ(SysStringLen(owned), 7u);
    SysFreeString(owned);
}

TEST(BstrT, AttachDetachAndAddressTransferOwnership)
{
    _bstr_t text;
    text.Attach(SysAllocString(OLESTR("Water")));
    EXPECT_STREQ(static_cast<const char*>(text), "Water");

    _bstr_t sharer = text;
    BSTR detached = text.Detach();
    EXPECT_EQ(SysStringLen(detached), 5u);
    EXPECT_EQ(text.length(), 0u);
    EXPECT_STREQ(static_cast<const char*>(sharer), "Water") << "a copy keeps its own string";
    SysFreeString(detached);

    // A function filling an out-parameter through GetAddress replaces the string.
    BSTR* slot = sharer.GetAddress();
    EXPECT_EQ(*slot, nullptr);
    *slot = SysAllocString(OLESTR("Steam"));
    EXPECT_STREQ(static_cast<const char*>(sharer), "Steam");

    BSTR& inner = sharer.GetBSTR();
    EXPECT_EQ(SysStringLen(inner), 5u);

    _bstr_t assigned;
    assigned.Assign(inner);
    EXPECT_NE(static_cast<BSTR>(assigned), inner);
    EXPECT_TRUE(assigned == sharer);

    _bstr_t taken(SysAllocString(OLESTR("Ice")), false);
    EXPECT_EQ(taken.length(), 3u);
}

} // namespace
