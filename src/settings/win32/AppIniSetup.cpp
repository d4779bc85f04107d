#include "settings/win32/AppIniSetup.h"

#include "base/Support.h"
#include "base/TextHelpers.h"
#include "settings/AppIni.h"
#include "settings/win32/Win32SettingsFiles.h"
#include "settings/win32/Win32SettingsRegistry.h"

namespace tavrix::win32 {

std::wstring BackupIniPath() {
    return JoinPath(ExecutableFolder(), L"Backup.ini");
}

void CreateAppIni(bool useIniFile) {
    auto store = std::make_unique<TAppIni>(std::make_unique<Win32SettingsRegistry>(),
                                           std::make_unique<Win32SettingsFiles>());
    if (useIniFile) {
        store->UseIniFile(BackupIniPath());
    }
    InstallAppIni(std::move(store));
}

void ReleaseAppIni() {
    InstallAppIni(nullptr);
}

} // namespace tavrix::win32
