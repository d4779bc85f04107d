#pragma once
// The encodings the viewer can show 8-bit data in, in the order of its encoding table, plus the
// two UTF-16 byte orders that the viewer decodes itself.
#include <cstdint>
#include <string>

namespace tavrix {

enum class ViewerEncoding : int {
    ANSI,
    OEM,
    EBCDIC,
    KOI8,
    ISO,
    Mac,
    WEuroDOS,
    WEuroISO1,
    WEuroISO2,
    WEuroMac,
    WEuroWin,
    CEuroDOS,
    CEuroISO,
    CEuroMac,
    CEuroWin,
    BalDOS,
    BalISO1,
    BalISO2,
    BalWin,
    CyrDOS,
    CyrISO,
    CyrKOI8R,
    CyrKOI8U,
    CyrMacC,
    CyrMacU,
    CyrWin,
    USOEM,
    GreekDOS,
    GreekISO,
    GreekMac,
    GreekWin,
    Latin3,
    TurDOS,
    TurISO,
    TurMac,
    TurWin,
    ArDOS1,
    ArDOS2,
    ArDOS3,
    ArISO,
    ArMac,
    ArWin,
    HebDOS,
    HebISO1,
    HebISO2,
    HebMac,
    HebWin,
    Thai,
    Viet,
    EBUSCanada,
    EBInternational,
    EBLatin1,
    EBLatin2,
    EBGreek,
    EBGreekModern,
    EBGermany,
    EBDenmarkNorway,
    EBFinlandSweden,
    EBUnitedKingdom,
    EBFrance,
    EBIcelandic,
    EBCyrRussian,
    EBCyrSerbian,
    EBItaly,
    EBLatinAmerica,
    EBJapaneseKatExt,
    EBKoreanExt,
    EBArabic,
    EBHebrew,
    EBThai,
    EBTurkish,
    EBTurkishLatin5,
    UTF7,
    UTF8,
    UnicodeLE,
    UnicodeBE,
};

inline constexpr int kEncodingCount = 76;

// One row of the encoding table.
struct EncodingRow {
    std::int32_t codepage; // -1: none of its own (generic or UTF-16); 1 = OEM, 2 = Macintosh
    std::uint8_t group;    // language group, 0 for the six generic entries
    const wchar_t* name;
};

// The two encodings that never go through the code page conversion.
constexpr bool IsUnicodeEncoding(ViewerEncoding encoding) {
    return encoding == ViewerEncoding::UnicodeLE || encoding == ViewerEncoding::UnicodeBE;
}

constexpr bool IsValidEncoding(int value) {
    return value >= 0 && value < kEncodingCount;
}
constexpr bool IsValidEncoding(ViewerEncoding encoding) {
    return IsValidEncoding(static_cast<int>(encoding));
}

} // namespace tavrix
