#pragma once
// What the format list and the summary need from the platform beyond the clipboard port: the
// system's 8-bit text conversion, its icon loader and its locale names.
#include "clipboard/ClipboardIcon.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>

namespace tavrix {

class EnginePlatform {
public:
    virtual ~EnginePlatform() = default;
    // 8-bit text in the system's ANSI code page to UTF-16.
    virtual std::u16string AnsiToUtf16(std::span<const std::uint8_t> text) = 0;
    // Builds an icon from an ".ico" file image that ParseIconImage accepted. Throws Error when
    // the platform cannot make an icon of it.
    virtual std::unique_ptr<ClipboardIcon> DecodeIcon(std::span<const std::uint8_t> icoImage) = 0;
    // The name of a locale identifier ("en-US" for 0x0409); empty when the system knows none.
    virtual std::wstring LocaleName(std::uint32_t lcid) = 0;
};

} // namespace tavrix
