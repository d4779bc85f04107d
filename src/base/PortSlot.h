#pragma once
// Where a process-wide port lives: start-up (or a test) installs the platform's implementation,
// the code that needs it reads it. Constant-initialized, so it is usable before main.
#include "base/Error.h"

namespace tavrix {

template <class Port> class PortSlot {
public:
    constexpr PortSlot() = default;
    void Install(Port* port) { port_ = port; }
    bool Installed() const { return port_ != nullptr; }
    // The installed port; throws Error(missing()) when there is none.
    template <class MissingText> Port& Get(MissingText missing) const {
        if (port_ == nullptr) {
            throw Error(missing());
        }
        return *port_;
    }

private:
    Port* port_ = nullptr;
};

} // namespace tavrix
