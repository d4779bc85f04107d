#pragma once
// The common open and save dialogs. Filters are written as one string of description and
// pattern pairs separated by "|" ("Text (*.txt)|*.txt|All files (*.*)|*.*").
#include <windows.h>

#include <optional>
#include <string>

namespace tavrix::win32 {

struct FileDialogOptions {
    std::wstring filter;
    int filterIndex = 1; // 1-based, the first pair preselected
    bool mustExist = false;
    bool promptOverwrite = false;
    std::wstring defaultExtension; // empty: none added
};

class FileDialog {
public:
    explicit FileDialog(FileDialogOptions options) : options_(std::move(options)) {}

    // Shows the dialog; the chosen name, or nothing when the user cancels.
    std::optional<std::wstring> ShowOpen(HWND owner);
    std::optional<std::wstring> ShowSave(HWND owner);

    // The name proposed next time (the last chosen one, or what the caller sets).
    const std::wstring& FileName() const { return fileName_; }
    void SetFileName(std::wstring name) { fileName_ = std::move(name); }

    // "a|b|c|d" as the platform wants it: "a\0b\0c\0d\0\0".
    static std::wstring PlatformFilter(const std::wstring& filter);

private:
    std::optional<std::wstring> Show(HWND owner, bool save);

    FileDialogOptions options_;
    std::wstring fileName_;
};

} // namespace tavrix::win32
