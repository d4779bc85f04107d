#pragma once
// The viewer's modes, its context-menu commands, byte orders and links.
#include <cstdint>
#include <string>

namespace tavrix {

enum TZorvBinHexMode : std::uint8_t {
    vbmodeText,    // 1-byte characters in lines found by scanning for line breaks
    vbmodeBinary,  // fixed-width lines of 1-byte characters
    vbmodeHex,     // offset, hexadecimal cells and characters
    vbmodeUnicode, // 16-bit units in lines found by scanning
    vbmodeUHex,    // offset, 16-bit hexadecimal cells and characters
};
inline constexpr int kModeCount = 5;

constexpr bool IsTextMode(TZorvBinHexMode mode) {
    return mode == vbmodeText || mode == vbmodeUnicode;
}
constexpr bool IsUnicodeMode(TZorvBinHexMode mode) {
    return mode == vbmodeUnicode || mode == vbmodeUHex;
}
// Bytes per character.
constexpr int ModeCharSize(TZorvBinHexMode mode) {
    return IsUnicodeMode(mode) ? 2 : 1;
}

enum TZorvPopupCommand : std::uint8_t {
    vpCmdCopy,
    vpCmdCopyHex,
    vpCmdCopyLink,
    vpCmdSelectLine,
    vpCmdSelectAll,
    vpCmdEncMenu,
};
// One bit per command, in the order above.
using TZorvPopupCommands = std::uint8_t;
constexpr TZorvPopupCommands PopupCommandBit(TZorvPopupCommand command) {
    return static_cast<TZorvPopupCommands>(1u << command);
}
inline constexpr TZorvPopupCommands kAllPopupCommands = 0x3F;

// Byte order of 16-bit units.
inline constexpr std::uint8_t kOrderUnknown = 0;
inline constexpr std::uint8_t kOrderLittleEndian = 1;
inline constexpr std::uint8_t kOrderBigEndian = 2;

// One entry of the link table: the link text and the source offset of its first character.
struct TZorvUrl {
    std::wstring Text;
    std::int64_t Offset = 0;
};
inline constexpr int kMaxUrls = 500;

} // namespace tavrix
