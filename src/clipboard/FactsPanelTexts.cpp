#include "clipboard/FactsPanelTexts.h"

#include <cwchar>

namespace tavrix {

namespace {
constexpr wchar_t kSeparator[] = L" \u00B7 ";
}

std::wstring FormatPanelText(ClipFormat format, const std::wstring& fact) {
    wchar_t hex[8];
    std::swprintf(hex, std::size(hex), L"%04X", static_cast<unsigned>(format));
    std::wstring text = L"Format " + std::to_wstring(format) + L" (0x" + hex + L")";
    if (!fact.empty()) {
        text += kSeparator + fact;
    }
    return text;
}

std::wstring ProcessText(const ClipboardProcess& process) {
    const std::wstring pid = L"pid " + std::to_wstring(process.processId);
    return process.exeName.empty() ? pid : process.exeName + L" (" + pid + L")";
}

std::wstring PreviewPanelText(const std::optional<ClipboardProcess>& owner, std::uint32_t sequence,
                              const ClipboardPrivacy& privacy) {
    std::wstring text = L"Owner: " + (owner ? ProcessText(*owner) : std::wstring(L"none"));
    text += kSeparator + (L"#" + std::to_wstring(sequence));
    if (privacy.excludedFromHistory) {
        text += kSeparator + std::wstring(L"Excluded from clipboard history");
    }
    if (privacy.notForCloud) {
        text += kSeparator + std::wstring(L"Not for the cloud clipboard");
    }
    return text;
}

std::wstring CannotOpenClipboardText(const std::optional<ClipboardProcess>& holder) {
    std::wstring text = L"Cannot open clipboard";
    if (holder) {
        text += L"\r\nHeld by " + ProcessText(*holder);
    }
    return text;
}

std::wstring ClipboardHeldText(const std::optional<ClipboardProcess>& holder) {
    return L"Clipboard held by " + (holder ? ProcessText(*holder) : L"another program");
}

} // namespace tavrix
