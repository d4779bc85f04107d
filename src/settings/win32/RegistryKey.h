#pragma once
// Move-only owner of an open registry key.
#include <windows.h>

#include <utility>

namespace tavrix::win32 {

class RegistryKey {
public:
    RegistryKey() = default;
    explicit RegistryKey(HKEY key) : key_(key) {}
    ~RegistryKey() { reset(); }
    RegistryKey(RegistryKey&& other) noexcept : key_(other.release()) {}
    RegistryKey& operator=(RegistryKey&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;

    HKEY get() const { return key_; }
    bool valid() const { return key_ != nullptr; }
    HKEY release() { return std::exchange(key_, nullptr); }
    void reset(HKEY key = nullptr) {
        if (key_ != nullptr) {
            RegCloseKey(key_);
        }
        key_ = key;
    }

private:
    HKEY key_ = nullptr;
};

} // namespace tavrix::win32
