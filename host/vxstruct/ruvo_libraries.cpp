// CRuvoLibraries and g_pRuvoLibs: the registry of the host's model libraries.
//
// Does not do:
// - Load model libraries from files: the host program registers library objects it made.
#include "vxstruct.h"

#include <mutex>
#include <vector>

struct CRuvoLibraries::Impl
{
    std::mutex mutex;
    std::vector<ITUserModelLibrary*> libraries;
};

CRuvoLibraries::CRuvoLibraries() : m_pImpl(new Impl) {}

CRuvoLibraries::~CRuvoLibraries()
{
    RemoveAllLibraries();
    delete m_pImpl;
}

int CRuvoLibraries::CountLibraries()
{
    std::lock_guard lock(m_pImpl->mutex);
    return static_cast<int>(m_pImpl->libraries.size());
}

ITUserModelLibrary* CRuvoLibraries::GetLibrary(int index)
{
    std::lock_guard lock(m_pImpl->mutex);
    if (index < 0 || index >= static_cast<int>(m_pImpl->libraries.size()))
        return nullptr;
    ITUserModelLibrary* library = m_pImpl->libraries[index];
    library->AddRef();
    return library;
}

void CRuvoLibraries::AddLibrary(ITUserModelLibrary* pLibrary)
{
    if (pLibrary == nullptr)
        return;
    pLibrary->AddRef();
    std::lock_guard lock(m_pImpl->mutex);
    m_pImpl->libraries.push_back(pLibrary);
}

void CRuvoLibraries::RemoveAllLibraries()
{
    std::vector<ITUserModelLibrary*> released;
    {
        std::lock_guard lock(m_pImpl->mutex);
        released.swap(m_pImpl->libraries);
    }
    // Released outside the lock: a library's last Release may call back into the registry.
    for (ITUserModelLibrary* library : released)
        library->Release();
}

namespace
{
// Never destroyed, so that the pointer stays good for modules unloaded during process exit.
CRuvoLibraries* const g_registry = new CRuvoLibraries;
} // namespace

CRuvoLibraries* g_pRuvoLibs = g_registry;
