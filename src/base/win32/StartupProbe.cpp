#include "base/win32/StartupProbe.h"

#include "base/win32/KernelHandles.h"

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace tavrix::win32 {

namespace {

std::uint64_t Ticks(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

} // namespace

void MarkStartupStage(const char* stage) {
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    wchar_t path[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"TAVRIX_STARTUP_PROBE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return;
    }
    FILETIME created{}, exited{}, kernel{}, user{};
    if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user)) {
        return;
    }
    // File times count 100-nanosecond steps.
    const double elapsed = static_cast<double>(Ticks(now) - Ticks(created)) / 10000.0;
    char line[128] = {};
    const int size = std::snprintf(line, sizeof line, "%s %.1f\r\n", stage, elapsed);
    UniqueFile file(CreateFileW(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    // Also to the debugger, so that the stage shows in line with a library-load trace.
    OutputDebugStringA(line);
    if (file && size > 0) {
        DWORD written = 0;
        WriteFile(file.get(), line, static_cast<DWORD>(size), &written, nullptr);
    }
}

} // namespace tavrix::win32
