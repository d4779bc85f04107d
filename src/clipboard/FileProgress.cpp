#include "clipboard/FileProgress.h"

#include "base/UiText.h"
#include "clipboard/DataStream.h"

#include <algorithm>

namespace tavrix {

FileProgress::FileProgress(ProgressDisplay* display, FileTask task, std::uint64_t total)
    : display_(display), task_(task), total_(total) {
    if (display_ != nullptr) {
        start_ = display_->TickCount();
    }
}

FileProgress::~FileProgress() {
    if (shownPercent_ >= 0) {
        display_->EndProgress();
    }
}

void FileProgress::Report(std::uint64_t done) {
    if (display_ == nullptr) {
        return;
    }
    if (shownPercent_ < 0) {
        // Unsigned difference: correct across the wrap of the tick count.
        if (static_cast<std::uint32_t>(display_->TickCount() - start_) < kProgressDelay) {
            return;
        }
    }
    const int percent = PercentDone(done, total_);
    if (percent != shownPercent_) {
        shownPercent_ = percent;
        display_->ShowProgress(task_, percent);
    }
}

int PercentDone(std::uint64_t done, std::uint64_t total) {
    if (total == 0 || done >= total) {
        return 100;
    }
    // Files stay far below 2^57 bytes, so the product cannot overflow.
    return static_cast<int>(done * 100 / total);
}

std::wstring ProgressText(FileTask task, int percent) {
    const std::wstring number = std::to_wstring(percent);
    return task == FileTask::Save ? Tr(L"Saving\u2026 %1 %", {number})
                                  : Tr(L"Loading\u2026 %1 %", {number});
}

namespace {

// Moves bytes in one call when nobody watches or the block is small, else slice by slice with a
// report after each.
template <typename Byte, typename Move>
std::size_t MoveReporting(DataStream& stream, std::span<Byte> bytes, FileProgress& progress,
                          std::uint64_t base, Move move) {
    if (!progress.Active() || bytes.size() < kSlicedRecordSize) {
        return move(bytes);
    }
    std::size_t moved = 0;
    while (moved < bytes.size()) {
        const std::size_t size = std::min(kProgressSlice, bytes.size() - moved);
        const std::size_t got = move(bytes.subspan(moved, size));
        moved += got;
        progress.Report(stream.Position() - base);
        if (got < size) {
            break;
        }
    }
    return moved;
}

} // namespace

void WriteReporting(DataStream& stream, std::span<const std::uint8_t> bytes, FileProgress& progress,
                    std::uint64_t base) {
    MoveReporting(stream, bytes, progress, base, [&](std::span<const std::uint8_t> slice) {
        stream.Write(slice);
        return slice.size();
    });
}

std::size_t ReadReporting(DataStream& stream, std::span<std::uint8_t> buffer,
                          FileProgress& progress, std::uint64_t base) {
    return MoveReporting(stream, buffer, progress, base,
                         [&](std::span<std::uint8_t> slice) { return ReadFully(stream, slice); });
}

} // namespace tavrix
