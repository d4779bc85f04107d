#pragma once
// How long a script waits for another program to deliver one format before it gives up:
// "/TIMEOUT=<seconds>", 1 to 3600, 30 without the switch.
#include "app/CommandLine.h"

#include <chrono>

namespace tavrix {

inline constexpr std::chrono::seconds kDefaultScriptTimeout{30};

// Throws Error "Bad value for /TIMEOUT: <text>" for anything but a whole number in range.
std::chrono::seconds ScriptTimeout(const CommandLine& commandLine);

} // namespace tavrix
