// The component Find over the engine's synthetic databank of 100 000 components, driven by the
// simulated user as a person would: "Find now" with an empty text (every record matches, so
// every record becomes a row through a message from the worker to the dialog) and with a
// selective text; sorting the 100 000 rows by a text and by a number column; and how long a
// click on "Stop" takes to end a running search. The baseline beside them is the platform's
// cross-thread SendMessage round trip, measured in the same run: each listed row costs one.
//
// Times are from the click to the status text that ends the search, so they include the
// simulated user's own waits, as a person's stopwatch would.

#include "platform/automation.h"
#include "platform/automation_listview.h"
#include "platform/ui_thread.h"

#include <afxwin.h>
#include <commctrl.h>
#include <engine/databanks.h>
#include <engine/simulation.h>
#include <vxforms.h>
#include <vxhost.h>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace
{

using namespace platform::automation;
using Clock = std::chrono::steady_clock;

constexpr int kRows = 100000;
// The status bar and the controls of the Find (module/res/resource.h).
constexpr int kStatusBar = 8001;
constexpr int kResults = 12593;

char g_emptyCommandLine[] = "";

// The host: a user-interface thread with a main window, the module loaded and initialised, and
// the Find open on the synthetic databank. Built once for every benchmark.
class FindHost
{
public:
    FindHost()
    {
        vxhost::PublishItem("VXXEQ", const_cast<char*>(""));
        vxhost::PublishItem("VXCOMMONXEQ", const_cast<char*>(""));
        vxforms::Publish();
        engine::SetSimulation({});
        engine::SelectDatabanks({engine::SyntheticDatabankName(kRows)});
        app = std::make_unique<CWinApp>("Tirel Plus");
        ui = std::make_unique<platform::UiThread>("Tirel Plus");
        ui->Run([&] {
            AfxWinInit(::GetModuleHandleA(nullptr), nullptr, g_emptyCommandLine, SW_SHOW);
            mainWnd.Attach(ui->MainWindow());
            app->m_pMainWnd = &mainWnd;
            module = ::LoadLibraryA("quarnel.dll");
            if (module != nullptr)
                Export<void (*)()>("QuarnelInitExtDLL")();
            return LRESULT{0};
        });
        using Search = int(WINAPI*)(int, int, const char*);
        auto search = Export<Search>("gxSearchComponents");
        ui->Begin([search] { return static_cast<LRESULT>(search(0, 0, "")); });
        dialog = WaitForWindow(nullptr, "Find");
    }

    // An export by name, through a generic function pointer type, which converts to any other.
    template <class Function> Function Export(const char* name) const
    {
        return reinterpret_cast<Function>(
            reinterpret_cast<void (*)()>(::GetProcAddress(module, name)));
    }

    HWND Dialog() const { return dialog; }
    HWND Control(int id) const { return FindControl(dialog, id); }

    std::string Status() const
    {
        HWND bar = Control(kStatusBar);
        // SB_GETTEXT takes no size, and the text may grow between the two messages.
        char text[1024] = "";
        if (LOWORD(SendMessageA(bar, SB_GETTEXTLENGTHA, 0, 0)) < 256)
            SendMessageA(bar, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }

    // Polls the status text without taking the user-interface thread's time between looks.
    bool WaitForStatus(bool (*done)(const std::string&)) const
    {
        const auto deadline = Clock::now() + std::chrono::seconds(120);
        while (Clock::now() < deadline)
        {
            if (done(Status()))
                return true;
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        return false;
    }

    // Clicks "Find now" with text in the name field and returns the seconds until the search
    // has ended.
    double FindNow(const char* text)
    {
        Click(Control(12639));
        Press('A', kControl);
        Press(VK_DELETE);
        Type(text);
        const auto start = Clock::now();
        Click(FindControlByText(dialog, "Find now"));
        WaitForStatus([](const std::string& s) {
            return s.rfind("Matches found", 0) == 0 || s.rfind("No Match", 0) == 0;
        });
        return std::chrono::duration<double>(Clock::now() - start).count();
    }

private:
    std::unique_ptr<CWinApp> app;
    std::unique_ptr<platform::UiThread> ui;
    CWnd mainWnd;
    HMODULE module = nullptr;
    HWND dialog = nullptr;
};

FindHost& Host()
{
    static FindHost* host = new FindHost; // lives until the process ends
    return *host;
}

LRESULT CALLBACK EchoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_APP)
        return static_cast<LRESULT>(wParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

// The baseline: one cross-thread SendMessage round trip.
void CrossThreadSendMessage(benchmark::State& state)
{
    platform::UiThread ui;
    HWND w = reinterpret_cast<HWND>(ui.Run([] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = EchoProc;
        wc.lpszClassName = "FindBenchEcho";
        RegisterClassA(&wc);
        return reinterpret_cast<LRESULT>(CreateWindowExA(0, "FindBenchEcho", "", WS_POPUP, 0, 0, 1,
                                                         1, nullptr, nullptr, nullptr, nullptr));
    }));
    WPARAM i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SendMessageA(w, WM_APP, ++i, 0));
    ui.Run([w] { return static_cast<LRESULT>(DestroyWindow(w)); });
}
BENCHMARK(CrossThreadSendMessage)->UseRealTime();

void ReportRows(benchmark::State& state, int rows, double seconds)
{
    state.SetIterationTime(seconds);
    state.counters["rows"] = rows;
    state.counters["rows/s"] = rows / seconds;
    state.counters["us/row"] = rows > 0 ? seconds * 1e6 / rows : 0;
}

void FindNowEveryRecord(benchmark::State& state)
{
    FindHost& host = Host();
    for (auto _ : state)
    {
        const double seconds = host.FindNow("");
        ReportRows(state, RowCount(host.Control(kResults)), seconds);
    }
}
BENCHMARK(FindNowEveryRecord)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void FindNowSelectiveText(benchmark::State& state)
{
    FindHost& host = Host();
    for (auto _ : state)
    {
        // 100 of the 100 000 names hold this text; every other record also asks the engine
        // for its alternate names.
        const double seconds = host.FindNow("COMPONENT 0000");
        ReportRows(state, RowCount(host.Control(kResults)), seconds);
    }
}
BENCHMARK(FindNowSelectiveText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

void SortRows(benchmark::State& state)
{
    FindHost& host = Host();
    if (RowCount(host.Control(kResults)) != kRows)
        host.FindNow("");
    const int column = static_cast<int>(state.range(0));
    for (auto _ : state)
    {
        // The click returns once the user-interface thread is idle again, the sort done.
        const auto start = Clock::now();
        ClickColumn(host.Control(kResults), column);
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
    state.SetLabel(column == 0 ? "by name (text)" : "by molecular weight (number)");
}
BENCHMARK(SortRows)->Arg(0)->Arg(4)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(4);

void StopToSearchAborted(benchmark::State& state)
{
    FindHost& host = Host();
    for (auto _ : state)
    {
        Click(FindControlByText(host.Dialog(), "Find now"));
        WaitUntil([&] { return RowCount(host.Control(kResults)) >= 1000; }, "a running search");
        const auto start = Clock::now();
        Click(FindControlByText(host.Dialog(), "Stop"));
        host.WaitForStatus([](const std::string& s) {
            return s.size() >= 14 && s.compare(s.size() - 14, 14, "Search aborted") == 0;
        });
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
    }
}
BENCHMARK(StopToSearchAborted)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

} // namespace

BENCHMARK_MAIN();
