#include "clipboard/FormatCatalogue.h"
#include "clipboard/RegisteredFormats.h"
#include "fakes/FakeClipboard.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

class FormatCatalogueTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegisterStartupFormats(fake);
        catalogue.BuildFormatCatalogue();
    }
    testing::FakeClipboard fake;
    FormatCatalogue catalogue;
};

TEST_F(FormatCatalogueTest, HoldsTheTwentySixEntriesInTableOrder) {
    const auto& entries = catalogue.Entries();
    ASSERT_EQ(entries.size(), 26u);
    const ClipFormat expected[] = {1,
                                   13,
                                   16,
                                   7,
                                   2,
                                   14,
                                   3,
                                   4,
                                   5,
                                   6,
                                   8,
                                   17,
                                   9,
                                   10,
                                   11,
                                   12,
                                   15,
                                   128,
                                   129,
                                   130,
                                   131,
                                   142,
                                   PictureFormat,
                                   ComponentFormat,
                                   RtfFormat,
                                   HtmlFormat};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        EXPECT_EQ(entries[i].format, expected[i]) << "entry " << i;
        EXPECT_FALSE(entries[i].name.empty());
        EXPECT_FALSE(entries[i].description.empty());
    }
}

TEST_F(FormatCatalogueTest, NamesKeepTheirExactSpelling) {
    EXPECT_EQ(catalogue.GetFormatName(3), L"Metafile Picture Format ");
    EXPECT_EQ(catalogue.GetFormatName(129), L"Text Display Dormat");
    EXPECT_EQ(catalogue.GetFormatName(RtfFormat), L"Rich Text Format");
    EXPECT_EQ(catalogue.GetFormatName(PictureFormat), L"Picture");
    EXPECT_EQ(catalogue.GetFormatName(HtmlFormat), L"HTML Format");
    EXPECT_EQ(catalogue.GetFormatDescription(2), L"A handle to a bitmap (HBITMAP).");
    EXPECT_EQ(catalogue.GetFormatDescription(HtmlFormat), L"HyperText Markup Language Format.");
}

TEST_F(FormatCatalogueTest, FormatsWithoutEntryHaveNoNameOrDescription) {
    ClipFormat olePrivate = fake.RegisterFormat(L"Ole Private Data");
    for (ClipFormat format : {ClipFormat{0x0200}, olePrivate, ClipFormat{18}, ClipFormat{0xFFFF}}) {
        EXPECT_EQ(catalogue.GetFormatName(format), L"") << format;
        EXPECT_EQ(catalogue.GetFormatDescription(format), L"") << format;
    }
}

} // namespace
} // namespace tavrix
