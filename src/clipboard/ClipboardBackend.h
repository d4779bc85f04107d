#pragma once
// The platform's clipboard, as the core sees it: thin wrappers of the system calls. The Win32
// adapter implements it with user32/kernel32; unit tests use a fake with Windows semantics.
#include "clipboard/ClipboardFormat.h"
#include "clipboard/MetafileRecord.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrix {

class ClipboardPicture;

// What GetClipboardData gave for a format.
enum class DataResult {
    NoHandle,  // the format is not offered or its owner could not render it
    NotMemory, // a handle that is not a memory block (bitmap, palette, enhanced metafile)
    Read,      // a memory block; the reader was called with its bytes
};

using ByteReader = std::function<void(std::span<const std::uint8_t>)>;
// Fills a new block in place; true when the block is complete and should be placed.
using BlockFiller = std::function<bool(std::span<std::uint8_t>)>;

// A program that owns or holds the clipboard: its executable's file name (no folder; empty when
// the system would not tell it) and its process id.
struct ClipboardProcess {
    std::wstring exeName;
    std::uint32_t processId = 0;
    bool operator==(const ClipboardProcess&) const = default;
};

// A copy of data whose handle is a system object (bitmap, palette, metafile picture, enhanced
// metafile), made while the clipboard is open and still valid after it was emptied. Releasing it
// without placing it frees the copy.
class ClipboardObjectCopy {
public:
    virtual ~ClipboardObjectCopy() = default;
};

class ClipboardBackend {
public:
    virtual ~ClipboardBackend() = default;

    virtual bool Open() = 0;  // OpenClipboard; false when another program holds it
    virtual void Close() = 0; // CloseClipboard
    virtual bool Empty() = 0; // EmptyClipboard (clipboard open)
    virtual bool IsFormatAvailable(ClipFormat format) = 0;
    virtual int CountFormats() = 0;
    virtual ClipFormat EnumFormats(ClipFormat previous) = 0; // clipboard open; 0 ends
    // Calls reader with the bytes of the format's memory block, bounded by the block's size.
    // The clipboard must be open. The span is valid only during the call.
    virtual DataResult ReadData(ClipFormat format, const ByteReader& reader) = 0;
    // A whole block the backend holds already, to be shared without a copy; null when it holds
    // none (a platform's clipboard never does: its blocks live only while it is open).
    virtual std::shared_ptr<const std::vector<std::uint8_t>> HeldBlock(ClipFormat) {
        return nullptr;
    }
    // What ReadData would give, with the block's size in place of its bytes (clipboard open).
    virtual DataResult DataSize(ClipFormat format, std::size_t& size) {
        size = 0;
        return ReadData(format,
                        [&size](std::span<const std::uint8_t> bytes) { size = bytes.size(); });
    }
    // Copies bytes into a new memory block and hands it to the clipboard (clipboard open,
    // emptied by us). False when the block cannot be made or the clipboard refuses it.
    virtual bool SetData(ClipFormat format, std::span<const std::uint8_t> bytes) = 0;
    // Allocates a block of size bytes, lets fill write into it and hands the block to the
    // clipboard when fill returns true (clipboard open). A block that is not handed over is
    // freed, also when fill throws; the error then goes on to the caller. False when the block
    // cannot be made, fill returned false or the clipboard refused it. Backends that can fill
    // their own memory directly override this; the default fills a copy.
    virtual bool PlaceData(ClipFormat format, std::size_t size, const BlockFiller& fill) {
        std::vector<std::uint8_t> bytes(size);
        return fill(bytes) && SetData(format, bytes);
    }
    virtual ClipFormat RegisterFormat(const std::wstring& name) = 0; // 0 on failure
    // The name a registered format was registered with; empty for standard or unknown formats.
    virtual std::wstring RegisteredFormatName(ClipFormat format) = 0;
    // Loads format 2, 3 or 14 into picture (format 2 with the palette of format 9 when
    // withPalette). Clipboard open. Throws Error when the data cannot be loaded.
    virtual void LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) = 0;

    // What a platform that cannot tell answers: no process, sequence 0, no object copies.
    // The program that put the current data on the clipboard (its owner window's process).
    virtual std::optional<ClipboardProcess> OwnerProcess() { return std::nullopt; }
    // The program that has the clipboard open now, when it opened it for a window.
    virtual std::optional<ClipboardProcess> HolderProcess() { return std::nullopt; }
    // The system's count of clipboard changes.
    virtual std::uint32_t SequenceNumber() { return 0; }
    // A copy of an object format's data (clipboard open); null when it cannot be supplied.
    virtual std::unique_ptr<ClipboardObjectCopy> CopyObject(ClipFormat) { return nullptr; }
    // Hands the copy to the clipboard (clipboard open, emptied by us); false when refused.
    virtual bool PlaceObject(ClipFormat, std::unique_ptr<ClipboardObjectCopy>) { return false; }
    // The bits of an enhanced metafile or a metafile picture (IsMetafileFormat; clipboard open),
    // with the picture's frame; nothing when the format is not offered or gives no bits.
    virtual std::optional<SavedMetafile> ReadMetafile(ClipFormat) { return std::nullopt; }
    // Makes the metafile of its bits and hands it to the clipboard under its format (clipboard
    // open, emptied by us); false when the bits make no metafile or the clipboard refuses it.
    virtual bool PlaceMetafile(const SavedMetafile&) { return false; }
};

} // namespace tavrix
