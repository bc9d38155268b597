// HtmlHelpA: one viewer window, titled with the file and topic asked for, reused by every
// request from any thread, and closed by the user or by HH_CLOSE_ALL.

#include <htmlhelp.h>

#include "platform/automation.h"
#include "platform/ui_thread.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace platform::automation;

namespace
{

constexpr const char* kFile = "C:\\x\\cmpnts.chm";

int ViewerCount()
{
    int count = 0;
    EnumWindows(
        [](HWND h, LPARAM p) {
            if (ClassOf(h) == "HH Parent")
                ++*reinterpret_cast<int*>(p);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class HelpViewer : public ::testing::Test
{
protected:
    HWND Ask(UINT command, DWORD_PTR data, const char* file = kFile)
    {
        return reinterpret_cast<HWND>(ui.Run([=, this] {
            return reinterpret_cast<LRESULT>(HtmlHelpA(ui.MainWindow(), file, command, data));
        }));
    }
    void TearDown() override
    {
        ui.Run(
            [] { return reinterpret_cast<LRESULT>(HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0)); });
    }

    UiThread ui;
};

TEST_F(HelpViewer, AContextOpensOneUnownedViewerThatLaterRequestsReuse)
{
    HWND viewer = Ask(HH_HELP_CONTEXT, 1234);
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(ClassOf(viewer), "HH Parent");
    EXPECT_EQ(Text(viewer), "C:\\x\\cmpnts.chm#1234");
    EXPECT_TRUE(IsVisible(viewer));
    EXPECT_EQ(GetWindow(viewer, GW_OWNER), nullptr);
    EXPECT_EQ(GetAncestor(viewer, GA_PARENT), GetDesktopWindow());
    EXPECT_EQ(GetForegroundWindow(), viewer);

    EXPECT_EQ(Ask(HH_HELP_CONTEXT, 77), viewer);
    EXPECT_EQ(Text(viewer), "C:\\x\\cmpnts.chm#77");
    EXPECT_EQ(Ask(HH_HELP_CONTEXT, 5, "D:\\other.chm"), viewer);
    EXPECT_EQ(Text(viewer), "D:\\other.chm#5");
    EXPECT_EQ(ViewerCount(), 1);
}

TEST_F(HelpViewer, TopicsAndTheFileItself)
{
    HWND viewer = Ask(HH_DISPLAY_TOPIC, reinterpret_cast<DWORD_PTR>("/intro.htm"));
    EXPECT_EQ(Text(viewer), "C:\\x\\cmpnts.chm::/intro.htm");
    EXPECT_EQ(Ask(HH_DISPLAY_TOPIC, 0), viewer);
    EXPECT_EQ(Text(viewer), kFile);
    EXPECT_EQ(Ask(HH_DISPLAY_TOC, 0), viewer);
    EXPECT_EQ(Text(viewer), kFile);
    EXPECT_EQ(Ask(HH_HELP_CONTEXT, 1, ""), nullptr);
    EXPECT_EQ(Ask(HH_HELP_CONTEXT, 1, nullptr), nullptr);
}

TEST_F(HelpViewer, CommandsItDoesNotKnowChangeNothing)
{
    EXPECT_EQ(Ask(HH_DISPLAY_TEXT_POPUP, 0), nullptr);
    EXPECT_EQ(Ask(HH_KEYWORD_LOOKUP, 0), nullptr);
    EXPECT_EQ(ViewerCount(), 0);
}

TEST_F(HelpViewer, CloseAllDestroysItAndTheNextRequestOpensAnew)
{
    HWND first = Ask(HH_HELP_CONTEXT, 1);
    EXPECT_EQ(Ask(HH_CLOSE_ALL, 0), nullptr);
    EXPECT_FALSE(IsWindow(first));
    HWND second = Ask(HH_HELP_CONTEXT, 2);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(Text(second), "C:\\x\\cmpnts.chm#2");
    EXPECT_EQ(ViewerCount(), 1);
}

TEST_F(HelpViewer, OtherThreadsReuseAndCloseTheSameViewer)
{
    HWND viewer = Ask(HH_HELP_CONTEXT, 10);
    EXPECT_EQ(HtmlHelpA(nullptr, kFile, HH_HELP_CONTEXT, 11), viewer);
    EXPECT_EQ(Text(viewer), "C:\\x\\cmpnts.chm#11");
    EXPECT_EQ(HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0), nullptr);
    EXPECT_FALSE(IsWindow(viewer));
}

TEST_F(HelpViewer, TheUserClosesItWithEscape)
{
    HWND viewer = Ask(HH_HELP_CONTEXT, 3);
    ASSERT_TRUE(Press(VK_ESCAPE)) << LastFailure();
    EXPECT_TRUE(WaitForClose(viewer)) << LastFailure();
    EXPECT_FALSE(IsWindow(viewer));
}

TEST_F(HelpViewer, TheUserClosesItWithTheCloseBox)
{
    HWND viewer = Ask(HH_HELP_CONTEXT, 4);
    // The close box is the last button of the caption, inside the sizing frame.
    const RECT r = RectOf(viewer);
    const int frame = GetSystemMetrics(SM_CXFRAME), size = GetSystemMetrics(SM_CXSIZE);
    POINT box{r.right - frame - size / 2, r.top + frame + GetSystemMetrics(SM_CYCAPTION) / 2};
    ScreenToClient(viewer, &box);
    ASSERT_TRUE(Click(viewer, box)) << LastFailure();
    EXPECT_FALSE(IsWindow(viewer));
}

TEST(HtmlHelpThreads, AViewerWhoseThreadEndedIsNotReused)
{
    HWND old = nullptr;
    {
        UiThread ui;
        old = reinterpret_cast<HWND>(ui.Run([] {
            return reinterpret_cast<LRESULT>(HtmlHelpA(nullptr, kFile, HH_HELP_CONTEXT, 1));
        }));
        ASSERT_NE(old, nullptr);
    }
    UiThread ui;
    HWND fresh = reinterpret_cast<HWND>(ui.Run(
        [] { return reinterpret_cast<LRESULT>(HtmlHelpA(nullptr, kFile, HH_HELP_CONTEXT, 2)); }));
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(GetWindowThreadProcessId(fresh, nullptr), ui.Id());
    EXPECT_EQ(Text(fresh), "C:\\x\\cmpnts.chm#2");
    ui.Run([] { return reinterpret_cast<LRESULT>(HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0)); });
}

} // namespace
