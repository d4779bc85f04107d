#include "settings/win32/SettingsStoreSetup.h"

#include "base/SystemServices.h"
#include "base/TextHelpers.h"
#include "settings/SettingsStore.h"
#include "settings/win32/Win32SettingsFiles.h"
#include "settings/win32/Win32SettingsRegistry.h"

namespace tavrix::win32 {

std::wstring BackupIniPath() {
    return JoinPath(ExecutableFolder(), L"Backup.ini");
}

void CreateSettingsStore(bool useIniFile) {
    auto store = std::make_unique<SettingsStore>(std::make_unique<Win32SettingsRegistry>(),
                                                 std::make_unique<Win32SettingsFiles>());
    if (useIniFile) {
        store->UseIniFile(BackupIniPath());
    }
    InstallProcessSettings(std::move(store));
}

void ReleaseProcessSettings() {
    InstallProcessSettings(nullptr);
}

} // namespace tavrix::win32
