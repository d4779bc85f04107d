// The facts panel of the main window: the facts panel of the status bar, and the two commands on
// one format, saving it to a file and taking it off the clipboard.
#include "app/win32/MainForm.h"
#include "base/Error.h"
#include "base/Support.h"
#include "base/UiText.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/FormatFile.h"
#include "clipboard/FormatListEntry.h"
#include "clipboard/FormatRemoval.h"
#include "clipboard/win32/Win32FileAccess.h"

namespace tavrix::win32 {

namespace {
constexpr int kFactsPanel = 2;
constexpr wchar_t kFactSeparator[] = L" \u00B7 ";
} // namespace

void TMainForm::ShowFormatFacts(int nodeIndex, ClipFormat format) {
    commands_.ActionById(kActSaveFormat).SetEnabled(nodeIndex > 0 && !IsGdiObjectFormat(format));
    commands_.ActionById(kActRemoveFormat).SetEnabled(nodeIndex > 0);
    if (!factsShown_ || engine_ == nullptr) {
        return;
    }
    FormatFactsPanel& factsPanel = engine_->FactsPanel();
    if (nodeIndex > 0) {
        sbMain_.SetPanelText(kFactsPanel, factsPanel.FormatText(format));
        return;
    }
    std::vector<ClipFormat> listed;
    for (const std::wstring& entry : engine_->FormatList()) {
        listed.push_back(FormatOfEntry(entry));
    }
    std::wstring text = factsPanel.PreviewText(listed);
    if (!removalNote_.empty() && port_.Backend().SequenceNumber() == removalNoteSequence_) {
        text += kFactSeparator + removalNote_;
    }
    sbMain_.SetPanelText(kFactsPanel, text);
}

void TMainForm::ShowClipboardHolder(const std::wstring& text) {
    sbMain_.SetPanelText(kFactsPanel, text);
}

ClipFormat TMainForm::SelectedFormat(std::wstring* name) const {
    const int node = tvFormats_.SelectedNodeIndex();
    if (engine_ == nullptr || node < 1 ||
        static_cast<std::size_t>(node) > engine_->FormatList().size()) {
        return 0;
    }
    const std::wstring& entry = engine_->FormatList()[static_cast<std::size_t>(node - 1)];
    if (name != nullptr) {
        *name = FormatNodeText(entry);
    }
    return FormatOfEntry(entry);
}

void TMainForm::actSaveFormatExecute() {
    std::wstring name;
    const ClipFormat format = SelectedFormat(&name);
    if (format == 0 || IsGdiObjectFormat(format)) {
        return;
    }
    sdFormat_.SetFileName(SuggestedFormatFileName(format, name));
    const std::optional<std::wstring> path =
        services_.chooseFile(FileChoice::Save, sdFormat_, Handle());
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

void TMainForm::actRemoveFormatExecute() {
    std::wstring name;
    const ClipFormat format = SelectedFormat(&name);
    if (format == 0) {
        return;
    }
    const FormatRemoval removal = RemoveClipboardFormat(port_, format);
    if (!removal.unreadable.empty()) {
        std::wstring names;
        for (ClipFormat unreadable : removal.unreadable) {
            std::wstring known = engine_->GetFormatName(unreadable);
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
    removalNote_.clear();
    if (removal.removed && removal.comesBack) {
        // The refresh that follows shows the note; it lasts while this clipboard does.
        removalNote_ = Tr(L"%1 comes back: the system makes it from another format", {name});
        removalNoteSequence_ = port_.Backend().SequenceNumber();
        sbMain_.SetPanelText(kFactsPanel, removalNote_);
    }
}

} // namespace tavrix::win32
