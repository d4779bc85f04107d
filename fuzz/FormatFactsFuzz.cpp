// Fuzz target for the facts read from a format's block and for the file a saved format becomes:
// every reader on blocks another program filled, each held in an allocation of exactly its size
// so ASan reports any read past the block.
#include "clipboard/FormatFacts.h"
#include "clipboard/FormatFile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <string>

namespace {

const wchar_t* const kNames[] = {
    L"Preferred DropEffect", L"Performed DropEffect",         L"HTML Format",
    L"FileGroupDescriptorW", L"CanIncludeInClipboardHistory", L"CanUploadToCloudClipboard"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto* copy = static_cast<std::uint8_t*>(std::malloc(size == 0 ? 1 : size));
    if (size > 0) {
        std::memcpy(copy, data, size);
    }
    const std::span<const std::uint8_t> block(copy, size);
    const tavrix::LocaleNamer namer = [](std::uint32_t lcid) { return std::to_wstring(lcid); };
    for (tavrix::ClipFormat format :
         {tavrix::cf::Locale, tavrix::cf::Dib, tavrix::cf::DibV5, tavrix::cf::HDrop}) {
        tavrix::FormatFact(format, L"", block, namer);
    }
    for (const wchar_t* name : kNames) {
        tavrix::FormatFact(0xC000, name, block, namer);
    }
    // A bitmap's file is the block behind a header of 14 bytes, or the block as it is.
    const std::size_t saved = tavrix::FormatFileImage(tavrix::cf::Dib, block).size();
    if (saved != size && saved != size + 14) {
        std::abort();
    }
    // The block's bytes as a registered name: the suggested file name holds no separator.
    std::wstring name(block.begin(), block.end());
    const std::wstring file = tavrix::SuggestedFormatFileName(0xC000, name);
    if (file.find_first_of(L"\\/:") != std::wstring::npos) {
        std::abort();
    }
    std::free(copy);
    return 0;
}
