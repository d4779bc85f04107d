#include "clipboard/ChangeLog.h"
#include "app/ChangeLogText.h"
#include "clipboard/ClipboardSnapshot.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrix {
namespace {

constexpr ClipFormat kPrivate = 0xC101;
constexpr ClipFormat kHistory = 0xC102;

ChangeMoment At(std::int64_t ms) {
    return {.utcMilliseconds = 1796892067123 + ms, .offsetMinutes = 60};
}

std::vector<ChangeLog::ListedFormat> TextAndPrivate() {
    return {{.id = cf::UnicodeText, .registeredName = L""},
            {.id = kPrivate, .registeredName = L"Tavrix \"Private\""}};
}

CapturedFormat Captured(ClipFormat format, const std::wstring& name,
                        std::vector<std::uint8_t> bytes) {
    CapturedFormat entry;
    entry.format = format;
    entry.registeredName = name;
    entry.size = bytes.size();
    entry.result = DataResult::Read;
    entry.bytes = std::make_shared<std::vector<std::uint8_t>>(std::move(bytes));
    return entry;
}

// A snapshot of the change with the text read and the sizes measured.
ClipboardSnapshot Read(std::uint32_t sequence, const std::u16string& text) {
    ClipboardSnapshot snapshot;
    snapshot.sequence = sequence;
    snapshot.measured = true;
    std::vector<std::uint8_t> bytes;
    for (const char16_t unit : text + u'\0') {
        bytes.push_back(static_cast<std::uint8_t>(unit & 0xFF));
        bytes.push_back(static_cast<std::uint8_t>(unit >> 8));
    }
    snapshot.formats = {Captured(cf::UnicodeText, L"", std::move(bytes)),
                        Captured(kPrivate, L"Tavrix \"Private\"", std::vector<std::uint8_t>(8))};
    return snapshot;
}

struct Logged : ::testing::Test {
    ChangeLog log{4};
    std::vector<std::string> lines;
    void SetUp() override {
        log.SetNamer([](ClipFormat format) {
            return format == cf::UnicodeText ? std::wstring(L"Unicode Text Format") : L"";
        });
        log.SetWriter([this](const ChangeRow& row) { lines.push_back(ChangeJsonLine(log, row)); });
    }
};

TEST_F(Logged, RowsCountUnannouncedChangesAndKeepTheNewest) {
    log.Changed(At(0), 10, ClipboardProcess{L"a.exe", 7}, true);
    log.Changed(At(1), 13, std::nullopt);
    // Listing 13, the lister found 16 already; the next notification names 19: the change
    // that left 16 came without one. Counts seen again by the notified change are no extra.
    log.Listed(13, 16, std::nullopt);
    log.Shown(Read(16, u"x"));
    log.Changed(At(2), 19, ClipboardProcess{L"a.exe", 7});
    log.Listed(19, 19, TextAndPrivate());
    EXPECT_EQ(ChangeCells(log, log.Row(1))[1], L"13");
    EXPECT_EQ(ChangeCells(log, log.Row(2))[1], L"19 (+1)");
    // Handled late, a second notification finds 19 again: 16 was its change after all.
    log.Changed(At(3), 19, std::nullopt);
    EXPECT_EQ(ChangeCells(log, log.Row(2))[1], L"19");
    EXPECT_EQ(ChangeCells(log, log.Row(1))[2], L"no window");
    EXPECT_EQ(ChangeCells(log, log.Row(2))[2], L"a.exe (pid 7)");
    EXPECT_EQ(ChangeCells(log, log.Row(0))[5], L"At start");
    log.Changed(At(4), 25, std::nullopt);
    ASSERT_EQ(log.Size(), 4U);
    EXPECT_EQ(log.Dropped(), 1U);
    EXPECT_EQ(log.Row(0).sequence, 13U);
    // The rows whose clipboard went were written in their order, the unlisted one too.
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_NE(lines[0].find("\"seq\":10,"), std::string::npos);
    EXPECT_NE(lines[1].find("\"seq\":13,"), std::string::npos);
}

TEST_F(Logged, ARowIsWrittenOnceWithWhatTheWindowRead) {
    log.Changed(At(0), 20, ClipboardProcess{L"Größe.exe", 9});
    log.Listed(20, 20, TextAndPrivate());
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(ChangeCells(log, log.Row(0))[4], L"?");
    const ClipboardSnapshot read = Read(20, u"line one\r\nline two, \"quoted\"");
    log.Shown(read);
    log.Shown(read);
    ASSERT_EQ(lines.size(), 1U);
    EXPECT_EQ(lines[0], "{\"time\":\"2026-12-10T09:41:07.123+01:00\",\"seq\":20,"
                        "\"owner\":{\"exe\":\"Gr\xC3\xB6\xC3\x9F"
                        "e.exe\",\"pid\":9},"
                        "\"formats\":[{\"id\":13,\"name\":\"Unicode Text Format\",\"size\":58},"
                        "{\"id\":49409,\"name\":\"Tavrix \\\"Private\\\"\",\"size\":8}],"
                        "\"empty\":false,\"excluded\":false,\"cloud\":true}\n");
    const auto cells = ChangeCells(log, log.Row(0));
    EXPECT_EQ(cells[0], L"09:41:07.123");
    EXPECT_EQ(cells[3], L"2");
    EXPECT_EQ(cells[4], L"66");
    EXPECT_EQ(cells[5], L"line one  line two, \"quoted\"");
    const std::size_t rows[] = {0};
    EXPECT_EQ(ChangeCsv(log, rows), "\xEF\xBB\xBFTime,#,Owner,Formats,Size,Content\r\n"
                                    "09:41:07.123,20,Gr\xC3\xB6\xC3\x9F"
                                    "e.exe (pid 9),2,66,"
                                    "\"line one  line two, \"\"quoted\"\"\"\r\n");
    EXPECT_EQ(ChangeTabText(log, rows), L"Time\t#\tOwner\tFormats\tSize\tContent\r\n"
                                        L"09:41:07.123\t20\tGröße.exe (pid 9)\t2\t66\t"
                                        L"line one  line two, \"quoted\"\r\n");
}

TEST_F(Logged, AnExcludedTextIsNeverShownAndAClearedClipboardSaysSo) {
    log.Changed(At(0), 30, std::nullopt);
    log.Listed(30, 30,
               std::vector<ChangeLog::ListedFormat>{
                   {.id = cf::UnicodeText, .registeredName = L""},
                   {.id = kHistory, .registeredName = L"CanIncludeInClipboardHistory"}});
    ClipboardSnapshot snapshot = Read(30, u"secret");
    snapshot.formats.push_back(
        Captured(kHistory, L"CanIncludeInClipboardHistory", std::vector<std::uint8_t>(4)));
    log.Shown(snapshot);
    EXPECT_EQ(ChangeCells(log, log.Row(0))[5], L"(excluded from clipboard history)");
    EXPECT_TRUE(log.Row(0).content.empty());
    EXPECT_NE(lines.at(0).find("\"excluded\":true,\"cloud\":false"), std::string::npos);

    log.Changed(At(1), 31, ClipboardProcess{L"b.exe", 3});
    log.Listed(31, 31, std::vector<ChangeLog::ListedFormat>{});
    EXPECT_EQ(ChangeCells(log, log.Row(1))[5], L"Cleared");
}

TEST_F(Logged, RowsTheWindowNeverShowedAreWrittenWhenALaterChangeIsShownOrTheyAge) {
    log.Changed(At(0), 40, std::nullopt);
    log.Listed(40, 41, std::nullopt); // the clipboard changed again before it was listed
    log.Changed(At(5), 41, std::nullopt);
    log.Listed(41, 41, TextAndPrivate());
    log.Changed(At(9), 42, std::nullopt);
    log.Shown(Read(42, u"x"));
    // 42 waits for its listing; 40 and 41 are gone from the clipboard.
    ASSERT_EQ(lines.size(), 2U);
    EXPECT_NE(lines[0].find("\"formats\":null,\"empty\":null"), std::string::npos);
    EXPECT_NE(lines[1].find("\"size\":null"), std::string::npos);
    log.Settle(At(9).utcMilliseconds + ChangeLog::kSettleAfterMs - 1);
    EXPECT_EQ(lines.size(), 2U);
    log.Settle(At(9).utcMilliseconds + ChangeLog::kSettleAfterMs);
    EXPECT_EQ(lines.size(), 3U);
}

} // namespace
} // namespace tavrix
