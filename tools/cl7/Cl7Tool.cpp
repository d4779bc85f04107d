#include "Cl7Tool.h"

#include "Cl7Commands.h"
#include "Cl7Diff.h"
#include "Cl7Find.h"
#include "ToolErrors.h"
#include "base/Error.h"

#include <exception>

namespace tavrix {

namespace {

constexpr wchar_t kUsage[] =
    L"Usage: tavrix-cl7 list FILE | extract FILE FORMAT OUT | check FILE | find FILE PATTERN "
    L"[--hex] [--icase] [--encoding utf8|utf16|both] [--format N|NAME] | diff A B [--brief]";

std::unique_ptr<DataStream> OpenClipboardFile(FileAccess& files, const std::wstring& name) {
    if (!files.IsExistingFile(name)) {
        throw Error(FileErrorText(L"Cannot open file \"%1\".", name, L"No such file."));
    }
    return files.OpenForReading(name);
}

int Run(std::span<const std::wstring> args, FileAccess& files, ToolConsole& console) {
    const std::wstring command = args.empty() ? std::wstring{} : args[0];
    if (command == L"list" && args.size() == 2) {
        return ListRecords(*OpenClipboardFile(files, args[1]), console);
    }
    if (command == L"check" && args.size() == 2) {
        return CheckFile(*OpenClipboardFile(files, args[1]), console);
    }
    if (command == L"extract" && args.size() == 4) {
        return ExtractRecord(*OpenClipboardFile(files, args[1]), args[2], files, args[3], console);
    }
    if (command == L"find") {
        if (const auto status = FindInFile(args.subspan(1), files, console)) {
            return *status;
        }
    }
    if (command == L"diff") {
        if (const auto status = DiffFiles(args.subspan(1), files, console)) {
            return *status;
        }
    }
    console.Err(kUsage);
    return 2;
}

} // namespace

int RunCl7Tool(std::span<const std::wstring> args, FileAccess& files, ToolConsole& console) {
    return RunReportingErrors(console, 1, [&] { return Run(args, files, console); });
}

} // namespace tavrix
