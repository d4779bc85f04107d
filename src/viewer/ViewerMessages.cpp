#include "viewer/ViewerMessages.h"

#include "base/UiText.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

namespace tavrix {

std::wstring ViewerCaption() {
    return Tr(L"Viewer");
}

std::wstring ViewerCannotReadStream() {
    return Tr(L"Cannot read stream");
}

std::wstring ViewerReadError() {
    return Tr(L"Read error at offset %1");
}

std::wstring ViewerCannotCopy() {
    return Tr(L"Cannot copy data to Clipboard");
}

namespace {
ViewerMessageBoxFn& MessageBoxSlot() {
    static ViewerMessageBoxFn messageBox;
    return messageBox;
}
} // namespace

void InstallViewerMessageBox(ViewerMessageBoxFn messageBox) {
    MessageBoxSlot() = std::move(messageBox);
}

int ShowViewerMessage(const std::wstring& text, const std::wstring& caption, unsigned flags,
                      WindowRef owner) {
    const ViewerMessageBoxFn& messageBox = MessageBoxSlot();
    if (!messageBox) {
        return kIdCancel;
    }
    return messageBox(text, caption, flags | kMbSetForeground | kMbTaskModal, owner);
}

int ShowViewerError(const std::wstring& text, WindowRef owner) {
    return ShowViewerMessage(text, ViewerCaption(), kMbIconError, owner);
}

std::wstring FormatReadError(std::int64_t offset, int offsetDigits) {
    char digits[32];
    std::snprintf(digits, sizeof digits, "%0*llX", std::clamp(offsetDigits, 1, 16),
                  static_cast<unsigned long long>(offset));
    return FillPlaceholders(
        ViewerReadError(), {std::wstring(digits, digits + std::char_traits<char>::length(digits))});
}

} // namespace tavrix
