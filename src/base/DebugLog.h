#pragma once
// The program's debug log, kept only when the program starts with the "DEBUG" switch.
#include <string>
#include <vector>

namespace tavrix {

// Starts a run's log: on or off, with no lines yet.
void ResetDebugLog(bool enabled);
bool DebugEnabled();

// With the "DEBUG" switch: adds a dated line and rewrites "Log.txt" beside the executable with
// all lines of this run.
void DebugLog(const std::wstring& text);
const std::vector<std::wstring>& LogLines();

} // namespace tavrix
