#pragma once
// Where the tool's lines go: the platform writes each one with its own line end, in the
// encoding its console shows correctly.
#include <string_view>

namespace tavrix {

class ToolConsole {
public:
    virtual ~ToolConsole() = default;
    virtual void Out(std::wstring_view line) = 0; // standard output
    virtual void Err(std::wstring_view line) = 0; // standard error
};

} // namespace tavrix
