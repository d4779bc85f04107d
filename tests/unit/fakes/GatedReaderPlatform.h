#pragma once
// A reader platform over a fake clipboard whose reads of chosen formats block until the test
// lets them go: the slow program on the other side of the reader thread.
#include "clipboard/ReaderPlatform.h"
#include "fakes/FakeClipboard.h"

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <set>

namespace tavrix::testing {

class GatedClipboard : public FakeClipboard {
public:
    void Gate(ClipFormat format) {
        std::lock_guard lock(mutex_);
        gated_.insert(format);
    }
    void Release(ClipFormat format) {
        {
            std::lock_guard lock(mutex_);
            gated_.erase(format);
        }
        changed_.notify_all();
    }
    // True once a read of the format is waiting at its gate.
    bool WaitUntilAsked(ClipFormat format,
                        std::chrono::milliseconds wait = std::chrono::seconds(5)) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, wait, [&] { return asked_.count(format) != 0; });
    }
    DataResult ReadData(ClipFormat format, const ByteReader& reader) override {
        {
            std::unique_lock lock(mutex_);
            asked_.insert(format);
            changed_.notify_all();
            changed_.wait(lock, [&] { return gated_.count(format) == 0; });
        }
        return FakeClipboard::ReadData(format, reader);
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::set<ClipFormat> gated_;
    std::set<ClipFormat> asked_;
};

class GatedReaderPlatform : public ReaderPlatform {
public:
    ClipboardBackend& StartOnReaderThread() override { return clipboard; }
    void StopOnReaderThread() override {}
    void WaitForWork() override {
        std::unique_lock lock(mutex_);
        woken_.wait_for(lock, std::chrono::milliseconds(100), [this] { return wake_; });
        wake_ = false;
    }
    void Wake() override {
        {
            std::lock_guard lock(mutex_);
            wake_ = true;
        }
        woken_.notify_all();
    }
    void AnnounceFinished() override {}

    GatedClipboard clipboard;

private:
    std::mutex mutex_;
    std::condition_variable woken_;
    bool wake_ = false;
};

} // namespace tavrix::testing
