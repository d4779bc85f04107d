#pragma once
// Walking the records of a clipboard file one header at a time: whether each record lies whole
// in the file, where it starts, and the name table in front of them. Record data is never read
// here; whoever walks decides what to do with it, so a file of any size is walked with a few
// bytes of memory beside the stream's buffer.
#include "clipboard/ClipboardFormat.h"
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/DataStream.h"

#include <cstdint>
#include <vector>

namespace tavrix {

struct ClipboardRecord {
    ClipFormat format = 0;
    std::uint32_t size = 0;
    std::uint64_t offset = 0; // of the record's header
    std::uint64_t DataOffset() const;
    std::uint64_t EndOffset() const { return DataOffset() + size; }
};

enum class RecordRead {
    Complete,   // the record's data lies whole in the stream
    End,        // no byte left
    Incomplete, // a header cut short, or a size larger than the bytes left
};

// Reads the header at the stream's position into record. Complete: the stream stands at the
// record's first data byte. Incomplete: record.offset is where the record starts, record.size
// what its header claims (0 when the header is cut short), and the stream stands at its end.
RecordRead ReadRecordHeader(DataStream& stream, ClipboardRecord& record);

enum class NameTableState { Absent, WellFormed, Malformed };

struct FileNameTable {
    NameTableState state = NameTableState::Absent;
    ClipboardRecord record;           // the table's own record, unless Absent
    std::vector<NamedFormat> entries; // when WellFormed
};

// Reads the name table when the record at the stream's position is a complete record of format
// 0 that is no metafile record (its data begins otherwise than "CL7P"), and leaves the stream
// after it, a malformed table included: no clipboard takes format 0, so
// a record that is no table is worth nothing either. Any other record, or an incomplete one, is
// no table; the stream then goes back to where it stood.
FileNameTable ReadFileNameTable(DataStream& stream);

// The records of a file from the stream's position on, the name table left out.
class ClipboardRecordWalk {
public:
    explicit ClipboardRecordWalk(DataStream& stream);

    const FileNameTable& NameTable() const { return table_; }

    // The next record, as ReadRecordHeader reads it; the stream first moves past the previous
    // record's data, however much of it the caller read. After End or Incomplete, End.
    RecordRead Next(ClipboardRecord& record);

private:
    DataStream& stream_;
    FileNameTable table_;
    std::uint64_t next_ = 0;
    bool done_ = false;
};

} // namespace tavrix
