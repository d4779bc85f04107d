// tavrix-cl7 on Windows: wide arguments; a console gets its lines as UTF-16 text, so every name
// shows whatever the console's code page, and a redirection or a pipe gets UTF-8.
#include "Cl7Tool.h"
#include "base/Unicode.h"
#include "clipboard/StdFileAccess.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

class Win32Console : public tavrix::ToolConsole {
public:
    void Out(std::wstring_view line) override { Write(STD_OUTPUT_HANDLE, line); }
    void Err(std::wstring_view line) override { Write(STD_ERROR_HANDLE, line); }

private:
    // The standard handles belong to the process, not to us: they are never closed here.
    static void Write(DWORD which, std::wstring_view line) {
        const HANDLE handle = GetStdHandle(which);
        if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
            return;
        }
        const std::wstring text = std::wstring(line) + L"\r\n";
        DWORD mode = 0, written = 0;
        if (GetConsoleMode(handle, &mode)) {
            WriteConsoleW(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
            return;
        }
        const std::string bytes = tavrix::Utf8FromWide(text);
        WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    }
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> args(argv + 1, argv + argc);
    tavrix::StdFileAccess files;
    Win32Console console;
    return tavrix::RunCl7Tool(args, files, console);
}
