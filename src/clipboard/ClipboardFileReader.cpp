#include "clipboard/ClipboardFileReader.h"

#include "base/Support.h"
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/FileAccess.h"

#include <algorithm>
#include <vector>

namespace tavrix {

namespace {

// Reads the name table when the stream's first record is one, and leaves the position after
// it; any other first record is left for the record loop. A malformed table is skipped and
// every record loads by number.
FormatNumbers ReadNameTable(ClipboardBackend& backend, DataStream& stream) {
    const std::uint64_t start = stream.Position();
    std::uint8_t header[kRecordHeaderSize];
    if (ReadFully(stream, header) == kRecordHeaderSize &&
        DecodeRecordFormat(header) == kNameTableFormat) {
        const std::uint32_t size = DecodeRecordSize(header + 2);
        const std::uint64_t left = stream.Size() - stream.Position();
        if (size > 0 && size <= kMaxNameTableSize && size <= left) {
            std::vector<std::uint8_t> data(size);
            if (ReadFully(stream, data) == size) {
                const auto entries = ParseNameTable(data);
                return entries ? NumbersInThisSession(*entries, backend) : FormatNumbers{};
            }
        }
    }
    stream.Seek(start);
    return {};
}

} // namespace

void LoadClipboardFromFile(ClipboardPort& port, FileAccess& files, const std::wstring& name,
                           ProgressDisplay* display) {
    if (!files.IsExistingFile(name)) {
        return;
    }
    // The file stays open for reading, and closed to writers, until the load is done: each
    // record is read straight into the memory block that goes to the clipboard.
    std::unique_ptr<DataStream> stream = files.OpenForReading(name);
    LoadClipboardFromStream(port, *stream, display);
}

bool LoadClipboardFromStream(ClipboardPort& port, DataStream& stream, ProgressDisplay* display) {
    try {
        port.Clear();
        ClipboardOpen open(port);
        const std::uint64_t base = stream.Position();
        FileProgress progress(display, FileTask::Load,
                              stream.Size() - std::min(base, stream.Size()));
        const FormatNumbers numbers = ReadNameTable(port.Backend(), stream);
        while (stream.Position() < stream.Size()) {
            if (!ReadClipboardRecord(port, stream, numbers, progress, base)) {
                break;
            }
            progress.Report(stream.Position() - base);
        }
        return true;
    } catch (...) {
        return false;
    }
}

bool ReadClipboardRecord(ClipboardPort& port, DataStream& stream, const FormatNumbers& numbers,
                         FileProgress& progress, std::uint64_t base) {
    ProcessMessages();
    std::uint8_t header[kRecordHeaderSize];
    if (ReadFully(stream, std::span(header, 2)) < 2) {
        return false;
    }
    if (ReadFully(stream, std::span(header + 2, 4)) < 4) {
        return false;
    }
    const ClipFormat stored = DecodeRecordFormat(header);
    const auto renumbered = numbers.find(stored);
    const ClipFormat format = renumbered == numbers.end() ? stored : renumbered->second;
    const std::uint32_t size = DecodeRecordSize(header + 2);
    if (size == 0) {
        return true;
    }
    const std::uint64_t start = stream.Position();
    const std::uint64_t total = stream.Size();
    if (start > total || size > total - start) {
        // The size field promises more than the stream holds: the record cannot be complete,
        // and no block is made for it.
        stream.Seek(total);
        return false;
    }
    if (IsFormatWanted(format)) {
        try {
            port.Backend().PlaceData(format, size, [&](std::span<std::uint8_t> block) {
                return ReadReporting(stream, block, progress, base) == block.size();
            });
        } catch (...) {
            // A record that cannot be read or placed is left out; the others still load.
        }
    }
    stream.Seek(start + size);
    return true;
}

bool IsFormatWanted(ClipFormat format) {
    return !(IsWin7OrLater() && (format == cf::Bitmap || format == cf::EnhMetafile));
}

std::wstring TrimControlCharacters(const std::wstring& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && static_cast<std::uint32_t>(text[first]) <= 32) {
        ++first;
    }
    while (last > first && static_cast<std::uint32_t>(text[last - 1]) <= 32) {
        --last;
    }
    return text.substr(first, last - first);
}

void LoadFileFromCommandLine(ClipboardPort& port, FileAccess& files,
                             const std::wstring& firstParameter) {
    if (const std::unique_ptr<DataStream> stream = OpenFileFromCommandLine(files, firstParameter)) {
        LoadClipboardFromStream(port, *stream);
    }
}

std::unique_ptr<DataStream> OpenFileFromCommandLine(FileAccess& files,
                                                    const std::wstring& firstParameter) {
    const std::wstring name = TrimControlCharacters(firstParameter);
    if (name.empty() || !files.IsExistingFile(name)) {
        return nullptr;
    }
    return files.OpenForReading(name);
}

} // namespace tavrix
