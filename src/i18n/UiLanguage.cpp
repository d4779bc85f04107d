#include "i18n/UiLanguage.h"

namespace tavrix {

namespace {
UiLanguageSource* g_source = nullptr;
}

void InstallUiLanguageSource(UiLanguageSource* source) {
    g_source = source;
}

std::uint16_t CurrentUiLanguage() {
    return g_source != nullptr ? g_source->UserDefaultUILanguage() : kLanguageEnglishUS;
}

} // namespace tavrix
