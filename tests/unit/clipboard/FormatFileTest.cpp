#include "clipboard/FormatFile.h"
#include "DibBuilder.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

TEST(FormatFile, SuggestedNameIsSafeWithAFittingExtension) {
    EXPECT_EQ(SuggestedFormatFileName(cf::UnicodeText, L"Unicode Text Format"),
              L"Unicode Text Format.txt");
    EXPECT_EQ(SuggestedFormatFileName(cf::MetafilePict, L"Metafile Picture Format "),
              L"Metafile Picture Format.bin");
    EXPECT_EQ(SuggestedFormatFileName(cf::DibV5, L"Bitmap DIBV5"), L"Bitmap DIBV5.bmp");
    EXPECT_EQ(SuggestedFormatFileName(0xC010, L"image/png"), L"image_png.png");
    EXPECT_EQ(SuggestedFormatFileName(0xC011, L"JFIF"), L"JFIF.jpg");
    EXPECT_EQ(SuggestedFormatFileName(0xC012, L"GIF"), L"GIF.gif");
    EXPECT_EQ(SuggestedFormatFileName(0xC013, L"HTML Format"), L"HTML Format.html");
    EXPECT_EQ(SuggestedFormatFileName(0xC014, L"Rich Text Format"), L"Rich Text Format.rtf");
    EXPECT_EQ(SuggestedFormatFileName(0xC015, L"a<b>:c|d?*\"e\t."), L"a_b__c_d___e_.bin");
    EXPECT_EQ(SuggestedFormatFileName(0xC016, L"CON"), L"CON_.bin");
    EXPECT_EQ(SuggestedFormatFileName(0x0200, L""), L"Format 512.bin");
}

TEST(FormatFile, BitmapGetsAFileHeaderOtherBlocksStayAsTheyAre) {
    const auto dib = testing::MakeDib(3, 2, 0x11);
    const auto file = FormatFileImage(cf::Dib, dib);
    ASSERT_EQ(file.size(), 14 + dib.size());
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 14),
              (std::vector<std::uint8_t>{'B', 'M', static_cast<std::uint8_t>(14 + dib.size()), 0, 0,
                                         0, 0, 0, 0, 0, 54, 0, 0, 0}));
    EXPECT_TRUE(std::equal(dib.begin(), dib.end(), file.begin() + 14));

    auto paletted = testing::MakeDib(2, 2);
    paletted[14] = 8;  // 8 bpp: a table of 256 colours follows the header
    paletted[32] = 16; // of which 16 are used
    paletted.resize(40 + 16 * 4 + 8);
    EXPECT_EQ(FormatFileImage(cf::Dib, paletted)[10], 14 + 40 + 64);

    const std::vector<std::uint8_t> text{'h', 'i', 0};
    EXPECT_EQ(FormatFileImage(cf::Text, text), text);
    const std::vector<std::uint8_t> broken{40, 0, 0, 0, 1};
    EXPECT_EQ(FormatFileImage(cf::Dib, broken), broken);
}

} // namespace
} // namespace tavrix
