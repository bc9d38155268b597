// CAnimateCtrl over the real control: clips by file and by resource id through the resource
// chain, and the play, seek and stop wrappers.

#include "../controls/avi_builder.h"
#include "res/bitmapbutton_test_res.h"

#include <afxcmn.h>

#include "platform/render.h"

#include <gtest/gtest.h>

#include <string>

namespace
{

enum
{
    IDC_CLIP = 7601,
};

TEST(AnimateCtrl, Wrappers)
{
    CWnd host;
    ASSERT_TRUE(host.CreateEx(0, AfxRegisterWndClass(0), "Host", WS_POPUP | WS_VISIBLE, 0, 0, 300,
                              200, nullptr, nullptr));
    CAnimateCtrl animation;
    ASSERT_TRUE(animation.Create(WS_CHILD | WS_VISIBLE, CRect(0, 0, 90, 26), &host, IDC_CLIP));

    EXPECT_FALSE(animation.Open("/nonexistent/clip.avi"));
    // A frame time no test waits for: frames change only by seeking.
    avi_test::ClipFile clip(avi_test::Clip{5, 60, 13, 1000000000});
    ASSERT_TRUE(animation.Open(clip.Path()));
    EXPECT_TRUE(animation.Play(1, 0xFFFF, static_cast<UINT>(-1)));
    EXPECT_TRUE(animation.IsPlaying());
    EXPECT_EQ(platform::Snapshot(animation.m_hWnd), "[  2/5   ]\n");
    EXPECT_TRUE(animation.Stop());
    EXPECT_FALSE(animation.IsPlaying());
    EXPECT_TRUE(animation.Seek(4));
    EXPECT_EQ(platform::Snapshot(animation.m_hWnd), "[  5/5   ]\n");
    EXPECT_FALSE(animation.Seek(5));
    EXPECT_FALSE(animation.Close());
    EXPECT_FALSE(animation.Play(0, 0xFFFF, 1)) << "closed";

    // By id: the resource search finds the clip in this program.
    const HINSTANCE previous = AfxGetResourceHandle();
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    EXPECT_TRUE(animation.Open(IDR_MFC_CLIP));
    EXPECT_EQ(platform::Snapshot(animation.m_hWnd), "[1/3 ]\n");
    AfxSetResourceHandle(previous);
    host.DestroyWindow();
}

} // namespace
