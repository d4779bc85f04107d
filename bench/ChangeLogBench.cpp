// The change log's cost (run by bench/change-log.sh under Wine): a clipboard monitor in this
// process while another process (cliphelper) makes 1,000 changes in 10 s, first without the log,
// then with it writing every change to a /LOG file. For each it prints the time the window's
// thread spent handling its messages per change; the difference is what the log costs a change
// (target: at most 1 ms). Then the memory of 10,000 rows of four formats and 60 characters each,
// per row (target: at most 256 bytes beside its 60 characters).
//   changelogbench [changes] [milliseconds]
#include "BenchTiming.h"
#include "app/ChangeLogText.h"
#include "app/CommandLine.h"
#include "app/win32/ChangeLogFile.h"
#include "app/win32/ClipboardOwnerWindow.h"
#include "app/win32/ModuleInit.h"
#include "clipboard/ChangeLog.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "support/RecordingSurface.h"

#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

namespace {

using namespace tavrix;
using bench::NowMs;

std::wstring BesideThisProgram(const wchar_t* name) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring result = path;
    return result.substr(0, result.find_last_of(L"\\/") + 1) + name;
}

struct Round {
    double busyMs = 0;
    int notifications = 0;
};

// The monitor (with the log when given) while the helper makes its burst of changes.
Round Burst(ChangeLog* log, int changes, int milliseconds) {
    test::RecordingSurface surface(ClipboardPort::Instance());
    win32::MonitorOptions options;
    options.log = log;
    options.logChanged = [] {};
    win32::TTavrixClipboardMonitor monitor(ClipboardPort::Instance(), surface, options);
    monitor.StartMonitoring();
    std::wstring command = L"\"" + BesideThisProgram(L"cliphelper.exe") + L"\" burst " +
                           std::to_wstring(changes) + L" " + std::to_wstring(milliseconds);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr,
                        nullptr, &startup, &process)) {
        std::printf("cannot start the helper (error %lu)\n", GetLastError());
        std::exit(1);
    }
    CloseHandle(process.hThread);
    Round round;
    const double end = NowMs() + milliseconds + 30000;
    bool helperDone = false;
    double quietUntil = 0;
    while (NowMs() < end && (!helperDone || NowMs() < quietUntil)) {
        MsgWaitForMultipleObjects(1, &process.hProcess, FALSE, 5, QS_ALLINPUT);
        if (!helperDone && WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0) {
            helperDone = true;
            quietUntil = NowMs() + 500; // the last notifications and refreshes
        }
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            round.notifications += msg.message == WM_CLIPBOARDUPDATE ? 1 : 0;
            const double start = NowMs();
            DispatchMessageW(&msg);
            round.busyMs += NowMs() - start;
        }
    }
    CloseHandle(process.hProcess);
    return round;
}

int Run(int changes, int milliseconds) {
    win32::ProgramModules modules(CommandLine({L"changelogbench"}));
    win32::ClipboardOwnerWindow application;
    modules.Clipboard().SetOwner(application.Handle());

    const Round off = Burst(nullptr, changes, milliseconds);
    ChangeLog log;
    const std::wstring logName = BesideThisProgram(L"changelogbench.jsonl");
    DeleteFileW(logName.c_str());
    win32::ChangeLogFile file(logName);
    log.SetWriter([&](const ChangeRow& row) { file.Append(ChangeJsonLine(log, row)); });
    const Round on = Burst(&log, changes, milliseconds);
    const double offPer = off.busyMs / changes, onPer = on.busyMs / changes;
    std::printf("notifications: %d without the log, %d with it (%zu rows)\n", off.notifications,
                on.notifications, log.Size());
    std::printf("window thread per change: %.3f ms without the log, %.3f ms with it: "
                "+%.3f ms (ratio %.2f)\n",
                offPer, onPer, onPer - offPer, offPer > 0 ? onPer / offPer : 0.0);

    // Memory: rows as a copy with a window's text makes them.
    const std::vector<ChangeLog::ListedFormat> formats = {
        {cf::UnicodeText, L""}, {cf::Text, L""}, {cf::OemText, L""}, {cf::Locale, L""}};
    ChangeLog rows;
    ClipboardSnapshot snapshot;
    for (std::uint32_t i = 1; i <= ChangeLog::kCapacity; ++i) {
        rows.Changed({}, i, ClipboardProcess{L"editor.exe", 42});
        rows.Listed(i, i, formats);
        snapshot.sequence = i;
        snapshot.formats.clear();
        CapturedFormat text;
        text.format = cf::UnicodeText;
        text.result = DataResult::Read;
        const std::wstring line = std::wstring(59, L'x') + std::to_wstring(i % 10) + L'\0';
        text.bytes = std::make_shared<std::vector<std::uint8_t>>(
            reinterpret_cast<const std::uint8_t*>(line.data()),
            reinterpret_cast<const std::uint8_t*>(line.data() + line.size()));
        text.size = text.bytes->size();
        snapshot.formats.push_back(text);
        rows.Shown(snapshot);
    }
    snapshot.formats.clear();
    // What the rows hold: the row itself, its formats and its text's characters (the heap's own
    // bookkeeping per block comes on top, 16 bytes a block here).
    double held = 0;
    for (std::size_t i = 0; i < rows.Size(); ++i) {
        const ChangeRow& row = rows.Row(i);
        held += sizeof(ChangeRow) + row.formats.capacity() * sizeof(LoggedFormat) +
                (row.content.capacity() + 1) * sizeof(wchar_t);
    }
    const double perRow = held / static_cast<double>(rows.Size());
    const double characters = 61 * sizeof(wchar_t);
    std::printf("memory per row: %.0f bytes, %.0f of them its 60 characters: %.0f beside them "
                "(target 256)\n",
                perRow, characters, perRow - characters);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int changes = argc > 1 ? _wtoi(argv[1]) : 1000;
    const int milliseconds = argc > 2 ? _wtoi(argv[2]) : 10000;
    return Run(changes > 0 ? changes : 1000, milliseconds > 0 ? milliseconds : 10000);
}
