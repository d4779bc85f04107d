#include "support/HelperProcess.h"

#include "support/MessagePump.h"

#include <gtest/gtest.h>

#include <utility>

namespace tavrix::test {

namespace {

std::wstring HelperPath() {
    wchar_t path[MAX_PATH];
    DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, length);
    folder.erase(folder.find_last_of(L"\\/") + 1);
    return folder + L"" TAVRIX_CLIPHELPER_NAME;
}

std::wstring Quoted(const std::wstring& argument) {
    return L"\"" + argument + L"\"";
}

} // namespace

HelperProcess::HelperProcess(const std::vector<std::wstring>& arguments) {
    SECURITY_ATTRIBUTES inherit{
        .nLength = sizeof(SECURITY_ATTRIBUTES),
        .lpSecurityDescriptor = nullptr,
        .bInheritHandle = TRUE,
    };
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0)) {
        ADD_FAILURE() << "CreatePipe failed";
        return;
    }
    output_.reset(readEnd);
    win32::UniqueHandle childEnd(writeEnd);
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);

    std::wstring commandLine = Quoted(HelperPath());
    for (const auto& argument : arguments) {
        commandLine += L" " + Quoted(argument);
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = childEnd.get();
    startup.hStdError = childEnd.get();
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS,
                        nullptr, nullptr, &startup, &info)) {
        ADD_FAILURE() << "cannot start the helper, error " << GetLastError();
        return;
    }
    CloseHandle(info.hThread);
    process_.reset(info.hProcess);
}

HelperProcess::~HelperProcess() {
    if (process_ && !WaitPumping(process_.get(), 15000)) {
        TerminateProcess(process_.get(), 3);
    }
}

// Reads what the pipe holds. The helper's end of the pipe may live on in processes that Wine
// starts on its behalf (the desktop process inherits it), so the end of the output is the end
// of the helper, not the end of the pipe. False when the helper ended and nothing is left.
bool HelperProcess::ReadSome() {
    while (output_) {
        DWORD available = 0;
        if (!PeekNamedPipe(output_.get(), nullptr, 0, nullptr, &available, nullptr)) {
            return false;
        }
        if (available > 0) {
            char buffer[512];
            DWORD read = 0;
            DWORD wanted = available < sizeof(buffer) ? available : sizeof(buffer);
            if (!ReadFile(output_.get(), buffer, wanted, &read, nullptr) || read == 0) {
                return false;
            }
            pending_.append(buffer, read);
            return true;
        }
        if (!process_ || WaitPumping(process_.get(), 10)) {
            // Ended: take what it wrote just before.
            PeekNamedPipe(output_.get(), nullptr, 0, nullptr, &available, nullptr);
            if (available == 0) {
                return false;
            }
        }
    }
    return false;
}

std::string HelperProcess::ReadLine() {
    while (true) {
        auto end = pending_.find('\n');
        if (end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        if (!ReadSome()) {
            return std::exchange(pending_, {});
        }
    }
}

std::string HelperProcess::RestOfOutput() {
    while (ReadSome()) {
    }
    return std::exchange(pending_, {});
}

int HelperProcess::Wait(DWORD milliseconds) {
    if (!process_ || !WaitPumping(process_.get(), milliseconds)) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return static_cast<int>(code);
}

std::string RunHelper(const std::vector<std::wstring>& arguments) {
    HelperProcess helper(arguments);
    std::string output = helper.RestOfOutput();
    EXPECT_EQ(helper.Wait(), 0) << output;
    return output;
}

std::wstring BytesHex(const std::vector<std::uint8_t>& bytes) {
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring hex;
    for (std::uint8_t b : bytes) {
        hex.push_back(digits[b >> 4]);
        hex.push_back(digits[b & 15]);
    }
    return hex;
}

std::wstring UnicodeTextHex(const std::wstring& text) {
    static const wchar_t digits[] = L"0123456789abcdef";
    std::wstring hex;
    for (wchar_t unit : text + L'\0') {
        auto value = static_cast<unsigned>(unit) & 0xFFFF;
        for (int shift : {4, 0, 12, 8}) { // little-endian: low byte first
            hex.push_back(digits[(value >> shift) & 0xF]);
        }
    }
    return hex;
}

} // namespace tavrix::test
