#pragma once
// The viewer's context menu as data: its eight items in order, which are visible and which are
// enabled for the state the control is in when the menu opens.
#include "viewer/BinHexTypes.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrix {

struct PopupMenuItem {
    bool separator = false;
    PopupCommand command = PopupCommand::Copy; // meaningless for a separator
    std::wstring caption = L"-";
    bool visible = true;
    bool enabled = true;
};

inline constexpr int kPopupMenuItemCount = 8;
using PopupMenuItems = std::array<PopupMenuItem, kPopupMenuItemCount>;

// The control's state when the menu opens.
struct PopupMenuState {
    bool empty = true; // FileSize < CharSize
    std::int64_t selStart = 0;
    std::int64_t selLength = 0;
    bool hexMode = false;             // Mode = ViewerMode::Hex
    bool linkAtPopupPos = false;      // a link lies under the point the menu was asked for
    std::int64_t alignedFileSize = 0; // AlignPos(FileSize)
};

PopupMenuItems BuildPopupMenu(const PopupMenuState& state, PopupCommandSet shown);

} // namespace tavrix
