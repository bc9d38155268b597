// The registry of the host's model libraries and the references it hands out.
#include <vxhost.h>

#include <gtest/gtest.h>

namespace
{

class Library : public ITUserModelLibrary
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override
    {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;
};

} // namespace

TEST(RuvoLibrariesTest, CountsLibrariesAndHandsOutCountedReferences)
{
    vxhost::ResetHost();
    ASSERT_NE(g_pRuvoLibs, nullptr);
    EXPECT_EQ(g_pRuvoLibs->CountLibraries(), 0);
    EXPECT_EQ(g_pRuvoLibs->GetLibrary(0), nullptr);

    Library first, second;
    g_pRuvoLibs->AddLibrary(&first);
    g_pRuvoLibs->AddLibrary(&second);
    EXPECT_EQ(first.references, 2u);
    EXPECT_EQ(g_pRuvoLibs->CountLibraries(), 2);

    ITUserModelLibrary* got = g_pRuvoLibs->GetLibrary(1);
    EXPECT_EQ(got, &second);
    EXPECT_EQ(second.references, 3u);
    got->Release();
    EXPECT_EQ(g_pRuvoLibs->GetLibrary(2), nullptr);
    EXPECT_EQ(g_pRuvoLibs->GetLibrary(-1), nullptr);

    vxhost::ResetHost();
    EXPECT_EQ(g_pRuvoLibs->CountLibraries(), 0);
    EXPECT_EQ(first.references, 1u);
    EXPECT_EQ(second.references, 1u);
}
