#include "clipboard/MetafileRecord.h"

#include "ClipFileTestKit.h"

namespace tavrix {
namespace {

using testing::Bytes;
using testing::EnhancedMetafileBits;
using testing::WindowsMetafileBits;

TEST(MetafileRecord, EncodesTheLayoutAndParsesItBack) {
    const SavedMetafile picture{.format = cf::MetafilePict,
                                .mapMode = 8,
                                .xExt = -2540,
                                .yExt = 1270,
                                .bits = WindowsMetafileBits(7)};
    const Bytes data = EncodeMetafileRecord(picture);
    Bytes expected{'C', 'L', '7',  'P',  1,    0,    3,    0, 8, 0,
                   0,   0,   0x14, 0xF6, 0xFF, 0xFF, 0xF6, 4, 0, 0};
    expected.insert(expected.end(), picture.bits.begin(), picture.bits.end());
    EXPECT_EQ(data, expected);
    EXPECT_EQ(MetafileRecordSize(cf::MetafilePict, picture.bits.size()), data.size());
    EXPECT_EQ(ParseMetafileRecord(data), picture);

    // An enhanced metafile has no frame: its bits follow the format.
    const SavedMetafile enhanced{.format = cf::DspEnhMetafile, .bits = EnhancedMetafileBits(9)};
    const Bytes plain = EncodeMetafileRecord(enhanced);
    EXPECT_EQ(Bytes(plain.begin(), plain.begin() + 8), (Bytes{'C', 'L', '7', 'P', 1, 0, 0x8E, 0}));
    EXPECT_EQ(plain.size(), 8 + enhanced.bits.size());
    EXPECT_EQ(ParseMetafileRecord(plain), enhanced);
}

TEST(MetafileRecord, RejectsRecordsThatHoldNoMetafileOfTheirKind) {
    const Bytes enhanced =
        EncodeMetafileRecord({.format = cf::EnhMetafile, .bits = EnhancedMetafileBits()});
    const Bytes picture =
        EncodeMetafileRecord({.format = cf::DspMetafilePict, .bits = WindowsMetafileBits()});
    const auto with = [](Bytes data, std::size_t at, std::uint8_t value) {
        data[at] = value;
        return data;
    };
    const auto cut = [](const Bytes& data, std::size_t size) {
        return Bytes(data.begin(), data.begin() + static_cast<std::ptrdiff_t>(size));
    };
    const std::pair<const char*, Bytes> bad[] = {
        {"another magic", with(enhanced, 3, 'N')},
        {"another version", with(enhanced, 4, 2)},
        {"a format that is no metafile", with(enhanced, 6, cf::Bitmap)},
        {"a picture's bits under an enhanced metafile", with(picture, 6, cf::EnhMetafile)},
        {"an enhanced metafile's bits under a picture", with(enhanced, 6, cf::MetafilePict)},
        {"cut inside the frame", cut(picture, 15)},
        {"cut inside the bits", cut(enhanced, enhanced.size() - 1)},
        {"no bits", cut(enhanced, 8)},
        {"a bad signature", with(enhanced, 8 + 40, 'X')},
        {"a Windows metafile's header of another size", with(picture, 20 + 2, 10)},
        {"a Windows metafile's size in words that is not the bits'", with(picture, 20 + 6, 10)},
        {"garbage", Bytes(40, 0xA5)},
    };
    for (const auto& [what, data] : bad) {
        EXPECT_FALSE(ParseMetafileRecord(data).has_value()) << what;
    }
}

} // namespace
} // namespace tavrix
