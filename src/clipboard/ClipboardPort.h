#pragma once
// The one road to the clipboard. Opening nests: only the outermost Open and Close reach the
// platform, so a routine that holds the clipboard open can call others that open it again.
#include "clipboard/ClipboardBackend.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavrix {

class ClipboardPort {
public:
    explicit ClipboardPort(ClipboardBackend& backend) : backend_(backend) {}
    ClipboardPort(const ClipboardPort&) = delete;
    ClipboardPort& operator=(const ClipboardPort&) = delete;

    // Throws Error "Cannot open clipboard" when the outermost open is refused, with the holder
    // named on a second line when the platform can tell.
    void Open();
    void Close();
    int Depth() const { return depth_; }

    bool HasFormat(ClipFormat format);
    int FormatCount();
    ClipFormat Formats(int index);
    // The bytes of a format's memory block (bounded by its size) through reader, with the
    // clipboard opened for the call.
    DataResult ReadData(ClipFormat format, const ByteReader& reader);
    // The size of a format's memory block, with the clipboard opened for the call.
    DataResult DataSize(ClipFormat format, std::size_t& size);
    // A copy of a format's memory block; nothing for missing or non-memory data.
    std::optional<std::vector<std::uint8_t>> GetData(ClipFormat format);
    void Clear();
    // Loads the first of formats 2, 3, 14 in enumeration order; Error "Invalid clipboard format"
    // when none is offered.
    void LoadClipboardPicture(ClipboardPicture& picture);

    ClipboardBackend& Backend() { return backend_; }

    // The process-wide port over the platform's clipboard, installed at start-up.
    static ClipboardPort& Instance();
    static void Install(ClipboardBackend& backend);

private:
    ClipboardBackend& backend_;
    int depth_ = 0;
};

// Open on construction, Close on destruction: keeps Open and Close paired when errors end the
// work between them.
class ClipboardOpen {
public:
    explicit ClipboardOpen(ClipboardPort& port) : port_(port) { port_.Open(); }
    ~ClipboardOpen() { port_.Close(); }
    ClipboardOpen(const ClipboardOpen&) = delete;
    ClipboardOpen& operator=(const ClipboardOpen&) = delete;

private:
    ClipboardPort& port_;
};

} // namespace tavrix
