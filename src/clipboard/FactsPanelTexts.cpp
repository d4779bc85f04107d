#include "clipboard/FactsPanelTexts.h"
#include "base/UiText.h"

#include <cwchar>

namespace tavrix {

namespace {
constexpr wchar_t kSeparator[] = L" \u00B7 ";
}

std::wstring FormatPanelText(ClipFormat format, const std::wstring& fact) {
    wchar_t hex[8];
    std::swprintf(hex, std::size(hex), L"%04X", static_cast<unsigned>(format));
    std::wstring text = Tr(L"Format %1 (0x%2)", {std::to_wstring(format), hex});
    if (!fact.empty()) {
        text += kSeparator + fact;
    }
    return text;
}

std::wstring ProcessText(const ClipboardProcess& process) {
    const std::wstring pid = Tr(L"pid %1", {std::to_wstring(process.processId)});
    return process.exeName.empty() ? pid : process.exeName + L" (" + pid + L")";
}

std::wstring PreviewPanelText(const std::optional<ClipboardProcess>& owner, std::uint32_t sequence,
                              const ClipboardPrivacy& privacy) {
    std::wstring text = Tr(L"Owner: %1", {owner ? ProcessText(*owner) : Tr(L"none")});
    text += kSeparator + (L"#" + std::to_wstring(sequence));
    if (privacy.excludedFromHistory) {
        text += kSeparator + Tr(L"Excluded from clipboard history");
    }
    if (privacy.notForCloud) {
        text += kSeparator + Tr(L"Not for the cloud clipboard");
    }
    return text;
}

std::wstring CannotOpenClipboardText(const std::optional<ClipboardProcess>& holder) {
    std::wstring text = Tr(L"Cannot open clipboard");
    if (holder) {
        text += L"\r\n" + Tr(L"Held by %1", {ProcessText(*holder)});
    }
    return text;
}

std::wstring ClipboardHeldText(const std::optional<ClipboardProcess>& holder) {
    return Tr(L"Clipboard held by %1", {holder ? ProcessText(*holder) : Tr(L"another program")});
}

} // namespace tavrix
