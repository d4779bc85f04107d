#pragma once
// The display language from the platform.
#include "i18n/UiLanguage.h"

namespace tavrix::win32 {

class Win32UiLanguage : public UiLanguageSource {
public:
    std::uint16_t UserDefaultUILanguage() override;
};

// Installs one process-wide adapter; the program calls it once at start-up.
void InstallWin32UiLanguage();

} // namespace tavrix::win32
