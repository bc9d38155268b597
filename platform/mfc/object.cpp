// CObject and CRuntimeClass: run-time class information and dynamic creation.
//
// Does not do:
// - A registry of classes by name (CRuntimeClass::FromName) or serialization schemas.

#include <afx.h>

const CRuntimeClass CObject::classCObject = {
    "CObject", sizeof(CObject), 0xFFFF, nullptr, &CObject::_GetBaseClass, nullptr, nullptr};

CRuntimeClass* PASCAL CObject::GetThisClass()
{
    return _RUNTIME_CLASS(CObject);
}

CRuntimeClass* PASCAL CObject::_GetBaseClass()
{
    return nullptr;
}

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return _RUNTIME_CLASS(CObject);
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

void CObject::AssertValid() const {}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    if (!pBaseClass)
        return FALSE;
    for (const CRuntimeClass* current = this; current;
         current = current->m_pfnGetBaseClass ? current->m_pfnGetBaseClass() : nullptr)
    {
        if (current == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

CObject* CRuntimeClass::CreateObject()
{
    if (!m_pfnCreateObject)
    {
        TRACE("CRuntimeClass::CreateObject: %s is not DECLARE_DYNCREATE\n", m_lpszClassName);
        return nullptr;
    }
    // A constructor that throws leaves nothing behind; the caller only learns that there is no
    // object, as with MFC.
    try
    {
        return m_pfnCreateObject();
    }
    catch (CException* exception)
    {
        exception->Delete();
    }
    catch (...)
    {
    }
    return nullptr;
}

CObject* AFXAPI AfxDynamicDownCast(CRuntimeClass* pClass, CObject* pObject)
{
    if (pObject && pObject->IsKindOf(pClass))
        return pObject;
    return nullptr;
}
