#pragma once
// Internal invariants of the viewer. A broken one is a programming error; it travels as an
// Error whose text names the routine and the values, followed by the file it was found in.
#include "base/Error.h"

#include <string>

namespace tavrix {

class AssertionFailure : public Error {
public:
    AssertionFailure(const std::wstring& text, const std::wstring& source)
        : Error(text + L" (" + source + L")"), text_(text) {}
    // The text alone, without the source.
    const std::wstring& Text() const noexcept { return text_; }

private:
    std::wstring text_;
};

[[noreturn]] inline void FailAssertion(const std::wstring& text, const std::wstring& source) {
    throw AssertionFailure(text, source);
}

} // namespace tavrix
