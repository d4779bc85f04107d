// The context menu's items and commands, and the choices of the two encoding menus.
#include "viewer/EncodingMenuLayout.h"
#include "viewer/ViewerClipboard.h"
#include "viewer/ZorvBinHex.h"

namespace tavrix {

void TZorvBinHex::ContextMenuRequested(Point client) {
    mouse_.MousePopupPos = client;
}

PopupMenuItems TZorvBinHex::ContextMenuItems() {
    PopupMenuState state;
    state.Empty = document_.Size() < CharSize();
    state.SelStart = selStart_;
    state.SelLength = selLength_;
    state.HexMode = options_.Mode == vbmodeHex;
    const Point at = mouse_.MousePopupPos;
    state.LinkAtPopupPos = !state.Empty && !UrlAt(PosFromCoord(at.x, at.y, true)).empty();
    state.AlignedFileSize = document_.AlignPos(document_.Size());
    return BuildPopupMenu(state, options_.TextPopupCommands);
}

void TZorvBinHex::ExecutePopupCommand(TZorvPopupCommand command) {
    const Point at = mouse_.MousePopupPos;
    switch (command) {
    case vpCmdCopy:
        CopyToClipboard(false);
        break;
    case vpCmdCopyHex:
        CopyToClipboard(true);
        break;
    case vpCmdCopyLink: {
        const std::wstring link = UrlAt(PosFromCoord(at.x, at.y, true));
        if (!link.empty()) {
            // Links are found in the shown text, which is ASCII.
            SetClipboardText(std::string(link.begin(), link.end()), vEncANSI);
        }
        break;
    }
    case vpCmdSelectLine: {
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
    case vpCmdSelectAll:
        SelectAll();
        break;
    case vpCmdEncMenu:
        break;
    }
}

void TZorvBinHex::ChooseEncoding(int tag) {
    if (!IsValidEncoding(tag) || IsUnicodeEncoding(static_cast<TZorvEncoding>(tag))) {
        return;
    }
    SetOption(&BinHexOptions::TextEncoding, static_cast<TZorvEncoding>(tag));
}

void TZorvBinHex::ChooseUnicodeOrder(int tag) {
    document_.SetByteOrder(static_cast<std::uint8_t>(UnicodeOrderOfTag(tag)));
    if (IsUnicodeMode(options_.Mode)) {
        Redraw();
    }
}

} // namespace tavrix
