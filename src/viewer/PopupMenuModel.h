#pragma once
// The viewer's context menu as data: its eight items in order, which are visible and which are
// enabled for the state the control is in when the menu opens.
#include "viewer/BinHexTypes.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrix {

struct PopupMenuItem {
    bool Separator = false;
    TZorvPopupCommand Command = vpCmdCopy; // meaningless for a separator
    std::wstring Caption = L"-";
    bool Visible = true;
    bool Enabled = true;
};

inline constexpr int kPopupMenuItemCount = 8;
using PopupMenuItems = std::array<PopupMenuItem, kPopupMenuItemCount>;

// The control's state when the menu opens.
struct PopupMenuState {
    bool Empty = true; // FileSize < CharSize
    std::int64_t SelStart = 0;
    std::int64_t SelLength = 0;
    bool HexMode = false;             // Mode = vbmodeHex
    bool LinkAtPopupPos = false;      // a link lies under the point the menu was asked for
    std::int64_t AlignedFileSize = 0; // AlignPos(FileSize)
};

PopupMenuItems BuildPopupMenu(const PopupMenuState& state, TZorvPopupCommands shown);

} // namespace tavrix
