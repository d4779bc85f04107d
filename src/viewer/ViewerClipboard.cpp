#include "viewer/ViewerClipboard.h"

#include "base/Error.h"
#include "base/SwallowedErrors.h"
#include "clipboard/ClipboardPort.h"
#include "viewer/CodePages.h"
#include "viewer/CodepageSystem.h"

#include <cstdint>
#include <vector>

namespace tavrix {

namespace {

// Closes the clipboard that OpenAndEmptyClipboard opened, also when an error ends the work.
class OpenedClipboard {
public:
    explicit OpenedClipboard(ClipboardPort& port) : port_(port) {}
    ~OpenedClipboard() { port_.Close(); }
    OpenedClipboard(const OpenedClipboard&) = delete;
    OpenedClipboard& operator=(const OpenedClipboard&) = delete;

private:
    ClipboardPort& port_;
};

// The text with its terminating zero, as the clipboard keeps 8-bit text.
void PlaceBytes(ClipboardPort& port, ClipFormat format, std::string_view text) {
    std::vector<std::uint8_t> block(text.begin(), text.end());
    block.push_back(0);
    port.Backend().SetData(format, block); // without memory the format is left out
}

// UTF-16 little-endian with a terminating zero unit.
void PlaceUnicode(ClipboardPort& port, std::wstring_view text) {
    std::vector<std::uint8_t> block;
    block.reserve(2 * text.size() + 2);
    for (wchar_t unit : text) {
        block.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        block.push_back(static_cast<std::uint8_t>((unit >> 8) & 0xFF));
    }
    block.push_back(0);
    block.push_back(0);
    port.Backend().SetData(cf::UnicodeText, block);
}

} // namespace

bool OpenAndEmptyClipboard(ClipboardPort& port) {
    try {
        port.Open();
    } catch (const Error&) {
        LogSwallowed(L"OpenAndEmptyClipboard");
        return false;
    }
    port.Backend().Empty();
    return true;
}

bool PutUnicodeText(ClipboardPort& port, std::wstring_view text, bool openFirst) {
    if (text.empty()) {
        return true;
    }
    if (!openFirst) {
        PlaceUnicode(port, text);
        return true;
    }
    if (!OpenAndEmptyClipboard(port)) {
        return false;
    }
    OpenedClipboard opened(port);
    PlaceUnicode(port, text);
    return true;
}

bool SetClipboardText(ClipboardPort& port, std::string_view text, ViewerEncoding encoding) {
    if (text.empty()) {
        return true;
    }
    if (!OpenAndEmptyClipboard(port)) {
        return false;
    }
    OpenedClipboard opened(port);
    ClipFormat format = cf::Text;
    std::string converted;
    std::string_view chosen = text;
    if (encoding == ViewerEncoding::OEM) {
        format = cf::OemText;
    } else if (encoding != ViewerEncoding::ANSI) {
        converted = UnicodeToAnsi(CodepageToUnicode(text, encoding));
        chosen = converted;
    }
    if (chosen.empty()) {
        return true;
    }
    PlaceBytes(port, format, chosen);
    if (CurrentCodepageSystem().IsNtFamily()) {
        PutUnicodeText(port, CodepageToUnicode(text, encoding), false);
    }
    return true;
}

bool SetClipboardTextW(ClipboardPort& port, std::wstring_view text) {
    if (CurrentCodepageSystem().IsNtFamily()) {
        return PutUnicodeText(port, text, true);
    }
    return SetClipboardText(port, UnicodeToAnsi(text), ViewerEncoding::ANSI);
}

} // namespace tavrix
