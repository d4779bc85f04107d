#pragma once
// An owned COM interface pointer: released once when its owner goes. Methods are called through
// ->; calls that hand a new interface back write through put().
#include "base/win32/Unique.h"

#include <unknwn.h>

namespace tavrix::win32 {

template <typename Interface> struct ComReleaseTraits {
    using Handle = Interface*;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { handle->Release(); }
};

template <typename Interface> class ComPtr : public Unique<ComReleaseTraits<Interface>> {
public:
    using Unique<ComReleaseTraits<Interface>>::Unique;

    Interface* operator->() const noexcept { return this->get(); }

    // The same object seen through another of its interfaces, asked for by its type so that the
    // identifier and the pointer cannot disagree; empty when the object has no such interface or
    // nothing is owned.
    template <typename Other> ComPtr<Other> query() const noexcept {
        ComPtr<Other> other;
        if (this->get() != nullptr) {
            this->get()->QueryInterface(__uuidof(Other), reinterpret_cast<void**>(other.put()));
        }
        return other;
    }
};

} // namespace tavrix::win32
