// The encodings through the system's real code page tables, against reference tables that the
// build generated from glibc iconv (where the build machine has it).
#include "viewer/win32/Win32CodepageSystem.h"
#include "viewer/CodePages.h"

#include <windows.h>

#include <gtest/gtest.h>

#ifdef TAVRIX_HAVE_CODEPAGE_REFERENCE
#include "CodepageReference.h"
#endif

#include <cstdio>
#include <map>

namespace tavrix::win32 {
namespace {

class Win32CodepagesTest : public ::testing::Test {
protected:
    void SetUp() override { InitViewerTextSupport(); }
};

TEST_F(Win32CodepagesTest, EnumerationFindsTheCommonCodepagesAndNotTheMissingOnes) {
    for (ViewerEncoding e :
         {ViewerEncoding::ANSI, ViewerEncoding::OEM, ViewerEncoding::EBCDIC, ViewerEncoding::KOI8,
          ViewerEncoding::ISO, ViewerEncoding::Mac, ViewerEncoding::CyrWin,
          ViewerEncoding::CyrKOI8R, ViewerEncoding::EBUSCanada, ViewerEncoding::WEuroISO1,
          ViewerEncoding::USOEM}) {
        EXPECT_TRUE(IsEncodingAvailable(e)) << EncodingName(e).size() << " " << static_cast<int>(e);
    }
    EXPECT_FALSE(IsEncodingAvailable(ViewerEncoding::UnicodeLE));
    EXPECT_FALSE(IsEncodingAvailable(ViewerEncoding::UnicodeBE));
    int available = 0;
    std::wstring missing;
    for (int e = 0; e < kEncodingCount; ++e) {
        if (IsEncodingAvailable(static_cast<ViewerEncoding>(e))) {
            ++available;
        } else {
            missing += L" " + std::to_wstring(e);
        }
    }
    std::printf("[ encodings ] %d of 76 available; missing:%ls\n", available, missing.c_str());
    EXPECT_GT(available, 50);
}

TEST_F(Win32CodepagesTest, UnavailableEncodingGivesOneQuestionMark) {
    // The system enumerates no code page 20290 (EBCDIC Japanese Katakana) here; when a system
    // does, the conversion must work instead.
    if (IsEncodingAvailable(ViewerEncoding::EBJapaneseKatExt)) {
        EXPECT_NE(CodepageToUnicode("\xC1\xC2", ViewerEncoding::EBJapaneseKatExt), L"?");
    } else {
        EXPECT_EQ(CodepageToUnicode("\xC1\xC2\xC3", ViewerEncoding::EBJapaneseKatExt), L"?");
    }
    EXPECT_EQ(CodepageToUnicode("", ViewerEncoding::EBJapaneseKatExt), L"");
}

TEST_F(Win32CodepagesTest, GenericEncodingsResolveToConcreteCodepages) {
    EXPECT_EQ(CodepageToUnicode("\xC1\xC2\xC3", ViewerEncoding::EBCDIC), L"ABC");
    EXPECT_EQ(CodepageToUnicode("\xC1", ViewerEncoding::KOI8), L"\u0430");
    EXPECT_EQ(CodepageToUnicode("\xC1\xE1", ViewerEncoding::CyrKOI8R), L"\u0430\u0410");
    EXPECT_EQ(CodepageToUnicode("\x80", ViewerEncoding::Mac), L"\u00C4");
    EXPECT_EQ(CodepageToUnicode("\x82", ViewerEncoding::OEM), L"\u00E9");
}

// Wine converts UTF-7 and UTF-8 but does not enumerate them, so there they count as unavailable;
// Windows enumerates both.
TEST_F(Win32CodepagesTest, UnicodeCodepagesConvertWhenEnumerated) {
    if (IsEncodingAvailable(ViewerEncoding::UTF8)) {
        EXPECT_EQ(CodepageToUnicode("\xE2\x82\xAC", ViewerEncoding::UTF8), L"\u20AC");
        EXPECT_EQ(CodepageToUnicode("\xFF\xFE", ViewerEncoding::UTF8), L"\uFFFD\uFFFD");
    } else {
        EXPECT_EQ(CodepageToUnicode("\xE2\x82\xAC", ViewerEncoding::UTF8), L"?");
    }
    if (IsEncodingAvailable(ViewerEncoding::UTF7)) {
        EXPECT_EQ(CodepageToUnicode("+AKM-", ViewerEncoding::UTF7), L"\u00A3");
    } else {
        EXPECT_EQ(CodepageToUnicode("+AKM-", ViewerEncoding::UTF7), L"?");
    }
}

#ifdef TAVRIX_HAVE_CODEPAGE_REFERENCE
// Bytes where the Windows tables and glibc's deliberately differ, with the Windows value.
struct VendorDifference {
    ViewerEncoding encoding;
    int byte;
    unsigned windowsUnit;
};
constexpr VendorDifference kVendorDifferences[] = {
    // MacRoman: Windows maps to the Ohm and increment signs and the Apple logo's private code.
    {ViewerEncoding::Mac, 0xBD, 0x2126},
    {ViewerEncoding::Mac, 0xC6, 0x2206},
    {ViewerEncoding::Mac, 0xF0, 0xF8FF},
    {ViewerEncoding::WEuroMac, 0xBD, 0x2126},
    {ViewerEncoding::WEuroMac, 0xC6, 0x2206},
    {ViewerEncoding::WEuroMac, 0xF0, 0xF8FF},
    // Code page 21866 is KOI8-U with the Belarusian short u in place of two box drawings.
    {ViewerEncoding::CyrKOI8U, 0xAE, 0x045E},
    {ViewerEncoding::CyrKOI8U, 0xBE, 0x040E},
    // Code page 10007 is MacCyrillic before the Ukrainian ghe was added.
    {ViewerEncoding::CyrMacC, 0xA2, 0x00A2},
    {ViewerEncoding::CyrMacC, 0xB6, 0x2202},
    // ISO 8859-7 of 1987: other quotation marks, no euro, drachma or ypogegrammeni.
    {ViewerEncoding::GreekISO, 0xA1, 0x02BD},
    {ViewerEncoding::GreekISO, 0xA2, 0x02BC},
    {ViewerEncoding::GreekISO, 0xA4, 0xF7C2},
    {ViewerEncoding::GreekISO, 0xA5, 0xF7C3},
    {ViewerEncoding::GreekISO, 0xAA, 0xF7C4},
    // IBM-864 keeps the ASCII percent sign.
    {ViewerEncoding::ArDOS3, 0x25, 0x0025},
    // ISO 8859-8 with the overline and private codes for the direction marks.
    {ViewerEncoding::HebISO2, 0xAF, 0x203E},
    {ViewerEncoding::HebISO2, 0xFD, 0xF7BF},
    {ViewerEncoding::HebISO2, 0xFE, 0xF7C0},
    // EBCDIC Greek and Turkish variants.
    {ViewerEncoding::EBGreekModern, 0x74, 0x00A0},
    {ViewerEncoding::EBGreekModern, 0xDD, 0x0387},
    {ViewerEncoding::EBTurkishLatin5, 0x9D, 0x00B8},
    {ViewerEncoding::EBTurkishLatin5, 0xBC, 0x00AF},
};

bool KnownDifference(int encoding, int byte, wchar_t actual) {
    for (const VendorDifference& d : kVendorDifferences) {
        if (static_cast<int>(d.encoding) == encoding && d.byte == byte) {
            return static_cast<unsigned>(actual) == d.windowsUnit;
        }
    }
    return false;
}

TEST_F(Win32CodepagesTest, EverySingleByteDecodesLikeTheReference) {
    ASSERT_EQ(GetACP(), 1252u) << "the reference assumes a U.S. English system";
    ASSERT_EQ(GetOEMCP(), 437u);
    int encodings = 0, compared = 0, undefined = 0, differing = 0, vendorDifferences = 0;
    std::string report;
    for (const CodepageReferenceRow& row : kCodepageReference) {
        const auto enc = static_cast<ViewerEncoding>(row.encoding);
        if (!row.present || !IsEncodingAvailable(enc)) {
            continue;
        }
        ++encodings;
        for (int b = 0; b < 256; ++b) {
            if (row.units[b] < 0) {
                ++undefined;
                continue;
            }
            const std::wstring got = CodepageToUnicode(std::string(1, static_cast<char>(b)), enc);
            ++compared;
            const wchar_t actual = got.size() == 1 ? got[0] : 0;
            if (got.size() == 1 && actual == static_cast<wchar_t>(row.units[b])) {
                continue;
            }
            if (KnownDifference(row.encoding, b, actual)) {
                ++vendorDifferences;
                continue;
            }
            ++differing;
            char line[96];
            std::snprintf(line, sizeof line, "  enc %d (%s) byte %02X: reference %04lX, got %04X\n",
                          row.encoding, row.name, b, row.units[b], static_cast<unsigned>(actual));
            report += line;
        }
    }
    std::printf("[ reference ] %d encodings, %d bytes compared (%d known vendor differences), "
                "%d undefined bytes skipped\n",
                encodings, compared, vendorDifferences, undefined);
    EXPECT_EQ(differing, 0) << report;
    EXPECT_EQ(vendorDifferences, static_cast<int>(std::size(kVendorDifferences)));
    EXPECT_GT(encodings, 40);
}
#endif

} // namespace
} // namespace tavrix::win32
