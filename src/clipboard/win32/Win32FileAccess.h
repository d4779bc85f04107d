#pragma once
// Clipboard files over kernel32: files opened for reading keep other writers out, and a saved
// file replaces its target in one step (MoveFileExW), so a failed save leaves the old file.
#include "clipboard/FileAccess.h"

namespace tavrix::win32 {

class Win32FileAccess : public FileAccess {
public:
    bool IsExistingFile(const std::wstring& path) override;
    std::unique_ptr<DataStream> OpenForReading(const std::wstring& path) override;
    std::unique_ptr<ReplacementFile> CreateReplacement(const std::wstring& path) override;
};

} // namespace tavrix::win32
