#pragma once
// The metafile records of a clipboard file as the tool shows and extracts them: an enhanced
// metafile or a metafile picture, saved by its bits.
#include "RecordNames.h"
#include "clipboard/ClipboardRecords.h"
#include "clipboard/DataStream.h"
#include "clipboard/MetafileRecord.h"

#include <optional>
#include <string>

namespace tavrix {

// The head of the record's metafile when the record is a metafile record whose bits begin as a
// metafile; nothing for any other record. Reads only the first bytes of the record's data.
std::optional<MetafileRecordHead> ReadPictureRecord(DataStream& file,
                                                    const ClipboardRecord& record);

// What the listing says in place of a name: "picture <format name> (<bits> bytes of metafile)".
std::wstring PictureText(const MetafileRecordHead& head, const RecordNames& names);

// The start of the file drawing programs open for the record's metafile: an enhanced
// metafile's file (".emf") is its bits as they are, a Windows metafile's (".wmf") has a
// placeable header before them, written to out here. The file then stands at the bits.
void WritePictureHeader(DataStream& file, const ClipboardRecord& record,
                        const MetafileRecordHead& head, DataStream& out);

} // namespace tavrix
