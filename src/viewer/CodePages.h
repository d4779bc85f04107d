#pragma once
// The encoding table, which encodings the system can convert, and the conversion of 8-bit text
// in any of them to UTF-16.
#include "viewer/Encoding.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrix {

const EncodingRow& EncodingRecord(ViewerEncoding encoding);
// Name of a language group (1 to 15); empty for group 0.
std::wstring EncodingGroupName(int group);

// The entry's code page. Encodings without one of their own are a caller error (assertion).
std::int32_t CodepageID(ViewerEncoding encoding);
// "Mac" for the generic entries; "Cyrillic (KOI8-R)" style for the others.
std::wstring EncodingName(ViewerEncoding encoding);

// The code page text in the encoding is written in, for writing a text to search for in it:
// the system's ANSI, OEM or Macintosh code page for those generic entries, the code page the
// view reads the other generic entries with, the entry's own for the rest.
std::int32_t TextCodepage(ViewerEncoding encoding);

// Fills the availability table from the installed code pages of the current CodepageSystem.
// The six generic encodings are always available, the UTF-16 ones never.
void BuildAvailableEncodings();
bool IsEncodingAvailable(ViewerEncoding encoding);

// The text converted through the encoding's code page; "?" when the encoding is not available
// or the system cannot convert the text.
std::wstring ConvertByCodepage(std::string_view text, ViewerEncoding encoding);
// The text converted to UTF-16 as the viewer shows it: generic encodings are resolved to a
// concrete code page, with built-in tables when the system lacks it. UTF-16 encodings are a
// caller error (assertion).
std::wstring CodepageToUnicode(std::string_view text, ViewerEncoding encoding);

// Conversions between the system's ANSI code page and UTF-16 (empty when they fail).
std::wstring AnsiToUnicode(std::string_view text);
std::string UnicodeToAnsi(std::wstring_view text);

// The built-in stand-in tables: bytes to Windows-1252 (Windows-1251 for KOI8). The high-half
// tables hold the entries for bytes 128 to 255.
const std::array<std::uint8_t, 128>& Koi8FallbackTable();
const std::array<std::uint8_t, 128>& MacFallbackTable();
const std::array<std::uint8_t, 256>& EbcdicFallbackTable();
const std::array<std::uint8_t, 128>& IsoFallbackTable();

} // namespace tavrix
