// The main window's commands: clipboard files, clearing, exit, always-on-top, web pages and
// links, and the texts of the user's language.
#include "app/LinkPolicy.h"
#include "app/WebPages.h"
#include "app/win32/MainForm.h"
#include "base/Support.h"
#include "base/SupportPlatform.h"
#include "base/win32/DroppedFiles.h"
#include "base/win32/WaitCursor.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/ClipboardFileCommands.h"
#include "i18n/TranslatedTexts.h"
#include "settings/AppIni.h"

namespace tavrix::win32 {

void TMainForm::actLoadExecute() {
    std::optional<std::wstring> name = services_.chooseFile(FileChoice::Open, odMain_, Handle());
    if (!name) {
        return;
    }
    // The monitor notices the new content and refreshes the tree.
    LoadClipboardFile(*name, &progress_);
}

void TMainForm::OnDropFiles(HDROP drop) {
    // Only the first of several files: the clipboard holds one file's content at a time. A
    // folder or a name that is gone by now loads nothing.
    const std::wstring name = FirstDroppedFile(drop);
    if (!name.empty()) {
        LoadClipboardFile(name, &progress_);
    }
}

void TMainForm::actSaveExecute() {
    std::optional<std::wstring> name = services_.chooseFile(FileChoice::Save, sdMain_, Handle());
    if (!name) {
        return;
    }
    // The dialog proposes the name with its extension next time.
    sdMain_.SetFileName(WithClipboardFileExtension(*name));
    SaveClipboardFile(*name, &progress_);
}

bool TMainForm::OnSetCursor(HWND /*over*/, UINT /*hitTest*/) {
    // The child windows ask here first, so the whole window keeps the wait cursor.
    if (!progress_.Showing()) {
        return false;
    }
    SetCursor(WaitCursorShape());
    return true;
}

void TMainForm::actDeleteExecute() {
    port_.Clear();
}

void TMainForm::actExitExecute() {
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TMainForm::ApplyOnTop() {
    HWND order = commands_.ActionById(kActOnTop).Checked() ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(Handle(), order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::actOnTopExecute() {
    Action& onTop = commands_.ActionById(kActOnTop);
    onTop.SetChecked(!onTop.Checked());
    ApplyOnTop();
    services_.settings.WriteBool(L"OnTop", onTop.Checked());
}

void TMainForm::OpenWebPage(const std::wstring& address) {
    if (commands_.ActionById(kActOnTop).Checked()) {
        // A window that stays on top would cover the browser.
        ShowWindow(Handle(), SW_MINIMIZE);
    }
    services_.openPage(address);
}

void TMainForm::actHelpOnlineExecute() {
    OpenWebPage(HelpPageAddress());
}

void TMainForm::miAboutClick() {
    OpenWebPage(HomePageAddress());
}

void TMainForm::miBrisvelClick() {
    OpenWebPage(OtherProductPageAddress(GetUserDefaultUILanguage()));
}

void TMainForm::rtfPreviewURLClick(const std::wstring& link, bool leftButton) {
    // Links come from whatever program put the rich text on the clipboard: only web and mail
    // addresses are opened, never files or programs.
    if (!leftButton || !IsOpenableLink(link)) {
        return;
    }
    services_.openPage(link);
}

void TMainForm::ApplyTranslations() {
    std::wstring exe = CurrentSupportPlatform().ExecutablePath();
    TranslatedTexts texts = TranslateUserInterface(GetVersionInfoString(exe, L"FileVersion"));
    commands_.ApplyTranslations(texts);
    AssignTranslatedLabels(texts);
    DrawMenuBar(Handle());
}

} // namespace tavrix::win32
