#pragma once
// Which data the Preview summarises: the most readable rendering of the whole content, in this
// order: text, sound, picture, icon, encoded picture, HTML fragment, file names, anything else.
// The engine shows it; the reader thread reads what it needs before the window shows it.
#include "clipboard/ClipboardCapture.h"
#include "clipboard/ClipboardFormat.h"

#include <functional>

namespace tavrix {

class ClipboardSnapshot;

enum class SummaryKind { Text, Sound, Picture, Icon, EncodedPicture, Html, FileList, Other };

struct SummarySource {
    SummaryKind kind = SummaryKind::Other;
    ClipFormat format = 0; // the icon, encoded picture, HTML or file list format
};

// The registered numbers the choice depends on.
struct SummaryFormats {
    ClipFormat icon = 0;    // "Delphi Icon"
    ClipFormat picture = 0; // "Delphi Picture"
    ClipFormat html = 0;    // "HTML Format"
    ClipFormat history = 0; // "CanIncludeInClipboardHistory"
    ClipFormat cloud = 0;   // "CanUploadToCloudClipboard"
};

// has: whether the clipboard offers a format (for the picture format: any picture);
// firstEncoded: the first encoded picture format in the clipboard's order, 0 for none (asked
// only when no earlier kind is offered).
SummarySource ChooseSummarySource(const std::function<bool(ClipFormat)>& has,
                                  const SummaryFormats& formats,
                                  const std::function<ClipFormat()>& firstEncoded);

// What the reader reads for the Preview of snapshot: its source's data, the block sizes for
// the size figure, the privacy flags for the facts.
CaptureNeeds PreviewNeeds(const ClipboardSnapshot& snapshot, const SummaryFormats& formats);

} // namespace tavrix
