#pragma once
// The program's parameters and its switches: "/NAME" or "-NAME", letter case ignored, at any
// position after the program's own path.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tavrix {

class CommandLine {
public:
    // Compares two texts ignoring letter case (the platform's locale-aware comparison).
    using EqualIgnoringCase = std::function<bool(const std::wstring&, const std::wstring&)>;

    // arguments[0] is the program's path; it is never looked at.
    explicit CommandLine(std::vector<std::wstring> arguments, EqualIgnoringCase equal = {});

    bool HasSwitch(const std::wstring& name) const;
    // The parameter right after the first occurrence of the switch; nothing when the switch is
    // the last parameter or another switch follows it. Only call it when HasSwitch(name).
    std::optional<std::wstring> SwitchArgument(const std::wstring& name) const;
    // The text after "=" of a switch written "/NAME=text"; empty for "/NAME" alone, nothing when
    // the switch is not there.
    std::optional<std::wstring> SwitchValue(const std::wstring& name) const;
    // Parameter index (1-based, like the platform's ParamStr); empty past the end.
    std::wstring Param(std::size_t index) const;
    std::size_t ParamCount() const { return arguments_.empty() ? 0 : arguments_.size() - 1; }

    // Process-wide command line, set once at start-up.
    static const CommandLine& Current();
    static void SetCurrent(CommandLine commandLine);

private:
    std::vector<std::wstring> arguments_;
    EqualIgnoringCase equal_;
};

// Letter case folding for ASCII and Latin-1 letters; the default comparison.
bool EqualIgnoringCaseSimple(const std::wstring& a, const std::wstring& b);

} // namespace tavrix
