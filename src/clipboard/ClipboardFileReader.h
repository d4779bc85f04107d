#pragma once
// Loading a clipboard file: the clipboard is emptied, then each record's data is placed under
// its stored format number, in file order; a registered format listed in the file's name table
// goes under the number its name has in this session.
#include "clipboard/ClipboardNameTable.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/DataStream.h"

#include <string>

namespace tavrix {

class FileAccess;

// Does nothing when name is no existing file (a folder does not count). Errors in opening the
// file reach the caller, with the clipboard unchanged.
void LoadClipboardFromFile(ClipboardPort& port, FileAccess& files, const std::wstring& name);

// Empties the clipboard and places every record from the stream's position to its end. True
// when the stream was read to its end or to a record that does not fit in it; false when the
// clipboard cannot be opened or an error ended the load.
bool LoadClipboardFromStream(ClipboardPort& port, DataStream& stream);

// Reads the record at the stream's position and places it when it is complete and wanted, under
// the number numbers gives its stored one. False when the stream holds no complete record any
// more: a short header, or a size larger than the bytes left, which is neither allocated nor
// placed. The clipboard must be open.
bool ReadClipboardRecord(ClipboardPort& port, DataStream& stream,
                         const FormatNumbers& numbers = {});

// Bitmaps and enhanced metafiles are handles, not memory blocks, from Windows 7 on: a stored
// block of either would not be a valid handle there.
bool IsFormatWanted(ClipFormat format);

// The first command-line parameter without the characters up to 32 at either end; loads the
// file it names when that is an existing file.
void LoadFileFromCommandLine(ClipboardPort& port, FileAccess& files,
                             const std::wstring& firstParameter);

// Removes every character with a code up to 32 from both ends of text.
std::wstring TrimControlCharacters(const std::wstring& text);

} // namespace tavrix
