// The window's answer time while Find searches 1 GiB (run by bench/find.sh under Wine): a window
// runs its message loop on this thread while the search thread counts every zero byte of 1 GiB
// of zeros (the slowest search there is: every byte a match); another thread sends the window a
// message 20 times and times the answer. The same probes without a search are the baseline.
// Prints the worst and the median of both and the ratio of the worsts. Target: worst at most
// 50 ms.
//   findresponsivenessbench [probes]
#include "BenchTiming.h"
#include "app/win32/SearchThread.h"
#include "viewer/FindPattern.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace {

using tavrix::bench::Median;
using tavrix::bench::NowMs;

constexpr UINT kSearchDone = WM_APP + 1;
constexpr UINT kProbesDone = WM_APP + 2;

struct Run {
    std::vector<double> answers;
};

// Sends the window count messages, 20 ms apart, and times each answer; then tells the window.
void Probe(HWND window, int count, Run& run) {
    for (int i = 0; i < count; ++i) {
        Sleep(20);
        const double start = NowMs();
        DWORD_PTR result = 0;
        SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        run.answers.push_back(NowMs() - start);
    }
    PostMessageW(window, kProbesDone, 0, 0);
}

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

double Worst(const Run& run) {
    return run.answers.empty() ? 0 : *std::max_element(run.answers.begin(), run.answers.end());
}

void Report(const char* what, const Run& run) {
    std::printf("%-28s worst %7.2f ms, median %6.2f ms over %zu messages\n", what, Worst(run),
                Median(run.answers), run.answers.size());
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int probes = argc > 1 ? _wtoi(argv[1]) : 20;
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"TavrixFindBench";
    RegisterClassW(&wc);
    HWND window = CreateWindowExW(0, wc.lpszClassName, L"find bench", WS_OVERLAPPEDWINDOW, 0, 0,
                                  300, 200, nullptr, nullptr, wc.hInstance, nullptr);
    auto bytes = std::make_shared<const std::vector<std::uint8_t>>(std::size_t{1} << 30);
    const auto zero = std::get<tavrix::BytePattern>(tavrix::ParseHexPattern(L"00"));

    Run idle;
    Run searching;
    int searches = 0;
    for (int round = 0; round < 2; ++round) {
        const bool search = round == 1;
        Run& run = search ? searching : idle;
        tavrix::win32::SearchThread thread([window] { PostMessageW(window, kSearchDone, 0, 0); });
        auto start = [&] {
            thread.Start({.pattern = zero, .bytes = bytes, .count = true});
            ++searches;
        };
        if (search) {
            start();
        }
        std::thread prober(Probe, window, probes, std::ref(run));
        bool probing = true;
        MSG msg;
        while (probing && GetMessageW(&msg, nullptr, 0, 0) > 0) {
            if (msg.message == kProbesDone) {
                probing = false;
            } else if (msg.message == kSearchDone) {
                thread.Collect();
                start(); // keep a search running until the probes are done
            }
            DispatchMessageW(&msg);
        }
        prober.join();
        thread.Cancel();
    }
    Report("no search", idle);
    Report("while searching 1 GiB", searching);
    std::printf("searches run: %d; ratio of the worsts %.2f (target: worst <= 50 ms)\n", searches,
                Worst(idle) > 0 ? Worst(searching) / Worst(idle) : 0.0);
    return 0;
}
