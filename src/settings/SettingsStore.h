#pragma once
// The settings store: named integers and booleans in the current user's registry key
// "SOFTWARE\Norvane\Tavrix", or in section "Main" of an INI file after UseIniFile. Every read
// names the default returned when the value is missing.
#include "settings/FormPlacement.h"
#include "settings/IniFile.h"
#include "settings/SettingsBackend.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tavrix {

class SettingsStore {
public:
    SettingsStore(std::unique_ptr<SettingsRegistry> registry, std::unique_ptr<SettingsFiles> files);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // Registry errors: "Invalid data type for '<name>'" (a value that is no 32-bit integer),
    // "Failed to get data for '<name>'" (longer than 4 bytes or unreadable). INI texts that are
    // no number read as the default.
    bool ReadBool(const std::wstring& name, bool defaultValue);
    std::int32_t ReadInteger(const std::wstring& name, std::int32_t defaultValue);
    // Registry: skipped when the key is read-only; "Failed to set data for '<name>'" when no key
    // is open or the write is refused. INI: "Unable to write to <path>".
    void WriteBool(const std::wstring& name, bool value);
    void WriteInteger(const std::wstring& name, std::int32_t value);

    // Switches to the INI file at path, or back to the registry when path is empty. The same
    // path again keeps the INI file object as it is.
    void UseIniFile(const std::wstring& path);
    bool UsesRegistry() const { return iniFile_ == nullptr; }
    const std::wstring& IniFileName() const { return iniFileName_; }
    const IniFile* CurrentIniFile() const { return iniFile_.get(); }
    bool IsReadOnly() const;

    // Placement under the names ClassName() + "Top", "Left", "Height", "Width" and "State".
    // Saving never fails: errors end it silently. Loading restores the last normal rectangle,
    // moves a window that would lie off every display onto the nearest one, then maximizes
    // when the window was closed maximized.
    void SaveFormPlacement(PlacementForm& form, bool positionOnly);
    void LoadFormPlacement(PlacementForm& form, bool positionOnly);
    static void CenterOnWorkArea(PlacementForm& form);

private:
    std::unique_ptr<SettingsRegistry> registry_;
    std::unique_ptr<SettingsFiles> files_;
    std::unique_ptr<IniFile> iniFile_;
    std::wstring iniFileName_;
};

// The program's one store, created at start-up before any window and released last.
SettingsStore& ProcessSettings();
bool HasProcessSettings();
// Takes ownership; nullptr releases the store.
void InstallProcessSettings(std::unique_ptr<SettingsStore> store);

} // namespace tavrix
