#pragma once
// What Find looks for, as bytes: a hexadecimal pattern ("48 65 ?? 6C") or a text in one
// encoding, with or without letter case. Both become a BytePattern, a sequence of units that each
// match one of a few byte strings of one length, or any one byte.
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tavrix {

class CodepageSystem;

struct PatternUnit {
    bool anyByte = false; // "??": one byte, whatever it is; alternatives is empty
    // The byte strings the unit matches, all of one length. Empty for a character the encoding
    // cannot write: then the pattern matches nothing.
    std::vector<std::vector<std::uint8_t>> alternatives;
};

struct BytePattern {
    std::vector<PatternUnit> units;
    // Matches start at offsets that are a multiple of this: 2 for UTF-16 text.
    int alignment = 1;

    // Bytes in a match.
    std::size_t Length() const;
    // Some unit has nothing to match.
    bool MatchesNothing() const;
};

// Why a pattern cannot be searched for; the text is the user's (FindPatternErrorText).
enum class FindPatternError {
    Empty,         // "Type a pattern."
    OddHexDigits,  // "The hex pattern has an odd number of digits."
    NotHexDigit,   // "Not a hex digit: %1"
    OnlyWildcards, // "The pattern matches any bytes: give at least one byte."
};

struct FindPatternProblem {
    FindPatternError error;
    std::wstring detail; // the character that is no hex digit
};

using FindPatternResult = std::variant<BytePattern, FindPatternProblem>;

// The user's text of a problem, through the translation table.
std::wstring FindPatternErrorText(const FindPatternProblem& problem);

// Pairs of hexadecimal digits, spaces between them optional; "??" stands for any byte.
FindPatternResult ParseHexPattern(std::wstring_view text);

enum class TextEncoding {
    Codepage, // 8-bit or multi-byte text in a code page, through the CodepageSystem
    Utf8,
    Utf16Le,
};

struct TextPatternOptions {
    TextEncoding encoding = TextEncoding::Utf8;
    int codepage = 0; // for TextEncoding::Codepage
    bool matchCase = false;
    // For TextEncoding::Codepage; the process-wide one when null.
    CodepageSystem* codepages = nullptr;
};

// The characters of text in the encoding. Without matchCase each character also matches its
// case variants (CaseVariants) that the encoding writes in as many bytes as the character
// itself; a variant of another length is left out (in UTF-8 "k" does not find the Kelvin sign,
// which takes three bytes). A variant the code page cannot write is left out too; a character it
// cannot write itself makes a pattern that matches nothing.
FindPatternResult CompileTextPattern(std::wstring_view text, const TextPatternOptions& options);

} // namespace tavrix
