#pragma once
// Enhanced metafiles and metafile pictures on the clipboard as their bits: read for a saved
// file, made again from a loaded one.
#include "clipboard/MetafileRecord.h"

#include <optional>

namespace tavrix::win32 {

// The bits of the metafile behind the format's handle, with a metafile picture's frame
// (clipboard open); nothing when the format gives no metafile.
std::optional<SavedMetafile> ReadClipboardMetafile(ClipFormat format);

// A new metafile of the bits, handed to the clipboard under the metafile's format (clipboard
// open); false when the bits make no metafile or the clipboard refuses it.
bool PlaceClipboardMetafile(const SavedMetafile& metafile);

} // namespace tavrix::win32
