#pragma once
// tavrix-cl7, the clipboard file reader: reads its command line, runs the command and turns
// every failure into a message and an exit code (0 done, 1 failed, 2 a usage error).
#include "ToolConsole.h"
#include "clipboard/FileAccess.h"

#include <span>
#include <string>

namespace tavrix {

// args: the arguments after the program's name.
int RunCl7Tool(std::span<const std::wstring> args, FileAccess& files, ToolConsole& console);

} // namespace tavrix
