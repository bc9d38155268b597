// Where help files are opened from, and opening a topic in the viewer.
#include "frame/help.h"
#include "frame/help_topics.h"
#include "frame/host_items.h"

#include "support/temp_dir.h"

#include <platform/automation.h>
#include <platform/ui_thread.h>
#include <htmlhelp.h>
#include <vxhost.h>

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <string>

namespace
{

class HelpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        vxhost::ResetHost();
        vxhost::ResetProductInfo();
        vxhost::PublishItem("VXXEQ", first.data());
        vxhost::PublishItem("VXCOMMONXEQ", common.data());
        saved = std::filesystem::current_path();
        std::filesystem::current_path(current);
    }
    void TearDown() override
    {
        std::filesystem::current_path(saved);
        vxhost::ResetHost();
        vxhost::ResetProductInfo();
    }

    std::string Resolve(const char* file) { return std::string(quarnel::ResolveHelpPath(file)); }

    TempDir dirs;
    std::string first = dirs.Folder("xeq");
    std::string common = dirs.Folder("common");
    std::string current = dirs.Folder("current");
    std::filesystem::path saved;
};

} // namespace

TEST_F(HelpTest, ThePathIsTheFirstPlaceThatHasTheFile)
{
    // Nowhere: the first installation directory's path all the same.
    EXPECT_EQ(Resolve("cmpnts.chm"), first + "\\cmpnts.chm");

    dirs.File("common/cmpnts.chm");
    EXPECT_EQ(Resolve("cmpnts.chm"), common + "\\cmpnts.chm");

    dirs.File("xeq/cmpnts.chm");
    EXPECT_EQ(Resolve("cmpnts.chm"), first + "\\cmpnts.chm");

    dirs.File("current/cmpnts.chm");
    EXPECT_EQ(Resolve("cmpnts.chm"), "cmpnts.chm");

    // Each file is looked for on its own.
    dirs.File("common/props.chm");
    EXPECT_EQ(Resolve("props.chm"), common + "\\props.chm");
}

TEST_F(HelpTest, AMissingInstallationItemCountsAsEmpty)
{
    vxhost::WithdrawItem("VXXEQ");
    EXPECT_EQ(Resolve("cmpnts.chm"), "\\cmpnts.chm");
    dirs.File("common/cmpnts.chm");
    EXPECT_EQ(Resolve("cmpnts.chm"), common + "\\cmpnts.chm");

    vxhost::WithdrawItem("VXCOMMONXEQ");
    EXPECT_EQ(Resolve("cmpnts.chm"), "\\cmpnts.chm");
}

TEST_F(HelpTest, HostTextStopsAtTheLongestPathWhenTheHostForgotTheTerminator)
{
    // Exactly MAX_PATH characters and no terminating zero: reading one more would leave the
    // buffer, which the sanitizer builds catch.
    auto unterminated = std::make_unique<char[]>(MAX_PATH);
    std::memset(unterminated.get(), 'x', MAX_PATH);
    vxhost::PublishItem("VXXEQ", unterminated.get());
    EXPECT_EQ(quarnel::HostText("VXXEQ").GetLength(), MAX_PATH);
    EXPECT_EQ(quarnel::HostText("NOSUCHITEM").GetLength(), 0);
    vxhost::WithdrawItem("VXXEQ");
}

TEST_F(HelpTest, ShowingATopicOpensTheResolvedFileAtThatTopic)
{
    dirs.File("common/pp-param.chm");
    vxhost::SetUserGuideName("1", "guide.chm");
    platform::UiThread ui;
    using platform::automation::Text;
    using platform::automation::WaitForWindow;
    using platform::automation::WaitUntil;

    ui.Run([] {
        quarnel::ShowHelp(quarnel::help::kPureComponentParameter);
        return LRESULT{0};
    });
    HWND viewer = WaitForWindow("HH Parent", nullptr);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(Text(viewer), common + "\\pp-param.chm#1");

    // The user guide's row takes its file name from the host.
    ui.Run([] {
        quarnel::ShowHelp(quarnel::help::kUpwardCompatibility);
        return LRESULT{0};
    });
    const std::string guide = first + "\\guide.chm#1326";
    EXPECT_TRUE(WaitUntil([&] { return Text(viewer) == guide; }, "the user guide's topic"))
        << Text(viewer);

    ui.Run([] {
        quarnel::ShowHelpTopic("cmpnts.chm", 152);
        return LRESULT{0};
    });
    const std::string find = first + "\\cmpnts.chm#152";
    EXPECT_TRUE(WaitUntil([&] { return Text(viewer) == find; }, "the component Find's topic"))
        << Text(viewer);

    ui.Run([] {
        ::HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
        return LRESULT{0};
    });
}
