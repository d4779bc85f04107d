#include "i18n/win32/Win32UiLanguage.h"

#include <windows.h>

namespace tavrix::win32 {

std::uint16_t Win32UiLanguage::UserDefaultUILanguage() {
    return GetUserDefaultUILanguage();
}

void InstallWin32UiLanguage() {
    static Win32UiLanguage language;
    InstallUiLanguageSource(&language);
}

} // namespace tavrix::win32
