// The module-wide flags and their setters.
#include "module/probe/probe.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

TEST(FlagsTest, SettersReturnTheirFlagAndNeedNoInitialisation)
{
    TestHost host({.initialise = false});
    EXPECT_EQ(host.CallStdcall("gxSetXeldFlag", 7), 7);
    EXPECT_EQ(host.CallStdcall("gxSetXeldFlag", 0), 0);
    EXPECT_EQ(host.CallStdcall("gxSetRefState", -3), -3);
    EXPECT_EQ(host.CallStdcall("gxSetRefState", 1), 1);
}

TEST(FlagsTest, FlagsStartAtZeroAndKeepTheirValuesAcrossCalls)
{
    TestHost host({.module = "quarnel_probe.dll", .initialise = false});
    ProbeGlobals globals;
    host.Call<void>("probeGlobals", &globals);
    EXPECT_EQ(globals.xeldFlag, 0);
    EXPECT_EQ(globals.refState, 0);
    EXPECT_EQ(globals.hideUpwardCancel, 0);

    // Set before QuarnelInitExtDLL, kept through it and through a frame-run export.
    host.CallStdcall("gxSetXeldFlag", 1);
    host.CallStdcall("gxSetRefState", 2);
    host.Call<void>("QuarnelInitExtDLL");
    ProbeView view;
    EXPECT_EQ(host.Call("probeInside", &view, 0), 1);
    host.Call<void>("probeGlobals", &globals);
    EXPECT_EQ(globals.xeldFlag, 1);
    EXPECT_EQ(globals.refState, 2);

    // Each setter changes its own flag only.
    host.CallStdcall("gxSetRefState", 0);
    host.Call<void>("probeGlobals", &globals);
    EXPECT_EQ(globals.xeldFlag, 1);
    EXPECT_EQ(globals.refState, 0);
}
