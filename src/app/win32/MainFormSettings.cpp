#include "app/win32/MainFormSettings.h"

#include "settings/AppIni.h"
#include "settings/win32/Win32PlacementForm.h"

#include <map>

namespace tavrix::win32 {

namespace {
std::map<std::wstring, std::int32_t>& MemoryValues() {
    static std::map<std::wstring, std::int32_t> values;
    return values;
}
} // namespace

bool ReadBoolSetting(const std::wstring& name, bool defaultValue) {
    if (HasAppIni()) {
        return AppIni().ReadBool(name, defaultValue);
    }
    auto it = MemoryValues().find(name);
    return it == MemoryValues().end() ? defaultValue : it->second != 0;
}

std::int32_t ReadIntegerSetting(const std::wstring& name, std::int32_t defaultValue) {
    if (HasAppIni()) {
        return AppIni().ReadInteger(name, defaultValue);
    }
    auto it = MemoryValues().find(name);
    return it == MemoryValues().end() ? defaultValue : it->second;
}

void WriteBoolSetting(const std::wstring& name, bool value) {
    if (HasAppIni()) {
        AppIni().WriteBool(name, value);
        return;
    }
    MemoryValues()[name] = value ? 1 : 0;
}

void WriteIntegerSetting(const std::wstring& name, std::int32_t value) {
    if (HasAppIni()) {
        AppIni().WriteInteger(name, value);
        return;
    }
    MemoryValues()[name] = value;
}

void ForgetMemorySettings() {
    MemoryValues().clear();
}

void SaveMainFormPlacement(HWND window) {
    if (HasAppIni()) {
        Win32PlacementForm form(window, L"TMainForm");
        AppIni().SaveFormPlacement(form, false);
    }
}

void LoadMainFormPlacement(HWND window) {
    if (HasAppIni()) {
        Win32PlacementForm form(window, L"TMainForm");
        AppIni().LoadFormPlacement(form, false);
    }
}

} // namespace tavrix::win32
