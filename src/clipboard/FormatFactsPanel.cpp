#include "clipboard/FormatFactsPanel.h"

#include "base/SwallowedErrors.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FactsPanelTexts.h"

#include <algorithm>
#include <exception>

namespace tavrix {

std::wstring FormatFactsPanel::FormatText(ClipFormat format) {
    ClipboardBackend& backend = port_.Backend();
    const std::wstring name =
        format >= cf::FirstRegistered ? backend.RegisteredFormatName(format) : std::wstring();
    std::wstring fact;
    if (HasFormatFact(format, name)) {
        try {
            port_.ReadData(format, [&](std::span<const std::uint8_t> block) {
                fact = FormatFact(format, name, block, localeName_);
            });
        } catch (const std::exception&) {
            LogSwallowed(L"FormatFactsPanel::FormatText");
            // Held or gone since the list was made: the number alone.
        }
    }
    return FormatPanelText(format, fact);
}

ClipFormat FormatFactsPanel::Registered(const wchar_t* name, ClipFormat& cached) {
    if (cached == 0) {
        cached = port_.Backend().RegisterFormat(name);
    }
    return cached;
}

namespace {
bool IsListed(ClipFormat format, std::span<const ClipFormat> listed) {
    return format != 0 && std::find(listed.begin(), listed.end(), format) != listed.end();
}
} // namespace

bool FormatFactsPanel::FlagIsZero(ClipFormat format, std::span<const ClipFormat> listed) {
    if (!IsListed(format, listed)) {
        return false;
    }
    bool zero = false;
    try {
        port_.ReadData(format, [&zero](std::span<const std::uint8_t> block) {
            const auto flag = ReadBlockDword(block);
            zero = flag && *flag == 0;
        });
    } catch (const std::exception&) {
        LogSwallowed(L"FormatFactsPanel::FlagIsZero");
        // Unread flags say nothing.
    }
    return zero;
}

std::wstring FormatFactsPanel::PreviewText(std::span<const ClipFormat> listed) {
    ClipboardBackend& backend = port_.Backend();
    ClipboardPrivacy privacy;
    privacy.excludedFromHistory =
        IsListed(Registered(L"ExcludeClipboardContentFromMonitorProcessing", excludeFormat_),
                 listed) ||
        FlagIsZero(Registered(L"CanIncludeInClipboardHistory", historyFormat_), listed);
    privacy.notForCloud =
        FlagIsZero(Registered(L"CanUploadToCloudClipboard", cloudFormat_), listed);
    return PreviewPanelText(backend.OwnerProcess(), backend.SequenceNumber(), privacy);
}

std::wstring FormatFactsPanel::HeldText() {
    return ClipboardHeldText(port_.Backend().HolderProcess());
}

} // namespace tavrix
