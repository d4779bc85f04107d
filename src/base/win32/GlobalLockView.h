#pragma once
// A lock on a global memory block for a scope, seen as bytes bounded by GlobalSize: nothing
// reads or writes past the end of a block, whatever its contents claim.
#include <windows.h>

#include <cstdint>
#include <span>

namespace tavrix::win32 {

class GlobalLockView {
public:
    explicit GlobalLockView(HGLOBAL handle) : handle_(handle) {
        if (handle_ != nullptr) {
            data_ = static_cast<std::uint8_t*>(GlobalLock(handle_));
            if (data_ != nullptr) {
                size_ = GlobalSize(handle_);
            }
        }
    }
    ~GlobalLockView() {
        if (data_ != nullptr) {
            GlobalUnlock(handle_);
        }
    }
    GlobalLockView(const GlobalLockView&) = delete;
    GlobalLockView& operator=(const GlobalLockView&) = delete;

    bool locked() const { return data_ != nullptr; }
    std::span<std::uint8_t> bytes() const { return {data_, size_}; }

private:
    HGLOBAL handle_;
    std::uint8_t* data_ = nullptr;
    SIZE_T size_ = 0;
};

} // namespace tavrix::win32
