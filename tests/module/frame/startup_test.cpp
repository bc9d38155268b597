// Start-up: process attach registers the module as an extension module and saves its handle;
// QuarnelInitExtDLL chains it into the host's module state and saves that state.
#include "module/probe/probe.h"
#include "support/test_host.h"

#include "res/resource.h"

#include <gtest/gtest.h>

namespace
{

// Which module AfxFindResourceHandle names for the module's version resource, asked on the
// user-interface thread as the host would.
HINSTANCE VersionResourceOwner(TestHost& host)
{
    return reinterpret_cast<HINSTANCE>(host.Ui().Run([] {
        return reinterpret_cast<LRESULT>(
            AfxFindResourceHandle(MAKEINTRESOURCE(VS_VERSION_INFO), RT_VERSION));
    }));
}

int ChainedCopies(TestHost& host)
{
    return static_cast<int>(host.Ui().Run([&] {
        int copies = 0;
        AfxLockGlobals(CRIT_DYNLINKLIST);
        for (CDynLinkLibrary* library = AfxGetModuleState()->m_libraryList; library != nullptr;
             library = library->m_pNextDLL)
            copies += library->m_hModule == host.Module() ? 1 : 0;
        AfxUnlockGlobals(CRIT_DYNLINKLIST);
        return LRESULT{copies};
    }));
}

} // namespace

TEST(StartupTest, InitChainsTheModulesResourcesIntoTheHost)
{
    TestHost host({.initialise = false});
    ASSERT_NE(host.Module(), nullptr);
    // The host program has no version resource: before the chain exists, nobody has it and
    // the answer is the host's own resource handle.
    EXPECT_EQ(VersionResourceOwner(host), ::GetModuleHandleA(nullptr));
    EXPECT_EQ(ChainedCopies(host), 0);

    host.Call<void>("QuarnelInitExtDLL");
    EXPECT_EQ(VersionResourceOwner(host), host.Module());
    EXPECT_EQ(ChainedCopies(host), 1);
}

TEST(StartupTest, AttachSavesTheHandleAndInitSavesTheHostsModuleState)
{
    TestHost host({.module = "quarnel_probe.dll", .initialise = false});
    ASSERT_NE(host.Module(), nullptr);
    ProbeGlobals globals;
    host.Call<void>("probeGlobals", &globals);
    EXPECT_EQ(globals.module, host.Module());
    EXPECT_EQ(globals.extensionModule, host.Module());
    EXPECT_EQ(globals.moduleState, nullptr);

    host.Call<void>("QuarnelInitExtDLL");
    host.Call<void>("probeGlobals", &globals);
    auto hostState = reinterpret_cast<AFX_MODULE_STATE*>(
        host.Ui().Run([] { return reinterpret_cast<LRESULT>(AfxGetModuleState()); }));
    EXPECT_EQ(globals.moduleState, hostState);
    EXPECT_EQ(globals.module, host.Module());
}
