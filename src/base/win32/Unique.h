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
// cannot be constants. A kind whose free is one call of one function needs no traits of its own:
//
//     using Icon = Unique<FreedBy<HICON, DestroyIcon>>;
//
// Traits may also carry what the free needs besides the handle (the window of a window DC, the
// paint struct of a paint DC); the owner keeps them beside the handle and moves them with it.
#include <utility>

namespace tavrix::win32 {

// Traits of a handle that null means "nothing" for and Free gives back.
template <typename HandleType, auto Free> struct FreedBy {
    using Handle = HandleType;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { Free(handle); }
};

template <typename Traits> class Unique {
public:
    using Handle = typename Traits::Handle;

    Unique() noexcept = default;
    explicit Unique(Handle handle) noexcept : handle_(handle) {}
    Unique(Handle handle, Traits traits) noexcept : handle_(handle), traits_(std::move(traits)) {}
    ~Unique() { reset(); }
    Unique(Unique&& other) noexcept : handle_(other.release()), traits_(std::move(other.traits_)) {}
    Unique& operator=(Unique&& other) noexcept {
        if (this != &other) {
            reset();
            traits_ = std::move(other.traits_);
            handle_ = other.release();
        }
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle get() const noexcept { return handle_; }
    // What the traits carry besides the handle.
    const Traits& traits() const noexcept { return traits_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // Gives the handle up without closing it, for a hand-over to an owner outside the program
    // (the clipboard after SetClipboardData, a window after SetMenu).
    Handle release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    // Closes what is owned now (once) and takes handle instead.
    void reset(Handle handle = Traits::Invalid()) noexcept {
        const Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid()) {
            traits_.Close(old);
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
    [[no_unique_address]] Traits traits_{};
};

} // namespace tavrix::win32
