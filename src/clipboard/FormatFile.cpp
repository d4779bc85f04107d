#include "clipboard/FormatFile.h"

#include "base/LittleEndian.h"
#include "base/TextHelpers.h"
#include "clipboard/FormatFacts.h"

#include <array>
#include <optional>
#include <string_view>

namespace tavrix {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;

std::wstring ExtensionFor(ClipFormat format, const std::wstring& name) {
    switch (format) {
    case cf::Text:
    case cf::OemText:
    case cf::UnicodeText:
        return L".txt";
    case cf::Dib:
    case cf::DibV5:
        return L".bmp";
    default:
        break;
    }
    if (format < cf::FirstRegistered) {
        return L".bin";
    }
    struct Known {
        std::wstring_view name;
        std::wstring_view extension;
    };
    static constexpr std::array<Known, 8> kKnown = {{{L"PNG", L".png"},
                                                     {L"image/png", L".png"},
                                                     {L"JFIF", L".jpg"},
                                                     {L"image/jpeg", L".jpg"},
                                                     {L"GIF", L".gif"},
                                                     {L"image/gif", L".gif"},
                                                     {L"HTML Format", L".html"},
                                                     {L"Rich Text Format", L".rtf"}}};
    for (const Known& known : kKnown) {
        if (EqualIgnoringCase(name, known.name)) {
            return std::wstring(known.extension);
        }
    }
    return L".bin";
}

bool IsReservedDeviceName(const std::wstring& name) {
    static constexpr std::array<std::wstring_view, 4> kPlain = {L"CON", L"PRN", L"AUX", L"NUL"};
    for (std::wstring_view device : kPlain) {
        if (EqualIgnoringCase(name, device)) {
            return true;
        }
    }
    return name.size() == 4 &&
           (EqualIgnoringCase(name.substr(0, 3), L"COM") ||
            EqualIgnoringCase(name.substr(0, 3), L"LPT")) &&
           name[3] >= L'1' && name[3] <= L'9';
}

// Characters no file name may hold become "_"; blanks and dots at the end go (the system would
// drop them), and a device name gets a "_" so that it names a file.
std::wstring SafeFileName(const std::wstring& name) {
    std::wstring safe;
    for (wchar_t c : name) {
        const bool forbidden =
            c < 0x20 || std::wstring_view(L"<>:\"/\\|?*").find(c) != std::wstring_view::npos;
        safe.push_back(forbidden ? L'_' : c);
    }
    while (!safe.empty() && (safe.back() == L' ' || safe.back() == L'.')) {
        safe.pop_back();
    }
    if (IsReservedDeviceName(safe)) {
        safe += L'_';
    }
    return safe;
}

// Where the pixels start within a packed bitmap: after the header, the colour masks that follow
// a plain info header and the colour table. Nothing when the header does not fit the block.
std::optional<std::size_t> PixelOffset(std::span<const std::uint8_t> block) {
    const auto headerSize = ReadBlockDword(block);
    if (!headerSize || *headerSize > block.size()) {
        return std::nullopt;
    }
    if (*headerSize == kCoreHeaderSize) {
        const std::uint32_t bits = ReadLe16(block, 10);
        const std::size_t colors = bits <= 8 ? std::size_t{1} << bits : 0;
        return *headerSize + colors * 3;
    }
    if (*headerSize < kInfoHeaderSize) {
        return std::nullopt;
    }
    const std::uint32_t bits = ReadLe16(block, 14);
    const auto compression = ReadBlockDword(block.subspan(16)).value_or(0);
    const auto used = ReadBlockDword(block.subspan(32)).value_or(0);
    std::size_t masks = 0;
    if (*headerSize == kInfoHeaderSize) {
        masks = compression == 3 ? 12 : compression == 6 ? 16 : 0;
    }
    const std::size_t colors = used != 0 ? used : bits <= 8 ? std::size_t{1} << bits : 0;
    if (colors > block.size()) {
        return std::nullopt;
    }
    return *headerSize + masks + colors * 4;
}

void PutDword(std::vector<std::uint8_t>& out, std::size_t at, std::uint64_t value) {
    for (int i = 0; i < 4; ++i) {
        out[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

} // namespace

std::wstring SuggestedFormatFileName(ClipFormat format, const std::wstring& name) {
    std::wstring base = SafeFileName(name);
    if (base.empty()) {
        base = L"Format " + std::to_wstring(format);
    }
    return base + ExtensionFor(format, name);
}

std::vector<std::uint8_t> FormatFileImage(ClipFormat format, std::span<const std::uint8_t> block) {
    std::vector<std::uint8_t> file;
    const auto offset =
        (format == cf::Dib || format == cf::DibV5) ? PixelOffset(block) : std::nullopt;
    // Anything but a readable bitmap is saved exactly as the clipboard holds it.
    if (!offset || *offset > block.size() || block.size() > 0xFFFFFFFFu - kFileHeaderSize) {
        file.assign(block.begin(), block.end());
        return file;
    }
    file.resize(kFileHeaderSize);
    file[0] = 'B';
    file[1] = 'M';
    PutDword(file, 2, kFileHeaderSize + block.size());
    PutDword(file, 10, kFileHeaderSize + *offset);
    file.insert(file.end(), block.begin(), block.end());
    return file;
}

} // namespace tavrix
