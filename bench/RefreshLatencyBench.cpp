// Refresh latency benchmark (run by bench/refresh-latency.sh under Wine): the main window runs
// in this process while another process (cliphelper) puts a new Unicode text on the clipboard,
// 20 times. For each change it measures
//   - the latency: from the moment this process sees the clipboard's sequence number change to
//     the moment the tree and the summary show the new text (the 50 ms coalescing delay of the
//     clipboard monitor is part of it);
//   - the work: the time spent handling the timer message that ran the refresh (which hands
//     the reading to the reader thread).
// The rounds alternate between the status bar's facts panel (owner, change count, privacy flags)
// filled and switched off, so the work with it is weighed against the work without it in the
// same run, under the same load.
//   refreshlatencybench [changes]
#include "BenchTiming.h"
#include "app/CommandLine.h"
#include "app/win32/ClipboardOwnerWindow.h"
#include "app/win32/MainForm.h"
#include "app/win32/ModuleInit.h"
#include "base/win32/AcceleratorHook.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "clipboard/win32/Win32ClipboardBackend.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

using namespace tavrix;
using bench::Median;
using bench::NowMs;
using win32::TTavrixClipboardMonitor;

std::wstring HelperPath() {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result = path;
    return result.substr(0, result.find_last_of(L"\\/") + 1) + L"cliphelper.exe";
}

// Starts "cliphelper set 13=<text>"; the caller closes the returned process handle.
HANDLE PutTextFromAnotherProcess(const std::wstring& text) {
    std::wstring hex;
    wchar_t digits[8];
    for (wchar_t c : text + L'\0') {
        std::swprintf(digits, 8, L"%02x%02x", c & 0xFF, (c >> 8) & 0xFF);
        hex += digits;
    }
    std::wstring command = L"\"" + HelperPath() + L"\" set 13=" + hex;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        return nullptr;
    }
    CloseHandle(process.hThread);
    return process.hProcess;
}

// Handles waiting messages as the program's loop does; returns the time spent in the timer
// message that raised the monitor's refresh count, or a negative value.
double Pump(TTavrixClipboardMonitor& monitor) {
    double refreshWork = -1;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT || win32::RunAcceleratorHook(msg)) {
            continue;
        }
        const int before = monitor.Core().Refreshes();
        const double start = NowMs();
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
        if (msg.message == WM_TIMER && monitor.Core().Refreshes() != before) {
            refreshWork = NowMs() - start;
        }
    }
    return refreshWork;
}

int Run(int changes) {
    win32::ProgramModules modules(CommandLine({L"refreshlatencybench"}));
    win32::ClipboardOwnerWindow application;
    modules.Clipboard().SetOwner(application.Handle());
    win32::TMainForm form(ClipboardPort::Instance(), win32::ProgramMainFormServices());
    form.Create();
    form.Show(SW_SHOWNOACTIVATE);
    TTavrixClipboardMonitor& monitor = *form.Monitor();

    std::vector<double> latencies, works, worksWithoutFacts;
    int extraRefreshes = 0;
    for (int round = 0; round <= 2 * changes; ++round) { // round 0 warms up
        const bool facts = round % 2 == 1;
        monitor.Engine().SetFactsShown(facts);
        const std::wstring text = L"Refresh latency round " + std::to_wstring(round);
        const std::wstring size = L"Size : " + std::to_wstring(text.size());
        const DWORD sequence = GetClipboardSequenceNumber();
        HANDLE helper = PutTextFromAnotherProcess(text);
        if (helper == nullptr) {
            std::printf("cannot start %ls (error %lu)\n", HelperPath().c_str(), GetLastError());
            return 1;
        }
        double changed = -1, shown = -1, work = -1;
        const double limit = NowMs() + 10000;
        while (shown < 0 && NowMs() < limit) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
            if (changed < 0 && GetClipboardSequenceNumber() != sequence) {
                changed = NowMs();
            }
            const double refreshWork = Pump(monitor);
            if (refreshWork >= 0) {
                work = refreshWork;
            }
            // The reader thread reads; the window shows what it read when it comes.
            if (work >= 0 && form.Status().Size() == size && changed >= 0) {
                shown = NowMs();
            }
        }
        WaitForSingleObject(helper, 10000);
        CloseHandle(helper);
        // Any further refresh for the same change would show here.
        const int refreshes = monitor.Core().Refreshes();
        const double settle = NowMs() + 300;
        while (NowMs() < settle) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
            Pump(monitor);
        }
        if (shown < 0) {
            std::printf("round %d: the new text never showed\n", round);
            return 1;
        }
        if (round > 0) {
            (facts ? works : worksWithoutFacts).push_back(work);
            if (facts) {
                latencies.push_back(shown - changed);
            }
            extraRefreshes += monitor.Core().Refreshes() - refreshes;
        }
    }
    std::printf("changes: %d\n", changes);
    std::printf("latency median %.1f ms (min %.1f, max %.1f); coalescing delay 50 ms\n",
                Median(latencies), *std::min_element(latencies.begin(), latencies.end()),
                *std::max_element(latencies.begin(), latencies.end()));
    std::printf("refresh work median %.2f ms (min %.2f, max %.2f)\n", Median(works),
                *std::min_element(works.begin(), works.end()),
                *std::max_element(works.begin(), works.end()));
    std::printf("refresh work without the facts panel median %.2f ms (min %.2f, max %.2f)\n",
                Median(worksWithoutFacts),
                *std::min_element(worksWithoutFacts.begin(), worksWithoutFacts.end()),
                *std::max_element(worksWithoutFacts.begin(), worksWithoutFacts.end()));
    std::printf("ratio with/without the facts panel: %.2f (target <= 1.2)\n",
                Median(works) / Median(worksWithoutFacts));
    std::printf("refreshes after the shown one: %d\n", extraRefreshes);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    try {
        return Run(argc > 1 ? _wtoi(argv[1]) : 20);
    } catch (...) {
        std::printf("failed\n");
        return 1;
    }
}
