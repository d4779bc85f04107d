#pragma once
// How far a save or load of a clipboard file has come. Quick work shows nothing; work that runs
// longer than kProgressDelay is shown as a whole percentage, renewed only when that number
// changes, so that showing it costs nothing next to the bytes moved.
#include <cstdint>
#include <span>
#include <string>

namespace tavrix {

class DataStream;

enum class FileTask { Save, Load };

// Where a long save or load is shown; the main window shows it in its status bar.
class ProgressDisplay {
public:
    virtual ~ProgressDisplay() = default;
    // Milliseconds from any fixed point; may wrap like a tick count.
    virtual std::uint32_t TickCount() = 0;
    virtual void ShowProgress(FileTask task, int percent) = 0;
    // The work is over; called only after ShowProgress.
    virtual void EndProgress() = 0;
};

// Work shorter than this shows no progress at all.
inline constexpr std::uint32_t kProgressDelay = 300;
// Records at least this large report their progress while they are moved, in slices.
inline constexpr std::size_t kSlicedRecordSize = 16u << 20;
inline constexpr std::size_t kProgressSlice = 4u << 20;

class FileProgress {
public:
    // display may be null: then nothing is shown and nothing is timed.
    FileProgress(ProgressDisplay* display, FileTask task, std::uint64_t total);
    ~FileProgress();
    FileProgress(const FileProgress&) = delete;
    FileProgress& operator=(const FileProgress&) = delete;

    // done bytes of the total are through.
    void Report(std::uint64_t done);
    bool Active() const { return display_ != nullptr; }

private:
    ProgressDisplay* display_;
    FileTask task_;
    std::uint64_t total_;
    std::uint32_t start_ = 0;
    int shownPercent_ = -1;
};

// Whole percent of done in total, at most 100; an empty total counts as complete.
int PercentDone(std::uint64_t done, std::uint64_t total);

// "Saving… 42 %" or "Loading… 42 %".
std::wstring ProgressText(FileTask task, int percent);

// Writes bytes to stream, in slices that each report the stream's position from base on when
// the block is large and progress is shown.
void WriteReporting(DataStream& stream, std::span<const std::uint8_t> bytes, FileProgress& progress,
                    std::uint64_t base);
// Reads until buffer is full or the stream ends, reporting as WriteReporting does; returns the
// number of bytes read.
std::size_t ReadReporting(DataStream& stream, std::span<std::uint8_t> buffer,
                          FileProgress& progress, std::uint64_t base);

} // namespace tavrix
