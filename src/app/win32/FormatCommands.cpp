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

namespace {
std::wstring RegisteredFormatNameOf(ClipFormat format) {
    wchar_t buffer[256] = {};
    const int length = GetClipboardFormatNameW(format, buffer, 256);
    return std::wstring(buffer, length > 0 ? static_cast<std::size_t>(length) : 0);
}
} // namespace

FormatCommands::FormatCommands(ReaderRunner run, MainFormServices::FileChooser choose)
    : run_(std::move(run)), choose_(std::move(choose)),
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
    run_(
        [format, name, path = *path](ClipboardPort& clipboard) {
            std::vector<std::uint8_t> file;
            const DataResult read =
                clipboard.ReadData(format, [&](std::span<const std::uint8_t> block) {
                    file = FormatFileImage(format, block);
                });
            if (read != DataResult::Read) {
                throw Error(Tr(L"The clipboard no longer offers \"%1\"", {name}));
            }
            // Written beside the target and put in its place in one step: a failed save
            // leaves an existing file as it was.
            Win32FileAccess files;
            std::unique_ptr<ReplacementFile> replacement = files.CreateReplacement(path);
            replacement->Stream().Write(file);
            replacement->Commit();
        },
        {});
}

void FormatCommands::Remove(ClipboardEngine& engine, int nodeIndex) {
    std::wstring name;
    const ClipFormat format = engine.NodeFormat(nodeIndex, &name);
    if (format == 0) {
        return;
    }
    auto removal = std::make_shared<FormatRemoval>();
    run_([format, removal](
             ClipboardPort& clipboard) { *removal = RemoveClipboardFormat(clipboard, format); },
         [&engine, removal, name] { ReportRemoval(engine, *removal, name); });
}

void FormatCommands::ReportRemoval(ClipboardEngine& engine, const FormatRemoval& removal,
                                   const std::wstring& name) {
    if (!removal.unreadable.empty()) {
        std::wstring names;
        for (ClipFormat unreadable : removal.unreadable) {
            std::wstring known = engine.GetFormatName(unreadable);
            if (known.empty()) {
                known = RegisteredFormatNameOf(unreadable);
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
