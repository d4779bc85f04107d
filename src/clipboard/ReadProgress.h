#pragma once
// What the reader thread is reading now, for the window's thread to tell the user: the format it
// asked the clipboard for, and once the block came, how much of it is copied. Written by the
// reader, read by anyone.
#include "clipboard/ClipboardFormat.h"

#include <atomic>
#include <cstdint>

namespace tavrix {

class ReadProgress {
public:
    // A read of format begins: its data was asked for and has not come yet.
    void Begin(ClipFormat format) {
        copied_.store(0);
        total_.store(0);
        format_.store(format);
        serial_.fetch_add(1);
        waiting_.store(true);
    }
    // The block came: size bytes are being copied.
    void Arrived(std::uint64_t size) {
        total_.store(size);
        waiting_.store(false);
    }
    void Copied(std::uint64_t bytes) { copied_.store(bytes); }
    // Another program holds the clipboard open while the reader waits to open it.
    void SetHeld(bool held) {
        if (held != held_.load()) {
            held_.store(held);
            serial_.fetch_add(1);
        }
    }
    bool Held() const { return held_.load(); }
    void End() {
        waiting_.store(false);
        format_.store(0);
        serial_.fetch_add(1);
    }

    // 0 when nothing is being read.
    ClipFormat Format() const { return format_.load(); }
    // Changes with every read that begins or ends: tells a new read from a long one.
    std::uint32_t Serial() const { return serial_.load(); }
    bool Waiting() const { return waiting_.load(); }
    std::uint64_t Total() const { return total_.load(); }
    std::uint64_t CopiedBytes() const { return copied_.load(); }

private:
    std::atomic<ClipFormat> format_{0};
    std::atomic<std::uint32_t> serial_{0};
    std::atomic<bool> waiting_{false};
    std::atomic<bool> held_{false};
    std::atomic<std::uint64_t> total_{0};
    std::atomic<std::uint64_t> copied_{0};
};

} // namespace tavrix
