#include "app/win32/SearchThread.h"

#include "base/SwallowedErrors.h"
#include "viewer/FindSource.h"

namespace tavrix::win32 {

SearchThread::~SearchThread() {
    cancel_ = true;
    if (worker_.joinable()) {
        worker_.join();
    }
}

bool SearchThread::Start(SearchJob job) {
    if (Busy()) {
        return false;
    }
    cancel_ = false;
    finished_ = false;
    percent_ = 0;
    result_ = SearchResult{.job = std::move(job), .match = {}, .counted = {}, .finished = {}};
    worker_ = std::thread([this] { Run(); });
    return true;
}

void SearchThread::Cancel() {
    if (Busy() && !cancel_.exchange(true)) {
        cancelledAt_ = std::chrono::steady_clock::now();
    }
}

std::optional<SearchResult> SearchThread::Collect() {
    if (!worker_.joinable() || !finished_) {
        return std::nullopt;
    }
    worker_.join(); // it has finished: the join returns at once
    return std::move(result_);
}

void SearchThread::Run() {
    try {
        const SearchJob& job = result_.job;
        MemoryFindSource source(*job.bytes);
        FindOptions options;
        options.cancel = &cancel_;
        options.progress = [this](std::int64_t done, std::int64_t total) {
            percent_ = total > 0 ? static_cast<int>(done * 100 / total) : 100;
        };
        FindMatcher matcher(job.pattern, source, options);
        if (job.count) {
            result_.counted = matcher.Count();
        } else {
            result_.match = matcher.FindWrapping(job.start, job.direction);
        }
    } catch (...) {
        // Out of memory for the matcher's tables: the search ends as if it read nothing.
        LogSwallowed(L"SearchThread::Run");
        result_.match.outcome = FindOutcome::ReadFailed;
        result_.counted.outcome = FindOutcome::ReadFailed;
    }
    result_.finished = std::chrono::steady_clock::now();
    finished_ = true;
    done_();
}

} // namespace tavrix::win32
