#pragma once
// The clipboard as the window's thread sees it: the last snapshot the reader thread made. Reads
// answer from the snapshot and never wait on another program; data that was not read answers as
// not offered. Registration, names, owner, holder and the change count (calls that do not wait)
// go to the platform. Nothing can be written through it.
#include "clipboard/ClipboardBackend.h"
#include "clipboard/ClipboardSnapshot.h"

#include <functional>
#include <memory>

namespace tavrix {

// Puts a copy of a loaded picture into another picture of the same platform.
using PictureCopier = std::function<void(const ClipboardPicture& from, ClipboardPicture& to)>;

class SnapshotBackend final : public ClipboardBackend {
public:
    SnapshotBackend(ClipboardBackend& platform, PictureCopier copyPicture);

    void Show(std::shared_ptr<ClipboardSnapshot> snapshot) { snapshot_ = std::move(snapshot); }
    ClipboardSnapshot& Current() { return *snapshot_; }
    const ClipboardSnapshot& Current() const { return *snapshot_; }
    const std::shared_ptr<ClipboardSnapshot>& Shared() const { return snapshot_; }

    bool Open() override { return !snapshot_->held; }
    void Close() override {}
    bool Empty() override { return false; }
    bool IsFormatAvailable(ClipFormat format) override;
    int CountFormats() override;
    ClipFormat EnumFormats(ClipFormat previous) override;
    DataResult ReadData(ClipFormat format, const ByteReader& reader) override;
    DataResult DataSize(ClipFormat format, std::size_t& size) override;
    std::shared_ptr<const std::vector<std::uint8_t>> HeldBlock(ClipFormat format) override;
    bool SetData(ClipFormat, std::span<const std::uint8_t>) override { return false; }
    bool PlaceData(ClipFormat, std::size_t, const BlockFiller&) override { return false; }
    ClipFormat RegisterFormat(const std::wstring& name) override;
    std::wstring RegisteredFormatName(ClipFormat format) override;
    void LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) override;
    std::optional<ClipboardProcess> OwnerProcess() override { return platform_.OwnerProcess(); }
    std::optional<ClipboardProcess> HolderProcess() override { return platform_.HolderProcess(); }
    std::uint32_t SequenceNumber() override { return platform_.SequenceNumber(); }

private:
    ClipboardBackend& platform_;
    PictureCopier copyPicture_;
    std::shared_ptr<ClipboardSnapshot> snapshot_;
};

} // namespace tavrix
