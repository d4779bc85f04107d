#include "base/win32/MessageFilter.h"

namespace tavrix::win32 {

namespace {
MessageFilter& Installed() {
    static MessageFilter filter;
    return filter;
}
} // namespace

void SetMessageFilter(MessageFilter filter) {
    Installed() = std::move(filter);
}

bool FilterMessage(MSG& message) {
    return Installed() && Installed()(message);
}

} // namespace tavrix::win32
