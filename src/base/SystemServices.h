#pragma once
// Small routines and process-wide flags shared by the whole program.
#include <cstdint>
#include <string>

namespace tavrix {

// Message box flags used by the program (same values as the platform's).
inline constexpr unsigned kIconError = 0x10;
inline constexpr unsigned kIconWarning = 0x30;
inline constexpr unsigned kIconInformation = 0x40;

struct VersionFlags {
    bool vistaOrLater = false;
    bool win7OrLater = false;
};
// Windows NT family (platform id 2): Vista is 6.0, Windows 7 is 6.1.
VersionFlags ComputeVersionFlags(unsigned platformId, unsigned major, unsigned minor);

// Start-up of the support module: the "DEBUG" switch, an empty log, the version flags.
void InitSystemServices(bool debugEnabled, VersionFlags flags);
bool IsVistaOrLater();
bool IsWin7OrLater();

// Message boxes with an empty title: text + "!" with the warning icon, text + "." with the
// information icon.
void ShowWarning(const std::wstring& text);
void ShowInfo(const std::wstring& text);

// The running executable's folder with its trailing backslash.
std::wstring ExecutableFolder();

std::wstring GetVersionInfoString(const std::wstring& fileName, const std::wstring& key);
std::wstring GetProductVersion();

void ProcessMessages();

} // namespace tavrix
