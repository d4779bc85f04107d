#include "app/ScriptTimeout.h"

#include "base/Error.h"
#include "base/UiText.h"

#include <cwctype>

namespace tavrix {

std::chrono::seconds ScriptTimeout(const CommandLine& commandLine) {
    const std::optional<std::wstring> value = commandLine.SwitchValue(L"TIMEOUT");
    if (!value) {
        return kDefaultScriptTimeout;
    }
    const auto bad = [&value] { return Error(Tr(L"Bad value for %1: %2", {L"/TIMEOUT", *value})); };
    if (value->empty() || value->size() > 4) {
        throw bad();
    }
    int seconds = 0;
    for (wchar_t c : *value) {
        if (c < L'0' || c > L'9') {
            throw bad();
        }
        seconds = seconds * 10 + (c - L'0');
    }
    if (seconds < 1 || seconds > 3600) {
        throw bad();
    }
    return std::chrono::seconds(seconds);
}

} // namespace tavrix
