#include "app/FirstStart.h"

#include "app/WebPages.h"
#include "base/SwallowedErrors.h"

#include <exception>

namespace tavrix {

std::vector<FileTypeValue> FileTypeValues(std::wstring extension, const std::wstring& typeName,
                                          std::wstring description, const std::wstring& iconIndex,
                                          const std::wstring& programPath) {
    if (extension.empty() || typeName.empty() || programPath.empty()) {
        return {};
    }
    if (extension.front() != L'.') {
        extension.insert(0, 1, L'.');
    }
    if (description.empty()) {
        description = typeName;
    }
    return {
        {.key = extension, .value = typeName},
        {.key = typeName, .value = description},
        {.key = typeName + L"\\DefaultIcon", .value = programPath + L", " + iconIndex},
        {.key = typeName + L"\\Shell\\Open\\Command", .value = L"\"" + programPath + L"\" \"%1\""},
    };
}

bool PathBeginsWith(const std::wstring& path, const std::wstring& prefix) {
    return !prefix.empty() && path.compare(0, prefix.size(), prefix) == 0;
}

void RunFirstStartStep(SettingsStore& settings, FirstStartPlatform& platform) {
    if (settings.ReadBool(L"FirstStarted", false)) {
        return;
    }
    settings.WriteBool(L"FirstStarted", true);
    const std::wstring program = platform.ExecutablePath();
    try {
        platform.RegisterFileType(L"cl7", L"ClipboardFile", L"Tavrix file", L"0", program);
    } catch (const std::exception&) {
        LogSwallowed(L"RunFirstStartStep");
        // Without the rights to the file-type part of the registry the program works as well.
    }
    if (PathBeginsWith(program, platform.GetSpecialFolderPath(kCsidlProgramFiles))) {
        return;
    }
    platform.OpenWebPage(HelpPageAddress());
    platform.Wait(kWaitAfterHelpPage);
}

} // namespace tavrix
