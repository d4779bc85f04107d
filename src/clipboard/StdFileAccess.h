#pragma once
// File access through the standard library: used where the platform's own file functions are
// not at hand (unit tests, fuzzing, other platforms).
#include "clipboard/FileAccess.h"

namespace tavrix {

class StdFileAccess : public FileAccess {
public:
    bool IsExistingFile(const std::wstring& path) override;
    std::unique_ptr<DataStream> OpenForReading(const std::wstring& path) override;
    std::unique_ptr<ReplacementFile> CreateReplacement(const std::wstring& path) override;
};

} // namespace tavrix
