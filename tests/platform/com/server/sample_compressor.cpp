// The sample in-process server: one class, SampleCompressor, with the dual interface
// ISampleCompressor, its class factory, and error information for damaged input.
//
// Does not do: type information (GetTypeInfo, GetIDsOfNames and Invoke return E_NOTIMPL), or
// aggregation (CLASS_E_NOAGGREGATION).

#include "platform/com/server/sample_compressor.h"

#include <oleauto.h>

#include <atomic>
#include <string>

namespace
{

// Objects and server locks alive, for DllCanUnloadNow.
std::atomic<long> g_objects{0};

constexpr OLECHAR kEscape = u'~';
constexpr std::size_t kMinRun = 4;

std::u16string Pack(const OLECHAR* text, std::size_t length)
{
    std::u16string packed;
    for (std::size_t i = 0; i < length;)
    {
        std::size_t run = 1;
        while (i + run < length && text[i + run] == text[i] && run < 0xFFFF)
            ++run;
        if (run >= kMinRun || text[i] == kEscape)
        {
            packed.push_back(kEscape);
            packed.push_back(static_cast<OLECHAR>(run));
            packed.push_back(text[i]);
        }
        else
            packed.append(text + i, run);
        i += run;
    }
    return packed;
}

bool Unpack(const OLECHAR* packed, std::size_t length, std::u16string& text)
{
    for (std::size_t i = 0; i < length;)
    {
        if (packed[i] != kEscape)
        {
            text.push_back(packed[i++]);
            continue;
        }
        if (i + 2 >= length || packed[i + 1] == 0)
            return false;
        text.append(packed[i + 1], packed[i + 2]);
        i += 3;
    }
    return true;
}

// Base for the objects here: one reference count, deleted at zero.
template <class Derived> class RefCounted
{
public:
    ULONG Add() { return static_cast<ULONG>(++m_refs); }
    ULONG Drop()
    {
        long refs = --m_refs;
        if (refs == 0)
            delete static_cast<Derived*>(this);
        return static_cast<ULONG>(refs);
    }

protected:
    RefCounted() { ++g_objects; }
    ~RefCounted() { --g_objects; }

private:
    std::atomic<long> m_refs{1};
};

class DamagedInputError final : public IErrorInfo, public RefCounted<DamagedInputError>
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IErrorInfo)
        {
            *ppv = static_cast<IErrorInfo*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return Add(); }
    ULONG STDMETHODCALLTYPE Release() override { return Drop(); }

    HRESULT STDMETHODCALLTYPE GetGUID(GUID* pGUID) override
    {
        *pGUID = IID_ISampleCompressor;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetSource(BSTR* source) override
    {
        *source = SysAllocString(u"SampleCompressor");
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetDescription(BSTR* description) override
    {
        *description = SysAllocString(u"" SAMPLE_COMPRESSOR_DAMAGED);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetHelpFile(BSTR* helpFile) override
    {
        *helpFile = nullptr;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetHelpContext(DWORD* context) override
    {
        *context = 0;
        return S_OK;
    }
};

class SampleCompressor final : public ISampleCompressor,
                               public ISupportErrorInfo,
                               public RefCounted<SampleCompressor>
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_ISampleCompressor)
            *ppv = static_cast<ISampleCompressor*>(this);
        else if (riid == IID_ISupportErrorInfo)
            *ppv = static_cast<ISupportErrorInfo*>(this);
        else
        {
            *ppv = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return Add(); }
    ULONG STDMETHODCALLTYPE Release() override { return Drop(); }

    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* pctinfo) override
    {
        if (!pctinfo)
            return E_POINTER;
        *pctinfo = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** ppTInfo) override
    {
        if (ppTInfo)
            *ppTInfo = nullptr;
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override
    {
        return E_NOTIMPL;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override
    {
        return E_NOTIMPL;
    }

    HRESULT STDMETHODCALLTYPE Compress(BSTR text, BSTR* packed) override
    {
        if (!packed)
            return E_POINTER;
        std::u16string result = Pack(text, SysStringLen(text));
        *packed = SysAllocStringLen(result.data(), static_cast<UINT>(result.size()));
        return *packed ? S_OK : E_OUTOFMEMORY;
    }
    HRESULT STDMETHODCALLTYPE Expand(BSTR packed, BSTR* text) override
    {
        if (!text)
            return E_POINTER;
        *text = nullptr;
        std::u16string result;
        if (!Unpack(packed, SysStringLen(packed), result))
        {
            auto* error = new DamagedInputError;
            SetErrorInfo(0, error);
            error->Release();
            return E_INVALIDARG;
        }
        *text = SysAllocStringLen(result.data(), static_cast<UINT>(result.size()));
        return *text ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE InterfaceSupportsErrorInfo(REFIID riid) override
    {
        return riid == IID_ISampleCompressor ? S_OK : S_FALSE;
    }
};

class CompressorFactory final : public IClassFactory
{
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        if (riid == IID_IUnknown || riid == IID_IClassFactory)
        {
            *ppv = static_cast<IClassFactory*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is a static object: its count only keeps the server locked while used.
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(++g_objects); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(--g_objects); }

    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** ppv) override
    {
        if (!ppv)
            return E_POINTER;
        *ppv = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        auto* object = new SampleCompressor;
        HRESULT hr = object->QueryInterface(riid, ppv);
        object->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock)
            ++g_objects;
        else
            --g_objects;
        return S_OK;
    }
};

CompressorFactory g_factory;

} // namespace

extern "C" __attribute__((visibility("default"))) HRESULT STDAPICALLTYPE
DllGetClassObject(REFCLSID rclsid, REFIID riid, void** ppv)
{
    if (!ppv)
        return E_POINTER;
    *ppv = nullptr;
    if (rclsid != CLSID_SampleCompressor)
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, ppv);
}

extern "C" __attribute__((visibility("default"))) HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return g_objects.load() == 0 ? S_OK : S_FALSE;
}
