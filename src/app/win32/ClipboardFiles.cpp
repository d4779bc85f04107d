#include "app/win32/ClipboardFiles.h"

#include "base/UiText.h"
#include "base/win32/DroppedFiles.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/win32/ClipboardFileCommands.h"

namespace tavrix::win32 {

namespace {
std::wstring ClipboardFileFilter() {
    return Tr(L"Clipboard file") + L" (*.cl7)|*.cl7|" + Tr(L"All files") + L" (*.*)|*.*";
}
} // namespace

ClipboardFiles::ClipboardFiles(ReaderRunner run, MainFormServices::FileChooser choose,
                               StatusBar& status, StatusBarProgress::Clock clock)
    : run_(std::move(run)), clock_(clock), choose_(std::move(choose)),
      openDialog_({.filter = ClipboardFileFilter(),
                   .filterIndex = 1,
                   .mustExist = true,
                   .promptOverwrite = false,
                   .defaultExtension = L""}),
      saveDialog_({.filter = ClipboardFileFilter(),
                   .filterIndex = 1,
                   .mustExist = false,
                   .promptOverwrite = false,
                   .defaultExtension = L""}),
      progress_(status, std::move(clock)) {}

void ClipboardFiles::Load(HWND owner) {
    std::optional<std::wstring> name = choose_(FileChoice::Open, openDialog_, owner);
    if (!name) {
        return;
    }
    LoadFile(*name);
}

void ClipboardFiles::LoadFile(const std::wstring& name) {
    auto progress = std::make_shared<RelayedProgress>(window_, clock_);
    run_([name, progress](
             ClipboardPort& clipboard) { LoadClipboardFile(clipboard, name, progress.get()); },
         {});
}

void ClipboardFiles::LoadStream(std::shared_ptr<DataStream> stream) {
    auto progress = std::make_shared<RelayedProgress>(window_, clock_);
    run_([stream, progress](
             ClipboardPort& clipboard) { LoadClipboardStream(clipboard, *stream, progress.get()); },
         {});
}

void ClipboardFiles::LoadDropped(HDROP drop) {
    // Only the first of several files: the clipboard holds one file's content at a time. A
    // folder or a name that is gone by now loads nothing.
    const std::wstring name = FirstDroppedFile(drop);
    if (!name.empty()) {
        LoadFile(name);
    }
}

void ClipboardFiles::Save(HWND owner) {
    std::optional<std::wstring> name = choose_(FileChoice::Save, saveDialog_, owner);
    if (!name) {
        return;
    }
    // The dialog proposes the name with its extension next time.
    saveDialog_.SetFileName(WithClipboardFileExtension(*name));
    auto progress = std::make_shared<RelayedProgress>(window_, clock_);
    run_([name = *name, progress](
             ClipboardPort& clipboard) { SaveClipboardFile(clipboard, name, progress.get()); },
         {});
}

} // namespace tavrix::win32
