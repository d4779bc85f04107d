#pragma once
// The tool's commands on an open clipboard file. Each streams the file from its position
// and returns the program's exit code: 0 done, 1 when the file does not allow it.
#include "ToolConsole.h"
#include "clipboard/ClipboardRecords.h"
#include "clipboard/DataStream.h"
#include "clipboard/FileAccess.h"

#include <string>

namespace tavrix {

// The message of a record cut short by the end of a file of fileSize bytes.
std::wstring IncompleteRecordText(const ClipboardRecord& record, std::uint64_t fileSize);

// One line per record: number, tab, name, tab, size. Names come from the file's name table, or
// for standard formats from the catalogue; unknown formats have none. A metafile record says
// "picture <format name> (<bits> bytes of metafile)" in place of a name. An incomplete record ends
// the listing with a message and exit code 1.
int ListRecords(DataStream& file, ToolConsole& console);

// Writes the data of the last complete record whose number (decimal or 0x hex) or name equals
// format to out; a metafile record counts as its metafile's format and gives a file of the
// metafile (".emf" or, with a placeable header, ".wmf"). The output file is touched only when
// such a record exists.
int ExtractRecord(DataStream& file, const std::wstring& format, FileAccess& files,
                  const std::wstring& out, ToolConsole& console);

// 0 for a file whose records all lie whole in it and whose name table, if any, is well formed;
// 1 with the offset of each fault otherwise.
int CheckFile(DataStream& file, ToolConsole& console);

} // namespace tavrix
