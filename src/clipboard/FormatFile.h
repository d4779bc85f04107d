#pragma once
// Saving one format to a file of its own: the name offered in
// the save dialog (the format's name made safe for a file name, with an extension that opens it
// in the right program), and the file's bytes (a bitmap gets the file header image programs
// expect in front of the clipboard's bitmap).
#include "clipboard/ClipboardFormat.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavrix {

// "Unicode Text Format.txt", "PNG.png", "Bitmap DIB.bmp", "My_Format.bin"; name is the format's
// display name (empty for a format without one, which is then called "Format <number>").
std::wstring SuggestedFormatFileName(ClipFormat format, const std::wstring& name);

// The file's bytes: the block itself, or for a bitmap (8, 17) with a readable header the block
// behind a 14-byte bitmap file header.
std::vector<std::uint8_t> FormatFileImage(ClipFormat format, std::span<const std::uint8_t> block);

} // namespace tavrix
