// Module state: the application's instance and resource handles, the chain of extension modules,
// and the per-thread switch between module states (AFX_MANAGE_STATE).
//
// Does NOT do:
// - Per-module thread data or regular-DLL static module states (see afxapp.h).
// - AfxInitExtensionModule's hand-over of runtime classes and class factories: the class list
//   is not kept, pFirstSharedClass stays NULL.
// - Language resource DLLs and "system" libraries: m_bSystem is recorded and only excludes a
//   library from the first pass of AfxFindResourceHandle, as in MFC; there is no second pass.
#include <afxwin.h>

#include <mutex>

namespace
{

// The process has one application module state; every library shares it, as extension modules
// share their host application's state.
// It is never destroyed: applications and libraries constructed as static objects may use it
// while the process exits.
AFX_MODULE_STATE& AppModuleState()
{
    static AFX_MODULE_STATE* state = new AFX_MODULE_STATE(FALSE);
    return *state;
}

// NULL means "the application's state"; AfxSetModuleState reports the raw setting.
thread_local AFX_MODULE_STATE* t_moduleState = nullptr;

std::recursive_mutex& GlobalLock(int type)
{
    static std::recursive_mutex locks[CRIT_MAX];
    if (type < 0 || type >= CRIT_MAX)
        type = 0;
    return locks[type];
}

class GlobalLockGuard
{
public:
    explicit GlobalLockGuard(int type) : m_type(type) { AfxLockGlobals(m_type); }
    ~GlobalLockGuard() { AfxUnlockGlobals(m_type); }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

private:
    int m_type;
};

} // namespace

AFX_MODULE_STATE::AFX_MODULE_STATE(BOOL bDLL)
    : m_pCurrentWinApp(nullptr), m_hCurrentInstanceHandle(nullptr),
      m_hCurrentResourceHandle(nullptr), m_lpszCurrentAppName(nullptr),
      m_bDLL(static_cast<BYTE>(bDLL ? 1 : 0)), m_bSystem(0), m_fRegisteredClasses(0),
      m_nWaitCursorCount(0), m_hcurWaitCursorRestore(nullptr)
{
}

AFX_MODULE_STATE::~AFX_MODULE_STATE()
{
    // Libraries still chained point back at this state; unlink them so that their destructors
    // do not touch freed memory.
    GlobalLockGuard lock(CRIT_DYNLINKLIST);
    while (CDynLinkLibrary* library = m_libraryList.GetHead())
    {
        m_libraryList.Remove(library);
        library->m_pOwnerState = nullptr;
    }
}

void AFXAPI AfxLockGlobals(int nLockType)
{
    GlobalLock(nLockType).lock();
}

void AFXAPI AfxUnlockGlobals(int nLockType)
{
    GlobalLock(nLockType).unlock();
}

AFX_MODULE_STATE* AFXAPI AfxGetAppModuleState()
{
    return &AppModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxGetStaticModuleState()
{
    return &AppModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxGetModuleState()
{
    return t_moduleState != nullptr ? t_moduleState : &AppModuleState();
}

AFX_MODULE_STATE* AFXAPI AfxSetModuleState(AFX_MODULE_STATE* pNewState)
{
    AFX_MODULE_STATE* previous = t_moduleState;
    t_moduleState = pNewState;
    return previous;
}

AFX_MAINTAIN_STATE2::AFX_MAINTAIN_STATE2(AFX_MODULE_STATE* pModuleState) noexcept
    : m_pPrevModuleState(AfxSetModuleState(pModuleState))
{
}

AFX_MAINTAIN_STATE2::~AFX_MAINTAIN_STATE2()
{
    AfxSetModuleState(m_pPrevModuleState);
}

HINSTANCE AFXAPI AfxGetInstanceHandle()
{
    return AfxGetModuleState()->m_hCurrentInstanceHandle;
}

HINSTANCE AFXAPI AfxGetResourceHandle()
{
    return AfxGetModuleState()->m_hCurrentResourceHandle;
}

void AFXAPI AfxSetResourceHandle(HINSTANCE hInstResource)
{
    AfxGetModuleState()->m_hCurrentResourceHandle = hInstResource;
}

LPCTSTR AFXAPI AfxGetAppName()
{
    return AfxGetModuleState()->m_lpszCurrentAppName;
}

HINSTANCE AFXAPI AfxFindResourceHandle(LPCTSTR lpszName, LPCTSTR lpszType)
{
    AFX_MODULE_STATE* state = AfxGetModuleState();
    HINSTANCE current = state->m_hCurrentResourceHandle;
    if (!state->m_bSystem && current != nullptr &&
        ::FindResourceA(current, lpszName, lpszType) != nullptr)
        return current;

    {
        GlobalLockGuard lock(CRIT_DYNLINKLIST);
        for (CDynLinkLibrary* library = state->m_libraryList; library != nullptr;
             library = library->m_pNextDLL)
        {
            if (!library->m_bSystem && library->m_hResource != nullptr &&
                ::FindResourceA(library->m_hResource, lpszName, lpszType) != nullptr)
                return library->m_hResource;
        }
    }
    // Callers then fail to load from the application's module, as they would have without
    // the search.
    return current;
}

BOOL AFXAPI AfxInitExtensionModule(AFX_EXTENSION_MODULE& state, HMODULE hModule)
{
    if (state.bInitialized)
        return TRUE;
    state.bInitialized = TRUE;
    state.hModule = hModule;
    state.hResource = hModule;
    state.pFirstSharedClass = nullptr;
    state.pFirstSharedFactory = nullptr;
    return TRUE;
}

void AFXAPI AfxTermExtensionModule(AFX_EXTENSION_MODULE& state, BOOL bAll)
{
    if (!state.bInitialized)
        return;
    AFX_MODULE_STATE* moduleState = AfxGetModuleState();
    GlobalLockGuard lock(CRIT_DYNLINKLIST);
    CDynLinkLibrary* library = moduleState->m_libraryList;
    while (library != nullptr)
    {
        CDynLinkLibrary* next = library->m_pNextDLL;
        if (bAll || library->m_hModule == state.hModule)
            delete library; // unlinks itself
        library = next;
    }
}

IMPLEMENT_DYNAMIC(CDynLinkLibrary, CCmdTarget)

CDynLinkLibrary::CDynLinkLibrary(AFX_EXTENSION_MODULE& state, BOOL bSystem)
    : m_hModule(state.hModule), m_hResource(state.hResource),
      m_pFirstSharedClass(state.pFirstSharedClass), m_bSystem(bSystem), m_pNextDLL(nullptr),
      m_pOwnerState(AfxGetModuleState())
{
    GlobalLockGuard lock(CRIT_DYNLINKLIST);
    m_pOwnerState->m_libraryList.AddHead(this);
}

CDynLinkLibrary::CDynLinkLibrary(HINSTANCE hModule, HINSTANCE hResource)
    : m_hModule(hModule), m_hResource(hResource), m_pFirstSharedClass(nullptr), m_bSystem(FALSE),
      m_pNextDLL(nullptr), m_pOwnerState(AfxGetModuleState())
{
    GlobalLockGuard lock(CRIT_DYNLINKLIST);
    m_pOwnerState->m_libraryList.AddHead(this);
}

CDynLinkLibrary::~CDynLinkLibrary()
{
    // The library unlinks from the state it joined, which need not be the current one when
    // the destructor runs under another AFX_MANAGE_STATE.
    GlobalLockGuard lock(CRIT_DYNLINKLIST);
    if (m_pOwnerState != nullptr)
        m_pOwnerState->m_libraryList.Remove(this);
}
