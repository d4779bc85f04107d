#pragma once
// The light grey and white squares that image editors show through transparent parts of a
// picture.
#include <windows.h>

namespace tavrix::win32 {

inline constexpr COLORREF kCheckerLight = RGB(255, 255, 255);
inline constexpr COLORREF kCheckerDark = RGB(204, 204, 204);

// Fills rect with squares of cell pixels, a white one at its top left corner.
void FillCheckerboard(HDC dc, const RECT& rect, int cell);

} // namespace tavrix::win32
