#pragma once
// The encodings the viewer can show 8-bit data in, in the order of its encoding table, plus the
// two UTF-16 byte orders that the viewer decodes itself.
#include <cstdint>
#include <string>

namespace tavrix {

enum TZorvEncoding : int {
    vEncANSI,
    vEncOEM,
    vEncEBCDIC,
    vEncKOI8,
    vEncISO,
    vEncMac,
    vEncWEuroDOS,
    vEncWEuroISO1,
    vEncWEuroISO2,
    vEncWEuroMac,
    vEncWEuroWin,
    vEncCEuroDOS,
    vEncCEuroISO,
    vEncCEuroMac,
    vEncCEuroWin,
    vEncBalDOS,
    vEncBalISO1,
    vEncBalISO2,
    vEncBalWin,
    vEncCyrDOS,
    vEncCyrISO,
    vEncCyrKOI8R,
    vEncCyrKOI8U,
    vEncCyrMacC,
    vEncCyrMacU,
    vEncCyrWin,
    vEncUSOEM,
    vEncGreekDOS,
    vEncGreekISO,
    vEncGreekMac,
    vEncGreekWin,
    vEncLatin3,
    vEncTurDOS,
    vEncTurISO,
    vEncTurMac,
    vEncTurWin,
    vEncArDOS1,
    vEncArDOS2,
    vEncArDOS3,
    vEncArISO,
    vEncArMac,
    vEncArWin,
    vEncHebDOS,
    vEncHebISO1,
    vEncHebISO2,
    vEncHebMac,
    vEncHebWin,
    vEncThai,
    vEncViet,
    vEncEBUSCanada,
    vEncEBInternational,
    vEncEBLatin1,
    vEncEBLatin2,
    vEncEBGreek,
    vEncEBGreekModern,
    vEncEBGermany,
    vEncEBDenmarkNorway,
    vEncEBFinlandSweden,
    vEncEBUnitedKingdom,
    vEncEBFrance,
    vEncEBIcelandic,
    vEncEBCyrRussian,
    vEncEBCyrSerbian,
    vEncEBItaly,
    vEncEBLatinAmerica,
    vEncEBJapaneseKatExt,
    vEncEBKoreanExt,
    vEncEBArabic,
    vEncEBHebrew,
    vEncEBThai,
    vEncEBTurkish,
    vEncEBTurkishLatin5,
    vEncUTF7,
    vEncUTF8,
    vEncUnicodeLE,
    vEncUnicodeBE,
};

inline constexpr int kEncodingCount = 76;

// One row of the encoding table.
struct TZorvEncodingRec {
    std::int32_t Codepage; // -1: none of its own (generic or UTF-16); 1 = OEM, 2 = Macintosh
    std::uint8_t Group;    // language group, 0 for the six generic entries
    const wchar_t* Name;
};

// The two encodings that never go through the code page conversion.
constexpr bool IsUnicodeEncoding(TZorvEncoding encoding) {
    return encoding == vEncUnicodeLE || encoding == vEncUnicodeBE;
}

constexpr bool IsValidEncoding(int value) {
    return value >= 0 && value < kEncodingCount;
}

} // namespace tavrix
