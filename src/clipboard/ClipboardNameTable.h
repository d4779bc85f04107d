#pragma once
// The name table of a clipboard file: registered format numbers are handed out anew in every
// logon session, so a file that holds registered formats lists the name behind each number. The
// table is the data of the file's first record, under format 0, which no clipboard accepts:
// readers that place records by number leave it out. Its data is "CL7N", the version (2 bytes),
// the entry count (2 bytes), then per entry the format number (2 bytes), the name's length in
// UTF-16 units (2 bytes) and the name in UTF-16LE; all numbers little-endian.
#include "clipboard/ClipboardFormat.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tavrix {

class ClipboardBackend;

inline constexpr ClipFormat kNameTableFormat = 0;
inline constexpr std::uint16_t kNameTableVersion = 1;
// Format names are atom names: the platform keeps at most 255 characters of them.
inline constexpr std::size_t kMaxFormatNameLength = 255;
// Room for every registered number with the longest name: a larger record is no table.
inline constexpr std::size_t kMaxNameTableSize =
    8 + (0x10000 - cf::FirstRegistered) * (4 + 2 * kMaxFormatNameLength);

struct NamedFormat {
    ClipFormat format = 0;
    std::wstring name;
    bool operator==(const NamedFormat&) const = default;
};

// The table's data (without the record header). Entries whose name is empty or longer than
// kMaxFormatNameLength are left out: no session could register them under that name.
std::vector<std::uint8_t> EncodeNameTable(const std::vector<NamedFormat>& entries);

// The entries of a table's data, in stored order; nothing when the data is no well-formed
// table: another magic or version, a count or a name length that runs past the data, bytes left
// after the last entry, or more than kMaxNameTableSize bytes.
std::optional<std::vector<NamedFormat>> ParseNameTable(std::span<const std::uint8_t> data);

// From a file's format number to the number its name has in this session. Numbers that are not
// in the map are used as they are.
using FormatNumbers = std::map<ClipFormat, ClipFormat>;

// Registers every listed name; a name the platform refuses keeps its file's number. A number
// listed twice takes its last name.
FormatNumbers NumbersInThisSession(const std::vector<NamedFormat>& entries,
                                   ClipboardBackend& backend);

} // namespace tavrix
