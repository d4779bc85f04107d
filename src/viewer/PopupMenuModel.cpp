#include "viewer/PopupMenuModel.h"

#include "base/UiText.h"

#include <utility>

namespace tavrix {

namespace {

PopupMenuItem Command(TZorvPopupCommand command, std::wstring caption, bool enabled,
                      TZorvPopupCommands shown) {
    return {false, command, std::move(caption), (shown & PopupCommandBit(command)) != 0, enabled};
}

} // namespace

PopupMenuItems BuildPopupMenu(const PopupMenuState& s, TZorvPopupCommands shown) {
    const bool haveSel = !s.Empty && s.SelLength > 0;
    const bool allSelected = s.SelStart == 0 && s.SelLength >= s.AlignedFileSize;
    return {{
        Command(vpCmdCopy, Tr(L"Copy"), haveSel, shown),
        Command(vpCmdCopyHex, Tr(L"Copy as hex"), haveSel && s.HexMode, shown),
        Command(vpCmdCopyLink, Tr(L"Copy link"), !s.Empty && s.LinkAtPopupPos, shown),
        PopupMenuItem{true},
        Command(vpCmdSelectLine, Tr(L"Select line"), !s.Empty, shown),
        Command(vpCmdSelectAll, Tr(L"Select all"), !s.Empty && !allSelected, shown),
        PopupMenuItem{true},
        Command(vpCmdEncMenu, Tr(L"Encoding..."), !s.Empty, shown),
    }};
}

} // namespace tavrix
