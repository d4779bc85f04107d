#pragma once
// The viewer's modes, its context-menu commands, byte orders and links.
#include <cstdint>
#include <string>

namespace tavrix {

enum class ViewerMode : std::uint8_t {
    Text,    // 1-byte characters in lines found by scanning for line breaks
    Binary,  // fixed-width lines of 1-byte characters
    Hex,     // offset, hexadecimal cells and characters
    Unicode, // 16-bit units in lines found by scanning
    UHex,    // offset, 16-bit hexadecimal cells and characters
};
inline constexpr int kModeCount = 5;

constexpr bool IsTextMode(ViewerMode mode) {
    return mode == ViewerMode::Text || mode == ViewerMode::Unicode;
}
constexpr bool IsUnicodeMode(ViewerMode mode) {
    return mode == ViewerMode::Unicode || mode == ViewerMode::UHex;
}
// Bytes per character.
constexpr int ModeCharSize(ViewerMode mode) {
    return IsUnicodeMode(mode) ? 2 : 1;
}

enum class PopupCommand : std::uint8_t {
    Copy,
    CopyHex,
    CopyLink,
    SelectLine,
    SelectAll,
    EncodingMenu,
};
// One bit per command, in the order above.
using PopupCommandSet = std::uint8_t;
constexpr PopupCommandSet PopupCommandBit(PopupCommand command) {
    return static_cast<PopupCommandSet>(1u << static_cast<unsigned>(command));
}
inline constexpr PopupCommandSet kAllPopupCommands = 0x3F;

// Byte order of 16-bit units.
inline constexpr std::uint8_t kOrderUnknown = 0;
inline constexpr std::uint8_t kOrderLittleEndian = 1;
inline constexpr std::uint8_t kOrderBigEndian = 2;

// One entry of the link table: the link text and the source offset of its first character.
struct LinkEntry {
    std::wstring text;
    std::int64_t offset = 0;
};
inline constexpr int kMaxUrls = 500;

} // namespace tavrix
