#include "clipboard/FormatInspector.h"

#include "clipboard/ClipboardPort.h"
#include "clipboard/InspectorTexts.h"

#include <exception>

namespace tavrix {

std::wstring FormatInspector::FormatText(ClipFormat format) {
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
            // Held or gone since the list was made: the number alone.
        }
    }
    return FormatPanelText(format, fact);
}

ClipFormat FormatInspector::Registered(const wchar_t* name, ClipFormat& cached) {
    if (cached == 0) {
        cached = port_.Backend().RegisterFormat(name);
    }
    return cached;
}

bool FormatInspector::FlagIsZero(ClipFormat format) {
    if (format == 0 || !port_.Backend().IsFormatAvailable(format)) {
        return false;
    }
    bool zero = false;
    try {
        port_.ReadData(format, [&zero](std::span<const std::uint8_t> block) {
            const auto flag = ReadBlockDword(block);
            zero = flag && *flag == 0;
        });
    } catch (const std::exception&) {
        // Unread flags say nothing.
    }
    return zero;
}

std::wstring FormatInspector::PreviewText() {
    ClipboardBackend& backend = port_.Backend();
    const ClipFormat exclude =
        Registered(L"ExcludeClipboardContentFromMonitorProcessing", excludeFormat_);
    ClipboardPrivacy privacy;
    privacy.excludedFromHistory =
        (exclude != 0 && backend.IsFormatAvailable(exclude)) ||
        FlagIsZero(Registered(L"CanIncludeInClipboardHistory", historyFormat_));
    privacy.notForCloud = FlagIsZero(Registered(L"CanUploadToCloudClipboard", cloudFormat_));
    return PreviewPanelText(backend.OwnerProcess(), backend.SequenceNumber(), privacy);
}

std::wstring FormatInspector::HeldText() {
    return ClipboardHeldText(port_.Backend().HolderProcess());
}

} // namespace tavrix
