#include "clipboard/HtmlClipboardHeader.h"

#include "base/Unicode.h"

#include <algorithm>
#include <string_view>

namespace tavrix {

namespace {

constexpr std::size_t kMaxDigits = 18; // keeps every value inside std::int64_t

bool IsKeyChar(std::uint8_t c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::optional<std::int64_t> ParseNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > kMaxDigits) {
        return std::nullopt;
    }
    std::int64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

void SetNumber(std::optional<std::int64_t>& field, std::string_view value) {
    if (!field) {
        field = ParseNumber(value);
    }
}

void Store(HtmlClipboardHeader& header, std::string_view key, std::string_view value) {
    if (key == "Version") {
        if (header.version.empty()) {
            header.version = value;
        }
    } else if (key == "SourceURL") {
        if (header.sourceUrl.empty()) {
            header.sourceUrl = value;
        }
    } else if (key == "StartHTML") {
        SetNumber(header.startHtml, value);
    } else if (key == "EndHTML") {
        SetNumber(header.endHtml, value);
    } else if (key == "StartFragment") {
        SetNumber(header.startFragment, value);
    } else if (key == "EndFragment") {
        SetNumber(header.endFragment, value);
    }
}

} // namespace

std::span<const std::uint8_t> HtmlBlockText(std::span<const std::uint8_t> block) {
    return block.first(static_cast<std::size_t>(
        std::find(block.begin(), block.end(), std::uint8_t{0}) - block.begin()));
}

HtmlClipboardHeader ParseHtmlClipboardHeader(std::span<const std::uint8_t> block) {
    const std::span<const std::uint8_t> text = HtmlBlockText(block);
    const std::string_view all(reinterpret_cast<const char*>(text.data()), text.size());
    HtmlClipboardHeader header;
    std::size_t at = 0;
    while (at < all.size()) {
        std::size_t colon = at;
        while (colon < all.size() && IsKeyChar(static_cast<std::uint8_t>(all[colon]))) {
            ++colon;
        }
        if (colon == at || colon == all.size() || all[colon] != ':') {
            break; // no "Key:" here: the HTML begins
        }
        std::size_t lineEnd = all.find_first_of("\r\n", colon);
        if (lineEnd == std::string_view::npos) {
            lineEnd = all.size();
        }
        Store(header, all.substr(at, colon - at),
              Trimmed(all.substr(colon + 1, lineEnd - colon - 1)));
        at = lineEnd;
        if (at < all.size() && all[at] == '\r') {
            ++at;
        }
        if (at < all.size() && all[at] == '\n') {
            ++at;
        }
    }
    header.headerSize = at;
    return header;
}

std::optional<ByteRange> HtmlFragmentRange(const HtmlClipboardHeader& header,
                                           std::span<const std::uint8_t> block) {
    if (!header.startFragment || !header.endFragment) {
        return std::nullopt;
    }
    const std::int64_t begin = *header.startFragment;
    const std::int64_t end = *header.endFragment;
    const auto size = static_cast<std::int64_t>(block.size());
    if (begin < static_cast<std::int64_t>(header.headerSize) || begin > end || end > size) {
        return std::nullopt;
    }
    return ByteRange{static_cast<std::size_t>(begin), static_cast<std::size_t>(end)};
}

std::optional<std::size_t> HtmlZeroByte(const HtmlClipboardHeader& header,
                                        std::span<const std::uint8_t> block) {
    const std::size_t end =
        HtmlFragmentRange(header, block).value_or(ByteRange{0, block.size()}).end;
    const auto zero =
        std::find(block.begin(), block.begin() + static_cast<std::ptrdiff_t>(end), std::uint8_t{0});
    if (zero == block.begin() + static_cast<std::ptrdiff_t>(end)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(zero - block.begin());
}

std::wstring HtmlFragmentText(std::span<const std::uint8_t> block) {
    const HtmlClipboardHeader header = ParseHtmlClipboardHeader(block);
    // Without a fragment that fits, the text after the header up to its first zero byte.
    const ByteRange range =
        HtmlFragmentRange(header, block)
            .value_or(ByteRange{header.headerSize, HtmlBlockText(block).size()});
    std::string bytes;
    bytes.reserve(range.end - range.begin);
    for (std::size_t at = range.begin; at < range.end; ++at) {
        if (block[at] != 0) {
            bytes.push_back(static_cast<char>(block[at]));
        }
    }
    return WideFromUtf8(bytes);
}

} // namespace tavrix
