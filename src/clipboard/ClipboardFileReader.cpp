#include "clipboard/ClipboardFileReader.h"

#include "base/SwallowedErrors.h"
#include "base/SystemServices.h"
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/ClipboardRecords.h"
#include "clipboard/FileAccess.h"
#include "clipboard/MetafileRecord.h"

#include <algorithm>

namespace tavrix {

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
        // A malformed table is passed over and every record loads by its stored number.
        const FileNameTable table = ReadFileNameTable(stream);
        const FormatNumbers numbers = NumbersInThisSession(table.entries, port.Backend());
        while (stream.Position() < stream.Size()) {
            if (!ReadClipboardRecord(port, stream, numbers, progress, base)) {
                break;
            }
            progress.Report(stream.Position() - base);
        }
        return true;
    } catch (...) {
        LogSwallowed(L"LoadClipboardFromStream");
        return false;
    }
}

namespace {

// Places the metafile a format-0 record holds. Bits that make no metafile, or that the clipboard
// refuses, leave the record out and the load goes on.
void PlaceMetafileRecord(ClipboardPort& port, DataStream& stream, const ClipboardRecord& record,
                         FileProgress& progress, std::uint64_t base) {
    // No writer makes a larger one: it is not trusted with an allocation.
    if (record.size >= MaxSavedFormatSize) {
        return;
    }
    try {
        std::vector<std::uint8_t> data(record.size);
        if (ReadReporting(stream, data, progress, base) != data.size()) {
            return;
        }
        if (const std::optional<SavedMetafile> metafile = ParseMetafileRecord(data)) {
            port.Backend().PlaceMetafile(*metafile);
        }
    } catch (...) {
        LogSwallowed(L"PlaceMetafileRecord");
    }
}

} // namespace

bool ReadClipboardRecord(ClipboardPort& port, DataStream& stream, const FormatNumbers& numbers,
                         FileProgress& progress, std::uint64_t base) {
    ProcessMessages();
    ClipboardRecord record;
    if (ReadRecordHeader(stream, record) != RecordRead::Complete) {
        // A size field that promises more than the stream holds: no block is made for it.
        return false;
    }
    if (record.format == kMetafileRecordFormat) {
        // No clipboard takes format 0: the record is a metafile's, or worth nothing.
        PlaceMetafileRecord(port, stream, record, progress, base);
        stream.Seek(record.EndOffset());
        return true;
    }
    const auto renumbered = numbers.find(record.format);
    const ClipFormat format = renumbered == numbers.end() ? record.format : renumbered->second;
    const std::uint32_t size = record.size;
    if (size == 0) {
        return true;
    }
    if (IsFormatWanted(format)) {
        try {
            port.Backend().PlaceData(format, size, [&](std::span<std::uint8_t> block) {
                return ReadReporting(stream, block, progress, base) == block.size();
            });
        } catch (...) {
            LogSwallowed(L"ReadClipboardRecord");
            // A record that cannot be read or placed is left out; the others still load.
        }
    }
    stream.Seek(record.EndOffset());
    return true;
}

bool IsFormatWanted(ClipFormat format) {
    // A metafile picture's block holds a metafile handle of the session that saved it; the
    // enhanced metafile's display variant is a handle everywhere.
    if (IsMetafileFormat(format) && format != cf::EnhMetafile) {
        return false;
    }
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
