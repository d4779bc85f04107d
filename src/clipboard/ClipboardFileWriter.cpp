#include "clipboard/ClipboardFileWriter.h"

#include "base/Support.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/FileAccess.h"
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
    if (IsWin7OrLater() && (format == cf::Bitmap || format == cf::EnhMetafile)) {
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

// Whether WriteClipboardFormat will write a record for the format; the block is only looked at.
bool GivesRecord(ClipboardPort& port, ClipFormat format, std::uint32_t limit) {
    bool gives = false;
    port.ReadData(format, [&](std::span<const std::uint8_t> block) {
        gives = !block.empty() && block.size() < limit;
    });
    return gives;
}

void WriteNameTable(DataStream& stream, const std::vector<NamedFormat>& entries) {
    const std::vector<std::uint8_t> table = EncodeNameTable(entries);
    stream.Write(EncodeRecordHeader(kNameTableFormat, static_cast<std::uint32_t>(table.size())));
    stream.Write(table);
}

} // namespace

bool SaveClipboardToStream(ClipboardPort& port, DataStream& stream, std::uint32_t limit) {
    try {
        ClipboardOpen open(port);
        const bool reduced = IsReducedSave(port);
        const int count = port.FormatCount();
        std::vector<ClipFormat> saved;
        std::vector<NamedFormat> names;
        for (int i = 0; i < count; ++i) {
            const ClipFormat format = port.Formats(i);
            std::wstring name = port.Backend().RegisteredFormatName(format);
            if (IsSkipped(port, format, name, reduced)) {
                continue;
            }
            saved.push_back(format);
            if (format >= cf::FirstRegistered && !name.empty() &&
                name.size() <= kMaxFormatNameLength && GivesRecord(port, format, limit)) {
                names.push_back(NamedFormat{.format = format, .name = std::move(name)});
            }
        }
        // Without registered formats the file keeps the layout that every reader knows.
        if (!names.empty()) {
            WriteNameTable(stream, names);
        }
        for (ClipFormat format : saved) {
            WriteClipboardFormat(port, format, stream, limit);
        }
        return true;
    } catch (...) {
        // The clipboard is closed again; the caller learns of the failure from the result.
        return false;
    }
}

bool SaveClipboardToStream(DataStream& stream, std::uint32_t limit) {
    return SaveClipboardToStream(ClipboardPort::Instance(), stream, limit);
}

bool WriteClipboardFormat(ClipboardPort& port, ClipFormat format, DataStream& stream,
                          std::uint32_t limit) {
    ProcessMessages();
    bool written = false;
    port.ReadData(format, [&](std::span<const std::uint8_t> block) {
        if (block.empty() || block.size() >= limit) {
            return;
        }
        const RecordHeader header =
            EncodeRecordHeader(format, static_cast<std::uint32_t>(block.size()));
        stream.Write(header);
        stream.Write(block);
        written = true;
    });
    return written;
}

std::wstring WithClipboardFileExtension(const std::wstring& name) {
    const auto lastPart = name.find_last_of(L"\\/:");
    const auto dot = name.find(L'.', lastPart == std::wstring::npos ? 0 : lastPart + 1);
    return dot == std::wstring::npos ? name + L".cl7" : name;
}

bool SaveClipboardToFile(ClipboardPort& port, FileAccess& files, const std::wstring& name) {
    const std::wstring target = WithClipboardFileExtension(name);
    std::unique_ptr<ReplacementFile> file = files.CreateReplacement(target);
    if (!SaveClipboardToStream(port, file->Stream(), MaxSavedFormatSize)) {
        file.reset(); // removes the temporary file; the target keeps its content
        ShowWarning(L"Cannot save the clipboard to \"" + target + L"\"");
        return false;
    }
    file->Commit();
    return true;
}

} // namespace tavrix
