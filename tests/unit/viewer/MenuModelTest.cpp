#include "viewer/EncodingMenuLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tavrix {
namespace {

// The language groups of the 76 encodings, as the encoding table lists them.
constexpr std::array<int, kEncodingCount> kTableGroups = {
    0,  0,  0,  0,  0,  0,  1,  1,  1,  1,  1,  2,  2,  2,  2,  3,  3,  3,  3,
    4,  4,  4,  4,  4,  4,  4,  5,  6,  6,  6,  6,  7,  8,  8,  8,  8,  9,  9,
    9,  9,  9,  9,  10, 10, 10, 10, 10, 11, 12, 13, 13, 13, 13, 13, 13, 13, 13,
    13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 14, 14, 15, 15};

EncodingMenuSource TableSource(std::vector<int> unavailable = {}) {
    return {
        [](TZorvEncoding e) { return kTableGroups[e]; },
        [](TZorvEncoding e) { return L"enc" + std::to_wstring(static_cast<int>(e)); },
        [unavailable](TZorvEncoding e) {
            return std::find(unavailable.begin(), unavailable.end(), static_cast<int>(e)) ==
                   unavailable.end();
        },
    };
}

TEST(EncodingMenu, ThreeColumnsAndSeparatorsBetweenGroups) {
    const auto entries = LayoutEightBitEncodingMenu(TableSource());
    std::vector<int> columnStarts;
    std::vector<int> tags;
    std::vector<int> separatorsBefore; // tag of the item after each separator
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const EncodingMenuEntry& e = entries[i];
        if (e.Separator) {
            ASSERT_LT(i + 1, entries.size());
            separatorsBefore.push_back(entries[i + 1].Tag);
            continue;
        }
        tags.push_back(e.Tag);
        if (e.NewColumn) {
            columnStarts.push_back(e.Tag);
        }
    }
    EXPECT_EQ(entries.front().Tag, vEncANSI);
    EXPECT_FALSE(entries.front().Separator);
    EXPECT_EQ(columnStarts, (std::vector<int>{vEncUSOEM, vEncEBUSCanada}));
    EXPECT_EQ(separatorsBefore,
              (std::vector<int>{vEncWEuroDOS, vEncCEuroDOS, vEncBalDOS, vEncCyrDOS, vEncGreekDOS,
                                vEncLatin3, vEncTurDOS, vEncArDOS1, vEncHebDOS, vEncThai, vEncViet,
                                vEncUTF7}));
    // Every encoding but the two UTF-16 ones, in table order.
    ASSERT_EQ(tags.size(), 74u);
    for (int i = 0; i < 74; ++i) {
        EXPECT_EQ(tags[i], i);
    }
    EXPECT_EQ(entries[1].Caption, L"enc1");
}

TEST(EncodingMenu, UnavailableCodePagesAreDisabled) {
    const auto entries = LayoutEightBitEncodingMenu(TableSource({vEncEBLatin1, vEncHebISO1}));
    std::vector<int> disabled;
    for (const EncodingMenuEntry& e : entries) {
        if (!e.Separator && !e.Enabled) {
            disabled.push_back(e.Tag);
        }
    }
    EXPECT_EQ(disabled, (std::vector<int>{vEncHebISO1, vEncEBLatin1}));
}

TEST(EncodingMenu, UnicodeMenuOffersTheTwoByteOrders) {
    const auto entries = LayoutUnicodeEncodingMenu(TableSource());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (EncodingMenuEntry{false, false, 0, L"enc74", true}));
    EXPECT_EQ(entries[1], (EncodingMenuEntry{false, false, 1, L"enc75", true}));
    EXPECT_EQ(UnicodeOrderOfTag(0), 1);
    EXPECT_EQ(UnicodeOrderOfTag(1), 2);
    EXPECT_EQ(TagOfUnicodeOrder(2), 1);
    EXPECT_EQ(TagOfUnicodeOrder(1), 0);
    EXPECT_EQ(TagOfUnicodeOrder(0), 0); // not yet known: little-endian
}

} // namespace
} // namespace tavrix

#ifndef _WIN32
// The encoding table, its names and iconv's code pages; Windows builds test the real code pages
// under Wine.
#include "fakes/IconvCodepageSystem.h"
#include "viewer/CodePages.h"

namespace tavrix {
namespace {

TEST(EncodingMenu, BuiltFromTheEncodingTable) {
    testing::IconvCodepageSystem system;
    system.installed.erase(1047);
    system.installed.erase(20880);
    InstallCodepageSystem(&system);
    BuildAvailableEncodings();
    const auto entries = LayoutEightBitEncodingMenu(SystemEncodingMenuSource());
    InstallCodepageSystem(nullptr);

    std::vector<int> columnStarts;
    int separators = 0;
    for (const EncodingMenuEntry& e : entries) {
        separators += e.Separator ? 1 : 0;
        if (e.NewColumn) {
            columnStarts.push_back(e.Tag);
        }
        if (!e.Separator) {
            EXPECT_EQ(e.Caption, EncodingName(static_cast<TZorvEncoding>(e.Tag)));
        }
        if (e.Tag == vEncEBLatin1 || e.Tag == vEncEBCyrRussian) {
            EXPECT_FALSE(e.Enabled) << e.Tag;
        }
        if (e.Tag == vEncANSI || e.Tag == vEncCyrKOI8R) {
            EXPECT_TRUE(e.Enabled) << e.Tag;
        }
    }
    EXPECT_EQ(columnStarts, (std::vector<int>{vEncUSOEM, vEncEBUSCanada}));
    EXPECT_EQ(separators, 12);
    EXPECT_EQ(entries.size(), 74u + 12u);
    EXPECT_EQ(entries.front().Caption, L"ANSI (Windows)");
}

} // namespace
} // namespace tavrix
#endif
