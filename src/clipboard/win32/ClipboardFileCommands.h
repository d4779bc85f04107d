#pragma once
// The clipboard file routines on a clipboard port with the platform's files: what the main
// window's save and load commands and start-up call.
#include "clipboard/DataStream.h"
#include "clipboard/FileProgress.h"

#include <memory>
#include <string>

namespace tavrix {
class ClipboardPort;
} // namespace tavrix

namespace tavrix::win32 {

// Saves the clipboard to name (".cl7" appended when the name has no extension). False, with a
// warning shown and an existing file untouched, when the clipboard could not be saved. Throws
// Error "Cannot create file ..." when the file cannot be written. A long save shows its progress
// on display when there is one.
bool SaveClipboardFile(ClipboardPort& port, const std::wstring& name,
                       ProgressDisplay* display = nullptr);

// The "/SAVE" switch, on the reader thread: like SaveClipboardFile, but a clipboard held by
// another program is waited for (up to two seconds) and every failure is thrown as Error "Cannot
// save the clipboard to
// "<name>"" with the reason, for the command line's error report. An existing file is replaced
// only after a complete save.
void SaveClipboardFileForScript(ClipboardPort& port, const std::wstring& name);

// Puts the clipboard file name onto the clipboard; nothing happens when it names no file.
// Throws Error when the file cannot be opened. A long load shows its progress on display when
// there is one.
void LoadClipboardFile(ClipboardPort& port, const std::wstring& name,
                       ProgressDisplay* display = nullptr);

// Opens the file named by the first command-line parameter, trimmed at both ends; null when it
// names no file. Throws Error when the file cannot be opened.
std::unique_ptr<DataStream> OpenClipboardFileFromParameter(const std::wstring& firstParameter);
// Puts the records of an opened clipboard file onto the clipboard.
void LoadClipboardStream(ClipboardPort& port, DataStream& stream,
                         ProgressDisplay* display = nullptr);

} // namespace tavrix::win32
