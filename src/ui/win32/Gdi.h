#pragma once
// Move-only owners for GDI objects and device contexts, and a guard that puts back what
// SelectObject replaced.
#include <windows.h>

#include <utility>

namespace tavrix::win32 {

// A font, brush, pen, bitmap, palette or region, deleted with DeleteObject.
template <typename Handle> class GdiHandle {
public:
    GdiHandle() = default;
    explicit GdiHandle(Handle handle) : handle_(handle) {}
    ~GdiHandle() { reset(); }
    GdiHandle(GdiHandle&& other) noexcept : handle_(other.release()) {}
    GdiHandle& operator=(GdiHandle&& other) noexcept {
        if (this != &other) {
            reset(other.release());
        }
        return *this;
    }
    GdiHandle(const GdiHandle&) = delete;
    GdiHandle& operator=(const GdiHandle&) = delete;

    Handle get() const { return handle_; }
    Handle release() { return std::exchange(handle_, nullptr); }
    void reset(Handle handle = nullptr) {
        if (handle_ != nullptr) {
            DeleteObject(handle_);
        }
        handle_ = handle;
    }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    Handle handle_ = nullptr;
};

using Font = GdiHandle<HFONT>;
using Brush = GdiHandle<HBRUSH>;
using Pen = GdiHandle<HPEN>;
using Bitmap = GdiHandle<HBITMAP>;

// An icon made by CreateIconIndirect or copied; destroyed with DestroyIcon.
class Icon {
public:
    Icon() = default;
    explicit Icon(HICON handle) : handle_(handle) {}
    ~Icon() { reset(); }
    Icon(Icon&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    Icon& operator=(Icon&& other) noexcept {
        if (this != &other) {
            reset(std::exchange(other.handle_, nullptr));
        }
        return *this;
    }
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    HICON get() const { return handle_; }
    void reset(HICON handle = nullptr) {
        if (handle_ != nullptr) {
            DestroyIcon(handle_);
        }
        handle_ = handle;
    }
    explicit operator bool() const { return handle_ != nullptr; }

private:
    HICON handle_ = nullptr;
};

// A memory device context compatible with another one (or with the screen).
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith = nullptr) : dc_(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDC() {
        if (dc_ != nullptr) {
            DeleteDC(dc_);
        }
    }
    MemoryDC(MemoryDC&& other) noexcept : dc_(std::exchange(other.dc_, nullptr)) {}
    MemoryDC& operator=(MemoryDC&&) = delete;
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    HDC get() const { return dc_; }

private:
    HDC dc_;
};

// GetDC / ReleaseDC of a window (null: the screen).
class WindowDC {
public:
    explicit WindowDC(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDC() {
        if (dc_ != nullptr) {
            ReleaseDC(window_, dc_);
        }
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// BeginPaint / EndPaint.
class PaintDC {
public:
    explicit PaintDC(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
    ~PaintDC() { EndPaint(window_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    HDC get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_ = nullptr;
};

// Selects an object into a DC and selects the previous one back at the end of the scope.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR) {
            SelectObject(dc_, previous_);
        }
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

} // namespace tavrix::win32
