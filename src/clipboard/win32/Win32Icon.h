#pragma once
// An icon built by the system's icon loader from an ".ico" file image. It owns its HICON.
#include "base/win32/UserObjects.h"
#include "clipboard/ClipboardIcon.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <span>
#include <utility>

namespace tavrix::win32 {

class Win32Icon : public ClipboardIcon {
public:
    Win32Icon(Icon icon, int width, int height)
        : icon_(std::move(icon)), width_(width), height_(height) {}

    int Width() const override { return width_; }
    int Height() const override { return height_; }
    HICON Handle() const { return icon_.get(); }

    // Picks the image the system prefers for a large icon and builds it. Throws Error when the
    // bytes are no plausible icon file image or the system rejects the image.
    static std::unique_ptr<Win32Icon> FromIconFile(std::span<const std::uint8_t> bytes);

private:
    Icon icon_;
    int width_;
    int height_;
};

} // namespace tavrix::win32
