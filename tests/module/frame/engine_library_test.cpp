// The loading pattern of engine entry points: load by name, fetch a set, report 0 or -1,
// unload and clear every pointer. The probe module stands in for an engine library here: its
// exports are known names.
#include "frame/engine_library.h"

#include "support/story.h"

#include <platform/automation.h>
#include <platform/render.h>
#include <platform/ui_thread.h>

#include <gtest/gtest.h>

namespace
{

const char kLibrary[] = "quarnel_probe.dll";

// A dialog's module-wide variables: a handle and one pointer per entry point.
HMODULE g_hEngine = nullptr;
int(CDECL* g_pfnFirst)(int, int) = nullptr;
void(CDECL* g_pfnSecond)(void*) = nullptr;
int(CDECL* g_pfnMissing)() = nullptr;

const quarnel::EntryPoint kComplete[] = {
    {"probeShowDialog", g_pfnFirst},
    {"probeGlobals", g_pfnSecond},
};
const quarnel::EntryPoint kIncomplete[] = {
    {"probeShowDialog", g_pfnFirst},
    {"noSuchEntryPoint", g_pfnMissing},
    {"probeGlobals", g_pfnSecond},
};

class EngineLibraryTest : public ::testing::Test
{
protected:
    void TearDown() override { quarnel::UnloadEntryPoints(g_hEngine, kIncomplete); }
};

} // namespace

TEST_F(EngineLibraryTest, ACompleteSetLoadsAndUnloadsToNull)
{
    EXPECT_EQ(
        quarnel::LoadEntryPoints(kLibrary, g_hEngine, kComplete, quarnel::MissingLibrary::kReport),
        0);
    ASSERT_NE(g_hEngine, nullptr);
    EXPECT_EQ(reinterpret_cast<void (*)()>(g_pfnFirst),
              reinterpret_cast<void (*)()>(::GetProcAddress(g_hEngine, "probeShowDialog")));
    EXPECT_NE(g_pfnSecond, nullptr);

    quarnel::UnloadEntryPoints(g_hEngine, kComplete);
    EXPECT_EQ(g_hEngine, nullptr);
    EXPECT_EQ(g_pfnFirst, nullptr);
    EXPECT_EQ(g_pfnSecond, nullptr);
    // The library went away with the set (nothing else of this program holds it).
    EXPECT_EQ(::GetModuleHandleA(kLibrary), nullptr);
}

TEST_F(EngineLibraryTest, AMissingEntryPointFailsTheSetButKeepsWhatWasFound)
{
    EXPECT_EQ(quarnel::LoadEntryPoints(kLibrary, g_hEngine, kIncomplete,
                                       quarnel::MissingLibrary::kReport),
              -1);
    EXPECT_NE(g_hEngine, nullptr);
    EXPECT_NE(g_pfnFirst, nullptr);
    EXPECT_EQ(g_pfnMissing, nullptr);
    EXPECT_NE(g_pfnSecond, nullptr);

    // Loading again over a loaded set does not take a second reference.
    EXPECT_EQ(quarnel::LoadEntryPoints(kLibrary, g_hEngine, kIncomplete,
                                       quarnel::MissingLibrary::kSilent),
              -1);
    quarnel::UnloadEntryPoints(g_hEngine, kIncomplete);
    EXPECT_EQ(g_pfnFirst, nullptr);
    EXPECT_EQ(g_pfnSecond, nullptr);
    EXPECT_EQ(::GetModuleHandleA(kLibrary), nullptr);
}

TEST_F(EngineLibraryTest, AMissingLibraryIsReportedOnlyWhenAsked)
{
    // Pointers left over from an earlier load must not survive a failed one.
    g_pfnFirst = reinterpret_cast<int(CDECL*)(int, int)>(0x1);
    EXPECT_EQ(quarnel::LoadEntryPoints("no_such_engine.dll", g_hEngine, kComplete,
                                       quarnel::MissingLibrary::kSilent),
              -1);
    EXPECT_EQ(g_hEngine, nullptr);
    EXPECT_EQ(g_pfnFirst, nullptr);

    platform::UiThread ui("Tirel Plus");
    Story s(ui);
    s.Open([] {
        return static_cast<LRESULT>(quarnel::LoadEntryPoints(
            "no_such_engine.dll", g_hEngine, kComplete, quarnel::MissingLibrary::kReport));
    });
    HWND box = s.Window("#32770", "Tirel Plus");
    EXPECT_NE(s.Snapshot().find("loadHandle is NULL"), std::string::npos) << s.Snapshot();
    EXPECT_NE(platform::automation::FindControlByText(box, "OK"), nullptr);
    s.Press(VK_RETURN);
    EXPECT_EQ(s.Result(), -1);
    EXPECT_EQ(g_hEngine, nullptr);
}
