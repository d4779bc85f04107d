#pragma once
// The platform's clipboard, as the core sees it: thin wrappers of the system calls. The Win32
// adapter implements it with user32/kernel32; unit tests use a fake with Windows semantics.
#include "clipboard/ClipboardFormat.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>

namespace tavrix {

class ClipboardPicture;

// What GetClipboardData gave for a format.
enum class DataResult {
    NoHandle,  // the format is not offered or its owner could not render it
    NotMemory, // a handle that is not a memory block (bitmap, palette, enhanced metafile)
    Read,      // a memory block; the reader was called with its bytes
};

using ByteReader = std::function<void(std::span<const std::uint8_t>)>;

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
    // Copies bytes into a new memory block and hands it to the clipboard (clipboard open,
    // emptied by us). False when the block cannot be made or the clipboard refuses it.
    virtual bool SetData(ClipFormat format, std::span<const std::uint8_t> bytes) = 0;
    virtual ClipFormat RegisterFormat(const std::wstring& name) = 0; // 0 on failure
    // The name a registered format was registered with; empty for standard or unknown formats.
    virtual std::wstring RegisteredFormatName(ClipFormat format) = 0;
    // Loads format 2, 3 or 14 into picture (format 2 with the palette of format 9 when
    // withPalette). Clipboard open. Throws Error when the data cannot be loaded.
    virtual void LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) = 0;
};

} // namespace tavrix
