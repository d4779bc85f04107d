// The main window's action table and the handlers of the commands that concern the window
// itself: always-on-top, zoom, web pages and links, and the texts of the user's language.
#include "app/LinkPolicy.h"
#include "app/WebPages.h"
#include "app/win32/MainForm.h"
#include "base/SystemPlatform.h"
#include "base/SystemServices.h"
#include "base/win32/WaitCursor.h"
#include "clipboard/ClipboardEngine.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/win32/TavrixClipboardMonitor.h"
#include "i18n/TranslatedTexts.h"
#include "settings/SettingsStore.h"

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
        {CommandId(MainCommand::Load), [this] { files_.Load(Handle()); }},
        {CommandId(MainCommand::Save), [this] { files_.Save(Handle()); }},
        {CommandId(MainCommand::CompareWithFile),
         [this] {
             if (monitor_ != nullptr) {
                 comparison_.Run(Handle(), monitor_->Engine());
             }
         }},
        {CommandId(MainCommand::Delete),
         [this] { RunOnReader([](ClipboardPort& clipboard) { clipboard.Clear(); }, {}); }},
        {CommandId(MainCommand::Exit), [this] { PostMessageW(Handle(), WM_CLOSE, 0, 0); }},
        {CommandId(MainCommand::HelpOnline), [this] { OpenWebPage(HelpPageAddress()); }},
        {CommandId(MainCommand::OnTop), [this] { ToggleOnTop(); }},
        {CommandId(MainCommand::ZoomOut), [this] { Zoom(ZoomStep::Out); }},
        {CommandId(MainCommand::ZoomIn), [this] { Zoom(ZoomStep::In); }},
        {CommandId(MainCommand::Zoom100), [this] { Zoom(ZoomStep::Reset); }},
        {CommandId(MainCommand::SaveFormat), onSelected([this](ClipboardEngine& engine, int node) {
             formatCommands_.Save(Handle(), engine, node);
         })},
        {CommandId(MainCommand::RemoveFormat),
         onSelected(
             [this](ClipboardEngine& engine, int node) { formatCommands_.Remove(engine, node); })},
        {CommandId(MainCommand::ChangeLog), [this] { OpenChangeLog(); }},
        {CommandId(MainCommand::Find), [this] { find_.Find(); }},
        {CommandId(MainCommand::FindNext), [this] { find_.FindAgain(false); }},
        {CommandId(MainCommand::FindPrevious), [this] { find_.FindAgain(true); }},
        {CommandId(MainCommand::GoToOffset), [this] { find_.GoTo(); }},
        {CommandId(MainCommand::About), [this] { OpenWebPage(HomePageAddress()); }},
        {CommandId(MainCommand::Brisvel),
         [this] { OpenWebPage(OtherProductPageAddress(GetUserDefaultUILanguage())); }},
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
    HWND order = commands_.ActionById(CommandId(MainCommand::OnTop)).Checked() ? HWND_TOPMOST
                                                                               : HWND_NOTOPMOST;
    SetWindowPos(Handle(), order, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TMainForm::ToggleOnTop() {
    Action& onTop = commands_.ActionById(CommandId(MainCommand::OnTop));
    onTop.SetChecked(!onTop.Checked());
    ApplyOnTop();
    services_.settings.WriteBool(L"OnTop", onTop.Checked());
}

void TMainForm::OpenWebPage(const std::wstring& address) {
    if (commands_.ActionById(CommandId(MainCommand::OnTop)).Checked()) {
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
    std::wstring exe = CurrentSystemPlatform().ExecutablePath();
    TranslatedTexts texts = TranslateUserInterface(GetVersionInfoString(exe, L"FileVersion"));
    commands_.ApplyTranslations(texts);
    AssignTranslatedLabels(texts);
    DrawMenuBar(Handle());
}

} // namespace tavrix::win32
