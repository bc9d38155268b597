// The entry frame, run through the probe module, which is built from the module's own frame
// objects: refusal before initialisation and without a main window, the module state and
// resource handle switches, their restoration on every path, and what the switch is for.
#include "module/probe/probe.h"
#include "support/story.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

namespace
{

constexpr int kNotShown = -77;

TestHost::Options Probe()
{
    return {.module = "quarnel_probe.dll"};
}

// The host's resource handle and module state, as the user-interface thread sees them.
struct HostView
{
    HINSTANCE resourceHandle = nullptr;
    AFX_MODULE_STATE* moduleState = nullptr;
    bool operator==(const HostView&) const = default;
};

HostView LookAtHost(TestHost& host)
{
    HostView view;
    host.Ui().Run([&] {
        view.resourceHandle = AfxGetResourceHandle();
        view.moduleState = AfxGetModuleState();
        return LRESULT{0};
    });
    return view;
}

} // namespace

TEST(EntryFrameTest, RefusesBeforeInitialisation)
{
    TestHost host({.module = "quarnel_probe.dll", .initialise = false});
    const HostView before = LookAtHost(host);
    ProbeView view;
    EXPECT_EQ(host.Call("probeInside", &view, kNotShown), kNotShown);
    EXPECT_EQ(host.Call("probeInsideAnyWindow", &view, kNotShown), kNotShown);
    EXPECT_EQ(host.Call("probeShowDialog", IDD_PROBE_SHARED, kNotShown), kNotShown);
    EXPECT_FALSE(view.ran);
    EXPECT_EQ(LookAtHost(host), before);

    host.Call<void>("QuarnelInitExtDLL");
    EXPECT_EQ(host.Call("probeInside", &view, kNotShown), 1);
    EXPECT_TRUE(view.ran);
}

TEST(EntryFrameTest, InsideTheFrameTheModulesResourcesAndTheSavedStateAreCurrent)
{
    TestHost host(Probe());
    const HostView before = LookAtHost(host);
    ASSERT_EQ(before.resourceHandle, ::GetModuleHandleA(nullptr));

    ProbeView view;
    ASSERT_EQ(host.Call("probeInside", &view, kNotShown), 1);
    EXPECT_EQ(view.resourceHandle, host.Module());
    EXPECT_EQ(view.moduleState, before.moduleState);
    EXPECT_EQ(LookAtHost(host), before);
}

TEST(EntryFrameTest, SwitchesToTheSavedModuleStateFromAnyOtherAndBack)
{
    TestHost host(Probe());
    ProbeGlobals globals;
    host.Call<void>("probeGlobals", &globals);
    ProbeView view;
    bool restored = false;
    host.Ui().Run([&] {
        // A caller that runs in a module state of its own, as a regular library would.
        AFX_MODULE_STATE other(TRUE);
        other.m_hCurrentResourceHandle = reinterpret_cast<HINSTANCE>(0x1000);
        AFX_MODULE_STATE* previous = AfxSetModuleState(&other);
        auto probe = reinterpret_cast<int (*)(ProbeView*, int)>(
            reinterpret_cast<void (*)()>(host.Proc("probeInside")));
        probe(&view, kNotShown);
        restored = AfxGetModuleState() == &other &&
                   other.m_hCurrentResourceHandle == reinterpret_cast<HINSTANCE>(0x1000);
        AfxSetModuleState(previous);
        return LRESULT{0};
    });
    EXPECT_TRUE(view.ran);
    EXPECT_EQ(view.moduleState, globals.moduleState);
    EXPECT_EQ(view.resourceHandle, host.Module());
    EXPECT_TRUE(restored);
}

TEST(EntryFrameTest, WithoutAMainWindowTheDialogIsNotShown)
{
    TestHost host({.module = "quarnel_probe.dll", .mainWindow = false});
    const HostView before = LookAtHost(host);
    ProbeView view;
    EXPECT_EQ(host.Call("probeInside", &view, kNotShown), kNotShown);
    EXPECT_FALSE(view.ran);
    EXPECT_EQ(LookAtHost(host), before);

    // An export whose row skips the check runs all the same.
    EXPECT_EQ(host.Call("probeInsideAnyWindow", &view, kNotShown), 1);
    EXPECT_TRUE(view.ran);
    EXPECT_EQ(view.resourceHandle, host.Module());
    EXPECT_EQ(LookAtHost(host), before);
}

TEST(EntryFrameTest, WithoutAThreadObjectTheDialogIsNotShown)
{
    TestHost host(Probe());
    // This test's own thread has no CWinThread (the application's is the UI thread).
    ASSERT_EQ(AfxGetThread(), nullptr);
    const HINSTANCE before = AfxGetResourceHandle();
    auto probe = reinterpret_cast<int (*)(ProbeView*, int)>(
        reinterpret_cast<void (*)()>(host.Proc("probeInside")));
    ProbeView view;
    EXPECT_EQ(probe(&view, kNotShown), kNotShown);
    EXPECT_FALSE(view.ran);
    EXPECT_EQ(AfxGetResourceHandle(), before);
}

TEST(EntryFrameTest, NoExceptionLeavesTheFrameAndEveryPathRestoresTheHost)
{
    TestHost host(Probe());
    const HostView before = LookAtHost(host);
    for (int kind : {kThrowMfcException, kThrowStdException, kThrowInt})
    {
        EXPECT_EQ(host.Call("probeThrow", kind, kNotShown), kNotShown) << "kind " << kind;
        EXPECT_EQ(LookAtHost(host), before) << "kind " << kind;
    }
}

TEST(EntryFrameTest, ADialogThatCannotBeCreatedLeavesTheHostAsItWas)
{
    TestHost host(Probe());
    const HostView before = LookAtHost(host);
    // Only the host has this template, and inside the frame the module's resources are
    // searched, so the dialog cannot be created.
    EXPECT_EQ(host.Call("probeShowDialog", IDD_PROBE_HOST_ONLY, kNotShown), -1);
    EXPECT_EQ(LookAtHost(host), before);
}

TEST(EntryFrameTest, TheModulesTemplateWinsOverTheHostsWithTheSameId)
{
    TestHost host(Probe());
    const HostView before = LookAtHost(host);
    Story s(host.Ui());

    // The host showing the template itself gets its own.
    s.Open([] {
        CDialog dlg(IDD_PROBE_SHARED);
        return static_cast<LRESULT>(dlg.DoModal());
    });
    s.Window("Host template");
    s.Click("OK");
    EXPECT_EQ(s.Result(), IDOK);

    // Through the frame, the module's.
    s.Open(host.Export("probeShowDialog", IDD_PROBE_SHARED, kNotShown));
    s.Window("Module template");
    EXPECT_EQ(LookAtHost(host).resourceHandle, host.Module());
    s.Click("OK");
    EXPECT_EQ(s.Result(), IDOK);
    EXPECT_EQ(LookAtHost(host), before);
}
