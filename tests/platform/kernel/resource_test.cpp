#include <windows.h>

#include <platform/resources.h>

#include "platform/kernel/res/test_res.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace
{

std::string ResourceText(HRSRC found)
{
    auto* data = static_cast<const char*>(LockResource(LoadResource(nullptr, found)));
    return std::string(data, SizeofResource(nullptr, found));
}

} // namespace

TEST(Resources, FindsTheProgramsEmbeddedResourcesByEveryKindOfId)
{
    // By ordinal, as "#n", and the program's own module handle is the same as NULL.
    HRSRC byOrdinal = FindResourceA(nullptr, MAKEINTRESOURCE(IDD_CLASSIC), RT_DIALOG);
    ASSERT_NE(byOrdinal, nullptr);
    EXPECT_EQ(FindResourceA(GetModuleHandleA(nullptr), "#100", RT_DIALOG), byOrdinal);
    EXPECT_EQ(FindResourceA(nullptr, "#100", "#5"), byOrdinal);

    // Names and type names compare without regard to case.
    HRSRC named = FindResourceA(nullptr, "mixedname", RT_RCDATA);
    ASSERT_NE(named, nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "MixedName", RT_RCDATA), named);
    EXPECT_EQ(ResourceText(named), "mixed");
    HRSRC custom = FindResourceA(nullptr, "Item1", "quarnelblob");
    ASSERT_NE(custom, nullptr);
    EXPECT_EQ(ResourceText(custom), "xyz");

    HRSRC numbered = FindResourceA(nullptr, "#303", RT_RCDATA);
    ASSERT_NE(numbered, nullptr);
    ASSERT_EQ(SizeofResource(nullptr, numbered), 6u);
    auto* words = static_cast<const WORD*>(LockResource(LoadResource(nullptr, numbered)));
    EXPECT_EQ(words[0], 1);
    EXPECT_EQ(words[2], 3);
}

TEST(Resources, ResourceDataIsDwordAlignedAndStable)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCE(IDD_EXTENDED), RT_DIALOG);
    ASSERT_NE(found, nullptr);
    HGLOBAL loaded = LoadResource(nullptr, found);
    void* data = LockResource(loaded);
    EXPECT_EQ(reinterpret_cast<ULONG_PTR>(data) % 4, 0u);
    EXPECT_EQ(LockResource(LoadResource(nullptr, found)), data);
    EXPECT_FALSE(FreeResource(loaded));
    EXPECT_EQ(LockResource(LoadResource(nullptr, found)), data);
}

TEST(Resources, FindsTheDialogInitialisationBlock)
{
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCE(IDD_EXTENDED), RT_DLGINIT);
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(SizeofResource(nullptr, found), 16u);
    auto* data = static_cast<const BYTE*>(LockResource(LoadResource(nullptr, found)));
    WORD control = 0, message = 0;
    DWORD length = 0;
    std::memcpy(&control, data, 2);
    std::memcpy(&message, data + 2, 2);
    std::memcpy(&length, data + 4, 4);
    EXPECT_EQ(control, IDC_KIND_COMBO);
    EXPECT_EQ(message, 0x403); // CB_ADDSTRING in the dialog editor's private numbering
    EXPECT_EQ(length, 6u);
    EXPECT_STREQ(reinterpret_cast<const char*>(data + 8), "First");
    // The dialog without one has none.
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(IDD_CLASSIC), RT_DLGINIT), nullptr);
}

TEST(Resources, ReportsWhatIsMissing)
{
    SetLastError(0);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(999), RT_DIALOG), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(IDD_CLASSIC), RT_BITMAP), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    // "#" without digits is a name, not an ordinal.
    EXPECT_EQ(FindResourceA(nullptr, "#", RT_DIALOG), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, "#1x", RT_DIALOG), nullptr);

    // The platform library embeds no resources of its own.
    HMODULE platformModule = GetModuleHandleA("platform.dll");
    ASSERT_NE(platformModule, nullptr);
    EXPECT_EQ(FindResourceA(platformModule, MAKEINTRESOURCE(IDD_CLASSIC), RT_DIALOG), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_RESOURCE_DATA_NOT_FOUND));
}

// A minimal .res image: the opening empty record and one RCDATA record named by ordinal.
std::vector<unsigned char> OneRecordImage(WORD id, const std::string& payload)
{
    std::vector<unsigned char> image(32, 0);
    image[4] = 32;
    image[8] = image[9] = image[12] = image[13] = 0xFF;
    auto put32 = [&](DWORD v) {
        for (int i = 0; i < 4; ++i)
            image.push_back(static_cast<unsigned char>(v >> (8 * i)));
    };
    auto put16 = [&](WORD v) {
        image.push_back(static_cast<unsigned char>(v));
        image.push_back(static_cast<unsigned char>(v >> 8));
    };
    put32(static_cast<DWORD>(payload.size()));
    put32(32);
    put16(0xFFFF);
    put16(10); // RT_RCDATA
    put16(0xFFFF);
    put16(id);
    put32(0);      // data version
    put16(0x30);   // memory flags
    put16(0x0409); // language
    put32(0);      // version
    put32(0);      // characteristics
    image.insert(image.end(), payload.begin(), payload.end());
    while (image.size() % 4)
        image.push_back(0);
    return image;
}

TEST(ResourceRegistration, UnregisteringRemovesExactlyThatImage)
{
    // Two images registered for the program under different anchors, as a library embedding two
    // resource scripts would.
    static const std::vector<unsigned char> first = OneRecordImage(7001, "first");
    static const std::vector<unsigned char> second = OneRecordImage(7002, "second");
    static const int anchorA = 0, anchorB = 0;
    PlatformRegisterResources(&anchorA, first.data(), first.size());
    PlatformRegisterResources(&anchorB, second.data(), second.size());

    HRSRC a = FindResourceA(nullptr, MAKEINTRESOURCE(7001), RT_RCDATA);
    HRSRC b = FindResourceA(nullptr, MAKEINTRESOURCE(7002), RT_RCDATA);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(ResourceText(a), "first");

    PlatformUnregisterResources(&anchorA);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(7001), RT_RCDATA), nullptr);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(7002), RT_RCDATA), b);
    // A handle from the unregistered image is no longer honoured.
    EXPECT_EQ(LoadResource(nullptr, a), nullptr);
    EXPECT_EQ(SizeofResource(nullptr, a), 0u);
    // The embedded script's resources are untouched.
    EXPECT_NE(FindResourceA(nullptr, MAKEINTRESOURCE(IDD_CLASSIC), RT_DIALOG), nullptr);

    PlatformUnregisterResources(&anchorB);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(7002), RT_RCDATA), nullptr);
}

TEST(ResourceRegistration, ReregisteringAnAnchorReplacesItsImage)
{
    static const std::vector<unsigned char> before = OneRecordImage(7003, "before");
    static const std::vector<unsigned char> after = OneRecordImage(7003, "after");
    static const int anchor = 0;
    PlatformRegisterResources(&anchor, before.data(), before.size());
    PlatformRegisterResources(&anchor, after.data(), after.size());
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCE(7003), RT_RCDATA);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(ResourceText(found), "after");
    PlatformUnregisterResources(&anchor);
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(7003), RT_RCDATA), nullptr);
}

TEST(ResourceRegistration, ResourcesBelongToTheModuleThatHoldsTheAnchor)
{
    // An anchor inside the platform library files the image under that library, not the program.
    static const std::vector<unsigned char> image = OneRecordImage(7004, "platform");
    auto* anchor = reinterpret_cast<const void*>(&FindResourceA);
    HMODULE platformModule = GetModuleHandleA("platform.dll");
    PlatformRegisterResources(anchor, image.data(), image.size());
    EXPECT_EQ(FindResourceA(nullptr, MAKEINTRESOURCE(7004), RT_RCDATA), nullptr);
    HRSRC found = FindResourceA(platformModule, MAKEINTRESOURCE(7004), RT_RCDATA);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(SizeofResource(platformModule, found), 8u);
    PlatformUnregisterResources(anchor);
}
