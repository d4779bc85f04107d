#include "app/CommandLine.h"

#include <cwctype>

namespace tavrix {

namespace {
CommandLine& Storage() {
    static CommandLine current({});
    return current;
}
bool IsSwitch(const std::wstring& parameter) {
    return !parameter.empty() && (parameter[0] == L'/' || parameter[0] == L'-');
}
} // namespace

CommandLine::CommandLine(std::vector<std::wstring> arguments, EqualIgnoringCase equal)
    : arguments_(std::move(arguments)), equal_(std::move(equal)) {
    if (!equal_) {
        equal_ = EqualIgnoringCaseSimple;
    }
}

bool CommandLine::HasSwitch(const std::wstring& name) const {
    for (std::size_t i = 1; i < arguments_.size(); ++i) {
        const std::wstring& p = arguments_[i];
        if (IsSwitch(p) && equal_(p.substr(1), name)) {
            return true;
        }
    }
    return false;
}

std::optional<std::wstring> CommandLine::SwitchArgument(const std::wstring& name) const {
    for (std::size_t i = 1; i < arguments_.size(); ++i) {
        const std::wstring& p = arguments_[i];
        if (IsSwitch(p) && equal_(p.substr(1), name)) {
            if (i + 1 < arguments_.size() && !IsSwitch(arguments_[i + 1])) {
                return arguments_[i + 1];
            }
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<std::wstring> CommandLine::SwitchValue(const std::wstring& name) const {
    for (std::size_t i = 1; i < arguments_.size(); ++i) {
        const std::wstring& p = arguments_[i];
        if (!IsSwitch(p)) {
            continue;
        }
        const std::size_t equals = p.find(L'=');
        if (equal_(p.substr(1, equals == std::wstring::npos ? std::wstring::npos : equals - 1),
                   name)) {
            return equals == std::wstring::npos ? std::wstring() : p.substr(equals + 1);
        }
    }
    return std::nullopt;
}

std::wstring CommandLine::Param(std::size_t index) const {
    return index < arguments_.size() ? arguments_[index] : std::wstring();
}

const CommandLine& CommandLine::Current() {
    return Storage();
}

void CommandLine::SetCurrent(CommandLine commandLine) {
    Storage() = std::move(commandLine);
}

bool EqualIgnoringCaseSimple(const std::wstring& a, const std::wstring& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towupper(static_cast<std::wint_t>(a[i])) !=
            std::towupper(static_cast<std::wint_t>(b[i]))) {
            return false;
        }
    }
    return true;
}

} // namespace tavrix
