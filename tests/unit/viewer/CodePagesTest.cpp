// Code page table and conversions, natively against glibc iconv. Windows builds of the unit tests
// skip this file: there the real conversions are tested under Wine (tests/win32/viewer).
#ifndef _WIN32

#include "viewer/CodePages.h"
#include "CodepageReference.h"
#include "fakes/IconvCodepageSystem.h"
#include "viewer/ViewerAssert.h"

#include <gtest/gtest.h>

#include <cwctype>

namespace tavrix {
namespace {

class CodePagesTest : public ::testing::Test {
protected:
    void SetUp() override {
        InstallCodepageSystem(&system);
        BuildAvailableEncodings();
    }
    void TearDown() override { InstallCodepageSystem(nullptr); }
    void Reinstall(std::initializer_list<int> codepages) {
        system.installed = codepages;
        BuildAvailableEncodings();
    }
    testing::IconvCodepageSystem system;
};

std::wstring AssertionText(const std::function<void()>& action) {
    try {
        action();
    } catch (const AssertionFailure& failure) {
        return failure.Text();
    }
    return L"(no assertion)";
}

TEST_F(CodePagesTest, TableHasSeventySixEntriesWithNamesAndCodepages) {
    EXPECT_EQ(vEncUnicodeBE, 75);
    EXPECT_EQ(vEncEBUSCanada, 49);
    EXPECT_EQ(EncodingName(vEncMac), L"Mac");
    EXPECT_EQ(EncodingName(vEncANSI), L"ANSI (Windows)");
    EXPECT_EQ(EncodingName(vEncUTF8), L"Unicode (UTF-8)");
    EXPECT_EQ(EncodingName(vEncCyrKOI8R), L"Cyrillic (KOI8-R)");
    EXPECT_EQ(EncodingName(vEncEBUSCanada), L"IBM EBCDIC (US-Canada)");
    EXPECT_EQ(EncodingName(vEncHebISO1), L"Hebrew (ISO 8859-8, ISO-Logical)");
    EXPECT_EQ(EncodingName(vEncUnicodeBE), L"Unicode (UTF-16 BE)");
    EXPECT_EQ(CodepageID(vEncOEM), 1);
    EXPECT_EQ(CodepageID(vEncMac), 2);
    EXPECT_EQ(CodepageID(vEncEBTurkishLatin5), 1026);
    EXPECT_EQ(CodepageID(vEncUTF7), 65000);
    // Codepages are unique apart from the entries without one.
    std::set<int> seen;
    for (int e = 0; e < kEncodingCount; ++e) {
        const int cp = EncodingRecord(static_cast<TZorvEncoding>(e)).Codepage;
        if (cp >= 0) {
            EXPECT_TRUE(seen.insert(cp).second) << "duplicate code page " << cp;
        }
    }
    EXPECT_EQ(seen.size(), 70u);
}

TEST_F(CodePagesTest, CodepageIdOfEntryWithoutCodepageIsAnAssertion) {
    for (TZorvEncoding e : {vEncANSI, vEncEBCDIC, vEncKOI8, vEncISO, vEncUnicodeLE}) {
        EXPECT_EQ(AssertionText([&] { CodepageID(e); }), L"Invalid codepage specified: CodepageID");
    }
    EXPECT_EQ(AssertionText([] { CodepageToUnicode("a", vEncUnicodeLE); }),
              L"Unicode encodings can't be passed to CodepageToUnicode");
    EXPECT_EQ(AssertionText([] { CodepageToUnicode("", vEncUnicodeBE); }),
              L"Unicode encodings can't be passed to CodepageToUnicode");
}

TEST_F(CodePagesTest, AvailabilityFollowsEnumerationAndGenericEntriesAlwaysCount) {
    system.extraReports = {L"abc", L"0", L"-1", L"1", L"2", L"99999999999"};
    Reinstall({1251, 20866, 65001});
    for (int e = 0; e < kEncodingCount; ++e) {
        const auto enc = static_cast<TZorvEncoding>(e);
        const bool expected =
            e <= vEncMac || enc == vEncCyrWin || enc == vEncCyrKOI8R || enc == vEncUTF8;
        EXPECT_EQ(IsEncodingAvailable(enc), expected) << e;
    }
    // A later build starts from scratch.
    system.extraReports.clear();
    Reinstall({});
    EXPECT_FALSE(IsEncodingAvailable(vEncCyrWin));
    EXPECT_TRUE(IsEncodingAvailable(vEncMac));
    EXPECT_FALSE(IsEncodingAvailable(vEncUnicodeLE));
    EXPECT_FALSE(IsEncodingAvailable(static_cast<TZorvEncoding>(76)));
}

// Every encoding outside UTF-16 against iconv's own tables, byte by byte.
TEST_F(CodePagesTest, EverySingleByteDecodesLikeTheReference) {
    int compared = 0, undefined = 0, encodingsChecked = 0;
    for (const CodepageReferenceRow& row : kCodepageReference) {
        const auto enc = static_cast<TZorvEncoding>(row.encoding);
        if (!row.present || !IsEncodingAvailable(enc)) {
            continue;
        }
        ++encodingsChecked;
        for (int b = 0; b < 256; ++b) {
            if (row.units[b] < 0) {
                ++undefined;
                continue;
            }
            const std::string byte(1, static_cast<char>(b));
            ASSERT_EQ(CodepageToUnicode(byte, enc),
                      std::wstring(1, static_cast<wchar_t>(row.units[b])))
                << "encoding " << row.encoding << " (" << row.name << ") byte " << b;
            ++compared;
        }
    }
    std::printf("[ reference ] %d encodings, %d bytes compared, %d undefined bytes skipped\n",
                encodingsChecked, compared, undefined);
    EXPECT_EQ(encodingsChecked, 66); // 74 minus the eight without a glibc table
    EXPECT_GT(compared, 60 * 200);
}

TEST_F(CodePagesTest, UnavailableEncodingOrFailedConversionGivesOneQuestionMark) {
    Reinstall({1252});
    EXPECT_EQ(CodepageToUnicode("hello", vEncEBJapaneseKatExt), L"?");
    EXPECT_EQ(ConvertByCodepage("hello", vEncCyrWin), L"?");
    EXPECT_EQ(CodepageToUnicode("hello", vEncWEuroWin), L"hello");
    Reinstall({65001});
    EXPECT_EQ(CodepageToUnicode("ok \xFF\xFE bad", vEncUTF8), L"?");
    EXPECT_EQ(CodepageToUnicode("\xC3\xA9t\xC3\xA9", vEncUTF8), L"\u00E9t\u00E9");
}

TEST_F(CodePagesTest, EmptyTextStaysEmptyForEveryEncoding) {
    Reinstall({});
    for (int e = 0; e < vEncUnicodeLE; ++e) {
        EXPECT_EQ(CodepageToUnicode("", static_cast<TZorvEncoding>(e)), L"") << e;
    }
}

TEST_F(CodePagesTest, EbcdicGivesLettersWithAndWithoutCodepage37) {
    EXPECT_EQ(CodepageToUnicode("\xC1\xC2\xC3", vEncEBCDIC), L"ABC");
    Reinstall({1252});
    EXPECT_EQ(CodepageToUnicode("\xC1\xC2\xC3\x40\xF1\x4B", vEncEBCDIC), L"ABC 1.");
}

TEST_F(CodePagesTest, Koi8UsesTheSystemOrTheTableTowardsWindows1251) {
    EXPECT_EQ(Koi8FallbackTable()[0xC1 - 0x80], 0xE0);
    EXPECT_EQ(CodepageToUnicode("\xC1\xE1", vEncKOI8), L"\u0430\u0410");
    system.ansiCodepage = 1251;
    Reinstall({1251});
    EXPECT_EQ(CodepageToUnicode("\xC1\xE1 z", vEncKOI8), L"\u0430\u0410 z");
    EXPECT_EQ(CodepageToUnicode("\xC1", vEncCyrKOI8R), L"?");
}

TEST_F(CodePagesTest, IsoFollowsTheAnsiCodepage) {
    const std::string e0 = "\xE0";
    system.ansiCodepage = 1251;
    EXPECT_EQ(CodepageToUnicode(e0, vEncISO), L"\u0440"); // ISO 8859-5
    system.ansiCodepage = 1252;
    EXPECT_EQ(CodepageToUnicode(e0, vEncISO), L"\u00E0"); // ISO 8859-1
    system.ansiCodepage = 1253;
    EXPECT_EQ(CodepageToUnicode(e0, vEncISO), L"\u03B0"); // ISO 8859-7
    system.ansiCodepage = 1250;
    EXPECT_EQ(CodepageToUnicode("\xB1", vEncISO), L"\u0105"); // ISO 8859-2
    system.ansiCodepage = 1257;
    EXPECT_EQ(CodepageToUnicode("\xA1", vEncISO), L"\u0104"); // ISO 8859-4
    system.ansiCodepage = 936;                                // any other: ISO 8859-1
    EXPECT_EQ(CodepageToUnicode(e0, vEncISO), L"\u00E0");
    // Without ISO 8859-1 installed the table stands in: control codes become "?".
    system.ansiCodepage = 1252;
    Reinstall({1252});
    EXPECT_EQ(CodepageToUnicode("a\x80\xE0", vEncISO), L"a?\u00E0");
}

TEST_F(CodePagesTest, MacUsesCodepage2OnNtAndTheTableOtherwise) {
    EXPECT_EQ(CodepageToUnicode("\x80\xA5", vEncMac), L"\u00C4\u2022");
    system.ntFamily = false;
    EXPECT_EQ(CodepageToUnicode("\x80\x8E", vEncMac), L"\u00C4\u00E9");
}

// The stand-in tables against iconv's own mappings into Windows-1251/1252. KOI8 and ISO agree
// wherever iconv defines the byte. The Mac and EBCDIC tables stand for older variants; they must
// agree on the letters (every byte that iconv maps to a Latin-1 letter, or for EBCDIC an ASCII
// letter, digit or blank).
TEST_F(CodePagesTest, FallbackTablesAgreeWithIconv) {
    int checked = 0;
    for (int i = 0; i < 128; ++i) {
        if (kKoi8RTo1251[i] >= 0) {
            EXPECT_EQ(Koi8FallbackTable()[i], kKoi8RTo1251[i]) << "KOI8 byte " << i + 128;
            ++checked;
        }
        if (kLatin1To1252[i] >= 0) {
            EXPECT_EQ(IsoFallbackTable()[i], kLatin1To1252[i]) << "ISO byte " << i + 128;
            ++checked;
        }
        const long mac = kMacRomanTo1252[i];
        if (mac >= 0xC0 && mac != 0xD7 && mac != 0xF7) {
            EXPECT_EQ(MacFallbackTable()[i], mac) << "Mac byte " << i + 128;
            ++checked;
        }
    }
    for (int i = 0; i < 256; ++i) {
        const long ref = kCp037To1252[i];
        if (ref >= 0 && ref < 128 && (std::iswalnum(static_cast<wint_t>(ref)) || ref == ' ')) {
            EXPECT_EQ(EbcdicFallbackTable()[i], ref) << "EBCDIC byte " << i;
            ++checked;
        }
    }
    EXPECT_GT(checked, 250);
    // ISO: the five bytes Windows-1252 leaves unassigned keep their value, other C1 codes "?".
    EXPECT_EQ(IsoFallbackTable()[0x81 - 0x80], 0x81);
    EXPECT_EQ(IsoFallbackTable()[0x9D - 0x80], 0x9D);
    EXPECT_EQ(IsoFallbackTable()[0x9E - 0x80], 0x3F);
    EXPECT_EQ(EbcdicFallbackTable()[0x4A], 0x5B);
}

} // namespace
} // namespace tavrix

#endif
