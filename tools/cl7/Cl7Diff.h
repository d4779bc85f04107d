#pragma once
// "tavrix-cl7 diff": two clipboard files compared format by format.
#include "ToolConsole.h"
#include "clipboard/FileAccess.h"

#include <optional>
#include <span>
#include <string>

namespace tavrix {

// args: what follows "diff": files A and B, and --brief before, between or after them. One line
// per format in A's order, then B's extras (number, tab, name, tab, "same", "only in A", "only in
// B" or "differs: ..."), then "N same, N differ, N only in A, N only in B"; with --brief only that
// last line. 0 when the files hold the same, 1 when they differ, 2 on an error (a file that cannot
// be read, a record cut short); nothing when args are no diff command line.
std::optional<int> DiffFiles(std::span<const std::wstring> args, FileAccess& files,
                             ToolConsole& console);

} // namespace tavrix
