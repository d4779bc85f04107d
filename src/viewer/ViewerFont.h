#pragma once
// A font as the viewer describes it: the attributes the platform needs to make one.
#include <cstdint>
#include <string>

namespace tavrix {

// Colours in the platform's 0x00BBGGRR form. A value with the high bit set names a system colour
// by its index (the platform's COLOR_* numbers); canvases resolve it when they draw.
using Color = std::uint32_t;

constexpr Color SystemColor(int index) {
    return 0x80000000u | static_cast<Color>(index);
}
constexpr bool IsSystemColor(Color color) {
    return (color & 0x80000000u) != 0;
}
constexpr int SystemColorIndex(Color color) {
    return static_cast<int>(color & 0xFFu);
}

inline constexpr Color kColorWindow = SystemColor(5);
inline constexpr Color kColorWindowText = SystemColor(8);
inline constexpr Color kColorGrayText = SystemColor(17);
inline constexpr Color kColorBlack = 0x000000;

inline constexpr std::uint8_t kDefaultCharset = 1;
inline constexpr std::uint8_t kOemCharset = 255;

struct ViewerFont {
    std::wstring name = L"Courier New";
    int size = 10; // points
    Color textColor = kColorWindowText;
    std::uint8_t charset = kDefaultCharset;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;

    bool operator==(const ViewerFont&) const = default;
};

} // namespace tavrix
