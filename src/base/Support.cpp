#include "base/Support.h"

#include "base/DebugLog.h"
#include "base/Error.h"
#include "base/SupportPlatform.h"
#include "base/UiText.h"

namespace tavrix {

namespace {
SupportPlatform* g_platform = nullptr;
VersionFlags g_versionFlags;
} // namespace

void InstallSupportPlatform(SupportPlatform* platform) {
    g_platform = platform;
}

SupportPlatform& CurrentSupportPlatform() {
    if (g_platform == nullptr) {
        throw Error(Tr(L"No support platform installed"));
    }
    return *g_platform;
}

bool SupportPlatformInstalled() {
    return g_platform != nullptr;
}

VersionFlags ComputeVersionFlags(unsigned platformId, unsigned major, unsigned minor) {
    VersionFlags flags;
    const bool nt = platformId == 2;
    flags.vistaOrLater = nt && major >= 6;
    flags.win7OrLater = nt && (major > 6 || (major == 6 && minor >= 1));
    return flags;
}

void InitSupport(bool debugEnabled, VersionFlags flags) {
    ResetDebugLog(debugEnabled);
    g_versionFlags = flags;
}

bool IsVistaOrLater() {
    return g_versionFlags.vistaOrLater;
}
bool IsWin7OrLater() {
    return g_versionFlags.win7OrLater;
}

void ShowWarning(const std::wstring& text) {
    CurrentSupportPlatform().ShowMessageBox(text + L"!", L"", kIconWarning);
}

void ShowInfo(const std::wstring& text) {
    CurrentSupportPlatform().ShowMessageBox(text + L".", L"", kIconInformation);
}

std::wstring ExecutableFolder() {
    std::wstring path = CurrentSupportPlatform().ExecutablePath();
    auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring GetVersionInfoString(const std::wstring& fileName, const std::wstring& key) {
    return CurrentSupportPlatform().VersionInfoString(fileName, key);
}

std::wstring GetProductVersion() {
    return GetVersionInfoString(CurrentSupportPlatform().ExecutablePath(), L"ProductVersion");
}

void WaitProcessingMessages(std::uint32_t milliseconds) {
    SupportPlatform& platform = CurrentSupportPlatform();
    const std::uint32_t start = platform.TickCount();
    // Unsigned difference: correct across the 49.7-day wrap of the tick count.
    while (static_cast<std::uint32_t>(platform.TickCount() - start) < milliseconds) {
        platform.SleepAlertable(10);
        platform.ProcessMessages();
    }
}

void ProcessMessages() {
    CurrentSupportPlatform().ProcessMessages();
}

} // namespace tavrix
