// The cost of SendMessage within a thread and across threads, beside the floors that bound it:
// a plain call through a function pointer, a spinning ping-pong between two threads, and a
// condition-variable ping-pong.

#include "platform/ui_thread.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <thread>

namespace
{

__attribute__((noinline)) LRESULT Echo(HWND, UINT, WPARAM wParam, LPARAM)
{
    return static_cast<LRESULT>(wParam);
}

LRESULT CALLBACK EchoProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_APP)
        return static_cast<LRESULT>(wParam);
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

HWND MakeEchoWindow()
{
    static ATOM atom = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = EchoProc;
        wc.lpszClassName = "BenchEcho";
        return RegisterClassA(&wc);
    }();
    (void)atom;
    return CreateWindowExA(0, "BenchEcho", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr,
                           nullptr);
}

void PlainFunctionCall(benchmark::State& state)
{
    LRESULT (*volatile fn)(HWND, UINT, WPARAM, LPARAM) = Echo;
    WPARAM i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(fn(nullptr, WM_APP, ++i, 0));
}
BENCHMARK(PlainFunctionCall);

void SameThreadSendMessage(benchmark::State& state)
{
    HWND w = MakeEchoWindow();
    WPARAM i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SendMessageA(w, WM_APP, ++i, 0));
    DestroyWindow(w);
}
BENCHMARK(SameThreadSendMessage);

void SpinPingPong(benchmark::State& state)
{
    std::atomic<int> ball{0};
    std::atomic<bool> stop{false};
    std::thread partner([&] {
        for (;;)
        {
            int b;
            while ((b = ball.load(std::memory_order_acquire)) % 2 == 0)
                if (stop.load(std::memory_order_relaxed))
                    return;
            ball.store(b + 1, std::memory_order_release);
        }
    });
    for (auto _ : state)
    {
        const int b = ball.load(std::memory_order_relaxed);
        ball.store(b + 1, std::memory_order_release);
        while (ball.load(std::memory_order_acquire) != b + 2)
        {
        }
    }
    stop = true;
    partner.join();
}
BENCHMARK(SpinPingPong)->UseRealTime();

void ConditionVariablePingPong(benchmark::State& state)
{
    std::mutex m;
    std::condition_variable cv;
    int ball = 0;
    bool stop = false;
    std::thread partner([&] {
        std::unique_lock l(m);
        for (;;)
        {
            cv.wait(l, [&] { return ball % 2 == 1 || stop; });
            if (stop)
                return;
            ++ball;
            cv.notify_all();
        }
    });
    for (auto _ : state)
    {
        std::unique_lock l(m);
        ++ball;
        cv.notify_all();
        cv.wait(l, [&] { return ball % 2 == 0; });
    }
    {
        std::lock_guard g(m);
        stop = true;
    }
    cv.notify_all();
    partner.join();
}
BENCHMARK(ConditionVariablePingPong)->UseRealTime();

void CrossThreadSendMessage(benchmark::State& state)
{
    platform::UiThread ui;
    HWND w =
        reinterpret_cast<HWND>(ui.Run([] { return reinterpret_cast<LRESULT>(MakeEchoWindow()); }));
    WPARAM i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(SendMessageA(w, WM_APP, ++i, 0));
    ui.Run([w] { return static_cast<LRESULT>(DestroyWindow(w)); });
}
BENCHMARK(CrossThreadSendMessage)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
