#pragma once
// Clipboard format identifiers: the platform's 16-bit format values. Standard formats have fixed
// small numbers; formats registered by name get numbers from 0xC000 upwards.
#include <cstdint>

namespace tavrix {

using ClipFormat = std::uint16_t;

namespace cf {
inline constexpr ClipFormat Text = 1;
inline constexpr ClipFormat Bitmap = 2;
inline constexpr ClipFormat MetafilePict = 3;
inline constexpr ClipFormat Sylk = 4;
inline constexpr ClipFormat Dif = 5;
inline constexpr ClipFormat Tiff = 6;
inline constexpr ClipFormat OemText = 7;
inline constexpr ClipFormat Dib = 8;
inline constexpr ClipFormat Palette = 9;
inline constexpr ClipFormat PenData = 10;
inline constexpr ClipFormat Riff = 11;
inline constexpr ClipFormat Wave = 12;
inline constexpr ClipFormat UnicodeText = 13;
inline constexpr ClipFormat EnhMetafile = 14;
inline constexpr ClipFormat HDrop = 15;
inline constexpr ClipFormat Locale = 16;
inline constexpr ClipFormat DibV5 = 17;
inline constexpr ClipFormat OwnerDisplay = 0x80;
inline constexpr ClipFormat DspText = 0x81;
inline constexpr ClipFormat DspBitmap = 0x82;
inline constexpr ClipFormat DspMetafilePict = 0x83;
inline constexpr ClipFormat DspEnhMetafile = 0x8E;
inline constexpr ClipFormat FirstRegistered = 0xC000;
} // namespace cf

// Formats whose data handle is a GDI object, not a memory block: they have no bytes to show or
// save.
constexpr bool IsGdiObjectFormat(ClipFormat format) {
    return format == cf::Bitmap || format == cf::Palette || format == cf::EnhMetafile ||
           format == cf::DspBitmap || format == cf::DspEnhMetafile;
}

// Formats whose data is a system object rather than bytes: bitmap, metafile picture, palette,
// enhanced metafile and their display variants. A metafile picture is a memory block, but one
// that holds a metafile handle, so its bytes alone mean nothing once the clipboard lets go.
constexpr bool IsObjectFormat(ClipFormat format) {
    return IsGdiObjectFormat(format) || format == cf::MetafilePict || format == cf::DspMetafilePict;
}

} // namespace tavrix
