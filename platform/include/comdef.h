// The compiler's COM support: _com_error, and the smart pointer _com_ptr_t with
// _COM_SMARTPTR_TYPEDEF.
//
// Without __uuidof, a smart pointer type names its interface id explicitly:
//     _COM_SMARTPTR_TYPEDEF(IFoo, IID_IFoo);   // IFooPtr
// where IID_IFoo is a GUID constant with static storage (DEFINE_GUID makes one).
#pragma once
#include <comutil.h>

#ifndef RC_INVOKED
#include <cstddef>
#include <type_traits>

#define WCODE_HRESULT_FIRST MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF, 0x200)
#define WCODE_HRESULT_LAST (MAKE_HRESULT(SEVERITY_ERROR, FACILITY_ITF + 1, 0) - 1)

// A failed COM call, as _com_issue_error throws it.
class COMSUPP_API _com_error
{
public:
    _com_error(HRESULT hr, IErrorInfo* perrinfo = NULL, bool fAddRef = false) noexcept;
    _com_error(const _com_error& that) noexcept;
    virtual ~_com_error() noexcept;
    _com_error& operator=(const _com_error& that) noexcept;

    HRESULT Error() const noexcept;
    // The IDispatch exception code for HRESULTs made from one, else 0.
    WORD WCode() const noexcept;
    // The error information given with the error (AddRef'd for the caller), or NULL.
    IErrorInfo* ErrorInfo() const noexcept;
    _bstr_t Description() const;
    DWORD HelpContext() const noexcept;
    _bstr_t HelpFile() const;
    _bstr_t Source() const;
    // The system's text for the HRESULT without its line break, "IDispatch error #n" for
    // IDispatch exception codes, or "Unknown error 0x%0lX". Valid while this object lives.
    const TCHAR* ErrorMessage() const noexcept;

    static HRESULT WCodeToHRESULT(WORD wCode) noexcept;
    static WORD HRESULTToWCode(HRESULT hr) noexcept;

private:
    HRESULT m_hresult;
    IErrorInfo* m_perrinfo;
    mutable TCHAR* m_pszMsg;
};

// Ties an interface to its id for _com_ptr_t.
template <typename _Interface, const IID* _IID> class _com_IIID
{
public:
    typedef _Interface Interface;
    static _Interface* GetInterfacePtr() noexcept { return NULL; }
    static _Interface& GetInterface() noexcept { return *GetInterfacePtr(); }
    static const IID& GetIID() noexcept { return *_IID; }
};

// A smart interface pointer: AddRef on copy, Release on destruction, QueryInterface on
// conversion from another interface, and _com_error(E_POINTER) for use of a NULL pointer.
template <typename _IIID> class _com_ptr_t
{
public:
    typedef _IIID ThisIIID;
    typedef typename _IIID::Interface Interface;

    static const IID& GetIID() noexcept { return ThisIIID::GetIID(); }

    _com_ptr_t() noexcept : m_pInterface(NULL) {}
    _com_ptr_t(std::nullptr_t) noexcept : m_pInterface(NULL) {}
    // NULL or 0; any other number is E_POINTER.
    template <typename _Int, std::enable_if_t<std::is_integral_v<_Int>, int> = 0>
    _com_ptr_t(_Int null) : m_pInterface(NULL)
    {
        if (null != 0)
            _com_issue_error(E_POINTER);
    }
    _com_ptr_t(Interface* pInterface) noexcept : m_pInterface(pInterface) { _AddRef(); }
    _com_ptr_t(Interface* pInterface, bool fAddRef) noexcept : m_pInterface(pInterface)
    {
        if (fAddRef)
            _AddRef();
    }
    _com_ptr_t(const _com_ptr_t& cp) noexcept : m_pInterface(cp.m_pInterface) { _AddRef(); }
    _com_ptr_t(_com_ptr_t&& cp) noexcept : m_pInterface(cp.m_pInterface) { cp.m_pInterface = NULL; }
    // From a pointer to another interface: QueryInterface for this one (NULL when the object
    // does not have it; other failures throw).
    template <typename _OtherIID> _com_ptr_t(const _com_ptr_t<_OtherIID>& p) : m_pInterface(NULL)
    {
        _QueryFrom(p.GetInterfacePtr());
    }
    template <typename _InterfaceType,
              std::enable_if_t<std::is_base_of_v<IUnknown, _InterfaceType> &&
                                   !std::is_same_v<_InterfaceType, Interface>,
                               int> = 0>
    _com_ptr_t(_InterfaceType* p) : m_pInterface(NULL)
    {
        _QueryFrom(p);
    }
    explicit _com_ptr_t(const CLSID& clsid, IUnknown* pOuter = NULL,
                        DWORD dwClsContext = CLSCTX_ALL)
        : m_pInterface(NULL)
    {
        HRESULT hr = CreateInstance(clsid, pOuter, dwClsContext);
        if (FAILED(hr) && hr != E_NOINTERFACE)
            _com_issue_error(hr);
    }
    explicit _com_ptr_t(LPCSTR str, IUnknown* pOuter = NULL, DWORD dwClsContext = CLSCTX_ALL)
        : m_pInterface(NULL)
    {
        HRESULT hr = CreateInstance(str, pOuter, dwClsContext);
        if (FAILED(hr) && hr != E_NOINTERFACE)
            _com_issue_error(hr);
    }
    explicit _com_ptr_t(LPCOLESTR str, IUnknown* pOuter = NULL, DWORD dwClsContext = CLSCTX_ALL)
        : m_pInterface(NULL)
    {
        HRESULT hr = CreateInstance(str, pOuter, dwClsContext);
        if (FAILED(hr) && hr != E_NOINTERFACE)
            _com_issue_error(hr);
    }
    ~_com_ptr_t() noexcept { _Release(); }

    _com_ptr_t& operator=(Interface* pInterface) noexcept
    {
        if (m_pInterface != pInterface)
        {
            Interface* old = m_pInterface;
            m_pInterface = pInterface;
            _AddRef();
            if (old)
                old->Release();
        }
        return *this;
    }
    _com_ptr_t& operator=(const _com_ptr_t& cp) noexcept { return operator=(cp.m_pInterface); }
    _com_ptr_t& operator=(_com_ptr_t&& cp) noexcept
    {
        if (this != &cp)
        {
            _Release();
            m_pInterface = cp.m_pInterface;
            cp.m_pInterface = NULL;
        }
        return *this;
    }
    _com_ptr_t& operator=(std::nullptr_t) noexcept
    {
        _Release();
        m_pInterface = NULL;
        return *this;
    }
    template <typename _Int, std::enable_if_t<std::is_integral_v<_Int>, int> = 0>
    _com_ptr_t& operator=(_Int null)
    {
        if (null != 0)
            _com_issue_error(E_POINTER);
        return operator=(nullptr);
    }
    template <typename _OtherIID> _com_ptr_t& operator=(const _com_ptr_t<_OtherIID>& p)
    {
        _com_ptr_t other(p);
        return operator=(static_cast<_com_ptr_t&&>(other));
    }
    template <typename _InterfaceType,
              std::enable_if_t<std::is_base_of_v<IUnknown, _InterfaceType> &&
                                   !std::is_same_v<_InterfaceType, Interface>,
                               int> = 0>
    _com_ptr_t& operator=(_InterfaceType* p)
    {
        _com_ptr_t other(p);
        return operator=(static_cast<_com_ptr_t&&>(other));
    }
    _com_ptr_t& operator=(const CLSID& rclsid)
    {
        HRESULT hr = CreateInstance(rclsid);
        if (FAILED(hr) && hr != E_NOINTERFACE)
            _com_issue_error(hr);
        return *this;
    }

    // Takes over `pInterface` without AddRef (or with one when fAddRef).
    void Attach(Interface* pInterface) noexcept
    {
        _Release();
        m_pInterface = pInterface;
    }
    void Attach(Interface* pInterface, bool fAddRef)
    {
        _Release();
        m_pInterface = pInterface;
        if (fAddRef)
        {
            if (!pInterface)
                _com_issue_error(E_POINTER);
            pInterface->AddRef();
        }
    }
    // Gives up the pointer without Release; the caller owns its reference.
    Interface* Detach() noexcept
    {
        Interface* p = m_pInterface;
        m_pInterface = NULL;
        return p;
    }

    operator Interface*() const noexcept { return m_pInterface; }
    operator Interface&() const
    {
        if (!m_pInterface)
            _com_issue_error(E_POINTER);
        return *m_pInterface;
    }
    Interface& operator*() const
    {
        if (!m_pInterface)
            _com_issue_error(E_POINTER);
        return *m_pInterface;
    }
    // Releases the pointer and returns where a function may store a new one.
    Interface** operator&() noexcept
    {
        _Release();
        m_pInterface = NULL;
        return &m_pInterface;
    }
    Interface* operator->() const
    {
        if (!m_pInterface)
            _com_issue_error(E_POINTER);
        return m_pInterface;
    }
    operator bool() const noexcept { return m_pInterface != NULL; }
    bool operator!() const noexcept { return m_pInterface == NULL; }

    // Pointers compare by object identity (their IUnknown), as COM defines it.
    bool operator==(const _com_ptr_t& p) const { return _CompareUnknown(p.m_pInterface) == 0; }
    bool operator==(Interface* p) const { return _CompareUnknown(p) == 0; }
    template <typename _OtherIID> bool operator==(const _com_ptr_t<_OtherIID>& p) const
    {
        return _CompareUnknown(p.GetInterfacePtr()) == 0;
    }
    template <typename _InterfaceType,
              std::enable_if_t<std::is_base_of_v<IUnknown, _InterfaceType> &&
                                   !std::is_same_v<_InterfaceType, Interface>,
                               int> = 0>
    bool operator==(_InterfaceType* p) const
    {
        return _CompareUnknown(p) == 0;
    }
    bool operator==(std::nullptr_t) const noexcept { return m_pInterface == NULL; }
    template <typename _Int, std::enable_if_t<std::is_integral_v<_Int>, int> = 0>
    bool operator==(_Int null) const
    {
        if (null != 0)
            _com_issue_error(E_POINTER);
        return m_pInterface == NULL;
    }

    void AddRef()
    {
        if (!m_pInterface)
            _com_issue_error(E_POINTER);
        m_pInterface->AddRef();
    }
    void Release()
    {
        if (!m_pInterface)
            _com_issue_error(E_POINTER);
        m_pInterface->Release();
        m_pInterface = NULL;
    }

    Interface* GetInterfacePtr() const noexcept { return m_pInterface; }
    Interface*& GetInterfacePtr() noexcept { return m_pInterface; }

    // Creates the object. With a local or remote server in the context (CLSCTX_ALL has them),
    // the object is first created as IUnknown and put in the running state with OleRun.
    HRESULT CreateInstance(const CLSID& rclsid, IUnknown* pOuter = NULL,
                           DWORD dwClsContext = CLSCTX_ALL) noexcept
    {
        _Release();
        m_pInterface = NULL;
        HRESULT hr;
        if (dwClsContext & (CLSCTX_LOCAL_SERVER | CLSCTX_REMOTE_SERVER))
        {
            IUnknown* unknown = NULL;
            hr = CoCreateInstance(rclsid, pOuter, dwClsContext, IID_IUnknown,
                                  reinterpret_cast<void**>(&unknown));
            if (SUCCEEDED(hr))
            {
                hr = OleRun(unknown);
                if (SUCCEEDED(hr))
                    hr = unknown->QueryInterface(GetIID(), reinterpret_cast<void**>(&m_pInterface));
                unknown->Release();
            }
        }
        else
        {
            hr = CoCreateInstance(rclsid, pOuter, dwClsContext, GetIID(),
                                  reinterpret_cast<void**>(&m_pInterface));
        }
        if (FAILED(hr))
            m_pInterface = NULL;
        return hr;
    }
    // From a "{...}" CLSID string or a ProgID.
    HRESULT CreateInstance(LPCOLESTR clsidString, IUnknown* pOuter = NULL,
                           DWORD dwClsContext = CLSCTX_ALL) noexcept
    {
        if (!clsidString)
            return E_INVALIDARG;
        CLSID clsid;
        HRESULT hr = clsidString[0] == u'{' ? CLSIDFromString(clsidString, &clsid)
                                            : CLSIDFromProgID(clsidString, &clsid);
        if (FAILED(hr))
            return hr;
        return CreateInstance(clsid, pOuter, dwClsContext);
    }
    HRESULT CreateInstance(LPCSTR clsidStringA, IUnknown* pOuter = NULL,
                           DWORD dwClsContext = CLSCTX_ALL) noexcept
    {
        if (!clsidStringA)
            return E_INVALIDARG;
        BSTR clsidString = _com_util::ConvertStringToBSTR(clsidStringA);
        if (!clsidString)
            return E_OUTOFMEMORY;
        HRESULT hr = CreateInstance(static_cast<LPCOLESTR>(clsidString), pOuter, dwClsContext);
        SysFreeString(clsidString);
        return hr;
    }

    template <typename _InterfaceType>
    HRESULT QueryInterface(const IID& iid, _InterfaceType*& p) noexcept
    {
        if (!m_pInterface)
            return E_POINTER;
        return m_pInterface->QueryInterface(iid, reinterpret_cast<void**>(&p));
    }
    template <typename _InterfaceType>
    HRESULT QueryInterface(const IID& iid, _InterfaceType** p) noexcept
    {
        return QueryInterface(iid, *p);
    }

private:
    void _AddRef() noexcept
    {
        if (m_pInterface)
            m_pInterface->AddRef();
    }
    void _Release() noexcept
    {
        if (m_pInterface)
            m_pInterface->Release();
    }
    template <typename _InterfacePtr> void _QueryFrom(_InterfacePtr p)
    {
        if (!p)
            return;
        HRESULT hr = p->QueryInterface(GetIID(), reinterpret_cast<void**>(&m_pInterface));
        if (FAILED(hr))
        {
            m_pInterface = NULL;
            if (hr != E_NOINTERFACE)
                _com_issue_error(hr);
        }
    }
    // 0 when both pointers lead to the same object; NULL equals only NULL.
    template <typename _InterfacePtr> int _CompareUnknown(_InterfacePtr p) const
    {
        if (static_cast<IUnknown*>(m_pInterface) == static_cast<IUnknown*>(p))
            return 0;
        if (!m_pInterface || !p)
            return m_pInterface ? 1 : -1;
        IUnknown* mine = NULL;
        IUnknown* theirs = NULL;
        HRESULT hr = m_pInterface->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&mine));
        if (SUCCEEDED(hr))
            hr = p->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&theirs));
        if (FAILED(hr))
        {
            if (mine)
                mine->Release();
            _com_issue_error(hr);
        }
        int result = mine == theirs ? 0 : (mine < theirs ? -1 : 1);
        mine->Release();
        theirs->Release();
        return result;
    }

    Interface* m_pInterface;
};

#define _COM_SMARTPTR_TYPEDEF(Interface, IID)                                                      \
    typedef _com_ptr_t<_com_IIID<Interface, &IID>> Interface##Ptr

_COM_SMARTPTR_TYPEDEF(IUnknown, IID_IUnknown);
_COM_SMARTPTR_TYPEDEF(IClassFactory, IID_IClassFactory);
_COM_SMARTPTR_TYPEDEF(IDispatch, IID_IDispatch);
_COM_SMARTPTR_TYPEDEF(IErrorInfo, IID_IErrorInfo);
_COM_SMARTPTR_TYPEDEF(ISupportErrorInfo, IID_ISupportErrorInfo);
_COM_SMARTPTR_TYPEDEF(IRunnableObject, IID_IRunnableObject);

#endif // RC_INVOKED
