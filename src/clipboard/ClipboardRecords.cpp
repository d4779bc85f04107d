#include "clipboard/ClipboardRecords.h"

#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/MetafileRecord.h"

#include <algorithm>

namespace tavrix {

std::uint64_t ClipboardRecord::DataOffset() const {
    return offset + kRecordHeaderSize;
}

RecordRead ReadRecordHeader(DataStream& stream, ClipboardRecord& record) {
    record = ClipboardRecord{.offset = stream.Position()};
    std::uint8_t header[kRecordHeaderSize];
    const std::size_t got = ReadFully(stream, header);
    if (got == 0) {
        return RecordRead::End;
    }
    if (got < kRecordHeaderSize) {
        return RecordRead::Incomplete;
    }
    record.format = DecodeRecordFormat(header);
    record.size = DecodeRecordSize(header + 2);
    const std::uint64_t total = stream.Size();
    if (record.DataOffset() > total || record.size > total - record.DataOffset()) {
        // Nothing past the header is read: a size that promises more than the file holds is
        // not trusted with an allocation or a read.
        stream.Seek(total);
        return RecordRead::Incomplete;
    }
    return RecordRead::Complete;
}

FileNameTable ReadFileNameTable(DataStream& stream) {
    const std::uint64_t start = stream.Position();
    FileNameTable table;
    if (ReadRecordHeader(stream, table.record) != RecordRead::Complete ||
        table.record.format != kNameTableFormat) {
        stream.Seek(start);
        return FileNameTable{};
    }
    // A metafile record is no table: it is a record like the others.
    std::uint8_t magic[4] = {};
    const std::size_t wanted = std::min<std::size_t>(sizeof magic, table.record.size);
    if (HasMetafileRecordMagic(
            std::span(magic).first(ReadFully(stream, std::span(magic).first(wanted))))) {
        stream.Seek(start);
        return FileNameTable{};
    }
    stream.Seek(table.record.DataOffset());
    table.state = NameTableState::Malformed;
    if (table.record.size > 0 && table.record.size <= kMaxNameTableSize) {
        std::vector<std::uint8_t> data(table.record.size);
        if (ReadFully(stream, data) == data.size()) {
            if (auto entries = ParseNameTable(data)) {
                table.state = NameTableState::WellFormed;
                table.entries = std::move(*entries);
            }
        }
    }
    stream.Seek(table.record.EndOffset());
    return table;
}

ClipboardRecordWalk::ClipboardRecordWalk(DataStream& stream)
    : stream_(stream), table_(ReadFileNameTable(stream)), next_(stream.Position()) {}

RecordRead ClipboardRecordWalk::Next(ClipboardRecord& record) {
    if (done_) {
        record = ClipboardRecord{.offset = next_};
        return RecordRead::End;
    }
    stream_.Seek(next_);
    const RecordRead read = ReadRecordHeader(stream_, record);
    if (read == RecordRead::Complete) {
        next_ = record.EndOffset();
    } else {
        done_ = true;
    }
    return read;
}

} // namespace tavrix
