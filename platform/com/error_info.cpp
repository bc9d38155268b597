// The per-thread error information: SetErrorInfo and GetErrorInfo.
//
// A server that fails a call may leave an IErrorInfo object for the calling thread; the caller
// takes it with GetErrorInfo, which empties the slot, so each error is reported once.
//
// Does not do: CreateErrorInfo / ICreateErrorInfo (servers implement IErrorInfo themselves), or
// the automatic clearing that cross-apartment calls do on Windows.

#include <windows.h>
#include <oleauto.h>

namespace
{

struct ErrorSlot
{
    IErrorInfo* info = nullptr;

    ~ErrorSlot()
    {
        if (info)
            info->Release();
    }
};

thread_local ErrorSlot t_errorSlot;

} // namespace

HRESULT WINAPI SetErrorInfo(ULONG dwReserved, IErrorInfo* perrinfo)
{
    if (dwReserved)
        return E_INVALIDARG;
    if (perrinfo)
        perrinfo->AddRef();
    IErrorInfo* old = t_errorSlot.info;
    t_errorSlot.info = perrinfo;
    if (old)
        old->Release();
    return S_OK;
}

HRESULT WINAPI GetErrorInfo(ULONG dwReserved, IErrorInfo** pperrinfo)
{
    if (dwReserved || !pperrinfo)
        return E_INVALIDARG;
    *pperrinfo = t_errorSlot.info;
    t_errorSlot.info = nullptr;
    return *pperrinfo ? S_OK : S_FALSE;
}
