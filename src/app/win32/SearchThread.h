#pragma once
// One search at a time on a thread of its own, over bytes it shares with the view (they never
// change under it). The window's thread starts it, may cancel it, and collects the result when
// the thread says it is done; it never waits for the search.
#include "viewer/FindMatcher.h"

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace tavrix::win32 {

struct SearchJob {
    BytePattern pattern;
    std::shared_ptr<const std::vector<std::uint8_t>> bytes;
    bool count = false;
    std::int64_t start = 0;
    FindDirection direction = FindDirection::Forward;
};

struct SearchResult {
    SearchJob job;
    FindMatch match;                                // of a find
    FindCount counted;                              // of a count
    std::chrono::steady_clock::time_point finished; // when the search's thread was done
};

class SearchThread {
public:
    // done runs on the search's thread when it has finished (it must only post).
    explicit SearchThread(std::function<void()> done) : done_(std::move(done)) {}
    // Cancels a running search and lets it end (within one chunk).
    ~SearchThread();
    SearchThread(const SearchThread&) = delete;
    SearchThread& operator=(const SearchThread&) = delete;

    // A search is running or its result is not collected yet.
    bool Busy() const { return worker_.joinable(); }
    // Starts job; false while Busy.
    bool Start(SearchJob job);
    void Cancel();
    bool Cancelled() const { return cancel_; }
    // When the running search was asked to stop.
    std::chrono::steady_clock::time_point CancelledAt() const { return cancelledAt_; }
    // How far the running search is, 0 to 100.
    int Percent() const { return percent_; }
    // The finished search's result (nothing while it runs); the thread is then free again.
    std::optional<SearchResult> Collect();

private:
    void Run();

    std::function<void()> done_;
    std::thread worker_;
    std::atomic<bool> cancel_{false};
    std::atomic<bool> finished_{false};
    std::atomic<int> percent_{0};
    std::chrono::steady_clock::time_point cancelledAt_;
    SearchResult result_;
};

} // namespace tavrix::win32
