#include "clipboard/WatchedBackend.h"

#include "base/ScopeExit.h"

namespace tavrix {

namespace {

// Says in the progress that the format is waited for until the scope ends, however it ends.
auto WaitingFor(ReadProgress& progress, ClipFormat format) {
    progress.Begin(format);
    return ScopeExit([&progress] { progress.End(); });
}

} // namespace

DataResult WatchedBackend::ReadData(ClipFormat format, const ByteReader& reader) {
    const auto waiting = WaitingFor(progress_, format);
    return inner_.ReadData(format, [&](std::span<const std::uint8_t> block) {
        progress_.Arrived(block.size());
        reader(block);
    });
}

DataResult WatchedBackend::DataSize(ClipFormat format, std::size_t& size) {
    const auto waiting = WaitingFor(progress_, format);
    return inner_.DataSize(format, size);
}

void WatchedBackend::LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) {
    const auto waiting = WaitingFor(progress_, format);
    inner_.LoadPicture(format, withPalette, picture);
}

std::unique_ptr<ClipboardObjectCopy> WatchedBackend::CopyObject(ClipFormat format) {
    const auto waiting = WaitingFor(progress_, format);
    return inner_.CopyObject(format);
}

std::optional<SavedMetafile> WatchedBackend::ReadMetafile(ClipFormat format) {
    const auto waiting = WaitingFor(progress_, format);
    return inner_.ReadMetafile(format);
}

} // namespace tavrix
