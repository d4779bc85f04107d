#pragma once
// The facts panel of the status bar: for a format its number and what its data says, for the
// whole clipboard its owner, its change count and what it asks of clipboard history and cloud
// clipboards, and who holds it when it cannot be opened.
#include "clipboard/ClipboardFormat.h"
#include "clipboard/FormatFacts.h"

#include <span>
#include <string>

namespace tavrix {

class ClipboardPort;

class FormatFactsPanel {
public:
    FormatFactsPanel(ClipboardPort& port, LocaleNamer localeName)
        : port_(port), localeName_(std::move(localeName)) {}

    // "Format 13 (0x000D) · …"; the number alone when the data says nothing or cannot be read.
    std::wstring FormatText(ClipFormat format);
    // "Owner: … · #N" with the privacy notes of the listed formats (the formats of the tree, so
    // that a refresh asks the system nothing more about them). Never throws: what cannot be read
    // is left out.
    std::wstring PreviewText(std::span<const ClipFormat> listed);
    // The numbers of the two privacy flags PreviewText reads (registered now if need be).
    void FlagFormats(ClipFormat& history, ClipFormat& cloud) {
        history = Registered(L"CanIncludeInClipboardHistory", historyFormat_);
        cloud = Registered(L"CanUploadToCloudClipboard", cloudFormat_);
    }
    // "Clipboard held by …" for a refresh that found the clipboard held.
    std::wstring HeldText();

private:
    bool FlagIsZero(ClipFormat format, std::span<const ClipFormat> listed);
    ClipFormat Registered(const wchar_t* name, ClipFormat& cached);

    ClipboardPort& port_;
    LocaleNamer localeName_;
    // Registered on first use: numbers of the privacy formats.
    ClipFormat excludeFormat_ = 0;
    ClipFormat historyFormat_ = 0;
    ClipFormat cloudFormat_ = 0;
};

} // namespace tavrix
