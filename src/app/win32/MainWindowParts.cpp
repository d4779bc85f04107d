#include "app/win32/MainWindowParts.h"

#include "base/Error.h"
#include "base/UiText.h"
#include "clipboard/win32/Win32Icon.h"

#include <utility>

namespace tavrix::win32 {

namespace {

ViewerMode ViewerMode(ByteView view) {
    switch (view) {
    case ByteView::UnicodeHex:
        return ViewerMode::UHex;
    case ByteView::Text:
    case ByteView::Utf8Text:
        return ViewerMode::Text;
    case ByteView::Hex:
        break;
    }
    return ViewerMode::Hex;
}

int ActionId(EngineAction action) {
    static constexpr std::pair<EngineAction, MainCommand> kCommands[] = {
        {EngineAction::Save, MainCommand::Save},
        {EngineAction::Delete, MainCommand::Delete},
        {EngineAction::ZoomOut, MainCommand::ZoomOut},
        {EngineAction::ZoomIn, MainCommand::ZoomIn},
        {EngineAction::Zoom100, MainCommand::Zoom100},
        {EngineAction::SaveFormat, MainCommand::SaveFormat},
    };
    for (const auto& [engine, command] : kCommands) {
        if (engine == action) {
            return CommandId(command);
        }
    }
    return CommandId(MainCommand::RemoveFormat);
}

} // namespace

void MainWindowParts::SetActionEnabled(EngineAction action, bool enabled) {
    commands_.ActionById(ActionId(action)).SetEnabled(enabled);
}

void MainWindowParts::SetPreviewIcon(const ClipboardIcon& icon) {
    const auto* platformIcon = dynamic_cast<const Win32Icon*>(&icon);
    if (platformIcon == nullptr) {
        throw Error(Tr(L"Invalid icon"));
    }
    preview_.Image().SetIcon(platformIcon->Handle(), platformIcon->Width(), platformIcon->Height());
}

std::optional<PictureSize> MainWindowParts::ShowEncodedPicture(ClipFormat format) {
    std::optional<PictureSize> size = preview_.ShowEncodedPicture(format);
    if (size) {
        SelectPreviewView(PreviewView::Picture);
    }
    return size;
}

std::int32_t MainWindowParts::ShowFormatBytes(ClipFormat format, ByteView view) {
    const std::int32_t size = preview_.ReadFormat(format);
    preview_.ShowStreamInViewer(ViewerMode(view), false, view == ByteView::Utf8Text);
    SelectPreviewView(PreviewView::Viewer);
    return size;
}

std::int32_t MainWindowParts::ShowReadBytes() {
    preview_.ShowStreamInViewer(ViewerMode::Hex, false);
    SelectPreviewView(PreviewView::Viewer);
    return preview_.StreamSize();
}

std::int32_t MainWindowParts::ShowRichText(ClipFormat format) {
    preview_.ReadFormat(format);
    preview_.LoadRichText();
    SelectPreviewView(PreviewView::RichText);
    return preview_.RichText().TextLengthByLines();
}

void MainWindowParts::SelectPreviewView(PreviewView view) {
    switch (view) {
    case PreviewView::RichText:
    case PreviewView::Picture:
    case PreviewView::Viewer:
        preview_.Select(view);
        break;
    }
    UpdateViewActions();
}

void MainWindowParts::ShowPreviewText(const std::u16string& text) {
    preview_.SetStreamText(text);
    preview_.ShowStreamInViewer(ViewerMode::Unicode, true);
    SelectPreviewView(PreviewView::Viewer);
}

void MainWindowParts::UpdateViewActions() {
    const bool zoom = preview_.CanZoom();
    for (int id : {CommandId(MainCommand::ZoomOut), CommandId(MainCommand::ZoomIn),
                   CommandId(MainCommand::Zoom100)}) {
        commands_.ActionById(id).SetEnabled(zoom);
    }
    find_.ViewChanged();
    const bool find = find_.CanSearch();
    for (MainCommand command : kFindCommands) {
        commands_.ActionById(CommandId(command)).SetEnabled(find);
    }
}

} // namespace tavrix::win32
