#pragma once
// The one thread that opens, reads and writes the clipboard. The window's thread hands it jobs
// and gets their results back through RunFinished, so it never waits on another program: a
// program that takes 15 s to render its data keeps the reader busy, not the window.
// One job runs at a time, in the order given; a new refresh or read replaces one of its kind
// that has not started. A job the window stopped waiting for is abandoned: it runs on or is
// dropped from the queue, and its result is never delivered.
// Work runs on the reader thread and may outlive the window (a job stuck in another program at
// the program's end is left to the process's exit): it must own what it touches, through values
// and shared pointers. Done runs on the window's thread.
#include "clipboard/ReadProgress.h"
#include "clipboard/ReaderPlatform.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>

namespace tavrix {

class ClipboardPort;

enum class ReaderJobKind {
    Refresh, // the format list and the Preview's data; replaces a queued refresh
    Read,    // the data of one format; replaces a queued read
    Command, // save, load, clear, remove: never replaced
};

using ReaderJobId = std::uint64_t;

class ClipboardReader {
public:
    using Work = std::function<void(ClipboardPort& clipboard)>;
    using Done = std::function<void()>;

    explicit ClipboardReader(std::shared_ptr<ReaderPlatform> platform);
    // Stop.
    ~ClipboardReader();
    ClipboardReader(const ClipboardReader&) = delete;
    ClipboardReader& operator=(const ClipboardReader&) = delete;

    ReaderJobId Submit(ReaderJobKind kind, Work work, Done done = {});
    // The job's done never runs; a queued job is dropped.
    void Abandon(ReaderJobId id);
    // The job is queued or running.
    bool Pending(ReaderJobId id) const;
    // The job that runs now; 0 when the reader is idle.
    ReaderJobId Running() const;
    bool Idle() const;
    // What the running job waits for: every read of its clipboard is told here.
    const std::shared_ptr<ReadProgress>& Progress() const;

    // On the window's thread, after the platform announced finished jobs: runs the done of every
    // finished job that was not abandoned, in the order they finished.
    void RunFinished();
    // Blocks until the job is no longer pending or the wait ran out (for scripts, which have no
    // window to keep alive); true when it finished.
    bool WaitFor(ReaderJobId id, std::chrono::milliseconds wait);

    // Ends the thread: joined when it is idle or finishes its job within grace; otherwise left
    // to the process's exit, still stuck in another program.
    void Stop(std::chrono::milliseconds grace = std::chrono::milliseconds(200));

private:
    struct State;
    static void ThreadMain(std::shared_ptr<State> state);

    std::shared_ptr<State> state_;
    bool stopped_ = false;
};

} // namespace tavrix
