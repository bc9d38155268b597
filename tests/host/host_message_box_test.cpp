// The host's message box: its caption, its buttons, and whom it belongs to.
#include "support/story.h"
#include "support/test_host.h"

#include <vxstruct.h>

#include <gtest/gtest.h>

TEST(HostMessageBoxTest, ShowsTheTextUnderTheHostsCaptionAndReturnsTheButton)
{
    TestHost host;
    Story s(host.Ui());

    s.Open([] { return static_cast<LRESULT>(HostMessageBox("Replace it?", MB_YESNO, -1, 0)); });
    s.Window("#32770", "Tirel Plus");
    EXPECT_NE(s.Snapshot().find("Replace it?"), std::string::npos) << s.Snapshot();
    // The window the user worked in waits for the answer.
    EXPECT_FALSE(::IsWindowEnabled(host.MainWindow()));
    s.Click("Yes");
    EXPECT_EQ(s.Result(), IDYES);
    EXPECT_TRUE(::IsWindowEnabled(host.MainWindow()));

    s.Open([] { return static_cast<LRESULT>(HostMessageBox("loadHandle is NULL", 0, -1, 0)); });
    s.Window("#32770", "Tirel Plus");
    s.Press(VK_RETURN);
    EXPECT_EQ(s.Result(), IDOK);
}
