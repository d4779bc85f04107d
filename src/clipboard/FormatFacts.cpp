#include "clipboard/FormatFacts.h"

#include "base/LittleEndian.h"
#include "base/TextHelpers.h"
#include "base/UiText.h"
#include "base/Unicode.h"
#include "clipboard/FileDropList.h"
#include "clipboard/HtmlClipboardHeader.h"

#include <cstdlib>

namespace tavrix {

namespace {

constexpr std::wstring_view kPreferredDropEffect = L"Preferred DropEffect";
constexpr std::wstring_view kPerformedDropEffect = L"Performed DropEffect";
constexpr std::wstring_view kHtmlFormat = L"HTML Format";
constexpr std::wstring_view kFileGroupDescriptorW = L"FileGroupDescriptorW";
constexpr std::wstring_view kCanIncludeInHistory = L"CanIncludeInClipboardHistory";
constexpr std::wstring_view kCanUploadToCloud = L"CanUploadToCloudClipboard";

// A FILEDESCRIPTORW: flags, class id, size, point, attributes, three times, the size's two
// halves and a name of 260 UTF-16 units.
constexpr std::size_t kFileDescriptorSize = 4 + 16 + 8 + 8 + 4 + 3 * 8 + 2 * 4 + 260 * 2;
constexpr std::size_t kCoreHeaderSize = 12;
constexpr std::size_t kInfoHeaderSize = 40;

std::wstring CountOfFiles(std::size_t count) {
    const std::wstring number = std::to_wstring(count);
    return count == 1 ? Tr(L"%1 file", {number}) : Tr(L"%1 files", {number});
}

std::wstring CompressionName(std::uint32_t compression) {
    switch (compression) {
    case 1:
        return L"BI_RLE8";
    case 2:
        return L"BI_RLE4";
    case 3:
        return L"BI_BITFIELDS";
    case 4:
        return L"BI_JPEG";
    case 5:
        return L"BI_PNG";
    case 6:
        return L"BI_ALPHABITFIELDS";
    case 11:
        return L"BI_CMYK";
    case 12:
        return L"BI_CMYKRLE8";
    case 13:
        return L"BI_CMYKRLE4";
    default:
        break;
    }
    // Video codecs name themselves with four printable characters ("YUY2").
    std::wstring code;
    for (int shift = 0; shift < 32; shift += 8) {
        const auto c = static_cast<wchar_t>((compression >> shift) & 0xFF);
        if (c < 0x20 || c > 0x7E) {
            return Tr(L"compression %1", {std::to_wstring(compression)});
        }
        code.push_back(c);
    }
    return code;
}

bool OffsetsFit(const std::optional<std::int64_t>& start, const std::optional<std::int64_t>& end,
                std::size_t textSize) {
    if (!start && !end) {
        return true;
    }
    return start && end && *start >= 0 && *start <= *end &&
           *end <= static_cast<std::int64_t>(textSize);
}

} // namespace

std::optional<std::uint32_t> ReadBlockDword(BlockView block) {
    if (block.size() < 4) {
        return std::nullopt;
    }
    return ReadLe32(block, 0);
}

std::wstring DropEffectFact(BlockView block) {
    const auto effect = ReadBlockDword(block);
    if (!effect) {
        return {};
    }
    std::wstring fact;
    for (auto [bit, name] :
         {std::pair{1u, Tr(L"Copy")}, std::pair{2u, Tr(L"Move")}, std::pair{4u, Tr(L"Link")}}) {
        if ((*effect & bit) != 0) {
            fact += (fact.empty() ? L"" : L", ") + name;
        }
    }
    return fact;
}

std::wstring BitmapHeaderFact(BlockView block) {
    const auto headerSize = ReadBlockDword(block);
    if (!headerSize || *headerSize > block.size()) {
        return {};
    }
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    if (*headerSize == kCoreHeaderSize) {
        width = ReadLe16(block, 4);
        height = ReadLe16(block, 6);
        bitCount = ReadLe16(block, 10);
    } else if (*headerSize >= kInfoHeaderSize) {
        width = static_cast<std::int32_t>(ReadLe32(block, 4));
        height = static_cast<std::int32_t>(ReadLe32(block, 8));
        bitCount = ReadLe16(block, 14);
        compression = ReadLe32(block, 16);
    } else {
        return {};
    }
    if (width <= 0 || height == 0 || bitCount == 0) {
        return {};
    }
    // A negative height only says the rows run top-down.
    std::wstring fact = std::to_wstring(width) + L" x " + std::to_wstring(std::llabs(height)) +
                        L", " + std::to_wstring(bitCount) + L" bpp";
    if (compression != 0) {
        fact += L", " + CompressionName(compression);
    }
    return fact;
}

std::wstring HtmlHeaderFact(BlockView block) {
    const HtmlClipboardHeader header = ParseHtmlClipboardHeader(block);
    const std::size_t textSize = block.size();
    const bool hasFragment = header.startFragment || header.endFragment;
    if (header.version.empty() && !hasFragment && !header.startHtml && !header.endHtml) {
        return {};
    }
    std::wstring fact;
    auto add = [&fact](const std::wstring& part) { fact += (fact.empty() ? L"" : L", ") + part; };
    if (!header.version.empty()) {
        add(Tr(L"Version %1", {WideFromUtf8(header.version)}));
    }
    const auto fragment = HtmlFragmentRange(header, block);
    if (!OffsetsFit(header.startHtml, header.endHtml, textSize) || (hasFragment && !fragment)) {
        add(Tr(L"offsets out of range"));
    } else if (fragment) {
        add(Tr(L"fragment %1\u2013%2",
               {std::to_wstring(fragment->begin), std::to_wstring(fragment->end)}));
        if (const std::optional<std::size_t> zero = HtmlZeroByte(header, block)) {
            add(Tr(L"zero byte at %1", {std::to_wstring(*zero)}));
        }
    }
    if (!header.sourceUrl.empty()) {
        add(Tr(L"source %1", {WideFromUtf8(header.sourceUrl)}));
    }
    return fact;
}

std::wstring FileDropFact(BlockView block) {
    // The names are only counted: no conversion of 8-bit names needed.
    const auto names = ReadFileDropList(block, [](BlockView) { return std::u16string(u"?"); });
    return names.empty() ? std::wstring() : CountOfFiles(names.size());
}

std::wstring FileGroupDescriptorFact(BlockView block) {
    const auto count = ReadBlockDword(block);
    if (!count || *count > (block.size() - 4) / kFileDescriptorSize) {
        return {};
    }
    return CountOfFiles(*count);
}

std::wstring PermissionFact(BlockView block) {
    const auto flag = ReadBlockDword(block);
    if (!flag) {
        return {};
    }
    return *flag != 0 ? Tr(L"Allowed") : Tr(L"Not allowed");
}

bool HasFormatFact(ClipFormat format, std::wstring_view name) {
    if (format < cf::FirstRegistered) {
        return format == cf::Locale || format == cf::Dib || format == cf::DibV5 ||
               format == cf::HDrop;
    }
    for (std::wstring_view known :
         {kPreferredDropEffect, kPerformedDropEffect, kHtmlFormat, kFileGroupDescriptorW,
          kCanIncludeInHistory, kCanUploadToCloud}) {
        if (EqualIgnoringCase(name, known)) {
            return true;
        }
    }
    return false;
}

std::wstring FormatFact(ClipFormat format, std::wstring_view name, BlockView block,
                        const LocaleNamer& localeName) {
    switch (format) {
    case cf::Locale: {
        const auto lcid = ReadBlockDword(block);
        return lcid ? localeName(*lcid) : std::wstring();
    }
    case cf::Dib:
    case cf::DibV5:
        return BitmapHeaderFact(block);
    case cf::HDrop:
        return FileDropFact(block);
    default:
        break;
    }
    if (format < cf::FirstRegistered) {
        return {};
    }
    if (EqualIgnoringCase(name, kPreferredDropEffect) ||
        EqualIgnoringCase(name, kPerformedDropEffect)) {
        return DropEffectFact(block);
    }
    if (EqualIgnoringCase(name, kHtmlFormat)) {
        return HtmlHeaderFact(block);
    }
    if (EqualIgnoringCase(name, kFileGroupDescriptorW)) {
        return FileGroupDescriptorFact(block);
    }
    if (EqualIgnoringCase(name, kCanIncludeInHistory) ||
        EqualIgnoringCase(name, kCanUploadToCloud)) {
        return PermissionFact(block);
    }
    return {};
}

} // namespace tavrix
