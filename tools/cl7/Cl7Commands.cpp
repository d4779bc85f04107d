#include "Cl7Commands.h"

#include "PictureRecords.h"
#include "RecordNames.h"
#include "base/Error.h"
#include "base/Unicode.h"
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/ClipboardRecords.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace tavrix {

namespace {

std::wstring ListLine(const ClipboardRecord& record, const std::wstring& name) {
    return std::to_wstring(record.format) + L'\t' + name + L'\t' + std::to_wstring(record.size);
}

std::wstring MalformedTableText(const FileNameTable& table) {
    return L"Malformed name table at offset " + std::to_wstring(table.record.offset) + L".";
}

void CopyBytes(DataStream& from, std::uint64_t size, DataStream& to) {
    std::vector<std::uint8_t> chunk(
        static_cast<std::size_t>(std::min<std::uint64_t>(size, 1 << 20)));
    while (size > 0) {
        const auto part = std::span(chunk).first(
            static_cast<std::size_t>(std::min<std::uint64_t>(size, chunk.size())));
        if (ReadFully(from, part) != part.size()) {
            throw Error(L"The file ended inside the record.");
        }
        to.Write(part);
        size -= part.size();
    }
}

} // namespace

std::wstring IncompleteRecordText(const ClipboardRecord& record, std::uint64_t fileSize) {
    std::wstring text = L"Incomplete record at offset " + std::to_wstring(record.offset) + L": ";
    if (fileSize - record.offset < kRecordHeaderSize) {
        return text + L"the header is cut short.";
    }
    return text + std::to_wstring(record.size) + L" bytes of data, " +
           std::to_wstring(fileSize - record.DataOffset()) + L" left.";
}

int ListRecords(DataStream& file, ToolConsole& console) {
    ClipboardRecordWalk walk(file);
    const RecordNames names(walk.NameTable());
    if (walk.NameTable().state == NameTableState::Malformed) {
        // No table, so a record like any other.
        console.Out(ListLine(walk.NameTable().record, {}));
    }
    ClipboardRecord record;
    for (;;) {
        switch (walk.Next(record)) {
        case RecordRead::Complete:
            if (const auto picture = ReadPictureRecord(file, record)) {
                console.Out(ListLine(record, PictureText(*picture, names)));
            } else {
                console.Out(ListLine(record, names.Name(record.format)));
            }
            break;
        case RecordRead::End:
            return 0;
        case RecordRead::Incomplete:
            console.Err(IncompleteRecordText(record, file.Size()));
            return 1;
        }
    }
}

int ExtractRecord(DataStream& file, const std::wstring& format, FileAccess& files,
                  const std::wstring& out, ToolConsole& console) {
    const std::optional<ClipFormat> number = FormatNumber(format);
    ClipboardRecordWalk walk(file);
    const RecordNames names(walk.NameTable());
    std::optional<ClipboardRecord> last;
    std::optional<MetafileRecordHead> lastPicture;
    ClipboardRecord record;
    while (walk.Next(record) == RecordRead::Complete) {
        // A metafile record stands for the format of its metafile.
        const auto picture = ReadPictureRecord(file, record);
        const ClipFormat stands = picture ? picture->format : record.format;
        if (stands == number || names.Name(stands) == format) {
            last = record;
            lastPicture = picture;
        }
    }
    if (!last) {
        console.Err(L"No record of format \"" + format + L"\".");
        return 1;
    }
    const auto target = files.CreateReplacement(out);
    file.Seek(last->DataOffset());
    std::uint64_t size = last->size;
    if (lastPicture) {
        WritePictureHeader(file, *last, *lastPicture, target->Stream());
        size = lastPicture->bitsSize;
    }
    CopyBytes(file, size, target->Stream());
    target->Commit();
    return 0;
}

int CheckFile(DataStream& file, ToolConsole& console) {
    ClipboardRecordWalk walk(file);
    int status = 0;
    if (walk.NameTable().state == NameTableState::Malformed) {
        console.Err(MalformedTableText(walk.NameTable()));
        status = 1;
    }
    std::uint64_t count = 0;
    ClipboardRecord record;
    RecordRead read;
    while ((read = walk.Next(record)) == RecordRead::Complete) {
        ++count;
    }
    if (read == RecordRead::Incomplete) {
        console.Err(IncompleteRecordText(record, file.Size()));
        status = 1;
    }
    if (status == 0) {
        console.Out(L"Well-formed: " + std::to_wstring(count) + L" records.");
    }
    return status;
}

} // namespace tavrix
