#pragma once
// Taking one format off the clipboard: everything else is read, the clipboard emptied and the
// rest put back as it was, in the clipboard's order. Nothing is emptied unless every other
// format could be read first.
#include "clipboard/ClipboardFormat.h"

#include <vector>

namespace tavrix {

class ClipboardPort;

struct FormatRemoval {
    bool removed = false; // the clipboard now holds everything but the format
    // Formats that could not be read (an owner that failed to render them): nothing was changed.
    std::vector<ClipFormat> unreadable;
    // The system offers the removed format again, made from one that stayed.
    bool comesBack = false;
};

// Throws Error "Cannot open clipboard" when the clipboard is held, and an Error naming the
// format when the clipboard refuses to take one back.
FormatRemoval RemoveClipboardFormat(ClipboardPort& port, ClipFormat format);

} // namespace tavrix
