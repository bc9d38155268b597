// What VxVersion answers about the product.
#include <vxhost.h>

#include <gtest/gtest.h>

#include <string>

class ProductInfoTest : public ::testing::Test
{
protected:
    void TearDown() override { vxhost::ResetProductInfo(); }
};

TEST_F(ProductInfoTest, AnswersWhatTheHostSet)
{
    vxhost::ResetProductInfo();
    EXPECT_EQ(VwGetProductCode(), 1);
    EXPECT_STREQ(VwGetProductName(), "Tirel Plus");
    EXPECT_STREQ(VwGetUserGuideName("1"), "tirelplus.chm");
    EXPECT_STREQ(VwGetUserGuideName("2"), "");
    EXPECT_STREQ(VwGetUserGuideName(nullptr), "");
    EXPECT_STREQ(VwGetRegistryKey(), "V7.2");

    vxhost::SetProductCode(2);
    vxhost::SetProductName("Tirel Properties");
    vxhost::SetUserGuideName("1", "props-guide.chm");
    vxhost::SetRegistryKey("Props");
    EXPECT_EQ(VwGetProductCode(), 2);
    EXPECT_STREQ(VwGetProductName(), "Tirel Properties");
    EXPECT_STREQ(VwGetUserGuideName("1"), "props-guide.chm");
    EXPECT_STREQ(VwGetRegistryKey(), "Props");
}

TEST_F(ProductInfoTest, TextsStayInTheirBuffers)
{
    // A pointer handed out earlier stays readable and shows the current answer.
    const char* name = VwGetProductName();
    const char* guide = VwGetUserGuideName("1");
    vxhost::SetProductName(std::string(1000, 'n').c_str());
    vxhost::SetUserGuideName("1", "other.chm");
    EXPECT_EQ(std::string(name), std::string(259, 'n'));
    EXPECT_STREQ(guide, "other.chm");

    vxhost::ResetProductInfo();
    EXPECT_STREQ(name, "Tirel Plus");
    EXPECT_STREQ(guide, "tirelplus.chm");
}
