#pragma once
// The main window's road to the settings store. Before the store is installed (tests of the
// window alone) values live in memory for the run, so the window works the same way.
#include <windows.h>

#include <cstdint>
#include <string>

namespace tavrix::win32 {

bool ReadBoolSetting(const std::wstring& name, bool defaultValue);
std::int32_t ReadIntegerSetting(const std::wstring& name, std::int32_t defaultValue);
void WriteBoolSetting(const std::wstring& name, bool value);
void WriteIntegerSetting(const std::wstring& name, std::int32_t value);
// Forgets the values kept in memory, so that the next window starts from the defaults.
void ForgetMemorySettings();
// Full placement (position, size, state) under the names "TMainForm" + "Top" and so on.
void SaveMainFormPlacement(HWND window);
void LoadMainFormPlacement(HWND window);

} // namespace tavrix::win32
