// The animation control: opening clips from files and resources (and failing to), its size,
// playing frame ranges with repeats on its own thread's timer, the ACN_START and ACN_STOP
// notifications, and the frame counter the text renderer shows.
//
// Frames advance on a timer of the control's thread. Tests that follow single frames use a
// clip whose frame time is far longer than any test and send the control WM_TIMER themselves,
// one frame at a time; tests of real playing wait for conditions.

#include "avi_builder.h"
#include "platform/automation.h"
#include "platform/render.h"
#include "platform/ui_thread.h"
#include "res/mapped_bitmap_test_res.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

namespace automation = platform::automation;

namespace
{

constexpr int AnimationId = 50;
// The control's timer, as WM_TIMER names it.
constexpr WPARAM PlayTimer = 1;
// A frame time no test waits for: frames advance only when the test sends WM_TIMER.
constexpr std::uint32_t Forever = 1000000000;

struct Record
{
    std::mutex mutex;
    std::vector<WORD> codes;
};

Record& Recorded()
{
    static Record record;
    return record;
}

std::vector<WORD> Codes()
{
    std::lock_guard g(Recorded().mutex);
    return Recorded().codes;
}

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_COMMAND && LOWORD(wParam) == AnimationId)
    {
        std::lock_guard g(Recorded().mutex);
        Recorded().codes.push_back(HIWORD(wParam));
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

const char* ParentClass()
{
    static const bool registered = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = "AnimateTestParent";
        return RegisterClassA(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    return "AnimateTestParent";
}

// The control lives on a user-interface thread, whose message loop runs its timer.
class AnimateTest : public ::testing::Test
{
protected:
    platform::UiThread ui;
    HWND parent = nullptr;
    HWND animation = nullptr;

    void SetUp() override
    {
        std::lock_guard g(Recorded().mutex);
        Recorded().codes.clear();
    }

    void TearDown() override
    {
        if (parent)
            ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(parent)); });
    }

    void Create(DWORD style = 0, int width = 120, int height = 52)
    {
        ui.Run([&] {
            parent =
                CreateWindowExA(0, ParentClass(), "Animation", WS_POPUP | WS_VISIBLE, 0, 0, 300,
                                200, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
            animation = CreateWindowExA(0, ANIMATE_CLASSA, "", WS_CHILD | WS_VISIBLE | style, 6, 13,
                                        width, height, parent, reinterpret_cast<HMENU>(AnimationId),
                                        nullptr, nullptr);
            return 0;
        });
        ASSERT_NE(animation, nullptr);
    }

    BOOL Open(const char* path) { return Animate_Open(animation, path); }
    BOOL Play(int from, int to, int repeat)
    {
        return Animate_Play(animation, static_cast<UINT>(from), static_cast<UINT>(to),
                            static_cast<UINT>(repeat));
    }
    bool Playing() { return Animate_IsPlaying(animation) != FALSE; }
    void Tick() { SendMessageA(animation, WM_TIMER, PlayTimer, 0); }

    std::string Row(int row = 0)
    {
        const std::string text = platform::Snapshot(animation);
        std::size_t start = 0;
        for (int i = 0; i < row && start != std::string::npos; ++i)
            start = text.find('\n', start) + 1;
        return text.substr(start, text.find('\n', start) - start);
    }

    SIZE Size()
    {
        RECT r = automation::RectOf(animation);
        return SIZE{r.right - r.left, r.bottom - r.top};
    }
};

TEST_F(AnimateTest, AMissingClipLeavesTheControlEmpty)
{
    Create();
    EXPECT_FALSE(Open("/nonexistent/folder/clip.avi"));
    EXPECT_FALSE(Open(nullptr)) << "NULL closes, and says FALSE";
    EXPECT_FALSE(Play(0, -1, 1)) << "nothing to play";
    EXPECT_FALSE(Playing());
    EXPECT_EQ(platform::Snapshot(animation), std::string(4, '\n')) << "blank";
    EXPECT_EQ(Size().cx, 120) << "the size stays";

    // Something that is not a clip fails the same way.
    avi_test::ClipFile junk(std::vector<unsigned char>(64, 'x'), "junk");
    EXPECT_FALSE(Open(junk.Path()));
    EXPECT_TRUE(Codes().empty());
}

TEST_F(AnimateTest, AnOpenClipSizesTheControlAndShowsItsFirstFrame)
{
    Create();
    avi_test::ClipFile clip(avi_test::Clip{12, 60, 13, Forever});
    ASSERT_TRUE(Open(clip.Path()));
    EXPECT_EQ(Size().cx, 60);
    EXPECT_EQ(Size().cy, 13);
    EXPECT_EQ(platform::Snapshot(animation), "[  1/12  ]\n");
    EXPECT_FALSE(Playing());

    // Windows paths name the same file.
    std::string windowsPath = clip.Path();
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    EXPECT_TRUE(Open(windowsPath.c_str()));

    EXPECT_FALSE(Animate_Close(animation));
    EXPECT_EQ(platform::Snapshot(animation), "\n") << "closed: empty again";
}

TEST_F(AnimateTest, CenteredClipsKeepTheControlsSize)
{
    Create(ACS_CENTER, 120, 65);
    avi_test::ClipFile clip(avi_test::Clip{3, 48, 39, Forever});
    ASSERT_TRUE(Open(clip.Path()));
    EXPECT_EQ(Size().cx, 120);
    EXPECT_EQ(Size().cy, 65);
    // A frame of 8 x 3 cells in the middle of 20 x 5: a box with the counter inside.
    EXPECT_EQ(platform::Snapshot(animation),
              "\n      +------+\n      | 1/3  |\n      +------+\n\n");
}

TEST_F(AnimateTest, ClipsFromResources)
{
    Create();
    ASSERT_TRUE(Animate_OpenEx(animation, GetModuleHandleA(nullptr), MAKEINTRESOURCE(IDR_CLIP)));
    EXPECT_EQ(Size().cx, 36);
    EXPECT_EQ(Row(), "[1/3 ]");
    ASSERT_TRUE(Animate_OpenEx(animation, GetModuleHandleA(nullptr), "CLIP")) << "by name";
    EXPECT_FALSE(Animate_OpenEx(animation, GetModuleHandleA(nullptr), MAKEINTRESOURCE(7999)));
}

TEST_F(AnimateTest, PlayingStepsThroughTheRangeAndItsRepeats)
{
    Create();
    avi_test::ClipFile clip(avi_test::Clip{4, 60, 13, Forever});
    ASSERT_TRUE(Open(clip.Path()));
    ASSERT_TRUE(Play(1, 2, 2));
    EXPECT_TRUE(Playing());
    EXPECT_EQ(Codes(), (std::vector<WORD>{ACN_START}));
    EXPECT_EQ(Row(), "[  2/4   ]") << "starts at the range's first frame";
    Tick();
    EXPECT_EQ(Row(), "[  3/4   ]");
    Tick();
    EXPECT_EQ(Row(), "[  2/4   ]") << "the second time through";
    Tick();
    EXPECT_EQ(Row(), "[  3/4   ]");
    EXPECT_TRUE(Playing());
    Tick();
    EXPECT_FALSE(Playing()) << "two times through, then it stops";
    EXPECT_EQ(Row(), "[  3/4   ]") << "on the last frame it showed";
    EXPECT_EQ(Codes(), (std::vector<WORD>{ACN_START, ACN_STOP}));
}

TEST_F(AnimateTest, StopEndsAnEndlessPlayAndSeekOnlyShowsAFrame)
{
    Create();
    avi_test::ClipFile clip(avi_test::Clip{4, 60, 13, Forever});
    ASSERT_TRUE(Open(clip.Path()));
    ASSERT_TRUE(Play(0, -1, -1));
    for (int i = 0; i < 9; ++i)
        Tick();
    EXPECT_TRUE(Playing()) << "-1 repeats until stopped";
    EXPECT_EQ(Row(), "[  2/4   ]") << "nine frames on from frame 1 of 4";
    EXPECT_TRUE(Play(2, 3, 1)) << "a play while playing succeeds";
    EXPECT_EQ(Row(), "[  2/4   ]") << "and changes nothing";
    EXPECT_TRUE(Animate_Stop(animation));
    EXPECT_FALSE(Playing());
    EXPECT_TRUE(Animate_Stop(animation));
    EXPECT_EQ(Codes(), (std::vector<WORD>{ACN_START, ACN_STOP})) << "one stop, when it stopped";

    EXPECT_TRUE(Animate_Seek(animation, 3));
    EXPECT_EQ(Row(), "[  4/4   ]");
    EXPECT_FALSE(Playing()) << "a one-frame range is a seek";
    EXPECT_EQ(Codes().size(), 2u) << "without notifications";

    EXPECT_FALSE(Play(3, 1, 1)) << "backwards";
    EXPECT_FALSE(Play(0, 4, 1)) << "past the last frame";
    EXPECT_FALSE(Animate_Seek(animation, 4));
}

TEST_F(AnimateTest, PlaysOnItsThreadsTimerUntilDone)
{
    Create();
    avi_test::ClipFile clip(avi_test::Clip{4, 60, 13, 5000});
    ASSERT_TRUE(Open(clip.Path()));
    // Start and ask on the control's thread, so the short clip cannot end in between.
    const LRESULT playing =
        ui.Run([this] { return static_cast<LRESULT>(Play(0, -1, 3) && Playing()); });
    EXPECT_TRUE(playing);
    EXPECT_TRUE(automation::WaitUntil([this] { return !Playing(); }, "the clip to end",
                                      automation::DefaultTimeout(), ui.Id()))
        << automation::LastFailure();
    EXPECT_EQ(Codes(), (std::vector<WORD>{ACN_START, ACN_STOP}));
    EXPECT_EQ(Row(), "[  4/4   ]");
}

TEST_F(AnimateTest, AutoplayStartsAtOnceAndClosingStops)
{
    Create(ACS_AUTOPLAY);
    avi_test::ClipFile clip(avi_test::Clip{4, 60, 13, Forever});
    ASSERT_TRUE(Open(clip.Path()));
    EXPECT_TRUE(Playing());
    EXPECT_EQ(Codes(), (std::vector<WORD>{ACN_START}));
    EXPECT_FALSE(Animate_Close(animation));
    EXPECT_FALSE(Playing());
    EXPECT_EQ(Codes(), (std::vector<WORD>{ACN_START, ACN_STOP}));
}

} // namespace
