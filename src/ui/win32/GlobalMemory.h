#pragma once
// Owners for global memory blocks: the block itself and a lock on it.
#include <windows.h>

#include <cstdint>
#include <span>
#include <utility>

namespace tavrix::win32 {

// A movable global memory block. release() hands it over (to the clipboard, after a successful
// SetClipboardData); otherwise the destructor frees it.
class GlobalBlock {
public:
    GlobalBlock() = default;
    explicit GlobalBlock(HGLOBAL handle) : handle_(handle) {}
    static GlobalBlock Allocate(SIZE_T size) {
        return GlobalBlock(GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size == 0 ? 1 : size));
    }
    ~GlobalBlock() {
        if (handle_ != nullptr) {
            GlobalFree(handle_);
        }
    }
    GlobalBlock(GlobalBlock&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GlobalBlock& operator=(GlobalBlock&& other) noexcept {
        std::swap(handle_, other.handle_);
        return *this;
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;

    HGLOBAL get() const { return handle_; }
    HGLOBAL release() { return std::exchange(handle_, nullptr); }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HGLOBAL handle_ = nullptr;
};

// A lock on a global memory block, seen as bytes bounded by GlobalSize.
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
