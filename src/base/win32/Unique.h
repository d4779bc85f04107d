#pragma once
// The one move-only owner of a Win32 handle. Its traits say what the handle is, which value means
// "nothing owned" and how the handle goes back to the system:
//
//     struct FontTraits {
//         using Handle = HFONT;
//         static Handle Invalid() noexcept { return nullptr; }
//         static void Close(Handle handle) noexcept { DeleteObject(handle); }
//     };
//     using Font = Unique<FontTraits>;
//
// Invalid() is a function because some of those values (INVALID_HANDLE_VALUE) are casts that
// cannot be constants.
#include <utility>

namespace tavrix::win32 {

template <typename Traits> class Unique {
public:
    using Handle = typename Traits::Handle;

    Unique() noexcept = default;
    explicit Unique(Handle handle) noexcept : handle_(handle) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : handle_(other.release()) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // Gives the handle up without closing it, for a hand-over to an owner outside the program
    // (the clipboard after SetClipboardData, a window after SetMenu).
    Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    // Closes what is owned now (once) and takes handle instead.
    void reset(Handle handle = Traits::Invalid()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) {
            Traits::Close(old);
        }
    }

    // For calls that hand a new handle back through a pointer: closes what is owned now and
    // answers where the call writes.
    Handle* put() noexcept {
        reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

} // namespace tavrix::win32
