// The test host (see test_host.h).
#include "support/test_host.h"

#include <engine/simulation.h>
#include <htmlhelp.h>
#include <vxforms.h>
#include <vxhost.h>

namespace
{

char g_emptyCommandLine[] = "";

// Puts every stand-in back as a host starts.
void ResetStandIns()
{
    vxhost::ResetHost();
    vxhost::ResetProductInfo();
    vxforms::Reset();
    engine::SetSimulation({});
}

} // namespace

TestHost::TestHost(const Options& options)
    : firstInstallDir(files.Folder("xeq")), commonInstallDir(files.Folder("commonxeq"))
{
    ResetStandIns();
    vxhost::PublishItem("VXXEQ", firstInstallDir.data());
    vxhost::PublishItem("VXCOMMONXEQ", commonInstallDir.data());
    vxforms::Publish();
    if (options.simulation != nullptr)
    {
        std::string error;
        EXPECT_TRUE(engine::LoadSimulationFile(options.simulation, &error)) << error;
    }

    app = std::make_unique<CWinApp>("Tirel Plus");
    ui = std::make_unique<platform::UiThread>("Tirel Plus");
    mainWindow = ui->MainWindow();
    ui->Run([&] {
        // The user-interface thread becomes the application's thread, as WinMain's would.
        AfxWinInit(::GetModuleHandleA(nullptr), nullptr, g_emptyCommandLine, SW_SHOW);
        if (options.mainWindow)
        {
            mainWnd = new CWnd;
            mainWnd->Attach(mainWindow);
            app->m_pMainWnd = mainWnd;
        }
        module = ::LoadLibraryA(options.module);
        return LRESULT{0};
    });
    if (module == nullptr)
    {
        ADD_FAILURE() << "LoadLibraryA(\"" << options.module << "\") failed";
        return;
    }
    if (options.initialise)
        Call<void>("QuarnelInitExtDLL");
}

TestHost::~TestHost()
{
    ui->Run([&] {
        vxforms::CloseAllForms();
        ::HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
        // A host process would end here; the module's CDynLinkLibrary objects go first so
        // that the chain never points into an unloaded library.
        AFX_MODULE_STATE* state = AfxGetModuleState();
        AfxLockGlobals(CRIT_DYNLINKLIST);
        for (CDynLinkLibrary* library = state->m_libraryList; library != nullptr;)
        {
            CDynLinkLibrary* next = library->m_pNextDLL;
            if (module != nullptr && library->m_hModule == module)
                delete library;
            library = next;
        }
        AfxUnlockGlobals(CRIT_DYNLINKLIST);
        if (module != nullptr)
            ::FreeLibrary(module);
        app->m_pMainWnd = nullptr;
        if (mainWnd != nullptr)
        {
            mainWnd->Detach();
            delete mainWnd;
        }
        AfxWinTerm();
        return LRESULT{0};
    });
    ui.reset();
    app.reset();
    ResetStandIns();
}

FARPROC TestHost::Proc(const char* name) const
{
    FARPROC address = module != nullptr ? ::GetProcAddress(module, name) : nullptr;
    if (address == nullptr)
        ADD_FAILURE() << "the module exports no \"" << name << "\"";
    return address;
}
