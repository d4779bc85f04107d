#pragma once
// The test helper program (cliphelper.exe, beside the test executable) as a second process:
// "another program" that holds, sets or lists the clipboard.
#include "base/win32/KernelHandles.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tavrix::test {

class HelperProcess {
public:
    // Starts cliphelper with the given arguments, its output on a pipe.
    explicit HelperProcess(const std::vector<std::wstring>& arguments);
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;

    // Reads output until a whole line arrives; empty when the helper ended first.
    std::string ReadLine();
    // Waits for the helper to end and returns its exit code (-1 when it did not end in time).
    int Wait(DWORD milliseconds = 15000);
    // Everything the helper printed that ReadLine has not taken yet, read to its end.
    std::string RestOfOutput();

private:
    bool ReadSome();

    win32::UniqueHandle process_;
    win32::UniqueHandle output_;
    std::string pending_;
};

// Runs cliphelper to its end; returns its output. Fails the current test when it exits non-zero.
std::string RunHelper(const std::vector<std::wstring>& arguments);

// A Unicode text as the hex digits of its UTF-16 code units, with the terminating zero: the
// argument cliphelper's "set" takes for format 13.
std::wstring UnicodeTextHex(const std::wstring& text);
// Bytes as the hex digits "set" takes for any format.
std::wstring BytesHex(const std::vector<std::uint8_t>& bytes);

// The helper's file name, as another process sees it in the process list.
inline constexpr wchar_t kHelperExe[] = L"" TAVRIX_CLIPHELPER_NAME;

} // namespace tavrix::test
