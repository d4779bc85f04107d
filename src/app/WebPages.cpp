#include "app/WebPages.h"

namespace tavrix {

std::wstring HelpPageAddress() {
    return std::wstring(kProductSite) + L"/windowsclipboard/";
}

std::wstring HomePageAddress() {
    return std::wstring(kProductSite) + L"/";
}

std::wstring OtherProductPageAddress(std::uint16_t languageId) {
    switch (languageId & 0xFF) {
    case 0x07: // German
        return std::wstring(kOtherProductSite) + L"/zwischenablage/";
    case 0x19: // Russian
        return std::wstring(kOtherProductSite) + L"/ru/";
    default:
        return std::wstring(kOtherProductSite) + L"/clipboard-history/";
    }
}

} // namespace tavrix
