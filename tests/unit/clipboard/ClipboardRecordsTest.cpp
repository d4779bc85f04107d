#include "clipboard/ClipboardRecords.h"
#include "clipboard/MemoryDataStream.h"

#include "ClipFileTestKit.h"

namespace tavrix {
namespace {

using testing::Bytes;
using testing::Concat;
using testing::Record;

const std::vector<NamedFormat> kNames{{0xC123, L"Tavrix Format"}};

// "what@offset" (appended, not prefixed: GCC 12 misreads an insertion at the front).
std::string Step(std::string what, std::uint64_t offset) {
    what += '@';
    what += std::to_string(offset);
    return what;
}

// Every step of a walk over file as "format/size@offset", "end@offset" or "incomplete@offset".
std::vector<std::string> Walk(const Bytes& file, NameTableState* table = nullptr) {
    MemoryDataStream stream(file);
    ClipboardRecordWalk walk(stream);
    if (table != nullptr) {
        *table = walk.NameTable().state;
    }
    std::vector<std::string> steps;
    ClipboardRecord record;
    for (RecordRead read = RecordRead::Complete; read == RecordRead::Complete;) {
        read = walk.Next(record);
        if (read == RecordRead::Complete) {
            steps.push_back(Step(std::to_string(record.format) + "/" + std::to_string(record.size),
                                 record.offset));
            // Whatever the caller reads of the data, the next step starts at the next header.
            std::uint8_t first = 0;
            stream.Read(std::span(&first, record.size > 0 ? 1 : 0));
        } else {
            steps.push_back(Step(read == RecordRead::End ? "end" : "incomplete", record.offset));
        }
    }
    EXPECT_EQ(walk.Next(record), RecordRead::End) << "a finished walk stays finished";
    return steps;
}

using Steps = std::vector<std::string>;

TEST(ClipboardRecordWalk, GivesEachRecordWithItsOffsetAndLeavesAWellFormedTableOut) {
    const Bytes table = EncodeNameTable(kNames);
    const Bytes file = Concat({Record(kNameTableFormat, table), Record(cf::Text, {'a', 0}),
                               Record(0xC123, {}), Record(kNameTableFormat, {1, 2})});
    MemoryDataStream stream(file);
    const FileNameTable read = ReadFileNameTable(stream);
    EXPECT_EQ(read.state, NameTableState::WellFormed);
    EXPECT_EQ(read.entries, kNames);
    EXPECT_EQ(stream.Position(), 6 + table.size());

    const std::size_t at = 6 + table.size();
    // A record of format 0 after the first is an ordinary record.
    EXPECT_EQ(Walk(file), (Steps{Step("1/2", at), Step("49443/0", at + 8), Step("0/2", at + 14),
                                 Step("end", at + 22)}));
    EXPECT_EQ(Walk({}), (Steps{"end@0"}));
}

TEST(ClipboardRecordWalk, EndsAtAnIncompleteRecordWithItsOffset) {
    const Bytes good = Record(cf::Dif, {7});
    for (std::size_t extra = 1; extra < 6; ++extra) {
        Bytes file = good;
        file.insert(file.end(), extra, 0x20);
        EXPECT_EQ(Walk(file), (Steps{"5/1@0", "incomplete@7"})) << extra;
    }
    Bytes lying = Concat({good, Record(cf::Text, {1, 2})});
    lying[9] = 3; // claims 3 bytes, 2 follow
    EXPECT_EQ(Walk(lying), (Steps{"5/1@0", "incomplete@7"}));
    lying[9] = 0xFF, lying[12] = 0xFF; // a size near 4 GiB is not trusted either
    EXPECT_EQ(Walk(lying), (Steps{"5/1@0", "incomplete@7"}));
}

TEST(ClipboardRecordWalk, AFirstRecordOfFormatZeroIsATableWellFormedOrNot) {
    const Bytes next = Record(cf::Dif, {7});
    Bytes badMagic = EncodeNameTable(kNames);
    badMagic[3] = 'X';
    Bytes shortCount = EncodeNameTable(kNames);
    shortCount[6] = 2; // two entries announced, one present
    for (const Bytes& data : {badMagic, shortCount, Bytes{}}) {
        NameTableState state{};
        const Bytes file = Concat({Record(kNameTableFormat, data), next});
        EXPECT_EQ(Walk(file, &state),
                  (Steps{Step("5/1", 6 + data.size()), Step("end", 13 + data.size())}));
        EXPECT_EQ(state, NameTableState::Malformed);
    }

    // An incomplete first record is no table; the walk reports it where it starts.
    Bytes cut = Record(kNameTableFormat, EncodeNameTable(kNames));
    cut.pop_back();
    NameTableState state{};
    EXPECT_EQ(Walk(cut, &state), (Steps{"incomplete@0"}));
    EXPECT_EQ(state, NameTableState::Absent);
    EXPECT_EQ(Walk(next, &state), (Steps{"5/1@0", "end@7"}));

    // A metafile record is a record, whether whole or not.
    const Bytes metafile = Record(kNameTableFormat, {'C', 'L', '7', 'P'});
    EXPECT_EQ(Walk(Concat({metafile, next}), &state), (Steps{"0/4@0", "5/1@10", "end@17"}));
    EXPECT_EQ(state, NameTableState::Absent);
    // The magic counts only inside the record: "CL" before a record of format "7P" is no table.
    EXPECT_EQ(Walk(Concat({Record(kNameTableFormat, {'C', 'L'}), Record(0x5037, {})}), &state),
              (Steps{"20535/0@8", "end@14"}));
    EXPECT_EQ(state, NameTableState::Malformed);
}

} // namespace
} // namespace tavrix
