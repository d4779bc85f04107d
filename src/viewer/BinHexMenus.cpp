// The context menu's items and commands, and the choices of the two encoding menus.
#include "viewer/EncodingMenuLayout.h"
#include "viewer/ViewerClipboard.h"
#include "viewer/ZorvBinHex.h"

namespace tavrix {

void TZorvBinHex::ContextMenuRequested(Point client) {
    mouse_.mousePopupPos = client;
}

PopupMenuItems TZorvBinHex::ContextMenuItems() {
    PopupMenuState state;
    state.empty = document_.Size() < CharSize();
    state.selStart = selStart_;
    state.selLength = selLength_;
    state.hexMode = options_.mode == ViewerMode::Hex;
    const Point at = mouse_.mousePopupPos;
    state.linkAtPopupPos = !state.empty && !UrlAt(PosFromCoord(at.x, at.y, true)).empty();
    state.alignedFileSize = document_.AlignPos(document_.Size());
    return BuildPopupMenu(state, options_.textPopupCommands);
}

void TZorvBinHex::ExecutePopupCommand(PopupCommand command) {
    const Point at = mouse_.mousePopupPos;
    switch (command) {
    case PopupCommand::Copy:
        CopyToClipboard(false);
        break;
    case PopupCommand::CopyHex:
        CopyToClipboard(true);
        break;
    case PopupCommand::CopyLink: {
        const std::wstring link = UrlAt(PosFromCoord(at.x, at.y, true));
        if (!link.empty() && surface_.Clipboard() != nullptr) {
            // Links are found in the shown text, which is ASCII.
            SetClipboardText(*surface_.Clipboard(), std::string(link.begin(), link.end()),
                             ViewerEncoding::ANSI);
        }
        break;
    }
    case PopupCommand::SelectLine: {
        // From the keyboard there is no point to take the line from.
        if (at.x < 0 || at.y < 0) {
            break;
        }
        const std::int64_t p = PosFromCoord(at.x, at.y, false);
        if (p >= 0) {
            SelectAround(BoundarySet::Line, p);
        }
        break;
    }
    case PopupCommand::SelectAll:
        SelectAll();
        break;
    case PopupCommand::EncodingMenu:
        break;
    }
}

void TZorvBinHex::ChooseEncoding(int tag) {
    if (!IsValidEncoding(tag) || IsUnicodeEncoding(static_cast<ViewerEncoding>(tag))) {
        return;
    }
    SetOption(&BinHexOptions::textEncoding, static_cast<ViewerEncoding>(tag));
}

void TZorvBinHex::ChooseUnicodeOrder(int tag) {
    document_.SetByteOrder(static_cast<std::uint8_t>(UnicodeOrderOfTag(tag)));
    if (IsUnicodeMode(options_.mode)) {
        Redraw();
    }
}

} // namespace tavrix
