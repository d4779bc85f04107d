#include "base/Error.h"

namespace tavrix {

Error::Error(std::wstring message) : message_(std::move(message)) {
    narrow_.reserve(message_.size());
    for (wchar_t c : message_) {
        narrow_.push_back(c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?');
    }
}

} // namespace tavrix
