#include "clipboard/ClipboardFileWriter.h"

#include "base/SwallowedErrors.h"
#include "base/SystemServices.h"
#include "base/UiText.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/FileAccess.h"
#include "clipboard/MetafileRecord.h"
#include "clipboard/RegisteredFormats.h"

#include <vector>

namespace tavrix {

namespace {

// All eight on the clipboard at once: the formats that applications offer only as alternative
// renderings of the same content are left out.
bool IsReducedSave(ClipboardPort& port) {
    const ClipFormat set[] = {cf::EnhMetafile, cf::Bitmap, cf::Sylk,   cf::UnicodeText,
                              cf::Text,        cf::DibV5,  HtmlFormat, RtfFormat};
    for (ClipFormat format : set) {
        if (!port.HasFormat(format)) {
            return false;
        }
    }
    return true;
}

bool IsSkipped(ClipboardPort& port, ClipFormat format, const std::wstring& name, bool reduced) {
    if (name == L"Embed Source" || name == L"Native") {
        return true;
    }
    // Enhanced metafiles are handles there too, but they are saved by their bits.
    if (IsWin7OrLater() && format == cf::Bitmap) {
        return true;
    }
    if (reduced && (format == cf::MetafilePict || format == cf::EnhMetafile)) {
        return true;
    }
    if (reduced && (name == L"DataObject" || name == L"Ole Private Data")) {
        return true;
    }
    return !port.HasFormat(format);
}

// The bytes of the record WriteClipboardFormat will write for the format, 0 for none; the block
// is only looked at.
std::uint64_t RecordBytes(ClipboardPort& port, ClipFormat format, std::uint32_t limit) {
    std::uint64_t bytes = 0;
    if (IsMetafileFormat(format)) {
        if (const auto metafile = port.Backend().ReadMetafile(format)) {
            const std::uint64_t data = MetafileRecordSize(format, metafile->bits.size());
            bytes = data < limit ? kRecordHeaderSize + data : 0;
        }
        return bytes;
    }
    port.ReadData(format, [&](std::span<const std::uint8_t> block) {
        if (!block.empty() && block.size() < limit) {
            bytes = kRecordHeaderSize + block.size();
        }
    });
    return bytes;
}

void WriteNameTable(DataStream& stream, const std::vector<std::uint8_t>& table) {
    stream.Write(EncodeRecordHeader(kNameTableFormat, static_cast<std::uint32_t>(table.size())));
    stream.Write(table);
}

// A metafile's handle means nothing in a later session: its bits are saved instead.
bool WriteMetafileRecord(ClipboardPort& port, ClipFormat format, DataStream& stream,
                         std::uint32_t limit, FileProgress& progress, std::uint64_t base) {
    const std::optional<SavedMetafile> metafile = port.Backend().ReadMetafile(format);
    if (!metafile || metafile->bits.empty()) {
        return false;
    }
    const std::vector<std::uint8_t> data = EncodeMetafileRecord(*metafile);
    if (data.size() >= limit) {
        return false;
    }
    stream.Write(
        EncodeRecordHeader(kMetafileRecordFormat, static_cast<std::uint32_t>(data.size())));
    WriteReporting(stream, data, progress, base);
    return true;
}

} // namespace

bool SaveClipboardToStream(ClipboardPort& port, DataStream& stream, std::uint32_t limit,
                           ProgressDisplay* display) {
    try {
        ClipboardOpen open(port);
        const bool reduced = IsReducedSave(port);
        const int count = port.FormatCount();
        std::vector<ClipFormat> saved;
        std::vector<NamedFormat> names;
        std::uint64_t total = 0;
        for (int i = 0; i < count; ++i) {
            const ClipFormat format = port.Formats(i);
            std::wstring name = port.Backend().RegisteredFormatName(format);
            if (IsSkipped(port, format, name, reduced)) {
                continue;
            }
            saved.push_back(format);
            const bool named = format >= cf::FirstRegistered && !name.empty() &&
                               name.size() <= kMaxFormatNameLength;
            // Sizes are looked up for the table, and for all records only when progress shows.
            if (!named && display == nullptr) {
                continue;
            }
            const std::uint64_t bytes = RecordBytes(port, format, limit);
            total += bytes;
            if (named && bytes != 0) {
                names.push_back(NamedFormat{.format = format, .name = std::move(name)});
            }
        }
        // Without registered formats the file keeps the layout that every reader knows.
        const std::vector<std::uint8_t> table =
            names.empty() ? std::vector<std::uint8_t>{} : EncodeNameTable(names);
        if (!names.empty()) {
            total += kRecordHeaderSize + table.size();
        }
        FileProgress progress(display, FileTask::Save, total);
        const std::uint64_t base = stream.Position();
        if (!names.empty()) {
            WriteNameTable(stream, table);
        }
        for (ClipFormat format : saved) {
            WriteClipboardFormat(port, format, stream, limit, progress, base);
            progress.Report(stream.Position() - base);
        }
        return true;
    } catch (...) {
        LogSwallowed(L"SaveClipboardToStream");
        // The clipboard is closed again; the caller learns of the failure from the result.
        return false;
    }
}

bool WriteClipboardFormat(ClipboardPort& port, ClipFormat format, DataStream& stream,
                          std::uint32_t limit, FileProgress& progress, std::uint64_t base) {
    ProcessMessages();
    if (IsMetafileFormat(format)) {
        ClipboardOpen open(port);
        return WriteMetafileRecord(port, format, stream, limit, progress, base);
    }
    bool written = false;
    port.ReadData(format, [&](std::span<const std::uint8_t> block) {
        if (block.empty() || block.size() >= limit) {
            return;
        }
        const RecordHeader header =
            EncodeRecordHeader(format, static_cast<std::uint32_t>(block.size()));
        stream.Write(header);
        WriteReporting(stream, block, progress, base);
        written = true;
    });
    return written;
}

std::wstring WithClipboardFileExtension(const std::wstring& name) {
    const auto lastPart = name.find_last_of(L"\\/:");
    const auto dot = name.find(L'.', lastPart == std::wstring::npos ? 0 : lastPart + 1);
    return dot == std::wstring::npos ? name + L".cl7" : name;
}

bool SaveClipboardToFile(ClipboardPort& port, FileAccess& files, const std::wstring& name,
                         ProgressDisplay* display) {
    const std::wstring target = WithClipboardFileExtension(name);
    std::unique_ptr<ReplacementFile> file = files.CreateReplacement(target);
    if (!SaveClipboardToStream(port, file->Stream(), MaxSavedFormatSize, display)) {
        file.reset(); // removes the temporary file; the target keeps its content
        ShowWarning(Tr(L"Cannot save the clipboard to \"%1\"", {target}));
        return false;
    }
    file->Commit();
    return true;
}

} // namespace tavrix
