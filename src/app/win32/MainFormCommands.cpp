// The main window's commands: clipboard files, clearing, exit, always-on-top, web pages and
// links, and the texts of the user's language.
#include "app/LinkPolicy.h"
#include "app/WebPages.h"
#include "app/win32/FileTypeRegistration.h"
#include "app/win32/MainForm.h"
#include "app/win32/MainFormSettings.h"
#include "base/Support.h"
#include "base/SupportPlatform.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/ClipboardFileCommands.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "i18n/TranslatedTexts.h"
#include "settings/AppIni.h"

#include <shellapi.h>

namespace tavrix::win32 {

void TMainForm::actLoadExecute() {
    std::optional<std::wstring> name = openChooser_ ? openChooser_() : odMain_.ShowOpen(Handle());
    if (!name) {
        return;
    }
    // The monitor notices the new content and refreshes the tree.
    LoadClipboardFile(*name);
}

void TMainForm::actSaveExecute() {
    std::optional<std::wstring> name = saveChooser_ ? saveChooser_() : sdMain_.ShowSave(Handle());
    if (!name) {
        return;
    }
    // The dialog proposes the name with its extension next time.
    sdMain_.SetFileName(WithClipboardFileExtension(*name));
    SaveClipboardFile(*name);
}

void TMainForm::actDeleteExecute() {
    port_.Clear();
}

void TMainForm::actExitExecute() {
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TMainForm::ApplyOnTop() {
    HWND order = alMain_.Find(kActOnTop)->Checked() ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(Handle(), order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::actOnTopExecute() {
    Action& onTop = *alMain_.Find(kActOnTop);
    onTop.SetChecked(!onTop.Checked());
    ApplyOnTop();
    WriteBoolSetting(L"OnTop", onTop.Checked());
}

void TMainForm::OpenWebPage(const std::wstring& address) {
    if (alMain_.Find(kActOnTop)->Checked()) {
        // A window that stays on top would cover the browser.
        ShowWindow(Handle(), SW_MINIMIZE);
    }
    lastOpenedPage_ = address;
    if (pageOpener_) {
        pageOpener_(address);
        return;
    }
    // No browser is no error.
    ShellExecuteW(nullptr, nullptr, address.c_str(), nullptr, L"", SW_SHOWNORMAL);
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
    lastOpenedPage_ = link;
    if (pageOpener_) {
        pageOpener_(link);
        return;
    }
    ShellExecuteW(nullptr, nullptr, link.c_str(), nullptr, L"", SW_SHOWNORMAL);
}

void TMainForm::ApplyTranslations() {
    std::wstring exe = CurrentSupportPlatform().ExecutablePath();
    TranslatedTexts t = TranslateUserInterface(GetVersionInfoString(exe, L"FileVersion"));
    auto set = [this](int id, const std::wstring& caption, const std::wstring* hint) {
        Action& action = *alMain_.Find(id);
        action.SetCaption(caption);
        if (hint != nullptr) {
            action.SetHint(*hint);
        }
    };
    set(kActSave, t.saveCaption, &t.saveHint);
    set(kActLoad, t.loadCaption, &t.loadHint);
    set(kActDelete, t.deleteCaption, &t.deleteHint);
    set(kActExit, t.exitCaption, nullptr);
    set(kActOnTop, t.onTopCaption, nullptr);
    set(kActZoomOut, t.zoomOutCaption, &t.zoomOutHint);
    set(kActZoomIn, t.zoomInCaption, &t.zoomInHint);
    set(kActZoom100, t.zoom100Caption, &t.zoom100Hint);
    SetTopMenuText(0, t.fileMenu);
    SetTopMenuText(1, t.editMenu);
    SetTopMenuText(2, t.helpMenu);
    set(kActHelpOnline, t.helpOnlineCaption, &t.helpOnlineHint);
    SetMenuItemText(kMiAbout, t.aboutCaption);
    SetMenuItemText(kMiBrisvel, t.brisvelCaption);
    AssignTranslatedLabels(t);
    DrawMenuBar(Handle());
}

void TMainForm::SetTopMenuText(int position, const std::wstring& text) {
    std::wstring copy = text;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = copy.data();
    SetMenuItemInfoW(mmMain_, static_cast<UINT>(position), TRUE, &info);
}

void TMainForm::SetMenuItemText(int id, const std::wstring& text) {
    std::wstring copy = text;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_STRING;
    info.dwTypeData = copy.data();
    SetMenuItemInfoW(mmMain_, static_cast<UINT>(id), FALSE, &info);
}

std::wstring TMainForm::MenuItemText(int id, bool byPosition) const {
    wchar_t buffer[256] = {};
    GetMenuStringW(mmMain_, static_cast<UINT>(id), buffer, 256,
                   byPosition ? MF_BYPOSITION : MF_BYCOMMAND);
    return buffer;
}

void TMainForm::StartClipboardMonitor() {
    monitor_ = std::make_unique<TTavrixClipboardMonitor>(port_, *this);
    engine_ = &monitor_->Engine();
    monitor_->StartMonitoring();
    // The first look: tree filled, "Preview" selected and the summary shown before showing.
    monitor_->SaveClipboardToFile();
}

void TMainForm::StopClipboardMonitor() {
    engine_ = nullptr;
    monitor_.reset();
}

void TMainForm::RunFirstStart() {
    // Without the program's settings store (the window alone in a test) there is no first start.
    if (HasAppIni()) {
        ::tavrix::win32::RunFirstStart();
    }
}

} // namespace tavrix::win32
