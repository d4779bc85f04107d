// Clipboard file benchmark: save and load of a large clipboard with the program's routines
// against a baseline that makes only the unavoidable system calls. One mode per process, so
// each process's peak working set belongs to one operation; bench/clipfile_bench.sh runs them.
//
//   clipfilebench setup <MiB>          puts a registered format of <MiB> MiB and a text
//   clipfilebench save-raw <path>      GetClipboardData -> GlobalLock -> WriteFile per format
//   clipfilebench save-raw-replace <path>  the same into a temporary file that then replaces
//                                      the target (MoveFileExW), as the program's safe save does
//   clipfilebench save-tavrix <path>   the program's save
//   clipfilebench save-progress <path> the program's save as the window runs it, with its
//                                      progress shown from the first moment on (to nowhere)
//   clipfilebench load-raw <path>      ReadFile -> GlobalAlloc -> SetClipboardData per record
//   clipfilebench load-tavrix <path>   the program's load
//   clipfilebench limit <path>         blocks of 304,857,599 and 304,857,600 bytes, saved
//   clipfilebench start <any>          nothing: the process's own footprint, for comparison
// Each mode prints "<mode> <milliseconds> ms, peak working set <MiB> MiB".
#include "app/CommandLine.h"
#include "app/win32/ClipboardOwnerWindow.h"
#include "app/win32/ModuleInit.h"
#include "base/Error.h"
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FileProgress.h"
#include "clipboard/win32/ClipboardFileCommands.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "clipboard/win32/Win32FileAccess.h"

#include <windows.h>

#include <psapi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace tavrix;

double Now() {
    LARGE_INTEGER frequency, counter;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&counter);
    return 1000.0 * static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

double PeakWorkingSetMiB() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof(counters));
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

void Check(bool ok, const char* what) {
    if (!ok) {
        std::fprintf(stderr, "failed: %s (error %lu)\n", what, GetLastError());
        ExitProcess(1);
    }
}

bool PutBlock(UINT format, std::size_t size, unsigned seed) {
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, size);
    if (block == nullptr) {
        return false;
    }
    auto* bytes = static_cast<std::uint8_t*>(GlobalLock(block));
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<std::uint8_t>(i * 31 + seed + (i >> 12));
    }
    GlobalUnlock(block);
    return SetClipboardData(format, block) != nullptr;
}

void Setup(HWND owner, std::size_t mib) {
    Check(OpenClipboard(owner), "OpenClipboard");
    EmptyClipboard();
    Check(PutBlock(RegisterClipboardFormatW(L"Tavrix Bench Data"), mib << 20, 1), "big block");
    const wchar_t text[] = L"Tavrix benchmark text";
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, sizeof(text));
    std::memcpy(GlobalLock(block), text, sizeof(text));
    GlobalUnlock(block);
    Check(SetClipboardData(CF_UNICODETEXT, block) != nullptr, "text");
    CloseClipboard();
}

void WriteAll(HANDLE file, const void* data, std::size_t size) {
    DWORD written = 0;
    Check(WriteFile(file, data, static_cast<DWORD>(size), &written, nullptr) && written == size,
          "WriteFile");
}

bool ReadAll(HANDLE file, void* data, std::size_t size) {
    DWORD read = 0;
    return ReadFile(file, data, static_cast<DWORD>(size), &read, nullptr) && read == size;
}

// Progress that counts as long at once and is shown nowhere: what a save pays for showing it.
class UnseenProgress : public ProgressDisplay {
public:
    std::uint32_t TickCount() override { return GetTickCount() + kProgressDelay * started_++; }
    void ShowProgress(FileTask, int) override { ++shown; }
    void EndProgress() override {}
    int shown = 0;

private:
    std::uint32_t started_ = 0;
};

// The same records as the program writes, with nothing but the system calls.
void SaveRaw(HWND owner, const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    Check(file != INVALID_HANDLE_VALUE, "CreateFileW");
    Check(OpenClipboard(owner), "OpenClipboard");
    for (UINT format = EnumClipboardFormats(0); format != 0;
         format = EnumClipboardFormats(format)) {
        HANDLE handle = GetClipboardData(format);
        if (handle == nullptr || format == CF_BITMAP || format == CF_ENHMETAFILE) {
            continue;
        }
        const void* data = GlobalLock(handle);
        if (data == nullptr) {
            continue;
        }
        const auto size = static_cast<std::uint32_t>(GlobalSize(handle));
        const RecordHeader header = EncodeRecordHeader(static_cast<ClipFormat>(format), size);
        WriteAll(file, header.data(), header.size());
        WriteAll(file, data, size);
        GlobalUnlock(handle);
    }
    CloseClipboard();
    CloseHandle(file);
}

void SaveRawReplacing(HWND owner, const std::wstring& path) {
    const std::wstring temporary = path + L".raw.tmp";
    SaveRaw(owner, temporary);
    Check(MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING), "MoveFileExW");
}

void LoadRaw(HWND owner, const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    Check(file != INVALID_HANDLE_VALUE, "CreateFileW");
    Check(OpenClipboard(owner), "OpenClipboard");
    EmptyClipboard();
    RecordHeader header;
    while (ReadAll(file, header.data(), header.size())) {
        const std::uint32_t size = DecodeRecordSize(header.data() + 2);
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size);
        Check(block != nullptr, "GlobalAlloc");
        Check(ReadAll(file, GlobalLock(block), size), "ReadFile");
        GlobalUnlock(block);
        SetClipboardData(DecodeRecordFormat(header.data()), block);
    }
    CloseClipboard();
    CloseHandle(file);
}

LONGLONG FileSize(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) {
        return -1;
    }
    return (static_cast<LONGLONG>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// One real save each at the size limit and just below it.
int Limit(HWND owner, const std::wstring& path) {
    int failures = 0;
    for (std::size_t size :
         {std::size_t{MaxSavedFormatSize} - 1, std::size_t{MaxSavedFormatSize}}) {
        Check(OpenClipboard(owner), "OpenClipboard");
        EmptyClipboard();
        const UINT format = RegisterClipboardFormatW(L"Tavrix Bench Limit");
        Check(PutBlock(format, size, 2), "limit block");
        CloseClipboard();
        Check(win32::SaveClipboardFile(ClipboardPort::Instance(), path), "save");
        // A saved block comes after the name table that names its registered format.
        const std::size_t table =
            kRecordHeaderSize +
            EncodeNameTable({{static_cast<ClipFormat>(format), L"Tavrix Bench Limit"}}).size();
        const LONGLONG expected =
            size < MaxSavedFormatSize ? static_cast<LONGLONG>(table + kRecordHeaderSize + size) : 0;
        const LONGLONG actual = FileSize(path);
        std::printf("block of %zu bytes: file of %lld bytes (expected %lld) %s\n", size, actual,
                    expected, actual == expected ? "ok" : "WRONG");
        failures += actual == expected ? 0 : 1;
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fputs("usage: clipfilebench setup <MiB> | "
                   "save-raw|save-raw-replace|save-tavrix|save-progress|"
                   "load-raw|"
                   "load-tavrix|"
                   "limit|start <path>\n",
                   stderr);
        return 2;
    }
    const std::wstring mode = argv[1];
    const std::wstring argument = argv[2];
    win32::ProgramModules modules(CommandLine({argv[0]}));
    try {
        win32::ClipboardOwnerWindow application;
        const HWND owner = application.Handle();
        modules.Clipboard().SetOwner(owner);
        const double start = Now();
        if (mode == L"start") {
            // Only the start-up, as every other mode has it.
        } else if (mode == L"setup") {
            Setup(owner, std::stoul(argument));
        } else if (mode == L"save-raw") {
            SaveRaw(owner, argument);
        } else if (mode == L"save-raw-replace") {
            SaveRawReplacing(owner, argument);
        } else if (mode == L"save-tavrix") {
            Check(win32::SaveClipboardFile(ClipboardPort::Instance(), argument), "save");
        } else if (mode == L"save-progress") {
            UnseenProgress progress;
            Check(win32::SaveClipboardFile(ClipboardPort::Instance(), argument, &progress) &&
                      progress.shown > 0,
                  "save");
        } else if (mode == L"save-steps") {
            // Where the time of a save goes: the temporary file, the records, the replacement.
            win32::Win32FileAccess files;
            auto file = files.CreateReplacement(argument);
            const double created = Now();
            Check(SaveClipboardToStream(ClipboardPort::Instance(), file->Stream(),
                                        MaxSavedFormatSize),
                  "save");
            const double written = Now();
            file->Commit();
            std::printf("steps: create %.1f ms, records %.1f ms, replace %.1f ms\n",
                        created - start, written - created, Now() - written);
        } else if (mode == L"load-raw") {
            LoadRaw(owner, argument);
        } else if (mode == L"load-tavrix") {
            win32::LoadClipboardFile(ClipboardPort::Instance(), argument);
        } else if (mode == L"limit") {
            return Limit(owner, argument);
        } else {
            return 2;
        }
        const double elapsed = Now() - start;
        std::printf("%ls %.1f ms, peak working set %.1f MiB\n", mode.c_str(), elapsed,
                    PeakWorkingSetMiB());
        return 0;
    } catch (const Error& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
}
