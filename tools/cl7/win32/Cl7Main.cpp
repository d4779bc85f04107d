// tavrix-cl7 on Windows: wide arguments; a console gets its lines as UTF-16 text, so every name
// shows whatever the console's code page, and a redirection or a pipe gets UTF-8.
#include "Cl7Tool.h"
#include "base/Unicode.h"
#include "base/win32/SystemLibraries.h"
#include "clipboard/StdFileAccess.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

// One standard handle. Text for a file or a pipe is gathered and written in large pieces: a
// listing of many records would otherwise cost a system call per line.
class StandardStream {
public:
    explicit StandardStream(DWORD which) : handle_(GetStdHandle(which)) {
        DWORD mode = 0;
        console_ =
            handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE && GetConsoleMode(handle_, &mode);
    }
    ~StandardStream() { Flush(); }
    StandardStream(const StandardStream&) = delete;
    StandardStream& operator=(const StandardStream&) = delete;

    void Line(std::wstring_view line) {
        const std::wstring text = std::wstring(line) + L"\r\n";
        if (console_) {
            DWORD written = 0;
            WriteConsoleW(handle_, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
            return;
        }
        pending_ += tavrix::Utf8FromWide(text);
        if (pending_.size() >= 64 * 1024) {
            Flush();
        }
    }
    // The standard handles belong to the process: they are written, never closed here.
    void Flush() {
        DWORD written = 0;
        if (!pending_.empty() && handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
            WriteFile(handle_, pending_.data(), static_cast<DWORD>(pending_.size()), &written,
                      nullptr);
        }
        pending_.clear();
    }

private:
    HANDLE handle_;
    bool console_ = false;
    std::string pending_;
};

class Win32Console : public tavrix::ToolConsole {
public:
    void Out(std::wstring_view line) override { out_.Line(line); }
    void Err(std::wstring_view line) override {
        // What was listed before a fault comes before its message, also in one shared stream.
        out_.Flush();
        err_.Line(line);
        err_.Flush();
    }

private:
    StandardStream out_{STD_OUTPUT_HANDLE};
    StandardStream err_{STD_ERROR_HANDLE};
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    // It runs from the folder it was unpacked to, as the program beside it.
    tavrix::win32::RestrictLibrarySearchToSystem();
    std::vector<std::wstring> args(argv + 1, argv + argc);
    tavrix::StdFileAccess files;
    Win32Console console;
    return tavrix::RunCl7Tool(args, files, console);
}
