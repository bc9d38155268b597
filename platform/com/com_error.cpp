// _com_error, _com_issue_error and _com_issue_errorex.
//
// ErrorMessage gives the system's text for the HRESULTs that COM and this platform produce,
// without the line break that FormatMessage ends it with, as the compiler's class trims it.
//
// Does not do:
// - FormatMessage: there is no message table, so HRESULTs outside the list below read
//   "Unknown error 0x8XXXXXXX", as the compiler's class reports codes the system does not know.
// - _com_error::GUID(): a member named like its type is not valid C++ outside the Microsoft
//   compiler; ask ErrorInfo()->GetGUID instead.

#include <comdef.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

struct SystemMessage
{
    HRESULT hr;
    const char* text;
};

// The texts FormatMessage gives for the codes this platform returns.
constexpr SystemMessage kMessages[] = {
    {S_OK, "The operation completed successfully."},
    {S_FALSE, "Incorrect function."},
    {E_NOTIMPL, "Not implemented"},
    {E_NOINTERFACE, "No such interface supported"},
    {E_POINTER, "Invalid pointer"},
    {E_ABORT, "Operation aborted"},
    {E_FAIL, "Unspecified error"},
    {E_UNEXPECTED, "Catastrophic failure"},
    {E_ACCESSDENIED, "Access is denied."},
    {E_HANDLE, "The handle is invalid."},
    {E_OUTOFMEMORY, "Not enough memory resources are available to complete this operation."},
    {E_INVALIDARG, "The parameter is incorrect."},
    {HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND), "The system cannot find the file specified."},
    {HRESULT_FROM_WIN32(ERROR_MOD_NOT_FOUND), "The specified module could not be found."},
    {HRESULT_FROM_WIN32(ERROR_PROC_NOT_FOUND), "The specified procedure could not be found."},
    {RPC_E_CHANGED_MODE, "Cannot change thread mode after it is set."},
    {DISP_E_UNKNOWNINTERFACE, "Unknown interface."},
    {DISP_E_MEMBERNOTFOUND, "Member not found."},
    {DISP_E_TYPEMISMATCH, "Type mismatch."},
    {DISP_E_UNKNOWNNAME, "Unknown name."},
    {DISP_E_EXCEPTION, "Exception occurred."},
    {DISP_E_BADINDEX, "Invalid index."},
    {CLASS_E_NOAGGREGATION, "Class does not support aggregation (or class object is remote)"},
    {CLASS_E_CLASSNOTAVAILABLE, "ClassFactory cannot supply requested class"},
    {REGDB_E_READREGDB, "Could not read key from registry"},
    {REGDB_E_CLASSNOTREG, "Class not registered"},
    {CO_E_NOTINITIALIZED, "CoInitialize has not been called."},
    {CO_E_CLASSSTRING, "Invalid class string"},
    {CO_E_IIDSTRING, "Invalid interface string"},
    {CO_E_DLLNOTFOUND, "DLL for class not found"},
    {CO_E_ERRORINDLL, "Error in the DLL"},
};

char* Duplicate(const char* text) noexcept
{
    std::size_t n = std::strlen(text) + 1;
    auto* copy = static_cast<char*>(std::malloc(n));
    if (copy)
        std::memcpy(copy, text, n);
    return copy;
}

} // namespace

_com_error::_com_error(HRESULT hr, IErrorInfo* perrinfo, bool fAddRef) noexcept
    : m_hresult(hr), m_perrinfo(perrinfo), m_pszMsg(nullptr)
{
    if (m_perrinfo && fAddRef)
        m_perrinfo->AddRef();
}

_com_error::_com_error(const _com_error& that) noexcept
    : m_hresult(that.m_hresult), m_perrinfo(that.m_perrinfo), m_pszMsg(nullptr)
{
    if (m_perrinfo)
        m_perrinfo->AddRef();
}

_com_error::~_com_error() noexcept
{
    if (m_perrinfo)
        m_perrinfo->Release();
    std::free(m_pszMsg);
}

_com_error& _com_error::operator=(const _com_error& that) noexcept
{
    if (this != &that)
    {
        if (that.m_perrinfo)
            that.m_perrinfo->AddRef();
        if (m_perrinfo)
            m_perrinfo->Release();
        m_hresult = that.m_hresult;
        m_perrinfo = that.m_perrinfo;
        std::free(m_pszMsg);
        m_pszMsg = nullptr;
    }
    return *this;
}

HRESULT _com_error::Error() const noexcept
{
    return m_hresult;
}

WORD _com_error::WCode() const noexcept
{
    return HRESULTToWCode(m_hresult);
}

IErrorInfo* _com_error::ErrorInfo() const noexcept
{
    if (m_perrinfo)
        m_perrinfo->AddRef();
    return m_perrinfo;
}

_bstr_t _com_error::Description() const
{
    BSTR text = nullptr;
    if (m_perrinfo)
        m_perrinfo->GetDescription(&text);
    return _bstr_t(text, false);
}

DWORD _com_error::HelpContext() const noexcept
{
    DWORD context = 0;
    if (m_perrinfo)
        m_perrinfo->GetHelpContext(&context);
    return context;
}

_bstr_t _com_error::HelpFile() const
{
    BSTR text = nullptr;
    if (m_perrinfo)
        m_perrinfo->GetHelpFile(&text);
    return _bstr_t(text, false);
}

_bstr_t _com_error::Source() const
{
    BSTR text = nullptr;
    if (m_perrinfo)
        m_perrinfo->GetSource(&text);
    return _bstr_t(text, false);
}

const TCHAR* _com_error::ErrorMessage() const noexcept
{
    if (m_pszMsg)
        return m_pszMsg;
    char buffer[64];
    const char* text = nullptr;
    if (WORD code = WCode())
    {
        std::snprintf(buffer, sizeof buffer, "IDispatch error #%d", code);
        text = buffer;
    }
    for (const SystemMessage& message : kMessages)
    {
        if (!text && message.hr == m_hresult)
            text = message.text;
    }
    if (!text)
    {
        std::snprintf(buffer, sizeof buffer, "Unknown error 0x%0lX",
                      static_cast<unsigned long>(static_cast<DWORD>(m_hresult)));
        text = buffer;
    }
    m_pszMsg = Duplicate(text);
    return m_pszMsg;
}

HRESULT _com_error::WCodeToHRESULT(WORD wCode) noexcept
{
    return wCode >= 0xFE00 ? WCODE_HRESULT_LAST : WCODE_HRESULT_FIRST + wCode;
}

WORD _com_error::HRESULTToWCode(HRESULT hr) noexcept
{
    return hr >= WCODE_HRESULT_FIRST && hr <= WCODE_HRESULT_LAST
               ? static_cast<WORD>(hr - WCODE_HRESULT_FIRST)
               : 0;
}

void WINAPI _com_issue_error(HRESULT hr)
{
    throw _com_error(hr);
}

void WINAPI _com_issue_errorex(HRESULT hr, IUnknown* punk, REFIID riid)
{
    IErrorInfo* info = nullptr;
    ISupportErrorInfo* support = nullptr;
    if (punk &&
        SUCCEEDED(punk->QueryInterface(IID_ISupportErrorInfo, reinterpret_cast<void**>(&support))))
    {
        if (support->InterfaceSupportsErrorInfo(riid) == S_OK && GetErrorInfo(0, &info) != S_OK)
            info = nullptr;
        support->Release();
    }
    // The error takes over the reference GetErrorInfo handed out.
    throw _com_error(hr, info, false);
}
