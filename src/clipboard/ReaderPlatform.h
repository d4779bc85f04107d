#pragma once
// What the reader thread needs from the system: a clipboard of its own to work on (opened for a
// window of the reader thread), a wait for work that keeps answering the system's messages, a
// wake-up from other threads, and the news for the window's thread that a job is done.
namespace tavrix {

class ClipboardBackend;

class ReaderPlatform {
public:
    virtual ~ReaderPlatform() = default;
    // On the reader thread, before its first job and after its last.
    virtual ClipboardBackend& StartOnReaderThread() = 0;
    virtual void StopOnReaderThread() = 0;
    // On the reader thread: returns after Wake (or spuriously; the reader checks for work).
    virtual void WaitForWork() = 0;
    // From any thread.
    virtual void Wake() = 0;
    // From the reader thread: finished jobs wait for the window's thread to take them.
    virtual void AnnounceFinished() = 0;
};

} // namespace tavrix
