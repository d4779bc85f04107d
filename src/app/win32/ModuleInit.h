#pragma once
// Initialisation of the program's own modules before the main routine, in a fixed order, and
// their finalisation in reverse order.
#include "app/CommandLine.h"

namespace tavrix::win32 {

class Win32ClipboardBackend;

class ProgramModules {
public:
    explicit ProgramModules(const CommandLine& commandLine);
    ~ProgramModules();
    ProgramModules(const ProgramModules&) = delete;
    ProgramModules& operator=(const ProgramModules&) = delete;

    Win32ClipboardBackend& Clipboard();
};

} // namespace tavrix::win32
