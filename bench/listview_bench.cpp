// The list view at 1 000, 10 000 and 100 000 rows: inserting at the end and finding a label
// exactly must cost the same per row whatever the size (the "per_row" counter), and sorting
// 100 000 rows by a string callback must stay well under a second. Each runs beside a baseline
// doing the same work with standard containers: push_back plus a hash map insert, a hash map
// find, std::sort of the same strings with the same comparison.

#include <windows.h>
#include <commctrl.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>

namespace
{

// The list lives in a plain window on the benchmark's own thread, so every message is a direct
// call and what is measured is the control.
HWND MakeList()
{
    HWND parent = CreateWindowExA(0, "Static", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                                  nullptr, nullptr);
    HWND list = CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 400,
                                300, parent, nullptr, nullptr, nullptr);
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = const_cast<LPSTR>("Name");
    column.cx = 120;
    SendMessageA(list, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    return list;
}

void Destroy(HWND list)
{
    DestroyWindow(GetParent(list));
}

std::vector<std::string> Labels(int count)
{
    std::vector<std::string> labels;
    labels.reserve(static_cast<size_t>(count));
    std::mt19937 random(42);
    for (int i = 0; i < count; ++i)
        labels.push_back("Component " + std::to_string(random() % 1000000) + "-" +
                         std::to_string(i));
    return labels;
}

int InsertAtEnd(HWND list, const std::string& label, LPARAM data)
{
    LVITEMA item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = INT_MAX;
    item.pszText = const_cast<LPSTR>(label.c_str());
    item.lParam = data;
    return static_cast<int>(
        SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

void PerRow(benchmark::State& state, int64_t rowsPerIteration)
{
    state.counters["per_row"] =
        benchmark::Counter(static_cast<double>(rowsPerIteration) * state.iterations(),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// ---- Inserting at the end ----

void ListInsertAtEnd(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::vector<std::string> labels = Labels(rows);
    HWND list = MakeList();
    for (auto _ : state)
    {
        state.PauseTiming();
        SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
        state.ResumeTiming();
        for (int i = 0; i < rows; ++i)
            benchmark::DoNotOptimize(InsertAtEnd(list, labels[static_cast<size_t>(i)], i));
    }
    PerRow(state, rows);
    Destroy(list);
}
BENCHMARK(ListInsertAtEnd)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BaselineInsertAtEnd(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::vector<std::string> labels = Labels(rows);
    for (auto _ : state)
    {
        std::vector<std::string> items;
        std::unordered_map<std::string, int> index;
        for (int i = 0; i < rows; ++i)
        {
            items.push_back(labels[static_cast<size_t>(i)]);
            index.emplace(labels[static_cast<size_t>(i)], i);
        }
        benchmark::DoNotOptimize(items.data());
        benchmark::DoNotOptimize(index.size());
    }
    PerRow(state, rows);
}
BENCHMARK(BaselineInsertAtEnd)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

// ---- Finding a label exactly ----

constexpr int kLookups = 1000;

void ListFindExact(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::vector<std::string> labels = Labels(rows);
    HWND list = MakeList();
    for (int i = 0; i < rows; ++i)
        InsertAtEnd(list, labels[static_cast<size_t>(i)], i);
    std::mt19937 random(7);
    std::vector<std::string> wanted;
    for (int i = 0; i < kLookups; ++i)
    {
        // Looked up in another case, as a user types it.
        std::string label = labels[random() % labels.size()];
        std::transform(label.begin(), label.end(), label.begin(),
                       [](char c) { return static_cast<char>(toupper(c)); });
        wanted.push_back(label);
    }
    for (auto _ : state)
    {
        for (const std::string& label : wanted)
        {
            LVFINDINFOA find{};
            find.flags = LVFI_STRING;
            find.psz = label.c_str();
            benchmark::DoNotOptimize(SendMessageA(list, LVM_FINDITEMA, static_cast<WPARAM>(-1),
                                                  reinterpret_cast<LPARAM>(&find)));
        }
    }
    PerRow(state, kLookups);
    state.counters["rows"] = rows;
    Destroy(list);
}
BENCHMARK(ListFindExact)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BaselineFindExact(benchmark::State& state)
{
    const int rows = static_cast<int>(state.range(0));
    const std::vector<std::string> labels = Labels(rows);
    std::unordered_map<std::string, int> index;
    for (int i = 0; i < rows; ++i)
        index.emplace(labels[static_cast<size_t>(i)], i);
    std::mt19937 random(7);
    std::vector<std::string> wanted;
    for (int i = 0; i < kLookups; ++i)
        wanted.push_back(labels[random() % labels.size()]);
    for (auto _ : state)
    {
        for (const std::string& label : wanted)
            benchmark::DoNotOptimize(index.find(label));
    }
    PerRow(state, kLookups);
    state.counters["rows"] = rows;
}
BENCHMARK(BaselineFindExact)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

// ---- Sorting by a string callback ----

constexpr int kSortRows = 100000;

int CALLBACK CompareLabels(LPARAM a, LPARAM b, LPARAM)
{
    return std::strcmp(reinterpret_cast<const std::string*>(a)->c_str(),
                       reinterpret_cast<const std::string*>(b)->c_str());
}

// Puts the rows back in a random order between runs (not timed).
int CALLBACK CompareShuffled(LPARAM a, LPARAM b, LPARAM order)
{
    const auto& ranks = *reinterpret_cast<const std::unordered_map<LPARAM, unsigned>*>(order);
    const unsigned ra = ranks.at(a);
    const unsigned rb = ranks.at(b);
    return ra < rb ? -1 : ra > rb ? 1 : 0;
}

void ListSortByStringCallback(benchmark::State& state)
{
    const std::vector<std::string> labels = Labels(kSortRows);
    HWND list = MakeList();
    for (int i = 0; i < kSortRows; ++i)
        InsertAtEnd(list, labels[static_cast<size_t>(i)],
                    reinterpret_cast<LPARAM>(&labels[static_cast<size_t>(i)]));
    std::mt19937 random(3);
    std::unordered_map<LPARAM, unsigned> ranks;
    for (const std::string& label : labels)
        ranks[reinterpret_cast<LPARAM>(&label)] = random();
    for (auto _ : state)
    {
        state.PauseTiming();
        SendMessageA(list, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&ranks),
                     reinterpret_cast<LPARAM>(&CompareShuffled));
        state.ResumeTiming();
        benchmark::DoNotOptimize(
            SendMessageA(list, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(&CompareLabels)));
    }
    PerRow(state, kSortRows);
    Destroy(list);
}
BENCHMARK(ListSortByStringCallback)->Unit(benchmark::kMillisecond);

void BaselineSortStrings(benchmark::State& state)
{
    const std::vector<std::string> labels = Labels(kSortRows);
    std::vector<const std::string*> order;
    for (const std::string& label : labels)
        order.push_back(&label);
    std::mt19937 random(3);
    for (auto _ : state)
    {
        state.PauseTiming();
        std::shuffle(order.begin(), order.end(), random);
        state.ResumeTiming();
        std::sort(order.begin(), order.end(), [](const std::string* a, const std::string* b) {
            return CompareLabels(reinterpret_cast<LPARAM>(a), reinterpret_cast<LPARAM>(b), 0) < 0;
        });
        benchmark::DoNotOptimize(order.data());
    }
    PerRow(state, kSortRows);
}
BENCHMARK(BaselineSortStrings)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
