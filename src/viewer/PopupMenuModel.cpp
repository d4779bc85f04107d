#include "viewer/PopupMenuModel.h"

#include "base/UiText.h"

#include <utility>

namespace tavrix {

namespace {

PopupMenuItem Command(PopupCommand command, std::wstring caption, bool enabled,
                      PopupCommandSet shown) {
    return {false, command, std::move(caption), (shown & PopupCommandBit(command)) != 0, enabled};
}

} // namespace

PopupMenuItems BuildPopupMenu(const PopupMenuState& s, PopupCommandSet shown) {
    const bool haveSel = !s.empty && s.selLength > 0;
    const bool allSelected = s.selStart == 0 && s.selLength >= s.alignedFileSize;
    return {{
        Command(PopupCommand::Copy, Tr(L"Copy"), haveSel, shown),
        Command(PopupCommand::CopyHex, Tr(L"Copy as hex"), haveSel && s.hexMode, shown),
        Command(PopupCommand::CopyLink, Tr(L"Copy link"), !s.empty && s.linkAtPopupPos, shown),
        PopupMenuItem{true},
        Command(PopupCommand::SelectLine, Tr(L"Select line"), !s.empty, shown),
        Command(PopupCommand::SelectAll, Tr(L"Select all"), !s.empty && !allSelected, shown),
        PopupMenuItem{true},
        Command(PopupCommand::EncodingMenu, Tr(L"Encoding..."), !s.empty, shown),
    }};
}

} // namespace tavrix
