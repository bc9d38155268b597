// Finding windows and controls as a person names them, and saying clearly what was there
// instead when the wanted one is not.

#include "platform/automation.h"
#include "test_windows.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace platform::automation;

namespace
{

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

TEST(WaitForWindow, TimesOutWithADescriptionOfWhatIsThere)
{
    UiThread ui("Visible Main");
    EXPECT_EQ(WaitForWindow("NoSuchClass", "Nothing Like It", 100), nullptr);
    const std::string why = LastFailure();
    EXPECT_TRUE(Contains(why, "of class \"NoSuchClass\" titled \"Nothing Like It\"")) << why;
    EXPECT_TRUE(Contains(why, "within 100 ms")) << why;
    EXPECT_TRUE(Contains(why, "PlatformMainWindow \"Visible Main\"")) << why;

    EXPECT_EQ(WaitForWindow([](HWND) { return false; }, "that never comes", 50), nullptr);
    EXPECT_TRUE(Contains(LastFailure(), "no visible top-level window that never comes"))
        << LastFailure();
}

TEST(WaitForWindow, FindsWindowsAsFindWindowDoesButOnlyVisibleOnes)
{
    UiThread ui("Main Window");
    testwin::RegisterClasses();
    // Title and class compare without regard to case.
    EXPECT_EQ(WaitForWindow("platformmainwindow", "MAIN WINDOW"), ui.MainWindow());
    EXPECT_EQ(WaitForWindow(nullptr, "Main Window"), ui.MainWindow());

    HWND hidden = testwin::RunForWindow(ui, [] {
        return CreateWindowExA(0, "TestHost", "Later", WS_OVERLAPPED, 0, 0, 50, 50, nullptr,
                               nullptr, nullptr, nullptr);
    });
    EXPECT_EQ(WaitForWindow(nullptr, "Later", 50), nullptr);
    // Shown a moment later by the user-interface thread, while the test already waits.
    ui.Begin([hidden] { return static_cast<LRESULT>(ShowWindow(hidden, SW_SHOWNOACTIVATE)); });
    EXPECT_EQ(WaitForWindow("TestHost", "Later"), hidden) << LastFailure();
    ASSERT_TRUE(ui.Finish());
    EXPECT_EQ(WaitForWindow([hidden](HWND h) { return h == hidden; }, "the shown one"), hidden);

    ui.Run([hidden] { return static_cast<LRESULT>(DestroyWindow(hidden)); });
    EXPECT_TRUE(WaitForClose(hidden, 100));
}

class Controls : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testwin::RegisterClasses();
        top = testwin::RunForWindow(ui, [] {
            HWND host = CreateWindowExA(0, "TestHost", "Controls", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                        50, 50, 400, 300, nullptr, nullptr, nullptr, nullptr);
            auto child = [](HWND parent, const char* text, int id, DWORD visible) {
                return CreateWindowExA(
                    0, testwin::kClickPad, text, WS_CHILD | visible, 0, 0, 50, 20, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
            };
            HWND group = CreateWindowExA(0, "TestHost", "", WS_CHILD | WS_VISIBLE, 10, 10, 300, 200,
                                         host, reinterpret_cast<HMENU>(1), nullptr, nullptr);
            child(group, "&Save && Close", 42, WS_VISIBLE);
            child(host, "Twin (hidden)", 7, 0);
            child(host, "Twin (shown)", 7, WS_VISIBLE);
            return host;
        });
    }
    void TearDown() override
    {
        ui.Run([this] { return static_cast<LRESULT>(DestroyWindow(top)); });
    }

    UiThread ui;
    HWND top = nullptr;
};

TEST_F(Controls, ById_SearchesDescendantsAndPrefersVisibleControls)
{
    HWND nested = FindControl(top, 42);
    ASSERT_NE(nested, nullptr) << LastFailure();
    EXPECT_EQ(GetDlgCtrlID(nested), 42);
    EXPECT_NE(GetParent(nested), top);
    EXPECT_EQ(Text(FindControl(top, 7)), "Twin (shown)");
}

TEST_F(Controls, ByText_IgnoresMnemonicMarks)
{
    HWND h = FindControlByText(top, "Save & Close");
    ASSERT_NE(h, nullptr) << LastFailure();
    EXPECT_EQ(GetDlgCtrlID(h), 42);
    EXPECT_EQ(FindControlByText(top, "&Save && Close"), h);
    EXPECT_EQ(FindControlByText(top, "Save Close"), nullptr);
    EXPECT_EQ(FindControlByText(top, "Save"), nullptr);
}

TEST_F(Controls, FailuresListTheControlsThatExist)
{
    EXPECT_EQ(FindControl(top, 999), nullptr);
    const std::string why = LastFailure();
    EXPECT_TRUE(Contains(why, "TestHost \"Controls\"")) << why;
    EXPECT_TRUE(Contains(why, "has no control with id 999")) << why;
    EXPECT_TRUE(Contains(why, "TestClickPad \"&Save && Close\" id 42")) << why;
    EXPECT_TRUE(Contains(why, "TestClickPad \"Twin (hidden)\" id 7 (")) << why;
    EXPECT_TRUE(Contains(why, "[hidden]")) << why;

    EXPECT_EQ(FindControlByText(top, "Apply"), nullptr);
    EXPECT_TRUE(Contains(LastFailure(), "has no control captioned \"Apply\"")) << LastFailure();
}

TEST(Reading, WindowsAsAPersonSeesThem)
{
    UiThread ui("Reader");
    HWND main = ui.MainWindow();
    EXPECT_EQ(Text(main), "Reader");
    EXPECT_EQ(ClassOf(main), "PlatformMainWindow");
    EXPECT_TRUE(IsVisible(main));
    EXPECT_TRUE(IsEnabled(main));
    EXPECT_EQ(RectOf(main).right - RectOf(main).left, 800);
    EXPECT_EQ(FocusOf(ui.Id()), main);
    EXPECT_EQ(Describe(nullptr), "no window (NULL)");
    EXPECT_TRUE(Contains(Describe(reinterpret_cast<HWND>(0x7777)), "a destroyed window"))
        << Describe(nullptr);
}

} // namespace
