#pragma once
// Texts of the clipboard summary and the status bar in the user's language. They hold the
// English texts until the main window's creation translates them, once per run.
#include <string>

namespace tavrix {

inline std::wstring SizeLabel = L"Size";
inline std::wstring PreviewLabel = L"Preview";
inline std::wstring EmptyLabel = L"Clipboard is Empty.";
inline std::wstring SoundLabel = L"Sound";

} // namespace tavrix
