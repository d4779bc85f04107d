#include "app/win32/FormatCommands.h"

#include "base/Error.h"
#include "base/SystemServices.h"
#include "base/UiText.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FormatFile.h"
#include "clipboard/FormatRemoval.h"
#include "clipboard/win32/Win32FileAccess.h"

namespace tavrix::win32 {

FormatCommands::FormatCommands(ClipboardPort& port, MainFormServices::FileChooser choose)
    : port_(port), choose_(std::move(choose)),
      saveDialog_({.filter = Tr(L"All files") + L" (*.*)|*.*",
                   .filterIndex = 1,
                   .mustExist = false,
                   .promptOverwrite = true,
                   .defaultExtension = L""}) {}

void FormatCommands::Save(HWND owner, const ClipboardEngine& engine, int nodeIndex) {
    std::wstring name;
    const ClipFormat format = engine.NodeFormat(nodeIndex, &name);
    if (format == 0 || IsGdiObjectFormat(format)) {
        return;
    }
    saveDialog_.SetFileName(SuggestedFormatFileName(format, name));
    const std::optional<std::wstring> path = choose_(FileChoice::Save, saveDialog_, owner);
    if (!path) {
        return;
    }
    std::vector<std::uint8_t> file;
    const DataResult read = port_.ReadData(format, [&](std::span<const std::uint8_t> block) {
        file = FormatFileImage(format, block);
    });
    if (read != DataResult::Read) {
        throw Error(Tr(L"The clipboard no longer offers \"%1\"", {name}));
    }
    // Written beside the target and put in its place in one step: a failed save leaves an
    // existing file as it was.
    Win32FileAccess files;
    std::unique_ptr<ReplacementFile> replacement = files.CreateReplacement(*path);
    replacement->Stream().Write(file);
    replacement->Commit();
}

void FormatCommands::Remove(ClipboardEngine& engine, int nodeIndex) {
    std::wstring name;
    const ClipFormat format = engine.NodeFormat(nodeIndex, &name);
    if (format == 0) {
        return;
    }
    const FormatRemoval removal = RemoveClipboardFormat(port_, format);
    if (!removal.unreadable.empty()) {
        std::wstring names;
        for (ClipFormat unreadable : removal.unreadable) {
            std::wstring known = engine.GetFormatName(unreadable);
            if (known.empty()) {
                known = port_.Backend().RegisteredFormatName(unreadable);
            }
            if (known.empty()) {
                known = Tr(L"Format %1", {std::to_wstring(unreadable)});
            }
            names += (names.empty() ? L"" : L", ") + known;
        }
        ShowWarning(Tr(L"Nothing was removed: the clipboard cannot give %1", {names}));
        return;
    }
    engine.NoteRemoval(removal.removed && removal.comesBack
                           ? Tr(L"%1 comes back: the system makes it from another format", {name})
                           : std::wstring());
}

} // namespace tavrix::win32
