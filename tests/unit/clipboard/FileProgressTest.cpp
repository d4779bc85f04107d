#include "clipboard/FileProgress.h"
#include "clipboard/ClipboardFileReader.h"
#include "clipboard/ClipboardFileWriter.h"
#include "clipboard/MemoryDataStream.h"

#include "ClipFileTestKit.h"

#include <utility>

namespace tavrix {
namespace {

using testing::Bytes;
using testing::ClipFileTest;

// A clock that moves on by step at every look, and a record of what was shown.
class RecordingDisplay : public ProgressDisplay {
public:
    std::uint32_t TickCount() override { return now += step; }
    void ShowProgress(FileTask task, int percent) override { shown.emplace_back(task, percent); }
    void EndProgress() override { ++ended; }

    std::uint32_t now = 0;
    std::uint32_t step = 0;
    std::vector<std::pair<FileTask, int>> shown;
    int ended = 0;
};

TEST(FileProgress, QuickWorkShowsNothing) {
    RecordingDisplay display;
    {
        FileProgress progress(&display, FileTask::Save, 100);
        display.now += kProgressDelay - 1;
        progress.Report(50);
        progress.Report(100);
    }
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(display.ended, 0);
}

TEST(FileProgress, AfterTheDelayShowsEachNewWholePercentOnceAndEndsOnce) {
    RecordingDisplay display;
    display.now = 0xFFFFFF00; // the tick count wraps during the work
    {
        FileProgress progress(&display, FileTask::Load, 1000);
        display.now += kProgressDelay;
        for (std::uint64_t done : {5, 9, 10, 19, 500, 2000}) {
            progress.Report(done);
        }
    }
    const std::vector<std::pair<FileTask, int>> expected = {
        {FileTask::Load, 0}, {FileTask::Load, 1}, {FileTask::Load, 50}, {FileTask::Load, 100}};
    EXPECT_EQ(display.shown, expected);
    EXPECT_EQ(display.ended, 1);
}

class FileProgressOfRecords : public ClipFileTest {
protected:
    // Every look at the clock is a tenth of a second later: the work is "long" at once.
    FileProgressOfRecords() { display.step = 100; }

    // The percentages shown, checked to rise and to end at 100 once.
    std::vector<int> Percents(FileTask task) {
        std::vector<int> percents;
        for (const auto& [shownTask, percent] : display.shown) {
            EXPECT_EQ(shownTask, task);
            EXPECT_TRUE(percents.empty() || percent > percents.back());
            percents.push_back(percent);
        }
        EXPECT_EQ(display.ended, 1);
        EXPECT_FALSE(percents.empty());
        EXPECT_EQ(percents.empty() ? 0 : percents.back(), 100);
        return percents;
    }

    RecordingDisplay display;
};

TEST_F(FileProgressOfRecords, OneLargeRecordMovesThePercentageWhileSavedAndLoaded) {
    Bytes big(kSlicedRecordSize * 2, 0x5A);
    big[12345] = 1;
    fake.Put(0xC123, big);
    fake.PutText(cf::Text, "small");
    MemoryDataStream plain;
    ASSERT_TRUE(SaveClipboardToStream(port, plain, MaxSavedFormatSize));

    MemoryDataStream watched;
    ASSERT_TRUE(SaveClipboardToStream(port, watched, MaxSavedFormatSize, &display));
    EXPECT_EQ(watched.Bytes(), plain.Bytes()); // progress changes nothing in the file
    // Eight slices of the big record, each a step of about 12 %.
    EXPECT_GE(Percents(FileTask::Save).size(), 6u);

    display.shown.clear();
    display.ended = 0;
    fake.Reset();
    watched.Seek(0);
    ASSERT_TRUE(LoadClipboardFromStream(port, watched, &display));
    ASSERT_NE(fake.Find(0xC123), nullptr);
    EXPECT_EQ(fake.Find(0xC123)->bytes, big);
    EXPECT_GE(Percents(FileTask::Load).size(), 6u);
}

} // namespace
} // namespace tavrix
