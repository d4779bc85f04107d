#include "clipboard/win32/ClipboardFileCommands.h"

#include "base/Error.h"
#include "base/SwallowedErrors.h"
#include "base/UiText.h"
#include "clipboard/ClipboardFileReader.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FileAccess.h"
#include "clipboard/win32/Win32FileAccess.h"

#include <windows.h>

#include <cstdint>
#include <memory>

namespace tavrix::win32 {

namespace {

// The longest a script's save waits for another program to let go of the clipboard.
constexpr std::uint32_t kScriptClipboardWait = 2000;
constexpr std::uint32_t kRetryPause = 20;

// Opens the clipboard, retrying while another program holds it; throws "Cannot open clipboard"
// when the wait runs out.
std::unique_ptr<ClipboardOpen> OpenWaiting(ClipboardPort& port) {
    const DWORD start = GetTickCount();
    for (;;) {
        try {
            return std::make_unique<ClipboardOpen>(port);
        } catch (const Error&) {
            LogSwallowed(L"OpenWaiting");
            // Unsigned difference: correct across the wrap of the tick count.
            if (static_cast<std::uint32_t>(GetTickCount() - start) >= kScriptClipboardWait) {
                throw;
            }
        }
        // Only ever on the reader thread: a pause here keeps no window waiting.
        Sleep(kRetryPause);
    }
}

} // namespace

bool SaveClipboardFile(ClipboardPort& port, const std::wstring& name, ProgressDisplay* display) {
    Win32FileAccess files;
    return SaveClipboardToFile(port, files, name, display);
}

void SaveClipboardFileForScript(ClipboardPort& port, const std::wstring& name) {
    const std::wstring target = WithClipboardFileExtension(name);
    const std::wstring failure = Tr(L"Cannot save the clipboard to \"%1\"", {target});
    try {
        // Held open across the whole save, so the writer's own open cannot meet a new holder.
        const std::unique_ptr<ClipboardOpen> open = OpenWaiting(port);
        Win32FileAccess files;
        std::unique_ptr<ReplacementFile> file = files.CreateReplacement(target);
        if (!SaveClipboardToStream(port, file->Stream(), MaxSavedFormatSize)) {
            throw Error(Tr(L"The clipboard's data could not be read"));
        }
        file->Commit();
    } catch (const Error& e) {
        // The temporary file is gone again; an existing target keeps its content.
        throw Error(failure + L": " + e.Message());
    }
}

void LoadClipboardFile(ClipboardPort& port, const std::wstring& name, ProgressDisplay* display) {
    Win32FileAccess files;
    LoadClipboardFromFile(port, files, name, display);
}

std::unique_ptr<DataStream> OpenClipboardFileFromParameter(const std::wstring& firstParameter) {
    Win32FileAccess files;
    return OpenFileFromCommandLine(files, firstParameter);
}

void LoadClipboardStream(ClipboardPort& port, DataStream& stream, ProgressDisplay* display) {
    LoadClipboardFromStream(port, stream, display);
}

} // namespace tavrix::win32
