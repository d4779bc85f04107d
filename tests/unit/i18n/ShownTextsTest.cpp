#include "ShownTextScan.h"

#include "base/Unicode.h"
#include "i18n/TranslationTable.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace tavrix {
namespace {

std::string Utf8(std::u16string_view text) {
    return Utf8FromWide(WideFromUtf16(text));
}

std::set<std::string> Placeholders(std::u16string_view text) {
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const std::string utf8 = Utf8(text);
    std::set<std::string> found;
    for (std::size_t at = 0; at + 1 < utf8.size(); ++at) {
        // "%100" is a number, not a placeholder.
        if (utf8[at] == '%' && utf8[at + 1] >= '1' && utf8[at + 1] <= '9' &&
            (at + 2 == utf8.size() || !digit(utf8[at + 2]))) {
            found.insert(utf8.substr(at, 2));
        }
    }
    return found;
}

TEST(ShownTexts, EveryTextTheProgramShowsIsAKeyOfTheTable) {
    const auto findings = ScanSourceTree(TAVRIX_SOURCE_DIR);
    for (const ShownTextFinding& finding : findings) {
        ADD_FAILURE() << Describe(finding);
    }
}

TEST(ShownTexts, TheScanFindsTextsThatBypassTheTableAndTranslatedTextsThatAreNoKeys) {
    const std::string source = "// L\"A comment is no text\"\n"
                               "void F() {\n"
                               "    text.push_back(L' ');\n"
                               "    ShowWarning(L\"Cannot frobnicate the clipboard\");\n"
                               "    action.SetCaption(L\"Exit\");\n"
                               "    const auto t = Tr(L\"Not a key at all\");\n"
                               "    const auto k = Tr(L\"Held by %1\", {L\"x.exe\"});\n"
                               "    DebugLog(L\"Written to the log only\");\n"
                               "    Open(L\"Log.txt\", \"narrow text is not shown\");\n"
                               "    Show(L\"Two parts \"\n"
                               "         L\"of one text\");\n"
                               "}\n";
    const auto findings = ScanShownTexts(source, "f.cpp");
    ASSERT_EQ(findings.size(), 4u);
    EXPECT_EQ(Describe(findings[0]),
              "f.cpp:4: \"Cannot frobnicate the clipboard\" is shown without the translation "
              "table (Tr)");
    EXPECT_EQ(findings[1].text, "Exit");
    EXPECT_EQ(Describe(findings[2]),
              "f.cpp:6: \"Not a key at all\" is translated but is not a key of the translation "
              "table");
    EXPECT_EQ(findings[3].where, "f.cpp:10");
    EXPECT_EQ(findings[3].text, "Two parts of one text");
}

TEST(TranslationTable, CompleteLanguagesHaveEveryKeyAndNoLanguageAnUnknownOne) {
    const auto keys = TranslationKeys();
    const std::set<std::u16string_view> keySet(keys.begin(), keys.end());
    EXPECT_EQ(keySet.size(), keys.size()) << "a key is listed twice";
    int complete = 0;
    for (const TranslationColumn& column : TranslationColumns()) {
        const std::string language =
            std::string(column.languageName) + " (" + std::to_string(column.languageKey) + ")";
        complete += column.complete ? 1 : 0;
        for (std::u16string_view key : keys) {
            const std::u16string_view* text = FindTranslation(column, key);
            if (column.complete && (text == nullptr || text->empty())) {
                ADD_FAILURE() << language << " lacks \"" << Utf8(key) << "\"";
            }
            if (text != nullptr) {
                EXPECT_EQ(Placeholders(*text), Placeholders(key))
                    << language << ": \"" << Utf8(*text) << "\" for \"" << Utf8(key) << "\"";
            }
        }
        for (const TranslatedText& entry : column.texts) {
            EXPECT_TRUE(keySet.count(entry.key))
                << language << " translates \"" << Utf8(entry.key) << "\", which is no key";
        }
    }
    // The languages whose column had every menu text: all but the five that translate only the
    // status bar and the hints, and Portugal's, which lacks the online help.
    EXPECT_EQ(complete, 21);
}

} // namespace
} // namespace tavrix
