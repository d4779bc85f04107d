#pragma once
// The viewer's keyboard: which key with which modifiers does what. A key is handled only when
// the held modifiers are exactly the ones its row names, so Shift+Page Down or Ctrl+Down fall
// through to the default handling.
namespace tavrix {

// Modifier keys held while a key or the wheel is used; combine with |.
inline constexpr unsigned kModNone = 0;
inline constexpr unsigned kModShift = 1;
inline constexpr unsigned kModCtrl = 2;
inline constexpr unsigned kModAlt = 4;

// The platform's virtual-key numbers of the keys the viewer handles.
inline constexpr unsigned kVkPageUp = 0x21;
inline constexpr unsigned kVkPageDown = 0x22;
inline constexpr unsigned kVkEnd = 0x23;
inline constexpr unsigned kVkHome = 0x24;
inline constexpr unsigned kVkLeft = 0x25;
inline constexpr unsigned kVkUp = 0x26;
inline constexpr unsigned kVkRight = 0x27;
inline constexpr unsigned kVkDown = 0x28;
inline constexpr unsigned kVkInsert = 0x2D;
inline constexpr unsigned kVkA = 0x41;
inline constexpr unsigned kVkC = 0x43;

enum class ViewerKeyCommand {
    None, // not the viewer's key: leave it to the default handling
    PageDown,
    PageUp,
    LineDown,
    LineUp,
    ToBegin,
    ToEnd,
    ScrollLeft,  // 200 pixels
    ScrollRight, // 200 pixels
    LeftEdge,
    RightEdge,
    SelectAll,
    Copy,
};

// Horizontal step of the arrow keys and of the shifted wheel, in pixels.
inline constexpr int kKeyScrollPixels = 200;

ViewerKeyCommand KeyCommand(unsigned virtualKey, unsigned modifiers);

} // namespace tavrix
