#pragma once
// What a catch that does not rethrow does with the error it ends: writes it to the debug log with
// the place it happened, so that an error the user never sees can still be traced.
#include <string>
#include <string_view>

namespace tavrix {

// The text of the exception being handled (call inside a catch block).
std::wstring CurrentExceptionText();

// Writes "<where>: <what> (swallowed)" to the debug log. Never throws.
void LogSwallowed(std::wstring_view where, std::wstring_view what) noexcept;
// The same for the exception being handled (call inside a catch block).
void LogSwallowed(std::wstring_view where) noexcept;

} // namespace tavrix
