// tavrix-cl7 on POSIX systems: arguments and output in UTF-8.
#include "Cl7Tool.h"
#include "base/Unicode.h"
#include "clipboard/StdFileAccess.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

class Utf8Console : public tavrix::ToolConsole {
public:
    void Out(std::wstring_view line) override { Write(stdout, line); }
    void Err(std::wstring_view line) override {
        // What was listed before a fault comes before its message, also in one shared stream.
        std::fflush(stdout);
        Write(stderr, line);
    }

private:
    static void Write(std::FILE* to, std::wstring_view line) {
        const std::string text = tavrix::Utf8FromWide(line) + '\n';
        std::fwrite(text.data(), 1, text.size(), to);
    }
};

} // namespace

int main(int argc, char** argv) {
    std::vector<std::wstring> args;
    for (int i = 1; i < argc; ++i) {
        args.push_back(tavrix::WideFromUtf8(argv[i]));
    }
    tavrix::StdFileAccess files;
    Utf8Console console;
    const int status = tavrix::RunCl7Tool(args, files, console);
    return std::fflush(stdout) == 0 ? status : 1;
}
