#pragma once
// The viewer's message texts and its message boxes.
#include <cstdint>
#include <functional>
#include <string>

namespace tavrix {

// The texts in the user's language.
std::wstring ViewerCaption();          // "Viewer"
std::wstring ViewerCannotReadStream(); // "Cannot read stream"
std::wstring ViewerReadError();        // "Read error at offset %1"
std::wstring ViewerCannotCopy();       // "Cannot copy data to Clipboard"

// Message box flags and answers (the platform's values).
inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbRetryCancel = 0x5;
inline constexpr unsigned kMbIconError = 0x10;
inline constexpr unsigned kMbSetForeground = 0x10000;
inline constexpr unsigned kMbTaskModal = 0x2000;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdRetry = 4;

// A window of the platform, opaque to the core (HWND on Windows); nullptr for none.
using WindowRef = void*;

// Shows a modal message box and returns the button pressed. Installed by the platform at
// start-up; tests install their own to see what would be shown.
using ViewerMessageBoxFn = std::function<int(const std::wstring& text, const std::wstring& caption,
                                             unsigned flags, WindowRef owner)>;
void InstallViewerMessageBox(ViewerMessageBoxFn messageBox);

// Adds MB_SETFOREGROUND | MB_TASKMODAL to flags. Without an installed message box, answers
// IDCANCEL without showing anything.
int ShowViewerMessage(const std::wstring& text, const std::wstring& caption, unsigned flags,
                      WindowRef owner = nullptr);
// The error icon and the "Viewer" caption.
int ShowViewerError(const std::wstring& text, WindowRef owner = nullptr);

// ViewerReadError with the offset put in as offsetDigits upper-case hexadecimal digits.
std::wstring FormatReadError(std::int64_t offset, int offsetDigits);

} // namespace tavrix
