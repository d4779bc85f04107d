#pragma once
// The format list's and summary's platform: the ANSI code page and the system's icon loader.
#include "clipboard/EnginePlatform.h"

namespace tavrix::win32 {

class Win32EnginePlatform : public EnginePlatform {
public:
    std::u16string AnsiToUtf16(std::span<const std::uint8_t> text) override;
    std::wstring LocaleName(std::uint32_t lcid) override;
    std::unique_ptr<ClipboardIcon> DecodeIcon(std::span<const std::uint8_t> icoImage) override;
};

} // namespace tavrix::win32
