#pragma once
// The first start with a settings store: register the ".cl7" clipboard file type with the
// shell and, for a copy that does not run from the program-files folder, open the help page.
#include "settings/SettingsStore.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrix {

// One key under HKEY_CLASSES_ROOT and the text of its default value.
struct FileTypeValue {
    std::wstring key;
    std::wstring value;
    friend bool operator==(const FileTypeValue&, const FileTypeValue&) = default;
};

// The four keys of a file type, in the order they are written: the extension (with a leading
// "."), the type name, its DefaultIcon and its Shell\Open\Command. The command quotes the
// program path and the file name, so neither blanks in either path nor a "C:\Program.exe" can
// start something else. Empty when the extension, the type name or the program is empty; an
// empty description becomes the type name.
std::vector<FileTypeValue> FileTypeValues(std::wstring extension, const std::wstring& typeName,
                                          std::wstring description, const std::wstring& iconIndex,
                                          const std::wstring& programPath);

// A plain, case-sensitive comparison of the first characters; an empty prefix never matches.
bool PathBeginsWith(const std::wstring& path, const std::wstring& prefix);

inline constexpr int kCsidlProgramFiles = 38;
inline constexpr std::uint32_t kWaitAfterHelpPage = 1000;

class FirstStartPlatform {
public:
    virtual ~FirstStartPlatform() = default;
    virtual std::wstring ExecutablePath() = 0;
    // Errors propagate; the first-start step swallows them.
    virtual void RegisterFileType(const std::wstring& extension, const std::wstring& typeName,
                                  const std::wstring& description, const std::wstring& iconIndex,
                                  const std::wstring& programPath) = 0;
    // The file-system path of a special folder; empty when the system has none.
    virtual std::wstring GetSpecialFolderPath(int csidl) = 0;
    // Failures are ignored.
    virtual void OpenWebPage(const std::wstring& address) = 0;
    // Sleeps without handling window messages.
    virtual void Wait(std::uint32_t milliseconds) = 0;
};

// Runs once per settings store: "FirstStarted" is written before the registration, so a
// registration that fails is not tried again. A failed write of that flag goes to the caller.
void RunFirstStartStep(SettingsStore& settings, FirstStartPlatform& platform);

} // namespace tavrix
