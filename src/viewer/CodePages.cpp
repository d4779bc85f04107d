#include "viewer/CodePages.h"
#include "viewer/CodepageSystem.h"
#include "viewer/ViewerAssert.h"

#include <charconv>

namespace tavrix {

namespace {

// Stand-in tables for the generic encodings when the system lacks their code page. They map to
// Windows-1252 bytes (Windows-1251 for KOI8), which are then read in the ANSI code page.
constexpr std::array<std::uint8_t, 128> kKoi8Table = {
    0x2D, 0xA6, 0x2D, 0xAC, 0x4C, 0x2D, 0x2B, 0x2B, 0x54, 0x2B, 0x2B, 0x2D, 0x2D, 0x2D, 0xA6, 0xA6,
    0x2D, 0x2D, 0x2D, 0x3F, 0xA6, 0x95, 0x76, 0x3F, 0x3F, 0x3F, 0xA0, 0x3F, 0xB0, 0x3F, 0xB7, 0x3F,
    0x3D, 0xA6, 0x2D, 0xB8, 0xE3, 0xE3, 0xAC, 0xAC, 0xAC, 0x4C, 0x4C, 0x4C, 0x2D, 0x2D, 0x2D, 0xA6,
    0xA6, 0xA6, 0xA6, 0xA8, 0xA6, 0xA6, 0x54, 0x54, 0x54, 0xA6, 0xA6, 0xA6, 0x2B, 0x2B, 0x2B, 0xA9,
    0xFE, 0xE0, 0xE1, 0xF6, 0xE4, 0xE5, 0xF4, 0xE3, 0xF5, 0xE8, 0xE9, 0xEA, 0xEB, 0xEC, 0xED, 0xEE,
    0xEF, 0xFF, 0xF0, 0xF1, 0xF2, 0xF3, 0xE6, 0xE2, 0xFC, 0xFB, 0xE7, 0xF8, 0xFD, 0xF9, 0xF7, 0xFA,
    0xDE, 0xC0, 0xC1, 0xD6, 0xC4, 0xC5, 0xD4, 0xC3, 0xD5, 0xC8, 0xC9, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE,
    0xCF, 0xDF, 0xD0, 0xD1, 0xD2, 0xD3, 0xC6, 0xC2, 0xDC, 0xDB, 0xC7, 0xD8, 0xDD, 0xD9, 0xD7, 0xDA,
};

constexpr std::array<std::uint8_t, 128> kMacTable = {
    0xC4, 0xC5, 0xC7, 0xC9, 0xD1, 0xD6, 0xDC, 0xE1, 0xE0, 0xE2, 0xE4, 0xE3, 0xE5, 0xE7, 0xE9, 0xE8,
    0xEA, 0xEB, 0xED, 0xEC, 0xEE, 0xEF, 0xF1, 0xF3, 0xF2, 0xF4, 0xF6, 0xF5, 0xFA, 0xF9, 0xFB, 0xFC,
    0xA0, 0xB0, 0xA2, 0xA3, 0xA7, 0xB4, 0xB6, 0xDF, 0xAE, 0xA9, 0x8E, 0x82, 0x8C, 0xAD, 0xC6, 0xD8,
    0x8D, 0xB1, 0xB2, 0xB3, 0xA5, 0xB5, 0xA6, 0xB7, 0xB8, 0xB9, 0xBC, 0xAA, 0xBA, 0xBD, 0xE6, 0xF8,
    0xBF, 0xA1, 0xAC, 0x92, 0x80, 0x81, 0xA8, 0xAB, 0xBB, 0x83, 0xBE, 0xC0, 0xC3, 0xD5, 0x91, 0x93,
    0xD0, 0x84, 0x96, 0x94, 0x95, 0x90, 0xF7, 0xD7, 0xFF, 0xDD, 0x98, 0x97, 0x86, 0x99, 0xDE, 0xA4,
    0x88, 0x87, 0x89, 0x8B, 0x8A, 0xC2, 0xCA, 0xC1, 0xCB, 0xC8, 0xCD, 0xCE, 0xCF, 0xCC, 0xD3, 0xD4,
    0xF0, 0xD2, 0xDA, 0xDB, 0xD9, 0x9B, 0x9A, 0x85, 0x8F, 0x9D, 0x9C, 0x9E, 0x9F, 0xFD, 0xFE, 0xAF,
};

constexpr std::array<std::uint8_t, 256> kEbcdicTable = {
    0x00, 0x01, 0x02, 0x03, 0xF7, 0x09, 0xD2, 0x7F, 0xF2, 0xA8, 0x93, 0x0B, 0x0C, 0x0D, 0x0E, 0x0F,
    0x10, 0x11, 0x12, 0x13, 0xD3, 0xA1, 0x08, 0xD7, 0x18, 0x19, 0x96, 0xD0, 0x1C, 0x1D, 0x1E, 0x1F,
    0x7C, 0xD6, 0x81, 0xC0, 0xD1, 0x0A, 0x17, 0x1B, 0xD4, 0xE9, 0xE0, 0xD5, 0x92, 0x05, 0x06, 0x07,
    0xF0, 0xF1, 0x16, 0xF3, 0xF4, 0xF5, 0xF6, 0x04, 0xF8, 0xF9, 0xA9, 0x94, 0x14, 0x15, 0x95, 0x1A,
    0x20, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7, 0xC8, 0xC9, 0x5B, 0x2E, 0x3C, 0x28, 0x2B, 0x21,
    0x26, 0xD8, 0xD9, 0xE2, 0xE3, 0xE4, 0xE5, 0xE6, 0xE7, 0xE8, 0x5D, 0x24, 0x2A, 0x29, 0x3B, 0x5E,
    0x2D, 0x2F, 0x82, 0x83, 0x84, 0x85, 0x86, 0x87, 0x88, 0x89, 0xA6, 0x2C, 0x25, 0x5F, 0x3E, 0x3F,
    0x97, 0x98, 0x99, 0xA2, 0xA3, 0xA4, 0xA5, 0x91, 0xA7, 0x60, 0x3A, 0x23, 0x40, 0x27, 0x3D, 0x22,
    0x80, 0x61, 0x62, 0x63, 0x64, 0x65, 0x66, 0x67, 0x68, 0x69, 0x8A, 0x8B, 0x8C, 0x8D, 0x8E, 0x8F,
    0x90, 0x6A, 0x6B, 0x6C, 0x6D, 0x6E, 0x6F, 0x70, 0x71, 0x72, 0x9A, 0x9B, 0x9C, 0x9D, 0x9E, 0x9F,
    0xA0, 0x7E, 0x73, 0x74, 0x75, 0x76, 0x77, 0x78, 0x79, 0x7A, 0xAA, 0xAB, 0xAC, 0xAD, 0xAE, 0xAF,
    0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB5, 0xB6, 0xB7, 0xB8, 0xB9, 0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF,
    0x7B, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x48, 0x49, 0xCA, 0xCB, 0xCC, 0xCD, 0xCE, 0xCF,
    0x7D, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F, 0x50, 0x51, 0x52, 0xDA, 0xDB, 0xDC, 0xDD, 0xDE, 0xDF,
    0x5C, 0xE1, 0x53, 0x54, 0x55, 0x56, 0x57, 0x58, 0x59, 0x5A, 0xEA, 0xEB, 0xEC, 0xED, 0xEE, 0xEF,
    0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0xFA, 0xFB, 0xFC, 0xFD, 0xFE, 0xFF,
};

// ISO 8859: the high half is the same as Windows-1252 from A0 on; 80 to 9F are control codes
// there, shown as "?", except the five bytes Windows-1252 leaves unassigned.
constexpr std::array<std::uint8_t, 128> MakeIsoTable() {
    std::array<std::uint8_t, 128> table{};
    for (int b = 0x80; b <= 0xFF; ++b) {
        const bool keep =
            b >= 0xA0 || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
        table[static_cast<std::size_t>(b - 0x80)] = keep ? static_cast<std::uint8_t>(b) : 0x3F;
    }
    return table;
}
constexpr std::array<std::uint8_t, 128> kIsoTable = MakeIsoTable();

std::array<bool, kEncodingCount> g_available{};

std::wstring ConvertWith(CodepageSystem& system, int codepage, std::string_view text) {
    // Every code page of the table gives at most one UTF-16 unit per byte, so one conversion into
    // a buffer of the text's length usually does; only when that fails is the size asked first.
    std::wstring result(text.size(), L'\0');
    int written = system.MultiByteToWide(codepage, text, result);
    if (written <= 0) {
        const int needed = system.MultiByteToWide(codepage, text, {});
        if (needed <= 0) {
            return {};
        }
        result.assign(static_cast<std::size_t>(needed), L'\0');
        written = system.MultiByteToWide(codepage, text, result);
        if (written <= 0) {
            return {};
        }
    }
    result.resize(static_cast<std::size_t>(written));
    return result;
}

// Maps the bytes through a stand-in table, then reads the result in the ANSI code page.
template <std::size_t N>
std::wstring ConvertByTable(std::string_view text, const std::array<std::uint8_t, N>& table) {
    constexpr std::size_t first = 256 - N; // high-half tables start at byte 128
    std::string mapped(text);
    for (char& ch : mapped) {
        const auto byte = static_cast<std::uint8_t>(ch);
        if (byte >= first) {
            ch = static_cast<char>(table[byte - first]);
        }
    }
    return AnsiToUnicode(mapped);
}

ViewerEncoding IsoEncodingForAnsi(int ansiCodepage) {
    switch (ansiCodepage) {
    case 1250:
        return ViewerEncoding::CEuroISO;
    case 1251:
        return ViewerEncoding::CyrISO;
    case 1253:
        return ViewerEncoding::GreekISO;
    case 1254:
        return ViewerEncoding::TurISO;
    case 1255:
        return ViewerEncoding::HebISO1;
    case 1256:
        return ViewerEncoding::ArISO;
    case 1257:
        return ViewerEncoding::BalISO1;
    default:
        return ViewerEncoding::WEuroISO1;
    }
}

// A code page number as the system reports it; text that is no decimal number counts as 0.
std::int32_t ParseCodepage(std::wstring_view text) {
    if (text.empty() || text.size() > 10) {
        return 0;
    }
    std::string digits;
    for (wchar_t ch : text) {
        if (ch < L'0' || ch > L'9') {
            return 0;
        }
        digits.push_back(static_cast<char>(ch));
    }
    long long value = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), value);
    return value > 0x7FFFFFFF ? 0 : static_cast<std::int32_t>(value);
}

} // namespace

std::wstring AnsiToUnicode(std::string_view text) {
    return ConvertWith(CurrentCodepageSystem(), kCodepageAnsi, text);
}

std::string UnicodeToAnsi(std::wstring_view text) {
    CodepageSystem& system = CurrentCodepageSystem();
    const int needed = system.WideToMultiByte(kCodepageAnsi, text, {});
    if (needed <= 0) {
        return {};
    }
    std::string result(static_cast<std::size_t>(needed), '\0');
    const int written = system.WideToMultiByte(kCodepageAnsi, text, result);
    result.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return result;
}

const std::array<std::uint8_t, 128>& Koi8FallbackTable() {
    return kKoi8Table;
}
const std::array<std::uint8_t, 128>& MacFallbackTable() {
    return kMacTable;
}
const std::array<std::uint8_t, 256>& EbcdicFallbackTable() {
    return kEbcdicTable;
}
const std::array<std::uint8_t, 128>& IsoFallbackTable() {
    return kIsoTable;
}

void BuildAvailableEncodings() {
    g_available.fill(false);
    CurrentCodepageSystem().EnumInstalledCodepages([](std::wstring_view text) {
        const std::int32_t codepage = ParseCodepage(text);
        for (int e = 0; e < kEncodingCount; ++e) {
            if (EncodingRecord(static_cast<ViewerEncoding>(e)).codepage == codepage) {
                g_available[static_cast<std::size_t>(e)] = true;
                break;
            }
        }
    });
    // UTF-8 is converted by every system, also one that does not list it among its code pages.
    for (ViewerEncoding generic :
         {ViewerEncoding::ANSI, ViewerEncoding::OEM, ViewerEncoding::EBCDIC, ViewerEncoding::KOI8,
          ViewerEncoding::ISO, ViewerEncoding::Mac, ViewerEncoding::UTF8}) {
        g_available[static_cast<std::size_t>(generic)] = true;
    }
    g_available[static_cast<std::size_t>(ViewerEncoding::UnicodeLE)] = false;
    g_available[static_cast<std::size_t>(ViewerEncoding::UnicodeBE)] = false;
}

bool IsEncodingAvailable(ViewerEncoding encoding) {
    return IsValidEncoding(encoding) && g_available[static_cast<std::size_t>(encoding)];
}

std::wstring ConvertByCodepage(std::string_view text, ViewerEncoding encoding) {
    if (!IsEncodingAvailable(encoding)) {
        return L"?";
    }
    if (encoding == ViewerEncoding::ANSI) {
        return AnsiToUnicode(text);
    }
    std::wstring result = ConvertWith(CurrentCodepageSystem(), CodepageID(encoding), text);
    if (result.empty()) {
        return L"?";
    }
    return result;
}

std::int32_t TextCodepage(ViewerEncoding encoding) {
    switch (encoding) {
    case ViewerEncoding::ANSI:
        return kCodepageAnsi;
    case ViewerEncoding::OEM:
        return kCodepageOem;
    case ViewerEncoding::EBCDIC:
        return CodepageID(ViewerEncoding::EBUSCanada);
    case ViewerEncoding::KOI8:
        return CodepageID(ViewerEncoding::CyrKOI8R);
    case ViewerEncoding::ISO:
        return CodepageID(IsoEncodingForAnsi(CurrentCodepageSystem().AnsiCodepage()));
    default:
        return EncodingRecord(encoding).codepage;
    }
}

std::wstring CodepageToUnicode(std::string_view text, ViewerEncoding encoding) {
    if (IsUnicodeEncoding(encoding)) {
        FailAssertion(L"Unicode encodings can't be passed to CodepageToUnicode", L"ZorvxCodepages");
    }
    if (text.empty()) {
        return {};
    }
    switch (encoding) {
    case ViewerEncoding::ANSI:
        return AnsiToUnicode(text);
    case ViewerEncoding::EBCDIC:
        if (IsEncodingAvailable(ViewerEncoding::EBUSCanada)) {
            return ConvertByCodepage(text, ViewerEncoding::EBUSCanada);
        }
        return ConvertByTable(text, kEbcdicTable);
    case ViewerEncoding::KOI8:
        if (IsEncodingAvailable(ViewerEncoding::CyrKOI8R)) {
            return ConvertByCodepage(text, ViewerEncoding::CyrKOI8R);
        }
        return ConvertByTable(text, kKoi8Table);
    case ViewerEncoding::ISO: {
        const ViewerEncoding iso = IsoEncodingForAnsi(CurrentCodepageSystem().AnsiCodepage());
        if (IsEncodingAvailable(iso)) {
            return ConvertByCodepage(text, iso);
        }
        return ConvertByTable(text, kIsoTable);
    }
    case ViewerEncoding::Mac:
        if (CurrentCodepageSystem().IsNtFamily()) {
            return ConvertByCodepage(text, ViewerEncoding::Mac);
        }
        return ConvertByTable(text, kMacTable);
    default:
        return ConvertByCodepage(text, encoding);
    }
}

} // namespace tavrix
