#include "base/SwallowedErrors.h"

#include "base/DebugLog.h"
#include "base/Error.h"
#include "base/UiText.h"

#include <exception>

namespace tavrix {

std::wstring CurrentExceptionText() {
    try {
        throw;
    } catch (const Error& e) {
        return e.Message();
    } catch (const std::exception& e) {
        std::wstring text;
        for (const char* p = e.what(); *p != '\0'; ++p) {
            text.push_back(static_cast<unsigned char>(*p));
        }
        return text;
    } catch (...) {
        return Tr(L"Unknown error");
    }
}

void LogSwallowed(std::wstring_view where, std::wstring_view what) noexcept {
    try {
        std::wstring line(where);
        line += L": ";
        // One entry, one line of the log: an error text's own line breaks become " / ".
        for (std::size_t at = 0; at < what.size(); ++at) {
            if (what[at] == L'\r' && at + 1 < what.size() && what[at + 1] == L'\n') {
                continue;
            }
            if (what[at] == L'\r' || what[at] == L'\n') {
                line += L" / ";
            } else {
                line += what[at];
            }
        }
        line += L" (swallowed)";
        DebugLog(line);
    } catch (...) {
        // The log itself failed: there is nowhere left to write to.
    }
}

void LogSwallowed(std::wstring_view where) noexcept {
    try {
        LogSwallowed(where, CurrentExceptionText());
    } catch (...) {
        // Only the copy of the text can fail here, and the log has no room for that either.
    }
}

} // namespace tavrix
