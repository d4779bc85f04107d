#pragma once
// Creation of the program's settings store at start-up.
#include <string>

namespace tavrix::win32 {

// The store over the current user's settings key; with useIniFile, switched to "Backup.ini" in
// the executable's folder. The key is opened (and created) in both cases.
void CreateSettingsStore(bool useIniFile);
void ReleaseProcessSettings();

// Where "INIFILE" puts the settings.
std::wstring BackupIniPath();

} // namespace tavrix::win32
