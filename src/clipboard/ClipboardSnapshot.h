#pragma once
// What the reader thread found on the clipboard, for the window's thread to show: the formats in
// the clipboard's order with their names, and the data read so far (blocks, sizes, the picture).
// The window's thread never asks the clipboard itself; it reads this through SnapshotBackend.
#include "clipboard/ClipboardBackend.h"
#include "clipboard/ClipboardFormat.h"
#include "clipboard/ClipboardPicture.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrix {

// One format and what is known of its data.
struct CapturedFormat {
    ClipFormat format = 0;
    std::wstring registeredName; // empty for standard formats
    bool available = true;       // what the availability test said
    // What reading gave, once read; nothing while the data was not asked for.
    std::optional<DataResult> result;
    std::optional<std::size_t> size; // known without the bytes (measured) or with them
    // The block's bytes when they were read whole; shared so that a result can be handed from
    // the reader to the window without a copy.
    std::shared_ptr<const std::vector<std::uint8_t>> bytes;
    // The owner did not deliver the data while the user waited for it.
    bool notDelivered = false;
};

class ClipboardSnapshot {
public:
    // The clipboard could not be opened: another program held it.
    bool held = false;
    std::uint32_t sequence = 0;
    std::vector<CapturedFormat> formats;
    // The clipboard picture (the first of bitmap, metafile picture, enhanced metafile), loaded
    // when asked for; the error text when it could not be loaded.
    std::shared_ptr<const ClipboardPicture> picture;
    std::optional<std::wstring> pictureError;
    ClipFormat pictureFormat = 0;
    // The block sizes for the Preview's size figure were read.
    bool measured = false;

    CapturedFormat* Find(ClipFormat format);
    const CapturedFormat* Find(ClipFormat format) const;
    // True when the bytes of the format are here (or it is known to have none to give).
    bool HasData(ClipFormat format) const;
    bool HasPicture() const { return picture != nullptr || pictureError.has_value(); }
    // Takes what other holds for formats that are in both (a read finished for this snapshot).
    void Merge(const ClipboardSnapshot& other);
};

} // namespace tavrix
