#pragma once
// The texts of the status bar's facts panel and of the clipboard's holder: format numbers, the
// owner and the privacy flags of the clipboard, and who keeps it open.
#include "clipboard/ClipboardBackend.h"
#include "clipboard/ClipboardFormat.h"

#include <cstdint>
#include <optional>
#include <string>

namespace tavrix {

// "Format 13 (0x000D)", then " · " and the fact when there is one.
std::wstring FormatPanelText(ClipFormat format, const std::wstring& fact);

// "cliphelper.exe (pid 42)"; "pid 42" when the file name is not known.
std::wstring ProcessText(const ClipboardProcess& process);

struct ClipboardPrivacy {
    bool excludedFromHistory = false;
    bool notForCloud = false;
};

// "Owner: <exe> (pid N)" or "Owner: none", " · #" and the sequence number, then the privacy
// notes.
std::wstring PreviewPanelText(const std::optional<ClipboardProcess>& owner, std::uint32_t sequence,
                              const ClipboardPrivacy& privacy);

// "Cannot open clipboard", followed on a new line by "Held by <exe> (pid N)" when the holder is
// known.
std::wstring CannotOpenClipboardText(const std::optional<ClipboardProcess>& holder);

// The facts panel while a refresh finds the clipboard held.
std::wstring ClipboardHeldText(const std::optional<ClipboardProcess>& holder);

} // namespace tavrix
