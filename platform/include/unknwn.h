// GUIDs, the COM calling macros, IUnknown and IClassFactory.
//
// Interfaces are C++ structs of pure virtual functions without a virtual destructor, so their
// function tables hold exactly the methods in declaration order (QueryInterface, AddRef,
// Release, then the interface's own), which is the layout COM defines.
//
// Interface ids are ordinary constants: `IID_IUnknown` and the like, or your own made with
// DEFINE_GUID. There is no `__uuidof`; write `IID_IFoo` where Windows code writes
// `__uuidof(IFoo)`.
#pragma once
#include <windows.h>

#ifndef RC_INVOKED

#define EXTERN_C extern "C"
#define STDMETHODCALLTYPE WINAPI
#define STDMETHODVCALLTYPE CDECL
#define STDAPICALLTYPE WINAPI
#define STDAPIVCALLTYPE CDECL
#define STDAPI EXTERN_C HRESULT STDAPICALLTYPE
#define STDAPI_(type) EXTERN_C type STDAPICALLTYPE
#define STDMETHODIMP HRESULT STDMETHODCALLTYPE
#define STDMETHODIMP_(type) type STDMETHODCALLTYPE
#define STDMETHOD(method) virtual HRESULT STDMETHODCALLTYPE method
#define STDMETHOD_(type, method) virtual type STDMETHODCALLTYPE method
#define PURE = 0
#define THIS_
#define THIS void
#define DECLARE_INTERFACE(iface) struct iface
#define DECLARE_INTERFACE_(iface, baseiface) struct iface : public baseiface
#define MIDL_INTERFACE(x) struct

// The platform library's exported COM and OLE functions.
#define WINOLEAPI EXTERN_C __attribute__((visibility("default"))) HRESULT STDAPICALLTYPE
#define WINOLEAPI_(type) EXTERN_C __attribute__((visibility("default"))) type STDAPICALLTYPE
#define WINOLEAUTAPI WINOLEAPI
#define WINOLEAUTAPI_(type) WINOLEAPI_(type)

typedef struct _GUID
{
    DWORD Data1;
    WORD Data2;
    WORD Data3;
    BYTE Data4[8];
} GUID;

typedef GUID IID;
typedef GUID CLSID;
typedef GUID* LPGUID;
typedef IID* LPIID;
typedef CLSID* LPCLSID;
typedef const GUID* LPCGUID;
#define REFGUID const GUID&
#define REFIID const IID&
#define REFCLSID const IID&

// Defines a GUID constant. Without the compiler's __declspec(selectany) the constant is an
// inline variable: every file may define it, all of them name one object, and INITGUID is not
// needed (it is harmless when defined).
#define DEFINE_GUID(name, l, w1, w2, b1, b2, b3, b4, b5, b6, b7, b8)                               \
    inline constexpr GUID name = {l, w1, w2, {b1, b2, b3, b4, b5, b6, b7, b8}}
#define DEFINE_OLEGUID(name, l, w1, w2) DEFINE_GUID(name, l, w1, w2, 0xC0, 0, 0, 0, 0, 0, 0, 0x46)

inline bool IsEqualGUID(REFGUID a, REFGUID b)
{
    const BYTE* pa = reinterpret_cast<const BYTE*>(&a);
    const BYTE* pb = reinterpret_cast<const BYTE*>(&b);
    for (unsigned i = 0; i < sizeof(GUID); ++i)
    {
        if (pa[i] != pb[i])
            return false;
    }
    return true;
}
#define InlineIsEqualGUID IsEqualGUID
#define IsEqualIID(a, b) IsEqualGUID(a, b)
#define IsEqualCLSID(a, b) IsEqualGUID(a, b)

inline bool operator==(REFGUID a, REFGUID b)
{
    return IsEqualGUID(a, b);
}

DEFINE_GUID(GUID_NULL, 0x00000000, 0x0000, 0x0000, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00);
#define IID_NULL GUID_NULL
#define CLSID_NULL GUID_NULL

DEFINE_OLEGUID(IID_IUnknown, 0x00000000, 0x0000, 0x0000);
DEFINE_OLEGUID(IID_IClassFactory, 0x00000001, 0x0000, 0x0000);

struct IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) = 0;
    virtual ULONG STDMETHODCALLTYPE AddRef() = 0;
    virtual ULONG STDMETHODCALLTYPE Release() = 0;
};
typedef IUnknown* LPUNKNOWN;

struct IClassFactory : public IUnknown
{
    virtual HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* pUnkOuter, REFIID riid,
                                                     void** ppvObject) = 0;
    virtual HRESULT STDMETHODCALLTYPE LockServer(BOOL fLock) = 0;
};
typedef IClassFactory* LPCLASSFACTORY;

// The export that an in-process server provides for CoGetClassObject and CoCreateInstance.
typedef HRESULT(STDAPICALLTYPE* LPFNGETCLASSOBJECT)(REFCLSID rclsid, REFIID riid, void** ppv);
typedef HRESULT(STDAPICALLTYPE* LPFNCANUNLOADNOW)();

#endif // RC_INVOKED
