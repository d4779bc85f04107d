#pragma once
// A search as the user asks for it in the viewer: the pattern with its kind, letter case,
// encoding and direction, made into bytes for the view it searches; the pattern a selection
// gives; and the texts that tell the result.
#include "viewer/BinHexTypes.h"
#include "viewer/Encoding.h"
#include "viewer/FindPattern.h"

#include <cstdint>
#include <span>
#include <string>

namespace tavrix {

// The encoding a text pattern is written in: the view's own (its code page in the text and hex
// modes, UTF-16LE in the Unicode modes), or one chosen explicitly.
enum class FindTextEncoding { View, Utf8, Utf16Le };

struct FindSettings {
    std::wstring pattern;
    bool hex = false;
    bool matchCase = false;
    FindTextEncoding encoding = FindTextEncoding::View;
    bool up = false;
};

// What the view shows, for reading a pattern in its terms.
struct FindView {
    ViewerMode mode = ViewerMode::Text;
    ViewerEncoding encoding = ViewerEncoding::ANSI;
    std::uint8_t byteOrder = kOrderLittleEndian;
};

// The modes that show bytes as hex pairs: a new search there looks for hex bytes.
constexpr bool IsHexView(ViewerMode mode) {
    return mode == ViewerMode::Hex || mode == ViewerMode::UHex;
}

// The name of the view's own encoding, as the encoding choice shows it.
std::wstring ViewEncodingName(const FindView& view);

FindPatternResult CompileFindSettings(const FindSettings& settings, const FindView& view);

// The selection as a pattern: hex pairs ("48 65 6C") for a hex search, else the selected text as
// the view decodes it, up to its first line break.
std::wstring PatternFromSelection(std::span<const std::uint8_t> bytes, bool hex,
                                  const FindView& view);

// "Found at offset N (0xHEX)", with ", from the start" (or ", from the end" going up) after the
// search went round.
std::wstring FoundText(std::int64_t offset, bool wrapped, bool up);
std::wstring NotFoundText(const std::wstring& pattern);
std::wstring MatchCountText(std::int64_t count);
std::wstring OffsetText(std::int64_t offset);

} // namespace tavrix
