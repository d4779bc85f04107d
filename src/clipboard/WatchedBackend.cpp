#include "clipboard/WatchedBackend.h"

namespace tavrix {

namespace {

// Ends the read in the progress also when the call throws.
class WaitScope {
public:
    WaitScope(ReadProgress& progress, ClipFormat format) : progress_(progress) {
        progress_.Begin(format);
    }
    ~WaitScope() { progress_.End(); }
    WaitScope(const WaitScope&) = delete;
    WaitScope& operator=(const WaitScope&) = delete;

private:
    ReadProgress& progress_;
};

} // namespace

DataResult WatchedBackend::ReadData(ClipFormat format, const ByteReader& reader) {
    WaitScope scope(progress_, format);
    return inner_.ReadData(format, [&](std::span<const std::uint8_t> block) {
        progress_.Arrived(block.size());
        reader(block);
    });
}

DataResult WatchedBackend::DataSize(ClipFormat format, std::size_t& size) {
    WaitScope scope(progress_, format);
    return inner_.DataSize(format, size);
}

void WatchedBackend::LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) {
    WaitScope scope(progress_, format);
    inner_.LoadPicture(format, withPalette, picture);
}

std::unique_ptr<ClipboardObjectCopy> WatchedBackend::CopyObject(ClipFormat format) {
    WaitScope scope(progress_, format);
    return inner_.CopyObject(format);
}

} // namespace tavrix
