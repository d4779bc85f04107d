#include "app/win32/ModuleInit.h"

#include "base/SystemServices.h"
#include "base/win32/Win32SystemPlatform.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/RegisteredFormats.h"
#include "clipboard/win32/Win32ClipboardBackend.h"
#include "i18n/Translate.h"
#include "i18n/win32/Win32UiLanguage.h"
#include "settings/win32/SettingsStoreSetup.h"
#include "viewer/win32/Win32CodepageSystem.h"

#include <memory>

namespace tavrix::win32 {

namespace {
std::unique_ptr<Win32SystemPlatform> g_systemPlatform;
std::unique_ptr<Win32ClipboardBackend> g_clipboard;
} // namespace

ProgramModules::ProgramModules(const CommandLine& commandLine) {
    // 1. Constants: nothing to do.
    // 2. System services module: the "DEBUG" switch, the log, the start-up format registrations and
    // the
    //    Windows version flags.
    // The texts follow the display language from the first one on.
    InstallWin32UiLanguage();
    InstallTableTranslation();
    g_systemPlatform = std::make_unique<Win32SystemPlatform>();
    InstallSystemPlatform(g_systemPlatform.get());
    g_clipboard = std::make_unique<Win32ClipboardBackend>();
    unsigned platformId = 0, major = 0, minor = 0;
    GetReportedVersion(platformId, major, minor);
    InitSystemServices(commandLine.HasSwitch(L"DEBUG"),
                       ComputeVersionFlags(platformId, major, minor));
    RegisterStartupFormats(*g_clipboard);
    ClipboardPort::Install(*g_clipboard);
    // The viewer's table of available encodings, built once before any window exists.
    InitViewerTextSupport();
    // 3. Settings module: the settings store ProcessSettings ("INIFILE" switches it to Backup.ini).
    CreateSettingsStore(commandLine.HasSwitch(L"INIFILE"));
    // 4. Clipboard engine module: nothing to do.
}

ProgramModules::~ProgramModules() {
    // Reverse order; the support module goes last but for the settings store, which lives
    // for the whole run.
    InstallSystemPlatform(nullptr);
    g_systemPlatform.reset();
    ReleaseProcessSettings();
}

Win32ClipboardBackend& ProgramModules::Clipboard() {
    return *g_clipboard;
}

} // namespace tavrix::win32
