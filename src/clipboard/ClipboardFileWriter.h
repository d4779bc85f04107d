#pragma once
// Saving the clipboard: one record per format, in the clipboard's enumeration order, after a
// name table when a named registered format is among them.
#include "clipboard/ClipboardFileFormat.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/DataStream.h"
#include "clipboard/FileProgress.h"

#include <string>

namespace tavrix {

class FileAccess;

// Appends a record for every format that is saved to stream. True when the walk over all
// formats ran to its end (also with no record written); false when the clipboard cannot be
// opened or an error ended the save. Skipped formats do not make the result false. A save that
// takes long shows its progress on display when there is one.
bool SaveClipboardToStream(ClipboardPort& port, DataStream& stream, std::uint32_t limit,
                           ProgressDisplay* display = nullptr);

// Writes the record of one format, read straight from its locked block; true when it did.
// Formats without data, without a memory block, with an empty block, or whose block holds limit
// bytes or more give no record. Enhanced metafiles and metafile pictures give a metafile record
// of their bits instead (none when the bits cannot be had or the record's data would hold limit
// bytes or more). The clipboard must be open. progress learns the stream's
// position from base on.
bool WriteClipboardFormat(ClipboardPort& port, ClipFormat format, DataStream& stream,
                          std::uint32_t limit, FileProgress& progress, std::uint64_t base);

// The name a clipboard file is saved under: ".cl7" is appended when the last part of the path
// holds no ".".
std::wstring WithClipboardFileExtension(const std::wstring& name);

// The save command. The records go to a temporary file beside the target, which replaces the
// target only when the save succeeded: a save that fails (the clipboard is held by another
// program) leaves an existing file untouched and is reported with a warning. Returns the
// result of the save. Throws Error "Cannot create file ..." when the file cannot be written.
bool SaveClipboardToFile(ClipboardPort& port, FileAccess& files, const std::wstring& name,
                         ProgressDisplay* display = nullptr);

} // namespace tavrix
