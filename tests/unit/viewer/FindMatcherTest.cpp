// Searches over data in small chunks, so that every border case meets a chunk's border.
#include "FindTestKit.h"

#include "viewer/DocumentFindSource.h"

namespace tavrix {
namespace {

using testing::Bytes;
using testing::BytesOf;
using testing::Hex;
using testing::Offsets;

// 26 letters, "abc...z", searched in chunks of 4 bytes.
class FindMatcherTest : public ::testing::Test {
protected:
    FindMatch Find(std::wstring_view hex, std::int64_t from, std::int64_t to,
                   FindDirection direction) {
        FindMatcher matcher(Hex(hex), source, {4, nullptr, {}});
        return matcher.Find(from, to, direction);
    }
    const Bytes data = BytesOf("abcdefghijklmnopqrstuvwxyz");
    MemoryFindSource source{data};
};

TEST_F(FindMatcherTest, MatchAcrossChunkBordersIsFoundBothWays) {
    // "defghi" spans the chunks at 0, 4 and 8.
    for (const FindDirection direction : {FindDirection::Forward, FindDirection::Backward}) {
        const FindMatch match = Find(L"646566676869", 0, 26, direction);
        EXPECT_EQ(match.outcome, FindOutcome::Found);
        EXPECT_EQ(match.offset, 3);
        EXPECT_EQ(match.length, 6);
    }
}

TEST_F(FindMatcherTest, MatchesAtTheFirstAndTheLastByte) {
    EXPECT_EQ(Find(L"6162", 0, 26, FindDirection::Forward).offset, 0);
    EXPECT_EQ(Find(L"797A", 0, 26, FindDirection::Backward).offset, 24);
    EXPECT_EQ(Find(L"7A", 0, 26, FindDirection::Forward).offset, 25);
    EXPECT_EQ(Find(L"61", 0, 26, FindDirection::Backward).offset, 0);
}

TEST_F(FindMatcherTest, WildcardsAtBothEndsNeedTheirBytes) {
    EXPECT_EQ(Find(L"?? 62 ??", 0, 26, FindDirection::Forward).offset, 0);
    EXPECT_EQ(Find(L"?? 79 ??", 0, 26, FindDirection::Backward).offset, 23);
    // "z" is the last byte: nothing follows it for the last wildcard, nothing precedes "a".
    EXPECT_EQ(Find(L"7A ??", 0, 26, FindDirection::Forward).outcome, FindOutcome::NotFound);
    EXPECT_EQ(Find(L"?? 61", 0, 26, FindDirection::Backward).outcome, FindOutcome::NotFound);
}

TEST_F(FindMatcherTest, RangeHoldsTheMatchStart) {
    // Backwards: the last start before 12; forwards: the first from 13 on.
    EXPECT_EQ(Find(L"6C", 0, 12, FindDirection::Backward).offset, 11);
    EXPECT_EQ(Find(L"6C", 0, 11, FindDirection::Backward).outcome, FindOutcome::NotFound);
    EXPECT_EQ(Find(L"6D", 13, 26, FindDirection::Forward).outcome, FindOutcome::NotFound);
    EXPECT_EQ(Find(L"6D 6E", 12, 13, FindDirection::Forward).offset, 12);
}

TEST(FindMatcher, FindWrappingGoesRoundTheEnd) {
    const Bytes data = BytesOf("xx ab yy ab zz");
    MemoryFindSource source(data);
    FindMatcher matcher(Hex(L"6162"), source, {4, nullptr, {}});
    const FindMatch next = matcher.FindWrapping(4, FindDirection::Forward);
    EXPECT_EQ(next.offset, 9);
    EXPECT_FALSE(next.wrapped);
    const FindMatch round = matcher.FindWrapping(10, FindDirection::Forward);
    EXPECT_EQ(round.offset, 3);
    EXPECT_TRUE(round.wrapped);
    const FindMatch back = matcher.FindWrapping(3, FindDirection::Backward);
    EXPECT_EQ(back.offset, 9);
    EXPECT_TRUE(back.wrapped);
    EXPECT_EQ(matcher.FindWrapping(9, FindDirection::Backward).offset, 3);
}

TEST(FindMatcher, CountIncludesOverlappingMatches) {
    const Bytes data = BytesOf("aaaa-aa");
    MemoryFindSource source(data);
    FindMatcher matcher(Hex(L"6161"), source, {3, nullptr, {}});
    const FindCount count = matcher.Count();
    EXPECT_EQ(count.outcome, FindOutcome::Found);
    EXPECT_EQ(count.count, 4);
}

TEST(FindMatcher, ReportsProgressPerChunkAndStopsWhenCancelled) {
    const Bytes data(40, 0);
    MemoryFindSource source(data);
    std::atomic<bool> cancel = false;
    std::vector<std::int64_t> done;
    FindMatcher matcher(Hex(L"01"), source,
                        {16, &cancel, [&](std::int64_t bytes, std::int64_t total) {
                             done.push_back(bytes);
                             EXPECT_EQ(total, 40);
                             cancel = bytes >= 32;
                         }});
    EXPECT_EQ(matcher.Find(0, 40, FindDirection::Forward).outcome, FindOutcome::Cancelled);
    EXPECT_EQ(done, (std::vector<std::int64_t>{16, 32}));
}

TEST(FindMatcher, ShortReadIsAFailure) {
    // The reader has 10 of the 20 bytes it claims.
    ReaderFindSource source(
        [](std::int64_t offset, std::span<std::uint8_t> into) {
            const auto left = static_cast<std::size_t>(std::max<std::int64_t>(10 - offset, 0));
            const std::size_t count = std::min(left, into.size());
            std::fill_n(into.begin(), count, std::uint8_t{0});
            return count;
        },
        20);
    FindMatcher matcher(Hex(L"01"), source, {8, nullptr, {}});
    EXPECT_EQ(matcher.Find(0, 20, FindDirection::Forward).outcome, FindOutcome::ReadFailed);
}

TEST(FindMatcher, LongPatternsSkipAsFarAsTheTableHolds) {
    // Longer than a skip can say: 300 bytes of "a" after one "b", found at every step.
    Bytes data(1000, 'a');
    data[100] = 'b';
    BytePattern pattern;
    pattern.units.push_back({false, {{'b'}}});
    for (int i = 0; i < 300; ++i) {
        pattern.units.push_back({false, {{'a'}}});
    }
    EXPECT_EQ(Offsets(pattern, data, 64), (std::vector<std::int64_t>{100}));
}

TEST(FindMatcher, SearchesTheDocumentsSourceAndLeavesItsBuffer) {
    Bytes bytes(3 << 20, 0);
    bytes[(3 << 20) - 2] = 0x7A;
    MemoryStream stream(bytes);
    ViewerDocument document;
    document.SetStream(&stream);
    document.Reopen(1);
    const int reads = document.BufferReads();
    DocumentFindSource source(document);
    FindMatcher matcher(Hex(L"7A 00"), source);
    EXPECT_EQ(matcher.Find(0, document.Size(), FindDirection::Forward).offset, (3 << 20) - 2);
    EXPECT_EQ(document.BufferReads(), reads);
}

} // namespace
} // namespace tavrix
