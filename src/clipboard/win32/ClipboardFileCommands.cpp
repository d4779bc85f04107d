#include "clipboard/win32/ClipboardFileCommands.h"

#include "clipboard/ClipboardFileReader.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/Win32FileAccess.h"

namespace tavrix::win32 {

bool SaveClipboardFile(const std::wstring& name) {
    Win32FileAccess files;
    return SaveClipboardToFile(ClipboardPort::Instance(), files, name);
}

void LoadClipboardFile(const std::wstring& name) {
    Win32FileAccess files;
    LoadClipboardFromFile(ClipboardPort::Instance(), files, name);
}

void LoadClipboardFileFromParameter(const std::wstring& firstParameter) {
    Win32FileAccess files;
    LoadFileFromCommandLine(ClipboardPort::Instance(), files, firstParameter);
}

} // namespace tavrix::win32
