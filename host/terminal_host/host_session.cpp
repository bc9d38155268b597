// The host (see host_session.h).
#include "host_session.h"

#include "host_window.h"

#include <htmlhelp.h>
#include <platform/apphost.h>
#include <platform/render.h>
#include <vxforms.h>
#include <vxhost.h>

namespace tirel
{
namespace
{

// The application object: InitInstance loads the module, makes the main window and initialises
// the module, in the order a host's start-up does.
class HostApp : public CWinApp
{
public:
    HostApp(const HostOptions& options, HostWindowContext context)
        : CWinApp("Tirel Plus"), options(options), context(std::move(context))
    {
    }

    BOOL InitInstance() override
    {
        // Loaded by its path and kept, the library answers the module's LoadLibraryA of its
        // plain name for the whole session.
        if (!options.enterpriseLibrary.empty())
            enterprise = ::LoadLibraryA(options.enterpriseLibrary.c_str());
        context.module = ::LoadLibraryA(options.module.c_str());
        window = new HostWindow(context);
        if (!window->CreateMain(options.columns, options.rows))
            return FALSE;
        m_pMainWnd = window;
        if (context.module != nullptr)
            window->RunCall(0, {}); // QuarnelInitExtDLL, listed first
        return TRUE;
    }

    int ExitInstance() override
    {
        vxforms::CloseAllForms();
        ::HtmlHelpA(nullptr, nullptr, HH_CLOSE_ALL, 0);
        if (m_pMainWnd != nullptr && ::IsWindow(m_pMainWnd->m_hWnd))
            m_pMainWnd->DestroyWindow();
        return CWinApp::ExitInstance();
    }

    HMODULE Module() const { return context.module; }
    bool EnterpriseMissing() const
    {
        return !options.enterpriseLibrary.empty() && enterprise == nullptr;
    }
    HostWindow* Window() const { return window; }

private:
    HostOptions options;
    HostWindowContext context;
    HostWindow* window = nullptr;
    HMODULE enterprise = nullptr;
};

} // namespace

struct HostSession::Impl
{
    std::string firstInstallDir;
    std::string commonInstallDir;
    int dontShowUpward = 0;
    std::unique_ptr<HostApp> app;
    std::unique_ptr<platform::AppHost> host;
    HWND mainWindow = nullptr;
};

HostSession::HostSession(const HostOptions& options) : impl(std::make_unique<Impl>())
{
    HostWindowContext context;
    context.moduleName = options.module;
    const std::string simulationText = options.simulationFile.empty() ? kDefaultSimulation : "";
    std::string problem;
    if (options.simulationFile.empty()
            ? !engine::ParseSimulation(simulationText, context.initialSimulation, &problem)
            : !engine::LoadSimulationFile(options.simulationFile.c_str(), &problem))
    {
        error = "the simulation cannot be read: " + problem;
        return;
    }
    if (options.simulationFile.empty())
        engine::SetSimulation(context.initialSimulation);
    else
        context.initialSimulation = engine::CurrentSimulation();

    // The host's items: what they point to lives as long as the session.
    impl->firstInstallDir = options.shareFolder + "/xeq";
    impl->commonInstallDir = options.shareFolder + "/common";
    vxhost::PublishItem("VXXEQ", impl->firstInstallDir.data());
    vxhost::PublishItem("VXCOMMONXEQ", impl->commonInstallDir.data());
    vxhost::PublishItem("DontShowUpward", &impl->dontShowUpward);
    vxforms::Publish();
    context.dontShowUpward = &impl->dontShowUpward;

    impl->app = std::make_unique<HostApp>(options, std::move(context));
    impl->host = std::make_unique<platform::AppHost>(*impl->app);
    if (!impl->host->Initialized())
    {
        error = "the main window cannot be created";
        return;
    }
    impl->mainWindow = impl->host->MainWindow();
    if (impl->app->Module() == nullptr)
        error = "LoadLibraryA(\"" + options.module + "\") failed";
    else if (impl->app->EnterpriseMissing())
        error =
            "the enterprise integration library cannot be loaded from " + options.enterpriseLibrary;
}

HostSession::~HostSession()
{
    if (impl->host)
        impl->host->Quit();
    // The window object outlives its window, which the application's end destroyed.
    if (impl->app)
        delete impl->app->Window();
    vxhost::WithdrawAllItems();
}

HWND HostSession::MainWindow() const
{
    return impl->mainWindow;
}

bool HostSession::HasExport(const char* name) const
{
    HMODULE module = impl->app ? impl->app->Module() : nullptr;
    return module != nullptr && ::GetProcAddress(module, name) != nullptr;
}

DWORD HostSession::UiThreadId() const
{
    return impl->host ? impl->host->ThreadId() : 0;
}

std::future<CallRecord> HostSession::StartCall(const ExportInfo& info,
                                               std::vector<std::string> texts)
{
    int exportIndex = 0;
    while (exportIndex + 1 < static_cast<int>(Exports().size()) &&
           std::string_view(Exports()[exportIndex].name) != info.name)
        ++exportIndex;
    HostWindow* window = impl->app->Window();
    return impl->host->Post([window, exportIndex, texts = std::move(texts)] {
        return window->RunCall(exportIndex, texts);
    });
}

void HostSession::SetSetting(Setting setting, bool on)
{
    HostWindow* window = impl->app->Window();
    impl->host->Call([window, setting, on] { window->ApplySetting(setting, on); });
}

std::string HostSession::SnapshotMainWindow() const
{
    return platform::Snapshot(impl->mainWindow);
}

void HostSession::Resize(int columns, int rows)
{
    ::SetWindowPos(impl->mainWindow, nullptr, 0, 0, columns * 6, rows * 13,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

bool HostSession::Ended() const
{
    return !::IsWindow(impl->mainWindow);
}

bool HostSession::Close()
{
    if (Ended())
        return true;
    if (!::IsWindowEnabled(impl->mainWindow))
        return false;
    ::PostMessageA(impl->mainWindow, WM_CLOSE, 0, 0);
    return true;
}

} // namespace tirel
