#pragma once
// COM on the calling thread for a scope, in a single-threaded apartment as windows and the
// imaging component want it. Only a successful initialisation is undone, on the same thread.
#include <objbase.h>

namespace tavrix::win32 {

class ComApartment {
public:
    ComApartment()
        : initialised_(SUCCEEDED(
              CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (initialised_) {
            CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    bool initialised() const { return initialised_; }

private:
    bool initialised_;
};

} // namespace tavrix::win32
