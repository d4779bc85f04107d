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
    EXPECT_EQ(static_cast<int>(ViewerEncoding::UnicodeBE), 75);
    EXPECT_EQ(static_cast<int>(ViewerEncoding::EBUSCanada), 49);
    EXPECT_EQ(EncodingName(ViewerEncoding::Mac), L"Mac");
    EXPECT_EQ(EncodingName(ViewerEncoding::ANSI), L"ANSI (Windows)");
    EXPECT_EQ(EncodingName(ViewerEncoding::UTF8), L"Unicode (UTF-8)");
    EXPECT_EQ(EncodingName(ViewerEncoding::CyrKOI8R), L"Cyrillic (KOI8-R)");
    EXPECT_EQ(EncodingName(ViewerEncoding::EBUSCanada), L"IBM EBCDIC (US-Canada)");
    EXPECT_EQ(EncodingName(ViewerEncoding::HebISO1), L"Hebrew (ISO 8859-8, ISO-Logical)");
    EXPECT_EQ(EncodingName(ViewerEncoding::UnicodeBE), L"Unicode (UTF-16 BE)");
    EXPECT_EQ(CodepageID(ViewerEncoding::OEM), 1);
    EXPECT_EQ(CodepageID(ViewerEncoding::Mac), 2);
    EXPECT_EQ(CodepageID(ViewerEncoding::EBTurkishLatin5), 1026);
    EXPECT_EQ(CodepageID(ViewerEncoding::UTF7), 65000);
    // Codepages are unique apart from the entries without one.
    std::set<int> seen;
    for (int e = 0; e < kEncodingCount; ++e) {
        const int cp = EncodingRecord(static_cast<ViewerEncoding>(e)).codepage;
        if (cp >= 0) {
            EXPECT_TRUE(seen.insert(cp).second) << "duplicate code page " << cp;
        }
    }
    EXPECT_EQ(seen.size(), 70u);
}

TEST_F(CodePagesTest, CodepageIdOfEntryWithoutCodepageIsAnAssertion) {
    for (ViewerEncoding e : {ViewerEncoding::ANSI, ViewerEncoding::EBCDIC, ViewerEncoding::KOI8,
                             ViewerEncoding::ISO, ViewerEncoding::UnicodeLE}) {
        EXPECT_EQ(AssertionText([&] { CodepageID(e); }), L"Invalid codepage specified: CodepageID");
    }
    EXPECT_EQ(AssertionText([] { CodepageToUnicode("a", ViewerEncoding::UnicodeLE); }),
              L"Unicode encodings can't be passed to CodepageToUnicode");
    EXPECT_EQ(AssertionText([] { CodepageToUnicode("", ViewerEncoding::UnicodeBE); }),
              L"Unicode encodings can't be passed to CodepageToUnicode");
}

TEST_F(CodePagesTest, AvailabilityFollowsEnumerationAndGenericEntriesAlwaysCount) {
    system.extraReports = {L"abc", L"0", L"-1", L"1", L"2", L"99999999999"};
    Reinstall({1251, 20866, 65001});
    for (int e = 0; e < kEncodingCount; ++e) {
        const auto enc = static_cast<ViewerEncoding>(e);
        const bool expected = e <= static_cast<int>(ViewerEncoding::Mac) ||
                              enc == ViewerEncoding::CyrWin || enc == ViewerEncoding::CyrKOI8R ||
                              enc == ViewerEncoding::UTF8;
        EXPECT_EQ(IsEncodingAvailable(enc), expected) << e;
    }
    // A later build starts from scratch.
    system.extraReports.clear();
    Reinstall({});
    EXPECT_FALSE(IsEncodingAvailable(ViewerEncoding::CyrWin));
    EXPECT_TRUE(IsEncodingAvailable(ViewerEncoding::Mac));
    EXPECT_FALSE(IsEncodingAvailable(ViewerEncoding::UnicodeLE));
    EXPECT_FALSE(IsEncodingAvailable(static_cast<ViewerEncoding>(76)));
}

// Every encoding outside UTF-16 against iconv's own tables, byte by byte.
TEST_F(CodePagesTest, EverySingleByteDecodesLikeTheReference) {
    int compared = 0, undefined = 0, encodingsChecked = 0;
    for (const CodepageReferenceRow& row : kCodepageReference) {
        const auto enc = static_cast<ViewerEncoding>(row.encoding);
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
    EXPECT_EQ(CodepageToUnicode("hello", ViewerEncoding::EBJapaneseKatExt), L"?");
    EXPECT_EQ(ConvertByCodepage("hello", ViewerEncoding::CyrWin), L"?");
    EXPECT_EQ(CodepageToUnicode("hello", ViewerEncoding::WEuroWin), L"hello");
    Reinstall({65001});
    EXPECT_EQ(CodepageToUnicode("ok \xFF\xFE bad", ViewerEncoding::UTF8), L"?");
    EXPECT_EQ(CodepageToUnicode("\xC3\xA9t\xC3\xA9", ViewerEncoding::UTF8), L"\u00E9t\u00E9");
}

TEST_F(CodePagesTest, EmptyTextStaysEmptyForEveryEncoding) {
    Reinstall({});
    for (int e = 0; e < static_cast<int>(ViewerEncoding::UnicodeLE); ++e) {
        EXPECT_EQ(CodepageToUnicode("", static_cast<ViewerEncoding>(e)), L"") << e;
    }
}

TEST_F(CodePagesTest, EbcdicGivesLettersWithAndWithoutCodepage37) {
    EXPECT_EQ(CodepageToUnicode("\xC1\xC2\xC3", ViewerEncoding::EBCDIC), L"ABC");
    Reinstall({1252});
    EXPECT_EQ(CodepageToUnicode("\xC1\xC2\xC3\x40\xF1\x4B", ViewerEncoding::EBCDIC), L"ABC 1.");
}

TEST_F(CodePagesTest, Koi8UsesTheSystemOrTheTableTowardsWindows1251) {
    EXPECT_EQ(Koi8FallbackTable()[0xC1 - 0x80], 0xE0);
    EXPECT_EQ(CodepageToUnicode("\xC1\xE1", ViewerEncoding::KOI8), L"\u0430\u0410");
    system.ansiCodepage = 1251;
    Reinstall({1251});
    EXPECT_EQ(CodepageToUnicode("\xC1\xE1 z", ViewerEncoding::KOI8), L"\u0430\u0410 z");
    EXPECT_EQ(CodepageToUnicode("\xC1", ViewerEncoding::CyrKOI8R), L"?");
}

TEST_F(CodePagesTest, IsoFollowsTheAnsiCodepage) {
    const std::string e0 = "\xE0";
    system.ansiCodepage = 1251;
    EXPECT_EQ(CodepageToUnicode(e0, ViewerEncoding::ISO), L"\u0440"); // ISO 8859-5
    system.ansiCodepage = 1252;
    EXPECT_EQ(CodepageToUnicode(e0, ViewerEncoding::ISO), L"\u00E0"); // ISO 8859-1
    system.ansiCodepage = 1253;
    EXPECT_EQ(CodepageToUnicode(e0, ViewerEncoding::ISO), L"\u03B0"); // ISO 8859-7
    system.ansiCodepage = 1250;
    EXPECT_EQ(CodepageToUnicode("\xB1", ViewerEncoding::ISO), L"\u0105"); // ISO 8859-2
    system.ansiCodepage = 1257;
    EXPECT_EQ(CodepageToUnicode("\xA1", ViewerEncoding::ISO), L"\u0104"); // ISO 8859-4
    system.ansiCodepage = 936;                                            // any other: ISO 8859-1
    EXPECT_EQ(CodepageToUnicode(e0, ViewerEncoding::ISO), L"\u00E0");
    // Without ISO 8859-1 installed the table stands in: control codes become "?".
    system.ansiCodepage = 1252;
    Reinstall({1252});
    EXPECT_EQ(CodepageToUnicode("a\x80\xE0", ViewerEncoding::ISO), L"a?\u00E0");
}

TEST_F(CodePagesTest, MacUsesCodepage2OnNtAndTheTableOtherwise) {
    EXPECT_EQ(CodepageToUnicode("\x80\xA5", ViewerEncoding::Mac), L"\u00C4\u2022");
    system.ntFamily = false;
    EXPECT_EQ(CodepageToUnicode("\x80\x8E", ViewerEncoding::Mac), L"\u00C4\u00E9");
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
