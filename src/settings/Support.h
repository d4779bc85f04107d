#pragma once
// Small routines and process-wide flags shared by the whole program.
#include <cstdint>
#include <string>
#include <vector>

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
void InitSupport(bool debugEnabled, VersionFlags flags);
bool DebugEnabled();
bool IsVistaOrLater();
bool IsWin7OrLater();

double DpiFactor();
int ScaleByDpi(int count);
// The scaling rule itself: unchanged at 96 pixels per inch, otherwise rounded half to even.
int ScaleByDpi(int count, int pixelsPerInch);

// text followed by blanks, cut to exactly width characters (empty for width <= 0).
std::wstring PadRight(const std::wstring& text, int width);

// Message boxes with an empty title: text + "!" with the warning icon, text + "." with the
// information icon.
void ShowWarning(const std::wstring& text);
void ShowInfo(const std::wstring& text);

// folder + "\" + name, without doubling a trailing backslash.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& fileName);
std::wstring ExecutableFolder();

std::wstring GetVersionInfoString(const std::wstring& fileName, const std::wstring& key);
std::wstring GetProductVersion();

// Waits at least milliseconds while handling window messages, so the program stays responsive.
void WaitProcessingMessages(std::uint32_t milliseconds);
void ProcessMessages();

// With the "DEBUG" switch: adds a dated line and rewrites "Log.txt" beside the executable with
// all lines of this run.
void DebugLog(const std::wstring& text);
const std::vector<std::wstring>& LogLines();

} // namespace tavrix
