#pragma once
// An in-memory clipboard with the Windows rules the core relies on: one opener at a time,
// formats enumerated in the order they were first set, setting a format again replaces its data,
// emptying drops everything. Tests can make "another program" hold it and count platform calls.
#include "clipboard/ClipboardBackend.h"
#include "clipboard/ClipboardPicture.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace tavrix::testing {

class FakePicture : public ClipboardPicture {
public:
    int Width() const override { return width; }
    int Height() const override { return height; }
    bool Empty() const override { return width == 0 && height == 0; }
    int width = 0;
    int height = 0;
    ClipFormat loadedFrom = 0;
    bool withPalette = false;
};

class FakeClipboard : public ClipboardBackend {
public:
    struct Entry {
        ClipFormat format = 0;
        std::vector<std::uint8_t> bytes;
        bool memory = true;   // false: a GDI handle (bitmap, palette, metafile)
        bool rendered = true; // false: GetClipboardData gives no handle
        int pictureWidth = 0, pictureHeight = 0;
        std::optional<SavedMetafile> metafile; // the bits behind a metafile handle
    };

    // Test set-up (no open needed).
    void Put(ClipFormat format, std::vector<std::uint8_t> bytes);
    void PutText(ClipFormat format, const std::string& text); // adds the terminating zero
    void PutHandle(ClipFormat format, int pictureWidth = 0, int pictureHeight = 0);
    void PutUnrendered(ClipFormat format);
    void PutMetafile(SavedMetafile metafile); // a handle under metafile.format
    void Reset() { entries_.clear(); }
    const std::vector<Entry>& Entries() const { return entries_; }
    const Entry* Find(ClipFormat format) const;

    bool heldByOther = false;    // Open fails while true
    int failOpenCount = 0;       // the next n opens fail
    int opensBeforeFailing = -1; // when >= 0: that many more opens succeed, then all fail
    bool isOpen = false;
    int openCalls = 0, closeCalls = 0, emptyCalls = 0, registerCalls = 0;
    std::map<std::wstring, ClipFormat> registered;
    std::optional<ClipboardProcess> owner, holder;
    std::uint32_t sequence = 0;

    bool Open() override;
    void Close() override;
    bool Empty() override;
    bool IsFormatAvailable(ClipFormat format) override;
    int CountFormats() override;
    ClipFormat EnumFormats(ClipFormat previous) override;
    DataResult ReadData(ClipFormat format, const ByteReader& reader) override;
    bool SetData(ClipFormat format, std::span<const std::uint8_t> bytes) override;
    ClipFormat RegisterFormat(const std::wstring& name) override;
    std::wstring RegisteredFormatName(ClipFormat format) override;
    void LoadPicture(ClipFormat format, bool withPalette, ClipboardPicture& picture) override;
    std::optional<ClipboardProcess> OwnerProcess() override { return owner; }
    std::optional<ClipboardProcess> HolderProcess() override { return holder; }
    std::uint32_t SequenceNumber() override { return sequence; }
    // Handle entries copy as themselves; unrendered ones cannot be copied.
    std::unique_ptr<ClipboardObjectCopy> CopyObject(ClipFormat format) override;
    bool PlaceObject(ClipFormat format, std::unique_ptr<ClipboardObjectCopy> copy) override;
    std::optional<SavedMetafile> ReadMetafile(ClipFormat format) override;
    // Takes any bits the file reader hands it: checking them is the reader's part.
    bool PlaceMetafile(const SavedMetafile& metafile) override;

private:
    Entry& Slot(ClipFormat format);
    std::vector<Entry> entries_;
    ClipFormat nextRegistered_ = 0xC000;
};

} // namespace tavrix::testing
