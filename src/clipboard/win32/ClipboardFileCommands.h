#pragma once
// The clipboard file routines on the process-wide clipboard port with the platform's files: what
// the main window's save and load commands and start-up call.
#include <string>

namespace tavrix::win32 {

// Saves the clipboard to name (".cl7" appended when the name has no extension). False, with a
// warning shown and an existing file untouched, when the clipboard could not be saved. Throws
// Error "Cannot create file ..." when the file cannot be written.
bool SaveClipboardFile(const std::wstring& name);

// The "/SAVE" switch: like SaveClipboardFile, but a clipboard held by another program is waited
// for (up to two seconds) and every failure is thrown as Error "Cannot save the clipboard to
// "<name>"" with the reason, for the command line's error report. An existing file is replaced
// only after a complete save.
void SaveClipboardFileForScript(const std::wstring& name);

// Puts the clipboard file name onto the clipboard; nothing happens when it names no file.
// Throws Error when the file cannot be opened.
void LoadClipboardFile(const std::wstring& name);

// Loads the file named by the first command-line parameter, trimmed at both ends.
void LoadClipboardFileFromParameter(const std::wstring& firstParameter);

} // namespace tavrix::win32
