#pragma once
// Loading a clipboard file: the clipboard is emptied, then each record's data is placed under
// its stored format number, in file order; a registered format listed in the file's name table
// goes under the number its name has in this session.
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/DataStream.h"
#include "clipboard/FileProgress.h"

#include <memory>
#include <string>

namespace tavrix {

class FileAccess;

// Does nothing when name is no existing file (a folder does not count). Errors in opening the
// file reach the caller, with the clipboard unchanged. A load that takes long shows its progress
// on display when there is one.
void LoadClipboardFromFile(ClipboardPort& port, FileAccess& files, const std::wstring& name,
                           ProgressDisplay* display = nullptr);

// Empties the clipboard and places every record from the stream's position to its end. True
// when the stream was read to its end or to a record that does not fit in it; false when the
// clipboard cannot be opened or an error ended the load.
bool LoadClipboardFromStream(ClipboardPort& port, DataStream& stream,
                             ProgressDisplay* display = nullptr);

// Reads the record at the stream's position and places it when it is complete and wanted, under
// the number numbers gives its stored one; a record of format 0 is placed as the metafile it
// holds, if it holds one. False when the stream holds no complete record any
// more: a short header, or a size larger than the bytes left, which is neither allocated nor
// placed. The clipboard must be open. progress learns the stream's position from base on.
bool ReadClipboardRecord(ClipboardPort& port, DataStream& stream, const FormatNumbers& numbers,
                         FileProgress& progress, std::uint64_t base);

// Bitmaps and enhanced metafiles are handles, not memory blocks, from Windows 7 on: a stored
// block of either would not be a valid handle there. A stored metafile picture (3, 0x83) holds
// the handle of a metafile that is gone, and a block of 0x8E is no handle: they are never placed.
// Metafiles come back from their metafile records (format 0), which are placed apart from this.
bool IsFormatWanted(ClipFormat format);

// The first command-line parameter without the characters up to 32 at either end; loads the
// file it names when that is an existing file.
void LoadFileFromCommandLine(ClipboardPort& port, FileAccess& files,
                             const std::wstring& firstParameter);
// The first half of LoadFileFromCommandLine: the file opened for reading, or null when the
// parameter names no existing file. Errors in opening reach the caller.
std::unique_ptr<DataStream> OpenFileFromCommandLine(FileAccess& files,
                                                    const std::wstring& firstParameter);

// Removes every character with a code up to 32 from both ends of text.
std::wstring TrimControlCharacters(const std::wstring& text);

} // namespace tavrix
