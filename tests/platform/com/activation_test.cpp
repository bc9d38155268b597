#include <comdef.h>

#include "platform/com/com_test_support.h"
#include "platform/com/server/sample_compressor.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <string>
#include <thread>

namespace
{

_COM_SMARTPTR_TYPEDEF(ISampleCompressor, IID_ISampleCompressor);

const char* const kProgId = "Sample.Compressor";

// {6A1D2F4E-3C5B-4E7A-9D21-8B0C5E4F7A13}
DEFINE_GUID(CLSID_Unregistered, 0x6A1D2F4E, 0x3C5B, 0x4E7A, 0x9D, 0x21, 0x8B, 0x0C, 0x5E, 0x4F,
            0x7A, 0x13);

// True when the sample server holds no objects, locks or factory references.
bool ServerIsIdle()
{
    HMODULE server = GetModuleHandleA(SAMPLE_COMPRESSOR_LIBRARY);
    if (!server)
        return true;
    auto canUnload = reinterpret_cast<LPFNCANUNLOADNOW>(
        reinterpret_cast<void*>(GetProcAddress(server, "DllCanUnloadNow")));
    return canUnload && canUnload() == S_OK;
}

TEST(ComInitialisation, CountsPerThreadAndKeepsTheFirstModel)
{
    std::thread([] {
        EXPECT_EQ(CoInitialize(nullptr), S_OK);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED), S_FALSE);
        EXPECT_EQ(CoInitializeEx(nullptr, COINIT_MULTITHREADED), RPC_E_CHANGED_MODE);
        CoUninitialize();
        CoUninitialize();
        // A third CoUninitialize has nothing to undo; COM is now off for this thread.
        CoUninitialize();
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(CoCreateInstance(CLSID_SampleCompressor, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IUnknown, &object),
                  CO_E_NOTINITIALIZED);
        EXPECT_EQ(object, nullptr);
        EXPECT_EQ(OleInitialize(nullptr), S_OK);
        OleUninitialize();
    }).join();
}

TEST(ComInitialisation, ThreadsWithoutCoInitializeJoinAnExistingMultithreadedApartment)
{
    comtest::ScopedServerRegistration registration(CLSID_SampleCompressor,
                                                   comtest::SampleServerPath());
    auto tryCreate = [] {
        HRESULT hr = E_FAIL;
        std::thread([&hr] {
            IUnknown* object = nullptr;
            hr = CoCreateInstance(CLSID_SampleCompressor, nullptr, CLSCTX_INPROC_SERVER,
                                  IID_IUnknown, reinterpret_cast<void**>(&object));
            if (object)
                object->Release();
        }).join();
        return hr;
    };
    EXPECT_EQ(tryCreate(), CO_E_NOTINITIALIZED);

    std::promise<void> entered;
    std::promise<void> leave;
    std::thread member([&] {
        comtest::ScopedCom com(COINIT_MULTITHREADED);
        entered.set_value();
        leave.get_future().wait();
    });
    entered.get_future().wait();
    EXPECT_EQ(tryCreate(), S_OK);
    leave.set_value();
    member.join();
    EXPECT_EQ(tryCreate(), CO_E_NOTINITIALIZED);
}

class Activation : public ::testing::Test
{
protected:
    comtest::ScopedCom m_com;
    comtest::ScopedServerRegistration m_registration{CLSID_SampleCompressor,
                                                     comtest::SampleServerPath(), kProgId};
};

TEST_F(Activation, CreatesTheRegisteredServerAndCallsItsDualInterface)
{
    ISampleCompressor* compressor = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_SampleCompressor, nullptr, CLSCTX_INPROC_SERVER,
                               IID_ISampleCompressor, reinterpret_cast<void**>(&compressor)),
              S_OK);
    ASSERT_NE(compressor, nullptr);

    _bstr_t text("Nitrogen.......... 0000000078.08 %");
    BSTR packed = nullptr;
    ASSERT_EQ(compressor->Compress(text, &packed), S_OK);
    EXPECT_LT(SysStringLen(packed), text.length());
    BSTR unpacked = nullptr;
    ASSERT_EQ(compressor->Expand(packed, &unpacked), S_OK);
    EXPECT_STREQ(static_cast<const char*>(_bstr_t(unpacked, false)),
                 static_cast<const char*>(text));
    SysFreeString(packed);

    // The dual interface is also its IDispatch, at the layout's slots.
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(compressor->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    EXPECT_EQ(static_cast<IDispatch*>(compressor), dispatch);
    UINT count = 99;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(dispatch->GetIDsOfNames(IID_NULL, nullptr, 0, 0, nullptr), E_NOTIMPL);
    dispatch->Release();
    compressor->Release();
    EXPECT_TRUE(ServerIsIdle());
}

TEST_F(Activation, ReportsClassesThatCannotBeCreated)
{
    void* object = reinterpret_cast<void*>(1);
    EXPECT_EQ(
        CoCreateInstance(CLSID_Unregistered, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, &object),
        REGDB_E_CLASSNOTREG);
    EXPECT_EQ(object, nullptr);
    EXPECT_EQ(CoCreateInstance(CLSID_SampleCompressor, nullptr, CLSCTX_LOCAL_SERVER, IID_IUnknown,
                               &object),
              REGDB_E_CLASSNOTREG)
        << "only in-process servers are registered";
    EXPECT_EQ(CoCreateInstance(CLSID_SampleCompressor, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                               nullptr),
              E_POINTER);
    EXPECT_EQ(CoCreateInstance(CLSID_SampleCompressor, nullptr, CLSCTX_INPROC_SERVER,
                               IID_IRunnableObject, &object),
              E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);

    {
        comtest::ScopedServerRegistration missing(CLSID_Unregistered, "no_such_server.dll");
        EXPECT_EQ(CoCreateInstance(CLSID_Unregistered, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   &object),
                  HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND));
    }
    {
        comtest::ScopedServerRegistration notAServer(CLSID_Unregistered, "platform.dll");
        EXPECT_EQ(CoCreateInstance(CLSID_Unregistered, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   &object),
                  HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND));
    }
    {
        comtest::ScopedServerRegistration unserved(CLSID_SampleUnserved,
                                                   comtest::SampleServerPath());
        EXPECT_EQ(CoCreateInstance(CLSID_SampleUnserved, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IUnknown, &object),
                  CLASS_E_CLASSNOTAVAILABLE);
    }
    {
        // A registration without the library's name is no registration.
        comtest::SetString(HKEY_CLASSES_ROOT,
                           "CLSID\\" + comtest::GuidText(CLSID_Unregistered) + "\\InprocServer32",
                           "ThreadingModel", "Both");
        EXPECT_EQ(CoCreateInstance(CLSID_Unregistered, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                   &object),
                  REGDB_E_CLASSNOTREG);
        comtest::DeleteTree(HKEY_CLASSES_ROOT, "CLSID\\" + comtest::GuidText(CLSID_Unregistered));
    }
    EXPECT_TRUE(ServerIsIdle());
}

TEST_F(Activation, SmartPointersCreateQueryCompareAndRelease)
{
    {
        ISampleCompressorPtr compressor;
        ASSERT_EQ(compressor.CreateInstance(CLSID_SampleCompressor), S_OK);
        ISampleCompressorPtr byString;
        ASSERT_EQ(byString.CreateInstance("{6A1D2F40-3C5B-4E7A-9D21-8B0C5E4F7A13}"), S_OK);
        ISampleCompressorPtr byProgId;
        ASSERT_EQ(byProgId.CreateInstance(kProgId, nullptr, CLSCTX_INPROC_SERVER), S_OK);
        EXPECT_EQ(byProgId.CreateInstance("No.Such.ProgId"), CO_E_CLASSSTRING);
        EXPECT_TRUE(byProgId) << "a failed lookup leaves the pointer as it was";

        // Conversion between interfaces goes through QueryInterface; identity survives it.
        IDispatchPtr dispatch = compressor;
        ASSERT_TRUE(dispatch);
        IUnknownPtr unknown(dispatch);
        EXPECT_TRUE(compressor == dispatch);
        EXPECT_TRUE(compressor == unknown.GetInterfacePtr());
        EXPECT_FALSE(compressor == byString);
        IRunnableObjectPtr runnable = compressor;
        EXPECT_FALSE(runnable) << "an interface the object lacks gives NULL";

        _bstr_t packed;
        ASSERT_EQ(compressor->Compress(_bstr_t("aaaaaaaa"), packed.GetAddress()), S_OK);
        EXPECT_EQ(packed.length(), 3u);

        ISampleCompressor* raw = compressor.Detach();
        EXPECT_FALSE(compressor);
        compressor.Attach(raw);
        EXPECT_TRUE(compressor);
        compressor = nullptr;
    }
    EXPECT_TRUE(ServerIsIdle()) << "every reference taken was given back";

    try
    {
        ISampleCompressorPtr unregistered(CLSID_Unregistered);
        FAIL() << "no exception";
    }
    catch (const _com_error& error)
    {
        EXPECT_EQ(error.Error(), REGDB_E_CLASSNOTREG);
    }
}

TEST_F(Activation, FailedCallsCarryTheServersErrorInformation)
{
    ISampleCompressorPtr compressor(CLSID_SampleCompressor);
    BSTR damaged = SysAllocString(OLESTR("ab~"));
    BSTR text = nullptr;
    HRESULT hr = compressor->Expand(damaged, &text);
    SysFreeString(damaged);
    ASSERT_EQ(hr, E_INVALIDARG);
    try
    {
        _com_issue_errorex(hr, compressor, IID_ISampleCompressor);
        FAIL() << "no exception";
    }
    catch (const _com_error& error)
    {
        EXPECT_EQ(error.Error(), E_INVALIDARG);
        EXPECT_STREQ(static_cast<const char*>(error.Description()), SAMPLE_COMPRESSOR_DAMAGED);
        EXPECT_STREQ(static_cast<const char*>(error.Source()), "SampleCompressor");
        EXPECT_STREQ(error.ErrorMessage(), "The parameter is incorrect.");
    }
    IErrorInfo* left = nullptr;
    EXPECT_EQ(GetErrorInfo(0, &left), S_FALSE) << "the error information is taken once";
}

// An object that counts how often OleRun puts it in the running state.
class Runnable final : public IRunnableObject
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || (m_runnable && riid == IID_IRunnableObject))
        {
            *ppv = this;
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
    ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }
    HRESULT STDMETHODCALLTYPE GetRunningClass(LPCLSID) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Run(LPBINDCTX) override
    {
        ++m_runs;
        return m_runResult;
    }
    BOOL STDMETHODCALLTYPE IsRunning() override { return m_runs > 0; }
    HRESULT STDMETHODCALLTYPE LockRunning(BOOL, BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetContainedObject(BOOL) override { return S_OK; }

    bool m_runnable = true;
    HRESULT m_runResult = S_OK;
    int m_runs = 0;
    ULONG m_refs = 1;
};

TEST(OleRun, RunsObjectsThatAreRunnableAndPassesOthers)
{
    Runnable runnable;
    EXPECT_EQ(OleRun(&runnable), S_OK);
    EXPECT_EQ(runnable.m_runs, 1);
    runnable.m_runResult = E_FAIL;
    EXPECT_EQ(OleRun(&runnable), E_FAIL);
    EXPECT_EQ(runnable.m_refs, 1u);

    Runnable plain;
    plain.m_runnable = false;
    EXPECT_EQ(OleRun(&plain), S_OK);
    EXPECT_EQ(plain.m_runs, 0);
}

} // namespace
