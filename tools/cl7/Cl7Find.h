#pragma once
// "tavrix-cl7 find": the offsets of a pattern in the records of a clipboard file.
#include "ToolConsole.h"
#include "clipboard/FileAccess.h"

#include <optional>
#include <span>
#include <string>

namespace tavrix {

// args: what follows "find": FILE and PATTERN, and the options before, between or after them
// (--hex, --icase, --encoding utf8|utf16|both, --format N|NAME). One line per match: format
// number, tab, name, tab, offset in the record's data. 0 when something was found, 1 when
// nothing, 2 on an error (a pattern that cannot be searched for, a file that cannot be read);
// nothing when args are no find command line, for the caller to show the usage.
std::optional<int> FindInFile(std::span<const std::wstring> args, FileAccess& files,
                              ToolConsole& console);

} // namespace tavrix
