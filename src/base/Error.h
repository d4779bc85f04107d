#pragma once
// The program's error type: failures travel as exceptions carrying the text the user sees.
#include <exception>
#include <string>

namespace tavrix {

class Error : public std::exception {
public:
    explicit Error(std::wstring message);
    const std::wstring& Message() const noexcept { return message_; }
    // An ASCII rendering of the message for places that only take narrow text.
    const char* what() const noexcept override { return narrow_.c_str(); }

private:
    std::wstring message_;
    std::string narrow_;
};

} // namespace tavrix
