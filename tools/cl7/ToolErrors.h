#pragma once
// The tool's one way from an error to the user: its text on standard error, and the exit code
// the command gives for failures.
#include "ToolConsole.h"

#include <functional>

namespace tavrix {

// Runs command; an error it throws is written to the console and gives failureCode.
int RunReportingErrors(ToolConsole& console, int failureCode, const std::function<int()>& command);

} // namespace tavrix
