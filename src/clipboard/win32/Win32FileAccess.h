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

// Removes the temporary files of replacements that are not finished (a save stuck in another
// program's rendering, at a script's time-out): the file being replaced stays as it was. Each is
// gone once the process lets go of it.
void DiscardUnfinishedReplacements();

} // namespace tavrix::win32
