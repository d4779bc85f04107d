#include "clipboard/FormatFactsPanel.h"
#include "LittleEndian.h"
#include "clipboard/ClipboardPort.h"
#include "fakes/FakeClipboard.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

class FormatFactsPanelTest : public ::testing::Test {
protected:
    std::vector<std::uint8_t> Flag(std::uint32_t value) {
        std::vector<std::uint8_t> out;
        testing::PutLe(out, value, 4);
        return out;
    }
    ClipFormat Registered(const wchar_t* name) { return fake.RegisterFormat(name); }
    // What the tree lists: every format on the clipboard.
    std::vector<ClipFormat> Listed() const {
        std::vector<ClipFormat> formats;
        for (const auto& entry : fake.Entries()) {
            formats.push_back(entry.format);
        }
        return formats;
    }

    testing::FakeClipboard fake;
    ClipboardPort port{fake};
    FormatFactsPanel factsPanel{port, [](std::uint32_t lcid) {
                                    return lcid == 0x0409 ? std::wstring(L"en-US") : std::wstring();
                                }};
};

TEST_F(FormatFactsPanelTest, FormatNumberInDecimalAndHexWithTheDataFact) {
    fake.Put(cf::Locale, Flag(0x0409));
    fake.PutText(cf::UnicodeText, "x");
    fake.Put(Registered(L"Preferred DropEffect"), Flag(2));
    EXPECT_EQ(factsPanel.FormatText(cf::Locale), L"Format 16 (0x0010) \u00B7 en-US");
    EXPECT_EQ(factsPanel.FormatText(cf::UnicodeText), L"Format 13 (0x000D)");
    EXPECT_EQ(factsPanel.FormatText(0xC000), L"Format 49152 (0xC000) \u00B7 Move");
    fake.heldByOther = true; // a format that cannot be read gives its number alone
    EXPECT_EQ(factsPanel.FormatText(cf::Locale), L"Format 16 (0x0010)");
}

TEST_F(FormatFactsPanelTest, PreviewNamesOwnerSequenceAndPrivacy) {
    fake.sequence = 311;
    fake.PutText(cf::Text, "x");
    EXPECT_EQ(factsPanel.PreviewText(Listed()), L"Owner: none \u00B7 #311");

    fake.owner = ClipboardProcess{.exeName = L"editor.exe", .processId = 12};
    fake.Put(Registered(L"CanIncludeInClipboardHistory"), Flag(0));
    fake.Put(Registered(L"CanUploadToCloudClipboard"), Flag(0));
    EXPECT_EQ(factsPanel.PreviewText(Listed()),
              L"Owner: editor.exe (pid 12) \u00B7 #311 \u00B7 Excluded "
              L"from clipboard history \u00B7 Not for the cloud clipboard");

    fake.Reset();
    fake.Put(Registered(L"ExcludeClipboardContentFromMonitorProcessing"), {});
    fake.Put(Registered(L"CanUploadToCloudClipboard"), Flag(1));
    EXPECT_EQ(factsPanel.PreviewText(Listed()),
              L"Owner: editor.exe (pid 12) \u00B7 #311 \u00B7 Excluded from clipboard history");
}

} // namespace
} // namespace tavrix
