#pragma once
// The names a clipboard file gives its records, and the formats a user names on the command
// line, shared by the tool's commands.
#include "clipboard/ClipboardRecords.h"
#include "clipboard/FormatCatalogue.h"

#include <map>
#include <optional>
#include <string>

namespace tavrix {

// The file's own table first, as a reader places records by it; then the catalogue, for the
// standard formats only (its registered entries have no number outside a session).
class RecordNames {
public:
    explicit RecordNames(const FileNameTable& table);
    std::wstring Name(ClipFormat format) const;

private:
    std::map<ClipFormat, std::wstring> names_;
    FormatCatalogue catalogue_;
};

// A format given as a decimal or 0x hex number up to 0xFFFF.
std::optional<ClipFormat> FormatNumber(const std::wstring& text);

} // namespace tavrix
