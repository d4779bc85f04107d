#include "app/win32/FileComparison.h"

#include "base/UiText.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardFileComparison.h"
#include "clipboard/FormatListEntry.h"
#include "clipboard/win32/Win32FileAccess.h"

namespace tavrix::win32 {

namespace {

std::wstring FileNameOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::wstring OnlyInFileText(const ClipboardFileComparison& result, const std::wstring& path,
                            const ClipboardEngine& engine) {
    if (result.onlyInFile.empty()) {
        return Tr(L"Nothing is only in %1.", {FileNameOf(path)});
    }
    std::wstring names;
    for (const ComparedFormat& format : result.onlyInFile) {
        std::wstring name = format.name.empty() ? engine.GetFormatName(format.format) : format.name;
        if (name.empty()) {
            name = std::to_wstring(format.format);
        }
        names += (names.empty() ? L"" : L", ") + name;
    }
    return Tr(L"Only in %1: %2", {FileNameOf(path), names});
}

} // namespace

FileComparison::FileComparison(ReaderRunner run, MainFormServices::FileChooser choose,
                               CommandBar& commands, FormatTree& tree, StatusBar& status)
    : run_(std::move(run)), choose_(std::move(choose)), commands_(commands), tree_(tree),
      status_(status), dialog_({.filter = Tr(L"Clipboard file") + L" (*.cl7)|*.cl7|" +
                                          Tr(L"All files") + L" (*.*)|*.*",
                                .filterIndex = 1,
                                .mustExist = true,
                                .promptOverwrite = false,
                                .defaultExtension = L""}) {}

void FileComparison::Run(HWND owner, const ClipboardEngine& engine) {
    const std::vector<std::wstring>& entries = engine.FormatList();
    if (marking_) {
        for (std::size_t k = 0; k < entries.size(); ++k) {
            tree_.SetNodeText(static_cast<int>(k) + 1, FormatNodeText(entries[k]));
        }
        Forget();
        ShowFacts();
        return;
    }
    const std::optional<std::wstring> path = choose_(FileChoice::Open, dialog_, owner);
    if (!path) {
        return;
    }
    auto result = std::make_shared<ClipboardFileComparison>();
    run_(
        [path = *path, result](ClipboardPort& clipboard) {
            Win32FileAccess files;
            const auto file = files.OpenForReading(path);
            *result = CompareClipboardWithFile(clipboard, *file, path);
        },
        [this, result, path = *path, &engine] { Mark(*result, path, engine); });
}

void FileComparison::Mark(const ClipboardFileComparison& result, const std::wstring& path,
                          const ClipboardEngine& engine) {
    const std::vector<std::wstring>& entries = engine.FormatList();
    // Node k + 1 shows entry k ("Preview" comes first and is no format).
    for (std::size_t k = 0; k < entries.size(); ++k) {
        const auto mark = result.marks.find(FormatOfEntry(entries[k]));
        if (mark != result.marks.end()) {
            tree_.SetNodeText(static_cast<int>(k) + 1, std::wstring(MarkText(mark->second)) + L" " +
                                                           FormatNodeText(entries[k]));
        }
    }
    note_ = OnlyInFileText(result, path, engine);
    marking_ = true;
    commands_.ActionById(CommandId(MainCommand::CompareWithFile)).SetChecked(true);
    facts_ = status_.Facts();
    ShowFacts();
}

void FileComparison::Forget() {
    if (marking_) {
        marking_ = false;
        note_.clear();
        commands_.ActionById(CommandId(MainCommand::CompareWithFile)).SetChecked(false);
    }
}

std::wstring FileComparison::Facts(const std::wstring& facts) {
    facts_ = facts;
    return marking_ ? note_ + L"  " + facts : facts;
}

void FileComparison::ShowFacts() {
    status_.SetFacts(Facts(facts_));
}

} // namespace tavrix::win32
