// The host's input forms as the module opens them, and the host program's view of them.
#include "support/test_host.h"

#include <platform/automation.h>
#include <platform/render.h>
#include <vxforms.h>

#include <gtest/gtest.h>

namespace
{

using platform::automation::Text;
using platform::automation::WaitForWindow;

PFN_LOADFORM PublishedLoadForm()
{
    return reinterpret_cast<PFN_LOADFORM>(NamedHostItem("LoadForm"));
}

PFN_REFRESHFORMS PublishedRefreshForms()
{
    return reinterpret_cast<PFN_REFRESHFORMS>(NamedHostItem("RefreshForms"));
}

} // namespace

TEST(FormsTest, LoadFormOpensANamedFormAndRecordsTheCall)
{
    TestHost host;
    ASSERT_NE(PublishedLoadForm(), nullptr);
    int result = static_cast<int>(host.Ui().Run([&] {
        RECT position{128, 90, -1, -1};
        return static_cast<LRESULT>(PublishedLoadForm()(
            CWnd::FromHandle(host.MainWindow()), "Data\\Pure Databanks",
            "VxPureDataBank.VxPureDataBank_Input", 0, &position, "Pure Databanks", 0));
    }));
    EXPECT_EQ(result, 1);

    HWND form = WaitForWindow(nullptr, "Pure Databanks");
    ASSERT_NE(form, nullptr);
    RECT rect = platform::automation::RectOf(form);
    EXPECT_EQ(rect.left, 128);
    EXPECT_EQ(rect.top, 90);
    const std::string picture = platform::Snapshot(form);
    EXPECT_NE(picture.find("Path: Data\\Pure Databanks"), std::string::npos) << picture;
    EXPECT_NE(picture.find("Form: VxPureDataBank.VxPureDataBank_Input"), std::string::npos)
        << picture;
    EXPECT_EQ(vxforms::OpenForms(), std::vector<HWND>{form});

    const auto calls = vxforms::LoadFormCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, host.MainWindow());
    EXPECT_EQ(calls[0].path, "Data\\Pure Databanks");
    EXPECT_EQ(calls[0].formClass, "VxPureDataBank.VxPureDataBank_Input");
    EXPECT_EQ(calls[0].flag, 0);
    EXPECT_TRUE(calls[0].hasPosition);
    EXPECT_EQ(calls[0].position.x, 128);
    EXPECT_EQ(calls[0].position.y, 90);
    EXPECT_EQ(calls[0].title, "Pure Databanks");
    EXPECT_EQ(calls[0].last, 0);
    EXPECT_EQ(calls[0].result, 1);

    vxforms::CloseForm(form);
    EXPECT_FALSE(::IsWindow(form));
    EXPECT_TRUE(vxforms::OpenForms().empty());
}

TEST(FormsTest, AnUnavailableFormClassOpensNothingButIsRecorded)
{
    TestHost host;
    vxforms::SetFormClassAvailable("VxNCProps.VxNCProps_Input_MethDB", false);
    int result = static_cast<int>(host.Ui().Run([&] {
        return static_cast<LRESULT>(PublishedLoadForm()(nullptr, "Data\\Components",
                                                        "VxNCProps.VxNCProps_Input_MethDB", 1,
                                                        nullptr, "Methods", 7));
    }));
    EXPECT_EQ(result, 0);
    EXPECT_TRUE(vxforms::OpenForms().empty());
    const auto calls = vxforms::LoadFormCalls();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].owner, nullptr);
    EXPECT_FALSE(calls[0].hasPosition);
    EXPECT_EQ(calls[0].flag, 1);
    EXPECT_EQ(calls[0].last, 7);
    EXPECT_EQ(calls[0].result, 0);

    vxforms::SetFormClassAvailable("VxNCProps.VxNCProps_Input_MethDB", true);
    host.Ui().Run([&] {
        return static_cast<LRESULT>(PublishedLoadForm()(nullptr, "Data\\Components",
                                                        "VxNCProps.VxNCProps_Input_MethDB", 1,
                                                        nullptr, "Methods", 7));
    });
    EXPECT_EQ(vxforms::OpenForms().size(), 1u);
}

TEST(FormsTest, AFormOpensBehindTheWindowThatAskedForIt)
{
    TestHost host;
    HWND caller = nullptr;
    HWND active = nullptr;
    host.Ui().Run([&] {
        // Stands for a module dialog owned by the host's main window.
        caller = ::CreateWindowExA(0, "#32770", "Caller", WS_POPUP | WS_CAPTION | WS_VISIBLE, 100,
                                   100, 300, 200, host.MainWindow(), nullptr, nullptr, nullptr);
        ::SetActiveWindow(caller);
        RECT position{120, 120, -1, -1};
        PublishedLoadForm()(CWnd::FromHandle(caller), "Data\\Reactions", "VxReac.VxReac_Input", 0,
                            &position, "Reactions", 0);
        active = ::GetActiveWindow();
        return LRESULT{0};
    });
    HWND form = WaitForWindow(nullptr, "Reactions");
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(active, caller);
    EXPECT_EQ(::GetWindow(caller, GW_HWNDNEXT), form);
    EXPECT_EQ(::GetWindow(form, GW_OWNER), host.MainWindow());
    host.Ui().Run([&] { return static_cast<LRESULT>(::DestroyWindow(caller)); });
}

TEST(FormsTest, RefreshFormsIsRecordedAndResetForgetsEverything)
{
    TestHost host;
    ASSERT_NE(PublishedRefreshForms(), nullptr);
    PublishedRefreshForms()(101, 0);
    PublishedRefreshForms()(5, 6);
    const auto calls = vxforms::RefreshFormsCalls();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].what, 101);
    EXPECT_EQ(calls[0].how, 0);
    EXPECT_EQ(calls[1].what, 5);

    host.Ui().Run([&] {
        return static_cast<LRESULT>(PublishedLoadForm()(nullptr, "p", "c", 0, nullptr, "Form", 0));
    });
    EXPECT_EQ(vxforms::OpenForms().size(), 1u);
    vxforms::Reset();
    EXPECT_TRUE(vxforms::OpenForms().empty());
    EXPECT_TRUE(vxforms::LoadFormCalls().empty());
    EXPECT_TRUE(vxforms::RefreshFormsCalls().empty());
}
