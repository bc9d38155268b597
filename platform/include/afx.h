// The MFC core: CObject and run-time class information, exceptions and diagnostics.
//
// Does not do:
// - Serialization (DECLARE_SERIAL, CArchive), CDumpContext and Dump, CRuntimeClass::FromName.
// - Memory-leak tracking: DEBUG_NEW is plain new.
// - CException::ReportError: code shows its own message with the text from GetErrorMessage.
// - Exception messages come from fixed texts, not from a resource library.
#pragma once
#include <windows.h>
#include <afxver_.h>
#include <afxstr.h>
#include <atltypes.h>

class CObject;

// ---- Run-time class information ----

typedef struct __POSITION
{
} * POSITION;

// GetStartPosition's value for "before the first element" of a map.
#define BEFORE_START_POSITION ((POSITION)-1L)

struct AFX_CORE_DATA CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;
    CObject*(PASCAL* m_pfnCreateObject)();
    CRuntimeClass*(PASCAL* m_pfnGetBaseClass)();
    CRuntimeClass* m_pNextClass;
    const void* m_pClassInit;

    // Creates an object of this class through DECLARE_DYNCREATE's factory; NULL for classes that
    // have none or when construction throws.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
};

// With the shared-library model, a class's runtime information is reached through a function so
// that no library needs another library's data address at load time.
#define _RUNTIME_CLASS(class_name) ((CRuntimeClass*)(&class_name::class##class_name))
#define RUNTIME_CLASS(class_name) (class_name::GetThisClass())

#define DECLARE_DYNAMIC(class_name)                                                                \
protected:                                                                                         \
    static CRuntimeClass* PASCAL _GetBaseClass();                                                  \
                                                                                                   \
public:                                                                                            \
    static const CRuntimeClass class##class_name;                                                  \
    static CRuntimeClass* PASCAL GetThisClass();                                                   \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name)                                                              \
    DECLARE_DYNAMIC(class_name)                                                                    \
    static CObject* PASCAL CreateObject();

#define IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew)                       \
    CRuntimeClass* PASCAL class_name::_GetBaseClass()                                              \
    {                                                                                              \
        return RUNTIME_CLASS(base_class_name);                                                     \
    }                                                                                              \
    const CRuntimeClass class_name::class##class_name = {#class_name,                              \
                                                         sizeof(class class_name),                 \
                                                         wSchema,                                  \
                                                         pfnNew,                                   \
                                                         &class_name::_GetBaseClass,               \
                                                         nullptr,                                  \
                                                         nullptr};                                 \
    CRuntimeClass* PASCAL class_name::GetThisClass()                                               \
    {                                                                                              \
        return _RUNTIME_CLASS(class_name);                                                         \
    }                                                                                              \
    CRuntimeClass* class_name::GetRuntimeClass() const                                             \
    {                                                                                              \
        return _RUNTIME_CLASS(class_name);                                                         \
    }

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                             \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name)                                           \
    CObject* PASCAL class_name::CreateObject()                                                     \
    {                                                                                              \
        return new class_name;                                                                     \
    }                                                                                              \
    IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, 0xFFFF, class_name::CreateObject)

// ---- CObject ----

class AFX_CORE_DATA CObject
{
public:
    static const CRuntimeClass classCObject;
    static CRuntimeClass* PASCAL GetThisClass();
    static CRuntimeClass* PASCAL _GetBaseClass();

    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const { return FALSE; }
    virtual void AssertValid() const;

protected:
    CObject() = default;

private:
    // Objects are identities, not values: derived classes copy through their own members.
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

AFX_CORE_DATA CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject);

#define DYNAMIC_DOWNCAST(class_name, object)                                                       \
    ((class_name*)AfxDynamicDownCast(RUNTIME_CLASS(class_name), (CObject*)(object)))
#define STATIC_DOWNCAST(class_name, object) (static_cast<class_name*>(object))

// ---- Diagnostics ----

// Reports a failed assertion on standard error and aborts; returns only to fit MFC's macro shape.
AFX_CORE_DATA BOOL AFXAPI AfxAssertFailedLine(LPCSTR lpszFileName, int nLine);
AFX_CORE_DATA void AFXAPI AfxAssertValidObject(const CObject* pObject, LPCSTR lpszFileName,
                                               int nLine);
// Writes to standard error, only when the environment variable AFX_TRACE is set to something
// other than empty or "0"; it is read on every call so a test can switch it on and off.
AFX_CORE_DATA void AFX_CDECL AfxTrace(LPCSTR lpszFormat, ...);
AFX_CORE_DATA BOOL AFXAPI AfxIsTraceEnabled();

#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define ASSERT_VALID(pObj) ((void)0)
#else
#define ASSERT(f)                                                                                  \
    do                                                                                             \
    {                                                                                              \
        if (!(f))                                                                                  \
            AfxAssertFailedLine(__FILE__, __LINE__);                                               \
    } while (0)
#define VERIFY(f) ASSERT(f)
#define ASSERT_VALID(pObj) (::AfxAssertValidObject(pObj, __FILE__, __LINE__))
#endif
#define ASSERT_KINDOF(class_name, object) ASSERT((object)->IsKindOf(RUNTIME_CLASS(class_name)))

// CString arguments are handed over as their text, as CString::Format does.
#define TRACE(...) ::platform::mfc::Trace(__VA_ARGS__)
#define TRACE0(sz) TRACE("%s", sz)
#define TRACE1(sz, p1) TRACE(sz, p1)
#define TRACE2(sz, p1, p2) TRACE(sz, p1, p2)
#define TRACE3(sz, p1, p2, p3) TRACE(sz, p1, p2, p3)

namespace platform::mfc
{
template <typename... Args> inline void Trace(LPCSTR lpszFormat, const Args&... args)
{
    if (AfxIsTraceEnabled())
        AfxTrace(lpszFormat, FormatArg(args)...);
}
} // namespace platform::mfc

#define UNUSED(x) ((void)(x))
#define UNUSED_ALWAYS(x) ((void)(x))
#define DEBUG_NEW new

// ---- Exceptions ----

// MFC exceptions are thrown and caught as pointers; whoever catches one calls Delete(), which
// frees it unless it is one of the preallocated objects that the throw helpers use.
class AFX_CORE_DATA CException : public CObject
{
    DECLARE_DYNAMIC(CException)
public:
    CException();
    explicit CException(BOOL bAutoDelete);
    ~CException() override;

    void Delete();
    virtual BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                                 PUINT pnHelpContext = nullptr) const;

    BOOL m_bAutoDelete;
};

class AFX_CORE_DATA CSimpleException : public CException
{
    DECLARE_DYNAMIC(CSimpleException)
public:
    CSimpleException();
    explicit CSimpleException(BOOL bAutoDelete);
    BOOL GetErrorMessage(LPSTR lpszError, UINT nMaxError,
                         PUINT pnHelpContext = nullptr) const override;

protected:
    CSimpleException(BOOL bAutoDelete, LPCSTR lpszMessage);

private:
    LPCSTR m_lpszMessage = nullptr;
};

class AFX_CORE_DATA CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    CMemoryException();
    explicit CMemoryException(BOOL bAutoDelete);
};

class AFX_CORE_DATA CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    CInvalidArgException();
    explicit CInvalidArgException(BOOL bAutoDelete);
};

class AFX_CORE_DATA CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    CNotSupportedException();
    explicit CNotSupportedException(BOOL bAutoDelete);
};

[[noreturn]] AFX_CORE_DATA void AFXAPI AfxThrowNotSupportedException();

// Throws CInvalidArgException when the condition is false.
#define ENSURE(cond)                                                                               \
    do                                                                                             \
    {                                                                                              \
        if (!(cond))                                                                               \
            AfxThrowInvalidArgException();                                                         \
    } while (0)
#define ENSURE_ARG(cond) ENSURE(cond)
#define ENSURE_VALID(pObj)                                                                         \
    do                                                                                             \
    {                                                                                              \
        ENSURE(pObj);                                                                              \
        ASSERT_VALID(pObj);                                                                        \
    } while (0)

// The exception macros of older MFC code. As with MFC's macros (and unlike a plain catch), the
// caught exception is deleted at the end of its handler unless THROW_LAST passes it on.
namespace platform::mfc
{
class CaughtException
{
public:
    explicit CaughtException(CException* exception) : m_exception(exception) {}
    ~CaughtException()
    {
        if (m_exception)
            m_exception->Delete();
    }
    CaughtException(const CaughtException&) = delete;
    CaughtException& operator=(const CaughtException&) = delete;
    void Release() { m_exception = nullptr; }

private:
    CException* m_exception;
};
} // namespace platform::mfc

#define TRY try
#define CATCH(class_name, e)                                                                       \
    catch (class_name * e)                                                                         \
    {                                                                                              \
        ::platform::mfc::CaughtException afxCaught_(e);
#define AND_CATCH(class_name, e)                                                                   \
    }                                                                                              \
    catch (class_name * e)                                                                         \
    {                                                                                              \
        ::platform::mfc::CaughtException afxCaught_(e);
#define END_CATCH }
#define CATCH_ALL(e) CATCH(CException, e)
#define AND_CATCH_ALL(e) AND_CATCH(CException, e)
#define END_CATCH_ALL }
#define THROW(e) throw e
#define THROW_LAST()                                                                               \
    do                                                                                             \
    {                                                                                              \
        afxCaught_.Release();                                                                      \
        throw;                                                                                     \
    } while (0)

// ---- Resources ----

// The module whose resources LoadString and dialog creation look in first.
AFX_CORE_DATA HINSTANCE AFXAPI AfxGetResourceHandle();
