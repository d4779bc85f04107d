#pragma once
// The header of an "HTML Format" block: lines of "Key:value" (ended by CR, LF or CR LF) before
// the HTML itself, naming the version, the byte offsets of the HTML and of the copied fragment
// within the block, and where the page came from:
//
//     Version:0.9
//     StartHTML:0000000105
//     EndHTML:0000000199
//     StartFragment:0000000141
//     EndFragment:0000000163
//     SourceURL:https://example.org/
//
// The block comes from another program: every offset is checked against the block before use,
// and nothing is read past it. The header ends at the first zero byte; the offsets count in the
// whole block, so a zero byte inside the fragment (as some programs leave one before the end
// marker) neither cuts the fragment short nor puts its offsets out of range: it is not shown.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tavrix {

struct HtmlClipboardHeader {
    std::string version;   // "0.9"; empty without a Version line
    std::string sourceUrl; // empty without a SourceURL line
    std::optional<std::int64_t> startHtml, endHtml, startFragment, endFragment;
    // Bytes taken by the header lines: the HTML follows.
    std::size_t headerSize = 0;
};

// Reads the header lines at the start of the block, up to the first line that is no "Key:value"
// (the HTML's "<" ends the header). A key read twice keeps its first value; a number that is
// not a decimal (with an optional sign) of at most 18 digits is left out.
HtmlClipboardHeader ParseHtmlClipboardHeader(std::span<const std::uint8_t> block);

struct ByteRange {
    std::size_t begin = 0;
    std::size_t end = 0;
    bool operator==(const ByteRange&) const = default;
};

// The block's text: its bytes up to the first zero.
std::span<const std::uint8_t> HtmlBlockText(std::span<const std::uint8_t> block);

// The fragment's bytes when the header names both its offsets and they fit the block: after the
// header, start not after end, end not past the block. Nothing otherwise.
std::optional<ByteRange> HtmlFragmentRange(const HtmlClipboardHeader& header,
                                           std::span<const std::uint8_t> block);

// The offset of the first zero byte before the end of the fragment (or of the block, without a
// fragment that fits); nothing when there is none.
std::optional<std::size_t> HtmlZeroByte(const HtmlClipboardHeader& header,
                                        std::span<const std::uint8_t> block);

// What a reader wants to see of the block: the fragment decoded from UTF-8, or all the text
// after the header when the fragment's offsets are missing or do not fit; zero bytes left out.
std::wstring HtmlFragmentText(std::span<const std::uint8_t> block);

} // namespace tavrix
