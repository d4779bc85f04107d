#include "clipboard/ClipboardReader.h"

#include "base/SwallowedErrors.h"
#include "clipboard/ClipboardPort.h"
#include "clipboard/WatchedBackend.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <exception>
#include <mutex>
#include <optional>
#include <thread>

namespace tavrix {

namespace {

struct Job {
    ReaderJobId id = 0;
    ReaderJobKind kind = ReaderJobKind::Command;
    ClipboardReader::Work work;
    ClipboardReader::Done done;
};

} // namespace

struct ClipboardReader::State {
    explicit State(std::shared_ptr<ReaderPlatform> p) : platform(std::move(p)) {}

    std::shared_ptr<ReaderPlatform> platform;
    std::shared_ptr<ReadProgress> progress = std::make_shared<ReadProgress>();
    mutable std::mutex mutex;
    std::condition_variable changed;
    std::deque<Job> queue;
    std::deque<Job> finished;
    ReaderJobId running = 0;
    ReaderJobId lastId = 0;
    std::vector<ReaderJobId> abandoned;
    bool quit = false;
    bool exited = false;
    std::thread thread;

    bool IsAbandoned(ReaderJobId id) const {
        return std::find(abandoned.begin(), abandoned.end(), id) != abandoned.end();
    }
    void Forget(ReaderJobId id) {
        abandoned.erase(std::remove(abandoned.begin(), abandoned.end(), id), abandoned.end());
    }
};

ClipboardReader::ClipboardReader(std::shared_ptr<ReaderPlatform> platform)
    : state_(std::make_shared<State>(std::move(platform))) {
    state_->thread = std::thread(&ClipboardReader::ThreadMain, state_);
}

ClipboardReader::~ClipboardReader() {
    Stop();
}

void ClipboardReader::ThreadMain(std::shared_ptr<State> state) {
    std::optional<WatchedBackend> watched;
    std::optional<ClipboardPort> clipboard;
    try {
        watched.emplace(state->platform->StartOnReaderThread(), *state->progress);
        clipboard.emplace(*watched);
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardReader (start)");
    }
    for (;;) {
        Job job;
        {
            std::unique_lock lock(state->mutex);
            if (state->quit) {
                break;
            }
            if (state->queue.empty()) {
                lock.unlock();
                state->platform->WaitForWork();
                continue;
            }
            job = std::move(state->queue.front());
            state->queue.pop_front();
            state->running = job.id;
        }
        if (clipboard) {
            try {
                job.work(*clipboard);
            } catch (const std::exception&) {
                // Work reports its own errors through its result; this one escaped it.
                LogSwallowed(L"ClipboardReader (job)");
            }
        }
        job.work = nullptr;
        {
            std::lock_guard lock(state->mutex);
            state->running = 0;
            if (state->IsAbandoned(job.id)) {
                state->Forget(job.id);
            } else if (job.done) {
                state->finished.push_back(std::move(job));
            }
        }
        state->changed.notify_all();
        state->platform->AnnounceFinished();
    }
    clipboard.reset();
    watched.reset();
    try {
        state->platform->StopOnReaderThread();
    } catch (const std::exception&) {
        LogSwallowed(L"ClipboardReader (stop)");
    }
    {
        std::lock_guard lock(state->mutex);
        state->exited = true;
    }
    state->changed.notify_all();
}

ReaderJobId ClipboardReader::Submit(ReaderJobKind kind, Work work, Done done) {
    ReaderJobId id = 0;
    {
        std::lock_guard lock(state_->mutex);
        id = ++state_->lastId;
        if (kind != ReaderJobKind::Command) {
            // Only the newest refresh or read is worth doing: a queued one of the same kind
            // would show what the newer one replaces.
            std::erase_if(state_->queue, [kind](const Job& job) { return job.kind == kind; });
        }
        state_->queue.push_back(Job{id, kind, std::move(work), std::move(done)});
    }
    state_->platform->Wake();
    return id;
}

void ClipboardReader::Abandon(ReaderJobId id) {
    std::lock_guard lock(state_->mutex);
    const auto before = state_->queue.size();
    std::erase_if(state_->queue, [id](const Job& job) { return job.id == id; });
    if (state_->queue.size() == before && state_->running == id) {
        state_->abandoned.push_back(id);
    }
    std::erase_if(state_->finished, [id](const Job& job) { return job.id == id; });
}

bool ClipboardReader::Pending(ReaderJobId id) const {
    std::lock_guard lock(state_->mutex);
    return state_->running == id || std::any_of(state_->queue.begin(), state_->queue.end(),
                                                [id](const Job& job) { return job.id == id; });
}

ReaderJobId ClipboardReader::Running() const {
    std::lock_guard lock(state_->mutex);
    return state_->running;
}

const std::shared_ptr<ReadProgress>& ClipboardReader::Progress() const {
    return state_->progress;
}

bool ClipboardReader::Idle() const {
    std::lock_guard lock(state_->mutex);
    return state_->running == 0 && state_->queue.empty();
}

void ClipboardReader::RunFinished() {
    for (;;) {
        Job job;
        {
            std::lock_guard lock(state_->mutex);
            if (state_->finished.empty()) {
                return;
            }
            job = std::move(state_->finished.front());
            state_->finished.pop_front();
        }
        job.done();
    }
}

bool ClipboardReader::WaitFor(ReaderJobId id, std::chrono::milliseconds wait) {
    std::unique_lock lock(state_->mutex);
    auto pending = [this, id] {
        return state_->running == id || std::any_of(state_->queue.begin(), state_->queue.end(),
                                                    [id](const Job& job) { return job.id == id; });
    };
    return state_->changed.wait_for(lock, wait, [&] { return !pending() || state_->exited; }) &&
           !pending();
}

void ClipboardReader::Stop(std::chrono::milliseconds grace) {
    if (stopped_) {
        return;
    }
    stopped_ = true;
    {
        std::lock_guard lock(state_->mutex);
        state_->quit = true;
        state_->queue.clear();
        state_->finished.clear();
    }
    state_->platform->Wake();
    bool exited = false;
    {
        std::unique_lock lock(state_->mutex);
        exited = state_->changed.wait_for(lock, grace, [this] { return state_->exited; });
    }
    if (exited) {
        state_->thread.join();
    } else {
        // Stuck in another program's rendering: the process's exit ends it. It keeps its state.
        state_->thread.detach();
    }
}

} // namespace tavrix
