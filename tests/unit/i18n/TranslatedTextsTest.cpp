#include "i18n/TranslatedTexts.h"
#include "i18n/Labels.h"
#include "i18n/UiLanguage.h"

#include <gtest/gtest.h>

namespace tavrix {
namespace {

class TranslatedTextsTest : public ::testing::Test {
protected:
    class Source : public UiLanguageSource {
    public:
        std::uint16_t UserDefaultUILanguage() override { return language; }
        std::uint16_t language = 0x0409;
    };
    void SetUp() override { InstallUiLanguageSource(&source); }
    void TearDown() override {
        InstallUiLanguageSource(nullptr);
        AssignTranslatedLabels(TranslateUserInterface(L""));
    }
    Source source;
};

TEST_F(TranslatedTextsTest, EnglishKeepsTheDesignedTextsAndBuildsTheAboutCaptions) {
    TranslatedTexts t = TranslateUserInterface(L"4.0.0.0");
    EXPECT_EQ(t.saveCaption, L"Save...");
    EXPECT_EQ(t.saveHint, L"Save clipboard to file");
    EXPECT_EQ(t.loadHint, L"Load file to clipboard");
    EXPECT_EQ(t.deleteCaption, L"Clear clipboard");
    EXPECT_EQ(t.deleteHint, L"Clear clipboard");
    EXPECT_EQ(t.zoom100Hint, L"Zoom to 100%");
    EXPECT_EQ(t.helpOnlineCaption, L"Help online...");
    EXPECT_EQ(t.helpOnlineHint, L"Help online");
    EXPECT_EQ(t.aboutCaption, L"About Tavrix 4.0.0.0...");
    EXPECT_EQ(t.brisvelCaption, L"About Brisvel...");
    EXPECT_EQ(t.emptyLabel, L"Clipboard is Empty.");
}

TEST_F(TranslatedTextsTest, GermanTextsAndLabels) {
    source.language = 0x0407;
    TranslatedTexts t = TranslateUserInterface(L"4.0.0.0");
    EXPECT_EQ(t.fileMenu, L"Datei");
    EXPECT_EQ(t.saveCaption, L"Speichern...");
    EXPECT_EQ(t.zoom100Caption, L"Zoommodus 100 %");
    EXPECT_EQ(t.zoom100Hint, t.zoom100Caption);
    EXPECT_EQ(t.helpOnlineCaption, L"Onlinehilfe...");
    EXPECT_EQ(t.aboutCaption, L"Info über Tavrix 4.0.0.0...");
    EXPECT_EQ(t.brisvelCaption, L"Info über Brisvel...");

    AssignTranslatedLabels(t);
    EXPECT_EQ(PreviewLabel, L"Vorschau");
    EXPECT_EQ(SizeLabel, L"Größe");
    EXPECT_EQ(EmptyLabel, L"Die Zwischenablage ist leer.");
    EXPECT_EQ(SoundLabel, t.soundLabel);
}

TEST_F(TranslatedTextsTest, PlaceholderAnywhereAndMissingVersion) {
    source.language = 0x0411;
    EXPECT_EQ(TranslateUserInterface(L"4.0.0.0").aboutCaption, L"Tavrix 4.0.0.0に関する情報");
    source.language = 0x040E;
    EXPECT_EQ(TranslateUserInterface(L"").aboutCaption, L"Tavrix  névjegye...");
    // Croatian has no first-group texts: the About items stay English.
    source.language = 0x041A;
    TranslatedTexts t = TranslateUserInterface(L"4.0.0.0");
    EXPECT_EQ(t.aboutCaption, L"About Tavrix 4.0.0.0...");
    EXPECT_EQ(t.zoomInCaption, L"Povećaj");
}

TEST(ReplaceFirstPlaceholder, OnlyTheFirstAndCaseSensitive) {
    EXPECT_EQ(ReplaceFirstPlaceholder(L"%1 and %1", L"X"), L"X and %1");
    EXPECT_EQ(ReplaceFirstPlaceholder(L"no mark", L"X"), L"no mark");
}

} // namespace
} // namespace tavrix
