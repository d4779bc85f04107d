#pragma once
// Where start-up time goes: when the environment variable TAVRIX_STARTUP_PROBE names a file,
// each stage appends a line "<stage> <milliseconds since the process was created>" to it. In
// a normal run the variable is not set and nothing is written. The line also goes to the
// debugger's output.

namespace tavrix::win32 {

void MarkStartupStage(const char* stage);

} // namespace tavrix::win32
