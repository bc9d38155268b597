#include <windows.h>
#include <objbase.h>
#include <oaidl.h>

#include "platform/com/com_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

// {6A1D2F4F-3C5B-4E7A-9D21-8B0C5E4F7A13}
DEFINE_GUID(CLSID_GuidTest, 0x6A1D2F4F, 0x3C5B, 0x4E7A, 0x9D, 0x21, 0x8B, 0x0C, 0x5E, 0x4F, 0x7A,
            0x13);

std::u16string Ole(const char* text)
{
    return std::u16string(text, text + std::char_traits<char>::length(text));
}

TEST(Guids, WellKnownInterfacesHaveTheirRealIds)
{
    EXPECT_EQ(comtest::GuidText(IID_IUnknown), "{00000000-0000-0000-C000-000000000046}");
    EXPECT_EQ(comtest::GuidText(IID_IClassFactory), "{00000001-0000-0000-C000-000000000046}");
    EXPECT_EQ(comtest::GuidText(IID_IDispatch), "{00020400-0000-0000-C000-000000000046}");
    EXPECT_EQ(comtest::GuidText(IID_IRunnableObject), "{00000126-0000-0000-C000-000000000046}");
    EXPECT_EQ(comtest::GuidText(IID_IErrorInfo), "{1CF2B120-547D-101B-8E65-08002B2BD119}");
    EXPECT_EQ(sizeof(GUID), 16u);
    EXPECT_TRUE(IsEqualGUID(IID_IUnknown, GUID{0, 0, 0, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}}));
    EXPECT_FALSE(IID_IUnknown == IID_IClassFactory);
}

TEST(Guids, StringFromGUID2NeedsRoomForTheWholeString)
{
    OLECHAR text[39];
    EXPECT_EQ(StringFromGUID2(CLSID_GuidTest, text, 38), 0);
    ASSERT_EQ(StringFromGUID2(CLSID_GuidTest, text, 39), 39);
    EXPECT_EQ(std::u16string(text), Ole("{6A1D2F4F-3C5B-4E7A-9D21-8B0C5E4F7A13}"));

    LPOLESTR allocated = nullptr;
    ASSERT_EQ(StringFromCLSID(CLSID_GuidTest, &allocated), S_OK);
    EXPECT_EQ(std::u16string(allocated), std::u16string(text));
    CoTaskMemFree(allocated);
}

TEST(Guids, ParsingAcceptsEitherCaseAndRejectsMalformedStrings)
{
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromString(Ole("{6a1d2f4f-3c5b-4e7a-9d21-8b0c5e4f7a13}").c_str(), &clsid), S_OK);
    EXPECT_TRUE(clsid == CLSID_GuidTest);

    for (const char* bad :
         {"{6A1D2F4F-3C5B-4E7A-9D21-8B0C5E4F7A1}", "{6A1D2F4F-3C5B-4E7A-9D21-8B0C5E4F7A13",
          "{6A1D2F4F-3C5B-4E7A-9D21-8B0C5E4F7A13}x", "{6A1D2F4F+3C5B-4E7A-9D21-8B0C5E4F7A13}",
          "{6A1D2F4G-3C5B-4E7A-9D21-8B0C5E4F7A13}"})
    {
        clsid = CLSID_GuidTest;
        EXPECT_EQ(CLSIDFromString(Ole(bad).c_str(), &clsid), CO_E_CLASSSTRING) << bad;
        EXPECT_TRUE(clsid == CLSID_NULL) << bad;
        IID iid{};
        EXPECT_EQ(IIDFromString(Ole(bad).c_str(), &iid), E_INVALIDARG) << bad;
    }

    EXPECT_EQ(CLSIDFromString(nullptr, &clsid), S_OK);
    EXPECT_TRUE(clsid == CLSID_NULL);
    IID iid = IID_IUnknown;
    EXPECT_EQ(IIDFromString(nullptr, &iid), S_OK);
    EXPECT_TRUE(iid == IID_NULL);
    EXPECT_EQ(IIDFromString(Ole("{00020400-0000-0000-C000-000000000046}").c_str(), &iid), S_OK);
    EXPECT_TRUE(iid == IID_IDispatch);
}

TEST(Guids, ProgIdsResolveThroughTheClassesRoot)
{
    comtest::SetString(HKEY_CLASSES_ROOT, "GuidTest.Thing\\CLSID", nullptr,
                       comtest::GuidText(CLSID_GuidTest));
    comtest::SetString(HKEY_CLASSES_ROOT, "GuidTest.Broken\\CLSID", nullptr, "{not a guid}");
    CLSID clsid{};
    EXPECT_EQ(CLSIDFromProgID(Ole("GuidTest.Thing").c_str(), &clsid), S_OK);
    EXPECT_TRUE(clsid == CLSID_GuidTest);
    clsid = {};
    EXPECT_EQ(CLSIDFromString(Ole("guidtest.thing").c_str(), &clsid), S_OK)
        << "a string without a brace is a ProgID";
    EXPECT_TRUE(clsid == CLSID_GuidTest);
    EXPECT_EQ(CLSIDFromProgID(Ole("GuidTest.Missing").c_str(), &clsid), CO_E_CLASSSTRING);
    EXPECT_EQ(CLSIDFromProgID(Ole("GuidTest.Broken").c_str(), &clsid), CO_E_CLASSSTRING);
    comtest::DeleteTree(HKEY_CLASSES_ROOT, "GuidTest.Thing");
    comtest::DeleteTree(HKEY_CLASSES_ROOT, "GuidTest.Broken");
}

} // namespace
