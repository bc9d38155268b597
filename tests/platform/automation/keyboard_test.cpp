// The simulated keyboard: characters reach the focus window as WM_CHAR through the input queue
// and TranslateMessage, named keys are real key presses, and modifiers are held around a key.

#include "platform/automation.h"
#include "platform/recorder.h"
#include "support/messages.h"
#include "support/story.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <atomic>

using namespace platform;
using namespace platform::automation;

namespace
{

class TypingDialog : public ::testing::Test
{
protected:
    void OpenDialog()
    {
        story.Open([this] {
            return DialogBoxIndirectParamA(nullptr, tmpl.Get(), ui.MainWindow(),
                                           testwin::EndWithCommand, 0);
        });
        ASSERT_TRUE(story.Window("Typing"));
        box = story.Control(100);
        ASSERT_TRUE(box);
    }

    UiThread ui;
    Story story{ui};
    TemplateBuilder tmpl = testwin::TypingDialog("Typing");
    HWND box = nullptr;
};

TEST_F(TypingDialog, TypedCharactersReachASubclassAsPacketsAndChars)
{
    OpenDialog();
    MessageRecorder recorder;
    recorder.Ignore(WM_GETDLGCODE);
    ASSERT_TRUE(recorder.Watch(box, "box"));
    ASSERT_TRUE(story.Type("Hi"));
    // Each character is a VK_PACKET key press that TranslateMessage turns into the character.
    const ExpectedMessage typed[] = {
        {WM_KEYDOWN, kWParam, VK_PACKET}, {WM_CHAR, kWParam, 'H'}, {WM_KEYUP, kWParam, VK_PACKET},
        {WM_KEYDOWN, kWParam, VK_PACKET}, {WM_CHAR, kWParam, 'i'}, {WM_KEYUP, kWParam, VK_PACKET},
    };
    EXPECT_TRUE(MatchesSequence(recorder, typed, "typing \"Hi\""));
    EXPECT_EQ(Text(box), "Hi");
    story.Press(VK_ESCAPE);
    EXPECT_EQ(story.Result(), IDCANCEL);
}

TEST_F(TypingDialog, ControlCharactersAreTheirKeys)
{
    OpenDialog();
    MessageRecorder recorder;
    recorder.Ignore(WM_GETDLGCODE);
    ASSERT_TRUE(recorder.Watch(box, "box"));
    ASSERT_TRUE(story.Type("ab\bc"));
    const ExpectedMessage typed[] = {
        {WM_KEYDOWN, kWParam, VK_PACKET}, {WM_CHAR, kWParam, 'a'},  {WM_KEYUP, kWParam, VK_PACKET},
        {WM_KEYDOWN, kWParam, VK_PACKET}, {WM_CHAR, kWParam, 'b'},  {WM_KEYUP, kWParam, VK_PACKET},
        {WM_KEYDOWN, kWParam, VK_BACK},   {WM_CHAR, kWParam, '\b'}, {WM_KEYUP, kWParam, VK_BACK},
        {WM_KEYDOWN, kWParam, VK_PACKET}, {WM_CHAR, kWParam, 'c'},  {WM_KEYUP, kWParam, VK_PACKET},
    };
    EXPECT_TRUE(MatchesSequence(recorder, typed, "typing a, b, Backspace, c"));
    EXPECT_EQ(Text(box), "ac");
    recorder.Stop(box);

    // Tab is the dialog's: the focus moves on and the box never sees the key.
    ASSERT_TRUE(story.Type("\t"));
    EXPECT_EQ(story.Focus(), story.Control(IDOK));
    EXPECT_EQ(Text(box), "ac");
    // Enter presses the default button; both '\r' and '\n' are Enter.
    ASSERT_TRUE(story.Type("\n"));
    EXPECT_EQ(story.Result(), IDOK);
}

TEST_F(TypingDialog, EscapeCharacterCancels)
{
    OpenDialog();
    story.Type("x\x1b");
    EXPECT_EQ(story.Result(), IDCANCEL);
}

std::atomic<int> g_shiftAndControlAtKey{-1};

LRESULT CALLBACK KeyStateProbe(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_KEYDOWN && wParam == 'A')
        g_shiftAndControlAtKey = (GetKeyState(VK_SHIFT) < 0) && (GetKeyState(VK_CONTROL) < 0);
    return testwin::TypingBoxProc(hwnd, msg, wParam, lParam);
}

TEST_F(TypingDialog, ModifiersAreHeldAroundTheKey)
{
    OpenDialog();
    ui.Run([this] {
        return SetWindowLongPtrA(box, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&KeyStateProbe));
    });
    MessageRecorder recorder;
    recorder.Ignore(WM_GETDLGCODE);
    ASSERT_TRUE(recorder.Watch(box, "box"));
    ASSERT_TRUE(Press('A', kShift | kControl));
    const ExpectedMessage chord[] = {
        {WM_KEYDOWN, kWParam, VK_SHIFT}, {WM_KEYDOWN, kWParam, VK_CONTROL},
        {WM_KEYDOWN, kWParam, 'A'},      {WM_CHAR, kWParam, 0x01},
        {WM_KEYUP, kWParam, 'A'},        {WM_KEYUP, kWParam, VK_CONTROL},
        {WM_KEYUP, kWParam, VK_SHIFT},
    };
    EXPECT_TRUE(MatchesSequence(recorder, chord, "Shift+Ctrl+A"));
    EXPECT_EQ(g_shiftAndControlAtKey.load(), 1);
    // Once released, the modifiers no longer shape the next key.
    ASSERT_TRUE(story.Type("z"));
    EXPECT_EQ(Text(box), "z");
    story.Press(VK_ESCAPE);
    EXPECT_EQ(story.Result(), IDCANCEL);
}

TEST(Keyboard, ArrowKeysAreExtended)
{
    UiThread ui;
    HWND host = testwin::RunForWindow(ui, [] { return testwin::PadHost("Arrows"); });
    HWND pad = GetDlgItem(host, 10);
    ASSERT_TRUE(Click(pad)); // the pad takes the focus
    MessageRecorder recorder;
    ASSERT_TRUE(recorder.Watch(pad, "pad"));
    ASSERT_TRUE(Press(VK_LEFT));
    const auto seen = recorder.Messages();
    ASSERT_GE(seen.size(), 1u);
    EXPECT_EQ(seen[0].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(seen[0].wParam, static_cast<WPARAM>(VK_LEFT));
    EXPECT_TRUE(seen[0].lParam & (1 << 24)) << "the extended-key bit is set for arrow keys";
    recorder.Stop(pad);
    ui.Run([host] { return static_cast<LRESULT>(DestroyWindow(host)); });
}

} // namespace
