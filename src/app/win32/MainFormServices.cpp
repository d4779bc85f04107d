#include "app/win32/MainFormServices.h"

#include "app/win32/FileTypeRegistration.h"
#include "settings/SettingsStore.h"

#include <shellapi.h>

namespace tavrix::win32 {

MainFormServices ProgramMainFormServices() {
    return {
        .settings = ProcessSettings(),
        // No browser is no error.
        .openPage =
            [](const std::wstring& address) {
                ShellExecuteW(nullptr, nullptr, address.c_str(), nullptr, L"", SW_SHOWNORMAL);
            },
        .chooseFile = [](FileChoice choice, FileDialog& dialog,
                         HWND owner) -> std::optional<std::wstring> {
            return choice == FileChoice::Open ? dialog.ShowOpen(owner) : dialog.ShowSave(owner);
        },
        .reportError = ShowErrorBox,
        .firstStart = RunFirstStart,
        .tickCount = {},
        .logLine = {},
    };
}

} // namespace tavrix::win32
