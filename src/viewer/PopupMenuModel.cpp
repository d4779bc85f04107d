#include "viewer/PopupMenuModel.h"

namespace tavrix {

namespace {

PopupMenuItem Command(TZorvPopupCommand command, const wchar_t* caption, bool enabled,
                      TZorvPopupCommands shown) {
    return {false, command, caption, (shown & PopupCommandBit(command)) != 0, enabled};
}

} // namespace

PopupMenuItems BuildPopupMenu(const PopupMenuState& s, TZorvPopupCommands shown) {
    const bool haveSel = !s.Empty && s.SelLength > 0;
    const bool allSelected = s.SelStart == 0 && s.SelLength >= s.AlignedFileSize;
    return {{
        Command(vpCmdCopy, L"Copy", haveSel, shown),
        Command(vpCmdCopyHex, L"Copy as hex", haveSel && s.HexMode, shown),
        Command(vpCmdCopyLink, L"Copy link", !s.Empty && s.LinkAtPopupPos, shown),
        PopupMenuItem{true},
        Command(vpCmdSelectLine, L"Select line", !s.Empty, shown),
        Command(vpCmdSelectAll, L"Select all", !s.Empty && !allSelected, shown),
        PopupMenuItem{true},
        Command(vpCmdEncMenu, L"Encoding...", !s.Empty, shown),
    }};
}

} // namespace tavrix
