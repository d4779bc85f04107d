// The main window's action table and the handlers of the commands that concern the window
// itself: always-on-top, zoom, web pages and links, and the texts of the user's language.
#include "app/LinkPolicy.h"
#include "app/WebPages.h"
#include "app/win32/MainForm.h"
#include "base/Support.h"
#include "base/SupportPlatform.h"
#include "base/win32/WaitCursor.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "i18n/TranslatedTexts.h"
#include "settings/AppIni.h"

namespace tavrix::win32 {

CommandBar::Handlers TMainForm::CommandHandlers() {
    // The format commands work on the selected node, as the engine lists it.
    auto onSelected = [this](auto command) {
        return [this, command] {
            if (monitor_ != nullptr) {
                command(monitor_->Engine(), tvFormats_.SelectedNodeIndex());
            }
        };
    };
    return {
        {kActLoad, [this] { files_.Load(Handle()); }},
        {kActSave, [this] { files_.Save(Handle()); }},
        {kActDelete, [this] { port_.Clear(); }},
        {kActExit, [this] { PostMessageW(Handle(), WM_CLOSE, 0, 0); }},
        {kActHelpOnline, [this] { OpenWebPage(HelpPageAddress()); }},
        {kActOnTop, [this] { ToggleOnTop(); }},
        {kActZoomOut, [this] { Zoom(ZoomStep::Out); }},
        {kActZoomIn, [this] { Zoom(ZoomStep::In); }},
        {kActZoom100, [this] { Zoom(ZoomStep::Reset); }},
        {kActSaveFormat, onSelected([this](ClipboardEngine& engine, int node) {
             formatCommands_.Save(Handle(), engine, node);
         })},
        {kActRemoveFormat, onSelected([this](ClipboardEngine& engine, int node) {
             formatCommands_.Remove(engine, node);
         })},
        {kMiAbout, [this] { OpenWebPage(HomePageAddress()); }},
        {kMiBrisvel, [this] { OpenWebPage(OtherProductPageAddress(GetUserDefaultUILanguage())); }},
    };
}

void TMainForm::OnDropFiles(HDROP drop) {
    files_.LoadDropped(drop);
}

bool TMainForm::OnSetCursor(HWND /*over*/, UINT /*hitTest*/) {
    // The child windows ask here first, so the whole window keeps the wait cursor.
    if (!files_.Busy()) {
        return false;
    }
    SetCursor(WaitCursorShape());
    return true;
}

void TMainForm::Zoom(ZoomStep step) {
    preview_.Zoom(step);
    preview_.SaveZoom(services_.settings);
}

void TMainForm::ApplyOnTop() {
    HWND order = commands_.ActionById(kActOnTop).Checked() ? HWND_TOPMOST : HWND_NOTOPMOST;
    SetWindowPos(Handle(), order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::ToggleOnTop() {
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
