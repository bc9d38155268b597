// Module state switching and the extension-module resource chain.
#include <afxwin.h>

#include "platform/mfc/extension_modules.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

namespace
{

using mfctest::ExtensionOne;
using mfctest::ExtensionTwo;

LPCSTR StringBlock(UINT id)
{
    return MAKEINTRESOURCE((id >> 4) + 1);
}

// Each test chains the modules into a module state of its own, so the application's state that
// other tests use never sees them.
class ExtensionChainTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(ExtensionOne().Loaded());
        ASSERT_TRUE(ExtensionTwo().Loaded());
    }

    AFX_MODULE_STATE m_state{TRUE};
};

TEST(ModuleStateTest, SwitchesPerThreadAndRestoresOnEveryPath)
{
    AFX_MODULE_STATE* app = AfxGetAppModuleState();
    ASSERT_EQ(AfxGetModuleState(), app);
    AFX_MODULE_STATE dll(TRUE);
    AFX_MODULE_STATE inner(TRUE);

    try
    {
        AFX_MANAGE_STATE(&dll);
        EXPECT_EQ(AfxGetModuleState(), &dll);
        {
            AFX_MAINTAIN_STATE2 nested(&inner);
            EXPECT_EQ(AfxGetModuleState(), &inner);
        }
        EXPECT_EQ(AfxGetModuleState(), &dll);

        // Other threads keep their own setting.
        AFX_MODULE_STATE* seenElsewhere = nullptr;
        std::thread([&] { seenElsewhere = AfxGetModuleState(); }).join();
        EXPECT_EQ(seenElsewhere, app);

        throw std::runtime_error("handler failed");
    }
    catch (const std::runtime_error&)
    {
    }
    EXPECT_EQ(AfxGetModuleState(), app);

    // AfxSetModuleState reports the raw previous setting: NULL stands for the application.
    EXPECT_EQ(AfxSetModuleState(&dll), nullptr);
    EXPECT_EQ(AfxSetModuleState(nullptr), &dll);
    EXPECT_EQ(AfxGetModuleState(), app);
}

TEST(ModuleStateTest, ResourceHandleBelongsToTheCurrentState)
{
    HINSTANCE appResources = AfxGetResourceHandle();
    AFX_MODULE_STATE dll(TRUE);
    {
        AFX_MANAGE_STATE(&dll);
        EXPECT_EQ(AfxGetResourceHandle(), nullptr);
        AfxSetResourceHandle(ExtensionOne().handle);
        EXPECT_EQ(AfxGetResourceHandle(), ExtensionOne().handle);
    }
    EXPECT_EQ(AfxGetResourceHandle(), appResources);
    EXPECT_EQ(dll.m_hCurrentResourceHandle, ExtensionOne().handle);
}

TEST_F(ExtensionChainTest, CurrentHandleFirstThenTheChainMostRecentFirst)
{
    AFX_MANAGE_STATE(&m_state);
    ExtensionOne().Chain();
    ExtensionTwo().Chain();

    // The current resource handle wins over the chain for an id both modules have.
    AfxSetResourceHandle(ExtensionOne().handle);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_EXT_SHARED), RT_RCDATA),
              ExtensionOne().handle);
    // An id only a chained module has is found there.
    EXPECT_EQ(AfxFindResourceHandle(StringBlock(IDS_EXT_TWO_ONLY), RT_STRING),
              ExtensionTwo().handle);
    // An id nobody has falls back to the current handle.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_EXT_NOWHERE), RT_RCDATA),
              ExtensionOne().handle);

    // With a current module that has none of them, the most recently chained module wins.
    AfxSetResourceHandle(::GetModuleHandleA(nullptr));
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_EXT_SHARED), RT_RCDATA),
              ExtensionTwo().handle);
    EXPECT_EQ(AfxFindResourceHandle(StringBlock(IDS_EXT_ONE_ONLY), RT_STRING),
              ExtensionOne().handle);

    // Unchaining a module takes its resources out of the search.
    ExtensionTwo().Unchain();
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCE(IDR_EXT_SHARED), RT_RCDATA),
              ExtensionOne().handle);
    EXPECT_EQ(AfxFindResourceHandle(StringBlock(IDS_EXT_TWO_ONLY), RT_STRING),
              ::GetModuleHandleA(nullptr));
    ExtensionOne().Unchain();
    EXPECT_EQ(m_state.m_libraryList.GetHead(), nullptr);
}

TEST_F(ExtensionChainTest, ChainBelongsToTheStateTheLibraryJoined)
{
    {
        AFX_MANAGE_STATE(&m_state);
        ExtensionOne().Chain();
    }
    // The application's state never saw the library.
    for (CDynLinkLibrary* library = AfxGetAppModuleState()->m_libraryList; library != nullptr;
         library = library->m_pNextDLL)
        EXPECT_NE(library->m_hModule, ExtensionOne().handle);

    CDynLinkLibrary* chained = m_state.m_libraryList;
    ASSERT_NE(chained, nullptr);
    EXPECT_EQ(chained->m_hModule, ExtensionOne().handle);
    EXPECT_EQ(chained->m_hResource, ExtensionOne().handle);

    AFX_MANAGE_STATE(&m_state);
    ExtensionOne().Unchain();
    EXPECT_EQ(m_state.m_libraryList.GetHead(), nullptr);
}

TEST_F(ExtensionChainTest, TermAllDeletesEveryLibraryAndStatesOutliveNothing)
{
    AFX_MANAGE_STATE(&m_state);
    ExtensionOne().Chain();
    ExtensionTwo().Chain();
    AFX_EXTENSION_MODULE other = {};
    AfxInitExtensionModule(other, ExtensionOne().handle);
    AfxTermExtensionModule(other, TRUE);
    EXPECT_EQ(m_state.m_libraryList.GetHead(), nullptr);

    // A library that outlives its module state unlinks from nothing when it is deleted.
    auto* state = new AFX_MODULE_STATE(TRUE);
    CDynLinkLibrary* orphan = nullptr;
    {
        AFX_MANAGE_STATE(state);
        orphan = new CDynLinkLibrary(ExtensionTwo().handle, ExtensionTwo().handle);
    }
    delete state;
    delete orphan;
}

TEST(ExtensionModuleTest, InitialisesOnce)
{
    AFX_EXTENSION_MODULE module = {};
    EXPECT_TRUE(AfxInitExtensionModule(module, ExtensionOne().handle));
    EXPECT_TRUE(module.bInitialized);
    EXPECT_EQ(module.hModule, ExtensionOne().handle);
    EXPECT_EQ(module.hResource, ExtensionOne().handle);
    EXPECT_TRUE(AfxInitExtensionModule(module, ExtensionTwo().handle));
    EXPECT_EQ(module.hModule, ExtensionOne().handle);
}

} // namespace
