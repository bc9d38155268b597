// The items the host publishes, its Find refusal, and starting over.
#include <vxhost.h>

#include <gtest/gtest.h>

class NamedItemsTest : public ::testing::Test
{
protected:
    void SetUp() override { vxhost::ResetHost(); }
    void TearDown() override { vxhost::ResetHost(); }
};

TEST_F(NamedItemsTest, ItemsArePublishedReplacedAndWithdrawnByName)
{
    char first[] = "C:\\Tirel";
    char other[] = "D:\\Tirel";
    int dontShow = 1;
    EXPECT_EQ(NamedHostItem("VXXEQ"), nullptr);
    EXPECT_EQ(NamedHostItem(nullptr), nullptr);

    vxhost::PublishItem("VXXEQ", first);
    vxhost::PublishItem("DontShowUpward", &dontShow);
    EXPECT_EQ(NamedHostItem("VXXEQ"), first);
    EXPECT_EQ(NamedHostItem("DontShowUpward"), &dontShow);
    // Names are matched exactly.
    EXPECT_EQ(NamedHostItem("vxxeq"), nullptr);
    EXPECT_EQ(NamedHostItem("VXXEQ "), nullptr);

    vxhost::PublishItem("VXXEQ", other);
    EXPECT_EQ(NamedHostItem("VXXEQ"), other);

    vxhost::WithdrawItem("VXXEQ");
    EXPECT_EQ(NamedHostItem("VXXEQ"), nullptr);
    EXPECT_EQ(NamedHostItem("DontShowUpward"), &dontShow);
    vxhost::WithdrawAllItems();
    EXPECT_EQ(NamedHostItem("DontShowUpward"), nullptr);
}

TEST_F(NamedItemsTest, ResetPutsTheHostBackAsItStarts)
{
    int item = 0;
    vxhost::PublishItem("LoadForm", &item);
    vxhost::SetRefusesFind(3);
    vxhost::SetDialogsSuppressed(true);
    EXPECT_EQ(HostRefusesFind(), 3);
    EXPECT_TRUE(vxhost::DialogsSuppressed());

    vxhost::ResetHost();
    EXPECT_EQ(NamedHostItem("LoadForm"), nullptr);
    EXPECT_EQ(HostRefusesFind(), 0);
    EXPECT_FALSE(vxhost::DialogsSuppressed());
}
