#pragma once
// Where the translation learns the user's display language. The Win32 program installs an
// adapter over GetUserDefaultUILanguage; without one the language is U.S. English.
#include <cstdint>

namespace tavrix {

inline constexpr std::uint16_t kLanguageEnglishUS = 0x0409;

class UiLanguageSource {
public:
    virtual ~UiLanguageSource() = default;
    // The user's display language as a Windows language identifier.
    virtual std::uint16_t UserDefaultUILanguage() = 0;
};

// nullptr goes back to U.S. English.
void InstallUiLanguageSource(UiLanguageSource* source);
std::uint16_t CurrentUiLanguage();

} // namespace tavrix
