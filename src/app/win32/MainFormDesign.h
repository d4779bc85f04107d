#pragma once
// The main window's designed sizes, in pixels at 96 pixels per inch.
namespace tavrix::win32::design {

inline constexpr int kClientWidth = 784;
inline constexpr int kClientHeight = 522;
inline constexpr int kTreeWidth = 142;
inline constexpr int kMargin = 3;
inline constexpr int kSplitterWidth = 5;
inline constexpr int kMinTreeWidth = 30;
inline constexpr int kMinPreviewWidth = 100;
inline constexpr int kFontPoints = 8;
// The squares shown through transparent parts of pictures.
inline constexpr int kCheckerCell = 8;

} // namespace tavrix::win32::design
