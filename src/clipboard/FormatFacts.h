#pragma once
// One short fact about a format's data, read from the block's bytes: the locale of the text,
// what a drop does, a bitmap's size and depth, where the fragment of an HTML block lies, how many
// files a file list names, and what the privacy flags allow. Every reader stays inside the block;
// a block that is too short or does not hold what its format promises gives no fact.
#include "clipboard/ClipboardFormat.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tavrix {

// The system's name of a locale identifier ("en-US" for 0x0409); empty when it has none.
using LocaleNamer = std::function<std::wstring(std::uint32_t lcid)>;

using BlockView = std::span<const std::uint8_t>;

// The first little-endian DWORD of the block.
std::optional<std::uint32_t> ReadBlockDword(BlockView block);
// "Copy", "Move", "Link" for the bits 1, 2 and 4, several joined by ", ".
std::wstring DropEffectFact(BlockView block);
// "640 x 480, 24 bpp", then the compression's name when it is not plain RGB.
std::wstring BitmapHeaderFact(BlockView block);
// "Version 0.9, fragment 143–170, source <url>"; "offsets out of range" in place of the fragment
// when the header's offsets do not fit the block.
std::wstring HtmlHeaderFact(BlockView block);
// "1 file", "3 files" for a file list (CF_HDROP) and for a "FileGroupDescriptorW" block.
std::wstring FileDropFact(BlockView block);
std::wstring FileGroupDescriptorFact(BlockView block);
// "Allowed" or "Not allowed" from a DWORD flag.
std::wstring PermissionFact(BlockView block);

// True when FormatFact knows something to say about the format (so its data is worth reading).
bool HasFormatFact(ClipFormat format, std::wstring_view registeredName);
// The fact for a format's block, dispatched on the number for standard formats and on the
// registered name (letter case ignored) for the others; empty when there is none.
std::wstring FormatFact(ClipFormat format, std::wstring_view registeredName, BlockView block,
                        const LocaleNamer& localeName);

} // namespace tavrix
