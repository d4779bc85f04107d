#pragma once
// The reader thread's clipboard: every call that may wait on the program that owns the data
// (reading a block, its size, an object or the picture) says in the progress which format it
// waits for, so that the window or a script can tell the user, and give up in time.
#include "clipboard/ClipboardBackend.h"
#include "clipboard/ReadProgress.h"

namespace tavrix {

class WatchedBackend final : public ClipboardBackend {
public:
    WatchedBackend(ClipboardBackend& inner, ReadProgress& progress)
        : inner_(inner), progress_(progress) {}

    bool Open() override { return inner_.Open(); }
    void Close() override { inner_.Close(); }
    bool Empty() override { return inner_.Empty(); }
    bool IsFormatAvailable(ClipFormat format) override { return inner_.IsFormatAvailable(format); }
    int CountFormats() override { return inner_.CountFormats(); }
    ClipFormat EnumFormats(ClipFormat previous) override { return inner_.EnumFormats(previous); }
    DataResult ReadData(ClipFormat format, const ByteReader& reader) override;
    DataResult DataSize(ClipFormat format, std::size_t& size) override;
    bool SetData(ClipFormat format, std::span<const std::uint8_t> bytes) override {
        return inner_.SetData(format, bytes);
    }
    bool PlaceData(ClipFormat format, std::size_t size, const BlockFiller& fill) override {
        return inner_.PlaceData(format, size, fill);
    }
    ClipFormat RegisterFormat(const std::wstring& name) override {
        return inner_.RegisterFormat(name);
    }
    std::wstring RegisteredFormatName(ClipFormat format) override {
        return inner_.RegisteredFormatName(format);
    }
    void LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) override;
    std::optional<ClipboardProcess> OwnerProcess() override { return inner_.OwnerProcess(); }
    std::optional<ClipboardProcess> HolderProcess() override { return inner_.HolderProcess(); }
    std::uint32_t SequenceNumber() override { return inner_.SequenceNumber(); }
    std::unique_ptr<ClipboardObjectCopy> CopyObject(ClipFormat format) override;
    bool PlaceObject(ClipFormat format, std::unique_ptr<ClipboardObjectCopy> copy) override {
        return inner_.PlaceObject(format, std::move(copy));
    }
    std::optional<SavedMetafile> ReadMetafile(ClipFormat format) override;
    bool PlaceMetafile(const SavedMetafile& metafile) override {
        return inner_.PlaceMetafile(metafile);
    }

private:
    ClipboardBackend& inner_;
    ReadProgress& progress_;
};

} // namespace tavrix
