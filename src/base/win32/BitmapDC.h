#pragma once
// A memory device context with a bitmap selected into it, for drawing into the bitmap or copying
// out of it. The context's own bitmap goes back in before the context is deleted, so the
// selected bitmaps are free to be deleted by their owners afterwards.
#include "base/win32/GdiObjects.h"

#include <windows.h>

#include <utility>

namespace tavrix::win32 {

class BitmapDC {
public:
    BitmapDC() = default;
    // A context compatible with compatibleWith (null: the screen), nothing selected yet.
    explicit BitmapDC(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}
    BitmapDC(HDC compatibleWith, HBITMAP bitmap) : BitmapDC(compatibleWith) { Select(bitmap); }
    ~BitmapDC() { Restore(); }
    BitmapDC(BitmapDC&& other) noexcept
        : dc_(std::move(other.dc_)), original_(std::exchange(other.original_, nullptr)) {}
    BitmapDC& operator=(BitmapDC&& other) noexcept {
        if (this != &other) {
            Restore();
            dc_ = std::move(other.dc_);
            original_ = std::exchange(other.original_, nullptr);
        }
        return *this;
    }
    BitmapDC(const BitmapDC&) = delete;
    BitmapDC& operator=(const BitmapDC&) = delete;

    HDC get() const { return dc_.get(); }
    explicit operator bool() const { return static_cast<bool>(dc_); }

    // Selects bitmap in place of the one selected now; false when the context refuses it.
    bool Select(HBITMAP bitmap) {
        if (!dc_) {
            return false;
        }
        HGDIOBJ previous = SelectObject(dc_.get(), bitmap);
        if (previous == nullptr || previous == HGDI_ERROR) {
            return false;
        }
        if (original_ == nullptr) {
            original_ = previous;
        }
        return true;
    }

private:
    void Restore() noexcept {
        if (dc_ && original_ != nullptr) {
            SelectObject(dc_.get(), original_);
        }
        original_ = nullptr;
    }

    MemoryDC dc_;
    HGDIOBJ original_ = nullptr; // the context's own bitmap, while another one is selected
};

} // namespace tavrix::win32
