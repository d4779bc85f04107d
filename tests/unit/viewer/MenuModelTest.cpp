#include "viewer/EncodingMenuLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace tavrix {
namespace {

constexpr int Tag(ViewerEncoding encoding) {
    return static_cast<int>(encoding);
}

// The language groups of the 76 encodings, as the encoding table lists them.
constexpr std::array<int, kEncodingCount> kTableGroups = {
    0,  0,  0,  0,  0,  0,  1,  1,  1,  1,  1,  2,  2,  2,  2,  3,  3,  3,  3,
    4,  4,  4,  4,  4,  4,  4,  5,  6,  6,  6,  6,  7,  8,  8,  8,  8,  9,  9,
    9,  9,  9,  9,  10, 10, 10, 10, 10, 11, 12, 13, 13, 13, 13, 13, 13, 13, 13,
    13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 13, 14, 14, 15, 15};

EncodingMenuSource TableSource(std::vector<int> unavailable = {}) {
    return {
        [](ViewerEncoding e) { return kTableGroups[Tag(e)]; },
        [](ViewerEncoding e) { return L"enc" + std::to_wstring(static_cast<int>(e)); },
        [unavailable](ViewerEncoding e) {
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
        if (e.separator) {
            ASSERT_LT(i + 1, entries.size());
            separatorsBefore.push_back(entries[i + 1].tag);
            continue;
        }
        tags.push_back(e.tag);
        if (e.newColumn) {
            columnStarts.push_back(e.tag);
        }
    }
    EXPECT_EQ(entries.front().tag, Tag(ViewerEncoding::ANSI));
    EXPECT_FALSE(entries.front().separator);
    EXPECT_EQ(columnStarts,
              (std::vector<int>{Tag(ViewerEncoding::USOEM), Tag(ViewerEncoding::EBUSCanada)}));
    EXPECT_EQ(separatorsBefore,
              (std::vector<int>{Tag(ViewerEncoding::WEuroDOS), Tag(ViewerEncoding::CEuroDOS),
                                Tag(ViewerEncoding::BalDOS), Tag(ViewerEncoding::CyrDOS),
                                Tag(ViewerEncoding::GreekDOS), Tag(ViewerEncoding::Latin3),
                                Tag(ViewerEncoding::TurDOS), Tag(ViewerEncoding::ArDOS1),
                                Tag(ViewerEncoding::HebDOS), Tag(ViewerEncoding::Thai),
                                Tag(ViewerEncoding::Viet), Tag(ViewerEncoding::UTF7)}));
    // Every encoding but the two UTF-16 ones, in table order.
    ASSERT_EQ(tags.size(), 74u);
    for (int i = 0; i < 74; ++i) {
        EXPECT_EQ(tags[i], i);
    }
    EXPECT_EQ(entries[1].caption, L"enc1");
}

TEST(EncodingMenu, UnavailableCodePagesAreDisabled) {
    const auto entries = LayoutEightBitEncodingMenu(
        TableSource({Tag(ViewerEncoding::EBLatin1), Tag(ViewerEncoding::HebISO1)}));
    std::vector<int> disabled;
    for (const EncodingMenuEntry& e : entries) {
        if (!e.separator && !e.enabled) {
            disabled.push_back(e.tag);
        }
    }
    EXPECT_EQ(disabled,
              (std::vector<int>{Tag(ViewerEncoding::HebISO1), Tag(ViewerEncoding::EBLatin1)}));
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
        separators += e.separator ? 1 : 0;
        if (e.newColumn) {
            columnStarts.push_back(e.tag);
        }
        if (!e.separator) {
            EXPECT_EQ(e.caption, EncodingName(static_cast<ViewerEncoding>(e.tag)));
        }
        if (e.tag == Tag(ViewerEncoding::EBLatin1) || e.tag == Tag(ViewerEncoding::EBCyrRussian)) {
            EXPECT_FALSE(e.enabled) << e.tag;
        }
        if (e.tag == Tag(ViewerEncoding::ANSI) || e.tag == Tag(ViewerEncoding::CyrKOI8R)) {
            EXPECT_TRUE(e.enabled) << e.tag;
        }
    }
    EXPECT_EQ(columnStarts,
              (std::vector<int>{Tag(ViewerEncoding::USOEM), Tag(ViewerEncoding::EBUSCanada)}));
    EXPECT_EQ(separators, 12);
    EXPECT_EQ(entries.size(), 74u + 12u);
    EXPECT_EQ(entries.front().caption, L"ANSI (Windows)");
}

} // namespace
} // namespace tavrix
#endif
