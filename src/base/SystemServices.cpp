#include "base/SystemServices.h"

#include "base/DebugLog.h"
#include "base/Error.h"
#include "base/PortSlot.h"
#include "base/SystemPlatform.h"
#include "base/UiText.h"

namespace tavrix {

namespace {
constinit PortSlot<SystemPlatform> g_platform;
VersionFlags g_versionFlags;
} // namespace

void InstallSystemPlatform(SystemPlatform* platform) {
    g_platform.Install(platform);
}

SystemPlatform& CurrentSystemPlatform() {
    return g_platform.Get([] { return Tr(L"No support platform installed"); });
}

bool SystemPlatformInstalled() {
    return g_platform.Installed();
}

VersionFlags ComputeVersionFlags(unsigned platformId, unsigned major, unsigned minor) {
    VersionFlags flags;
    const bool nt = platformId == 2;
    flags.vistaOrLater = nt && major >= 6;
    flags.win7OrLater = nt && (major > 6 || (major == 6 && minor >= 1));
    return flags;
}

void InitSystemServices(bool debugEnabled, VersionFlags flags) {
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
    CurrentSystemPlatform().ShowMessageBox(text + L"!", L"", kIconWarning);
}

void ShowInfo(const std::wstring& text) {
    CurrentSystemPlatform().ShowMessageBox(text + L".", L"", kIconInformation);
}

std::wstring ExecutableFolder() {
    std::wstring path = CurrentSystemPlatform().ExecutablePath();
    auto slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring GetVersionInfoString(const std::wstring& fileName, const std::wstring& key) {
    return CurrentSystemPlatform().VersionInfoString(fileName, key);
}

std::wstring GetProductVersion() {
    return GetVersionInfoString(CurrentSystemPlatform().ExecutablePath(), L"ProductVersion");
}

void ProcessMessages() {
    CurrentSystemPlatform().ProcessMessages();
}

} // namespace tavrix
